// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/controlfile.h"
#include "bundle/submission.h"
#include "bundle/textlines.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

Submission sampleSubmission()
{
    Submission s;
    s.appName = QStringLiteral("Sample Viewer");
    s.debPath = QStringLiteral("/home/user/Downloads/sample-viewer_1.2.0_amd64.deb");
    s.pkgName = QStringLiteral("sample-viewer");
    s.version = QStringLiteral("1.2.0");
    s.author = QStringLiteral(" ");
    s.website = QStringLiteral(" ");
    s.contributor = QStringLiteral("packer");
    s.updateTime = QStringLiteral("2024-05-01 09:30");
    s.sizeText = QStringLiteral("1.50MB");
    s.moreText = joinDescriptionLines(QStringLiteral("A small image viewer.\nOpens PNG files."));
    return s;
}

const QByteArray kSampleFile = "{\n"
                               "   \"Name\":\"Sample Viewer\",\n"
                               "   \"Version\":\"1.2.0\",\n"
                               "   \"Filename\":\"sample-viewer_1.2.0_amd64.deb\",\n"
                               "   \"Pkgname\":\"sample-viewer\",\n"
                               "   \"Author\":\" \",\n"
                               "   \"Contributor\":\"packer\",\n"
                               "   \"Website\":\" \",\n"
                               "   \"Update\":\"2024-05-01 09:30\",\n"
                               "   \"Size\":\"1.50MB\",\n"
                               "   \"More\":\"A small image viewer. Opens PNG files.\"\n"
                               "}\n";

} // namespace

class TestControlFile : public QObject
{
    Q_OBJECT

private slots:
    void runsUnderCLocale();
    void writesWorkedExample();
    void joinsDescriptionLines_data();
    void joinsDescriptionLines();
    void escapesValues_data();
    void escapesValues();
    void escapesEveryField();
    void writesUtf8();
    void replacesExistingFileWhole_data();
    void replacesExistingFileWhole();
    void replacesLinkNotItsTarget_data();
    void replacesLinkNotItsTarget();
    void refusesUnwritablePlace_data();
    void refusesUnwritablePlace();
};

// The encoding checks below mean something only when the locale is not UTF-8.
void TestControlFile::runsUnderCLocale()
{
    QCOMPARE(qgetenv("LC_ALL"), QByteArray("C"));
    QCOMPARE(qgetenv("LANG"), QByteArray("C"));
}

void TestControlFile::writesWorkedExample()
{
    QCOMPARE(controlFileContents(sampleSubmission()), kSampleFile);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.json"));
    QVERIFY(writeControlFile(path, sampleSubmission()));
    QCOMPARE(readAll(path), kSampleFile);
}

void TestControlFile::joinsDescriptionLines_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("more");

    QTest::newRow("one line") << QStringLiteral("one") << QStringLiteral("one");
    QTest::newRow("Latin words") << QStringLiteral("one\ntwo") << QStringLiteral("one two");
    QTest::newRow("Latin sentences") << QStringLiteral("A small image viewer.\nOpens PNG files.")
                                     << QStringLiteral("A small image viewer. Opens PNG files.");
    QTest::newRow("Chinese") << QStringLiteral("第一行\n第二行") << QStringLiteral("第一行第二行");
    QTest::newRow("Chinese full stop")
        << QStringLiteral("看图。\n支持 PNG。") << QStringLiteral("看图。支持 PNG。");
    QTest::newRow("Chinese then English")
        << QStringLiteral("中文\nEnglish") << QStringLiteral("中文English");
    QTest::newRow("English then Chinese")
        << QStringLiteral("English\n中文") << QStringLiteral("English中文");
    QTest::newRow("full-width comma then Latin")
        << QStringLiteral("看图，\nPNG") << QStringLiteral("看图，PNG");
    QTest::newRow("Japanese") << QStringLiteral("かな\nカナ") << QStringLiteral("かなカナ");
    QTest::newRow("Korean") << QStringLiteral("한국\n어") << QStringLiteral("한국어");
    QTest::newRow("line ending in a blank")
        << QStringLiteral("ends in blank \nnext") << QStringLiteral("ends in blank next");
    QTest::newRow("line starting with a tab")
        << QStringLiteral("one\n\ttwo") << QStringLiteral("one\ttwo");
    QTest::newRow("empty line between Latin words")
        << QStringLiteral("one\n\ntwo") << QStringLiteral("one two");
    QTest::newRow("several empty lines")
        << QStringLiteral("one.\n\n\n\nTwo.") << QStringLiteral("one. Two.");
    QTest::newRow("empty line between Chinese")
        << QStringLiteral("第一段\n\n第二段") << QStringLiteral("第一段第二段");
    QTest::newRow("carriage returns")
        << QStringLiteral("one\r\ntwo\r\n\r\nthree") << QStringLiteral("one two three");
    QTest::newRow("breaks at both ends") << QStringLiteral("\none\n") << QStringLiteral("one");
    QTest::newRow("only a line feed") << QStringLiteral("\n") << QString();
    QTest::newRow("Chinese list items") << QStringLiteral("功能：\n• 标签页\n• 拼写检查")
                                        << QStringLiteral("功能： • 标签页 • 拼写检查");
    QTest::newRow("control file hyphen list")
        << QStringLiteral("Features are:\n - syntax highlighting\n   - code completion")
        << QStringLiteral("Features are: - syntax highlighting - code completion");
    QTest::newRow("star list after a blank")
        << QStringLiteral("Has: \n* one\n\n* two") << QStringLiteral("Has: * one * two");
    QTest::newRow("hyphen inside a word is no item")
        << QStringLiteral("第一\n-第二") << QStringLiteral("第一-第二");
    QTest::newRow("beyond the basic plane")
        << QStringLiteral("\U00020000\n\U00020001") << QStringLiteral("\U00020000\U00020001");
}

