// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/checkfindings.h"

#include "bundle/bundleassembly.h"
#include "bundle/bundlelayout.h"
#include "bundle/imageformat.h"
#include "bundle/pngcheck.h"
#include "bundle/textlines.h"
#include "engine/debversion.h"
#include "engine/pictureheader.h"
#include "package/valuechoice.h"
#include "wording/failuretexts.h"
#include "wording/uilanguage.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QRunnable>
#include <QSize>
#include <QThreadPool>
#include <QUrl>

namespace {

// What kept the confined reader from answering, in a few words.
QString readerProblemText(ReaderProblem problem, int detail)
{
    switch (problem) {
    case ReaderProblem::None:
        break;
    case ReaderProblem::Missing:
        return QCoreApplication::translate("CommandLine", "没有装 plinvex-reader");
    case ReaderProblem::NotStarted:
        return QCoreApplication::translate("CommandLine", "读取程序启动不了");
    case ReaderProblem::Crashed:
        return QCoreApplication::translate("CommandLine", "读取程序因信号 %1 中止").arg(detail);
    case ReaderProblem::TimedOut:
        return QCoreApplication::translate("CommandLine", "读取超时");
    case ReaderProblem::TooMuchOutput:
        return QCoreApplication::translate("CommandLine", "读取程序输出太多");
    case ReaderProblem::Failed:
        return QCoreApplication::translate("CommandLine", "读取程序以状态 %1 结束").arg(detail);
    case ReaderProblem::BadAnswer:
        return QCoreApplication::translate("CommandLine", "读取程序的回答看不懂");
    }
    return {};
}

// What of the reader's confinement its self-test did not see hold.
QString unconfinedText(const ReaderConfinement &confinement)
{
    QStringList missing;
    if (!confinement.answered)
        return QCoreApplication::translate("CommandLine", "自检没有结果");
    if (confinement.landlockAbi < 1)
        missing << QStringLiteral("Landlock");
    if (!confinement.seccomp)
        missing << QStringLiteral("seccomp");
    for (const ConfinementAttempt &attempt : confinement.attempts) {
        if (!attempt.refused)
            missing << QCoreApplication::translate("CommandLine", "%1 没被拦住").arg(attempt.name);
    }
    return missing.join(QStringLiteral(", "));
}

// Screenshots more than this far from the box's 4:3 in either direction
// leave margins wider than the picture's own content.
constexpr double kAspectTolerance = 1.5;
// A one-line description narrower than this says little more than the name;
// the store's list shows about this much of it.
constexpr int kShortDescription = 60;
// Longer than this, the store's page becomes a wall of text.
constexpr int kLongDescription = 4000;
// Wider than this, the store's list cuts the name off.
constexpr int kLongName = 40;
// Screenshots whose difference hashes differ in this many bits or fewer
// show the same thing to the eye.
constexpr int kNearDuplicateBits = 6;
// A screenshot is blank when this share of it (in percent) is one colour,
// each channel within kBlankDistance of it.
constexpr int kBlankShare = 98;
constexpr int kBlankDistance = 8;
// A transparent band along an edge at least this share of the side (in
// percent) shows as an empty band on the store's page.
constexpr int kTransparentBand = 2;
// A logo whose opaque part covers less than this share (in percent) of its
// canvas shows as a speck in its 128×128 square; under kLogoVisible it
// shows as nothing at all, as the reader passes such an icon over.
constexpr int kLogoCoverage = 20;
constexpr int kLogoVisible = 5;
// The size of the reduced copy the blank check and the difference hash
// look at: large enough for a line of text, small enough to be quick.
constexpr QSize kReducedCopy(128, 96);

const QStringList kKnownTags = {
    QStringLiteral("package-missing"),
    QStringLiteral("package-not-file"),
    QStringLiteral("package-unreadable"),
    QStringLiteral("package-corrupt"),
    QStringLiteral("package-metadata-unreadable"),
    QStringLiteral("package-not-application"),
    QStringLiteral("reader-unconfined"),
    QStringLiteral("package-text-nul"),
    QStringLiteral("desktop-entry-guessed"),
    QStringLiteral("earlier-bundle-unread"),
    QStringLiteral("filename-escaped"),
    QStringLiteral("pkgname-unreadable"),
    QStringLiteral("pkgname-not-folder-name"),
    QStringLiteral("pkgname-not-debian"),
    QStringLiteral("pkgname-differs"),
    QStringLiteral("version-unreadable"),
    QStringLiteral("version-invalid"),
    QStringLiteral("version-dubious"),
    QStringLiteral("version-differs"),
    QStringLiteral("version-differs-appstream"),
    QStringLiteral("version-prerelease"),
    QStringLiteral("hidden-character"),
    QStringLiteral("required-empty"),
    QStringLiteral("name-too-long"),
    QStringLiteral("name-end-punctuation"),
    QStringLiteral("name-has-tagline"),
    QStringLiteral("homepage-scheme"),
    QStringLiteral("homepage-not-url"),
    QStringLiteral("description-short"),
    QStringLiteral("description-too-long"),
    QStringLiteral("description-placeholder"),
    QStringLiteral("description-mixed-language"),
    QStringLiteral("logo-missing"),
    QStringLiteral("logo-not-file"),
    QStringLiteral("logo-not-image"),
    QStringLiteral("logo-too-small"),
    QStringLiteral("logo-not-square"),
    QStringLiteral("logo-mostly-empty"),
    QStringLiteral("logo-in-companion"),
    QStringLiteral("screenshot-missing"),
    QStringLiteral("screenshot-not-file"),
    QStringLiteral("screenshot-not-image"),
    QStringLiteral("screenshot-too-small"),
    QStringLiteral("screenshot-duplicate"),
    QStringLiteral("screenshot-near-duplicate"),
    QStringLiteral("screenshot-blank"),
    QStringLiteral("screenshot-transparent"),
    QStringLiteral("screenshot-aspect"),
    QStringLiteral("image-too-large"),
    QStringLiteral("image-animated"),
};

// The words of every message each finding can have, as the calls below
// write them: every one must have its English translation.
struct FindingWords
{
    const char *tag;
    const char *context;
    const char *source;
};

const FindingWords kFindingWords[] = {
    {"package-missing", "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "这是个不存在的文件啊喂！")},
    {"package-not-file", "MainWindow",
     QT_TRANSLATE_NOOP("MainWindow", "这不是一个普通的文件哦，用不了呢～\n%1")},
    {"package-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这不是一个读得懂的 Debian 安装包：%1")},
    {"package-corrupt", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "安装包不完整或者坏了，读不到结尾：%1")},
    {"package-metadata-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "没能读出安装包自己的信息（%1），什么也没从里面填")},
    {"package-metadata-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "没有装 plinvex-reader")},
    {"package-metadata-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "读取程序启动不了")},
    {"package-metadata-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "读取程序因信号 %1 中止")},
    {"package-metadata-unreadable", "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "读取超时")},
    {"package-metadata-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "读取程序输出太多")},
    {"package-metadata-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "读取程序以状态 %1 结束")},
    {"package-metadata-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "读取程序的回答看不懂")},
    {"package-text-nul", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine",
                       "安装包里的文本文件含有 NUL 字节，从中读到的内容可能不对：%1")},
    {"earlier-bundle-unread", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine",
                       "桌面上早先那份的 app.json 太大了，没有读，什么也没从里面填：%1")},
    {"reader-unconfined", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine",
                       "读安装包的程序没能把自己关起来（%1），包里的内容是在没有这层防护时读的")},
    {"reader-unconfined", "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "自检没有结果")},
    {"reader-unconfined", "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "%1 没被拦住")},
    {"hidden-character", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine",
                       "这里有一个看不见的字符 %1，它会让商店和终端显示出别的样子，删掉它吧")},
    {"homepage-scheme", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "主页只能是 http 或 https 网址，别的协议会被商店当成"
                                      "链接打开：%1")},
    {"image-too-large", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "图片有 %1×%2 这么大，超过了能读的上限（每边 %3 "
                                      "像素，一共 %4 像素）：%5")},
    {"package-not-application", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "安装包里既没有应用的桌面入口，也没有应用的 AppStream 信息，"
                                      "它不像是一个应用（插件或者库？）")},
    {"desktop-entry-guessed", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "安装包有好几个桌面入口，没有哪个点明是主程序，用了 %1")},
    {"filename-escaped", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "安装包的文件名里有网址转义 %1，商店会原样显示：%2")},
    {"pkgname-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "读不出安装包的这一项，用 %1 填上吧～")},
    {"pkgname-not-folder-name", "MainWindow",
     QT_TRANSLATE_NOOP("MainWindow", "包名不能包含斜杠，也不能是.或..哦～")},
    {"pkgname-not-debian", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这个包名不合 Debian 的写法（小写字母、数字和 + - "
                                      ".，至少两个字符，以字母或数字开头）：%1")},
    {"pkgname-differs", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "给的包名 %1 和安装包自己的 %2 不一样")},
    {"version-unreadable", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "读不出安装包的这一项，用 %1 填上吧～")},
    {"version-invalid", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "dpkg 不认这个版本号：%1（%2）")},
    {"version-dubious", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "dpkg 会对这个版本号发出警告：%1（%2）")},
    {"version-differs", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "给的版本号 %1 和安装包自己的 %2 不一样")},
    {"version-differs-appstream", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "上游版本 %1 不是 AppStream 里最新的发布 %2")},
    {"version-prerelease", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这是一个预发布版本：%1")},
    {"required-empty", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这一项不能空着，用 %1 填上吧～")},
    {"name-too-long", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "名字有 %1 列宽，商店的列表里超过 %2 列就显示不全了")},
    {"name-end-punctuation", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "名字最后不用加标点：%1")},
    {"name-has-tagline", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "名字里好像带了一句口号，放到简介里更好：%1")},
    {"homepage-not-url", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "主页不是 http(s) 网址：%1")},
    {"description-short", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "简介只有短短一行，多写几句吧～")},
    {"description-too-long", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "简介有 %1 列宽，超过了 %2，挑重点写吧～")},
    {"description-placeholder", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "简介里还有占位的字（TODO、敬请期待之类），写完再投吧")},
    {"description-mixed-language", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine",
                       "简介第 %1 行的文字和其余的不是同一种，可能缺了翻译，商店里会中英混杂")},
    {"logo-missing", "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "这是个不存在的文件啊喂！")},
    {"logo-not-file", "MainWindow",
     QT_TRANSLATE_NOOP("MainWindow", "这不是一个普通的文件哦，用不了呢～\n%1")},
    {"logo-not-image", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这不是 PNG、JPEG 或 GIF 图片：%1")},
    {"logo-too-small", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "Logo 只有 %1×%2，会被放大到 128×128：%3")},
    {"logo-not-square", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "Logo 不是正方形（%1×%2），放进 128×128 会留边：%3")},
    {"logo-mostly-empty", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "Logo 不透明的部分只占画布的 %1，看起来会很小：%2")},
    {"logo-mostly-empty", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "Logo 不透明的部分只占画布的 %1，几乎看不见：%2")},
    {"logo-in-companion", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "安装包里没有它的图标 %1；可能在 %2 里，"
                                      "放在安装包旁边或者用 --companion 指给我")},
    {"logo-in-companion", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "它依赖的包或者图标主题包")},
    {"screenshot-missing", "MainWindow",
     QT_TRANSLATE_NOOP("MainWindow", "这是个不存在的文件啊喂！")},
    {"screenshot-not-file", "MainWindow",
     QT_TRANSLATE_NOOP("MainWindow", "这不是一个普通的文件哦，用不了呢～\n%1")},
    {"screenshot-not-image", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这不是 PNG、JPEG 或 GIF 图片：%1")},
    {"screenshot-too-small", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "截图只有 %1×%2，会被放大到 400×300：%3")},
    {"screenshot-duplicate", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这张截图和第 %1 张一模一样：%2")},
    {"screenshot-near-duplicate", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这张截图和第 %1 张几乎一样：%2")},
    {"screenshot-blank", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这张截图几乎是一片纯色（%1），是不是截错了：%2")},
    {"screenshot-transparent", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine",
                       "截图边上有 %1 像素宽的全透明边，商店会把它显示成一条空带：%2")},
    {"screenshot-aspect", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "截图是 %1×%2，和 4:3 的框差得远，会留很宽的边：%3")},
    {"image-animated", "CommandLine",
     QT_TRANSLATE_NOOP("CommandLine", "这是一张动图，只会用它的第一帧：%1")},
};

