// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control file parser, on any bytes a control member may hold.

#include "package/readerparsers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray control(reinterpret_cast<const char *>(data), int(size));
    readerparsers::controlValues(control);
    return 0;
}
