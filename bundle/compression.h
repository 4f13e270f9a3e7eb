// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_COMPRESSION_H
#define PLINVEX_COMPRESSION_H

#include "tools/toolrunner.h"

#include <QString>

struct ArchiveOutcome
{
    enum Status {
        Written,
        ToolFailed,   // tool: tar, and why it failed
        RenameFailed, // reason: why the finished archive could not take its name
        Cancelled,
    };
    Status status = Written;
    ToolResult tool;
    QString reason;
};

// <desktopDir>/<pkgName>.tar.gz
QString archivePath(const QString &desktopDir, const QString &pkgName);

// Archives the bundle folder <desktopDir>/<pkgName> as ./<pkgName>/ into
// <pkgName>.tar.gz beside it, handing tar's listing of each archived path to
// `control.onOutput` as it comes. tar writes a temporary file that takes the
// archive's name only once it is complete, so an earlier archive survives
// any failure whole. tar may run as long as it keeps writing.
ArchiveOutcome compressBundleFolder(const QString &desktopDir, const QString &pkgName,
                                    const RunControl &control, int timeoutMs = kToolTimeoutMs);

#endif