// How a line of text is written: CJK when it holds Han, Kana or Hangul,
// else Latin (or another alphabet) when it holds any letter.
enum class LineScript { None, Cjk, Alphabet };

LineScript scriptOf(const QString &line)
{
    bool letters = false;
    for (const uint c : line.toUcs4()) {
        switch (QChar::script(c)) {
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Hangul:
            return LineScript::Cjk;
        default:
            letters = letters || QChar::isLetter(c);
        }
    }
    return letters ? LineScript::Alphabet : LineScript::None;
}

// The lines (numbered from 1) written in the script the UI language does
// not use, when others are written in it: a translated summary above an
// untranslated body, or the reverse. Empty when the text keeps to one.
QStringList linesOfOtherScript(const QString &text, bool english)
{
    const LineScript wanted = english ? LineScript::Alphabet : LineScript::Cjk;
    QStringList other;
    bool inWanted = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const LineScript script = scriptOf(lines.at(i));
        if (script == wanted)
            inWanted = true;
        else if (script != LineScript::None)
            other.append(QString::number(i + 1));
    }
    return inWanted ? other : QStringList();
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1×%2").arg(size.width()).arg(size.height());
}

QString percent(qint64 part, qint64 whole)
{
    return QStringLiteral("%1%").arg(whole > 0 ? part * 100 / whole : 0);
}

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

