// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/jobrun.h"

#include "app/mainwindow.h"
#include "bundle/bundleassembly.h"
#include "bundle/compression.h"
#include "engine/prefilljob.h"
#include "tools/job.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Far beyond any test's work; a hang fails the test instead of the suite.
constexpr int kLongestWaitMs = 600000;

} // namespace

bool runToEnd(Job &job)
{
    QSignalSpy ended(&job, &Job::finished);
    if (!job.isRunning())
        job.start();
    return ended.wait(kLongestWaitMs);
}

ToolResult runToolChains(const QList<QList<ToolCommand>> &chains, int parallel,
                         const std::function<bool()> &callOffWhen)
{
    ToolRun run(chains, parallel);
    QSignalSpy ended(&run, &ToolRun::finished);
    QTimer watch;
    if (callOffWhen) {
        // Not a clock: the condition is looked at whenever the loop turns.
        QObject::connect(&watch, &QTimer::timeout, &run, [&] {
            if (callOffWhen()) {
                watch.stop();
                run.kill();
            }
        });
        watch.start(0);
    }
    run.start();
    if (!ended.wait(kLongestWaitMs))
        return {};
    return run.result();
}

ToolResult runTool(const ToolCommand &command, const std::function<bool()> &callOffWhen)
{
    return runToolChains({{command}}, 1, callOffWhen);
}

ToolResult runTool(const QString &program, const QStringList &arguments, int timeoutMs)
{
    ToolCommand command;
    command.program = program;
    command.arguments = arguments;
    command.timeoutMs = timeoutMs;
    return runTool(command);
}

bool waitForPackageReading(MainWindow &window)
{
    // The window lets the reading's job go once it has used its answer.
    return QTest::qWaitFor([&window] { return !window.findChild<PrefillJob *>(); }, 60000);
}

bool waitForWindowWork(MainWindow &window)
{
    const QList<Job *> jobs = window.findChildren<Job *>();
    for (Job *job : jobs) {
        if ((qobject_cast<PackJob *>(job) || qobject_cast<CompressJob *>(job)) &&
            job->isRunning() && !runToEnd(*job))
            return false;
    }
    return true;
}
