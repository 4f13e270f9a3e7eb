// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/failuretexts.h"

#include "bundle/bundleassembly.h"
#include "bundle/compression.h"
#include "tools/toolrunner.h"

#include <QCoreApplication>
#include <QRegularExpression>

// The window shows these texts, so each is translated in its context,
// "MainWindow", spelled out where lupdate can read it.

namespace {

// A tool found on the search path is started by its full path and names
// itself so ("/usr/bin/mkdir: ..."); the user knows it by its name.
QString withToolNamedPlainly(QString detail, const QString &program)
{
    if (program.contains(QLatin1Char('/')))
        return detail;
    const QRegularExpression startedAs(QStringLiteral("^/[^:\n]*/") +
                                           QRegularExpression::escape(program) +
                                           QStringLiteral("(?=[: ])"),
                                       QRegularExpression::MultilineOption);
    return detail.replace(startedAs, program);
}

// Said of a pack and of a compression alike.
QString lockUnavailableText(const QString &lockPath)
{
    return QCoreApplication::translate("MainWindow", "锁文件打不开：%1").arg(lockPath);
}

} // namespace

QString toolFailureText(const ToolResult &result)
{
    const QString &program = result.program;
    if (!result.started) {
        switch (result.startProblem) {
        case StartProblem::NotPermitted:
            return program + QCoreApplication::translate("MainWindow", ": 没有运行它的权限");
        case StartProblem::NoWorkingFolder:
            return program +
                   QCoreApplication::translate("MainWindow", ": 要在里面工作的文件夹不见了：%1")
                       .arg(result.workingDirectory);
        case StartProblem::NotFound:
        case StartProblem::None:
            break;
        }
        return program + QCoreApplication::translate("MainWindow", ": 找不到程序");
    }
    if (result.timedOut)
        return program + QCoreApplication::translate("MainWindow", ": 超时");
    QString detail = QString::fromLocal8Bit(result.standardError).trimmed();
    if (detail.isEmpty()) {
        detail = result.crashed
                     ? QCoreApplication::translate("MainWindow", "异常退出")
                     : QCoreApplication::translate("MainWindow", "退出码 %1").arg(result.exitCode);
    }
    detail = withToolNamedPlainly(detail, program);
    // Most tools already begin their messages with their own name.
    if (detail.startsWith(program))
        return detail;
    return program + QStringLiteral(": ") + detail;
}

QString packFailureText(const BundleOutcome &outcome)
{
    switch (outcome.status) {
    case BundleOutcome::ControlFileFailed:
        return QCoreApplication::translate("MainWindow", "写入控制文件失败！");
    case BundleOutcome::ToolFailed:
        return QCoreApplication::translate("MainWindow", "打包失败！\n") +
               toolFailureText(outcome.tool);
    case BundleOutcome::PlaceTaken:
        return QCoreApplication::translate("MainWindow",
                                           "打包失败！\n%1 已经存在，但它不是文件夹～")
            .arg(outcome.path);
    case BundleOutcome::CopyIncomplete:
        return QCoreApplication::translate("MainWindow", "打包失败！\n安装包没有完整地复制过去：%1")
            .arg(outcome.path);
    case BundleOutcome::ImageInvalid:
        return QCoreApplication::translate("MainWindow",
                                           "打包失败！\n这张图片没能变成一张合格的PNG：%1")
            .arg(outcome.path);
    case BundleOutcome::SwapFailed:
        return QCoreApplication::translate("MainWindow", "打包失败！\n没能换上新的文件夹：%1")
            .arg(outcome.reason);
    case BundleOutcome::SetAside:
        return QCoreApplication::translate("MainWindow",
                                           "打包失败！\n没能换上新的文件夹：%"
                                           "1\n原来的文件夹暂时放在了 %2，下次打包时会放回原处～")
            .arg(outcome.reason, outcome.path);
    case BundleOutcome::NotPlainName:
        return QCoreApplication::translate(
            "MainWindow", "打包失败！\n包名不能是空的，不能包含斜杠，也不能是.或..哦～");
    case BundleOutcome::NotRegularFile:
        return notRegularFileText(outcome.path);
    case BundleOutcome::LockUnavailable:
        return QCoreApplication::translate("MainWindow", "打包失败！\n") +
               lockUnavailableText(outcome.path);
    case BundleOutcome::Built:
    case BundleOutcome::Cancelled:
        break;
    }
    return QString();
}

QString compressionFailureText(const ArchiveOutcome &outcome)
{
    switch (outcome.status) {
    case ArchiveOutcome::ToolFailed:
        return QCoreApplication::translate("MainWindow", "压缩失败！\n") +
               toolFailureText(outcome.tool);
    case ArchiveOutcome::NotPlainName:
        return QCoreApplication::translate("MainWindow",
                                           "压缩失败！\n这个包名当不了文件夹的名字：%1")
            .arg(outcome.path);
    case ArchiveOutcome::PlaceTaken:
        return QCoreApplication::translate("MainWindow",
                                           "压缩失败！\n%1 已经存在，但它不是文件夹～")
            .arg(outcome.path);
    case ArchiveOutcome::DesktopGone:
        return QCoreApplication::translate("MainWindow", "压缩失败！\n桌面文件夹不见了：%1")
            .arg(outcome.path);
    case ArchiveOutcome::LockUnavailable:
        return QCoreApplication::translate("MainWindow", "压缩失败！\n") +
               lockUnavailableText(outcome.path);
    case ArchiveOutcome::RenameFailed:
        return QCoreApplication::translate("MainWindow", "压缩失败！\n压缩包没能换上它的名字：%1")
            .arg(outcome.reason);
    case ArchiveOutcome::Written:
    case ArchiveOutcome::Cancelled:
        break;
    }
    return QString();
}

QString notRegularFileText(const QString &path)
{
    return QCoreApplication::translate("MainWindow", "这不是一个普通的文件哦，用不了呢～\n%1")
        .arg(path);
}
