#include "bundle/desktopfolder.h"

#include <QDir>

QString desktopPath()
{
    return QDir::homePath() + QStringLiteral("/Desktop");
}
