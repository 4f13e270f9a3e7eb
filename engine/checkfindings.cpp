// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/checkfindings.h"

#include "bundle/bundleassembly.h"
#include "bundle/bundlelayout.h"
#include "bundle/imageformat.h"
#include "bundle/pngcheck.h"
#include "bundle/textlines.h"
#include "engine/debversion.h"
#include "package/valuechoice.h"
#include "tools/packageprobe.h"
#include "wording/failuretexts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
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
// canvas shows as a speck in its 128×128 square.
constexpr int kLogoCoverage = 20;
// The size of the reduced copy the blank check and the difference hash
// look at: large enough for a line of text, small enough to be quick.
constexpr QSize kReducedCopy(128, 96);

const QStringList kKnownTags = {
    QStringLiteral("package-missing"),
    QStringLiteral("package-not-file"),
    QStringLiteral("package-unreadable"),
    QStringLiteral("package-corrupt"),
    QStringLiteral("package-metadata-unreadable"),
    QStringLiteral("package-text-nul"),
    QStringLiteral("desktop-entry-guessed"),
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
    QStringLiteral("required-empty"),
    QStringLiteral("name-too-long"),
    QStringLiteral("name-end-punctuation"),
    QStringLiteral("name-has-tagline"),
    QStringLiteral("homepage-not-url"),
    QStringLiteral("description-short"),
    QStringLiteral("description-too-long"),
    QStringLiteral("description-placeholder"),
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
    QStringLiteral("image-animated"),
};

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

PictureTraits measurePicture(const QByteArray &bytes, PictureUse use)
{
    PictureTraits traits;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
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

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        sizes << (info.isFile() && imageFormatOf(path) != ImageFormat::Unknown ? info.size() : -1);
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
            const QByteArray bytes = readWhole(path);
            if (sizeShared)
                file->digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
            file->traits = measurePicture(bytes, PictureUse::Screenshot);
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
            QString::fromLatin1(tag), severity, field, message, measured, limit, false};
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
        if (package.readerProblem != ReaderProblem::None)
            add("package-metadata-unreadable", Severity::Info, field,
                QCoreApplication::translate("CommandLine",
                                            "没能读出安装包自己的信息（%1），什么也没从里面填")
                    .arg(readerProblemText(package.readerProblem, package.readerDetail)));
        // A file name fetched from the web may keep its URL escapes ("%3a"
        // for the epoch's colon); the store's Filename would show them.
        static const QRegularExpression escape(QStringLiteral("%[0-9A-Fa-f]{2}"));
        const QString fileName = QFileInfo(package.path).fileName();
        const QRegularExpressionMatch match = escape.match(fileName);
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
            compareVersionParts(upstream, package.appStreamRelease) != 0)
            add("version-differs-appstream", Severity::Warning, field,
                QCoreApplication::translate("CommandLine",
                                            "上游版本 %1 不是 AppStream 里最新的发布 %2")
                    .arg(upstream, package.appStreamRelease),
                upstream, package.appStreamRelease);
        if (isPrerelease(upstream))
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
    }

    void checkHomepage(const SourcedText &homepage)
    {
        if (homepage.value.isEmpty())
            return;
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
                                 ? QCoreApplication::translate("CommandLine", "它依赖的包")
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
        const PictureTraits traits = measurePicture(readWhole(logo.value), PictureUse::Logo);
        if (traits.decoded && traits.opaque * 100 < traits.pixels * kLogoCoverage)
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
        const ImageFormat format = imageFormatOf(path);
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QSize size = format == ImageFormat::Unknown ? QSize() : reader.size();
        if (!size.isValid() || size.isEmpty()) {
            add((prefix + "-not-image").constData(), Severity::Error, field,
                QCoreApplication::translate("CommandLine", "这不是 PNG、JPEG 或 GIF 图片：%1")
                    .arg(path));
            return {};
        }
        const bool animated = format == ImageFormat::Png   ? isAnimatedPng(path)
                              : format == ImageFormat::Gif ? reader.imageCount() > 1
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

const QStringList &knownFindingTags()
{
    return kKnownTags;
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
    checker.checkText(values.contributor, "contributor", "--contributor");
    checker.checkHomepage(values.homepage);
    checker.checkDescription(values.description, values.name);
    checker.checkLogo(values.logo);
    checker.checkScreenshots(values.screenshots);
    return checker.findings;
}
