// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/compression.h"

#include "bundle/bundleassembly.h"
#include "bundle/bundlelayout.h"
#include "bundle/packagelock.h"
#include "bundle/workfiles.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
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

namespace {

ArchiveOutcome archiveFailure(ArchiveOutcome::Status status, const QString &path = QString())
{
    ArchiveOutcome outcome;
    outcome.status = status;
    outcome.path = path;
    return outcome;
}

// What tar will list: every entry beneath the bundle folder, and the folder.
qint64 entriesBeneath(const QString &folder)
{
    qint64 entries = 1;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++entries;
    }
    return entries;
}

// Every member's time in the archive: the bundle's own Update time from its
// app.json, so that the packager's clock at the pack says nothing and two
// packs of the same inputs give the same archive. A control file that is not
// one plain object with that value gives the epoch, equally fixed.
qint64 bundleUpdateTime(const QString &bundleDir)
{
    BundleFile file(bundleDir + QLatin1Char('/') + bundleControlFileName(), kControlFileCap);
    const QJsonDocument control = QJsonDocument::fromJson(file.readAll());
    const QJsonValue update = control.object().value(QStringLiteral("Update"));
    const QDateTime time =
        QDateTime::fromString(update.toString(), QStringLiteral("yyyy-MM-dd hh:mm"));
    return time.isValid() ? qMax<qint64>(0, time.toSecsSinceEpoch()) : 0;
}

} // namespace

class CompressJob::Steps
{
    struct Survey
    {
        GzipChoice gzip;
        qint64 entries = 0;
        qint64 memberTime = 0;
    };

public:
    Steps(CompressJob *job, QString desktopDir, QString pkgName, int timeoutMs)
        : job(job)
        , desktopDir(std::move(desktopDir))
        , pkgName(std::move(pkgName))
        , timeoutMs(timeoutMs)
    {
    }

    ~Steps()
    {
        delete tar;
        if (!temporary.isEmpty())
            removeWorkPath(temporary);
    }

    void start()
    {
        if (!isPlainFolderName(pkgName))
            return end(archiveFailure(ArchiveOutcome::NotPlainName, pkgName));
        if (!QFileInfo(desktopDir).isDir())
            return end(archiveFailure(ArchiveOutcome::DesktopGone, desktopDir));
        // tar would archive a link as the link alone, and report success.
        bundleDir = bundleDirPath(desktopDir, pkgName);
        if (isBundlePlaceTaken(bundleDir))
            return end(archiveFailure(ArchiveOutcome::PlaceTaken, bundleDir));
        // Not while a pack of the same package swaps the folder, nor beside a
        // second compression that would take this one's file for a leftover.
        lock = std::make_unique<PackageLock>(desktopDir, pkgName);
        QObject::connect(lock.get(), &PackageLock::decided, job,
                         [this](PackageLock::Result held) { lockDecided(held); });
        job->reportProgress(Job::Step::Lock, 0, 0);
        // Whoever watches may have called the compression off right then.
        if (!ended)
            lock->acquire();
    }

    void kill()
    {
        if (ended)
            return;
        if (tar && tar->isRunning()) {
            tar->kill(); // its end ends the compression
            return;
        }
        if (lock)
            lock->stopWaiting();
        end(archiveFailure(ArchiveOutcome::Cancelled));
    }

    const ArchiveOutcome &result() const { return outcome; }

private:
    void lockDecided(PackageLock::Result held)
    {
        if (held == PackageLock::Result::Unavailable)
            return end(archiveFailure(ArchiveOutcome::LockUnavailable,
                                      packageLockPath(desktopDir, pkgName)));
        removeLeftWork(desktopDir, WorkKind::Archive, pkgName);
        temporary = newWorkPath(desktopDir, WorkKind::Archive, pkgName);
        surveyBundle();
    }

