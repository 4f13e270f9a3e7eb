// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_FORMPREFILL_H
#define PLINVEX_FORMPREFILL_H

#include <QList>
#include <QObject>
#include <QString>

class QLineEdit;
class QTextEdit;
class QWidget;
struct FormWidgets;
struct SubmissionValues;

// Fills the form's text fields from what a package and its earlier bundle
// say, without ever taking the packager's own words: a field the packager
// typed or edited is never touched; one the program filled and nobody edited
// since follows the latest package, and is emptied when that has nothing for it.
class FormPrefill : public QObject
{
    Q_OBJECT

public:
    FormPrefill(const FormWidgets &form, QObject *parent);

    void apply(const SubmissionValues &values);
    // After the form reset: nothing in it is the program's any more.
    void forget() { filled.clear(); }

private:
    bool mayFill(QWidget *field, bool empty) const;
    void fill(QLineEdit *field, const QString &value);
    void fill(QTextEdit *field, const QString &value);

    const FormWidgets &form;
    QList<QWidget *> filled;
    bool filling = false;
};

#endif
