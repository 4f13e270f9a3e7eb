// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/findingwords.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The finding's `i`th parameter; empty where the engine gave fewer.
QString param(const Finding &finding, int i)
{
    return finding.params.value(i);
}

// A picture's size from its width and height parameters, or as measured.
QString sizeOf(const Finding &finding, int i)
{
    const QString width = param(finding, i);
    const QString height = param(finding, i + 1);
    if (width.isEmpty() || height.isEmpty())
        return finding.measured;
    return width + QStringLiteral("×") + height;
}

// A number of the finding: its parameter, or the measure it reports.
QString numberOf(const Finding &finding, int i, const QString &reported)
{
    const QString given = param(finding, i);
    return given.isEmpty() ? reported : given;
}

QString readerProblemWords(const Finding &finding)
{
    QString key = param(finding, 0);
    const QString detail = param(finding, 1);
    if (key == QLatin1String("missing"))
        return QCoreApplication::translate("FindingsList", "没有装 plinvex-reader");
    if (key == QLatin1String("not-started"))
        return QCoreApplication::translate("FindingsList", "读取程序启动不了");
    if (key == QLatin1String("crashed"))
        return QCoreApplication::translate("FindingsList", "读取程序因信号 %1 中止").arg(detail);
    if (key == QLatin1String("timed-out"))
        return QCoreApplication::translate("FindingsList", "读取超时");
    if (key == QLatin1String("too-much-output"))
        return QCoreApplication::translate("FindingsList", "读取程序输出太多");
    if (key == QLatin1String("failed"))
        return QCoreApplication::translate("FindingsList", "读取程序以状态 %1 结束").arg(detail);
    if (key == QLatin1String("bad-answer"))
        return QCoreApplication::translate("FindingsList", "读取程序的回答看不懂");
    return key;
}

QString unconfinedWords(const Finding &finding)
{
    if (finding.params.isEmpty())
        return QCoreApplication::translate("FindingsList", "自检没有结果");
    QStringList missing;
    for (const QString &item : finding.params) {
        if (item == QLatin1String("Landlock") || item == QLatin1String("seccomp"))
            missing << item;
        else
            missing << QCoreApplication::translate("FindingsList", "%1 没被拦住").arg(item);
    }
    return missing.join(QStringLiteral(", "));
}

QString requiredEmptyWords(const Finding &finding)
{
    const QString label = formLabel(finding.field);
    if (finding.field == QLatin1String("logo"))
        return QCoreApplication::translate("FindingsList", "还没有选%1").arg(label);
    if (finding.field == QLatin1String("screenshots"))
        return QCoreApplication::translate("FindingsList", "%1里还一张截图也没有").arg(label);
    return QCoreApplication::translate("FindingsList", "%1还空着").arg(label);
}

QString hiddenCharacterWords(const Finding &finding)
{
    const QString label = formLabel(finding.field);
    const QString character = numberOf(finding, 0, finding.measured);
    const QString value = param(finding, 1);
    if (value.isEmpty())
        return QCoreApplication::translate(
                   "FindingsList", "%1里有一个看不见的字符 %2，它会让商店显示出别的样子，删掉它吧")
            .arg(label, character);
    return QCoreApplication::translate(
               "FindingsList", "%1里有一个看不见的字符 %2，它会让商店显示出别的样子，删掉它吧：%3")
        .arg(label, character, value);
}

using Words = QString (*)(const Finding &);

