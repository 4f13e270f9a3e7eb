# SPDX-FileCopyrightText: 2026 The Plinvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one metadata validator on an installed file; skipped when the
# validator is not installed.
# Usage: validate.sh desktop|appstream FILE
set -eu
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"

kind=$1 file=$2
case $kind in
desktop) tool=desktop-file-validate package=desktop-file-utils ;;
appstream) tool=appstreamcli package=appstream ;;
*) fail "unknown validator $kind" ;;
esac
command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (apt package $package)"
[ -f "$file" ] || fail "$file does not exist"

if [ "$kind" = desktop ]; then
    # desktop-file-validate exits 0 on hints and warnings too; only silence passes.
    output=$(desktop-file-validate "$file" 2>&1) || fail "desktop-file-validate: $output"
    [ -z "$output" ] || fail "desktop-file-validate: $output"
else
    appstreamcli validate --no-net "$file" || fail "appstreamcli validate rejected $file"
fi
echo "$tool accepts $file"
