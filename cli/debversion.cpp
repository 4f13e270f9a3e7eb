// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/debversion.h"

#include <QCoreApplication>

#include <climits>

namespace {

VersionVerdict verdict(VersionVerdict::Kind kind, const char *reason)
{
    return {kind, QCoreApplication::translate("CommandLine", reason)};
}

// dpkg compares bytes, so only ASCII letters and digits count as such.
bool isAsciiAlnum(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool onlyAllowed(const QString &part, const QString &punctuation)
{
    for (const QChar c : part) {
        if (!isAsciiAlnum(c) && !punctuation.contains(c))
            return false;
    }
    return true;
}

} // namespace

// The tests follow dpkg's order, except that a character deb-version(7)
// forbids is an error even where dpkg's lax reading would only warn.
VersionVerdict checkDebVersion(const QString &version)
{
    // dpkg drops blanks around the version before anything else.
    const QString text = version.trimmed();
    if (text.isEmpty())
        return verdict(VersionVerdict::Invalid, QT_TRANSLATE_NOOP("CommandLine", "版本号是空的"));
    for (const QChar c : text) {
        if (c.isSpace())
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("CommandLine", "版本号中间有空白"));
    }
    QString rest = text;
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        const QString epoch = text.left(colon);
        if (epoch.isEmpty())
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("CommandLine", "冒号前的纪元是空的"));
        for (const QChar c : epoch) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return verdict(VersionVerdict::Invalid,
                               QT_TRANSLATE_NOOP("CommandLine", "冒号前的纪元不是数字"));
        }
        bool fits = false;
        const qlonglong value = epoch.toLongLong(&fits);
        if (!fits || value > INT_MAX)
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("CommandLine", "冒号前的纪元太大了"));
        rest = text.mid(colon + 1);
        if (rest.isEmpty())
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("CommandLine", "冒号后面什么也没有"));
    }
    QString upstream = rest;
    QString revision;
    const int hyphen = rest.lastIndexOf(QLatin1Char('-'));
    if (hyphen >= 0) {
        upstream = rest.left(hyphen);
        revision = rest.mid(hyphen + 1);
        if (revision.isEmpty())
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("CommandLine", "连字符后的修订号是空的"));
    }
    if (upstream.isEmpty())
        return verdict(VersionVerdict::Invalid,
                       QT_TRANSLATE_NOOP("CommandLine", "上游版本号是空的"));
    // deb-version(7) allows only these characters; a version holding others
    // cannot be built into a package.
    if (!onlyAllowed(upstream, QStringLiteral(".-+~:")))
        return verdict(VersionVerdict::Invalid,
                       QT_TRANSLATE_NOOP("CommandLine", "上游版本号里有不允许的字符"));
    if (!onlyAllowed(revision, QStringLiteral(".+~")))
        return verdict(VersionVerdict::Invalid,
                       QT_TRANSLATE_NOOP("CommandLine", "修订号里有不允许的字符"));
    // "Should start with a digit": dpkg only warns.
    if (!(upstream.at(0) >= QLatin1Char('0') && upstream.at(0) <= QLatin1Char('9')))
        return verdict(VersionVerdict::Dubious,
                       QT_TRANSLATE_NOOP("CommandLine", "上游版本号不是以数字开头的"));
    return {};
}
