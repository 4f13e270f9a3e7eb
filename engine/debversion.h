// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_DEBVERSION_H
#define PLINVEX_DEBVERSION_H

#include <QString>

// How dpkg takes a version string ([epoch:]upstream[-revision], deb-version(7)).
struct VersionVerdict
{
    enum Kind {
        Valid,
        Dubious, // dpkg accepts it with a warning
        Invalid, // dpkg refuses it
    };
    Kind kind = Valid;
    QString reason; // why, in the UI language; empty when valid
};

VersionVerdict checkDebVersion(const QString &version);

// The upstream part of a version: without an epoch "N:" and without the
// revision after the last "-".
QString upstreamVersion(const QString &version);

// The upstream version as upstream released it: without Debian's repack
// suffix ("+dfsg", "+ds", "~dfsg", each with an optional number), so
// "1.5.8+dfsg" is upstream's "1.5.8".
QString withoutRepackSuffix(const QString &upstream);

// How dpkg orders two upstream versions (or two revisions): negative, zero or
// positive, so "1.0" and "1.00" are the same and "1.0~rc1" comes before "1.0".
int compareVersionParts(const QString &a, const QString &b);

#endif
