// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QProcess>
#include <QtTest>

// The locale is read once, before the application object exists, so each
// case starts the probe in an environment of its own.
class TestUiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();
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

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
