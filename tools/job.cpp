// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/job.h"

#include <QMetaObject>

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
