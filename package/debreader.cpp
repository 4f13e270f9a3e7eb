// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/debreader.h"

#include "package/readerconfinement.h"

#include <archive.h>
#include <archive_entry.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

namespace {

constexpr size_t kBlockSize = size_t(64) * 1024;

struct ArchiveFree
{
    void operator()(archive *a) const { archive_read_free(a); }
};
using ArchivePtr = std::unique_ptr<archive, ArchiveFree>;

QString entryPath(archive_entry *entry)
{
    if (const char *utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    const char *raw = archive_entry_pathname(entry);
    return raw ? QString::fromUtf8(raw) : QString();
}

QString entryLinkTarget(archive_entry *entry)
{
    if (const char *utf8 = archive_entry_symlink_utf8(entry))
        return QString::fromUtf8(utf8);
    const char *raw = archive_entry_symlink(entry);
    return raw ? QString::fromUtf8(raw) : QString();
}

// The outer ar member being read, handed to the inner tar reader block by
// block: the inner archive pulls from the outer one and neither holds more
// than a block of the member.
struct MemberStream
{
    archive *outer = nullptr;
};

la_ssize_t readMemberBlock(archive *, void *clientData, const void **buffer)
{
    auto *stream = static_cast<MemberStream *>(clientData);
    const void *block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    const int status = archive_read_data_block(stream->outer, &block, &size, &offset);
    if (status == ARCHIVE_EOF)
        return 0;
    if (status != ARCHIVE_OK)
        return -1;
    *buffer = block;
    return la_ssize_t(size);
}

enum class Filter { None, Gzip, Xz, Zstd, Bzip2 };

// The compressions deb(5) allows for each member, by its exact name.
bool controlMemberFilter(const QString &name, Filter *filter)
{
    static const QHash<QString, Filter> names = {
        {QStringLiteral("control.tar"), Filter::None},
        {QStringLiteral("control.tar.gz"), Filter::Gzip},
        {QStringLiteral("control.tar.xz"), Filter::Xz},
        {QStringLiteral("control.tar.zst"), Filter::Zstd},
    };
    const auto it = names.constFind(name);
    if (it == names.constEnd())
        return false;
    *filter = *it;
    return true;
}

bool dataMemberFilter(const QString &name, Filter *filter)
{
    static const QHash<QString, Filter> names = {
        {QStringLiteral("data.tar"), Filter::None},
        {QStringLiteral("data.tar.gz"), Filter::Gzip},
        {QStringLiteral("data.tar.xz"), Filter::Xz},
        {QStringLiteral("data.tar.zst"), Filter::Zstd},
        {QStringLiteral("data.tar.bz2"), Filter::Bzip2},
    };
    const auto it = names.constFind(name);
    if (it == names.constEnd())
        return false;
    *filter = *it;
    return true;
}

// Only the one decompression the member's name stands for: a member whose
// contents do not match its name is not read.
ArchivePtr openInnerTar(MemberStream *stream, Filter filter)
{
    ArchivePtr inner(archive_read_new());
    if (!inner)
        return {};
    archive_read_support_format_tar(inner.get());
    switch (filter) {
    case Filter::None:
        break;
    case Filter::Gzip:
        archive_read_support_filter_gzip(inner.get());
        break;
    case Filter::Xz:
        archive_read_support_filter_xz(inner.get());
        break;
    case Filter::Zstd:
        archive_read_support_filter_zstd(inner.get());
        break;
    case Filter::Bzip2:
        archive_read_support_filter_bzip2(inner.get());
        break;
    }
    if (archive_read_open(inner.get(), stream, nullptr, readMemberBlock, nullptr) != ARCHIVE_OK)
        return {};
    if (filter != Filter::None && archive_filter_count(inner.get()) < 2)
        return {};
    return inner;
}

// Reads the current entry's data: up to `cap` bytes kept in `kept` (when
// given), the rest read and dropped. A sparse member's holes are kept as the
// zeros they stand for, up to its `size`, within the same cap. False when the
// archive is cut short, corrupt or past its inflation bound.
bool consumeEntry(archive *inner, qint64 inflateLimit, qint64 size, QByteArray *kept, qint64 cap,
                  bool *overCap)
{
    // Zeros for the holes up to `end`, unless that passes the cap.
    const auto fillTo = [kept, cap, overCap](qint64 end) {
        if (end > cap) {
            *overCap = true;
            kept->clear();
        } else if (end > kept->size()) {
            kept->append(QByteArray(int(end - kept->size()), '\0'));
        }
    };
    for (;;) {
        if (archive_filter_bytes(inner, 0) > inflateLimit)
            return false;
        const void *block = nullptr;
        size_t length = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(inner, &block, &length, &offset);
        if (status == ARCHIVE_EOF) {
            if (kept && !*overCap && size > kept->size())
                fillTo(size);
            return true;
        }
        if (status != ARCHIVE_OK)
            return false;
        if (!kept || *overCap)
            continue;
        // Blocks come in whatever order the member's map gives them.
        if (offset < 0 || offset > cap || qint64(length) > cap - offset) {
            fillTo(cap + 1);
            continue;
        }
        fillTo(offset + qint64(length));
        kept->replace(int(offset), int(length), static_cast<const char *>(block), int(length));
    }
}

bool readControl(MemberStream *stream, Filter filter, qint64 inflateLimit, DebScan *scan)
{
    ArchivePtr inner = openInnerTar(stream, filter);
    if (!inner)
        return false;
    const qint64 limit = inflateLimit;
    archive_entry *entry = nullptr;
    while (archive_read_next_header(inner.get(), &entry) == ARCHIVE_OK) {
        const bool isControl = archive_entry_filetype(entry) == AE_IFREG &&
                               !archive_entry_hardlink(entry) &&
                               normalisedPackagePath(entryPath(entry)) == QLatin1String("control");
        QByteArray contents;
        bool overCap = false;
        const qint64 size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1;
        if (!consumeEntry(inner.get(), limit, size, isControl ? &contents : nullptr, kControlCap,
                          &overCap))
            return false;
        if (isControl) {
            if (overCap)
                return false;
            scan->control = contents;
            return true;
        }
    }
    return false;
}

// True when the data tar was read to its proper end.
bool readData(MemberStream *stream, Filter filter, qint64 inflateLimit, const HoldRequest &hold,
              DebScan *scan)
{
    ArchivePtr inner = openInnerTar(stream, filter);
    if (!inner)
        return false;
    const qint64 limit = inflateLimit;
    qint64 held = 0;
    qint64 linkNames = 0;
    archive_entry *entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(inner.get(), &entry);
        if (status == ARCHIVE_EOF)
            return true;
        if (status != ARCHIVE_OK)
            return false;
        const QString path = normalisedPackagePath(entryPath(entry));
        const auto type = archive_entry_filetype(entry);
        // Hard links, devices, pipes and sockets are no file of their own here.
        const bool regular = type == AE_IFREG && !archive_entry_hardlink(entry);
        if (!path.isEmpty() && type == AE_IFLNK) {
            const QString target = entryLinkTarget(entry);
            linkNames += 2 * (path.size() + target.size()) + 64;
            if (linkNames <= kLinkNamesCap) {
                scan->links.insert(path, target);
                if (hold(path) > 0)
                    scan->names.append(path);
            }
        }
        const qint64 cap = regular && !path.isEmpty() ? hold(path) : 0;
        if (cap > 0) {
            scan->names.append(path);
            scan->links.remove(path);
        }
        const qint64 size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1;
        const bool tooLarge = cap > 0 && size > cap;
        const bool fits = cap > 0 && !tooLarge && (size < 0 || held + size <= kHeldCap);
        QByteArray contents;
        bool overCap = false;
        if (!consumeEntry(inner.get(), limit, size, fits ? &contents : nullptr, cap, &overCap))
            return false;
        if (cap <= 0)
            continue;
        scan->held.remove(path);
        scan->tooLarge.remove(path);
        scan->notHeld.remove(path);
        if (tooLarge || overCap) {
            scan->tooLarge.insert(path);
        } else if (!fits || held + contents.size() > kHeldCap) {
            scan->notHeld.insert(path);
        } else {
            held += contents.size();
            scan->held.insert(path, contents);
        }
    }
}

QString memberName(archive_entry *entry)
{
    QString name = entryPath(entry);
    // GNU ar ends member names with a slash.
    if (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return name;
}

} // namespace

QString normalisedPackagePath(const QString &path)
{
    if (path.size() > kPathCap)
        return {};
    QStringList parts;
    for (const QString &part : path.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (parts.isEmpty())
                return {};
            parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    return parts.join(QLatin1Char('/'));
}

QString resolvePackagePath(const QHash<QString, QString> &links, const QString &path)
{
    if (path.size() > kPathCap)
        return {};
    // The path resolved so far is kept as one string with the length it had
    // before each part, so a long path costs its length, not its length
    // squared; the parts still to go are kept reversed, next part last.
    QStringList pending = path.split(QLatin1Char('/'));
    std::reverse(pending.begin(), pending.end());
    QString done;
    QVector<int> before;
    int hops = 0;
    while (!pending.isEmpty()) {
        const QString part = pending.takeLast();
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (before.isEmpty())
                return {};
            done.truncate(before.takeLast());
            continue;
        }
        before.append(done.size());
        if (!done.isEmpty())
            done += QLatin1Char('/');
        done += part;
        if (done.size() > kPathCap)
            return {};
        const auto link = links.constFind(done);
        if (link == links.constEnd())
            continue;
        if (++hops > kLinkHops || link->size() > kPathCap)
            return {};
        done.truncate(before.takeLast());
        // An absolute target means the package's own root, never the system's.
        if (link->startsWith(QLatin1Char('/'))) {
            done.clear();
            before.clear();
        }
        QStringList target = link->split(QLatin1Char('/'));
        std::reverse(target.begin(), target.end());
        pending += target;
    }
    return done;
}

DebScan scanDeb(int fd, const HoldRequest &hold)
{
    DebScan scan;
    struct stat info = {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::lseek(fd, 0, SEEK_SET) != 0)
        return scan;
    // The bound comes from the file's real size: a member's header may
    // claim any size at all, and a hole in the file takes up no room.
    const qint64 inflateLimit = qMax(
        kInflateFloor, readableBytes(qint64(info.st_size), qint64(info.st_blocks)) * kInflateRatio);
    ArchivePtr outer(archive_read_new());
    if (!outer)
        return scan;
    archive_read_support_format_ar(outer.get());
    // The archive owns nothing of the descriptor.
    if (archive_read_open_fd(outer.get(), fd, kBlockSize) != ARCHIVE_OK)
        return scan;
    enum { Start, AfterBinary, AfterControl, AfterData } state = Start;
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(outer.get(), &entry)) == ARCHIVE_OK) {
        const QString name = memberName(entry);
        MemberStream stream{outer.get()};
        Filter filter = Filter::None;
        if (state == Start) {
            if (name != QLatin1String("debian-binary"))
                return scan;
            char version[16] = {};
            const la_ssize_t got = archive_read_data(outer.get(), version, sizeof version - 1);
            if (got < 2 || version[0] != '2' || version[1] != '.')
                return scan;
            state = AfterBinary;
        } else if (name.startsWith(QLatin1Char('_')) || state == AfterData) {
            // deb(5) leaves such members to others; each is still read to
            // its end, so a package cut short is told.
            if (archive_read_data_skip(outer.get()) != ARCHIVE_OK)
                break;
        } else if (state == AfterBinary) {
            if (!controlMemberFilter(name, &filter) ||
                !readControl(&stream, filter, inflateLimit, &scan))
                break;
            state = AfterControl;
        } else {
            if (!dataMemberFilter(name, &filter) ||
                !readData(&stream, filter, inflateLimit, hold, &scan))
                break;
            state = AfterData;
        }
    }
    scan.isDeb = state == AfterData && status == ARCHIVE_EOF;
    scan.corrupt = state != Start && !scan.isDeb;
    return scan;
}
