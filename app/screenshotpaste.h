// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_SCREENSHOTPASTE_H
#define PLINVEX_SCREENSHOTPASTE_H

#include <QObject>

class QUrl;
class QWidget;

// Ctrl+V anywhere in a window, when the clipboard holds files copied in a
// file manager, hands each file on instead of pasting its address as text;
// any other clipboard content is left to the focused field. Gives keyboard
// users the screenshots a drag brings.
class ScreenshotPaste : public QObject
{
    Q_OBJECT

public:
    // Watches `window` and every widget in it at this moment; owned by `window`.
    explicit ScreenshotPaste(QWidget *window);

signals:
    void urlPasted(const QUrl &url);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
