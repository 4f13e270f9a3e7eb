// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "bundle/bundleassembly.h"
#include "bundle/compression.h"
#include "bundle/folderswap.h"
#include "bundle/packagelock.h"
#include "bundle/sizetext.h"
#include "bundle/textlines.h"
#include "engine/packgate.h"
#include "package/valuechoice.h"
#include "support/foldersnapshot.h"
#include "support/jobrun.h"
#include "support/packingform.h"
#include "support/testfiles.h"
#include "support/toolshelf.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using Texts = QMap<QString, QString>;

namespace {

const QString kNotAFile = QStringLiteral("这是个不存在的文件啊喂！");
const QString kNotADeb = QStringLiteral("内个...你选择的好像不是deb文件呐～");
const QString kForgotten = QStringLiteral("你好像忘记了什么～");
const QString kBadName = QStringLiteral("包名不能包含斜杠，也不能是.或..哦～");
const QString kBroken = QStringLiteral("这个安装包不完整或者坏掉了，不能打包哦～");
const QString kPackFailed = QStringLiteral("打包失败！\n");
const QString kNoImage = QStringLiteral("这张图片没能变成一张合格的PNG：");
const QString kNoLock = QStringLiteral("锁文件打不开：");
const QRegularExpression kToolByPath(QStringLiteral("/(mkdir|cp|convert|rm)[: ]"));

QByteArray digestOf(const QString &path)
{
    return QCryptographicHash::hash(readAll(path), QCryptographicHash::Sha1);
}

QSize imageSize(const QString &path)
{
    return QImageReader(path).size();
}

// Packages and pictures take a while to make, so each is made once and
// copied into the home folder of every test that packs it.
struct Originals
{
    Originals()
        : dir(QDir::tempPath() + QStringLiteral("/plinvex originals XXXXXX"))
        , deb(dir.filePath(QStringLiteral("hello_1.0_all.deb")))
        , debTwo(dir.filePath(QStringLiteral("hello_2.0_all.deb")))
        , logo(dir.filePath(QStringLiteral("logo.png")))
        , shotOne(dir.filePath(QStringLiteral("shot one.png")))
        , shotTwo(dir.filePath(QStringLiteral("shot two.png")))
    {
        made = !makeDeb(deb, QStringLiteral("hello"), QStringLiteral("1.0")).isEmpty() &&
               !makeDeb(debTwo, QStringLiteral("hello"), QStringLiteral("2.0")).isEmpty() &&
               makePng(logo, 512, 256) && makePng(shotOne, 640, 360) && makePng(shotTwo, 300, 600);
    }

    QTemporaryDir dir;
    QString deb;
    QString debTwo;
    QString logo;
    QString shotOne;
    QString shotTwo;
    bool made = false;
};

const Originals &originals()
{
    static const Originals made;
    return made;
}

// The files a packager gives: a real package, a logo and screenshots, all in
// a home folder whose path holds a blank.
struct Scene
{
    explicit Scene(bool withDesktop = true)
        : home(withDesktop)
    {
        deb = copy(originals().deb, QStringLiteral("hello_1.0_all.deb"));
        logo = copy(originals().logo, QStringLiteral("logo.png"));
        shots << copy(originals().shotOne, QStringLiteral("shot one.png"))
              << copy(originals().shotTwo, QStringLiteral("shot two.png"));
    }

    // A copy of an original under <home>/inputs; empty when it failed.
    QString copy(const QString &original, const QString &relative) const
    {
        const QString path = home.filePath(QStringLiteral("inputs/") + relative);
        QFile::remove(path);
        return originals().made && QDir().mkpath(QFileInfo(path).absolutePath()) &&
                       QFile::copy(original, path)
                   ? path
                   : QString();
    }

    bool ready() const
    {
        return !deb.isEmpty() && !logo.isEmpty() && !shots.contains(QString()) &&
               home.path().contains(QLatin1Char(' '));
    }

    PackingInputs inputs() const { return completeInputs(deb, logo, shots); }
    QString bundle(const QString &pkg = QStringLiteral("hello")) const
    {
        return home.desktop() + QLatin1Char('/') + pkg;
    }

    TemporaryHome home;
    QString deb;
    QString logo;
    QStringList shots;
};

// An image under <home>/inputs named .png whatever it holds: a PNG, JPEG
// data, or a GIF animation of three frames. Empty when it could not be made.
QString makeImageNamedPng(const TemporaryHome &home, const QString &fileName, const QSize &size,
                          const QString &encoding)
{
    if (encoding == QLatin1String("png"))
        return makeInputImage(home, fileName, size);
    const QString path = home.filePath(QStringLiteral("inputs/") + fileName);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QString();
    if (encoding == QLatin1String("jpeg")) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        return image.save(path, "JPG") ? path : QString();
    }
    const QString frame = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    const int status = QProcess::execute(QStringLiteral("convert"),
                                         {QStringLiteral("-size"), frame, QStringLiteral("xc:red"),
                                          QStringLiteral("xc:green"), QStringLiteral("xc:blue"),
                                          QStringLiteral("-loop"), QStringLiteral("0"),
                                          QStringLiteral("gif:") + path});
    return status == 0 ? path : QString();
}

// A tmpfs mounted over a folder for the life of the object.
class TmpfsMount
{
public:
    TmpfsMount() = default;
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;
    ~TmpfsMount()
    {
        if (!point.isEmpty())
            QProcess::execute(QStringLiteral("umount"), {point});
    }

    bool mount(const QString &folder, const char *size)
    {
        const int status =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=") + QLatin1String(size),
                               QStringLiteral("plinvex-test"), folder});
        if (status == 0)
            point = folder;
        return status == 0;
    }

private:
    QString point;
};

QString realTool(const QString &tool)
{
    return QStandardPaths::findExecutable(tool);
}

// One pack run to its end, as the command line runs it.
BundleOutcome assembleBundle(const BundleRequest &request)
{
    PackJob job(request);
    if (!runToEnd(job))
        return {BundleOutcome::Cancelled, QStringLiteral("the pack did not end"), {}, {}};
    return job.result();
}

// What the window would hand the engine for the scene's inputs.
BundleRequest engineRequest(const Scene &scene)
{
    BundleRequest request;
    request.submission.appName = QStringLiteral("Sample Viewer");
    request.submission.debPath = scene.deb;
    request.submission.pkgName = QStringLiteral("hello");
    request.submission.version = QStringLiteral("1.0");
    request.submission.contributor = QStringLiteral("packer");
    request.submission.screenshotList = scene.shots;
    request.iconPath = scene.logo;
    request.desktopDir = scene.home.desktop();
    return request;
}

// PNG's CRC-32 of a chunk's type and data.
quint32 pngCrc(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffU;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320U & (0U - (crc & 1U)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk;
    QDataStream out(&chunk, QIODevice::WriteOnly);
    out << quint32(data.size());
    out.writeRawData(type.constData(), int(type.size()));
    out.writeRawData(data.constData(), int(data.size()));
    out << pngCrc(type + data);
    return chunk;
}

// The types of a PNG's chunks in file order; empty when it is none.
QStringList pngChunkTypes(const QByteArray &png)
{
    QStringList types;
    if (!png.startsWith("\x89PNG\r\n\x1a\n"))
        return types;
    qint64 at = 8;
    while (at + 12 <= png.size()) {
        QDataStream in(png.mid(int(at), 4));
        quint32 length = 0;
        in >> length;
        types << QString::fromLatin1(png.mid(int(at) + 4, 4));
        at += 12 + qint64(length);
    }
    return types;
}

// A file system without the exchange, which can also be made to refuse the
// step that puts the new folder in place, and the one that moves the earlier
// folder back.
struct TwoStepRenames
{
    static bool refuseNew;
    static bool refuseRestore;
    static int rename(const char *from, const char *to, unsigned int flags)
    {
        const bool staging = std::strstr(from, "/.plinvex-staging-") != nullptr;
        const bool aside = staging && QByteArray(from).endsWith(".earlier");
        const bool intoBundle = QByteArray(to).endsWith("/Desktop/hello");
        if ((flags & RENAME_EXCHANGE) != 0 || (refuseNew && staging && !aside && intoBundle) ||
            (refuseRestore && aside && intoBundle)) {
            errno = (flags & RENAME_EXCHANGE) != 0 ? EINVAL : EIO;
            return -1;
        }
        return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, flags);
    }
    TwoStepRenames()
        : previous(folderRename)
    {
        folderRename = rename;
    }
    ~TwoStepRenames()
    {
        folderRename = previous;
        refuseNew = refuseRestore = false;
    }
    TwoStepRenames(const TwoStepRenames &) = delete;
    TwoStepRenames &operator=(const TwoStepRenames &) = delete;

    const FolderRename previous;
};
bool TwoStepRenames::refuseNew = false;
bool TwoStepRenames::refuseRestore = false;

} // namespace

