// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/compression.h"

#include "bundle/bundleassembly.h"
#include "bundle/bundlelayout.h"
#include "bundle/packagelock.h"
#include "bundle/workfiles.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// Enough samples to tell a compressed file from a compressible one, few
// enough that a 2 GB bundle is judged in a fraction of a second.
constexpr qint64 kSampleBytes = qint64(64) * 1024;
constexpr int kSamplesInAll = 32;
// tar's own bytes: a header and up to a block of padding for each member,
// the end blocks and the last record filled up. gzip squeezes these to
// nearly nothing; stored they stay.
constexpr qint64 kTarBytesPerMember = 1024;
constexpr qint64 kTarBytesAtTheEnd = 10240 + 1024;
// Storing may cost at most this much above what deflate would make of it.
constexpr double kStoredAllowance = 1.003;

struct Sampled
{
    qint64 raw = 0;
    qint64 deflated = 0;
};

void sample(QFile &file, qint64 offset, Sampled &sampled)
{
    if (!file.seek(offset))
        return;
    const QByteArray chunk = file.read(kSampleBytes);
    if (chunk.isEmpty())
        return;
    sampled.raw += chunk.size();
    // qCompress adds a 4-byte length before zlib's own 6 bytes of frame;
    // gzip has a frame of its own, counted once for the whole archive.
    sampled.deflated += qMax<qint64>(0, qCompress(chunk, 6).size() - 10);
}

} // namespace

GzipChoice chooseGzip(const QString &bundleDir)
{
    GzipChoice choice;
    const bool parallel = !QStandardPaths::findExecutable(QStringLiteral("pigz")).isEmpty();
    choice.program = parallel ? QStringLiteral("pigz") : QStringLiteral("gzip");

    QList<QPair<QString, qint64>> files;
    qint64 total = 0;
    qint64 members = 1;
    QDirIterator it(bundleDir,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++members;
        const QFileInfo info = it.fileInfo();
        if (info.isFile() && !info.isSymLink() && info.size() > 0) {
            files.append({info.filePath(), info.size()});
            total += info.size();
        }
    }
    if (total == 0)
        return choice;

    // Each file counts with its own ratio, so that a few small screenshots
    // sampled whole do not speak for a large package.
    double deflated = 0;
    for (const auto &[path, size] : std::as_const(files)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            deflated += double(size);
            continue;
        }
        Sampled sampled;
        const qint64 samples = qMax<qint64>(1, kSamplesInAll * size / total);
        if (samples * kSampleBytes >= size) {
            for (qint64 offset = 0; offset < size; offset += kSampleBytes)
                sample(file, offset, sampled);
        } else {
            // From the middle of equal stretches: a package's first bytes
            // (its headers and control part) are no sample of the rest.
            for (qint64 i = 0; i < samples; ++i) {
                const qint64 middle = (2 * i + 1) * size / (2 * samples);
                sample(file, qMax<qint64>(0, middle - kSampleBytes / 2), sampled);
            }
        }
        deflated += sampled.raw > 0 ? double(size) * double(sampled.deflated) / double(sampled.raw)
                                    : double(size);
    }
    const double stored = double(total + members * kTarBytesPerMember + kTarBytesAtTheEnd);
    if (stored <= deflated * kStoredAllowance)
        choice.level = parallel ? 0 : 1; // gzip has no level 0; at 1 it stores what does not shrink
    return choice;
}

QString archivePath(const QString &desktopDir, const QString &pkgName)
{
    return desktopDir + QLatin1Char('/') + pkgName + QStringLiteral(".tar.gz");
}

ArchiveOutcome compressBundleFolder(const QString &desktopDir, const QString &pkgName,
                                    const RunControl &control, int timeoutMs)
{
    ArchiveOutcome outcome;
    if (!isPlainFolderName(pkgName)) {
        outcome.status = ArchiveOutcome::NotPlainName;
        outcome.path = pkgName;
        return outcome;
    }
    if (!QFileInfo(desktopDir).isDir()) {
        outcome.status = ArchiveOutcome::DesktopGone;
        outcome.path = desktopDir;
        return outcome;
    }
    // tar would archive a link as the link alone, and report success.
    const QString bundleDir = bundleDirPath(desktopDir, pkgName);
    if (isBundlePlaceTaken(bundleDir)) {
        outcome.status = ArchiveOutcome::PlaceTaken;
        outcome.path = bundleDir;
        return outcome;
    }
    // Not while a pack of the same package swaps the folder, nor beside a
    // second compression that would take this one's file for a leftover.
    PackageLock lock(desktopDir, pkgName);
    switch (lock.acquire(control.cancellation)) {
    case PackageLock::Result::Held:
        break;
    case PackageLock::Result::Cancelled:
        outcome.status = ArchiveOutcome::Cancelled;
        return outcome;
    case PackageLock::Result::Unavailable:
        outcome.status = ArchiveOutcome::LockUnavailable;
        outcome.path = packageLockPath(desktopDir, pkgName);
        return outcome;
    }
    removeLeftWork(desktopDir, WorkKind::Archive, pkgName);
    const QString temporary = newWorkPath(desktopDir, WorkKind::Archive, pkgName);
    ToolCommand tar;
    tar.program = QStringLiteral("tar");
    // Names relative to the desktop, so the archive holds ./<pkg>/... only.
    // --force-local: a colon in a name is part of the name, never a host
    // to connect to. tar splits the compressor's line into words itself, so
    // it holds only words chosen here, never a name.
    tar.arguments = QStringList{
        QStringLiteral("-cvf"), QFileInfo(temporary).fileName(), QStringLiteral("--force-local"),
        QStringLiteral("--use-compress-program=") + chooseGzip(bundleDir).compressProgram(),
        QStringLiteral("./") + pkgName + QLatin1Char('/')};
    tar.workingDirectory = desktopDir + QLatin1Char('/');
    tar.timeoutMs = timeoutMs;
    tar.progressPath = temporary;

    outcome.tool = runTool(tar, control);
    if (!outcome.tool.succeeded()) {
        outcome.status =
            outcome.tool.cancelled ? ArchiveOutcome::Cancelled : ArchiveOutcome::ToolFailed;
        removeWorkPath(temporary);
        return outcome;
    }
    // rename() replaces the earlier archive in one step; a link standing
    // there is replaced itself, never written through.
    if (::rename(QFile::encodeName(temporary).constData(),
                 QFile::encodeName(archivePath(desktopDir, pkgName)).constData()) != 0) {
        outcome.status = ArchiveOutcome::RenameFailed;
        outcome.reason = QString::fromLocal8Bit(std::strerror(errno));
        removeWorkPath(temporary);
    }
    return outcome;
}
