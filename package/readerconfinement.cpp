// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/readerconfinement.h"

#include <fcntl.h>
#include <linux/landlock.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>

// Without these the reader would be built unconfined without a word; a
// build machine this old must not make a reader at all.
#if !defined(SYS_landlock_create_ruleset) || !defined(SYS_landlock_restrict_self) ||               \
    !defined(LANDLOCK_CREATE_RULESET_VERSION)
#error "the reader needs the Landlock interface: linux/landlock.h and its system calls"
#endif

namespace {

// The ruleset as the newest kernels read it; an older kernel is handed only
// the fields it knows, by size. The rights are spelt as numbers because the
// build machines' headers may be older than the kernel that runs the reader.
struct RulesetAttributes
{
    std::uint64_t handledAccessFs = 0;
    std::uint64_t handledAccessNet = 0;
    std::uint64_t scoped = 0;
};

std::uint64_t fileSystemRights(int abi)
{
    std::uint64_t rights = (std::uint64_t(1) << 13) - 1; // execute … make symlink
    if (abi >= 2)
        rights |= std::uint64_t(1) << 13; // refer
    if (abi >= 3)
        rights |= std::uint64_t(1) << 14; // truncate
    if (abi >= 5)
        rights |= std::uint64_t(1) << 15; // ioctl on devices
    return rights;
}

constexpr std::uint64_t kNetBindAndConnectTcp = 0x3;
constexpr std::uint64_t kScopeAbstractSocketsAndSignals = 0x3;

// The leak checker of a sanitized build reads the process's own maps at exit
// and stops the other threads with ptrace; only such a test build lets it.
void allowSanitizerReading([[maybe_unused]] int ruleset)
{
#if defined(__SANITIZE_ADDRESS__)
    landlock_path_beneath_attr rule = {};
    rule.allowed_access = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;
    rule.parent_fd = ::open("/proc", O_PATH | O_CLOEXEC);
    if (rule.parent_fd >= 0) {
        ::syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &rule, 0);
        ::close(rule.parent_fd);
    }
#endif
}

// The Landlock ABI in force once it returns, 0 for none.
int restrictWithLandlock()
{
    const long abi =
        ::syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (abi < 1)
        return 0;
    RulesetAttributes attributes;
    attributes.handledAccessFs = fileSystemRights(int(abi));
    size_t size = sizeof attributes.handledAccessFs;
    if (abi >= 4) {
        attributes.handledAccessNet = kNetBindAndConnectTcp;
        size += sizeof attributes.handledAccessNet;
    }
    if (abi >= 6) {
        attributes.scoped = kScopeAbstractSocketsAndSignals;
        size += sizeof attributes.scoped;
    }
    // Every right handled and no rule added: nothing may be opened by name.
    const long ruleset = ::syscall(SYS_landlock_create_ruleset, &attributes, size, 0);
    if (ruleset < 0)
        return 0;
    allowSanitizerReading(int(ruleset));
    const bool restricted = ::syscall(SYS_landlock_restrict_self, ruleset, 0) == 0;
    ::close(int(ruleset));
    return restricted ? int(abi) : 0;
}

void setLimit(int resource, rlim_t value)
{
    const rlimit limit{value, value};
    ::setrlimit(resource, &limit);
}

} // namespace

int readerCpuSeconds(qint64 packageBytes)
{
    constexpr qint64 kBytesPerSecond = qint64(16) << 20;
    // A sanitized debug build runs the reader tens of times slower; its
    // tests must not hit a limit that a real build stays far below.
#if defined(__SANITIZE_ADDRESS__)
    constexpr qint64 kSlowdown = 10;
#else
    constexpr qint64 kSlowdown = 1;
#endif
    constexpr qint64 kMostSeconds = 600;
    const qint64 seconds = 10 + qMax<qint64>(0, packageBytes) / kBytesPerSecond;
    return int(qMin<qint64>(seconds, kMostSeconds) * kSlowdown);
}

qint64 readableBytes(qint64 apparentSize, qint64 blocks)
{
    return qMax<qint64>(0, qMin(apparentSize, qMax<qint64>(0, blocks) * 512));
}

int confineReader(const ReaderLimits &limits)
{
    // AddressSanitizer reserves terabytes of address space up front; under
    // it the other limits still hold.
#if !defined(__SANITIZE_ADDRESS__)
    setLimit(RLIMIT_AS, rlim_t(limits.addressSpace));
#endif
    setLimit(RLIMIT_CPU, rlim_t(limits.cpuSeconds));
    setLimit(RLIMIT_NOFILE, rlim_t(limits.openFiles));
    setLimit(RLIMIT_CORE, 0);
    setLimit(RLIMIT_FSIZE, 0);
    ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0);
#if !defined(__SANITIZE_ADDRESS__)
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
    return restrictWithLandlock();
}
