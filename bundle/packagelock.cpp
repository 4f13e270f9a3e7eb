// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/packagelock.h"

#include "tools/toolrunner.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How often a waiting instance looks again; flock(2) cannot be woken by the
// event loop, and a human waits for the other pack anyway.
constexpr int kRetryMs = 50;

} // namespace

QString packageLockPath(const QString &desktopDir, const QString &pkgName)
{
    return desktopDir + QStringLiteral("/.plinvex-lock-") + pkgName;
}

PackageLock::PackageLock(const QString &desktopDir, const QString &pkgName)
    : path(packageLockPath(desktopDir, pkgName))
{
}

PackageLock::~PackageLock()
{
    release();
}

PackageLock::Result PackageLock::acquire(const Cancellation *cancellation)
{
    if (cancellation && cancellation->isCancelled())
        return Result::Cancelled;
    Attempt attempt = tryOnce();
    if (attempt != Attempt::Busy)
        return attempt == Attempt::Held ? Result::Held : Result::Unavailable;

    QEventLoop loop;
    QTimer retry;
    QObject::connect(&retry, &QTimer::timeout, &loop, [&] {
        attempt = tryOnce();
        if (attempt != Attempt::Busy)
            loop.quit();
    });
    if (cancellation)
        QObject::connect(cancellation, &Cancellation::cancelled, &loop, &QEventLoop::quit);
    retry.start(kRetryMs);
    loop.exec();
    if (attempt == Attempt::Held)
        return Result::Held;
    release();
    return attempt == Attempt::Failed ? Result::Unavailable : Result::Cancelled;
}

// The holder removes the file when it is done, so a lock taken on a file
// that is no longer the one at the path guards nothing: start over. Only
// another holder is worth the wait; a file that cannot be opened or locked
// stays so.
PackageLock::Attempt PackageLock::tryOnce()
{
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0)
        fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return Attempt::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK || errno == EINTR ? Attempt::Busy : Attempt::Failed;
    struct stat held = {};
    struct stat named = {};
    if (::fstat(fd, &held) == 0 && ::lstat(name.constData(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
        locked = true;
        return Attempt::Held;
    }
    ::close(fd);
    fd = -1;
    return Attempt::Busy;
}

void PackageLock::release()
{
    if (fd < 0)
        return;
    // Removed while still held, so no one waits on a file that is gone;
    // only by its holder, never by one that waited in vain.
    if (locked)
        ::unlink(QFile::encodeName(path).constData());
    ::close(fd);
    fd = -1;
    locked = false;
}
