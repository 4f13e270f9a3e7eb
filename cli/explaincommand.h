// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_EXPLAINCOMMAND_H
#define PLINVEX_EXPLAINCOMMAND_H

#include <QString>
#include <QStringList>

struct Rule;

// `plinvex check --explain` lists the book and `plinvex check --explain TAG`
// explains one rule: QCommandLineParser has no option whose value may be
// left out, so `--explain` is a switch and the tag stands where an input
// goes otherwise.

// Prints the rule each of `arguments` names (at most one), or every rule
// when none is given, to standard output; returns the exit status. An
// unknown tag or a second argument is a usage error: its message is left
// in `usageProblem` and nothing is printed.
int explainRules(const QStringList &arguments, QString *usageProblem);

// What `--explain TAG` prints, in the UI language: the tag and its
// severity, then its summary, limit, why a store cares and how to mend it,
// each on a line of its own where the book has it.
QString ruleExplanation(const Rule &rule);
// What `--explain` alone prints: every tag with its severity and summary,
// one a line, in the order the check reports them.
QString ruleList();

#endif
