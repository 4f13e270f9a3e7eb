// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_TOOLRUNNER_H
#define PLINVEX_TOOLRUNNER_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// How long an outside tool may run, or, for a tool watched by its progress,
// how long it may go without making any.
constexpr int kToolTimeoutMs = 30000;

// One run of an outside tool: a program and its arguments, never a shell line.
struct ToolCommand
{
    QString program;
    QStringList arguments;
    QString workingDirectory; // empty: the program's own
    int timeoutMs = kToolTimeoutMs;
    // When set, the bound counts only time without progress: the tool is
    // stopped once this file has not grown and the tool has printed nothing
    // for timeoutMs. A copy of a large file takes as long as it takes.
    QString progressPath;
    // Open descriptors the tool gets as its standard input and then as
    // descriptors 3, 4, …: a file handed over this way is read without the
    // tool ever naming it. Empty: the standard input is empty.
    QList<int> handedFds;
    // Past this many bytes of output (standard output and error together)
    // the tool is stopped and its result says so; 0 for no bound.
    qint64 outputCap = 0;
};

// Why a tool did not start, from what can be seen of it beforehand.
enum class StartProblem {
    None,
    NotFound,        // no such program, on the search path or at its path
    NotPermitted,    // the program is there, but may not be run
    NoWorkingFolder, // the folder it was to run in is gone
};

// What happened to one run of an outside tool.
struct ToolResult
{
    QString program;
    bool started = false;
    StartProblem startProblem = StartProblem::None; // set when !started
    QString workingDirectory;                       // as the command asked for it
    bool crashed = false;
    bool timedOut = false;       // stopped at its bound
    bool cancelled = false;      // stopped because the work was called off
    bool outputTooLarge = false; // stopped for printing more than its cap
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;

    // Success means the tool started, ended on its own and returned 0.
    bool succeeded() const
    {
        return started && !timedOut && !cancelled && !outputTooLarge && !crashed && exitCode == 0;
    }
};

// Calls off the tools running for one piece of work; shared by everything
// that work runs, so one request stops them all. It may be called off from
// any thread: the tools of a reading on a thread of its own stop as well.
class Cancellation : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isCancelled() const { return cancelledFlag.load(); }
    void cancel();
    // Ready for the next piece of work.
    void reset() { cancelledFlag.store(false); }

signals:
    void cancelled();

private:
    std::atomic<bool> cancelledFlag{false};
};

// How tools of one piece of work are watched.
struct RunControl
{
    const Cancellation *cancellation = nullptr;
    // Standard output as it arrives, chunk by chunk.
    std::function<void(const QByteArray &)> onOutput;
    // Each tool that succeeded, as it ends: the steps done, for a progress line.
    std::function<void(const ToolResult &)> onToolSucceeded = nullptr;
};

// Runs one tool and waits for it. The wait runs the event loop, so the
// window keeps painting and the cancellation can arrive. Each tool runs in a
// process group of its own; a tool still running at its bound, or when the
// work is called off, is killed with everything it started, and nothing it
// started outlives it.
ToolResult runTool(const ToolCommand &command, const RunControl &control = {});
ToolResult runTool(const QString &program, const QStringList &arguments,
                   int timeoutMs = kToolTimeoutMs);

// Runs chains of tools: the tools of a chain one after another, up to
// `parallel` chains at once. At the first tool that fails every other is
// stopped. Returns that failure, or a succeeded result when all went well.
ToolResult runToolChains(const QList<QList<ToolCommand>> &chains, int parallel,
                         const RunControl &control = {});

// Tool output as text: the bytes before the first NUL, decoded as UTF-8.
QString textUpToNul(const QByteArray &bytes);

#endif
