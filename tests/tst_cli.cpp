// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/foldersnapshot.h"
#include "support/packingform.h"
#include "support/testfiles.h"
#include "support/toolshelf.h"

#include "cli/explaincommand.h"
#include "cli/findingwords.h"
#include "cli/inputreport.h"
#include "cli/rulebookdocs.h"
#include "engine/checkfindings.h"
#include "engine/rulebook.h"
#include "package/valuechoice.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QtTest>

namespace {

// The real program as a script runs it: no display, a home of the test's own.
struct ProgramRun
{
    int exitCode = -1;
    bool exitedNormally = false;
    QByteArray out;
    QByteArray err;
};

QProcessEnvironment commandLineEnvironment(const QString &path = QString())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), QDir::homePath());
    if (!path.isEmpty())
        env.insert(QStringLiteral("PATH"), path);
    return env;
}

ProgramRun runProgram(const QStringList &arguments)
{
    QProcess program;
    program.setProcessEnvironment(commandLineEnvironment());
    program.start(qEnvironmentVariable("PLINVEX_PROGRAM"), arguments);
    ProgramRun run;
    // However long it takes: a stuck command line is the fault this would hide.
    if (!program.waitForFinished(-1))
        return run;
    run.exitedNormally = program.exitStatus() == QProcess::NormalExit;
    run.exitCode = program.exitCode();
    run.out = program.readAllStandardOutput();
    run.err = program.readAllStandardError();
    return run;
}

QSet<QString> textTags(const QByteArray &out)
{
    static const QRegularExpression finding(
        QStringLiteral("^(error|warning|info)\\[([a-z-]+)\\] [a-z]+: "),
        QRegularExpression::MultilineOption);
    QSet<QString> tags;
    auto matches = finding.globalMatch(QString::fromUtf8(out));
    while (matches.hasNext())
        tags << matches.next().captured(2);
    return tags;
}

QSet<QString> jsonTags(const QJsonObject &document)
{
    QSet<QString> tags;
    for (const QJsonValue finding : document.value(QStringLiteral("findings")).toArray())
        tags << finding.toObject().value(QStringLiteral("tag")).toString();
    return tags;
}

// Every line of app.json but the time of the pack.
QByteArray withoutUpdate(const QString &controlFile)
{
    QFile file(controlFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray kept;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.trimmed().startsWith("\"Update\""))
            kept += line + '\n';
    }
    return kept;
}

// The bundle's snapshot with app.json compared apart from its time.
QMap<QString, QString> comparable(const QString &bundle)
{
    QMap<QString, QString> snapshot = without(folderSnapshot(bundle), QStringLiteral("app.json"));
    snapshot.insert(QStringLiteral("app.json"),
                    QString::fromUtf8(withoutUpdate(bundle + QStringLiteral("/app.json"))));
    return snapshot;
}

QStringList archiveMembers(const QString &archive)
{
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-tzf"), archive});
    if (!tar.waitForFinished(-1) || tar.exitCode() != 0)
        return {QStringLiteral("tar failed")};
    return QString::fromUtf8(tar.readAllStandardOutput()).split(QLatin1Char('\n'));
}

QString unpack(const QString &archive, const QString &into)
{
    QDir().mkpath(into);
    QProcess tar;
    tar.start(QStringLiteral("tar"), {QStringLiteral("-xzf"), archive, QStringLiteral("-C"), into});
    return tar.waitForFinished(-1) && tar.exitCode() == 0 ? into : QString();
}

// A picture unlike the sample one: bands on a gradient that darkens to the
// right, so nearly every bit of its difference hash differs from the sample's.
QImage otherPicture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), 0);
    gradient.setColorAt(0, Qt::yellow);
    gradient.setColorAt(1, Qt::black);
    painter.fillRect(image.rect(), gradient);
    for (int y = 0; y < size.height(); y += size.height() / 6)
        painter.fillRect(0, y, size.width(), size.height() / 12, QColor(20, 160, 90));
    return image;
}

// `rows` fully transparent rows at the top of an 800×600 picture.
QImage withTransparentTop(int rows)
{
    QImage image = otherPicture(QSize(800, 600)).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < rows; ++y)
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(y)), image.width(), qRgba(0, 0, 0, 0));
    return image;
}

// A 200×200 logo whose opaque part is a band `columns` wide.
QImage sparseLogo(int columns)
{
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(0, 0, columns, 200, QColor(40, 120, 200));
    return image;
}

// The characters a store or terminal would hide or obey, besides C0 and C1.
const QRegularExpression kHiddenUnicode(
    QStringLiteral("[\\x{61c}\\x{200b}-\\x{200f}\\x{2028}-\\x{202e}\\x{2060}-\\x{2069}\\x{feff}]"));

// How the text report shows each control or hidden character of an argument.
QList<QByteArray> escapedControls(const QString &argument)
{
    QList<QByteArray> shown;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\n'))
            shown << "\\n";
        else if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f))
            shown << "\\x" + QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
        else if (kHiddenUnicode.match(QString(c)).hasMatch())
            shown << "\\u" + QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    }
    return shown;
}

bool hasRawControl(const QByteArray &out)
{
    for (const char c : out) {
        if ((uchar(c) < 0x20 && c != '\n') || uchar(c) == 0x7f)
            return true;
    }
    const QString text = QString::fromUtf8(out);
    return text.contains(QRegularExpression(QStringLiteral("[\\x{80}-\\x{9f}]"))) ||
           text.contains(kHiddenUnicode);
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void commandLines_data();
    void commandLines();
    void severalInputs_data();
    void severalInputs();
    void versionAgainstAppStream_data();
    void versionAgainstAppStream();
    void everyRuleHasWords_data();
    void everyRuleHasWords();
    void packMatchesTheWindow();
    void stoppedPackKeepsEarlierBundle();
    void explainTellsTheBook();
    void readmeTableIsTheBooks();
    void sarifNamesEveryRuleItUses();
    void githubCommandsEscape();
};

