// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/imageformat.h"

#include "bundle/pngcheck.h"

#include <QFile>

ImageFormat imageFormatOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ImageFormat::Unknown;
    return imageFormatOfHead(file.read(8));
}

ImageFormat imageFormatOfHead(const QByteArray &head)
{
    if (hasPngSignature(head))
        return ImageFormat::Png;
    // Start of image, then the marker of the next segment.
    if (head.size() >= 3 && head.startsWith("\xff\xd8\xff"))
        return ImageFormat::Jpeg;
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return ImageFormat::Gif;
    return ImageFormat::Unknown;
}
