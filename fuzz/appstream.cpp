// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The AppStream parser, on any bytes a metainfo file may hold, read for
// a Chinese and an English UI as the reader does.

#include "package/readerparsers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray component(reinterpret_cast<const char *>(data), int(size));
    readerparsers::appStreamValues(component, {QStringLiteral("zh_CN"), QStringLiteral("zh")});
    readerparsers::appStreamValues(component, {QStringLiteral("en")});
    return 0;
}
