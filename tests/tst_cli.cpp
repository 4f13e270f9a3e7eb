// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/foldersnapshot.h"
#include "support/packingform.h"
#include "support/testfiles.h"
#include "support/toolshelf.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// The real program as a script runs it: no display, a home of the test's own.
struct ProgramRun
{
    int exitCode = -1;
    bool exitedNormally = false;
    QByteArray out;
    QByteArray err;
};

QProcessEnvironment commandLineEnvironment(const QString &path = QString())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), QDir::homePath());
    if (!path.isEmpty())
        env.insert(QStringLiteral("PATH"), path);
    return env;
}

ProgramRun runProgram(const QStringList &arguments)
{
    QProcess program;
    program.setProcessEnvironment(commandLineEnvironment());
    program.start(qEnvironmentVariable("PLINVEX_PROGRAM"), arguments);
    ProgramRun run;
    // However long it takes: a stuck command line is the fault this would hide.
    if (!program.waitForFinished(-1))
        return run;
    run.exitedNormally = program.exitStatus() == QProcess::NormalExit;
    run.exitCode = program.exitCode();
    run.out = program.readAllStandardOutput();
    run.err = program.readAllStandardError();
    return run;
}

QSet<QString> textTags(const QByteArray &out)
{
    static const QRegularExpression finding(
        QStringLiteral("^(error|warning|info)\\[([a-z-]+)\\] [a-z]+: "),
        QRegularExpression::MultilineOption);
    QSet<QString> tags;
    auto matches = finding.globalMatch(QString::fromUtf8(out));
    while (matches.hasNext())
        tags << matches.next().captured(2);
    return tags;
}

QSet<QString> jsonTags(const QJsonObject &document)
{
    QSet<QString> tags;
    for (const QJsonValue finding : document.value(QStringLiteral("findings")).toArray())
        tags << finding.toObject().value(QStringLiteral("tag")).toString();
    return tags;
}

// Every line of app.json but the time of the pack.
QByteArray withoutUpdate(const QString &controlFile)
{
    QFile file(controlFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray kept;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.trimmed().startsWith("\"Update\""))
            kept += line + '\n';
    }
    return kept;
}

// The bundle's snapshot with app.json compared apart from its time.
QMap<QString, QString> comparable(const QString &bundle)
{
    QMap<QString, QString> snapshot = without(folderSnapshot(bundle), QStringLiteral("app.json"));
    snapshot.insert(QStringLiteral("app.json"),
                    QString::fromUtf8(withoutUpdate(bundle + QStringLiteral("/app.json"))));
    return snapshot;
}

QStringList archiveMembers(const QString &archive)
{
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-tzf"), archive});
    if (!tar.waitForFinished(-1) || tar.exitCode() != 0)
        return {QStringLiteral("tar failed")};
    return QString::fromUtf8(tar.readAllStandardOutput()).split(QLatin1Char('\n'));
}

QString unpack(const QString &archive, const QString &into)
{
    QDir().mkpath(into);
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-xzf"), archive, QStringLiteral("-C"), into});
    return tar.waitForFinished(-1) && tar.exitCode() == 0 ? into : QString();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void commandLines_data();
    void commandLines();
    void packMatchesTheWindow();
    void stoppedPackKeepsEarlierBundle();
};

