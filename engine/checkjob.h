// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CHECKJOB_H
#define PLINVEX_CHECKJOB_H

#include "bundle/submission.h"
#include "engine/checkfindings.h"
#include "tools/job.h"

#include <QList>

#include <memory>

class ScreenshotMeasures;

// Runs checkSubmission() on a worker thread: it decodes every screenshot,
// which takes long enough to be felt between two key presses. The check
// itself cannot be interrupted; killing the job drops its result, and a
// job killed before its turn on the worker never runs the check at all.
// Checks run one at a time, so a packager typing fast queues at most the
// newest behind the one that runs.
class CheckJob : public Job
{
    Q_OBJECT

public:
    // `measures`, where given, keeps the screenshots measured for the next
    // check of the same files; it may be shared with checks still running.
    CheckJob(const SubmissionValues &values, const PackageFacts &facts,
             std::shared_ptr<ScreenshotMeasures> measures = nullptr, QObject *parent = nullptr);
    ~CheckJob() override;

    // The findings once finished; empty for a killed job.
    const QList<Finding> &findings() const { return result; }
    bool wasKilled() const { return killed; }

protected:
    void begin() override;
    void callOff() override;

private:
    struct Run;
    void deliver(const std::shared_ptr<Run> &run);

    SubmissionValues values;
    PackageFacts facts;
    std::shared_ptr<ScreenshotMeasures> measures;
    std::shared_ptr<Run> current;
    QList<Finding> result;
    bool killed = false;
};

#endif
