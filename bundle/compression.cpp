#include "bundle/compression.h"

#include "bundle/bundleassembly.h"

#include <QFile>
#include <QProcess>

QString archivePath(const QString &pkgName)
{
    return desktopPath() + QLatin1Char('/') + pkgName + QStringLiteral(".tar.gz");
}

ToolResult compressBundleFolder(QProcess &process, const QString &pkgName, int timeoutMs)
{
    process.setWorkingDirectory(desktopPath() + QLatin1Char('/'));
    ToolResult result = runTool(process, QStringLiteral("tar"),
                                {QStringLiteral("-zcvf"), pkgName + QStringLiteral(".tar.gz"),
                                 QStringLiteral("./") + pkgName + QLatin1Char('/')},
                                timeoutMs);
    // A tar that never started wrote nothing: an earlier archive stays.
    if (result.started && !result.succeeded())
        QFile::remove(archivePath(pkgName));
    return result;
}
