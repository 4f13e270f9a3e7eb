# SPDX-FileCopyrightText: 2026 The Plinvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the main window the way the README picture is made and checks the
# result is a whole window-sized PNG.
# Usage: screenshot.sh RENDERER OUTPUT.png
set -eu
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"

renderer=$1 output=$2
rm -f "$output"
status=0
QT_QPA_PLATFORM=offscreen "$renderer" "$output" || status=$?
[ "$status" -ne 3 ] || skip "no font with Chinese glyphs is installed (apt package fonts-wqy-microhei)"
[ "$status" -eq 0 ] || fail "the renderer failed with status $status"
is_png "$output" || fail "$output is not a PNG"
size=$(png_size "$output")
[ "$size" = 944x640 ] || fail "the picture is $size, the window is 944x640"
echo "rendered $output ($size)"
