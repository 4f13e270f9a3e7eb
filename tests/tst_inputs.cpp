// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "engine/rulebook.h"
#include "support/dragdrop.h"
#include "support/jobrun.h"
#include "support/modalanswerer.h"
#include "support/packingform.h"
#include "support/testfiles.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

namespace {

const QString kNoChoiceTitle = QStringLiteral("呐！");
const QString kNoChoiceText = QStringLiteral("根本没有选中东西嘛！");
const QString kProbeFailedText = QStringLiteral("读不出这个安装包的包名和版本呢，手动填一下吧～");
const QString kOnlyPngText = QStringLiteral("内个...只支持png文件呢～");
const QString kLogoInvitation = QStringLiteral("单击此处选择Logo图标");

// Closes a modal widget that no answer was queued for, so that an unexpected
// box fails the test instead of hanging it.
class StrayModalCloser
{
public:
    explicit StrayModalCloser(const ModalAnswerer &answerer)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, &answerer] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || answerer.pending() > 0) {
                ticks = 0;
                return;
            }
            if (++ticks < 30)
                return;
            ticks = 0;
            QString text;
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                text = box->text();
            strays << QString::fromLatin1(modal->metaObject()->className()) + QLatin1Char(' ') +
                          modal->windowTitle() + QLatin1Char(' ') + text;
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        });
        timer.start(50);
    }

    QStringList strays;

private:
    QTimer timer;
    int ticks = 0;
};

} // namespace

class TestInputs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void choosingAPackageFillsItsFields_data();
    void choosingAPackageFillsItsFields();
    void cancelledPackageChooserChangesNothing_data();
    void cancelledPackageChooserChangesNothing();
    void choosingAgainReplacesHandEdits();
    void packageAndEarlierBundleFillTheForm();
    void unreadablePackage_data();
    void unreadablePackage();
    void ownNameAndVersion_data();
    void ownNameAndVersion();

    void choosingALogoShowsItsPreview_data();
    void choosingALogoShowsItsPreview();
    void secondLogoReplacesThePreview();
    void cancelledLogoChooserKeepsTheLogo_data();
    void cancelledLogoChooserKeepsTheLogo();
    void logoThatIsNotAnImage();

    void everyDragIsAcceptedOnEntering_data();
    void everyDragIsAcceptedOnEntering();
    void drops_data();
    void drops();
    void listHoldsOnePathPerLine();
    void screenshotNamesReachTheBundleAsTheyAre_data();
    void screenshotNamesReachTheBundleAsTheyAre();
    void screenshotsCanBeTakenOut();
    void fileDroppedOnAFieldAddsAScreenshot_data();
    void fileDroppedOnAFieldAddsAScreenshot();
    void textDraggedOntoAFieldStillEditsIt();

    void findingsFollowTheForm();
    void findingsNameTheFormsLabels();

private:
    template <typename Widget> Widget *widget(const char *objectName) const
    {
        return window->findChild<Widget *>(QString::fromLatin1(objectName));
    }
    QLineEdit *edit(const char *objectName) const { return widget<QLineEdit>(objectName); }
    QTextEdit *screenshotList() const { return widget<QTextEdit>("image"); }
    QLabel *preview() const { return widget<QLabel>("icon"); }
    QPushButton *logoButton() const { return widget<QPushButton>("pushButton_3"); }
    QListWidget *findings() const { return widget<QListWidget>("findings"); }
    // The tags of the listed findings, as a screen reader describes the lines.
    QStringList findingTags() const;
    QListWidgetItem *findingLine(const QString &tag) const;

    // Presses the open-file button and picks `path` (or cancels for an empty one).
    void choosePackage(const QString &path);
    void chooseLogo(const QString &path);
    void expectBox(const ModalRecord &record, QMessageBox::Icon icon, const QWidget *parent,
                   const QString &title, const QString &text);
    void expectChooser(const ModalRecord &record, const QString &title, const QString &filter);
    void typeInto(QLineEdit *field, const QString &text);
    void fillAllButTheLogo(const QString &package);

    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ModalAnswerer> answerer;
    std::unique_ptr<StrayModalCloser> strayCloser;
    QByteArray originalPath;
};

void TestInputs::init()
{
    originalPath = qgetenv("PATH");
    home = std::make_unique<TemporaryHome>();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    answerer = std::make_unique<ModalAnswerer>();
    strayCloser = std::make_unique<StrayModalCloser>(*answerer);
}

void TestInputs::cleanup()
{
    qputenv("PATH", originalPath);
    const QStringList strays = strayCloser->strays;
    const int pending = answerer->pending();
    strayCloser.reset();
    answerer.reset();
    window.reset();
    home.reset();
    QVERIFY2(strays.isEmpty(), qPrintable(strays.join(QLatin1String("; "))));
    QCOMPARE(pending, 0);
}

void TestInputs::choosePackage(const QString &path)
{
    if (path.isEmpty())
        answerer->cancelDialog().pressOk();
    else
        answerer->chooseFile(path);
    widget<QPushButton>("pushButton_6")->click();
    // The reading ends with its job gone, once the form is filled and any box answered.
    QVERIFY(waitForPackageReading(*window));
}

void TestInputs::chooseLogo(const QString &path)
{
    if (path.isEmpty())
        answerer->cancelDialog().pressOk();
    else
        answerer->chooseFile(path);
    logoButton()->click();
}

void TestInputs::expectBox(const ModalRecord &record, QMessageBox::Icon icon, const QWidget *parent,
                           const QString &title, const QString &text)
{
    QCOMPARE(record.className, QStringLiteral("QMessageBox"));
    QCOMPARE(record.icon, int(icon));
    QCOMPARE(record.parent, parent);
    QCOMPARE(record.title, title);
    QCOMPARE(record.text, text);
    QCOMPARE(record.buttons.size(), 1);
}

