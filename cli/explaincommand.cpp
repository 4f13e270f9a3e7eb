// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/explaincommand.h"

#include "bundle/textlines.h"
#include "cli/rulebookdocs.h"
#include "cli/submissioncommand.h"
#include "engine/rulebook.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// The column is padded to the widest of its kind, counting display
// columns, so the summaries after it line up.
QString padded(const QString &text, int columns)
{
    return text + QString(qMax(0, columns - displayColumns(text)), QLatin1Char(' '));
}

} // namespace

int explainRules(const QStringList &arguments, QString *usageProblem)
{
    if (arguments.size() > 1) {
        *usageProblem = QCoreApplication::translate("CommandLine", "多余的参数：%1")
                            .arg(printable(arguments.mid(1).join(QLatin1Char(' '))));
        return CommandUsageError;
    }
    QString text;
    if (arguments.isEmpty()) {
        text = ruleList();
    } else {
        const Rule *rule = ruleOf(arguments.first());
        if (!rule) {
            *usageProblem = QCoreApplication::translate("CommandLine", "不认识的检查项：%1")
                                .arg(printable(arguments.first()));
            return CommandUsageError;
        }
        text = ruleExplanation(*rule);
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    return CommandSucceeded;
}

QString ruleExplanation(const Rule &rule)
{
    QString text =
        rule.tag + QStringLiteral(" (") + severityName(rule.severity) + QStringLiteral(")\n");
    // The lines of a longer text after its first are indented, so each
    // part stands out under its label.
    const auto line = [&text](const QString &label, const QString &value) {
        if (value.isEmpty())
            return;
        QStringList lines = value.split(QLatin1Char('\n'));
        for (int i = 1; i < lines.size(); ++i) {
            if (!lines.at(i).isEmpty())
                lines[i].prepend(QStringLiteral("  "));
        }
        text += label + lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    };
    line(QString(), ruleText(rule.summary));
    line(QCoreApplication::translate("CommandLine", "上限："), ruleLimitText(rule));
    line(QCoreApplication::translate("CommandLine", "为什么："), ruleText(rule.explanation));
    line(QCoreApplication::translate("CommandLine", "怎么改："), ruleText(rule.mend));
    return text;
}

QString ruleList()
{
    int tagColumns = 0;
    for (const Rule &rule : ruleBook())
        tagColumns = qMax(tagColumns, displayColumns(rule.tag));
    const int severityColumns = displayColumns(severityName(Severity::Warning));
    QString text;
    for (const Rule &rule : ruleBook()) {
        // One line a rule, whatever a summary holds.
        const QString summary = oneLine(ruleText(rule.summary));
        const QString line =
            padded(severityName(rule.severity), severityColumns) + QStringLiteral("  ") +
            (summary.isEmpty() ? rule.tag
                               : padded(rule.tag, tagColumns) + QStringLiteral("  ") + summary);
        text += line + QLatin1Char('\n');
    }
    return text;
}
