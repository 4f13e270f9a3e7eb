// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"
#include "app/mainwindow.h"
#include "support/jobrun.h"
#include "support/modalanswerer.h"
#include "support/packingform.h"
#include "support/testfiles.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QtTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void programAnswers_data();
    void programAnswers();
    void packageOnTheCommandLineIsChosenAndProbed_data();
    void packageOnTheCommandLineIsChosenAndProbed();
};

// The real program, as a shell runs it, without any display to talk to.
void TestCommandLine::programAnswers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("output"); // expected within stdout on success, stderr otherwise

    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << true
                            << QStringLiteral("--version");
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << true
                        << QStringLiteral("package.deb");
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << true
                               << QStringLiteral("Plinvex 1.0");
    QTest::newRow("help wins over a package")
        << QStringList{QStringLiteral("some.deb"), QStringLiteral("--help")} << true
        << QStringLiteral("--help");
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--frobnicate")} << false << QStringLiteral("frobnicate");
    QTest::newRow("two packages") << QStringList{QStringLiteral("a.deb"), QStringLiteral("b.deb")}
                                  << false << QStringLiteral("Plinvex: ");
}

void TestCommandLine::programAnswers()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, succeeds);
    QFETCH(QString, output);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Help and version must not need one; the errors get Qt's offscreen platform.
    if (succeeds) {
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
    }
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(qEnvironmentVariable("PLINVEX_PROGRAM"), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    if (succeeds) {
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(out.contains(output), qPrintable(out));
    } else {
        QVERIFY(program.exitCode() != 0);
        QVERIFY2(err.contains(output), qPrintable(err));
        QVERIFY(out.isEmpty());
    }
}

void TestCommandLine::packageOnTheCommandLineIsChosenAndProbed_data()
{
    QTest::addColumn<bool>("readable");
    QTest::newRow("a real package") << true;
    QTest::newRow("an unreadable package") << false;
}

// What main() does with the parsed line: the package is chosen as the
// open-file button chooses it, relative paths made absolute.
void TestCommandLine::packageOnTheCommandLineIsChosenAndProbed()
{
    QFETCH(bool, readable);

    TemporaryHome home;
    const QString package = home.filePath(QStringLiteral("inputs/viewer_1.0.deb"));
    if (readable)
        QVERIFY(!makeDeb(package, QStringLiteral("viewer"), QStringLiteral("1.0")).isEmpty());
    else
        QVERIFY(writeTextFile(package, "not a package"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(home.filePath(QStringLiteral("inputs"))));
    CommandLine commandLine;
    commandLine.parse({QStringLiteral("plinvex"), QStringLiteral("viewer_1.0.deb")});
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(commandLine.packagePath(), package);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ModalAnswerer answerer;
    if (!readable)
        answerer.pressOk();
    window.openPackage(commandLine.packagePath());
    QVERIFY(waitForPackageReading(window));

    QCOMPARE(formWidget<QLineEdit>(window, "filename")->text(), package);
    QCOMPARE(formWidget<QLineEdit>(window, "pkgname")->text(),
             readable ? QStringLiteral("viewer") : QString());
    QCOMPARE(formWidget<QLineEdit>(window, "version")->text(),
             readable ? QStringLiteral("1.0") : QString());
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.records().size(), readable ? 0 : 1);
    if (!readable) {
        QCOMPARE(answerer.records().first().icon, int(QMessageBox::Critical));
        QCOMPARE(answerer.records().first().parent, &window);
    }
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
