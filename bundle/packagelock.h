// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKAGELOCK_H
#define PLINVEX_PACKAGELOCK_H

#include <QString>

class Cancellation;

// One package's work at a time, across every running Plinvex: an advisory
// lock on a hidden file of the program's own beside the bundle, held from
// before the leftover cleanup to the end of the work, so that one instance
// never takes another's staging folder for a killed run's leftover.
class PackageLock
{
public:
    enum class Result {
        Held,
        Cancelled,
        // The file cannot be opened or locked (a folder at its path, no
        // desktop folder): the work must not go on unguarded, or a second
        // instance would take the first one's staging folder for a leftover.
        Unavailable,
    };

    PackageLock(const QString &desktopDir, const QString &pkgName);
    ~PackageLock();
    PackageLock(const PackageLock &) = delete;
    PackageLock &operator=(const PackageLock &) = delete;

    // Waits for the lock with the event loop running, so the window stays
    // alive, until it is held or `cancellation` calls the work off.
    Result acquire(const Cancellation *cancellation);

private:
    enum class Attempt { Held, Busy, Failed };
    Attempt tryOnce();
    void release();

    const QString path;
    int fd = -1;
    bool locked = false;
};

// <desktopDir>/.plinvex-lock-<pkgName>
QString packageLockPath(const QString &desktopDir, const QString &pkgName);

#endif
