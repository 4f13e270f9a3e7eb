// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/packagefacts.h"
#include "engine/prefilljob.h"
#include "package/confinedreader.h"
#include "package/logocache.h"
#include "package/packagemetadata.h"
#include "package/readerselftest.h"
#include "package/valuechoice.h"
#include "support/foldersnapshot.h"
#include "support/jobrun.h"
#include "support/testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <linux/landlock.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using FileMap = QMap<QString, QByteArray>;
using LinkMap = QMap<QString, QString>;

namespace {

// One confined reading run to its end, as a front end runs it.
PackageMetadata readPackage(const QString &deb, const QStringList &languages)
{
    PackageReadJob reading(deb, languages);
    return runToEnd(reading) ? reading.result() : PackageMetadata();
}

const QString kIcons = QStringLiteral("usr/share/icons/hicolor/");

QString iconPath(int side, const QString &name)
{
    return kIcons + QStringLiteral("%1x%1/apps/%2.png").arg(side).arg(name);
}

QByteArray desktopEntry(const QByteArray &keys)
{
    return "[Desktop Entry]\nType=Application\nExec=true\n" + keys;
}

// An application with everything: AppStream in two languages naming the
// second of two desktop entries, and PNGs whose folder names sort
// differently as texts than as numbers.
FileMap fullApplication()
{
    FileMap files{
        {QStringLiteral("usr/share/metainfo/org.example.Viewer.metainfo.xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<component type=\"desktop-application\">\n"
         "  <id>org.example.Viewer</id>\n"
         "  <name>Picture Viewer</name>\n"
         "  <name xml:lang=\"zh_CN\">看图工具</name>\n"
         "  <summary>Look at pictures</summary>\n"
         "  <summary xml:lang=\"zh_CN\">看看图片</summary>\n"
         "  <developer id=\"org.example\"><name>Example Team</name>"
         "<name xml:lang=\"zh_CN\">示例团队</name></developer>\n"
         "  <url type=\"bugtracker\">https://example.org/bugs</url>\n"
         "  <url type=\"homepage\">https://example.org/viewer</url>\n"
         "  <launchable type=\"desktop-id\">org.example.Viewer.desktop</launchable>\n"
         "  <description>\n"
         "    <p>Shows <em>every</em>\n      picture.</p>\n"
         "    <p xml:lang=\"zh_CN\">显示每一张图片。</p>\n"
         "    <ul><li>Fast</li><li xml:lang=\"zh_CN\">很快</li><li>Small</li>"
         "<li xml:lang=\"zh_CN\">很小</li></ul>\n"
         "  </description>\n"
         "</component>\n"},
        {QStringLiteral("usr/share/applications/aaa-settings.desktop"),
         desktopEntry("Name=Settings\nIcon=settings\n")},
        {QStringLiteral("usr/share/applications/org.example.Viewer.desktop"),
         desktopEntry("Name=Viewer Entry\nIcon=org.example.Viewer\n")},
        {QStringLiteral("DEBIAN/control"),
         "Package: viewer\nVersion: 2.0\nArchitecture: all\nMaintainer: T <t@example.org>\n"
         "Homepage: https://control.example.org\nDescription: control text\n"},
        {iconPath(128, QStringLiteral("settings")), pngBytes(128, 128)},
    };
    for (const int side : {48, 64, 128, 256, 1024})
        files.insert(iconPath(side, QStringLiteral("org.example.Viewer")), pngBytes(side, side));
    return files;
}

FileMap desktopOnly()
{
    return {
        {QStringLiteral("usr/share/applications/a-helper.desktop"),
         desktopEntry("Name=Helper\nNoDisplay=true\nIcon=helper\n")},
        {QStringLiteral("usr/share/applications/viewer.desktop"),
         desktopEntry("Name=Viewer\nName[zh_CN]=看图\nComment=Views\nComment[zh]=看图片\n"
                      "Icon=viewer\n\n[Desktop Action new]\nName[zh_CN]=新窗口\n")},
        {iconPath(48, QStringLiteral("viewer")), pngBytes(48, 48)},
        {iconPath(64, QStringLiteral("viewer")), pngBytes(64, 64)},
        {iconPath(32, QStringLiteral("viewer")), pngBytes(32, 32)},
        {iconPath(128, QStringLiteral("helper")), pngBytes(128, 128)},
        {QStringLiteral("DEBIAN/control"),
         "Package: viewer\nVersion: 2.0\nArchitecture: all\nMaintainer: T <t@example.org>\n"
         "Homepage: https://control.example.org\nDescription: control text\n"},
    };
}

// The viewer of desktopOnly() with `icon` as its only themed icon file.
FileMap viewerWithIcon(const QString &icon, const QByteArray &bytes)
{
    FileMap files = desktopOnly();
    files.remove(iconPath(48, QStringLiteral("viewer")));
    files.remove(iconPath(64, QStringLiteral("viewer")));
    files.remove(iconPath(32, QStringLiteral("viewer")));
    files.insert(icon, bytes);
    return files;
}

// A blue square, and whatever `more` adds to the drawing.
QByteArray svgWith(const QByteArray &more)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"64\" height=\"64\">"
           "<rect width=\"32\" height=\"32\" fill=\"#0000ff\"/>" +
           more + "</svg>";
}

// Sets the size a member of an ar archive claims in its header.
bool setArMemberSize(const QString &path, const QByteArray &member, const QByteArray &size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray bytes = file.readAll();
    qint64 at = 8; // "!<arch>\n"
    while (at + 60 <= bytes.size()) {
        const QByteArray name = bytes.mid(int(at), 16).trimmed();
        const qint64 length = bytes.mid(int(at) + 48, 10).trimmed().toLongLong();
        if (name == member || name == member + '/') {
            file.seek(at + 48);
            return file.write(size.leftJustified(10, ' ')) == 10;
        }
        at += 60 + length + (length % 2);
    }
    return false;
}

// A picture as the old pixmaps folder holds it.
QByteArray xpmBytes(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    QByteArray xpm;
    QBuffer buffer(&xpm);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "XPM");
    return xpm;
}

// Puts a member of `size` bytes that take no room on disk (a hole) after
// debian-binary, the way a package may claim gigabytes it never stored.
bool insertSparseMember(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray bytes = file.readAll();
    constexpr int kAfterBinary = 8 + 60 + 4; // "!<arch>\n", debian-binary's header and "2.0\n"
    const QByteArray header =
        QByteArray("_sparse/").leftJustified(16, ' ') + QByteArray("0").leftJustified(12, ' ') +
        QByteArray("0").leftJustified(6, ' ') + QByteArray("0").leftJustified(6, ' ') +
        QByteArray("100644").leftJustified(8, ' ') +
        QByteArray::number(size).leftJustified(10, ' ') + "`\n";
    return bytes.size() > kAfterBinary && file.seek(kAfterBinary) &&
           file.write(header) == header.size() && file.seek(kAfterBinary + 60 + size) &&
           file.write(bytes.mid(kAfterBinary)) == bytes.size() - kAfterBinary;
}

