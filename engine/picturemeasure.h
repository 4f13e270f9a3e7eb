// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_PICTUREMEASURE_H
#define PLINVEX_PICTUREMEASURE_H

#include "engine/checklimits.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

class QFile;

// What the image checks need of one decoded picture; the picture itself is
// dropped as soon as these are known, so ten large screenshots are decoded
// once each and never held together.
struct PictureTraits
{
    bool decoded = false;
    quint64 differenceHash = 0;
    qint64 nearDominant = 0; // pixels of the reduced copy near its dominant colour
    qint64 reducedPixels = 0;
    int transparentBand = 0; // the widest fully transparent band along an edge, in pixels
    int bandSide = 0;        // the length of the side that band is measured along
    qint64 opaque = 0;       // pixels with alpha 128 or more
    qint64 pixels = 0;

    bool blank() const { return decoded && nearDominant * 100 >= reducedPixels * kBlankShare; }
};

enum class PictureUse { Logo, Screenshot };

// Decodes the picture open in `file` with the decoder of the format its
// first bytes name, and only when the size that decoder reads from its
// header is within the caps. A logo is measured for its opaque share, a
// screenshot for its blankness, transparent bands and difference hash.
PictureTraits measurePicture(QFile &file, PictureUse use);

// How many bits two difference hashes differ in.
int bitsApart(quint64 a, quint64 b);

// What the screenshot checks need of one file: its picture's traits, and
// its digest where another screenshot has the same size, the only case in
// which two can be the same byte for byte.
struct ScreenshotFile
{
    PictureTraits traits;
    QByteArray digest;
};

// Screenshots measured, kept by whoever checks the same ones again and
// again: the window checks them after every change of the form, and
// decoding them anew each time would keep its list of findings a good while
// behind. A file measured before and not changed since, by its size and
// time stamp, is taken as it was measured. Safe to share between threads.
class ScreenshotMeasures
{
public:
    // Every screenshot read and decoded once, on as many threads as there
    // are processors: decoding large PNGs is most of the check's time. One
    // entry per path, in order; a path that is no usable picture has an
    // empty entry.
    QList<ScreenshotFile> measure(const QStringList &paths);

private:
    struct Measured
    {
        qint64 size = -1;
        QDateTime modified;
        ScreenshotFile file;
    };
    QMutex mutex;
    QHash<QString, Measured> measured; // guarded by mutex
};

#endif
