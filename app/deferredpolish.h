// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_DEFERREDPOLISH_H
#define PLINVEX_DEFERREDPOLISH_H

#include <QObject>

class QWidget;

// Holds back a hidden widget's polish until the widget is first shown.
// Polishing applies the style sheet, which decodes a border image at once;
// for a widget the first view never shows that is start-up time spent for
// nothing. Style sheet, geometry and looks stay exactly as set.
class DeferredPolish : public QObject
{
    Q_OBJECT

public:
    // Owned by `widget`; must be made before the widget's window is shown.
    explicit DeferredPolish(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool held = false;
};

#endif
