// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_MODALANSWERER_H
#define PLINVEX_MODALANSWERER_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// What a modal widget looked like when it was answered.
struct ModalRecord
{
    QString className;
    QString title;
    QString text; // message box text, or the file dialog's name filters
    QStringList buttons;
    bool hasParent = false;
    QString directory;               // file dialogs only
    const QWidget *parent = nullptr; // compare only, the widget may be gone
    int icon = 0;                    // message boxes only: the QMessageBox::Icon
    int fileMode = -1;               // file dialogs only: the QFileDialog::FileMode
};

// The boxes' titles and texts on one line, for a failure message.
QString boxSummary(const QList<ModalRecord> &boxes);

// Answers the modal dialogs and message boxes a test provokes, in order, by
// finding the active modal widget the way a user meets it.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    ModalAnswerer();

    // The next modal widget is a message box: press its (first) button.
    ModalAnswerer &pressOk();
    // The next modal widget is a file dialog: type `path` and accept. For a
    // path holding a double quote, go to its folder and type the file name,
    // which itself must hold none.
    ModalAnswerer &chooseFile(const QString &path);
    // The next modal widget is a file dialog: cancel it.
    ModalAnswerer &cancelDialog();
    // Any other answer.
    ModalAnswerer &then(const std::function<void(QWidget *)> &answer);

    const QList<ModalRecord> &records() const { return seen; }
    int pending() const { return answers.size(); }

private:
    void poll();

    QQueue<std::function<void(QWidget *)>> answers;
    QList<ModalRecord> seen;
    QPointer<QWidget> lastAnswered;
    QTimer timer;
};

#endif
