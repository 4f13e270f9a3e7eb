// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_BUNDLEWORDS_H
#define PLINVEX_BUNDLEWORDS_H

#include "engine/checkfindings.h"

#include <QString>

// The command line's untranslated words for a finding of the bundle's own
// rules (a tag beginning "bundle-"), in the context "CommandLine"; nullptr
// for any other tag. The member it concerns is shown beside them.
const char *bundleFindingWordSource(const QString &tag);

#endif