// The private pictures are magenta, a colour no icon of these tests has.
bool hasPrivatePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() > 0 && colour.red() > 128 && colour.blue() > 128 &&
                colour.green() < 64)
                return true;
        }
    }
    return false;
}

QByteArray withPadding(QByteArray contents, int size)
{
    contents.append(QByteArray(size - contents.size(), '\n'));
    return contents;
}

// The share of the image, in percent, that is not fully transparent.
int opaqueShare(const QImage &image)
{
    qint64 opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            opaque += image.pixelColor(x, y).alpha() > 0 ? 1 : 0;
    }
    const qint64 all = qint64(image.width()) * image.height();
    return all > 0 ? int(opaque * 100 / all) : 0;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffU;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320U & (0U - (crc & 1U)));
    }
    return ~crc;
}

// A real PNG with a private chunk of 64 KiB of zeros after its header: a
// tar that keeps holes stores those zeros as a hole.
QByteArray pngWithZeros(int side)
{
    QByteArray png = pngBytes(side, side);
    const QByteArray typeAndData = "zeRo" + QByteArray(64 * 1024, '\0');
    QByteArray chunk = QByteArray::fromHex("00010000") + typeAndData;
    const quint32 crc = crc32(typeAndData);
    for (const int shift : {24, 16, 8, 0})
        chunk.append(char((crc >> shift) & 0xffU));
    png.insert(8 + 25, chunk); // after the signature and IHDR
    return png;
}

// Runs a program in `folder` to its successful end.
bool runIn(const QString &folder, const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Writes `contents` to `path` with each 4 KiB block of zeros left a hole,
// where the file system keeps holes.
bool writeWithHoles(const QString &path, const QByteArray &contents)
{
    constexpr int kBlock = 4096;
    if (!writeTextFile(path, {}))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray zeros(kBlock, '\0');
    for (int at = 0; at < contents.size(); at += kBlock) {
        const QByteArray block = contents.mid(at, kBlock);
        if (block != zeros && (!file.seek(at) || file.write(block) != block.size()))
            return false;
    }
    return file.resize(contents.size());
}

// Makes the package's data member a plain tar of `files` written as sparse
// files, each run of zeros a hole in the tar too.
bool makeDataSparse(const QString &deb, const FileMap &files)
{
    const QTemporaryDir work;
    const QString tree = work.filePath(QStringLiteral("tree"));
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        if (!it.key().startsWith(QLatin1String("DEBIAN/")) &&
            !writeWithHoles(tree + QLatin1Char('/') + it.key(), it.value()))
            return false;
    }
    const QString members = work.path();
    if (!runIn(members, QStringLiteral("ar"), {QStringLiteral("x"), deb}) ||
        !runIn(members, QStringLiteral("tar"),
               {QStringLiteral("--create"), QStringLiteral("--format=gnu"),
                QStringLiteral("--sparse"), QStringLiteral("--owner=0"),
                QStringLiteral("--group=0"), QStringLiteral("--file=data.tar"),
                QStringLiteral("--directory=") + tree, QStringLiteral(".")}))
        return false;
    const QString control =
        QDir(members).entryList({QStringLiteral("control.tar*")}, QDir::Files).value(0);
    return !control.isEmpty() && QFile::remove(deb) &&
           runIn(members, QStringLiteral("ar"),
                 {QStringLiteral("rc"), deb, QStringLiteral("debian-binary"), control,
                  QStringLiteral("data.tar")});
}

// The text files of a package that hold a NUL byte, sorted.
QStringList textsWithNul(const FileMap &files)
{
    QStringList found;
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        const bool text = it.key() == QLatin1String("DEBIAN/control") ||
                          it.key().endsWith(QLatin1String(".desktop")) ||
                          it.key().endsWith(QLatin1String(".xml"));
        if (text && it.value().contains('\0'))
            found.append(it.key());
    }
    found.sort();
    return found;
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsMetadata_data();
    void readsMetadata();
    void resistsHostilePackages_data();
    void resistsHostilePackages();
    void callingOffEndsTheReader();
    void selfTestSeesEveryWayOutRefused();
    void choosesValues_data();
    void choosesValues();

private:
    QTemporaryDir outside; // what the hostile links aim at on this system
};

void TestPackage::initTestCase()
{
    QVERIFY(outside.isValid());
    QVERIFY(makePng(outside.filePath(QStringLiteral("outside.png")), 512, 512));
    // The cache folder must lie in the temporary home of each row.
    qunsetenv("XDG_CACHE_HOME");
}

