// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "support/dragdrop.h"
#include "support/foldersnapshot.h"
#include "support/jobrun.h"
#include "support/modalanswerer.h"
#include "support/packingform.h"
#include "support/testfiles.h"
#include "support/toolshelf.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

enum class View { Form, Result, ResultCompressed };

// Every widget of the form and whether it shows in the form view and in
// the result view.
struct Visibility
{
    const char *name;
    bool inForm;
    bool inResult;
};

const QList<Visibility> &visibilityTable()
{
    static const QList<Visibility> rows = {
        {"label", true, false},        {"label_2", true, false},      {"label_3", true, false},
        {"label_4", true, false},      {"label_5", true, false},      {"label_6", true, false},
        {"label_7", true, false},      {"label_8", true, false},      {"label_9", true, false},
        {"lable22", true, false},      {"lable33", false, true},      {"name", true, false},
        {"filename", true, false},     {"pkgname", true, false},      {"version", true, false},
        {"author", true, false},       {"website", true, false},      {"contributor", true, false},
        {"image", true, false},        {"info", true, false},         {"icon", true, false},
        {"pushButton", true, false},   {"pushButton_2", true, false}, {"pushButton_3", true, false},
        {"pushButton_4", false, true}, {"pushButton_5", false, true}, {"pushButton_6", true, false},
        {"textBrowser", false, false}, {"centralwidget", true, true}, {"findings", true, false},
        {"progress", false, false},
    };
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(View)

class TestViews : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void visibility_data();
    void visibility();
    void anotherOneClearsTheForm();
    void pressesDuringWorkStartNothing();

private:
    template <typename Widget> Widget *widget(const char *objectName) const
    {
        return window->findChild<Widget *>(QString::fromLatin1(objectName));
    }
    // Presses a button the way a user can: only when it shows and nothing covers it.
    void press(const char *objectName);
    void type(QWidget *field, const QString &text);
    void fillAndPack();
    void compress();
    void expectView(View view);

    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ModalAnswerer> answerer;
    QString package;
    QString logo;
    QString screenshot;
};

void TestViews::init()
{
    home = std::make_unique<TemporaryHome>();
    package = home->filePath(QStringLiteral("debs/hello_1.0_all.deb"));
    logo = home->filePath(QStringLiteral("art/logo.png"));
    screenshot = home->filePath(QStringLiteral("art/shot 1.png"));
    QVERIFY(!makeDeb(package, QStringLiteral("hello"), QStringLiteral("1.0")).isEmpty());
    QVERIFY(makePng(logo, 256, 256));
    QVERIFY(makePng(screenshot, 800, 600));
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    answerer = std::make_unique<ModalAnswerer>();
}

void TestViews::cleanup()
{
    answerer.reset();
    window.reset();
    home.reset();
}

void TestViews::press(const char *objectName)
{
    auto *button = widget<QPushButton>(objectName);
    QVERIFY(button);
    QVERIFY2(button->isVisible(), objectName);
    const QPoint centre = button->mapTo(window.get(), button->rect().center());
    QVERIFY2(window->childAt(centre) == button, objectName);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(waitForWindowWork(*window));
}

void TestViews::type(QWidget *field, const QString &text)
{
    field->setFocus();
    QTest::keyClicks(field, text);
}

void TestViews::fillAndPack()
{
    const int before = answerer->records().size();
    answerer->chooseFile(package);
    press("pushButton_6");
    QVERIFY(waitForPackageReading(*window));
    QCOMPARE(widget<QLineEdit>("pkgname")->text(), QStringLiteral("hello"));
    answerer->chooseFile(logo);
    press("pushButton_3");
    std::unique_ptr<QMimeData> data(fileDragData({screenshot}));
    QVERIFY(dragAndDrop(window.get(), data.get()).dropped);
    type(widget<QLineEdit>("name"), QStringLiteral("Hello"));
    type(widget<QLineEdit>("author"), QStringLiteral("Upstream"));
    type(widget<QLineEdit>("website"), QStringLiteral("https://example.org"));
    type(widget<QLineEdit>("contributor"), QStringLiteral("Packager"));
    type(widget<QTextEdit>("info"), QStringLiteral("Says hello."));
    press("pushButton");

    QCOMPARE(answerer->pending(), 0);
    QCOMPARE(answerer->records().size(), before + 2);
    QVERIFY(QFileInfo::exists(home->desktop() + QStringLiteral("/hello/app.json")));
}

void TestViews::compress()
{
    press("pushButton_5");
    QCOMPARE(answerer->pending(), 0);
    QVERIFY(QFileInfo::exists(home->desktop() + QStringLiteral("/hello.tar.gz")));
    QVERIFY(!widget<QTextBrowser>("textBrowser")->toPlainText().isEmpty());
}

void TestViews::expectView(View view)
{
    QStringList wrong;
    for (const Visibility &row : visibilityTable()) {
        QWidget *w = window->findChild<QWidget *>(QString::fromLatin1(row.name));
        QVERIFY2(w, row.name);
        bool expected = view == View::Form ? row.inForm : row.inResult;
        // Compressing puts the output where the compress button was.
        if (view == View::ResultCompressed && qstrcmp(row.name, "textBrowser") == 0)
            expected = true;
        if (view == View::ResultCompressed && qstrcmp(row.name, "pushButton_5") == 0)
            expected = false;
        if (w->isVisible() != expected)
            wrong << QString::fromLatin1(row.name) +
                         (expected ? QStringLiteral(" hidden") : QStringLiteral(" shown"));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String(", "))));
}