int bitsApart(quint64 a, quint64 b)
{
    quint64 d = a ^ b;
    int bits = 0;
    for (; d != 0; d &= d - 1)
        ++bits;
    return bits;
}

enum class PictureUse { Logo, Screenshot };

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

// What the screenshot checks need of one file: its picture's traits, and
// its digest where another screenshot has the same size, the only case in
// which two can be the same byte for byte.
struct ScreenshotFile
{
    PictureTraits traits;
    QByteArray digest;
};

// What was measured of a screenshot file as it was then. The window checks
// the same screenshots again after every change of the form; decoding them
// anew each time would keep the list of findings a good while behind.
struct MeasuredScreenshot
{
    qint64 size = -1;
    QDateTime modified;
    ScreenshotFile file;
};

// Enough for the screenshots of a few submissions in a row.
constexpr int kMeasuredKept = 64;

QMutex measuredMutex;
QHash<QString, MeasuredScreenshot> measured; // guarded by measuredMutex

// Every screenshot read and decoded once, on as many threads as there are
// processors: decoding large PNGs is most of the check's time. A file
// measured before and not changed since, by its size and time stamp, is
// taken as it was measured.
QList<ScreenshotFile> measureScreenshots(const QStringList &paths)
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
            QMutexLocker lock(&measuredMutex);
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
    QMutexLocker lock(&measuredMutex);
    for (int i = 0; i < paths.size(); ++i) {
        if (!fresh.at(i))
            continue;
        if (measured.size() >= kMeasuredKept)
            measured.clear();
        measured.insert(paths.at(i), {sizes.at(i), times.at(i), files.at(i)});
    }
    return files.toList();
}

