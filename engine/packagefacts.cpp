// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/packagefacts.h"

#include "package/packagemetadata.h"
#include "package/valuechoice.h"

#include <QFileInfo>
#include <QRegularExpression>

PackageFacts packageFacts(const QString &path, const PackageMetadata &read,
                          const EarlierBundle &earlier)
{
    PackageFacts facts;
    facts.path = path;
    const QFileInfo info(path);
    facts.exists = info.exists();
    facts.oversizeEarlierControl = earlier.oversizeControlFile;
    facts.regularFile = info.isFile();
    if (!facts.regularFile)
        return facts;
    facts.corrupt = read.corrupt;
    facts.readerProblem = read.readerProblem;
    facts.readerDetail = read.readerDetail;
    facts.confinement = read.confinement;
    facts.guessedEntry = read.guessedEntry;
    if (read.logoPng.isEmpty() && !read.iconName.isEmpty()) {
        facts.missingIcon = read.iconName;
        // Packages that hold a program's shared files by these names are
        // where its icon most likely is.
        static const QRegularExpression holder(QStringLiteral("-(data|common|icons|theme)$"));
        // Those already beside it were read and did not have it.
        for (const QString &name : read.related) {
            if (holder.match(name).hasMatch() && !read.companionPackages.contains(name))
                facts.iconCompanions << name;
        }
    }
    facts.readable = read.readable;
    facts.ownName = read.package;
    facts.ownVersion = read.version;
    facts.appStreamRelease = read.newestRelease;
    facts.notApplication = read.readable && !read.application;
    facts.textsWithNul = read.textsWithNul;
    return facts;
}
