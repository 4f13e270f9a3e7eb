// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/picturemeasure.h"

#include "bundle/imageformat.h"
#include "engine/pictureheader.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMutexLocker>
#include <QRunnable>
#include <QThreadPool>
#include <QVector>

namespace {

bool rowTransparent(const QImage &image, int y)
{
    const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(line[x]) != 0)
            return false;
    }
    return true;
}

bool columnTransparent(const QImage &image, int x)
{
    for (int y = 0; y < image.height(); ++y) {
        if (qAlpha(reinterpret_cast<const QRgb *>(image.constScanLine(y))[x]) != 0)
            return false;
    }
    return true;
}

// The widest band of fully transparent rows or columns along one edge, and
// the length of the side it is measured along (a band of rows against the
// height, of columns against the width).
void measureTransparentBands(const QImage &image, PictureTraits &traits)
{
    const int w = image.width();
    const int h = image.height();
    const auto keep = [&traits](int band, int side) {
        // Shares compared without division: band/side against the others.
        if (qint64(band) * traits.bandSide > qint64(traits.transparentBand) * side ||
            traits.bandSide == 0) {
            traits.transparentBand = band;
            traits.bandSide = side;
        }
    };
    int top = 0;
    while (top < h && rowTransparent(image, top))
        ++top;
    if (top == h) {
        keep(h, h);
        return;
    }
    int bottom = 0;
    while (rowTransparent(image, h - 1 - bottom))
        ++bottom;
    int left = 0;
    while (columnTransparent(image, left))
        ++left;
    int right = 0;
    while (columnTransparent(image, w - 1 - right))
        ++right;
    keep(top, h);
    keep(bottom, h);
    keep(left, w);
    keep(right, w);
}

// The share of the reduced copy within kBlankDistance of its dominant
// colour; the dominant colour is the mean of the most common coarse colour.
void measureBlankness(const QImage &reduced, PictureTraits &traits)
{
    QHash<quint32, int> coarse;
    const auto bucket = [](QRgb c) {
        return quint32((qRed(c) >> 4) << 12 | (qGreen(c) >> 4) << 8 | (qBlue(c) >> 4) << 4 |
                       (qAlpha(c) >> 4));
    };
    for (int y = 0; y < reduced.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(reduced.constScanLine(y));
        for (int x = 0; x < reduced.width(); ++x)
            ++coarse[bucket(line[x])];
    }
    quint32 common = 0;
    int most = -1;
    for (auto it = coarse.cbegin(); it != coarse.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            common = it.key();
        }
    }
    qint64 sum[4] = {0, 0, 0, 0};
    for (int y = 0; y < reduced.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(reduced.constScanLine(y));
        for (int x = 0; x < reduced.width(); ++x) {
            if (bucket(line[x]) != common)
                continue;
            sum[0] += qRed(line[x]);
            sum[1] += qGreen(line[x]);
            sum[2] += qBlue(line[x]);
            sum[3] += qAlpha(line[x]);
        }
    }
    const int dominant[4] = {int(sum[0] / most), int(sum[1] / most), int(sum[2] / most),
                             int(sum[3] / most)};
    qint64 near = 0;
    for (int y = 0; y < reduced.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(reduced.constScanLine(y));
        for (int x = 0; x < reduced.width(); ++x) {
            const QRgb c = line[x];
            near += qAbs(qRed(c) - dominant[0]) <= kBlankDistance &&
                            qAbs(qGreen(c) - dominant[1]) <= kBlankDistance &&
                            qAbs(qBlue(c) - dominant[2]) <= kBlankDistance &&
                            qAbs(qAlpha(c) - dominant[3]) <= kBlankDistance
                        ? 1
                        : 0;
        }
    }
    traits.nearDominant = near;
    traits.reducedPixels = qint64(reduced.width()) * reduced.height();
}

