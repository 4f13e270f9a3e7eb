// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PNGCHECK_H
#define PLINVEX_PNGCHECK_H

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// True when `path` holds one still PNG image (no animation) that fits
// within width x height. Reads the chunk headers only, so it needs no image
// library and stays quick for any size.
bool isPngWithin(const QString &path, int width, int height);

// Whether `bytes` start with the eight bytes every PNG file starts with.
bool hasPngSignature(const QByteArray &bytes);

// The width and height a PNG's header chunk claims, read from its first 24
// bytes before anything is decoded. False unless `head` starts with the
// signature and an IHDR chunk; the sides are as written, zero included.
bool pngHeaderSides(const QByteArray &head, quint32 &width, quint32 &height);

// Whether every chunk of the PNG in `png`, up to its IEND, fits within the
// bytes there are: a decoder allocates what a chunk claims before reading it,
// so a few bytes claiming gigabytes are refused before any decoding.
bool pngChunksFit(const QByteArray &png);

// Walks the chunk headers of the PNG open in `file`, from the first chunk
// after the signature, and returns the type of the first chunk that is one
// of `types`; empty when the file ends, or cannot be read on, before one.
QByteArray firstPngChunkOf(QIODevice &file, const QList<QByteArray> &types);

#endif
