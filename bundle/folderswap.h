// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_FOLDERSWAP_H
#define PLINVEX_FOLDERSWAP_H

#include <QString>

// Puts the folder `staging` in place of `target` in one step, so that no one
// ever sees a half-replaced folder. Where `target` was a folder, the earlier
// one ends up at `staging` for the caller to remove. False, with the
// system's reason, when nothing was changed.
bool putFolderInPlace(const QString &staging, const QString &target, QString *reason);

#endif
