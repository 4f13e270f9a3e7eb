// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/findingwords.h"

#include "cli/bundlewords.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The command line's words for each tag whose params go into its %1, %2…
// in order; the other tags are worded below.
struct Words
{
    const char *tag;
    const char *source;
};

const Words kWords[] = {
    {"package-missing", QT_TRANSLATE_NOOP("CommandLine", "这是个不存在的文件啊喂！ %1")},
    {"package-not-file", QT_TRANSLATE_NOOP("CommandLine", "这不是一个普通的文件哦，用不了呢～ %1")},
    {"package-unreadable",
     QT_TRANSLATE_NOOP("CommandLine", "这不是一个读得懂的 Debian 安装包：%1")},
    {"package-corrupt", QT_TRANSLATE_NOOP("CommandLine", "安装包不完整或者坏了，读不到结尾：%1")},
    {"package-not-application",
     QT_TRANSLATE_NOOP("CommandLine", "安装包里既没有应用的桌面入口，也没有应用的 AppStream 信息，"
                                      "它不像是一个应用（插件或者库？）")},
    {"desktop-entry-guessed",
     QT_TRANSLATE_NOOP("CommandLine", "安装包有好几个桌面入口，没有哪个点明是主程序，用了 %1")},
    {"earlier-bundle-unread",
     QT_TRANSLATE_NOOP("CommandLine",
                       "桌面上早先那份的 app.json 太大了，没有读，什么也没从里面填：%1")},
    {"filename-escaped",
     QT_TRANSLATE_NOOP("CommandLine", "安装包的文件名里有网址转义 %1，商店会原样显示：%2")},
    {"pkgname-not-folder-name",
     QT_TRANSLATE_NOOP("CommandLine", "包名不能包含斜杠，也不能是.或..哦～ %1")},
    {"pkgname-not-debian",
     QT_TRANSLATE_NOOP("CommandLine", "这个包名不合 Debian 的写法（小写字母、数字和 + - "
                                      ".，至少两个字符，以字母或数字开头）：%1")},
    {"pkgname-differs", QT_TRANSLATE_NOOP("CommandLine", "给的包名 %1 和安装包自己的 %2 不一样")},
    {"version-invalid", QT_TRANSLATE_NOOP("CommandLine", "dpkg 不认这个版本号：%1（%2）")},
    {"version-dubious", QT_TRANSLATE_NOOP("CommandLine", "dpkg 会对这个版本号发出警告：%1（%2）")},
    {"version-differs", QT_TRANSLATE_NOOP("CommandLine", "给的版本号 %1 和安装包自己的 %2 不一样")},
    {"version-differs-appstream",
     QT_TRANSLATE_NOOP("CommandLine", "上游版本 %1 不是 AppStream 里最新的发布 %2")},
    {"version-prerelease", QT_TRANSLATE_NOOP("CommandLine", "这是一个预发布版本：%1")},
    {"name-too-long",
     QT_TRANSLATE_NOOP("CommandLine", "名字有 %1 列宽，商店的列表里超过 %2 列就显示不全了")},
    {"name-end-punctuation", QT_TRANSLATE_NOOP("CommandLine", "名字最后不用加标点：%1")},
    {"name-has-tagline",
     QT_TRANSLATE_NOOP("CommandLine", "名字里好像带了一句口号，放到简介里更好：%1")},
    {"homepage-scheme",
     QT_TRANSLATE_NOOP("CommandLine", "主页只能是 http 或 https 网址，别的协议会被商店当成"
                                      "链接打开：%1")},
    {"homepage-not-url", QT_TRANSLATE_NOOP("CommandLine", "主页不是 http(s) 网址：%1")},
    {"description-short", QT_TRANSLATE_NOOP("CommandLine", "简介只有短短一行，多写几句吧～")},
    {"description-too-long",
     QT_TRANSLATE_NOOP("CommandLine", "简介有 %1 列宽，超过了 %2，挑重点写吧～")},
    {"description-placeholder",
     QT_TRANSLATE_NOOP("CommandLine", "简介里还有占位的字（TODO、敬请期待之类），写完再投吧")},
    {"description-mixed-language",
     QT_TRANSLATE_NOOP("CommandLine",
                       "简介第 %1 行的文字和其余的不是同一种，可能缺了翻译，商店里会中英混杂")},
    {"logo-missing", QT_TRANSLATE_NOOP("CommandLine", "这是个不存在的文件啊喂！ %1")},
    {"logo-not-file", QT_TRANSLATE_NOOP("CommandLine", "这不是一个普通的文件哦，用不了呢～ %1")},
    {"logo-not-image", QT_TRANSLATE_NOOP("CommandLine", "这不是 PNG、JPEG 或 GIF 图片：%1")},
    {"logo-too-small", QT_TRANSLATE_NOOP("CommandLine", "Logo 只有 %1×%2，会被放大到 128×128：%3")},
    {"logo-not-square",
     QT_TRANSLATE_NOOP("CommandLine", "Logo 不是正方形（%1×%2），放进 128×128 会留边：%3")},
    {"screenshot-missing", QT_TRANSLATE_NOOP("CommandLine", "这是个不存在的文件啊喂！ %1")},
    {"screenshot-not-file",
     QT_TRANSLATE_NOOP("CommandLine", "这不是一个普通的文件哦，用不了呢～ %1")},
    {"screenshot-not-image", QT_TRANSLATE_NOOP("CommandLine", "这不是 PNG、JPEG 或 GIF 图片：%1")},
    {"screenshot-too-small",
     QT_TRANSLATE_NOOP("CommandLine", "截图只有 %1×%2，会被放大到 400×300：%3")},
    {"screenshot-duplicate", QT_TRANSLATE_NOOP("CommandLine", "这张截图和第 %1 张一模一样：%2")},
    {"screenshot-near-duplicate",
     QT_TRANSLATE_NOOP("CommandLine", "这张截图和第 %1 张几乎一样：%2")},
    {"screenshot-blank",
     QT_TRANSLATE_NOOP("CommandLine", "这张截图几乎是一片纯色（%1），是不是截错了：%2")},
    {"screenshot-transparent",
     QT_TRANSLATE_NOOP("CommandLine",
                       "截图边上有 %1 像素宽的全透明边，商店会把它显示成一条空带：%2")},
    {"screenshot-aspect",
     QT_TRANSLATE_NOOP("CommandLine", "截图是 %1×%2，和 4:3 的框差得远，会留很宽的边：%3")},
    {"image-too-large",
     QT_TRANSLATE_NOOP("CommandLine", "图片有 %1×%2 这么大，超过了能读的上限（每边 %3 "
                                      "像素，一共 %4 像素）：%5")},
    {"image-animated", QT_TRANSLATE_NOOP("CommandLine", "这是一张动图，只会用它的第一帧：%1")},
};

