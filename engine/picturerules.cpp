// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/checkrules.h"

#include "bundle/imageformat.h"
#include "bundle/pngcheck.h"
#include "engine/checklimits.h"
#include "engine/pictureheader.h"
#include "engine/picturemeasure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// An animated PNG announces itself with an acTL chunk before its first
// image data; Qt reads such a file as a still picture.
bool isAnimatedPng(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) &&
           firstPngChunkOf(file, {"acTL", "IDAT", "IEND"}) == "acTL";
}

QString percent(qint64 part, qint64 whole)
{
    return percentText(whole > 0 ? part * 100 / whole : 0);
}

// The picture's size when it is a usable image, read from its header;
// an invalid size after reporting why it is not.
QSize checkImage(RuleFindings &rules, const QString &path, const QString &field, const char *kind)
{
    const QByteArray prefix(kind);
    const QFileInfo info(path);
    if (!info.exists()) {
        rules.add((prefix + "-missing").constData(), Severity::Error, field, {path});
        return {};
    }
    if (!info.isFile()) {
        rules.add((prefix + "-not-file").constData(), Severity::Error, field, {path});
        return {};
    }
    const PictureHeader header = pictureHeaderOf(path);
    const QSize size = header.size;
    if (!header.readable()) {
        rules.add((prefix + "-not-image").constData(), Severity::Error, field, {path});
        return {};
    }
    if (!header.withinCaps()) {
        const bool sides = size.width() > kMaxPictureSide || size.height() > kMaxPictureSide;
        rules.add("image-too-large", Severity::Error, field,
                  {QString::number(size.width()), QString::number(size.height()),
                   QString::number(kMaxPictureSide), QString::number(kMaxPicturePixels), path},
                  sizeText(size),
                  sides ? sizeText(QSize(kMaxPictureSide, kMaxPictureSide))
                        : QString::number(kMaxPicturePixels));
        return {};
    }
    const ImageFormat format = header.format;
    const auto gifFrames = [&path] {
        QImageReader reader(path);
        fixPictureDecoder(reader, ImageFormat::Gif);
        return reader.imageCount();
    };
    const bool animated = format == ImageFormat::Png   ? isAnimatedPng(path)
                          : format == ImageFormat::Gif ? gifFrames() > 1
                                                       : false;
    if (animated)
        rules.add("image-animated", Severity::Warning, field, {path});
    return size;
}

// The last screenshot against the earlier ones that are not the same file
// byte for byte: the first that looks the same is reported.
void checkNearDuplicate(RuleFindings &rules, const QList<PictureTraits> &pictures,
                        const QList<QByteArray> &digests, const QString &path)
{
    // Every flat picture has the same difference hash; one that is blank
    // is reported as such, not as the double of another flat one.
    const int last = int(pictures.size()) - 1;
    if (!pictures.at(last).decoded || pictures.at(last).blank())
        return;
    for (int j = 0; j < last; ++j) {
        if (!pictures.at(j).decoded || pictures.at(j).blank() ||
            (!digests.at(j).isEmpty() && digests.at(j) == digests.at(last)))
            continue;
        const int bits = bitsApart(pictures.at(j).differenceHash, pictures.at(last).differenceHash);
        if (bits <= kNearDuplicateBits) {
            rules.add("screenshot-near-duplicate", Severity::Warning, QStringLiteral("screenshots"),
                      {QString::number(j + 1), path}, QString::number(bits),
                      QString::number(kNearDuplicateBits));
            return;
        }
    }
}

QStringList sizeParams(const QSize &size, const QString &path)
{
    return {QString::number(size.width()), QString::number(size.height()), path};
}

} // namespace

void checkLogoRules(RuleFindings &rules, const SourcedText &logo)
{
    const QString field = QStringLiteral("logo");
    const PackageFacts &package = rules.package;
    if (logo.value.isEmpty()) {
        rules.requiredEmpty(field);
        if (!package.missingIcon.isEmpty())
            rules.add("logo-in-companion", Severity::Info, field,
                      {package.missingIcon, package.iconCompanions.join(QStringLiteral(", "))});
        return;
    }
    const QSize size = checkImage(rules, logo.value, field, "logo");
    if (!size.isValid())
        return;
    if (size.width() < kLogoBox.width() && size.height() < kLogoBox.height())
        rules.add("logo-too-small", Severity::Warning, field, sizeParams(size, logo.value),
                  sizeText(size), sizeText(kLogoBox));
    if (size.width() != size.height())
        rules.add("logo-not-square", Severity::Warning, field, sizeParams(size, logo.value),
                  sizeText(size));
    QFile file(logo.value);
    const PictureTraits traits =
        file.open(QIODevice::ReadOnly) ? measurePicture(file, PictureUse::Logo) : PictureTraits();
    const QString share = percent(traits.opaque, traits.pixels);
    if (traits.decoded && traits.opaque * 100 < traits.pixels * kLogoVisible)
        rules.add("logo-mostly-empty", Severity::Warning, field, {share, logo.value}, share,
                  percentText(kLogoVisible));
    else if (traits.decoded && traits.opaque * 100 < traits.pixels * kLogoCoverage)
        rules.add("logo-mostly-empty", Severity::Info, field, {share, logo.value}, share,
                  percentText(kLogoCoverage));
}

void checkScreenshotRules(RuleFindings &rules, const QStringList &screenshots,
                          ScreenshotMeasures &measures)
{
    const QString field = QStringLiteral("screenshots");
    if (screenshots.isEmpty()) {
        rules.requiredEmpty(field);
        return;
    }
    const QList<ScreenshotFile> files = measures.measure(screenshots);
    QList<QByteArray> digests;
    QList<PictureTraits> pictures;
    for (int i = 0; i < screenshots.size(); ++i) {
        const QString &path = screenshots.at(i);
        const QSize size = checkImage(rules, path, field, "screenshot");
        if (!size.isValid()) {
            digests << QByteArray();
            pictures << PictureTraits();
            continue;
        }
        const QByteArray &digest = files.at(i).digest;
        const int same = digest.isEmpty() ? -1 : int(digests.indexOf(digest));
        digests << digest;
        const PictureTraits &traits = files.at(i).traits;
        pictures << traits;
        if (same >= 0)
            rules.add("screenshot-duplicate", Severity::Warning, field,
                      {QString::number(same + 1), path});
        else
            checkNearDuplicate(rules, pictures, digests, path);
        if (size.width() < kScreenshotBox.width() && size.height() < kScreenshotBox.height())
            rules.add("screenshot-too-small", Severity::Warning, field, sizeParams(size, path),
                      sizeText(size), sizeText(kScreenshotBox));
        if (traits.blank()) {
            const QString share = percent(traits.nearDominant, traits.reducedPixels);
            rules.add("screenshot-blank", Severity::Warning, field, {share, path}, share,
                      percentText(kBlankShare));
        }
        if (traits.bandSide > 0) {
            // At least one pixel, and at least kTransparentBand percent of the side.
            const int least = qMax(1, (traits.bandSide * kTransparentBand + 99) / 100);
            if (traits.transparentBand >= least)
                rules.add("screenshot-transparent", Severity::Info, field,
                          {QString::number(traits.transparentBand), path},
                          QStringLiteral("%1 px").arg(traits.transparentBand),
                          QStringLiteral("%1 px").arg(least));
        }
        const double box = double(kScreenshotBox.width()) / kScreenshotBox.height();
        const double shape = double(size.width()) / size.height();
        if (shape > box * kAspectTolerance || shape * kAspectTolerance < box)
            rules.add("screenshot-aspect", Severity::Info, field, sizeParams(size, path),
                      sizeText(size));
    }
}
