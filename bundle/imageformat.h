// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_IMAGEFORMAT_H
#define PLINVEX_IMAGEFORMAT_H

#include <QByteArray>
#include <QString>

// The image formats a bundle takes in. Anything else is Unknown, whatever
// its name says: image tools pick their decoder by content, and some of
// theirs (SVG, MSL scripts) read other files or start other programs.
enum class ImageFormat { Unknown, Png, Jpeg, Gif };

// The format by the file's own first bytes; Unknown when it cannot be read.
ImageFormat imageFormatOf(const QString &path);
// The format by a file's first eight bytes.
ImageFormat imageFormatOfHead(const QByteArray &head);

#endif
