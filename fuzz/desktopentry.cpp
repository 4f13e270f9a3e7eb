// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop entry parser, on any bytes an entry may hold.

#include "package/readerparsers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray entry(reinterpret_cast<const char *>(data), int(size));
    readerparsers::desktopEntryValues(entry);
    return 0;
}
