// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/findingwords.h"

#include <QProcess>
#include <QTranslator>
#include <QtTest>

// The locale is read once, before the application object exists, so each
// case starts the probe in an environment of its own.
class TestUiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();
    void findingsInTheWindowsWords_data();
    void findingsInTheWindowsWords();
};

void TestUiLanguage::languageFollowsTheLocale_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<bool>("english");
    QTest::newRow("C") << QStringList{QStringLiteral("LANG=C")} << false;
    QTest::newRow("zh_CN.UTF-8") << QStringList{QStringLiteral("LANG=zh_CN.UTF-8")} << false;
    QTest::newRow("LANGUAGE=zh_CN:en")
        << QStringList{QStringLiteral("LANG=en_US.UTF-8"), QStringLiteral("LANGUAGE=zh_CN:en")}
        << false;
    QTest::newRow("de_DE") << QStringList{QStringLiteral("LANG=de_DE")} << false;
    QTest::newRow("en_US.UTF-8") << QStringList{QStringLiteral("LANG=en_US.UTF-8")} << true;
}

void TestUiLanguage::languageFollowsTheLocale()
{
    QFETCH(QStringList, environment);
    QFETCH(bool, english);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    for (const QString &setting : environment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(PLINVEX_UILANGUAGE_PROBE), QStringList());
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);

    QStringList expected =
        english ? QStringList{QStringLiteral("window=Pack it!"), QStringLiteral("qt=OK")}
                : QStringList{QStringLiteral("window=打包咯！"), QStringLiteral("qt=确定")};
    // Every caption is whole in either language.
    const QStringList printed = QString::fromUtf8(probe.readAllStandardOutput())
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(printed, expected);
}

// A finding of every tag, with parameters as the check gives them.
void TestUiLanguage::findingsInTheWindowsWords_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("severity");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<QString>("limit");

    const auto row = [](const char *tag, const char *field, Severity severity,
                        const QStringList &params, const QString &measured = QString(),
                        const QString &limit = QString()) {
        QTest::newRow(tag) << QString::fromLatin1(tag) << QString::fromLatin1(field)
                           << int(severity) << params << measured << limit;
    };
    const QString deb = QStringLiteral("/tmp/viewer_1.0_all.deb");
    const QString png = QStringLiteral("/tmp/shot.png");
    const Severity E = Severity::Error;
    const Severity W = Severity::Warning;
    const Severity I = Severity::Info;
    row("package-missing", "package", E, {deb});
    row("package-not-file", "package", E, {deb});
    row("package-unreadable", "package", E, {deb});
    row("package-corrupt", "package", E, {deb});
    row("package-metadata-unreadable", "package", I,
        {QStringLiteral("crashed"), QStringLiteral("9")});
    row("package-not-application", "package", W, {});
    row("reader-unconfined", "package", W,
        {QStringLiteral("Landlock"), QStringLiteral("open-home")});
    row("package-text-nul", "package", W,
        {QStringLiteral("usr/share/a.desktop"), QStringLiteral("usr/share/b.xml")});
    row("desktop-entry-guessed", "package", I, {QStringLiteral("viewer.desktop")});
    row("earlier-bundle-unread", "package", W, {QStringLiteral("/tmp/viewer/app.json")});
    row("filename-escaped", "package", W,
        {QStringLiteral("%3a"), QStringLiteral("viewer_1%3a1.0_all.deb")});
    row("pkgname-unreadable", "pkgname", E, {});
    row("pkgname-not-folder-name", "pkgname", E, {QStringLiteral("a/b")});
    row("pkgname-not-debian", "pkgname", W, {QStringLiteral("Viewer")});
    row("pkgname-differs", "pkgname", W, {QStringLiteral("viewer2"), QStringLiteral("viewer")});
    row("version-unreadable", "version", E, {});
    row("version-invalid", "version", E, {QStringLiteral("x"), QStringLiteral("bad")});
    row("version-dubious", "version", W, {QStringLiteral("1.0a"), QStringLiteral("odd")});
    row("version-differs", "version", W, {QStringLiteral("1.1"), QStringLiteral("1.0")});
    row("version-differs-appstream", "version", W, {QStringLiteral("1.0"), QStringLiteral("1.2")},
        QStringLiteral("1.0"), QStringLiteral("1.2"));
    row("version-prerelease", "version", I, {QStringLiteral("1.0~rc1")});
    row("hidden-character", "contributor", E,
        {QStringLiteral("U+202E"), QStringLiteral("ab\\u202ecd")}, QStringLiteral("U+202E"));
    row("required-empty", "contributor", E, {});
    row("name-too-long", "name", W, {QStringLiteral("41"), QStringLiteral("40")},
        QStringLiteral("41"), QStringLiteral("40"));
    row("name-end-punctuation", "name", W, {QStringLiteral("Viewer!")});
    row("name-has-tagline", "name", I, {QStringLiteral("Viewer: sees all")});
    row("homepage-scheme", "homepage", E, {QStringLiteral("javascript:x")});
    row("homepage-not-url", "homepage", W, {QStringLiteral("www.example")});
    row("description-short", "description", I, {}, QStringLiteral("12"), QStringLiteral("60"));
    row("description-too-long", "description", I, {QStringLiteral("4100"), QStringLiteral("4000")},
        QStringLiteral("4100"), QStringLiteral("4000"));
    row("description-placeholder", "description", W, {});
    row("description-mixed-language", "description", I, {QStringLiteral("2, 5")},
        QStringLiteral("2, 5"));
    row("logo-missing", "logo", E, {png});
    row("logo-not-file", "logo", E, {png});
    row("logo-not-image", "logo", E, {png});
    row("logo-too-small", "logo", W, {QStringLiteral("48"), QStringLiteral("48"), png},
        QStringLiteral("48×48"), QStringLiteral("128×128"));
    row("logo-not-square", "logo", W, {QStringLiteral("48"), QStringLiteral("64"), png},
        QStringLiteral("48×64"));
    row("logo-mostly-empty", "logo", W, {QStringLiteral("3%"), png}, QStringLiteral("3%"),
        QStringLiteral("5%"));
    row("logo-in-companion", "logo", I, {QStringLiteral("viewer"), QStringLiteral("viewer-data")});
    row("screenshot-missing", "screenshots", E, {png});
    row("screenshot-not-file", "screenshots", E, {png});
    row("screenshot-not-image", "screenshots", E, {png});
    row("screenshot-too-small", "screenshots", W,
        {QStringLiteral("320"), QStringLiteral("200"), png}, QStringLiteral("320×200"),
        QStringLiteral("400×300"));
    row("screenshot-duplicate", "screenshots", W, {QStringLiteral("1"), png});
    row("screenshot-near-duplicate", "screenshots", W, {QStringLiteral("1"), png},
        QStringLiteral("3"), QStringLiteral("6"));
    row("screenshot-blank", "screenshots", W, {QStringLiteral("99%"), png}, QStringLiteral("99%"),
        QStringLiteral("98%"));
    row("screenshot-transparent", "screenshots", I, {QStringLiteral("7"), png},
        QStringLiteral("7 px"), QStringLiteral("2 px"));
    row("screenshot-aspect", "screenshots", I, {QStringLiteral("1600"), QStringLiteral("300"), png},
        QStringLiteral("1600×300"));
    row("image-too-large", "screenshots", E,
        {QStringLiteral("40000"), QStringLiteral("30"), QStringLiteral("16384"),
         QStringLiteral("100000000"), png},
        QStringLiteral("40000×30"), QStringLiteral("16384×16384"));
    row("image-animated", "logo", W, {png});
}