void TestInputs::expectChooser(const ModalRecord &record, const QString &title,
                               const QString &filter)
{
    QCOMPARE(record.className, QStringLiteral("QFileDialog"));
    QCOMPARE(record.parent, window.get());
    QCOMPARE(record.title, title);
    QCOMPARE(record.text, filter);
    QCOMPARE(record.directory, home->path());
    QCOMPARE(record.fileMode, int(QFileDialog::ExistingFile));
}

void TestInputs::typeInto(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QCOMPARE(field->text(), text);
}

// ---------------------------------------------------------------- package

namespace {

QMap<QString, QByteArray> applicationFiles(const QByteArray &name, const QByteArray &homepage,
                                           bool withIcon)
{
    QMap<QString, QByteArray> files;
    files[QStringLiteral("DEBIAN/control")] =
        "Package: " + name.toLower() +
        "\nVersion: 1.0\nArchitecture: all\nMaintainer: M <m@x>\n"
        "Homepage: " +
        homepage + "\nDescription: the " + name + " tool\n";
    files[QStringLiteral("usr/share/applications/") + QString::fromLatin1(name.toLower()) +
          QStringLiteral(".desktop")] = "[Desktop Entry]\nType=Application\nName=" + name +
                                        "\nIcon=" + name.toLower() + "\nExec=x\n";
    if (withIcon)
        files[QStringLiteral("usr/share/icons/hicolor/128x128/apps/") +
              QString::fromLatin1(name.toLower()) + QStringLiteral(".png")] = pngBytes(128, 128);
    return files;
}

} // namespace

// What the program fills follows the package; what the packager typed stays,
// and an earlier bundle of the package comes before the package itself.
void TestInputs::packageAndEarlierBundleFillTheForm()
{
    const QString debs = home->filePath(QStringLiteral("debs"));
    const QString alpha = makeDeb(debPathIn(debs, QStringLiteral("alpha"), QStringLiteral("1.0")),
                                  QStringLiteral("alpha"), QStringLiteral("1.0"),
                                  applicationFiles("Alpha", "https://alpha.example.org", true));
    const QString beta = makeDeb(debPathIn(debs, QStringLiteral("beta"), QStringLiteral("1.0")),
                                 QStringLiteral("beta"), QStringLiteral("1.0"),
                                 applicationFiles("Beta", "https://beta.example.org", false));
    QVERIFY(!alpha.isEmpty() && !beta.isEmpty());

    choosePackage(alpha);
    QTRY_COMPARE_WITH_TIMEOUT(edit("name")->text(), QStringLiteral("Alpha"), 60000);
    QCOMPARE(edit("website")->text(), QStringLiteral("https://alpha.example.org"));
    QCOMPARE(widget<QTextEdit>("info")->toPlainText(), QStringLiteral("the Alpha tool"));
    QVERIFY(edit("contributor")->text().isEmpty());
    QVERIFY(!preview()->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(logoButton()->text().isEmpty());

    // The packager makes the name their own and types an author.
    edit("name")->setFocus();
    edit("name")->end(false);
    QTest::keyClicks(edit("name"), QStringLiteral(" Pro"));
    typeInto(edit("author"), QStringLiteral("Upstream"));
    choosePackage(beta);
    QTRY_COMPARE_WITH_TIMEOUT(edit("website")->text(), QStringLiteral("https://beta.example.org"),
                              60000);
    QCOMPARE(widget<QTextEdit>("info")->toPlainText(), QStringLiteral("the Beta tool"));
    QCOMPARE(edit("name")->text(), QStringLiteral("Alpha Pro"));
    QCOMPARE(edit("author")->text(), QStringLiteral("Upstream"));
    // Beta has no icon: Alpha's must not stay as if it were Beta's.
    QVERIFY(preview()->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(logoButton()->text(), kLogoInvitation);

    // An earlier bundle of alpha on the desktop gives its own values first.
    const QString bundle = home->desktop() + QStringLiteral("/alpha/");
    QVERIFY(writeTextFile(bundle + QStringLiteral("app.json"),
                          "{\n   \"Name\":\"Alpha Earlier\",\n   \"Author\":\" \",\n"
                          "   \"Contributor\":\"Old Packager\",\n   \"Website\":\" \",\n"
                          "   \"More\":\"Said before.\"\n}\n"));
    for (const char *name : {"icon.png", "screen_1.png", "screen_2.png", "screen_10.png"})
        QVERIFY(makePng(bundle + QString::fromLatin1(name), 64, 64));
    widget<QPushButton>("pushButton_4")->click();
    choosePackage(alpha);
    QTRY_COMPARE_WITH_TIMEOUT(edit("name")->text(), QStringLiteral("Alpha Earlier"), 60000);
    QCOMPARE(edit("contributor")->text(), QStringLiteral("Old Packager"));
    QCOMPARE(edit("author")->text(), QString());
    QCOMPARE(edit("website")->text(), QStringLiteral("https://alpha.example.org"));
    QCOMPARE(widget<QTextEdit>("info")->toPlainText(), QStringLiteral("Said before."));
    QCOMPARE(screenshotList()->toPlainText(),
             QStringList({bundle + QStringLiteral("screen_1.png"),
                          bundle + QStringLiteral("screen_2.png"),
                          bundle + QStringLiteral("screen_10.png")})
                 .join(QLatin1Char('\n')));
    QVERIFY(!preview()->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(answerer->pending(), 0);
    QCOMPARE(answerer->records().size(), 3);
}

void TestInputs::choosingAPackageFillsItsFields_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::newRow("plain") << QStringLiteral("pkgs/hello_2.10-2_all.deb") << QStringLiteral("hello")
                           << QStringLiteral("2.10-2");
    QTest::newRow("blanks and a double quote")
        << QStringLiteral("my \"best\" packages/hello world 1.0.deb") << QStringLiteral("hello")
        << QStringLiteral("1.0");
    QTest::newRow("shell characters") << QStringLiteral("$(touch pwned); `x`/a;b & c.deb")
                                      << QStringLiteral("tool") << QStringLiteral("3");
    QTest::newRow("epoch and tilde")
        << QStringLiteral("打包/krita.deb") << QStringLiteral("krita-data")
        << QStringLiteral("1:5.2.0~rc1+dfsg-3");
}

void TestInputs::choosingAPackageFillsItsFields()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, name);
    QFETCH(QString, version);
    const QString path = home->filePath(relativePath);
    QVERIFY(!makeDeb(path, name, version).isEmpty());

    choosePackage(path);

    QCOMPARE(answerer->records().size(), 1);
    expectChooser(answerer->records().at(0), QStringLiteral("选择安装包"),
                  QStringLiteral("Deb Files(*.deb)"));
    QCOMPARE(edit("filename")->text(), path);
    QCOMPARE(edit("pkgname")->text(), name);
    QCOMPARE(edit("version")->text(), version);
    QVERIFY(!QFile::exists(QDir::currentPath() + QStringLiteral("/pwned")));
}

