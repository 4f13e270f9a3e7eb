// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CHECKRULES_H
#define PLINVEX_CHECKRULES_H

// Inside the check: what its rules, one file per subject, share. Not for
// the front ends, which call checkSubmission().

#include "bundle/submission.h"
#include "engine/checkfindings.h"

#include <QList>
#include <QString>
#include <QStringList>

class ScreenshotMeasures;

// One check's findings as its rules add them, in order, and what the
// rules look at besides the values.
class RuleFindings
{
public:
    explicit RuleFindings(const PackageFacts &package)
        : package(package)
    {
    }

    const PackageFacts &package;
    QList<Finding> findings;

    // Findings carry facts only: every face words them from the tag and
    // the params.
    void add(const char *tag, Severity severity, const QString &field, const QStringList &params,
             const QString &measured = QString(), const QString &limit = QString());

    // True after reporting the value's first hidden character. The value is
    // a param when it is one line; reports print it escaped.
    bool hiddenCharacter(const QString &value, const QString &field, bool severalLines = false);

    void requiredEmpty(const QString &field);
};

// The package itself: there, a file, readable, and what reading it told.
void checkPackageRules(RuleFindings &rules);

// Its name and version.
void checkPkgNameRules(RuleFindings &rules, const SourcedText &pkgName);
void checkVersionRules(RuleFindings &rules, const SourcedText &version);

// The texts the store shows.
void checkNameRules(RuleFindings &rules, const SourcedText &name);
void checkAuthorRules(RuleFindings &rules, const SourcedText &author);
void checkContributorRules(RuleFindings &rules, const SourcedText &contributor);
void checkHomepageRules(RuleFindings &rules, const SourcedText &homepage);
void checkDescriptionRules(RuleFindings &rules, const SourcedText &description,
                           const SourcedText &name);

// The pictures. Screenshots are measured with `measures`, which keeps what
// it measured for the next check.
void checkLogoRules(RuleFindings &rules, const SourcedText &logo);
void checkScreenshotRules(RuleFindings &rules, const QStringList &screenshots,
                          ScreenshotMeasures &measures);

#endif
