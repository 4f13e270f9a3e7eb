// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_SUBMISSIONCOMMAND_H
#define PLINVEX_SUBMISSIONCOMMAND_H

#include <QString>
#include <QStringList>

// Exit statuses of the command line; a stop by a signal exits 128 + its number.
enum CommandStatus { CommandSucceeded = 0, CommandFailed = 1, CommandUsageError = 2 };

// True when the program's first argument names a command of the command
// line rather than a package for the window: "pack" or "check".
bool isSubmissionCommand(const QString &firstArgument);

// Runs `plinvex pack PACKAGE.deb [options]` or `plinvex check INPUT...
// [options]` from the whole argument list (program, command, the rest) under
// a QCoreApplication with the UI language installed; returns the exit status
// of the worst input. Needs no display.
int runSubmissionCommand(const QStringList &arguments);

#endif
