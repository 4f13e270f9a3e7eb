// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/sizetext.h"

#include <QLatin1Char>

QString formatSize(qint64 bytes)
{
    constexpr qint64 kUnit = 1024;
    if (bytes <= kUnit)
        return QString::number(bytes) + QStringLiteral(".00B");

    // The MB value comes from whole KB and the GB value from whole MB, so the
    // bytes below a whole unit play no part, as the store expects.
    qint64 base = bytes;
    const char *unit = "KB";
    if (bytes / kUnit > kUnit) {
        base = bytes / kUnit;
        unit = "MB";
    }
    if (bytes / (kUnit * kUnit) > kUnit) {
        base = bytes / (kUnit * kUnit);
        unit = "GB";
    }
    const qint64 thousandths = base * 1000 / kUnit;
    const qint64 hundredths = (thousandths + 5) / 10;
    return QString::number(hundredths / 100) + QLatin1Char('.') +
           QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0')) +
           QLatin1String(unit);
}
