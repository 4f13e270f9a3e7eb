// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/rulebookdocs.h"

#include "engine/rulebook.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {

const QLatin1String kTableStart("<!-- findings table:");
const QLatin1String kTableEnd("<!-- end of findings table -->");
const QLatin1String kManMarker(".\\\" findings: ");

const Severity kSeverities[] = {Severity::Error, Severity::Warning, Severity::Info};

// One table cell: a line of its own, and nothing Markdown would read as
// markup (the summaries are shown in terminals and windows as they are).
QString markdownCell(const QString &text)
{
    QString cell;
    cell.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            cell += QLatin1Char(' ');
        else if (QStringLiteral("\\|*_`[]<>").contains(c))
            cell += QLatin1Char('\\') + c;
        else
            cell += c;
    }
    return cell;
}

// Text for roff: every character beyond ASCII as a \[uXXXX] escape, so the
// page reads the same in any locale, a backslash and a hyphen-minus as
// themselves, and a line that would start with a request's dot or quote
// kept as text. Lines stay lines; empty ones go, as roff would show them
// as gaps in the paragraph.
QString roffText(const QString &text, bool quoted = false)
{
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QString out;
        for (const uint c : line.toUcs4()) {
            if (c == '\\')
                out += QLatin1String("\\e");
            else if (c == '-')
                out += QLatin1String("\\-");
            else if (c == '"' && quoted)
                out += QLatin1String("\\(dq");
            else if (c == '\t')
                out += QLatin1Char(' ');
            else if (c < 0x20)
                continue;
            else if (c >= 0x80)
                out += QLatin1String("\\[u") +
                       QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0')) +
                       QLatin1Char(']');
            else
                out += QChar(char16_t(c));
        }
        if (out.trimmed().isEmpty())
            continue;
        if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
            out.prepend(QLatin1String("\\&"));
        lines << out;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString ruleLimitText(const Rule &rule)
{
    if (rule.limit.isEmpty() || rule.unit.isEmpty() || rule.limit.endsWith(rule.unit))
        return rule.limit;
    if (rule.unit == QLatin1String("%"))
        return rule.limit + rule.unit;
    return rule.limit + QLatin1Char(' ') + rule.unit;
}

QString findingsMarkdownTable()
{
    QString table = QStringLiteral("| Severity | Tag | Summary | Limit |\n|---|---|---|---|\n");
    for (const Severity severity : kSeverities) {
        for (const Rule &rule : ruleBook()) {
            if (rule.severity != severity)
                continue;
            table +=
                QStringLiteral("| %1 | `%2` | %3 | %4 |\n")
                    .arg(severityName(severity), rule.tag, markdownCell(ruleText(rule.summary)),
                         markdownCell(ruleLimitText(rule)));
        }
    }
    return table;
}

QString findingsManList(Severity severity)
{
    QString list;
    for (const Rule &rule : ruleBook()) {
        if (rule.severity != severity)
            continue;
        list += QStringLiteral(".TP\n");
        const QString limit = ruleLimitText(rule);
        if (limit.isEmpty())
            list += QStringLiteral(".B ") + roffText(rule.tag) + QLatin1Char('\n');
        else
            list +=
                QStringLiteral(".BR %1 \" (%2)\"\n").arg(roffText(rule.tag), roffText(limit, true));
        const QString summary = roffText(ruleText(rule.summary));
        const QString explanation = roffText(ruleText(rule.explanation));
        if (!summary.isEmpty())
            list += summary + QLatin1Char('\n');
        // A summary is a line without a full stop: the explanation goes below it.
        if (!summary.isEmpty() && !explanation.isEmpty())
            list += QStringLiteral(".br\n");
        if (!explanation.isEmpty())
            list += explanation + QLatin1Char('\n');
    }
    return list;
}

QString findingsTableOf(const QString &readme)
{
    const int start = readme.indexOf(kTableStart);
    if (start < 0)
        return {};
    const int from = readme.indexOf(QLatin1Char('\n'), start);
    const int end = readme.indexOf(kTableEnd, start);
    if (from < 0 || end < from)
        return {};
    return readme.mid(from + 1, end - from - 1);
}

QString withFindingsTable(const QString &readme, const QString &table)
{
    const int start = readme.indexOf(kTableStart);
    const int from = start < 0 ? -1 : readme.indexOf(QLatin1Char('\n'), start);
    const int end = start < 0 ? -1 : readme.indexOf(kTableEnd, start);
    if (from < 0 || end < from)
        return {};
    return readme.left(from + 1) + table + readme.mid(end);
}

QString withFindingsLists(const QString &page)
{
    QString out;
    for (const QString &line : page.split(QLatin1Char('\n'))) {
        const QString name =
            line.startsWith(kManMarker) ? line.mid(kManMarker.size()).trimmed() : QString();
        const auto severity = std::find_if(std::cbegin(kSeverities), std::cend(kSeverities),
                                           [&name](Severity s) { return severityName(s) == name; });
        if (severity == std::cend(kSeverities))
            out += line + QLatin1Char('\n');
        else
            out += findingsManList(*severity);
    }
    out.chop(1); // the page's own last line break, or none, as it was
    return out;
}
