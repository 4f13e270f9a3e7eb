// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/bundleassembly.h"

#include "bundle/bundlelayout.h"
#include "bundle/controlfile.h"
#include "bundle/folderswap.h"
#include "bundle/imageformat.h"
#include "bundle/packagelock.h"
#include "bundle/pngcheck.h"
#include "bundle/workfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <functional>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The box as ImageMagick's geometry: <width>x<height>.
QString geometryOf(const QSize &box)
{
    return QString::number(box.width()) + QLatin1Char('x') + QString::number(box.height());
}

const QString kIconName = bundleIconName();
const QString kControlFileName = bundleControlFileName();

// ImageMagick's limits for one image: far above any logo or screenshot, far
// below what a file claiming 100000x100000 pixels would take. It then fails
// at once and says why, instead of filling memory and disk.
const QStringList kImageLimits = {
    QStringLiteral("-limit"), QStringLiteral("memory"), QStringLiteral("256MiB"),
    QStringLiteral("-limit"), QStringLiteral("map"),    QStringLiteral("512MiB"),
    QStringLiteral("-limit"), QStringLiteral("disk"),   QStringLiteral("1GiB"),
    QStringLiteral("-limit"), QStringLiteral("area"),   QStringLiteral("128MP"),
    QStringLiteral("-limit"), QStringLiteral("width"),  QStringLiteral("16KP"),
    QStringLiteral("-limit"), QStringLiteral("height"), QStringLiteral("16KP"),
    QStringLiteral("-limit"), QStringLiteral("time"),   QStringLiteral("20"),
};

// The decoder ImageMagick is told to use; by content it would choose any
// of its many, some of which read other files or start other programs.
QString coderOf(ImageFormat format)
{
    switch (format) {
    case ImageFormat::Png:
        return QStringLiteral("png:");
    case ImageFormat::Jpeg:
        return QStringLiteral("jpeg:");
    case ImageFormat::Gif:
        return QStringLiteral("gif:");
    case ImageFormat::Unknown:
        break;
    }
    return QString();
}

bool isRealDirectory(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

// One image of the bundle: where it comes from, its name and its box.
struct BundleImage
{
    QString source;
    QString name;
    QSize box;
    ImageFormat format = ImageFormat::Unknown;
};

} // namespace

// The pack's steps, each begun when the one before has ended; nothing here
// waits. A step that runs tools hands its successor to runTools().
class PackJob::Steps
{
public:
    Steps(PackJob *job, BundleRequest request)
        : job(job)
        , r(std::move(request))
        , bundleDir(bundleDirPath(r.desktopDir, r.submission.pkgName))
        , packageName(QFileInfo(r.submission.debPath).fileName())
    {
        images << BundleImage{r.iconPath, kIconName, kLogoBox};
        const QStringList &shots = r.submission.screenshotList;
        for (int i = 0; i < shots.size(); ++i)
            images << BundleImage{shots.at(i), screenshotFileName(i + 1), kScreenshotBox};
        // mkdir, the package copy, and a copy and a scaling for each image.
        total = 2 + 2 * images.size();
    }

    ~Steps()
    {
        delete tools;
        // After a swap this holds the earlier bundle; otherwise the unfinished new one.
        if (!staging.isEmpty())
            removeWorkPath(staging);
    }

    void start()
    {
        if (!isPlainFolderName(r.submission.pkgName))
            return end(failure(BundleOutcome::NotPlainName, r.submission.pkgName));
        const BundleOutcome checked = checkInputs();
        if (checked.status != BundleOutcome::Built)
            return end(checked);
        lock = std::make_unique<PackageLock>(r.desktopDir, r.submission.pkgName);
        QObject::connect(lock.get(), &PackageLock::decided, job,
                         [this](PackageLock::Result held) { lockDecided(held); });
        job->reportProgress(Job::Step::Lock, 0, total);
        // Whoever watches may have called the pack off right then.
        if (!ended)
            lock->acquire();
    }

