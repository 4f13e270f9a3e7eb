// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/findingwords.h"

QString commandLineWords(const Finding &finding)
{
    return finding.message;
}
