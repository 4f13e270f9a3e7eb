// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/folderswap.h"

#include "bundle/workfiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

namespace {

int systemRename(const char *from, const char *to, unsigned int flags)
{
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, flags);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool renameWith(const QByteArray &from, const QByteArray &to, unsigned int flags, int *error)
{
    if (folderRename(from.constData(), to.constData(), flags) == 0)
        return true;
    *error = errno;
    return false;
}

bool standsThere(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// File systems without an exchange (some network and FAT ones) get the
// earlier folder moved aside first, then moved back if the new one fails.
SwapResult swapInTwoSteps(const QString &staging, const QString &target, int *error)
{
    const QByteArray from = QFile::encodeName(staging);
    const QByteArray to = QFile::encodeName(target);
    const QByteArray aside = QFile::encodeName(earlierAsidePath(staging));
    if (!renameWith(to, aside, RENAME_NOREPLACE, error) &&
        !((*error == EINVAL || *error == ENOSYS) && renameWith(to, aside, 0, error)))
        return SwapResult::Unchanged;
    if (!renameWith(from, to, 0, error)) {
        int restoreError = 0;
        // Only a checked restore may say that nothing changed.
        if (renameWith(aside, to, 0, &restoreError))
            return SwapResult::Unchanged;
        return SwapResult::SetAside;
    }
    // The caller removes the earlier folder where it expects it; should it
    // not get there, it goes here, rather than stay aside for ever.
    int moveError = 0;
    if (!renameWith(aside, from, 0, &moveError))
        removeWorkPath(QFile::decodeName(aside));
    return SwapResult::Swapped;
}

} // namespace

FolderRename folderRename = systemRename;

QString earlierAsideSuffix()
{
    return QStringLiteral(".earlier");
}

QString earlierAsidePath(const QString &staging)
{
    return staging + earlierAsideSuffix();
}

SwapResult putFolderInPlace(const QString &staging, const QString &target, QString *reason)
{
    const QByteArray from = QFile::encodeName(staging);
    const QByteArray to = QFile::encodeName(target);
    int error = 0;
    SwapResult result = SwapResult::Unchanged;
    if (standsThere(target)) {
        if (renameWith(from, to, RENAME_EXCHANGE, &error))
            result = SwapResult::Swapped;
        else if (error == EINVAL || error == ENOSYS)
            result = swapInTwoSteps(staging, target, &error);
    } else if (renameWith(from, to, RENAME_NOREPLACE, &error) ||
               ((error == EINVAL || error == ENOSYS) && renameWith(from, to, 0, &error))) {
        result = SwapResult::Swapped;
    }
    if (result != SwapResult::Swapped && reason)
        *reason = systemReason(error);
    return result;
}

bool recoverSetAside(const QString &aside, const QString &target)
{
    if (standsThere(target)) {
        removeWorkPath(aside);
        return true;
    }
    int error = 0;
    return renameWith(QFile::encodeName(aside), QFile::encodeName(target), RENAME_NOREPLACE,
                      &error) ||
           ((error == EINVAL || error == ENOSYS) &&
            renameWith(QFile::encodeName(aside), QFile::encodeName(target), 0, &error));
}
