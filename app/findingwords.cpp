// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/findingwords.h"

#include "cli/findingwords.h"

// Until the window has words of its own, it borrows the command line's.
QString windowWords(const Finding &finding)
{
    return commandLineWords(finding);
}
