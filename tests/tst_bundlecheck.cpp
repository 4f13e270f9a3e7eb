// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/sizetext.h"
#include "engine/bundlecheckjob.h"
#include "support/foldersnapshot.h"
#include "support/jobrun.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <archive.h>
#include <archive_entry.h>

#include <sys/stat.h>
#include <sys/types.h>

namespace {

// One member of a bundle as the test writes it, in a folder or an archive.
struct Member
{
    enum Kind { File, Link, HardLink, Fifo };
    Member(QByteArray name, QByteArray data = {}, Kind kind = File, QByteArray target = {},
           int mode = 0644, qint64 zeros = 0)
        : name(std::move(name))
        , data(std::move(data))
        , kind(kind)
        , target(std::move(target))
        , mode(mode)
        , zeros(zeros)
    {
    }
    QByteArray name; // relative to the folder the bundle sits in: "hello/app.json"
    QByteArray data;
    Kind kind = File;
    QByteArray target;
    int mode = 0644;
    qint64 zeros = 0; // that many zero bytes instead of data, written a block at a time
};

QByteArray controlFile(const QMap<QByteArray, QByteArray> &values)
{
    static const QList<QByteArray> keys = {"Name",   "Version",     "Filename", "Pkgname",
                                           "Author", "Contributor", "Website",  "Update",
                                           "Size",   "More"};
    QByteArray text = "{\n";
    for (int i = 0; i < keys.size(); ++i)
        text += "   \"" + keys.at(i) + "\":\"" + values.value(keys.at(i)) + "\"" +
                (i + 1 < keys.size() ? ",\n" : "\n");
    return text + "}\n";
}

quint32 crc32Of(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffU;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320U & (0U - (crc & 1U)));
    }
    return ~crc;
}

// A PNG with one more chunk before its IEND.
QByteArray withChunk(QByteArray png, const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk;
    QDataStream stream(&chunk, QIODevice::WriteOnly);
    stream << quint32(data.size());
    chunk += type + data;
    QDataStream(&chunk, QIODevice::Append) << crc32Of(type + data);
    png.insert(png.size() - 12, chunk);
    return png;
}

bool writeArchive(const QString &path, const QList<Member> &members)
{
    archive *a = archive_write_new();
    archive_write_set_format_pax_restricted(a);
    archive_write_add_filter_gzip(a);
    if (archive_write_open_filename(a, QFile::encodeName(path).constData()) != ARCHIVE_OK)
        return false;
    const QByteArray block(1 << 20, '\0');
    for (const Member &member : members) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, member.name.constData());
        archive_entry_set_perm(entry, mode_t(member.mode));
        switch (member.kind) {
        case Member::File:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_size(entry, member.zeros ? member.zeros : member.data.size());
            break;
        case Member::Link:
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_symlink(entry, member.target.constData());
            break;
        case Member::HardLink:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_hardlink(entry, member.target.constData());
            break;
        case Member::Fifo:
            archive_entry_set_filetype(entry, AE_IFIFO);
            break;
        }
        archive_write_header(a, entry);
        if (member.kind == Member::File) {
            for (qint64 left = member.zeros; left > 0; left -= block.size())
                archive_write_data(a, block.constData(), size_t(qMin<qint64>(left, block.size())));
            archive_write_data(a, member.data.constData(), size_t(member.data.size()));
        }
        archive_entry_free(entry);
    }
    const bool ok = archive_write_close(a) == ARCHIVE_OK;
    archive_write_free(a);
    return ok;
}

