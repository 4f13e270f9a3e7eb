// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_FOLDERSWAP_H
#define PLINVEX_FOLDERSWAP_H

#include <QString>

enum class SwapResult {
    Swapped,   // the new folder is in place; an earlier one is at `staging`
    Unchanged, // nothing moved: the earlier folder, if any, is still in place
    SetAside,  // the new folder could not take the place and the earlier one
               // could not be moved back: it waits beside it, at `aside`
};

// Puts the folder `staging` in place of `target`, in one step where the file
// system can exchange two names, so that no one ever sees a half-replaced
// folder. Where it cannot, the earlier folder is moved aside to
// earlierAsidePath(staging) for the moment between two renames; a pack
// killed in that moment leaves it there, and recoverSetAside() puts it back.
// `reason` gets the system's reason for anything but Swapped.
SwapResult putFolderInPlace(const QString &staging, const QString &target, QString *reason);

// Where the two-step swap keeps the earlier folder meanwhile: `staging`
// with this tail.
QString earlierAsideSuffix();
QString earlierAsidePath(const QString &staging);

// After a killed two-step swap: an earlier folder left at `aside` goes back
// to `target` when nothing stands there, and is removed when the new one
// made it. False when it had to stay (it could not be moved back).
bool recoverSetAside(const QString &aside, const QString &target);

// How folders are renamed, renameat2(2) style. Tests put a stand-in here to
// take the exchange away, as file systems without it do, or to fail a step.
using FolderRename = int (*)(const char *from, const char *to, unsigned int flags);
extern FolderRename folderRename;

#endif
