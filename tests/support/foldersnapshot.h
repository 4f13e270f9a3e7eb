// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_FOLDERSNAPSHOT_H
#define PLINVEX_FOLDERSNAPSHOT_H

#include <QMap>
#include <QString>

// Everything beneath `root` by relative path: folders, links with their
// targets (never followed) and files with a digest of their contents. Two
// equal snapshots mean nothing was created, removed or changed.
QMap<QString, QString> folderSnapshot(const QString &root);

// The snapshot without the entries at or beneath `relative`.
QMap<QString, QString> without(QMap<QString, QString> snapshot, const QString &relative);

// What differs between two snapshots (or any two maps of texts), one entry a
// line, for a failure message; empty when they are equal.
QString snapshotDifference(const QMap<QString, QString> &before,
                           const QMap<QString, QString> &after);

#endif
