// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_DESKTOPFOLDER_H
#define PLINVEX_DESKTOPFOLDER_H

#include <QString>

// The folder bundles and archives are written to, looked up anew each time;
// no trailing slash: <home>/Desktop when it exists, else the desktop folder
// the XDG user-dirs configuration names when that exists, else <home>/Desktop.
// Callers look it up once per operation and pass it down.
QString desktopPath();

#endif
