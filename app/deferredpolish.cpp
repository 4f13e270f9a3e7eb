// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/deferredpolish.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

DeferredPolish::DeferredPolish(QWidget *widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

bool DeferredPolish::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Polish && !widget->isVisible()) {
        held = true;
        return true;
    }
    // The show event comes before the first paint, so the widget is drawn
    // polished, just as it would have been.
    if (event->type() == QEvent::Show) {
        widget->removeEventFilter(this);
        if (held) {
            QEvent polish(QEvent::Polish);
            QCoreApplication::sendEvent(widget, &polish);
        }
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}
