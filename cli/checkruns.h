// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CHECKRUNS_H
#define PLINVEX_CHECKRUNS_H

#include "cli/cliprogress.h"
#include "cli/inputreport.h"
#include "cli/inputrun.h"
#include "tools/terminationsignals.h"

#include <QJsonArray>
#include <QList>
#include <QMap>
#include <QObject>

struct Options;

// Runs every input of the command line, up to the options' number of jobs
// at once, and reports them in the order they were given whatever order
// they end in. Only what the formats need of an input is kept once its run
// has ended, and each part of the output is written as soon as every input
// before it has ended, so memory stays bounded however many inputs there
// are. A stop by SIGINT, SIGTERM or SIGHUP kills the jobs that run and ends
// every input not yet ended as stopped.
class CheckRuns : public QObject
{
public:
    explicit CheckRuns(const Options &options, QObject *parent = nullptr);

    // Starts the first runs; the event loop exits with the status of the
    // worst input once the last one has been reported.
    void start();

private:
    void fill();
    void ended(int index, InputRun *run);
    void writeReady();
    void write(int index, const InputOutcome &outcome);
    void finish();

    const Options &options;
    ProgressLine progress;
    TerminationSignals termination{{SIGINT, SIGTERM, SIGHUP}};
    QList<InputRun *> running;
    int next = 0;    // the next input to start
    int written = 0; // inputs reported so far, all before any not yet ended
    // What ended runs left, kept until every input before them is written.
    QMap<int, InputOutcome> waiting;
    QList<InputReport> reports; // for the formats that need every input at once
    QJsonArray objects;         // for json over several inputs
    int passed = 0;
    int worst = 0;
    int stoppedBy = 0;
};

#endif
