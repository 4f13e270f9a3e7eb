// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/cliprogress.h"

#include "bundle/sizetext.h"
#include "tools/toolrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int kPollMs = 200;

} // namespace

ProgressLine::ProgressLine(bool enabled, QObject *parent)
    : QObject(parent)
    , enabled(enabled)
{
    timer.setInterval(kPollMs);
    connect(&timer, &QTimer::timeout, this, &ProgressLine::poll);
}

ProgressLine::~ProgressLine()
{
    finish();
}

void ProgressLine::startPack(const QString &desktop, const QString &pkgName, const QString &debPath,
                             int images)
{
    if (!enabled)
        return;
    desktopDir = desktop;
    // The engine's staging folder: hidden, named after the work and the package.
    stagingPrefix = QStringLiteral(".plinvex-staging-") + pkgName + QLatin1Char('.');
    packageName = QFileInfo(debPath).fileName();
    packageSize = QFileInfo(debPath).size();
    imagesTotal = images;
    imagesDone = 0;
    compressing = false;
    poll();
    timer.start();
}

void ProgressLine::toolSucceeded(const ToolResult &result)
{
    if (!enabled || compressing || result.program != QLatin1String("convert"))
        return;
    ++imagesDone;
    poll();
}

void ProgressLine::startCompression(const QString &bundleDir)
{
    if (!enabled)
        return;
    timer.stop();
    compressing = true;
    // tar names the folder itself and everything beneath it.
    membersTotal = 1;
    QDirIterator entries(bundleDir,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        ++membersTotal;
    }
    membersDone = 0;
    poll();
}

void ProgressLine::output(const QByteArray &listing)
{
    if (!enabled || !compressing)
        return;
    membersDone = qMin(membersTotal, membersDone + int(listing.count('\n')));
    poll();
}

void ProgressLine::finish()
{
    timer.stop();
    if (shown)
        std::fputs("\r\033[K", stderr);
    shown = false;
}

void ProgressLine::poll()
{
    if (compressing) {
        show(QCoreApplication::translate("CommandLine", "压缩中 %1 / %2")
                 .arg(membersDone)
                 .arg(membersTotal));
        return;
    }
    qint64 copied = 0;
    const QStringList staging = QDir(desktopDir)
                                    .entryList({stagingPrefix + QLatin1Char('*')},
                                               QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    if (!staging.isEmpty())
        copied = QFileInfo(desktopDir + QLatin1Char('/') + staging.first() + QLatin1Char('/') +
                           packageName)
                     .size();
    show(QCoreApplication::translate("CommandLine", "复制安装包 %1 / %2，缩放图片 %3 / %4")
             .arg(formatSize(copied), formatSize(packageSize))
             .arg(imagesDone)
             .arg(imagesTotal));
}

void ProgressLine::show(const QString &text)
{
    std::fputs((QStringLiteral("\r\033[K") + text).toUtf8().constData(), stderr);
    std::fflush(stderr);
    shown = true;
}
