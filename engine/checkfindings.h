// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CHECKFINDINGS_H
#define PLINVEX_CHECKFINDINGS_H

#include "package/packagemetadata.h"

#include <QList>
#include <QString>
#include <QStringList>

struct SubmissionValues;

enum class Severity { Error, Warning, Info };

// The text with every line break made a blank, for a finding or verdict
// that must stay on one line.
QString oneLine(QString text);

// "error", "warning" or "info", as scripts match them.
QString severityName(Severity severity);

// One problem of a submission. The tag is stable for scripts; the field is
// the option's own name, or "package" for the package itself; the message
// is in the UI language. What was measured and the limit it broke are
// strings as reports show them ("48×48", "128×128"; lengths as plain column
// counts, "41" against "40"; shares as percentages, "12%"), empty where the
// finding has no such number.
struct Finding
{
    QString tag;
    Severity severity = Severity::Error;
    QString field;
    QString message;
    QString measured;
    QString limit;
    bool ignored = false; // named with --ignore: listed, but counts for nothing
};

// Every tag a finding can have, in the order the check reports them.
const QStringList &knownFindingTags();

// What the package file is and what it says of itself.
struct PackageFacts
{
    QString path;
    bool exists = false;
    bool regularFile = false;
    bool readable = false; // a Debian package whose name and version could be read
    QString ownName;
    QString ownVersion;
    bool corrupt = false; // began as a package, but could not be read to its end
    ReaderProblem readerProblem = ReaderProblem::None;
    int readerDetail = 0;
    QString guessedEntry; // the desktop entry taken when several could be the main one
    // The icon the main entry names when neither the package nor a
    // companion has it, and the packages it depends on that may.
    QString missingIcon;
    QStringList iconCompanions;
    QString appStreamRelease; // the version of its newest AppStream <release>; empty for none
    QStringList textsWithNul; // its text files that hold a NUL byte
};

// Every problem of a submission at once, in the order of the fields.
QList<Finding> checkSubmission(const SubmissionValues &values, const PackageFacts &package);

#endif