// Inputs by placeholder: @deb a real package viewer 1.0, @escdeb the same
// named viewer_1%3a1.0_all.deb, @pcdeb the same named viewer_100%_all.deb,
// @logo 256x256, @small 32x24, @sparse20, @sparse19 and @sparse4 200x200
// logos opaque on 20%, 19% and 4%, @shot 800x600, @shot2 1024x768 of another picture, @near
// @shot with a small mark, @blank one colour, @band12 and @band11 800x600
// with that many transparent rows on top, @wide 1600x400, @jpeg a JPEG,
// @text a text file, @dir a folder, @missing nothing, @huge a PNG whose
// header claims 12000x12000. @earlier makes an earlier bundle of viewer on
// the desktop before the run, with @hugeicon @huge as its icon.png;
// @unconfined runs it with a reader whose self-test finds nothing in force.
void TestCli::commandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("tags");

    const QStringList full = {
        QStringLiteral("--name"),        QStringLiteral("Viewer"),
        QStringLiteral("--contributor"), QStringLiteral("packer"),
        QStringLiteral("--description"), QStringLiteral("Shows pictures.\nOpens PNG and JPEG."),
        QStringLiteral("--logo"),        QStringLiteral("@logo"),
        QStringLiteral("--screenshot"),  QStringLiteral("@shot"),
        QStringLiteral("--screenshot"),  QStringLiteral("@shot2"),
    };
    const auto with = [&full](const QString &command, const QStringList &more) {
        return QStringList{command, QStringLiteral("@deb")} + full + more;
    };
    const QString check = QStringLiteral("check");
    const QString pack = QStringLiteral("pack");

    QTest::newRow("complete check passes") << with(check, {}) << 0 << QStringList{};
    QTest::newRow("a JPEG logo is an image")
        << with(check, {QStringLiteral("--logo"), QStringLiteral("@jpeg")}) << 0 << QStringList{};
    QTest::newRow("nothing given")
        << QStringList{check, QStringLiteral("@deb")} << 1
        << QStringList{QStringLiteral("required-empty"), QStringLiteral("description-short")};
    QTest::newRow("earlier bundle fills the rest")
        << QStringList{check, QStringLiteral("@deb"), QStringLiteral("@earlier")} << 0
        << QStringList{};
    QTest::newRow("--no-prefill takes none of it")
        << QStringList{check, QStringLiteral("@deb"), QStringLiteral("@earlier"),
                       QStringLiteral("--no-prefill")}
        << 1 << QStringList{QStringLiteral("required-empty")};
    QTest::newRow("package missing")
        << QStringList{check, QStringLiteral("@missing")} + full << 1
        << QStringList{QStringLiteral("package-missing"), QStringLiteral("required-empty")};
    QTest::newRow("package is a folder")
        << QStringList{check, QStringLiteral("@dir")} + full << 1
        << QStringList{QStringLiteral("package-not-file"), QStringLiteral("required-empty")};
    QTest::newRow("package unreadable")
        << QStringList{check, QStringLiteral("@text")} + full << 1
        << QStringList{QStringLiteral("package-unreadable"), QStringLiteral("pkgname-unreadable"),
                       QStringLiteral("version-unreadable")};
    QTest::newRow("unreadable package, identity given")
        << QStringList{check,
                       QStringLiteral("@text"),
                       QStringLiteral("--pkgname"),
                       QStringLiteral("viewer"),
                       QStringLiteral("--version"),
                       QStringLiteral("1.0")} +
               full
        << 1 << QStringList{QStringLiteral("package-unreadable")};
    QTest::newRow("images that are none")
        << with(check, {QStringLiteral("--logo"), QStringLiteral("@text"),
                        QStringLiteral("--screenshot"), QStringLiteral("@dir"),
                        QStringLiteral("--screenshot"), QStringLiteral("@missing")})
        << 1
        << QStringList{QStringLiteral("logo-not-image"), QStringLiteral("screenshot-not-file"),
                       QStringLiteral("screenshot-missing")};
    const QStringList dubious = {
        QStringLiteral("--logo"),       QStringLiteral("@small"),
        QStringLiteral("--screenshot"), QStringLiteral("@shot"),
        QStringLiteral("--homepage"),   QStringLiteral("example.org:8080/viewer"),
        QStringLiteral("--pkgname"),    QStringLiteral("Viewer"),
        QStringLiteral("--version"),    QStringLiteral("v1.0"),
    };
    const QStringList warned = {
        QStringLiteral("logo-too-small"),       QStringLiteral("logo-not-square"),
        QStringLiteral("screenshot-duplicate"), QStringLiteral("homepage-not-url"),
        QStringLiteral("pkgname-not-debian"),   QStringLiteral("pkgname-differs"),
        QStringLiteral("version-dubious"),      QStringLiteral("version-differs"),
    };
    QTest::newRow("warnings pass") << with(check, dubious) << 0 << warned;
    QTest::newRow("warnings fail under --strict")
        << with(check, dubious + QStringList{QStringLiteral("--strict")}) << 1 << warned;
    QTest::newRow("notes pass --strict")
        << QStringList{check,
                       QStringLiteral("@deb"),
                       QStringLiteral("--strict"),
                       QStringLiteral("--name"),
                       QStringLiteral("Viewer"),
                       QStringLiteral("--contributor"),
                       QStringLiteral("packer"),
                       QStringLiteral("--description"),
                       QStringLiteral("Shows pictures."),
                       QStringLiteral("--logo"),
                       QStringLiteral("@logo"),
                       QStringLiteral("--screenshot"),
                       QStringLiteral("@wide")}
        << 0
        << QStringList{QStringLiteral("screenshot-aspect"), QStringLiteral("description-short")};
    QTest::newRow("epoch without a number")
        << with(check, {QStringLiteral("--version"), QStringLiteral("x:1.0")}) << 1
        << QStringList{QStringLiteral("version-invalid"), QStringLiteral("version-differs")};
    QTest::newRow("empty revision")
        << with(check, {QStringLiteral("--version"), QStringLiteral("1.0-")}) << 1
        << QStringList{QStringLiteral("version-invalid"), QStringLiteral("version-differs")};
    QTest::newRow("character deb-version forbids")
        << with(check, {QStringLiteral("--version"), QStringLiteral("1.0_beta")}) << 1
        << QStringList{QStringLiteral("version-invalid"), QStringLiteral("version-differs")};
    QTest::newRow("epoch, upstream and revision")
        << with(check, {QStringLiteral("--version"), QStringLiteral("2:1.0~rc1+dfsg-3")}) << 0
        << QStringList{QStringLiteral("version-differs"), QStringLiteral("version-prerelease")};
    QTest::newRow("pkgname that leaves the desktop")
        << with(pack, {QStringLiteral("--pkgname"), QStringLiteral("..")}) << 1
        << QStringList{QStringLiteral("pkgname-not-folder-name")};
    QTest::newRow("pkgname with a slash")
        << with(pack, {QStringLiteral("--pkgname"), QStringLiteral("a/b")}) << 1
        << QStringList{QStringLiteral("pkgname-not-folder-name")};
    QTest::newRow("pack with an error builds nothing")
        << with(pack, {QStringLiteral("--logo"), QStringLiteral("@missing")}) << 1
        << QStringList{QStringLiteral("logo-missing")};
    QTest::newRow("pack") << with(pack, {}) << 0 << QStringList{};
    QTest::newRow("unknown option")
        << with(check, {QStringLiteral("--frobnicate")}) << 2 << QStringList{};
    QTest::newRow("--strict is check's")
        << with(pack, {QStringLiteral("--strict")}) << 2 << QStringList{};
    QTest::newRow("no package") << QStringList{check} << 2 << QStringList{};
    QTest::newRow("two packages to pack")
        << with(pack, {QStringLiteral("@deb")}) << 2 << QStringList{};
    QTest::newRow("no number of jobs")
        << with(check, {QStringLiteral("--jobs"), QStringLiteral("0")}) << 2 << QStringList{};
    QTest::newRow("--jobs is check's")
        << with(pack, {QStringLiteral("--jobs"), QStringLiteral("2")}) << 2 << QStringList{};
    QTest::newRow("unknown format")
        << with(check, {QStringLiteral("--format"), QStringLiteral("xml")}) << 2 << QStringList{};

    const auto named = [&with, &check](const QString &name) {
        return with(check, {QStringLiteral("--name"), name});
    };
    const QString tooLong = QStringLiteral("name-too-long");
    QTest::newRow("name of 40 columns")
        << named(QString(40, QLatin1Char('n'))) << 0 << QStringList{};
    QTest::newRow("name of 41 columns")
        << named(QString(41, QLatin1Char('n'))) << 0 << QStringList{tooLong};
    QTest::newRow("Chinese name of 40 columns")
        << named(QString(20, QChar(0x56fe))) << 0 << QStringList{};
    QTest::newRow("Chinese name of 42 columns")
        << named(QString(21, QChar(0x56fe))) << 0 << QStringList{tooLong};
    QTest::newRow("mixed name of 41 columns")
        << named(QString(19, QChar(0x56fe)) + QStringLiteral("abc")) << 0 << QStringList{tooLong};
    QTest::newRow("combining marks take no column")
        << named(QString(40, QLatin1Char('e')) + QChar(0x0301) + QChar(0x20dd)) << 0
        << QStringList{};
    const QString punctuation = QStringLiteral("name-end-punctuation");
    QTest::newRow("name ends in a full stop")
        << named(QStringLiteral("Viewer.")) << 0 << QStringList{punctuation};
    QTest::newRow("name ends in a Chinese exclamation mark")
        << named(QStringLiteral("看图！")) << 0 << QStringList{punctuation};
    QTest::newRow("name ends in a wave dash")
        << named(QStringLiteral("Viewer～")) << 0 << QStringList{punctuation};
    QTest::newRow("name with a colon at its end")
        << named(QStringLiteral("Viewer:")) << 0 << QStringList{};
    const QString tagline = QStringLiteral("name-has-tagline");
    QTest::newRow("name with a tagline after a colon")
        << named(QStringLiteral("Viewer: shows pictures")) << 0 << QStringList{tagline};
    QTest::newRow("name with a tagline after a dash")
        << named(QStringLiteral("Viewer - shows pictures")) << 0 << QStringList{tagline};
    QTest::newRow("name with a Chinese tagline")
        << named(QStringLiteral("看图（又快又好）")) << 0 << QStringList{tagline};
    QTest::newRow("name with a hyphen") << named(QStringLiteral("Viewer-2")) << 0 << QStringList{};

    const auto described = [&with, &check](const QString &description) {
        return with(check, {QStringLiteral("--description"), description});
    };
    const QString shortOne = QStringLiteral("description-short");
    QTest::newRow("one line of 59 columns")
        << described(QString(59, QLatin1Char('d'))) << 0 << QStringList{shortOne};
    QTest::newRow("one line of 60 columns")
        << described(QString(60, QLatin1Char('d'))) << 0 << QStringList{};
    QTest::newRow("one Chinese line of 58 columns")
        << described(QString(29, QChar(0x56fe))) << 0 << QStringList{shortOne};
    QTest::newRow("one Chinese line of 60 columns")
        << described(QString(30, QChar(0x56fe))) << 0 << QStringList{};
    QTest::newRow("description that is the name")
        << with(check, {QStringLiteral("--name"), QString(61, QLatin1Char('v')),
                        QStringLiteral("--description"), QString(61, QLatin1Char('v'))})
        << 0 << QStringList{tooLong, shortOne};
    const QString tooLongText = QStringLiteral("description-too-long");
    QTest::newRow("description of 4000 columns")
        << described(QString(4000, QLatin1Char('d'))) << 0 << QStringList{};
    QTest::newRow("description of 4001 columns")
        << described(QString(4001, QLatin1Char('d'))) << 0 << QStringList{tooLongText};
    QTest::newRow("Chinese description of 4000 columns")
        << described(QString(2000, QChar(0x56fe))) << 0 << QStringList{};
    QTest::newRow("Chinese description of 4002 columns")
        << described(QString(2001, QChar(0x56fe))) << 0 << QStringList{tooLongText};
    const QString placeholder = QStringLiteral("description-placeholder");
    QTest::newRow("TODO in the description")
        << described(QStringLiteral("Shows pictures.\nTODO: say what else.")) << 0
        << QStringList{placeholder};
    QTest::newRow("lorem ipsum in the description")
        << described(QStringLiteral("Lorem  Ipsum dolor sit amet,\nconsectetur.")) << 0
        << QStringList{placeholder};
    QTest::newRow("coming soon in the description")
        << described(QStringLiteral("Shows pictures.\nMore formats coming soon!")) << 0
        << QStringList{placeholder};
    QTest::newRow("Chinese placeholder in the description")
        << described(QStringLiteral("一个看图工具。\n更多功能敬请期待")) << 0
        << QStringList{placeholder};
    QTest::newRow("translated summary over an untranslated body")
        << described(QStringLiteral("看图工具，打开各种图片。\nShows every picture of a folder.\n"
                                    "• 很快"))
        << 0 << QStringList{QStringLiteral("description-mixed-language")};
    QTest::newRow("Latin names in a Chinese description")
        << described(QStringLiteral("使用 GTK 的看图工具。\n支持 PNG、JPEG 和 GIF。")) << 0
        << QStringList{};
    QTest::newRow("placeholders inside longer words")
        << described(QStringLiteral("Todos los días muestra fotos.\nStbd, fixmen and TBDs.")) << 0
        << QStringList{};

    const QString prerelease = QStringLiteral("version-prerelease");
    const QString differs = QStringLiteral("version-differs");
    const auto versioned = [&with, &check](const QString &version) {
        return with(check, {QStringLiteral("--version"), version});
    };
    QTest::newRow("release candidate after a tilde")
        << versioned(QStringLiteral("1.0~rc1")) << 0 << QStringList{differs, prerelease};
    QTest::newRow("beta after a digit")
        << versioned(QStringLiteral("2.0beta3")) << 0 << QStringList{differs, prerelease};
    QTest::newRow("rc in the revision only")
        << versioned(QStringLiteral("3.1-rc2")) << 0 << QStringList{differs};
    QTest::newRow("rc inside src")
        << versioned(QStringLiteral("1.0+src1")) << 0 << QStringList{differs};
    QTest::newRow("ALPHA after a dot")
        << versioned(QStringLiteral("1:1.0.ALPHA")) << 0 << QStringList{differs, prerelease};

    QTest::newRow("URL escape in the file name")
        << QStringList{check, QStringLiteral("@escdeb")} + full << 0
        << QStringList{QStringLiteral("filename-escaped")};
    QTest::newRow("percent sign that escapes nothing")
        << QStringList{check, QStringLiteral("@pcdeb")} + full << 0 << QStringList{};

    const QStringList described2 = {
        QStringLiteral("--name"),        QStringLiteral("Viewer"),
        QStringLiteral("--contributor"), QStringLiteral("packer"),
        QStringLiteral("--description"), QStringLiteral("Shows pictures.\nOpens PNG and JPEG."),
    };
    const auto pictures = [&described2, &check](const QString &logo, const QStringList &shots) {
        QStringList arguments = QStringList{check, QStringLiteral("@deb")} + described2 +
                                QStringList{QStringLiteral("--logo"), logo};
        for (const QString &shot : shots)
            arguments << QStringLiteral("--screenshot") << shot;
        return arguments;
    };
    const QString logo = QStringLiteral("@logo");
    const QString shot = QStringLiteral("@shot");
    QTest::newRow("near duplicate screenshot")
        << pictures(logo, {shot, QStringLiteral("@shot2"), QStringLiteral("@near")}) << 0
        << QStringList{QStringLiteral("screenshot-near-duplicate")};
    QTest::newRow("exact duplicate is no near one")
        << pictures(logo, {shot, QStringLiteral("@near"), shot}) << 0
        << QStringList{QStringLiteral("screenshot-near-duplicate"),
                       QStringLiteral("screenshot-duplicate")};
    QTest::newRow("blank screenshot") << pictures(logo, {shot, QStringLiteral("@blank")}) << 0
                                      << QStringList{QStringLiteral("screenshot-blank")};
    QTest::newRow("transparent band of 2%")
        << pictures(logo, {QStringLiteral("@band12")}) << 0
        << QStringList{QStringLiteral("screenshot-transparent")};
    QTest::newRow("transparent band under 2%")
        << pictures(logo, {QStringLiteral("@band11")}) << 0 << QStringList{};
    QTest::newRow("logo opaque on 20%")
        << pictures(QStringLiteral("@sparse20"), {shot}) << 0 << QStringList{};
    QTest::newRow("logo opaque on 19%") << pictures(QStringLiteral("@sparse19"), {shot}) << 0
                                        << QStringList{QStringLiteral("logo-mostly-empty")};
    QTest::newRow("logo opaque on 4% fails --strict")
        << (pictures(QStringLiteral("@sparse4"), {shot}) << QStringLiteral("--strict")) << 1
        << QStringList{QStringLiteral("logo-mostly-empty")};

    const QString ignore = QStringLiteral("--ignore");
    QTest::newRow("ignored warning passes --strict")
        << with(check, {QStringLiteral("--homepage"), QStringLiteral("example.org/"),
                        QStringLiteral("--strict"), ignore, QStringLiteral("homepage-not-url")})
        << 0 << QStringList{QStringLiteral("homepage-not-url")};
    QTest::newRow("ignored error passes the check")
        << with(check, {QStringLiteral("--version"), QStringLiteral("1.0_beta"), ignore,
                        QStringLiteral("version-invalid"), ignore, differs})
        << 0 << QStringList{QStringLiteral("version-invalid"), differs};
    QTest::newRow("pack past an ignored error")
        << with(pack, {QStringLiteral("--version"), QStringLiteral("1.0_beta"), ignore,
                       QStringLiteral("version-invalid")})
        << 0 << QStringList{QStringLiteral("version-invalid"), differs};
    QTest::newRow("unknown tag to ignore")
        << with(check, {ignore, QStringLiteral("no-such-finding")}) << 2 << QStringList{};
    QTest::newRow("unknown tag to ignore in a pack")
        << with(pack, {ignore, QStringLiteral("logo")}) << 2 << QStringList{};
    const QString explain = QStringLiteral("--explain");
    QTest::newRow("unknown tag to explain")
        << QStringList{check, explain, QStringLiteral("no-such-finding")} << 2 << QStringList{};
    QTest::newRow("one tag to explain at a time")
        << QStringList{check, explain, QStringLiteral("required-empty"), differs} << 2
        << QStringList{};
    QTest::newRow("a pack explains nothing") << with(pack, {explain}) << 2 << QStringList{};

    QTest::newRow("a reader that could not confine itself")
        << with(check, {QStringLiteral("@unconfined")}) << 0
        << QStringList{QStringLiteral("reader-unconfined")};
    QTest::newRow("--require-confined makes it an error")
        << with(pack, {QStringLiteral("@unconfined"), QStringLiteral("--require-confined")}) << 1
        << QStringList{QStringLiteral("reader-unconfined")};

    // What a store shows as it is and a terminal obeys stops the pack, and
    // the report shows it escaped.
    const QStringList hidden = {QStringLiteral("hidden-character")};
    QTest::newRow("escape in the name") << named(QStringLiteral("Vi\x1b[31mewer")) << 1 << hidden;
    QTest::newRow("control characters in the name")
        << named(QStringLiteral("Viewer\x07\u0085.")) << 1 << hidden;
    QTest::newRow("override in the name stops the pack")
        << with(pack, {QStringLiteral("--name"), QStringLiteral("Vie\u202ewer")}) << 1 << hidden;
    QTest::newRow("isolate and zero width in the contributor")
        << with(pack, {QStringLiteral("--contributor"), QStringLiteral("pa\u2066ck\u200der")}) << 1
        << hidden;
    QTest::newRow("escape in the author stops the pack")
        << with(pack, {QStringLiteral("--author"), QStringLiteral("Up\x1b]0;x\x07stream")}) << 1
        << hidden;
    QTest::newRow("a hidden character does not hide a slash")
        << with(pack, {QStringLiteral("--pkgname"), QStringLiteral("a/\u202eb")}) << 1
        << QStringList{QStringLiteral("hidden-character"),
                       QStringLiteral("pkgname-not-folder-name")};
    QTest::newRow("line separator in the homepage")
        << with(pack, {QStringLiteral("--homepage"), QStringLiteral("https://example.org/\u2028x")})
        << 1 << hidden;
    QTest::newRow("javascript: homepage stops the pack")
        << with(pack, {QStringLiteral("--homepage"), QStringLiteral("javascript:alert(1)")}) << 1
        << QStringList{QStringLiteral("homepage-scheme")};
    QTest::newRow("file: homepage")
        << with(check, {QStringLiteral("--homepage"), QStringLiteral("FILE:///etc/passwd")}) << 1
        << QStringList{QStringLiteral("homepage-scheme")};
    // A package name outside Debian's rules is only warned of: it names
    // one folder on the desktop, as it is.
    QTest::newRow("-rf as package name packs")
        << with(pack, {QStringLiteral("--pkgname"), QStringLiteral("-rf")}) << 0
        << QStringList{QStringLiteral("pkgname-not-debian"), QStringLiteral("pkgname-differs")};
    QTest::newRow("hidden package name packs")
        << with(pack, {QStringLiteral("--pkgname"), QStringLiteral(".hidden")}) << 0
        << QStringList{QStringLiteral("pkgname-not-debian"), QStringLiteral("pkgname-differs")};
    QTest::newRow("carriage return in the package name")
        << with(pack, {QStringLiteral("--pkgname"), QStringLiteral("view\rer")}) << 1 << hidden;
    QTest::newRow("percent and colon still pack")
        << with(pack, {QStringLiteral("--name"), QStringLiteral("a%1b"),
                       QStringLiteral("--contributor"), QStringLiteral("hello:plinvex")})
        << 0 << QStringList{};

    // A picture is measured by its header before anything decodes it.
    QTest::newRow("logo whose header claims 12000x12000")
        << with(check, {QStringLiteral("--logo"), QStringLiteral("@huge")}) << 1
        << QStringList{QStringLiteral("image-too-large")};
    QTest::newRow("earlier icon.png of 12000x12000 is not taken")
        << QStringList{check, QStringLiteral("@deb"), QStringLiteral("@earlier"),
                       QStringLiteral("@hugeicon")}
        << 1 << QStringList{QStringLiteral("required-empty")};
}

