// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_DRAGDROP_H
#define PLINVEX_DRAGDROP_H

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

// What became of one drag gesture.
struct DragOutcome
{
    bool enterAccepted = false; // the target showed itself droppable
    bool dropped = false;       // the drop event was delivered
    bool dropAccepted = false;  // the target reported the drop as taken
};

// The widget a windowing system hands a drag at `windowPos` to: the widget
// under that point, or its nearest ancestor that accepts drops.
inline QWidget *dragTargetAt(QWidget *window, const QPoint &windowPos)
{
    QWidget *widget = window->childAt(windowPos);
    if (!widget)
        widget = window;
    while (widget && !widget->isWindow() && !widget->acceptDrops())
        widget = widget->parentWidget();
    return widget && widget->acceptDrops() ? widget : nullptr;
}

// Drags `data` onto `target` as a real gesture arrives: enter, move, then the
// drop only when the target still accepts after the move; otherwise the drag
// leaves.
inline DragOutcome dragAndDrop(QWidget *target, const QMimeData *data,
                               const QPoint &pos = QPoint(5, 5))
{
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    DragOutcome outcome;
    QDragEnterEvent enter(pos, actions, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    outcome.enterAccepted = enter.isAccepted();
    if (!outcome.enterAccepted)
        return outcome;
    // The toolkit hands the move on already accepted with the action the
    // entering settled on; a target that ignores moves keeps it so.
    QDragMoveEvent move(pos, actions, data, Qt::LeftButton, Qt::NoModifier);
    move.setDropAction(enter.dropAction());
    move.accept();
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
        return outcome;
    }
    QDropEvent drop(QPointF(pos), actions, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    outcome.dropped = true;
    outcome.dropAccepted = drop.isAccepted();
    return outcome;
}

// Drags `data` onto whatever widget of `window` lies at `windowPos`.
inline DragOutcome dragAndDropAt(QWidget *window, const QPoint &windowPos, const QMimeData *data)
{
    QWidget *target = dragTargetAt(window, windowPos);
    if (!target)
        return {};
    return dragAndDrop(target, data, target->mapFrom(window, windowPos));
}

// The data a file manager offers for local files: their URLs, and the
// same URLs as plain text for editors.
inline QMimeData *fileDragData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    QStringList lines;
    for (const QString &path : paths) {
        urls << QUrl::fromLocalFile(path);
        lines << QUrl::fromLocalFile(path).toString();
    }
    data->setUrls(urls);
    data->setText(lines.join(QLatin1Char('\n')));
    return data;
}

#endif
