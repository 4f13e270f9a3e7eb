// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKGATE_H
#define PLINVEX_PACKGATE_H

#include "engine/checkfindings.h"

// The two faces that pack.
enum class Face { Window, CommandLine };

// Whether the finding stops a pack in `face`. Which findings do is declared
// once, here, for both faces.
bool stopsPack(const Finding &finding, Face face);

#endif
