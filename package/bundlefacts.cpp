// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/bundlefacts.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int skipSpace(const QByteArray &bytes, int at)
{
    while (at < bytes.size() && isSpace(bytes.at(at)))
        ++at;
    return at;
}

// The end of the string token that starts at `at` (its opening quote), just
// past its closing quote; -1 when it does not close.
int stringEnd(const QByteArray &bytes, int at)
{
    for (int i = at + 1; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\\')
            ++i;
        else if (bytes.at(i) == '"')
            return i + 1;
    }
    return -1;
}

// The end of the value that starts at `at`: a string, an array or object
// followed by depth count (no recursion on a stranger's nesting), or a bare
// word. -1 when it does not end.
int valueEnd(const QByteArray &bytes, int at)
{
    if (at >= bytes.size())
        return -1;
    const char first = bytes.at(at);
    if (first == '"')
        return stringEnd(bytes, at);
    if (first == '{' || first == '[') {
        int depth = 0;
        for (int i = at; i < bytes.size(); ++i) {
            const char c = bytes.at(i);
            if (c == '"') {
                i = stringEnd(bytes, i);
                if (i < 0)
                    return -1;
                --i;
            } else if (c == '{' || c == '[') {
                ++depth;
            } else if ((c == '}' || c == ']') && --depth == 0) {
                return i + 1;
            }
        }
        return -1;
    }
    int i = at;
    while (i < bytes.size() && !isSpace(bytes.at(i)) && bytes.at(i) != ',' && bytes.at(i) != '}')
        ++i;
    return i;
}

// One JSON value on its own, read by Qt's own parser.
bool jsonValue(const QByteArray &token, QJsonValue *value)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson('[' + token + ']', &error);
    if (error.error != QJsonParseError::NoError || !document.isArray() ||
        document.array().size() != 1)
        return false;
    *value = document.array().at(0);
    return true;
}

quint32 bigEndian(const QByteArray &bytes, int at)
{
    return quint32(quint8(bytes.at(at))) << 24 | quint32(quint8(bytes.at(at + 1))) << 16 |
           quint32(quint8(bytes.at(at + 2))) << 8 | quint32(quint8(bytes.at(at + 3)));
}

QJsonArray problemsArray(const QList<BundleProblem> &problems)
{
    QJsonArray array;
    for (const BundleProblem &problem : problems)
        array.append(
            QJsonObject{{QStringLiteral("tag"), problem.tag},
                        {QStringLiteral("member"), problem.member},
                        {QStringLiteral("params"), QJsonArray::fromStringList(problem.params)}});
    return array;
}

} // namespace

bool isUtf8(const QByteArray &bytes)
{
    const int size = bytes.size();
    for (int i = 0; i < size;) {
        const auto c = quint8(bytes.at(i));
        int more = 0;
        quint32 point = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xc2 && c <= 0xdf) {
            more = 1;
            point = c & 0x1f;
        } else if (c >= 0xe0 && c <= 0xef) {
            more = 2;
            point = c & 0x0f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            more = 3;
            point = c & 0x07;
        } else {
            return false;
        }
        if (i + more >= size)
            return false;
        for (int k = 1; k <= more; ++k) {
            const auto next = quint8(bytes.at(i + k));
            if ((next & 0xc0) != 0x80)
                return false;
            point = point << 6 | (next & 0x3f);
        }
        // Overlong forms, surrogates and points past U+10FFFF.
        if ((more == 2 && point < 0x800) || (more == 3 && point < 0x10000) ||
            (point >= 0xd800 && point <= 0xdfff) || point > 0x10ffff)
            return false;
        i += more + 1;
    }
    return true;
}

BundleControl readControlJson(const QByteArray &bytes)
{
    BundleControl control;
    control.present = true;
    control.utf8 = isUtf8(bytes);
    if (!control.utf8)
        return control;
    int at = skipSpace(bytes, 0);
    if (at >= bytes.size() || bytes.at(at) != '{') {
        // Valid JSON all the same, only not an object.
        QJsonValue value;
        control.json = jsonValue(bytes.mid(at), &value);
        return control;
    }
    at = skipSpace(bytes, at + 1);
    bool closed = false;
    if (at < bytes.size() && bytes.at(at) == '}') {
        closed = true;
        ++at;
    }
    while (!closed) {
        if (at >= bytes.size() || bytes.at(at) != '"')
            return control;
        const int keyEnd = stringEnd(bytes, at);
        QJsonValue key;
        if (keyEnd < 0 || !jsonValue(bytes.mid(at, keyEnd - at), &key))
            return control;
        at = skipSpace(bytes, keyEnd);
        if (at >= bytes.size() || bytes.at(at) != ':')
            return control;
        at = skipSpace(bytes, at + 1);
        const int end = valueEnd(bytes, at);
        QJsonValue value;
        if (end <= at || !jsonValue(bytes.mid(at, end - at), &value))
            return control;
        const QString name = key.toString();
        control.keys.append(name);
        if (!value.isString())
            control.notStrings.append(name);
        else if (!control.texts.contains(name))
            control.texts.insert(name, value.toString());
        at = skipSpace(bytes, end);
        if (at < bytes.size() && bytes.at(at) == ',') {
            at = skipSpace(bytes, at + 1);
        } else if (at < bytes.size() && bytes.at(at) == '}') {
            closed = true;
            ++at;
        } else {
            return control;
        }
    }
    at = skipSpace(bytes, at);
    if (at < bytes.size()) {
        // What an older writer left on a re-pack: a whole second object.
        if (bytes.at(at) != '{')
            return control;
        control.secondObject = true;
    }
    control.json = true;
    control.object = true;
    return control;
}