// Each line runs twice, as text and as JSON: the same verdict and findings
// either way, the JSON alone on standard output.
void TestCli::commandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, tags);

    TemporaryHome home;
    const QMap<QString, QString> inputs = {
        {QStringLiteral("@deb"), makeInputPackage(home, QStringLiteral("viewer_1.0_all.deb"),
                                                  QStringLiteral("viewer"), QStringLiteral("1.0"))},
        {QStringLiteral("@logo"),
         makeInputImage(home, QStringLiteral("logo.png"), QSize(256, 256))},
        {QStringLiteral("@small"),
         makeInputImage(home, QStringLiteral("small.png"), QSize(32, 24))},
        {QStringLiteral("@shot"),
         makeInputImage(home, QStringLiteral("shot.png"), QSize(800, 600))},
        {QStringLiteral("@shot2"), home.filePath(QStringLiteral("inputs/shot2.png"))},
        {QStringLiteral("@near"), home.filePath(QStringLiteral("inputs/near.png"))},
        {QStringLiteral("@blank"), home.filePath(QStringLiteral("inputs/blank.png"))},
        {QStringLiteral("@band12"), home.filePath(QStringLiteral("inputs/band12.png"))},
        {QStringLiteral("@band11"), home.filePath(QStringLiteral("inputs/band11.png"))},
        {QStringLiteral("@sparse20"), home.filePath(QStringLiteral("inputs/sparse20.png"))},
        {QStringLiteral("@sparse19"), home.filePath(QStringLiteral("inputs/sparse19.png"))},
        {QStringLiteral("@sparse4"), home.filePath(QStringLiteral("inputs/sparse4.png"))},
        {QStringLiteral("@escdeb"), home.filePath(QStringLiteral("inputs/viewer_1%3a1.0_all.deb"))},
        {QStringLiteral("@pcdeb"), home.filePath(QStringLiteral("inputs/viewer_100%_all.deb"))},
        {QStringLiteral("@wide"),
         makeInputImage(home, QStringLiteral("wide.png"), QSize(1600, 400))},
        {QStringLiteral("@jpeg"), home.filePath(QStringLiteral("inputs/logo.jpg"))},
        {QStringLiteral("@text"), home.filePath(QStringLiteral("inputs/notes.png"))},
        {QStringLiteral("@dir"), home.filePath(QStringLiteral("inputs/folder.deb"))},
        {QStringLiteral("@missing"), home.filePath(QStringLiteral("inputs/missing.png"))},
        {QStringLiteral("@huge"), home.filePath(QStringLiteral("inputs/huge.png"))},
    };
    for (const QString &made : inputs)
        QVERIFY(!made.isEmpty());
    QVERIFY(otherPicture(QSize(1024, 768)).save(inputs.value(QStringLiteral("@shot2"))));
    QImage near(inputs.value(QStringLiteral("@shot")));
    near.setPixel(700, 500, qRgb(255, 255, 255));
    QVERIFY(near.save(inputs.value(QStringLiteral("@near"))));
    QImage blank(800, 600, QImage::Format_RGB32);
    blank.fill(QColor(250, 250, 250));
    QVERIFY(blank.save(inputs.value(QStringLiteral("@blank"))));
    QVERIFY(withTransparentTop(12).save(inputs.value(QStringLiteral("@band12"))));
    QVERIFY(withTransparentTop(11).save(inputs.value(QStringLiteral("@band11"))));
    QVERIFY(sparseLogo(40).save(inputs.value(QStringLiteral("@sparse20"))));
    QVERIFY(sparseLogo(39).save(inputs.value(QStringLiteral("@sparse19"))));
    QVERIFY(sparseLogo(8).save(inputs.value(QStringLiteral("@sparse4"))));
    for (const char *copy : {"@escdeb", "@pcdeb"})
        QVERIFY(QFile::copy(inputs.value(QStringLiteral("@deb")),
                            inputs.value(QString::fromLatin1(copy))));
    QImage jpeg(300, 300, QImage::Format_RGB32);
    jpeg.fill(Qt::darkGreen);
    QVERIFY(jpeg.save(inputs.value(QStringLiteral("@jpeg")), "JPEG"));
    QVERIFY(writeTextFile(inputs.value(QStringLiteral("@text")), "neither package nor image"));
    QVERIFY(QDir().mkpath(inputs.value(QStringLiteral("@dir"))));
    QVERIFY(writePngHeader(inputs.value(QStringLiteral("@huge")), 12000, 12000));
    if (arguments.removeAll(QStringLiteral("@earlier")) > 0) {
        const QString earlier = home.desktop() + QStringLiteral("/viewer");
        QVERIFY(writeTextFile(earlier + QStringLiteral("/app.json"),
                              "{\"Name\":\"Viewer\",\"Author\":\" \",\"Website\":\" \","
                              "\"Contributor\":\"packer\",\"More\":\"Shows pictures, opens PNG "
                              "and JPEG, and remembers where you were.\"}\n"));
        if (arguments.removeAll(QStringLiteral("@hugeicon")) > 0)
            QVERIFY(QFile::copy(inputs.value(QStringLiteral("@huge")),
                                earlier + QStringLiteral("/icon.png")));
        else
            QVERIFY(QFile::copy(inputs.value(QStringLiteral("@logo")),
                                earlier + QStringLiteral("/icon.png")));
        QVERIFY(QFile::copy(inputs.value(QStringLiteral("@shot")),
                            earlier + QStringLiteral("/screen_1.png")));
    }
    const QByteArray realReader = qgetenv("PLINVEX_READER");
    const auto restoreReader =
        qScopeGuard([&realReader] { qputenv("PLINVEX_READER", realReader); });
    if (arguments.removeAll(QStringLiteral("@unconfined")) > 0) {
        // Reads as the real reader does, but proves nothing of its confinement.
        const QString reader = home.filePath(QStringLiteral("inputs/unconfined-reader"));
        QVERIFY(
            writeScript(reader, "if [ \"$1\" = --self-test ]; then\n"
                                "  echo '{\"landlockAbi\":0,\"seccomp\":false,\"attempts\":[]}'\n"
                                "  exit 0\n"
                                "fi\n"
                                "exec '" +
                                    realReader + "' \"$@\"\n"));
        qputenv("PLINVEX_READER", QFile::encodeName(reader));
    }
    for (QString &argument : arguments)
        argument = inputs.value(argument, argument);
    const auto desktopBefore = folderSnapshot(home.desktop());
    const QSet<QString> expected(tags.cbegin(), tags.cend());

    const ProgramRun text = runProgram(arguments);
    QVERIFY(text.exitedNormally);
    QCOMPARE(text.exitCode, exitCode);
    if (exitCode == 2) {
        QVERIFY2(text.err.contains("--help"), text.err.constData());
        QVERIFY(text.out.isEmpty());
        return;
    }
    QVERIFY2(textTags(text.out) == expected, text.out.constData());
    // Whatever the values hold, the text report shows every control
    // character escaped and keeps each finding on its own line.
    QVERIFY2(!hasRawControl(text.out), text.out.constData());
    for (const QString &argument : qAsConst(arguments)) {
        if (argument.contains(QLatin1Char('\n')))
            continue;
        for (const QByteArray &escaped : escapedControls(argument))
            QVERIFY2(text.out.contains(escaped), text.out.constData());
    }
    const QStringList ignored = [&arguments] {
        QStringList tags;
        for (int i = 0; i + 1 < arguments.size(); ++i) {
            if (arguments.at(i) == QLatin1String("--ignore"))
                tags << arguments.at(i + 1);
        }
        return tags;
    }();
    if (arguments.first() == QLatin1String("check")) {
        // The check shows what it checked before what it found.
        QVERIFY2(text.out.startsWith("pkgname:"), text.out.constData());
        QVERIFY2(text.out.contains("\nscreenshots: "), text.out.constData());
    }

    const bool packs = arguments.first() == QLatin1String("pack") && exitCode == 0;
    const int pkgNameAt = arguments.indexOf(QStringLiteral("--pkgname"));
    const QString bundle =
        home.desktop() + QLatin1Char('/') +
        (pkgNameAt >= 0 ? arguments.at(pkgNameAt + 1) : QStringLiteral("viewer"));
    if (packs) {
        QCOMPARE(QDir(bundle).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("app.json"), QStringLiteral("icon.png"),
                              QStringLiteral("screen_1.png"), QStringLiteral("screen_2.png"),
                              QStringLiteral("viewer_1.0_all.deb")}));
    } else {
        // A check, or a pack that found an error, writes nothing at all.
        const QString difference =
            snapshotDifference(desktopBefore, folderSnapshot(home.desktop()));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    const ProgramRun json =
        runProgram(arguments + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    QCOMPARE(json.exitCode, exitCode);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, json.out.constData());
    QVERIFY2(!hasRawControl(json.out), json.out.constData());
    const QJsonObject report = document.object();
    QCOMPARE(report.value(QStringLiteral("command")).toString(), arguments.first());
    QCOMPARE(report.value(QStringLiteral("passed")).toBool(), exitCode == 0);
    QCOMPARE(jsonTags(report), expected);
    for (const QJsonValue value : report.value(QStringLiteral("findings")).toArray()) {
        const QJsonObject finding = value.toObject();
        QCOMPARE(finding.value(QStringLiteral("ignored")).toBool(),
                 ignored.contains(finding.value(QStringLiteral("tag")).toString()));
        QVERIFY(knownFindingTags().contains(finding.value(QStringLiteral("tag")).toString()));
    }
    QCOMPARE(report.value(QStringLiteral("bundle")).toString(), packs ? bundle : QString());
    QVERIFY(json.err.isEmpty());
}

