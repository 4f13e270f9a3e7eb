// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_TERMINATIONSIGNALS_H
#define PLINVEX_TERMINATIONSIGNALS_H

#include <QList>
#include <QObject>

#include <csignal>
#include <initializer_list>

class QSocketNotifier;

// Turns the given signals (by default SIGTERM and SIGHUP: a logout, a
// `kill`) into a signal on the event loop, so the program can stop its tools
// and clean up instead of dying in the middle of a write.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(std::initializer_list<int> signalNumbers = {SIGTERM, SIGHUP},
                                QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    QSocketNotifier *notifier = nullptr;
    QList<int> handled;
};

#endif
