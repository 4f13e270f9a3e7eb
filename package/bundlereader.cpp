// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/bundlereader.h"

#include "bundle/bundlelayout.h"
#include "package/bundlefacts.h"
#include "package/debreader.h"
#include "package/packagemetadata.h"
#include "package/readeranswer.h"
#include "package/readerconfinement.h"

#include <QJsonDocument>
#include <QRegularExpression>

#include <archive.h>
#include <archive_entry.h>

#include <cstring>
#include <memory>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kBlockSize = size_t(64) * 1024;

struct ArchiveFree
{
    void operator()(archive *a) const { archive_read_free(a); }
};
using ArchivePtr = std::unique_ptr<archive, ArchiveFree>;

const QByteArray kArMagic("!<arch>\n");

bool isBundlePicture(const QString &name)
{
    return name == bundleIconName() || screenshotNumber(name) > 0;
}

bool isPackageCandidate(const QString &name, const QByteArray &head)
{
    return head.startsWith(kArMagic) || name.endsWith(QLatin1String(".deb"));
}

bool looksRunnable(const QByteArray &head)
{
    return head.startsWith("\x7f"
                           "ELF") ||
           head.startsWith("#!");
}

// The package member, copied into the memory file a page window at a time:
// the reader may neither write to a descriptor nor grow a file, but a
// mapping of what is there already is only memory.
class Scratch
{
public:
    explicit Scratch(int fd)
        : fd(fd)
    {
    }

    bool append(const void *data, size_t size)
    {
        if (fd < 0 || qint64(size) > kBundlePackageCap - written)
            return false;
        static const qint64 page = ::sysconf(_SC_PAGESIZE);
        const qint64 start = written - written % page;
        const size_t length = size_t(written + qint64(size) - start);
        void *map = ::mmap(nullptr, length, PROT_WRITE, MAP_SHARED, fd, start);
        if (map == MAP_FAILED)
            return false;
        std::memcpy(static_cast<char *>(map) + (written - start), data, size);
        ::munmap(map, length);
        written += qint64(size);
        return true;
    }

    // The file cut to what was copied, read from its start.
    bool close()
    {
        return fd >= 0 && ::ftruncate(fd, written) == 0 && ::lseek(fd, 0, SEEK_SET) == 0;
    }

    qint64 size() const { return written; }

private:
    const int fd;
    qint64 written = 0;
};

class ArchiveReading
{
public:
    ArchiveReading(int fd, int scratchFd)
        : fd(fd)
        , scratch(scratchFd)
        , scratchFd(scratchFd)
    {
    }

