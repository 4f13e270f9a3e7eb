// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/toolshelf.h"

#include "support/testfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QStringList ToolShelf::packingTools()
{
    // No dpkg-deb: nothing the program does runs it, the package is read
    // only by its confined reader.
    return {QStringLiteral("mkdir"), QStringLiteral("cp"),  QStringLiteral("convert"),
            QStringLiteral("rm"),    QStringLiteral("tar"), QStringLiteral("gzip")};
}

ToolShelf::ToolShelf(const QStringList &realTools)
{
    for (const QString &tool : realTools)
        complete = restore(tool) && complete;
}

ToolShelf::~ToolShelf()
{
    putBack();
}

bool ToolShelf::fake(const QString &tool, const QByteArray &body)
{
    return remove(tool) && writeScript(dir.filePath(tool), body);
}

bool ToolShelf::fakeHanging(const QString &tool, const QByteArray &first)
{
    const QByteArray pidFile = QFile::encodeName(dir.filePath(tool + QStringLiteral(".pid")));
    return fake(tool, first + "\n" + writePidAtomically(pidFile) + "exec /bin/sleep 30\n");
}

bool ToolShelf::hangingToolStarted(const QString &tool) const
{
    return pidInFile(dir.filePath(tool + QStringLiteral(".pid"))) > 0;
}

bool ToolShelf::hangingToolEnded(const QString &tool) const
{
    const qint64 pid = pidInFile(dir.filePath(tool + QStringLiteral(".pid")));
    return pid > 0 && processHasEnded(pid);
}

bool ToolShelf::remove(const QString &tool)
{
    const QString place = dir.filePath(tool);
    const QFileInfo info(place);
    return (!info.exists() && !info.isSymLink()) || QFile::remove(place);
}

bool ToolShelf::restore(const QString &tool)
{
    // Look the tool up on the real search path, not on this shelf.
    const QByteArray searched = inUse ? previousPath : qgetenv("PATH");
    const QString real = QStandardPaths::findExecutable(
        tool, QString::fromLocal8Bit(searched).split(QLatin1Char(':'), Qt::SkipEmptyParts));
    return !real.isEmpty() && remove(tool) && QFile::link(real, dir.filePath(tool));
}

void ToolShelf::use()
{
    if (inUse)
        return;
    previousPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()));
    inUse = true;
}

void ToolShelf::putBack()
{
    if (!inUse)
        return;
    qputenv("PATH", previousPath);
    inUse = false;
}
