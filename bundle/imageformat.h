// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_IMAGEFORMAT_H
#define PLINVEX_IMAGEFORMAT_H

#include <QString>

enum class ImageFormat { Unknown, Png, Jpeg, Gif };

// The format a file's own first bytes announce, whatever its name says.
ImageFormat imageFormatOf(const QString &path);

#endif
