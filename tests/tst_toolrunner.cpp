// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/jobrun.h"
#include "support/testfiles.h"
#include "tools/terminationsignals.h"
#include "tools/toolrunner.h"
#include "wording/failuretexts.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

class TestToolRunner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void argumentReachesToolWhole_data();
    void argumentReachesToolWhole();
    void manyArgumentsKeepTheirOrder();
    void toolThatCannotStartSaysWhy_data();
    void toolThatCannotStartSaysWhy();
    void failingToolReportsItsErrorOutput();
    void failingToolWithoutErrorOutputNamesTheTool();
    void stoppedToolLeavesNothingRunning_data();
    void stoppedToolLeavesNothingRunning();
    void progressKeepsAToolGoing_data();
    void progressKeepsAToolGoing();
    void toolGetsOnlyWhatItIsGiven_data();
    void toolGetsOnlyWhatItIsGiven();
    void crashIsReported();
    void toolReadingInputDoesNotWait();
    void outputIsCollected();

    void textUpToNul_data();
    void textUpToNul();

    void terminationSignalArrives_data();
    void terminationSignalArrives();

private:
    QTemporaryDir scratch;
    QString printArgs; // prints its argument count, then each argument on its own line
};

void TestToolRunner::initTestCase()
{
    QVERIFY(scratch.isValid());
    printArgs = scratch.filePath(QStringLiteral("print args"));
    QVERIFY(
        writeScript(printArgs, "echo \"$#\"\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done\n"));
}

void TestToolRunner::argumentReachesToolWhole_data()
{
    QTest::addColumn<QString>("argument");
    QTest::newRow("blanks") << QStringLiteral("/home/a b/My Package 1.0.deb");
    QTest::newRow("double quotes") << QStringLiteral("/tmp/say \"hi\" there.deb");
    QTest::newRow("lone double quote") << QStringLiteral("/tmp/a\"b.deb");
    QTest::newRow("single quotes") << QStringLiteral("/tmp/it's here.png");
    QTest::newRow("command substitution") << QStringLiteral("/tmp/$(touch pwned).png");
    QTest::newRow("back quotes") << QStringLiteral("/tmp/`touch pwned`.png");
    QTest::newRow("semicolon") << QStringLiteral("/tmp/x.png; touch pwned");
    QTest::newRow("pipe and ampersand") << QStringLiteral("a | b && c &");
    QTest::newRow("variable") << QStringLiteral("$HOME/${PATH}");
    QTest::newRow("glob") << QStringLiteral("/tmp/*.png");
    QTest::newRow("backslash") << QStringLiteral("C:\\new\\table");
    QTest::newRow("leading dash") << QStringLiteral("-rf");
    QTest::newRow("chinese") << QStringLiteral("/tmp/截图 一.png");
    QTest::newRow("tab") << QStringLiteral("a\tb");
    QTest::newRow("empty") << QString();
}

void TestToolRunner::argumentReachesToolWhole()
{
    QFETCH(QString, argument);
    const QString marker = QDir::currentPath() + QStringLiteral("/pwned");
    QFile::remove(marker);

    const ToolResult result = runTool(printArgs, {argument}, 10000);

    QVERIFY2(result.succeeded(), qPrintable(toolFailureText(result)));
    QCOMPARE(QString::fromUtf8(result.standardOutput),
             QStringLiteral("1\n") + argument + QLatin1Char('\n'));
    QVERIFY2(!QFile::exists(marker), "a shell interpreted the argument");
}

