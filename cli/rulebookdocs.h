// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_RULEBOOKDOCS_H
#define PLINVEX_RULEBOOKDOCS_H

#include "engine/checkfindings.h"

#include <QString>

struct Rule;

// The rule's limit with its unit ("128×128 px", "40 columns", "5%"); empty
// for a rule without a number.
QString ruleLimitText(const Rule &rule);

// The README's table of findings, a Markdown table with a header row:
// severity, tag, summary and limit of every rule, errors first, then
// warnings, then notes, each in the order the check reports them. Texts in
// the UI language.
QString findingsMarkdownTable();

// The man page's list of the findings of one severity, as roff .TP
// paragraphs: the tag, its limit, its summary and why it matters.
QString findingsManList(Severity severity);

// The README's text with the part between its findings markers made
// `table`; empty when the markers are not there.
QString withFindingsTable(const QString &readme, const QString &table);
// The table the README holds between its markers; null without them.
QString findingsTableOf(const QString &readme);

// The man page with each marker line `.\" findings: error` (warning, info)
// made that severity's list.
QString withFindingsLists(const QString &page);

#endif
