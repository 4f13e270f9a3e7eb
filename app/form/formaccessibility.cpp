// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form/formaccessibility.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextEdit>

void applyFormAccessibility(FormWidgets &form)
{
    // A buddy gives the input its caption as accessible name. The captions
    // carry no '&', so no mnemonic appears and no shortcut is added.
    form.label->setBuddy(form.name);
    form.label_2->setBuddy(form.filename);
    form.label_3->setBuddy(form.pkgname);
    form.label_4->setBuddy(form.version);
    form.label_5->setBuddy(form.author);
    form.label_6->setBuddy(form.website);
    form.label_7->setBuddy(form.contributor);
    form.label_8->setBuddy(form.image);
    form.label_9->setBuddy(form.info);

    // The preview, the output browser, the findings and the progress bar
    // have no caption beside them.
    form.icon->setAccessibleName(QCoreApplication::translate("MainWindow", "Logo图标"));
    form.textBrowser->setAccessibleName(QCoreApplication::translate("MainWindow", "压缩输出"));
    form.findings->setAccessibleName(QCoreApplication::translate("MainWindow", "检查结果"));
    form.progress->setAccessibleName(QCoreApplication::translate("MainWindow", "进度"));

    // The logo button loses its text once a logo is shown; the description
    // still says what pressing it does. Buttons keep their texts as names.
    form.pushButton_3->setAccessibleDescription(
        QCoreApplication::translate("MainWindow", "单击此处选择Logo图标"));
}
