// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the window the way main() does, under whatever locale the
// environment names, and prints what it speaks: one "key=text" line each for
// the window's own texts and Qt's.
#include "app/mainwindow.h"
#include "wording/uilanguage.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

static void print(const char *key, const QString &text)
{
    std::printf("%s=%s\n", key, text.toUtf8().constData());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslations(app);
    MainWindow window;
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok);

    print("window", window.findChild<QPushButton *>(QStringLiteral("pushButton"))->text());
    print("qt", box.button(QMessageBox::Ok)->text());
    // Captions whose text needs more room than their label gives.
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->sizeHint().width() > label->width())
            print("cut", label->objectName() + QLatin1Char(' ') + label->text());
    }
    return 0;
}
