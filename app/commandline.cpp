// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

CommandLine::CommandLine()
{
    parser.setApplicationDescription(
        QCoreApplication::translate("MainWindow",
                                    "把 deb 安装包、Logo 图标和截图打包成软件商店的投稿。") +
        QStringLiteral("\n\n") +
        QCoreApplication::translate(
            "CommandLine", "不开窗口的命令：\n"
                           "  plinvex pack PACKAGE.deb [选项]   打包到桌面；加 --compress 再压缩\n"
                           "  plinvex check PACKAGE.deb [选项]  找出投稿的所有问题，什么也不打包\n"
                           "每个命令的选项见 plinvex pack --help 和 plinvex check --help。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("package.deb"),
        QCoreApplication::translate("MainWindow", "启动时就选好的安装包，和用“打开文件”选的一样。"),
        QStringLiteral("[package.deb]"));
}

void CommandLine::answerHelpAndVersion(const QStringList &arguments)
{
    // Qt's own options such as -platform are still in the list here, so
    // errors are not reported yet.
    parser.parse(arguments);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(EXIT_SUCCESS);
}

void CommandLine::parse(const QStringList &arguments)
{
    parser.process(arguments);
    if (parser.positionalArguments().size() > 1) {
        const QString message =
            QCoreApplication::applicationName() + QStringLiteral(": ") +
            QCoreApplication::translate("MainWindow", "一次只能打开一个安装包哦～") +
            QLatin1Char('\n');
        std::fputs(qPrintable(message), stderr);
        std::exit(EXIT_FAILURE);
    }
    // Made absolute against the folder the program was started in.
    if (!parser.positionalArguments().isEmpty())
        package = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
}

QString CommandLine::packagePath() const
{
    return package;
}