void TestPackage::readsMetadata_data()
{
    QTest::addColumn<FileMap>("files");
    QTest::addColumn<LinkMap>("links");
    QTest::addColumn<QString>("compression");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("homepage");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QStringList>("sources"); // name, author, homepage, description, logo
    QTest::addColumn<int>("logoSide");

    const QString appstream = QStringLiteral("appstream");
    const QString desktop = QStringLiteral("desktop-entry");
    const QString control = QStringLiteral("control");

    QTest::newRow("AppStream, Chinese UI, gzip")
        << fullApplication() << LinkMap() << QStringLiteral("gzip") << false
        << QStringLiteral("看图工具") << QStringLiteral("示例团队")
        << QStringLiteral("https://example.org/viewer")
        << QStringLiteral("看看图片。\n显示每一张图片。\n• 很快\n• 很小")
        << QStringList{appstream, appstream, appstream, appstream, desktop} << 128;
    QTest::newRow("AppStream, English UI, xz")
        << fullApplication() << LinkMap() << QStringLiteral("xz") << true
        << QStringLiteral("Picture Viewer") << QStringLiteral("Example Team")
        << QStringLiteral("https://example.org/viewer")
        << QStringLiteral("Look at pictures.\nShows every picture.\n• Fast\n• Small")
        << QStringList{appstream, appstream, appstream, appstream, desktop} << 128;
    QTest::newRow("desktop entry only, zstd")
        << desktopOnly() << LinkMap() << QStringLiteral("zstd") << false << QStringLiteral("看图")
        << QStringLiteral("") << QStringLiteral("https://control.example.org")
        << QStringLiteral("看图片")
        << QStringList{desktop, QStringLiteral(""), control, desktop, desktop} << 64;
    QTest::newRow("no application: control only, xz")
        << FileMap{{QStringLiteral("DEBIAN/control"),
                    "Package: tool\nVersion: 1\nArchitecture: all\nMaintainer: T <t@example.org>\n"
                    "Homepage: https://tool.example.org\n"
                    "Description: does things\n first line\n .\n   indented\n"}}
        << LinkMap() << QStringLiteral("xz") << false << QStringLiteral("") << QStringLiteral("")
        << QStringLiteral("https://tool.example.org")
        << QStringLiteral("does things.\nfirst line\n\n  indented")
        << QStringList{QStringLiteral(""), QStringLiteral(""), control, control, QStringLiteral("")}
        << 0;

    // No AppStream, no entry named for the package: the settings panel
    // sorts first, the application is taken; its comment leads the
    // control file's extended description.
    const QByteArray controlText =
        "Package: viewer\nVersion: 2.0\nArchitecture: all\nMaintainer: T <t@example.org>\n"
        "Description: control text\n Views pictures of\n many kinds.\n";
    QTest::newRow("settings entry sorts first, comment and control text")
        << FileMap{{QStringLiteral("usr/share/applications/tool-settings.desktop"),
                    desktopEntry("Name=Tool Settings\nCategories=GTK;Settings;\n")},
                   {QStringLiteral("usr/share/applications/tool.desktop"),
                    desktopEntry("Name=Tool\nComment=A tool\n")},
                   {QStringLiteral("DEBIAN/control"), controlText}}
        << LinkMap() << QStringLiteral("xz") << true << QStringLiteral("Tool") << QStringLiteral("")
        << QStringLiteral("") << QStringLiteral("A tool.\nViews pictures of\nmany kinds.")
        << QStringList{desktop, QStringLiteral(""), QStringLiteral(""), desktop, QStringLiteral("")}
        << 0;
    QTest::newRow("entry that starts the package's program")
        << FileMap{{QStringLiteral("usr/share/applications/a-other.desktop"),
                    desktopEntry("Name=Other\n")},
                   {QStringLiteral("usr/share/applications/z.desktop"),
                    QByteArray("[Desktop Entry]\nType=Application\nName=Mine\n"
                               "Exec=/usr/bin/viewer %f\n")},
                   {QStringLiteral("DEBIAN/control"), controlText}}
        << LinkMap() << QStringLiteral("xz") << true << QStringLiteral("Mine") << QStringLiteral("")
        << QStringLiteral("") << QStringLiteral("control text.\nViews pictures of\nmany kinds.")
        << QStringList{desktop, QStringLiteral(""), QStringLiteral(""), control, QStringLiteral("")}
        << 0;

    // The icon lives in a companion beside the package, which depends on it;
    // files under "companion/" make that package.
    QTest::newRow("icon in a companion package beside it")
        << FileMap{{QStringLiteral("usr/share/applications/viewer.desktop"),
                    desktopEntry("Name=Viewer\nIcon=viewer\n")},
                   {QStringLiteral("DEBIAN/control"),
                    "Package: viewer\nVersion: 2.0\nArchitecture: all\nMaintainer: T <t@x.org>\n"
                    "Depends: libc6 (>= 2.36), viewer-data (= 2.0)\nDescription: control text\n"},
                   {QStringLiteral("companion/") + iconPath(256, QStringLiteral("viewer")),
                    pngBytes(256, 256)}}
        << LinkMap() << QStringLiteral("xz") << true << QStringLiteral("Viewer")
        << QStringLiteral("") << QStringLiteral("") << QStringLiteral("control text")
        << QStringList{desktop, QStringLiteral(""), QStringLiteral(""), control,
                       QStringLiteral("companion-package")}
        << 256;

    // A configuration tool hides its own entry from menus; it is still the
    // one that runs the package, not the visible viewer beside it.
    QTest::newRow("hidden entry that starts the package's program")
        << FileMap{{QStringLiteral("usr/share/applications/a-layout.desktop"),
                    desktopEntry("Name=Layout Viewer\n")},
                   {QStringLiteral("usr/share/applications/org.example.config.desktop"),
                    QByteArray("[Desktop Entry]\nType=Application\nName=Configure\n"
                               "NoDisplay=true\nExec=viewer\n")},
                   {QStringLiteral("DEBIAN/control"), controlText}}
        << LinkMap() << QStringLiteral("xz") << true << QStringLiteral("Configure")
        << QStringLiteral("") << QStringLiteral("")
        << QStringLiteral("control text.\nViews pictures of\nmany kinds.")
        << QStringList{desktop, QStringLiteral(""), QStringLiteral(""), control, QStringLiteral("")}
        << 0;
    // A Chinese comment that ends in a Latin full stop ends in the Chinese one.
    QTest::newRow("Chinese comment over the control text")
        << FileMap{{QStringLiteral("usr/share/applications/viewer.desktop"),
                    desktopEntry("Name=Viewer\nComment=A viewer\n"
                                 "Comment[zh_CN]=使用 GTK 的看图 IDE.\n")},
                   {QStringLiteral("DEBIAN/control"), controlText}}
        << LinkMap() << QStringLiteral("xz") << false << QStringLiteral("Viewer")
        << QStringLiteral("") << QStringLiteral("")
        << QStringLiteral("使用 GTK 的看图 IDE。\nViews pictures of\nmany kinds.")
        << QStringList{desktop, QStringLiteral(""), QStringLiteral(""), desktop, QStringLiteral("")}
        << 0;
    // Paragraphs without a translation stand as written, in their place.
    QTest::newRow("AppStream translated in part")
        << FileMap{{QStringLiteral("usr/share/metainfo/viewer.metainfo.xml"),
                    "<component type=\"desktop-application\"><id>viewer</id><name>Viewer</name>"
                    "<summary>Looks at pictures</summary>"
                    "<summary xml:lang=\"zh_CN\">看图片</summary><description>"
                    "<p>One.</p><p xml:lang=\"zh_CN\">一。</p><p>Two.</p>"
                    "<ul><li>Fast</li><li>Small</li><li xml:lang=\"zh_CN\">很小</li></ul>"
                    "</description></component>"},
                   {QStringLiteral("DEBIAN/control"), controlText}}
        << LinkMap() << QStringLiteral("xz") << false << QStringLiteral("Viewer")
        << QStringLiteral("") << QStringLiteral("")
        << QStringLiteral("看图片。\n一。\nTwo.\n• Fast\n• 很小")
        << QStringList{appstream, QStringLiteral(""), QStringLiteral(""), appstream,
                       QStringLiteral("")}
        << 0;
    // The AppStream file lies in the -data package and names the entry.
    QTest::newRow("AppStream in a companion package beside it")
        << FileMap{{QStringLiteral("usr/share/applications/org.example.Viewer.desktop"),
                    desktopEntry("Name=Entry Name\nComment=Entry comment\n")},
                   {QStringLiteral("DEBIAN/control"),
                    "Package: viewer\nVersion: 2.0\nArchitecture: all\nMaintainer: T <t@x.org>\n"
                    "Depends: viewer-data (= 2.0)\nHomepage: https://old.example.org\n"
                    "Description: control text\n"},
                   {QStringLiteral("companion/usr/share/metainfo/org.example.Viewer.appdata.xml"),
                    "<component type=\"desktop-application\"><id>org.example.Viewer</id>"
                    "<name>Viewer</name><name xml:lang=\"zh_CN\">看图</name>"
                    "<url type=\"homepage\">https://new.example.org</url>"
                    "<summary>Looks at pictures</summary>"
                    "<launchable type=\"desktop-id\">org.example.Viewer.desktop</launchable>"
                    "</component>"}}
        << LinkMap() << QStringLiteral("xz") << false << QStringLiteral("看图")
        << QStringLiteral("") << QStringLiteral("https://new.example.org")
        << QStringLiteral("Looks at pictures")
        << QStringList{QStringLiteral("companion-package"), QStringLiteral(""),
                       QStringLiteral("companion-package"), QStringLiteral("companion-package"),
                       QStringLiteral("")}
        << 0;
    // Drawn without its text, the SVG is empty: the sized XPM is taken.
    QTest::newRow("invisible SVG passed over for the pixmap")
        << FileMap{{QStringLiteral("usr/share/applications/viewer.desktop"),
                    desktopEntry("Name=Viewer\nIcon=mini.viewer\n")},
                   {kIcons + QStringLiteral("scalable/apps/mini.viewer.svg"),
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\">"
                    "<text x=\"2\" y=\"30\" font-size=\"30\">V</text></svg>"},
                   {QStringLiteral("usr/share/pixmaps/mini.viewer_32x32.xpm"), xpmBytes(32)},
                   {QStringLiteral("usr/share/pixmaps/mini.viewer_48x48.xpm"), xpmBytes(48)},
                   {QStringLiteral("DEBIAN/control"), controlText}}
        << LinkMap() << QStringLiteral("xz") << true << QStringLiteral("Viewer")
        << QStringLiteral("") << QStringLiteral("")
        << QStringLiteral("control text.\nViews pictures of\nmany kinds.")
        << QStringList{desktop, QStringLiteral(""), QStringLiteral(""), control, desktop} << 48;
    // The icon is only in a theme of its own in the companion, laid out as
    // "apps/<size>"; the package's own 48 px icon is coarser.
    QTest::newRow("icon in another theme of a companion")
        << FileMap{{QStringLiteral("usr/share/applications/viewer.desktop"),
                    desktopEntry("Name=Viewer\nIcon=utilities-viewer\n")},
                   {QStringLiteral("usr/share/icons/Adwaita/48x48/legacy/utilities-viewer.png"),
                    pngBytes(48, 48)},
                   {QStringLiteral("DEBIAN/control"),
                    "Package: viewer\nVersion: 2.0\nArchitecture: all\nMaintainer: T <t@x.org>\n"
                    "Recommends: viewer-data\nDescription: control text\n"},
                   {QStringLiteral("companion/usr/share/icons/breeze/apps/16/utilities-viewer.svg"),
                    svgWith("")},
                   {QStringLiteral("companion/usr/share/icons/breeze/apps/48/utilities-viewer.svg"),
                    svgWith("<rect width=\"64\" height=\"64\" fill=\"#00ff00\"/>")}}
        << LinkMap() << QStringLiteral("xz") << true << QStringLiteral("Viewer")
        << QStringLiteral("") << QStringLiteral("") << QStringLiteral("control text")
        << QStringList{desktop, QStringLiteral(""), QStringLiteral(""), control,
                       QStringLiteral("companion-package")}
        << 256;
    // The hint names the packages that may hold the icon, not the one
    // already beside it.
    QTest::newRow("icon nowhere, its companion beside it")
        << FileMap{{QStringLiteral("usr/share/applications/viewer.desktop"),
                    desktopEntry("Name=Viewer\nIcon=viewer\n")},
                   {QStringLiteral("DEBIAN/control"),
                    "Package: viewer\nVersion: 2.0\nArchitecture: all\nMaintainer: T <t@x.org>\n"
                    "Depends: viewer-data, viewer-icons\nDescription: control text\n"},
                   {QStringLiteral("companion/usr/share/viewer/readme"), "nothing\n"}}
        << LinkMap() << QStringLiteral("xz") << true << QStringLiteral("Viewer")
        << QStringLiteral("") << QStringLiteral("") << QStringLiteral("control text")
        << QStringList{desktop, QStringLiteral(""), QStringLiteral(""), control, QStringLiteral("")}
        << 0;

    FileMap svgOnly = desktopOnly();
    svgOnly.remove(iconPath(48, QStringLiteral("viewer")));
    svgOnly.remove(iconPath(64, QStringLiteral("viewer")));
    svgOnly.insert(kIcons + QStringLiteral("scalable/apps/viewer.svg"),
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
                   "<rect width=\"16\" height=\"16\" fill=\"#3060c0\"/>"
                   "<text x=\"2\" y=\"12\" font-size=\"10\">V</text></svg>");
    QTest::newRow("SVG icon rendered, gzip")
        << svgOnly << LinkMap() << QStringLiteral("gzip") << false << QStringLiteral("看图")
        << QStringLiteral("") << QStringLiteral("https://control.example.org")
        << QStringLiteral("看图片")
        << QStringList{desktop, QStringLiteral(""), control, desktop, desktop} << 256;

    // The icon and the desktop entry are links to files outside the folders
    // read at first, one relative and one absolute within the package.
    FileMap linked = desktopOnly();
    linked.remove(QStringLiteral("usr/share/applications/viewer.desktop"));
    linked.insert(QStringLiteral("usr/share/viewer/viewer.desktop"),
                  desktopEntry("Name=Linked\nIcon=viewer\n"));
    linked.insert(QStringLiteral("usr/lib/viewer/icon.png"), pngBytes(200, 200));
    QTest::newRow("symlinked icon and entry, xz")
        << linked
        << LinkMap{{iconPath(128, QStringLiteral("viewer")),
                    QStringLiteral("../../../../../lib/viewer/icon.png")},
                   {QStringLiteral("usr/share/applications/viewer.desktop"),
                    QStringLiteral("/usr/share/viewer/viewer.desktop")}}
        << QStringLiteral("xz") << false << QStringLiteral("Linked") << QStringLiteral("")
        << QStringLiteral("https://control.example.org") << QStringLiteral("control text")
        << QStringList{desktop, QStringLiteral(""), control, control, desktop} << 200;
}

