// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PACKAGEFACTS_H
#define PLINVEX_PACKAGEFACTS_H

#include "engine/checkfindings.h"

struct EarlierBundle;
struct PackageMetadata;

// What the check needs to know of the package at `path`: whether it is there
// and a plain file, and what the confined reader made of it.
// The window and the command line build them the same way, so both report
// the same findings for the same package. Looks at the file itself only to
// see whether it is there; a package that is not a plain file has nothing
// more to tell.
PackageFacts packageFacts(const QString &path, const PackageMetadata &read,
                          const EarlierBundle &earlier);

// What the confined reader made of a package, as the check takes it: the
// package's own name and version, whether it was read to its end, and what
// the reader could not do.
void takeReading(PackageFacts &facts, const PackageMetadata &read);

// What kept the confined reader from answering, as a key each face words
// ("timed-out"); empty when nothing did.
QString readerProblemKey(ReaderProblem problem);

#endif
