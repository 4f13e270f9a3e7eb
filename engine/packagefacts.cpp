// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/packagefacts.h"

#include "package/packagemetadata.h"
#include "package/valuechoice.h"

#include <QFileInfo>
#include <QRegularExpression>

void takeReading(PackageFacts &facts, const PackageMetadata &read)
{
    facts.corrupt = read.corrupt;
    facts.readerProblem = read.readerProblem;
    facts.readerDetail = read.readerDetail;
    facts.guessedEntry = read.guessedEntry;
    facts.readable = read.readable;
    facts.ownName = read.package;
    facts.ownVersion = read.version;
    facts.appStreamRelease = read.newestRelease;
    facts.notApplication = read.readable && !read.application;
    facts.textsWithNul = read.textsWithNul;
}

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
    takeReading(facts, read);
    facts.confinement = read.confinement;
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
    return facts;
}

QString readerProblemKey(ReaderProblem problem)
{
    switch (problem) {
    case ReaderProblem::None:
        break;
    case ReaderProblem::Missing:
        return QStringLiteral("missing");
    case ReaderProblem::NotStarted:
        return QStringLiteral("not-started");
    case ReaderProblem::Crashed:
        return QStringLiteral("crashed");
    case ReaderProblem::TimedOut:
        return QStringLiteral("timed-out");
    case ReaderProblem::TooMuchOutput:
        return QStringLiteral("too-much-output");
    case ReaderProblem::Failed:
        return QStringLiteral("failed");
    case ReaderProblem::BadAnswer:
        return QStringLiteral("bad-answer");
    }
    return {};
}