void TestInputs::cancelledPackageChooserChangesNothing_data()
{
    QTest::addColumn<bool>("choseBefore");
    QTest::newRow("before any choice") << false;
    QTest::newRow("after a choice") << true;
}

void TestInputs::cancelledPackageChooserChangesNothing()
{
    QFETCH(bool, choseBefore);
    const QString path = home->filePath(QStringLiteral("debs/hello.deb"));
    if (choseBefore) {
        QVERIFY(!makeDeb(path, QStringLiteral("hello"), QStringLiteral("2.10-2")).isEmpty());
        choosePackage(path);
    }
    const QString filename = edit("filename")->text();
    const QString pkgname = edit("pkgname")->text();
    const QString version = edit("version")->text();
    const int before = answerer->records().size();

    choosePackage(QString());

    QCOMPARE(answerer->records().size(), before + 2);
    expectChooser(answerer->records().at(before), QStringLiteral("选择安装包"),
                  QStringLiteral("Deb Files(*.deb)"));
    expectBox(answerer->records().at(before + 1), QMessageBox::Information, nullptr, kNoChoiceTitle,
              kNoChoiceText);
    QCOMPARE(edit("filename")->text(), filename);
    QCOMPARE(edit("pkgname")->text(), pkgname);
    QCOMPARE(edit("version")->text(), version);
}

void TestInputs::choosingAgainReplacesHandEdits()
{
    const QString first = home->filePath(QStringLiteral("debs/first.deb"));
    const QString second = home->filePath(QStringLiteral("debs/second.deb"));
    QVERIFY(!makeDeb(first, QStringLiteral("first"), QStringLiteral("1.0")).isEmpty());
    QVERIFY(!makeDeb(second, QStringLiteral("second"), QStringLiteral("2.0-1")).isEmpty());

    choosePackage(first);
    typeInto(edit("pkgname"), QStringLiteral("typed-name"));
    typeInto(edit("version"), QStringLiteral("9.9"));
    choosePackage(first);
    QCOMPARE(edit("pkgname")->text(), QStringLiteral("first"));
    QCOMPARE(edit("version")->text(), QStringLiteral("1.0"));

    typeInto(edit("version"), QStringLiteral("7"));
    choosePackage(second);
    QCOMPARE(edit("filename")->text(), second);
    QCOMPARE(edit("pkgname")->text(), QStringLiteral("second"));
    QCOMPARE(edit("version")->text(), QStringLiteral("2.0-1"));
}

void TestInputs::unreadablePackage_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("file is not a package") << QStringLiteral("not a package");
    QTest::newRow("control member is a pipe") << QStringLiteral("pipe");
    QTest::newRow("name dpkg refuses") << QStringLiteral("Package: -rf\nVersion: 1.0\n");
    QTest::newRow("version dpkg refuses") << QStringLiteral("Package: hello\nVersion: 1.0_x\n");
    QTest::newRow("no reader to read it") << QStringLiteral("reader missing");
}

// The box comes when the reading answers; the package is never read but by
// the confined reader.
void TestInputs::unreadablePackage()
{
    QFETCH(QString, fault);
    const QString good = home->filePath(QStringLiteral("debs/hello.deb"));
    QVERIFY(!makeDeb(good, QStringLiteral("hello"), QStringLiteral("2.10-2")).isEmpty());
    choosePackage(good);
    QCOMPARE(edit("pkgname")->text(), QStringLiteral("hello"));

    QString chosen = home->filePath(QStringLiteral("debs/x.deb"));
    const QString controlDir = home->filePath(QStringLiteral("control"));
    QVERIFY(QDir().mkpath(controlDir));
    const QString control = controlDir + QStringLiteral("/control");
    const QByteArray reader = qgetenv("PLINVEX_READER");
    if (fault == QLatin1String("not a package")) {
        QVERIFY(writeTextFile(chosen, "this is not an archive\n"));
    } else if (fault == QLatin1String("reader missing")) {
        chosen = good;
        qputenv("PLINVEX_READER", QFile::encodeName(home->filePath(QStringLiteral("none"))));
    } else {
        if (fault == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(control).constData(), 0644), 0);
        else
            QVERIFY(writeTextFile(control, fault.toUtf8() + "Architecture: all\n"));
        QVERIFY(!makeDebByHand(chosen, controlDir).isEmpty());
    }
    const int before = answerer->records().size();

    answerer->chooseFile(chosen).pressOk();
    widget<QPushButton>("pushButton_6")->click();
    QVERIFY(waitForPackageReading(*window));
    qputenv("PLINVEX_READER", reader);

    QCOMPARE(answerer->records().size(), before + 2);
    expectBox(answerer->records().at(before + 1), QMessageBox::Critical, window.get(),
              kNoChoiceTitle, kProbeFailedText);
    QCOMPARE(edit("filename")->text(), chosen);
    QCOMPARE(edit("pkgname")->text(), QString());
    QCOMPARE(edit("version")->text(), QString());
}

