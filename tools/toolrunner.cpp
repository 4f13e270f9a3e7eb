// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/toolrunner.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

// A killed tool is normally gone within milliseconds; this only bounds the
// wait for one the event loop was left without.
constexpr int kReapAfterKillMs = 5000;

// How much a tool has written so far: a file's size, or for a folder the
// sizes of the files beneath it (never following links).
qint64 writtenSize(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink())
        return info.size();
    qint64 total = 0;
    QDirIterator files(path, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        total += files.fileInfo().size();
    }
    return total;
}

// Runs chains of tools on the event loop of the calling thread and keeps
// every one within its bound.
class ToolPool
{
public:
    ToolPool(const QList<QList<ToolCommand>> &chains, int parallel, const RunControl &control)
        : chains(chains)
        , parallel(qMax(1, parallel))
        , control(control)
    {
        int shortest = kToolTimeoutMs;
        for (const QList<ToolCommand> &chain : chains) {
            for (const ToolCommand &command : chain)
                shortest = qMin(shortest, command.timeoutMs);
        }
        watch.setInterval(qBound(10, shortest / 10, 250));
        QObject::connect(&watch, &QTimer::timeout, [this] { checkBounds(); });
        if (control.cancellation) {
            QObject::connect(control.cancellation, &Cancellation::cancelled, &loop,
                             [this] { callOff(); });
        }
    }

    ToolResult run()
    {
        if (control.cancellation && control.cancellation->isCancelled()) {
            outcome.cancelled = true;
            return outcome;
        }
        outcome.started = true;
        outcome.exitCode = 0;
        startChains();
        if (!isDone()) {
            watch.start();
            loop.exec();
            watch.stop();
        }
        // Left early (the application is quitting): nothing may outlive the run.
        if (!isDone()) {
            callOff();
            for (const auto &tool : tools) {
                if (tool->process.state() != QProcess::NotRunning)
                    tool->process.waitForFinished(kReapAfterKillMs);
            }
        }
        return outcome;
    }

private:
    struct Running
    {
        QProcess process;
        int chain = 0;
        int step = 0;
        ToolResult result;
        QElapsedTimer sinceProgress;
        qint64 lastSize = -1;
        bool ended = false;
    };

    bool isDone() const { return active == 0 && (failed || nextChain >= chains.size()); }

    void startChains()
    {
        while (!failed && active < parallel && nextChain < chains.size()) {
            const int chain = nextChain++;
            if (!chains.at(chain).isEmpty())
                start(chain, 0);
        }
    }

    void start(int chain, int step)
    {
        const ToolCommand &command = chains.at(chain).at(step);
        tools.push_back(std::make_unique<Running>());
        Running *tool = tools.back().get();
        tool->chain = chain;
        tool->step = step;
        tool->result.program = command.program;
        ++active;

        QProcess &process = tool->process;
        // No tool reads its standard input; an empty one keeps a curious tool from waiting on it.
        process.setStandardInputFile(QProcess::nullDevice());
        if (!command.workingDirectory.isEmpty())
            process.setWorkingDirectory(command.workingDirectory);
        QObject::connect(&process, &QProcess::started, [tool] { tool->result.started = true; });
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this, tool] {
            const QByteArray chunk = tool->process.readAllStandardOutput();
            tool->result.standardOutput += chunk;
            tool->sinceProgress.restart();
            if (control.onOutput)
                control.onOutput(chunk);
        });
        QObject::connect(&process, &QProcess::readyReadStandardError, [tool] {
            tool->result.standardError += tool->process.readAllStandardError();
            tool->sinceProgress.restart();
        });
        QObject::connect(
            &process, &QProcess::errorOccurred, [this, tool](QProcess::ProcessError e) {
                if (e == QProcess::FailedToStart && !tool->ended) {
                    tool->result.standardError = tool->process.errorString().toLocal8Bit();
                    end(tool);
                }
            });
        QObject::connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished),
                         [this, tool](int exitCode, QProcess::ExitStatus status) {
                             tool->result.crashed = status == QProcess::CrashExit;
                             tool->result.exitCode = exitCode;
                             tool->result.standardOutput += tool->process.readAllStandardOutput();
                             tool->result.standardError += tool->process.readAllStandardError();
                             end(tool);
                         });
        tool->sinceProgress.start();
        process.start(command.program, command.arguments, QIODevice::ReadOnly);
    }

    void end(Running *tool)
    {
        if (tool->ended)
            return;
        tool->ended = true;
        --active;
        const ToolResult &result = tool->result;
        if (!failed && result.succeeded() && control.onToolSucceeded)
            control.onToolSucceeded(result);
        if (!failed) {
            outcome = result;
            if (!result.succeeded()) {
                failed = true;
                stopAll();
            } else if (tool->step + 1 < chains.at(tool->chain).size()) {
                start(tool->chain, tool->step + 1);
            }
        }
        startChains();
        if (isDone())
            loop.quit();
    }

    void checkBounds()
    {
        for (const auto &tool : tools) {
            if (tool->ended || tool->result.timedOut || tool->result.cancelled)
                continue;
            const ToolCommand &command = chains.at(tool->chain).at(tool->step);
            if (!command.progressPath.isEmpty()) {
                const qint64 size = writtenSize(command.progressPath);
                if (size != tool->lastSize) {
                    tool->lastSize = size;
                    tool->sinceProgress.restart();
                }
            }
            if (tool->sinceProgress.hasExpired(command.timeoutMs)) {
                tool->result.timedOut = true;
                tool->process.kill();
            }
        }
    }

    // Every tool still running goes; the work has failed or is called off.
    void stopAll()
    {
        for (const auto &tool : tools) {
            if (!tool->ended && tool->process.state() != QProcess::NotRunning) {
                tool->result.cancelled = true;
                tool->process.kill();
            }
        }
    }

    void callOff()
    {
        if (!failed) {
            failed = true;
            outcome = ToolResult();
            outcome.cancelled = true;
        }
        stopAll();
        if (isDone())
            loop.quit();
    }

    const QList<QList<ToolCommand>> &chains;
    const int parallel;
    const RunControl &control;
    std::vector<std::unique_ptr<Running>> tools;
    QEventLoop loop;
    QTimer watch;
    ToolResult outcome;
    int nextChain = 0;
    int active = 0;
    bool failed = false;
};

} // namespace

void Cancellation::cancel()
{
    if (cancelledFlag)
        return;
    cancelledFlag = true;
    emit cancelled();
}

ToolResult runToolChains(const QList<QList<ToolCommand>> &chains, int parallel,
                         const RunControl &control)
{
    ToolPool pool(chains, parallel, control);
    return pool.run();
}

ToolResult runTool(const ToolCommand &command, const RunControl &control)
{
    return runToolChains({{command}}, 1, control);
}

ToolResult runTool(const QString &program, const QStringList &arguments, int timeoutMs)
{
    ToolCommand command;
    command.program = program;
    command.arguments = arguments;
    command.timeoutMs = timeoutMs;
    return runTool(command);
}

QString textUpToNul(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), bytes.size())));
}
