// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/workfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sys/stat.h>

namespace {

constexpr int kTailLength = 6;

QString workPrefix(WorkKind kind, const QString &pkgName)
{
    const QLatin1String kindName(kind == WorkKind::Staging ? "staging" : "archive");
    return QStringLiteral(".plinvex-") + kindName + QLatin1Char('-') + pkgName + QLatin1Char('.');
}

// Only names this program makes: the prefix and a tail of exactly its length,
// so the work of a package whose name extends this one is never taken.
bool isWorkName(const QString &name, const QString &prefix)
{
    if (name.size() != prefix.size() + kTailLength || !name.startsWith(prefix))
        return false;
    for (const QChar ch : name.right(kTailLength)) {
        if (ch.unicode() > 0x7f || !ch.isLetterOrNumber())
            return false;
    }
    return true;
}

// Gives the owner the right to list and empty every folder beneath `path`,
// never following a link.
void openUp(const QByteArray &path)
{
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return;
    if ((info.st_mode & S_IRWXU) != S_IRWXU)
        ::chmod(path.constData(), (info.st_mode & 07777) | S_IRWXU);
    const QStringList folders = QDir(QFile::decodeName(path))
                                    .entryList(QDir::Dirs | QDir::NoSymLinks | QDir::Hidden |
                                               QDir::System | QDir::NoDotAndDotDot);
    for (const QString &folder : folders)
        openUp(path + '/' + QFile::encodeName(folder));
}

} // namespace

QString newWorkPath(const QString &desktopDir, WorkKind kind, const QString &pkgName)
{
    static const QLatin1String alphabet(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString tail;
    for (int i = 0; i < kTailLength; ++i)
        tail += alphabet.at(QRandomGenerator::global()->bounded(int(alphabet.size())));
    return desktopDir + QLatin1Char('/') + workPrefix(kind, pkgName) + tail;
}

QStringList findLeftWork(const QString &desktopDir, WorkKind kind, const QString &pkgName,
                         const QString &suffix)
{
    const QString prefix = workPrefix(kind, pkgName);
    const QDir desktop(desktopDir);
    const QStringList entries =
        desktop.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList left;
    for (const QString &entry : entries) {
        if (entry.endsWith(suffix) && isWorkName(entry.chopped(suffix.size()), prefix))
            left << desktop.filePath(entry);
    }
    return left;
}

void removeLeftWork(const QString &desktopDir, WorkKind kind, const QString &pkgName)
{
    for (const QString &path : findLeftWork(desktopDir, kind, pkgName))
        removeWorkPath(path);
}

void removeWorkPath(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink()) {
        openUp(QFile::encodeName(path));
        QDir(path).removeRecursively();
    } else {
        QFile::remove(path);
    }
}