void TestPackage::readsMetadata()
{
    QFETCH(FileMap, files);
    QFETCH(LinkMap, links);
    QFETCH(QString, compression);
    QFETCH(bool, english);
    QFETCH(QStringList, sources);
    QFETCH(int, logoSide);

    const TemporaryHome home;
    const QString debDir = home.filePath(QStringLiteral("Downloads"));
    FileMap companion;
    for (const QString &path : files.keys()) {
        if (path.startsWith(QLatin1String("companion/")))
            companion.insert(path.mid(10), files.take(path));
    }
    if (!companion.isEmpty())
        QVERIFY(!makeDeb(debPathIn(debDir, QStringLiteral("viewer-data"), QStringLiteral("2.0")),
                         QStringLiteral("viewer-data"), QStringLiteral("2.0"), companion)
                     .isEmpty());
    QString deb =
        makeDeb(debPathIn(debDir, QStringLiteral("viewer"), QStringLiteral("2.0")),
                QStringLiteral("viewer"), QStringLiteral("2.0"), files, compression, links);
    QVERIFY(!deb.isEmpty());
    const QMap<QString, QString> before = folderSnapshot(home.path());

    const PackageMetadata metadata = readPackage(deb, metadataLanguages(english));
    QCOMPARE(metadata.readerProblem, ReaderProblem::None);
    QVERIFY(metadata.readable);
    QCOMPARE(metadata.guessedEntry.isEmpty(),
             !QTest::currentDataTag() ||
                 !QByteArray(QTest::currentDataTag()).startsWith("settings"));
    QTEST(metadata.name.value, "name");
    QTEST(metadata.author.value, "author");
    QTEST(metadata.homepage.value, "homepage");
    QTEST(metadata.description.value, "description");
    const QStringList found{
        valueSourceName(metadata.name.source), valueSourceName(metadata.author.source),
        valueSourceName(metadata.homepage.source), valueSourceName(metadata.description.source),
        valueSourceName(metadata.logoSource)};
    QCOMPARE(found, sources);
    const QByteArray tag(QTest::currentDataTag());
    QCOMPARE(metadata.application, !tag.startsWith("no application"));
    const PackageFacts facts = packageFacts(deb, metadata, EarlierBundle());
    QCOMPARE(facts.notApplication, tag.startsWith("no application"));
    if (tag.startsWith("icon nowhere"))
        QCOMPARE(facts.iconCompanions, QStringList{QStringLiteral("viewer-icons")});
    // A logo taken shows something: at least 5% of it is opaque.
    const QImage taken =
        QImage::fromData(metadata.logoPng, "PNG").convertToFormat(QImage::Format_ARGB32);
    qint64 opaque = 0;
    for (int y = 0; y < taken.height(); ++y) {
        for (int x = 0; x < taken.width(); ++x)
            opaque += qAlpha(taken.pixel(x, y)) >= 128 ? 1 : 0;
    }
    QVERIFY(opaque * 100 >= qint64(taken.width()) * taken.height() * 5);

    const QString cached = cacheLogo(metadata.package, metadata.logoPng);
    QCOMPARE(cached.isEmpty(), logoSide == 0);
    // Reading leaves no file behind but the one cached logo.
    QMap<QString, QString> after = folderSnapshot(home.path());
    if (logoSide) {
        const QString cacheDir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QCOMPARE(cached, cacheDir + QStringLiteral("/viewer.png"));
        const QImage logo(cached, "PNG");
        QCOMPARE(logo.size(), QSize(logoSide, logoSide));
        after.remove(QDir(home.path()).relativeFilePath(cached));
        after = without(after, QStringLiteral(".cache"));
        after.insert(QStringLiteral(".cache"), before.value(QStringLiteral(".cache")));
        if (!before.contains(QStringLiteral(".cache")))
            after.remove(QStringLiteral(".cache"));
    }
    QVERIFY2(after == before, qPrintable(snapshotDifference(before, after)));
}

