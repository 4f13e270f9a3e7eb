// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/pictureheader.h"

#include "bundle/pngcheck.h"

#include <QFile>
#include <QImageReader>

namespace {

QByteArray decoderName(ImageFormat format)
{
    switch (format) {
    case ImageFormat::Png:
        return QByteArrayLiteral("png");
    case ImageFormat::Jpeg:
        return QByteArrayLiteral("jpeg");
    case ImageFormat::Gif:
        return QByteArrayLiteral("gif");
    case ImageFormat::Unknown:
        break;
    }
    return {};
}

// The size a picture open in `file` claims; invalid when its header cannot
// be read. A PNG's is read from its IHDR chunk by hand; a JPEG's or GIF's
// by its own decoder, which reads the header only.
QSize headerSize(QFile &file, ImageFormat format)
{
    if (format == ImageFormat::Png) {
        quint32 width = 0;
        quint32 height = 0;
        if (!pngHeaderSides(file.read(24), width, height))
            return {};
        // Sides beyond int are far beyond the caps, and still reported so.
        return QSize(int(qMin(width, 1U << 30)), int(qMin(height, 1U << 30)));
    }
    if (!file.seek(0))
        return {};
    QImageReader reader(&file);
    fixPictureDecoder(reader, format);
    return reader.size();
}

} // namespace

void fixPictureDecoder(QImageReader &reader, ImageFormat format)
{
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    reader.setFormat(decoderName(format));
}

PictureHeader pictureHeaderOf(const QString &path)
{
    PictureHeader header;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return header;
    header.format = imageFormatOfHead(file.peek(8));
    if (header.format != ImageFormat::Unknown)
        header.size = headerSize(file, header.format);
    return header;
}

QImage readPictureWithinCaps(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    PictureHeader header;
    header.format = imageFormatOfHead(file.peek(8));
    if (header.format == ImageFormat::Unknown)
        return {};
    QImageReader reader(&file);
    fixPictureDecoder(reader, header.format);
    // Measured by the very decoder that reads the picture next, from the
    // file it reads, so a file changed in between cannot slip past.
    header.size = reader.size();
    if (!header.withinCaps())
        return {};
    return reader.read();
}