    // Sampling the bundle's content for the gzip level reads and squeezes
    // megabytes: it runs on a thread of its own, never in the way of the
    // event loop. The thread owns what it finds and is never waited for.
    void surveyBundle()
    {
        auto found = std::make_shared<Survey>();
        QThread *survey = QThread::create([found, folder = bundleDir] {
            found->gzip = chooseGzip(folder);
            found->entries = entriesBeneath(folder);
            found->memberTime = bundleUpdateTime(folder);
        });
        QObject::connect(survey, &QThread::finished, survey, &QObject::deleteLater);
        QObject::connect(survey, &QThread::finished, job, [this, found] {
            if (ended)
                return;
            gzip = found->gzip;
            total = found->entries;
            memberTime = found->memberTime;
            startTar();
        });
        survey->start();
    }

    void startTar()
    {
        tar = new ToolRun(tarCommand());
        QObject::connect(tar, &ToolRun::output, job, [this](const QByteArray &chunk) {
            listed += chunk.count('\n');
            emit job->listing(chunk);
            job->reportProgress(Job::Step::Compress, qMin(listed, total), total);
        });
        QObject::connect(tar, &ToolRun::finished, job,
                         [this](const ToolResult &result) { tarEnded(result); });
        job->reportProgress(Job::Step::Compress, 0, total);
        if (!ended)
            tar->start();
    }

    ToolCommand tarCommand() const
    {
        ToolCommand command;
        command.program = QStringLiteral("tar");
        // Names relative to the desktop, so the archive holds ./<pkg>/... only.
        // --force-local: a colon in a name is part of the name, never a host
        // to connect to. tar splits the compressor's line into words itself, so
        // it holds only words chosen here, never a name. The members carry
        // nothing of the packager's (no user or group name, no uid, no time
        // of theirs) and come in a fixed order: the same bundle gives the same
        // archive.
        command.arguments =
            QStringList{QStringLiteral("-cvf"),
                        QFileInfo(temporary).fileName(),
                        QStringLiteral("--force-local"),
                        QStringLiteral("--sort=name"),
                        QStringLiteral("--owner=0"),
                        QStringLiteral("--group=0"),
                        QStringLiteral("--numeric-owner"),
                        QStringLiteral("--mtime=@") + QString::number(memberTime),
                        QStringLiteral("--use-compress-program=") + gzip.compressProgram(),
                        QStringLiteral("./") + pkgName + QLatin1Char('/')};
        command.workingDirectory = desktopDir + QLatin1Char('/');
        command.timeoutMs = timeoutMs;
        command.progressPath = temporary;
        return command;
    }

    void tarEnded(const ToolResult &result)
    {
        ArchiveOutcome written;
        written.tool = result;
        if (!result.succeeded()) {
            written.status =
                result.cancelled ? ArchiveOutcome::Cancelled : ArchiveOutcome::ToolFailed;
            return end(written);
        }
        // rename() replaces the earlier archive in one step; a link standing
        // there is replaced itself, never written through.
        if (::rename(QFile::encodeName(temporary).constData(),
                     QFile::encodeName(archivePath(desktopDir, pkgName)).constData()) != 0) {
            written.status = ArchiveOutcome::RenameFailed;
            written.reason = QString::fromLocal8Bit(std::strerror(errno));
        } else {
            temporary.clear();
        }
        end(written);
    }

    void end(const ArchiveOutcome &ending)
    {
        if (ended)
            return;
        ended = true;
        outcome = ending;
        if (!temporary.isEmpty())
            removeWorkPath(temporary);
        temporary.clear();
        lock.reset();
        job->finish();
    }

    CompressJob *const job;
    const QString desktopDir;
    const QString pkgName;
    const int timeoutMs;
    QString bundleDir;
    QString temporary;
    std::unique_ptr<PackageLock> lock;
    ToolRun *tar = nullptr;
    GzipChoice gzip;
    qint64 memberTime = 0;
    qint64 listed = 0;
    qint64 total = 0;
    bool ended = false;
    ArchiveOutcome outcome;
};

CompressJob::CompressJob(const QString &desktopDir, const QString &pkgName, int timeoutMs,
                         QObject *parent)
    : Job(parent)
    , steps(std::make_unique<Steps>(this, desktopDir, pkgName, timeoutMs))
{
}

CompressJob::~CompressJob() = default;

void CompressJob::begin()
{
    steps->start();
}

void CompressJob::callOff()
{
    steps->kill();
}

const ArchiveOutcome &CompressJob::result() const
{
    return steps->result();
}
