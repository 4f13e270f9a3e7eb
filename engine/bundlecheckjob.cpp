// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/bundlecheckjob.h"

#include "bundle/bundlelayout.h"
#include "engine/bundlerules.h"
#include "engine/packagefacts.h"
#include "package/bundleread.h"
#include "package/confinedreader.h"
#include "package/readerconfinement.h"
#include "package/readerselftest.h"
#include "tools/toolrunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The first bytes of the file at `path`, read without waiting on a pipe
// and only from a regular file.
QByteArray headOf(const QString &path, int most)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray head(most, '\0');
    struct stat info = {};
    ssize_t got = -1;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        got = ::read(fd, head.data(), size_t(most));
    ::close(fd);
    return got > 0 ? head.left(int(got)) : QByteArray();
}

ReaderProblem problemOf(const ToolResult &result)
{
    if (!result.started)
        return ReaderProblem::NotStarted;
    if (result.outputTooLarge)
        return ReaderProblem::TooMuchOutput;
    if (result.timedOut)
        return ReaderProblem::TimedOut;
    if (result.crashed)
        return ReaderProblem::Crashed;
    return ReaderProblem::Failed;
}

// The package's facts as the check of a submission takes them, from what
// the reader made of the package member.
PackageFacts memberFacts(const QString &path, const BundleFacts &bundle)
{
    PackageFacts facts;
    facts.path = path;
    facts.exists = !bundle.packageMember.isEmpty();
    facts.regularFile = facts.exists;
    if (facts.exists) {
        takeReading(facts, bundle.package);
    } else {
        facts.readerProblem = bundle.package.readerProblem;
        facts.readerDetail = bundle.package.readerDetail;
    }
    return facts;
}

} // namespace

InputKind inputKindOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QFileInfo(path + QLatin1Char('/') + bundleControlFileName()).exists()
                   ? InputKind::BundleFolder
                   : InputKind::Unknown;
    const QByteArray head = headOf(path, 21);
    if (head.startsWith("\x1f\x8b"))
        return InputKind::BundleArchive;
    if (head.startsWith("!<arch>\ndebian-binary"))
        return InputKind::Package;
    return InputKind::Unknown;
}

BundleCheckJob::BundleCheckJob(QString path, QObject *parent)
    : Job(parent)
    , path(std::move(path))
{
}

BundleCheckJob::~BundleCheckJob()
{
    delete selfTest;
    delete reader;
    if (archiveFd >= 0)
        ::close(archiveFd);
}

void BundleCheckJob::begin()
{
    found.clear();
    kind = inputKindOf(path);
    ToolCommand command;
    if (kind == InputKind::BundleArchive) {
        archiveFd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        struct stat info = {};
        if (archiveFd < 0 || ::fstat(archiveFd, &info) != 0 || !S_ISREG(info.st_mode)) {
            Finding finding;
            finding.tag = QStringLiteral("bundle-archive-unreadable");
            finding.field = QStringLiteral("bundle");
            finding.member = QFileInfo(QDir::cleanPath(path)).fileName();
            found.append(finding);
            return finish();
        }
        command = bundleArchiveCommand(archiveFd,
                                       readableBytes(qint64(info.st_size), qint64(info.st_blocks)));
    } else if (kind == InputKind::BundleFolder) {
        listing = std::make_unique<BundleFolderListing>();
        listBundleFolder(path, listing.get());
        command = bundleFolderCommand(*listing);
    } else {
        Finding finding;
        finding.tag = QStringLiteral("bundle-archive-unreadable");
        finding.field = QStringLiteral("bundle");
        finding.member = QFileInfo(QDir::cleanPath(path)).fileName();
        found.append(finding);
        return finish();
    }
    if (command.program.isEmpty()) {
        ToolResult missing;
        judge(missing);
        return;
    }
    reportStep(Step::Read);
    if (knownConfinement(command.program, &confinement))
        return readBundle(command);
    // As for a package: the reader's confinement is proven by trying the
    // ways out of it, once per process, never taken from its word.
    selfTest = new ToolRun(readerSelfTestCommand(command.program));
    connect(selfTest, &ToolRun::finished, this, [this, command](const ToolResult &result) {
        if (result.cancelled)
            return finish();
        confinement = readerSelfTestResult(result);
        rememberConfinement(command.program, confinement);
        readBundle(command);
    });
    selfTest->start();
}

void BundleCheckJob::readBundle(const ToolCommand &command)
{
    reader = new ToolRun(command);
    connect(reader, &ToolRun::finished, this, [this](const ToolResult &result) {
        if (result.cancelled)
            return finish();
        judge(result);
    });
    reader->start();
}