// Inputs as in commandLines: @deb and @other packages of viewer and of
// other, @missing nothing, @dir a folder without app.json.
void TestCli::severalInputs_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("passed");

    const QString deb = QStringLiteral("@deb");
    const QString other = QStringLiteral("@other");
    QTest::newRow("every input passes") << QStringList{deb, other, deb} << QStringList{} << 0 << 3;
    QTest::newRow("mixed inputs fail as the worst")
        << QStringList{deb, QStringLiteral("@missing"), other, QStringLiteral("@dir")}
        << QStringList{} << 1 << 2;
    QTest::newRow("--strict over several")
        << QStringList{other, deb}
        << QStringList{QStringLiteral("--strict"), QStringLiteral("--homepage"),
                       QStringLiteral("example.org:8080/viewer")}
        << 1 << 0;
}

// However many run at once, the report is the same, in the order the inputs
// were given; each input stands apart, a summary counts them, and jsonl
// gives one object per input and line.
void TestCli::severalInputs()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, more);
    QFETCH(int, exitCode);
    QFETCH(int, passed);

    TemporaryHome home;
    const QMap<QString, QString> made = {
        {QStringLiteral("@deb"), makeInputPackage(home, QStringLiteral("viewer_1.0_all.deb"),
                                                  QStringLiteral("viewer"), QStringLiteral("1.0"))},
        {QStringLiteral("@other"),
         makeInputPackage(home, QStringLiteral("other_2.0_all.deb"), QStringLiteral("other"),
                          QStringLiteral("2.0"))},
        {QStringLiteral("@missing"), home.filePath(QStringLiteral("inputs/missing.deb"))},
        {QStringLiteral("@dir"), home.filePath(QStringLiteral("inputs/folder"))},
        {QStringLiteral("@logo"),
         makeInputImage(home, QStringLiteral("logo.png"), QSize(256, 256))},
        {QStringLiteral("@shot"),
         makeInputImage(home, QStringLiteral("shot.png"), QSize(800, 600))},
        {QStringLiteral("@shot2"), home.filePath(QStringLiteral("inputs/shot2.png"))},
    };
    QVERIFY(QDir().mkpath(made.value(QStringLiteral("@dir"))));
    QVERIFY(otherPicture(QSize(1024, 768)).save(made.value(QStringLiteral("@shot2"))));
    for (QString &input : inputs)
        input = made.value(input);
    const QStringList options =
        QStringList{QStringLiteral("--name"),        QStringLiteral("Viewer"),
                    QStringLiteral("--contributor"), QStringLiteral("packer"),
                    QStringLiteral("--description"), QStringLiteral("Shows pictures.\nOpens PNG."),
                    QStringLiteral("--logo"),        made.value(QStringLiteral("@logo")),
                    QStringLiteral("--screenshot"),  made.value(QStringLiteral("@shot")),
                    QStringLiteral("--screenshot"),  made.value(QStringLiteral("@shot2"))} +
        more;
    const auto run = [&](const QStringList &extra) {
        return runProgram(QStringList{QStringLiteral("check")} + inputs + options + extra);
    };

    const ProgramRun one = run({QStringLiteral("--jobs"), QStringLiteral("1")});
    QVERIFY(one.exitedNormally);
    QCOMPARE(one.exitCode, exitCode);
    const ProgramRun two = run({QStringLiteral("--jobs"), QStringLiteral("2")});
    QCOMPARE(two.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(two.out), QString::fromUtf8(one.out));
    const QStringList lines = QString::fromUtf8(one.out).split(QLatin1Char('\n'));
    QStringList headings;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("==> ")))
            headings << line;
    }
    QStringList expectedHeadings;
    for (const QString &input : qAsConst(inputs))
        expectedHeadings << QStringLiteral("==> ") + input + QStringLiteral(" <==");
    QCOMPARE(headings, expectedHeadings);
    // The summary is the last line: inputs, passed, failed, in that order.
    const QRegularExpression summary(QStringLiteral("^\\D*(\\d+)\\D+(\\d+)\\D+(\\d+)\\D*$"));
    const QRegularExpressionMatch counted = summary.match(lines.value(lines.size() - 2));
    QVERIFY2(counted.hasMatch(), one.out.constData());
    QCOMPARE(counted.captured(1).toInt(), inputs.size());
    QCOMPARE(counted.captured(2).toInt(), passed);
    QCOMPARE(counted.captured(3).toInt(), inputs.size() - passed);

    const ProgramRun jsonl = run({QStringLiteral("--format"), QStringLiteral("jsonl")});
    QCOMPARE(jsonl.exitCode, exitCode);
    QVERIFY(jsonl.out.endsWith('\n'));
    const QList<QByteArray> objects = jsonl.out.chopped(1).split('\n');
    QCOMPARE(objects.size(), inputs.size());
    int passedObjects = 0;
    for (int i = 0; i < objects.size(); ++i) {
        QJsonParseError error{};
        const QJsonDocument line = QJsonDocument::fromJson(objects.at(i), &error);
        QVERIFY2(error.error == QJsonParseError::NoError && line.isObject(),
                 objects.at(i).constData());
        QCOMPARE(line.object().value(QStringLiteral("input")).toString(), inputs.at(i));
        passedObjects += line.object().value(QStringLiteral("passed")).toBool() ? 1 : 0;
    }
    QCOMPARE(passedObjects, passed);

    const ProgramRun json = run({QStringLiteral("--format"), QStringLiteral("json")});
    QCOMPARE(json.exitCode, exitCode);
    const QJsonDocument array = QJsonDocument::fromJson(json.out);
    QVERIFY2(array.isArray(), json.out.constData());
    QCOMPARE(array.array().size(), inputs.size());
}

