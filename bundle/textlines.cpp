// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bundle/textlines.h"

#include <QChar>
#include <QVector>

#include <string>

namespace {

bool within(char32_t c, char32_t first, char32_t last)
{
    return c >= first && c <= last;
}

// East Asian Width W and F, in ranges; close enough for counting columns of
// names and descriptions, which is all it is for.
bool isWide(char32_t c)
{
    return within(c, 0x1100, 0x115F) || within(c, 0x231A, 0x231B) || within(c, 0x2329, 0x232A) ||
           within(c, 0x23E9, 0x23EC) || within(c, 0x25FD, 0x25FE) || within(c, 0x2614, 0x2615) ||
           within(c, 0x2E80, 0x303E) || within(c, 0x3041, 0x33FF) || within(c, 0x3400, 0x4DBF) ||
           within(c, 0x4E00, 0x9FFF) || within(c, 0xA000, 0xA4CF) || within(c, 0xA960, 0xA97F) ||
           within(c, 0xAC00, 0xD7A3) || within(c, 0xF900, 0xFAFF) || within(c, 0xFE10, 0xFE19) ||
           within(c, 0xFE30, 0xFE6F) || within(c, 0xFF00, 0xFF60) || within(c, 0xFFE0, 0xFFE6) ||
           within(c, 0x16FE0, 0x18AFF) || within(c, 0x1B000, 0x1B2FF) ||
           within(c, 0x1F004, 0x1F004) || within(c, 0x1F200, 0x1F2FF) ||
           within(c, 0x1F300, 0x1F64F) || within(c, 0x1F680, 0x1F6FF) ||
           within(c, 0x1F900, 0x1F9FF) || within(c, 0x20000, 0x2FFFD) ||
           within(c, 0x30000, 0x3FFFD);
}

bool isZeroWidth(char32_t c)
{
    if (within(c, 0x200B, 0x200D))
        return true;
    const QChar::Category category = QChar::category(uint(c));
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing;
}

bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t';
}

// A character that ends a line: the line feed, and a carriage return that
// stands before one.
bool isBreak(const QVector<uint> &text, int at)
{
    return text.at(at) == '\n' ||
           (text.at(at) == '\r' && at + 1 < text.size() && text.at(at + 1) == '\n');
}

// Where the line starting at `at` begins a list item, past the blanks that
// indent it: "• ", or a control file's "- " or "* " bullet. -1 for any other line.
int listItemStart(const QVector<uint> &text, int at)
{
    while (at < text.size() && isBlank(text.at(at)))
        ++at;
    if (at + 1 >= text.size() || !isBlank(text.at(at + 1)))
        return -1;
    const uint bullet = text.at(at);
    return bullet == U'\u2022' || bullet == '-' || bullet == '*' ? at : -1;
}

} // namespace

bool isCjkCharacter(char32_t c)
{
    if (within(c, 0x3000, 0x303F) || within(c, 0xFF00, 0xFFEF))
        return true;
    switch (QChar::script(uint(c))) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
        return true;
    default:
        return false;
    }
}

int displayColumns(const QString &text)
{
    int columns = 0;
    for (const uint c : text.toUcs4()) {
        if (isZeroWidth(c))
            continue;
        columns += isWide(c) ? 2 : 1;
    }
    return columns;
}

QString joinDescriptionLines(const QString &description)
{
    const QVector<uint> text = description.toUcs4();
    // A UTF-32 string rather than a vector: Qt 5 and 6 both build a QString from it.
    std::u32string joined;
    joined.reserve(size_t(text.size()));
    for (int i = 0; i < text.size();) {
        if (!isBreak(text, i)) {
            joined.push_back(char32_t(text.at(i++)));
            continue;
        }
        // One break however many empty lines it spans: the paragraph's end
        // still reads as one space between two sentences.
        const int start = i;
        while (i < text.size() && isBreak(text, i))
            ++i;
        if (start == 0 || i == text.size())
            continue;
        const char32_t before = text.at(start - 1);
        // A list item stands apart by one blank in every script, its indent
        // dropped, so the items do not run into each other.
        const int item = listItemStart(text, i);
        if (item >= 0) {
            if (!isBlank(before))
                joined.push_back(U' ');
            i = item;
            continue;
        }
        const char32_t after = text.at(i);
        if (!isCjkCharacter(before) && !isCjkCharacter(after) && !isBlank(before) &&
            !isBlank(after))
            joined.push_back(U' ');
    }
    return QString::fromStdU32String(joined);
}
