// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the main window as a user first sees it into a PNG, for the README.
// Runs without a display: the offscreen platform is chosen unless one is set.

#include "app/mainwindow.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPixmap>
#include <QString>
#include <QTextStream>

// Distinct from other failures, so a check can tell a missing font from a fault.
constexpr int kNoChineseFont = 3;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: " << arguments.value(0) << " OUTPUT.png\n";
        return 2;
    }

    // Without a Chinese font every caption renders as empty boxes; such a
    // picture must not end up in the README.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
#else
    const QStringList chinese = QFontDatabase().families(QFontDatabase::SimplifiedChinese);
#endif
    if (chinese.isEmpty()) {
        err << "No font with Chinese glyphs is installed (for example fonts-wqy-microhei).\n";
        return kNoChineseFont;
    }

    MainWindow window;
    window.show();
    QApplication::processEvents();

    const QString &output = arguments.at(1);
    const QPixmap picture = window.grab();
    if (picture.isNull() || !picture.save(output, "PNG")) {
        err << "Cannot write " << output << '\n';
        return 1;
    }
    return 0;
}
