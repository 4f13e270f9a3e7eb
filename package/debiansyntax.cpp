// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/debiansyntax.h"

#include "package/packagemetadata.h"

#include <climits>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool isAsciiAlnum(QChar c)
{
    return isAsciiDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool onlyAsciiAlnumOr(const QString &part, QLatin1String punctuation)
{
    for (const QChar c : part) {
        if (!isAsciiAlnum(c) && !QString(punctuation).contains(c))
            return false;
    }
    return true;
}

bool isDebianVersion(const QString &version)
{
    const QString text = version.trimmed();
    if (text.isEmpty())
        return false;
    QString rest = text;
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        const QString epoch = text.left(colon);
        if (epoch.isEmpty() || epoch.size() > 10)
            return false;
        for (const QChar c : epoch) {
            if (!isAsciiDigit(c))
                return false;
        }
        if (epoch.toLongLong() > INT_MAX)
            return false;
        rest = text.mid(colon + 1);
    }
    QString upstream = rest;
    QString revision;
    const int hyphen = rest.lastIndexOf(QLatin1Char('-'));
    if (hyphen >= 0) {
        upstream = rest.left(hyphen);
        revision = rest.mid(hyphen + 1);
        if (revision.isEmpty())
            return false;
    }
    return !upstream.isEmpty() && isAsciiDigit(upstream.at(0)) &&
           onlyAsciiAlnumOr(upstream, QLatin1String(".-+~:")) &&
           onlyAsciiAlnumOr(revision, QLatin1String(".+~"));
}

QString debianPackageName(const QString &written)
{
    QString name = written;
    for (QChar &c : name) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    }
    return isDebianPackageName(name) ? name : QString();
}
