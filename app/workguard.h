// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_WORKGUARD_H
#define PLINVEX_WORKGUARD_H

#include <QObject>

// Held while outside tools work for the window. The event loop keeps running,
// so the window repaints and answers the desktop and screen readers, but no
// user input reaches any widget: each slot's steps, boxes and views keep
// their order. Closing the window is not input; the window handles it.
class WorkGuard : public QObject
{
public:
    explicit WorkGuard(bool &working);
    ~WorkGuard() override;
    WorkGuard(const WorkGuard &) = delete;
    WorkGuard &operator=(const WorkGuard &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool &working;
};

#endif
