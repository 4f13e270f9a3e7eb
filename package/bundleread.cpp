// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/bundleread.h"

#include "bundle/bundlelayout.h"
#include "package/confinedreader.h"
#include "package/debreader.h"
#include "package/readerconfinement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How long beyond its CPU time a reader may take, for a loaded machine.
constexpr int kWallMarginMs = 10000;
// The package's answer (its texts and logo), app.json's texts, and the rest.
constexpr qint64 kBundleAnswerCap =
    2 * (8 * kTextCap + kIconCap * 4 / 3) + 4 * kControlFileCap + (qint64(1) << 20);

bool plainName(const QByteArray &raw)
{
    if (raw.isEmpty() || raw.size() > kPathCap || !isUtf8(raw))
        return false;
    for (const char c : raw) {
        if (quint8(c) < 0x20 || c == 0x7f)
            return false;
    }
    for (const QChar c : QString::fromUtf8(raw)) {
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9f)
            return false;
    }
    return true;
}

// The order the files are handed in: app.json first, for the reader to know
// which package it names, then the rest by name.
bool handedBefore(const QString &a, const QString &b)
{
    const bool aControl = a == bundleControlFileName();
    const bool bControl = b == bundleControlFileName();
    if (aControl != bControl)
        return aControl;
    return a < b;
}

bool readStrings(const QJsonObject &object, const char *key, QStringList *strings,
                 int most = 2 * kBundleMembersCap, int longest = kPathCap)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isArray() || value.toArray().size() > most)
        return false;
    const QJsonArray items = value.toArray();
    for (const QJsonValue &item : items) {
        if (!item.isString() || item.toString().size() > longest)
            return false;
        strings->append(item.toString());
    }
    return true;
}

bool readString(const QJsonObject &object, const char *key, QString *text, int longest = kPathCap)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString() || value.toString().size() > longest)
        return false;
    *text = value.toString();
    return true;
}

ToolCommand readerCommand(const QStringList &arguments, const QList<int> &fds, qint64 bytes)
{
    ToolCommand command;
    command.program = readerProgram();
    command.arguments = arguments;
    command.handedFds = fds;
    command.emptyEnvironment = true;
    command.timeoutMs = readerCpuSeconds(2 * bytes) * 1000 + kWallMarginMs;
    command.outputCap = kBundleAnswerCap;
    return command;
}

} // namespace

BundleFolderListing::~BundleFolderListing()
{
    for (const int fd : qAsConst(fds))
        ::close(fd);
}

void listBundleFolder(const QString &path, BundleFolderListing *listing)
{
    BundleFacts &facts = listing->facts;
    facts.top = QFileInfo(QDir::cleanPath(path)).fileName();
    const int folder = ::open(QFile::encodeName(path).constData(),
                              O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return;
    DIR *entries = ::fdopendir(folder);
    if (!entries) {
        ::close(folder);
        return;
    }
    QStringList regular;
    int count = 0;
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == "..")
            continue;
        if (++count > kBundleMembersCap) {
            facts.problems.append({QStringLiteral("bundle-too-many-members"),
                                   QString(),
                                   {QString::number(kBundleMembersCap)}});
            break;
        }
        const QString name = QString::fromUtf8(raw);
        if (!plainName(raw)) {
            facts.problems.append({QStringLiteral("bundle-bad-name"), name, {}});
            continue;
        }
        struct stat info = {};
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISLNK(info.st_mode)) {
            char target[kPathCap + 1] = {};
            const ssize_t got = ::readlinkat(folder, entry->d_name, target, kPathCap);
            facts.problems.append({QStringLiteral("bundle-link"),
                                   name,
                                   {QString::fromUtf8(target, int(qMax<ssize_t>(0, got)))}});
        } else if (S_ISDIR(info.st_mode)) {
            facts.others.append(name);
        } else if (!S_ISREG(info.st_mode)) {
            facts.problems.append({QStringLiteral("bundle-special-file"), name, {}});
        } else {
            regular.append(name);
            facts.sizes.insert(name, qint64(info.st_size));
            if ((info.st_mode & 0111) != 0)
                facts.executables.append(name);
        }
    }
    std::sort(regular.begin(), regular.end(), handedBefore);
    facts.files = regular;
    for (const QString &name : qAsConst(regular)) {
        if (listing->fds.size() >= kMostBundleFiles)
            break;
        const int fd = ::openat(folder, QFile::encodeName(name).constData(),
                                O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info = {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd);
            continue;
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        listing->fds.append(fd);
        listing->handedNames.append(name);
        listing->bytes += readableBytes(qint64(info.st_size), qint64(info.st_blocks));
    }
    ::closedir(entries);
}

