// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/checkfindings.h"

#include "bundle/bundleassembly.h"
#include "bundle/imageformat.h"
#include "cli/debversion.h"
#include "package/valuechoice.h"
#include "wording/failuretexts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSize>
#include <QUrl>
#include <QtEndian>

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

// The boxes the pack scales into; convert enlarges what is smaller in both sides.
constexpr QSize kLogoBox(128, 128);
constexpr QSize kScreenshotBox(400, 300);
// Screenshots more than this far from the box's 4:3 in either direction
// leave margins wider than the picture's own content.
constexpr double kAspectTolerance = 1.5;
// A one-line description shorter than this says little more than the name.
constexpr int kShortDescription = 30;

// Where the window meets the same problem, its own words (context
// "MainWindow") say it here too.

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

class Checker
{
public:
    explicit Checker(const PackageFacts &package)
        : package(package)
    {
    }

    QList<Finding> findings;

    void add(const char *tag, Severity severity, const QString &field, const QString &message)
    {
        findings << Finding{QString::fromLatin1(tag), severity, field, message};
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
        static const QRegularExpression debian(QStringLiteral("^[a-z0-9][a-z0-9+.-]+$"));
        if (!debian.match(name).hasMatch())
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

    void checkDescription(const SourcedText &description)
    {
        if (description.value.isEmpty()) {
            requiredEmpty(QStringLiteral("description"), QStringLiteral("--description"));
            return;
        }
        const QString text = description.value.trimmed();
        if (!text.contains(QLatin1Char('\n')) && text.size() < kShortDescription)
            add("description-short", Severity::Info, QStringLiteral("description"),
                QCoreApplication::translate("CommandLine", "简介只有短短一行，多写几句吧～"));
    }

    void checkLogo(const SourcedText &logo)
    {
        const QString field = QStringLiteral("logo");
        if (logo.value.isEmpty()) {
            requiredEmpty(field, QStringLiteral("--logo"));
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
                    .arg(logo.value));
        if (size.width() != size.height())
            add("logo-not-square", Severity::Warning, field,
                QCoreApplication::translate("CommandLine",
                                            "Logo 不是正方形（%1×%2），放进 128×128 会留边：%3")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(logo.value));
    }

    void checkScreenshots(const QStringList &screenshots)
    {
        const QString field = QStringLiteral("screenshots");
        if (screenshots.isEmpty()) {
            requiredEmpty(field, QStringLiteral("--screenshot"));
            return;
        }
        QList<QByteArray> digests;
        for (int i = 0; i < screenshots.size(); ++i) {
            const QString &path = screenshots.at(i);
            const QSize size = checkImage(path, field, "screenshot");
            if (!size.isValid()) {
                digests << QByteArray();
                continue;
            }
            const QByteArray digest = contentDigest(path);
            const int same = digests.indexOf(digest);
            digests << digest;
            if (same >= 0 && !digest.isEmpty())
                add("screenshot-duplicate", Severity::Warning, field,
                    QCoreApplication::translate("CommandLine", "这张截图和第 %1 张一模一样：%2")
                        .arg(same + 1)
                        .arg(path));
            if (size.width() < kScreenshotBox.width() && size.height() < kScreenshotBox.height())
                add("screenshot-too-small", Severity::Warning, field,
                    QCoreApplication::translate("CommandLine",
                                                "截图只有 %1×%2，会被放大到 400×300：%3")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(path));
            const double box = double(kScreenshotBox.width()) / kScreenshotBox.height();
            const double shape = double(size.width()) / size.height();
            if (shape > box * kAspectTolerance || shape * kAspectTolerance < box)
                add("screenshot-aspect", Severity::Info, field,
                    QCoreApplication::translate("CommandLine",
                                                "截图是 %1×%2，和 4:3 的框差得远，会留很宽的边：%3")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(path));
        }
    }

private:
    // The picture's size when it is a usable image; an invalid size after
    // reporting why it is not.
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
        if (!file.open(QIODevice::ReadOnly) || !file.seek(8))
            return false;
        for (;;) {
            const QByteArray header = file.read(8);
            if (header.size() != 8)
                return false;
            const quint32 length = qFromBigEndian<quint32>(header.constData());
            const QByteArray type = header.mid(4);
            if (type == "acTL")
                return true;
            if (type == "IDAT" || type == "IEND")
                return false;
            if (!file.seek(file.pos() + qint64(length) + 4))
                return false;
        }
    }

    static QByteArray contentDigest(const QString &path)
    {
        QFile file(path);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
            return {};
        return hash.result();
    }

    const PackageFacts &package;
};

} // namespace

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
    checker.checkText(values.name, "name", "--name");
    checker.checkText(values.contributor, "contributor", "--contributor");
    checker.checkHomepage(values.homepage);
    checker.checkDescription(values.description);
    checker.checkLogo(values.logo);
    checker.checkScreenshots(values.screenshots);
    return checker.findings;
}
