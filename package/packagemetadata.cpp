// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/packagemetadata.h"

#include "bundle/pngcheck.h"
#include "package/debiansyntax.h"
#include "package/debreader.h"
#include "package/readerparsers.h"

#include <QBuffer>
#include <QDate>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// A logo larger than this is no icon; its header is checked before any
// pixel is decoded, so a tiny file cannot ask for gigabytes of image.
constexpr int kMaxIconSide = 4096;
constexpr int kSvgSide = 256;
// Real icons and AppStream files stay far below these; a document beyond
// them is refused whole rather than drawn or parsed at length.
constexpr int kSvgElementCap = 20000;
constexpr int kXmlDepthCap = 64;
constexpr int kXmlElementCap = 100000;
constexpr int kEmbeddedImageCap = 4 << 20;
// An icon whose opaque part (alpha 128 or more) covers less than this share
// of its canvas, in percent, shows as next to nothing: an SVG drawn without
// its text, a blank placeholder. The next candidate is taken instead.
constexpr int kVisibleShare = 5;
// Real icons come in a handful of sizes per theme; a package naming many
// more would have each decoded in turn.
constexpr int kTriedCandidates = 24;
// The text files with a NUL the answer names; the first few tell enough.
constexpr int kNulTextsCap = 16;

const QString kApplications = QStringLiteral("usr/share/applications/");
const QString kMetainfo = QStringLiteral("usr/share/metainfo/");
const QString kAppdata = QStringLiteral("usr/share/appdata/");
const QString kHicolor = QStringLiteral("usr/share/icons/hicolor/");
const QString kPixmaps = QStringLiteral("usr/share/pixmaps/");
const QString kIconThemes = QStringLiteral("usr/share/icons/");

// The files directly in `folder`, not beneath a folder of it.
QString directChild(const QString &path, const QString &folder)
{
    if (!path.startsWith(folder))
        return {};
    const QString name = path.mid(folder.size());
    return name.contains(QLatin1Char('/')) ? QString() : name;
}

bool isDesktopEntryPath(const QString &path)
{
    return directChild(path, kApplications).endsWith(QLatin1String(".desktop"));
}

bool isAppStreamPath(const QString &path)
{
    const QString inMetainfo = directChild(path, kMetainfo);
    return inMetainfo.endsWith(QLatin1String(".metainfo.xml")) ||
           inMetainfo.endsWith(QLatin1String(".appdata.xml")) ||
           directChild(path, kAppdata).endsWith(QLatin1String(".xml"));
}

bool isIconPath(const QString &path)
{
    if (!directChild(path, kPixmaps).isEmpty())
        return true;
    static const QRegularExpression themed(
        QStringLiteral("^usr/share/icons/hicolor/([0-9]+x[0-9]+|scalable)/apps/[^/]+$"));
    return themed.match(path).hasMatch();
}

// An icon of a theme other than hicolor: "usr/share/icons/<theme>/<a>/<b>/<file>".
bool isOtherThemeIconPath(const QString &path)
{
    return path.startsWith(kIconThemes) && !path.startsWith(kHicolor) &&
           (path.endsWith(QLatin1String(".png")) || path.endsWith(QLatin1String(".svg"))) &&
           path.count(QLatin1Char('/')) == 6;
}

qint64 firstPassCap(const QString &path)
{
    if (isDesktopEntryPath(path) || isAppStreamPath(path))
        return kTextCap;
    if (isIconPath(path))
        return kIconCap;
    // Only listed, not held: a further pass reads the few the entry names.
    return isOtherThemeIconPath(path) ? 1 : 0;
}

// The bytes of the package's files, following its links within the
// package; files the first pass could not hold are read in one more pass.
class PackageFiles
{
public:
    PackageFiles(int debFd, DebScan scan)
        : debFd(debFd)
        , scan(std::move(scan))
    {
    }

    QStringList names() const { return scan.names; }

    // Asks for the files at `paths` (each with its cap) to be at hand.
    void prefetch(const QHash<QString, qint64> &paths)
    {
        QHash<QString, qint64> missing;
        for (auto it = paths.constBegin(); it != paths.constEnd(); ++it) {
            const QString real = resolvePackagePath(scan.links, it.key());
            if (!real.isEmpty() && !scan.held.contains(real) && !scan.tooLarge.contains(real) &&
                !fetched.contains(real))
                missing.insert(real, it.value());
        }
        if (missing.isEmpty())
            return;
        const DebScan more =
            scanDeb(debFd, [&missing](const QString &path) { return missing.value(path); });
        for (auto it = missing.constBegin(); it != missing.constEnd(); ++it)
            fetched.insert(it.key(), more.held.value(it.key()));
    }

    // The files one more pass finds by `wanted`, held as far as their caps
    // allow: for what a first pass could not know to look for.
    QStringList find(const HoldRequest &wanted)
    {
        const DebScan more = scanDeb(debFd, wanted);
        for (auto it = more.held.constBegin(); it != more.held.constEnd(); ++it)
            fetched.insert(it.key(), it.value());
        return more.names;
    }

    QByteArray bytes(const QString &path) const
    {
        const QString real = resolvePackagePath(scan.links, path);
        if (real.isEmpty())
            return {};
        const auto it = scan.held.constFind(real);
        return it != scan.held.constEnd() ? *it : fetched.value(real);
    }

private:
    int debFd;
    DebScan scan;
    QHash<QString, QByteArray> fetched;
};

// A text file's bytes as text, whole: a NUL does not end it (as it would
// end a QString made from the bytes) but stands as U+FFFD.
QString wholeText(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.constData(), int(bytes.size()))
        .replace(QChar(0), QChar(QChar::ReplacementCharacter));
}

// A text by language: "" for the untranslated one.
using Localised = QHash<QString, QString>;

QString pickLanguage(const Localised &texts, const QStringList &languages)
{
    for (const QString &language : languages) {
        QString text = texts.value(language);
        if (!text.isEmpty())
            return text;
    }
    return texts.value(QString());
}

