// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/packagelock.h"

#include <QFile>

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

PackageLock::PackageLock(const QString &desktopDir, const QString &pkgName, QObject *parent)
    : QObject(parent)
    , path(packageLockPath(desktopDir, pkgName))
{
    // flock(2) cannot wake the event loop: a waiting instance looks again
    // now and then, and a human waits for the other pack anyway.
    retry.setInterval(kRetryMs);
    connect(&retry, &QTimer::timeout, this, &PackageLock::attempt);
}

PackageLock::~PackageLock()
{
    release();
}

void PackageLock::acquire()
{
    retry.start();
    // The first look is made from the event loop too, so decided() never
    // comes before the caller has returned.
    QMetaObject::invokeMethod(this, &PackageLock::attempt, Qt::QueuedConnection);
}

void PackageLock::stopWaiting()
{
    retry.stop();
    if (!locked)
        release();
}

void PackageLock::attempt()
{
    if (!retry.isActive())
        return;
    switch (tryOnce()) {
    case Attempt::Held:
        decide(Result::Held);
        break;
    case Attempt::Failed:
        release();
        decide(Result::Unavailable);
        break;
    case Attempt::Busy:
        break;
    }
}

void PackageLock::decide(Result result)
{
    retry.stop();
    emit decided(result);
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