void TestInputs::ownNameAndVersion_data()
{
    QTest::addColumn<QByteArray>("control"); // the fields before Architecture
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::newRow("usual") << QByteArray("Package: hello\nVersion: 2.10-2\n")
                           << QStringLiteral("hello") << QStringLiteral("2.10-2");
    QTest::newRow("upper case folded as dpkg does")
        << QByteArray("Package: Hello\nVersion: 1.0\n") << QStringLiteral("hello")
        << QStringLiteral("1.0");
    QTest::newRow("epoch, revision and tilde")
        << QByteArray("Package: hello+x.y\nversion:   1:2.0~rc1-3+b1  \n")
        << QStringLiteral("hello+x.y") << QStringLiteral("1:2.0~rc1-3+b1");
    QTest::newRow("bytes past a nul ignored")
        << QByteArray("Package: hello\nVersion: 1.0\n\0Package: other\n", 42)
        << QStringLiteral("hello") << QStringLiteral("1.0");
}

// The package's own name and version, as dpkg-deb reads them from its
// control file, fill the form once the confined reader has read it.
void TestInputs::ownNameAndVersion()
{
    QFETCH(QByteArray, control);
    QFETCH(QString, name);
    QFETCH(QString, version);
    const QString package = home->filePath(QStringLiteral("a \"b\" c/any thing.deb"));
    const QString controlDir = home->filePath(QStringLiteral("control"));
    QVERIFY(writeTextFile(controlDir + QStringLiteral("/control"),
                          control + "Architecture: all\nDescription: x\n"));
    QVERIFY(!makeDebByHand(package, controlDir).isEmpty());

    choosePackage(package);

    QCOMPARE(answerer->records().size(), 1);
    QCOMPARE(edit("filename")->text(), package);
    QCOMPARE(edit("pkgname")->text(), name);
    QCOMPARE(edit("version")->text(), version);
}

// ---------------------------------------------------------------- logo

void TestInputs::choosingALogoShowsItsPreview_data()
{
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QSize>("previewSize");
    QTest::newRow("wide, reduced") << QSize(300, 200) << QSize(135, 90);
    QTest::newRow("large square, reduced") << QSize(1024, 1024) << QSize(135, 135);
    QTest::newRow("tall, reduced") << QSize(100, 400) << QSize(33, 135);
    QTest::newRow("small, not enlarged") << QSize(64, 48) << QSize(64, 48);
    QTest::newRow("exact") << QSize(135, 135) << QSize(135, 135);
}

void TestInputs::choosingALogoShowsItsPreview()
{
    QFETCH(QSize, imageSize);
    QFETCH(QSize, previewSize);
    const QString logo = home->filePath(QStringLiteral("art \"work\"/logo 1.png"));
    QVERIFY(makePng(logo, imageSize.width(), imageSize.height()));

    chooseLogo(logo);

    QCOMPARE(answerer->records().size(), 1);
    expectChooser(answerer->records().at(0), QStringLiteral("选择图标"),
                  QStringLiteral("Image Files(*.png)"));
    QCOMPARE(logoButton()->text(), QString());
    QVERIFY(logoButton()->isVisible());
    const QPixmap pixmap = preview()->pixmap(Qt::ReturnByValue);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), previewSize);
    QVERIFY(preview()->hasScaledContents());
}

void TestInputs::secondLogoReplacesThePreview()
{
    const QString first = home->filePath(QStringLiteral("first.png"));
    const QString second = home->filePath(QStringLiteral("second.png"));
    QVERIFY(makePng(first, 300, 200));
    QVERIFY(makePng(second, 64, 64));

    chooseLogo(first);
    QCOMPARE(preview()->pixmap(Qt::ReturnByValue).size(), QSize(135, 90));
    chooseLogo(second);
    QCOMPARE(preview()->pixmap(Qt::ReturnByValue).size(), QSize(64, 64));
    QCOMPARE(logoButton()->text(), QString());
}

void TestInputs::cancelledLogoChooserKeepsTheLogo_data()
{
    QTest::addColumn<bool>("choseBefore");
    QTest::newRow("before any choice") << false;
    QTest::newRow("after a choice") << true;
}

