// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/confinedreader.h"

#include "package/debiansyntax.h"
#include "package/debreader.h"
#include "package/readerconfinement.h"
#include "package/readerselftest.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kReaderName = QStringLiteral("plinvex-reader");
// The largest answer: the texts within their caps and the logo in base64.
constexpr qint64 kAnswerCap = 8 * kTextCap + kIconCap * 4 / 3 + 4096;
// How long beyond its CPU time a reader may take, for a loaded machine.
constexpr int kWallMarginMs = 10000;

// Opens without waiting on a pipe and refuses anything but a regular file.
int openRegularFile(const QString &path, qint64 *size, int flags = 0)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | flags);
    if (fd < 0)
        return -1;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    *size = readableBytes(qint64(info.st_size), qint64(info.st_blocks));
    return fd;
}

bool readText(const QJsonObject &object, const char *key, QString *text)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return true;
    if (!value.isString() || value.toString().size() > kTextCap)
        return false;
    *text = value.toString();
    return true;
}

bool readNames(const QJsonObject &object, const char *key, QStringList *names, int nameCap = 256)
{
    constexpr int kNamesCap = 256;
    const QJsonArray array = object.value(QLatin1String(key)).toArray();
    if (array.size() > kNamesCap)
        return false;
    for (const QJsonValue &value : array) {
        if (!value.isString() || value.toString().size() > nameCap)
            return false;
        names->append(value.toString());
    }
    return true;
}

// Only what the package itself can be the source of.
bool isPackageSource(ValueSource source)
{
    return source == ValueSource::AppStream || source == ValueSource::DesktopEntry ||
           source == ValueSource::Control || source == ValueSource::Companion;
}

bool readSourced(const QJsonObject &object, const char *key, SourcedText *text)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return true;
    const QJsonObject sourced = value.toObject();
    QString found;
    if (!value.isObject() || !readText(sourced, "value", &found))
        return false;
    const ValueSource source = valueSourceNamed(sourced.value(QLatin1String("source")).toString());
    if (found.isEmpty())
        return true;
    if (!isPackageSource(source))
        return false;
    *text = {found, source};
    return true;
}

PackageMetadata problem(ReaderProblem what, int detail = 0)
{
    PackageMetadata metadata;
    metadata.readerProblem = what;
    metadata.readerDetail = detail;
    return metadata;
}

PackageMetadata problemOf(const ToolResult &result)
{
    if (!result.started)
        return problem(ReaderProblem::NotStarted);
    if (result.outputTooLarge)
        return problem(ReaderProblem::TooMuchOutput);
    if (result.timedOut)
        return problem(ReaderProblem::TimedOut);
    if (result.crashed)
        return problem(ReaderProblem::Crashed, result.exitCode);
    return problem(ReaderProblem::Failed, result.exitCode);
}

} // namespace

QString readerProgram()
{
    // The tests run from a folder of their own and name the reader they built.
    const QString named = qEnvironmentVariable("PLINVEX_READER");
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString &candidate :
         {named, folder + QLatin1Char('/') + kReaderName,
          QDir::cleanPath(folder + QStringLiteral("/" PLINVEX_READER_FROM_BINDIR "/") +
                          kReaderName)}) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return {};
}

namespace {

// The packages handed over as companions, opened off the GUI thread: a
// folder may hold any number of files. The descriptors not taken by the
// reading are closed with the last owner, whoever that is.
struct OpenCompanions
{
    QList<int> fds;
    QList<qint64> sizes;
    QStringList names; // each one's package name, from its file name

    OpenCompanions() = default;
    OpenCompanions(const OpenCompanions &) = delete;
    OpenCompanions &operator=(const OpenCompanions &) = delete;
    ~OpenCompanions()
    {
        for (const int fd : qAsConst(fds))
            ::close(fd);
    }

