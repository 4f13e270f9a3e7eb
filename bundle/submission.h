// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_SUBMISSION_H
#define PLINVEX_SUBMISSION_H

#include <QDateTime>
#include <QString>
#include <QStringList>

// Where a value of the submission came from; the command line names them
// "given", "earlier-bundle", "appstream", "desktop-entry", "control",
// "companion-package".
enum class ValueSource {
    None,
    Given,
    EarlierBundle,
    AppStream,
    DesktopEntry,
    Control,
    Companion, // a package the chosen one depends on, read because it lacked the value
};

// The stable name of a source, empty for None.
QString valueSourceName(ValueSource source);
// The source of a stable name; None for any other text.
ValueSource valueSourceNamed(const QString &name);

struct SourcedText
{
    QString value;
    ValueSource source = ValueSource::None;
};

// A submission's values, each with where it came from: what the packager
// gave, or what the program filled in. Both front ends fill one, and the
// engine checks and packs it.
struct SubmissionValues
{
    SourcedText package; // the .deb's path
    SourcedText pkgName;
    SourcedText version;
    SourcedText name;
    SourcedText author;
    SourcedText homepage;
    SourcedText contributor;
    SourcedText description; // may hold line feeds
    SourcedText logo;        // a file path
    QString logoTheme;       // the icon theme other than hicolor a package's logo came from
    QStringList screenshots; // paths, in the order they were given
    ValueSource screenshotsSource = ValueSource::None;
};

// The values as a pack writes them into the bundle and its app.json.
struct Submission
{
    QString appName;
    QString debPath;
    QString pkgName;
    QString version;
    QString author;
    QString website;
    QString contributor;
    QString updateTime;
    QString sizeText;
    QString moreText;
    QStringList screenshotList; // paths, in the order they were given
};

// The submission a pack writes, the same whichever front end asks: an empty
// author or homepage becomes the single blank the store wants in every key,
// the description's lines are joined into one as joinDescriptionLines() says
// (a blank between Latin words, nothing between CJK ones), and the time
// (to the minute) and the package's size text are taken at `now`.
Submission makeSubmission(const SubmissionValues &values,
                          const QDateTime &now = QDateTime::currentDateTime());

#endif
