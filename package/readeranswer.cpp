// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "package/readeranswer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject sourcedObject(const SourcedText &text)
{
    return {{QStringLiteral("value"), text.value},
            {QStringLiteral("source"), valueSourceName(text.source)}};
}

} // namespace

QByteArray encodeReaderAnswer(const PackageMetadata &metadata)
{
    const QJsonObject answer{
        {QStringLiteral("readable"), metadata.readable},
        {QStringLiteral("corrupt"), metadata.corrupt},
        {QStringLiteral("package"), metadata.package},
        {QStringLiteral("version"), metadata.version},
        {QStringLiteral("architecture"), metadata.architecture},
        {QStringLiteral("newestRelease"), metadata.newestRelease},
        {QStringLiteral("guessedEntry"), metadata.guessedEntry},
        {QStringLiteral("logoTheme"), metadata.logoTheme},
        {QStringLiteral("application"), metadata.application},
        {QStringLiteral("iconName"), metadata.iconName},
        {QStringLiteral("related"), QJsonArray::fromStringList(metadata.related)},
        {QStringLiteral("textsWithNul"), QJsonArray::fromStringList(metadata.textsWithNul)},
        {QStringLiteral("name"), sourcedObject(metadata.name)},
        {QStringLiteral("author"), sourcedObject(metadata.author)},
        {QStringLiteral("homepage"), sourcedObject(metadata.homepage)},
        {QStringLiteral("description"), sourcedObject(metadata.description)},
        {QStringLiteral("logo"),
         sourcedObject({QString::fromLatin1(metadata.logoPng.toBase64()), metadata.logoSource})},
    };
    return QJsonDocument(answer).toJson(QJsonDocument::Compact);
}