    void add(int fd, qint64 size, const QString &path)
    {
        fds.append(fd);
        sizes.append(size);
        names.append(QFileInfo(path).fileName().section(QLatin1Char('_'), 0, 0));
    }
};

// The companions worth handing over: those given, then the .deb files beside
// the package whose names begin with "<name>_" for a name it relates to, in
// name order, at most kMostCompanions in all. One pass over the folder, each
// name looked up in a hash; a sibling is taken only as a regular file of its
// own, never through a link, which could lead anywhere the packager may read.
void openCompanions(const QString &debPath, const QStringList &related, const QStringList &given,
                    OpenCompanions *open)
{
    QSet<QString> taken;
    for (const QString &path : given) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (open->fds.size() >= kMostCompanions || taken.contains(absolute))
            continue;
        qint64 size = 0;
        const int fd = openRegularFile(path, &size);
        if (fd >= 0) {
            open->add(fd, size, path);
            taken.insert(absolute);
        }
    }
    const QFileInfo package(debPath);
    taken.insert(package.absoluteFilePath());
    const QSet<QString> wanted(related.cbegin(), related.cend());
    const QString folder = package.absolutePath();
    QStringList matching;
    // Files only: a device beside the package is not even opened.
    QDirIterator siblings(folder, QDir::Files | QDir::NoSymLinks);
    while (open->fds.size() < kMostCompanions && siblings.hasNext()) {
        siblings.next();
        const QString name = siblings.fileName();
        const int underscore = name.indexOf(QLatin1Char('_'));
        if (underscore > 0 && name.endsWith(QLatin1String(".deb")) &&
            wanted.contains(name.left(underscore)) && !taken.contains(siblings.filePath()))
            matching.append(name);
    }
    const int count = qMin(int(matching.size()), kMostCompanions - int(open->fds.size()));
    std::partial_sort(matching.begin(), matching.begin() + count, matching.end());
    for (int i = 0; i < count; ++i) {
        qint64 size = 0;
        const int fd =
            openRegularFile(folder + QLatin1Char('/') + matching.at(i), &size, O_NOFOLLOW);
        if (fd >= 0)
            open->add(fd, size, matching.at(i));
    }
}

// Whether companions may hold what the package lacks: the icon its entry
// names, or any desktop or AppStream data.
bool lacksCompanionData(const PackageMetadata &metadata)
{
    if (!metadata.readable)
        return false;
    const bool noOwnData = metadata.name.source != ValueSource::AppStream &&
                           metadata.name.source != ValueSource::DesktopEntry;
    // A companion's AppStream may describe the package's own entry.
    const bool noOwnAppStream = metadata.application &&
                                metadata.name.source != ValueSource::AppStream &&
                                metadata.description.source != ValueSource::AppStream;
    const bool wantsIcon =
        !metadata.iconName.isEmpty() &&
        (metadata.logoPng.isEmpty() || isCoarseIcon(pngHeaderSize(metadata.logoPng)));
    return noOwnData || noOwnAppStream || wantsIcon;
}

struct OpenPackages
{
    QList<int> fds; // the package, then its companions
    qint64 bytes = 0;

    OpenPackages() = default;
    OpenPackages(const OpenPackages &) = delete;
    OpenPackages &operator=(const OpenPackages &) = delete;
    ~OpenPackages()
    {
        for (const int fd : qAsConst(fds))
            ::close(fd);
    }

    bool add(const QString &path)
    {
        qint64 size = 0;
        const int fd = openRegularFile(path, &size);
        if (fd < 0)
            return false;
        fds.append(fd);
        bytes += size;
        return true;
    }

    void take(OpenCompanions *companions)
    {
        fds += companions->fds;
        for (const qint64 size : qAsConst(companions->sizes))
            bytes += size;
        companions->fds.clear();
        companions->sizes.clear();
    }
};

ToolCommand readerCommand(const OpenPackages &packages, const QStringList &languages)
{
    ToolCommand command;
    command.program = readerProgram();
    command.arguments =
        QStringList{QStringLiteral("--languages"), languages.join(QLatin1Char(',')),
                    QStringLiteral("--companions"), QString::number(packages.fds.size() - 1)};
    command.handedFds = packages.fds;
    command.emptyEnvironment = true;
    command.timeoutMs = readerCpuSeconds(packages.bytes) * 1000 + kWallMarginMs;
    command.outputCap = kAnswerCap;
    return command;
}

PackageMetadata answerOf(const ToolResult &result)
{
    if (!result.succeeded())
        return problemOf(result);
    PackageMetadata metadata;
    if (!decodeReaderAnswer(result.standardOutput, &metadata))
        return problem(ReaderProblem::BadAnswer);
    return metadata;
}

} // namespace

class PackageReadJob::Steps
{
public:
    Steps(PackageReadJob *job, QString debPath, QStringList languages, QStringList companions)
        : job(job)
        , debPath(std::move(debPath))
        , languages(std::move(languages))
        , companions(std::move(companions))
    {
    }

    ~Steps() { delete reader; }

    void start()
    {
        if (!packages.add(debPath))
            return end({});
        const QString program = readerProgram();
        if (program.isEmpty())
            return end(problem(ReaderProblem::Missing));
        job->reportProgress(Job::Step::Read, 0, 0);
        if (knownConfinement(program, &confinement))
            return readOwn();
        // The reader's confinement is proven here, once, by trying the ways
        // out of it; a reader's answer saying it is confined proves nothing.
        reader = new ToolRun(readerSelfTestCommand(program));
        QObject::connect(reader, &ToolRun::finished, job,
                         [this, program](const ToolResult &result) {
                             if (killed || result.cancelled)
                                 return end({});
                             confinement = readerSelfTestResult(result);
                             rememberConfinement(program, confinement);
                             readOwn();
                         });
        reader->start();
    }

