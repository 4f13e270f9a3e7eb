// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/findingwords.h"

QString windowWords(const Finding &finding)
{
    return finding.message;
}
