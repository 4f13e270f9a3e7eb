// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "bundle/desktopfolder.h"
#include "support/packingform.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QSize>
#include <QtTest>

// Where bundles go: an existing ~/Desktop, else the desktop folder the XDG
// user-dirs configuration names when it exists, else ~/Desktop.
class TestDesktopFolder : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void folderChoice_data();
    void folderChoice();
    void bundleAndArchiveGoToTheConfiguredFolder();

private:
    // Names `desktop` (relative to the home, "$HOME/" prefixed) as the
    // desktop folder in the user-dirs configuration; empty writes none.
    static void configureDesktop(const QString &desktop);
    static QString userDirsFile();
};

QString TestDesktopFolder::userDirsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/user-dirs.dirs");
}

void TestDesktopFolder::configureDesktop(const QString &desktop)
{
    QFile::remove(userDirsFile());
    if (desktop.isNull())
        return;
    const QString line = QStringLiteral("# written by xdg-user-dirs-update\n"
                                        "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
                                        "XDG_DESKTOP_DIR=\"$HOME/%1\"\n")
                             .arg(desktop);
    QVERIFY(writeTextFile(userDirsFile(), line.toUtf8()));
}

void TestDesktopFolder::cleanup()
{
    QFile::remove(userDirsFile());
}

void TestDesktopFolder::folderChoice_data()
{
    QTest::addColumn<QStringList>("folders"); // made in the home
    QTest::addColumn<QString>("configured");  // XDG_DESKTOP_DIR below $HOME, null for no file
    QTest::addColumn<QString>("expected");    // relative to the home; empty: the home itself

    const QString desktop = QStringLiteral("Desktop");
    const QString chinese = QStringLiteral("桌面");
    QTest::newRow("Desktop exists, nothing configured")
        << QStringList{desktop} << QString() << desktop;
    QTest::newRow("Desktop exists and wins over the configured one")
        << QStringList{desktop, chinese} << chinese << desktop;
    QTest::newRow("only the configured folder exists")
        << QStringList{chinese} << chinese << chinese;
    QTest::newRow("configured folder missing") << QStringList() << chinese << desktop;
    QTest::newRow("no folder, nothing configured: never the home itself")
        << QStringList() << QString() << desktop;
    QTest::newRow("the home configured as the desktop")
        << QStringList() << QString(QLatin1String("")) << QString();
}

void TestDesktopFolder::folderChoice()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, configured);
    QFETCH(QString, expected);

    TemporaryHome home(false);
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(home.filePath(folder)));
    configureDesktop(configured);

    QCOMPARE(desktopPath(), expected.isEmpty() ? home.path() : home.filePath(expected));
}

// The packager who only has ~/桌面 gets the bundle and the archive there.
void TestDesktopFolder::bundleAndArchiveGoToTheConfiguredFolder()
{
    TemporaryHome home(false);
    const QString desktop = home.filePath(QStringLiteral("桌面"));
    QVERIFY(QDir().mkpath(desktop));
    configureDesktop(QStringLiteral("桌面"));
    const QString package = makeInputPackage(home, QStringLiteral("viewer.deb"),
                                             QStringLiteral("viewer"), QStringLiteral("1.0"));
    const QString logo = makeInputImage(home, QStringLiteral("logo.png"), QSize(64, 64));
    const QString shot = makeInputImage(home, QStringLiteral("shot.png"), QSize(800, 600));
    QVERIFY(!package.isEmpty() && !logo.isEmpty() && !shot.isEmpty());

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(fillPackingForm(window, completeInputs(package, logo, {shot})), QString());

    const PressOutcome pack = pressAnswering(window, "pushButton");
    QCOMPARE(pack.problem, QString());
    QCOMPARE(pack.boxes.size(), 0);
    QTRY_VERIFY(QFile::exists(desktop + QStringLiteral("/viewer/app.json")));
    QVERIFY(QFile::exists(desktop + QStringLiteral("/viewer/screen_1.png")));

    const PressOutcome compress = pressAnswering(window, "pushButton_5");
    QCOMPARE(compress.problem, QString());
    QCOMPARE(compress.boxes.size(), 0);
    QTRY_VERIFY(QFile::exists(desktop + QStringLiteral("/viewer.tar.gz")));
    QVERIFY(!QFile::exists(home.filePath(QStringLiteral("Desktop"))));
}

QTEST_MAIN(TestDesktopFolder)
#include "tst_desktopfolder.moc"