// Whether a logo is kept shows when packing: the form is complete but for the logo.
void TestInputs::cancelledLogoChooserKeepsTheLogo()
{
    QFETCH(bool, choseBefore);
    const QString logo = home->filePath(QStringLiteral("logo.png"));
    QVERIFY(makePng(logo, 256, 256));
    if (choseBefore)
        chooseLogo(logo);
    const QString buttonText = logoButton()->text();
    const qint64 pixmapKey = preview()->pixmap(Qt::ReturnByValue).cacheKey();
    const int before = answerer->records().size();

    chooseLogo(QString());

    QCOMPARE(answerer->records().size(), before + 2);
    expectBox(answerer->records().at(before + 1), QMessageBox::Information, nullptr, kNoChoiceTitle,
              kNoChoiceText);
    QCOMPARE(logoButton()->text(), buttonText);
    QCOMPARE(logoButton()->text(), choseBefore ? QString() : kLogoInvitation);
    QCOMPARE(preview()->pixmap(Qt::ReturnByValue).cacheKey(), pixmapKey);
    QCOMPARE(preview()->pixmap(Qt::ReturnByValue).isNull(), !choseBefore);

    fillAllButTheLogo(home->filePath(QStringLiteral("hello.deb")));
    if (QTest::currentTestFailed())
        return;
    const int beforePack = answerer->records().size();
    if (!choseBefore)
        answerer->pressOk();
    widget<QPushButton>("pushButton")->click();
    QVERIFY(waitForWindowWork(*window));

    const QString bundle = home->desktop() + QStringLiteral("/hello");
    if (choseBefore) {
        QCOMPARE(answerer->records().size(), beforePack);
        QVERIFY(widget<QPushButton>("pushButton_4")->isVisible());
        QCOMPARE(QImage(bundle + QStringLiteral("/icon.png")).size(), QSize(128, 128));
    } else {
        QCOMPARE(answerer->records().size(), beforePack + 1);
        expectBox(answerer->records().at(beforePack), QMessageBox::Information, nullptr,
                  QStringLiteral("诶？"), QStringLiteral("你好像忘记了什么～"));
        QVERIFY(widget<QPushButton>("pushButton")->isVisible());
        QVERIFY(!QFileInfo::exists(bundle));
    }
}

void TestInputs::fillAllButTheLogo(const QString &package)
{
    QVERIFY(!makeDeb(package, QStringLiteral("hello"), QStringLiteral("1.0")).isEmpty());
    choosePackage(package);
    typeInto(edit("name"), QStringLiteral("Hello"));
    typeInto(edit("contributor"), QStringLiteral("Packager"));
    widget<QTextEdit>("info")->setFocus();
    QTest::keyClicks(widget<QTextEdit>("info"), QStringLiteral("Says hello."));
    const QString shot = home->filePath(QStringLiteral("shot.png"));
    QVERIFY(makePng(shot, 800, 600));
    std::unique_ptr<QMimeData> data(fileDragData({shot}));
    QVERIFY(dragAndDrop(window.get(), data.get()).dropped);
    QCOMPARE(screenshotList()->toPlainText(), shot);
}

void TestInputs::logoThatIsNotAnImage()
{
    const QString notes = home->filePath(QStringLiteral("notes.png"));
    QVERIFY(writeTextFile(notes, "plain text, not a picture\n"));

    chooseLogo(notes);

    QCOMPARE(answerer->records().size(), 1);
    QCOMPARE(logoButton()->text(), QString());
    QVERIFY(preview()->pixmap(Qt::ReturnByValue).isNull());
}

// ---------------------------------------------------------------- drops

void TestInputs::everyDragIsAcceptedOnEntering_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("png file") << QStringLiteral("png");
    QTest::newRow("other file") << QStringLiteral("jpg");
    QTest::newRow("web address") << QStringLiteral("http");
    QTest::newRow("plain text") << QStringLiteral("text");
    QTest::newRow("image data") << QStringLiteral("image");
    QTest::newRow("nothing at all") << QStringLiteral("empty");
}

void TestInputs::everyDragIsAcceptedOnEntering()
{
    QFETCH(QString, kind);
    QMimeData data;
    if (kind == QLatin1String("png"))
        data.setUrls({QUrl::fromLocalFile(home->filePath(QStringLiteral("a.png")))});
    else if (kind == QLatin1String("jpg"))
        data.setUrls({QUrl::fromLocalFile(home->filePath(QStringLiteral("a.jpg")))});
    else if (kind == QLatin1String("http"))
        data.setUrls({QUrl(QStringLiteral("http://example.org/a.png"))});
    else if (kind == QLatin1String("text"))
        data.setText(QStringLiteral("some words"));
    else if (kind == QLatin1String("image"))
        data.setImageData(QImage(4, 4, QImage::Format_RGB32));

    for (Qt::DropAction proposed : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction}) {
        QDragEnterEvent enter(QPoint(300, 600), proposed, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), proposed);
        QDragLeaveEvent leave;
        QApplication::sendEvent(window.get(), &leave);
    }
    QVERIFY(screenshotList()->toPlainText().isEmpty());
}

void TestInputs::drops_data()
{
    // Files are named relative to the temporary home; a name with a scheme is a URL as it stands.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("added"); // empty: the drop is refused
    const auto files = [](std::initializer_list<const char *> names) {
        QStringList list;
        for (const char *name : names)
            list << QString::fromUtf8(name);
        return list;
    };
    const QString none;
    QTest::newRow("png") << files({"a.png"}) << none << QStringLiteral("a.png");
    QTest::newRow("upper-case suffix") << files({"shot.PNG"}) << none << none;
    QTest::newRow("mixed-case suffix") << files({"shot.Png"}) << none << none;
    QTest::newRow("double suffix")
        << files({"shot.tar.png"}) << none << QStringLiteral("shot.tar.png");
    QTest::newRow("other suffix") << files({"shot.jpg"}) << none << none;
    QTest::newRow("png before the suffix") << files({"shot.png.jpg"}) << none << none;
    QTest::newRow("no suffix") << files({"shot"}) << none << none;
    QTest::newRow("png folder") << files({"pics.png/shot"}) << none << none;
    QTest::newRow("blanks, quotes and chinese")
        << files({"截图 \"一\" $(x).png"}) << none << QStringLiteral("截图 \"一\" $(x).png");
    QTest::newRow("three files, first taken")
        << files({"one.png", "two.png", "three.png"}) << none << QStringLiteral("one.png");
    QTest::newRow("only the first judged") << files({"one.jpg", "two.png"}) << none << none;
    QTest::newRow("web address") << files({"http://example.org/shot.png"}) << none << none;
    QTest::newRow("text only") << QStringList() << QStringLiteral("some words") << none;
    QTest::newRow("file address as text only")
        << QStringList() << QStringLiteral("file:///tmp/a.png") << none;
    QTest::newRow("nothing at all") << QStringList() << none << none;
}

