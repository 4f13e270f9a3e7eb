// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_RULEBOOK_H
#define PLINVEX_RULEBOOK_H

#include "engine/checkfindings.h"

#include <QList>
#include <QString>

// What a rule looks at; the check's rules live in one file per subject.
enum class RuleSubject { Package, Identity, Texts, Pictures, Bundle };

// One row of the rule book: everything a face, the documentation or a CI
// report says of a tag, defined once.
struct Rule
{
    QString tag;
    Severity severity = Severity::Error; // as the check reports it unless told otherwise
    // "package", "pkgname", …, "screenshots", "bundle"; empty for a rule of
    // several fields (a hidden character, an empty value, an image's size),
    // whose findings name theirs.
    QString field;
    RuleSubject subject = RuleSubject::Package;
    // The limit the rule compares against, written as findings of the tag
    // report it where they do ("128×128", "40"), and its unit ("px",
    // "columns", "%", "bits"); both empty where the rule has no number. Of a
    // rule with two steps (a logo almost invisible, or only small) the row
    // gives the step of its own severity.
    QString limit;
    QString unit;
    // Untranslated (Chinese) sources in the translation context "RuleBook".
    const char *summary = nullptr;     // one line
    const char *explanation = nullptr; // why a store cares; the peer's rule it follows
    const char *mend = nullptr;        // how to mend it
};

// Every rule, in the order the check reports them.
const QList<Rule> &ruleBook();
// The rule of `tag`; nullptr for a tag the book does not have.
const Rule *ruleOf(const QString &tag);
// A rule's text in the UI language.
QString ruleText(const char *source);

#endif
