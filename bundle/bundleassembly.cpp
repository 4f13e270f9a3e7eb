#include "bundle/bundleassembly.h"

#include "bundle/controlfile.h"
#include "bundle/desktopfolder.h"
#include "tools/toolrunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QString kIconBox = QStringLiteral("128x128");
const QString kScreenshotBox = QStringLiteral("400x300");

bool isRealDirectory(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

class Assembler
{
public:
    explicit Assembler(const BundleRequest &request)
        : r(request)
    {
    }

    BundleOutcome run()
    {
        if (!makeFolder() || !copyPackage() || !copyAndScale(r.iconPath, iconPath(), kIconBox) ||
            !copyAndScaleScreenshots())
            return {BundleOutcome::ToolFailed, failure};
        if (!writeControlFile(r.bundleDir + QStringLiteral("/app.json"), r.submission))
            return {BundleOutcome::ControlFileFailed, QString()};
        if (!removeLeftovers())
            return {BundleOutcome::ToolFailed, failure};
        return {BundleOutcome::Built, QString()};
    }

private:
    bool run(const QString &program, const QStringList &arguments)
    {
        const ToolResult result = runTool(process, program, arguments, r.timeoutMs);
        if (!result.succeeded())
            failure = result.failureText();
        return result.succeeded();
    }

    // An existing bundle folder is fine: re-packing goes into it.
    bool makeFolder()
    {
        const ToolResult result = runTool(process, QStringLiteral("mkdir"),
                                          {QStringLiteral("--"), r.bundleDir}, r.timeoutMs);
        if (isRealDirectory(r.bundleDir))
            return true;
        failure = result.failureText();
        return false;
    }

    // An earlier folder may hold a link where a copy lands; cp would write
    // through it to a file outside the bundle, so the link is replaced.
    bool copy(const QString &source, const QString &destination)
    {
        return run(QStringLiteral("cp"), {QStringLiteral("--remove-destination"),
                                          QStringLiteral("--"), source, destination});
    }

    bool copyPackage() { return copy(r.submission.debPath, r.bundleDir + QLatin1Char('/')); }

    bool copyAndScale(const QString &source, const QString &destination, const QString &box)
    {
        return copy(source, destination) &&
               run(QStringLiteral("mogrify"), {QStringLiteral("-resize"), box, destination});
    }

    bool copyAndScaleScreenshots()
    {
        const QStringList shots =
            r.submission.screenshotList.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
        for (int i = 0; i < shots.size(); ++i) {
            if (!copyAndScale(shots.at(i), screenshotPath(i + 1), kScreenshotBox))
                return false;
        }
        screenshotCount = shots.size();
        return true;
    }

    // A re-pack must leave this submission only: no screenshots of a longer
    // earlier list and no package of another version.
    bool removeLeftovers()
    {
        const QString packageName = QFileInfo(r.submission.debPath).fileName();
        const QRegularExpression screenshotName(QStringLiteral("^screen_([1-9][0-9]*)\\.png$"));
        const QDir dir(r.bundleDir);
        QStringList leftovers;
        const QStringList entries =
            dir.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
        for (const QString &entry : entries) {
            const QRegularExpressionMatch shot = screenshotName.match(entry);
            const bool staleShot = shot.hasMatch() && shot.captured(1).size() < 10 &&
                                   shot.captured(1).toInt() > screenshotCount;
            const bool stalePackage = entry.endsWith(QLatin1String(".deb")) && entry != packageName;
            if (staleShot || stalePackage)
                leftovers << dir.filePath(entry);
        }
        if (leftovers.isEmpty())
            return true;
        return run(QStringLiteral("rm"),
                   QStringList{QStringLiteral("-f"), QStringLiteral("--")} << leftovers);
    }

    QString iconPath() const { return r.bundleDir + QStringLiteral("/icon.png"); }

    // The number goes into the file name only, never into the folder part.
    QString screenshotPath(int number) const
    {
        return r.bundleDir + QStringLiteral("/screen_") + QString::number(number) +
               QStringLiteral(".png");
    }

    const BundleRequest &r;
    QProcess process;
    QString failure;
    int screenshotCount = 0;
};

} // namespace

QString bundleDirPath(const QString &pkgName)
{
    return desktopPath() + QLatin1Char('/') + pkgName;
}

bool isPlainFolderName(const QString &pkgName)
{
    return !pkgName.contains(QLatin1Char('/')) && !pkgName.contains(QChar(0)) &&
           pkgName != QLatin1String(".") && pkgName != QLatin1String("..");
}

bool pathExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

BundleOutcome assembleBundle(const BundleRequest &request)
{
    return Assembler(request).run();
}

void removeBundleFolder(const QString &bundleDir, int timeoutMs)
{
    const QFileInfo info(bundleDir);
    if (!isPlainFolderName(info.fileName()) || info.fileName().isEmpty() ||
        info.absolutePath() != QDir::cleanPath(desktopPath()))
        return;
    if (info.isSymLink()) {
        QFile::remove(bundleDir);
        return;
    }
    // No trailing slash: with one, rm would follow a link swapped in meanwhile.
    runTool(QStringLiteral("rm"), {QStringLiteral("-rf"), QStringLiteral("--"), bundleDir},
            timeoutMs);
}
