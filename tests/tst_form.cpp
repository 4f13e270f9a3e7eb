// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form/formbuilder.h"
#include "app/mainwindow.h"
#include "support/testfiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

namespace {

const QString kWindowStyle = QStringLiteral("background-color: rgb(255, 255, 255);");
const QString kInputStyle = QStringLiteral("border-style:none;\n"
                                           "padding:3px;\n"
                                           "border-radius:7px;\n"
                                           "background-color: rgb(255, 244, 245);");
const QString kButtonStyle = QStringLiteral("QPushButton:pressed\n"
                                            "{\n"
                                            "background-color:#c44237;\n"
                                            "border-radius:20px;\n"
                                            "color:#FFFFFF; \n"
                                            "}\n"
                                            "QPushButton\n"
                                            "{\n"
                                            "border-radius:20px;\n"
                                            "color:#000000; \n"
                                            "background-color: rgb(255, 244, 245);\n"
                                            "}");
const QString kLogoOverlayStyle = QStringLiteral("border-style:none;\n"
                                                 "padding:3px;\n"
                                                 "border-radius:7px;\n"
                                                 "background-color: rgba(255, 255, 255, 0);\n"
                                                 "color: rgb(165, 165, 165);");
const QString kCaptionStyle = QStringLiteral("font: 11pt;");
const QString kFormBackgroundStyle = QStringLiteral("border-image: url(:/image/background.png);");
const QString kResultBackgroundStyle =
    QStringLiteral("border-image: url(:/image/background2.png);");

// Point size a widget takes from the application when nothing sets one.
constexpr int kDefaultSize = 0;

struct Row
{
    const char *name;
    const char *className;
    QRect rect;
    const QString *style;
    int expectedStyleLength;
    int pointSize;
    bool readOnly;
};

// The form as designed, in creation order.
const QList<Row> &designedWidgets()
{
    static const QList<Row> rows = {
        {"name", "QLineEdit", {120, 20, 431, 32}, &kInputStyle, 88, kDefaultSize, false},
        {"filename", "QLineEdit", {120, 70, 331, 32}, &kInputStyle, 88, kDefaultSize, true},
        {"label", "QLabel", {20, 20, 81, 31}, &kCaptionStyle, 11, 11, false},
        {"label_2", "QLabel", {20, 70, 81, 31}, &kCaptionStyle, 11, 11, false},
        {"label_5", "QLabel", {20, 220, 90, 31}, &kCaptionStyle, 11, 11, false},
        {"author", "QLineEdit", {120, 220, 431, 31}, &kInputStyle, 88, kDefaultSize, false},
        {"lable22", "QLabel", {-80, 0, 1024, 640}, &kFormBackgroundStyle, 42, kDefaultSize, false},
        {"label_9", "QLabel", {20, 450, 81, 31}, &kCaptionStyle, 11, 11, false},
        {"info", "QTextEdit", {120, 450, 341, 111}, &kInputStyle, 88, kDefaultSize, false},
        {"label_4", "QLabel", {20, 170, 81, 31}, &kCaptionStyle, 11, 11, false},
        {"version", "QLineEdit", {120, 170, 431, 32}, &kInputStyle, 88, kDefaultSize, false},
        {"pushButton", "QPushButton", {320, 580, 91, 41}, &kButtonStyle, 175, kDefaultSize, false},
        {"pushButton_2",
         "QPushButton",
         {170, 580, 91, 41},
         &kButtonStyle,
         175,
         kDefaultSize,
         false},
        {"label_8", "QLabel", {20, 370, 81, 31}, &kCaptionStyle, 11, 11, false},
        {"icon", "QLabel", {670, 20, 180, 180}, &kInputStyle, 88, kDefaultSize, false},
        {"pushButton_3",
         "QPushButton",
         {670, 20, 180, 180},
         &kLogoOverlayStyle,
         119,
         kDefaultSize,
         false},
        {"lable33",
         "QLabel",
         {-80, 0, 1024, 640},
         &kResultBackgroundStyle,
         43,
         kDefaultSize,
         false},
        {"textBrowser", "QTextBrowser", {20, 30, 431, 311}, &kInputStyle, 88, kDefaultSize, false},
        {"label_7", "QLabel", {20, 320, 51, 31}, &kCaptionStyle, 11, 11, false},
        {"contributor", "QLineEdit", {120, 320, 341, 31}, &kInputStyle, 88, kDefaultSize, false},
        {"pushButton_4", "QPushButton", {160, 420, 150, 75}, &kButtonStyle, 175, 11, false},
        {"pushButton_5", "QPushButton", {160, 130, 150, 75}, &kButtonStyle, 175, 11, false},
        {"label_6", "QLabel", {20, 270, 90, 31}, nullptr, 0, 11, false},
        {"website", "QLineEdit", {120, 270, 361, 31}, &kInputStyle, 88, kDefaultSize, false},
        {"pkgname", "QLineEdit", {120, 120, 431, 32}, &kInputStyle, 88, kDefaultSize, false},
        {"label_3", "QLabel", {20, 120, 51, 31}, nullptr, 0, 12, false},
        {"pushButton_6", "QPushButton", {460, 70, 91, 32}, &kButtonStyle, 175, kDefaultSize, false},
        {"image", "QTextEdit", {120, 370, 341, 61}, &kInputStyle, 88, kDefaultSize, true},
        {"findings", "QListWidget", {580, 220, 344, 401}, &kInputStyle, 88, kDefaultSize, false},
        {"progress", "QProgressBar", {20, 360, 431, 31}, nullptr, 0, kDefaultSize, false},
    };
    return rows;
}

QWidget *widgetNamed(MainWindow &window, const QString &name)
{
    return window.findChild<QWidget *>(name);
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowIsFixedAt944x640();
    void windowCannotBeMaximised();
    void windowTitleAndIcon();
    void windowStyle();
    void noMenuToolOrStatusBar();
    void centralWidgetFillsTheWindow();
    void resourceImagesExist_data();
    void resourceImagesExist();

    void widgetTable_data();
    void widgetTable();
    void everyWidgetIsInTheTable();

    void texts_data();
    void texts();

    void stackingOrder();
    void logoButtonCoversThePreview();

    void unnamedWindowIsNamedMainWindow();
    void namedWindowKeepsItsName();

    void giveUpClosesTheWindow();

private:
    TemporaryHome *home = nullptr;
    MainWindow *window = nullptr;
};

void TestForm::init()
{
    home = new TemporaryHome;
    window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestForm::cleanup()
{
    delete window;
    window = nullptr;
    delete home;
    home = nullptr;
}

void TestForm::windowIsFixedAt944x640()
{
    QCOMPARE(window->size(), QSize(944, 640));
    QCOMPARE(window->minimumSize(), QSize(944, 640));
    QCOMPARE(window->maximumSize(), QSize(944, 640));

    window->resize(1200, 800);
    QCOMPARE(window->size(), QSize(944, 640));
    window->resize(300, 200);
    QCOMPARE(window->size(), QSize(944, 640));
}

void TestForm::windowCannotBeMaximised()
{
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    // Only the maximise button goes; the window keeps its title and close button.
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));