// Inputs by placeholder: @deb a real package viewer 1.0, @logo 256x256,
// @small 32x24, @shot 800x600, @shot2 1024x768, @wide 1600x400, @jpeg a
// JPEG, @text a text file, @dir a folder, @missing nothing. @earlier makes
// an earlier bundle of viewer on the desktop before the run.
void TestCli::commandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("tags");

    const QStringList full = {
        QStringLiteral("--name"),        QStringLiteral("Viewer"),
        QStringLiteral("--contributor"), QStringLiteral("packer"),
        QStringLiteral("--description"), QStringLiteral("Shows pictures.\nOpens PNG and JPEG."),
        QStringLiteral("--logo"),        QStringLiteral("@logo"),
        QStringLiteral("--screenshot"),  QStringLiteral("@shot"),
        QStringLiteral("--screenshot"),  QStringLiteral("@shot2"),
    };
    const auto with = [&full](const QString &command, const QStringList &more) {
        return QStringList{command, QStringLiteral("@deb")} + full + more;
    };
    const QString check = QStringLiteral("check");
    const QString pack = QStringLiteral("pack");

    QTest::newRow("complete check passes") << with(check, {}) << 0 << QStringList{};
    QTest::newRow("a JPEG logo is an image")
        << with(check, {QStringLiteral("--logo"), QStringLiteral("@jpeg")}) << 0 << QStringList{};
    QTest::newRow("nothing given")
        << QStringList{check, QStringLiteral("@deb")} << 1
        << QStringList{QStringLiteral("required-empty"), QStringLiteral("description-short")};
    QTest::newRow("earlier bundle fills the rest")
        << QStringList{check, QStringLiteral("@deb"), QStringLiteral("@earlier")} << 0
        << QStringList{};
    QTest::newRow("--no-prefill takes none of it")
        << QStringList{check, QStringLiteral("@deb"), QStringLiteral("@earlier"),
                       QStringLiteral("--no-prefill")}
        << 1 << QStringList{QStringLiteral("required-empty")};
    QTest::newRow("package missing")
        << QStringList{check, QStringLiteral("@missing")} + full << 1
        << QStringList{QStringLiteral("package-missing"), QStringLiteral("required-empty")};
    QTest::newRow("package is a folder")
        << QStringList{check, QStringLiteral("@dir")} + full << 1
        << QStringList{QStringLiteral("package-not-file"), QStringLiteral("required-empty")};
    QTest::newRow("package unreadable")
        << QStringList{check, QStringLiteral("@text")} + full << 1
        << QStringList{QStringLiteral("package-unreadable"), QStringLiteral("pkgname-unreadable"),
                       QStringLiteral("version-unreadable")};
    QTest::newRow("unreadable package, identity given")
        << QStringList{check,
                       QStringLiteral("@text"),
                       QStringLiteral("--pkgname"),
                       QStringLiteral("viewer"),
                       QStringLiteral("--version"),
                       QStringLiteral("1.0")} +
               full
        << 1 << QStringList{QStringLiteral("package-unreadable")};
    QTest::newRow("images that are none")
        << with(check, {QStringLiteral("--logo"), QStringLiteral("@text"),
                        QStringLiteral("--screenshot"), QStringLiteral("@dir"),
                        QStringLiteral("--screenshot"), QStringLiteral("@missing")})
        << 1
        << QStringList{QStringLiteral("logo-not-image"), QStringLiteral("screenshot-not-file"),
                       QStringLiteral("screenshot-missing")};
    const QStringList dubious = {
        QStringLiteral("--logo"),       QStringLiteral("@small"),
        QStringLiteral("--screenshot"), QStringLiteral("@shot"),
        QStringLiteral("--homepage"),   QStringLiteral("ftp://example.org/viewer"),
        QStringLiteral("--pkgname"),    QStringLiteral("Viewer"),
        QStringLiteral("--version"),    QStringLiteral("v1.0"),
    };
    const QStringList warned = {
        QStringLiteral("logo-too-small"),       QStringLiteral("logo-not-square"),
        QStringLiteral("screenshot-duplicate"), QStringLiteral("homepage-not-url"),
        QStringLiteral("pkgname-not-debian"),   QStringLiteral("pkgname-differs"),
        QStringLiteral("version-dubious"),      QStringLiteral("version-differs"),
    };
    QTest::newRow("warnings pass") << with(check, dubious) << 0 << warned;
    QTest::newRow("warnings fail under --strict")
        << with(check, dubious + QStringList{QStringLiteral("--strict")}) << 1 << warned;
    QTest::newRow("notes pass --strict")
        << QStringList{check,
                       QStringLiteral("@deb"),
                       QStringLiteral("--strict"),
                       QStringLiteral("--name"),
                       QStringLiteral("Viewer"),
                       QStringLiteral("--contributor"),
                       QStringLiteral("packer"),
                       QStringLiteral("--description"),
                       QStringLiteral("Shows pictures."),
                       QStringLiteral("--logo"),
                       QStringLiteral("@logo"),
                       QStringLiteral("--screenshot"),
                       QStringLiteral("@wide")}
        << 0
        << QStringList{QStringLiteral("screenshot-aspect"), QStringLiteral("description-short")};
    QTest::newRow("epoch without a number")
        << with(check, {QStringLiteral("--version"), QStringLiteral("x:1.0")}) << 1
        << QStringList{QStringLiteral("version-invalid"), QStringLiteral("version-differs")};
    QTest::newRow("empty revision")
        << with(check, {QStringLiteral("--version"), QStringLiteral("1.0-")}) << 1
        << QStringList{QStringLiteral("version-invalid"), QStringLiteral("version-differs")};
    QTest::newRow("character deb-version forbids")
        << with(check, {QStringLiteral("--version"), QStringLiteral("1.0_beta")}) << 1
        << QStringList{QStringLiteral("version-invalid"), QStringLiteral("version-differs")};
    QTest::newRow("epoch, upstream and revision")
        << with(check, {QStringLiteral("--version"), QStringLiteral("2:1.0~rc1+dfsg-3")}) << 0
        << QStringList{QStringLiteral("version-differs")};
    QTest::newRow("pkgname that leaves the desktop")
        << with(pack, {QStringLiteral("--pkgname"), QStringLiteral("..")}) << 1
        << QStringList{QStringLiteral("pkgname-not-folder-name")};
    QTest::newRow("pkgname with a slash")
        << with(pack, {QStringLiteral("--pkgname"), QStringLiteral("a/b")}) << 1
        << QStringList{QStringLiteral("pkgname-not-folder-name")};
    QTest::newRow("pack with an error builds nothing")
        << with(pack, {QStringLiteral("--logo"), QStringLiteral("@missing")}) << 1
        << QStringList{QStringLiteral("logo-missing")};
    QTest::newRow("pack") << with(pack, {}) << 0 << QStringList{};
    QTest::newRow("unknown option")
        << with(check, {QStringLiteral("--frobnicate")}) << 2 << QStringList{};
    QTest::newRow("--strict is check's")
        << with(pack, {QStringLiteral("--strict")}) << 2 << QStringList{};
    QTest::newRow("no package") << QStringList{check} << 2 << QStringList{};
    QTest::newRow("two packages") << with(check, {QStringLiteral("@deb")}) << 2 << QStringList{};
    QTest::newRow("unknown format")
        << with(check, {QStringLiteral("--format"), QStringLiteral("xml")}) << 2 << QStringList{};
}

