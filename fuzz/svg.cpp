// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The SVG cleaner, then the drawing of what it leaves, as the reader
// draws an SVG logo.

#include "package/readerparsers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray svg(reinterpret_cast<const char *>(data), int(size));
    if (readerparsers::cleanedSvg(svg).isEmpty())
        return 0;
    readerparsers::drawnIcon(QStringLiteral("usr/share/icons/hicolor/scalable/apps/a.svg"), svg);
    return 0;
}