    window->showMaximized();
    QCOMPARE(window->size(), QSize(944, 640));
}

void TestForm::windowTitleAndIcon()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Plinvex"));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(!window->windowIcon().availableSizes().isEmpty());
}

void TestForm::windowStyle()
{
    QCOMPARE(window->styleSheet(), kWindowStyle);
    QCOMPARE(window->styleSheet().size(), 37);
}

void TestForm::noMenuToolOrStatusBar()
{
    QVERIFY(!window->findChild<QMenuBar *>());
    QVERIFY(!window->findChild<QToolBar *>());
    QVERIFY(!window->findChild<QStatusBar *>());
}

void TestForm::centralWidgetFillsTheWindow()
{
    QWidget *central = window->centralWidget();
    QVERIFY(central);
    QCOMPARE(central->objectName(), QStringLiteral("centralwidget"));
    QCOMPARE(QString::fromLatin1(central->metaObject()->className()), QStringLiteral("QWidget"));
    QCOMPARE(central->geometry(), QRect(0, 0, 944, 640));
    QVERIFY(central->styleSheet().isEmpty());
}

void TestForm::resourceImagesExist_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("window icon") << QStringLiteral(":/image/icon.png");
    QTest::newRow("form background") << QStringLiteral(":/image/background.png");
    QTest::newRow("result background") << QStringLiteral(":/image/background2.png");
}

void TestForm::resourceImagesExist()
{
    QFETCH(QString, path);
    QVERIFY(!QImage(path).isNull());
}

void TestForm::widgetTable_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("styleLength");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("readOnly");
    for (const Row &row : designedWidgets()) {
        QTest::newRow(row.name) << QString::fromLatin1(row.className) << row.rect
                                << (row.style ? *row.style : QString()) << row.expectedStyleLength
                                << row.pointSize << row.readOnly;
    }
}

