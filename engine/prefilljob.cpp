// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/prefilljob.h"

#include "bundle/bundleassembly.h"
#include "package/confinedreader.h"
#include "package/logocache.h"

#include <QFileInfo>

PrefillJob::PrefillJob(PrefillRequest request, QObject *parent)
    : Job(parent)
    , request(std::move(request))
{
}

PrefillJob::~PrefillJob() = default;

void PrefillJob::begin()
{
    read();
}

void PrefillJob::callOff()
{
    if (reading && reading->isRunning())
        reading->kill(); // its end ends the prefill, with nothing read
    else
        finish();
}

void PrefillJob::read()
{
    const QString package = request.given.package.value;
    if (!QFileInfo(package).isFile())
        return choose({});
    reading = new PackageReadJob(package, request.languages, request.companions, this);
    forwardProgress(reading);
    connect(reading, &Job::finished, this, [this] {
        reading->deleteLater();
        choose(reading->result());
    });
    reading->start();
}

void PrefillJob::choose(const PackageMetadata &metadata)
{
    prefill.metadata = metadata;
    PackageMetadata used = metadata;
    if (!request.fromPackageAndBundle) {
        // The package's own name and version count all the same.
        used = PackageMetadata();
        used.package = metadata.package;
        used.version = metadata.version;
    }
    const SubmissionValues &given = request.given;
    const QString pkgName = chooseValues(given, EarlierBundle(), used, QString()).pkgName.value;
    QString cachedLogo;
    // Only a name of one folder may lead to an earlier bundle; an empty one
    // or ".." would take the desktop or its parent for one.
    if (request.fromPackageAndBundle && !request.desktopDir.isEmpty() &&
        isPlainFolderName(pkgName)) {
        prefill.earlier = readEarlierBundle(bundleDirPath(request.desktopDir, pkgName));
        if (given.logo.value.isEmpty() && prefill.earlier.logo.isEmpty())
            cachedLogo = cacheLogo(pkgName, used.logoPng);
    }
    prefill.values = chooseValues(given, prefill.earlier, used, cachedLogo);
    finish();
}
