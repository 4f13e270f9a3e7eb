// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKINGFORM_H
#define PLINVEX_PACKINGFORM_H

#include "app/mainwindow.h"
#include "support/modalanswerer.h"

#include <QMap>
#include <QString>
#include <QStringList>

class QLineEdit;
class QSize;
class TemporaryHome;
class QTextEdit;
class QWidget;

// What a packager puts into the form. Empty texts and paths are left out,
// the way a packager forgets them.
struct PackingInputs
{
    QString package;         // chosen through the open-file button
    QString logo;            // chosen through the logo area
    QStringList screenshots; // dropped one at a time, in this order
    QString name;
    QString author;
    QString website;
    QString contributor;
    QString info; // may hold line feeds: typed as several lines

    // The probe fills package name and version; these type over them.
    bool retypePackageName = false;
    QString packageName;
    bool retypeVersion = false;
    QString version;
};

// Inputs for a complete form around `package` and `logo`.
PackingInputs completeInputs(const QString &package, const QString &logo,
                             const QStringList &screenshots);

// Fills the window's form through its own widgets: file dialogs answered by
// typing the path, screenshots dropped as real drop events, texts typed into
// the fields. Empty when every step went as a packager expects, otherwise
// what went wrong.
QString fillPackingForm(MainWindow &window, const PackingInputs &inputs);

// A widget of the window by object name.
template <typename Widget> Widget *formWidget(MainWindow &window, const char *objectName)
{
    return window.findChild<Widget *>(QString::fromLatin1(objectName));
}

// True when a user could press the button now: shown, enabled and not
// covered by another widget at its centre.
bool isReachable(MainWindow &window, const char *objectName);

// Presses a button the way a user does, with a mouse click at its centre.
// Empty when the button was reachable, otherwise why not; an unreachable
// button is not pressed.
QString pressButton(MainWindow &window, const char *objectName);

// What pressing a button led to: why it could not be pressed (empty when it
// was pressed) and the message boxes it raised, each answered with its first
// button.
struct PressOutcome
{
    QString problem;
    QList<ModalRecord> boxes;
};
PressOutcome pressAnswering(MainWindow &window, const char *objectName);

// Empty when the press showed exactly one error box: title "错误", the single
// button "确定", the window as parent, and the text `text` (or, with
// `textContinues`, a text that starts with it and goes on). Else what differs.
QString errorBoxProblem(const PressOutcome &press, const MainWindow &window, const QString &text,
                        bool textContinues);

// Inputs a test packs, made under <home>/inputs; the path, or empty when the
// file could not be made.
QString makeInputPackage(const TemporaryHome &home, const QString &fileName, const QString &name,
                         const QString &version, qint64 payloadBytes = 0);
QString makeInputImage(const TemporaryHome &home, const QString &fileName, const QSize &size);

// Types text into a field as an input method commits it; line feeds in a
// text edit are typed as the Return key.
void typeText(QWidget *field, const QString &text);
// Selects all of a line edit's text and deletes it with the keyboard.
void eraseText(QLineEdit *field);

// The texts of every input field, by object name, to see that a refused
// press changed nothing.
QMap<QString, QString> formTexts(MainWindow &window);

// True when the window shows the form view (pack button visible, the result
// buttons hidden); false for the result view.
bool showsFormView(MainWindow &window);
bool showsResultView(MainWindow &window);

#endif
