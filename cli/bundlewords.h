// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_BUNDLEWORDS_H
#define PLINVEX_BUNDLEWORDS_H

#include "engine/checkfindings.h"

#include <QString>

// The command line's words for a finding of the bundle's own rules (a tag
// beginning "bundle-"), its params put in as a terminal may show them; empty
// for any other finding. The member it concerns is the face's to show beside
// them.
QString bundleFindingWords(const Finding &finding);

#endif
