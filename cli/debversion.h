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

#endif
