// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/bundlecheckjob.h"

#include <QFileInfo>

InputKind inputKindOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QFileInfo(path + QStringLiteral("/app.json")).isFile() ? InputKind::BundleFolder
                                                                      : InputKind::Unknown;
    return info.isFile() ? InputKind::Package : InputKind::Unknown;
}

BundleCheckJob::BundleCheckJob(QString path, QObject *parent)
    : Job(parent)
    , path(std::move(path))
{
}

void BundleCheckJob::begin()
{
    finish();
}

void BundleCheckJob::callOff() {}
