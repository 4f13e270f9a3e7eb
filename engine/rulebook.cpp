// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/rulebook.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QList<Rule> bundleRuleRows();

QList<Rule> makeBook()
{
    QList<Rule> book;
    for (const QString &tag : knownFindingTags()) {
        Rule rule;
        rule.tag = tag;
        book << rule;
    }
    book += bundleRuleRows();
    return book;
}

} // namespace

const QList<Rule> &ruleBook()
{
    static const QList<Rule> book = makeBook();
    return book;
}

const Rule *ruleOf(const QString &tag)
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> rows;
        for (int i = 0; i < ruleBook().size(); ++i)
            rows.insert(ruleBook().at(i).tag, i);
        return rows;
    }();
    const auto row = index.constFind(tag);
    return row == index.cend() ? nullptr : &ruleBook().at(*row);
}

QString ruleText(const char *source)
{
    return source ? QCoreApplication::translate("RuleBook", source) : QString();
}

// ---- The bundle's rules (engine/bundlerules.cpp): a block of their own, to
// be merged into the table above. Their params are documented with each
// rule's finding in bundlerules.cpp.
namespace {

QList<Rule> bundleRuleRows()
{
    const QString bundle = QStringLiteral("bundle");
    return {
        {QStringLiteral("bundle-archive-unreadable"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""), QT_TRANSLATE_NOOP("RuleBook", "压缩包读不下去"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "商店收到的压缩包必须是完整的 gzip 压缩 tar "
                           "包；读到一半出错、被截断或根本不是这种格式，商店也解不开。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack --compress 重新打包。")},
        {QStringLiteral("bundle-too-large"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral("1024"), QStringLiteral("MiB"),
         QT_TRANSLATE_NOOP("RuleBook", "压缩包或解开后的内容太大"),
         QT_TRANSLATE_NOOP("RuleBook", "压缩包最多 1 GiB，解开后合计最多 1.125 "
                                       "GiB；再大的东西不会是一份正常的提交，读它只会耗尽资源。"),
         QT_TRANSLATE_NOOP("RuleBook", "去掉包里多余的文件，或换一个更小的安装包。")},
        {QStringLiteral("bundle-inflated"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral("64"), QStringLiteral("×"),
         QT_TRANSLATE_NOOP("RuleBook", "解压后的大小和压缩包不成比例（压缩炸弹）"),
         QT_TRANSLATE_NOOP(
             "RuleBook", "一份提交里的安装包和图片本来就是压缩过的，解开后的大小和压缩包差不多；超"
                         "过压缩包 64 倍（且超过 16 MiB）的内容只可能是压缩炸弹，读到这里就停下。"),
         QT_TRANSLATE_NOOP("RuleBook", "不要收下这个压缩包；重新从原始文件打包。")},
        {QStringLiteral("bundle-too-many-members"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral("64"), QStringLiteral("members"),
         QT_TRANSLATE_NOOP("RuleBook", "压缩包里的成员太多"),
         QT_TRANSLATE_NOOP(
             "RuleBook",
             "一份提交只有 "
             "app.json、icon.png、安装包和几张截图；成员多到这个数目的压缩包不是正常的提交。"),
         QT_TRANSLATE_NOOP("RuleBook", "只留下提交需要的文件。")},
        {QStringLiteral("bundle-bad-name"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "成员名不是有效的 UTF-8，或含有控制字符"),
         QT_TRANSLATE_NOOP("RuleBook", "名字里的控制字符能让终端和文件管理器显示出另一个名字；无效"
                                       "的 UTF-8 在不同系统上解出来也不一样。"),
         QT_TRANSLATE_NOOP("RuleBook", "把这个文件改成普通的名字，或者去掉它。")},
        {QStringLiteral("bundle-absolute-path"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "成员用的是绝对路径"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "以 / 开头的成员解压时可能写到系统的任何位置，而不是提交的文件夹里。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack --compress 重新打包。")},
        {QStringLiteral("bundle-parent-path"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""), QT_TRANSLATE_NOOP("RuleBook", "成员路径里有 .."),
         QT_TRANSLATE_NOOP("RuleBook", "路径里的 .. 会让解压写到提交文件夹的外面。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack --compress 重新打包。")},
        {QStringLiteral("bundle-not-one-folder"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "压缩包里不止一个顶层文件夹"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "商店要的压缩包里只有一个文件夹，以包名命名，所有文件都在里面。"),
         QT_TRANSLATE_NOOP("RuleBook", "把所有文件放进同一个文件夹再打包。")},
        {QStringLiteral("bundle-link"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""), QT_TRANSLATE_NOOP("RuleBook", "成员是链接"),
         QT_TRANSLATE_NOOP(
             "RuleBook",
             "符号链接和硬链接可能指向提交以外的任何文件，解压后商店读到的就不是提交里的内容了。"),
         QT_TRANSLATE_NOOP("RuleBook", "把链接换成它指向的那个文件本身。")},
        {QStringLiteral("bundle-special-file"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "成员是设备、管道、套接字或稀疏文件"),
         QT_TRANSLATE_NOOP("RuleBook", "提交里只能有普通文件；设备文件和管道在解压的机器上会变成别"
                                       "的东西，读它们还可能永远等下去。"),
         QT_TRANSLATE_NOOP("RuleBook", "去掉这个成员。")},
        {QStringLiteral("bundle-member-repeated"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "同一个成员出现了两次"),
         QT_TRANSLATE_NOOP(
             "RuleBook",
             "解压时后一个会覆盖前一个，检查看到的和商店最后得到的就可能不是同一个文件。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack --compress 重新打包。")},
        {QStringLiteral("bundle-package-too-large"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral("512"), QStringLiteral("MiB"),
         QT_TRANSLATE_NOOP("RuleBook", "包里的安装包太大，没有读"),
         QT_TRANSLATE_NOOP("RuleBook", "压缩包里的安装包要在内存里读，最多 512 MiB。"),
         QT_TRANSLATE_NOOP("RuleBook", "解开压缩包，直接检查文件夹或安装包本身。")},
        {QStringLiteral("bundle-member-missing"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "缺少提交必需的文件"),
         QT_TRANSLATE_NOOP("RuleBook", "每份提交都要有 app.json、icon.png、从 screen_1.png "
                                       "开始的截图，以及 app.json 的 Filename 所指的安装包。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新打包，或补上缺少的文件。")},
        {QStringLiteral("bundle-screenshot-gap"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""), QT_TRANSLATE_NOOP("RuleBook", "截图编号不连续"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "商店按编号从 1 开始一张张读截图，遇到缺号就停，后面的截图就看不到了。"),
         QT_TRANSLATE_NOOP("RuleBook", "把截图重新编号，让它们从 1 开始连续。")},
        {QStringLiteral("bundle-member-forbidden"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "有商店不会接受的成员：可执行文件或第二个安装包"),
         QT_TRANSLATE_NOOP("RuleBook", "提交里只能有 app.json "
                                       "指明的那一个安装包；可执行文件和另一个安装包不会是提交的一"
                                       "部分，却可能被误装或误运行。"),
         QT_TRANSLATE_NOOP("RuleBook", "去掉这个成员。")},
        {QStringLiteral("bundle-member-unexpected"), Severity::Warning, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""), QT_TRANSLATE_NOOP("RuleBook", "有提交以外的成员"),
         QT_TRANSLATE_NOOP(
             "RuleBook",
             "提交只包含固定的几个文件；多出来的文件商店用不上，可能是不小心带进去的私人文件。"),
         QT_TRANSLATE_NOOP("RuleBook", "去掉这个成员。")},
        {QStringLiteral("bundle-control-too-large"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral("1"), QStringLiteral("MiB"),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 太大，没有读"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "程序写出的 app.json 只有几百字节；超过 1 MiB 的不会是它写的。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成 app.json。")},
        {QStringLiteral("bundle-control-not-utf8"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 不是有效的 UTF-8"),
         QT_TRANSLATE_NOOP("RuleBook", "JSON 必须是 UTF-8 编码，商店才能读出正确的文字。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 UTF-8 保存 app.json，或用 plinvex pack 重新生成。")},
        {QStringLiteral("bundle-control-not-json"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 不是有效的 JSON"),
         QT_TRANSLATE_NOOP("RuleBook", "商店用 JSON 解析器读 app.json，读不懂就什么也得不到。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成 app.json。")},
        {QStringLiteral("bundle-control-not-object"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 不是一个 JSON 对象"),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 应该是一个对象，里面是十个键。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成 app.json。")},
        {QStringLiteral("bundle-control-second-object"), Severity::Error, bundle,
         RuleSubject::Bundle, QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 后面还接着第二个对象"),
         QT_TRANSLATE_NOOP("RuleBook", "旧的打包工具重新打包时会把新内容接在旧内容后面；商店只认一"
                                       "个对象，读到的可能是旧值，也可能整个读不了。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成 app.json。")},
        {QStringLiteral("bundle-key-missing"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 缺少一个键"),
         QT_TRANSLATE_NOOP("RuleBook", "商店要求十个键都在：Name、Version、Filename、Pkgname、Autho"
                                       "r、Contributor、Website、Update、Size、More。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成 app.json。")},
        {QStringLiteral("bundle-key-unknown"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 有多余的键"),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 只有十个规定的键；多出来的键商店不认识。"),
         QT_TRANSLATE_NOOP("RuleBook", "去掉这个键。")},
        {QStringLiteral("bundle-key-repeated"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的某个键出现了不止一次"),
         QT_TRANSLATE_NOOP(
             "RuleBook",
             "同一个键出现两次时，不同的 JSON 解析器会取不同的值，商店看到的可能不是检查看到的。"),
         QT_TRANSLATE_NOOP("RuleBook", "只留一个。")},
        {QStringLiteral("bundle-key-not-string"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的值不是字符串"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "app.json 的每个值都是字符串；数字、数组或对象商店都不会读。"),
         QT_TRANSLATE_NOOP("RuleBook", "把这个值写成字符串。")},
        {QStringLiteral("bundle-pkgname-mismatch"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的 Pkgname 和安装包自己的包名不一样"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "商店按 Pkgname 找安装包；名字对不上，安装的就不是页面上说的那个软件。"),
         QT_TRANSLATE_NOOP("RuleBook", "把 Pkgname 改成安装包自己的包名。")},
        {QStringLiteral("bundle-version-mismatch"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的 Version 和安装包自己的版本不一样"),
         QT_TRANSLATE_NOOP("RuleBook", "商店页面上的版本要和真正安装的一致。"),
         QT_TRANSLATE_NOOP("RuleBook", "把 Version 改成安装包自己的版本。")},
        {QStringLiteral("bundle-filename-mismatch"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的 Filename 和包里安装包的文件名不一样"),
         QT_TRANSLATE_NOOP("RuleBook", "商店按 Filename 在提交里找安装包，找不到就没有东西可装。"),
         QT_TRANSLATE_NOOP("RuleBook", "把 Filename 改成安装包的文件名。")},
        {QStringLiteral("bundle-size-mismatch"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的 Size 和安装包的实际大小对不上"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "商店把 Size 显示给用户；它要按安装包的字节数算出来（例如 1.50MB）。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成 app.json。")},
        {QStringLiteral("bundle-update-invalid"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的 Update 不是“年-月-日 时:分”"),
         QT_TRANSLATE_NOOP("RuleBook", "商店按 yyyy-MM-dd hh:mm 读更新时间，别的写法它读不懂。"),
         QT_TRANSLATE_NOOP("RuleBook", "按 yyyy-MM-dd hh:mm 写，例如 2024-05-01 12:30。")},
        {QStringLiteral("bundle-update-future"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的 Update 在将来"),
         QT_TRANSLATE_NOOP(
             "RuleBook",
             "更新时间是打包的时间，不会在将来；将来的时间会让这份提交在商店里一直排在最前面。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成 app.json。")},
        {QStringLiteral("bundle-blank-wrong"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的 Author 或 Website 空着，却不是那一个空格"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "商店要求每个键都有值；空着的 Author 和 Website 要写成一个空格。"),
         QT_TRANSLATE_NOOP("RuleBook", "填上，或者写成一个空格。")},
        {QStringLiteral("bundle-more-lines"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "app.json 的 More 不止一行"),
         QT_TRANSLATE_NOOP("RuleBook",
                           "商店把 More 显示成一行；换行符会在页面上变成乱码或被吞掉。"),
         QT_TRANSLATE_NOOP("RuleBook", "把描述连成一行。")},
        {QStringLiteral("bundle-picture-not-png"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "图片不是真正的 PNG"),
         QT_TRANSLATE_NOOP("RuleBook", "按内容而不是文件名判断：商店只接受 PNG，文件名叫 .png "
                                       "而内容是别的格式的图片显示不出来。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成图片。")},
        {QStringLiteral("bundle-picture-too-large"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral("128×128 / 400×300"), QStringLiteral("px"),
         QT_TRANSLATE_NOOP("RuleBook", "图片超出了它的尺寸框"),
         QT_TRANSLATE_NOOP(
             "RuleBook", "图标在 128×128 以内，截图在 400×300 以内；更大的图片商店会裁掉或拒收。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成图片。")},
        {QStringLiteral("bundle-picture-animated"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "图片是动画（APNG）"),
         QT_TRANSLATE_NOOP("RuleBook", "商店只显示静态图片。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成图片。")},
        {QStringLiteral("bundle-picture-private"), Severity::Warning, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""),
         QT_TRANSLATE_NOOP("RuleBook", "图片里带有文字、EXIF 或时间信息"),
         QT_TRANSLATE_NOOP("RuleBook", "这些块可能带着名字、路径或拍摄地点，商店会原样发布出去。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 plinvex pack 重新生成图片，它会去掉这些块。")},
    };
}

} // namespace
// ---- End of the bundle's rules.
