// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The SVG cleaner, then the drawing of what it leaves, as the reader
// draws an SVG logo. What the cleaner leaves must hold no way out of the
// document, whatever went in: any reference but one within it or an inline
// PNG ends the run as a finding.

#include "package/readerparsers.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void leak(const char *what, const QString &value)
{
    std::fprintf(stderr, "the cleaned SVG keeps %s: %s\n", what,
                 value.left(200).toUtf8().constData());
    std::abort();
}

void checkCleaned(const QByteArray &svg)
{
    static const QRegularExpression outside(
        QStringLiteral("url\\(\\s*['\"]?\\s*[^#'\"\\s]|@import"),
        QRegularExpression::CaseInsensitiveOption);
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
            leak("a document type or entity", reader.text().toString());
        if (token == QXmlStreamReader::Characters &&
            outside.match(reader.text().toString()).hasMatch())
            leak("an outside reference in text", reader.text().toString());
        if (token != QXmlStreamReader::StartElement)
            continue;
        for (const QXmlStreamAttribute &attribute : reader.attributes()) {
            const QString value = attribute.value().toString().trimmed();
            if (outside.match(value).hasMatch())
                leak("an outside url()", value);
            if (attribute.name() != QLatin1String("href"))
                continue;
            const bool inlinePng = reader.name() == QLatin1String("image") &&
                                   value.startsWith(QLatin1String("data:image/png;base64,"));
            if (!value.startsWith(QLatin1Char('#')) && !inlinePng)
                leak("an outside href", value);
        }
    }
    if (reader.hasError())
        leak("no well-formed XML", reader.errorString());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray svg(reinterpret_cast<const char *>(data), int(size));
    const QByteArray cleaned = readerparsers::cleanedSvg(svg);
    if (cleaned.isEmpty())
        return 0;
    checkCleaned(cleaned);
    readerparsers::drawnIcon(QStringLiteral("usr/share/icons/hicolor/scalable/apps/a.svg"), svg);
    return 0;
}
