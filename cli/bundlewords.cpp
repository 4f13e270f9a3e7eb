// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/bundlewords.h"

#include <QCoreApplication>
#include <QHash>

namespace {

const QHash<QString, const char *> &wordSources()
{
    static const QHash<QString, const char *> sources = {
        {QStringLiteral("bundle-archive-unreadable"),
         QT_TRANSLATE_NOOP("CommandLine", "压缩包读不下去：不是完整的 gzip 压缩 tar 包")},
        {QStringLiteral("bundle-too-large"),
         QT_TRANSLATE_NOOP("CommandLine", "压缩包太大了：%1 字节，最多 %2 字节")},
        {QStringLiteral("bundle-inflated"),
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "解压后的内容超过了压缩包的 %1 倍（且超过 %2 MiB），像是压缩炸弹，没有再读下去")},
        {QStringLiteral("bundle-too-many-members"),
         QT_TRANSLATE_NOOP("CommandLine", "成员太多，超过 %1 个，后面的没有再读")},
        {QStringLiteral("bundle-bad-name"),
         QT_TRANSLATE_NOOP("CommandLine", "成员名不是有效的 UTF-8，或含有控制字符")},
        {QStringLiteral("bundle-absolute-path"),
         QT_TRANSLATE_NOOP("CommandLine", "成员用的是绝对路径，解压时会写到文件夹外面")},
        {QStringLiteral("bundle-parent-path"),
         QT_TRANSLATE_NOOP("CommandLine", "成员路径里有 ..，解压时会跑到文件夹外面")},
        {QStringLiteral("bundle-not-one-folder"),
         QT_TRANSLATE_NOOP("CommandLine", "这个成员不在唯一的顶层文件夹里")},
        {QStringLiteral("bundle-link"),
         QT_TRANSLATE_NOOP("CommandLine", "这个成员是链接，指向 %1")},
        {QStringLiteral("bundle-special-file"),
         QT_TRANSLATE_NOOP("CommandLine", "这个成员不是普通文件（设备、管道、套接字或稀疏文件）")},
        {QStringLiteral("bundle-member-repeated"),
         QT_TRANSLATE_NOOP("CommandLine", "这个成员在压缩包里出现了不止一次")},
        {QStringLiteral("bundle-package-too-large"),
         QT_TRANSLATE_NOOP("CommandLine", "包里的安装包超过 %1 字节，没有读")},
        {QStringLiteral("bundle-member-missing"), QT_TRANSLATE_NOOP("CommandLine", "缺少 %1")},
        {QStringLiteral("bundle-screenshot-gap"),
         QT_TRANSLATE_NOOP("CommandLine", "截图编号不连续：缺少第 %1 张")},
        {QStringLiteral("bundle-member-forbidden"),
         QT_TRANSLATE_NOOP("CommandLine", "这个成员不该在提交里：%1")},
        {QStringLiteral("bundle-member-unexpected"),
         QT_TRANSLATE_NOOP("CommandLine", "这个成员不属于提交")},
        {QStringLiteral("bundle-control-too-large"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 超过 %1 字节，没有读")},
        {QStringLiteral("bundle-control-not-utf8"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 不是有效的 UTF-8")},
        {QStringLiteral("bundle-control-not-json"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 不是有效的 JSON")},
        {QStringLiteral("bundle-control-not-object"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 不是一个 JSON 对象")},
        {QStringLiteral("bundle-control-second-object"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的第一个对象后面还接着第二个对象")},
        {QStringLiteral("bundle-key-missing"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 缺少 %1")},
        {QStringLiteral("bundle-key-unknown"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 有多余的键 %1")},
        {QStringLiteral("bundle-key-repeated"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的 %1 出现了不止一次")},
        {QStringLiteral("bundle-key-not-string"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的 %1 不是字符串")},
        {QStringLiteral("bundle-pkgname-mismatch"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的 Pkgname 是 %1，安装包自己的包名是 %2")},
        {QStringLiteral("bundle-version-mismatch"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的 Version 是 %1，安装包自己的版本是 %2")},
        {QStringLiteral("bundle-filename-mismatch"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的 Filename 是 %1，包里的安装包是 %2")},
        {QStringLiteral("bundle-size-mismatch"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的 Size 是 %1，按安装包的大小应该是 %2")},
        {QStringLiteral("bundle-update-invalid"),
         QT_TRANSLATE_NOOP("CommandLine",
                           "app.json 的 Update 不是 yyyy-MM-dd hh:mm 格式的有效时间：%1")},
        {QStringLiteral("bundle-update-future"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的 Update 在将来：%1")},
        {QStringLiteral("bundle-blank-wrong"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的 %1 空着，应该写成一个空格")},
        {QStringLiteral("bundle-more-lines"),
         QT_TRANSLATE_NOOP("CommandLine", "app.json 的 More 不止一行")},
        {QStringLiteral("bundle-picture-not-png"),
         QT_TRANSLATE_NOOP("CommandLine", "这不是一张真正的 PNG 图片")},
        {QStringLiteral("bundle-picture-too-large"),
         QT_TRANSLATE_NOOP("CommandLine", "图片是 %1×%2，超出了 %3×%4")},
        {QStringLiteral("bundle-picture-animated"),
         QT_TRANSLATE_NOOP("CommandLine", "图片是动画（APNG）")},
        {QStringLiteral("bundle-picture-private"),
         QT_TRANSLATE_NOOP("CommandLine", "图片里带有可能泄露隐私的块：%1")},
    };
    return sources;
}

} // namespace

const char *bundleFindingWordSource(const QString &tag)
{
    return wordSources().value(tag);
}
