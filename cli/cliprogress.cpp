// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/cliprogress.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

QString stepText(Job::Step step)
{
    switch (step) {
    case Job::Step::Read:
        return QCoreApplication::translate("CommandLine", "读取安装包");
    case Job::Step::Lock:
        return QCoreApplication::translate("CommandLine", "等这个包的另一次打包结束");
    case Job::Step::Build:
        return QCoreApplication::translate("CommandLine", "复制和缩放");
    case Job::Step::Carry:
        return QCoreApplication::translate("CommandLine", "带上你自己的文件");
    case Job::Step::Swap:
        return QCoreApplication::translate("CommandLine", "换上新的投稿文件夹");
    case Job::Step::Compress:
        break;
    }
    return QCoreApplication::translate("CommandLine", "压缩中");
}

} // namespace

ProgressLine::ProgressLine(bool enabled)
    : enabled(enabled)
{
}

ProgressLine::~ProgressLine()
{
    finish();
}

void ProgressLine::show(Job::Step step, qint64 done, qint64 total)
{
    show(stepText(step), done, total);
}

void ProgressLine::show(const QString &what, qint64 done, qint64 total)
{
    if (!enabled)
        return;
    QString text = what;
    if (total > 0)
        text += QStringLiteral(" %1 / %2").arg(done).arg(total);
    std::fputs((QStringLiteral("\r\033[K") + text).toUtf8().constData(), stderr);
    std::fflush(stderr);
    shown = true;
}

void ProgressLine::finish()
{
    if (shown)
        std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    shown = false;
}
