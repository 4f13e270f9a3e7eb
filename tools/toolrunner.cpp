// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/toolrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

// A killed tool is normally gone within milliseconds. One that is not (stuck
// in the kernel on a dead network share) is not waited for any longer: it
// is left to the application to reap whenever it ends.
constexpr int kReapAfterKillMs = 5000;

// Runs in the child between fork and exec, so only async-signal-safe calls.
// A group of its own lets a stop reach whatever the tool starts (tar's
// gzip, an image tool's helpers). Being in another group than this program
// also keeps it out of a kill aimed at this program's group, so on Linux it
// is told to die with this program instead.
void enterOwnGroup([[maybe_unused]] pid_t parent)
{
    ::setpgid(0, 0);
#ifdef __linux__
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // This program may have died before the request above was made.
    if (::getppid() != parent)
        ::kill(::getpid(), SIGKILL);
#endif
}

// Also between fork and exec: the handed descriptors become the standard
// input and 3, 4, … . Each is first moved above every target number, so no
// handed descriptor is overwritten before it has been placed; no memory is
// allocated here.
void placeHandedFds(const std::vector<int> &fds)
{
    constexpr size_t kMostHanded = 32;
    if (fds.empty())
        return;
    if (fds.size() > kMostHanded)
        ::_exit(127);
    int moved[kMostHanded] = {};
    const int above = 3 + int(fds.size());
    for (size_t i = 0; i < fds.size(); ++i) {
        moved[i] = ::fcntl(fds[i], F_DUPFD, above);
        if (moved[i] < 0)
            ::_exit(127);
    }
    for (size_t i = 0; i < fds.size(); ++i) {
        const int target = i == 0 ? STDIN_FILENO : 2 + int(i);
        if (::dup2(moved[i], target) < 0)
            ::_exit(127);
        ::close(moved[i]);
    }
}

// Also between fork and exec: every descriptor from `first` on is marked to
// close at exec rather than closed here, because QProcess reports a failed
// exec through a pipe of its own that must stay open until then. Without
// close_range (Linux before 5.11) each possible descriptor is marked.
void closeTheRestAtExec(int first)
{
#ifdef SYS_close_range
    constexpr unsigned kCloseRangeCloexec = 1U << 2;
    if (::syscall(SYS_close_range, unsigned(first), ~0U, kCloseRangeCloexec) == 0)
        return;
#endif
    rlimit limit = {};
    const rlim_t most = ::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
                            ? limit.rlim_cur
                            : rlim_t(1) << 20;
    for (rlim_t fd = rlim_t(first); fd < most; ++fd)
        ::fcntl(int(fd), F_SETFD, FD_CLOEXEC);
}

// The first descriptor past the standard ones and those handed over.
int firstUnhanded(size_t handed)
{
    return handed == 0 ? 3 : 2 + int(handed);
}

// The environment of a tool that is to inherit nothing: one fixed setting,
// a locale that names nothing of the session, for QProcess takes an empty
// environment to mean this program's own. A sanitized test build keeps its
// sanitizers' options.
QProcessEnvironment nothingInherited()
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
#if defined(__SANITIZE_ADDRESS__)
    const QProcessEnvironment own = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {QStringLiteral("ASAN_OPTIONS"), QStringLiteral("LSAN_OPTIONS"),
                                QStringLiteral("UBSAN_OPTIONS")}) {
        if (own.contains(name))
            environment.insert(name, own.value(name));
    }
#endif
    return environment;
}

class GroupedProcess : public QProcess
{
public:
    explicit GroupedProcess(std::vector<int> handedFds = {})
        : parent(::getpid())
        , handed(std::move(handedFds))
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        setChildProcessModifier([this] { setUpChild(); });
#endif
    }

protected:
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void setupChildProcess() override
    {
        setUpChild();
    }
#endif

private:
    void setUpChild() const
    {
        enterOwnGroup(parent);
        placeHandedFds(handed);
        closeTheRestAtExec(firstUnhanded(handed.size()));
    }

    const pid_t parent;
    const std::vector<int> handed;
};

