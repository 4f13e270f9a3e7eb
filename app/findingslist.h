// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_FINDINGSLIST_H
#define PLINVEX_FINDINGSLIST_H

#include "engine/checkfindings.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class CheckJob;
class ScreenshotMeasures;
class QListWidget;
class QModelIndex;
struct SubmissionValues;

// The check's findings for the form as it stands, in a list beside it. A
// change only restarts a short wait; once the form has been still for that
// long the check runs off the GUI thread, so typing never waits for it. A
// newer change supersedes a check still running, whose result is dropped.
class FindingsList : public QObject
{
    Q_OBJECT

public:
    // `values` and `facts` give the form and its package as they stand when
    // the wait ends.
    FindingsList(QListWidget *view, std::function<SubmissionValues()> values,
                 std::function<PackageFacts()> facts, QObject *parent = nullptr);
    ~FindingsList() override;

public slots:
    // The form changed: check it again once it is still.
    void schedule();

signals:
    // A line was activated: the field its finding is about.
    void fieldActivated(const QString &field);

private:
    void check();
    void show(const QList<Finding> &findings);
    void activate(const QModelIndex &index);

    QListWidget *view;
    std::function<SubmissionValues()> values;
    std::function<PackageFacts()> facts;
    QTimer wait;
    QPointer<CheckJob> running;
    // Kept across checks: the form's screenshots are decoded once, not after
    // every key press.
    std::shared_ptr<ScreenshotMeasures> measures;
};

#endif