// The words of the tags worded below, with the sources of their parts.
const Words kOtherWords[] = {
    {"bundle-member-forbidden", QT_TRANSLATE_NOOP("CommandLine", "多出来的一个安装包")},
    {"bundle-member-forbidden", QT_TRANSLATE_NOOP("CommandLine", "一个可执行的程序")},
    {"package-metadata-unreadable",
     QT_TRANSLATE_NOOP("CommandLine", "没能读出安装包自己的信息（%1），什么也没从里面填")},
    {"package-metadata-unreadable", QT_TRANSLATE_NOOP("CommandLine", "没有装 plinvex-reader")},
    {"package-metadata-unreadable", QT_TRANSLATE_NOOP("CommandLine", "读取程序启动不了")},
    {"package-metadata-unreadable", QT_TRANSLATE_NOOP("CommandLine", "读取程序因信号 %1 中止")},
    {"package-metadata-unreadable", QT_TRANSLATE_NOOP("CommandLine", "读取超时")},
    {"package-metadata-unreadable", QT_TRANSLATE_NOOP("CommandLine", "读取程序输出太多")},
    {"package-metadata-unreadable", QT_TRANSLATE_NOOP("CommandLine", "读取程序以状态 %1 结束")},
    {"package-metadata-unreadable", QT_TRANSLATE_NOOP("CommandLine", "读取程序的回答看不懂")},
    {"reader-unconfined",
     QT_TRANSLATE_NOOP("CommandLine",
                       "读安装包的程序没能把自己关起来（%1），包里的内容是在没有这层防护时读的")},
    {"reader-unconfined", QT_TRANSLATE_NOOP("CommandLine", "自检没有结果")},
    {"reader-unconfined", QT_TRANSLATE_NOOP("CommandLine", "%1 没被拦住")},
    {"package-text-nul",
     QT_TRANSLATE_NOOP("CommandLine",
                       "安装包里的文本文件含有 NUL 字节，从中读到的内容可能不对：%1")},
    {"hidden-character",
     QT_TRANSLATE_NOOP("CommandLine",
                       "这里有一个看不见的字符 %1，它会让商店和终端显示出别的样子，删掉它吧")},
    {"required-empty", QT_TRANSLATE_NOOP("CommandLine", "这一项不能空着，用 %1 填上吧～")},
    {"pkgname-unreadable",
     QT_TRANSLATE_NOOP("CommandLine", "读不出安装包的这一项，用 %1 填上吧～")},
    {"version-unreadable",
     QT_TRANSLATE_NOOP("CommandLine", "读不出安装包的这一项，用 %1 填上吧～")},
    {"logo-mostly-empty",
     QT_TRANSLATE_NOOP("CommandLine", "Logo 不透明的部分只占画布的 %1，几乎看不见：%2")},
    {"logo-mostly-empty",
     QT_TRANSLATE_NOOP("CommandLine", "Logo 不透明的部分只占画布的 %1，看起来会很小：%2")},
    {"logo-in-companion",
     QT_TRANSLATE_NOOP("CommandLine", "安装包里没有它的图标 %1；可能在 %2 里，"
                                      "放在安装包旁边或者用 --companion 指给我")},
    {"logo-in-companion", QT_TRANSLATE_NOOP("CommandLine", "它依赖的包或者图标主题包")},
};

