// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The confined reader: reads the package handed to it as its standard input
// and prints what it says about itself. It runs as a child of plinvex only.

#include "package/readeranswer.h"
#include "package/readerconfinement.h"
#include "package/readerseal.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--self-test") == 0)
        return runReaderSelfTest();
    QStringList languages;
    int companions = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--languages") == 0)
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
    // Whether it took hold is for the self-test to prove to the parent, not
    // for this process to say of itself.
    sealReader(limits);

    const PackageMetadata metadata = readPackageMetadata(STDIN_FILENO, companionFds, languages);
    const QByteArray answer = encodeReaderAnswer(metadata);
    return std::fwrite(answer.constData(), 1, size_t(answer.size()), stdout) ==
                       size_t(answer.size()) &&
                   std::fflush(stdout) == 0
               ? 0
               : 1;
}
