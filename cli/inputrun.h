// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_INPUTRUN_H
#define PLINVEX_INPUTRUN_H

#include "cli/inputreport.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

struct Options;

// What one input leaves once its run has ended: all any format needs of
// it, and nothing of the package, the pictures or the bundle themselves.
struct InputOutcome
{
    InputReport report; // its findings, its JSON object and its exit status
    QByteArray text;    // its part of the text report
    bool passed = false;
};

class InputRunPrivate;

// One input of `pack` or `check` run to its end as jobs under the event
// loop: a package is prefilled from what the options give and checked (and,
// for `pack`, packed and compressed); a bundle folder or archive is checked
// as it is. Each run reads with a confined reader of its own.
class InputRun : public QObject
{
public:
    // `ended` is called once, from the event loop, when the run is over.
    InputRun(const Options &options, const QString &input, bool showsProgress,
             std::function<void(InputRun *)> ended, QObject *parent = nullptr);
    ~InputRun() override;
    InputRun(const InputRun &) = delete;
    InputRun &operator=(const InputRun &) = delete;

    void start();
    // Calls the run off for the signal `signalNumber`: the job that runs is
    // killed, and the run ends stopped, exiting 128 + the signal's number.
    void stop(int signalNumber);

    // Read once ended.
    const InputOutcome &outcome() const;

private:
    std::unique_ptr<InputRunPrivate> d;
};

#endif