void TestControlFile::joinsDescriptionLines()
{
    QFETCH(QString, description);
    QFETCH(QString, more);

    QCOMPARE(joinDescriptionLines(description), more);
    SubmissionValues values;
    values.description.value = description;
    QCOMPARE(makeSubmission(values).moreText, more);
}

void TestControlFile::escapesValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("double quote") << QStringLiteral("say \"hi\"") << QByteArray("say \\\"hi\\\"");
    QTest::newRow("backslash") << QStringLiteral("C:\\tmp\\") << QByteArray("C:\\\\tmp\\\\");
    QTest::newRow("line feed") << QStringLiteral("a\nb") << QByteArray("a\\nb");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tb");
    QTest::newRow("carriage return") << QStringLiteral("a\rb") << QByteArray("a\\rb");
    QTest::newRow("backspace") << QStringLiteral("a\bb") << QByteArray("a\\bb");
    QTest::newRow("form feed") << QStringLiteral("a\fb") << QByteArray("a\\fb");
    QTest::newRow("NUL") << QString(QChar(0)) + QStringLiteral("x") << QByteArray("\\u0000x");
    QTest::newRow("SOH") << QStringLiteral("\x01") << QByteArray("\\u0001");
    QTest::newRow("vertical tab") << QStringLiteral("\x0b") << QByteArray("\\u000b");
    QTest::newRow("ESC") << QStringLiteral("\x1b[0m") << QByteArray("\\u001b[0m");
    QTest::newRow("unit separator") << QStringLiteral("\x1f") << QByteArray("\\u001f");
    QTest::newRow("slash") << QStringLiteral("https://example.org/a/b")
                           << QByteArray("https://example.org/a/b");
    QTest::newRow("Chinese") << QStringLiteral("示例查看器")
                             << QByteArray("\xe7\xa4\xba\xe4\xbe\x8b\xe6\x9f\xa5\xe7\x9c\x8b"
                                           "\xe5\x99\xa8");
    QTest::newRow("blank") << QStringLiteral(" ") << QByteArray(" ");
    QTest::newRow("mixed") << QStringLiteral("\"\\\"\n") << QByteArray("\\\"\\\\\\\"\\n");
}

void TestControlFile::escapesValues()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, written);

    Submission s = sampleSubmission();
    s.appName = value;
    const QByteArray contents = controlFileContents(s);
    const QList<QByteArray> lines = contents.split('\n');
    QCOMPARE(lines.size(), 13); // twelve lines, each ended by a line feed
    QCOMPARE(lines.at(1), QByteArray("   \"Name\":\"") + written + QByteArray("\","));
    QCOMPARE(lines.at(12), QByteArray());

    // The store reads the file as JSON and must get the value back unchanged.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(contents, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(document.object().value(QStringLiteral("Name")).toString(), value);
}

