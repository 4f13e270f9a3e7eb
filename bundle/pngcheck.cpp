// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/pngcheck.h"

#include <QFile>
#include <QtEndian>

namespace {

const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8);

// Signature, IHDR chunk header and the two sides it starts with.
constexpr int kHeadSize = 8 + 8 + 8;

} // namespace

bool isPngWithin(const QString &path, int width, int height)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(kHeadSize);
    quint32 w = 0;
    quint32 h = 0;
    if (!pngHeaderSides(head, w, h) || qFromBigEndian<quint32>(head.constData() + 8) != 13)
        return false;
    if (w == 0 || h == 0 || w > quint32(width) || h > quint32(height))
        return false;
    // An animation announces itself before the first image data.
    return firstPngChunkOf(file, {"acTL", "IDAT"}) == "IDAT";
}

bool hasPngSignature(const QByteArray &bytes)
{
    return bytes.startsWith(kSignature);
}

bool pngHeaderSides(const QByteArray &head, quint32 &width, quint32 &height)
{
    if (head.size() < kHeadSize || !hasPngSignature(head) || head.mid(12, 4) != "IHDR")
        return false;
    width = qFromBigEndian<quint32>(head.constData() + 16);
    height = qFromBigEndian<quint32>(head.constData() + 20);
    return true;
}

bool pngChunksFit(const QByteArray &png)
{
    if (!hasPngSignature(png))
        return false;
    qint64 at = kSignature.size();
    while (png.size() - at >= 12) {
        const qint64 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > png.size() - at - 12)
            return false;
        if (png.mid(int(at) + 4, 4) == "IEND")
            return true;
        at += 12 + length;
    }
    return false;
}

QByteArray firstPngChunkOf(QIODevice &file, const QList<QByteArray> &types)
{
    qint64 next = kSignature.size();
    while (file.seek(next)) {
        const QByteArray header = file.read(8);
        if (header.size() != 8)
            return {};
        QByteArray type = header.mid(4);
        if (types.contains(type))
            return type;
        next += 8 + qint64(qFromBigEndian<quint32>(header.constData())) + 4;
    }
    return {};
}