void TestInputs::drops()
{
    QFETCH(QStringList, files);
    QFETCH(QString, text);
    QFETCH(QString, added);
    // An earlier screenshot shows that a refusal leaves the list as it was.
    const QString earlier = home->filePath(QStringLiteral("earlier.png"));
    std::unique_ptr<QMimeData> first(fileDragData({earlier}));
    QVERIFY(dragAndDrop(window.get(), first.get()).dropped);
    QCOMPARE(screenshotList()->toPlainText(), earlier);

    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : files) {
        urls << (file.contains(QLatin1String("://")) ? QUrl(file)
                                                     : QUrl::fromLocalFile(home->filePath(file)));
    }
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    if (added.isEmpty())
        answerer->pressOk();
    const DragOutcome outcome = dragAndDrop(window.get(), &data, QPoint(600, 400));

    QVERIFY(outcome.enterAccepted);
    QVERIFY(outcome.dropped);
    // Not taken, so that a moving drag source never deletes its file.
    QVERIFY(!outcome.dropAccepted);
    if (added.isEmpty()) {
        QCOMPARE(answerer->records().size(), 1);
        expectBox(answerer->records().at(0), QMessageBox::Critical, window.get(), kNoChoiceTitle,
                  kOnlyPngText);
        QCOMPARE(screenshotList()->toPlainText(), earlier);
    } else {
        QCOMPARE(answerer->records().size(), 0);
        QCOMPARE(screenshotList()->toPlainText(),
                 earlier + QLatin1Char('\n') + home->filePath(added));
    }
}

void TestInputs::listHoldsOnePathPerLine()
{
    const QStringList paths = {
        home->filePath(QStringLiteral("b.png")), home->filePath(QStringLiteral("a b.png")),
        home->filePath(QStringLiteral("b.png")), QStringLiteral("/nowhere/c.png")};
    QStringList expected;
    for (const QString &path : paths) {
        std::unique_ptr<QMimeData> data(fileDragData({path}));
        QVERIFY(dragAndDrop(window.get(), data.get()).dropped);
        expected << path;
        QCOMPARE(screenshotList()->toPlainText(), expected.join(QLatin1Char('\n')));
    }
    QCOMPARE(screenshotList()->document()->blockCount(), paths.size());
    QCOMPARE(answerer->records().size(), 0);
}

void TestInputs::screenshotNamesReachTheBundleAsTheyAre_data()
{
    QTest::addColumn<QString>("fileName");
    // The second path a rich-text reading of the name would make is a real
    // file, so that taking it would show in the bundle.
    QTest::newRow("markup line break") << QStringLiteral("x<br>decoy.png");
    QTest::newRow("entity for a slash") << QStringLiteral("a&#47;b.png");
    QTest::newRow("escaped markup") << QStringLiteral("&lt;b&gt;.png");
    QTest::newRow("bold markup") << QStringLiteral("<b>bold</b>.png");
    QTest::newRow("no-break space") << QStringLiteral("a\u00a0b.png");
    QTest::newRow("line separator") << QStringLiteral("x\u2028decoy.png");
    QTest::newRow("line feed") << QStringLiteral("x\ndecoy.png");
}

// What a packager drops is the file that goes into the bundle, whatever its
// name looks like to a text widget.
void TestInputs::screenshotNamesReachTheBundleAsTheyAre()
{
    QFETCH(QString, fileName);
    const QString shot = home->filePath(QStringLiteral("inputs/") + fileName);
    QVERIFY(makePng(shot, 800, 600));
    QVERIFY(makePng(home->filePath(QStringLiteral("inputs/decoy.png")), 40, 40));
    const QString package = makeInputPackage(*home, QStringLiteral("hello.deb"),
                                             QStringLiteral("hello"), QStringLiteral("1.0"));
    const QString logo = makeInputImage(*home, QStringLiteral("logo.png"), QSize(256, 256));
    const QString problem = fillPackingForm(*window, completeInputs(package, logo, {shot}));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(screenshotList()->document()->blockCount(), 1);

    const PressOutcome press = pressAnswering(*window, "pushButton");
    QVERIFY2(press.problem.isEmpty() && press.boxes.isEmpty(), qPrintable(press.problem));
    const QString bundle = home->desktop() + QStringLiteral("/hello/");
    QCOMPARE(QImage(bundle + QStringLiteral("screen_1.png")).size(), QSize(400, 300));
    QVERIFY(!QFileInfo::exists(bundle + QStringLiteral("screen_2.png")));
}

