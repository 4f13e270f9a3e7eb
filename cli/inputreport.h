// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_INPUTREPORT_H
#define PLINVEX_INPUTREPORT_H

#include "engine/checkfindings.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// What the check found of one input given on the command line.
struct InputReport
{
    QString input; // the path as given
    QString absolute;
    QList<Finding> findings;
    QJsonObject json; // the input's object as the json and jsonl formats give it
    int status = 0;   // the exit status the input alone would give
};

// Reports for CI systems: SARIF 2.1.0 and GitHub workflow commands.
QByteArray sarifReport(const QList<InputReport> &reports);
QByteArray githubReport(const QList<InputReport> &reports);

#endif