struct ControlFields
{
    QString package;
    QString version;
    QString architecture;
    QString homepage;
    QString description;
    QString extendedDescription; // the description without its first line
    QStringList related;         // the packages named in Depends, Pre-Depends and Recommends
};

// The package names of a relationship field: "a (>= 1), b | c:any" gives
// a, b and c.
QStringList relatedNames(const QString &field)
{
    constexpr int kRelatedCap = 256;
    constexpr int kRelatedNameCap = 256; // what the answer takes; no real name comes near
    QStringList names;
    for (const QString &alternatives : field.split(QLatin1Char(','))) {
        for (const QString &relation : alternatives.split(QLatin1Char('|'))) {
            const QString name =
                relation.trimmed().section(QLatin1Char(' '), 0, 0).section(QLatin1Char(':'), 0, 0);
            if (!name.isEmpty() && name.size() <= kRelatedNameCap && names.size() < kRelatedCap &&
                !names.contains(name))
                names.append(name);
        }
    }
    return names;
}

// Debian's description: the first line, then the extended text with the one
// leading blank of each line removed and a lone "." as an empty line.
QString debianDescription(const QStringList &lines)
{
    QStringList out;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (i > 0) {
            line.remove(0, 1);
            if (line.trimmed() == QLatin1String("."))
                line.clear();
        }
        out.append(line);
    }
    while (!out.isEmpty() && out.last().trimmed().isEmpty())
        out.removeLast();
    return out.join(QLatin1Char('\n'));
}

ControlFields parseControl(const QByteArray &control)
{
    QHash<QString, QStringList> fields;
    QString current;
    const QStringList lines = wholeText(control).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1Char('\t'))) {
            if (!current.isEmpty())
                fields[current].append(line);
            continue;
        }
        const int colon = line.indexOf(QLatin1Char(':'));
        if (line.trimmed().isEmpty()) {
            if (!fields.isEmpty())
                break; // only the first paragraph describes the package
            continue;
        }
        if (colon <= 0) {
            current.clear();
            continue;
        }
        current = line.left(colon).trimmed().toLower();
        fields[current] = QStringList{line.mid(colon + 1).trimmed()};
    }
    // A control file may be far larger than any answer holds; a value
    // beyond that is no value a store takes, and is cut to fit.
    const auto first = [&fields](const char *name) {
        const QStringList value = fields.value(QLatin1String(name));
        return value.isEmpty() ? QString() : value.first().left(int(kTextCap));
    };
    ControlFields result;
    result.package = first("package");
    result.version = first("version");
    result.architecture = first("architecture");
    result.homepage = first("homepage");
    result.description =
        debianDescription(fields.value(QStringLiteral("description"))).left(int(kTextCap));
    result.extendedDescription = result.description.section(QLatin1Char('\n'), 1);
    result.related = relatedNames(first("depends") + QLatin1Char(',') + first("pre-depends") +
                                  QLatin1Char(',') + first("recommends"));
    return result;
}

struct DesktopEntry
{
    QString id; // the file name
    bool application = false;
    bool noDisplay = false;
    Localised name;
    Localised comment;
    QString icon;
    QString program;       // the file name of the program Exec starts
    bool settings = false; // in the Settings category
};

// The program an Exec line starts, without its folder: `env A=b prog %f`
// starts prog.
QString execProgram(const QString &exec)
{
    const QStringList words = exec.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int at = 0;
    if (words.value(0) == QLatin1String("env")) {
        at = 1;
        while (at < words.size() && words.at(at).contains(QLatin1Char('=')))
            ++at;
    }
    QString program = words.value(at);
    program.remove(QLatin1Char('"'));
    return program.section(QLatin1Char('/'), -1);
}

QString unescapeDesktopValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            out += next;
        }
    }
    return out;
}

// Only the [Desktop Entry] group: actions carry a Name of their own.
DesktopEntry parseDesktopEntry(const QString &id, const QByteArray &contents)
{
    DesktopEntry entry;
    entry.id = id;
    bool inMainGroup = false;
    static const QRegularExpression localisedKey(QStringLiteral("^([A-Za-z0-9-]+)\\[([^]]+)\\]$"));
    for (const QString &rawLine : wholeText(contents).split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals <= 0)
            continue;
        QString key = line.left(equals).trimmed();
        const QString value = unescapeDesktopValue(line.mid(equals + 1).trimmed());
        QString language;
        const QRegularExpressionMatch match = localisedKey.match(key);
        if (match.hasMatch()) {
            key = match.captured(1);
            language = match.captured(2);
        }
        if (key == QLatin1String("Name"))
            entry.name.insert(language, value);
        else if (key == QLatin1String("Comment"))
            entry.comment.insert(language, value);
        else if (!language.isEmpty())
            continue;
        else if (key == QLatin1String("Type"))
            entry.application = value == QLatin1String("Application");
        else if (key == QLatin1String("NoDisplay"))
            entry.noDisplay = value == QLatin1String("true");
        else if (key == QLatin1String("Icon"))
            entry.icon = value;
        else if (key == QLatin1String("Exec"))
            entry.program = execProgram(value);
        else if (key == QLatin1String("Categories"))
            entry.settings = value.split(QLatin1Char(';')).contains(QLatin1String("Settings"));
    }
    return entry;
}

// The newest of the component's releases: the one with the latest time
// stamp or date, else the first listed, as AppStream lists newest first.
struct Release
{
    QString version;
    qint64 time = -1;
};

struct AppStreamComponent
{
    QString type;
    QString id;
    QString launchable;
    QString homepage;
    Localised name;
    Localised summary;
    Localised developerName;    // <developer><name>
    Localised developerNameOld; // <developer_name>
    // The paragraphs and list items in their order, each with the
    // translations that follow it; and whole descriptions given in one
    // language, <description xml:lang="…">.
    QList<Localised> paragraphs;
    QHash<QString, QStringList> description;
    Release newestRelease;
};

bool isApplicationComponent(const QString &type)
{
    return type == QLatin1String("desktop-application") || type == QLatin1String("desktop") ||
           type == QLatin1String("console-application") || type == QLatin1String("web-application");
}

