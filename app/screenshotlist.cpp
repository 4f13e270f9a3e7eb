// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/screenshotlist.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// A path as one line of plain text: whatever the document would break a line
// at, or could not show, stands as a replacement character.
QString asOneLine(const QString &path)
{
    QString line = path;
    for (QChar &ch : line) {
        const QChar::Category category = ch.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            ch = QChar::ReplacementCharacter;
    }
    return line;
}

bool isRemovalKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Delete || key == Qt::Key_Backspace;
}

} // namespace

ScreenshotList::ScreenshotList(QTextEdit *view)
    : QObject(view)
    , view(view)
    , viewport(view->viewport())
{
    // Read-only still, but with a cursor the keyboard can move from line to line.
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->installEventFilter(this);
    viewport->installEventFilter(this);
}

void ScreenshotList::append(const QString &path)
{
    shots.append(path);
    show();
}

void ScreenshotList::setPaths(const QStringList &paths)
{
    shots = paths;
    show();
}

void ScreenshotList::clear()
{
    shots.clear();
    view->clear();
}

void ScreenshotList::removeAt(int index)
{
    if (index < 0 || index >= shots.size())
        return;
    shots.removeAt(index);
    show();
    QTextCursor cursor(view->document()->findBlockByNumber(qMin(index, shots.size() - 1)));
    view->setTextCursor(cursor);
}

void ScreenshotList::show()
{
    QStringList lines;
    lines.reserve(shots.size());
    for (const QString &path : qAsConst(shots))
        lines.append(asOneLine(path));
    view->setPlainText(lines.join(QLatin1Char('\n')));
    view->moveCursor(QTextCursor::End);
}

// The line under a point of the viewport, or -1 where no line is.
int ScreenshotList::lineAt(const QPoint &viewportPos) const
{
    if (shots.isEmpty())
        return -1;
    const QTextBlock block = view->cursorForPosition(viewportPos).block();
    const QRectF lineRect = view->document()->documentLayout()->blockBoundingRect(block);
    const qreal y = viewportPos.y() + view->verticalScrollBar()->value();
    return y >= lineRect.top() && y < lineRect.bottom() ? block.blockNumber() : -1;
}

void ScreenshotList::offerRemoval(int line, const QPoint &globalPos)
{
    QMenu menu(view);
    QAction *remove = menu.addAction(QCoreApplication::translate("MainWindow", "移除这张截图"));
    connect(remove, &QAction::triggered, this, [this, line] { removeAt(line); });
    menu.exec(globalPos);
}

bool ScreenshotList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view && isRemovalKey(event)) {
        removeAt(view->textCursor().blockNumber());
        return true;
    }
    if ((watched == view || watched == viewport) && event->type() == QEvent::ContextMenu) {
        const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        // The menu key speaks of the cursor's line, the mouse of the line under it.
        if (menuEvent->reason() == QContextMenuEvent::Keyboard) {
            if (!shots.isEmpty())
                offerRemoval(view->textCursor().blockNumber(),
                             view->viewport()->mapToGlobal(view->cursorRect().bottomLeft()));
        } else if (watched == viewport) {
            const int line = lineAt(menuEvent->pos());
            if (line >= 0)
                offerRemoval(line, menuEvent->globalPos());
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
