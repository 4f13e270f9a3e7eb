// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_SUBMISSION_H
#define PLINVEX_SUBMISSION_H

#include <QDateTime>
#include <QString>
#include <QStringList>

// The form's values as they were when the pack button was pressed.
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

// What a packager gives for one pack, as typed or chosen.
struct SubmissionInput
{
    QString appName;
    QString debPath;
    QString pkgName;
    QString version;
    QString author;
    QString website;
    QString contributor;
    QString description; // may hold line feeds
    QStringList screenshots;
};

// The submission a pack writes, the same whichever front end asks: an empty
// author or homepage becomes the single blank the store wants in every key,
// the description's lines are joined into one as joinDescriptionLines() says
// (a blank between Latin words, nothing between CJK ones), and the time
// (to the minute) and the package's size text are taken at `now`.
Submission makeSubmission(const SubmissionInput &input,
                          const QDateTime &now = QDateTime::currentDateTime());

#endif