bool hasChinese(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x3000 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

// Every finding reads in the window's own words in both languages: its
// field by the form's label, never an option of the command line, and every
// value it carries shown.
void TestUiLanguage::findingsInTheWindowsWords()
{
    QFETCH(QString, tag);
    QFETCH(QString, field);
    QFETCH(int, severity);
    QFETCH(QStringList, params);
    QFETCH(QString, measured);
    QFETCH(QString, limit);
    QVERIFY(knownFindingTags().contains(tag));
    Finding finding;
    finding.tag = tag;
    finding.field = field;
    finding.severity = Severity(severity);
    finding.params = params;
    finding.measured = measured;
    finding.limit = limit;

    const QString chinese = windowWords(finding);
    Q_INIT_RESOURCE(plinvex_translations);
    QTranslator english;
    QVERIFY(english.load(QStringLiteral("plinvex_en"), QStringLiteral(":/translations")));
    QCoreApplication::installTranslator(&english);
    const QString inEnglish = windowWords(finding);
    QCoreApplication::removeTranslator(&english);

    QVERIFY2(hasChinese(chinese), qPrintable(chinese));
    QVERIFY2(!hasChinese(inEnglish), qPrintable(inEnglish));
    for (const QString &words : {chinese, inEnglish}) {
        QVERIFY2(!words.contains(QStringLiteral("--")), qPrintable(words));
        QVERIFY2(!words.contains(tag), qPrintable(words));
        for (const QString &param : params) {
            // What the reader could not stop is said in words, not as its key.
            if (tag == QLatin1String("package-metadata-unreadable") &&
                param == QLatin1String("crashed"))
                continue;
            QVERIFY2(words.contains(param), qPrintable(words + QStringLiteral(" / ") + param));
        }
    }
    // Where the form has the field, the words name it by its label.
    const QString label = formLabel(field);
    if (!label.isEmpty() && !field.startsWith(QLatin1String("package")) &&
        !tag.startsWith(QLatin1String("screenshot-")) && tag != QLatin1String("logo-in-companion"))
        QVERIFY2(chinese.contains(label), qPrintable(chinese));
}

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
