// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/packgate.h"

bool stopsPack(const Finding &finding, Face face)
{
    Q_UNUSED(face)
    return finding.severity == Severity::Error && !finding.ignored;
}
