# SPDX-FileCopyrightText: 2026 The Plinvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Helpers shared by the install, package and screenshot checks (sourced, POSIX sh).

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# CTest counts exit code 77 as skipped (SKIP_RETURN_CODE).
skip() {
    echo "SKIP: $*"
    exit 77
}

# Prints "<width>x<height>" of a PNG, read from its IHDR chunk.
png_size() {
    # shellcheck disable=SC2046  # od prints the eight bytes as separate words
    set -- $(od -An -tu1 -j16 -N8 "$1")
    [ $# -eq 8 ] || return 1
    echo "$(($1 * 16777216 + $2 * 65536 + $3 * 256 + $4))x$(($5 * 16777216 + $6 * 65536 + $7 * 256 + $8))"
}

# True when the file starts with the PNG signature.
is_png() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = 89504e470d0a1a0a ]
}