void TestControlFile::escapesEveryField()
{
    const QString hostile = QStringLiteral("\"}\\\n\t,\"x\":\"");
    Submission s;
    s.appName = hostile;
    s.debPath = QStringLiteral("/tmp/") + QString(hostile).remove(QLatin1Char('\n')) +
                QStringLiteral(".deb");
    s.pkgName = hostile;
    s.version = hostile;
    s.author = hostile;
    s.website = hostile;
    s.contributor = hostile;
    s.updateTime = hostile;
    s.sizeText = hostile;
    s.moreText = hostile;

    const QByteArray contents = controlFileContents(s);
    QCOMPARE(contents.count('\n'), 12);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(contents, &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(object.keys().size(), 10);
    for (const char *key : {"Name", "Version", "Pkgname", "Author", "Contributor", "Website",
                            "Update", "Size", "More"})
        QCOMPARE(object.value(QLatin1String(key)).toString(), hostile);
    QCOMPARE(object.value(QLatin1String("Filename")).toString(),
             QString(hostile).remove(QLatin1Char('\n')) + QStringLiteral(".deb"));
}

void TestControlFile::writesUtf8()
{
    Submission s = sampleSubmission();
    s.appName = QStringLiteral("图片查看器");
    s.contributor = QStringLiteral("打包者");
    s.moreText = QStringLiteral("一个小巧的看图工具。支持PNG。");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.json"));
    QVERIFY(writeControlFile(path, s));
    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.contains("   \"Name\":\"\xe5\x9b\xbe\xe7\x89\x87\xe6\x9f\xa5\xe7\x9c\x8b"
                           "\xe5\x99\xa8\",\n"));
    QVERIFY(bytes.contains("   \"Contributor\":\"\xe6\x89\x93\xe5\x8c\x85\xe8\x80\x85\",\n"));
    QVERIFY(!bytes.startsWith("\xef\xbb\xbf")); // no byte-order mark
    QVERIFY(!bytes.contains('?'));
    QCOMPARE(QString::fromUtf8(bytes), QString::fromUtf8(controlFileContents(s)));
    QCOMPARE(QJsonDocument::fromJson(bytes).object().value(QStringLiteral("More")).toString(),
             s.moreText);
}

void TestControlFile::replacesExistingFileWhole_data()
{
    QTest::addColumn<QByteArray>("earlier");

    QTest::newRow("earlier control file") << kSampleFile;
    QTest::newRow("longer text") << QByteArray(4096, 'x');
    QTest::newRow("empty file") << QByteArray();
}

void TestControlFile::replacesExistingFileWhole()
{
    QFETCH(QByteArray, earlier);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("app.json"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(earlier), qint64(earlier.size()));
    }
    Submission s = sampleSubmission();
    s.version = QStringLiteral("2.0.0");
    QVERIFY(writeControlFile(path, s));
    QCOMPARE(readAll(path), controlFileContents(s));
    QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("app.json")});
}

void TestControlFile::replacesLinkNotItsTarget_data()
{
    QTest::addColumn<bool>("targetExists");

    QTest::newRow("link to a file") << true;
    QTest::newRow("link to nowhere") << false;
}

// A link at app.json in an earlier bundle folder must not carry the write to
// a file outside the folder.
void TestControlFile::replacesLinkNotItsTarget()
{
    QFETCH(bool, targetExists);

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("outside.json"));
    if (targetExists) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("bundle")));
    const QString path = dir.filePath(QStringLiteral("bundle/app.json"));
    QVERIFY(QFile::link(target, path));

    QVERIFY(writeControlFile(path, sampleSubmission()));
    QVERIFY(!QFileInfo(path).isSymLink());
    QCOMPARE(readAll(path), kSampleFile);
    if (targetExists)
        QCOMPARE(readAll(target), QByteArray("precious"));
    else
        QVERIFY(!QFileInfo::exists(target));
}

void TestControlFile::refusesUnwritablePlace_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("prepare");

    QTest::newRow("missing folder") << QStringLiteral("gone/app.json") << QString();
    QTest::newRow("missing folders") << QStringLiteral("gone/deeper/app.json") << QString();
    QTest::newRow("app.json is a folder")
        << QStringLiteral("bundle/app.json") << QStringLiteral("bundle/app.json/");
    QTest::newRow("folder is a file")
        << QStringLiteral("bundle/app.json") << QStringLiteral("bundle");
}

void TestControlFile::refusesUnwritablePlace()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, prepare);

    QTemporaryDir dir;
    if (prepare.endsWith(QLatin1Char('/'))) {
        QVERIFY(QDir(dir.path()).mkpath(prepare));
    } else if (!prepare.isEmpty()) {
        QFile file(dir.filePath(prepare));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
    }
    const QStringList before = entriesOf(dir.path());
    const QStringList bundleBefore = entriesOf(dir.filePath(QStringLiteral("bundle")));

    QVERIFY(!writeControlFile(dir.filePath(relativePath), sampleSubmission()));

    // No half-written or temporary file is left anywhere.
    QCOMPARE(entriesOf(dir.path()), before);
    QCOMPARE(entriesOf(dir.filePath(QStringLiteral("bundle"))), bundleBefore);
    QCOMPARE(entriesOf(dir.filePath(QStringLiteral("bundle/app.json"))), QStringList());
    if (prepare == QLatin1String("bundle"))
        QCOMPARE(readAll(dir.filePath(prepare)), QByteArray("not a folder"));
}

int main(int argc, char *argv[])
{
    // The control file must be UTF-8 whatever the packager's locale says, so
    // the whole suite runs under the plain C locale.
    qputenv("LC_ALL", "C");
    qputenv("LANG", "C");
    QCoreApplication app(argc, argv);
    TestControlFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_controlfile.moc"
