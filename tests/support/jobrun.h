// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_JOBRUN_H
#define PLINVEX_JOBRUN_H

#include "tools/toolrunner.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Job;
class MainWindow;

// The tests wait for the engine the way a front end does, on the event loop,
// until a job's or a run's finished signal: never on the clock.

// Starts `job` unless it runs already, and returns once it has finished.
bool runToEnd(Job &job);

// Runs tools to their end. `callOffWhen`, asked whenever the event loop
// turns, kills the run once it holds.
ToolResult runToolChains(const QList<QList<ToolCommand>> &chains, int parallel,
                         const std::function<bool()> &callOffWhen = {});
ToolResult runTool(const ToolCommand &command, const std::function<bool()> &callOffWhen = {});
ToolResult runTool(const QString &program, const QStringList &arguments, int timeoutMs);

// Returns once the pack or compression a press started in the window has
// ended and the window has said what it has to say.
bool waitForWindowWork(MainWindow &window);

// Returns once the reading of the package chosen in the window has ended:
// the form is filled and any box about the package answered.
bool waitForPackageReading(MainWindow &window);

#endif
