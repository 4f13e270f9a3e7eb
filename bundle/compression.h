#ifndef PLINVEX_COMPRESSION_H
#define PLINVEX_COMPRESSION_H

#include "tools/toolrunner.h"

#include <QString>

class QProcess;

// <home>/Desktop/<pkgName>.tar.gz
QString archivePath(const QString &pkgName);

// Runs tar on the desktop to write <pkgName>.tar.gz from the bundle folder,
// listing each archived path on `process`'s standard output as it goes. An
// archive left behind by a failed run is removed, so no broken archive is
// mistaken for a good one.
ToolResult compressBundleFolder(QProcess &process, const QString &pkgName, int timeoutMs);

#endif
