// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "bundle/compression.h"
#include "bundle/packagelock.h"
#include "support/foldersnapshot.h"
#include "support/jobrun.h"
#include "support/packingform.h"
#include "support/testfiles.h"
#include "support/toolshelf.h"
#include "tools/terminationsignals.h"
#include "wording/failuretexts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <csignal>

namespace {

// One compression run to its end, as the command line runs it.
ArchiveOutcome compressBundleFolder(const QString &desktop, const QString &pkg)
{
    CompressJob job(desktop, pkg);
    if (!runToEnd(job))
        return {ArchiveOutcome::Cancelled, QStringLiteral("the compression did not end"), {}, {}};
    return job.result();
}

const QString kCompressFailed = QStringLiteral("压缩失败！\n");

// The paths in an archive as the real tar lists them, sorted.
QStringList archiveListing(const QString &archive)
{
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-tzf"), archive});
    if (!tar.waitForFinished(30000) || tar.exitStatus() != QProcess::NormalExit ||
        tar.exitCode() != 0)
        return {QStringLiteral("<tar -tzf failed: ") +
                QString::fromLocal8Bit(tar.readAllStandardError()) + QLatin1Char('>')};
    QStringList paths =
        QString::fromUtf8(tar.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    paths.sort();
    return paths;
}

bool gzipTestPasses(const QString &archive)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-t"), archive});
    return gzip.waitForFinished(60000) && gzip.exitStatus() == QProcess::NormalExit &&
           gzip.exitCode() == 0;
}

// What the archive holds, unpacked, as a snapshot of the bundle folder.
QMap<QString, QString> unpacked(const QString &archive, const QString &pkg)
{
    QTemporaryDir dir;
    QProcess tar;
    tar.start(QStringLiteral("tar"),
              {QStringLiteral("-xzf"), archive, QStringLiteral("-C"), dir.path()});
    if (!tar.waitForFinished(30000) || tar.exitCode() != 0)
        return {};
    return folderSnapshot(dir.path() + QLatin1Char('/') + pkg);
}

// A home with a real package, logo and screenshot, and a window that has
// just packed them into Desktop/<pkg>.
struct PackedScene
{
    explicit PackedScene(const QString &pkgName)
        : pkg(pkgName)
    {
        inputs =
            completeInputs(makeInputPackage(home, QStringLiteral("hello_1.0_all.deb"),
                                            QStringLiteral("hello"), QStringLiteral("1.0")),
                           makeInputImage(home, QStringLiteral("logo.png"), QSize(256, 256)),
                           {makeInputImage(home, QStringLiteral("shot.png"), QSize(640, 360))});
        if (inputs.package.isEmpty() || inputs.logo.isEmpty() ||
            inputs.screenshots.contains(QString())) {
            problem = QStringLiteral("could not make the inputs");
            return;
        }
        inputs.retypePackageName = pkg != QLatin1String("hello");
        inputs.packageName = pkg;
        window.show();
        problem = fillPackingForm(window, inputs);
        if (!problem.isEmpty())
            return;
        const PressOutcome press = pressAnswering(window, "pushButton");
        problem = press.problem + boxSummary(press.boxes);
        if (problem.isEmpty() && !showsResultView(window))
            problem = QStringLiteral("packing did not reach the result view");
    }

    QString bundle() const { return home.desktop() + QLatin1Char('/') + pkg; }
    QString archive() const { return bundle() + QStringLiteral(".tar.gz"); }
    QStringList expectedListing() const
    {
        const QString root = QStringLiteral("./") + pkg + QLatin1Char('/');
        return {root, root + QStringLiteral("app.json"), root + QStringLiteral("hello_1.0_all.deb"),
                root + QStringLiteral("icon.png"), root + QStringLiteral("screen_1.png")};
    }

    QString pkg;
    TemporaryHome home;
    PackingInputs inputs;
    MainWindow window;
    QString problem;
};

} // namespace

class TestCompression : public QObject
{
    Q_OBJECT

private slots:
    void compressesBundle_data();
    void compressesBundle();
    void reportsFailedCompression_data();
    void reportsFailedCompression();
    void stoppingDuringWorkCleansUp_data();
    void stoppingDuringWorkCleansUp();
    void refusesNamesOfNoSingleFolder_data();
    void refusesNamesOfNoSingleFolder();
    void archiveIsOrdinaryAndSmall_data();
    void archiveIsOrdinaryAndSmall();

private:
    void checkGoodArchive(PackedScene &scene);
};