class TestPacking : public QObject
{
    Q_OBJECT

private slots:
    void refusesPackRequest_data();
    void refusesPackRequest();
    void gateOfEachFace_data();
    void gateOfEachFace();
    void packsBundle_data();
    void packsBundle();
    void packsUnderCLocale();
    void progressShowsDuringThePack();
    void repackReplacesEarlierBundle();
    void sameInputsGiveSameBytes();
    void reportsFailedStep_data();
    void reportsFailedStep();
    void leavesWhatStandsInBundlePlace_data();
    void leavesWhatStandsInBundlePlace();
    void replacesLinksInEarlierBundle_data();
    void replacesLinksInEarlierBundle();
    void confinesHostilePackageNames_data();
    void confinesHostilePackageNames();
    void refusesWhatIsNoPlainFile_data();
    void refusesWhatIsNoPlainFile();
    void waitsForPackageLock_data();
    void waitsForPackageLock();
    void swapsWithoutExchange_data();
    void swapsWithoutExchange();
    void killedJobLeavesNothing_data();
    void killedJobLeavesNothing();

private:
    void checkBundle(const Scene &scene, const PackingInputs &inputs, const QString &pkg,
                     const QDateTime &pressed);
};

// ---------------------------------------------------------------- refusals

void TestPacking::refusesPackRequest_data()
{
    QTest::addColumn<QString>("packageFile"); // empty: no package chosen
    QTest::addColumn<bool>("packageVanishes");
    QTest::addColumn<QStringList>("omit");
    QTest::addColumn<QString>("retypedName"); // null: keep what the probe found
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parented");

    const QString deb = QStringLiteral("hello_1.0_all.deb");
    const QStringList all = {QStringLiteral("name"),       QStringLiteral("pkgname"),
                             QStringLiteral("version"),    QStringLiteral("contributor"),
                             QStringLiteral("logo"),       QStringLiteral("screenshots"),
                             QStringLiteral("description")};
    const QString ne = QStringLiteral("呐！");
    const QString eh = QStringLiteral("诶？");

    QTest::newRow("no package, nothing else")
        << QString() << false << all << QString() << ne << kNotAFile << true;
    QTest::newRow("no package, all else filled")
        << QString() << false << QStringList() << QString() << ne << kNotAFile << true;
    QTest::newRow("package gone before packing")
        << deb << true << QStringList() << QString() << ne << kNotAFile << true;
    QTest::newRow(".DEB, nothing else") << QStringLiteral("hello_1.0_all.DEB") << false << all
                                        << QString() << ne << kNotADeb << true;
    QTest::newRow(".deb.bak") << QStringLiteral("hello_1.0_all.deb.bak") << false << QStringList()
                              << QString() << ne << kNotADeb << true;
    QTest::newRow(".Deb") << QStringLiteral("hello.Deb") << false << QStringList() << QString()
                          << ne << kNotADeb << true;
    for (const QString &input : all) {
        QTest::addRow("%s missing", qPrintable(input))
            << deb << false << QStringList{input} << QString() << eh << kForgotten << false;
    }
    QTest::newRow("only the package given")
        << deb << false << all << QString() << eh << kForgotten << false;
    QTest::newRow("a.b.deb, name missing")
        << QStringLiteral("a.b.deb") << false << QStringList{QStringLiteral("name")} << QString()
        << eh << kForgotten << false;
    QTest::newRow("name with slash")
        << deb << false << QStringList() << QStringLiteral("a/b") << ne << kBadName << true;
    QTest::newRow("name is .") << deb << false << QStringList() << QStringLiteral(".") << ne
                               << kBadName << true;
    QTest::newRow("name is ..") << deb << false << QStringList() << QStringLiteral("..") << ne
                                << kBadName << true;
    // Its name and version still read, but its data ends early.
    QTest::newRow("package cut short") << QStringLiteral("cut short.deb") << false << QStringList()
                                       << QString() << ne << kBroken << true;
    // Hidden characters are named, the field and the character.
    QTest::newRow("override in the package name")
        << deb << false << QStringList() << QStringLiteral("vie\u202ewer") << ne
        << QStringLiteral("包名里有一个看不见的字符 U+202E，删掉它再打包吧～") << true;
    // Completeness is judged before the name's shape.
    QTest::newRow("name a/b, description missing")
        << deb << false << QStringList{QStringLiteral("description")} << QStringLiteral("a/b") << eh
        << kForgotten << false;
}

void TestPacking::refusesPackRequest()
{
    QFETCH(QString, packageFile);
    QFETCH(bool, packageVanishes);
    QFETCH(QStringList, omit);
    QFETCH(QString, retypedName);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, parented);

    Scene scene;
    QVERIFY(scene.ready());
    PackingInputs inputs = scene.inputs();
    inputs.package.clear();
    if (!packageFile.isEmpty()) {
        inputs.package = scene.copy(originals().deb, packageFile);
        QVERIFY(!inputs.package.isEmpty());
        if (packageFile.startsWith(QLatin1String("cut short"))) {
            QFile cut(inputs.package);
            QVERIFY(cut.resize(cut.size() * 3 / 4));
        }
    }
    if (omit.contains(QLatin1String("name")))
        inputs.name.clear();
    if (omit.contains(QLatin1String("contributor")))
        inputs.contributor.clear();
    if (omit.contains(QLatin1String("logo")))
        inputs.logo.clear();
    if (omit.contains(QLatin1String("screenshots")))
        inputs.screenshots.clear();
    if (omit.contains(QLatin1String("description")))
        inputs.info.clear();
    inputs.retypePackageName = omit.contains(QLatin1String("pkgname")) || !retypedName.isNull();
    inputs.packageName = retypedName;
    inputs.retypeVersion = omit.contains(QLatin1String("version"));

    MainWindow window;
    window.show();
    const QString problem = fillPackingForm(window, inputs);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    if (packageVanishes)
        QVERIFY(QFile::remove(inputs.package));
    const Texts before = formTexts(window);
    const auto homeBefore = folderSnapshot(scene.home.path());

    const PressOutcome press = pressAnswering(window, "pushButton");
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));

    QCOMPARE(press.boxes.size(), 1);
    const ModalRecord &box = press.boxes.first();
    QCOMPARE(box.className, QStringLiteral("QMessageBox"));
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons.size(), 1);
    QCOMPARE(box.hasParent, parented);
    if (parented)
        QVERIFY(box.parent == &window);

    // A refused press changes nothing: not the form, not the view, not the disk.
    QVERIFY2(formTexts(window) == before,
             qPrintable(snapshotDifference(before, formTexts(window))));
    QCOMPARE(formWidget<QLineEdit>(window, "author")->text(), QString());
    QCOMPARE(formWidget<QLineEdit>(window, "website")->text(), QString());
    QVERIFY(showsFormView(window));
    QCOMPARE(entriesOf(scene.home.desktop()), QStringList());
    QVERIFY2(folderSnapshot(scene.home.path()) == homeBefore,
             qPrintable(snapshotDifference(homeBefore, folderSnapshot(scene.home.path()))));
}

// Which findings stop a pack, in each face: the window's refusals in their
// order, the command line's every error not ignored.
void TestPacking::gateOfEachFace_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("findings"); // tag field severity [ignored]
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("commandLineStops");

    const QString deb = QStringLiteral("/tmp/viewer_1.0_all.deb");
    QTest::newRow("the form's first field is named")
        << deb
        << QStringList{QStringLiteral("hidden-character pkgname error"),
                       QStringLiteral("hidden-character name error")}
        << int(WindowRefusal::HiddenCharacter) << QStringLiteral("name") << 2;
    QTest::newRow("a missing package before empty inputs")
        << QString()
        << QStringList{QStringLiteral("package-missing package error"),
                       QStringLiteral("required-empty contributor error")}
        << int(WindowRefusal::PackageMissing) << QStringLiteral("package") << 2;
    QTest::newRow("the window goes by the name")
        << QStringLiteral("/tmp/viewer_1.0_all.deb.bak") << QStringList()
        << int(WindowRefusal::NotDebName) << QString() << 0;
    QTest::newRow("completeness before the name's shape")
        << deb
        << QStringList{QStringLiteral("pkgname-not-folder-name pkgname error"),
                       QStringLiteral("required-empty description error")}
        << int(WindowRefusal::RequiredEmpty) << QStringLiteral("description") << 2;
    QTest::newRow("errors the pack itself meets")
        << deb
        << QStringList{QStringLiteral("version-invalid version error"),
                       QStringLiteral("screenshot-missing screenshots error"),
                       QStringLiteral("image-too-large logo error")}
        << int(WindowRefusal::None) << QString() << 3;
    QTest::newRow("warnings stop neither")
        << deb
        << QStringList{QStringLiteral("pkgname-not-debian pkgname warning"),
                       QStringLiteral("logo-too-small logo warning")}
        << int(WindowRefusal::None) << QString() << 0;
    QTest::newRow("an ignored error stops neither")
        << deb << QStringList{QStringLiteral("homepage-scheme homepage error ignored")}
        << int(WindowRefusal::None) << QString() << 0;
}

void TestPacking::gateOfEachFace()
{
    QFETCH(QString, path);
    QFETCH(QStringList, findings);
    QFETCH(int, refusal);
    QFETCH(QString, field);
    QFETCH(int, commandLineStops);

    QList<Finding> made;
    for (const QString &line : findings) {
        const QStringList parts = line.split(QLatin1Char(' '));
        Finding finding;
        finding.tag = parts.at(0);
        finding.field = parts.at(1);
        finding.severity =
            parts.at(2) == QLatin1String("error") ? Severity::Error : Severity::Warning;
        finding.ignored = parts.size() > 3;
        made << finding;
    }
    const WindowVerdict verdict = windowVerdict(made, path);
    QCOMPARE(int(verdict.refusal), refusal);
    QCOMPARE(verdict.finding.field, field);
    int stops = 0;
    for (const Finding &finding : made) {
        stops += stopsPack(finding, Face::CommandLine) ? 1 : 0;
        bool listed = false;
        for (const WindowGateRow &row : windowGate())
            listed = listed || row.tags.contains(finding.tag);
        QCOMPARE(stopsPack(finding, Face::Window), listed && !finding.ignored);
    }
    QCOMPARE(stops, commandLineStops);
}

