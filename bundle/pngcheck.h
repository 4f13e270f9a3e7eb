// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PNGCHECK_H
#define PLINVEX_PNGCHECK_H

#include <QString>

// True when `path` holds one still PNG image (no animation) that fits
// within width x height. Reads the chunk headers only, so it needs no image
// library and stays quick for any size.
bool isPngWithin(const QString &path, int width, int height);

#endif
