// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_SIZETEXT_H
#define PLINVEX_SIZETEXT_H

#include <QString>

// A byte count as the store shows it, e.g. 1.50MB: two decimals, rounded half
// up, units of 1024, each unit taken only above 1024 of the smaller one.
QString formatSize(qint64 bytes);

#endif
