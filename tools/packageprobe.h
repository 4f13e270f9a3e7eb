// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKAGEPROBE_H
#define PLINVEX_PACKAGEPROBE_H

#include "tools/toolrunner.h"

#include <QString>
#include <QStringList>

// Name and version of a Debian package as `dpkg-deb -W` reports them.
struct PackageIdentity
{
    bool found = false;
    bool notRegularFile = false; // a pipe, a device or a folder: not probed at all
    QString name;
    QString version;
};

// Splits the probe's output into parts: every run of white space becomes one
// blank and the text is cut at each blank, empty parts kept, nothing trimmed.
QStringList probeParts(const QString &probeOutput);

// Asks dpkg-deb for the package's name and version. Not found when the tool
// cannot start, fails, times out, is called off or says less than a name and
// a version.
PackageIdentity probePackage(const QString &debPath, int timeoutMs);

#endif