void TestPackage::choosesValues_data()
{
    QTest::addColumn<QByteArray>("appJson"); // empty: no earlier bundle
    QTest::addColumn<QStringList>("bundleFiles");
    QTest::addColumn<QString>("givenName");
    QTest::addColumn<QStringList>("expected"); // value@source for name, author, contributor, logo
    QTest::addColumn<QStringList>("screenshots");

    const QByteArray appJson = "{\n   \"Name\":\"Old Name\",\n   \"Author\":\" \",\n"
                               "   \"Contributor\":\"packer\",\n   \"Website\":\" \",\n"
                               "   \"More\":\"old text\"\n}\n";
    const QStringList shots{QStringLiteral("screen_10.png"), QStringLiteral("screen_2.png"),
                            QStringLiteral("screen_1.png"),  QStringLiteral("screen_x.png"),
                            QStringLiteral("screen_01.png"), QStringLiteral("screen_0.png"),
                            QStringLiteral("icon.png")};
    QTest::newRow("earlier bundle before the package, blank as not given")
        << appJson << shots << QStringLiteral("")
        << QStringList{QStringLiteral("Old Name@earlier-bundle"),
                       QStringLiteral("Meta Author@appstream"),
                       QStringLiteral("packer@earlier-bundle"),
                       QStringLiteral("icon.png@earlier-bundle")}
        << QStringList{QStringLiteral("screen_1.png"), QStringLiteral("screen_2.png"),
                       QStringLiteral("screen_10.png")};
    QTest::newRow("given before the earlier bundle")
        << appJson << shots << QStringLiteral("Typed")
        << QStringList{QStringLiteral("Typed@given"), QStringLiteral("Meta Author@appstream"),
                       QStringLiteral("packer@earlier-bundle"),
                       QStringLiteral("icon.png@earlier-bundle")}
        << QStringList{QStringLiteral("screen_1.png"), QStringLiteral("screen_2.png"),
                       QStringLiteral("screen_10.png")};
    QTest::newRow("earlier app.json that does not parse")
        << QByteArray("{\"Name\":") << shots << QStringLiteral("")
        << QStringList{QStringLiteral("Meta Name@appstream"),
                       QStringLiteral("Meta Author@appstream"), QStringLiteral("@"),
                       QStringLiteral("viewer.png@desktop-entry")}
        << QStringList();
}

void TestPackage::choosesValues()
{
    QFETCH(QByteArray, appJson);
    QFETCH(QStringList, bundleFiles);
    QFETCH(QString, givenName);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, screenshots);

    QTemporaryDir bundleDir;
    QVERIFY(writeTextFile(bundleDir.filePath(QStringLiteral("app.json")), appJson));
    for (const QString &name : bundleFiles)
        QVERIFY(makePng(bundleDir.filePath(name), 8, 8));

    PackageMetadata metadata;
    metadata.readable = true;
    metadata.package = QStringLiteral("viewer");
    metadata.name = {QStringLiteral("Meta Name"), ValueSource::AppStream};
    metadata.author = {QStringLiteral("Meta Author"), ValueSource::AppStream};
    metadata.logoSource = ValueSource::DesktopEntry;
    metadata.version = QStringLiteral("2.0");
    SubmissionValues given;
    given.name.value = givenName;

    const SubmissionValues values = chooseValues(given, readEarlierBundle(bundleDir.path()),
                                                 metadata, QStringLiteral("/cache/viewer.png"));
    const auto shown = [](const SourcedText &text) {
        return QFileInfo(text.value).fileName() + QLatin1Char('@') + valueSourceName(text.source);
    };
    QCOMPARE((QStringList{shown(values.name), shown(values.author), shown(values.contributor),
                          shown(values.logo)}),
             expected);
    QCOMPARE(values.pkgName.source, ValueSource::Control);
    QCOMPARE(values.version.value, QStringLiteral("2.0"));
    QStringList shotNames;
    for (const QString &path : values.screenshots)
        shotNames.append(QFileInfo(path).fileName());
    QCOMPARE(shotNames, screenshots);
}

