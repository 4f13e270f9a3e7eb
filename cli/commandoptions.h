// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_COMMANDOPTIONS_H
#define PLINVEX_COMMANDOPTIONS_H

#include "bundle/submission.h"

#include <QSet>
#include <QString>
#include <QStringList>

enum class OutputFormat { Text, Json, Jsonl, Sarif, Github };

// What the command line asked for, read once before anything runs.
struct Options
{
    QString command;
    bool pack = false;
    QStringList inputs;     // as given; a pack takes exactly one
    SubmissionValues given; // what the options gave; each package is its own input
    QString desktop;
    bool noPrefill = false;
    OutputFormat format = OutputFormat::Text;
    bool strict = false;
    bool requireConfined = false;
    bool compress = false;
    QSet<QString> ignored; // tags named with --ignore
    QStringList companions;
    int jobs = 1; // inputs checked at once
};

// Reads the whole argument list (program, command, the rest) into
// `options`; a status to exit with when the command ends here (help, or a
// usage error), -1 to go on.
int parseOptions(const QStringList &arguments, Options &options);

// `path` made absolute; empty stays empty.
QString absolute(const QString &path);

// A value the command line gave, or none when it is empty.
SourcedText given(const QString &value);

#endif