    void kill()
    {
        if (ended)
            return;
        killed = true;
        if (tools && tools->isRunning()) {
            tools->kill(); // its end ends the pack
            return;
        }
        if (lock)
            lock->stopWaiting();
        end(failure(BundleOutcome::Cancelled, QString()));
    }

    const BundleOutcome &result() const { return outcome; }

private:
    void lockDecided(PackageLock::Result held)
    {
        if (held == PackageLock::Result::Unavailable)
            // Unguarded, a second pack would take this one's staging folder
            // for a leftover and remove it.
            return end(failure(BundleOutcome::LockUnavailable,
                               packageLockPath(r.desktopDir, r.submission.pkgName)));
        removeLeftWorkOfKilledPack();
        staging = newWorkPath(r.desktopDir, WorkKind::Staging, r.submission.pkgName);
        step = Job::Step::Build;
        ToolCommand mkdir = command(QStringLiteral("mkdir"), {QStringLiteral("--"), staging});
        runTools({{mkdir}}, 1, [this] {
            runTools(fillChains(), QThread::idealThreadCount(), [this] { finishStaging(); });
        });
    }

    void finishStaging()
    {
        if (!writeControlFile(inStaging(kControlFileName), r.submission))
            return end(failure(BundleOutcome::ControlFileFailed, QString()));
        const BundleOutcome checked = checkOutputs();
        if (checked.status != BundleOutcome::Built)
            return end(checked);
        carryPackagersOwnFiles();
    }

    // Runs `chains`, then `next` once all of them succeeded; the first
    // failure ends the pack.
    void runTools(const QList<QList<ToolCommand>> &chains, int parallel,
                  const std::function<void()> &next)
    {
        // The run that just ended may be the one calling: it goes later.
        if (tools)
            tools->deleteLater();
        tools = new ToolRun(chains, parallel);
        job->countToolsDone(tools, step, total);
        QObject::connect(tools, &ToolRun::finished, job, [this, next](const ToolResult &result) {
            if (!result.succeeded())
                return end(toolFailure(result));
            next();
        });
        tools->start();
    }

    void end(const BundleOutcome &ending)
    {
        if (ended)
            return;
        ended = true;
        outcome = killed && ending.status != BundleOutcome::Built
                      ? failure(BundleOutcome::Cancelled, QString())
                      : ending;
        if (!staging.isEmpty())
            removeWorkPath(staging);
        staging.clear();
        lock.reset();
        job->finish();
    }

    // Tools would block on a pipe or copy a whole device: only real files go
    // in, and only images in the formats a bundle takes. One that cannot be
    // read is left for its copy to report.
    BundleOutcome checkInputs()
    {
        QStringList inputs = {r.submission.debPath};
        for (const BundleImage &image : qAsConst(images))
            inputs << image.source;
        for (const QString &input : qAsConst(inputs)) {
            const QFileInfo info(input);
            if (info.exists() && !info.isFile())
                return failure(BundleOutcome::NotRegularFile, input);
        }
        for (BundleImage &image : images) {
            if (!QFileInfo(image.source).isReadable())
                continue;
            image.format = imageFormatOf(image.source);
            if (image.format == ImageFormat::Unknown)
                return failure(BundleOutcome::ImageInvalid, image.source);
        }
        if (isBundlePlaceTaken(bundleDir))
            return failure(BundleOutcome::PlaceTaken, bundleDir);
        return {};
    }

    // A killed pack may have left its staging folder, and one killed in the
    // middle of a two-step swap the earlier bundle set aside: that goes back
    // in place when no bundle stands there.
    void removeLeftWorkOfKilledPack() const
    {
        const QStringList asides = findLeftWork(r.desktopDir, WorkKind::Staging,
                                                r.submission.pkgName, earlierAsideSuffix());
        for (const QString &aside : asides)
            recoverSetAside(aside, bundleDir);
        removeLeftWork(r.desktopDir, WorkKind::Staging, r.submission.pkgName);
    }

