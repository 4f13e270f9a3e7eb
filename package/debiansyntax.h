// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_DEBIANSYNTAX_H
#define PLINVEX_DEBIANSYNTAX_H

#include <QLatin1String>
#include <QString>

// dpkg compares bytes, so only ASCII letters and digits count as such.
bool isAsciiAlnum(QChar c);
// Whether `part` holds nothing but ASCII letters, digits and `punctuation`.
bool onlyAsciiAlnumOr(const QString &part, QLatin1String punctuation);

// Whether dpkg-deb takes `version` ([epoch:]upstream[-revision],
// deb-version(7)) as a package's version: what dpkg refuses, and what it
// only warns about elsewhere (an upstream part not starting with a digit, a
// character deb-version(7) forbids), dpkg-deb refuses on reading a package.
// Blanks around it are dropped first, as dpkg does.
bool isDebianVersion(const QString &version);

// The name dpkg-deb reads from a control file's Package field written as
// `written`: in lower case (ASCII letters only, as dpkg folds them), and
// empty when it does not follow Debian's rules (isDebianPackageName).
QString debianPackageName(const QString &written);

#endif
