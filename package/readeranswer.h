// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_READERANSWER_H
#define PLINVEX_READERANSWER_H

#include "package/packagemetadata.h"

#include <QByteArray>

// The most companion packages one reading is handed besides the package.
constexpr int kMostCompanions = 8;

// The answer the reader prints, as JSON; the program that started the reader
// trusts none of it before decodeReaderAnswer() (confinedreader.h) checked it.
QByteArray encodeReaderAnswer(const PackageMetadata &metadata);

#endif