// ---------------------------------------------------------------- packing

void TestPacking::packsBundle_data()
{
    QTest::addColumn<QSize>("logoSize");
    QTest::addColumn<QSize>("iconSize");
    QTest::addColumn<QList<QSize>>("shotSizes");
    QTest::addColumn<QList<QSize>>("screenSizes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("website");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("pkg"); // typed over the probe's when not "hello"
    QTest::addColumn<QString>("inputFolder");
    QTest::addColumn<QString>("encoding"); // of every image, each named .png

    const QList<QSize> three = {QSize(1920, 1080), QSize(1200, 1200), QSize(600, 1200)};
    const QList<QSize> threeScaled = {QSize(400, 225), QSize(300, 300), QSize(150, 300)};
    const QList<QSize> one = {QSize(1000, 400)};
    const QList<QSize> oneScaled = {QSize(400, 160)};
    const QString info = QStringLiteral("A small image viewer.\nOpens PNG files.");
    const QString hello = QStringLiteral("hello");
    const QString kPng = QStringLiteral("png");

    QTest::newRow("wide logo, three screenshots")
        << QSize(512, 256) << QSize(128, 64) << three << threeScaled
        << QStringLiteral("Sample Viewer") << QString() << QString() << info << hello
        << QStringLiteral("inputs") << kPng;
    QTest::newRow("tall logo, one screenshot")
        << QSize(100, 400) << QSize(32, 128) << one << oneScaled << QStringLiteral("Viewer")
        << QStringLiteral("Upstream Author") << QStringLiteral("https://example.org/viewer")
        << QStringLiteral("one line") << hello << QStringLiteral("inputs") << kPng;
    QTest::newRow("name of a single blank")
        << QSize(256, 256) << QSize(128, 128) << one << oneScaled << QStringLiteral(" ")
        << QString() << QString() << info << hello << QStringLiteral("inputs") << kPng;
    QTest::newRow("only author empty")
        << QSize(256, 256) << QSize(128, 128) << one << oneScaled << QStringLiteral("Viewer")
        << QString() << QStringLiteral("https://example.org") << info << hello
        << QStringLiteral("inputs") << kPng;
    QTest::newRow("only website empty")
        << QSize(256, 256) << QSize(128, 128) << one << oneScaled << QStringLiteral("Viewer")
        << QStringLiteral("Upstream") << QString() << info << hello << QStringLiteral("inputs")
        << kPng;
    QTest::newRow("package name with blanks")
        << QSize(512, 256) << QSize(128, 64) << one << oneScaled << QStringLiteral("Viewer")
        << QString() << QString() << info << QStringLiteral("sample viewer  2")
        << QStringLiteral("inputs") << kPng;
    QTest::newRow("Chinese texts and paths")
        << QSize(512, 256) << QSize(128, 64) << one << oneScaled << QStringLiteral("图片查看器")
        << QStringLiteral("原作者") << QStringLiteral("https://example.org/图片")
        << QStringLiteral("一个小巧的看图工具。\n支持PNG。\n") << QStringLiteral("图片查看器")
        << QStringLiteral("输入 文件") << kPng;
    QTest::newRow("text needing escapes")
        << QSize(512, 256) << QSize(128, 64) << one << oneScaled
        << QStringLiteral("The \"best\" viewer\\") << QStringLiteral("A \"B\"")
        << QStringLiteral(" ") << QStringLiteral("line \"one\"\nline two") << hello
        << QStringLiteral("inputs") << kPng;
    // Whatever a file named .png holds, the bundle gets one PNG of it.
    QTest::newRow("animations named .png")
        << QSize(512, 256) << QSize(128, 64) << three << threeScaled << QStringLiteral("Viewer")
        << QString() << QString() << info << hello << QStringLiteral("inputs")
        << QStringLiteral("gif");
    QTest::newRow("JPEG data named .png")
        << QSize(512, 256) << QSize(128, 64) << one << oneScaled << QStringLiteral("Viewer")
        << QString() << QString() << info << hello << QStringLiteral("inputs")
        << QStringLiteral("jpeg");
}

void TestPacking::packsBundle()
{
    QFETCH(QSize, logoSize);
    QFETCH(QSize, iconSize);
    QFETCH(QList<QSize>, shotSizes);
    QFETCH(QList<QSize>, screenSizes);
    QFETCH(QString, name);
    QFETCH(QString, author);
    QFETCH(QString, website);
    QFETCH(QString, info);
    QFETCH(QString, pkg);
    QFETCH(QString, inputFolder);
    QFETCH(QString, encoding);

    Scene scene;
    QVERIFY(scene.ready());
    PackingInputs inputs = scene.inputs();
    inputs.logo = makeImageNamedPng(scene.home, inputFolder + QStringLiteral("/标志 logo.png"),
                                    logoSize, encoding);
    inputs.screenshots.clear();
    for (int i = 0; i < shotSizes.size(); ++i)
        inputs.screenshots << makeImageNamedPng(scene.home,
                                                inputFolder + QStringLiteral("/shot %1.png").arg(i),
                                                shotSizes.at(i), encoding);
    QVERIFY(!inputs.logo.isEmpty() && !inputs.screenshots.contains(QString()));
    inputs.name = name;
    inputs.author = author;
    inputs.website = website;
    inputs.info = info;
    inputs.retypePackageName = pkg != QLatin1String("hello");
    inputs.packageName = pkg;

    MainWindow window;
    window.show();
    const QString problem = fillPackingForm(window, inputs);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const QDateTime pressed = QDateTime::currentDateTime();
    const PressOutcome press = pressAnswering(window, "pushButton");
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));
    QVERIFY2(press.boxes.isEmpty(), qPrintable(boxSummary(press.boxes)));

    QVERIFY(showsResultView(window));
    QVERIFY(isReachable(window, "pushButton_5"));
    QVERIFY(isReachable(window, "pushButton_4"));
    QVERIFY(!QApplication::overrideCursor());
    // An optional field left empty is marked by a blank; a filled one stays.
    QCOMPARE(formWidget<QLineEdit>(window, "author")->text(),
             author.isEmpty() ? QStringLiteral(" ") : author);
    QCOMPARE(formWidget<QLineEdit>(window, "website")->text(),
             website.isEmpty() ? QStringLiteral(" ") : website);

    checkBundle(scene, inputs, pkg, pressed);
    const QString bundle = scene.bundle(pkg);
    QCOMPARE(imageSize(bundle + QStringLiteral("/icon.png")), iconSize);
    QCOMPARE(QImageReader(bundle + QStringLiteral("/icon.png")).format(), QByteArray("png"));
    for (int i = 0; i < screenSizes.size(); ++i) {
        const QString screen = bundle + QStringLiteral("/screen_%1.png").arg(i + 1);
        QCOMPARE(imageSize(screen), screenSizes.at(i));
        QCOMPARE(QImageReader(screen).format(), QByteArray("png"));
    }
}

// Everything but the image sizes: which files, and what app.json says.
void TestPacking::checkBundle(const Scene &scene, const PackingInputs &inputs, const QString &pkg,
                              const QDateTime &pressed)
{
    const QString bundle = scene.bundle(pkg);
    const QString debName = QFileInfo(inputs.package).fileName();
    QCOMPARE(entriesOf(scene.home.desktop()), QStringList{pkg});
    QStringList expected = {debName, QStringLiteral("icon.png"), QStringLiteral("app.json")};
    for (int i = 1; i <= inputs.screenshots.size(); ++i)
        expected << QStringLiteral("screen_%1.png").arg(i);
    expected.sort();
    QCOMPARE(entriesOf(bundle), expected);
    QCOMPARE(digestOf(bundle + QLatin1Char('/') + debName), digestOf(inputs.package));

    const QByteArray json = readAll(bundle + QStringLiteral("/app.json"));
    QCOMPARE(json.count('\n'), 12);
    QVERIFY(json.startsWith("{\n   \"Name\":\""));
    QVERIFY(json.endsWith("\"\n}\n"));
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json, &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(object.keys().size(), 10);
    const auto value = [&object](const char *key) {
        return object.value(QLatin1String(key)).toString();
    };
    QCOMPARE(value("Name"), inputs.name);
    QCOMPARE(value("Version"), QStringLiteral("1.0"));
    QCOMPARE(value("Filename"), debName);
    QCOMPARE(value("Pkgname"), pkg);
    QCOMPARE(value("Author"), inputs.author.isEmpty() ? QStringLiteral(" ") : inputs.author);
    QCOMPARE(value("Contributor"), inputs.contributor);
    QCOMPARE(value("Website"), inputs.website.isEmpty() ? QStringLiteral(" ") : inputs.website);
    QCOMPARE(value("Size"), formatSize(QFileInfo(inputs.package).size()));
    QCOMPARE(value("More"), joinDescriptionLines(inputs.info));
    const QString update = value("Update");
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d$"))
                 .match(update)
                 .hasMatch(),
             qPrintable(update));
    const QDateTime stamp = QDateTime::fromString(update, QStringLiteral("yyyy-MM-dd hh:mm"));
    QDateTime earliest = pressed;
    earliest.setTime(QTime(pressed.time().hour(), pressed.time().minute()));
    QVERIFY(stamp >= earliest);
    QVERIFY(stamp <= QDateTime::currentDateTime());
}

