// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_TERMINATIONSIGNALS_H
#define PLINVEX_TERMINATIONSIGNALS_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP (a logout, a `kill`) into a signal on the event
// loop, so the program can stop its tools and clean up instead of dying in
// the middle of a write.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    QSocketNotifier *notifier = nullptr;
};

#endif