void BundleCheckJob::judge(const ToolResult &result)
{
    if (archiveFd >= 0) {
        ::close(archiveFd);
        archiveFd = -1;
    }
    BundleFacts bundle;
    if (listing)
        bundle.top = listing->facts.top;
    if (readerProgram().isEmpty())
        bundle.package.readerProblem = ReaderProblem::Missing;
    else if (!result.succeeded())
        bundle.package.readerProblem = problemOf(result);
    else if (!decodeBundleFacts(result.standardOutput, &bundle))
        bundle.package.readerProblem = ReaderProblem::BadAnswer;
    bundle.package.readerDetail = result.exitCode;
    if (listing) {
        // A folder's listing is this program's own; what the reader found
        // in its files is added to it.
        const BundleFacts &listed = listing->facts;
        bundle.top = listed.top;
        bundle.problems = listed.problems + bundle.problems;
        bundle.files = listed.files;
        bundle.others = listed.others;
        bundle.sizes = listed.sizes;
        for (const QString &name : listed.executables) {
            if (!bundle.executables.contains(name))
                bundle.executables.append(name);
        }
        listing.reset();
    }
    const QString top =
        bundle.top.isEmpty() ? QFileInfo(QDir::cleanPath(path)).fileName() : bundle.top;
    if (bundle.package.readerProblem != ReaderProblem::None) {
        // Nothing of it was read: a bundle that stops the reader (a bomb
        // past its CPU time, say) is judged by that alone.
        Finding finding;
        finding.tag = QStringLiteral("package-metadata-unreadable");
        finding.field = QStringLiteral("bundle");
        finding.member = top;
        finding.params = QStringList{readerProblemKey(bundle.package.readerProblem),
                                     QString::number(bundle.package.readerDetail)};
        found.append(finding);
        facts.path = path;
        facts.confinement = confinement;
        facts.readerProblem = bundle.package.readerProblem;
        facts.readerDetail = bundle.package.readerDetail;
        return finish();
    }
    found = checkBundle(bundle);
    read = bundleValues(bundle);
    const bool folder = kind == InputKind::BundleFolder;
    if (folder && !bundle.packageMember.isEmpty())
        read.package.value = path + QLatin1Char('/') + bundle.packageMember;
    // A folder's pictures are there to look at, when they are files of
    // their own; an archive's are judged from what the reader saw.
    const QSet<QString> files(bundle.files.cbegin(), bundle.files.cend());
    if (folder && files.contains(bundleIconName()))
        read.logo = {path + QLatin1Char('/') + bundleIconName(), ValueSource::EarlierBundle};
    if (folder) {
        QMap<int, QString> screens;
        for (const QString &name : bundle.files) {
            if (const int number = screenshotNumber(name))
                screens.insert(number, path + QLatin1Char('/') + name);
        }
        read.screenshots = screens.values();
        read.screenshotsSource = ValueSource::EarlierBundle;
    }
    facts = memberFacts(read.package.value, bundle);
    facts.confinement = confinement;
    const QString controlMember = top + QLatin1Char('/') + bundleControlFileName();
    for (Finding finding : checkSubmission(read, facts)) {
        const QString &field = finding.field;
        const bool picture =
            field == QLatin1String("logo") || field == QLatin1String("screenshots");
        // What the bundle's own rules say already: a missing member, or a
        // picture an archive holds, judged from the reader's facts.
        const bool logo = field == QLatin1String("logo");
        if (picture &&
            (!folder || !files.contains(logo ? bundleIconName() : screenshotFileName(1))))
            continue;
        if (field == QLatin1String("package")) {
            if (bundle.packageMember.isEmpty())
                continue;
            finding.member = top + QLatin1Char('/') + bundle.packageMember;
        } else if (logo) {
            finding.member = top + QLatin1Char('/') + bundleIconName();
        } else if (picture) {
            // The screenshot the finding names among its params, when it
            // names one; else the bundle as a whole.
            finding.member = top;
            for (const QString &param : qAsConst(finding.params)) {
                if (read.screenshots.contains(param)) {
                    finding.member = top + QLatin1Char('/') + QFileInfo(param).fileName();
                    break;
                }
            }
        } else {
            // An app.json that could not be read gives no values to judge,
            // and a key it lacks is a finding of its own already.
            static const QHash<QString, QString> keys = {
                {QStringLiteral("name"), QStringLiteral("Name")},
                {QStringLiteral("pkgname"), QStringLiteral("Pkgname")},
                {QStringLiteral("version"), QStringLiteral("Version")},
                {QStringLiteral("author"), QStringLiteral("Author")},
                {QStringLiteral("homepage"), QStringLiteral("Website")},
                {QStringLiteral("contributor"), QStringLiteral("Contributor")},
                {QStringLiteral("description"), QStringLiteral("More")},
            };
            const auto key = keys.constFind(field);
            if (!bundle.control.object ||
                (key != keys.cend() && !bundle.control.texts.contains(*key)))
                continue;
            finding.member = controlMember;
        }
        found.append(finding);
    }
    // An archive's pictures are reported by the members that hold them.
    if (!folder) {
        if (files.contains(bundleIconName()))
            read.logo = {top + QLatin1Char('/') + bundleIconName(), ValueSource::EarlierBundle};
        QMap<int, QString> screens;
        for (const QString &name : bundle.files) {
            if (const int number = screenshotNumber(name))
                screens.insert(number, top + QLatin1Char('/') + name);
        }
        read.screenshots = screens.values();
        read.screenshotsSource = screens.isEmpty() ? ValueSource::None : ValueSource::EarlierBundle;
    }
    finish();
}

void BundleCheckJob::callOff()
{
    if (selfTest && selfTest->isRunning())
        selfTest->kill();
    else if (reader && reader->isRunning())
        reader->kill();
    else
        finish();
}