QString said(const char *source)
{
    return QCoreApplication::translate("CommandLine", source);
}

// The text with %1, %2… replaced by the params in one pass, so a param that
// itself holds "%2" stays as it is.
QString filled(const QString &text, const QStringList &params)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size() && text.at(i + 1).isDigit()) {
            const int n = text.at(i + 1).digitValue();
            if (n >= 1 && n <= params.size()) {
                out += params.at(n - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString param(const Finding &finding, int i)
{
    return finding.params.value(i);
}

// The option that gives the value of a field.
QString optionOf(const QString &field)
{
    static const QHash<QString, QString> options = {
        {QStringLiteral("screenshots"), QStringLiteral("--screenshot")},
    };
    return options.value(field, QStringLiteral("--") + field);
}

// What kept the confined reader from answering, in a few words.
QString readerProblemWords(const QString &key, const QString &detail)
{
    if (key == QLatin1String("missing"))
        return said("没有装 plinvex-reader");
    if (key == QLatin1String("not-started"))
        return said("读取程序启动不了");
    if (key == QLatin1String("crashed"))
        return filled(said("读取程序因信号 %1 中止"), {detail});
    if (key == QLatin1String("timed-out"))
        return said("读取超时");
    if (key == QLatin1String("too-much-output"))
        return said("读取程序输出太多");
    if (key == QLatin1String("failed"))
        return filled(said("读取程序以状态 %1 结束"), {detail});
    return said("读取程序的回答看不懂");
}

// What of the reader's confinement did not hold: the two guards by name,
// each attempt that got through as such.
QString unconfinedWords(const QStringList &parts)
{
    if (parts.isEmpty())
        return said("自检没有结果");
    QStringList words;
    for (const QString &part : parts) {
        if (part == QLatin1String("Landlock") || part == QLatin1String("seccomp"))
            words << part;
        else
            words << filled(said("%1 没被拦住"), {part});
    }
    return words.join(QStringLiteral(", "));
}

} // namespace

QString commandLineWords(const Finding &finding)
{
    static const QHash<QString, const char *> plain = [] {
        QHash<QString, const char *> sources;
        for (const Words &words : kWords)
            sources.insert(QLatin1String(words.tag), words.source);
        return sources;
    }();
    const QString &tag = finding.tag;
    const auto found = plain.constFind(tag);
    if (found != plain.cend())
        return filled(said(*found), finding.params);
    if (tag == QLatin1String("package-metadata-unreadable"))
        return filled(said("没能读出安装包自己的信息（%1），什么也没从里面填"),
                      {readerProblemWords(param(finding, 0), param(finding, 1))});
    if (tag == QLatin1String("reader-unconfined"))
        return filled(
            said("读安装包的程序没能把自己关起来（%1），包里的内容是在没有这层防护时读的"),
            {unconfinedWords(finding.params)});
    if (tag == QLatin1String("package-text-nul"))
        return filled(said("安装包里的文本文件含有 NUL 字节，从中读到的内容可能不对：%1"),
                      {finding.params.join(QStringLiteral(", "))});
    if (tag == QLatin1String("hidden-character")) {
        QString words =
            filled(said("这里有一个看不见的字符 %1，它会让商店和终端显示出别的样子，删掉它吧"),
                   {param(finding, 0)});
        // The value itself, when it is one line, escaped so that the
        // character cannot act on the terminal.
        if (finding.params.size() > 1)
            words += QStringLiteral("：") + printable(param(finding, 1));
        return words;
    }
    if (tag == QLatin1String("required-empty"))
        return filled(said("这一项不能空着，用 %1 填上吧～"), {optionOf(finding.field)});
    if (tag == QLatin1String("pkgname-unreadable") || tag == QLatin1String("version-unreadable"))
        return filled(said("读不出安装包的这一项，用 %1 填上吧～"), {optionOf(finding.field)});
    if (tag == QLatin1String("logo-mostly-empty"))
        return filled(finding.severity == Severity::Info
                          ? said("Logo 不透明的部分只占画布的 %1，看起来会很小：%2")
                          : said("Logo 不透明的部分只占画布的 %1，几乎看不见：%2"),
                      finding.params);
    if (tag == QLatin1String("logo-in-companion")) {
        const QString companions = param(finding, 1);
        return filled(said("安装包里没有它的图标 %1；可能在 %2 里，"
                           "放在安装包旁边或者用 --companion 指给我"),
                      {param(finding, 0),
                       companions.isEmpty() ? said("它依赖的包或者图标主题包") : companions});
    }
    // A bundle's member names and values come from strangers: shown as a
    // terminal may show them.
    if (const char *bundle = bundleFindingWordSource(tag)) {
        QStringList shown;
        for (const QString &value : finding.params)
            shown << printable(value);
        // What kind of member it is, said in words rather than by its key.
        if (tag == QLatin1String("bundle-member-forbidden"))
            shown = QStringList{param(finding, 0) == QLatin1String("package")
                                    ? said("多出来的一个安装包")
                                    : said("一个可执行的程序")};
        return filled(said(bundle), shown);
    }
    // A tag these words do not know yet (a newer rule): its tag and facts.
    return tag + (finding.params.isEmpty()
                      ? QString()
                      : QStringLiteral(": ") + finding.params.join(QStringLiteral(", ")));
}

QStringList commandLineWordSources(const QString &tag)
{
    QStringList sources;
    for (const Words &words : kWords) {
        if (tag == QLatin1String(words.tag))
            sources << QString::fromUtf8(words.source);
    }
    for (const Words &words : kOtherWords) {
        if (tag == QLatin1String(words.tag))
            sources << QString::fromUtf8(words.source);
    }
    if (const char *bundle = bundleFindingWordSource(tag))
        sources << QString::fromUtf8(bundle);
    return sources;
}