// Packages written to harm whoever reads them: each reading ends with
// nothing or with the package's honest values, never with a private file's
// pixels, never with a crash. "HOME" in a row stands for the test's home,
// which holds private.png, a magenta square no logo may show.
void TestPackage::resistsHostilePackages_data()
{
    QTest::addColumn<FileMap>("files");
    QTest::addColumn<LinkMap>("links");
    // "", "truncate", "no-package", "lying-size", "sparse" (a sparse member after
    // debian-binary), "sparse-data" (data.tar's zeros stored as holes); "pipe-control" or
    // "sparse-control" for a control member that is a pipe or a sparse 4 GiB file;
    // "companion-link" for a sibling companion that is a link to a private package;
    // "many-siblings" for 20000 siblings.
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("logoSide"); // 0: none
    QTest::addColumn<bool>("corrupt");

    const QString scalable = kIcons + QStringLiteral("scalable/apps/viewer.svg");
    const QString png256 = iconPath(256, QStringLiteral("viewer"));
    const QByteArray privateImages =
        "<image width=\"64\" height=\"64\" xlink:href=\"HOME/private.png\"/>"
        "<image width=\"64\" height=\"64\" href=\"private.png\"/>"
        "<image width=\"64\" height=\"64\" xlink:href=\"/dev/stdin\"/>"
        "<use xlink:href=\"HOME/private.svg#red\"/>"
        "<rect width=\"64\" height=\"64\" style=\"fill:url(HOME/private.svg#red)\"/>";
    QTest::newRow("SVG drawing the home folder's files")
        << viewerWithIcon(scalable, svgWith(privateImages)) << LinkMap() << QString()
        << QStringLiteral("看图") << 256 << false;
    QTest::newRow("SVG with text and private images under a .png name")
        << viewerWithIcon(png256, svgWith(privateImages + "<text x=\"2\" y=\"9\">V</text>"))
        << LinkMap() << QString() << QStringLiteral("看图") << 256 << false;

    QByteArray giantPng = pngBytes(1, 1);
    giantPng.replace(16, 8, QByteArray::fromHex("00004e2000004e20")); // 20000 x 20000
    QTest::newRow("SVG embedding a PNG of 20000 x 20000")
        << viewerWithIcon(scalable, svgWith("<image width=\"64\" height=\"64\" "
                                            "xlink:href=\"data:image/png;base64," +
                                            giantPng.toBase64() + "\"/>"))
        << LinkMap() << QString() << QStringLiteral("看图") << 256 << false;
    QTest::newRow("SVG of 30000 elements")
        << viewerWithIcon(scalable, svgWith(QByteArray("<path d=\"M0 0h1v1z\"/>").repeated(30000)))
        << LinkMap() << QString() << QStringLiteral("看图") << 0 << false;
    // Drawn only through references within the file: a gradient whose stops
    // are another's and an embedded PNG placed by <use>, each a fifth of
    // the canvas, together more than the quarter every logo here shows.
    const QByteArray drawnByReference =
        "<defs><linearGradient id=\"stops\"><stop offset=\"0\" stop-color=\"#00c000\"/>"
        "<stop offset=\"1\" stop-color=\"#006000\"/></linearGradient>"
        "<linearGradient id=\"fade\" xlink:href=\"#stops\"/>"
        "<image id=\"picture\" width=\"64\" height=\"13\" xlink:href=\"data:image/png;base64," +
        pngBytes(64, 13).toBase64() +
        "\"/></defs>"
        "<rect width=\"64\" height=\"13\" style=\"fill:url(#fade)\"/>"
        "<use y=\"32\" xlink:href=\"#picture\"/>";
    QTest::newRow("SVG drawn by references within itself")
        << viewerWithIcon(scalable, "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                    "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"64\" "
                                    "height=\"64\">" +
                                        drawnByReference + "</svg>")
        << LinkMap() << QString() << QStringLiteral("看图") << 256 << false;
    QTest::newRow("gzip data under a .png name")
        << viewerWithIcon(png256, QByteArray("\x1f\x8b\x08\x00", 4) + QByteArray(64, 'x'))
        << LinkMap() << QString() << QStringLiteral("看图") << 0 << false;

    // The ICO decoder is never used, so the next icon, 64 px, is the logo.
    FileMap ico = desktopOnly();
    QByteArray icoBytes("\x00\x00\x01\x00\x01\x00\x00\x00\x00\x00\x01\x00\x20\x00", 14);
    const QByteArray inner = pngBytes(300, 300);
    icoBytes += QByteArray::fromHex("00000000") + QByteArray(1, char(inner.size() & 0xff)) +
                QByteArray(1, char((inner.size() >> 8) & 0xff)) + QByteArray(2, '\0') +
                QByteArray::fromHex("16000000") + inner;
    ico.insert(png256, icoBytes);
    QTest::newRow("ICO under a .png name")
        << ico << LinkMap() << QString() << QStringLiteral("看图") << 64 << false;

    FileMap deepLists = desktopOnly();
    deepLists.insert(QStringLiteral("usr/share/metainfo/viewer.metainfo.xml"),
                     "<component type=\"desktop-application\"><name>Deep</name>"
                     "<launchable type=\"desktop-id\">viewer.desktop</launchable><description>" +
                         QByteArray("<ul>").repeated(60000) + QByteArray("</ul>").repeated(60000) +
                         "</description></component>");
    QTest::newRow("60000 nested lists in AppStream")
        << deepLists << LinkMap() << QString() << QStringLiteral("看图") << 64 << false;

    // Every one drawn transparent: each is passed over, and only so many
    // are decoded at all, so the reading ends in its time with the 64 px icon.
    FileMap emptyThemes = desktopOnly();
    QImage clear(1024, 1024, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QByteArray clearPng;
    QBuffer clearBuffer(&clearPng);
    clearBuffer.open(QIODevice::WriteOnly);
    clear.save(&clearBuffer, "PNG");
    for (int i = 0; i < 400; ++i)
        emptyThemes.insert(QStringLiteral("usr/share/icons/t%1/256x256/apps/viewer.png").arg(i),
                           clearPng);
    QTest::newRow("400 themes of transparent icons")
        << emptyThemes << LinkMap() << QString() << QStringLiteral("看图") << 64 << false;

    FileMap manyEntries = desktopOnly();
    for (int i = 0; i < 20000; ++i)
        manyEntries.insert(QStringLiteral("usr/share/applications/e%1.desktop").arg(i), "");
    QTest::newRow("20000 empty desktop entries")
        << manyEntries << LinkMap() << QString() << QStringLiteral("看图") << 64 << false;

    // Links that leave the package or go round count as missing, so the
    // 64 px icon is the one left; following them on this system would
    // give the 512 px outside.png.
    QTest::newRow("links out of the package and round")
        << desktopOnly()
        << LinkMap{{iconPath(128, QStringLiteral("viewer")), QStringLiteral("OUTSIDE")},
                   {iconPath(256, QStringLiteral("viewer")),
                    QStringLiteral("../../../../../../../..OUTSIDE")},
                   {iconPath(512, QStringLiteral("viewer")),
                    QStringLiteral("../1024x1024/apps/viewer.png")},
                   {iconPath(1024, QStringLiteral("viewer")),
                    QStringLiteral("../512x512/apps/viewer.png")}}
        << QString() << QStringLiteral("看图") << 64 << false;

    // dpkg reads control files of any size; 2 MiB of description is no fault.
    FileMap largeControl = desktopOnly();
    largeControl.insert(QStringLiteral("DEBIAN/control"),
                        "Package: viewer\nVersion: 2.0\nArchitecture: all\n"
                        "Maintainer: T <t@example.org>\nDescription: large\n" +
                            QByteArray(" " + QByteArray(70, 'x') + "\n").repeated(30000));
    QTest::newRow("control file of 2 MiB")
        << largeControl << LinkMap() << QString() << QStringLiteral("看图") << 64 << false;

    // A NUL neither ends the entry (its name and icon follow it) nor goes unsaid.
    FileMap nul = desktopOnly();
    nul.insert(QStringLiteral("usr/share/applications/viewer.desktop"),
               desktopEntry(QByteArray("Comment=Views\0", 14) +
                            "\nName=Viewer\nName[zh_CN]=看图\nIcon=viewer\n"));
    QTest::newRow("NUL in a desktop entry")
        << nul << LinkMap() << QString() << QStringLiteral("看图") << 64 << false;

    QTest::newRow("sparse member")
        << viewerWithIcon(png256, pngWithZeros(256)) << LinkMap() << QStringLiteral("sparse-data")
        << QStringLiteral("看图") << 256 << false;

    FileMap oversized = fullApplication();
    oversized.remove(QStringLiteral("usr/share/applications/aaa-settings.desktop"));
    oversized.insert(QStringLiteral("usr/share/metainfo/org.example.Viewer.metainfo.xml"),
                     withPadding("<component type=\"desktop-application\">"
                                 "<name>Huge</name><url type=\"homepage\">https://huge</url>"
                                 "<launchable type=\"desktop-id\">org.example.Viewer.desktop"
                                 "</launchable></component>",
                                 (1 << 20) + 1));
    oversized.insert(iconPath(128, QStringLiteral("org.example.Viewer")),
                     withPadding(pngBytes(128, 128), (16 << 20) + 1));
    QTest::newRow("oversized members")
        << oversized << LinkMap() << QString() << QStringLiteral("Viewer Entry") << 256 << false;

    QTest::newRow("cut short") << fullApplication() << LinkMap() << QStringLiteral("truncate")
                               << QString() << 0 << true;
    QTest::newRow("a member's header lies about its size")
        << fullApplication() << LinkMap() << QStringLiteral("lying-size") << QString() << 0 << true;
    // 4 GiB that cost nothing to make buy no reading time: the reader's
    // allowance and bounds go by the blocks the file really holds.
    QTest::newRow("sparse member of 4 GiB")
        << desktopOnly() << LinkMap() << QStringLiteral("sparse") << QStringLiteral("看图") << 64
        << false;
    QTest::newRow("no package at all")
        << FileMap() << LinkMap() << QStringLiteral("no-package") << QString() << 0 << false;
    QTest::newRow("control member that is a pipe")
        << FileMap() << LinkMap() << QStringLiteral("pipe-control") << QString() << 0 << true;
    // Its holes read as the zeros they stand for, far past any control file's cap.
    QTest::newRow("control member that is a sparse 4 GiB file")
        << FileMap() << LinkMap() << QStringLiteral("sparse-control") << QString() << 0 << true;

    // Only the control file: the reader looks for what it lacks in a companion.
    const FileMap dependent{{QStringLiteral("DEBIAN/control"),
                             "Package: viewer\nVersion: 2.0\nArchitecture: all\n"
                             "Maintainer: Test <test@example.org>\nDepends: viewer-data\n"
                             "Description: control text\n"}};
    QTest::newRow("companion beside it that is a link to a private package")
        << dependent << LinkMap() << QStringLiteral("companion-link") << QString() << 0 << false;
    QTest::newRow("20000 siblings named as its companion")
        << dependent << LinkMap() << QStringLiteral("many-siblings") << QStringLiteral("看图") << 64
        << false;
}

void TestPackage::resistsHostilePackages()
{
    QFETCH(FileMap, files);
    QFETCH(LinkMap, links);
    QFETCH(QString, damage);
    QFETCH(int, logoSide);
    QFETCH(bool, corrupt);

    const TemporaryHome home;
    QImage secret(64, 64, QImage::Format_ARGB32);
    secret.fill(Qt::magenta);
    QVERIFY(secret.save(home.filePath(QStringLiteral("private.png")), "PNG"));
    QVERIFY(writeTextFile(home.filePath(QStringLiteral("private.svg")),
                          "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect id=\"red\" "
                          "width=\"64\" height=\"64\" fill=\"#ff00ff\"/></svg>"));
    // Relative references would be taken from the working folder.
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(home.path());
    const auto restore = qScopeGuard([&workingFolder] { QDir::setCurrent(workingFolder); });
    const QString outsidePng = outside.filePath(QStringLiteral("outside.png"));
    for (QByteArray &contents : files)
        contents.replace("HOME", home.path().toUtf8());
    for (QString &target : links)
        target.replace(QLatin1String("OUTSIDE"), outsidePng);

    const QString debDir = home.filePath(QStringLiteral("Downloads"));
    const QString deb = makeDeb(debPathIn(debDir, QStringLiteral("viewer"), QStringLiteral("2.0")),
                                QStringLiteral("viewer"), QStringLiteral("2.0"), files,
                                QStringLiteral("zstd"), links);
    QVERIFY(!deb.isEmpty());
    // The companion holds a desktop entry and its icon; where the package
    // must not take it, it lies in a private folder a link beside points at.
    const QString companion = damage == QLatin1String("companion-link")
                                  ? home.filePath(QStringLiteral("private/viewer-data_2.0_all.deb"))
                                  : debDir + QStringLiteral("/viewer-data_0.deb");
    if (damage == QLatin1String("companion-link") || damage == QLatin1String("many-siblings"))
        QVERIFY(
            !makeDeb(companion, QStringLiteral("viewer-data"), QStringLiteral("2.0"), desktopOnly())
                 .isEmpty());
    if (damage == QLatin1String("companion-link")) {
        QVERIFY(QFile::link(companion, debDir + QStringLiteral("/viewer-data_2.0_all.deb")));
    } else if (damage == QLatin1String("many-siblings")) {
        for (int i = 1; i <= 20000; ++i)
            QVERIFY(QFile(debDir + QStringLiteral("/viewer-data_%1.deb").arg(i))
                        .open(QIODevice::WriteOnly));
    } else if (damage.endsWith(QLatin1String("-control"))) {
        const QString controlDir = home.filePath(QStringLiteral("control"));
        QVERIFY(QDir().mkpath(controlDir));
        QFile control(controlDir + QStringLiteral("/control"));
        if (damage == QLatin1String("pipe-control"))
            QCOMPARE(::mkfifo(QFile::encodeName(control.fileName()).constData(), 0644), 0);
        else
            QVERIFY(control.open(QIODevice::WriteOnly) && control.resize(qint64(4) << 30));
        control.close();
        QVERIFY(!makeDebByHand(deb, controlDir).isEmpty());
    }
    if (damage == QLatin1String("truncate")) {
        QFile file(deb);
        QVERIFY(file.resize(file.size() * 3 / 4));
    } else if (damage == QLatin1String("lying-size")) {
        QVERIFY(setArMemberSize(deb, "data.tar.zst", "9999999999"));
    } else if (damage == QLatin1String("sparse")) {
        QVERIFY(insertSparseMember(deb, qint64(4) << 30));
    } else if (damage == QLatin1String("no-package")) {
        QVERIFY(QFile::remove(deb));
        QVERIFY(makePng(deb, 64, 64));
    } else if (damage == QLatin1String("sparse-data")) {
        QVERIFY(makeDataSparse(deb, files));
    }

    // Read as both front ends read it: no byte of it outside the confined
    // reader, so no dpkg-deb (a stand-in notes any run) and nothing left
    // in the temporary folder.
    const QString tools = home.filePath(QStringLiteral("tools"));
    const QString ran = home.filePath(QStringLiteral("dpkg-deb.ran"));
    QVERIFY(writeScript(tools + QStringLiteral("/dpkg-deb"),
                        "touch '" + QFile::encodeName(ran) + "'\n"));
    const QString temporary = home.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(temporary));
    const QByteArray path = qgetenv("PATH");
    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("PATH", QFile::encodeName(tools) + ':' + path);
    qputenv("TMPDIR", QFile::encodeName(temporary));
    const auto restoreEnvironment = qScopeGuard([&path, &tmpdir] {
        qputenv("PATH", path);
        qputenv("TMPDIR", tmpdir);
    });
    PrefillRequest request;
    request.given.package = {deb, ValueSource::Given};
    request.desktopDir = home.desktop();
    request.languages = metadataLanguages(false);
    PrefillJob prefill(request);
    QVERIFY(runToEnd(prefill));
    const PackageMetadata metadata = prefill.result().metadata;
    QVERIFY(!QFile::exists(ran));
    QCOMPARE(entriesOf(temporary), QStringList());

    QCOMPARE(metadata.readerProblem, ReaderProblem::None);
    QCOMPARE(metadata.corrupt, corrupt);
    QTEST(metadata.name.value, "name");
    const QImage logo = QImage::fromData(metadata.logoPng, "PNG");
    QCOMPARE(logo.width(), logoSide);
    QVERIFY(!hasPrivatePixel(logo));
    if (logoSide > 0)
        QVERIFY2(opaqueShare(logo) >= 25, "the logo is not drawn whole");
    QStringList nulTexts = metadata.textsWithNul;
    nulTexts.sort();
    QCOMPARE(nulTexts, textsWithNul(files));
}

