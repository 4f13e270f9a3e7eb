// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_DEBREADER_H
#define PLINVEX_DEBREADER_H

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// Limits on what one reading of a package holds and does. Texts and icons
// beyond their cap are not read at all; everything held together stays
// within kHeldCap, plus the names of the package's links within kLinkNamesCap.
constexpr qint64 kTextCap = 1 << 20;
// dpkg sets the control file no bound of its own below tar's 8 GiB a
// member (it reads a 20 MiB one); real ones stay below a few hundred KiB.
constexpr qint64 kControlCap = 16 << 20;
constexpr qint64 kIconCap = 16 << 20;
constexpr qint64 kHeldCap = 48 << 20;
constexpr qint64 kLinkNamesCap = 4 << 20;
// A member's tar is read no further than this many times its compressed size
// (and at least kInflateFloor): real packages stay far below, a
// decompression bomb ends here instead of keeping the reader busy for hours.
constexpr qint64 kInflateRatio = 64;
constexpr qint64 kInflateFloor = 256 << 20;
constexpr int kLinkHops = 8;
// Longer names are no file a package really ships; refusing them keeps
// every path operation short.
constexpr int kPathCap = 4096;

// What one pass over a package's members found. Paths are the package's own
// names, normalised: no leading "./" or "/", no "." or ".." parts.
struct DebScan
{
    bool isDeb = false; // debian-binary, a control file, and data.tar read to its end
    // Began as a Debian package but could not be read to its end: cut
    // short, a checksum or compression fault, or inflating past its bound.
    bool corrupt = false;
    QByteArray control;            // the control file
    QStringList names;             // files and links the request named, in archive order
    QHash<QString, QString> links; // every symbolic link: path -> target as written
    QHash<QString, QByteArray> held;
    QSet<QString> tooLarge; // regular files beyond their cap: they count as missing
    QSet<QString> notHeld;  // regular files within their cap left out by kHeldCap
};

// Which regular files of data.tar to hold: the cap for the bytes of `path`,
// or 0 to leave it alone. Called for links too, only to list them in names.
using HoldRequest = std::function<qint64(const QString &path)>;

// One pass over the package open at `fd` (a regular file, read from its
// start), streaming: the outer ar container and the inner tars are read
// member by member, nothing goes to disk and no member is held whole. A file
// that is no Debian package, is cut short or corrupt, or inflates beyond its
// bound is not one (isDeb false), whatever was found before the fault. The
// descriptor stays open.
DebScan scanDeb(int fd, const HoldRequest &hold);

// `path` normalised as the package names its files ("./usr/x" and "/usr/x"
// give "usr/x"); empty when it climbs out of the package or names nothing.
QString normalisedPackagePath(const QString &path);

// The regular file `path` stands for after following the package's own
// links, at most kLinkHops of them, all within the package tree. Empty when
// a link leads out of the package or the links go round.
QString resolvePackagePath(const QHash<QString, QString> &links, const QString &path);

#endif
