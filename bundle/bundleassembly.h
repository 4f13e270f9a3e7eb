// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_BUNDLEASSEMBLY_H
#define PLINVEX_BUNDLEASSEMBLY_H

#include "bundle/submission.h"
#include "tools/job.h"
#include "tools/toolrunner.h"

#include <QList>
#include <QString>

#include <memory>

// Everything one pack needs besides the submission fields.
struct BundleRequest
{
    Submission submission;
    QString iconPath;
    QString desktopDir; // the bundle folder goes directly beneath it
    int timeoutMs = kToolTimeoutMs;
};

struct BundleOutcome
{
    enum Status {
        Built,
        NotPlainName,      // path: the package name, which names no single folder
        NotRegularFile,    // path: an input that is a pipe, a device or a folder
        PlaceTaken,        // path: something other than a folder stands at the bundle's place
        ToolFailed,        // tool: the step that failed
        CopyIncomplete,    // path: the package whose copy came out short
        ImageInvalid,      // path: an input that is no PNG, JPEG or GIF, or the
                           // output that is no single PNG within its box
        ControlFileFailed, // app.json could not be written
        SwapFailed,        // reason: why the new folder could not be put in place
        SetAside,          // path: where the earlier folder waits, as the new one
                           // could not take its place; reason: why
        LockUnavailable,   // path: the lock file, which could not be opened or locked
        Cancelled,
    };
    Status status = Built;
    QString path;
    ToolResult tool;
    QString reason;
};

// The bundle folder <desktopDir>/<pkgName>, without a trailing slash.
QString bundleDirPath(const QString &desktopDir, const QString &pkgName);

// A package name that names exactly one folder on the desktop: not empty, no
// slash, no NUL (the system would cut the path there), and not "." or "..".
bool isPlainFolderName(const QString &pkgName);

// One pack: builds the bundle in a staging folder beside it and puts it in
// place only when every step worked and the outputs are checked: the bundle
// folder is either the new one, whole, or the earlier one as it was. Files
// of the earlier folder that a pack does not make are carried over, but for
// any package (.deb) file: a bundle holds the one packed. One pack
// or compression of a package at a time: a second waits for the first, and
// without the lock nothing is done at all. Its steps are Lock, Build (the
// package copied, each image copied and scaled), Carry and Swap; progress
// counts the tools done.
class PackJob : public Job
{
    Q_OBJECT

public:
    explicit PackJob(BundleRequest request, QObject *parent = nullptr);
    // A job still running is killed and its staging folder removed.
    ~PackJob() override;

    const BundleOutcome &result() const;

protected:
    void begin() override;
    void callOff() override;

private:
    class Steps;
    std::unique_ptr<Steps> steps;
};

#endif