void TestToolRunner::manyArgumentsKeepTheirOrder()
{
    const QStringList arguments = {QStringLiteral("-resize"), QStringLiteral("400x300"),
                                   QStringLiteral("/a b/screen 1.png"), QString(),
                                   QStringLiteral("\"")};
    const ToolResult result = runTool(printArgs, arguments, 10000);
    QVERIFY2(result.succeeded(), qPrintable(toolFailureText(result)));
    QCOMPARE(QString::fromUtf8(result.standardOutput),
             QStringLiteral("5\n") + arguments.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TestToolRunner::toolThatCannotStartSaysWhy_data()
{
    QTest::addColumn<QString>("program"); // in the scratch folder unless it has no slash
    QTest::addColumn<QByteArray>("made"); // what is made there: "script", "file", "folder"
    QTest::addColumn<bool>("onPath");     // the scratch folder on PATH, the program by its name
    QTest::addColumn<QString>("workingDirectory");
    QTest::addColumn<QString>("text");

    const QString notFound = QStringLiteral(": 找不到程序");
    const QString notPermitted = QStringLiteral(": 没有运行它的权限");
    QTest::newRow("not on the path")
        << QStringLiteral("plinvex-no-such-tool") << QByteArray() << false << QString() << notFound;
    QTest::newRow("not executable, by its path")
        << QStringLiteral("/not-executable") << QByteArray("file") << false << QString()
        << notPermitted;
    QTest::newRow("not executable, on the path")
        << QStringLiteral("plinvex-not-executable") << QByteArray("file") << true << QString()
        << notPermitted;
    QTest::newRow("a folder of that name") << QStringLiteral("/a-folder") << QByteArray("folder")
                                           << false << QString() << notPermitted;
    QTest::newRow("working folder gone")
        << QStringLiteral("/runnable") << QByteArray("script") << false << QStringLiteral("/gone")
        << QStringLiteral(": 要在里面工作的文件夹不见了：");
}

void TestToolRunner::toolThatCannotStartSaysWhy()
{
    QFETCH(QString, program);
    QFETCH(QByteArray, made);
    QFETCH(bool, onPath);
    QFETCH(QString, workingDirectory);
    QFETCH(QString, text);

    const QString place = scratch.filePath(QStringLiteral("unstartable"));
    QDir(place).removeRecursively();
    QVERIFY(QDir().mkpath(place));
    const QString path = place + QLatin1Char('/') + QString(program).remove(QLatin1Char('/'));
    if (made == "script")
        QVERIFY(writeScript(path, "exit 0\n"));
    else if (made == "file")
        QVERIFY(writeTextFile(path, "#!/bin/sh\nexit 0\n"));
    else if (made == "folder")
        QVERIFY(QDir().mkpath(path));
    ToolCommand command;
    command.program = program.startsWith(QLatin1Char('/')) ? path : program;
    if (!workingDirectory.isEmpty())
        command.workingDirectory = place + workingDirectory;
    const QByteArray searchPath = qgetenv("PATH");
    if (onPath)
        qputenv("PATH", QFile::encodeName(place) + ':' + searchPath);
    const ToolResult result = runTool(command);
    qputenv("PATH", searchPath);

    QVERIFY(!result.started);
    QVERIFY(!result.succeeded());
    QVERIFY(!result.timedOut);
    const QString said = toolFailureText(result);
    QVERIFY2(said.startsWith(command.program + text), qPrintable(said));
    QVERIFY2(said.endsWith(command.workingDirectory), qPrintable(said));
}

void TestToolRunner::failingToolReportsItsErrorOutput()
{
    const QString tool = scratch.filePath(QStringLiteral("failing"));
    QVERIFY(writeScript(tool, "echo 'cannot stat the file: No such file' >&2\nexit 3\n"));
    const ToolResult result = runTool(tool, {}, 10000);
    QVERIFY(result.started);
    QVERIFY(!result.timedOut);
    QVERIFY(!result.crashed);
    QCOMPARE(result.exitCode, 3);
    QVERIFY(!result.succeeded());
    QVERIFY2(toolFailureText(result).contains(QStringLiteral("cannot stat the file: No such file")),
             qPrintable(toolFailureText(result)));
}

void TestToolRunner::failingToolWithoutErrorOutputNamesTheTool()
{
    const ToolResult result = runTool(QStringLiteral("false"), {}, 10000);
    QVERIFY(result.started);
    QVERIFY(!result.succeeded());
    QVERIFY2(toolFailureText(result).startsWith(QStringLiteral("false")),
             qPrintable(toolFailureText(result)));
}

void TestToolRunner::stoppedToolLeavesNothingRunning_data()
{
    QTest::addColumn<QByteArray>("end"); // how the tool goes on once it has started a helper
    QTest::addColumn<bool>("cancelled"); // the work is called off once both pids are written
    QTest::addColumn<bool>("timedOut");
    QTest::addColumn<bool>("succeeds");

    QTest::newRow("past its bound") << QByteArray("exec sleep 30\n") << false << true << false;
    QTest::newRow("prints all the time")
        << QByteArray("while :; do echo x; echo y >&2; sleep 0.01; done\n") << false << true
        << false;
    QTest::newRow("called off") << QByteArray("exec sleep 30\n") << true << false << false;
    QTest::newRow("called off, printing")
        << QByteArray("while :; do echo x; sleep 0.01; done\n") << true << false << false;
    QTest::newRow("ended, its helper left running")
        << QByteArray("exit 0\n") << false << false << true;
}

// Like tar with its gzip, the tool starts a helper of its own; neither may
// run on once the tool is stopped or has ended.
void TestToolRunner::stoppedToolLeavesNothingRunning()
{
    QFETCH(QByteArray, end);
    QFETCH(bool, cancelled);
    QFETCH(bool, timedOut);
    QFETCH(bool, succeeds);

    const QString toolPid = scratch.filePath(QStringLiteral("tool.pid"));
    const QString helperPid = scratch.filePath(QStringLiteral("helper.pid"));
    QFile::remove(toolPid);
    QFile::remove(helperPid);
    const QString tool = scratch.filePath(QStringLiteral("starts a helper"));
    QVERIFY(writeScript(tool, "sleep 30 >/dev/null 2>&1 &\n" +
                                  writePidAtomically(QFile::encodeName(helperPid), "$!") +
                                  writePidAtomically(QFile::encodeName(toolPid)) + end));

    ToolCommand command;
    command.program = tool;
    // Long enough for any start-up, short enough to wait for; called off
    // long before.
    command.timeoutMs = cancelled ? 60000 : 3000;
    const ToolResult result = runTool(
        command, [&] { return cancelled && pidInFile(toolPid) > 0 && pidInFile(helperPid) > 0; });

    QCOMPARE(result.succeeded(), succeeds);
    QCOMPARE(result.timedOut, timedOut);
    QCOMPARE(result.cancelled, cancelled);
    if (timedOut)
        QVERIFY(toolFailureText(result).startsWith(tool));
    const qint64 helper = pidInFile(helperPid);
    QVERIFY2(helper > 0, "the tool was stopped before it started its helper");
    QTRY_VERIFY_WITH_TIMEOUT(processHasEnded(helper), 60000);
    const qint64 pid = pidInFile(toolPid);
    QVERIFY(pid > 0);
    QVERIFY(processHasEnded(pid));
}

void TestToolRunner::progressKeepsAToolGoing_data()
{
    QTest::addColumn<QByteArray>("body"); // $1: the file it writes
    QTest::addColumn<bool>("succeeds");

    // Each runs one and a half times its bound of 2 s in all, in steps far
    // shorter than the bound even on a loaded machine.
    QTest::newRow("file keeps growing")
        << QByteArray("i=0; while [ $i -lt 60 ]; do echo x >> \"$1\"; sleep 0.05; i=$((i+1)); "
                      "done\n")
        << true;
    QTest::newRow("prints, but writes nothing")
        << QByteArray("i=0; while [ $i -lt 60 ]; do echo x; sleep 0.05; i=$((i+1)); done\n")
        << false;
    QTest::newRow("stops growing")
        << QByteArray("echo x >> \"$1\"\nsleep 30\necho x >> \"$1\"\n") << false;
}

// A tool watched by its progress is stopped for its file standing still,
// never for its time in all; what it prints is no progress.
void TestToolRunner::progressKeepsAToolGoing()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, succeeds);
    const QString tool = scratch.filePath(QStringLiteral("writer"));
    const QString written = scratch.filePath(QStringLiteral("written"));
    QFile::remove(written);
    QVERIFY(writeScript(tool, body));
    ToolCommand command;
    command.program = tool;
    command.arguments = QStringList{written};
    command.timeoutMs = 2000;
    command.progressPath = written;

    const ToolResult result = runTool(command);
    QCOMPARE(result.succeeded(), succeeds);
    QCOMPARE(result.timedOut, !succeeds);
}