// A finding's words by its tag. Each says what is wrong where the packager
// sees it: the field by the form's label, the value or file it is about at
// the end, where a long path may wrap.
const QHash<QString, Words> &wordsByTag()
{
    static const QHash<QString, Words> words = {
        {QStringLiteral("package-missing"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "%1里的这个文件不存在：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("package-not-file"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里的这个不是普通的文件，用不了：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("package-unreadable"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里的这个不是读得懂的 Debian 安装包：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("package-corrupt"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里的安装包不完整或者坏了，读不到结尾：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("package-metadata-unreadable"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList", "没能读出安装包自己的信息（%1），表格里什么也没替你填")
                 .arg(readerProblemWords(f));
         }},
        {QStringLiteral("package-not-application"),
         [](const Finding &) {
             return QCoreApplication::translate(
                 "FindingsList", "安装包里既没有应用的桌面入口，也没有应用的 AppStream "
                                 "信息，它不像是一个应用（插件或者库？）");
         }},
        {QStringLiteral("reader-unconfined"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList",
                        "读安装包的程序没能把自己关起来（%1），包里的内容是在没有这层防护时读的")
                 .arg(unconfinedWords(f));
         }},
        {QStringLiteral("package-text-nul"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList",
                        "安装包里的文本文件含有 NUL 字节，从中读到的内容可能不对：%1")
                 .arg(f.params.join(QStringLiteral(", ")));
         }},
        {QStringLiteral("desktop-entry-guessed"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList", "安装包有好几个桌面入口，没有哪个点明是主程序，用了 %1")
                 .arg(param(f, 0));
         }},
        {QStringLiteral("earlier-bundle-unread"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList",
                        "桌面上早先那份的 app.json 太大了，没有读，表格里什么也没从里面填：%1")
                 .arg(param(f, 0));
         }},
        {QStringLiteral("filename-escaped"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1的文件名里有网址转义 %2，商店会原样显示：%3")
                 .arg(formLabel(f.field), param(f, 0), param(f, 1));
         }},
        {QStringLiteral("pkgname-unreadable"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "安装包里读不出%1，在%1这一栏填上吧")
                 .arg(formLabel(f.field));
         }},
        {QStringLiteral("pkgname-not-folder-name"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "%1不能包含斜杠，也不能是.或..：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("pkgname-not-debian"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1不合 Debian 的写法（小写字母、数字和 + - "
                                                ".，至少两个字符，以字母或数字开头）：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("pkgname-differs"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里填的 %2 和安装包自己的 %3 不一样")
                 .arg(formLabel(f.field), param(f, 0), param(f, 1));
         }},
        {QStringLiteral("version-unreadable"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "安装包里读不出%1，在%1这一栏填上吧")
                 .arg(formLabel(f.field));
         }},
        {QStringLiteral("version-invalid"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "dpkg 不认这个%1：%2（%3）")
                 .arg(formLabel(f.field), param(f, 0), param(f, 1));
         }},
        {QStringLiteral("version-dubious"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "dpkg 会对这个%1发出警告：%2（%3）")
                 .arg(formLabel(f.field), param(f, 0), param(f, 1));
         }},
        {QStringLiteral("version-differs"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里填的 %2 和安装包自己的 %3 不一样")
                 .arg(formLabel(f.field), param(f, 0), param(f, 1));
         }},
        {QStringLiteral("version-differs-appstream"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1的上游部分 %2 不是 AppStream 里最新的发布 %3")
                 .arg(formLabel(f.field), numberOf(f, 0, f.measured), numberOf(f, 1, f.limit));
         }},
        {QStringLiteral("version-prerelease"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "%1是一个预发布版本：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("hidden-character"), hiddenCharacterWords},
        {QStringLiteral("required-empty"), requiredEmptyWords},
        {QStringLiteral("name-too-long"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1有 %2 列宽，商店的列表里超过 %3 列就显示不全了")
                 .arg(formLabel(f.field), numberOf(f, 0, f.measured), numberOf(f, 1, f.limit));
         }},
        {QStringLiteral("name-end-punctuation"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "%1最后不用加标点：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("name-has-tagline"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里好像带了一句口号，放到%2里更好：%3")
                 .arg(formLabel(f.field), formLabel(QStringLiteral("description")), param(f, 0));
         }},
        {QStringLiteral("homepage-scheme"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList",
                        "%1只能是 http 或 https 网址，别的协议会被商店当成链接打开：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("homepage-not-url"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "%1不是 http(s) 网址：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("description-short"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "%1只有短短一行，多写几句吧～")
                 .arg(formLabel(f.field));
         }},
        {QStringLiteral("description-too-long"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1有 %2 列宽，超过了 %3，挑重点写吧～")
                 .arg(formLabel(f.field), numberOf(f, 0, f.measured), numberOf(f, 1, f.limit));
         }},
        {QStringLiteral("description-placeholder"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList", "%1里还有占位的字（TODO、敬请期待之类），写完再投吧")
                 .arg(formLabel(f.field));
         }},
        {QStringLiteral("description-mixed-language"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList",
                        "%1第 %2 行的文字和其余的不是同一种，可能缺了翻译，商店里会中英混杂")
                 .arg(formLabel(f.field), numberOf(f, 0, f.measured));
         }},
        {QStringLiteral("logo-missing"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "%1里的这个文件不存在：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("logo-not-file"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里的这个不是普通的文件，用不了：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("logo-not-image"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里的这个不是 PNG、JPEG 或 GIF 图片：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("logo-too-small"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "%1只有 %2，会被放大到 %3：%4")
                 .arg(formLabel(f.field), sizeOf(f, 0), f.limit, param(f, 2));
         }},
        {QStringLiteral("logo-not-square"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1不是正方形（%2），放进商店的方框会留边：%3")
                 .arg(formLabel(f.field), sizeOf(f, 0), param(f, 2));
         }},
        {QStringLiteral("logo-mostly-empty"),
         [](const Finding &f) {
             const QString share = numberOf(f, 0, f.measured);
             if (f.severity == Severity::Info)
                 return QCoreApplication::translate("FindingsList",
                                                    "%1不透明的部分只占画布的 %2，看起来会很小：%3")
                     .arg(formLabel(f.field), share, param(f, 1));
             return QCoreApplication::translate("FindingsList",
                                                "%1不透明的部分只占画布的 %2，几乎看不见：%3")
                 .arg(formLabel(f.field), share, param(f, 1));
         }},
        {QStringLiteral("logo-in-companion"),
         [](const Finding &f) {
             const QString companions =
                 param(f, 1).isEmpty()
                     ? QCoreApplication::translate("FindingsList", "它依赖的包或者图标主题包")
                     : param(f, 1);
             return QCoreApplication::translate(
                        "FindingsList",
                        "安装包里没有它的图标 %1；可能在 %2 里，放在安装包旁边再选一次安装包，"
                        "或者自己选一个%3")
                 .arg(param(f, 0), companions, formLabel(f.field));
         }},
        {QStringLiteral("screenshot-missing"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "%1里的这个文件不存在：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("screenshot-not-file"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里的这个不是普通的文件，用不了：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("screenshot-not-image"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里的这个不是 PNG、JPEG 或 GIF 图片：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
        {QStringLiteral("screenshot-too-small"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "这张截图只有 %1，会被放大到 %2：%3")
                 .arg(sizeOf(f, 0), f.limit, param(f, 2));
         }},
        {QStringLiteral("screenshot-duplicate"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "这张截图和第 %1 张一模一样：%2")
                 .arg(param(f, 0), param(f, 1));
         }},
        {QStringLiteral("screenshot-near-duplicate"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList", "这张截图和第 %1 张几乎一样：%2")
                 .arg(param(f, 0), param(f, 1));
         }},
        {QStringLiteral("screenshot-blank"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "这张截图几乎是一片纯色（%1），是不是截错了：%2")
                 .arg(numberOf(f, 0, f.measured), param(f, 1));
         }},
        {QStringLiteral("screenshot-transparent"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList",
                        "这张截图边上有 %1 像素宽的全透明边，商店会把它显示成一条空带：%2")
                 .arg(param(f, 0), param(f, 1));
         }},
        {QStringLiteral("screenshot-aspect"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList", "这张截图是 %1，和 4:3 的框差得远，会留很宽的边：%2")
                 .arg(sizeOf(f, 0), param(f, 2));
         }},
        {QStringLiteral("image-too-large"),
         [](const Finding &f) {
             return QCoreApplication::translate(
                        "FindingsList",
                        "%1里的这张图片有 %2 这么大，超过了能读的上限（每边 %3 像素，一共 %4 "
                        "像素）：%5")
                 .arg(formLabel(f.field), sizeOf(f, 0), param(f, 2), param(f, 3), param(f, 4));
         }},
        {QStringLiteral("image-animated"),
         [](const Finding &f) {
             return QCoreApplication::translate("FindingsList",
                                                "%1里的这张是动图，只会用它的第一帧：%2")
                 .arg(formLabel(f.field), param(f, 0));
         }},
    };
    return words;
}

} // namespace

