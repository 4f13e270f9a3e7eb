// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_SUBMISSION_H
#define PLINVEX_SUBMISSION_H

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

#endif
