// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_BUNDLECHECKJOB_H
#define PLINVEX_BUNDLECHECKJOB_H

#include "bundle/submission.h"
#include "engine/checkfindings.h"
#include "tools/job.h"

#include <QList>
#include <QString>

#include <memory>

class ToolRun;
struct ToolCommand;
struct ToolResult;
struct BundleFolderListing;

// What a path given to the check is, by what it is rather than its name: a
// folder holding app.json, a file that starts as gzip does, or one that
// starts as a Debian package does.
enum class InputKind { Package, BundleFolder, BundleArchive, Unknown };
InputKind inputKindOf(const QString &path);

// Checks a submission as a store receives it: a bundle folder with its
// app.json, or its archive, read as a stream by the confined reader.
class BundleCheckJob : public Job
{
    Q_OBJECT

public:
    explicit BundleCheckJob(QString path, QObject *parent = nullptr);
    ~BundleCheckJob() override;

    // Read once finished() has been emitted.
    const QList<Finding> &findings() const { return found; }
    const SubmissionValues &values() const { return read; } // as its app.json has them
    const PackageFacts &package() const { return facts; }   // of the package inside

protected:
    void begin() override;
    void callOff() override;

private:
    void readBundle(const ToolCommand &command);
    void judge(const ToolResult &result);

    QString path;
    QList<Finding> found;
    SubmissionValues read;
    PackageFacts facts;
    InputKind kind = InputKind::Unknown;
    int archiveFd = -1;
    std::unique_ptr<BundleFolderListing> listing;
    ToolRun *selfTest = nullptr;
    ToolRun *reader = nullptr;
    ReaderConfinement confinement; // what the reader's self-test proved
};

#endif