    // One chain a file: the package copy and each image copied then scaled.
    // The chains run side by side; each image is still scaled by its own tool.
    QList<QList<ToolCommand>> fillChains() const
    {
        QList<QList<ToolCommand>> chains;
        chains << QList<ToolCommand>{copy(r.submission.debPath, packageName)};
        for (const BundleImage &image : images) {
            // The decoder named, the first frame only (an animation gives one
            // picture, not one file a frame), and a PNG written whatever came in.
            ToolCommand scale = command(
                QStringLiteral("convert"),
                kImageLimits +
                    QStringList{coderOf(image.format) + image.name + QStringLiteral("[0]"),
                                QStringLiteral("-resize"), geometryOf(image.box),
                                // Only what the picture needs to look right: no
                                // text, time or EXIF of the packager's, and the
                                // same inputs give the same bytes.
                                QStringLiteral("-define"), QStringLiteral("png:exclude-chunks=all"),
                                QStringLiteral("-define"),
                                QStringLiteral("png:include-chunks="
                                               "PLTE,tRNS,gAMA,cHRM,sRGB,iCCP"),
                                QStringLiteral("png:") + image.name});
            // The tool sees only the program's own file name, never a path
            // in which it could take characters for instructions.
            scale.workingDirectory = staging;
            chains << QList<ToolCommand>{copy(image.source, image.name), scale};
        }
        return chains;
    }

