// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PICTUREHEADER_H
#define PLINVEX_PICTUREHEADER_H

#include "bundle/imageformat.h"

#include <QImage>
#include <QSize>
#include <QString>

class QImageReader;

// A picture is decoded whole, four bytes a pixel, and a file of a few
// hundred kilobytes may claim any size: every picture is measured by its
// header first and decoded only within these caps, so no picture costs more
// than the caps' worth of memory (160 MB) however small its file.
constexpr int kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = 40000000;

// What a picture's header says, read without decoding it: the format its
// first bytes name, and the size its header claims (invalid when the header
// cannot be read).
struct PictureHeader
{
    ImageFormat format = ImageFormat::Unknown;
    QSize size;

    bool readable() const
    {
        return format != ImageFormat::Unknown && size.isValid() && !size.isEmpty();
    }
    bool withinCaps() const
    {
        return readable() && size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide &&
               qint64(size.width()) * size.height() <= kMaxPicturePixels;
    }
};

PictureHeader pictureHeaderOf(const QString &path);

// Makes `reader` decode with the one decoder `format` names, never one that
// the file's name or content would pick.
void fixPictureDecoder(QImageReader &reader, ImageFormat format);

// The picture at `path` when its header is within the caps, decoded with the
// decoder of its format; a null image otherwise.
QImage readPictureWithinCaps(const QString &path);

#endif