void TestCli::everyRuleHasWords_data()
{
    QTest::addColumn<QString>("tag");
    for (const Rule &rule : ruleBook())
        QTest::newRow(qPrintable(rule.tag)) << rule.tag;
}

// Every rule of the book is explained in both languages, the command line
// can word its findings in both, and a finding reports the very limit the
// book states. A script or a packager reading English must never meet a
// Chinese message.
void TestCli::everyRuleHasWords()
{
    QFETCH(QString, tag);
    Q_INIT_RESOURCE(plinvex_translations);
    QTranslator english;
    QVERIFY(english.load(QStringLiteral("plinvex_en"), QStringLiteral(":/translations")));
    const Rule *rule = ruleOf(tag);
    QVERIFY(rule);
    QCOMPARE(rule->tag, tag);
    for (const char *text : {rule->summary, rule->explanation, rule->mend}) {
        QVERIFY(text && *text);
        QVERIFY2(!english.translate("RuleBook", text).isEmpty(), text);
    }
    QVERIFY(!QString::fromUtf8(rule->summary).contains(QLatin1Char('\n')));
    QCOMPARE(rule->limit.isEmpty(), rule->unit.isEmpty());
    const QStringList sources = commandLineWordSources(tag);
    QVERIFY(!sources.isEmpty());
    for (const QString &source : sources)
        QVERIFY2(!english.translate("CommandLine", source.toUtf8().constData()).isEmpty(),
                 qPrintable(source));
    // Worded in English, a finding of the tag holds no Chinese but what its
    // params bring, whichever of its words it takes.
    QCoreApplication::installTranslator(&english);
    for (const Severity severity : {Severity::Error, Severity::Warning, Severity::Info}) {
        Finding finding;
        finding.tag = tag;
        finding.severity = severity;
        finding.field = rule->field.isEmpty() ? QStringLiteral("name") : rule->field;
        finding.params.clear();
        for (int i = 0; i < 5; ++i) {
            const QString words = commandLineWords(finding);
            static const QRegularExpression han(QStringLiteral("\\p{Han}"));
            QVERIFY2(!words.isEmpty() && !han.match(words).hasMatch(), qPrintable(words));
            finding.params << QStringLiteral("x");
        }
    }
    QCoreApplication::removeTranslator(&english);

    // One submission that breaks every limit easily reached without
    // crafting a file, each far enough to be beyond doubt.
    TemporaryHome home;
    SubmissionValues values;
    values.name = {QStringLiteral("A Viewer With A Name Far Wider Than Any List Shows"),
                   ValueSource::Given};
    values.description = {QStringLiteral("Views pictures."), ValueSource::Given};
    values.logo = {makeInputImage(home, QStringLiteral("logo.png"), QSize(48, 48)),
                   ValueSource::Given};
    values.screenshots =
        QStringList{makeInputImage(home, QStringLiteral("shot.png"), QSize(200, 150))};
    PackageFacts facts;
    facts.path = QStringLiteral("/nowhere/viewer_1.0_all.deb");
    static const QSet<QString> reached = {
        QStringLiteral("name-too-long"), QStringLiteral("description-short"),
        QStringLiteral("logo-too-small"), QStringLiteral("screenshot-too-small")};
    bool found = false;
    for (const Finding &finding : checkSubmission(values, facts)) {
        if (finding.tag != tag)
            continue;
        found = true;
        QCOMPARE(finding.limit, rule->limit);
        QVERIFY(!commandLineWords(finding).isEmpty());
    }
    QVERIFY(found || !reached.contains(tag));
}

