// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_SCREENSHOTLIST_H
#define PLINVEX_SCREENSHOTLIST_H

#include <QObject>
#include <QStringList>

class QPoint;
class QTextEdit;
class QWidget;

// The screenshots of a submission. The paths are kept here; the read-only
// list widget only shows them, one line each, so no file name can turn into
// rich text, a second entry or another path on the way to the bundle. A
// click on a line and Delete or Backspace, or the line's context menu, takes
// a screenshot out again.
class ScreenshotList : public QObject
{
    Q_OBJECT

public:
    explicit ScreenshotList(QTextEdit *view);

    const QStringList &paths() const { return shots; }
    bool isEmpty() const { return shots.isEmpty(); }
    void append(const QString &path);
    void setPaths(const QStringList &paths);
    void clear();
    void removeAt(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show();
    int lineAt(const QPoint &viewportPos) const;
    void offerRemoval(int line, const QPoint &globalPos);

    QTextEdit *view;
    // Kept, not asked for: events still reach the filter while the view is
    // being destroyed, when it can no longer be asked.
    QWidget *viewport;
    QStringList shots;
};

#endif
