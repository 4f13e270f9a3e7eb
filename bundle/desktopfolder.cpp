// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/desktopfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString desktopPath()
{
    // An existing ~/Desktop wins, so nothing moves for those who packed there before.
    QString homeDesktop = QDir::homePath() + QStringLiteral("/Desktop");
    if (QFileInfo(homeDesktop).isDir())
        return homeDesktop;
    // Under a Chinese locale the desktop is often ~/桌面, named in the user-dirs
    // configuration. Without that configuration Qt answers ~/Desktop again, so
    // the home folder itself comes back only when the user named it the desktop.
    const QString configured = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!configured.isEmpty() && QFileInfo(configured).isDir())
        return QDir::cleanPath(configured);
    // Nothing to write into: the missing ~/Desktop is the folder the failure names.
    return homeDesktop;
}