void TestCli::versionAgainstAppStream_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("release");
    QTest::addColumn<bool>("differs");

    QTest::newRow("same") << QStringLiteral("1.2") << QStringLiteral("1.2") << false;
    QTest::newRow("epoch and revision dropped")
        << QStringLiteral("2:1.2-3") << QStringLiteral("1.2") << false;
    QTest::newRow("same to dpkg") << QStringLiteral("1.02") << QStringLiteral("1.2") << false;
    QTest::newRow("older than the release")
        << QStringLiteral("1.2-1") << QStringLiteral("1.3") << true;
    QTest::newRow("newer than the release")
        << QStringLiteral("1.10") << QStringLiteral("1.9") << true;
    QTest::newRow("candidate of the release")
        << QStringLiteral("1.3~rc1-1") << QStringLiteral("1.3") << true;
    QTest::newRow("Debian repack")
        << QStringLiteral("1.5.8+dfsg-3") << QStringLiteral("1.5.8") << false;
    QTest::newRow("numbered repack")
        << QStringLiteral("5.1.1+ds2-1") << QStringLiteral("5.1.1") << false;
    QTest::newRow("repack before the release")
        << QStringLiteral("2.0~dfsg.1-1") << QStringLiteral("2.0") << false;
    QTest::newRow("repack of an older version")
        << QStringLiteral("1.5.7+dfsg-1") << QStringLiteral("1.5.8") << true;
    QTest::newRow("no release") << QStringLiteral("1.2") << QString() << false;
}

