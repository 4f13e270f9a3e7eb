// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/bundlelayout.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

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

bool isBundlePlaceTaken(const QString &bundleDir)
{
    const QFileInfo place(bundleDir);
    return place.isSymLink() || (place.exists() && !place.isDir());
}

BundleFile::BundleFile(const QString &path, qint64 cap)
    : cap(cap)
{
    fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > cap) {
        ::close(fd);
        fd = -1;
    }
}

BundleFile::~BundleFile()
{
    if (fd >= 0)
        ::close(fd);
}

QByteArray BundleFile::readAll()
{
    return read(cap);
}

QByteArray BundleFile::read(qint64 most)
{
    QByteArray content;
    if (fd < 0)
        return content;
    // The cap holds even for a file that grows while it is read.
    const qint64 limit = qMin(most, cap);
    char buffer[16384];
    while (content.size() < limit) {
        const qint64 wanted = qMin<qint64>(qint64(sizeof buffer), limit - content.size());
        const ssize_t got = ::read(fd, buffer, size_t(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        content.append(buffer, int(got));
    }
    return content;
}