QString xmlLanguage(const QXmlStreamReader &xml, const QString &inherited)
{
    const QString lang = xml.attributes().value(QLatin1String("xml:lang")).toString();
    return lang.isEmpty() ? inherited : QString(lang).replace(QLatin1Char('-'), QLatin1Char('_'));
}

// Called on <description>; returns past its end. Lists nest, so the
// languages of the open lists are kept on a stack of their own rather than
// in the call stack, which a deeply nested document would run out.
void readDescription(QXmlStreamReader &xml, const QString &language, AppStreamComponent *component)
{
    QStringList open{language};
    while (!open.isEmpty() && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            open.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QString lang = xmlLanguage(xml, open.last());
        const bool item = xml.name() == QLatin1String("li");
        if (item || xml.name() == QLatin1String("p")) {
            const QString text =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
            const QString line = item ? QStringLiteral("• ") + text : text;
            if (text.isEmpty()) {
                continue;
            } else if (!language.isEmpty()) {
                component->description[lang].append(line);
            } else if (lang.isEmpty()) {
                component->paragraphs.append(Localised{{QString(), line}});
            } else if (!component->paragraphs.isEmpty() &&
                       !component->paragraphs.last().contains(lang)) {
                // A translation stands right after the text it translates.
                component->paragraphs.last().insert(lang, line);
            }
        } else if (xml.name() == QLatin1String("ul") || xml.name() == QLatin1String("ol")) {
            open.append(lang);
        } else {
            xml.skipCurrentElement();
        }
    }
}

// Whether an XML document stays within the nesting and element caps, read
// once without building anything.
bool withinXmlCaps(const QByteArray &contents, int elementCap)
{
    QXmlStreamReader xml(contents);
    int depth = 0;
    int elements = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > kXmlDepthCap || ++elements > elementCap)
                return false;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return !xml.hasError();
}

void readReleases(QXmlStreamReader &xml, Release *newest)
{
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("release")) {
            xml.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        Release release{attributes.value(QLatin1String("version")).toString().trimmed()};
        bool ok = false;
        const qint64 stamp = attributes.value(QLatin1String("timestamp")).toLongLong(&ok);
        if (ok) {
            release.time = stamp;
        } else {
            const QDate date = QDate::fromString(
                attributes.value(QLatin1String("date")).toString().left(10), Qt::ISODate);
            if (date.isValid())
                release.time = date.startOfDay(Qt::UTC).toSecsSinceEpoch();
        }
        if (!release.version.isEmpty() &&
            (newest->version.isEmpty() || release.time > newest->time))
            *newest = release;
        xml.skipCurrentElement();
    }
}

AppStreamComponent parseAppStream(const QByteArray &contents, bool *ok)
{
    AppStreamComponent component;
    *ok = false;
    if (!withinXmlCaps(contents, kXmlElementCap))
        return component;
    QXmlStreamReader xml(contents);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("component"))
        return component;
    component.type = xml.attributes().value(QLatin1String("type")).toString();
    while (xml.readNextStartElement()) {
        const QString lang = xmlLanguage(xml, QString());
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            component.name.insert(lang, xml.readElementText().simplified());
        } else if (name == QLatin1String("summary")) {
            component.summary.insert(lang, xml.readElementText().simplified());
        } else if (name == QLatin1String("developer_name")) {
            component.developerNameOld.insert(lang, xml.readElementText().simplified());
        } else if (name == QLatin1String("developer")) {
            while (xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("name")) {
                    xml.skipCurrentElement();
                    continue;
                }
                // The language first: reading the text moves past the attributes.
                const QString nameLanguage = xmlLanguage(xml, QString());
                component.developerName.insert(nameLanguage, xml.readElementText().simplified());
            }
        } else if (name == QLatin1String("url")) {
            const bool homepage =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("homepage");
            const QString url = xml.readElementText().trimmed();
            if (homepage && component.homepage.isEmpty())
                component.homepage = url;
        } else if (name == QLatin1String("id")) {
            component.id = xml.readElementText().trimmed();
        } else if (name == QLatin1String("launchable")) {
            const bool desktopId =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("desktop-id");
            const QString id = xml.readElementText().trimmed();
            if (desktopId && component.launchable.isEmpty())
                component.launchable = id;
        } else if (name == QLatin1String("description")) {
            readDescription(xml, lang, &component);
        } else if (name == QLatin1String("releases")) {
            readReleases(xml, &component.newestRelease);
        } else {
            xml.skipCurrentElement();
        }
    }
    *ok = !xml.hasError();
    return component;
}

bool isCjk(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7AF) ||
           (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

// A first line that more text follows ends as a sentence does in its
// script, so the lines read as prose once joined: a line holding CJK text
// with "。", any other with "." (a Chinese line naming an "IDE" included).
// A full stop of the other script is replaced.
QString asFirstSentence(const QString &line)
{
    static const QString ends = QStringLiteral("!！?？:：…");
    QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || ends.contains(trimmed.back()))
        return trimmed;
    const bool cjk = std::any_of(trimmed.cbegin(), trimmed.cend(), isCjk);
    if (trimmed.back() == QLatin1Char('.') || trimmed.back() == QChar(0x3002))
        trimmed.chop(1);
    return trimmed + (cjk ? QStringLiteral("。") : QStringLiteral("."));
}

// The summary, then the description's paragraphs and list items, one a line.
QString appStreamInfo(const AppStreamComponent &component, const QStringList &languages)
{
    QStringList lines;
    const QString summary = pickLanguage(component.summary, languages);
    if (!summary.isEmpty())
        lines.append(summary);
    // A whole description in the language wins; else each paragraph in its
    // translation, or as written where it has none.
    QStringList description;
    for (const QString &language : languages) {
        if (component.description.contains(language)) {
            description = component.description.value(language);
            break;
        }
    }
    if (description.isEmpty()) {
        for (const Localised &paragraph : component.paragraphs)
            description.append(pickLanguage(paragraph, languages));
    }
    if (description.isEmpty())
        description = component.description.value(QString());
    if (!lines.isEmpty() && !description.isEmpty())
        lines.first() = asFirstSentence(lines.first());
    lines += description;
    return lines.join(QLatin1Char('\n'));
}

