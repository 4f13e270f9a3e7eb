// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_TEXTLINES_H
#define PLINVEX_TEXTLINES_H

#include <QString>

// Han, Kana, Hangul (and Bopomofo), and the CJK and full-width punctuation
// and forms (U+3000–U+303F, U+FF00–U+FFEF): characters written without
// blanks between words.
bool isCjkCharacter(char32_t c);

// How many terminal columns the text takes: East Asian wide and full-width
// characters two, combining marks (Mn, Me) and the zero-width U+200B–U+200D
// none, everything else one; by code point, a surrogate pair being one.
int displayColumns(const QString &text);

// The description as the store's one-line "More" value. A line break between
// two characters that are neither CJK nor blank becomes one blank, as Latin
// prose needs; any other break is simply removed, as Chinese needs. Empty
// lines and a carriage return before a line feed are part of the one break.
// A line that is a list item ("• ", or "- " or "* " after any blanks) is set
// off from what precedes it by exactly one blank, whatever the script.
QString joinDescriptionLines(const QString &description);

#endif
