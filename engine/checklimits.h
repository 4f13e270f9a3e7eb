// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CHECKLIMITS_H
#define PLINVEX_CHECKLIMITS_H

// The numbers the check's rules compare against, shared with the rule book
// so that a limit is spelt once. The picture boxes are the bundle's own
// (bundle/bundlelayout.h), the decoding caps the header reader's
// (engine/pictureheader.h).

#include "bundle/bundlelayout.h"
#include "engine/pictureheader.h"

#include <QSize>
#include <QString>

// Screenshots more than this far from the box's 4:3 in either direction
// leave margins wider than the picture's own content.
constexpr double kAspectTolerance = 1.5;
// A one-line description narrower than this says little more than the name;
// the store's list shows about this much of it.
constexpr int kShortDescription = 60;
// Longer than this, the store's page becomes a wall of text.
constexpr int kLongDescription = 4000;
// Wider than this, the store's list cuts the name off.
constexpr int kLongName = 40;
// Screenshots whose difference hashes differ in this many bits or fewer
// show the same thing to the eye.
constexpr int kNearDuplicateBits = 6;
// A screenshot is blank when this share of it (in percent) is one colour,
// each channel within kBlankDistance of it.
constexpr int kBlankShare = 98;
constexpr int kBlankDistance = 8;
// A transparent band along an edge at least this share of the side (in
// percent) shows as an empty band on the store's page.
constexpr int kTransparentBand = 2;
// A logo whose opaque part covers less than this share (in percent) of its
// canvas shows as a speck in its 128×128 square; under kLogoVisible it
// shows as nothing at all, as the reader passes such an icon over.
constexpr int kLogoCoverage = 20;
constexpr int kLogoVisible = 5;
// The size of the reduced copy the blank check and the difference hash
// look at: large enough for a line of text, small enough to be quick.
constexpr QSize kReducedCopy(128, 96);

// A size as findings report it: "128×128".
inline QString sizeText(const QSize &size)
{
    return QStringLiteral("%1×%2").arg(size.width()).arg(size.height());
}

// A share in percent as findings report it: "5%".
inline QString percentText(qint64 share)
{
    return QStringLiteral("%1%").arg(share);
}

#endif
