#include "tools/toolrunner.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

// A killed tool normally goes within milliseconds; this only bounds a tool
// stuck in the kernel so that the window does not hang for ever.
constexpr int kReapAfterKillMs = 5000;

void collectOutcome(QProcess &process, ToolResult &result)
{
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    result.standardOutput += process.readAllStandardOutput();
    result.standardError += process.readAllStandardError();
}

} // namespace

QString ToolResult::failureText() const
{
    if (!started)
        return program + QStringLiteral(": 找不到程序");
    if (timedOut)
        return program + QStringLiteral(": 超时");
    QString detail = QString::fromLocal8Bit(standardError).trimmed();
    if (detail.isEmpty()) {
        detail = crashed ? QStringLiteral("异常退出") : QStringLiteral("退出码 %1").arg(exitCode);
    }
    // A tool found on the search path is started by its full path and names
    // itself so ("/usr/bin/mkdir: ..."); the user knows it by its name.
    if (!program.contains(QLatin1Char('/'))) {
        const QRegularExpression startedAs(QStringLiteral("^/[^:\n]*/") +
                                               QRegularExpression::escape(program) +
                                               QStringLiteral("(?=[: ])"),
                                           QRegularExpression::MultilineOption);
        detail.replace(startedAs, program);
    }
    // Most tools already begin their messages with their own name.
    if (detail.startsWith(program))
        return detail;
    return program + QStringLiteral(": ") + detail;
}

ToolResult runTool(QProcess &process, const QString &program, const QStringList &arguments,
                   int timeoutMs)
{
    ToolResult result;
    result.program = program;
    process.start(program, arguments, QIODevice::ReadWrite);
    // A missing program is only reported once the start has been waited for.
    if (!process.waitForStarted(timeoutMs)) {
        result.standardError = process.errorString().toLocal8Bit();
        process.close();
        return result;
    }
    result.started = true;
    // No tool reads its standard input; a closed one keeps a curious tool from waiting on it.
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs) && process.state() != QProcess::NotRunning) {
        result.timedOut = true;
        result.standardOutput += process.readAllStandardOutput();
        result.standardError += process.readAllStandardError();
        process.kill();
        process.waitForFinished(kReapAfterKillMs);
    } else {
        collectOutcome(process, result);
    }
    process.close();
    return result;
}

ToolResult runTool(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    return runTool(process, program, arguments, timeoutMs);
}

QString textUpToNul(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), bytes.size())));
}
