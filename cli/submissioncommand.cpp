// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/submissioncommand.h"

#include "cli/checkruns.h"
#include "cli/commandoptions.h"

#include <QCoreApplication>
#include <QTimer>

bool isSubmissionCommand(const QString &firstArgument)
{
    return firstArgument == QLatin1String("pack") || firstArgument == QLatin1String("check");
}

int runSubmissionCommand(const QStringList &arguments)
{
    Options options;
    const int ended = parseOptions(arguments, options);
    if (ended >= 0)
        return ended;
    CheckRuns runs(options);
    QTimer::singleShot(0, &runs, [&runs] { runs.start(); });
    return QCoreApplication::exec();
}