// Each line runs twice, as text and as JSON: the same verdict and findings
// either way, the JSON alone on standard output.
void TestCli::commandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, tags);

    TemporaryHome home;
    const QMap<QString, QString> inputs = {
        {QStringLiteral("@deb"), makeInputPackage(home, QStringLiteral("viewer_1.0_all.deb"),
                                                  QStringLiteral("viewer"), QStringLiteral("1.0"))},
        {QStringLiteral("@logo"),
         makeInputImage(home, QStringLiteral("logo.png"), QSize(256, 256))},
        {QStringLiteral("@small"),
         makeInputImage(home, QStringLiteral("small.png"), QSize(32, 24))},
        {QStringLiteral("@shot"),
         makeInputImage(home, QStringLiteral("shot.png"), QSize(800, 600))},
        {QStringLiteral("@shot2"),
         makeInputImage(home, QStringLiteral("shot2.png"), QSize(1024, 768))},
        {QStringLiteral("@wide"),
         makeInputImage(home, QStringLiteral("wide.png"), QSize(1600, 400))},
        {QStringLiteral("@jpeg"), home.filePath(QStringLiteral("inputs/logo.jpg"))},
        {QStringLiteral("@text"), home.filePath(QStringLiteral("inputs/notes.png"))},
        {QStringLiteral("@dir"), home.filePath(QStringLiteral("inputs/folder.deb"))},
        {QStringLiteral("@missing"), home.filePath(QStringLiteral("inputs/missing.png"))},
    };
    for (const QString &made : inputs)
        QVERIFY(!made.isEmpty());
    QImage jpeg(300, 300, QImage::Format_RGB32);
    jpeg.fill(Qt::darkGreen);
    QVERIFY(jpeg.save(inputs.value(QStringLiteral("@jpeg")), "JPEG"));
    QVERIFY(writeTextFile(inputs.value(QStringLiteral("@text")), "neither package nor image"));
    QVERIFY(QDir().mkpath(inputs.value(QStringLiteral("@dir"))));
    if (arguments.removeAll(QStringLiteral("@earlier")) > 0) {
        const QString earlier = home.desktop() + QStringLiteral("/viewer");
        QVERIFY(writeTextFile(earlier + QStringLiteral("/app.json"),
                              "{\"Name\":\"Viewer\",\"Author\":\" \",\"Website\":\" \","
                              "\"Contributor\":\"packer\",\"More\":\"Shows pictures, opens PNG "
                              "and JPEG, and more.\"}\n"));
        QVERIFY(QFile::copy(inputs.value(QStringLiteral("@logo")),
                            earlier + QStringLiteral("/icon.png")));
        QVERIFY(QFile::copy(inputs.value(QStringLiteral("@shot")),
                            earlier + QStringLiteral("/screen_1.png")));
    }
    for (QString &argument : arguments)
        argument = inputs.value(argument, argument);
    const auto desktopBefore = folderSnapshot(home.desktop());
    const QSet<QString> expected(tags.cbegin(), tags.cend());

    const ProgramRun text = runProgram(arguments);
    QVERIFY(text.exitedNormally);
    QCOMPARE(text.exitCode, exitCode);
    if (exitCode == 2) {
        QVERIFY2(text.err.contains("--help"), text.err.constData());
        QVERIFY(text.out.isEmpty());
        return;
    }
    QCOMPARE(textTags(text.out), expected);

    const bool packs = arguments.first() == QLatin1String("pack") && exitCode == 0;
    const QString bundle = home.desktop() + QStringLiteral("/viewer");
    if (packs) {
        QCOMPARE(QDir(bundle).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("app.json"), QStringLiteral("icon.png"),
                              QStringLiteral("screen_1.png"), QStringLiteral("screen_2.png"),
                              QStringLiteral("viewer_1.0_all.deb")}));
    } else {
        // A check, or a pack that found an error, writes nothing at all.
        const QString difference =
            snapshotDifference(desktopBefore, folderSnapshot(home.desktop()));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    const ProgramRun json =
        runProgram(arguments + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    QCOMPARE(json.exitCode, exitCode);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, json.out.constData());
    const QJsonObject report = document.object();
    QCOMPARE(report.value(QStringLiteral("command")).toString(), arguments.first());
    QCOMPARE(report.value(QStringLiteral("passed")).toBool(), exitCode == 0);
    QCOMPARE(jsonTags(report), expected);
    QCOMPARE(report.value(QStringLiteral("bundle")).toString(), packs ? bundle : QString());
    QVERIFY(json.err.isEmpty());
}

