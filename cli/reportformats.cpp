// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/inputreport.h"

#include "cli/commandoutput.h"
#include "cli/findingwords.h"
#include "engine/rulebook.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {

const QLatin1String kSarifSchema("https://json.schemastore.org/sarif-2.1.0.json");
const QLatin1String kInformationUri("https://github.com/plinvex/plinvex");

QString sarifLevel(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Info:
        break;
    }
    return QStringLiteral("note");
}

QJsonObject sarifText(const QString &text)
{
    return {{QStringLiteral("text"), text}};
}

QJsonObject sarifRule(const Rule &rule)
{
    QJsonObject object{
        {QStringLiteral("id"), rule.tag},
        // A summary the book does not have yet still names the rule.
        {QStringLiteral("shortDescription"),
         sarifText(rule.summary ? ruleText(rule.summary) : rule.tag)},
        {QStringLiteral("defaultConfiguration"),
         QJsonObject{{QStringLiteral("level"), sarifLevel(rule.severity)}}},
    };
    const QString explanation = ruleText(rule.explanation);
    if (!explanation.isEmpty())
        object.insert(QStringLiteral("fullDescription"), sarifText(explanation));
    const QString mend = ruleText(rule.mend);
    if (!mend.isEmpty())
        object.insert(QStringLiteral("help"), sarifText(mend));
    QJsonObject properties;
    if (!rule.field.isEmpty())
        properties.insert(QStringLiteral("field"), rule.field);
    if (!rule.limit.isEmpty())
        properties.insert(QStringLiteral("limit"), rule.unit.isEmpty()
                                                       ? rule.limit
                                                       : rule.limit + QLatin1Char(' ') + rule.unit);
    if (!properties.isEmpty())
        object.insert(QStringLiteral("properties"), properties);
    return object;
}

// A relative path stays relative, as code scanning resolves it against the
// checked-out tree; an absolute one becomes a file: URI.
QString artifactUri(const InputReport &report)
{
    const QString path = report.input.isEmpty() ? report.absolute : report.input;
    if (QDir::isAbsolutePath(path))
        return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    return QString::fromLatin1(QUrl::toPercentEncoding(QDir::fromNativeSeparators(path), "/"));
}

// What stays the same when the same problem is found again: never the
// words, which change with the UI language.
QString fingerprint(const Finding &finding)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &part :
         QStringList{finding.tag, finding.field, finding.member} + finding.params) {
        hash.addData(part.toUtf8());
        hash.addData(QByteArray(1, '\0'));
    }
    return QString::fromLatin1(hash.result().toHex());
}

QJsonObject sarifResult(const InputReport &report, const Finding &finding,
                        const QHash<QString, int> &ruleIndex)
{
    QJsonObject location{
        {QStringLiteral("physicalLocation"),
         QJsonObject{{QStringLiteral("artifactLocation"),
                      QJsonObject{{QStringLiteral("uri"), artifactUri(report)}}}}}};
    // A member of a bundle or its archive is no file of its own to point
    // at: it is named inside the input.
    if (!finding.member.isEmpty())
        location.insert(
            QStringLiteral("logicalLocations"),
            QJsonArray{QJsonObject{{QStringLiteral("fullyQualifiedName"), finding.member},
                                   {QStringLiteral("kind"), QStringLiteral("resource")}}});
    QJsonObject result{
        {QStringLiteral("ruleId"), finding.tag},
        {QStringLiteral("level"), sarifLevel(finding.severity)},
        {QStringLiteral("message"),
         QJsonObject{{QStringLiteral("text"), commandLineWords(finding)}}},
        {QStringLiteral("locations"), QJsonArray{location}},
        {QStringLiteral("partialFingerprints"),
         QJsonObject{{QStringLiteral("plinvexFinding/v1"), fingerprint(finding)}}},
    };
    const auto index = ruleIndex.constFind(finding.tag);
    if (index != ruleIndex.cend())
        result.insert(QStringLiteral("ruleIndex"), *index);
    if (!finding.field.isEmpty())
        result.insert(QStringLiteral("properties"),
                      QJsonObject{{QStringLiteral("field"), finding.field}});
    // Named with --ignore: reported, but suppressed from outside the input.
    if (finding.ignored)
        result.insert(
            QStringLiteral("suppressions"),
            QJsonArray{QJsonObject{{QStringLiteral("kind"), QStringLiteral("external")}}});
    return result;
}

// GitHub reads a workflow command's message up to the line's end, decoding
// %25, %0D and %0A; a property also ends at ',' and its name at ':'. The
// other characters a log would obey are shown escaped, as the text report does.
QString githubEscaped(const QString &text, bool property)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '%':
            escaped += QLatin1String("%25");
            break;
        case '\r':
            escaped += QLatin1String("%0D");
            break;
        case '\n':
            escaped += QLatin1String("%0A");
            break;
        case ':':
            escaped += property ? QLatin1String("%3A") : QLatin1String(":");
            break;
        case ',':
            escaped += property ? QLatin1String("%2C") : QLatin1String(",");
            break;
        default:
            escaped += printable(QString(c));
        }
    }
    return escaped;
}

QString githubCommand(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Info:
        break;
    }
    return QStringLiteral("notice");
}

} // namespace

QByteArray sarifReport(const QList<InputReport> &reports)
{
    QJsonArray rules;
    QHash<QString, int> ruleIndex;
    for (const Rule &rule : ruleBook()) {
        ruleIndex.insert(rule.tag, rules.size());
        rules.append(sarifRule(rule));
    }
    QJsonObject driver{{QStringLiteral("name"), QStringLiteral("plinvex")},
                       {QStringLiteral("informationUri"), kInformationUri},
                       {QStringLiteral("rules"), rules}};
    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty())
        driver.insert(QStringLiteral("version"), version);

    QJsonArray results;
    for (const InputReport &report : reports) {
        for (const Finding &finding : report.findings)
            results.append(sarifResult(report, finding, ruleIndex));
    }
    const QJsonObject run{{QStringLiteral("tool"), QJsonObject{{QStringLiteral("driver"), driver}}},
                          {QStringLiteral("results"), results}};
    const QJsonObject document{{QStringLiteral("$schema"), kSarifSchema},
                               {QStringLiteral("version"), QStringLiteral("2.1.0")},
                               {QStringLiteral("runs"), QJsonArray{run}}};
    return escapedJson(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

QByteArray githubReport(const QList<InputReport> &reports)
{
    QString out;
    for (const InputReport &report : reports) {
        const QString file = report.input.isEmpty() ? report.absolute : report.input;
        for (const Finding &finding : report.findings) {
            // An annotation says something is wrong; an ignored finding counts for nothing.
            if (finding.ignored)
                continue;
            QString message = commandLineWords(finding);
            if (!finding.member.isEmpty())
                message = finding.member + QStringLiteral(": ") + message;
            out += QStringLiteral("::%1 file=%2,title=%3::%4\n")
                       .arg(githubCommand(finding.severity), githubEscaped(file, true),
                            githubEscaped(finding.tag, true), githubEscaped(message, false));
        }
    }
    return out.toUtf8();
}
