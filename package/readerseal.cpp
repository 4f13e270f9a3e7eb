// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/readerseal.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <seccomp.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#if !defined(SCMP_ACT_KILL_PROCESS)
#error "the reader needs libseccomp 2.4 or later"
#endif

namespace {

// A sanitized test build's leak checker stops the threads with ptrace from a
// helper it clones, and reads /proc by name (Landlock lets it, see
// readerconfinement.cpp); only such a build lets through what is not named
// below, and still ends the reader for every way out.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// What a call not named below gets.
constexpr std::uint32_t kDefaultAction = kSanitized ? SCMP_ACT_ALLOW : SCMP_ACT_KILL_PROCESS;

// Adds a rule; one that only says what the default says is left out, as
// libseccomp refuses it.
template <typename... Comparisons>
bool rule(scmp_filter_ctx filter, std::uint32_t action, int call, Comparisons... comparisons)
{
    return action == kDefaultAction ||
           seccomp_rule_add(filter, action, call, unsigned(sizeof...(Comparisons)),
                            comparisons...) == 0;
}

bool allow(scmp_filter_ctx filter, int call)
{
    return rule(filter, SCMP_ACT_ALLOW, call);
}

bool failWith(scmp_filter_ctx filter, int call, int error)
{
    return rule(filter, SCMP_ACT_ERRNO(unsigned(error)), call);
}

bool addRules(scmp_filter_ctx filter, int shrinkableFd)
{
    bool ok = true;
    // The memory file a bundle's package is copied into, cut to its size
    // once copied; cutting needs no room the limits would have to grant.
    if (shrinkableFd >= 0)
        ok = rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(ftruncate),
                  SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(shrinkableFd)));
    // Reading what was handed over, and the memory to hold it.
    for (const int call :
         {SCMP_SYS(read), SCMP_SYS(readv), SCMP_SYS(pread64), SCMP_SYS(preadv), SCMP_SYS(lseek),
          SCMP_SYS(fstat), SCMP_SYS(close), SCMP_SYS(brk), SCMP_SYS(mmap), SCMP_SYS(munmap),
          SCMP_SYS(mremap), SCMP_SYS(mprotect), SCMP_SYS(madvise),
          // Threads and their locks; the signals a process sends itself.
          SCMP_SYS(futex), SCMP_SYS(set_robust_list), SCMP_SYS(rseq), SCMP_SYS(sched_yield),
          SCMP_SYS(getpid), SCMP_SYS(gettid), SCMP_SYS(rt_sigaction), SCMP_SYS(rt_sigprocmask),
          SCMP_SYS(rt_sigreturn), SCMP_SYS(sigaltstack), SCMP_SYS(exit), SCMP_SYS(exit_group),
          // Clocks, random seeds for hashing, who it runs as.
          SCMP_SYS(clock_gettime), SCMP_SYS(clock_getres), SCMP_SYS(gettimeofday),
          SCMP_SYS(clock_nanosleep), SCMP_SYS(nanosleep), SCMP_SYS(getrandom), SCMP_SYS(uname),
          SCMP_SYS(getuid), SCMP_SYS(geteuid), SCMP_SYS(getgid), SCMP_SYS(getegid),
          // Each thread Qt starts (a large picture is converted on several)
          // makes itself a wake-up counter: a descriptor of its own that
          // names nothing outside the process.
          SCMP_SYS(eventfd2)})
        ok = ok && allow(filter, call);
    // The answer and the error output, and no other descriptor.
    for (const int call : {SCMP_SYS(write), SCMP_SYS(writev)}) {
        for (const int fd : {STDOUT_FILENO, STDERR_FILENO})
            ok = ok && rule(filter, SCMP_ACT_ALLOW, call, SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(fd)));
    }
    // fcntl for flags, never to hand a descriptor on or lock a file.
    for (const int command : {F_GETFD, F_SETFD, F_GETFL, F_SETFL})
        ok = ok && rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(fcntl),
                        SCMP_A1(SCMP_CMP_EQ, scmp_datum_t(command)));
    // A status of what is open (fstat through fstatat with an empty name);
    // one asked of a name gets what a name gets under Landlock.
    const std::uint32_t named = kSanitized ? SCMP_ACT_ALLOW : SCMP_ACT_ERRNO(EACCES);
    ok = ok &&
         rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(newfstatat),
              SCMP_A3(SCMP_CMP_MASKED_EQ, AT_EMPTY_PATH, AT_EMPTY_PATH)) &&
         rule(filter, named, SCMP_SYS(newfstatat), SCMP_A3(SCMP_CMP_MASKED_EQ, AT_EMPTY_PATH, 0)) &&
         rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(statx),
              SCMP_A2(SCMP_CMP_MASKED_EQ, AT_EMPTY_PATH, AT_EMPTY_PATH)) &&
         rule(filter, named, SCMP_SYS(statx), SCMP_A2(SCMP_CMP_MASKED_EQ, AT_EMPTY_PATH, 0));
    // Qt scales large pictures on a pool of threads, sized by the processors
    // it may run on, and names its threads.
    ok = ok && rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(sched_getaffinity), SCMP_A0(SCMP_CMP_EQ, 0)) &&
         rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(prctl), SCMP_A0(SCMP_CMP_EQ, PR_SET_NAME));
    // Its own limits only; they cannot be raised past the hard ones anyway.
    ok = ok && rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(prlimit64), SCMP_A0(SCMP_CMP_EQ, 0));
    // A new thread, never a new process: clone3 hides its flags from the
    // filter, and the C library falls back to clone when it is missing.
    ok = ok &&
         rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(clone),
              SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD)) &&
         failWith(filter, SCMP_SYS(clone3), ENOSYS);
    // abort() and raise() signal the process itself, and nothing else.
    const auto self = scmp_datum_t(::getpid());
    ok = ok && rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(tgkill), SCMP_A0(SCMP_CMP_EQ, self)) &&
         rule(filter, SCMP_ACT_ALLOW, SCMP_SYS(kill), SCMP_A0(SCMP_CMP_EQ, self));
    // Nothing is a terminal.
    ok = ok && failWith(filter, SCMP_SYS(ioctl), ENOTTY);
    // Whatever is named fails as under Landlock: a library looking for an
    // optional file (a codec table, a plugin) goes on without it.
    if (!kSanitized) {
        for (const int call :
             {SCMP_SYS(open), SCMP_SYS(openat), SCMP_SYS(openat2), SCMP_SYS(creat),
              SCMP_SYS(access), SCMP_SYS(faccessat), SCMP_SYS(faccessat2), SCMP_SYS(stat),
              SCMP_SYS(lstat), SCMP_SYS(readlink), SCMP_SYS(readlinkat), SCMP_SYS(statfs)})
            ok = ok && failWith(filter, call, EACCES);
    } else {
        // The default lets everything else through here: the ways out end
        // the reader all the same.
        for (const int call :
             {SCMP_SYS(socket), SCMP_SYS(socketpair), SCMP_SYS(connect), SCMP_SYS(execve),
              SCMP_SYS(execveat), SCMP_SYS(process_vm_readv), SCMP_SYS(process_vm_writev)})
            ok = ok && rule(filter, SCMP_ACT_KILL_PROCESS, call);
    }
    return ok;
}

