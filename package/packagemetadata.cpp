// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/packagemetadata.h"

#include "tools/toolrunner.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

QString valueSourceName(ValueSource source)
{
    switch (source) {
    case ValueSource::Given:
        return QStringLiteral("given");
    case ValueSource::EarlierBundle:
        return QStringLiteral("earlier-bundle");
    case ValueSource::AppStream:
        return QStringLiteral("appstream");
    case ValueSource::DesktopEntry:
        return QStringLiteral("desktop-entry");
    case ValueSource::Control:
        return QStringLiteral("control");
    case ValueSource::Probe:
        return QStringLiteral("probe");
    case ValueSource::None:
        break;
    }
    return QString();
}

QStringList metadataLanguages(bool english)
{
    if (english)
        return {QStringLiteral("en")};
    return {QStringLiteral("zh_CN"), QStringLiteral("zh")};
}

// Only the control file, through dpkg-deb: enough to pack and to check.
PackageMetadata readPackageMetadata(const QString &debPath, const QStringList &languages,
                                    const std::atomic<bool> *cancelled)
{
    Q_UNUSED(languages)
    PackageMetadata metadata;
    const QFileInfo info(debPath);
    if (!info.isFile() || (cancelled && cancelled->load()))
        return metadata;
    const ToolResult result = runTool(QStringLiteral("dpkg-deb"),
                                      {QStringLiteral("--field"), QStringLiteral("--"), debPath});
    if (!result.succeeded())
        return metadata;
    const QStringList lines = QString::fromUtf8(result.standardOutput).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0 || line.startsWith(QLatin1Char(' ')))
            continue;
        const QString key = line.left(colon);
        const QString value = line.mid(colon + 1).trimmed();
        if (key == QLatin1String("Package"))
            metadata.package = value;
        else if (key == QLatin1String("Version"))
            metadata.version = value;
        else if (key == QLatin1String("Architecture"))
            metadata.architecture = value;
        else if (key == QLatin1String("Homepage") && !value.isEmpty())
            metadata.homepage = {value, ValueSource::Control};
    }
    metadata.readable = !metadata.package.isEmpty();
    return metadata;
}

QString cacheLogo(const QString &pkgName, const QByteArray &png)
{
    if (png.isEmpty() || pkgName.isEmpty() || pkgName.contains(QLatin1Char('/')))
        return QString();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/plinvex/logos");
    if (!QDir().mkpath(folder))
        return QString();
    const QString path = folder + QLatin1Char('/') + pkgName + QStringLiteral(".png");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit())
        return QString();
    return path;
}
