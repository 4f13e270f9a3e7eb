// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QtEndian>

TemporaryHome::TemporaryHome(bool withDesktop)
    : dir(QDir::tempPath() + QStringLiteral("/plinvex home XXXXXX"))
    , root(dir.path())
    , previousHome(qgetenv("HOME"))
{
    if (withDesktop)
        QDir().mkpath(desktop());
    qputenv("HOME", QFile::encodeName(root));
    // The file dialogs keep their state in a settings folder the toolkit looks
    // up once per process; under the first home it would outlive that home.
    static const QTemporaryDir settings;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
}

TemporaryHome::~TemporaryHome()
{
    qputenv("HOME", previousHome);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool writeTextFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

bool writeScript(const QString &path, const QByteArray &body)
{
    return writeTextFile(path, QByteArrayLiteral("#!/bin/sh\n") + body) &&
           QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner |
                                           QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

QByteArray incompressibleBytes(qint64 size)
{
    QByteArray bytes(int(size), Qt::Uninitialized);
    for (int i = 0; i + 4 <= bytes.size(); i += 4) {
        const quint32 word = QRandomGenerator::global()->generate();
        memcpy(bytes.data() + i, &word, 4);
    }
    return bytes;
}

QString debPathIn(const QString &dir, const QString &pkg, const QString &version)
{
    return QStringLiteral("%1/%2_%3_all.deb").arg(dir, pkg, version);
}

QString makeDeb(const QString &debPath, const QString &pkg, const QString &version,
                const QMap<QString, QByteArray> &files, const QString &compression,
                const QMap<QString, QString> &links)
{
    QTemporaryDir tree;
    const QString control = QStringLiteral("Package: %1\nVersion: %2\nArchitecture: all\n"
                                           "Maintainer: Test <test@example.org>\n"
                                           "Description: test package\n")
                                .arg(pkg, version);
    if (!writeTextFile(tree.filePath(QStringLiteral("DEBIAN/control")), control.toUtf8()))
        return {};
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        if (!writeTextFile(tree.filePath(it.key()), it.value()))
            return {};
    }
    for (auto it = links.constBegin(); it != links.constEnd(); ++it) {
        const QString link = tree.filePath(it.key());
        QDir().mkpath(QFileInfo(link).absolutePath());
        if (!QFile::link(it.value(), link))
            return {};
    }
    QDir().mkpath(QFileInfo(debPath).absolutePath());
    QProcess build;
    build.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    build.start(QStringLiteral("dpkg-deb"),
                {QStringLiteral("-Z") + compression, QStringLiteral("--root-owner-group"),
                 QStringLiteral("--build"), tree.path(), debPath});
    const bool built = build.waitForFinished(-1) && build.exitStatus() == QProcess::NormalExit &&
                       build.exitCode() == 0;
    return built ? debPath : QString();
}

namespace {

QByteArray tarOf(const QStringList &arguments)
{
    QProcess tar;
    tar.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tar.start(QStringLiteral("tar"), arguments);
    tar.closeWriteChannel();
    const bool done =
        tar.waitForFinished(-1) && tar.exitStatus() == QProcess::NormalExit && tar.exitCode() == 0;
    return done ? tar.readAllStandardOutput() : QByteArray();
}

QByteArray arMember(const QByteArray &name, const QByteArray &contents)
{
    const QByteArray header = name.leftJustified(16, ' ') + QByteArray("0").leftJustified(12, ' ') +
                              QByteArray("0").leftJustified(6, ' ') +
                              QByteArray("0").leftJustified(6, ' ') +
                              QByteArray("100644").leftJustified(8, ' ') +
                              QByteArray::number(contents.size()).leftJustified(10, ' ') + "`\n";
    return header + contents + (contents.size() % 2 ? "\n" : "");
}

} // namespace

QString makeDebByHand(const QString &debPath, const QString &controlDir)
{
    const QByteArray control =
        tarOf({QStringLiteral("--sparse"), QStringLiteral("--format=gnu"), QStringLiteral("-czf"),
               QStringLiteral("-"), QStringLiteral("-C"), controlDir, QStringLiteral(".")});
    const QByteArray data = tarOf({QStringLiteral("-czf"), QStringLiteral("-"),
                                   QStringLiteral("-T"), QStringLiteral("/dev/null")});
    if (control.isEmpty() || data.isEmpty())
        return {};
    QDir().mkpath(QFileInfo(debPath).absolutePath());
    QFile deb(debPath);
    const QByteArray bytes = "!<arch>\n" + arMember("debian-binary", "2.0\n") +
                             arMember("control.tar.gz", control) + arMember("data.tar.gz", data);
    return deb.open(QIODevice::WriteOnly) && deb.write(bytes) == bytes.size() ? debPath : QString();
}

namespace {

QImage sampleImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 80, 60));
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(40, 120, 200));
    painter.end();
    return image;
}

} // namespace

QByteArray pngBytes(int width, int height)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return sampleImage(width, height).save(&buffer, "PNG") ? png : QByteArray();
}

bool makePng(const QString &path, int width, int height)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return sampleImage(width, height).save(path, "PNG");
}

// A PNG whose header claims width x height pixels, with one small block of
// image data behind it: what a decoder believing the header would fill
// memory and disk for.
bool writePngHeader(const QString &path, quint32 width, quint32 height)
{
    const auto chunk = [](const QByteArray &type, const QByteArray &data) {
        QByteArray bytes(4, '\0');
        qToBigEndian<quint32>(quint32(data.size()), bytes.data());
        const QByteArray covered = type + data;
        quint32 crc = 0xffffffffU;
        for (const char byte : covered) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xedb88320U & (0U - (crc & 1U)));
        }
        QByteArray tail(4, '\0');
        qToBigEndian<quint32>(crc ^ 0xffffffffU, tail.data());
        return bytes + covered + tail;
    };
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bits a channel
    header[9] = 2; // RGB
    return writeTextFile(path, QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
                                   chunk("IDAT", qCompress(QByteArray(4096, '\0')).mid(4)) +
                                   chunk("IEND", QByteArray()));
}

QByteArray writePidAtomically(const QByteArray &path, const QByteArray &pid)
{
    // By its path: a tool shelf may stand in for the whole search path.
    return "echo " + pid + " > '" + path + ".tmp' && /bin/mv '" + path + ".tmp' '" + path + "'\n";
}

qint64 pidInFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    bool isNumber = false;
    const qint64 pid = file.readAll().trimmed().toLongLong(&isNumber);
    return isNumber ? pid : 0;
}

bool processHasEnded(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    // "pid (name) state ...": the name may hold blanks and parentheses.
    const QByteArray line = stat.readAll();
    const int nameEnd = line.lastIndexOf(')');
    return nameEnd < 0 || line.mid(nameEnd + 2, 1) == "Z";
}
