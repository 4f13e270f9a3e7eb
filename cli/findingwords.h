// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_CLI_FINDINGWORDS_H
#define PLINVEX_CLI_FINDINGWORDS_H

#include "engine/checkfindings.h"

#include <QStringList>

// A finding in the command line's words, in the UI language: what to give
// is named by its option ("give it with --contributor").
QString commandLineWords(const Finding &finding);

// The untranslated sources (context "CommandLine") the words of a finding
// of `tag` are made from; empty for a tag the command line cannot word.
QStringList commandLineWordSources(const QString &tag);

#endif
