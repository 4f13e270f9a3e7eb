// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_FAILURETEXTS_H
#define PLINVEX_FAILURETEXTS_H

#include <QString>

struct ArchiveOutcome;
struct BundleOutcome;
struct ToolResult;

// The packager's words for what went wrong: the operations report facts,
// these say them.

// One line naming the tool and why it failed.
QString toolFailureText(const ToolResult &result);

// The error box text for a pack that did not build (any status but a refused
// input, which has its own box).
QString packFailureText(const BundleOutcome &outcome);

// The error box text for a compression that did not write the archive.
QString compressionFailureText(const ArchiveOutcome &outcome);

// The text of the box that refuses an input that is not a plain file.
QString notRegularFileText(const QString &path);

#endif
