// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "support/modalanswerer.h"
#include "support/packingform.h"
#include "support/testfiles.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

const QString kOnlyPngText = QStringLiteral("内个...只支持png文件呢～");

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabFollowsTheForm();
    void paste_data();
    void paste();

private:
    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<MainWindow> window;
};

void TestKeyboard::init()
{
    home = std::make_unique<TemporaryHome>();
    window = std::make_unique<MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestKeyboard::cleanup()
{
    window.reset();
    home.reset();
    QGuiApplication::clipboard()->clear();
}

void TestKeyboard::tabFollowsTheForm()
{
    const QStringList order = {QStringLiteral("name"),         QStringLiteral("filename"),
                               QStringLiteral("pushButton_6"), QStringLiteral("pkgname"),
                               QStringLiteral("version"),      QStringLiteral("author"),
                               QStringLiteral("website"),      QStringLiteral("contributor"),
                               QStringLiteral("image"),        QStringLiteral("info"),
                               QStringLiteral("pushButton_3"), QStringLiteral("pushButton"),
                               QStringLiteral("pushButton_2"), QStringLiteral("findings"),
                               QStringLiteral("name")};
    formWidget<QLineEdit>(*window, "name")->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
    // Tab in the description moved on instead of typing itself there.
    QVERIFY(formWidget<QTextEdit>(*window, "info")->toPlainText().isEmpty());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("findings"));
}

void TestKeyboard::paste_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("files");       // copied in a file manager, under the home
    QTest::addColumn<QString>("text");            // copied as plain text
    QTest::addColumn<QStringList>("screenshots"); // the list afterwards, relative to the home
    QTest::addColumn<int>("refusals");            // boxes saying only PNG files are taken
    QTest::addColumn<QString>("fieldText");       // the focused field afterwards

    const QStringList two = {QStringLiteral("a.png"), QStringLiteral("b.png")};
    QTest::newRow("files into a text field")
        << QStringLiteral("author") << two << QString() << two << 0 << QString();
    QTest::newRow("files with a button focused")
        << QStringLiteral("pushButton_3") << two << QString() << two << 0 << QString();
    QTest::newRow("files into the description")
        << QStringLiteral("info") << two << QString() << two << 0 << QString();
    QTest::newRow("each file checked as a drop is")
        << QStringLiteral("name")
        << QStringList{QStringLiteral("a.png"), QStringLiteral("notes.txt"),
                       QStringLiteral("c.PNG"), QStringLiteral("d.png")}
        << QString() << QStringList{QStringLiteral("a.png"), QStringLiteral("d.png")} << 2
        << QString();
    QTest::newRow("plain text stays text")
        << QStringLiteral("name") << QStringList() << QStringLiteral("Sample Viewer")
        << QStringList() << 0 << QStringLiteral("Sample Viewer");
}

void TestKeyboard::paste()
{
    QFETCH(QString, focus);
    QFETCH(QStringList, files);
    QFETCH(QString, text);
    QFETCH(QStringList, screenshots);
    QFETCH(int, refusals);
    QFETCH(QString, fieldText);

    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &file : files) {
        QVERIFY(writeTextFile(home->filePath(file), "picture"));
        urls << QUrl::fromLocalFile(home->filePath(file));
    }
    if (!urls.isEmpty())
        data->setUrls(urls);
    if (!text.isEmpty())
        data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);

    ModalAnswerer answerer;
    for (int i = 0; i < refusals; ++i)
        answerer.pressOk();
    QWidget *field = window->findChild<QWidget *>(focus);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);

    QStringList expected;
    for (const QString &file : screenshots)
        expected << home->filePath(file);
    QCOMPARE(formWidget<QTextEdit>(*window, "image")->toPlainText(),
             expected.join(QLatin1Char('\n')));
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.records().size(), refusals);
    for (const ModalRecord &box : answerer.records()) {
        QCOMPARE(box.icon, int(QMessageBox::Critical));
        QCOMPARE(box.text, kOnlyPngText);
    }
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        QCOMPARE(edit->text(), fieldText);
    else if (auto *textEdit = qobject_cast<QTextEdit *>(field))
        QCOMPARE(textEdit->toPlainText(), fieldText);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