// Run once more by CTest with LC_ALL=C: Chinese paths and texts must pass
// through the tools and into app.json unharmed.
void TestPacking::packsUnderCLocale()
{
    Scene scene;
    QVERIFY(scene.ready());
    PackingInputs inputs = scene.inputs();
    inputs.package = scene.copy(originals().deb, QStringLiteral("软件包/hello_1.0_all.deb"));
    inputs.logo = makeInputImage(scene.home, QStringLiteral("图标/标志.png"), QSize(512, 256));
    inputs.screenshots = QStringList{
        makeInputImage(scene.home, QStringLiteral("截图/第一张.png"), QSize(1920, 1080)),
        makeInputImage(scene.home, QStringLiteral("截图/第二张.png"), QSize(800, 1200))};
    inputs.name = QStringLiteral("图片查看器");
    inputs.contributor = QStringLiteral("打包者");
    inputs.info = QStringLiteral("一个小巧的看图工具。\n支持PNG。");
    inputs.retypePackageName = true;
    inputs.packageName = QStringLiteral("图片 查看器");

    MainWindow window;
    window.show();
    const QString problem = fillPackingForm(window, inputs);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const QDateTime pressed = QDateTime::currentDateTime();
    const PressOutcome press = pressAnswering(window, "pushButton");
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));
    QVERIFY2(press.boxes.isEmpty(), qPrintable(boxSummary(press.boxes)));
    QVERIFY(showsResultView(window));

    checkBundle(scene, inputs, inputs.packageName, pressed);
    const QString bundle = scene.bundle(inputs.packageName);
    QCOMPARE(imageSize(bundle + QStringLiteral("/icon.png")), QSize(128, 64));
    QCOMPARE(imageSize(bundle + QStringLiteral("/screen_1.png")), QSize(400, 225));
    QCOMPARE(imageSize(bundle + QStringLiteral("/screen_2.png")), QSize(200, 300));
    const QByteArray json = readAll(bundle + QStringLiteral("/app.json"));
    QVERIFY(json.contains("   \"Name\":\"\xe5\x9b\xbe\xe7\x89\x87\xe6\x9f\xa5\xe7\x9c\x8b"
                          "\xe5\x99\xa8\",\n"));
    QVERIFY(json.contains("   \"Contributor\":\"\xe6\x89\x93\xe5\x8c\x85\xe8\x80\x85\",\n"));
}

// The bar counts the package's copy and a copy and a scaling of every
// picture, shows while they run, reaches its end and goes once all is done.
void TestPacking::progressShowsDuringThePack()
{
    Scene scene;
    QVERIFY(scene.ready());
    MainWindow window;
    window.show();
    const QString problem = fillPackingForm(window, scene.inputs());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    auto *bar = formWidget<QProgressBar>(window, "progress");
    QVERIFY(bar);
    QVERIFY(!bar->isVisible());

    QList<int> values;
    bool hiddenWhileCounting = false;
    connect(bar, &QProgressBar::valueChanged, bar, [&](int value) {
        values << value;
        hiddenWhileCounting = hiddenWhileCounting || !bar->isVisible();
    });
    const PressOutcome press = pressAnswering(window, "pushButton");
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));
    QVERIFY2(press.boxes.isEmpty(), qPrintable(boxSummary(press.boxes)));
    QVERIFY(showsResultView(window));
    QVERIFY(QFileInfo::exists(scene.bundle() + QStringLiteral("/app.json")));

    // The staging folder and the package, then the logo and two screenshots:
    // each copied and scaled.
    QCOMPARE(bar->maximum(), 2 + 2 * 3);
    QVERIFY(values.size() >= 2);
    QCOMPARE(values.last(), bar->maximum());
    QVERIFY(std::is_sorted(values.cbegin(), values.cend()));
    QVERIFY(!hiddenWhileCounting);
    QVERIFY(!bar->isVisible());
}

