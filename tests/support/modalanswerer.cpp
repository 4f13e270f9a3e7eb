// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace {

ModalRecord describe(QWidget *modal)
{
    ModalRecord record;
    record.className = QString::fromLatin1(modal->metaObject()->className());
    record.title = modal->windowTitle();
    record.hasParent = modal->parentWidget() != nullptr;
    record.parent = modal->parentWidget();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        record.text = box->text();
        record.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            record.buttons << button->text();
    } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        record.text = dialog->nameFilters().join(QLatin1String(";;"));
        record.directory = dialog->directory().absolutePath();
        record.fileMode = dialog->fileMode();
    }
    return record;
}

} // namespace

QString boxSummary(const QList<ModalRecord> &boxes)
{
    QStringList lines;
    for (const ModalRecord &box : boxes)
        lines << box.title + QStringLiteral(": ") + box.text;
    return lines.join(QLatin1String(" | "));
}

ModalAnswerer::ModalAnswerer()
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(10);
}

ModalAnswerer &ModalAnswerer::pressOk()
{
    return then([](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box && !box->buttons().isEmpty())
            box->buttons().first()->click();
        else
            modal->close();
    });
}

ModalAnswerer &ModalAnswerer::chooseFile(const QString &path)
{
    return then([path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (path.contains(QLatin1Char('"'))) {
            // The dialog reads quotes in the name field as a list of names, so
            // go to the folder and type the bare name. The dialog may clear the
            // field while it settles in the new folder: accept at once.
            const QFileInfo file(path);
            dialog->setDirectory(file.absolutePath());
            nameEdit->setText(file.fileName());
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
            return;
        }
        nameEdit->setText(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
}

ModalAnswerer &ModalAnswerer::cancelDialog()
{
    return then([](QWidget *modal) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        else
            modal->close();
    });
}

ModalAnswerer &ModalAnswerer::then(const std::function<void(QWidget *)> &answer)
{
    answers.enqueue(answer);
    return *this;
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || answers.isEmpty() || !modal->isVisible())
        return;
    if (modal == lastAnswered)
        return;
    lastAnswered = modal;
    seen << describe(modal);
    answers.dequeue()(modal);
}
