// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_BUNDLEREADER_H
#define PLINVEX_BUNDLEREADER_H

#include <QByteArray>
#include <QList>
#include <QStringList>

// The confined reader's reading of a bundle; each returns the answer it
// prints (encodeBundleFacts).

// The archive open at `fd`, a gzip'd tar, read as one stream within the
// caps of bundlefacts.h: nothing of it is written anywhere but into
// `scratchFd`, a memory file made before the reader sealed itself, sized
// kBundlePackageCap, which the package member is copied into to be read as
// any package is; the reader shrinks it to the package's size.
QByteArray readBundleArchive(int fd, int scratchFd, const QStringList &languages);

// The files of a bundle folder, opened by the program that listed it (the
// folder's own listing, its links and other files, are its to judge):
// `names[i]` is open at `fds[i]`.
QByteArray readBundleFolder(const QStringList &names, const QList<int> &fds,
                            const QStringList &languages);

#endif
