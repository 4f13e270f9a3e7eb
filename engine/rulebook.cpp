// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/rulebook.h"

#include "engine/checklimits.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QList<Rule> bundleRuleRows();

// One row a tag, in the order the check reports them. A limit is built from
// the very constant its rule compares against, so the book, the reports and
// the documentation made from it cannot disagree with the check.
QList<Rule> makeBook()
{
    QList<Rule> book;
    book << Rule{QStringLiteral("package-missing"),
                 Severity::Error,
                 QStringLiteral("package"),
                 RuleSubject::Package,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "安装包不存在"),
                 QT_TRANSLATE_NOOP("RuleBook", "给的路径上没有文件，没有安装包就什么也打不了。"),
                 QT_TRANSLATE_NOOP("RuleBook", "检查路径有没有写错，或者先把安装包下载下来。")};
    book << Rule{
        QStringLiteral("package-not-file"),
        Severity::Error,
        QStringLiteral("package"),
        RuleSubject::Package,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "安装包不是普通文件"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "路径指向的是文件夹、设备或者管道；商店只收一个普通的 .deb 文件。"),
        QT_TRANSLATE_NOOP("RuleBook", "指向安装包文件本身。")};
    book << Rule{
        QStringLiteral("package-unreadable"),
        Severity::Error,
        QStringLiteral("package"),
        RuleSubject::Package,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "不是读得懂的 Debian 安装包"),
        QT_TRANSLATE_NOOP("RuleBook", "文件不是 Debian 安装包（deb(5) 规定的 ar 归档，先是 "
                                      "debian-binary，再是 control 和 data），商店装不上它。"),
        QT_TRANSLATE_NOOP(
            "RuleBook",
            "用 dpkg-deb 或 dpkg-buildpackage 重新生成安装包，再确认 dpkg-deb 能读出它的信息。")};
    book << Rule{QStringLiteral("package-corrupt"),
                 Severity::Error,
                 QStringLiteral("package"),
                 RuleSubject::Package,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "安装包坏了，读不到结尾"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "安装包开头没问题，但中途断了、校验或解压出错，或者解开后比自"
                                   "身大 64 倍以上（至少 256 MiB）；用户下载后也会装不上。"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "重新下载或重新生成安装包，确认 dpkg-deb 能完整列出它的内容。")};
    book << Rule{QStringLiteral("package-metadata-unreadable"),
                 Severity::Info,
                 QStringLiteral("package"),
                 RuleSubject::Package,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "没能读出安装包自己的信息"),
                 QT_TRANSLATE_NOOP("RuleBook", "读安装包的程序没装、启动不了、崩溃、超时或回答不对"
                                               "，所以什么也没从安装包里填；给出的值照样检查。"),
                 QT_TRANSLATE_NOOP("RuleBook", "装上 plinvex-reader，或者把每一项都自己填上。")};
    book << Rule{
        QStringLiteral("package-not-application"),
        Severity::Warning,
        QStringLiteral("package"),
        RuleSubject::Package,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "安装包看起来不是一个应用"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "里面既没有 Type=Application 的桌面入口，也没有应用类型的 AppStream "
                          "组件；商店列的是用户能打开的应用，插件和库一般不收（AppStream "
                          "的组件类型也是这样区分的）。"),
        QT_TRANSLATE_NOOP("RuleBook", "给应用加上桌面入口或 AppStream "
                                      "信息；如果它放在另一个包里，把那个包作为伴随包一起给出。")};
    book << Rule{
        QStringLiteral("reader-unconfined"),
        Severity::Warning,
        QStringLiteral("package"),
        RuleSubject::Package,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "读安装包的程序没能把自己关起来"),
        QT_TRANSLATE_NOOP(
            "RuleBook",
            "安装包的内容来自陌生人，本该在 Landlock "
            "和系统调用过滤的防护下读；自检没看到这层防护生效，包里的内容是在没有防护时读的。"),
        QT_TRANSLATE_NOOP("RuleBook", "换一个支持 Landlock 和 seccomp "
                                      "的内核，或者在容器里允许它们；也可以要求把它当作错误。")};
    book << Rule{
        QStringLiteral("package-text-nul"),
        Severity::Warning,
        QStringLiteral("package"),
        RuleSubject::Package,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "安装包的文本文件里有 NUL 字节"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "控制文件、桌面入口和 AppStream 文件都应该是 UTF-8 文本；NUL 字节按 "
                          "U+FFFD 读，含 NUL 的 AppStream 文件不用，所以读到的内容可能不对。"),
        QT_TRANSLATE_NOOP("RuleBook", "找出写进 NUL 的地方，修好那些文件后重新生成安装包。")};
    book << Rule{
        QStringLiteral("desktop-entry-guessed"),
        Severity::Info,
        QStringLiteral("package"),
        RuleSubject::Package,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "有好几个桌面入口，猜了一个当主程序"),
        QT_TRANSLATE_NOOP(
            "RuleBook",
            "菜单里显示的入口不止一个，而 "
            "AppStream、包名和程序名都没点明哪个是主程序，名字、图标这些就从猜的那个里填了。"),
        QT_TRANSLATE_NOOP(
            "RuleBook",
            "确认填的值是对的；要让它明确，就在 AppStream 信息里用 <launchable> 写明主入口。")};
    book << Rule{
        QStringLiteral("earlier-bundle-unread"),
        Severity::Warning,
        QStringLiteral("package"),
        RuleSubject::Package,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "早先那份的 app.json 太大，没有读"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "桌面上早先打包的 app.json 超过了 1 "
                          "MiB，正常的只有几百字节；为了安全没有读它，也就没从里面填任何值。"),
        QT_TRANSLATE_NOOP("RuleBook", "删掉或挪走桌面上那个文件夹，再打一次。")};
    book << Rule{
        QStringLiteral("filename-escaped"),
        Severity::Warning,
        QStringLiteral("package"),
        RuleSubject::Package,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "安装包的文件名里有网址转义"),
        QT_TRANSLATE_NOOP(
            "RuleBook",
            "从网上下载的文件名可能还留着 %3a 这样的转义（本该是纪元的冒号）；文件名会原样写进 "
            "app.json，商店也会原样显示。"),
        QT_TRANSLATE_NOOP("RuleBook", "把文件改回 Debian 的写法：包名_版本_架构.deb。")};
    book << Rule{QStringLiteral("pkgname-unreadable"),
                 Severity::Error,
                 QStringLiteral("pkgname"),
                 RuleSubject::Identity,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "读不出安装包的包名"),
                 QT_TRANSLATE_NOOP(
                     "RuleBook", "包名决定打包出的文件夹和商店里的条目；安装包没说，也没有给出。"),
                 QT_TRANSLATE_NOOP(
                     "RuleBook", "自己给出包名，或者修好安装包的 control 文件里的 Package 字段。")};
    book << Rule{QStringLiteral("pkgname-not-folder-name"),
                 Severity::Error,
                 QStringLiteral("pkgname"),
                 RuleSubject::Identity,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "包名当不了文件夹名"),
                 QT_TRANSLATE_NOOP(
                     "RuleBook",
                     "包名就是打包出的文件夹名；斜杠、NUL、. 或 .. 会让它落到桌面上别的地方去。"),
                 QT_TRANSLATE_NOOP("RuleBook", "用安装包自己的包名。")};
    book << Rule{QStringLiteral("pkgname-not-debian"),
                 Severity::Warning,
                 QStringLiteral("pkgname"),
                 RuleSubject::Identity,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "包名不合 Debian 的写法"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "Debian 政策（5.6.1）规定包名只用小写字母、数字和 + - "
                                   ".，至少两个字符，以字母或数字开头；商店按它找安装包。"),
                 QT_TRANSLATE_NOOP("RuleBook", "用安装包 control 文件里的 Package 名。")};
    book << Rule{
        QStringLiteral("pkgname-differs"),
        Severity::Warning,
        QStringLiteral("pkgname"),
        RuleSubject::Identity,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "给的包名和安装包自己的不一样"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "商店按包名把条目和安装包对上；两边不一样，装上的会是另一个包名。"),
        QT_TRANSLATE_NOOP("RuleBook", "去掉给的包名，或者改成安装包自己的。")};
    book << Rule{
        QStringLiteral("version-unreadable"),
        Severity::Error,
        QStringLiteral("version"),
        RuleSubject::Identity,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "读不出安装包的版本号"),
        QT_TRANSLATE_NOOP("RuleBook", "商店用版本号判断有没有更新；安装包没说，也没有给出。"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "自己给出版本号，或者修好安装包 control 文件里的 Version 字段。")};
    book << Rule{
        QStringLiteral("version-invalid"),
        Severity::Error,
        QStringLiteral("version"),
        RuleSubject::Identity,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "dpkg 不认这个版本号"),
        QT_TRANSLATE_NOOP(
            "RuleBook",
            "版本号要合 "
            "deb-version(7)：可选的纪元加冒号、以数字开头的上游版本、可选的连字符加修订号；dpkg "
            "不认的，商店也装不上。"),
        QT_TRANSLATE_NOOP("RuleBook", "用安装包自己的版本号，或者照 deb-version(7) 改写。")};
    book << Rule{
        QStringLiteral("version-dubious"),
        Severity::Warning,
        QStringLiteral("version"),
        RuleSubject::Identity,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "dpkg 会对这个版本号发出警告"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "上游版本不以数字开头时 dpkg "
                          "只是警告，但排序可能出人意料，更新也会判断错（deb-version(7)）。"),
        QT_TRANSLATE_NOOP("RuleBook", "让上游版本以数字开头。")};
    book << Rule{
        QStringLiteral("version-differs"),
        Severity::Warning,
        QStringLiteral("version"),
        RuleSubject::Identity,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "给的版本号和安装包自己的不一样"),
        QT_TRANSLATE_NOOP(
            "RuleBook", "商店显示的版本应该就是装上的版本；不一样时用户会以为有更新或者没有更新。"),
        QT_TRANSLATE_NOOP("RuleBook", "去掉给的版本号，或者改成安装包自己的。")};
    book << Rule{
        QStringLiteral("version-differs-appstream"),
        Severity::Warning,
        QStringLiteral("version"),
        RuleSubject::Identity,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "上游版本不是 AppStream 里最新的发布"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "AppStream 的 <releases> 应该以这个版本为最新（Flathub "
                          "之类的商店也这么要求）；不一致多半是忘了更新元数据，或者打错了包。"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "在 AppStream 信息里加上这个版本的 <release>，或者确认打的是对的版本。")};
    book << Rule{
        QStringLiteral("version-prerelease"),
        Severity::Info,
        QStringLiteral("version"),
        RuleSubject::Identity,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "这是一个预发布版本"),
        QT_TRANSLATE_NOOP(
            "RuleBook", "版本里有 ~，或者数字后面跟着 alpha、beta、rc；商店的用户多半想要正式版。"),
        QT_TRANSLATE_NOOP("RuleBook", "确认真的要发布预发布版本；否则等正式版再投。")};
    book << Rule{QStringLiteral("hidden-character"),
                 Severity::Error,
                 QString(),
                 RuleSubject::Texts,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "值里有看不见的字符"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "控制字符、双向控制符、分隔符和零宽字符看不见，却会让商店和终"
                                   "端显示出别的样子，比如把文字倒过来，或藏起一个字母。"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "删掉那个字符（发现里给出了它的编码），最好重新输入这个值。")};
    book << Rule{
        QStringLiteral("required-empty"),
        Severity::Error,
        QString(),
        RuleSubject::Texts,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "必填的一项空着"),
        QT_TRANSLATE_NOOP(
            "RuleBook",
            "名字、包名、版本号、打包者、简介、Logo 和截图都是商店页面要显示的，少一样都不收。"),
        QT_TRANSLATE_NOOP("RuleBook", "把这一项填上。")};
    book << Rule{QStringLiteral("name-too-long"),
                 Severity::Warning,
                 QStringLiteral("name"),
                 RuleSubject::Texts,
                 QString::number(kLongName),
                 QStringLiteral("columns"),
                 QT_TRANSLATE_NOOP("RuleBook", "名字太长"),
                 QT_TRANSLATE_NOOP("RuleBook", "商店的列表里名字只显示这么宽，多出来的会被截掉（App"
                                               "Stream 和 Flathub 的质量准则也建议名字短一些）。"),
                 QT_TRANSLATE_NOOP("RuleBook", "只留应用的名字，说明放到简介里。")};
    book << Rule{QStringLiteral("name-end-punctuation"),
                 Severity::Warning,
                 QStringLiteral("name"),
                 RuleSubject::Texts,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "名字以标点结尾"),
                 QT_TRANSLATE_NOOP("RuleBook", "名字不是句子，结尾的句号、感叹号、问号或波浪号在列"
                                               "表里很怪（Flathub 风格的质量准则也这么说）。"),
                 QT_TRANSLATE_NOOP("RuleBook", "去掉结尾的标点。")};
    book << Rule{QStringLiteral("name-has-tagline"),
                 Severity::Info,
                 QStringLiteral("name"),
                 RuleSubject::Texts,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "名字里好像带了一句口号"),
                 QT_TRANSLATE_NOOP("RuleBook", "冒号、破折号或括号后面还有话，多半是口号；名字只该"
                                               "是名字（AppStream 把简短说明放在 summary 里）。"),
                 QT_TRANSLATE_NOOP("RuleBook", "把口号挪到简介里。")};
    book << Rule{QStringLiteral("homepage-scheme"),
                 Severity::Error,
                 QStringLiteral("homepage"),
                 RuleSubject::Texts,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "主页不是 http 或 https 网址"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "商店会把主页做成链接；javascript:、file:、data: "
                                   "这样的协议会运行脚本、打开本地文件或显示链接里编造的页面。"),
                 QT_TRANSLATE_NOOP("RuleBook", "写成 https:// 开头的网址，或者留空。")};
    book << Rule{QStringLiteral("homepage-not-url"),
                 Severity::Warning,
                 QStringLiteral("homepage"),
                 RuleSubject::Texts,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "主页不像网址"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "没有协议的 www.example.org 在商店里当不了链接，点了也打不开。"),
                 QT_TRANSLATE_NOOP("RuleBook", "在前面加上 https://。")};
    book << Rule{
        QStringLiteral("description-short"),
        Severity::Info,
        QStringLiteral("description"),
        RuleSubject::Texts,
        QString::number(kShortDescription),
        QStringLiteral("columns"),
        QT_TRANSLATE_NOOP("RuleBook", "简介太短"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "只有一行又比这窄，或者和名字一样的简介，说的不比名字多；商店页面靠简介告"
                          "诉用户它能做什么（AppStream 的 description 也要求几句完整的话）。"),
        QT_TRANSLATE_NOOP("RuleBook", "写几句：它是做什么的、有什么特点。")};
    book << Rule{QStringLiteral("description-too-long"),
                 Severity::Info,
                 QStringLiteral("description"),
                 RuleSubject::Texts,
                 QString::number(kLongDescription),
                 QStringLiteral("columns"),
                 QT_TRANSLATE_NOOP("RuleBook", "简介太长"),
                 QT_TRANSLATE_NOOP("RuleBook", "比这宽的简介在商店页面上是一大堵字，用户读不完。"),
                 QT_TRANSLATE_NOOP("RuleBook", "挑重点写，细节放到主页上。")};
    book << Rule{QStringLiteral("description-placeholder"),
                 Severity::Warning,
                 QStringLiteral("description"),
                 RuleSubject::Texts,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "简介里还有占位的字"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "lorem ipsum、TODO、TBD、FIXME、coming "
                                   "soon、敬请期待、待补充、测试用，说明简介还没写完。"),
                 QT_TRANSLATE_NOOP("RuleBook", "写完简介再投。")};
    book << Rule{QStringLiteral("description-mixed-language"),
                 Severity::Info,
                 QStringLiteral("description"),
                 RuleSubject::Texts,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "简介混着两种文字"),
                 QT_TRANSLATE_NOOP("RuleBook", "有的行是界面语言的文字，有的不是，比如翻译了的概要"
                                               "下面是没翻译的正文；商店里会中英混杂。"),
                 QT_TRANSLATE_NOOP("RuleBook", "把那几行也翻译了，或者整段用一种语言。")};
    book << Rule{QStringLiteral("logo-missing"),
                 Severity::Error,
                 QStringLiteral("logo"),
                 RuleSubject::Pictures,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "Logo 文件不存在"),
                 QT_TRANSLATE_NOOP("RuleBook", "给的路径上没有文件，商店页面需要一个 Logo。"),
                 QT_TRANSLATE_NOOP("RuleBook", "检查路径有没有写错。")};
    book << Rule{QStringLiteral("logo-not-file"),
                 Severity::Error,
                 QStringLiteral("logo"),
                 RuleSubject::Pictures,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "Logo 不是普通文件"),
                 QT_TRANSLATE_NOOP("RuleBook", "路径指向的是文件夹、设备或者管道，不是图片文件。"),
                 QT_TRANSLATE_NOOP("RuleBook", "指向图片文件本身。")};
    book << Rule{
        QStringLiteral("logo-not-image"),
        Severity::Error,
        QStringLiteral("logo"),
        RuleSubject::Pictures,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "Logo 不是 PNG、JPEG 或 GIF 图片"),
        QT_TRANSLATE_NOOP("RuleBook", "按文件内容判断，不看扩展名；别的格式转不成商店要的 PNG。"),
        QT_TRANSLATE_NOOP("RuleBook", "把 Logo 导出成 PNG。")};
    book << Rule{
        QStringLiteral("logo-too-small"),
        Severity::Warning,
        QStringLiteral("logo"),
        RuleSubject::Pictures,
        sizeText(kLogoBox),
        QStringLiteral("px"),
        QT_TRANSLATE_NOOP("RuleBook", "Logo 太小"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "商店把 Logo 放进这么大的方框；两边都更小的会被放大，看起来发虚（Flathub "
                          "也要求至少这么大的图标）。"),
        QT_TRANSLATE_NOOP("RuleBook", "用更大的 Logo，最好是 SVG 导出的 256×256 PNG。")};
    book << Rule{QStringLiteral("logo-not-square"),
                 Severity::Warning,
                 QStringLiteral("logo"),
                 RuleSubject::Pictures,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "Logo 不是正方形"),
                 QT_TRANSLATE_NOOP("RuleBook", "放进正方形的框里会在两边留空，和别的应用的图标排在"
                                               "一起很显眼（图标主题和 Flathub 都要求正方形）。"),
                 QT_TRANSLATE_NOOP("RuleBook", "把 Logo 的画布裁成或扩成正方形。")};
    book << Rule{QStringLiteral("logo-mostly-empty"),
                 Severity::Warning,
                 QStringLiteral("logo"),
                 RuleSubject::Pictures,
                 percentText(kLogoVisible),
                 QStringLiteral("%"),
                 QT_TRANSLATE_NOOP("RuleBook", "Logo 大部分是透明的"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "不透明的像素（alpha ≥ 128）少于画布的 5% 时几乎看不见；少于 "
                                   "20% 时看起来是一个小点（此时只是提示）。"),
                 QT_TRANSLATE_NOOP("RuleBook", "裁掉透明的边，让图案占满画布。")};
    book << Rule{QStringLiteral("logo-in-companion"),
                 Severity::Info,
                 QStringLiteral("logo"),
                 RuleSubject::Pictures,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "图标可能在别的包里"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "桌面入口说的图标既不在安装包里，也不在给出的伴随包里；很多应"
                                   "用把图标放在 -data、-common 或图标主题包里。"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "把那个包放在安装包旁边或者作为伴随包给出，或者自己给 Logo。")};
    book << Rule{QStringLiteral("screenshot-missing"),
                 Severity::Error,
                 QStringLiteral("screenshots"),
                 RuleSubject::Pictures,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "截图文件不存在"),
                 QT_TRANSLATE_NOOP("RuleBook", "给的路径上没有文件，商店页面靠截图展示应用。"),
                 QT_TRANSLATE_NOOP("RuleBook", "检查路径有没有写错。")};
    book << Rule{QStringLiteral("screenshot-not-file"),
                 Severity::Error,
                 QStringLiteral("screenshots"),
                 RuleSubject::Pictures,
                 QString(),
                 QString(),
                 QT_TRANSLATE_NOOP("RuleBook", "截图不是普通文件"),
                 QT_TRANSLATE_NOOP("RuleBook", "路径指向的是文件夹、设备或者管道，不是图片文件。"),
                 QT_TRANSLATE_NOOP("RuleBook", "指向图片文件本身。")};
    book << Rule{
        QStringLiteral("screenshot-not-image"),
        Severity::Error,
        QStringLiteral("screenshots"),
        RuleSubject::Pictures,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "截图不是 PNG、JPEG 或 GIF 图片"),
        QT_TRANSLATE_NOOP("RuleBook", "按文件内容判断，不看扩展名；别的格式转不成商店要的 PNG。"),
        QT_TRANSLATE_NOOP("RuleBook", "把截图存成 PNG。")};
    book << Rule{QStringLiteral("screenshot-too-small"),
                 Severity::Warning,
                 QStringLiteral("screenshots"),
                 RuleSubject::Pictures,
                 sizeText(kScreenshotBox),
                 QStringLiteral("px"),
                 QT_TRANSLATE_NOOP("RuleBook", "截图太小"),
                 QT_TRANSLATE_NOOP("RuleBook", "商店把截图放进这么大的框；两边都更小的会被放大，看"
                                               "不清（AppStream 的截图准则也要求够大的截图）。"),
                 QT_TRANSLATE_NOOP("RuleBook", "截一张更大的窗口。")};
    book << Rule{
        QStringLiteral("screenshot-duplicate"),
        Severity::Warning,
        QStringLiteral("screenshots"),
        RuleSubject::Pictures,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "两张截图一模一样"),
        QT_TRANSLATE_NOOP("RuleBook", "同一个文件给了两次，商店页面上会出现两张一样的图。"),
        QT_TRANSLATE_NOOP("RuleBook", "去掉重复的那张，或者换一张别的截图。")};
    book << Rule{QStringLiteral("screenshot-near-duplicate"),
                 Severity::Warning,
                 QStringLiteral("screenshots"),
                 RuleSubject::Pictures,
                 QString::number(kNearDuplicateBits),
                 QStringLiteral("bits"),
                 QT_TRANSLATE_NOOP("RuleBook", "两张截图几乎一样"),
                 QT_TRANSLATE_NOOP(
                     "RuleBook",
                     "两张截图的 64 位差异哈希（9×8 的灰度）最多差这么多位，看起来是同一个画面。"),
                 QT_TRANSLATE_NOOP("RuleBook", "换一张展示别的功能的截图。")};
    book << Rule{QStringLiteral("screenshot-blank"),
                 Severity::Warning,
                 QStringLiteral("screenshots"),
                 RuleSubject::Pictures,
                 percentText(kBlankShare),
                 QStringLiteral("%"),
                 QT_TRANSLATE_NOOP("RuleBook", "截图几乎是一片纯色"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "缩小到 128×96 后这么多像素都在同一种颜色附近（每个通道相差不过 "
                                   "8），多半是截错了窗口或截到了加载中的画面。"),
                 QT_TRANSLATE_NOOP("RuleBook", "等应用显示出内容后重新截图。")};
    book << Rule{
        QStringLiteral("screenshot-transparent"),
        Severity::Info,
        QStringLiteral("screenshots"),
        RuleSubject::Pictures,
        percentText(kTransparentBand),
        QStringLiteral("%"),
        QT_TRANSLATE_NOOP("RuleBook", "截图边上有全透明的带"),
        QT_TRANSLATE_NOOP(
            "RuleBook",
            "带窗口阴影的截图边上是全透明的；至少占这条边这么多时，商店会把它显示成一条空带。"),
        QT_TRANSLATE_NOOP("RuleBook", "截图时不带阴影，或者把透明的边裁掉。")};
    book << Rule{
        QStringLiteral("screenshot-aspect"),
        Severity::Info,
        QStringLiteral("screenshots"),
        RuleSubject::Pictures,
        QString::number(kAspectTolerance),
        QStringLiteral("×"),
        QT_TRANSLATE_NOOP("RuleBook", "截图的比例和 4:3 差得远"),
        QT_TRANSLATE_NOOP("RuleBook",
                          "商店的截图框是 4:3；宽高比偏离超过这个倍数时，留的边比画面本身还宽。"),
        QT_TRANSLATE_NOOP("RuleBook", "截一个接近 4:3 的窗口。")};
    book << Rule{QStringLiteral("image-too-large"),
                 Severity::Error,
                 QString(),
                 RuleSubject::Pictures,
                 sizeText(QSize(kMaxPictureSide, kMaxPictureSide)),
                 QStringLiteral("px"),
                 QT_TRANSLATE_NOOP("RuleBook", "图片大得超过了能读的上限"),
                 QT_TRANSLATE_NOOP("RuleBook",
                                   "文件头说图片每边超过 16384 像素或一共超过 4000 "
                                   "万像素；这样的图片不解码，免得一张恶意图片吃光内存。"),
                 QT_TRANSLATE_NOOP("RuleBook", "把图片缩小后再用。")};
    book << Rule{
        QStringLiteral("image-animated"),
        Severity::Warning,
        QString(),
        RuleSubject::Pictures,
        QString(),
        QString(),
        QT_TRANSLATE_NOOP("RuleBook", "这是一张动图"),
        QT_TRANSLATE_NOOP("RuleBook", "商店只显示静态图片，动图（APNG 或 GIF）只会用它的第一帧。"),
        QT_TRANSLATE_NOOP("RuleBook", "换成一张能说明问题的静态图片。")};

    // The bundle's own rules (engine/bundlerules.cpp) follow here.
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
         QT_TRANSLATE_NOOP("RuleBook", "用 Plinvex 重新打包并压缩。")},
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
         QT_TRANSLATE_NOOP("RuleBook", "用 Plinvex 重新打包并压缩。")},
        {QStringLiteral("bundle-parent-path"), Severity::Error, bundle, RuleSubject::Bundle,
         QStringLiteral(""), QStringLiteral(""), QT_TRANSLATE_NOOP("RuleBook", "成员路径里有 .."),
         QT_TRANSLATE_NOOP("RuleBook", "路径里的 .. 会让解压写到提交文件夹的外面。"),
         QT_TRANSLATE_NOOP("RuleBook", "用 Plinvex 重新打包并压缩。")},
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
         QT_TRANSLATE_NOOP("RuleBook", "用 Plinvex 重新打包并压缩。")},
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