    // Listed only now, just before the swap, so a file the packager saved
    // into the folder while the images were made still moves on.
    void carryPackagersOwnFiles()
    {
        step = Job::Step::Carry;
        if (!isRealDirectory(bundleDir))
            return swap();
        QList<QList<ToolCommand>> chains;
        const QFileInfoList entries = QDir(bundleDir).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &entry : entries) {
            // A link is not the packager's file but a pointer to one of their
            // local paths, which the public archive must not show.
            if (isPackOutput(entry) || entry.isSymLink())
                continue;
            ToolCommand carry =
                command(QStringLiteral("cp"), {QStringLiteral("-a"), QStringLiteral("--"),
                                               entry.filePath(), staging + QLatin1Char('/')});
            carry.progressPath = inStaging(entry.fileName());
            chains << QList<ToolCommand>{carry};
        }
        total += chains.size();
        runTools(chains, QThread::idealThreadCount(), [this] {
            const BundleOutcome cleaned = removeCarriedLinks();
            if (cleaned.status != BundleOutcome::Built)
                return end(cleaned);
            swap();
        });
    }

    // Links inside the packager's folders came along with them; none may
    // stay for the archive to hold. The walk never follows one.
    BundleOutcome removeCarriedLinks() const
    {
        QStringList links;
        QDirIterator it(staging,
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (it.fileInfo().isSymLink())
                links << it.filePath();
        }
        for (const QString &link : qAsConst(links)) {
            if (!removeLink(link)) {
                BundleOutcome outcome = failure(BundleOutcome::SwapFailed, QString());
                outcome.reason =
                    link + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
                return outcome;
            }
        }
        return {};
    }

    // A copied folder keeps the mode its owner gave it, read-only perhaps:
    // it is opened for the removal and given its mode back.
    static bool removeLink(const QString &link)
    {
        const QByteArray path = QFile::encodeName(link);
        if (::unlink(path.constData()) == 0 || errno == ENOENT)
            return true;
        if (errno != EACCES)
            return false;
        const QByteArray folder = QFile::encodeName(QFileInfo(link).path());
        struct stat info = {};
        if (::lstat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            ::chmod(folder.constData(), (info.st_mode & 07777) | S_IWUSR | S_IXUSR) != 0)
            return false;
        const bool removed = ::unlink(path.constData()) == 0;
        const int removalError = errno;
        ::chmod(folder.constData(), info.st_mode & 07777);
        errno = removalError;
        return removed;
    }

    // The files a pack makes; everything else in an earlier bundle is the
    // packager's own and moves on into the new one. A bundle holds one
    // package, the one packed: no package file of the earlier bundle moves
    // on, whatever its name and whatever its app.json says (or could not say).
    bool isPackOutput(const QFileInfo &entry) const
    {
        const QString name = entry.fileName();
        const bool package =
            name == packageName || name.endsWith(QLatin1String(".deb"), Qt::CaseInsensitive);
        return name == kIconName || name == kControlFileName || screenshotNumber(name) > 0 ||
               (package && !(entry.isDir() && !entry.isSymLink()));
    }

    BundleOutcome checkOutputs() const
    {
        const QFileInfo copied(inStaging(packageName));
        if (copied.size() != QFileInfo(r.submission.debPath).size())
            return failure(BundleOutcome::CopyIncomplete, r.submission.debPath);
        QStringList expected = {packageName, kControlFileName};
        for (const BundleImage &image : images) {
            if (!isPngWithin(inStaging(image.name), image.box.width(), image.box.height()))
                return failure(BundleOutcome::ImageInvalid, image.source);
            expected << image.name;
        }
        // A tool that split an image into several files leaves them here.
        const QStringList made = QDir(staging).entryList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : made) {
            if (!expected.contains(name))
                return failure(BundleOutcome::ImageInvalid, name);
        }
        return {};
    }

    void swap()
    {
        step = Job::Step::Swap;
        job->reportStep(step);
        // Whoever watches may have called the pack off right then.
        if (!ended)
            end(putInPlace());
    }

    BundleOutcome putInPlace() const
    {
        BundleOutcome outcome;
        switch (putFolderInPlace(staging, bundleDir, &outcome.reason)) {
        case SwapResult::Swapped:
            break;
        case SwapResult::Unchanged:
            outcome.status = BundleOutcome::SwapFailed;
            break;
        case SwapResult::SetAside:
            // Left where the next pack of this package puts it back.
            outcome.status = BundleOutcome::SetAside;
            outcome.path = earlierAsidePath(staging);
            break;
        }
        return outcome;
    }

    ToolCommand command(const QString &program, const QStringList &arguments) const
    {
        ToolCommand c;
        c.program = program;
        c.arguments = arguments;
        c.timeoutMs = r.timeoutMs;
        return c;
    }

    // A copy is bounded by its progress: a large package takes its time.
    ToolCommand copy(const QString &source, const QString &name) const
    {
        ToolCommand c =
            command(QStringLiteral("cp"), {QStringLiteral("--"), source, inStaging(name)});
        c.progressPath = inStaging(name);
        return c;
    }

    QString inStaging(const QString &name) const { return staging + QLatin1Char('/') + name; }

    static BundleOutcome failure(BundleOutcome::Status status, const QString &path)
    {
        BundleOutcome outcome;
        outcome.status = status;
        outcome.path = path;
        return outcome;
    }

    static BundleOutcome toolFailure(const ToolResult &result)
    {
        BundleOutcome outcome;
        outcome.status = result.cancelled ? BundleOutcome::Cancelled : BundleOutcome::ToolFailed;
        outcome.tool = result;
        return outcome;
    }

    PackJob *const job;
    const BundleRequest r;
    const QString bundleDir;
    const QString packageName;
    QList<BundleImage> images;
    QString staging;
    std::unique_ptr<PackageLock> lock;
    ToolRun *tools = nullptr;
    Job::Step step = Job::Step::Lock;
    qint64 total = 0;
    bool killed = false;
    bool ended = false;
    BundleOutcome outcome;
};

QString bundleDirPath(const QString &desktopDir, const QString &pkgName)
{
    return desktopDir + QLatin1Char('/') + pkgName;
}

bool isPlainFolderName(const QString &pkgName)
{
    return !pkgName.isEmpty() && !pkgName.contains(QLatin1Char('/')) &&
           !pkgName.contains(QChar(0)) && pkgName != QLatin1String(".") &&
           pkgName != QLatin1String("..");
}

PackJob::PackJob(BundleRequest request, QObject *parent)
    : Job(parent)
    , steps(std::make_unique<Steps>(this, std::move(request)))
{
}

PackJob::~PackJob() = default;

void PackJob::begin()
{
    steps->start();
}

void PackJob::callOff()
{
    steps->kill();
}

const BundleOutcome &PackJob::result() const
{
    return steps->result();
}
