// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "support/modalanswerer.h"
#include "support/testfiles.h"

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

QAccessibleInterface *accessibleOf(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *interface = accessibleOf(widget);
    return interface ? interface->text(kind) : QStringLiteral("<no accessible interface>");
}

template <typename Widget> Widget *widgetNamed(const MainWindow &window, const QString &objectName)
{
    auto *widget = window.findChild<Widget *>(objectName);
    if (!widget)
        qFatal("no widget named %s", qPrintable(objectName));
    return widget;
}

} // namespace

class TestFormAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void captionNamesItsInput_data();
    void captionNamesItsInput();
    void captionLooksTheSameWithItsBuddy_data();
    void captionLooksTheSameWithItsBuddy();
    void widgetWithoutCaptionIsNamed_data();
    void widgetWithoutCaptionIsNamed();
    void buttonIsNamedByItsText_data();
    void buttonIsNamedByItsText();
    void logoButtonKeepsItsDescriptionOnceALogoIsShown();

private:
    // The checks that only read the form share one window.
    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<MainWindow> window;
};

void TestFormAccessibility::initTestCase()
{
    home = std::make_unique<TemporaryHome>();
    window = std::make_unique<MainWindow>();
    window->show();
}

void TestFormAccessibility::cleanupTestCase()
{
    window.reset();
    home.reset();
}

namespace {

void addCaptionRows()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("name");
    QTest::newRow("name") << "label"
                          << "name" << QStringLiteral("应用名称");
    QTest::newRow("filename") << "label_2"
                              << "filename" << QStringLiteral("deb位置");
    QTest::newRow("pkgname") << "label_3"
                             << "pkgname" << QStringLiteral("包名");
    QTest::newRow("version") << "label_4"
                             << "version" << QStringLiteral("版本");
    QTest::newRow("author") << "label_5"
                            << "author" << QStringLiteral("作者（可选）");
    QTest::newRow("website") << "label_6"
                             << "website" << QStringLiteral("主页（可选）");
    QTest::newRow("contributor") << "label_7"
                                 << "contributor" << QStringLiteral("打包者");
    QTest::newRow("image") << "label_8"
                           << "image" << QStringLiteral("截图文件");
    QTest::newRow("info") << "label_9"
                          << "info" << QStringLiteral("介绍信息");
}

} // namespace

void TestFormAccessibility::captionNamesItsInput_data()
{
    addCaptionRows();
}

// A screen reader reaches an input through its caption: the input is the
// caption's buddy, is announced by the caption's words and is the widget the
// caption's accessible object labels.
void TestFormAccessibility::captionNamesItsInput()
{
    QFETCH(QString, caption);
    QFETCH(QString, input);
    QFETCH(QString, name);
    auto *label = widgetNamed<QLabel>(*window, caption);
    auto *field = widgetNamed<QWidget>(*window, input);

    QCOMPARE(label->buddy(), field);
    QCOMPARE(label->text(), name);
    QCOMPARE(accessibleText(field, QAccessible::Name), name);

    QAccessibleInterface *labelInterface = accessibleOf(label);
    QVERIFY(labelInterface);
    const auto labelled = labelInterface->relations(QAccessible::Labelled);
    QCOMPARE(labelled.size(), 1);
    QCOMPARE(labelled.first().first, accessibleOf(field));
}

void TestFormAccessibility::captionLooksTheSameWithItsBuddy_data()
{
    addCaptionRows();
}

// A buddy turns an '&' in a caption into an underlined mnemonic. Each caption
// must draw exactly like a twin label that never had a buddy.
void TestFormAccessibility::captionLooksTheSameWithItsBuddy()
{
    QFETCH(QString, caption);
    auto *label = widgetNamed<QLabel>(*window, caption);
    QVERIFY(label->buddy());

    QLabel twin(label->text(), label->parentWidget());
    twin.setFont(label->font());
    twin.setStyleSheet(label->styleSheet());
    twin.setGeometry(label->geometry());
    twin.show();

    const QImage withBuddy = label->grab().toImage();
    QVERIFY(!withBuddy.isNull());
    QCOMPARE(withBuddy, twin.grab().toImage());
}

void TestFormAccessibility::widgetWithoutCaptionIsNamed_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");
    QTest::newRow("logo preview") << "icon" << QStringLiteral("Logo图标");
    QTest::newRow("compression output") << "textBrowser" << QStringLiteral("压缩输出");
}

void TestFormAccessibility::widgetWithoutCaptionIsNamed()
{
    QFETCH(QString, objectName);
    QFETCH(QString, name);
    QCOMPARE(accessibleText(widgetNamed<QWidget>(*window, objectName), QAccessible::Name), name);
}

void TestFormAccessibility::buttonIsNamedByItsText_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("text");
    QTest::newRow("pack") << "pushButton" << QStringLiteral("打包咯！");
    QTest::newRow("give up") << "pushButton_2" << QStringLiteral("算了算了......");
    QTest::newRow("logo area") << "pushButton_3" << QStringLiteral("单击此处选择Logo图标");
    QTest::newRow("another one") << "pushButton_4" << QStringLiteral("再来一份？");
    QTest::newRow("compress") << "pushButton_5" << QStringLiteral("要不要压缩一下？");
    QTest::newRow("open file") << "pushButton_6" << QStringLiteral("打开文件");
}

// A fixed accessible name would go stale when a button's text changes; the
// buttons are announced by what they show.
void TestFormAccessibility::buttonIsNamedByItsText()
{
    QFETCH(QString, objectName);
    QFETCH(QString, text);
    auto *button = widgetNamed<QPushButton>(*window, objectName);
    QVERIFY(button->accessibleName().isEmpty());
    QCOMPARE(button->text(), text);
    QCOMPARE(accessibleText(button, QAccessible::Name), text);
}

// Once a logo is chosen the logo button shows no text, so only its
// description still tells what pressing it does.
void TestFormAccessibility::logoButtonKeepsItsDescriptionOnceALogoIsShown()
{
    const QString description = QStringLiteral("单击此处选择Logo图标");
    // Choosing a logo changes the window, so this case has its own.
    TemporaryHome logoHome;
    const QString logo = logoHome.filePath(QStringLiteral("logo.png"));
    QVERIFY(makePng(logo, 64, 64));
    MainWindow logoWindow;
    logoWindow.show();
    auto *button = widgetNamed<QPushButton>(logoWindow, QStringLiteral("pushButton_3"));
    QCOMPARE(accessibleText(button, QAccessible::Description), description);

    ModalAnswerer answerer;
    answerer.chooseFile(logo);
    button->click();
    QCOMPARE(answerer.pending(), 0);

    QVERIFY(!widgetNamed<QLabel>(logoWindow, QStringLiteral("icon"))
                 ->pixmap(Qt::ReturnByValue)
                 .isNull());
    QVERIFY(button->text().isEmpty());
    QCOMPARE(accessibleText(button, QAccessible::Description), description);
    QCOMPARE(
        accessibleText(widgetNamed<QWidget>(logoWindow, QStringLiteral("icon")), QAccessible::Name),
        QStringLiteral("Logo图标"));
}

QTEST_MAIN(TestFormAccessibility)
#include "tst_formaccessibility.moc"
