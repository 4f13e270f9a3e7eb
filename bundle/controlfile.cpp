// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/controlfile.h"

#include "bundle/submission.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString escapeJsonValue(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar ch : value) {
        switch (ch.unicode()) {
        case '"':
            escaped += QLatin1String("\\\"");
            break;
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        case '\b':
            escaped += QLatin1String("\\b");
            break;
        case '\f':
            escaped += QLatin1String("\\f");
            break;
        default:
            if (ch.unicode() < 0x20)
                escaped += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
            else
                escaped += ch;
        }
    }
    return escaped;
}

QByteArray controlFileContents(const Submission &s)
{
    const QList<QPair<QLatin1String, QString>> fields = {
        {QLatin1String("Name"), s.appName},
        {QLatin1String("Version"), s.version},
        {QLatin1String("Filename"), QFileInfo(s.debPath).fileName()},
        {QLatin1String("Pkgname"), s.pkgName},
        {QLatin1String("Author"), s.author},
        {QLatin1String("Contributor"), s.contributor},
        {QLatin1String("Website"), s.website},
        {QLatin1String("Update"), s.updateTime},
        {QLatin1String("Size"), s.sizeText},
        {QLatin1String("More"), s.moreText},
    };
    QString text = QStringLiteral("{\n");
    for (int i = 0; i < fields.size(); ++i) {
        const bool last = i == fields.size() - 1;
        text += QStringLiteral("   \"") + fields[i].first + QStringLiteral("\":\"") +
                escapeJsonValue(fields[i].second) +
                (last ? QStringLiteral("\"\n") : QStringLiteral("\",\n"));
    }
    text += QStringLiteral("}\n");
    return text.toUtf8();
}

bool writeControlFile(const QString &path, const Submission &submission)
{
    // QSaveFile writes through a link to its target; a link standing at
    // app.json must not lead the write out of the bundle folder.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray contents = controlFileContents(submission);
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
