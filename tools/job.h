// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_JOB_H
#define PLINVEX_JOB_H

#include <QObject>
#include <QString>

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
    using QObject::QObject;

    // Starts the job; one that runs already is left to run.
    void start();
    // Calls the job off; it still ends with finished(). Nothing when it
    // does not run.
    void kill();
    bool isRunning() const { return running; }

signals:
    // `step` names what runs now ("lock", "copy", "scale", "carry", "swap",
    // "compress", "read", "check"); done and total count items or bytes,
    // total 0 when not known.
    void progress(const QString &step, qint64 done, qint64 total);
    void finished(Job *job);

protected:
    // The job's first step, and what stops the step that runs.
    virtual void begin() = 0;
    virtual void callOff() = 0;
    void setRunning(bool value) { running = value; }
    // Ends the job: delivered from the event loop, so a job that ends at
    // once still ends after start() has returned.
    void finish();

private:
    bool running = false;
};

#endif
