#ifndef PLINVEX_TOOLRUNNER_H
#define PLINVEX_TOOLRUNNER_H

#include <QByteArray>
#include <QString>
#include <QStringList>

class QProcess;

// How long any outside tool may run before it is killed.
constexpr int kToolTimeoutMs = 30000;

// What happened to one run of an outside tool.
struct ToolResult
{
    QString program;
    bool started = false;
    bool crashed = false;
    bool timedOut = false;
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;

    // Success means the tool started, ended on its own and returned 0.
    bool succeeded() const { return started && !timedOut && !crashed && exitCode == 0; }

    // One line for the user naming the tool and why it failed.
    QString failureText() const;
};

// Runs `program` with `arguments` (never through a shell) and waits at most
// `timeoutMs`; a tool still running then is killed. The process is closed
// afterwards, so the same object can run the next tool.
ToolResult runTool(QProcess &process, const QString &program, const QStringList &arguments,
                   int timeoutMs = kToolTimeoutMs);
ToolResult runTool(const QString &program, const QStringList &arguments,
                   int timeoutMs = kToolTimeoutMs);

// Tool output as text: the bytes before the first NUL, decoded as UTF-8.
QString textUpToNul(const QByteArray &bytes);

#endif