void TestPacking::repackReplacesEarlierBundle()
{
    Scene scene;
    QVERIFY(scene.ready());
    PackingInputs first = scene.inputs();
    first.screenshots << makeInputImage(scene.home, QStringLiteral("shot three.png"),
                                        QSize(500, 500));
    MainWindow window;
    window.show();
    QString problem = fillPackingForm(window, first);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    PressOutcome press = pressAnswering(window, "pushButton");
    QVERIFY2(press.problem.isEmpty() && press.boxes.isEmpty(),
             qPrintable(press.problem + boxSummary(press.boxes)));
    const QString bundle = scene.bundle();
    QVERIFY(QFile::exists(bundle + QStringLiteral("/screen_3.png")));

    // What the packager keeps in the folder besides the bundle stays.
    QVERIFY(writeTextFile(bundle + QStringLiteral("/notes.txt"), "my notes"));
    QVERIFY(writeTextFile(bundle + QStringLiteral("/extra/keep.png"), "kept"));
    // A picture, named as no pack names one: the packager's own, never a screenshot.
    QVERIFY(makePng(bundle + QStringLiteral("/screen_01.png"), 64, 48));
    QVERIFY(writeTextFile(bundle + QStringLiteral("/screen_.png"), "not numbered"));
    QVERIFY(writeTextFile(bundle + QStringLiteral("/hello.deb.txt"), "not a package"));
    // Another package kept there does not go on: a bundle holds one package.
    QVERIFY(writeTextFile(bundle + QStringLiteral("/other_1.0_all.deb"), "another package"));
    QVERIFY(QFile::setPermissions(bundle + QStringLiteral("/extra"),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    // A file the packager saves into the folder while the images are made.
    ToolShelf shelf;
    QVERIFY(shelf.fake(QStringLiteral("convert"),
                       "echo late > '" + QFile::encodeName(bundle) + "/late.txt'\nexec \"" +
                           QFile::encodeName(realTool(QStringLiteral("convert"))) + "\" \"$@\"\n"));

    QVERIFY(pressButton(window, "pushButton_4").isEmpty());
    QVERIFY(showsFormView(window));
    PackingInputs second = scene.inputs();
    second.package = scene.copy(originals().debTwo, QStringLiteral("hello_2.0_all.deb"));
    second.screenshots = QStringList{scene.shots.at(1)};
    second.name = QStringLiteral("Sample Viewer 2");
    problem = fillPackingForm(window, second);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    shelf.use();
    press = pressAnswering(window, "pushButton");
    shelf.putBack();
    QVERIFY2(press.problem.isEmpty() && press.boxes.isEmpty(),
             qPrintable(press.problem + boxSummary(press.boxes)));
    QVERIFY(showsResultView(window));

    QCOMPARE(entriesOf(bundle),
             (QStringList{QStringLiteral("app.json"), QStringLiteral("extra"),
                          QStringLiteral("hello.deb.txt"), QStringLiteral("hello_2.0_all.deb"),
                          QStringLiteral("icon.png"), QStringLiteral("late.txt"),
                          QStringLiteral("notes.txt"), QStringLiteral("screen_.png"),
                          QStringLiteral("screen_01.png"), QStringLiteral("screen_1.png")}));
    // The earlier bundle, read-only folder and all, is gone once replaced.
    QCOMPARE(entriesOf(scene.home.desktop()), QStringList{QStringLiteral("hello")});
    QCOMPARE(imageSize(bundle + QStringLiteral("/screen_1.png")), QSize(150, 300));
    QCOMPARE(readAll(bundle + QStringLiteral("/notes.txt")), QByteArray("my notes"));
    QCOMPARE(readAll(bundle + QStringLiteral("/extra/keep.png")), QByteArray("kept"));

    // One object describing the new pack, not the old one with another after it.
    const QByteArray json = readAll(bundle + QStringLiteral("/app.json"));
    QCOMPARE(json.count('\n'), 12);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json, &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(object.value(QLatin1String("Version")).toString(), QStringLiteral("2.0"));
    QCOMPARE(object.value(QLatin1String("Filename")).toString(),
             QStringLiteral("hello_2.0_all.deb"));
    QCOMPARE(object.value(QLatin1String("Name")).toString(), QStringLiteral("Sample Viewer 2"));

    // Packed twice more as the command line packs without screenshots given:
    // with the earlier bundle's own. Each pack leaves the folder as it was.
    const QStringList kept = entriesOf(bundle);
    const QByteArray ownPicture = digestOf(bundle + QStringLiteral("/screen_01.png"));
    BundleRequest again = engineRequest(scene);
    again.submission.debPath = second.package;
    again.submission.version = QStringLiteral("2.0");
    for (int pack = 0; pack < 2; ++pack) {
        const EarlierBundle earlier = readEarlierBundle(bundle);
        QCOMPARE(earlier.screenshots, QStringList{bundle + QStringLiteral("/screen_1.png")});
        again.submission.screenshotList = earlier.screenshots;
        again.iconPath = earlier.logo;
        QCOMPARE(assembleBundle(again).status, BundleOutcome::Built);
        QCOMPARE(entriesOf(bundle), kept);
        QCOMPARE(digestOf(bundle + QStringLiteral("/screen_01.png")), ownPicture);
    }
}

// A screenshot's text, EXIF and time do not reach the bundle, what its
// colours need does, and two packs and compressions of the same inputs give
// the same pictures and the same archive, byte for byte.
void TestPacking::sameInputsGiveSameBytes()
{
    Scene scene;
    QVERIFY(scene.ready());
    QByteArray shot = pngBytes(640, 360);
    QVERIFY(shot.size() > 33);
    // After the signature and IHDR, where a camera or an editor puts them.
    shot.insert(33, pngChunk("gAMA", QByteArray::fromHex("0000b18f")) +
                        pngChunk("tEXt", "Author\0Jane Doe, 12 Home Street") +
                        pngChunk("eXIf", QByteArray::fromHex("4d4d002a0000000800000000")) +
                        pngChunk("tIME", QByteArray::fromHex("07e90102030405")));
    const QString shotPath = scene.home.filePath(QStringLiteral("inputs/private.png"));
    QVERIFY(writeTextFile(shotPath, shot));
    QVERIFY(pngChunkTypes(readAll(shotPath)).contains(QStringLiteral("eXIf")));

    BundleRequest request = engineRequest(scene);
    request.submission.screenshotList = QStringList{shotPath};
    request.submission.updateTime = QStringLiteral("2026-01-02 03:04");
    const QString bundle = scene.bundle();
    const QString archive = archivePath(scene.home.desktop(), QStringLiteral("hello"));
    const QStringList pictures = {QStringLiteral("/icon.png"), QStringLiteral("/screen_1.png")};
    QList<QByteArray> first;
    for (int pack = 0; pack < 2; ++pack) {
        QCOMPARE(assembleBundle(request).status, BundleOutcome::Built);
        CompressJob compress(scene.home.desktop(), QStringLiteral("hello"));
        QVERIFY(runToEnd(compress));
        QCOMPARE(compress.result().status, ArchiveOutcome::Written);
        QList<QByteArray> made;
        for (const QString &picture : pictures)
            made << readAll(bundle + picture);
        made << readAll(archive);
        if (pack == 0)
            first = made;
        else
            QCOMPARE(made, first);
    }

    for (const QString &picture : pictures) {
        const QStringList types = pngChunkTypes(readAll(bundle + picture));
        QVERIFY2(types.contains(QStringLiteral("IDAT")), qPrintable(picture));
        for (const QString &type : types) {
            const bool allowed =
                QStringList{QStringLiteral("IHDR"), QStringLiteral("IDAT"), QStringLiteral("IEND"),
                            QStringLiteral("PLTE"), QStringLiteral("tRNS"), QStringLiteral("gAMA"),
                            QStringLiteral("cHRM"), QStringLiteral("sRGB"), QStringLiteral("iCCP")}
                    .contains(type);
            QVERIFY2(allowed,
                     qPrintable(picture + QLatin1Char(' ') + types.join(QLatin1Char(' '))));
        }
    }
    QVERIFY(pngChunkTypes(readAll(bundle + QStringLiteral("/screen_1.png")))
                .contains(QStringLiteral("gAMA")));

    // Owned by 0:0 with no names, at the bundle's own Update time.
    QProcess tar;
    tar.start(QStringLiteral("tar"),
              {QStringLiteral("--numeric-owner"), QStringLiteral("-tvzf"), archive});
    QVERIFY(tar.waitForFinished(-1));
    const QStringList members =
        QString::fromUtf8(tar.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(members.size(), 5);
    for (const QString &member : members) {
        QVERIFY2(member.contains(QStringLiteral(" 0/0 ")), qPrintable(member));
        QVERIFY2(member.contains(QStringLiteral(" 2026-01-02 03:04 ")), qPrintable(member));
    }
    tar.start(QStringLiteral("tar"), {QStringLiteral("-tvzf"), archive});
    QVERIFY(tar.waitForFinished(-1));
    QVERIFY(tar.readAllStandardOutput().contains(" 0/0 "));
}

// ---------------------------------------------------------------- failures

void TestPacking::reportsFailedStep_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("textStart");
    QTest::addColumn<bool>("wholeText"); // textStart is the whole text
    QTest::addColumn<bool>("repack");    // an earlier good bundle stands in the place

    const struct
    {
        const char *row;
        const char *cause;
        QString textStart;
        bool wholeText;
    } causes[] = {
        // Without its lock a pack does nothing: no lock file, no pack.
        {"no desktop folder", "no desktop", kPackFailed + kNoLock, false},
        {"a folder at the lock file's place", "lock folder", kPackFailed + kNoLock, false},
        // Refused by its own bytes before any image tool sees it.
        {"screenshot is no image", "no image", kPackFailed + kNoImage, false},
        {"logo is an SVG named .png", "svg logo", kPackFailed + kNoImage, false},
        {"screenshot is an MSL script named .png", "msl screenshot", kPackFailed + kNoImage, false},
        // A PNG claiming 100000x100000 pixels: the tool's limits stop it.
        {"screenshot is a pixel bomb", "pixel bomb", kPackFailed + QStringLiteral("convert: "),
         false},
        {"logo gone before packing", "logo gone", kPackFailed + QStringLiteral("cp: "), false},
        {"convert not on the path", "no convert",
         kPackFailed + QStringLiteral("convert: 找不到程序"), true},
        {"cp not on the path", "no cp", kPackFailed + QStringLiteral("cp: 找不到程序"), true},
        {"mkdir not on the path", "no mkdir", kPackFailed + QStringLiteral("mkdir: 找不到程序"),
         true},
        {"convert past its bound", "slow convert", kPackFailed + QStringLiteral("convert: 超时"),
         true},
        {"convert fails without a word", "silent convert",
         kPackFailed + QStringLiteral("convert: 退出码 3"), true},
        {"convert killed", "killed convert", kPackFailed + QStringLiteral("convert: 异常退出"),
         true},
        {"convert says why", "talking convert",
         kPackFailed + QStringLiteral("convert: 磁盘满了 (disk full)"), true},
        {"convert splits an image", "splitting convert",
         kPackFailed + QStringLiteral("这张图片没能变成一张合格的PNG："), false},
        {"control file cannot be written", "control file", QStringLiteral("写入控制文件失败！"),
         true},
        {"disk full", "disk full", kPackFailed + QStringLiteral("cp: "), false},
    };
    for (const auto &c : causes) {
        QTest::newRow((QByteArray(c.row) + ", first pack").constData())
            << QString::fromLatin1(c.cause) << c.textStart << c.wholeText << false;
        if (qstrcmp(c.cause, "no desktop") != 0) {
            QTest::newRow((QByteArray(c.row) + ", re-pack").constData())
                << QString::fromLatin1(c.cause) << c.textStart << c.wholeText << true;
        }
    }
}

void TestPacking::reportsFailedStep()
{
    QFETCH(QString, cause);
    QFETCH(QString, textStart);
    QFETCH(bool, wholeText);
    QFETCH(bool, repack);

    Scene scene(cause != QLatin1String("no desktop"));
    QVERIFY(scene.ready());
    // A desktop of 2 MB: the earlier bundle fits, a 3 MB screenshot does not.
    TmpfsMount smallDisk;
    if (cause == QLatin1String("disk full") && !smallDisk.mount(scene.home.desktop(), "2m"))
        QSKIP("mounting a small tmpfs as the desktop needs root");
    ToolShelf shelf;
    QVERIFY(shelf.isComplete());
    PackingInputs inputs = scene.inputs();
    // Filled optional fields: the form must come back exactly as typed.
    inputs.author = QStringLiteral("Upstream");
    inputs.website = QStringLiteral("https://example.org");

    MainWindow window;
    window.show();
    if (repack) {
        // A good bundle, with a file of the packager's own, that must survive.
        QString problem = fillPackingForm(window, inputs);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const PressOutcome press = pressAnswering(window, "pushButton");
        QVERIFY2(press.problem.isEmpty() && press.boxes.isEmpty(),
                 qPrintable(press.problem + boxSummary(press.boxes)));
        QVERIFY(writeTextFile(scene.bundle() + QStringLiteral("/notes.txt"), "my notes"));
        QVERIFY(pressButton(window, "pushButton_4").isEmpty());
    }
    if (cause == QLatin1String("disk full")) {
        const QString big = scene.home.filePath(QStringLiteral("inputs/big shot.png"));
        // A PNG by its first bytes, so that its copy is what fails.
        QVERIFY(writeTextFile(big, QByteArray("\x89PNG\r\n\x1a\n", 8) +
                                       QByteArray(3 * 1024 * 1024, 'x')));
        inputs.screenshots << big;
    } else if (cause == QLatin1String("splitting convert")) {
        QVERIFY(shelf.fake(QStringLiteral("convert"),
                           "\"" + QFile::encodeName(realTool(QStringLiteral("convert"))) +
                               "\" \"$@\" && : > screen_1-1.png\n"));
    } else if (cause == QLatin1String("control file")) {
        QVERIFY(shelf.fake(QStringLiteral("convert"),
                           "mkdir -p app.json\nexec \"" +
                               QFile::encodeName(realTool(QStringLiteral("convert"))) +
                               "\" \"$@\"\n"));
    } else if (cause == QLatin1String("lock folder")) {
        QVERIFY(QDir().mkpath(packageLockPath(scene.home.desktop(), QStringLiteral("hello"))));
    } else if (cause == QLatin1String("no image")) {
        const QString fake = scene.home.filePath(QStringLiteral("inputs/fake shot.png"));
        QVERIFY(writeTextFile(fake, "this is text, not a picture"));
        inputs.screenshots << fake;
    } else if (cause == QLatin1String("svg logo")) {
        QVERIFY(writeTextFile(inputs.logo,
                              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" "
                              "height=\"64\"><image href=\"file:///etc/passwd\"/></svg>"));
    } else if (cause == QLatin1String("msl screenshot")) {
        const QString script = scene.home.filePath(QStringLiteral("inputs/script shot.png"));
        QVERIFY(writeTextFile(script,
                              "<?xml version=\"1.0\"?><image><read filename=\"/etc/passwd\"/>"
                              "<write filename=\"/tmp/plinvex-msl.png\"/></image>"));
        inputs.screenshots << script;
    } else if (cause == QLatin1String("pixel bomb")) {
        const QString bomb = scene.home.filePath(QStringLiteral("inputs/bomb shot.png"));
        QVERIFY(writePngHeader(bomb, 100000, 100000));
        inputs.screenshots << bomb;
    } else if (cause == QLatin1String("no convert")) {
        QVERIFY(shelf.remove(QStringLiteral("convert")));
    } else if (cause == QLatin1String("no cp")) {
        QVERIFY(shelf.remove(QStringLiteral("cp")));
    } else if (cause == QLatin1String("no mkdir")) {
        QVERIFY(shelf.remove(QStringLiteral("mkdir")));
    } else if (cause == QLatin1String("slow convert")) {
        QVERIFY(shelf.fakeHanging(QStringLiteral("convert")));
    } else if (cause == QLatin1String("silent convert")) {
        QVERIFY(shelf.fake(QStringLiteral("convert"), "exit 3\n"));
    } else if (cause == QLatin1String("killed convert")) {
        QVERIFY(shelf.fake(QStringLiteral("convert"), "kill -9 $$\n"));
    } else if (cause == QLatin1String("talking convert")) {
        QVERIFY(shelf.fake(QStringLiteral("convert"),
                           "echo 'convert: 磁盘满了 (disk full)' >&2\nexit 1\n"));
    }

    // Only the hanging stand-in may meet a short bound: real tools on a
    // loaded machine keep the usual one.
    if (cause == QLatin1String("slow convert"))
        window.setToolTimeout(1500);
    const QStringList refusedByContent = {QStringLiteral("no image"), QStringLiteral("svg logo"),
                                          QStringLiteral("msl screenshot")};
    const QString imageToolRan = shelf.path() + QStringLiteral("/convert ran");
    if (refusedByContent.contains(cause)) {
        QVERIFY(shelf.fake(QStringLiteral("convert"),
                           ": > '" + QFile::encodeName(imageToolRan) + "'\nexec \"" +
                               QFile::encodeName(realTool(QStringLiteral("convert"))) +
                               "\" \"$@\"\n"));
    }
    const QString problem = fillPackingForm(window, inputs);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    if (cause == QLatin1String("logo gone"))
        QVERIFY(QFile::remove(inputs.logo));
    const Texts before = formTexts(window);
    const auto homeBefore = folderSnapshot(scene.home.path());

    shelf.use();
    const PressOutcome press = pressAnswering(window, "pushButton");
    shelf.putBack();
    const QString boxProblem = errorBoxProblem(press, window, textStart, !wholeText);
    QVERIFY2(boxProblem.isEmpty(), qPrintable(boxProblem));
    const ModalRecord &box = press.boxes.first();
    // The tool is named as the packager knows it, not by where it was found.
    QVERIFY2(!box.text.contains(kToolByPath), qPrintable(box.text));
    if (textStart.endsWith(kNoLock))
        QCOMPARE(box.text,
                 textStart + packageLockPath(scene.home.desktop(), QStringLiteral("hello")));

    QVERIFY(showsFormView(window));
    QVERIFY2(formTexts(window) == before,
             qPrintable(snapshotDifference(before, formTexts(window))));
    QVERIFY(!QApplication::overrideCursor());
    if (cause == QLatin1String("slow convert"))
        QVERIFY(shelf.hangingToolEnded(QStringLiteral("convert")));
    QVERIFY(!QFile::exists(imageToolRan));
    // The folder this build made is gone again, and nothing else changed.
    QVERIFY2(folderSnapshot(scene.home.path()) == homeBefore,
             qPrintable(snapshotDifference(homeBefore, folderSnapshot(scene.home.path()))));

    // With the cause gone the same form packs. The tools taken away or faked
    // need no second look: putting the real ones back is all it takes.
    const QStringList fixedHere = {QStringLiteral("no desktop"), QStringLiteral("lock folder"),
                                   QStringLiteral("no image"), QStringLiteral("logo gone"),
                                   QStringLiteral("slow convert")};
    if (!fixedHere.contains(cause))
        return;
    if (cause == QLatin1String("no desktop"))
        QVERIFY(QDir().mkpath(scene.home.desktop()));
    if (cause == QLatin1String("lock folder"))
        QVERIFY(QDir().rmdir(packageLockPath(scene.home.desktop(), QStringLiteral("hello"))));
    if (cause == QLatin1String("logo gone"))
        QVERIFY(makePng(inputs.logo, 512, 256));
    if (cause == QLatin1String("no image"))
        QVERIFY(makePng(inputs.screenshots.last(), 640, 480));
    window.setToolTimeout(30000);
    const PressOutcome retry = pressAnswering(window, "pushButton");
    QVERIFY2(retry.problem.isEmpty() && retry.boxes.isEmpty(),
             qPrintable(retry.problem + boxSummary(retry.boxes)));
    QVERIFY(showsResultView(window));
    QVERIFY(QFile::exists(scene.bundle() + QStringLiteral("/app.json")));
}

// ---------------------------------------------------------------- confinement

void TestPacking::leavesWhatStandsInBundlePlace_data()
{
    QTest::addColumn<QString>("standing"); // what stands at Desktop/hello

    QTest::newRow("link to a folder with files") << QStringLiteral("link to folder");
    QTest::newRow("link to the home folder") << QStringLiteral("link to home");
    QTest::newRow("link to nowhere") << QStringLiteral("dangling link");
    QTest::newRow("a plain file") << QStringLiteral("file");
}

void TestPacking::leavesWhatStandsInBundlePlace()
{
    QFETCH(QString, standing);

    Scene scene;
    QVERIFY(scene.ready());
    const QString outside = scene.home.filePath(QStringLiteral("outside"));
    QVERIFY(writeTextFile(outside + QStringLiteral("/app.json"), "precious"));
    QVERIFY(writeTextFile(outside + QStringLiteral("/icon.png"), "precious too"));
    QVERIFY(writeTextFile(outside + QStringLiteral("/hello_0.9_all.deb"), "an old package"));
    QVERIFY(writeTextFile(outside + QStringLiteral("/screen_7.png"), "a picture"));
    QVERIFY(writeTextFile(outside + QStringLiteral("/deep/data"), "data"));
    const QString place = scene.bundle();
    if (standing == QLatin1String("link to folder"))
        QVERIFY(QFile::link(outside, place));
    else if (standing == QLatin1String("link to home"))
        QVERIFY(QFile::link(scene.home.path(), place));
    else if (standing == QLatin1String("dangling link"))
        QVERIFY(QFile::link(scene.home.filePath(QStringLiteral("nowhere")), place));
    else
        QVERIFY(writeTextFile(place, "a file named like the package"));

    PackingInputs inputs = scene.inputs();
    inputs.author = QStringLiteral("Upstream");
    inputs.website = QStringLiteral("https://example.org");
    MainWindow window;
    window.show();
    const QString problem = fillPackingForm(window, inputs);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const Texts before = formTexts(window);
    const auto homeBefore = folderSnapshot(scene.home.path());

    const PressOutcome press = pressAnswering(window, "pushButton");
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));
    QCOMPARE(press.boxes.size(), 1);
    QCOMPARE(press.boxes.first().title, QStringLiteral("错误"));
    QCOMPARE(press.boxes.first().text,
             kPackFailed + place + QStringLiteral(" 已经存在，但它不是文件夹～"));
    QVERIFY(showsFormView(window));
    QVERIFY2(formTexts(window) == before,
             qPrintable(snapshotDifference(before, formTexts(window))));
    // Not one file written, changed or removed, the link itself included.
    QVERIFY2(folderSnapshot(scene.home.path()) == homeBefore,
             qPrintable(snapshotDifference(homeBefore, folderSnapshot(scene.home.path()))));
    QCOMPARE(folderSnapshot(outside).size(), 6);
}

