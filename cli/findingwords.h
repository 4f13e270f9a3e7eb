// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CLI_FINDINGWORDS_H
#define PLINVEX_CLI_FINDINGWORDS_H

#include "engine/checkfindings.h"

// A finding in the command line's words, in the UI language: what to give
// is named by its option ("give it with --contributor").
QString commandLineWords(const Finding &finding);

#endif