// Checked on the values themselves: the package reader supplies the release.
void TestCli::versionAgainstAppStream()
{
    QFETCH(QString, version);
    QFETCH(QString, release);
    QFETCH(bool, differs);

    SubmissionValues values;
    values.version = {version, ValueSource::Given};
    PackageFacts facts;
    facts.path = QStringLiteral("/nowhere/viewer_1.2_all.deb");
    facts.exists = facts.regularFile = facts.readable = true;
    facts.appStreamRelease = release;
    bool found = false;
    for (const Finding &finding : checkSubmission(values, facts)) {
        if (finding.tag == QLatin1String("version-differs-appstream")) {
            found = true;
            QCOMPARE(finding.severity, Severity::Warning);
            QCOMPARE(finding.field, QStringLiteral("version"));
            QCOMPARE(finding.limit, release);
        }
    }
    QCOMPARE(found, differs);
}

// The command line and the window pack the same inputs into the same files.
void TestCli::packMatchesTheWindow()
{
    TemporaryHome home;
    PackingInputs inputs =
        completeInputs(makeInputPackage(home, QStringLiteral("viewer_1.0_all.deb"),
                                        QStringLiteral("viewer"), QStringLiteral("1.0"), 300000),
                       makeInputImage(home, QStringLiteral("logo.png"), QSize(256, 200)),
                       {makeInputImage(home, QStringLiteral("shot.png"), QSize(800, 600)),
                        makeInputImage(home, QStringLiteral("shot2.png"), QSize(200, 100))});
    inputs.website = QStringLiteral("https://example.org/viewer");
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString filled = fillPackingForm(window, inputs);
    QVERIFY2(filled.isEmpty(), qPrintable(filled));
    const PressOutcome packed = pressAnswering(window, "pushButton");
    QVERIFY2(packed.problem.isEmpty() && packed.boxes.isEmpty(), qPrintable(packed.problem));
    const PressOutcome compressed = pressAnswering(window, "pushButton_5");
    QVERIFY2(compressed.problem.isEmpty() && compressed.boxes.isEmpty(),
             qPrintable(compressed.problem));

    const QString elsewhere = home.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere));
    QStringList arguments = {QStringLiteral("pack"),
                             inputs.package,
                             QStringLiteral("--compress"),
                             QStringLiteral("--desktop"),
                             elsewhere,
                             QStringLiteral("--name"),
                             inputs.name,
                             QStringLiteral("--homepage"),
                             inputs.website,
                             QStringLiteral("--contributor"),
                             inputs.contributor,
                             QStringLiteral("--description"),
                             inputs.info,
                             QStringLiteral("--logo"),
                             inputs.logo};
    for (const QString &shot : qAsConst(inputs.screenshots))
        arguments << QStringLiteral("--screenshot") << shot;
    const ProgramRun run = runProgram(arguments);
    QVERIFY(run.exitedNormally);
    QCOMPARE(run.exitCode, 0);

    const QString windowBundle = home.desktop() + QStringLiteral("/viewer");
    const QString cliBundle = elsewhere + QStringLiteral("/viewer");
    QVERIFY2(comparable(cliBundle) == comparable(windowBundle),
             qPrintable(snapshotDifference(comparable(windowBundle), comparable(cliBundle))));
    QCOMPARE(archiveMembers(elsewhere + QStringLiteral("/viewer.tar.gz")),
             archiveMembers(windowBundle + QStringLiteral(".tar.gz")));
    const QString fromWindow = unpack(windowBundle + QStringLiteral(".tar.gz"),
                                      home.filePath(QStringLiteral("unpacked/window")));
    const QString fromCli = unpack(elsewhere + QStringLiteral("/viewer.tar.gz"),
                                   home.filePath(QStringLiteral("unpacked/cli")));
    QVERIFY(!fromWindow.isEmpty() && !fromCli.isEmpty());
    QCOMPARE(comparable(fromCli + QStringLiteral("/viewer")),
             comparable(fromWindow + QStringLiteral("/viewer")));
}

// SIGTERM while a scaling runs: the tools stop, the staging goes, the
// earlier bundle and archive stay byte for byte, and the status says why.
void TestCli::stoppedPackKeepsEarlierBundle()
{
    TemporaryHome home;
    const QString package = makeInputPackage(home, QStringLiteral("viewer_1.0_all.deb"),
                                             QStringLiteral("viewer"), QStringLiteral("1.0"));
    const QString logo = makeInputImage(home, QStringLiteral("logo.png"), QSize(256, 256));
    const QString shot = makeInputImage(home, QStringLiteral("shot.png"), QSize(800, 600));
    QVERIFY(!package.isEmpty() && !logo.isEmpty() && !shot.isEmpty());
    const QStringList arguments = {QStringLiteral("pack"),
                                   package,
                                   QStringLiteral("--compress"),
                                   QStringLiteral("--name"),
                                   QStringLiteral("Viewer"),
                                   QStringLiteral("--contributor"),
                                   QStringLiteral("packer"),
                                   QStringLiteral("--description"),
                                   QStringLiteral("Shows pictures."),
                                   QStringLiteral("--logo"),
                                   logo,
                                   QStringLiteral("--screenshot"),
                                   shot};
    QCOMPARE(runProgram(arguments).exitCode, 0);
    const auto before = folderSnapshot(home.desktop());

    ToolShelf shelf;
    QVERIFY(shelf.isComplete());
    QVERIFY(shelf.fakeHanging(QStringLiteral("convert")));
    QProcess program;
    program.setProcessEnvironment(commandLineEnvironment(shelf.path()));
    program.start(qEnvironmentVariable("PLINVEX_PROGRAM"),
                  arguments + QStringList{QStringLiteral("--description"),
                                          QStringLiteral("Shows pictures, again.")});
    QTRY_VERIFY(shelf.hangingToolStarted(QStringLiteral("convert")));
    program.terminate();
    QVERIFY(program.waitForFinished(-1));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 143);
    QVERIFY(shelf.hangingToolEnded(QStringLiteral("convert")));
    const QString difference = snapshotDifference(before, folderSnapshot(home.desktop()));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// `--explain` alone lists every tag of the book once; with a tag it prints
