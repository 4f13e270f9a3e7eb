// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_JOB_H
#define PLINVEX_JOB_H

#include <QObject>

class ToolRun;

// One long operation of the engine, in the manner of KDE's KJob: started
// once, it reports its progress and ends with finished(), after which its
// structured result is read from the job itself. Nothing waits for it: the
// window and the command line connect to its signals and go on with their
// event loops. A job that is killed stops whatever it runs, cleans up after
// itself and still ends with finished(), its result saying it was called off.
class Job : public QObject
{
    Q_OBJECT

public:
    // What a job is doing, as facts: each face words them its own way.
    enum class Step {
        Read,     // the package read by the confined reader
        Lock,     // waiting for another pack or compression of the package
        Build,    // the package copied, each image copied and scaled
        Carry,    // the packager's own files of the earlier bundle carried over
        Swap,     // the new bundle folder put in place
        Compress, // the bundle archived
    };
    Q_ENUM(Step)

    using QObject::QObject;

    // Starts the job; one that runs already is left to run.
    void start();
    // Calls the job off; it still ends with finished(). Nothing when it
    // does not run.
    void kill();
    bool isRunning() const { return running; }

signals:
    // `step` runs now; done and total count items or bytes, total 0 when
    // not known.
    void progress(Job::Step step, qint64 done, qint64 total);
    void finished(Job *job);

protected:
    // The job's first step, and what stops the step that runs.
    virtual void begin() = 0;
    virtual void callOff() = 0;
    void setRunning(bool value) { running = value; }
    // Ends the job: delivered from the event loop, so a job that ends at
    // once still ends after start() has returned.
    void finish();

    // Tells the watchers `step` runs, done of total.
    void reportProgress(Step step, qint64 done, qint64 total);
    // Tells the watchers `step` runs, with as much done as told last.
    void reportStep(Step step);
    // Each tool of `run` that succeeds is one more done of `step`, of `total`.
    void countToolsDone(ToolRun *run, Step step, qint64 total);
    // The progress of `part`, a job this one runs, told as this job's own.
    void forwardProgress(Job *part);

private:
    bool running = false;
    qint64 done = 0;
    qint64 total = 0;
};

#endif
