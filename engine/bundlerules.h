// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_BUNDLERULES_H
#define PLINVEX_BUNDLERULES_H

#include "engine/checkfindings.h"
#include "package/bundlefacts.h"

#include <QDateTime>
#include <QList>

// The ten keys of app.json, in the order a pack writes them.
const QStringList &controlFileKeys();

// The bundle's own rules, on what the reader found in it: the archive or
// folder is plain, holds exactly the bundle's members, its app.json is the
// one a pack writes and agrees with its package, and its pictures are what
// the pack makes. Each finding names the member it concerns
// ("gimp/screen_2.png"); `now` is the time an Update may not pass.
QList<Finding> checkBundle(const BundleFacts &facts,
                           const QDateTime &now = QDateTime::currentDateTime());

// The values app.json gives, as the check of a submission takes them.
SubmissionValues bundleValues(const BundleFacts &facts);

#endif