// Installs the filter; false when it could not, and then nothing changed.
bool installFilter(int shrinkableFd)
{
    // Every call not named ends the whole process, not just the thread.
    scmp_filter_ctx filter = seccomp_init(kSanitized ? SCMP_ACT_ALLOW : SCMP_ACT_KILL_PROCESS);
    if (!filter)
        return false;
    const bool installed = addRules(filter, shrinkableFd) && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return installed;
}

// The self-test's attempts, each made in a child that has sealed itself. A
// child ends with 0 when the attempt succeeded, with the error number when
// it was refused with one, and by the filter's signal when that ended it.
struct Ground
{
    QByteArray file;   // a file anyone may read, by name
    QByteArray socket; // a path socket that listens
    int unconnected = -1;
};

int tryOpen(const Ground &ground)
{
    const int fd = ::open(ground.file.constData(), O_RDONLY | O_CLOEXEC);
    return fd >= 0 ? 0 : errno;
}

int trySocket(const Ground &)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    return fd >= 0 ? 0 : errno;
}

int tryConnect(const Ground &ground)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, ground.socket.constData(),
                qMin(size_t(ground.socket.size()), sizeof address.sun_path - 1));
    return ::connect(ground.unconnected, reinterpret_cast<const sockaddr *>(&address),
                     sizeof address) == 0
               ? 0
               : errno;
}