// The command line and the window pack the same inputs into the same files.
void TestCli::packMatchesTheWindow()
{
    TemporaryHome home;
    PackingInputs inputs =
        completeInputs(makeInputPackage(home, QStringLiteral("viewer_1.0_all.deb"),
                                        QStringLiteral("viewer"), QStringLiteral("1.0"), 300000),
                       makeInputImage(home, QStringLiteral("logo.png"), QSize(256, 200)),
                       {makeInputImage(home, QStringLiteral("shot.png"), QSize(800, 600)),
                        makeInputImage(home, QStringLiteral("shot2.png"), QSize(200, 100))});
    inputs.website = QStringLiteral("https://example.org/viewer");
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString filled = fillPackingForm(window, inputs);
    QVERIFY2(filled.isEmpty(), qPrintable(filled));
    const PressOutcome packed = pressAnswering(window, "pushButton");
    QVERIFY2(packed.problem.isEmpty() && packed.boxes.isEmpty(), qPrintable(packed.problem));
    const PressOutcome compressed = pressAnswering(window, "pushButton_5");
    QVERIFY2(compressed.problem.isEmpty() && compressed.boxes.isEmpty(),
             qPrintable(compressed.problem));

    const QString elsewhere = home.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere));
    QStringList arguments = {QStringLiteral("pack"),
                             inputs.package,
                             QStringLiteral("--compress"),
                             QStringLiteral("--desktop"),
                             elsewhere,
                             QStringLiteral("--name"),
                             inputs.name,
                             QStringLiteral("--homepage"),
                             inputs.website,
                             QStringLiteral("--contributor"),
                             inputs.contributor,
                             QStringLiteral("--description"),
                             inputs.info,
                             QStringLiteral("--logo"),
                             inputs.logo};
    for (const QString &shot : qAsConst(inputs.screenshots))
        arguments << QStringLiteral("--screenshot") << shot;
    const ProgramRun run = runProgram(arguments);
    QVERIFY(run.exitedNormally);
    QCOMPARE(run.exitCode, 0);

    const QString windowBundle = home.desktop() + QStringLiteral("/viewer");
    const QString cliBundle = elsewhere + QStringLiteral("/viewer");
    QVERIFY2(comparable(cliBundle) == comparable(windowBundle),
             qPrintable(snapshotDifference(comparable(windowBundle), comparable(cliBundle))));
    QCOMPARE(archiveMembers(elsewhere + QStringLiteral("/viewer.tar.gz")),
             archiveMembers(windowBundle + QStringLiteral(".tar.gz")));
    const QString fromWindow = unpack(windowBundle + QStringLiteral(".tar.gz"),
                                      home.filePath(QStringLiteral("unpacked/window")));
    const QString fromCli = unpack(elsewhere + QStringLiteral("/viewer.tar.gz"),
                                   home.filePath(QStringLiteral("unpacked/cli")));
    QVERIFY(!fromWindow.isEmpty() && !fromCli.isEmpty());
    QCOMPARE(comparable(fromCli + QStringLiteral("/viewer")),
             comparable(fromWindow + QStringLiteral("/viewer")));
}