void TestForm::widgetTable()
{
    QFETCH(QString, className);
    QFETCH(QRect, rect);
    QFETCH(QString, style);
    QFETCH(int, styleLength);
    QFETCH(int, pointSize);
    QFETCH(bool, readOnly);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget *widget = widgetNamed(*window, name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->parentWidget(), window->centralWidget());
    QCOMPARE(widget->geometry(), rect);

    QCOMPARE(widget->styleSheet(), style);
    QCOMPARE(widget->styleSheet().size(), styleLength);

    widget->ensurePolished();
    QFont expectedFont = QApplication::font();
    if (pointSize != kDefaultSize)
        expectedFont.setPointSize(pointSize);
    QCOMPARE(widget->font().pointSize(), expectedFont.pointSize());
    QCOMPARE(widget->font().family(), expectedFont.family());
    QCOMPARE(widget->font().bold(), expectedFont.bold());
    QCOMPARE(widget->font().italic(), expectedFont.italic());

    // A text browser is read-only by its nature, whatever the form sets.
    auto *lineEdit = qobject_cast<QLineEdit *>(widget);
    auto *textEdit = qobject_cast<QTextEdit *>(widget);
    if (lineEdit)
        QCOMPARE(lineEdit->isReadOnly(), readOnly);
    else if (textEdit && !qobject_cast<QTextBrowser *>(widget))
        QCOMPARE(textEdit->isReadOnly(), readOnly);
    else
        QVERIFY(!readOnly);
}

void TestForm::everyWidgetIsInTheTable()
{
    QStringList expected;
    for (const Row &row : designedWidgets())
        expected << QString::fromLatin1(row.name);
    QStringList present;
    for (QObject *child : window->centralWidget()->children()) {
        if (child->isWidgetType())
            present << child->objectName();
    }
    present.sort();
    expected.sort();
    QCOMPARE(present, expected);
}

void TestForm::texts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    const QString caption = QStringLiteral("caption");
    const QString button = QStringLiteral("button");
    const QString hint = QStringLiteral("placeholder");
    QTest::newRow("name") << hint << QStringLiteral("这里写在商店展示的名字～");
    QTest::newRow("filename") << hint << QStringLiteral("这里是要投稿的安装包的路径~");
    QTest::newRow("label") << caption << QStringLiteral("应用名称");
    QTest::newRow("label_2") << caption << QStringLiteral("deb位置");
    QTest::newRow("label_5") << caption << QStringLiteral("作者（可选）");
    QTest::newRow("author") << hint << QStringLiteral("这里是原作者的名字哦～");
    QTest::newRow("lable22") << caption << QString();
    QTest::newRow("label_9") << caption << QStringLiteral("介绍信息");
    QTest::newRow("info") << hint << QStringLiteral("写点什么向大家介绍一下这个应用软件吧～");
    QTest::newRow("label_4") << caption << QStringLiteral("版本");
    QTest::newRow("version") << hint << QStringLiteral("这里要填上版本哦～");
    QTest::newRow("pushButton") << button << QStringLiteral("打包咯！");
    QTest::newRow("pushButton_2") << button << QStringLiteral("算了算了......");
    QTest::newRow("label_8") << caption << QStringLiteral("截图文件");
    // The reset at start-up empties the preview and words the logo button its own way.
    QTest::newRow("icon") << caption << QString();
    QTest::newRow("pushButton_3") << button << QStringLiteral("单击此处选择Logo图标");
    QTest::newRow("lable33") << caption << QString();
    QTest::newRow("label_7") << caption << QStringLiteral("打包者");
    QTest::newRow("contributor") << hint << QStringLiteral("这里写你的名字～");
    QTest::newRow("pushButton_4") << button << QStringLiteral("再来一份？");
    QTest::newRow("pushButton_5") << button << QStringLiteral("要不要压缩一下？");
    QTest::newRow("label_6") << caption << QStringLiteral("主页（可选）");
    QTest::newRow("website") << hint << QStringLiteral("这里写原作者的主页或者官网～");
    QTest::newRow("pkgname") << hint
                             << QStringLiteral(
                                    "这里是软件包的名字~（比如krita，vscode，dde-dock这样啦）");
    QTest::newRow("label_3") << caption << QStringLiteral("包名");
    QTest::newRow("pushButton_6") << button << QStringLiteral("打开文件");
    QTest::newRow("image") << hint << QStringLiteral("截图直接拖进窗口就可以添加哦～");
}

