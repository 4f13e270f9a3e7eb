// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/job.h"

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