void TestCompression::compressesBundle_data()
{
    QTest::addColumn<QString>("pkg");

    QTest::newRow("plain name") << QStringLiteral("hello");
    QTest::newRow("name with blanks") << QStringLiteral("my  app");
    QTest::newRow("name like an option") << QStringLiteral("-rf");
    QTest::newRow("Chinese name") << QStringLiteral("图片查看器");
    // tar takes a colon in an archive's name for a host to connect to.
    QTest::newRow("name with a colon") << QStringLiteral("a:b");
    QTest::newRow("name like a remote login") << QStringLiteral("user@host:x");
}

void TestCompression::compressesBundle()
{
    QFETCH(QString, pkg);

    PackedScene scene(pkg);
    QVERIFY2(scene.problem.isEmpty(), qPrintable(scene.problem));
    MainWindow &window = scene.window;
    auto *browser = formWidget<QTextBrowser>(window, "textBrowser");
    QVERIFY(!browser->isVisible());
    const auto bundleBefore = folderSnapshot(scene.bundle());

    const PressOutcome press = pressAnswering(window, "pushButton_5");
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));
    QVERIFY2(press.boxes.isEmpty(), qPrintable(boxSummary(press.boxes)));

    QVERIFY(browser->isVisible());
    QVERIFY(!formWidget<QPushButton>(window, "pushButton_5")->isVisible());
    QVERIFY(!isReachable(window, "pushButton_5"));
    QVERIFY(showsResultView(window));
    QVERIFY(!QApplication::overrideCursor());
    checkGoodArchive(scene);
    QCOMPARE(folderSnapshot(scene.bundle()), bundleBefore);
    QCOMPARE(entriesOf(scene.home.desktop()), (QStringList{pkg, pkg + QStringLiteral(".tar.gz")}));

    // Another one: back to an empty form, the log emptied and hidden.
    QVERIFY(pressButton(window, "pushButton_4").isEmpty());
    QVERIFY(showsFormView(window));
    QVERIFY(!browser->isVisible());
    QCOMPARE(browser->toPlainText(), QString());
    QVERIFY(!formWidget<QPushButton>(window, "pushButton_5")->isVisible());
}

// The archive on the desktop holds the bundle whole, and the log shows
// tar's listing of it.
void TestCompression::checkGoodArchive(PackedScene &scene)
{
    QVERIFY(QFileInfo(scene.archive()).isFile());
    QVERIFY(gzipTestPasses(scene.archive()));
    QCOMPARE(archiveListing(scene.archive()), scene.expectedListing());
    QCOMPARE(unpacked(scene.archive(), scene.pkg), folderSnapshot(scene.bundle()));
    const QStringList logLines = formWidget<QTextBrowser>(scene.window, "textBrowser")
                                     ->toPlainText()
                                     .split(QLatin1Char('\n'));
    for (const QString &path : scene.expectedListing())
        QVERIFY2(logLines.contains(path), qPrintable(path));
}

void TestCompression::reportsFailedCompression_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("textStart");
    QTest::addColumn<bool>("wholeText");

    QTest::newRow("tar not on the path")
        << QStringLiteral("no tar") << kCompressFailed + QStringLiteral("tar: 找不到程序") << true;
    QTest::newRow("bundle folder gone")
        << QStringLiteral("no bundle") << kCompressFailed + QStringLiteral("tar: ") << false;
    QTest::newRow("bundle folder replaced by a link")
        << QStringLiteral("link") << kCompressFailed << false;
    QTest::newRow("a file at the bundle's place")
        << QStringLiteral("file") << kCompressFailed << false;
    QTest::newRow("desktop folder gone")
        << QStringLiteral("no desktop") << kCompressFailed + QStringLiteral("桌面文件夹不见了：")
        << false;
    QTest::newRow("tar not permitted to run")
        << QStringLiteral("tar not executable")
        << kCompressFailed + QStringLiteral("tar: 没有运行它的权限") << true;
    QTest::newRow("gzip not on the path")
        << QStringLiteral("no gzip") << kCompressFailed + QStringLiteral("tar") << false;
    QTest::newRow("tar leaves a broken archive")
        << QStringLiteral("broken tar")
        << kCompressFailed + QStringLiteral("tar: 写不下去了 (write error)") << true;
    // Without its lock a compression does nothing.
    QTest::newRow("a folder at the lock file's place")
        << QStringLiteral("lock folder") << kCompressFailed + QStringLiteral("锁文件打不开：")
        << false;
    QTest::newRow("tar past its bound")
        << QStringLiteral("slow tar") << kCompressFailed + QStringLiteral("tar: 超时") << true;
}

