// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form/formbuilder.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTextEdit>

// Each text is translated where it is set, in the window's context, so that
// lupdate finds it.
void applyFormTexts(FormWidgets &f, QMainWindow *window)
{
    window->setWindowTitle(QCoreApplication::translate("MainWindow", "Plinvex"));
    f.name->setPlaceholderText(
        QCoreApplication::translate("MainWindow", "这里写在商店展示的名字～"));
    f.filename->setPlaceholderText(
        QCoreApplication::translate("MainWindow", "这里是要投稿的安装包的路径~"));
    f.label->setText(QCoreApplication::translate("MainWindow", "应用名称"));
    f.label_2->setText(QCoreApplication::translate("MainWindow", "deb位置"));
    f.label_5->setText(QCoreApplication::translate("MainWindow", "作者（可选）"));
    f.author->setPlaceholderText(
        QCoreApplication::translate("MainWindow", "这里是原作者的名字哦～"));
    f.lable22->setText(QString());
    f.label_9->setText(QCoreApplication::translate("MainWindow", "介绍信息"));
    f.info->setPlaceholderText(
        QCoreApplication::translate("MainWindow", "写点什么向大家介绍一下这个应用软件吧～"));
    f.label_4->setText(QCoreApplication::translate("MainWindow", "版本"));
    f.version->setPlaceholderText(QCoreApplication::translate("MainWindow", "这里要填上版本哦～"));
    f.pushButton->setText(QCoreApplication::translate("MainWindow", "打包咯！"));
    f.pushButton_2->setText(QCoreApplication::translate("MainWindow", "算了算了......"));
    f.label_8->setText(QCoreApplication::translate("MainWindow", "截图文件"));
    f.icon->setText(QCoreApplication::translate(
        "MainWindow", "<html><head/><body><p align=\"center\"><br/></p></body></html>"));
    f.pushButton_3->setText(QCoreApplication::translate("MainWindow", "点击这里选择Logo图标"));
    f.lable33->setText(QString());
    f.label_7->setText(QCoreApplication::translate("MainWindow", "打包者"));
    f.contributor->setPlaceholderText(
        QCoreApplication::translate("MainWindow", "这里写你的名字～"));
    f.pushButton_4->setText(QCoreApplication::translate("MainWindow", "再来一份？"));
    f.pushButton_5->setText(QCoreApplication::translate("MainWindow", "要不要压缩一下？"));
    f.label_6->setText(QCoreApplication::translate("MainWindow", "主页（可选）"));
    f.website->setPlaceholderText(
        QCoreApplication::translate("MainWindow", "这里写原作者的主页或者官网～"));
    f.pkgname->setPlaceholderText(QCoreApplication::translate(
        "MainWindow", "这里是软件包的名字~（比如krita，vscode，dde-dock这样啦）"));
    f.label_3->setText(QCoreApplication::translate("MainWindow", "包名"));
    f.pushButton_6->setText(QCoreApplication::translate("MainWindow", "打开文件"));
    f.image->setPlaceholderText(
        QCoreApplication::translate("MainWindow", "截图直接拖进窗口就可以添加哦～"));
}