// A reading called off stops its reader at once, whatever the reader does.
void TestPackage::callingOffEndsTheReader()
{
    const TemporaryHome home;
    const QString deb = makeDeb(debPathIn(home.filePath(QStringLiteral("Downloads")),
                                          QStringLiteral("viewer"), QStringLiteral("2.0")),
                                QStringLiteral("viewer"), QStringLiteral("2.0"), desktopOnly());
    QVERIFY(!deb.isEmpty());
    const QString reader = home.filePath(QStringLiteral("bin/plinvex-reader"));
    const QString pidFile = home.filePath(QStringLiteral("reader.pid"));
    QVERIFY(
        writeScript(reader, writePidAtomically(QFile::encodeName(pidFile)) + "exec sleep 600\n"));
    const QByteArray realReader = qgetenv("PLINVEX_READER");
    qputenv("PLINVEX_READER", reader.toUtf8());
    const auto restore = qScopeGuard([&realReader] { qputenv("PLINVEX_READER", realReader); });

    PackageReadJob reading(deb, metadataLanguages(false));
    reading.start();
    QTRY_VERIFY_WITH_TIMEOUT(pidInFile(pidFile) > 0, 60000);
    const qint64 pid = pidInFile(pidFile);
    reading.kill();
    QVERIFY(runToEnd(reading));
    QVERIFY(!reading.result().readable);
    QCOMPARE(reading.result().readerProblem, ReaderProblem::None);
    QVERIFY(processHasEnded(pid));
}

// The reader, confined as for a reading, tries each way out and each is
// refused: by the filter, or by Landlock with an error.
void TestPackage::selfTestSeesEveryWayOutRefused()
{
    const ToolResult result = runTool(readerSelfTestCommand(readerProgram()));
    QVERIFY2(result.succeeded(), result.standardError.constData());
    const ReaderConfinement confinement = readerSelfTestResult(result);
    QVERIFY2(confinement.answered, result.standardOutput.constData());
    QVERIFY(confinement.seccomp);
    QStringList refused;
    for (const ConfinementAttempt &attempt : confinement.attempts) {
        QVERIFY2(attempt.refused,
                 qPrintable(attempt.name + QStringLiteral(": ") + attempt.outcome));
        refused << attempt.name;
    }
    QCOMPARE(refused, QStringList({QStringLiteral("open"), QStringLiteral("socket"),
                                   QStringLiteral("connect"), QStringLiteral("exec")}));
    // A kernel built without Landlock leaves only the filter; the rest holds.
    const long abi =
        ::syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    QCOMPARE(confinement.landlockAbi, abi > 0 ? int(abi) : 0);
    QCOMPARE(confinement.proven(), abi > 0);
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
