#include "app/form/formbuilder.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTextEdit>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text, nullptr, -1);
}

} // namespace

void applyFormTexts(FormWidgets &f, QMainWindow *window)
{
    window->setWindowTitle(tr("Plinvex"));
    f.name->setPlaceholderText(tr("这里写在商店展示的名字～"));
    f.filename->setPlaceholderText(tr("这里是要投稿的安装包的路径~"));
    f.label->setText(tr("应用名称"));
    f.label_2->setText(tr("deb位置"));
    f.label_5->setText(tr("作者（可选）"));
    f.author->setPlaceholderText(tr("这里是原作者的名字哦～"));
    f.lable22->setText(QString());
    f.label_9->setText(tr("介绍信息"));
    f.info->setPlaceholderText(tr("写点什么向大家介绍一下这个应用软件吧～"));
    f.label_4->setText(tr("版本"));
    f.version->setPlaceholderText(tr("这里要填上版本哦～"));
    f.pushButton->setText(tr("打包咯！"));
    f.pushButton_2->setText(tr("算了算了......"));
    f.label_8->setText(tr("截图文件"));
    f.icon->setText(tr("<html><head/><body><p align=\"center\"><br/></p></body></html>"));
    f.pushButton_3->setText(tr("点击这里选择Logo图标"));
    f.lable33->setText(QString());
    f.label_7->setText(tr("打包者"));
    f.contributor->setPlaceholderText(tr("这里写你的名字～"));
    f.pushButton_4->setText(tr("再来一份？"));
    f.pushButton_5->setText(tr("要不要压缩一下？"));
    f.label_6->setText(tr("主页（可选）"));
    f.website->setPlaceholderText(tr("这里写原作者的主页或者官网～"));
    f.pkgname->setPlaceholderText(tr("这里是软件包的名字~（比如krita，vscode，dde-dock这样啦）"));
    f.label_3->setText(tr("包名"));
    f.pushButton_6->setText(tr("打开文件"));
    f.image->setPlaceholderText(tr("截图直接拖进窗口就可以添加哦～"));
}
