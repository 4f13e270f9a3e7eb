// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/packageprobe.h"

#include "tools/toolrunner.h"

#include <QFileInfo>

QStringList probeParts(const QString &probeOutput)
{
    // QChar::isSpace rather than a regular expression: it also counts no-break
    // and ideographic spaces, as the probe always has.
    QString collapsed;
    collapsed.reserve(probeOutput.size());
    bool inSpaceRun = false;
    for (const QChar ch : probeOutput) {
        if (ch.isSpace()) {
            if (!inSpaceRun)
                collapsed.append(QLatin1Char(' '));
            inSpaceRun = true;
        } else {
            collapsed.append(ch);
            inSpaceRun = false;
        }
    }
    return collapsed.split(QLatin1Char(' '), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

PackageIdentity probePackage(const QString &debPath, int timeoutMs)
{
    ToolCommand command;
    command.program = QStringLiteral("dpkg-deb");
    command.arguments = QStringList{QStringLiteral("-W"), debPath};
    command.timeoutMs = timeoutMs;
    PackageIdentity identity;
    // dpkg-deb would wait for ever on a pipe and read a device to its end.
    const QFileInfo package(debPath);
    if (package.exists() && !package.isFile()) {
        identity.notRegularFile = true;
        return identity;
    }
    const ToolResult probe = runQuickTool(command);
    if (!probe.succeeded())
        return identity;
    const QStringList parts = probeParts(textUpToNul(probe.standardOutput));
    if (parts.size() < 2)
        return identity;
    identity.found = true;
    identity.name = parts.at(0);
    identity.version = parts.at(1);
    return identity;
}
