// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_COMPRESSION_H
#define PLINVEX_COMPRESSION_H

#include "tools/job.h"
#include "tools/toolrunner.h"

#include <QString>

#include <memory>

struct ArchiveOutcome
{
    enum Status {
        Written,
        NotPlainName,    // path: the package name, which names no single folder
        PlaceTaken,      // path: a link or something other than a folder at the bundle's place
        DesktopGone,     // path: the desktop folder, no longer there
        ToolFailed,      // tool: tar, and why it failed
        RenameFailed,    // reason: why the finished archive could not take its name
        LockUnavailable, // path: the lock file, which could not be opened or locked
        Cancelled,
    };
    Status status = Written;
    QString path;
    ToolResult tool;
    QString reason;
};

// How the archive's gzip stream is made: a program and its fixed options,
// as tar is to start it.
struct GzipChoice
{
    QString program; // pigz when it is installed, else gzip
    int level = 6;   // 0 (pigz only): deflate stores the blocks as they are
    // -n: no name and no time in the gzip header, so the same bundle gives
    // the same archive.
    QString compressProgram() const
    {
        return program + QStringLiteral(" -n -") + QString::number(level);
    }
};

// Chooses the gzip program and level for a bundle folder. What is already
// compressed (a package's members, PNGs) cannot shrink, and squeezing it
// only takes time: the level is chosen from samples of the content, so that
// the archive is never more than a few parts in a thousand larger than
// gzip's default would make it.
GzipChoice chooseGzip(const QString &bundleDir);

// <desktopDir>/<pkgName>.tar.gz
QString archivePath(const QString &desktopDir, const QString &pkgName);

// Archives the bundle folder <desktopDir>/<pkgName> as ./<pkgName>/ into
// <pkgName>.tar.gz beside it (an ordinary gzip stream, made with chooseGzip),
// handing tar's listing of each archived path to listing() as it comes. tar
// writes a temporary file that takes the archive's name only once it is
// complete, so an earlier archive survives any failure whole. tar may run as
// long as it keeps writing. Its steps are Lock and Compress, whose
// progress counts the entries listed against those in the folder.
class CompressJob : public Job
{
    Q_OBJECT

public:
    CompressJob(const QString &desktopDir, const QString &pkgName, int timeoutMs = kToolTimeoutMs,
                QObject *parent = nullptr);
    // A job still running is killed and its temporary file removed.
    ~CompressJob() override;

    const ArchiveOutcome &result() const;

signals:
    void listing(const QByteArray &chunk);

protected:
    void begin() override;
    void callOff() override;

private:
    class Steps;
    std::unique_ptr<Steps> steps;
};

#endif