// Without AppStream: the entry's comment as the first line, then the
// control file's extended description; nothing without a comment, so the
// control text stands alone.
QString entryAndControlInfo(const QString &comment, const ControlFields &control)
{
    if (comment.trimmed().isEmpty())
        return {};
    if (control.extendedDescription.trimmed().isEmpty())
        return comment.trimmed();
    return asFirstSentence(comment) + QLatin1Char('\n') + control.extendedDescription;
}

// The control file's description, its first line ending as a sentence when
// the extended text follows.
QString controlInfo(const ControlFields &control)
{
    if (control.extendedDescription.trimmed().isEmpty())
        return control.description;
    return asFirstSentence(control.description.section(QLatin1Char('\n'), 0, 0)) +
           QLatin1Char('\n') + control.extendedDescription;
}

// The main entry: the one AppStream names, else <package>.desktop, else one
// that starts the program named as the package (shown in menus or not: a
// configuration tool often hides its own entry), else the first application
// shown in menus that is no settings panel, else the first shown at all.
// `guessed` tells whether the last two rules chose among several.
const DesktopEntry *mainEntry(const QList<DesktopEntry> &entries, const QString &launchable,
                              const QString &package, bool *guessed)
{
    *guessed = false;
    const auto first = [&entries](const std::function<bool(const DesktopEntry &)> &wanted) {
        const auto it = std::find_if(entries.cbegin(), entries.cend(), wanted);
        return it == entries.cend() ? nullptr : &*it;
    };
    const auto shown = [](const DesktopEntry &e) {
        return e.application && !e.noDisplay;
    };
    if (const DesktopEntry *named = first([&launchable](const DesktopEntry &e) {
            return !launchable.isEmpty() && e.id == launchable;
        }))
        return named;
    const QString ownId = package + QStringLiteral(".desktop");
    if (const DesktopEntry *own = first([&](const DesktopEntry &e) { return e.id == ownId; }))
        return own;
    if (const DesktopEntry *starts =
            first([&](const DesktopEntry &e) { return shown(e) && e.program == package; }))
        return starts;
    if (const DesktopEntry *starts =
            first([&](const DesktopEntry &e) { return e.application && e.program == package; }))
        return starts;
    *guessed = std::count_if(entries.cbegin(), entries.cend(), shown) > 1;
    if (const DesktopEntry *application =
            first([&](const DesktopEntry &e) { return shown(e) && !e.settings; }))
        return application;
    return first(shown);
}

// What an icon file really is, told by its first bytes and never by its
// name: a PNG under an .svg name is a PNG, an SVG under a .png name is an
// SVG, and anything else (ICO, gzip, …) is no icon at all.
enum class IconKind { None, Png, Xpm, Svg };

IconKind iconKindOf(const QByteArray &bytes, bool inPixmaps)
{
    if (hasPngSignature(bytes))
        return IconKind::Png;
    // XPM is the old pixmaps folder's format only.
    if (inPixmaps && bytes.startsWith("/* XPM */"))
        return IconKind::Xpm;
    int at = bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;
    while (at < bytes.size() && QByteArray(" \t\r\n").contains(bytes.at(at)))
        ++at;
    return at < bytes.size() && bytes.at(at) == '<' ? IconKind::Svg : IconKind::None;
}

// Decodes with the one decoder `format` names, never one the content picks,
// and only after the header's size is within kMaxIconSide.
QImage decodeRaster(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > kMaxIconSide ||
        size.height() > kMaxIconSide)
        return {};
    return reader.read();
}

bool isLocalReference(QStringView value)
{
    return value.trimmed().startsWith(QLatin1Char('#'));
}

// An embedded picture is drawn only when it is a PNG of icon size, handed
// inline: Qt SVG would decode whatever the data holds, and load any other
// reference from this computer's files.
bool isSafeEmbeddedImage(QStringView href)
{
    static const QString prefix = QStringLiteral("data:image/png;base64,");
    const QStringView trimmed = href.trimmed();
    if (!trimmed.startsWith(prefix) || trimmed.size() - prefix.size() > kEmbeddedImageCap)
        return false;
    const QByteArray png = QByteArray::fromBase64(trimmed.mid(prefix.size()).toLatin1(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    return pngHeaderSize(png).isValid() && pngChunksFit(png);
}

// Whether an element may stay in the drawing: no text (drawing glyphs needs
// a font database the reader does not have), nothing scripted or foreign,
// and no reference to anything outside the document.
bool isSafeSvgElement(const QXmlStreamReader &reader)
{
    static const QSet<QString> dropped{
        QStringLiteral("text"),   QStringLiteral("textArea"),     QStringLiteral("tspan"),
        QStringLiteral("font"),   QStringLiteral("font-face"),    QStringLiteral("flowRoot"),
        QStringLiteral("script"), QStringLiteral("foreignObject")};
    const QString name = reader.name().toString();
    if (dropped.contains(name))
        return false;
    for (const QXmlStreamAttribute &attribute : reader.attributes()) {
        if (attribute.name() != QLatin1String("href"))
            continue;
        if (name == QLatin1String("image") ? !isSafeEmbeddedImage(attribute.value())
                                           : !isLocalReference(attribute.value()))
            return false;
    }
    return true;
}

// Whether a style text or attribute points out of the document: a url()
// to anything but one of its own elements, or a style sheet import.
bool leadsOutside(QStringView text)
{
    static const QRegularExpression outside(
        QStringLiteral("url\\(\\s*['\"]?\\s*[^#'\"\\s]|@import"),
        QRegularExpression::CaseInsensitiveOption);
    return outside.match(text.toString()).hasMatch();
}

QXmlStreamAttributes safeSvgAttributes(const QXmlStreamAttributes &attributes)
{
    QXmlStreamAttributes kept;
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (!leadsOutside(attribute.value()))
            kept.append(attribute);
    }
    return kept;
}

// The SVG rewritten to what may be drawn (see isSafeSvgElement), or empty
// when it is no well-formed SVG within the element and nesting caps.
QByteArray safeSvg(const QByteArray &svg)
{
    QByteArray out;
    QXmlStreamReader reader(svg);
    QXmlStreamWriter writer(&out);
    int depth = 0;
    int elements = 0;
    int skipping = 0;
    int written = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > kXmlDepthCap || ++elements > kSvgElementCap)
                return {};
            if (skipping > 0 || !isSafeSvgElement(reader)) {
                ++skipping;
                continue;
            }
            // Names stay as written, prefixes and their declarations too: the
            // renderer looks attributes up by prefix ("xlink:href"), and a
            // prefix the writer made up would lose every reference within
            // the drawing.
            writer.writeStartElement(reader.qualifiedName().toString());
            ++written;
            for (const QXmlStreamNamespaceDeclaration &declaration :
                 reader.namespaceDeclarations()) {
                const QString prefix = declaration.prefix().toString();
                writer.writeAttribute(prefix.isEmpty() ? QStringLiteral("xmlns")
                                                       : QStringLiteral("xmlns:") + prefix,
                                      declaration.namespaceUri().toString());
            }
            for (const QXmlStreamAttribute &attribute : safeSvgAttributes(reader.attributes()))
                writer.writeAttribute(attribute.qualifiedName().toString(),
                                      attribute.value().toString());
            continue;
        }
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (skipping > 0)
                --skipping;
            else
                writer.writeEndElement();
            continue;
        }
        // Document type declarations and entity references stay out: only
        // elements, their text and the document's frame are drawn.
        if (skipping > 0 || token == QXmlStreamReader::DTD ||
            token == QXmlStreamReader::EntityReference ||
            token == QXmlStreamReader::ProcessingInstruction ||
            token == QXmlStreamReader::Invalid ||
            (token == QXmlStreamReader::Characters && leadsOutside(reader.text())))
            continue;
        writer.writeCurrentToken(reader);
    }
    // A document whose root was left out is no drawing at all.
    return reader.hasError() || written == 0 ? QByteArray() : out;
}