bool writeFolder(const QString &root, const QList<Member> &members)
{
    for (const Member &member : members) {
        const QString path = root + QLatin1Char('/') + QString::fromUtf8(member.name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        bool ok = true;
        if (member.kind == Member::File) {
            ok = writeTextFile(path, member.data) &&
                 QFile::setPermissions(path,
                                       member.mode & 0100
                                           ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                           : QFile::ReadOwner | QFile::WriteOwner);
        } else if (member.kind == Member::Link) {
            ok = QFile::link(QString::fromUtf8(member.target), path);
        } else if (member.kind == Member::Fifo) {
            ok = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        }
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

class TestBundleCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void judgesWhatTheStoreReceives_data();
    void judgesWhatTheStoreReceives();

private:
    QTemporaryDir sources;
    QByteArray deb;
    QByteArray otherDeb;
    QMap<QByteArray, QByteArray> values;
};

void TestBundleCheck::initTestCase()
{
    QVERIFY(sources.isValid());
    QVERIFY(!makeDeb(sources.filePath(QStringLiteral("hello_1.0_all.deb")), QStringLiteral("hello"),
                     QStringLiteral("1.0"),
                     {{QStringLiteral("usr/share/applications/hello.desktop"),
                       "[Desktop Entry]\nType=Application\nName=Hello\nExec=hello\n"}})
                 .isEmpty());
    QVERIFY(!makeDeb(sources.filePath(QStringLiteral("other_2.0_all.deb")), QStringLiteral("other"),
                     QStringLiteral("2.0"))
                 .isEmpty());
    deb = readAll(sources.filePath(QStringLiteral("hello_1.0_all.deb")));
    otherDeb = readAll(sources.filePath(QStringLiteral("other_2.0_all.deb")));
    values = {{"Name", "Hello"},
              {"Version", "1.0"},
              {"Filename", "hello_1.0_all.deb"},
              {"Pkgname", "hello"},
              {"Author", " "},
              {"Contributor", "Someone"},
              {"Website", "https://example.org"},
              {"Update", "2024-05-01 12:30"},
              {"Size", formatSize(deb.size()).toUtf8()},
              {"More", "Says hello to everyone who asks for it, in many languages."}};
}

void TestBundleCheck::judgesWhatTheStoreReceives_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("archive");
    QTest::addColumn<QString>("tag"); // empty: no error at all
    QTest::addColumn<QString>("member");

    const auto row = [](const char *change, bool archive, const char *tag, const char *member) {
        QTest::addRow("%s %s", archive ? "archive" : "folder", change)
            << QString::fromLatin1(change) << archive << QString::fromLatin1(tag)
            << QString::fromLatin1(member);
    };
    for (const bool archive : {true, false}) {
        row("good", archive, "", "");
        row("added member", archive, "bundle-member-unexpected", "hello/notes.txt");
        row("symlink", archive, "bundle-link", "hello/screen_2.png");
        row("lying size", archive, "bundle-size-mismatch", "hello/app.json");
        row("second package", archive, "bundle-member-forbidden", "hello/other_2.0_all.deb");
        row("executable", archive, "bundle-member-forbidden", "hello/run");
        row("exif chunk", archive, "bundle-picture-private", "hello/screen_1.png");
        row("animated", archive, "bundle-picture-animated", "hello/icon.png");
        row("too large picture", archive, "bundle-picture-too-large", "hello/screen_1.png");
        row("not a png", archive, "bundle-picture-not-png", "hello/icon.png");
        row("missing icon", archive, "bundle-member-missing", "hello/icon.png");
        row("screenshot gap", archive, "bundle-screenshot-gap", "hello/screen_2.png");
        row("repeated key", archive, "bundle-key-repeated", "hello/app.json");
        row("second object", archive, "bundle-control-second-object", "hello/app.json");
        row("other package name", archive, "bundle-pkgname-mismatch", "hello/app.json");
        row("update in the future", archive, "bundle-update-future", "hello/app.json");
        row("empty author", archive, "bundle-blank-wrong", "hello/app.json");
    }
    row("fifo", true, "bundle-special-file", "hello/pipe");
    row("parent path", true, "bundle-parent-path", "hello/../escaped");
    row("absolute path", true, "bundle-absolute-path", "/tmp/escaped");
    row("second folder", true, "bundle-not-one-folder", "other/app.json");
    row("control character in a name", true, "bundle-bad-name", "hello/evil\nname");
    row("hard link", true, "bundle-link", "hello/screen_2.png");
    row("bomb", true, "bundle-inflated", "hello/zeros");
}

void TestBundleCheck::judgesWhatTheStoreReceives()
{
    QFETCH(QString, change);
    QFETCH(bool, archive);
    QFETCH(QString, tag);
    QFETCH(QString, member);

    QMap<QByteArray, QByteArray> control = values;
    QByteArray icon = pngBytes(128, 128);
    QByteArray screen = pngBytes(400, 300);
    QList<Member> extra;
    bool withIcon = true;
    if (change == QLatin1String("added member"))
        extra << Member{"hello/notes.txt", "notes"};
    else if (change == QLatin1String("symlink"))
        extra << Member{"hello/screen_2.png", {}, Member::Link, "/etc/passwd"};
    else if (change == QLatin1String("hard link"))
        extra << Member{"hello/screen_2.png", {}, Member::HardLink, "hello/screen_1.png"};
    else if (change == QLatin1String("lying size"))
        control["Size"] = "1.00MB";
    else if (change == QLatin1String("second package"))
        extra << Member{"hello/other_2.0_all.deb", otherDeb};
    else if (change == QLatin1String("executable"))
        extra << Member{"hello/run", "#!/bin/sh\necho hi\n", Member::File, {}, 0755};
    else if (change == QLatin1String("exif chunk"))
        screen = withChunk(screen, "eXIf", QByteArray("MM\0*\0\0\0\x08\0\0", 10));
    else if (change == QLatin1String("animated"))
        icon = withChunk(icon, "acTL", QByteArray("\0\0\0\x02\0\0\0\0", 8));
    else if (change == QLatin1String("too large picture"))
        screen = pngBytes(800, 600);
    else if (change == QLatin1String("not a png"))
        icon = "GIF89a not really";
    else if (change == QLatin1String("missing icon"))
        withIcon = false;
    else if (change == QLatin1String("screenshot gap"))
        extra << Member{"hello/screen_3.png", pngBytes(400, 300)};
    else if (change == QLatin1String("other package name"))
        control["Pkgname"] = "hullo";
    else if (change == QLatin1String("update in the future"))
        control["Update"] = "2999-01-01 00:00";
    else if (change == QLatin1String("empty author"))
        control["Author"] = "";
    else if (change == QLatin1String("fifo"))
        extra << Member{"hello/pipe", {}, Member::Fifo};
    else if (change == QLatin1String("control character in a name"))
        extra << Member{"hello/evil\nname", "x"};
    else if (change == QLatin1String("parent path"))
        extra << Member{"hello/../escaped", "x"};
    else if (change == QLatin1String("absolute path"))
        extra << Member{"/tmp/escaped", "x"};
    else if (change == QLatin1String("second folder"))
        extra << Member{"other/app.json", "{}"};
    else if (change == QLatin1String("bomb"))
        extra << Member{"hello/zeros", {}, Member::File, {}, 0644, qint64(64) << 20};
    QByteArray controlBytes = controlFile(control);
    if (change == QLatin1String("repeated key"))
        controlBytes.replace("\"More\"", "\"Name\":\"Twice\",\n   \"More\"");
    else if (change == QLatin1String("second object"))
        controlBytes += controlFile(control);

    QList<Member> members{{"hello/app.json", controlBytes},
                          {"hello/screen_1.png", screen},
                          {"hello/hello_1.0_all.deb", deb}};
    if (withIcon)
        members.insert(1, Member{"hello/icon.png", icon});
    members += extra;

    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString input = archive ? work.filePath(QStringLiteral("hello.tar.gz"))
                                  : work.filePath(QStringLiteral("hello"));
    QVERIFY(archive ? writeArchive(input, members) : writeFolder(work.path(), members));
    QCOMPARE(inputKindOf(input), archive ? InputKind::BundleArchive : InputKind::BundleFolder);

    // The check writes nothing: not beside the input, not in the home folder.
    TemporaryHome home;
    const auto beforeWork = folderSnapshot(work.path());
    const auto beforeHome = folderSnapshot(home.path());
    BundleCheckJob job(input);
    QVERIFY(runToEnd(job));
    QCOMPARE(snapshotDifference(beforeWork, folderSnapshot(work.path())), QString());
    QCOMPARE(snapshotDifference(beforeHome, folderSnapshot(home.path())), QString());

    QStringList seen;
    bool found = false;
    for (const Finding &finding : job.findings()) {
        seen << finding.tag + QLatin1Char(' ') + finding.member;
        if (tag.isEmpty() ? finding.severity == Severity::Error
                          : finding.tag == tag && finding.member == member)
            found = true;
    }
    if (tag.isEmpty()) {
        QVERIFY2(!found, qPrintable(seen.join(QStringLiteral("; "))));
        QCOMPARE(job.values().pkgName.value, QStringLiteral("hello"));
        QCOMPARE(job.package().ownVersion, QStringLiteral("1.0"));
        // Proven by the reader's self-test, as a package's reading is.
        QVERIFY(job.package().confinement.tested);
    } else {
        QVERIFY2(found, qPrintable(seen.join(QStringLiteral("; "))));
    }
}

QTEST_MAIN(TestBundleCheck)
#include "tst_bundlecheck.moc"
