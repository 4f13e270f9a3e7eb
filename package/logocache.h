// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_LOGOCACHE_H
#define PLINVEX_LOGOCACHE_H

#include <QByteArray>
#include <QString>

// Writes the package's logo as a PNG file of its own under the user's cache
// folder, named after the package, whole or not at all. The file's path, or
// empty when there is no logo or it could not be written.
QString cacheLogo(const QString &pkgName, const QByteArray &png);

#endif