void TestCompression::reportsFailedCompression()
{
    QFETCH(QString, cause);
    QFETCH(QString, textStart);
    QFETCH(bool, wholeText);

    PackedScene scene(QStringLiteral("hello"));
    QVERIFY2(scene.problem.isEmpty(), qPrintable(scene.problem));
    MainWindow &window = scene.window;
    auto *browser = formWidget<QTextBrowser>(window, "textBrowser");
    const auto bundleBefore = folderSnapshot(scene.bundle());
    const QString away = scene.home.filePath(QStringLiteral("away"));
    const QString desktop = scene.home.desktop();

    // An archive from an earlier compression must survive the failed one.
    const QByteArray earlierArchive("an earlier good archive");
    QVERIFY(writeTextFile(scene.archive(), earlierArchive));
    const QStringList desktopBefore = entriesOf(desktop);

    ToolShelf shelf;
    QVERIFY(shelf.isComplete());
    QString movedAway = scene.bundle(); // what goes away, and back once pressed
    const QString lockFolder = packageLockPath(desktop, scene.pkg);
    if (cause == QLatin1String("no tar")) {
        QVERIFY(shelf.remove(QStringLiteral("tar")));
    } else if (cause == QLatin1String("tar not executable")) {
        QVERIFY(shelf.fake(QStringLiteral("tar"), "exit 0\n"));
        QVERIFY(QFile::setPermissions(shelf.path() + QStringLiteral("/tar"),
                                      QFile::ReadOwner | QFile::WriteOwner));
    } else if (cause == QLatin1String("no gzip")) {
        QVERIFY(shelf.remove(QStringLiteral("gzip")));
    } else if (cause == QLatin1String("no bundle")) {
        QVERIFY(QDir().rename(scene.bundle(), away));
    } else if (cause == QLatin1String("link")) {
        QVERIFY(QDir().rename(scene.bundle(), away));
        QVERIFY(QFile::link(away, scene.bundle()));
    } else if (cause == QLatin1String("file")) {
        QVERIFY(QDir().rename(scene.bundle(), away));
        QVERIFY(writeTextFile(scene.bundle(), "not a folder"));
    } else if (cause == QLatin1String("no desktop")) {
        movedAway = desktop;
        QVERIFY(QDir().rename(desktop, away));
    } else if (cause == QLatin1String("lock folder")) {
        QVERIFY(QDir().mkpath(lockFolder));
    } else if (cause == QLatin1String("broken tar")) {
        QVERIFY(shelf.fake(QStringLiteral("tar"), "printf 'half an archive' > \"$2\"\n"
                                                  "echo './hello/icon.png'\n"
                                                  "echo 'tar: 写不下去了 (write error)' >&2\n"
                                                  "exit 2\n"));
    } else if (cause == QLatin1String("slow tar")) {
        QVERIFY(shelf.fakeHanging(QStringLiteral("tar"), "printf 'half an archive' > \"$2\""));
        // Ample for the stand-in to start and write its pid on a loaded machine.
        window.setToolTimeout(5000);
    }
    const bool moved = QFileInfo::exists(away);

    shelf.use();
    const PressOutcome press = pressAnswering(window, "pushButton_5");
    shelf.putBack();
    const QString boxProblem = errorBoxProblem(press, window, textStart, !wholeText);
    QVERIFY2(boxProblem.isEmpty(), qPrintable(boxProblem));
    const ModalRecord &box = press.boxes.first();
    if (cause == QLatin1String("no bundle"))
        QVERIFY2(box.text.contains(QLatin1String("./hello")), qPrintable(box.text));
    if (cause == QLatin1String("link") || cause == QLatin1String("file"))
        QCOMPARE(box.text,
                 kCompressFailed + scene.bundle() + QStringLiteral(" 已经存在，但它不是文件夹～"));
    if (cause == QLatin1String("no desktop"))
        QCOMPARE(box.text, textStart + desktop);
    if (cause == QLatin1String("lock folder")) {
        QCOMPARE(box.text, textStart + lockFolder);
        QVERIFY(QDir().rmdir(lockFolder));
    }
    // tar is named as the packager knows it, not by where it was found.
    QVERIFY2(!box.text.contains(QLatin1String("/tar")), qPrintable(box.text));
    // What tar says on its error output goes to the box, not into the log.
    QVERIFY(!browser->toPlainText().contains(QStringLiteral("写不下去了")));

    if (moved) {
        QFile::remove(scene.bundle());
        QVERIFY(QDir().rename(away, movedAway));
    }
    // The earlier archive is as it was and nothing is left beside it, the
    // bundle is untouched, and the compress button is offered again.
    QCOMPARE(readAll(scene.archive()), earlierArchive);
    QCOMPARE(entriesOf(desktop), desktopBefore);
    QCOMPARE(folderSnapshot(scene.bundle()), bundleBefore);
    QVERIFY(browser->isVisible());
    QVERIFY(isReachable(window, "pushButton_5"));
    QVERIFY(isReachable(window, "pushButton_4"));
    QVERIFY(!formWidget<QPushButton>(window, "pushButton")->isVisible());
    QVERIFY(!QApplication::overrideCursor());
    if (cause == QLatin1String("slow tar"))
        QTRY_VERIFY_WITH_TIMEOUT(shelf.hangingToolEnded(QStringLiteral("tar")), 60000);

    // With the cause gone, pressing again compresses.
    window.setToolTimeout(30000);
    const PressOutcome retry = pressAnswering(window, "pushButton_5");
    QVERIFY2(retry.problem.isEmpty(), qPrintable(retry.problem));
    QVERIFY2(retry.boxes.isEmpty(), qPrintable(boxSummary(retry.boxes)));
    checkGoodArchive(scene);
    QCOMPARE(folderSnapshot(scene.bundle()), bundleBefore);
    QVERIFY(!isReachable(window, "pushButton_5"));
    QVERIFY(browser->isVisible());
}

