// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_TERMINATIONSIGNALS_H
#define PLINVEX_TERMINATIONSIGNALS_H

#include <QList>
#include <QObject>

#include <csignal>
#include <initializer_list>

class QSocketNotifier;

// Turns termination signals (a logout, a `kill`, Ctrl+C when asked for) into
// a signal on the event loop, so the program can stop its tools and clean up
// instead of dying in the middle of a write. A signal the program was started
// ignoring (`nohup`) stays ignored. One object at a time.
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
    struct Caught
    {
        int number;
        struct sigaction earlier;
    };
    QList<Caught> caught;
    QSocketNotifier *notifier = nullptr;
};

#endif