QImage renderSvg(const QByteArray &bytes)
{
    const QByteArray svg = safeSvg(bytes);
    if (svg.isEmpty())
        return {};
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QImage image(kSvgSide, kSvgSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

QByteArray encodePng(const QImage &image)
{
    if (image.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? png : QByteArray();
}

// The icon files to try for `icon`, best first: the smallest PNG of at least
// 128 px, the scalable SVG, the largest PNG of at least 48 px, then pixmaps.
QStringList iconCandidates(const QString &icon, const QStringList &names)
{
    if (icon.startsWith(QLatin1Char('/'))) {
        const QString path = normalisedPackagePath(icon);
        if (path.isEmpty())
            return {};
        return {path};
    }
    QString theme = icon;
    static const QRegularExpression extension(QStringLiteral("\\.(png|svg|xpm)$"));
    theme.remove(extension);
    if (theme.isEmpty() || theme.contains(QLatin1Char('/')))
        return {};
    static const QRegularExpression sized(
        QStringLiteral("^usr/share/icons/hicolor/([0-9]{1,5})x([0-9]{1,5})/apps/(.+)\\.png$"));
    QList<QPair<int, QString>> pngs;
    QString svg;
    QStringList pixmaps;
    for (const QString &name : names) {
        const QRegularExpressionMatch match = sized.match(name);
        if (match.hasMatch() && match.captured(3) == theme &&
            match.captured(1).toInt() == match.captured(2).toInt()) {
            pngs.append({match.captured(1).toInt(), name});
        } else if (name ==
                   kHicolor + QStringLiteral("scalable/apps/") + theme + QStringLiteral(".svg")) {
            svg = name;
        }
    }
    for (const char *suffix : {".png", ".svg", ".xpm"}) {
        const QString name = kPixmaps + theme + QLatin1String(suffix);
        if (std::find(names.cbegin(), names.cend(), name) != names.cend())
            pixmaps.append(name);
    }
    // The old pixmaps folder often names its sizes: "xterm_48x48.xpm".
    static const QRegularExpression pixmapSized(
        QStringLiteral("^usr/share/pixmaps/(.+)_([0-9]{1,4})x([0-9]{1,4})\\.(png|xpm)$"));
    QList<QPair<int, QString>> sizedPixmaps;
    for (const QString &name : names) {
        if (!name.startsWith(kPixmaps))
            continue;
        const QRegularExpressionMatch match = pixmapSized.match(name);
        if (match.hasMatch() && match.captured(1) == theme)
            sizedPixmaps.append({match.captured(2).toInt(), name});
    }
    std::sort(sizedPixmaps.begin(), sizedPixmaps.end());
    for (auto it = sizedPixmaps.crbegin(); it != sizedPixmaps.crend(); ++it)
        pixmaps.append(it->second);
    std::sort(pngs.begin(), pngs.end());
    QStringList candidates;
    for (const auto &png : pngs) {
        if (png.first >= 128)
            candidates.append(png.second);
    }
    if (!svg.isEmpty())
        candidates.append(svg);
    for (auto it = pngs.crbegin(); it != pngs.crend(); ++it) {
        if (it->first >= 48 && it->first < 128)
            candidates.append(it->second);
    }
    return candidates + pixmaps;
}

// The icon files of `icon` in the icon themes other than hicolor, best
// first by the same rule within each theme, the themes by name. Themes lay
// their folders out as "48x48/apps", "48x48@2/apps", "scalable/apps" or
// "apps/48"; any context folder counts.
QStringList otherThemeCandidates(const QString &icon, const QStringList &names)
{
    if (icon.isEmpty() || icon.contains(QLatin1Char('/')))
        return {};
    QString bare = icon;
    static const QRegularExpression extension(QStringLiteral("\\.(png|svg|xpm)$"));
    bare.remove(extension);
    if (bare.isEmpty())
        return {};
    const QString png = QLatin1Char('/') + bare + QStringLiteral(".png");
    const QString svg = QLatin1Char('/') + bare + QStringLiteral(".svg");
    static const QRegularExpression size(
        QStringLiteral("^(?:([0-9]{1,4})(?:x([0-9]{1,4}))?(?:@([1-4])x?)?|(scalable))$"));
    struct Found
    {
        QList<QPair<int, QString>> pngs;
        QList<QPair<int, QString>> svgs; // scalable ones as the largest
    };
    QMap<QString, Found> themes;
    for (const QString &name : names) {
        if (!name.startsWith(kIconThemes) || name.startsWith(kHicolor) ||
            (!name.endsWith(png) && !name.endsWith(svg)))
            continue;
        const QStringList parts = name.mid(kIconThemes.size()).split(QLatin1Char('/'));
        if (parts.size() != 4)
            continue;
        int side = -1;
        for (const QString &part : {parts.at(1), parts.at(2)}) {
            const QRegularExpressionMatch match = size.match(part);
            if (!match.hasMatch())
                continue;
            if (!match.captured(4).isEmpty()) {
                side = 1 << 20;
            } else if (match.captured(2).isEmpty() || match.captured(2) == match.captured(1)) {
                const int scale = match.captured(3).isEmpty() ? 1 : match.captured(3).toInt();
                side = match.captured(1).toInt() * scale;
            }
        }
        if (side <= 0)
            continue;
        Found &found = themes[parts.at(0)];
        (name.endsWith(png) ? found.pngs : found.svgs).append({side, name});
    }
    QStringList candidates;
    for (Found &found : themes) {
        std::sort(found.pngs.begin(), found.pngs.end());
        std::sort(found.svgs.begin(), found.svgs.end());
        for (const auto &file : qAsConst(found.pngs)) {
            if (file.first >= 128)
                candidates.append(file.second);
        }
        for (auto it = found.svgs.crbegin(); it != found.svgs.crend(); ++it)
            candidates.append(it->second);
        for (auto it = found.pngs.crbegin(); it != found.pngs.crend(); ++it) {
            if (it->first >= 48 && it->first < 128)
                candidates.append(it->second);
        }
    }
    return candidates;
}

// The theme other than hicolor an icon file belongs to; empty for hicolor,
// pixmaps or a path of its own.
QString iconThemeOf(const QString &path)
{
    if (path.startsWith(kHicolor))
        return {};
    return path.startsWith(kIconThemes)
               ? path.mid(kIconThemes.size()).section(QLatin1Char('/'), 0, 0)
               : QString();
}

// Whether enough of the picture is opaque to be seen; one without an alpha
// channel is opaque all over.
bool isVisible(const QImage &image)
{
    if (image.isNull())
        return false;
    if (!image.hasAlphaChannel())
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qint64 opaque = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            opaque += qAlpha(line[x]) >= 128 ? 1 : 0;
    }
    return opaque * 100 >= qint64(argb.width()) * argb.height() * kVisibleShare;
}

QImage decodeIcon(const QString &path, const QByteArray &bytes)
{
    switch (iconKindOf(bytes, path.startsWith(kPixmaps))) {
    case IconKind::Png:
        return pngChunksFit(bytes) ? decodeRaster(bytes, "png") : QImage();
    case IconKind::Xpm:
        return decodeRaster(bytes, "xpm");
    case IconKind::Svg:
        return renderSvg(bytes);
    case IconKind::None:
        break;
    }
    return {};
}

struct ChosenLogo
{
    QByteArray png;
    QString theme; // the icon theme other than hicolor it came from
};

// The first of the candidates that decodes to a visible picture.
ChosenLogo firstVisible(PackageFiles &files, QStringList candidates)
{
    candidates = candidates.mid(0, kTriedCandidates);
    QHash<QString, qint64> wanted;
    for (const QString &candidate : candidates)
        wanted.insert(candidate, kIconCap);
    files.prefetch(wanted);
    for (const QString &candidate : candidates) {
        const QByteArray bytes = files.bytes(candidate);
        if (bytes.isEmpty())
            continue;
        const QImage image = decodeIcon(candidate, bytes);
        if (!isVisible(image))
            continue;
        QByteArray png = encodePng(image);
        if (!png.isEmpty())
            return {png, iconThemeOf(candidate)};
    }
    return {};
}

// In hicolor and the pixmaps folder, or (`otherThemes`) in every other theme.
ChosenLogo chooseLogo(PackageFiles &files, const QString &icon, bool otherThemes = false)
{
    return firstVisible(files, otherThemes ? otherThemeCandidates(icon, files.names())
                                           : iconCandidates(icon, files.names()));
}

} // namespace

bool isCoarseIcon(const QSize &size)
{
    return size.isValid() && size.width() < 128 && size.height() < 128;
}

QSize pngHeaderSize(const QByteArray &png)
{
    quint32 width = 0;
    quint32 height = 0;
    if (!pngHeaderSides(png, width, height))
        return {};
    if (width == 0 || height == 0 || width > kMaxIconSide || height > kMaxIconSide)
        return {};
    return QSize(int(width), int(height));
}

QStringList metadataLanguages(bool english)
{
    return english ? QStringList{QStringLiteral("en")}
                   : QStringList{QStringLiteral("zh_CN"), QStringLiteral("zh")};
}

namespace {

// Whether `path` is an icon file named `icons` holds (without extension) in
// an icon theme other than hicolor: "usr/share/icons/<theme>/<a>/<b>/<name>".
bool isOtherThemeIcon(const QString &path, const QSet<QString> &icons)
{
    return isOtherThemeIconPath(path) &&
           icons.contains(path.section(QLatin1Char('/'), -1).chopped(4));
}

// The icon names as theme files name them, without an extension.
QSet<QString> bareIconNames(const QStringList &icons)
{
    QSet<QString> bare;
    static const QRegularExpression extension(QStringLiteral("\\.(png|svg|xpm)$"));
    for (QString icon : icons) {
        icon.remove(extension);
        if (!icon.isEmpty() && !icon.contains(QLatin1Char('/')))
            bare.insert(icon);
    }
    return bare;
}

// The companion packages, each read once and only when something is looked
// for in them: their AppStream files, the icons of hicolor and pixmaps, and
// the entries' icons in every other theme at hand.
class Companions
{
public:
    Companions(const QList<int> &fds, const QStringList &icons)
        : fds(fds)
        , icons(bareIconNames(icons))
    {
    }

    std::vector<PackageFiles> &files()
    {
        if (!scanned) {
            scanned = true;
            for (const int fd : fds) {
                DebScan scan = scanDeb(fd, [this](const QString &path) {
                    if (isAppStreamPath(path))
                        return kTextCap;
                    return isIconPath(path) || isOtherThemeIcon(path, icons) ? kIconCap : 0;
                });
                if (scan.isDeb)
                    read.emplace_back(fd, std::move(scan));
            }
        }
        return read;
    }

private:
    QList<int> fds;
    QSet<QString> icons;
    bool scanned = false;
    std::vector<PackageFiles> read;
};

// The application's AppStream component from a companion, found by the
// desktop entry it launches: -data and -common packages often hold it.
bool companionAppStream(Companions &companions, const QList<DesktopEntry> &entries,
                        AppStreamComponent *found)
{
    QSet<QString> ids;
    for (const DesktopEntry &entry : entries)
        ids.insert(entry.id);
    if (ids.isEmpty())
        return false;
    for (PackageFiles &files : companions.files()) {
        QStringList paths;
        for (const QString &name : files.names()) {
            if (isAppStreamPath(name))
                paths.append(name);
        }
        std::sort(paths.begin(), paths.end());
        for (const QString &path : qAsConst(paths)) {
            bool ok = false;
            AppStreamComponent component = parseAppStream(files.bytes(path), &ok);
            const bool launches = ids.contains(component.launchable) ||
                                  ids.contains(component.id) ||
                                  ids.contains(component.id + QStringLiteral(".desktop"));
            if (ok && launches) {
                *found = std::move(component);
                return true;
            }
        }
    }
    return false;
}

// What the package leaves out, taken from its companions: every value from
// the first companion that has desktop or AppStream data when the package
// has none.
void completeFromCompanions(PackageMetadata *metadata, const QList<int> &companionFds,
                            const QStringList &languages, bool ownData)
{
    const auto take = [](SourcedText *field, const SourcedText &found) {
        if (field->value.isEmpty() && !found.value.isEmpty())
            *field = {found.value, ValueSource::Companion};
    };
    for (const int fd : companionFds) {
        if (ownData)
            break;
        const PackageMetadata companion = readPackageMetadata(fd, {}, languages);
        if (companion.name.source != ValueSource::AppStream &&
            companion.name.source != ValueSource::DesktopEntry)
            continue;
        take(&metadata->name, companion.name);
        take(&metadata->author, companion.author);
        take(&metadata->homepage, companion.homepage);
        if (metadata->description.source == ValueSource::Control ||
            metadata->description.value.isEmpty())
            metadata->description = {companion.description.value, ValueSource::Companion};
        metadata->application = metadata->application || companion.application;
        if (metadata->logoPng.isEmpty() && !companion.logoPng.isEmpty()) {
            metadata->logoPng = companion.logoPng;
            metadata->logoSource = ValueSource::Companion;
            metadata->logoTheme = companion.logoTheme;
            metadata->iconName.clear();
        }
        break;
    }
}

int pixelsOf(const QByteArray &png)
{
    const QSize size = pngHeaderSize(png);
    return size.isValid() ? size.width() * size.height() : 0;
}

// The logo for `icon`: hicolor and pixmaps in the package, then in each
// companion, then every other icon theme in the package and its companions.
// A visible icon of the store's size ends the search; below that size the
// largest found is kept, as a later place may hold a finer one.
void chooseEntryLogo(PackageMetadata *metadata, PackageFiles &own, Companions &companions,
                     const QString &icon)
{
    const auto consider = [metadata](const ChosenLogo &found, ValueSource source) {
        if (pixelsOf(found.png) > pixelsOf(metadata->logoPng)) {
            metadata->logoPng = found.png;
            metadata->logoSource = source;
            metadata->logoTheme = found.theme;
        }
        return !metadata->logoPng.isEmpty() && !isCoarseIcon(pngHeaderSize(metadata->logoPng));
    };
    if (consider(chooseLogo(own, icon), ValueSource::DesktopEntry))
        return;
    for (PackageFiles &files : companions.files()) {
        if (consider(chooseLogo(files, icon), ValueSource::Companion))
            return;
    }
    const QSet<QString> wanted = bareIconNames({icon});
    const auto themedIcon = [&wanted](const QString &path) {
        return isOtherThemeIcon(path, wanted);
    };
    const QStringList ownNames = own.names();
    if (std::any_of(ownNames.cbegin(), ownNames.cend(), themedIcon)) {
        const QStringList themed = own.find(
            [&themedIcon](const QString &path) { return themedIcon(path) ? kIconCap : 0; });
        if (consider(firstVisible(own, otherThemeCandidates(icon, themed)),
                     ValueSource::DesktopEntry))
            return;
    }
    for (PackageFiles &files : companions.files()) {
        if (consider(chooseLogo(files, icon, true), ValueSource::Companion))
            return;
    }
}

// The package's own name and version as dpkg-deb reads them, both or
// neither: what it refuses is no name a bundle or a check may go by.
void takeOwnIdentity(PackageMetadata *metadata, const ControlFields &control)
{
    metadata->package = debianPackageName(control.package);
    if (!metadata->package.isEmpty() && isDebianVersion(control.version))
        metadata->version = control.version.trimmed();
    else
        metadata->package.clear();
}

} // namespace

PackageMetadata readPackageMetadata(int debFd, const QList<int> &companionFds,
                                    const QStringList &languages)
{
    DebScan scan = scanDeb(debFd, firstPassCap);
    const ControlFields control = parseControl(scan.control);
    if (!scan.isDeb) {
        PackageMetadata broken;
        broken.corrupt = scan.corrupt;
        // dpkg-deb names a package by its control member alone, whatever follows.
        takeOwnIdentity(&broken, control);
        return broken;
    }
    if (control.package.isEmpty())
        return {};
    QStringList textsWithNul;
    if (scan.control.contains('\0'))
        textsWithNul.append(QStringLiteral("DEBIAN/control"));
    PackageFiles files(debFd, std::move(scan));

    // Sets, not lists: a package may name many thousands of files.
    QSet<QString> desktopNames;
    QSet<QString> appStreamNames;
    QHash<QString, qint64> texts;
    for (const QString &name : files.names()) {
        if (isDesktopEntryPath(name))
            desktopNames.insert(name);
        else if (isAppStreamPath(name))
            appStreamNames.insert(name);
        else
            continue;
        texts.insert(name, kTextCap);
    }
    QStringList desktopPaths(desktopNames.cbegin(), desktopNames.cend());
    QStringList appStreamPaths(appStreamNames.cbegin(), appStreamNames.cend());
    std::sort(desktopPaths.begin(), desktopPaths.end());
    std::sort(appStreamPaths.begin(), appStreamPaths.end());
    files.prefetch(texts);

    // With several AppStream files, the application's own counts, not an
    // add-on's or a font's that the package also ships.
    AppStreamComponent appStream;
    bool haveAppStream = false;
    for (const QString &path : appStreamPaths) {
        bool ok = false;
        const QByteArray contents = files.bytes(path);
        if (contents.contains('\0') && textsWithNul.size() < kNulTextsCap)
            textsWithNul.append(path);
        const AppStreamComponent component = parseAppStream(contents, &ok);
        if (!ok)
            continue;
        const bool application = component.type == QLatin1String("desktop-application") ||
                                 component.type == QLatin1String("desktop");
        if (!haveAppStream || application) {
            appStream = component;
            haveAppStream = true;
        }
        if (application)
            break;
    }
    QList<DesktopEntry> entries;
    for (const QString &path : desktopPaths) {
        const QByteArray contents = files.bytes(path);
        if (contents.contains('\0') && textsWithNul.size() < kNulTextsCap)
            textsWithNul.append(path);
        if (!contents.isEmpty())
            entries.append(parseDesktopEntry(path.mid(kApplications.size()), contents));
    }
    QStringList icons;
    for (const DesktopEntry &each : entries)
        icons.append(each.icon);
    Companions companions(companionFds, icons);
    ValueSource appStreamSource = ValueSource::AppStream;
    if (!haveAppStream && companionAppStream(companions, entries, &appStream)) {
        haveAppStream = true;
        appStreamSource = ValueSource::Companion;
    }
    bool guessed = false;
    const DesktopEntry *entry = mainEntry(entries, appStream.launchable, control.package, &guessed);

    PackageMetadata metadata;
    metadata.readable = true;
    takeOwnIdentity(&metadata, control);
    metadata.architecture = control.architecture;
    metadata.newestRelease = appStream.newestRelease.version;
    metadata.application = (haveAppStream && isApplicationComponent(appStream.type)) ||
                           std::any_of(entries.cbegin(), entries.cend(),
                                       [](const DesktopEntry &e) { return e.application; });
    if (entry && guessed)
        metadata.guessedEntry = entry->id;
    const auto fill = [](SourcedText *field, const QString &value, ValueSource source) {
        if (field->value.isEmpty() && !value.trimmed().isEmpty())
            *field = {value, source};
    };
    fill(&metadata.name, pickLanguage(appStream.name, languages), appStreamSource);
    if (entry)
        fill(&metadata.name, pickLanguage(entry->name, languages), ValueSource::DesktopEntry);
    QString author = pickLanguage(appStream.developerName, languages);
    if (author.isEmpty())
        author = pickLanguage(appStream.developerNameOld, languages);
    fill(&metadata.author, author, appStreamSource);
    fill(&metadata.homepage, appStream.homepage, appStreamSource);
    fill(&metadata.homepage, control.homepage, ValueSource::Control);
    fill(&metadata.description, appStreamInfo(appStream, languages), appStreamSource);
    if (entry)
        fill(&metadata.description,
             entryAndControlInfo(pickLanguage(entry->comment, languages), control),
             ValueSource::DesktopEntry);
    fill(&metadata.description, controlInfo(control), ValueSource::Control);
    metadata.description.value.truncate(int(kTextCap));

    if (entry && !entry->icon.isEmpty()) {
        metadata.iconName = entry->icon;
        chooseEntryLogo(&metadata, files, companions, entry->icon);
    }
    metadata.related = control.related;
    metadata.textsWithNul = textsWithNul;
    completeFromCompanions(&metadata, companionFds, languages, entry || haveAppStream);
    return metadata;
}

bool isDebianPackageName(const QString &name)
{
    static const QRegularExpression debian(QStringLiteral("^[a-z0-9][a-z0-9+.-]+$"));
    return debian.match(name).hasMatch();
}

QStringList readerparsers::controlValues(const QByteArray &control)
{
    const ControlFields fields = parseControl(control);
    return QStringList{fields.package, fields.version, fields.architecture, fields.homepage,
                       fields.description} +
           fields.related;
}

QStringList readerparsers::desktopEntryValues(const QByteArray &entry)
{
    const DesktopEntry parsed = parseDesktopEntry(QStringLiteral("fuzz.desktop"), entry);
    return {parsed.id, parsed.name.value(QString()), parsed.comment.value(QString()), parsed.icon,
            parsed.program};
}

QStringList readerparsers::appStreamValues(const QByteArray &component,
                                           const QStringList &languages)
{
    bool ok = false;
    const AppStreamComponent parsed = parseAppStream(component, &ok);
    if (!ok)
        return {};
    return {parsed.type,
            parsed.launchable,
            parsed.homepage,
            pickLanguage(parsed.name, languages),
            pickLanguage(parsed.developerName, languages),
            appStreamInfo(parsed, languages),
            parsed.newestRelease.version};
}

QByteArray readerparsers::cleanedSvg(const QByteArray &svg)
{
    return safeSvg(svg);
}

QImage readerparsers::drawnIcon(const QString &path, const QByteArray &bytes)
{
    return decodeIcon(path, bytes);
}
