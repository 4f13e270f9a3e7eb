// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "support/foldersnapshot.h"
#include "support/packingform.h"
#include "support/testfiles.h"
#include "support/toolshelf.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>

// A program killed with its whole process group in the middle of a pack or a
// compression (a logout, the desktop's "force quit") gets no chance to clean
// up: what it leaves must not harm the earlier bundle and archive, and the
// next run must clear it away. The killed program is this test executable
// itself, started again as a child in a session of its own.

namespace {

const QString kPrefix = QStringLiteral(".plinvex-");

struct Inputs
{
    QString deb;
    QString logo;
    QString shot;
};

// The child: packs, and for "compress" then compresses, through the window.
// It never returns on its own when a tool hangs; the parent kills it.
int workAsChild(const QStringList &arguments)
{
    const QString &work = arguments.at(2);
    MainWindow window;
    window.show();
    const QString problem = fillPackingForm(
        window, completeInputs(arguments.at(3), arguments.at(4), {arguments.at(5)}));
    if (!problem.isEmpty())
        return 2;
    pressAnswering(window, "pushButton");
    if (work == QLatin1String("compress"))
        pressAnswering(window, "pushButton_5");
    return 0;
}

QStringList workFilesOn(const QString &desktop)
{
    return QDir(desktop).entryList({kPrefix + QLatin1Char('*')},
                                   QDir::AllEntries | QDir::Hidden | QDir::System);
}

QMap<QString, QString> withoutWorkFiles(QMap<QString, QString> snapshot)
{
    for (auto it = snapshot.begin(); it != snapshot.end();) {
        if (it.key().startsWith(kPrefix))
            it = snapshot.erase(it);
        else
            ++it;
    }
    return snapshot;
}

} // namespace

class TestKilled : public QObject
{
    Q_OBJECT

private slots:
    void killedMidWorkLosesNothing_data();
    void killedMidWorkLosesNothing();
};

void TestKilled::killedMidWorkLosesNothing_data()
{
    QTest::addColumn<QString>("work");
    QTest::newRow("killed while packing") << QStringLiteral("pack");
    QTest::newRow("killed while compressing") << QStringLiteral("compress");
}

void TestKilled::killedMidWorkLosesNothing()
{
    QFETCH(QString, work);
    const QString setsid = QStandardPaths::findExecutable(QStringLiteral("setsid"));
    if (setsid.isEmpty())
        QSKIP("setsid (util-linux) is needed to start the child in a group of its own");

    TemporaryHome home;
    const Inputs in = {makeInputPackage(home, QStringLiteral("hello_1.0_all.deb"),
                                        QStringLiteral("hello"), QStringLiteral("1.0"),
                                        qint64(4) * 1024 * 1024),
                       makeInputImage(home, QStringLiteral("logo.png"), QSize(256, 256)),
                       makeInputImage(home, QStringLiteral("shot.png"), QSize(800, 600))};
    QVERIFY(!in.deb.isEmpty() && !in.logo.isEmpty() && !in.shot.isEmpty());

    // An earlier good bundle and archive, made here.
    MainWindow window;
    window.show();
    QString problem = fillPackingForm(window, completeInputs(in.deb, in.logo, {in.shot}));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(pressAnswering(window, "pushButton").boxes.isEmpty());
    QVERIFY(pressAnswering(window, "pushButton_5").boxes.isEmpty());
    const auto before = folderSnapshot(home.desktop());
    QVERIFY(before.contains(QStringLiteral("hello.tar.gz")));

    ToolShelf shelf;
    QVERIFY(shelf.isComplete());
    const bool packing = work == QLatin1String("pack");
    const QString tool = packing ? QStringLiteral("convert") : QStringLiteral("tar");
    // Only the compression's own tar stands in; any other run of tar is the real one.
    const QByteArray realTar = QFile::encodeName(QStandardPaths::findExecutable(tool));
    QVERIFY(packing ? shelf.fakeHanging(tool)
                    : shelf.fakeHanging(tool, "[ \"$1\" = -cvf ] || exec '" + realTar +
                                                  "' \"$@\"\nprintf 'half an archive' > \"$2\""));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), shelf.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(setsid, {QCoreApplication::applicationFilePath(), QStringLiteral("work"), work,
                         in.deb, in.logo, in.shot});
    QVERIFY(child.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(shelf.hangingToolStarted(tool), 60000);
    QVERIFY(!workFilesOn(home.desktop()).isEmpty());

    QCOMPARE(::kill(-pid_t(child.processId()), SIGKILL), 0);
    QVERIFY(child.waitForFinished(-1));
    QTRY_VERIFY_WITH_TIMEOUT(shelf.hangingToolEnded(tool), 60000);
    // Only hidden work files of the program's own are left; the earlier
    // bundle (which the child packed anew before compressing) and archive
    // are byte for byte what they were.
    const auto after = withoutWorkFiles(folderSnapshot(home.desktop()));
    if (packing)
        QVERIFY2(after == before, qPrintable(snapshotDifference(before, after)));
    else
        QCOMPARE(after.value(QStringLiteral("hello.tar.gz")),
                 before.value(QStringLiteral("hello.tar.gz")));

    // The next run of the same work clears them away.
    QVERIFY(pressButton(window, "pushButton_4").isEmpty());
    problem = fillPackingForm(window, completeInputs(in.deb, in.logo, {in.shot}));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(pressAnswering(window, "pushButton").boxes.isEmpty());
    if (!packing)
        QVERIFY(pressAnswering(window, "pushButton_5").boxes.isEmpty());
    QCOMPARE(workFilesOn(home.desktop()), QStringList());
}

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 6 && arguments.at(1) == QLatin1String("work"))
        return workAsChild(arguments);
    TestKilled test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killed.moc"
