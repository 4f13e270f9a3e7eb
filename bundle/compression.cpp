// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/compression.h"

#include "bundle/packagelock.h"
#include "bundle/workfiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

QString archivePath(const QString &desktopDir, const QString &pkgName)
{
    return desktopDir + QLatin1Char('/') + pkgName + QStringLiteral(".tar.gz");
}

ArchiveOutcome compressBundleFolder(const QString &desktopDir, const QString &pkgName,
                                    const RunControl &control, int timeoutMs)
{
    // Not while a pack of the same package swaps the folder, nor beside a
    // second compression that would take this one's file for a leftover.
    PackageLock lock(desktopDir, pkgName);
    if (lock.acquire(control.cancellation) == PackageLock::Result::Cancelled) {
        ArchiveOutcome cancelled;
        cancelled.status = ArchiveOutcome::Cancelled;
        return cancelled;
    }
    removeLeftWork(desktopDir, WorkKind::Archive, pkgName);
    const QString temporary = newWorkPath(desktopDir, WorkKind::Archive, pkgName);
    ToolCommand tar;
    tar.program = QStringLiteral("tar");
    // Names relative to the desktop, so the archive holds ./<pkg>/... only.
    tar.arguments = QStringList{QStringLiteral("-zcvf"), QFileInfo(temporary).fileName(),
                                QStringLiteral("./") + pkgName + QLatin1Char('/')};
    tar.workingDirectory = desktopDir + QLatin1Char('/');
    tar.timeoutMs = timeoutMs;
    tar.progressPath = temporary;

    ArchiveOutcome outcome;
    outcome.tool = runTool(tar, control);
    if (!outcome.tool.succeeded()) {
        outcome.status =
            outcome.tool.cancelled ? ArchiveOutcome::Cancelled : ArchiveOutcome::ToolFailed;
        removeWorkPath(temporary);
        return outcome;
    }
    // rename() replaces the earlier archive in one step; a link standing
    // there is replaced itself, never written through.
    if (::rename(QFile::encodeName(temporary).constData(),
                 QFile::encodeName(archivePath(desktopDir, pkgName)).constData()) != 0) {
        outcome.status = ArchiveOutcome::RenameFailed;
        outcome.reason = QString::fromLocal8Bit(std::strerror(errno));
        removeWorkPath(temporary);
    }
    return outcome;
}
