// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CONFINEDREADER_H
#define PLINVEX_CONFINEDREADER_H

#include "package/packagemetadata.h"
#include "package/readeranswer.h"
#include "tools/job.h"
#include "tools/toolrunner.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// The program that reads packages, installed beside this one's library
// folder (or, in a build tree, beside the program): empty when missing.
QString readerProgram();

// Reads what the package at `debPath` says about itself in a child process
// of its own, confined as confineReader() tells, and handed the package as
// an open descriptor; the reader is a tool like any other, stopped at its
// bound and when the job is killed. Whatever the child does, its answer is
// checked here against the caps: a child that crashes, runs out of a limit
// or writes nonsense gives nothing but the reason (readerProblem). A path
// that is no regular file, or a job killed, gives nothing at all.
// When the package lacks what its companions may hold, the reader runs once
// more with them handed over too: `companions` as given, then the .deb files
// beside the package whose file names begin with "<name>_" for a package it
// depends on or recommends (regular files only, never through a link, found
// off the GUI thread), at most kMostCompanions in all.
class PackageReadJob : public Job
{
    Q_OBJECT

public:
    PackageReadJob(const QString &debPath, const QStringList &languages,
                   const QStringList &companions = {}, QObject *parent = nullptr);
    ~PackageReadJob() override;

    const PackageMetadata &result() const;

protected:
    void begin() override;
    void callOff() override;

private:
    class Steps;
    std::unique_ptr<Steps> steps;
};

// This program's checked reading of the answer the reader printed.
bool decodeReaderAnswer(const QByteArray &answer, PackageMetadata *metadata);

#endif
