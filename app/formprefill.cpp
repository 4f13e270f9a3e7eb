// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/formprefill.h"

#include "app/form/formwidgets.h"
#include "package/valuechoice.h"

#include <QLineEdit>
#include <QTextEdit>

FormPrefill::FormPrefill(const FormWidgets &form, QObject *parent)
    : QObject(parent)
    , form(form)
{
    // textEdited comes from the keyboard and the clipboard only; the text
    // edit tells no such difference, so the program's own changes are fenced.
    for (QLineEdit *edit : {form.name, form.author, form.website, form.contributor})
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { filled.removeAll(edit); });
    connect(form.info, &QTextEdit::textChanged, this, [this, &form] {
        if (!filling)
            filled.removeAll(form.info);
    });
}

void FormPrefill::apply(const SubmissionValues &values)
{
    fill(form.name, values.name.value);
    fill(form.author, values.author.value);
    fill(form.website, values.homepage.value);
    fill(form.contributor, values.contributor.value);
    fill(form.info, values.description.value);
}

bool FormPrefill::mayFill(QWidget *field, bool empty) const
{
    return empty || filled.contains(field);
}

void FormPrefill::fill(QLineEdit *field, const QString &value)
{
    if (!mayFill(field, field->text().isEmpty()))
        return;
    field->setText(value);
    filled.removeAll(field);
    if (!value.isEmpty())
        filled.append(field);
}

void FormPrefill::fill(QTextEdit *field, const QString &value)
{
    if (!mayFill(field, field->toPlainText().isEmpty()))
        return;
    filling = true;
    field->setPlainText(value);
    filling = false;
    filled.removeAll(field);
    if (!value.isEmpty())
        filled.append(field);
}
