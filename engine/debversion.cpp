// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/debversion.h"

#include "package/debiansyntax.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <climits>

namespace {

VersionVerdict verdict(VersionVerdict::Kind kind, const char *reason)
{
    return {kind, QCoreApplication::translate("DebVersion", reason)};
}

} // namespace

// The tests follow dpkg's order, except that a character deb-version(7)
// forbids is an error even where dpkg's lax reading would only warn.
VersionVerdict checkDebVersion(const QString &version)
{
    // dpkg drops blanks around the version before anything else.
    const QString text = version.trimmed();
    if (text.isEmpty())
        return verdict(VersionVerdict::Invalid, QT_TRANSLATE_NOOP("DebVersion", "版本号是空的"));
    for (const QChar c : text) {
        if (c.isSpace())
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("DebVersion", "版本号中间有空白"));
    }
    QString rest = text;
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        const QString epoch = text.left(colon);
        if (epoch.isEmpty())
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("DebVersion", "冒号前的纪元是空的"));
        for (const QChar c : epoch) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return verdict(VersionVerdict::Invalid,
                               QT_TRANSLATE_NOOP("DebVersion", "冒号前的纪元不是数字"));
        }
        bool fits = false;
        const qlonglong value = epoch.toLongLong(&fits);
        if (!fits || value > INT_MAX)
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("DebVersion", "冒号前的纪元太大了"));
        rest = text.mid(colon + 1);
        if (rest.isEmpty())
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("DebVersion", "冒号后面什么也没有"));
    }
    QString upstream = rest;
    QString revision;
    const int hyphen = rest.lastIndexOf(QLatin1Char('-'));
    if (hyphen >= 0) {
        upstream = rest.left(hyphen);
        revision = rest.mid(hyphen + 1);
        if (revision.isEmpty())
            return verdict(VersionVerdict::Invalid,
                           QT_TRANSLATE_NOOP("DebVersion", "连字符后的修订号是空的"));
    }
    if (upstream.isEmpty())
        return verdict(VersionVerdict::Invalid,
                       QT_TRANSLATE_NOOP("DebVersion", "上游版本号是空的"));
    // deb-version(7) allows only these characters; a version holding others
    // cannot be built into a package.
    if (!onlyAsciiAlnumOr(upstream, QLatin1String(".-+~:")))
        return verdict(VersionVerdict::Invalid,
                       QT_TRANSLATE_NOOP("DebVersion", "上游版本号里有不允许的字符"));
    if (!onlyAsciiAlnumOr(revision, QLatin1String(".+~")))
        return verdict(VersionVerdict::Invalid,
                       QT_TRANSLATE_NOOP("DebVersion", "修订号里有不允许的字符"));
    // "Should start with a digit": dpkg only warns.
    if (!(upstream.at(0) >= QLatin1Char('0') && upstream.at(0) <= QLatin1Char('9')))
        return verdict(VersionVerdict::Dubious,
                       QT_TRANSLATE_NOOP("DebVersion", "上游版本号不是以数字开头的"));
    return {};
}

QString upstreamVersion(const QString &version)
{
    QString rest = version.trimmed();
    const int colon = rest.indexOf(QLatin1Char(':'));
    if (colon >= 0)
        rest = rest.mid(colon + 1);
    const int hyphen = rest.lastIndexOf(QLatin1Char('-'));
    return hyphen >= 0 ? rest.left(hyphen) : rest;
}

QString withoutRepackSuffix(const QString &upstream)
{
    static const QRegularExpression repack(QStringLiteral("[+~](dfsg|ds)\\.?[0-9]*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString bare = upstream;
    bare.remove(repack);
    return bare.isEmpty() ? upstream : bare;
}

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// dpkg's weight of a character in the non-digit runs: "~" before anything,
// even the end, letters before the rest.
int orderOf(const QString &text, int at)
{
    if (at >= text.size())
        return 0;
    const QChar c = text.at(at);
    if (isDigit(c))
        return 0;
    if (c == QLatin1Char('~'))
        return -1;
    if (isAsciiAlnum(c))
        return c.unicode();
    return c.unicode() + 256;
}

} // namespace

int compareVersionParts(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() || j < b.size()) {
        int firstDifference = 0;
        while ((i < a.size() && !isDigit(a.at(i))) || (j < b.size() && !isDigit(b.at(j)))) {
            const int ac = orderOf(a, i);
            const int bc = orderOf(b, j);
            if (ac != bc)
                return ac - bc;
            ++i;
            ++j;
        }
        while (i < a.size() && a.at(i) == QLatin1Char('0'))
            ++i;
        while (j < b.size() && b.at(j) == QLatin1Char('0'))
            ++j;
        while (i < a.size() && isDigit(a.at(i)) && j < b.size() && isDigit(b.at(j))) {
            if (firstDifference == 0)
                firstDifference = a.at(i).unicode() - b.at(j).unicode();
            ++i;
            ++j;
        }
        if (i < a.size() && isDigit(a.at(i)))
            return 1;
        if (j < b.size() && isDigit(b.at(j)))
            return -1;
        if (firstDifference != 0)
            return firstDifference;
    }
    return 0;
}