void TestToolRunner::toolGetsOnlyWhatItIsGiven_data()
{
    QTest::addColumn<QByteArray>("body");       // what the tool prints
    QTest::addColumn<bool>("emptyEnvironment"); // asked of the command
    QTest::addColumn<QByteArray>("printed");

    // $1: the number of a descriptor this program holds open, made for each
    // row below without close-on-exec.
    QTest::newRow("inherits a descriptor")
        << QByteArray("if grep -qx secret \"/proc/self/fd/$1\" 2>/dev/null; then echo leaked; "
                      "else echo closed; fi\n")
        << false << QByteArray("closed\n");
    QTest::newRow("handed a descriptor")
        << QByteArray("cat <&3\n") << false << QByteArray("handed\n");
    QTest::newRow("no environment inherited")
        << QByteArray(
               "echo \"HOME=${HOME-} DISPLAY=${DISPLAY-} BUS=${DBUS_SESSION_BUS_ADDRESS-}\"\n")
        << true << QByteArray("HOME= DISPLAY= BUS=\n");
}

// A tool sees the descriptors it is handed and nothing else this program
// holds open, close-on-exec or not; asked for, no variable of the session.
void TestToolRunner::toolGetsOnlyWhatItIsGiven()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, emptyEnvironment);
    QFETCH(QByteArray, printed);

    const QString secret = scratch.filePath(QStringLiteral("secret"));
    const QString handed = scratch.filePath(QStringLiteral("handed"));
    QVERIFY(writeTextFile(secret, "secret\n"));
    QVERIFY(writeTextFile(handed, "handed\n"));
    // Opened as a careless library would: without O_CLOEXEC.
    const int stray = ::open(QFile::encodeName(secret).constData(), O_RDONLY);
    QVERIFY(stray >= 0);
    const int given = ::open(QFile::encodeName(handed).constData(), O_RDONLY | O_CLOEXEC);
    const int placeholder = ::open(QFile::encodeName(handed).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(given >= 0 && placeholder >= 0);
    qputenv("DISPLAY", ":7");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nowhere");

    const QString tool = scratch.filePath(QStringLiteral("looks around"));
    QVERIFY(writeScript(tool, body));
    ToolCommand command;
    command.program = tool;
    command.arguments = QStringList{QString::number(stray)};
    command.handedFds = {placeholder, given};
    command.emptyEnvironment = emptyEnvironment;
    const ToolResult result = runTool(command);
    ::close(stray);
    ::close(given);
    ::close(placeholder);
    qunsetenv("DISPLAY");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");

    QVERIFY2(result.succeeded(), qPrintable(toolFailureText(result)));
    QCOMPARE(result.standardOutput, printed);
}

