// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/checkruns.h"

#include "cli/commandoptions.h"
#include "cli/commandoutput.h"
#include "engine/checkfindings.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <unistd.h>

CheckRuns::CheckRuns(const Options &options, QObject *parent)
    : QObject(parent)
    , options(options)
    // One input shows its own job's steps; several show how many have ended.
    , progress(options.format == OutputFormat::Text && options.inputs.size() > 1 &&
               ::isatty(STDERR_FILENO) == 1)
{
    connect(&termination, &TerminationSignals::received, this, [this](int signalNumber) {
        if (stoppedBy == 0)
            stoppedBy = signalNumber;
        for (InputRun *run : qAsConst(running))
            run->stop(signalNumber);
    });
}

void CheckRuns::start()
{
    fill();
}

// Starts inputs until as many run as the jobs allow. Each starts from the
// event loop, so one that ends at once never ends inside this loop.
void CheckRuns::fill()
{
    const bool single = options.inputs.size() == 1;
    while (running.size() < options.jobs && next < options.inputs.size()) {
        const int index = next++;
        auto *run = new InputRun(
            options, options.inputs.at(index),
            single && options.format == OutputFormat::Text && ::isatty(STDERR_FILENO) == 1,
            [this, index](InputRun *endedRun) { ended(index, endedRun); }, this);
        running << run;
        if (stoppedBy != 0)
            run->stop(stoppedBy);
        QMetaObject::invokeMethod(
            run, [run] { run->start(); }, Qt::QueuedConnection);
    }
}

void CheckRuns::ended(int index, InputRun *run)
{
    running.removeOne(run);
    waiting.insert(index, run->outcome());
    // The run's jobs may still be on their way out of their own signals.
    run->deleteLater();
    writeReady();
    fill();
    if (written == options.inputs.size())
        finish();
}

void CheckRuns::writeReady()
{
    while (!waiting.isEmpty() && waiting.firstKey() == written) {
        const InputOutcome outcome = waiting.take(written);
        write(written, outcome);
        ++written;
        progress.show(QCoreApplication::translate("CommandLine", "检查了"), written,
                      options.inputs.size());
    }
}

void CheckRuns::write(int index, const InputOutcome &outcome)
{
    passed += outcome.passed ? 1 : 0;
    worst = qMax(worst, outcome.report.status);
    const bool single = options.inputs.size() == 1;
    progress.finish();
    switch (options.format) {
    case OutputFormat::Text:
        if (single) {
            writeOut(outcome.text);
        } else {
            // Inputs stand apart by a blank line and a heading naming the
            // input as it was given.
            writeOut((index > 0 ? QByteArray("\n") : QByteArray()) + "==> " +
                     printable(outcome.report.input).toUtf8() + " <==\n" + outcome.text);
        }
        break;
    case OutputFormat::Json:
        if (single) {
            // One input gives the very object it always gave.
            QJsonObject object = outcome.report.json;
            object.remove(QStringLiteral("input"));
            writeOut(escapedJson(QJsonDocument(object).toJson()));
        } else
            objects.append(outcome.report.json);
        break;
    case OutputFormat::Jsonl:
        writeOut(escapedJson(QJsonDocument(outcome.report.json).toJson(QJsonDocument::Compact)) +
                 '\n');
        break;
    case OutputFormat::Sarif:
    case OutputFormat::Github:
        reports << outcome.report;
        break;
    }
}

void CheckRuns::finish()
{
    progress.finish();
    const int inputs = options.inputs.size();
    switch (options.format) {
    case OutputFormat::Text:
        if (inputs > 1)
            writeLine(stdout, QStringLiteral("\n") +
                                  QCoreApplication::translate("CommandLine",
                                                              "%1 个输入：%2 个通过，%3 个没通过")
                                      .arg(inputs)
                                      .arg(passed)
                                      .arg(inputs - passed));
        break;
    case OutputFormat::Json:
        if (inputs > 1)
            writeOut(escapedJson(QJsonDocument(objects).toJson()));
        break;
    case OutputFormat::Jsonl:
        break;
    case OutputFormat::Sarif:
        writeOut(sarifReport(reports));
        break;
    case OutputFormat::Github:
        writeOut(githubReport(reports));
        break;
    }
    QCoreApplication::exit(worst);
}
