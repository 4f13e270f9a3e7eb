// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_COMMANDOUTPUT_H
#define PLINVEX_COMMANDOUTPUT_H

#include <QByteArray>
#include <QString>

#include <cstdio>

// Bytes to standard output, flushed at once.
void writeOut(const QByteArray &bytes);

// One line to `stream` in UTF-8, whatever the locale's encoding, as JSON must be.
void writeLine(FILE *stream, const QString &line);

// A JSON text with every hidden character written as a \uNNNN escape: the
// same document to a parser, and nothing raw for a terminal it is printed on.
QByteArray escapedJson(const QByteArray &json);

// How wide the lines of the text report may be: COLUMNS when set, else the
// terminal's own width when standard output is one, else 80.
int outputWidth();

// The line cut with "…" to `width` columns, by whole characters.
QString shortened(const QString &line, int width);

#endif