void TestInputs::screenshotsCanBeTakenOut()
{
    const QStringList shots = {home->filePath(QStringLiteral("one.png")),
                               home->filePath(QStringLiteral("two.png")),
                               home->filePath(QStringLiteral("three.png"))};
    for (const QString &shot : shots) {
        std::unique_ptr<QMimeData> data(fileDragData({shot}));
        QVERIFY(dragAndDrop(window.get(), data.get()).dropped);
    }
    QTextEdit *list = screenshotList();
    const auto lineCentre = [list](int line) {
        return list->cursorRect(QTextCursor(list->document()->findBlockByNumber(line))).center();
    };

    // A click puts the cursor on a line; Delete takes that screenshot out.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, lineCentre(1));
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->toPlainText(), shots.at(0) + QLatin1Char('\n') + shots.at(2));

    // The context menu of a line offers to take out that one.
    QString offered;
    QTimer::singleShot(0, list, [&offered] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || menu->actions().size() != 1)
            return;
        offered = menu->actions().first()->text();
        menu->actions().first()->trigger();
        menu->close();
    });
    const QPoint second = lineCentre(1);
    QContextMenuEvent event(QContextMenuEvent::Mouse, second,
                            list->viewport()->mapToGlobal(second));
    QApplication::sendEvent(list->viewport(), &event);
    QCOMPARE(offered, QStringLiteral("移除这张截图"));
    QCOMPARE(list->toPlainText(), shots.at(0));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, lineCentre(0));
    QTest::keyClick(list, Qt::Key_Backspace);
    QVERIFY(list->toPlainText().isEmpty());
    // Otherwise the list stays read-only.
    QTest::keyClicks(list, QStringLiteral("typed"));
    QVERIFY(list->toPlainText().isEmpty());
    QCOMPARE(answerer->records().size(), 0);
}

void TestInputs::fileDroppedOnAFieldAddsAScreenshot_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("file");
    for (const char *field : {"name", "filename", "pkgname", "version", "author", "website",
                              "contributor", "info", "image", "pushButton_3", "pushButton_6"}) {
        QTest::addRow("png on %s", field) << QString::fromLatin1(field) << QStringLiteral("s.png");
    }
    QTest::newRow("jpg on name") << QStringLiteral("name") << QStringLiteral("s.jpg");
    QTest::newRow("jpg on info") << QStringLiteral("info") << QStringLiteral("s.jpg");
}

// The windowing system hands a drag to the widget under the pointer; a
// file must land in the list wherever it is let go, and never as text.
void TestInputs::fileDroppedOnAFieldAddsAScreenshot()
{
    QFETCH(QString, field);
    QFETCH(QString, file);
    QWidget *target = window->findChild<QWidget *>(field);
    QVERIFY(target);
    const QPoint centre = target->mapTo(window.get(), target->rect().center());
    const QString path = home->filePath(file);
    std::unique_ptr<QMimeData> data(fileDragData({path}));
    const bool png = file.endsWith(QLatin1String(".png"));
    if (!png)
        answerer->pressOk();

    const DragOutcome outcome = dragAndDropAt(window.get(), centre, data.get());

    QVERIFY(outcome.enterAccepted);
    QVERIFY(outcome.dropped);
    for (const char *name :
         {"name", "filename", "pkgname", "version", "author", "website", "contributor"})
        QCOMPARE(edit(name)->text(), QString());
    QCOMPARE(widget<QTextEdit>("info")->toPlainText(), QString());
    if (png) {
        QCOMPARE(answerer->records().size(), 0);
        QCOMPARE(screenshotList()->toPlainText(), path);
    } else {
        QCOMPARE(answerer->records().size(), 1);
        expectBox(answerer->records().at(0), QMessageBox::Critical, window.get(), kNoChoiceTitle,
                  kOnlyPngText);
        QCOMPARE(screenshotList()->toPlainText(), QString());
    }
}

void TestInputs::textDraggedOntoAFieldStillEditsIt()
{
    QLineEdit *name = edit("name");
    QMimeData data;
    data.setText(QStringLiteral("Dragged Name"));
    const DragOutcome outcome =
        dragAndDropAt(window.get(), name->mapTo(window.get(), name->rect().center()), &data);
    QVERIFY(outcome.dropped);
    QCOMPARE(name->text(), QStringLiteral("Dragged Name"));
    QCOMPARE(answerer->records().size(), 0);
    QCOMPARE(screenshotList()->toPlainText(), QString());
}

// ---------------------------------------------------------------- findings

QStringList TestInputs::findingTags() const
{
    QStringList tags;
    for (int row = 0; row < findings()->count(); ++row)
        tags << findings()->item(row)->data(Qt::AccessibleDescriptionRole).toString();
    return tags;
}

QListWidgetItem *TestInputs::findingLine(const QString &tag) const
{
    for (int row = 0; row < findings()->count(); ++row) {
        QListWidgetItem *item = findings()->item(row);
        if (item->data(Qt::AccessibleDescriptionRole).toString() == tag)
            return item;
    }
    return nullptr;
}