void TestForm::texts()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QWidget *widget = widgetNamed(*window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    if (kind == QLatin1String("caption")) {
        auto *label = qobject_cast<QLabel *>(widget);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
    } else if (kind == QLatin1String("button")) {
        auto *button = qobject_cast<QPushButton *>(widget);
        QVERIFY(button);
        QCOMPARE(button->text(), text);
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        QCOMPARE(edit->placeholderText(), text);
        QVERIFY(edit->text().isEmpty());
    } else {
        auto *textEdit = qobject_cast<QTextEdit *>(widget);
        QVERIFY(textEdit);
        QCOMPARE(textEdit->placeholderText(), text);
        QVERIFY(textEdit->toPlainText().isEmpty());
    }
}

void TestForm::stackingOrder()
{
    const QStringList bottomToTop = {QStringLiteral("lable33"),      QStringLiteral("lable22"),
                                     QStringLiteral("name"),         QStringLiteral("filename"),
                                     QStringLiteral("label"),        QStringLiteral("label_2"),
                                     QStringLiteral("label_5"),      QStringLiteral("author"),
                                     QStringLiteral("label_9"),      QStringLiteral("info"),
                                     QStringLiteral("label_4"),      QStringLiteral("version"),
                                     QStringLiteral("pushButton"),   QStringLiteral("pushButton_2"),
                                     QStringLiteral("label_8"),      QStringLiteral("icon"),
                                     QStringLiteral("pushButton_3"), QStringLiteral("label_7"),
                                     QStringLiteral("contributor"),  QStringLiteral("label_6"),
                                     QStringLiteral("website"),      QStringLiteral("pkgname"),
                                     QStringLiteral("label_3"),      QStringLiteral("pushButton_6"),
                                     QStringLiteral("pushButton_4"), QStringLiteral("pushButton_5"),
                                     QStringLiteral("textBrowser"),  QStringLiteral("image"),
                                     QStringLiteral("findings"),     QStringLiteral("progress")};
    // A raised widget moves to the end of its parent's children.
    QStringList actual;
    for (QObject *child : window->centralWidget()->children()) {
        if (child->isWidgetType())
            actual << child->objectName();
    }
    QCOMPARE(actual, bottomToTop);
}

void TestForm::logoButtonCoversThePreview()
{
    QWidget *central = window->centralWidget();
    QWidget *icon = widgetNamed(*window, QStringLiteral("icon"));
    QWidget *button = widgetNamed(*window, QStringLiteral("pushButton_3"));
    QVERIFY(icon->isVisible() && button->isVisible());
    QCOMPARE(icon->geometry(), button->geometry());
    // Anywhere on the square, a click lands on the button, not the preview.
    for (const QPoint &point : {QPoint(671, 21), QPoint(760, 110), QPoint(849, 199)})
        QCOMPARE(central->childAt(point), button);
    // The screenshot list lies above every other widget where it stands.
    QWidget *list = widgetNamed(*window, QStringLiteral("image"));
    QWidget *hit = central->childAt(QPoint(200, 400));
    QVERIFY(hit == list || list->isAncestorOf(hit));
}

void TestForm::unnamedWindowIsNamedMainWindow()
{
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));

    QMainWindow plain;
    FormWidgets form;
    buildForm(form, &plain);
    QCOMPARE(plain.objectName(), QStringLiteral("MainWindow"));
}

void TestForm::namedWindowKeepsItsName()
{
    QMainWindow named;
    named.setObjectName(QStringLiteral("submissionWindow"));
    FormWidgets form;
    buildForm(form, &named);
    QCOMPARE(named.objectName(), QStringLiteral("submissionWindow"));
    QCOMPARE(named.size(), QSize(944, 640));
    QCOMPARE(form.centralwidget, named.centralWidget());
    QCOMPARE(form.image->objectName(), QStringLiteral("image"));
}

// Closing the only window ends the event loop with its exit code.
void TestForm::giveUpClosesTheWindow()
{
    QVERIFY(window->isVisible());
    auto *giveUp = window->findChild<QPushButton *>(QStringLiteral("pushButton_2"));
    QVERIFY(giveUp);
    QTimer::singleShot(0, giveUp, [giveUp] { QTest::mouseClick(giveUp, Qt::LeftButton); });
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    stuck.start(10000);

    const int exitCode = QApplication::exec();

    QCOMPARE(exitCode, 0);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
