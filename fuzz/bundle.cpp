// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A bundle's archive, read as the reader reads its standard input: the gzip
// stream, the tar members, app.json, the pictures and the package inside,
// copied into a memory file as the reader copies it. The same bytes go to
// the app.json and picture readers on their own, as a folder's files would.

#include "package/bundlefacts.h"
#include "package/bundlereader.h"

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    readControlJson(bytes);
    readPicture(bytes);
    const int archive = ::memfd_create("archive", MFD_CLOEXEC);
    const int scratch = ::memfd_create("package", MFD_CLOEXEC);
    if (archive >= 0 && scratch >= 0 && ::write(archive, data, size) == ssize_t(size) &&
        ::lseek(archive, 0, SEEK_SET) == 0 && ::ftruncate(scratch, kBundlePackageCap) == 0)
        readBundleArchive(archive, scratch, {QStringLiteral("en")});
    if (archive >= 0)
        ::close(archive);
    if (scratch >= 0)
        ::close(scratch);
    return 0;
}
