// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CLIPROGRESS_H
#define PLINVEX_CLIPROGRESS_H

#include "tools/job.h"

#include <QString>

// One line on standard error that tells a job's progress, rewritten in
// place; only for a person watching a terminal.
class ProgressLine
{
public:
    explicit ProgressLine(bool enabled);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // What a job's progress signal says: its step, and done of total.
    void show(Job::Step step, qint64 done, qint64 total);
    // Progress in words of the caller's own: "检查了 3 / 200".
    void show(const QString &what, qint64 done, qint64 total);
    // Takes the line away again.
    void finish();

private:
    bool enabled;
    bool shown = false;
};

#endif
