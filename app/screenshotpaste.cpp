// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/screenshotpaste.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

bool isPasteKey(const QEvent *event)
{
    return (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
           static_cast<const QKeyEvent *>(event)->matches(QKeySequence::Paste);
}

} // namespace

ScreenshotPaste::ScreenshotPaste(QWidget *window)
    : QObject(window)
{
    // Keys go to the focused widget first, and text fields take Ctrl+V for
    // themselves; so each widget is watched, not only the window.
    window->installEventFilter(this);
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

bool ScreenshotPaste::eventFilter(QObject *watched, QEvent *event)
{
    if (!isPasteKey(event))
        return QObject::eventFilter(watched, event);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasUrls())
        return QObject::eventFilter(watched, event);
    // Claiming the override keeps window shortcuts away; the key press follows.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls)
        emit urlPasted(url);
    return true;
}