ToolCommand bundleArchiveCommand(int archiveFd, qint64 bytes)
{
    return readerCommand({QStringLiteral("--bundle-archive")}, {archiveFd}, bytes);
}

ToolCommand bundleFolderCommand(const BundleFolderListing &listing)
{
    QStringList arguments;
    for (const QString &name : listing.handedNames)
        arguments << QStringLiteral("--member") << name;
    return readerCommand(arguments, listing.fds, listing.bytes);
}

bool decodeBundleFacts(const QByteArray &answer, BundleFacts *facts)
{
    if (answer.size() > kBundleAnswerCap)
        return false;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(answer, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    BundleFacts read;
    QString packageAnswer;
    if (!readString(object, "top", &read.top) || !readStrings(object, "files", &read.files) ||
        !readStrings(object, "executables", &read.executables) ||
        !readStrings(object, "others", &read.others) ||
        !readStrings(object, "packages", &read.packages) ||
        !readString(object, "packageMember", &read.packageMember) ||
        !readString(object, "package", &packageAnswer, int(kBundleAnswerCap)))
        return false;
    read.packageBytes = qint64(object.value(QLatin1String("packageBytes")).toDouble());
    if (!packageAnswer.isEmpty() && !decodeReaderAnswer(packageAnswer.toUtf8(), &read.package))
        return false;
    const QJsonArray problems = object.value(QLatin1String("problems")).toArray();
    if (problems.size() > 4 * kBundleMembersCap)
        return false;
    for (const QJsonValue &value : problems) {
        const QJsonObject problem = value.toObject();
        BundleProblem found;
        if (!readString(problem, "tag", &found.tag, 64) ||
            !readString(problem, "member", &found.member) ||
            !readStrings(problem, "params", &found.params, 4))
            return false;
        read.problems.append(found);
    }
    const QJsonObject sizes = object.value(QLatin1String("sizes")).toObject();
    if (sizes.size() > 2 * kBundleMembersCap)
        return false;
    for (auto it = sizes.constBegin(); it != sizes.constEnd(); ++it)
        read.sizes.insert(it.key(), qint64(it.value().toDouble()));
    const QJsonObject pictures = object.value(QLatin1String("pictures")).toObject();
    if (pictures.size() > 2 * kBundleMembersCap)
        return false;
    for (auto it = pictures.constBegin(); it != pictures.constEnd(); ++it) {
        const QJsonObject picture = it.value().toObject();
        BundlePicture found;
        found.png = picture.value(QLatin1String("png")).toBool();
        found.width = picture.value(QLatin1String("width")).toInt();
        found.height = picture.value(QLatin1String("height")).toInt();
        found.animated = picture.value(QLatin1String("animated")).toBool();
        if (!readStrings(picture, "chunks", &found.privateChunks, 5, 4))
            return false;
        read.pictures.insert(it.key(), found);
    }
    const QJsonObject control = object.value(QLatin1String("control")).toObject();
    BundleControl &c = read.control;
    c.present = control.value(QLatin1String("present")).toBool();
    c.tooLarge = control.value(QLatin1String("tooLarge")).toBool();
    c.utf8 = control.value(QLatin1String("utf8")).toBool();
    c.json = control.value(QLatin1String("json")).toBool();
    c.object = control.value(QLatin1String("object")).toBool();
    c.secondObject = control.value(QLatin1String("secondObject")).toBool();
    // A megabyte of app.json holds no more keys than this.
    constexpr int kMostKeys = int(kControlFileCap / 4);
    if (!readStrings(control, "keys", &c.keys, kMostKeys, int(kControlFileCap)) ||
        !readStrings(control, "notStrings", &c.notStrings, kMostKeys, int(kControlFileCap)))
        return false;
    const QJsonObject texts = control.value(QLatin1String("texts")).toObject();
    if (texts.size() > kMostKeys)
        return false;
    for (auto it = texts.constBegin(); it != texts.constEnd(); ++it) {
        if (!it.value().isString() || it.value().toString().size() > kControlFileCap)
            return false;
        c.texts.insert(it.key(), it.value().toString());
    }
    read.answered = true;
    *facts = read;
    return true;
}