// that row, and checks nothing.
void TestCli::explainTellsTheBook()
{
    TemporaryHome home;
    const ProgramRun list = runProgram({QStringLiteral("check"), QStringLiteral("--explain")});
    QCOMPARE(list.exitCode, 0);
    const QStringList lines =
        QString::fromUtf8(list.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), ruleBook().size());
    for (int i = 0; i < lines.size(); ++i) {
        const Rule &rule = ruleBook().at(i);
        QVERIFY2(lines.at(i).startsWith(severityName(rule.severity) + QLatin1Char(' ')),
                 qPrintable(lines.at(i)));
        QVERIFY2(lines.at(i).split(QLatin1Char(' '), Qt::SkipEmptyParts).value(1) == rule.tag,
                 qPrintable(lines.at(i)));
    }

    const Rule &rule = ruleBook().constLast();
    const ProgramRun one =
        runProgram({QStringLiteral("check"), rule.tag, QStringLiteral("--explain")});
    QCOMPARE(one.exitCode, 0);
    QCOMPARE(QString::fromUtf8(one.out), ruleExplanation(rule));
    QVERIFY(one.out.startsWith((rule.tag + QStringLiteral(" (")).toUtf8()));
    QVERIFY(one.err.isEmpty());
}

// The README's table is the book's as it stands; a change to the book
// needs the table written again.
void TestCli::readmeTableIsTheBooks()
{
    Q_INIT_RESOURCE(plinvex_translations);
    QTranslator english;
    QVERIFY(english.load(QStringLiteral("plinvex_en"), QStringLiteral(":/translations")));
    QCoreApplication::installTranslator(&english);
    const auto uninstall =
        qScopeGuard([&english] { QCoreApplication::removeTranslator(&english); });
    QFile readme(QStringLiteral(PLINVEX_SOURCE_DIR "/README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QString committed = findingsTableOf(QString::fromUtf8(readme.readAll()));
    QVERIFY2(!committed.isNull(), "README.md has lost its findings table markers");
    QVERIFY2(committed == findingsMarkdownTable(),
             "README.md's table of findings is not the rule book's: rewrite it with "
             "`cmake --build build --target readme-findings-table` and commit it");
}

// Code scanning takes a report whose every result points at a rule of its
// driver; a finding inside a bundle still points at the input given.
void TestCli::sarifNamesEveryRuleItUses()
{
    Finding empty;
    empty.tag = QStringLiteral("required-empty");
    empty.field = QStringLiteral("contributor");
    Finding small = empty;
    small.tag = QStringLiteral("screenshot-too-small");
    small.severity = Severity::Warning;
    small.field = QStringLiteral("screenshots");
    small.params =
        QStringList{QStringLiteral("200"), QStringLiteral("100"), QStringLiteral("screen_2.png")};
    small.member = QStringLiteral("viewer/screen_2.png");
    Finding ignored = empty;
    ignored.tag = QStringLiteral("homepage-not-url");
    ignored.severity = Severity::Info;
    ignored.ignored = true;
    InputReport package{QStringLiteral("inputs/viewer_1.0_all.deb"),
                        QStringLiteral("/work/inputs/viewer_1.0_all.deb"),
                        {empty, ignored},
                        {},
                        1};
    InputReport bundle{
        QStringLiteral("/work/viewer"), QStringLiteral("/work/viewer"), {small}, {}, 0};

    QJsonParseError error{};
    const QByteArray sarif = sarifReport({package, bundle});
    const QJsonObject document = QJsonDocument::fromJson(sarif, &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, sarif.constData());
    QCOMPARE(document.value(QStringLiteral("version")).toString(), QStringLiteral("2.1.0"));
    QVERIFY(document.contains(QStringLiteral("$schema")));
    const QJsonArray runs = document.value(QStringLiteral("runs")).toArray();
    QCOMPARE(runs.size(), 1);
    const QJsonObject driver = runs.at(0)
                                   .toObject()
                                   .value(QStringLiteral("tool"))
                                   .toObject()
                                   .value(QStringLiteral("driver"))
                                   .toObject();
    QCOMPARE(driver.value(QStringLiteral("name")).toString(), QStringLiteral("plinvex"));
    QSet<QString> ruleIds;
    for (const QJsonValue rule : driver.value(QStringLiteral("rules")).toArray())
        ruleIds << rule.toObject().value(QStringLiteral("id")).toString();
    QCOMPARE(ruleIds.size(), ruleBook().size());

    const QJsonArray results = runs.at(0).toObject().value(QStringLiteral("results")).toArray();
    QCOMPARE(results.size(), 3);
    QStringList levels;
    QSet<QString> fingerprints;
    for (const QJsonValue value : results) {
        const QJsonObject result = value.toObject();
        QVERIFY(ruleIds.contains(result.value(QStringLiteral("ruleId")).toString()));
        levels << result.value(QStringLiteral("level")).toString();
        fingerprints << result.value(QStringLiteral("partialFingerprints"))
                            .toObject()
                            .value(QStringLiteral("plinvexFinding/v1"))
                            .toString();
        QVERIFY(!result.value(QStringLiteral("message"))
                     .toObject()
                     .value(QStringLiteral("text"))
                     .toString()
                     .isEmpty());
    }
    QCOMPARE(levels, (QStringList{QStringLiteral("error"), QStringLiteral("note"),
                                  QStringLiteral("warning")}));
    QCOMPARE(fingerprints.size(), 3);
    QVERIFY(results.at(1).toObject().contains(QStringLiteral("suppressions")));
    const QJsonObject inBundle =
        results.at(2).toObject().value(QStringLiteral("locations")).toArray().at(0).toObject();
    QCOMPARE(inBundle.value(QStringLiteral("physicalLocation"))
                 .toObject()
                 .value(QStringLiteral("artifactLocation"))
                 .toObject()
                 .value(QStringLiteral("uri"))
                 .toString(),
             QStringLiteral("file:///work/viewer"));
    QCOMPARE(inBundle.value(QStringLiteral("logicalLocations"))
                 .toArray()
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("fullyQualifiedName"))
                 .toString(),
             small.member);
}

// A workflow command ends at the line's end and its properties at a comma:
// whatever a file name holds, each finding is one command naming its file.
void TestCli::githubCommandsEscape()
{
    const QString path = QStringLiteral("in,puts/view%er\n.deb");
    Finding notFile;
    notFile.tag = QStringLiteral("package-not-file");
    notFile.field = QStringLiteral("package");
    notFile.params = QStringList{path};
    Finding ignored = notFile;
    ignored.ignored = true;
    const QByteArray github = githubReport({{path, path, {notFile, ignored}, {}, 1}});
    QCOMPARE(github.count('\n'), 1);
    QVERIFY2(github.startsWith("::error file=in%2Cputs/view%25er%0A.deb,title=package-not-file::"),
             github.constData());
    QVERIFY2(github.endsWith("view%25er%0A.deb\n"), github.constData());
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
