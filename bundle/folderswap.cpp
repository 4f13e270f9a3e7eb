// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/folderswap.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool renameWith(const QByteArray &from, const QByteArray &to, unsigned int flags, int *error)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), flags) == 0)
        return true;
    *error = errno;
    return false;
}

// File systems without an exchange (some network and FAT ones) get the
// earlier folder moved aside first; it is moved back if the new one fails.
bool swapInTwoSteps(const QByteArray &staging, const QByteArray &target, int *error)
{
    const QByteArray aside = staging + ".earlier";
    if (::rename(target.constData(), aside.constData()) != 0) {
        *error = errno;
        return false;
    }
    if (::rename(staging.constData(), target.constData()) != 0) {
        *error = errno;
        ::rename(aside.constData(), target.constData());
        return false;
    }
    if (::rename(aside.constData(), staging.constData()) != 0)
        *error = errno;
    return true;
}

} // namespace

bool putFolderInPlace(const QString &staging, const QString &target, QString *reason)
{
    const QByteArray from = QFile::encodeName(staging);
    const QByteArray to = QFile::encodeName(target);
    const QFileInfo place(target);
    const bool earlier = place.exists() || place.isSymLink();
    int error = 0;
    bool done = false;
    if (earlier) {
        done = renameWith(from, to, RENAME_EXCHANGE, &error);
        if (!done && (error == EINVAL || error == ENOSYS))
            done = swapInTwoSteps(from, to, &error);
    } else {
        done = renameWith(from, to, RENAME_NOREPLACE, &error);
        if (!done && (error == EINVAL || error == ENOSYS))
            done = renameWith(from, to, 0, &error);
    }
    if (!done && reason)
        *reason = systemReason(error);
    return done;
}
