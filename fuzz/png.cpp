// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The PNG walk: the header's sides, the chunk walk of the picture checks
// (in memory and on a file), then the decoding a logo candidate gets.

#include "bundle/pngcheck.h"
#include "package/packagemetadata.h"
#include "package/readerparsers.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray png(reinterpret_cast<const char *>(data), int(size));
    quint32 width = 0;
    quint32 height = 0;
    pngHeaderSides(png, width, height);
    pngHeaderSize(png);
    pngChunksFit(png);
    QBuffer buffer;
    buffer.setData(png);
    buffer.open(QIODevice::ReadOnly);
    firstPngChunkOf(buffer, {"acTL", "IDAT"});

    static const int fd = ::memfd_create("png", MFD_CLOEXEC);
    if (fd >= 0 && ::ftruncate(fd, 0) == 0 && ::pwrite(fd, data, size, 0) == ssize_t(size))
        isPngWithin(QStringLiteral("/proc/self/fd/%1").arg(fd), 4096, 4096);

    readerparsers::drawnIcon(QStringLiteral("usr/share/pixmaps/a.png"), png);
    return 0;
}
