// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/foldersnapshot.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QMap<QString, QString> folderSnapshot(const QString &root)
{
    QMap<QString, QString> entries;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QString what;
        if (info.isSymLink()) {
            what = QStringLiteral("link to ") + info.symLinkTarget();
        } else if (info.isDir()) {
            what = QStringLiteral("folder");
        } else {
            QFile file(path);
            QCryptographicHash digest(QCryptographicHash::Sha1);
            if (file.open(QIODevice::ReadOnly) && digest.addData(&file))
                what = QStringLiteral("file ") + QString::fromLatin1(digest.result().toHex());
            else
                what = QStringLiteral("unreadable file");
        }
        entries.insert(base.relativeFilePath(path), what);
    }
    return entries;
}

QMap<QString, QString> without(QMap<QString, QString> snapshot, const QString &relative)
{
    const QString beneath = relative + QLatin1Char('/');
    for (auto it = snapshot.begin(); it != snapshot.end();) {
        if (it.key() == relative || it.key().startsWith(beneath))
            it = snapshot.erase(it);
        else
            ++it;
    }
    return snapshot;
}

QString snapshotDifference(const QMap<QString, QString> &before,
                           const QMap<QString, QString> &after)
{
    QStringList lines;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            lines << QStringLiteral("gone: ") + it.key();
        else if (after.value(it.key()) != it.value())
            lines << QStringLiteral("changed: %1 (%2 -> %3)")
                         .arg(it.key(), it.value(), after.value(it.key()));
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            lines << QStringLiteral("new: ") + it.key();
    }
    return lines.join(QLatin1Char('\n'));
}