// Words that stand in for a description not yet written. The Latin ones
// count as words only where no letter or digit touches them; Chinese has no
// such boundaries, so its ones count wherever they stand.
bool hasPlaceholder(const QString &text)
{
    static const QRegularExpression latin(
        QStringLiteral("(?<![\\p{L}\\p{N}_])(lorem\\s+ipsum|todo|tbd|fixme|coming\\s+soon)"
                       "(?![\\p{L}\\p{N}_])"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    if (latin.match(text).hasMatch())
        return true;
    for (const QString &chinese :
         {QStringLiteral("敬请期待"), QStringLiteral("待补充"), QStringLiteral("测试用")}) {
        if (text.contains(chinese))
            return true;
    }
    return false;
}

// "alpha", "beta" or "rc" after a digit, a separator or the start, and not
// running on into more letters, so "src" or "alphabet" do not count.
bool isPrerelease(const QString &upstream)
{
    static const QRegularExpression word(QStringLiteral("(?:^|[0-9.+~_-])(alpha|beta|rc)(?![a-z])"),
                                         QRegularExpression::CaseInsensitiveOption);
    return upstream.contains(QLatin1Char('~')) || word.match(upstream).hasMatch();
}

// Where the window meets the same problem, its own words (context
// "MainWindow") say it here too.

class Checker
{
public:
    explicit Checker(const PackageFacts &package)
        : package(package)
    {
    }

    QList<Finding> findings;

    void add(const char *tag, Severity severity, const QString &field, const QString &message,
             const QString &measured = QString(), const QString &limit = QString())
    {
        Q_ASSERT(kKnownTags.contains(QLatin1String(tag)));
        findings << Finding{
            QString::fromLatin1(tag), severity, field, message, measured, limit, {}, {}, false};
    }

    // True after reporting the value's first hidden character. The value is
    // quoted when it is one line; reports print it escaped.
    bool hiddenCharacter(const QString &value, const QString &field, bool severalLines = false)
    {
        const char32_t c = firstHiddenCharacter(value, severalLines);
        if (c == 0)
            return false;
        QString message = QCoreApplication::translate(
                              "CommandLine",
                              "这里有一个看不见的字符 %1，它会让商店和终端显示出别的样子，删掉它吧")
                              .arg(codePointName(c));
        if (!severalLines)
            message += QStringLiteral("：") + printable(value);
        add("hidden-character", Severity::Error, field, message, codePointName(c));
        return true;
    }

    void requiredEmpty(const QString &field, const QString &option)
    {
        add("required-empty", Severity::Error, field,
            QCoreApplication::translate("CommandLine", "这一项不能空着，用 %1 填上吧～")
                .arg(option));
    }

    void checkPackage()
    {
        const QString field = QStringLiteral("package");
        if (!package.exists)
            add("package-missing", Severity::Error, field,
                QCoreApplication::translate("MainWindow", "这是个不存在的文件啊喂！") +
                    QLatin1Char(' ') + package.path);
        else if (!package.regularFile)
            add("package-not-file", Severity::Error, field,
                oneLine(notRegularFileText(package.path)));
        else if (package.corrupt)
            add("package-corrupt", Severity::Error, field,
                QCoreApplication::translate("CommandLine", "安装包不完整或者坏了，读不到结尾：%1")
                    .arg(package.path));
        else if (!package.readable)
            add("package-unreadable", Severity::Error, field,
                QCoreApplication::translate("CommandLine", "这不是一个读得懂的 Debian 安装包：%1")
                    .arg(package.path));
        if (!package.textsWithNul.isEmpty())
            add("package-text-nul", Severity::Warning, field,
                QCoreApplication::translate(
                    "CommandLine", "安装包里的文本文件含有 NUL 字节，从中读到的内容可能不对：%1")
                    .arg(package.textsWithNul.join(QStringLiteral(", "))));
        if (!package.guessedEntry.isEmpty())
            add("desktop-entry-guessed", Severity::Info, field,
                QCoreApplication::translate("CommandLine",
                                            "安装包有好几个桌面入口，没有哪个点明是主程序，用了 %1")
                    .arg(package.guessedEntry));
        if (package.notApplication)
            add("package-not-application", Severity::Warning, field,
                QCoreApplication::translate(
                    "CommandLine", "安装包里既没有应用的桌面入口，也没有应用的 AppStream 信息，"
                                   "它不像是一个应用（插件或者库？）"));
        if (package.readerProblem != ReaderProblem::None)
            add("package-metadata-unreadable", Severity::Info, field,
                QCoreApplication::translate("CommandLine",
                                            "没能读出安装包自己的信息（%1），什么也没从里面填")
                    .arg(readerProblemText(package.readerProblem, package.readerDetail)));
        if (!package.oversizeEarlierControl.isEmpty())
            add("earlier-bundle-unread", Severity::Warning, field,
                QCoreApplication::translate(
                    "CommandLine", "桌面上早先那份的 app.json 太大了，没有读，什么也没从里面填：%1")
                    .arg(package.oversizeEarlierControl));
        if (package.confinement.tested && !package.confinement.proven())
            add("reader-unconfined", Severity::Warning, field,
                QCoreApplication::translate(
                    "CommandLine",
                    "读安装包的程序没能把自己关起来（%1），包里的内容是在没有这层防护时读的")
                    .arg(unconfinedText(package.confinement)));
        // A file name fetched from the web may keep its URL escapes ("%3a"
        // for the epoch's colon); the store's Filename would show them.
        static const QRegularExpression escape(QStringLiteral("%[0-9A-Fa-f]{2}"));
        const QString fileName = QFileInfo(package.path).fileName();
        const QRegularExpressionMatch match = escape.match(fileName);
        // The file name goes into the bundle's app.json as it is.
        if (!package.path.isEmpty())
            hiddenCharacter(fileName, field);
        if (package.regularFile && match.hasMatch())
            add("filename-escaped", Severity::Warning, field,
                QCoreApplication::translate("CommandLine",
                                            "安装包的文件名里有网址转义 %1，商店会原样显示：%2")
                    .arg(match.captured(), fileName));
    }

    // Name and version have the package to fall back on; only a package that
    // is there yet says nothing leaves them unreadable.
    bool identityPresent(const SourcedText &value, const char *field, const char *unreadableTag,
                         const char *option)
    {
        if (!value.value.isEmpty())
            return true;
        const QString name = QString::fromLatin1(field);
        if (package.regularFile)
            add(unreadableTag, Severity::Error, name,
                QCoreApplication::translate("CommandLine", "读不出安装包的这一项，用 %1 填上吧～")
                    .arg(QString::fromLatin1(option)));
        else
            requiredEmpty(name, QString::fromLatin1(option));
        return false;
    }

    void checkPkgName(const SourcedText &pkgName)
    {
        if (!identityPresent(pkgName, "pkgname", "pkgname-unreadable", "--pkgname"))
            return;
        const QString field = QStringLiteral("pkgname");
        const QString &name = pkgName.value;
        if (hiddenCharacter(name, field))
            return;
        // Empty, ".", "..", a slash or a NUL would put the bundle somewhere
        // else than one folder of its own on the desktop.
        if (!isPlainFolderName(name)) {
            add("pkgname-not-folder-name", Severity::Error, field,
                QCoreApplication::translate("MainWindow", "包名不能包含斜杠，也不能是.或..哦～") +
                    QLatin1Char(' ') + name);
            return;
        }
        if (!isDebianPackageName(name))
            add("pkgname-not-debian", Severity::Warning, field,
                QCoreApplication::translate("CommandLine",
                                            "这个包名不合 Debian 的写法（小写字母、数字和 + - "
                                            ".，至少两个字符，以字母或数字开头）：%1")
                    .arg(name));
        if (pkgName.source == ValueSource::Given && !package.ownName.isEmpty() &&
            name != package.ownName)
            add("pkgname-differs", Severity::Warning, field,
                QCoreApplication::translate("CommandLine", "给的包名 %1 和安装包自己的 %2 不一样")
                    .arg(name, package.ownName));
    }

    void checkVersion(const SourcedText &version)
    {
        if (!identityPresent(version, "version", "version-unreadable", "--version"))
            return;
        const QString field = QStringLiteral("version");
        if (hiddenCharacter(version.value, field))
            return;
        const VersionVerdict verdict = checkDebVersion(version.value);
        if (verdict.kind == VersionVerdict::Invalid)
            add("version-invalid", Severity::Error, field,
                QCoreApplication::translate("CommandLine", "dpkg 不认这个版本号：%1（%2）")
                    .arg(version.value, verdict.reason));
        else if (verdict.kind == VersionVerdict::Dubious)
            add("version-dubious", Severity::Warning, field,
                QCoreApplication::translate("CommandLine", "dpkg 会对这个版本号发出警告：%1（%2）")
                    .arg(version.value, verdict.reason));
        if (version.source == ValueSource::Given && !package.ownVersion.isEmpty() &&
            version.value != package.ownVersion)
            add("version-differs", Severity::Warning, field,
                QCoreApplication::translate("CommandLine", "给的版本号 %1 和安装包自己的 %2 不一样")
                    .arg(version.value, package.ownVersion));
        if (verdict.kind == VersionVerdict::Invalid)
            return;
        const QString upstream = upstreamVersion(version.value);
        if (!package.appStreamRelease.isEmpty() &&
            compareVersionParts(withoutRepackSuffix(upstream), package.appStreamRelease) != 0)
            add("version-differs-appstream", Severity::Warning, field,
                QCoreApplication::translate("CommandLine",
                                            "上游版本 %1 不是 AppStream 里最新的发布 %2")
                    .arg(upstream, package.appStreamRelease),
                upstream, package.appStreamRelease);
        if (isPrerelease(withoutRepackSuffix(upstream)))
            add("version-prerelease", Severity::Info, field,
                QCoreApplication::translate("CommandLine", "这是一个预发布版本：%1")
                    .arg(version.value));
    }

    void checkName(const SourcedText &name)
    {
        const QString field = QStringLiteral("name");
        if (name.value.isEmpty()) {
            requiredEmpty(field, QStringLiteral("--name"));
            return;
        }
        if (hiddenCharacter(name.value, field))
            return;
        const QString text = name.value.trimmed();
        const int columns = displayColumns(text);
        if (columns > kLongName)
            add("name-too-long", Severity::Warning, field,
                QCoreApplication::translate("CommandLine",
                                            "名字有 %1 列宽，商店的列表里超过 %2 列就显示不全了")
                    .arg(columns)
                    .arg(kLongName),
                QString::number(columns), QString::number(kLongName));
        static const QString endings = QStringLiteral(".。!！?？~～");
        if (!text.isEmpty() && endings.contains(text.back()))
            add("name-end-punctuation", Severity::Warning, field,
                QCoreApplication::translate("CommandLine", "名字最后不用加标点：%1").arg(text));
        // A separator with more words after it: a name with its slogan.
        static const QRegularExpression tagline(
            QStringLiteral("(:|：| - | – |（)\\s*[\\p{L}\\p{N}]"),
            QRegularExpression::UseUnicodePropertiesOption);
        if (tagline.match(text).hasMatch())
            add("name-has-tagline", Severity::Info, field,
                QCoreApplication::translate("CommandLine",
                                            "名字里好像带了一句口号，放到简介里更好：%1")
                    .arg(text));
    }

    void checkText(const SourcedText &value, const char *field, const char *option)
    {
        if (value.value.isEmpty())
            requiredEmpty(QString::fromLatin1(field), QString::fromLatin1(option));
        else
            hiddenCharacter(value.value, QString::fromLatin1(field));
    }

    void checkAuthor(const SourcedText &author)
    {
        hiddenCharacter(author.value, QStringLiteral("author"));
    }

    void checkHomepage(const SourcedText &homepage)
    {
        if (homepage.value.isEmpty() || hiddenCharacter(homepage.value, QStringLiteral("homepage")))
            return;
        // The store makes the homepage a link: any other scheme runs a
        // script, opens a local file or shows a page made up in the link.
        if (hasForeignScheme(homepage.value)) {
            add("homepage-scheme", Severity::Error, QStringLiteral("homepage"),
                QCoreApplication::translate("CommandLine",
                                            "主页只能是 http 或 https 网址，别的协议会被商店当成"
                                            "链接打开：%1")
                    .arg(homepage.value));
            return;
        }
        const QUrl url(homepage.value, QUrl::StrictMode);
        const QString scheme = url.scheme();
        if (!url.isValid() || url.host().isEmpty() ||
            (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
            add("homepage-not-url", Severity::Warning, QStringLiteral("homepage"),
                QCoreApplication::translate("CommandLine", "主页不是 http(s) 网址：%1")
                    .arg(homepage.value));
    }

    void checkDescription(const SourcedText &description, const SourcedText &name)
    {
        const QString field = QStringLiteral("description");
        if (description.value.isEmpty()) {
            requiredEmpty(field, QStringLiteral("--description"));
            return;
        }
        if (hiddenCharacter(description.value, field, true))
            return;
        const QString text = description.value.trimmed();
        const int columns = displayColumns(text);
        const bool oneLine = !text.contains(QLatin1Char('\n'));
        if ((oneLine && columns < kShortDescription) || text == name.value.trimmed())
            add("description-short", Severity::Info, field,
                QCoreApplication::translate("CommandLine", "简介只有短短一行，多写几句吧～"),
                QString::number(columns), QString::number(kShortDescription));
        if (columns > kLongDescription)
            add("description-too-long", Severity::Info, field,
                QCoreApplication::translate("CommandLine",
                                            "简介有 %1 列宽，超过了 %2，挑重点写吧～")
                    .arg(columns)
                    .arg(kLongDescription),
                QString::number(columns), QString::number(kLongDescription));
        if (hasPlaceholder(text))
            add("description-placeholder", Severity::Warning, field,
                QCoreApplication::translate(
                    "CommandLine", "简介里还有占位的字（TODO、敬请期待之类），写完再投吧"));
        const QStringList other = linesOfOtherScript(text, prefersEnglish(QLocale::system()));
        if (!other.isEmpty())
            add("description-mixed-language", Severity::Info, field,
                QCoreApplication::translate(
                    "CommandLine",
                    "简介第 %1 行的文字和其余的不是同一种，可能缺了翻译，商店里会中英混杂")
                    .arg(other.join(QStringLiteral(", "))),
                other.join(QStringLiteral(", ")));
    }

    void checkLogo(const SourcedText &logo)
    {
        const QString field = QStringLiteral("logo");
        if (logo.value.isEmpty()) {
            requiredEmpty(field, QStringLiteral("--logo"));
            if (!package.missingIcon.isEmpty())
                add("logo-in-companion", Severity::Info, field,
                    QCoreApplication::translate("CommandLine",
                                                "安装包里没有它的图标 %1；可能在 %2 里，"
                                                "放在安装包旁边或者用 --companion 指给我")
                        .arg(package.missingIcon,
                             package.iconCompanions.isEmpty()
                                 ? QCoreApplication::translate("CommandLine",
                                                               "它依赖的包或者图标主题包")
                                 : package.iconCompanions.join(QStringLiteral(", "))));
            return;
        }
        const QSize size = checkImage(logo.value, field, "logo");
        if (!size.isValid())
            return;
        if (size.width() < kLogoBox.width() && size.height() < kLogoBox.height())
            add("logo-too-small", Severity::Warning, field,
                QCoreApplication::translate("CommandLine",
                                            "Logo 只有 %1×%2，会被放大到 128×128：%3")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(logo.value),
                sizeText(size), sizeText(kLogoBox));
        if (size.width() != size.height())
            add("logo-not-square", Severity::Warning, field,
                QCoreApplication::translate("CommandLine",
                                            "Logo 不是正方形（%1×%2），放进 128×128 会留边：%3")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(logo.value),
                sizeText(size));
        QFile file(logo.value);
        const PictureTraits traits = file.open(QIODevice::ReadOnly)
                                         ? measurePicture(file, PictureUse::Logo)
                                         : PictureTraits();
        if (traits.decoded && traits.opaque * 100 < traits.pixels * kLogoVisible)
            add("logo-mostly-empty", Severity::Warning, field,
                QCoreApplication::translate("CommandLine",
                                            "Logo 不透明的部分只占画布的 %1，几乎看不见：%2")
                    .arg(percent(traits.opaque, traits.pixels), logo.value),
                percent(traits.opaque, traits.pixels), QStringLiteral("%1%").arg(kLogoVisible));
        else if (traits.decoded && traits.opaque * 100 < traits.pixels * kLogoCoverage)
            add("logo-mostly-empty", Severity::Info, field,
                QCoreApplication::translate("CommandLine",
                                            "Logo 不透明的部分只占画布的 %1，看起来会很小：%2")
                    .arg(percent(traits.opaque, traits.pixels), logo.value),
                percent(traits.opaque, traits.pixels), QStringLiteral("%1%").arg(kLogoCoverage));
    }

    void checkScreenshots(const QStringList &screenshots)
    {
        const QString field = QStringLiteral("screenshots");
        if (screenshots.isEmpty()) {
            requiredEmpty(field, QStringLiteral("--screenshot"));
            return;
        }
        const QList<ScreenshotFile> files = measureScreenshots(screenshots);
        QList<QByteArray> digests;
        QList<PictureTraits> pictures;
        for (int i = 0; i < screenshots.size(); ++i) {
            const QString &path = screenshots.at(i);
            const QSize size = checkImage(path, field, "screenshot");
            if (!size.isValid()) {
                digests << QByteArray();
                pictures << PictureTraits();
                continue;
            }
            const QByteArray &digest = files.at(i).digest;
            const int same = digest.isEmpty() ? -1 : digests.indexOf(digest);
            digests << digest;
            const PictureTraits &traits = files.at(i).traits;
            pictures << traits;
            if (same >= 0)
                add("screenshot-duplicate", Severity::Warning, field,
                    QCoreApplication::translate("CommandLine", "这张截图和第 %1 张一模一样：%2")
                        .arg(same + 1)
                        .arg(path));
            else
                checkNearDuplicate(pictures, digests, path);
            if (size.width() < kScreenshotBox.width() && size.height() < kScreenshotBox.height())
                add("screenshot-too-small", Severity::Warning, field,
                    QCoreApplication::translate("CommandLine",
                                                "截图只有 %1×%2，会被放大到 400×300：%3")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(path),
                    sizeText(size), sizeText(kScreenshotBox));
            if (traits.blank())
                add("screenshot-blank", Severity::Warning, field,
                    QCoreApplication::translate("CommandLine",
                                                "这张截图几乎是一片纯色（%1），是不是截错了：%2")
                        .arg(percent(traits.nearDominant, traits.reducedPixels), path),
                    percent(traits.nearDominant, traits.reducedPixels),
                    QStringLiteral("%1%").arg(kBlankShare));
            if (traits.bandSide > 0) {
                // At least one pixel, and at least kTransparentBand percent of the side.
                const int least = qMax(1, (traits.bandSide * kTransparentBand + 99) / 100);
                if (traits.transparentBand >= least)
                    add("screenshot-transparent", Severity::Info, field,
                        QCoreApplication::translate(
                            "CommandLine",
                            "截图边上有 %1 像素宽的全透明边，商店会把它显示成一条空带：%2")
                            .arg(traits.transparentBand)
                            .arg(path),
                        QStringLiteral("%1 px").arg(traits.transparentBand),
                        QStringLiteral("%1 px").arg(least));
            }
            const double box = double(kScreenshotBox.width()) / kScreenshotBox.height();
            const double shape = double(size.width()) / size.height();
            if (shape > box * kAspectTolerance || shape * kAspectTolerance < box)
                add("screenshot-aspect", Severity::Info, field,
                    QCoreApplication::translate("CommandLine",
                                                "截图是 %1×%2，和 4:3 的框差得远，会留很宽的边：%3")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(path),
                    sizeText(size));
        }
    }

private:
    // The last screenshot against the earlier ones that are not the same
    // file byte for byte: the first that looks the same is reported.
    void checkNearDuplicate(const QList<PictureTraits> &pictures, const QList<QByteArray> &digests,
                            const QString &path)
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
            const int bits =
                bitsApart(pictures.at(j).differenceHash, pictures.at(last).differenceHash);
            if (bits <= kNearDuplicateBits) {
                add("screenshot-near-duplicate", Severity::Warning, QStringLiteral("screenshots"),
                    QCoreApplication::translate("CommandLine", "这张截图和第 %1 张几乎一样：%2")
                        .arg(j + 1)
                        .arg(path),
                    QString::number(bits), QString::number(kNearDuplicateBits));
                return;
            }
        }
    }

    // The picture's size when it is a usable image, read from its header;
    // an invalid size after reporting why it is not.
    QSize checkImage(const QString &path, const QString &field, const char *kind)
    {
        const QByteArray prefix(kind);
        const QFileInfo info(path);
        if (!info.exists()) {
            add((prefix + "-missing").constData(), Severity::Error, field,
                QCoreApplication::translate("MainWindow", "这是个不存在的文件啊喂！") +
                    QLatin1Char(' ') + path);
            return {};
        }
        if (!info.isFile()) {
            add((prefix + "-not-file").constData(), Severity::Error, field,
                oneLine(notRegularFileText(path)));
            return {};
        }
        const PictureHeader header = pictureHeaderOf(path);
        const QSize size = header.size;
        if (!header.readable()) {
            add((prefix + "-not-image").constData(), Severity::Error, field,
                QCoreApplication::translate("CommandLine", "这不是 PNG、JPEG 或 GIF 图片：%1")
                    .arg(path));
            return {};
        }
        if (!header.withinCaps()) {
            const bool sides = size.width() > kMaxPictureSide || size.height() > kMaxPictureSide;
            add("image-too-large", Severity::Error, field,
                QCoreApplication::translate("CommandLine",
                                            "图片有 %1×%2 这么大，超过了能读的上限（每边 %3 "
                                            "像素，一共 %4 像素）：%5")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(kMaxPictureSide)
                    .arg(kMaxPicturePixels)
                    .arg(path),
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
            add("image-animated", Severity::Warning, field,
                QCoreApplication::translate("CommandLine", "这是一张动图，只会用它的第一帧：%1")
                    .arg(path));
        return size;
    }

    // An animated PNG announces itself with an acTL chunk before its first
    // image data; Qt reads such a file as a still picture.
    static bool isAnimatedPng(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) &&
               firstPngChunkOf(file, {"acTL", "IDAT", "IEND"}) == "acTL";
    }

    const PackageFacts &package;
};

} // namespace

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

bool isHiddenCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x061c || (c >= 0x200b && c <= 0x200f) ||
           (c >= 0x2028 && c <= 0x202e) || (c >= 0x2060 && c <= 0x2069 && c != 0x2065) ||
           c == 0xfeff;
}

QString printable(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\n')
            shown += QLatin1String("\\n");
        else if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (isHiddenCharacter(u))
            shown += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

char32_t firstHiddenCharacter(const QString &text, bool severalLines)
{
    const QVector<uint> characters = text.toUcs4();
    for (int i = 0; i < characters.size(); ++i) {
        const uint c = characters.at(i);
        // A carriage return counts as part of a line break only before a
        // line feed; alone it would stay in the joined description.
        const bool lineBreak =
            c == '\n' || (c == '\r' && i + 1 < characters.size() && characters.at(i + 1) == '\n');
        if (severalLines && (lineBreak || c == '\t'))
            continue;
        if (isHiddenCharacter(c))
            return c;
    }
    return 0;
}

QString codePointName(char32_t c)
{
    return QStringLiteral("U+") +
           QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

bool hasForeignScheme(const QString &homepage)
{
    // A scheme as RFC 3986 writes it; a browser skips the blanks before it.
    static const QRegularExpression scheme(QStringLiteral("^\\s*([A-Za-z][A-Za-z0-9+.-]*):(.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = scheme.match(homepage);
    if (!match.hasMatch())
        return false;
    const QString name = match.captured(1).toLower();
    if (name == QLatin1String("http") || name == QLatin1String("https"))
        return false;
    static const QRegularExpression port(QStringLiteral("^[0-9]+(/.*)?$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    return !port.match(match.captured(2)).hasMatch();
}

const QStringList &knownFindingTags()
{
    return kKnownTags;
}

QList<QPair<QString, QString>> findingMessageSources(const QString &tag)
{
    QList<QPair<QString, QString>> sources;
    for (const FindingWords &words : kFindingWords) {
        if (tag == QLatin1String(words.tag))
            sources.append({QString::fromLatin1(words.context), QString::fromUtf8(words.source)});
    }
    return sources;
}

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Info:
        break;
    }
    return QStringLiteral("info");
}

QList<Finding> checkSubmission(const SubmissionValues &values, const PackageFacts &package)
{
    Checker checker(package);
    checker.checkPackage();
    checker.checkPkgName(values.pkgName);
    checker.checkVersion(values.version);
    checker.checkName(values.name);
    checker.checkAuthor(values.author);
    checker.checkText(values.contributor, "contributor", "--contributor");
    checker.checkHomepage(values.homepage);
    checker.checkDescription(values.description, values.name);
    checker.checkLogo(values.logo);
    checker.checkScreenshots(values.screenshots);
    return checker.findings;
}
