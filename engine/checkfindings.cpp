// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/checkfindings.h"

#include "bundle/submission.h"
#include "engine/checkrules.h"
#include "engine/picturemeasure.h"
#include "engine/rulebook.h"

#include <QRegularExpression>

void RuleFindings::add(const char *tag, Severity severity, const QString &field,
                       const QStringList &params, const QString &measured, const QString &limit)
{
    Q_ASSERT(ruleOf(QLatin1String(tag)));
    Finding finding;
    finding.tag = QString::fromLatin1(tag);
    finding.severity = severity;
    finding.field = field;
    finding.measured = measured;
    finding.limit = limit;
    finding.params = params;
    findings << finding;
}

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

bool isHiddenCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x061c || (c >= 0x200b && c <= 0x200f) ||
           (c >= 0x2028 && c <= 0x202e) || (c >= 0x2060 && c <= 0x2069 && c != 0x2065) ||
           c == 0xfeff;
}

QString printable(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\n')
            shown += QLatin1String("\\n");
        else if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (isHiddenCharacter(u))
            shown += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

char32_t firstHiddenCharacter(const QString &text, bool severalLines)
{
    const QVector<uint> characters = text.toUcs4();
    for (int i = 0; i < characters.size(); ++i) {
        const uint c = characters.at(i);
        // A carriage return counts as part of a line break only before a
        // line feed; alone it would stay in the joined description.
        const bool lineBreak =
            c == '\n' || (c == '\r' && i + 1 < characters.size() && characters.at(i + 1) == '\n');
        if (severalLines && (lineBreak || c == '\t'))
            continue;
        if (isHiddenCharacter(c))
            return c;
    }
    return 0;
}

QString codePointName(char32_t c)
{
    return QStringLiteral("U+") +
           QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

bool hasForeignScheme(const QString &homepage)
{
    // A scheme as RFC 3986 writes it; a browser skips the blanks before it.
    static const QRegularExpression scheme(QStringLiteral("^\\s*([A-Za-z][A-Za-z0-9+.-]*):(.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = scheme.match(homepage);
    if (!match.hasMatch())
        return false;
    const QString name = match.captured(1).toLower();
    if (name == QLatin1String("http") || name == QLatin1String("https"))
        return false;
    static const QRegularExpression port(QStringLiteral("^[0-9]+(/.*)?$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    return !port.match(match.captured(2)).hasMatch();
}

const QStringList &knownFindingTags()
{
    static const QStringList tags = [] {
        QStringList all;
        for (const Rule &rule : ruleBook())
            all << rule.tag;
        return all;
    }();
    return tags;
}

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Info:
        break;
    }
    return QStringLiteral("info");
}

QList<Finding> checkSubmission(const SubmissionValues &values, const PackageFacts &package,
                               ScreenshotMeasures *measures)
{
    ScreenshotMeasures once;
    RuleFindings rules(package);
    checkPackageRules(rules);
    checkPkgNameRules(rules, values.pkgName);
    checkVersionRules(rules, values.version);
    checkNameRules(rules, values.name);
    checkAuthorRules(rules, values.author);
    checkContributorRules(rules, values.contributor);
    checkHomepageRules(rules, values.homepage);
    checkDescriptionRules(rules, values.description, values.name);
    checkLogoRules(rules, values.logo);
    checkScreenshotRules(rules, values.screenshots, measures ? *measures : once);
    return rules.findings;
}