void TestToolRunner::crashIsReported()
{
    const ToolResult result = runTool(
        QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("kill -SEGV $$")}, 10000);
    QVERIFY(result.started);
    QVERIFY(result.crashed);
    QVERIFY(!result.timedOut);
    QVERIFY(!result.succeeded());
    QVERIFY2(toolFailureText(result).startsWith(QStringLiteral("sh")),
             qPrintable(toolFailureText(result)));
}

void TestToolRunner::toolReadingInputDoesNotWait()
{
    // cat copies its standard input: it ends at once only when nothing can arrive there.
    const ToolResult result = runTool(QStringLiteral("cat"), {}, 5000);
    QVERIFY(!result.timedOut);
    QVERIFY2(result.succeeded(), qPrintable(toolFailureText(result)));
    QVERIFY(result.standardOutput.isEmpty());
}

void TestToolRunner::outputIsCollected()
{
    // Larger than a pipe buffer, so the tool blocks unless its output is drained.
    const ToolResult result =
        runTool(QStringLiteral("sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("head -c 300000 /dev/zero | tr '\\0' x; echo oops >&2")},
                10000);
    QVERIFY2(result.succeeded(), qPrintable(toolFailureText(result)));
    QCOMPARE(result.standardOutput, QByteArray(300000, 'x'));
    QCOMPARE(result.standardError, QByteArray("oops\n"));
}

void TestToolRunner::textUpToNul_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("no nul") << QByteArray("hello\t1.0\n") << QStringLiteral("hello\t1.0\n");
    QTest::newRow("cut at nul") << QByteArray("hello\t1.0\0junk 2.0", 18)
                                << QStringLiteral("hello\t1.0");
    QTest::newRow("nul first") << QByteArray("\0hello", 6) << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("utf-8") << QStringLiteral("包名\t版本\n").toUtf8()
                           << QStringLiteral("包名\t版本\n");
    QTest::newRow("utf-8 before nul")
        << QByteArray(QStringLiteral("截图").toUtf8() + QByteArray("\0x", 2))
        << QStringLiteral("截图");
}

