// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Driver of the findings list's re-check: checks one submission with the
// given screenshots once, then again after each of ten changes of its name,
// as the window does after every pause in typing, and prints the first
// check's time and the median of the others in milliseconds.

#include "bundle/submission.h"
#include "engine/checkfindings.h"
#if __has_include("engine/picturemeasure.h")
#include "engine/picturemeasure.h"
#define PLINVEX_KEPT_MEASURES 1
#endif

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() < 3) {
        QTextStream(stderr) << "usage: plinvex_findings_bench PACKAGE.deb LOGO SCREENSHOT...\n";
        return 2;
    }
    const auto given = [](const QString &value) {
        return SourcedText{value, ValueSource::Given};
    };
    SubmissionValues values;
    values.package = given(QFileInfo(arguments.at(0)).absoluteFilePath());
    values.pkgName = given(QStringLiteral("hello"));
    values.version = given(QStringLiteral("1.0"));
    values.name = given(QStringLiteral("Hello"));
    values.contributor = given(QStringLiteral("me"));
    values.description = given(QStringLiteral("Says hello.\nIn many languages."));
    values.logo = given(arguments.at(1));
    values.screenshots = arguments.mid(2);
    values.screenshotsSource = ValueSource::Given;
    PackageFacts facts;
    facts.path = values.package.value;
    facts.exists = facts.regularFile = facts.readable = true;
    facts.ownName = QStringLiteral("hello");
    facts.ownVersion = QStringLiteral("1.0");

#ifdef PLINVEX_KEPT_MEASURES
    ScreenshotMeasures kept;
    const auto check = [&] {
        return checkSubmission(values, facts, &kept).size();
    };
#else
    const auto check = [&] {
        return checkSubmission(values, facts).size();
    };
#endif
    QElapsedTimer timer;
    timer.start();
    check();
    const qint64 first = timer.nsecsElapsed();
    std::vector<qint64> again;
    for (int i = 0; i < 10; ++i) {
        values.name.value = QStringLiteral("Hello %1").arg(i);
        timer.restart();
        check();
        again.push_back(timer.nsecsElapsed());
    }
    std::sort(again.begin(), again.end());
    QTextStream(stdout) << "first " << first / 1e6 << " ms, again median "
                        << again.at(again.size() / 2) / 1e6 << " ms\n";
    return 0;
}
