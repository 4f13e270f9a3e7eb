// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/findingslist.h"

#include "app/findingwords.h"
#include "bundle/submission.h"
#include "engine/checkjob.h"
#include "engine/picturemeasure.h"
#include "engine/rulebook.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QListWidgetItem>

namespace {

// Long enough to let a word be typed whole, short enough that the list
// follows within a moment of the last key.
constexpr int kStillMs = 60;

constexpr int kFieldRole = Qt::UserRole;

QString mark(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("✖");
    case Severity::Warning:
        return QStringLiteral("⚠");
    case Severity::Info:
        break;
    }
    return QStringLiteral("ℹ");
}

// What a screen reader says in place of the mark.
QString severityWord(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QCoreApplication::translate("MainWindow", "错误");
    case Severity::Warning:
        return QCoreApplication::translate("MainWindow", "警告");
    case Severity::Info:
        break;
    }
    return QCoreApplication::translate("MainWindow", "提示");
}

// Why the store cares and how to mend it, as the rule book says; the tag
// where the book has no words for it, so it can still be looked up.
QString explanationOf(const QString &tag)
{
    const Rule *rule = ruleOf(tag);
    if (!rule)
        return tag;
    QStringList parts;
    for (const char *source : {rule->explanation, rule->mend}) {
        const QString text = ruleText(source);
        if (!text.isEmpty())
            parts << text;
    }
    return parts.isEmpty() ? tag : parts.join(QLatin1Char('\n'));
}

} // namespace

FindingsList::FindingsList(QListWidget *view, std::function<SubmissionValues()> values,
                           std::function<PackageFacts()> facts, QObject *parent)
    : QObject(parent)
    , view(view)
    , values(std::move(values))
    , facts(std::move(facts))
    , measures(std::make_shared<ScreenshotMeasures>())
{
    // Messages name whole paths: they wrap rather than run off the side.
    view->setWordWrap(true);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    wait.setSingleShot(true);
    wait.setInterval(kStillMs);
    connect(&wait, &QTimer::timeout, this, &FindingsList::check);
    // A click and Enter both activate a line, whatever the style's habit.
    connect(view, &QAbstractItemView::clicked, this, &FindingsList::activate);
    connect(view, &QAbstractItemView::activated, this, &FindingsList::activate);
}

FindingsList::~FindingsList()
{
    if (running)
        running->kill();
}

void FindingsList::schedule()
{
    wait.start();
}

void FindingsList::check()
{
    // Nobody reads a hidden list: during a pack the check would only take
    // the processors from the tools. Showing the form schedules it again.
    if (!view->isVisible())
        return;
    if (running) {
        running->disconnect(this);
        running->kill();
        running->deleteLater();
    }
    const SubmissionValues form = values();
    running = new CheckJob(form, facts(), measures, this);
    // Until a package is chosen every field is empty for want of one, not
    // by the packager's oversight, and an empty path names no missing file.
    const bool packageChosen = !form.package.value.isEmpty();
    connect(running, &Job::finished, this, [this, packageChosen](Job *job) {
        if (job != running)
            return;
        auto *done = running.data();
        running.clear();
        done->deleteLater();
        QList<Finding> shown;
        for (const Finding &finding : done->findings()) {
            const bool waiting = finding.tag == QLatin1String("required-empty") ||
                                 finding.tag == QLatin1String("package-missing");
            if (packageChosen || !waiting)
                shown << finding;
        }
        show(shown);
    });
    running->start();
}

void FindingsList::show(const QList<Finding> &findings)
{
    view->clear();
    for (const Finding &finding : findings) {
        // Paths and values in a message may hold characters that would turn
        // the line around or hide part of it.
        const QString message = printable(windowWords(finding));
        auto *item = new QListWidgetItem(mark(finding.severity) + QLatin1Char(' ') + message, view);
        item->setToolTip(explanationOf(finding.tag));
        item->setData(Qt::AccessibleDescriptionRole, finding.tag);
        item->setData(Qt::AccessibleTextRole,
                      severityWord(finding.severity) + QStringLiteral("：") + message);
        item->setData(kFieldRole, finding.field);
    }
    if (!findings.isEmpty())
        return;
    // Not a finding: nothing to go to, nothing to select.
    auto *calm =
        new QListWidgetItem(QCoreApplication::translate("MainWindow", "看起来都没问题～"), view);
    calm->setFlags(Qt::ItemIsEnabled);
}

void FindingsList::activate(const QModelIndex &index)
{
    const QString field = index.data(kFieldRole).toString();
    if (!field.isEmpty())
        emit fieldActivated(field);
}
