// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The confined reader: reads the package handed to it as its standard input
// and prints what it says about itself. With --bundle-archive it reads a
// bundle's archive handed so instead; with --bundle-folder, the files of a
// bundle folder handed as standard input and descriptors 3, 4, …, each
// named by a --member. It runs as a child of plinvex only.

#include "package/bundlefacts.h"
#include "package/bundlereader.h"
#include "package/readeranswer.h"
#include "package/readerconfinement.h"
#include "package/readerseal.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--self-test") == 0)
        return runReaderSelfTest();
    QStringList languages;
    int companions = 0;
    bool bundleArchive = false;
    QStringList members;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bundle-archive") == 0)
            bundleArchive = true;
    }
    for (int i = 1 + (bundleArchive ? 1 : 0); i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--member") == 0 && members.size() < kMostBundleFiles)
            members.append(QString::fromUtf8(argv[i + 1]));
        else if (std::strcmp(argv[i], "--languages") == 0)
            languages = QString::fromUtf8(argv[i + 1]).split(QLatin1Char(','), Qt::SkipEmptyParts);
        else if (std::strcmp(argv[i], "--companions") == 0)
            companions = qBound(0, std::atoi(argv[i + 1]), kMostCompanions);
    }
    // The companions follow the standard error: descriptors 3, 4, … .
    QList<int> companionFds;
    for (int fd = 3; fd < 3 + companions; ++fd)
        companionFds.append(fd);
    struct stat package = {};
    if (::fstat(STDIN_FILENO, &package) != 0 || !S_ISREG(package.st_mode)) {
        std::fputs("plinvex-reader: the package is to be handed as standard input\n", stderr);
        return 2;
    }
    ReaderLimits limits;
    limits.cpuSeconds =
        readerCpuSeconds(readableBytes(qint64(package.st_size), qint64(package.st_blocks)));
    QByteArray answer;
    if (bundleArchive) {
        // The package inside is copied into memory, never to disk: a memory
        // file made, and given its greatest size (taking no memory yet),
        // before the limits forbid growing a file.
        const int scratch = ::memfd_create("plinvex-bundle-package", MFD_CLOEXEC);
        if (scratch < 0 || ::ftruncate(scratch, kBundlePackageCap) != 0) {
            std::fputs("plinvex-reader: no memory file for the package\n", stderr);
            return 2;
        }
        // Unpacking the archive and then reading its package.
        limits.cpuSeconds =
            readerCpuSeconds(2 * readableBytes(qint64(package.st_size), qint64(package.st_blocks)));
        sealReader(limits, scratch);
        answer = readBundleArchive(STDIN_FILENO, scratch, languages);
    } else if (!members.isEmpty()) {
        QList<int> fds{STDIN_FILENO};
        for (int i = 1; i < members.size(); ++i)
            fds.append(2 + i);
        qint64 bytes = 0;
        for (const int fd : qAsConst(fds)) {
            struct stat member = {};
            if (::fstat(fd, &member) == 0)
                bytes += readableBytes(qint64(member.st_size), qint64(member.st_blocks));
        }
        limits.cpuSeconds = readerCpuSeconds(bytes);
        sealReader(limits);
        answer = readBundleFolder(members, fds, languages);
    } else {
        // Whether it took hold is for the self-test to prove to the parent,
        // not for this process to say of itself.
        sealReader(limits);
        const PackageMetadata metadata = readPackageMetadata(STDIN_FILENO, companionFds, languages);
        answer = encodeReaderAnswer(metadata);
    }
    return std::fwrite(answer.constData(), 1, size_t(answer.size()), stdout) ==
                       size_t(answer.size()) &&
                   std::fflush(stdout) == 0
               ? 0
               : 1;
}
