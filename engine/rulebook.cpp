// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/rulebook.h"

#include "engine/checklimits.h"

#include <QCoreApplication>
#include <QHash>

namespace {

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
