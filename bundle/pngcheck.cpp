// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/pngcheck.h"

#include <QFile>
#include <QtEndian>

namespace {

const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8);

struct ChunkHeader
{
    quint32 length = 0;
    QByteArray type;
};

bool readChunkHeader(QFile &file, ChunkHeader &chunk)
{
    const QByteArray bytes = file.read(8);
    if (bytes.size() != 8)
        return false;
    chunk.length = qFromBigEndian<quint32>(bytes.constData());
    chunk.type = bytes.mid(4);
    return true;
}

} // namespace

bool isPngWithin(const QString &path, int width, int height)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(kSignature.size()) != kSignature)
        return false;
    ChunkHeader chunk;
    if (!readChunkHeader(file, chunk) || chunk.type != "IHDR" || chunk.length != 13)
        return false;
    const QByteArray size = file.read(8);
    if (size.size() != 8)
        return false;
    const quint32 w = qFromBigEndian<quint32>(size.constData());
    const quint32 h = qFromBigEndian<quint32>(size.constData() + 4);
    if (w == 0 || h == 0 || w > quint32(width) || h > quint32(height))
        return false;
    // An animation announces itself before the first image data.
    qint64 next = 8 + 8 + 13 + 4;
    while (file.seek(next) && readChunkHeader(file, chunk)) {
        if (chunk.type == "acTL")
            return false;
        if (chunk.type == "IDAT")
            return true;
        next += 8 + qint64(chunk.length) + 4;
    }
    return false;
}
