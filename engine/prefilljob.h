// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PREFILLJOB_H
#define PLINVEX_PREFILLJOB_H

#include "bundle/submission.h"
#include "package/packagemetadata.h"
#include "package/valuechoice.h"
#include "tools/job.h"

#include <QString>
#include <QStringList>

#include <memory>

// What a prefill asks for: the package and what the packager gave already.
struct PrefillRequest
{
    SubmissionValues given; // given.package is the package's path
    QString desktopDir;     // where an earlier bundle of the package would stand
    QStringList languages;  // for the package's localised texts, most wanted first
    QStringList companions; // more packages to look in for what it lacks
    // Off: only what was given and the package's own name and version count
    // (the package is still read, so a broken one is told).
    bool fromPackageAndBundle = true;
};

struct Prefill
{
    PackageMetadata metadata; // what the package says of itself
    EarlierBundle earlier;
    SubmissionValues values; // every value from the first that has one
};

class PackageReadJob;

// Fills a submission the same way for both front ends: the confined
// reading, the earlier bundle of that package name on the desktop, then the
// choice of values (given, earlier bundle, package). The
// package's logo is kept in the cache folder when nothing given or earlier
// comes first. Its step is Read.
class PrefillJob : public Job
{
    Q_OBJECT

public:
    explicit PrefillJob(PrefillRequest request, QObject *parent = nullptr);
    ~PrefillJob() override;

    const Prefill &result() const { return prefill; }

protected:
    void begin() override;
    void callOff() override;

private:
    void read();
    void choose(const PackageMetadata &metadata);

    const PrefillRequest request;
    PackageReadJob *reading = nullptr;
    Prefill prefill;
};

#endif