void TestToolRunner::textUpToNul()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(::textUpToNul(bytes), text);
}

void TestToolRunner::terminationSignalArrives_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("before"); // the action in place before: default, ignored, own
    QTest::addColumn<bool>("arrives");

    QTest::newRow("SIGTERM") << int(SIGTERM) << QStringLiteral("default") << true;
    QTest::newRow("SIGHUP") << int(SIGHUP) << QStringLiteral("default") << true;
    QTest::newRow("SIGINT, when asked for") << int(SIGINT) << QStringLiteral("default") << true;
    QTest::newRow("SIGTERM over a handler of its own")
        << int(SIGTERM) << QStringLiteral("own") << true;
    QTest::newRow("SIGHUP under nohup") << int(SIGHUP) << QStringLiteral("ignored") << false;
}

namespace {
volatile sig_atomic_t ownHandlerCalls = 0;
void ownHandler(int)
{
    ownHandlerCalls = ownHandlerCalls + 1;
}
} // namespace

// The signal's number reaches the event loop; what was in place before
// (an ignored SIGHUP under nohup, a handler of the program's own) is kept
// or back afterwards.
void TestToolRunner::terminationSignalArrives()
{
    QFETCH(int, number);
    QFETCH(QString, before);
    QFETCH(bool, arrives);

    struct sigaction earlier = {};
    struct sigaction action = {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = before == QLatin1String("ignored") ? SIG_IGN
                        : before == QLatin1String("own")   ? ownHandler
                                                           : SIG_DFL;
    QCOMPARE(sigaction(number, &action, &earlier), 0);
    {
        TerminationSignals termination({number, SIGTERM});
        QSignalSpy spy(&termination, &TerminationSignals::received);
        errno = EDOM;
        QCOMPARE(::raise(number), 0);
        // The handler leaves errno as it found it.
        QCOMPARE(errno, EDOM);
        if (arrives) {
            QVERIFY(spy.count() == 1 || spy.wait(60000));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.first().first().toInt(), number);
        } else {
            // A SIGTERM after it has arrived by now, if the ignored one would.
            QCOMPARE(::raise(SIGTERM), 0);
            QVERIFY(spy.wait(60000));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.first().first().toInt(), int(SIGTERM));
        }
    }
    struct sigaction after = {};
    QCOMPARE(sigaction(number, &earlier, &after), 0);
    QVERIFY(after.sa_handler == action.sa_handler);
    if (before == QLatin1String("own"))
        QCOMPARE(int(ownHandlerCalls), 0);
}

QTEST_GUILESS_MAIN(TestToolRunner)
#include "tst_toolrunner.moc"