    BundleFacts read(PackageMetadata *package, const QStringList &languages)
    {
        struct stat info = {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
            return facts;
        compressed = readableBytes(qint64(info.st_size), qint64(info.st_blocks));
        if (qint64(info.st_size) > kBundleArchiveCap) {
            problem(QStringLiteral("bundle-too-large"), {},
                    {QString::number(info.st_size), QString::number(kBundleArchiveCap)});
            return facts;
        }
        inflateLimit =
            qMin(kBundleUnpackedCap, qMax(kBundleInflateFloor, compressed * kBundleInflateRatio));
        ArchivePtr reader(archive_read_new());
        if (!reader)
            return facts;
        archive_read_support_format_tar(reader.get());
        archive_read_support_filter_gzip(reader.get());
        if (archive_read_open_fd(reader.get(), fd, kBlockSize) != ARCHIVE_OK) {
            problem(QStringLiteral("bundle-archive-unreadable"), {}, {});
            return facts;
        }
        a = reader.get();
        int count = 0;
        archive_entry *entry = nullptr;
        for (;;) {
            const int status = archive_read_next_header(a, &entry);
            if (status == ARCHIVE_EOF)
                break;
            // A warning is a name the locale cannot show; the name is
            // judged on its own below.
            if ((status != ARCHIVE_OK && status != ARCHIVE_WARN) || archive_filter_count(a) < 2) {
                problem(QStringLiteral("bundle-archive-unreadable"), {}, {});
                break;
            }
            if (++count > kBundleMembersCap) {
                problem(QStringLiteral("bundle-too-many-members"), {},
                        {QString::number(kBundleMembersCap)});
                break;
            }
            if (!member(entry) || stopped)
                break;
        }
        a = nullptr;
        if (!facts.packageMember.isEmpty() && !stopped) {
            if (scratch.close())
                *package = readPackageMetadata(scratchFd, {}, languages);
        }
        return facts;
    }

private:
    void problem(const QString &tag, const QString &memberName, const QStringList &params)
    {
        facts.problems.append({tag, memberName, params});
    }

    // False when the archive cannot be read on.
    bool member(archive_entry *entry)
    {
        // The name as UTF-8 when the archive says it is (a pax header), else
        // its bytes as they are: the reader sets no locale to convert to.
        const char *utf8Path = archive_entry_pathname_utf8(entry);
        const char *rawPath = utf8Path ? utf8Path : archive_entry_pathname(entry);
        const QByteArray raw = rawPath ? QByteArray(rawPath) : QByteArray();
        const QString shown = QString::fromUtf8(raw.left(kPathCap));
        bool plain = raw.size() <= kPathCap && !raw.isEmpty() && isUtf8(raw);
        for (const char c : raw) {
            if (quint8(c) < 0x20 || c == 0x7f)
                plain = false;
        }
        // C1 controls are two bytes in UTF-8: C2 80 to C2 9F.
        if (plain && QString::fromUtf8(raw).contains(
                         QRegularExpression(QStringLiteral("[\\x{80}-\\x{9f}]"))))
            plain = false;
        if (!plain) {
            problem(QStringLiteral("bundle-bad-name"), shown, {});
            return skip();
        }
        if (raw.startsWith('/')) {
            problem(QStringLiteral("bundle-absolute-path"), shown, {});
            return skip();
        }
        QStringList parts;
        for (const QString &part : shown.split(QLatin1Char('/'))) {
            if (part == QLatin1String("..")) {
                problem(QStringLiteral("bundle-parent-path"), shown, {});
                return skip();
            }
            if (!part.isEmpty() && part != QLatin1String("."))
                parts.append(part);
        }
        if (parts.isEmpty())
            return skip(); // "./" itself
        if (facts.top.isEmpty())
            facts.top = parts.first();
        const auto type = archive_entry_filetype(entry);
        const bool hardLink = archive_entry_hardlink(entry) != nullptr;
        if (parts.first() != facts.top || (parts.size() == 1 && type != AE_IFDIR)) {
            problem(QStringLiteral("bundle-not-one-folder"), shown, {});
            return skip();
        }
        const QString name = parts.mid(1).join(QLatin1Char('/'));
        if (type == AE_IFLNK || hardLink) {
            const char *target =
                hardLink ? archive_entry_hardlink_utf8(entry) : archive_entry_symlink_utf8(entry);
            if (!target)
                target = hardLink ? archive_entry_hardlink(entry) : archive_entry_symlink(entry);
            problem(QStringLiteral("bundle-link"), name,
                    {QString::fromUtf8(QByteArray(target ? target : "").left(kPathCap))});
            return skip();
        }
        if (type == AE_IFDIR) {
            if (parts.size() > 1)
                facts.others.append(name);
            return skip();
        }
        // A sparse member unpacks to holes no block of the stream holds:
        // what the check read would not be what unpacking gives.
        if (type != AE_IFREG || archive_entry_sparse_count(entry) > 0) {
            problem(QStringLiteral("bundle-special-file"), name, {});
            return skip();
        }
        if (parts.size() > 2) {
            facts.others.append(name);
            return data(name, nullptr, 0, false);
        }
        if (facts.sizes.contains(name)) {
            problem(QStringLiteral("bundle-member-repeated"), name, {});
            return skip();
        }
        const qint64 size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1;
        facts.files.append(name);
        facts.sizes.insert(name, qMax<qint64>(0, size));
        if ((archive_entry_perm(entry) & 0111) != 0)
            facts.executables.append(name);
        if (name == bundleControlFileName()) {
            QByteArray bytes;
            facts.control.present = true;
            if (size > kControlFileCap) {
                facts.control.tooLarge = true;
                return data(name, nullptr, 0, false);
            }
            if (!data(name, &bytes, kControlFileCap, false))
                return false;
            if (bytes.size() > kControlFileCap)
                facts.control.tooLarge = true;
            else if (!stopped)
                facts.control = readControlJson(bytes);
            return true;
        }
        if (isBundlePicture(name)) {
            QByteArray bytes;
            if (size > kBundleImageCap)
                return data(name, nullptr, 0, false);
            if (!data(name, &bytes, kBundleImageCap, false))
                return false;
            if (!stopped && bytes.size() <= kBundleImageCap)
                facts.pictures.insert(name, readPicture(bytes));
            return true;
        }
        if (size > kBundlePackageCap && name.endsWith(QLatin1String(".deb")))
            problem(QStringLiteral("bundle-package-too-large"), name,
                    {QString::number(kBundlePackageCap)});
        return data(name, nullptr, 0, facts.packageMember.isEmpty() && size <= kBundlePackageCap);
    }

    bool skip() { return archive_read_data_skip(a) == ARCHIVE_OK; }

    // Reads the member's data: up to `cap` + 1 bytes kept in `kept`, or into
    // the scratch file when it may be the package; the rest read and
    // dropped, within the unpacked caps.
    bool data(const QString &name, QByteArray *kept, qint64 cap, bool mayBePackage)
    {
        QByteArray head;
        bool toScratch = false;
        bool first = true;
        for (;;) {
            const void *block = nullptr;
            size_t length = 0;
            la_int64_t offset = 0;
            const int status = archive_read_data_block(a, &block, &length, &offset);
            const qint64 unpacked = archive_filter_bytes(a, 0);
            if (unpacked > kBundleUnpackedCap) {
                problem(QStringLiteral("bundle-too-large"), name,
                        {QString::number(unpacked), QString::number(kBundleUnpackedCap)});
                stopped = true;
                return true;
            }
            if (unpacked > inflateLimit) {
                problem(QStringLiteral("bundle-inflated"), name,
                        {QString::number(kBundleInflateRatio),
                         QString::number(kBundleInflateFloor >> 20)});
                stopped = true;
                return true;
            }
            if (status == ARCHIVE_EOF)
                break;
            if (status != ARCHIVE_OK) {
                problem(QStringLiteral("bundle-archive-unreadable"), name, {});
                stopped = true;
                return false;
            }
            const char *bytes = static_cast<const char *>(block);
            if (first && length > 0) {
                first = false;
                head = QByteArray(bytes, int(qMin<size_t>(length, 8)));
                if (isPackageCandidate(name, head))
                    facts.packages.append(name);
                if (looksRunnable(head) && !facts.executables.contains(name))
                    facts.executables.append(name);
                toScratch = mayBePackage && isPackageCandidate(name, head);
                if (toScratch)
                    facts.packageMember = name;
            }
            if (toScratch && !scratch.append(bytes, length)) {
                problem(QStringLiteral("bundle-package-too-large"), name,
                        {QString::number(kBundlePackageCap)});
                facts.packageMember.clear();
                toScratch = false;
            }
            if (kept && kept->size() <= cap)
                kept->append(bytes, int(qMin<qint64>(qint64(length), cap + 1 - kept->size())));
        }
        if (toScratch)
            facts.packageBytes = scratch.size();
        else if (first && name.endsWith(QLatin1String(".deb")))
            facts.packages.append(name);
        return true;
    }

    const int fd;
    Scratch scratch;
    const int scratchFd;
    archive *a = nullptr;
    qint64 compressed = 0;
    qint64 inflateLimit = 0;
    bool stopped = false;
    BundleFacts facts;
};

QByteArray answerOf(const BundleFacts &facts, const PackageMetadata &package)
{
    return QJsonDocument(encodeBundleFacts(facts, encodeReaderAnswer(package)))
        .toJson(QJsonDocument::Compact);
}

// At most `cap` + 1 bytes of the file open at `fd`, from its start.
QByteArray readCapped(int fd, qint64 cap)
{
    QByteArray bytes;
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return bytes;
    char block[kBlockSize];
    while (bytes.size() <= cap) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got <= 0)
            break;
        bytes.append(block, int(qMin<qint64>(got, cap + 1 - bytes.size())));
    }
    return bytes;
}

} // namespace