void TestCompression::stoppingDuringWorkCleansUp_data()
{
    QTest::addColumn<QString>("work");
    QTest::addColumn<int>("stop"); // 0: the window is closed, else the signal that arrives

    for (const char *work : {"pack", "compress"}) {
        const QByteArray name(work);
        QTest::newRow((name + ", window closed").constData()) << QString::fromLatin1(work) << 0;
        QTest::newRow((name + ", SIGTERM").constData()) << QString::fromLatin1(work) << SIGTERM;
        QTest::newRow((name + ", SIGHUP").constData()) << QString::fromLatin1(work) << SIGHUP;
    }
}

// Stopping the program while its tools work stops them, takes away what they
// half wrote and leaves the earlier bundle and archive as they were.
void TestCompression::stoppingDuringWorkCleansUp()
{
    QFETCH(QString, work);
    QFETCH(int, stop);

    PackedScene scene(QStringLiteral("hello"));
    QVERIFY2(scene.problem.isEmpty(), qPrintable(scene.problem));
    MainWindow &window = scene.window;
    QVERIFY(writeTextFile(scene.archive(), "an earlier good archive"));
    TerminationSignals termination;
    connect(&termination, &TerminationSignals::received, &window, &MainWindow::endProgram);

    ToolShelf shelf;
    QVERIFY(shelf.isComplete());
    const bool packing = work == QLatin1String("pack");
    const QString tool = packing ? QStringLiteral("convert") : QStringLiteral("tar");
    if (packing) {
        QVERIFY(shelf.fakeHanging(tool));
        QVERIFY(pressButton(window, "pushButton_4").isEmpty());
        const QString problem = fillPackingForm(window, scene.inputs);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    } else {
        QVERIFY(shelf.fakeHanging(tool, "printf 'half an archive' > \"$2\""));
    }
    const auto desktopBefore = folderSnapshot(scene.home.desktop());

    // Stops once the stand-in tool is at work, however long it took to start.
    QTimer watch;
    connect(&watch, &QTimer::timeout, &window, [&] {
        if (!shelf.hangingToolStarted(tool))
            return;
        watch.stop();
        if (stop == 0)
            window.close();
        else
            ::raise(stop);
    });
    watch.start(10);
    shelf.use();
    const PressOutcome press = pressAnswering(window, packing ? "pushButton" : "pushButton_5");
    shelf.putBack();
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));
    QVERIFY2(press.boxes.isEmpty(), qPrintable(boxSummary(press.boxes)));
    QVERIFY(!window.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(shelf.hangingToolEnded(tool), 60000);
    QVERIFY2(folderSnapshot(scene.home.desktop()) == desktopBefore,
             qPrintable(snapshotDifference(desktopBefore, folderSnapshot(scene.home.desktop()))));
    QVERIFY(!QApplication::overrideCursor());
}

void TestCompression::refusesNamesOfNoSingleFolder_data()
{
    QTest::addColumn<QString>("pkg");
    QTest::newRow("empty") << QString();
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("slash") << QStringLiteral("a/b");
    QTest::newRow("up and over") << QStringLiteral("../Desktop");
    QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
}