BundlePicture readPicture(const QByteArray &bytes)
{
    BundlePicture picture;
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (!bytes.startsWith(signature) || bytes.size() < 33)
        return picture;
    if (bigEndian(bytes, 8) != 13 || bytes.mid(12, 4) != "IHDR")
        return picture;
    const quint32 width = bigEndian(bytes, 16);
    const quint32 height = bigEndian(bytes, 20);
    picture.width = int(qMin<quint32>(width, 1U << 30));
    picture.height = int(qMin<quint32>(height, 1U << 30));
    static const QList<QByteArray> privateTypes = {"tEXt", "zTXt", "iTXt", "eXIf", "tIME"};
    qint64 at = 8;
    bool ended = false;
    while (at + 12 <= bytes.size()) {
        const qint64 length = bigEndian(bytes, int(at));
        if (length > bytes.size() - at - 12)
            break;
        const QByteArray type = bytes.mid(int(at) + 4, 4);
        if (type == "acTL")
            picture.animated = true;
        if (privateTypes.contains(type) &&
            !picture.privateChunks.contains(QString::fromLatin1(type)))
            picture.privateChunks.append(QString::fromLatin1(type));
        at += 12 + length;
        if (type == "IEND") {
            ended = true;
            break;
        }
    }
    // Decoded only when every chunk fits in the file and it claims a size a
    // real picture has: libpng allocates what a chunk claims before reading
    // it. One claiming more is judged by what it claims.
    constexpr qint64 kMostDecoded = qint64(4096) * 4096;
    bool decodes = true;
    if (ended && width > 0 && height > 0 && qint64(width) * height <= kMostDecoded)
        decodes = !QImage::fromData(bytes, "PNG").isNull();
    picture.png = ended && width > 0 && height > 0 && decodes;
    return picture;
}

QJsonObject encodeBundleFacts(const BundleFacts &facts, const QByteArray &packageAnswer)
{
    QJsonObject sizes;
    for (auto it = facts.sizes.cbegin(); it != facts.sizes.cend(); ++it)
        sizes.insert(it.key(), double(it.value()));
    QJsonObject pictures;
    for (auto it = facts.pictures.cbegin(); it != facts.pictures.cend(); ++it)
        pictures.insert(it.key(), QJsonObject{{QStringLiteral("png"), it->png},
                                              {QStringLiteral("width"), it->width},
                                              {QStringLiteral("height"), it->height},
                                              {QStringLiteral("animated"), it->animated},
                                              {QStringLiteral("chunks"),
                                               QJsonArray::fromStringList(it->privateChunks)}});
    const BundleControl &control = facts.control;
    QJsonObject texts;
    for (auto it = control.texts.cbegin(); it != control.texts.cend(); ++it)
        texts.insert(it.key(), it.value());
    return QJsonObject{
        {QStringLiteral("top"), facts.top},
        {QStringLiteral("problems"), problemsArray(facts.problems)},
        {QStringLiteral("files"), QJsonArray::fromStringList(facts.files)},
        {QStringLiteral("executables"), QJsonArray::fromStringList(facts.executables)},
        {QStringLiteral("others"), QJsonArray::fromStringList(facts.others)},
        {QStringLiteral("sizes"), sizes},
        {QStringLiteral("packages"), QJsonArray::fromStringList(facts.packages)},
        {QStringLiteral("packageMember"), facts.packageMember},
        {QStringLiteral("packageBytes"), double(facts.packageBytes)},
        {QStringLiteral("package"), QString::fromUtf8(packageAnswer)},
        {QStringLiteral("pictures"), pictures},
        {QStringLiteral("control"),
         QJsonObject{
             {QStringLiteral("present"), control.present},
             {QStringLiteral("tooLarge"), control.tooLarge},
             {QStringLiteral("utf8"), control.utf8},
             {QStringLiteral("json"), control.json},
             {QStringLiteral("object"), control.object},
             {QStringLiteral("secondObject"), control.secondObject},
             {QStringLiteral("keys"), QJsonArray::fromStringList(control.keys)},
             {QStringLiteral("texts"), texts},
             {QStringLiteral("notStrings"), QJsonArray::fromStringList(control.notStrings)}}},
    };
}
