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

// A character that shows nothing, or makes the text around it show other
// than it is: the control characters (C0, DEL, C1), the bidirectional marks,
// embeddings, overrides and isolates (U+061C, U+200E, U+200F, U+202A–U+202E,
// U+2066–U+2069), the line and paragraph separators (U+2028, U+2029) and the
// zero-width characters (U+200B–U+200D, U+2060, U+FEFF). A store shows a
// value as it is, and a terminal obeys such characters.
bool isHiddenCharacter(char32_t c);

// The first hidden character of a value; 0 when it has none. A text of
// several lines may hold line feeds (a carriage return before each) and tabs.
char32_t firstHiddenCharacter(const QString &text, bool severalLines = false);

// Text from packages, bundles and the command line as a terminal, or the
// window's list of findings, may show it: every control character (C0, DEL,
// C1) as \xNN of its code point, lower case, so none can move the cursor or
// recolour the terminal; the other hidden characters (bidirectional
// controls, separators, zero-width ones) as \uNNNN, so none can turn the
// line around or hide a letter; and a line feed as \n, so one finding or
// verdict stays one line and nothing is lost.
QString printable(const QString &text);

// The character's code point as "U+202E".
QString codePointName(char32_t c);

// Whether a homepage names a scheme, and one other than http and https
// ("javascript:", "file:", "data:"); a host with its port ("example.org:8080")
// names none.
bool hasForeignScheme(const QString &homepage);

// "error", "warning" or "info", as scripts match them.
QString severityName(Severity severity);

// One problem of a submission, as facts: each face words it from its tag
// and params (the command line naming options, the window its labels). The
// tag is stable for scripts; the field is the value's own name ("pkgname",
// "screenshots"), or "package" for the package itself. What was measured and the limit it broke are
// strings as reports show them ("48×48", "128×128"; lengths as plain column
// counts, "41" against "40"; shares as percentages, "12%"), empty where the
// finding has no such number.
struct Finding
{
    QString tag;
    Severity severity = Severity::Error;
    QString field;
    QString measured;
    QString limit;
    // What the face's words put in, in order: the path, the value, the other
    // screenshot's number… never an option name or a form label.
    QStringList params;
    QString member; // inside a bundle or archive, the member it concerns ("gimp/screen_2.png")
    bool ignored = false; // named with --ignore: listed, but counts for nothing
};

// Every tag a finding can have, in the order the check reports them: the
// rule book's.
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
    QString appStreamRelease;       // the version of its newest AppStream <release>; empty for none
    QString oversizeEarlierControl; // an earlier bundle's app.json left unread, over its cap
    // Read, and neither a desktop entry of Type=Application nor an AppStream
    // component of an application type was found in it or its companions.
    bool notApplication = false;
    ReaderConfinement confinement; // what the reader's self-test proved, when one ran
    QStringList textsWithNul;      // its text files that hold a NUL byte
};

class ScreenshotMeasures;

// Every problem of a submission at once, in the order of the fields.
// Screenshots are measured with `measures` where given, which keeps them
// for the next check of the same files; else afresh.
QList<Finding> checkSubmission(const SubmissionValues &values, const PackageFacts &package,
                               ScreenshotMeasures *measures = nullptr);

#endif
