// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/bundlelayout.h"

#include <limits>

namespace {

const QLatin1String kScreenshotPrefix("screen_");
const QLatin1String kScreenshotSuffix(".png");

} // namespace

QString bundleIconName()
{
    return QStringLiteral("icon.png");
}

QString bundleControlFileName()
{
    return QStringLiteral("app.json");
}

QString screenshotFileName(int number)
{
    return kScreenshotPrefix + QString::number(number) + kScreenshotSuffix;
}

int screenshotNumber(const QString &fileName)
{
    const int digitCount =
        int(fileName.size()) - int(kScreenshotPrefix.size()) - int(kScreenshotSuffix.size());
    if (digitCount <= 0 || !fileName.startsWith(kScreenshotPrefix) ||
        !fileName.endsWith(kScreenshotSuffix))
        return 0;
    const QStringView digits = QStringView(fileName).mid(kScreenshotPrefix.size(), digitCount);
    // Only ASCII digits, the first not 0: no sign, no blank, no second
    // spelling of a number that screenshotFileName already spells.
    if (digits.front() == QLatin1Char('0'))
        return 0;
    qint64 number = 0;
    for (const QChar ch : digits) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return 0;
        number = number * 10 + (ch.unicode() - '0');
        if (number > std::numeric_limits<int>::max())
            return 0;
    }
    return int(number);
}