// SIGTERM while a scaling runs: the tools stop, the staging goes, the
// earlier bundle and archive stay byte for byte, and the status says why.
void TestCli::stoppedPackKeepsEarlierBundle()
{
    TemporaryHome home;
    const QString package = makeInputPackage(home, QStringLiteral("viewer_1.0_all.deb"),
                                             QStringLiteral("viewer"), QStringLiteral("1.0"));
    const QString logo = makeInputImage(home, QStringLiteral("logo.png"), QSize(256, 256));
    const QString shot = makeInputImage(home, QStringLiteral("shot.png"), QSize(800, 600));
    QVERIFY(!package.isEmpty() && !logo.isEmpty() && !shot.isEmpty());
    const QStringList arguments = {QStringLiteral("pack"),
                                   package,
                                   QStringLiteral("--compress"),
                                   QStringLiteral("--name"),
                                   QStringLiteral("Viewer"),
                                   QStringLiteral("--contributor"),
                                   QStringLiteral("packer"),
                                   QStringLiteral("--description"),
                                   QStringLiteral("Shows pictures."),
                                   QStringLiteral("--logo"),
                                   logo,
                                   QStringLiteral("--screenshot"),
                                   shot};
    QCOMPARE(runProgram(arguments).exitCode, 0);
    const auto before = folderSnapshot(home.desktop());

    ToolShelf shelf;
    QVERIFY(shelf.isComplete());
    // The pid file appears whole, by a rename, once the scaling has begun.
    const QByteArray pidFile = QFile::encodeName(shelf.path() + QStringLiteral("/convert.pid"));
    QVERIFY(shelf.fake(QStringLiteral("convert"), "echo $$ > '" + pidFile + ".new'\n/bin/mv '" +
                                                      pidFile + ".new' '" + pidFile +
                                                      "'\nexec /bin/sleep 600\n"));
    QProcess program;
    program.setProcessEnvironment(commandLineEnvironment(shelf.path()));
    program.start(qEnvironmentVariable("PLINVEX_PROGRAM"),
                  arguments + QStringList{QStringLiteral("--description"),
                                          QStringLiteral("Shows pictures, again.")});
    QTRY_VERIFY(QFile::exists(QFile::decodeName(pidFile)));
    program.terminate();
    QVERIFY(program.waitForFinished(-1));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 143);
    QVERIFY(shelf.hangingToolEnded(QStringLiteral("convert")));
    const QString difference = snapshotDifference(before, folderSnapshot(home.desktop()));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
