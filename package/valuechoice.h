// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_VALUECHOICE_H
#define PLINVEX_VALUECHOICE_H

#include "package/packagemetadata.h"

#include <QString>
#include <QStringList>

// What an earlier bundle of the package on the desktop holds: its app.json
// values (an optional field holding the single blank of an empty one counts
// as not given), its icon.png and its screen_<n>.png in number order. Each
// only when it is a regular file within its cap (BundleFile); a pipe, a
// link or a folder in its place counts as absent.
struct EarlierBundle
{
    bool found = false; // app.json is there and parses
    QString name;
    QString author;
    QString homepage;
    QString contributor;
    QString description;
    QString logo;
    QStringList screenshots;
    // app.json when it stands there as a file over its cap, so it was not read.
    QString oversizeControlFile;
};

EarlierBundle readEarlierBundle(const QString &bundleDir);

// Every value from the first that has one: given, the earlier bundle, the
// package's metadata (with `cachedLogo` as its logo). The package name and
// version come from the package's control file only, as dpkg-deb reads them;
// the contributor never comes from the package.
SubmissionValues chooseValues(const SubmissionValues &given, const EarlierBundle &earlier,
                              const PackageMetadata &metadata, const QString &cachedLogo);

#endif
