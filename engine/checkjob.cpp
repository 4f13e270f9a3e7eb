// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/checkjob.h"

#include "engine/picturemeasure.h"

#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QRunnable>
#include <QThreadPool>

#include <atomic>
#include <utility>

namespace {

// One worker for every check: the check spreads its screenshots over the
// processors itself, and two checks at once would only share them.
QThreadPool &checkPool()
{
    static QThreadPool pool;
    static const bool once = [] {
        pool.setMaxThreadCount(1);
        return true;
    }();
    Q_UNUSED(once)
    return pool;
}

} // namespace

// What the worker and the job share. The job may be gone before the worker
// ends: the worker then finds no job to report to.
struct CheckJob::Run
{
    SubmissionValues values;
    PackageFacts facts;
    std::shared_ptr<ScreenshotMeasures> measures;
    QList<Finding> findings;
    std::atomic<bool> dropped{false};
    QMutex mutex;
    CheckJob *job = nullptr; // guarded by mutex
};

CheckJob::CheckJob(const SubmissionValues &values, const PackageFacts &facts,
                   std::shared_ptr<ScreenshotMeasures> measures, QObject *parent)
    : Job(parent)
    , values(values)
    , facts(facts)
    , measures(std::move(measures))
{
}

CheckJob::~CheckJob()
{
    if (current) {
        QMutexLocker lock(&current->mutex);
        current->job = nullptr;
        current->dropped = true;
    }
}

void CheckJob::begin()
{
    auto run = std::make_shared<Run>();
    run->values = values;
    run->facts = facts;
    run->measures = measures;
    run->job = this;
    current = run;
    checkPool().start(QRunnable::create([run] {
        if (!run->dropped)
            run->findings = checkSubmission(run->values, run->facts, run->measures.get());
        QMutexLocker lock(&run->mutex);
        // Posted while the job is sure to live; an event still queued for a
        // job deleted later is discarded with it.
        if (run->job)
            QMetaObject::invokeMethod(
                run->job, [job = run->job, run] { job->deliver(run); }, Qt::QueuedConnection);
    }));
}

void CheckJob::callOff()
{
    killed = true;
    result.clear();
    {
        QMutexLocker lock(&current->mutex);
        current->job = nullptr;
        current->dropped = true;
    }
    current.reset();
    finish();
}

void CheckJob::deliver(const std::shared_ptr<Run> &run)
{
    if (run != current)
        return;
    result = run->findings;
    current.reset();
    setRunning(false);
    emit finished(this);
}