int tryRun(const Ground &)
{
    // A program every system has; should it run, it ends with 0.
    char program[] = "/bin/true";
    char *const arguments[] = {program, nullptr};
    char *const environment[] = {nullptr};
    ::execve(program, arguments, environment);
    return errno;
}

struct Attempt
{
    const char *name;
    int (*attempt)(const Ground &);
};

constexpr Attempt kAttempts[] = {
    {"open", tryOpen},
    {"socket", trySocket},
    {"connect", tryConnect},
    {"exec", tryRun},
};

// Runs `body` in a child sealed as for a reading; its wait status, or -1
// when there was no child.
template <typename Body> int inSealedChild(const Body &body)
{
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        const ReaderSeal seal = sealReader(ReaderLimits());
        ::_exit(body(seal));
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return status;
}

QJsonObject outcome(const char *name, int status)
{
    QJsonObject result{{QStringLiteral("attempt"), QLatin1String(name)}};
    bool refused = false;
    QString how;
    if (status < 0) {
        how = QStringLiteral("not tried");
    } else if (WIFSIGNALED(status)) {
        refused = WTERMSIG(status) == SIGSYS;
        how = QStringLiteral("ended by signal %1").arg(WTERMSIG(status));
    } else if (WEXITSTATUS(status) == 0) {
        how = QStringLiteral("succeeded");
    } else {
        // Refused by the kernel's rules, not merely failed for want of
        // something to open or connect to.
        refused = WEXITSTATUS(status) == EACCES || WEXITSTATUS(status) == EPERM;
        how =
            QStringLiteral("failed: ") + QString::fromLatin1(strerrorname_np(WEXITSTATUS(status)));
    }
    result.insert(QStringLiteral("refused"), refused);
    result.insert(QStringLiteral("outcome"), how);
    return result;
}

} // namespace

ReaderSeal sealReader(const ReaderLimits &limits, int shrinkableFd)
{
    ReaderSeal seal;
    seal.landlockAbi = confineReader(limits);
    seal.seccomp = installFilter(shrinkableFd);
    return seal;
}

int runReaderSelfTest()
{
    // The ground to try: a file and a listening socket of its own, in a
    // folder made for the test and removed after it.
    char folder[] = "/tmp/plinvex-reader-XXXXXX";
    if (!::mkdtemp(folder)) {
        std::perror("plinvex-reader: no folder for the self-test");
        return 2;
    }
    Ground ground;
    ground.file = QByteArray(folder) + "/file";
    ground.socket = QByteArray(folder) + "/socket";
    const int file = ::open(ground.file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    const int listening = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ground.unconnected = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, ground.socket.constData(),
                qMin(size_t(ground.socket.size()), sizeof address.sun_path - 1));
    const bool ready =
        file >= 0 && listening >= 0 && ground.unconnected >= 0 &&
        ::bind(listening, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
        ::listen(listening, 8) == 0;

    QJsonObject report;
    if (ready) {
        // The seal alone: what took hold, as the exit status.
        const int sealed = inSealedChild([](const ReaderSeal &seal) {
            return qMin(seal.landlockAbi, 63) | (seal.seccomp ? 64 : 0);
        });
        const bool known = sealed >= 0 && WIFEXITED(sealed);
        report.insert(QStringLiteral("landlockAbi"), known ? WEXITSTATUS(sealed) & 63 : 0);
        report.insert(QStringLiteral("seccomp"), known && (WEXITSTATUS(sealed) & 64) != 0);
        QJsonArray attempts;
        for (const Attempt &attempt : kAttempts) {
            attempts.append(outcome(attempt.name, inSealedChild([&](const ReaderSeal &) {
                                        return attempt.attempt(ground);
                                    })));
        }
        report.insert(QStringLiteral("attempts"), attempts);
    }
    for (const int fd : {file, listening, ground.unconnected}) {
        if (fd >= 0)
            ::close(fd);
    }
    ::unlink(ground.socket.constData());
    ::unlink(ground.file.constData());
    ::rmdir(folder);
    if (!ready) {
        std::perror("plinvex-reader: no ground for the self-test");
        return 2;
    }
    const QByteArray printed = QJsonDocument(report).toJson(QJsonDocument::Compact) + '\n';
    return std::fwrite(printed.constData(), 1, size_t(printed.size()), stdout) ==
                       size_t(printed.size()) &&
                   std::fflush(stdout) == 0
               ? 0
               : 1;
}