// Only a name the pack would take reaches tar, whoever calls.
void TestCompression::refusesNamesOfNoSingleFolder()
{
    QFETCH(QString, pkg);
    TemporaryHome home;
    QVERIFY(writeTextFile(home.desktop() + QStringLiteral("/b/app.json"), "{}"));
    const auto before = folderSnapshot(home.path());

    const ArchiveOutcome outcome = compressBundleFolder(home.desktop(), pkg);

    QCOMPARE(outcome.status, ArchiveOutcome::NotPlainName);
    QCOMPARE(compressionFailureText(outcome),
             kCompressFailed + QStringLiteral("这个包名当不了文件夹的名字：") + pkg);
    QCOMPARE(folderSnapshot(home.path()), before);
}

void TestCompression::archiveIsOrdinaryAndSmall_data()
{
    QTest::addColumn<qint64>("randomBytes"); // what no compressor shrinks, as in a .deb or PNG
    QTest::addColumn<qint64>("textBytes");
    QTest::addColumn<bool>("withPigz");

    for (const bool pigz : {true, false}) {
        const QByteArray by(pigz ? ", pigz" : ", gzip");
        QTest::newRow("already compressed" + by) << qint64(3 << 20) << qint64(0) << pigz;
        QTest::newRow("compressible" + by) << qint64(0) << qint64(3 << 20) << pigz;
        QTest::newRow("nearly all compressed" + by) << qint64(3 << 20) << qint64(40 << 10) << pigz;
        QTest::newRow("small and compressed" + by) << qint64(20 << 10) << qint64(0) << pigz;
    }
}

// Whatever the content, the archive is an ordinary .tar.gz of the bundle,
// hardly larger than tar -z makes it.
void TestCompression::archiveIsOrdinaryAndSmall()
{
    QFETCH(qint64, randomBytes);
    QFETCH(qint64, textBytes);
    QFETCH(bool, withPigz);
    if (withPigz && QStandardPaths::findExecutable(QStringLiteral("pigz")).isEmpty())
        QSKIP("pigz is not installed");

    TemporaryHome home;
    const QString bundle = home.desktop() + QStringLiteral("/hello");
    QByteArray random(int(randomBytes), Qt::Uninitialized);
    QRandomGenerator generator(14);
    for (char &byte : random)
        byte = char(generator.bounded(256));
    QByteArray text;
    while (text.size() < textBytes)
        text += "Package: hello\nVersion: " + QByteArray::number(text.size()) + "\n";
    QVERIFY(writeTextFile(bundle + QStringLiteral("/hello_1.0_all.deb"), random + text));
    QVERIFY(writeTextFile(bundle + QStringLiteral("/app.json"), "{\"name\": \"hello\"}\n"));

    ToolShelf shelf(withPigz ? ToolShelf::packingTools() << QStringLiteral("pigz")
                             : ToolShelf::packingTools());
    QVERIFY(shelf.isComplete());
    shelf.use();
    const ArchiveOutcome outcome = compressBundleFolder(home.desktop(), QStringLiteral("hello"));
    shelf.putBack();
    QVERIFY2(outcome.status == ArchiveOutcome::Written,
             qPrintable(compressionFailureText(outcome)));

    const QString archive = bundle + QStringLiteral(".tar.gz");
    QVERIFY(gzipTestPasses(archive));
    QCOMPARE(archiveListing(archive),
             (QStringList{QStringLiteral("./hello/"), QStringLiteral("./hello/app.json"),
                          QStringLiteral("./hello/hello_1.0_all.deb")}));
    QCOMPARE(unpacked(archive, QStringLiteral("hello")), folderSnapshot(bundle));

    const QString reference = home.filePath(QStringLiteral("reference.tar.gz"));
    QProcess tar;
    tar.setWorkingDirectory(home.desktop());
    tar.start(QStringLiteral("tar"),
              {QStringLiteral("-zcf"), reference, QStringLiteral("./hello/")});
    QVERIFY(tar.waitForFinished(60000) && tar.exitCode() == 0);
    const qint64 size = QFileInfo(archive).size();
    const qint64 referenceSize = QFileInfo(reference).size();
    QVERIFY2(double(size) <= 1.01 * double(referenceSize),
             qPrintable(QStringLiteral("%1 against tar -z's %2").arg(size).arg(referenceSize)));
}

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    TestCompression test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_compression.moc"
