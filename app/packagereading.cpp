// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/packagereading.h"

#include "package/confinedreader.h"

#include <QThread>

PackageReading::PackageReading(QObject *parent)
    : QObject(parent)
{
}

PackageReading::~PackageReading()
{
    callOff();
    for (const std::shared_ptr<Run> &run : qAsConst(running))
        run->thread->wait();
}

void PackageReading::start(const QString &debPath, const QStringList &languages)
{
    callOff();
    auto run = std::make_shared<Run>();
    Run *raw = run.get();
    run->thread = QThread::create([raw, debPath, languages] {
        RunControl control;
        control.cancellation = &raw->cancellation;
        raw->metadata = readPackageConfined(debPath, languages, control);
    });
    run->thread->setParent(this);
    // Delivered on this object's thread once the reading thread has ended,
    // so the metadata is read there only after it was written.
    connect(run->thread, &QThread::finished, this, [this, raw] { report(raw); });
    current = run;
    running.append(run);
    run->thread->start();
}

void PackageReading::callOff()
{
    if (current)
        current->cancellation.cancel();
    current.reset();
}

void PackageReading::report(Run *run)
{
    const bool latest = current.get() == run;
    if (latest)
        current.reset();
    for (int i = 0; i < running.size(); ++i) {
        if (running.at(i).get() != run)
            continue;
        const std::shared_ptr<Run> done = running.takeAt(i);
        done->thread->deleteLater();
        if (latest && !done->cancellation.isCancelled())
            emit finished(done->metadata);
        return;
    }
}
