// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/packagemetadata.h"
#include "package/valuechoice.h"
#include "support/foldersnapshot.h"
#include "support/testfiles.h"
#include "tools/packageprobe.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QtTest>

using FileMap = QMap<QString, QByteArray>;
using LinkMap = QMap<QString, QString>;

namespace {

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

QByteArray withPadding(QByteArray contents, int size)
{
    contents.append(QByteArray(size - contents.size(), '\n'));
    return contents;
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsMetadata_data();
    void readsMetadata();
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
    QTest::addColumn<QString>("damage"); // "", "truncate" or "no-package"
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("readable");
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
        << fullApplication() << LinkMap() << QStringLiteral("gzip") << QStringLiteral("") << false
        << true << QStringLiteral("看图工具") << QStringLiteral("示例团队")
        << QStringLiteral("https://example.org/viewer")
        << QStringLiteral("看看图片\n显示每一张图片。\n很快\n很小")
        << QStringList{appstream, appstream, appstream, appstream, desktop} << 128;
    QTest::newRow("AppStream, English UI, xz")
        << fullApplication() << LinkMap() << QStringLiteral("xz") << QStringLiteral("") << true
        << true << QStringLiteral("Picture Viewer") << QStringLiteral("Example Team")
        << QStringLiteral("https://example.org/viewer")
        << QStringLiteral("Look at pictures\nShows every picture.\nFast\nSmall")
        << QStringList{appstream, appstream, appstream, appstream, desktop} << 128;
    QTest::newRow("desktop entry only, zstd")
        << desktopOnly() << LinkMap() << QStringLiteral("zstd") << QStringLiteral("") << false
        << true << QStringLiteral("看图") << QStringLiteral("")
        << QStringLiteral("https://control.example.org") << QStringLiteral("看图片")
        << QStringList{desktop, QStringLiteral(""), control, desktop, desktop} << 64;
    QTest::newRow("control only, xz")
        << FileMap{{QStringLiteral("DEBIAN/control"),
                    "Package: tool\nVersion: 1\nArchitecture: all\nMaintainer: T <t@example.org>\n"
                    "Homepage: https://tool.example.org\n"
                    "Description: does things\n first line\n .\n   indented\n"}}
        << LinkMap() << QStringLiteral("xz") << QStringLiteral("") << false << true
        << QStringLiteral("") << QStringLiteral("") << QStringLiteral("https://tool.example.org")
        << QStringLiteral("does things\nfirst line\n\n  indented")
        << QStringList{QStringLiteral(""), QStringLiteral(""), control, control, QStringLiteral("")}
        << 0;

    FileMap svgOnly = desktopOnly();
    svgOnly.remove(iconPath(48, QStringLiteral("viewer")));
    svgOnly.remove(iconPath(64, QStringLiteral("viewer")));
    svgOnly.insert(kIcons + QStringLiteral("scalable/apps/viewer.svg"),
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
                   "<rect width=\"16\" height=\"16\" fill=\"#3060c0\"/>"
                   "<text x=\"2\" y=\"12\" font-size=\"10\">V</text></svg>");
    QTest::newRow("SVG icon rendered, gzip")
        << svgOnly << LinkMap() << QStringLiteral("gzip") << QStringLiteral("") << false << true
        << QStringLiteral("看图") << QStringLiteral("")
        << QStringLiteral("https://control.example.org") << QStringLiteral("看图片")
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
        << QStringLiteral("xz") << QStringLiteral("") << false << true << QStringLiteral("Linked")
        << QStringLiteral("") << QStringLiteral("https://control.example.org")
        << QStringLiteral("control text")
        << QStringList{desktop, QStringLiteral(""), control, control, desktop} << 200;

    // Links that leave the package or go round count as missing, so the
    // 64 px icon is the one left; following them on this system would
    // give the 512 px outside.png.
    const QString outsidePng = outside.filePath(QStringLiteral("outside.png"));
    QTest::newRow("link out of the package, gzip")
        << desktopOnly()
        << LinkMap{{iconPath(128, QStringLiteral("viewer")), outsidePng},
                   {iconPath(256, QStringLiteral("viewer")),
                    QStringLiteral("../../../../../../../..") + outsidePng},
                   {iconPath(512, QStringLiteral("viewer")),
                    QStringLiteral("../1024x1024/apps/viewer.png")},
                   {iconPath(1024, QStringLiteral("viewer")),
                    QStringLiteral("../512x512/apps/viewer.png")}}
        << QStringLiteral("gzip") << QStringLiteral("") << false << true << QStringLiteral("看图")
        << QStringLiteral("") << QStringLiteral("https://control.example.org")
        << QStringLiteral("看图片")
        << QStringList{desktop, QStringLiteral(""), control, desktop, desktop} << 64;

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
    QTest::newRow("oversized members, gzip")
        << oversized << LinkMap() << QStringLiteral("gzip") << QStringLiteral("") << false << true
        << QStringLiteral("Viewer Entry") << QStringLiteral("")
        << QStringLiteral("https://control.example.org") << QStringLiteral("control text")
        << QStringList{desktop, QStringLiteral(""), control, control, desktop} << 256;

    QTest::newRow("truncated package")
        << fullApplication() << LinkMap() << QStringLiteral("gzip") << QStringLiteral("truncate")
        << false << false << QStringLiteral("") << QStringLiteral("") << QStringLiteral("")
        << QStringLiteral("")
        << QStringList{QStringLiteral(""), QStringLiteral(""), QStringLiteral(""),
                       QStringLiteral(""), QStringLiteral("")}
        << 0;
    QTest::newRow("no package at all")
        << FileMap() << LinkMap() << QStringLiteral("xz") << QStringLiteral("no-package") << false
        << false << QStringLiteral("") << QStringLiteral("") << QStringLiteral("")
        << QStringLiteral("")
        << QStringList{QStringLiteral(""), QStringLiteral(""), QStringLiteral(""),
                       QStringLiteral(""), QStringLiteral("")}
        << 0;
}

void TestPackage::readsMetadata()
{
    QFETCH(FileMap, files);
    QFETCH(LinkMap, links);
    QFETCH(QString, compression);
    QFETCH(QString, damage);
    QFETCH(bool, english);
    QFETCH(bool, readable);
    QFETCH(QStringList, sources);
    QFETCH(int, logoSide);

    const TemporaryHome home;
    const QString debDir = home.filePath(QStringLiteral("Downloads"));
    QString deb =
        makeDeb(debDir, QStringLiteral("viewer"), QStringLiteral("2.0"), files, compression, links);
    QVERIFY(!deb.isEmpty());
    if (damage == QLatin1String("truncate")) {
        QFile file(deb);
        QVERIFY(file.resize(file.size() * 3 / 4));
    } else if (damage == QLatin1String("no-package")) {
        QVERIFY(QFile::remove(deb));
        QVERIFY(makePng(deb, 64, 64));
    }
    const QMap<QString, QString> before = folderSnapshot(home.path());

    const PackageMetadata metadata = readPackageMetadata(deb, metadataLanguages(english));
    QCOMPARE(metadata.readable, readable);
    QTEST(metadata.name.value, "name");
    QTEST(metadata.author.value, "author");
    QTEST(metadata.homepage.value, "homepage");
    QTEST(metadata.description.value, "description");
    const QStringList found{
        valueSourceName(metadata.name.source), valueSourceName(metadata.author.source),
        valueSourceName(metadata.homepage.source), valueSourceName(metadata.description.source),
        valueSourceName(metadata.logoSource)};
    QCOMPARE(found, sources);

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
    PackageIdentity probe;
    probe.found = true;
    probe.name = QStringLiteral("viewer");
    probe.version = QStringLiteral("2.0");
    SubmissionValues given;
    given.name.value = givenName;

    const SubmissionValues values =
        chooseValues(given, readEarlierBundle(bundleDir.path()), metadata, probe,
                     QStringLiteral("/cache/viewer.png"));
    const auto shown = [](const SourcedText &text) {
        return QFileInfo(text.value).fileName() + QLatin1Char('@') + valueSourceName(text.source);
    };
    QCOMPARE((QStringList{shown(values.name), shown(values.author), shown(values.contributor),
                          shown(values.logo)}),
             expected);
    QCOMPARE(values.pkgName.source, ValueSource::Probe);
    QStringList shotNames;
    for (const QString &path : values.screenshots)
        shotNames.append(QFileInfo(path).fileName());
    QCOMPARE(shotNames, screenshots);
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
