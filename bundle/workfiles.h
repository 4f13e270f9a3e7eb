// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_WORKFILES_H
#define PLINVEX_WORKFILES_H

#include <QString>
#include <QStringList>

// Files and folders the program writes beside its outputs while it works:
// hidden, named after the kind of work and the package, with a random tail,
// so that they never clash with the packager's own files.
enum class WorkKind { Staging, Archive };

// A fresh name for such a file directly beneath `desktopDir`.
QString newWorkPath(const QString &desktopDir, WorkKind kind, const QString &pkgName);

// What a killed earlier run of this kind of work on this package left
// directly beneath `desktopDir`: its work names, followed by `suffix`.
QStringList findLeftWork(const QString &desktopDir, WorkKind kind, const QString &pkgName,
                         const QString &suffix = QString());

// Removes what a killed earlier run of this kind of work on this package
// left directly beneath `desktopDir`; nothing else.
void removeLeftWork(const QString &desktopDir, WorkKind kind, const QString &pkgName);

// Removes a file or folder of the program's own; a link loses only itself.
// Folders in it that their owner made read-only are opened up first: a
// copy of the packager's own files keeps their modes.
void removeWorkPath(const QString &path);

#endif
