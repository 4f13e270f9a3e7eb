// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/confinedreader.h"

#include "package/debreader.h"
#include "package/readerconfinement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <functional>

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
int openRegularFile(const QString &path, qint64 *size)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    *size = qint64(info.st_size);
    return fd;
}

QJsonObject sourcedObject(const SourcedText &text)
{
    return {{QStringLiteral("value"), text.value},
            {QStringLiteral("source"), valueSourceName(text.source)}};
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

// The companions worth handing over: those given, then those beside the
// package that it names.
QStringList companionCandidates(const QString &debPath, const QStringList &related,
                                const QStringList &given)
{
    QStringList found = given;
    const QFileInfo package(debPath);
    const QDir folder = package.absoluteDir();
    const QStringList names = folder.entryList({QStringLiteral("*.deb")}, QDir::Files, QDir::Name);
    const QSet<QString> wanted(related.cbegin(), related.cend());
    for (const QString &name : names) {
        const QString path = folder.filePath(name);
        if (wanted.contains(name.section(QLatin1Char('_'), 0, 0)) && !found.contains(path) &&
            path != package.absoluteFilePath())
            found.append(path);
    }
    return found.mid(0, kMostCompanions);
}

// Whether companions may hold what the package lacks: the icon its entry
// names, or any desktop or AppStream data.
bool lacksCompanionData(const PackageMetadata &metadata)
{
    if (!metadata.readable)
        return false;
    const bool noOwnData = metadata.name.source != ValueSource::AppStream &&
                           metadata.name.source != ValueSource::DesktopEntry;
    const bool wantsIcon =
        !metadata.iconName.isEmpty() &&
        (metadata.logoPng.isEmpty() || isCoarseIcon(pngHeaderSize(metadata.logoPng)));
    return noOwnData || wantsIcon;
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
};

ToolCommand readerCommand(const OpenPackages &packages, const QStringList &languages)
{
    ToolCommand command;
    command.program = readerProgram();
    command.arguments =
        QStringList{QStringLiteral("--languages"), languages.join(QLatin1Char(',')),
                    QStringLiteral("--companions"), QString::number(packages.fds.size() - 1)};
    command.handedFds = packages.fds;
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
        if (readerProgram().isEmpty())
            return end(problem(ReaderProblem::Missing));
        emit job->progress(QStringLiteral("read"), 0, 0);
        run([this](const PackageMetadata &own) { ownAnswer(own); });
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
        for (const QString &companion : companionCandidates(debPath, own.related, companions))
            packages.add(companion);
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
        job->finish();
    }

    PackageReadJob *const job;
    const QString debPath;
    const QStringList languages;
    const QStringList companions;
    OpenPackages packages;
    ToolRun *reader = nullptr;
    bool killed = false;
    bool ended = false;
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

QByteArray encodeReaderAnswer(const PackageMetadata &metadata)
{
    const QJsonObject answer{
        {QStringLiteral("confined"), metadata.confined},
        {QStringLiteral("readable"), metadata.readable},
        {QStringLiteral("corrupt"), metadata.corrupt},
        {QStringLiteral("package"), metadata.package},
        {QStringLiteral("version"), metadata.version},
        {QStringLiteral("architecture"), metadata.architecture},
        {QStringLiteral("newestRelease"), metadata.newestRelease},
        {QStringLiteral("guessedEntry"), metadata.guessedEntry},
        {QStringLiteral("iconName"), metadata.iconName},
        {QStringLiteral("related"), QJsonArray::fromStringList(metadata.related)},
        {QStringLiteral("textsWithNul"), QJsonArray::fromStringList(metadata.textsWithNul)},
        {QStringLiteral("name"), sourcedObject(metadata.name)},
        {QStringLiteral("author"), sourcedObject(metadata.author)},
        {QStringLiteral("homepage"), sourcedObject(metadata.homepage)},
        {QStringLiteral("description"), sourcedObject(metadata.description)},
        {QStringLiteral("logo"),
         sourcedObject({QString::fromLatin1(metadata.logoPng.toBase64()), metadata.logoSource})},
    };
    return QJsonDocument(answer).toJson(QJsonDocument::Compact);
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
    read.confined = object.value(QLatin1String("confined")).toBool();
    read.readable = object.value(QLatin1String("readable")).toBool();
    read.corrupt = object.value(QLatin1String("corrupt")).toBool();
    SourcedText logo;
    if (!readText(object, "package", &read.package) ||
        !readText(object, "version", &read.version) ||
        !readText(object, "architecture", &read.architecture) ||
        !readText(object, "newestRelease", &read.newestRelease) ||
        !readText(object, "guessedEntry", &read.guessedEntry) ||
        !readText(object, "iconName", &read.iconName) ||
        !readNames(object, "related", &read.related) ||
        !readNames(object, "textsWithNul", &read.textsWithNul, kPathCap) ||
        !readSourced(object, "name", &read.name) || !readSourced(object, "author", &read.author) ||
        !readSourced(object, "homepage", &read.homepage) ||
        !readSourced(object, "description", &read.description) ||
        !readSourced(object, "logo", &logo))
        return false;
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
