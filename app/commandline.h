// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_COMMANDLINE_H
#define PLINVEX_COMMANDLINE_H

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The program's options: --help, --version and one package to open at start.
// Build it once translations are installed; its texts go through them.
class CommandLine
{
public:
    CommandLine();

    // Prints the help or the version and ends the program when either was
    // asked for. Needs only a QCoreApplication, so it works without a display;
    // other options are left for parse(), when Qt has taken out its own.
    void answerHelpAndVersion(const QStringList &arguments);

    // Reads the whole command line once the application object has taken out
    // Qt's own options; on an unknown option or a second package it prints
    // why and ends the program.
    void parse(const QStringList &arguments);

    // The package named on the command line, absolute; empty for none.
    QString packagePath() const;

private:
    QCommandLineParser parser;
    QString package;
};

#endif