QString formLabel(const QString &field)
{
    // The labels as the form shows them, in its own translation context.
    static const QHash<QString, const char *> labels = {
        {QStringLiteral("package"), QT_TRANSLATE_NOOP("MainWindow", "deb位置")},
        {QStringLiteral("name"), QT_TRANSLATE_NOOP("MainWindow", "应用名称")},
        {QStringLiteral("pkgname"), QT_TRANSLATE_NOOP("MainWindow", "包名")},
        {QStringLiteral("version"), QT_TRANSLATE_NOOP("MainWindow", "版本")},
        {QStringLiteral("author"), QT_TRANSLATE_NOOP("MainWindow", "作者")},
        {QStringLiteral("homepage"), QT_TRANSLATE_NOOP("MainWindow", "主页")},
        {QStringLiteral("contributor"), QT_TRANSLATE_NOOP("MainWindow", "打包者")},
        {QStringLiteral("description"), QT_TRANSLATE_NOOP("MainWindow", "介绍信息")},
        {QStringLiteral("logo"), QT_TRANSLATE_NOOP("MainWindow", "Logo图标")},
        {QStringLiteral("screenshots"), QT_TRANSLATE_NOOP("MainWindow", "截图文件")},
        {QStringLiteral("screenshot"), QT_TRANSLATE_NOOP("MainWindow", "截图文件")},
    };
    const char *label = labels.value(field);
    return label ? QCoreApplication::translate("MainWindow", label) : QString();
}

QString windowWords(const Finding &finding)
{
    const Words words = wordsByTag().value(finding.tag);
    if (words)
        return words(finding);
    // A tag newer than these words: the facts as they are.
    return QStringList(QStringList{finding.tag} + finding.params).join(QStringLiteral(" "));
}
