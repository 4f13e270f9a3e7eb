// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_BUNDLEFACTS_H
#define PLINVEX_BUNDLEFACTS_H

#include "package/packagemetadata.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// What a bundle (a folder, or its archive read as a stream) holds, as the
// confined reader found it. Member names are relative to the one top folder.

// An archive is read no further than these: the compressed file, everything
// it unpacks to, and the unpacked bytes per compressed byte (above a floor,
// for a small bundle is mostly text that packs well). A bundle is a package
// that is compressed already and a few small PNGs: real ones stay near 1:1.
constexpr qint64 kBundleArchiveCap = qint64(1) << 30;
constexpr qint64 kBundleUnpackedCap = (qint64(1) << 30) + (qint64(128) << 20);
constexpr qint64 kBundleInflateRatio = 64;
constexpr qint64 kBundleInflateFloor = qint64(16) << 20;
// The package inside an archive is held in memory while it is read.
constexpr qint64 kBundlePackageCap = qint64(512) << 20;
// A bundle holds app.json, icon.png, the package and its screenshots: no
// real one comes near this many members.
constexpr int kBundleMembersCap = 64;
// The most files of a bundle folder handed to one reading, app.json, the
// icon, the package and screenshots; any further file is judged by name.
constexpr int kMostBundleFiles = 24;

// A finding about the archive or folder as a whole, or one member of it:
// its tag, the member (relative to the top folder, or as the archive names
// it when it is not inside it) and its params.
struct BundleProblem
{
    QString tag;
    QString member;
    QStringList params;
};

// A picture as its bytes have it.
struct BundlePicture
{
    bool png = false; // a PNG by its signature, read whole and decoded
    int width = 0;
    int height = 0;
    bool animated = false;
    QStringList privateChunks; // tEXt, zTXt, iTXt, eXIf, tIME found in it
};

// app.json as it was read.
struct BundleControl
{
    bool present = false;
    bool tooLarge = false;
    bool utf8 = false;
    bool json = false;   // one JSON value, perhaps followed by a second object
    bool object = false; // and that value is an object
    bool secondObject = false;
    QStringList keys;              // every key of the object, repeats included, in order
    QHash<QString, QString> texts; // the first string value of each key
    QStringList notStrings;        // keys whose value is no string
};

struct BundleFacts
{
    bool answered = false; // the reader read it and its answer held
    QString top;           // the one top folder's name
    QList<BundleProblem> problems;
    QStringList files;       // the regular files in the top folder, in order
    QStringList executables; // of them, those a system would run
    QStringList others;      // folders in it, and files below them
    QHash<QString, qint64> sizes;
    QStringList packages; // the files that are Debian packages by their bytes
    BundleControl control;
    QString packageMember; // the package read, one of `packages`
    qint64 packageBytes = 0;
    PackageMetadata package;
    QHash<QString, BundlePicture> pictures; // icon.png and screen_<n>.png
};

// The reader's side: what it prints, and what it makes of a file's bytes.
QJsonObject encodeBundleFacts(const BundleFacts &facts, const QByteArray &packageAnswer);
BundleControl readControlJson(const QByteArray &bytes);
BundlePicture readPicture(const QByteArray &bytes);
bool isUtf8(const QByteArray &bytes);

#endif
