// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/sizetext.h"

#include <QtTest>

class TestSizeText : public QObject
{
    Q_OBJECT

private slots:
    void formatsCounts_data();
    void formatsCounts();
};

void TestSizeText::formatsCounts_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    const QList<QPair<qint64, const char *>> rows = {
        {0, "0.00B"},
        {500, "500.00B"},
        {1024, "1024.00B"},
        {1025, "1.00KB"},
        {1029, "1.00KB"},
        {1030, "1.01KB"},
        {1126, "1.10KB"},
        {1152, "1.13KB"},
        {1536, "1.50KB"},
        {2047, "2.00KB"},
        {10290, "10.05KB"},
        {1048576, "1024.00KB"},
        {1049599, "1025.00KB"},
        {1049600, "1.00MB"},
        {1054719, "1.00MB"},
        {1054720, "1.01MB"},
        {1572864, "1.50MB"},
        {Q_INT64_C(1073741824), "1024.00MB"},
        {Q_INT64_C(1074790399), "1025.00MB"},
        {Q_INT64_C(1074790400), "1.00GB"},
        {Q_INT64_C(1610612736), "1.50GB"},
        {Q_INT64_C(5368709120), "5.00GB"},
        {Q_INT64_C(2199023255552), "2048.00GB"},
    };
    for (const auto &row : rows)
        QTest::addRow("%lld", row.first) << row.first << QString::fromLatin1(row.second);
}

void TestSizeText::formatsCounts()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(formatSize(bytes), text);
}

QTEST_APPLESS_MAIN(TestSizeText)
#include "tst_sizetext.moc"
