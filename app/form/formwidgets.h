// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_FORMWIDGETS_H
#define PLINVEX_FORMWIDGETS_H

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTextBrowser;
class QTextEdit;
class QWidget;

// Every widget of the form, in creation order. The pointers do not own:
// the widgets belong to the window through the parent-child tree.
struct FormWidgets
{
    QWidget *centralwidget = nullptr;
    QLineEdit *name = nullptr;
    QLineEdit *filename = nullptr;
    QLabel *label = nullptr;
    QLabel *label_2 = nullptr;
    QLabel *label_5 = nullptr;
    QLineEdit *author = nullptr;
    QLabel *lable22 = nullptr;
    QLabel *label_9 = nullptr;
    QTextEdit *info = nullptr;
    QLabel *label_4 = nullptr;
    QLineEdit *version = nullptr;
    QPushButton *pushButton = nullptr;
    QPushButton *pushButton_2 = nullptr;
    QLabel *label_8 = nullptr;
    QLabel *icon = nullptr;
    QPushButton *pushButton_3 = nullptr;
    QLabel *lable33 = nullptr;
    QTextBrowser *textBrowser = nullptr;
    QLabel *label_7 = nullptr;
    QLineEdit *contributor = nullptr;
    QPushButton *pushButton_4 = nullptr;
    QPushButton *pushButton_5 = nullptr;
    QLabel *label_6 = nullptr;
    QLineEdit *website = nullptr;
    QLineEdit *pkgname = nullptr;
    QLabel *label_3 = nullptr;
    QPushButton *pushButton_6 = nullptr;
    QTextEdit *image = nullptr;
    QListWidget *findings = nullptr;
    QProgressBar *progress = nullptr;
};

#endif
