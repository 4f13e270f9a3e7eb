// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_TESTFILES_H
#define PLINVEX_TESTFILES_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away home folder that QDir::homePath() reports while it lives.
class TemporaryHome
{
public:
    explicit TemporaryHome(bool withDesktop = true);
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QString path() const { return root; }
    QString desktop() const { return root + QStringLiteral("/Desktop"); }
    QString filePath(const QString &relative) const { return root + QLatin1Char('/') + relative; }

private:
    QTemporaryDir dir;
    QString root;
    QByteArray previousHome;
};

// Builds a real Debian package at `debPath` with dpkg-deb --build
// (-Z`compression`) from `files` (path inside the package -> contents; a
// "DEBIAN/control" of its own replaces the plain one made from pkg and
// version) and `links` (path inside the package -> symbolic link target, kept
// as written). `debPath`, or empty when it could not be built.
QString makeDeb(const QString &debPath, const QString &pkg, const QString &version,
                const QMap<QString, QByteArray> &files = {},
                const QString &compression = QStringLiteral("xz"),
                const QMap<QString, QString> &links = {});

// Builds a package at `debPath` by hand where dpkg-deb --build would refuse
// its control member: debian-binary, then control.tar.gz made by tar of the
// folder `controlDir` as it stands (a pipe or a sparse file in it goes in as
// such), then an empty data.tar.gz. `debPath`, or empty when it failed.
QString makeDebByHand(const QString &debPath, const QString &controlDir);

// <dir>/<pkg>_<version>_all.deb, the name Debian's tools give a package.
QString debPathIn(const QString &dir, const QString &pkg, const QString &version);

// Random bytes: no compression makes them smaller, so a package holding them
// is about as large as they are.
QByteArray incompressibleBytes(qint64 size);

// A real PNG of the given size, as bytes.
QByteArray pngBytes(int width, int height);

// Writes a real PNG of the given size.
bool makePng(const QString &path, int width, int height);

// A PNG whose header claims width x height pixels, with one small block of
// image data behind it: what a decoder believing the header would fill
// memory and disk for.
bool writePngHeader(const QString &path, quint32 width, quint32 height);

// The whole file; empty when it cannot be read.
QByteArray readAll(const QString &path);

// Every name in the folder, hidden ones too, sorted by name; empty when
// there is no such folder.
QStringList entriesOf(const QString &folder);

// Writes text to a file, creating its folder; true on success.
bool writeTextFile(const QString &path, const QByteArray &contents);

// Makes an executable shell script at `path`.
bool writeScript(const QString &path, const QByteArray &body);

// Shell words that write the shell's pid, or another, to `path` whole:
// whoever sees the file sees the number.
QByteArray writePidAtomically(const QByteArray &path, const QByteArray &pid = "$$");

// The pid written in a pid file; 0 when there is none yet.
qint64 pidInFile(const QString &path);

// True once the process has ended: gone, or a zombie no one has reaped yet.
bool processHasEnded(qint64 pid);

#endif