void TestViews::visibility_data()
{
    QTest::addColumn<QStringList>("road");
    QTest::addColumn<View>("view");
    const QString pack = QStringLiteral("pack");
    const QString another = QStringLiteral("another one");
    const QString compress = QStringLiteral("compress");
    QTest::newRow("start-up") << QStringList() << View::Form;
    QTest::newRow("packed") << QStringList{pack} << View::Result;
    QTest::newRow("another one") << QStringList{pack, another} << View::Form;
    QTest::newRow("compressed") << QStringList{pack, compress} << View::ResultCompressed;
    QTest::newRow("compressed, another one") << QStringList{pack, compress, another} << View::Form;
    QTest::newRow("compressed, another one, packed again")
        << QStringList{pack, compress, another, pack} << View::Result;
}

void TestViews::visibility()
{
    QFETCH(QStringList, road);
    QFETCH(View, view);
    for (const QString &step : road) {
        if (step == QLatin1String("pack"))
            fillAndPack();
        else if (step == QLatin1String("another one"))
            press("pushButton_4");
        else
            compress();
        if (QTest::currentTestFailed())
            return;
    }
    expectView(view);
}

void TestViews::anotherOneClearsTheForm()
{
    fillAndPack();
    if (QTest::currentTestFailed())
        return;
    compress();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!widget<QLabel>("icon")->pixmap(Qt::ReturnByValue).isNull());

    press("pushButton_4");

    for (const char *name :
         {"name", "filename", "pkgname", "version", "author", "website", "contributor"}) {
        QVERIFY2(widget<QLineEdit>(name)->text().isEmpty(), name);
        QVERIFY2(!widget<QLineEdit>(name)->placeholderText().isEmpty(), name);
    }
    for (const char *name : {"image", "info"}) {
        QVERIFY2(widget<QTextEdit>(name)->toPlainText().isEmpty(), name);
        QVERIFY2(!widget<QTextEdit>(name)->placeholderText().isEmpty(), name);
    }
    auto *icon = widget<QLabel>("icon");
    QVERIFY(icon->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(icon->text().isEmpty());
    auto *output = widget<QTextBrowser>("textBrowser");
    QVERIFY(output->toPlainText().isEmpty());
    QVERIFY(output->isHidden());
    QCOMPARE(widget<QPushButton>("pushButton_3")->text(), QStringLiteral("单击此处选择Logo图标"));
    QVERIFY(widget<QPushButton>("pushButton_5")->isHidden());
    QCOMPARE(answerer->pending(), 0);

    // The emptied logo area means what it says: the last logo is gone too,
    // so a submission without one of its own is refused as incomplete. The
    // bundle just packed would give its logo once the package is read.
    QVERIFY(QDir(home->desktop() + QStringLiteral("/hello")).removeRecursively());
    answerer->chooseFile(package);
    press("pushButton_6");
    QVERIFY(waitForPackageReading(*window));
    std::unique_ptr<QMimeData> data(fileDragData({screenshot}));
    QVERIFY(dragAndDrop(window.get(), data.get()).dropped);
    for (const char *name : {"name", "contributor"})
        type(widget<QLineEdit>(name), QStringLiteral("x"));
    type(widget<QTextEdit>("info"), QStringLiteral("x"));
    const int before = answerer->records().size();
    answerer->pressOk();
    press("pushButton");
    QCOMPARE(answerer->pending(), 0);
    QCOMPARE(answerer->records().size(), before + 1);
    QCOMPARE(answerer->records().last().text, QStringLiteral("你好像忘记了什么～"));
    QVERIFY(widget<QPushButton>("pushButton")->isVisible());
}

// A screen reader presses buttons through their accessible actions, which no
// input filter sees: a press while tools run must not start a second piece
// of work inside the first.
void TestViews::pressesDuringWorkStartNothing()
{
    ToolShelf shelf;
    QVERIFY(shelf.isComplete());
    QVERIFY(shelf.fakeHanging(QStringLiteral("convert")));
    const QString problem = fillPackingForm(*window, completeInputs(package, logo, {screenshot}));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const auto desktopBefore = folderSnapshot(home->desktop());

    QStringList started;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!QFileInfo::exists(shelf.path() + QStringLiteral("/convert.pid")))
            return;
        poll.stop();
        const QStringList stagingBefore =
            QDir(home->desktop()).entryList(QDir::Hidden | QDir::Dirs);
        for (const char *name :
             {"pushButton", "pushButton_3", "pushButton_4", "pushButton_5", "pushButton_6"})
            widget<QPushButton>(name)->click();
        window->openPackage(package);
        if (QApplication::activeModalWidget())
            started << QStringLiteral("a dialog");
        if (QDir(home->desktop()).entryList(QDir::Hidden | QDir::Dirs) != stagingBefore)
            started << QStringLiteral("another staging folder");
        window->close();
    });
    poll.start(10);
    shelf.use();
    const PressOutcome press = pressAnswering(*window, "pushButton");
    shelf.putBack();
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));
    QVERIFY2(started.isEmpty(), qPrintable(started.join(QLatin1String(", "))));
    QVERIFY2(press.boxes.isEmpty(), qPrintable(press.boxes.value(0).text));
    QVERIFY(!window->isVisible());
    QVERIFY(folderSnapshot(home->desktop()) == desktopBefore);
}

int main(int argc, char *argv[])
{
    // The toolkit's own dialogs, so the tests can answer them.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    TestViews test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_views.moc"