// What keeps a tool that did not start from starting, told from the outside:
// QProcess says only that it failed.
StartProblem whyNotStarted(const ToolCommand &command)
{
    if (!command.workingDirectory.isEmpty() && !QFileInfo(command.workingDirectory).isDir())
        return StartProblem::NoWorkingFolder;
    QStringList candidates;
    if (command.program.contains(QLatin1Char('/'))) {
        candidates << command.program;
    } else {
        const QStringList searched =
            QString::fromLocal8Bit(qgetenv("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
        for (const QString &folder : searched)
            candidates << QDir(folder).filePath(command.program);
    }
    for (const QString &candidate : candidates) {
        const QFileInfo info(candidate);
        // A file that is there but could not be run: no execute permission,
        // a file system mounted noexec, a folder of that name.
        if (info.exists())
            return StartProblem::NotPermitted;
    }
    return StartProblem::NotFound;
}

// The QProcess of a tool that would not die must not block in its
// destructor; the application deletes it once it has ended.
void abandon(std::unique_ptr<GroupedProcess> process)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return; // destroyed here, waiting as QProcess does
    GroupedProcess *orphan = process.release();
    orphan->setParent(application);
    QObject::connect(orphan, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), orphan,
                     &QObject::deleteLater);
}

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

} // namespace

// The tools of one run and their bounds, watched from the event loop.
class ToolRun::Pool
{
public:
    Pool(ToolRun *run, QList<QList<ToolCommand>> chains, int parallel)
        : q(run)
        , chains(std::move(chains))
        , parallel(qMax(1, parallel))
    {
        int shortest = kToolTimeoutMs;
        for (const QList<ToolCommand> &chain : qAsConst(this->chains)) {
            for (const ToolCommand &command : chain)
                shortest = qMin(shortest, command.timeoutMs);
        }
        watch.setInterval(qBound(10, shortest / 10, 250));
        QObject::connect(&watch, &QTimer::timeout, q, [this] { checkBounds(); });
        reapDeadline.setSingleShot(true);
        reapDeadline.setInterval(kReapAfterKillMs);
        QObject::connect(&reapDeadline, &QTimer::timeout, q, [this] { giveUpOnKilled(); });
    }

    ~Pool()
    {
        for (const auto &tool : tools) {
            // Nothing of this run may be called into once it is over.
            QObject::disconnect(tool->process.get(), nullptr, nullptr, nullptr);
            if (tool->process->state() != QProcess::NotRunning) {
                killGroup(tool.get());
                tool->process->kill();
                abandon(std::move(tool->process));
            }
        }
    }

    void start()
    {
        if (started)
            return;
        started = true;
        running = true;
        outcome.started = true;
        outcome.exitCode = 0;
        startChains();
        if (isDone())
            finishLater();
        else
            watch.start();
    }

    // Every tool still running goes; the run is called off.
    void callOff()
    {
        if (!running)
            return;
        if (!failed) {
            failed = true;
            outcome = ToolResult();
            outcome.cancelled = true;
        }
        stopAll();
        if (isDone())
            finishLater();
    }