void TestPacking::replacesLinksInEarlierBundle_data()
{
    QTest::addColumn<QString>("held"); // what the earlier bundle holds

    QTest::newRow("links where the pack writes") << QStringLiteral("links");
    // Both used to stop the pack: one waiting for a writer for ever, one
    // read until memory ran out.
    QTest::newRow("app.json is a pipe") << QStringLiteral("pipe");
    QTest::newRow("app.json links to /dev/zero") << QStringLiteral("zero");
    // They would show the packager's own paths in the public archive.
    QTest::newRow("links among the packager's files") << QStringLiteral("own links");
    // An app.json too large to read names no package: the earlier package
    // still must not go on into the public archive beside the new one.
    QTest::newRow("app.json over its cap beside an earlier package") << QStringLiteral("oversize");
}

// An earlier bundle folder is input like any other: it may hold links where
// the pack writes its files, a pipe or a device in place of app.json, or
// links among the packager's own files. The pack replaces them, never writes
// through them nor reads them, takes such an app.json for none, and carries
// the packager's files on without a single link.
void TestPacking::replacesLinksInEarlierBundle()
{
    QFETCH(QString, held);

    Scene scene;
    QVERIFY(scene.ready());
    const QString outside = scene.home.filePath(QStringLiteral("outside"));
    const QString bundle = scene.bundle();
    QVERIFY(QDir().mkpath(bundle));
    const QString controlFile = bundle + QStringLiteral("/app.json");
    const QString mine = bundle + QStringLiteral("/mine");
    QMap<QString, QString> mineCarried;
    if (held == QLatin1String("own links")) {
        QVERIFY(writeTextFile(outside + QStringLiteral("/notes.txt"), "local notes"));
        QVERIFY(writeTextFile(bundle + QStringLiteral("/notes.txt"), "my notes"));
        QVERIFY(writeTextFile(mine + QStringLiteral("/keep.txt"), "kept"));
        QVERIFY(QDir().mkpath(mine + QStringLiteral("/deeper")));
        QVERIFY(QFile::link(outside + QStringLiteral("/notes.txt"),
                            bundle + QStringLiteral("/notes link")));
        QVERIFY(QFile::link(outside, bundle + QStringLiteral("/outside link")));
        QVERIFY(QFile::link(outside + QStringLiteral("/notes.txt"),
                            mine + QStringLiteral("/notes link")));
        QVERIFY(QFile::link(outside, mine + QStringLiteral("/deeper/outside link")));
        QVERIFY(QFile::setPermissions(mine, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        mineCarried = folderSnapshot(mine);
        for (const QString &link :
             {QStringLiteral("notes link"), QStringLiteral("deeper/outside link")})
            QVERIFY(mineCarried.remove(link) == 1);
    } else if (held == QLatin1String("links")) {
        for (const char *name : {"hello_1.0_all.deb", "icon.png", "screen_1.png", "app.json"}) {
            const QString target = outside + QLatin1Char('/') + QString::fromLatin1(name);
            QVERIFY(writeTextFile(target, QByteArray("precious ") + name));
            QVERIFY(QFile::link(target, bundle + QLatin1Char('/') + QString::fromLatin1(name)));
        }
    } else if (held == QLatin1String("oversize")) {
        QVERIFY(writeTextFile(outside + QStringLiteral("/notes.txt"), "untouched"));
        QVERIFY(writeTextFile(controlFile, "{\"Filename\":\"hello_0.9_all.deb\",\"More\":\"" +
                                               QByteArray(1 << 20, 'x') + "\"}"));
        QVERIFY(writeTextFile(bundle + QStringLiteral("/hello_0.9_all.deb"), "old package"));
        QVERIFY(!readEarlierBundle(bundle).found);
        QCOMPARE(readEarlierBundle(bundle).oversizeControlFile, controlFile);
    } else {
        QVERIFY(writeTextFile(outside + QStringLiteral("/notes.txt"), "untouched"));
        QVERIFY(makePng(bundle + QStringLiteral("/icon.png"), 64, 64));
        QVERIFY(makePng(bundle + QStringLiteral("/screen_1.png"), 64, 64));
        QVERIFY(held == QLatin1String("pipe")
                    ? ::mkfifo(QFile::encodeName(controlFile).constData(), 0600) == 0
                    : QFile::link(QStringLiteral("/dev/zero"), controlFile));
        QVERIFY(!readEarlierBundle(bundle).found);
    }
    const auto outsideBefore = folderSnapshot(outside);

    MainWindow window;
    window.show();
    const QString problem = fillPackingForm(window, scene.inputs());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const PressOutcome press = pressAnswering(window, "pushButton");
    QVERIFY2(press.problem.isEmpty() && press.boxes.isEmpty(),
             qPrintable(press.problem + boxSummary(press.boxes)));
    QVERIFY(showsResultView(window));

    QVERIFY2(folderSnapshot(outside) == outsideBefore,
             qPrintable(snapshotDifference(outsideBefore, folderSnapshot(outside))));
    QStringList expected = {QStringLiteral("app.json"), QStringLiteral("hello_1.0_all.deb"),
                            QStringLiteral("icon.png"), QStringLiteral("screen_1.png"),
                            QStringLiteral("screen_2.png")};
    if (held == QLatin1String("own links")) {
        expected << QStringLiteral("mine") << QStringLiteral("notes.txt");
        expected.sort();
        QCOMPARE(folderSnapshot(mine), mineCarried);
        QCOMPARE(QFileInfo(mine).permissions() & QFileDevice::WriteOwner,
                 QFileDevice::Permissions());
        QCOMPARE(readAll(bundle + QStringLiteral("/notes.txt")), QByteArray("my notes"));
    }
    QCOMPARE(entriesOf(bundle), expected);
    const auto carried = folderSnapshot(bundle);
    for (auto entry = carried.cbegin(); entry != carried.cend(); ++entry)
        QVERIFY2(!entry.value().startsWith(QLatin1String("link")), qPrintable(entry.key()));
    QCOMPARE(digestOf(bundle + QStringLiteral("/hello_1.0_all.deb")), digestOf(scene.deb));
    QCOMPARE(imageSize(bundle + QStringLiteral("/icon.png")), QSize(128, 64));
    QCOMPARE(imageSize(bundle + QStringLiteral("/screen_1.png")), QSize(400, 225));
    QVERIFY(readAll(controlFile).startsWith("{\n   \"Name\":"));
    QVERIFY(readEarlierBundle(bundle).found);
}

void TestPacking::confinesHostilePackageNames_data()
{
    QTest::addColumn<QString>("pkg");

    for (const char *name : {"-rf", "$(touch x)", "a b", "*", ";rm -rf ~ #", "%1"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void TestPacking::confinesHostilePackageNames()
{
    QFETCH(QString, pkg);

    Scene scene;
    QVERIFY(scene.ready());
    // Decoys that a name cut at blanks, expanded or taken as options would hit.
    for (const char *decoy :
         {"Desktop/a", "Desktop/b", "Desktop/x", "Desktop/keep/f", "a", "b", "x", "y", "keep/f"})
        QVERIFY(writeTextFile(scene.home.filePath(QString::fromLatin1(decoy)), "decoy"));
    const QStringList workingFolderBefore = entriesOf(QDir::currentPath());

    ToolShelf shelf;
    QVERIFY(shelf.remove(QStringLiteral("convert")));
    PackingInputs inputs = scene.inputs();
    inputs.retypePackageName = true;
    inputs.packageName = pkg;
    MainWindow window;
    window.show();
    const QString problem = fillPackingForm(window, inputs);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(formWidget<QLineEdit>(window, "pkgname")->text(), pkg);
    const auto homeBefore = folderSnapshot(scene.home.path());

    // A failed build removes the folder it made, and only that.
    shelf.use();
    PressOutcome press = pressAnswering(window, "pushButton");
    shelf.putBack();
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));
    QCOMPARE(press.boxes.size(), 1);
    QCOMPARE(press.boxes.first().text, kPackFailed + QStringLiteral("convert: 找不到程序"));
    QVERIFY2(folderSnapshot(scene.home.path()) == homeBefore,
             qPrintable(snapshotDifference(homeBefore, folderSnapshot(scene.home.path()))));

    // A good build writes into that one folder only.
    press = pressAnswering(window, "pushButton");
    QVERIFY2(press.problem.isEmpty() && press.boxes.isEmpty(),
             qPrintable(press.problem + boxSummary(press.boxes)));
    QVERIFY(showsResultView(window));
    const QString bundle = scene.bundle(pkg);
    QCOMPARE(entriesOf(bundle),
             (QStringList{QStringLiteral("app.json"), QStringLiteral("hello_1.0_all.deb"),
                          QStringLiteral("icon.png"), QStringLiteral("screen_1.png"),
                          QStringLiteral("screen_2.png")}));
    const auto homeAfter =
        without(folderSnapshot(scene.home.path()), QStringLiteral("Desktop/") + pkg);
    QVERIFY2(homeAfter == homeBefore, qPrintable(snapshotDifference(homeBefore, homeAfter)));
    QCOMPARE(entriesOf(QDir::currentPath()), workingFolderBefore);
}

void TestPacking::refusesWhatIsNoPlainFile_data()
{
    QTest::addColumn<QString>("input"); // which input it stands in for
    QTest::addColumn<bool>("pipe");     // else a folder

    QTest::newRow("package is a pipe") << QStringLiteral("package") << true;
    QTest::newRow("logo is a pipe") << QStringLiteral("logo") << true;
    QTest::newRow("screenshot is a pipe") << QStringLiteral("screenshot") << true;
    QTest::newRow("screenshot is a folder") << QStringLiteral("screenshot") << false;
}

// A pipe would keep a tool (or the preview) waiting for ever and a device
// would be read to its end: no tool is ever given one.
void TestPacking::refusesWhatIsNoPlainFile()
{
    QFETCH(QString, input);
    QFETCH(bool, pipe);

    Scene scene;
    QVERIFY(scene.ready());
    const QString special = scene.home.filePath(
        QStringLiteral("inputs/special.") +
        (input == QLatin1String("package") ? QStringLiteral("deb") : QStringLiteral("png")));
    QVERIFY(pipe ? ::mkfifo(QFile::encodeName(special).constData(), 0600) == 0
                 : QDir().mkpath(special));
    const QString refusal = QStringLiteral("这不是一个普通的文件哦，用不了呢～\n") + special;
    PackingInputs inputs = scene.inputs();
    if (input == QLatin1String("package"))
        inputs.package = special;
    else if (input == QLatin1String("logo"))
        inputs.logo = special;
    else
        inputs.screenshots.insert(1, special);

    MainWindow window;
    window.show();
    const QString problem = fillPackingForm(window, inputs);
    if (input != QLatin1String("screenshot")) {
        // Refused when chosen: the package is not probed, the logo not taken.
        QVERIFY2(problem.contains(QStringLiteral("\"呐！\": ") + refusal), qPrintable(problem));
        if (input == QLatin1String("package"))
            QCOMPARE(formWidget<QLineEdit>(window, "pkgname")->text(), QString());
        const PressOutcome press = pressAnswering(window, "pushButton");
        QCOMPARE(press.boxes.size(), 1);
        QVERIFY(showsFormView(window));
        QCOMPARE(entriesOf(scene.home.desktop()), QStringList());
        return;
    }
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const PressOutcome press = pressAnswering(window, "pushButton");
    QVERIFY2(press.problem.isEmpty(), qPrintable(press.problem));
    QCOMPARE(press.boxes.size(), 1);
    const ModalRecord &box = press.boxes.first();
    QCOMPARE(box.title, QStringLiteral("呐！"));
    QCOMPARE(box.text, refusal);
    QCOMPARE(box.parent, &window);
    QVERIFY(showsFormView(window));
    QCOMPARE(entriesOf(scene.home.desktop()), QStringList());
}

// ---------------------------------------------------------------- the engine

void TestPacking::waitsForPackageLock_data()
{
    QTest::addColumn<bool>("callOff"); // else the other instance finishes

    QTest::newRow("the other pack ends") << false;
    QTest::newRow("called off while waiting") << true;
}

// A second instance packing the same package waits for the first, with its
// event loop running, and can be called off meanwhile.
void TestPacking::waitsForPackageLock()
{
    QFETCH(bool, callOff);

    Scene scene;
    QVERIFY(scene.ready());
    const QString lockName = QStringLiteral(".plinvex-lock-hello");
    const QByteArray lockPath =
        QFile::encodeName(scene.home.desktop() + QLatin1Char('/') + lockName);
    // The other instance, as the engine itself takes the lock.
    const int other = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    QVERIFY(other >= 0);
    QCOMPARE(::flock(other, LOCK_EX), 0);

    PackJob job(engineRequest(scene));
    Job::Step step = Job::Step::Read;
    connect(&job, &Job::progress, &job, [&step](Job::Step now) { step = now; });
    job.start();
    // The pack waits for the lock, having touched nothing yet.
    QCOMPARE(step, Job::Step::Lock);
    QCOMPARE(entriesOf(scene.home.desktop()), QStringList{lockName});
    if (callOff) {
        job.kill();
    } else {
        // Done, the way the engine finishes: the file goes, then the lock.
        ::unlink(lockPath.constData());
        ::close(other);
    }
    QVERIFY(runToEnd(job));
    const BundleOutcome outcome = job.result();
    if (callOff) {
        QCOMPARE(outcome.status, BundleOutcome::Cancelled);
        // The other instance's lock is left alone.
        QCOMPARE(entriesOf(scene.home.desktop()), QStringList{lockName});
        QCOMPARE(::flock(other, LOCK_UN), 0);
        ::close(other);
        return;
    }
    QCOMPARE(outcome.status, BundleOutcome::Built);
    QCOMPARE(entriesOf(scene.home.desktop()), QStringList{QStringLiteral("hello")});
    QVERIFY(QFile::exists(scene.bundle() + QStringLiteral("/app.json")));
}

void TestPacking::killedJobLeavesNothing_data()
{
    QTest::addColumn<QString>("work");
    QTest::addColumn<Job::Step>("step"); // killed as soon as the job tells it is at this step
    const auto name = [](Job::Step step) {
        return QByteArray(QMetaEnum::fromType<Job::Step>().valueToKey(int(step))).toLower();
    };
    for (const Job::Step step :
         {Job::Step::Lock, Job::Step::Build, Job::Step::Carry, Job::Step::Swap})
        QTest::addRow("pack at %s", name(step).constData()) << QStringLiteral("pack") << step;
    for (const Job::Step step : {Job::Step::Lock, Job::Step::Compress})
        QTest::addRow("compression at %s", name(step).constData())
            << QStringLiteral("compress") << step;
}

// A job killed at any of its steps stops there, takes away what it half
// made, and leaves the earlier bundle and archive as they were.
void TestPacking::killedJobLeavesNothing()
{
    QFETCH(QString, work);
    QFETCH(Job::Step, step);
    Scene scene;
    QVERIFY(scene.ready());
    QCOMPARE(assembleBundle(engineRequest(scene)).status, BundleOutcome::Built);
    // Of the packager's own, so a pack has something to carry.
    QVERIFY(writeTextFile(scene.bundle() + QStringLiteral("/notes.txt"), "my notes"));
    QVERIFY(writeTextFile(scene.home.desktop() + QStringLiteral("/hello.tar.gz"), "earlier"));
    const auto before = folderSnapshot(scene.home.desktop());

    std::unique_ptr<Job> job;
    if (work == QLatin1String("pack"))
        job = std::make_unique<PackJob>(engineRequest(scene));
    else
        job = std::make_unique<CompressJob>(scene.home.desktop(), QStringLiteral("hello"));
    bool killed = false;
    connect(job.get(), &Job::progress, job.get(), [&](Job::Step now) {
        if (!killed && now == step) {
            killed = true;
            job->kill();
        }
    });
    QVERIFY(runToEnd(*job));
    QVERIFY(killed);
    if (auto *pack = qobject_cast<PackJob *>(job.get()))
        QCOMPARE(pack->result().status, BundleOutcome::Cancelled);
    else
        QCOMPARE(qobject_cast<CompressJob *>(job.get())->result().status,
                 ArchiveOutcome::Cancelled);
    const auto after = folderSnapshot(scene.home.desktop());
    QVERIFY2(after == before, qPrintable(snapshotDifference(before, after)));
}

void TestPacking::swapsWithoutExchange_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("status"); // of the pack with the fault

    QTest::newRow("re-pack") << QString() << int(BundleOutcome::Built);
    QTest::newRow("killed between the two renames")
        << QStringLiteral("killed") << int(BundleOutcome::Built);
    QTest::newRow("new folder refused its place")
        << QStringLiteral("new refused") << int(BundleOutcome::SwapFailed);
    QTest::newRow("earlier folder refused its way back")
        << QStringLiteral("restore refused") << int(BundleOutcome::SetAside);
}

// Where the file system cannot exchange two names, the earlier bundle is
// moved aside for a moment: it is never lost, never left there, and a
// failure says nothing changed only when that is true.
void TestPacking::swapsWithoutExchange()
{
    QFETCH(QString, fault);
    QFETCH(int, status);

    Scene scene;
    QVERIFY(scene.ready());
    const BundleRequest request = engineRequest(scene);
    QCOMPARE(assembleBundle(request).status, BundleOutcome::Built);
    const QString bundle = scene.bundle();
    // Files of the packager's own, one folder of them read-only.
    QVERIFY(writeTextFile(bundle + QStringLiteral("/notes.txt"), "my notes"));
    QVERIFY(writeTextFile(bundle + QStringLiteral("/mine/keep.txt"), "kept"));
    QVERIFY(QFile::setPermissions(bundle + QStringLiteral("/mine"),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto earlier = folderSnapshot(bundle);

    TwoStepRenames renames;
    TwoStepRenames::refuseNew =
        fault == QLatin1String("new refused") || fault == QLatin1String("restore refused");
    TwoStepRenames::refuseRestore = fault == QLatin1String("restore refused");
    if (fault == QLatin1String("killed")) {
        const QString aside =
            scene.home.desktop() + QStringLiteral("/.plinvex-staging-hello.k1Lled.earlier");
        QVERIFY(QDir().rename(bundle, aside));
    }
    const BundleOutcome outcome = assembleBundle(request);
    QCOMPARE(int(outcome.status), status);
    if (outcome.status == BundleOutcome::SwapFailed) {
        QCOMPARE(folderSnapshot(bundle), earlier);
    } else if (outcome.status == BundleOutcome::SetAside) {
        QVERIFY(!QFileInfo::exists(bundle));
        QCOMPARE(entriesOf(scene.home.desktop()), QStringList{QFileInfo(outcome.path).fileName()});
        QCOMPARE(folderSnapshot(outcome.path), earlier);
        // The next pack of the package puts it back before it begins.
        TwoStepRenames::refuseNew = TwoStepRenames::refuseRestore = false;
        QVERIFY(QFile::remove(scene.shots.last()));
        QCOMPARE(assembleBundle(request).status, BundleOutcome::ToolFailed);
        QCOMPARE(folderSnapshot(bundle), earlier);
    } else {
        QCOMPARE(readAll(bundle + QStringLiteral("/notes.txt")), QByteArray("my notes"));
        QCOMPARE(readAll(bundle + QStringLiteral("/mine/keep.txt")), QByteArray("kept"));
    }
    // Nothing of the program's own stays beside the bundle.
    QCOMPARE(entriesOf(scene.home.desktop()), QStringList{QStringLiteral("hello")});
}

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    TestPacking test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_packing.moc"
