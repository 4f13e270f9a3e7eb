// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CHECKFINDINGS_H
#define PLINVEX_CHECKFINDINGS_H

#include "package/packagemetadata.h"

#include <QList>
#include <QString>

struct SubmissionValues;

enum class Severity { Error, Warning, Info };

// "error", "warning" or "info", as scripts match them.
QString severityName(Severity severity);

// One problem of a submission. The tag is stable for scripts; the field is
// the option's own name, or "package" for the package itself; the message
// is in the UI language.
struct Finding
{
    QString tag;
    Severity severity = Severity::Error;
    QString field;
    QString message;
};

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
};

// Every problem of a submission at once, in the order of the fields.
QList<Finding> checkSubmission(const SubmissionValues &values, const PackageFacts &package);

#endif