    bool isRunning() const { return running; }
    const ToolResult &result() const { return outcome; }

private:
    struct Running
    {
        std::unique_ptr<GroupedProcess> process;
        pid_t group = 0; // the tool's process group, once started
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
                startTool(chain, 0);
        }
    }

    void startTool(int chain, int step)
    {
        const ToolCommand &command = chains.at(chain).at(step);
        tools.push_back(std::make_unique<Running>());
        Running *tool = tools.back().get();
        tool->process = std::make_unique<GroupedProcess>(
            std::vector<int>(command.handedFds.cbegin(), command.handedFds.cend()));
        tool->chain = chain;
        tool->step = step;
        tool->result.program = command.program;
        ++active;

        QProcess &process = *tool->process;
        // No tool reads its standard input; an empty one keeps a curious tool from waiting on it.
        process.setStandardInputFile(QProcess::nullDevice());
        if (!command.workingDirectory.isEmpty())
            process.setWorkingDirectory(command.workingDirectory);
        if (command.emptyEnvironment)
            process.setProcessEnvironment(nothingInherited());
        QObject::connect(&process, &QProcess::started, q, [tool] { tool->result.started = true; });
        QObject::connect(&process, &QProcess::readyReadStandardOutput, q, [this, tool, &command] {
            const QByteArray chunk = tool->process->readAllStandardOutput();
            tool->result.standardOutput += chunk;
            emit q->output(chunk);
            checkOutputCap(tool, command);
        });
        QObject::connect(&process, &QProcess::readyReadStandardError, q, [this, tool, &command] {
            tool->result.standardError += tool->process->readAllStandardError();
            checkOutputCap(tool, command);
        });
        QObject::connect(&process, &QProcess::errorOccurred, q,
                         [this, tool, &command](QProcess::ProcessError e) {
                             if (e == QProcess::FailedToStart && !tool->ended) {
                                 tool->result.startProblem = whyNotStarted(command);
                                 tool->result.standardError =
                                     tool->process->errorString().toLocal8Bit();
                                 end(tool);
                             }
                         });
        QObject::connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), q,
                         [this, tool](int exitCode, QProcess::ExitStatus status) {
                             tool->result.crashed = status == QProcess::CrashExit;
                             tool->result.exitCode = exitCode;
                             if (!tool->result.outputTooLarge) {
                                 tool->result.standardOutput +=
                                     tool->process->readAllStandardOutput();
                                 tool->result.standardError +=
                                     tool->process->readAllStandardError();
                             }
                             // What the tool left running goes with it.
                             killGroup(tool);
                             end(tool);
                         });
        tool->result.workingDirectory = command.workingDirectory;
        tool->sinceProgress.start();
        process.start(command.program, command.arguments, QIODevice::ReadOnly);
        if (const pid_t pid = pid_t(process.processId()); pid > 0) {
            // The child makes its group too; whichever side comes first, the
            // group exists before anything can be told to stop.
            ::setpgid(pid, pid);
            tool->group = pid;
        }
    }

    static void killGroup(const Running *tool)
    {
        if (tool->group > 0)
            ::kill(-tool->group, SIGKILL);
    }

    // A tool that prints without end would fill this program's memory.
    void checkOutputCap(Running *tool, const ToolCommand &command)
    {
        ToolResult &result = tool->result;
        if (command.outputCap <= 0 || result.outputTooLarge || tool->ended ||
            result.standardOutput.size() + result.standardError.size() <= command.outputCap)
            return;
        result.outputTooLarge = true;
        result.standardOutput.clear();
        result.standardError.clear();
        stop(tool);
    }

    void stop(Running *tool)
    {
        killGroup(tool);
        tool->process->kill();
        if (!reapDeadline.isActive())
            reapDeadline.start();
    }

    // A killed tool that is still not gone at the deadline is given up on.
    void giveUpOnKilled()
    {
        for (const auto &tool : tools) {
            if (!tool->ended &&
                (tool->result.timedOut || tool->result.cancelled || tool->result.outputTooLarge)) {
                QObject::disconnect(tool->process.get(), nullptr, nullptr, nullptr);
                abandon(std::move(tool->process));
                tool->process = std::make_unique<GroupedProcess>();
                end(tool.get());
            }
        }
    }

    void end(Running *tool)
    {
        if (tool->ended)
            return;
        tool->ended = true;
        --active;
        const ToolResult &result = tool->result;
        if (!failed && result.succeeded())
            emit q->toolSucceeded(result);
        if (!failed) {
            outcome = result;
            if (!result.succeeded()) {
                failed = true;
                stopAll();
            } else if (tool->step + 1 < chains.at(tool->chain).size()) {
                startTool(tool->chain, tool->step + 1);
            }
        }
        startChains();
        if (isDone())
            finishLater();
    }

    void checkBounds()
    {
        for (const auto &tool : tools) {
            if (tool->ended || tool->result.timedOut || tool->result.cancelled ||
                tool->result.outputTooLarge)
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
                stop(tool.get());
            }
        }
    }

    void stopAll()
    {
        for (const auto &tool : tools) {
            if (!tool->ended && tool->process->state() != QProcess::NotRunning) {
                tool->result.cancelled = true;
                stop(tool.get());
            }
        }
    }

    // Reported from the event loop, never from inside start() or kill(), so
    // whoever started the run has connected and returned before it ends.
    void finishLater()
    {
        if (finishing)
            return;
        finishing = true;
        watch.stop();
        QMetaObject::invokeMethod(
            q,
            [this] {
                running = false;
                emit q->finished(outcome);
            },
            Qt::QueuedConnection);
    }

    ToolRun *q;
    const QList<QList<ToolCommand>> chains;
    const int parallel;
    QTimer watch;
    QTimer reapDeadline;
    std::vector<std::unique_ptr<Running>> tools;
    ToolResult outcome;
    int nextChain = 0;
    int active = 0;
    bool started = false;
    bool running = false;
    bool failed = false;
    bool finishing = false;
};

ToolRun::ToolRun(QList<QList<ToolCommand>> chains, int parallel, QObject *parent)
    : QObject(parent)
    , pool(std::make_unique<Pool>(this, std::move(chains), parallel))
{
}

ToolRun::ToolRun(const ToolCommand &command, QObject *parent)
    : ToolRun({{command}}, 1, parent)
{
}

ToolRun::~ToolRun() = default;

void ToolRun::start()
{
    pool->start();
}

void ToolRun::kill()
{
    pool->callOff();
}

bool ToolRun::isRunning() const
{
    return pool->isRunning();
}

const ToolResult &ToolRun::result() const
{
    return pool->result();
}

QString textUpToNul(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), bytes.size())));
}
