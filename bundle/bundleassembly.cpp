// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/bundleassembly.h"

#include "bundle/controlfile.h"
#include "bundle/folderswap.h"
#include "bundle/pngcheck.h"
#include "bundle/workfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

namespace {

struct ImageBox
{
    int width;
    int height;
    QString text() const
    {
        return QString::number(width) + QLatin1Char('x') + QString::number(height);
    }
};

constexpr ImageBox kIconBox{128, 128};
constexpr ImageBox kScreenshotBox{400, 300};

const QString kIconName = QStringLiteral("icon.png");
const QString kControlFileName = QStringLiteral("app.json");

QString screenshotName(int number)
{
    return QStringLiteral("screen_") + QString::number(number) + QStringLiteral(".png");
}

// The files a pack makes; everything else in an earlier bundle is the
// packager's own and moves on into the new one.
bool isPackOutput(const QFileInfo &entry)
{
    static const QRegularExpression screenshot(QStringLiteral("^screen_[1-9][0-9]*\\.png$"));
    const QString name = entry.fileName();
    return name == kIconName || name == kControlFileName || screenshot.match(name).hasMatch() ||
           (name.endsWith(QLatin1String(".deb")) && !(entry.isDir() && !entry.isSymLink()));
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
    ImageBox box;
};

class Assembler
{
public:
    Assembler(const BundleRequest &request, const RunControl &control)
        : r(request)
        , control(control)
        , bundleDir(bundleDirPath(request.desktopDir, request.submission.pkgName))
        , packageName(QFileInfo(request.submission.debPath).fileName())
        , ownFiles(packagersOwnFiles())
    {
        images << BundleImage{r.iconPath, kIconName, kIconBox};
        const QStringList shots =
            r.submission.screenshotList.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
        for (int i = 0; i < shots.size(); ++i)
            images << BundleImage{shots.at(i), screenshotName(i + 1), kScreenshotBox};
    }

    BundleOutcome run()
    {
        BundleOutcome outcome = checkInputs();
        if (outcome.status != BundleOutcome::Built)
            return outcome;
        removeLeftWork(r.desktopDir, WorkKind::Staging, r.submission.pkgName);
        staging = newWorkPath(r.desktopDir, WorkKind::Staging, r.submission.pkgName);
        outcome = buildInStaging();
        if (outcome.status == BundleOutcome::Built)
            outcome = putInPlace();
        // After a swap this holds the earlier bundle; otherwise the unfinished new one.
        removeWorkPath(staging);
        return outcome;
    }

private:
    // Tools would block on a pipe or copy a whole device: only real files go in.
    BundleOutcome checkInputs() const
    {
        QStringList inputs = {r.submission.debPath};
        for (const BundleImage &image : images)
            inputs << image.source;
        for (const QString &input : qAsConst(inputs)) {
            const QFileInfo info(input);
            if (info.exists() && !info.isFile())
                return failure(BundleOutcome::NotRegularFile, input);
        }
        const QFileInfo place(bundleDir);
        if (place.isSymLink() || (place.exists() && !place.isDir()))
            return failure(BundleOutcome::PlaceTaken, bundleDir);
        return {};
    }

    BundleOutcome buildInStaging()
    {
        ToolCommand mkdir = command(QStringLiteral("mkdir"), {QStringLiteral("--"), staging});
        ToolResult result = runTool(mkdir, control);
        if (!result.succeeded())
            return toolFailure(result);
        result = runToolChains(fillChains(), QThread::idealThreadCount(), control);
        if (!result.succeeded())
            return toolFailure(result);
        if (!writeControlFile(inStaging(kControlFileName), r.submission))
            return failure(BundleOutcome::ControlFileFailed, QString());
        return checkOutputs();
    }

    // One chain a file: the package copy, each image copied then scaled,
    // and each of the packager's own files from an earlier bundle. The
    // chains run side by side; each image is still scaled by its own tool.
    QList<QList<ToolCommand>> fillChains() const
    {
        QList<QList<ToolCommand>> chains;
        chains << QList<ToolCommand>{copy(r.submission.debPath, packageName)};
        for (const BundleImage &image : images) {
            ToolCommand scale = command(
                QStringLiteral("mogrify"),
                // [0]: the first frame only, so an animation
                // gives one picture, not one file a frame.
                {QStringLiteral("-resize"), image.box.text(), image.name + QStringLiteral("[0]")});
            // The tool sees only the program's own file name, never a path
            // in which it could take characters for instructions.
            scale.workingDirectory = staging;
            chains << QList<ToolCommand>{copy(image.source, image.name), scale};
        }
        for (const QFileInfo &entry : ownFiles) {
            ToolCommand carry =
                command(QStringLiteral("cp"), {QStringLiteral("-a"), QStringLiteral("--"),
                                               entry.filePath(), staging + QLatin1Char('/')});
            carry.progressPath = inStaging(entry.fileName());
            chains << QList<ToolCommand>{carry};
        }
        return chains;
    }

    QFileInfoList packagersOwnFiles() const
    {
        if (!isRealDirectory(bundleDir))
            return {};
        QFileInfoList own;
        const QFileInfoList entries = QDir(bundleDir).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &entry : entries) {
            if (!isPackOutput(entry))
                own << entry;
        }
        return own;
    }

    BundleOutcome checkOutputs() const
    {
        const QFileInfo copied(inStaging(packageName));
        if (copied.size() != QFileInfo(r.submission.debPath).size())
            return failure(BundleOutcome::CopyIncomplete, r.submission.debPath);
        QStringList expected = {packageName, kControlFileName};
        for (const BundleImage &image : images) {
            if (!isPngWithin(inStaging(image.name), image.box.width, image.box.height))
                return failure(BundleOutcome::ImageInvalid, image.source);
            expected << image.name;
        }
        for (const QFileInfo &entry : ownFiles)
            expected << entry.fileName();
        // A tool that split an image into several files leaves them here.
        const QStringList made = QDir(staging).entryList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : made) {
            if (!expected.contains(name))
                return failure(BundleOutcome::ImageInvalid, name);
        }
        return {};
    }

    BundleOutcome putInPlace() const
    {
        if (control.cancellation && control.cancellation->isCancelled())
            return failure(BundleOutcome::Cancelled, QString());
        BundleOutcome outcome;
        if (!putFolderInPlace(staging, bundleDir, &outcome.reason))
            outcome.status = BundleOutcome::SwapFailed;
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

    const BundleRequest &r;
    const RunControl &control;
    const QString bundleDir;
    const QString packageName;
    // Listed once, so what is copied and what is expected are the same files.
    const QFileInfoList ownFiles;
    QList<BundleImage> images;
    QString staging;
};

} // namespace

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

BundleOutcome assembleBundle(const BundleRequest &request, const RunControl &control)
{
    return Assembler(request, control).run();
}
