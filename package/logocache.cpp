// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/logocache.h"

#include "package/packagemetadata.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString cacheLogo(const QString &pkgName, const QByteArray &png)
{
    if (png.isEmpty())
        return {};
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    // Only a name in Debian's own syntax is used as it is; anything else
    // could hold a slash or climb out of the folder.
    QString base = pkgName;
    if (!isDebianPackageName(pkgName))
        base = QStringLiteral("package-") +
               QString::fromLatin1(
                   QCryptographicHash::hash(pkgName.toUtf8(), QCryptographicHash::Sha256)
                       .toHex()
                       .left(16));
    const QString path = folder + QLatin1Char('/') + base + QStringLiteral(".png");
    // QSaveFile would write through a link standing there.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path))
        return {};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size()) {
        file.cancelWriting();
        return {};
    }
    return file.commit() ? path : QString();
}
