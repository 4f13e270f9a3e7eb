// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/checkrules.h"

#include "engine/packagefacts.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

// What of the reader's confinement its self-test did not see hold:
// "Landlock", "seccomp" and the names of the attempts not refused; nothing
// when the self-test gave no answer.
QStringList unconfinedParts(const ReaderConfinement &confinement)
{
    QStringList missing;
    if (!confinement.answered)
        return missing;
    if (confinement.landlockAbi < 1)
        missing << QStringLiteral("Landlock");
    if (!confinement.seccomp)
        missing << QStringLiteral("seccomp");
    for (const ConfinementAttempt &attempt : confinement.attempts) {
        if (!attempt.refused)
            missing << attempt.name;
    }
    return missing;
}

} // namespace

void checkPackageRules(RuleFindings &rules)
{
    const PackageFacts &package = rules.package;
    const QString field = QStringLiteral("package");
    const QStringList path{package.path};
    if (!package.exists)
        rules.add("package-missing", Severity::Error, field, path);
    else if (!package.regularFile)
        rules.add("package-not-file", Severity::Error, field, path);
    else if (package.corrupt)
        rules.add("package-corrupt", Severity::Error, field, path);
    else if (!package.readable)
        rules.add("package-unreadable", Severity::Error, field, path);
    if (!package.textsWithNul.isEmpty())
        rules.add("package-text-nul", Severity::Warning, field, package.textsWithNul);
    if (!package.guessedEntry.isEmpty())
        rules.add("desktop-entry-guessed", Severity::Info, field, {package.guessedEntry});
    if (package.notApplication)
        rules.add("package-not-application", Severity::Warning, field, {});
    if (package.readerProblem != ReaderProblem::None)
        rules.add("package-metadata-unreadable", Severity::Info, field,
                  {readerProblemKey(package.readerProblem), QString::number(package.readerDetail)});
    if (!package.oversizeEarlierControl.isEmpty())
        rules.add("earlier-bundle-unread", Severity::Warning, field,
                  {package.oversizeEarlierControl});
    if (package.confinement.tested && !package.confinement.proven())
        rules.add("reader-unconfined", Severity::Warning, field,
                  unconfinedParts(package.confinement));
    // A file name fetched from the web may keep its URL escapes ("%3a"
    // for the epoch's colon); the store's Filename would show them.
    static const QRegularExpression escape(QStringLiteral("%[0-9A-Fa-f]{2}"));
    const QString fileName = QFileInfo(package.path).fileName();
    const QRegularExpressionMatch match = escape.match(fileName);
    // The file name goes into the bundle's app.json as it is.
    if (!package.path.isEmpty())
        rules.hiddenCharacter(fileName, field);
    if (package.regularFile && match.hasMatch())
        rules.add("filename-escaped", Severity::Warning, field, {match.captured(), fileName});
}
