// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/job.h"

#include "tools/toolrunner.h"

#include <QMetaObject>

void Job::start()
{
    if (running)
        return;
    running = true;
    begin();
}

void Job::kill()
{
    if (running)
        callOff();
}

void Job::finish()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!running)
                return;
            running = false;
            emit finished(this);
        },
        Qt::QueuedConnection);
}

void Job::reportProgress(Step step, qint64 doneNow, qint64 totalNow)
{
    done = doneNow;
    total = totalNow;
    emit progress(step, done, total);
}

void Job::reportStep(Step step)
{
    emit progress(step, done, total);
}

void Job::countToolsDone(ToolRun *run, Step step, qint64 totalNow)
{
    connect(run, &ToolRun::toolSucceeded, this,
            [this, step, totalNow] { reportProgress(step, done + 1, totalNow); });
}

void Job::forwardProgress(Job *part)
{
    connect(part, &Job::progress, this, [this](Step step, qint64 doneNow, qint64 totalNow) {
        reportProgress(step, doneNow, totalNow);
    });
}