// The list beside the form says what the check finds in it as it stands,
// and each line leads to the field it is about.
void TestInputs::findingsFollowTheForm()
{
    QListWidget *list = findings();
    QVERIFY(list);
    QVERIFY(list->isVisible());
    QCOMPARE(list->accessibleName(), QStringLiteral("检查结果"));
    // An empty form before any package is chosen is not yet a form with gaps.
    QTRY_COMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("看起来都没问题～"));
    QVERIFY(list->item(0)->toolTip().isEmpty());
    QVERIFY(!(list->item(0)->flags() & Qt::ItemIsSelectable));

    const QString logo = home->filePath(QStringLiteral("small logo.png"));
    const QString shot = home->filePath(QStringLiteral("small shot.png"));
    QVERIFY(makePng(logo, 48, 48));
    QVERIFY(makePng(shot, 320, 200));
    chooseLogo(logo);
    std::unique_ptr<QMimeData> data(fileDragData({shot}));
    QVERIFY(dragAndDrop(window.get(), data.get()).dropped);
    typeInto(edit("website"), QStringLiteral("www.example"));

    QTRY_VERIFY2(findingTags().contains(QStringLiteral("homepage-not-url")),
                 qPrintable(findingTags().join(QLatin1Char(' '))));
    const QStringList tags = findingTags();
    QVERIFY2(tags.contains(QStringLiteral("logo-too-small")),
             qPrintable(tags.join(QLatin1Char(' '))));
    QVERIFY2(tags.contains(QStringLiteral("screenshot-too-small")),
             qPrintable(tags.join(QLatin1Char(' '))));
    QVERIFY(!tags.contains(QStringLiteral("required-empty")));
    QListWidgetItem *homepage = findingLine(QStringLiteral("homepage-not-url"));
    QVERIFY(homepage);
    QVERIFY2(homepage->text().startsWith(QStringLiteral("⚠ 主页不是 http(s) 网址：www.example")),
             qPrintable(homepage->text()));
    // Its tooltip says why a store cares, as the rule book has it.
    const Rule *rule = ruleOf(QStringLiteral("homepage-not-url"));
    QVERIFY(rule);
    const QString why = ruleText(rule->explanation);
    QVERIFY2(homepage->toolTip().startsWith(why.isEmpty() ? rule->tag : why),
             qPrintable(homepage->toolTip()));
    QListWidgetItem *small = findingLine(QStringLiteral("logo-too-small"));
    QVERIFY(small);
    QVERIFY2(small->text().startsWith(QStringLiteral("⚠ Logo图标只有")), qPrintable(small->text()));
    QVERIFY2(small->text().contains(logo), qPrintable(small->text()));

    // Fixed, its line goes; the others stay.
    typeInto(edit("website"), QStringLiteral("https://www.example.org"));
    QTRY_VERIFY(!findingTags().contains(QStringLiteral("homepage-not-url")));
    QVERIFY(findingTags().contains(QStringLiteral("logo-too-small")));
    QVERIFY(findingTags().contains(QStringLiteral("screenshot-too-small")));

    // A click on a line goes to the logo button; Enter on another to the screenshots.
    QListWidgetItem *logoLine = findingLine(QStringLiteral("logo-too-small"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(logoLine).center());
    QCOMPARE(window->focusWidget(), logoButton());
    list->setFocus();
    list->setCurrentItem(findingLine(QStringLiteral("screenshot-too-small")));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(window->focusWidget(), screenshotList());
    QCOMPARE(answerer->records().size(), 1);

    // A reader that could not be shown confined is said here too, not only
    // by the command line.
    const QByteArray realReader = qgetenv("PLINVEX_READER");
    const auto restore = qScopeGuard([&realReader] { qputenv("PLINVEX_READER", realReader); });
    const QString reader = home->filePath(QStringLiteral("unconfined-reader"));
    QVERIFY(writeScript(reader, "if [ \"$1\" = --self-test ]; then\n"
                                "  echo '{\"landlockAbi\":0,\"seccomp\":false,\"attempts\":[]}'\n"
                                "  exit 0\n"
                                "fi\n"
                                "exec '" +
                                    realReader + "' \"$@\"\n"));
    qputenv("PLINVEX_READER", QFile::encodeName(reader));
    const QString deb = home->filePath(QStringLiteral("viewer_1.0_all.deb"));
    QVERIFY(!makeDeb(deb, QStringLiteral("viewer"), QStringLiteral("1.0")).isEmpty());
    choosePackage(deb);
    QTRY_VERIFY2(findingTags().contains(QStringLiteral("reader-unconfined")),
                 qPrintable(findingTags().join(QLatin1Char(' '))));
    QVERIFY(
        findingLine(QStringLiteral("reader-unconfined"))->text().startsWith(QStringLiteral("⚠")));
}

// With a package chosen and nothing typed, the list says what is missing by
// the labels the packager sees, never by the command line's options, and a
// line leads to its field.
void TestInputs::findingsNameTheFormsLabels()
{
    const QString deb = home->filePath(QStringLiteral("viewer_1.0_all.deb"));
    QVERIFY(!makeDeb(deb, QStringLiteral("viewer"), QStringLiteral("1.0")).isEmpty());
    choosePackage(deb);
    QTRY_VERIFY2(findingTags().contains(QStringLiteral("required-empty")),
                 qPrintable(findingTags().join(QLatin1Char(' '))));
    QStringList lines;
    for (int row = 0; row < findings()->count(); ++row)
        lines << findings()->item(row)->text();
    for (const QString &line : lines)
        QVERIFY2(!line.contains(QStringLiteral("--")), qPrintable(line));
    for (const QString &missing :
         {QStringLiteral("✖ 应用名称还空着"), QStringLiteral("✖ 打包者还空着"),
          QStringLiteral("✖ 还没有选Logo图标"), QStringLiteral("✖ 截图文件里还一张截图也没有")})
        QVERIFY2(lines.contains(missing), qPrintable(lines.join(QLatin1Char('\n'))));

    QListWidget *list = findings();
    QListWidgetItem *contributor = list->item(int(lines.indexOf(QStringLiteral("✖ 打包者还空着"))));
    list->scrollToItem(contributor);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(contributor).center());
    QCOMPARE(window->focusWidget(), edit("contributor"));
}

int main(int argc, char *argv[])
{
    // The toolkit's own dialogs, so the tests can answer them.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    TestInputs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_inputs.moc"