    void kill()
    {
        killed = true;
        if (reader && reader->isRunning())
            reader->kill();
        else
            end({});
    }

    const PackageMetadata &result() const { return metadata; }

private:
    void readOwn()
    {
        run([this](const PackageMetadata &own) { ownAnswer(own); });
    }

    void run(const std::function<void(const PackageMetadata &)> &next)
    {
        if (reader)
            reader->deleteLater();
        reader = new ToolRun(readerCommand(packages, languages));
        QObject::connect(reader, &ToolRun::finished, job, [this, next](const ToolResult &result) {
            if (killed || result.cancelled)
                return end({});
            next(answerOf(result));
        });
        reader->start();
    }

    void ownAnswer(const PackageMetadata &own)
    {
        if (!lacksCompanionData(own))
            return end(own);
        auto found = std::make_shared<OpenCompanions>();
        QThread *finder =
            QThread::create([found, debPath = debPath, related = own.related, given = companions] {
                openCompanions(debPath, related, given, found.get());
            });
        QObject::connect(finder, &QThread::finished, finder, &QObject::deleteLater);
        QObject::connect(finder, &QThread::finished, job, [this, found, own] {
            if (killed)
                return end({});
            beside = found->names;
            packages.take(found.get());
            withCompanions(own);
        });
        finder->start();
    }

    void withCompanions(const PackageMetadata &own)
    {
        if (packages.fds.size() == 1)
            return end(own);
        // A companion that breaks the reader takes nothing from the package's own answer.
        run([this, own](const PackageMetadata &completed) {
            end(completed.readerProblem == ReaderProblem::None && completed.readable ? completed
                                                                                     : own);
        });
    }

    void end(const PackageMetadata &answer)
    {
        if (ended)
            return;
        ended = true;
        metadata = answer;
        if (metadata.readable)
            metadata.companionPackages = beside;
        metadata.confinement = confinement;
        job->finish();
    }

    PackageReadJob *const job;
    const QString debPath;
    const QStringList languages;
    const QStringList companions;
    OpenPackages packages;
    ReaderConfinement confinement;
    ToolRun *reader = nullptr;
    bool killed = false;
    bool ended = false;
    QStringList beside; // the companions handed to the reader, by package name
    PackageMetadata metadata;
};

PackageReadJob::PackageReadJob(const QString &debPath, const QStringList &languages,
                               const QStringList &companions, QObject *parent)
    : Job(parent)
    , steps(std::make_unique<Steps>(this, debPath, languages, companions))
{
}

PackageReadJob::~PackageReadJob() = default;

void PackageReadJob::begin()
{
    steps->start();
}

void PackageReadJob::callOff()
{
    steps->kill();
}

const PackageMetadata &PackageReadJob::result() const
{
    return steps->result();
}

bool decodeReaderAnswer(const QByteArray &answer, PackageMetadata *metadata)
{
    if (answer.size() > kAnswerCap)
        return false;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(answer, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    PackageMetadata read;
    read.readable = object.value(QLatin1String("readable")).toBool();
    read.corrupt = object.value(QLatin1String("corrupt")).toBool();
    read.application = object.value(QLatin1String("application")).toBool();
    SourcedText logo;
    if (!readText(object, "package", &read.package) ||
        !readText(object, "version", &read.version) ||
        !readText(object, "architecture", &read.architecture) ||
        !readText(object, "newestRelease", &read.newestRelease) ||
        !readText(object, "guessedEntry", &read.guessedEntry) ||
        !readText(object, "iconName", &read.iconName) ||
        !readText(object, "logoTheme", &read.logoTheme) ||
        !readNames(object, "related", &read.related) ||
        !readNames(object, "textsWithNul", &read.textsWithNul, kPathCap) ||
        !readSourced(object, "name", &read.name) || !readSourced(object, "author", &read.author) ||
        !readSourced(object, "homepage", &read.homepage) ||
        !readSourced(object, "description", &read.description) ||
        !readSourced(object, "logo", &logo))
        return false;
    // Only a name and version dpkg-deb would read are the package's own.
    if (debianPackageName(read.package) != read.package || !isDebianVersion(read.version) ||
        read.version != read.version.trimmed()) {
        read.package.clear();
        read.version.clear();
    }
    if (!logo.value.isEmpty()) {
        const QByteArray png =
            QByteArray::fromBase64(logo.value.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        // A logo that is no PNG of icon size is no logo; the rest stands.
        if (png.size() <= kIconCap && pngHeaderSize(png).isValid()) {
            read.logoPng = png;
            read.logoSource = logo.source;
        }
    }
    *metadata = read;
    return true;
}
