// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/packagefacts.h"

#include "package/packagemetadata.h"
#include "tools/packageprobe.h"

#include <QFileInfo>
#include <QRegularExpression>

PackageFacts packageFacts(const QString &path, const PackageIdentity &probe,
                          const PackageMetadata &read)
{
    PackageFacts facts;
    facts.path = path;
    const QFileInfo info(path);
    facts.exists = info.exists();
    facts.regularFile = info.isFile();
    if (!facts.regularFile)
        return facts;
    facts.corrupt = read.corrupt;
    facts.readerProblem = read.readerProblem;
    facts.readerDetail = read.readerDetail;
    facts.guessedEntry = read.guessedEntry;
    if (read.logoPng.isEmpty() && !read.iconName.isEmpty()) {
        facts.missingIcon = read.iconName;
        // Packages that hold a program's shared files by these names are
        // where its icon most likely is.
        static const QRegularExpression holder(QStringLiteral("-(data|common|icons|theme)$"));
        for (const QString &name : read.related) {
            if (holder.match(name).hasMatch())
                facts.iconCompanions << name;
        }
    }
    facts.readable = probe.found || read.readable;
    facts.ownName = probe.found ? probe.name : read.package;
    facts.ownVersion = probe.found ? probe.version : read.version;
    facts.appStreamRelease = read.newestRelease;
    facts.textsWithNul = read.textsWithNul;
    return facts;
}