// The 64-bit difference hash: the picture in 9×8 greys, one bit for each
// pair of neighbours in a row, set where the left one is brighter.
quint64 differenceHash(const QImage &reduced)
{
    const QImage tiny = reduced.scaled(9, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
    quint64 hash = 0;
    for (int y = 0; y < 8; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(tiny.constScanLine(y));
        for (int x = 0; x < 8; ++x)
            hash = hash << 1 | (qGray(line[x]) > qGray(line[x + 1]) ? 1 : 0);
    }
    return hash;
}

} // namespace

int bitsApart(quint64 a, quint64 b)
{
    quint64 d = a ^ b;
    int bits = 0;
    for (; d != 0; d &= d - 1)
        ++bits;
    return bits;
}

// Decodes the picture open in `file` with the decoder of the format its
// first bytes name, and only when the size that decoder reads from its
// header is within the caps.
PictureTraits measurePicture(QFile &file, PictureUse use)
{
    PictureTraits traits;
    QImageReader reader(&file);
    const ImageFormat format = imageFormatOfHead(file.peek(8));
    fixPictureDecoder(reader, format);
    if (!PictureHeader{format, reader.size()}.withinCaps())
        return traits;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return traits;
    traits.decoded = true;
    if (image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_ARGB32);
    else if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    traits.pixels = qint64(image.width()) * image.height();
    if (use == PictureUse::Logo) {
        if (!image.hasAlphaChannel()) {
            traits.opaque = traits.pixels;
            return traits;
        }
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                traits.opaque += qAlpha(line[x]) >= 128 ? 1 : 0;
        }
        return traits;
    }
    if (image.hasAlphaChannel())
        measureTransparentBands(image, traits);
    const QImage reduced =
        image.scaled(kReducedCopy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                     : QImage::Format_RGB32);
    measureBlankness(reduced, traits);
    traits.differenceHash = differenceHash(reduced);
    return traits;
}

// Enough for the screenshots of a few submissions in a row.
constexpr int kMeasuredKept = 64;

QList<ScreenshotFile> ScreenshotMeasures::measure(const QStringList &paths)
{
    QList<qint64> sizes;
    QList<QDateTime> times;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        sizes << (info.isFile() && pictureHeaderOf(path).withinCaps() ? info.size() : -1);
        times << info.lastModified();
    }
    QVector<ScreenshotFile> files(paths.size());
    QVector<bool> fresh(paths.size(), false);
    QThreadPool pool;
    for (int i = 0; i < paths.size(); ++i) {
        if (sizes.at(i) < 0)
            continue;
        const bool sizeShared = sizes.count(sizes.at(i)) > 1;
        {
            QMutexLocker lock(&mutex);
            const auto known = measured.constFind(paths.at(i));
            // Measured without its digest when no other screenshot had its size.
            if (known != measured.cend() && known->size == sizes.at(i) &&
                known->modified == times.at(i) && (!sizeShared || !known->file.digest.isEmpty())) {
                files[i] = known->file;
                continue;
            }
        }
        fresh[i] = true;
        ScreenshotFile *file = &files[i];
        const QString &path = paths.at(i);
        pool.start(QRunnable::create([file, path, sizeShared] {
            QFile opened(path);
            if (!opened.open(QIODevice::ReadOnly))
                return;
            if (sizeShared) {
                QCryptographicHash hash(QCryptographicHash::Sha256);
                if (!hash.addData(&opened) || !opened.seek(0))
                    return;
                file->digest = hash.result();
            }
            file->traits = measurePicture(opened, PictureUse::Screenshot);
        }));
    }
    pool.waitForDone();
    QMutexLocker lock(&mutex);
    for (int i = 0; i < paths.size(); ++i) {
        if (!fresh.at(i))
            continue;
        if (measured.size() >= kMeasuredKept)
            measured.clear();
        measured.insert(paths.at(i), Measured{sizes.at(i), times.at(i), files.at(i)});
    }
    return files.toList();
}
