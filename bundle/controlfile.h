// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CONTROLFILE_H
#define PLINVEX_CONTROLFILE_H

#include <QByteArray>
#include <QString>

struct Submission;

// The store wants every key of app.json filled: an optional field left empty
// (author, homepage) is written as this single blank, and the single blank
// read back from an earlier bundle counts as not given.
constexpr QLatin1String kOptionalFieldBlank(" ", 1);

// The twelve lines of app.json for a submission, as UTF-8.
QByteArray controlFileContents(const Submission &submission);

// Writes app.json at `path` whole, replacing any earlier one only once the new
// one is complete. False when it could not be written.
bool writeControlFile(const QString &path, const Submission &submission);

// A value as JSON needs it between quotes; everything that needs no escape,
// non-ASCII and "/" included, stays as it is.
QString escapeJsonValue(const QString &value);

#endif
