// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole package: the ar container, its tars and every parser behind
// them, read from a memory file as the reader reads its standard input.
// The same bytes are also handed as the companion of a package with
// nothing of its own, so the companion reading runs too.

#include "package/packagemetadata.h"

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

int memoryFile(const char *name, const uint8_t *data, size_t size)
{
    const int fd = ::memfd_create(name, MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::write(fd, data, size) != ssize_t(size)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const int fd = memoryFile("package", data, size);
    if (fd < 0)
        return 0;
    readPackageMetadata(fd, {fd}, {QStringLiteral("zh_CN"), QStringLiteral("zh")});
    ::close(fd);
    return 0;
}
