// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandoutput.h"

#include "bundle/textlines.h"
#include "engine/checkfindings.h"

#include <QVector>

#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

void writeOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void writeLine(FILE *stream, const QString &line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// Outside strings JSON is ASCII, so only strings are touched.
QByteArray escapedJson(const QByteArray &json)
{
    const QString text = QString::fromUtf8(json);
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x7f && isHiddenCharacter(c.unicode()))
            escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped.toUtf8();
}

int outputWidth()
{
    bool number = false;
    const int columns = qEnvironmentVariableIntValue("COLUMNS", &number);
    if (number && columns > 0)
        return columns;
    winsize size{};
    if (::isatty(STDOUT_FILENO) == 1 && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 &&
        size.ws_col > 0)
        return size.ws_col;
    return 80;
}

QString shortened(const QString &line, int width)
{
    if (displayColumns(line) <= width)
        return line;
    const QVector<uint> characters = line.toUcs4();
    QString kept;
    int used = 0;
    for (const uint c : characters) {
        const QString one = QString::fromStdU32String(std::u32string(1, char32_t(c)));
        const int columns = displayColumns(one);
        if (used + columns > width - 1)
            break;
        kept += one;
        used += columns;
    }
    return kept + QStringLiteral("…");
}
