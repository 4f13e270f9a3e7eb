// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks one bundle folder or archive as the store receives it and prints
// its findings, one a line: for timing the check under /usr/bin/time.
//
//   plinvex_check_bench PATH

#include "engine/bundlecheckjob.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    BundleCheckJob job(QString::fromLocal8Bit(argv[1]));
    QObject::connect(&job, &Job::finished, &app, [&app, &job] {
        QTextStream out(stdout);
        for (const Finding &finding : job.findings())
            out << severityName(finding.severity) << ' ' << finding.tag << ' '
                << printable(finding.member) << ' '
                << printable(finding.params.join(QStringLiteral(" | "))) << '\n';
        app.exit(0);
    });
    job.start();
    return QCoreApplication::exec();
}
