// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_TOOLRUNNER_H
#define PLINVEX_TOOLRUNNER_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// How long an outside tool may run from its start, or, for a copy watched by
// the file it writes, how long it may go without that file growing.
constexpr int kToolTimeoutMs = 30000;

// One run of an outside tool: a program and its arguments, never a shell line.
struct ToolCommand
{
    QString program;
    QStringList arguments;
    QString workingDirectory; // empty: the program's own
    int timeoutMs = kToolTimeoutMs;
    // When set, the bound counts only time without progress: the tool is
    // stopped once this file has not grown for timeoutMs. A copy of a large
    // file takes as long as it takes. What a tool prints never extends its
    // bound: a tool could print for ever.
    QString progressPath;
    // Open descriptors the tool gets as its standard input and then as
    // descriptors 3, 4, …: a file handed over this way is read without the
    // tool ever naming it. Empty: the standard input is empty. No other
    // descriptor of this program reaches the tool, whether or not it was
    // opened close-on-exec.
    QList<int> handedFds;
    // The tool inherits no environment: nothing of the session (its bus,
    // its display, its folders) reaches it, only LC_ALL=C.UTF-8.
    bool emptyEnvironment = false;
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

// Runs chains of tools without waiting for them: the tools of a chain one
// after another, up to `parallel` chains at once, on the event loop of the
// thread it lives in. At the first tool that fails every other is stopped.
// Each tool runs in a process group of its own; a tool still running at its
// bound, or when the run is killed, is killed with everything it started,
// and nothing it started outlives it. finished() comes once, always from
// the event loop, with the first failure or a succeeded result.
class ToolRun : public QObject
{
    Q_OBJECT

public:
    ToolRun(QList<QList<ToolCommand>> chains, int parallel, QObject *parent = nullptr);
    explicit ToolRun(const ToolCommand &command, QObject *parent = nullptr);
    // Whatever still runs is killed; finished() is not emitted any more.
    ~ToolRun() override;

    void start();
    // Calls the run off: every tool is stopped, and finished() reports a
    // cancelled result once they are gone.
    void kill();
    bool isRunning() const;
    const ToolResult &result() const;

signals:
    // Standard output as it arrives, chunk by chunk.
    void output(const QByteArray &chunk);
    // Each tool that succeeded, as it ends: the steps done, for progress.
    void toolSucceeded(const ToolResult &result);
    void finished(const ToolResult &result);

private:
    class Pool;
    std::unique_ptr<Pool> pool;
};

// Tool output as text: the bytes before the first NUL, decoded as UTF-8.
QString textUpToNul(const QByteArray &bytes);

#endif
