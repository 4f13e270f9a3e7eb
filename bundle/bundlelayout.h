// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_BUNDLELAYOUT_H
#define PLINVEX_BUNDLELAYOUT_H

#include <QByteArray>
#include <QSize>
#include <QString>

// What a bundle folder holds and how its files are named, in one place: the
// pack that writes them, the keeper that tells them from the packager's own
// files and the reader of an earlier bundle must never disagree, or a file
// one of them takes for a screenshot the other carries on as the packager's,
// and it comes back once more with every pack.

// The logo, scaled.
QString bundleIconName();

// The boxes the pack scales the logo and each screenshot into; convert
// enlarges a picture smaller in both sides.
constexpr QSize kLogoBox(128, 128);
constexpr QSize kScreenshotBox(400, 300);

// The control file.
QString bundleControlFileName();

// screen_<number>.png, for a number from 1.
QString screenshotFileName(int number);

// The number of a screenshot's file name, or 0 for any other name. A
// screenshot is screen_<n>.png with n a positive decimal number without
// leading zeros (and within int, far beyond any pack's count), exactly the
// names screenshotFileName makes: screen_01.png is the packager's own file.
int screenshotNumber(const QString &fileName);

// Whether something else stands where the bundle goes: a link (even to a
// folder) or anything but a folder at `bundleDir`. A pack must not write
// through it, nor an archive take the link alone for the bundle.
bool isBundlePlaceTaken(const QString &bundleDir);

// The program's app.json is a few hundred bytes; anything far larger is not
// its own and is never read into memory.
constexpr qint64 kControlFileCap = qint64(1) << 20;

// Far above any logo or screenshot a pack writes.
constexpr qint64 kBundleImageCap = qint64(64) << 20;

// A file of an earlier bundle is input like any other: the packager, or
// whoever could write there, may have put a pipe (opening it waits for a
// writer for ever), a link to a device (read without end) or to any file of
// theirs in its place. This opens only a regular file of at most `cap`
// bytes, never through a link and without waiting; anything else counts as
// absent. The checks are made on the descriptor read from, so the name
// cannot change its file in between.
class BundleFile
{
public:
    BundleFile(const QString &path, qint64 cap);
    ~BundleFile();
    BundleFile(const BundleFile &) = delete;
    BundleFile &operator=(const BundleFile &) = delete;

    bool isOpen() const { return fd >= 0; }

    // Everything in it, at most the cap; empty when it is not open.
    QByteArray readAll();
    // Its first `most` bytes at most, as for a header.
    QByteArray read(qint64 most);

private:
    int fd = -1;
    const qint64 cap;
};

#endif
