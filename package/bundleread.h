// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_BUNDLEREAD_H
#define PLINVEX_BUNDLEREAD_H

#include "package/bundlefacts.h"
#include "tools/toolrunner.h"

#include <QList>
#include <QString>
#include <QStringList>

// This program's side of reading a bundle: what it may see of a folder
// without reading any file's bytes, the reader's command, and its checked
// reading of the answer.

// A bundle folder as its listing shows it, never through a link: the files
// it holds (judged by the reader once handed over), its links, special
// files and subfolders. Owns the descriptors it opened until they are taken.
struct BundleFolderListing
{
    BundleFacts facts; // top, problems, files, executables, others, sizes
    QStringList handedNames;
    QList<int> fds;
    qint64 bytes = 0;

    BundleFolderListing() = default;
    BundleFolderListing(const BundleFolderListing &) = delete;
    BundleFolderListing &operator=(const BundleFolderListing &) = delete;
    ~BundleFolderListing();
};

// Lists the folder at `path`; the folder itself is opened without following
// a link, and so is every file in it.
void listBundleFolder(const QString &path, BundleFolderListing *listing);

// The reader's command for the archive open at `archiveFd` of `bytes`.
ToolCommand bundleArchiveCommand(int archiveFd, qint64 bytes);
// The reader's command for the files of a listed folder.
ToolCommand bundleFolderCommand(const BundleFolderListing &listing);

// This program's checked reading of what the reader printed; false when it
// does not hold together, or passes a cap.
bool decodeBundleFacts(const QByteArray &answer, BundleFacts *facts);

#endif