QByteArray readBundleArchive(int fd, int scratchFd, const QStringList &languages)
{
    ArchiveReading reading(fd, scratchFd);
    PackageMetadata package;
    const BundleFacts facts = reading.read(&package, languages);
    return answerOf(facts, package);
}

QByteArray readBundleFolder(const QStringList &names, const QList<int> &fds,
                            const QStringList &languages)
{
    BundleFacts facts;
    PackageMetadata package;
    int packageFd = -1;
    for (int i = 0; i < names.size() && i < fds.size(); ++i) {
        const QString &name = names.at(i);
        const int fd = fds.at(i);
        struct stat info = {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        const QByteArray head = readCapped(fd, 7);
        if (looksRunnable(head))
            facts.executables.append(name);
        if (isPackageCandidate(name, head)) {
            facts.packages.append(name);
            if (packageFd < 0) {
                packageFd = fd;
                facts.packageMember = name;
                facts.packageBytes = qint64(info.st_size);
            }
        }
        if (name == bundleControlFileName()) {
            facts.control.present = true;
            const QByteArray bytes = readCapped(fd, kControlFileCap);
            if (bytes.size() > kControlFileCap)
                facts.control.tooLarge = true;
            else
                facts.control = readControlJson(bytes);
        } else if (isBundlePicture(name) && qint64(info.st_size) <= kBundleImageCap) {
            facts.pictures.insert(name, readPicture(readCapped(fd, kBundleImageCap)));
        }
    }
    // The package app.json names, when it is one of them; else the first.
    const QString named = facts.control.texts.value(QStringLiteral("Filename"));
    const int namedAt = names.indexOf(named);
    if (!named.isEmpty() && namedAt >= 0 && facts.packages.contains(named)) {
        packageFd = fds.at(namedAt);
        facts.packageMember = named;
        struct stat info = {};
        facts.packageBytes = ::fstat(packageFd, &info) == 0 ? qint64(info.st_size) : 0;
    }
    if (packageFd >= 0 && ::lseek(packageFd, 0, SEEK_SET) == 0)
        package = readPackageMetadata(packageFd, {}, languages);
    return answerOf(facts, package);
}
