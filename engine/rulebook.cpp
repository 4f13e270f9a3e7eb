// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/rulebook.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QList<Rule> makeBook()
{
    QList<Rule> book;
    for (const QString &tag : knownFindingTags()) {
        Rule rule;
        rule.tag = tag;
        book << rule;
    }
    return book;
}

} // namespace

const QList<Rule> &ruleBook()
{
    static const QList<Rule> book = makeBook();
    return book;
}

const Rule *ruleOf(const QString &tag)
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> rows;
        for (int i = 0; i < ruleBook().size(); ++i)
            rows.insert(ruleBook().at(i).tag, i);
        return rows;
    }();
    const auto row = index.constFind(tag);
    return row == index.cend() ? nullptr : &ruleBook().at(*row);
}

QString ruleText(const char *source)
{
    return source ? QCoreApplication::translate("RuleBook", source) : QString();
}
