# SPDX-FileCopyrightText: 2026 The Plinvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build tree into a fresh prefix and checks what landed there and
# that the desktop entry, the metainfo and the icons name one another.
# Usage: layout.sh CMAKE BUILD_DIR ROOT APP_ID VERSION "ICON_SIZES"
set -eu
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"

cmake=$1 build=$2 root=$3 id=$4 version=$5 sizes=$6

rm -rf "$root"
"$cmake" --install "$build" --prefix "$root" >/dev/null || fail "cmake --install failed"

{ [ -f "$root/bin/plinvex" ] && [ -x "$root/bin/plinvex" ]; } || fail "bin/plinvex missing or not executable"

desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml
man=$root/share/man/man1/plinvex.1.gz
completion=$root/share/bash-completion/completions/plinvex
for file in "$desktop" "$metainfo" "$man" "$completion"; do
    [ -f "$file" ] || fail "${file#"$root"/} not installed"
done

for size in $sizes; do
    icon=$root/share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$icon" ] || fail "icon ${size}x$size not installed"
    is_png "$icon" || fail "${icon#"$root"/} is not a PNG"
    actual=$(png_size "$icon")
    [ "$actual" = "${size}x$size" ] || fail "${icon#"$root"/} is $actual, not ${size}x$size"
done

# The desktop entry must start the installed program and find the themed icon.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
program=${exec_line%% *}
[ -x "$root/bin/$program" ] || fail "desktop Exec=$exec_line names no installed program"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "desktop Icon= is not $id"

# Software centres join the metainfo to the desktop entry by these ids.
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo <id> is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo launchable is not $id.desktop"
grep -q "<binary>$program</binary>" "$metainfo" || fail "metainfo does not provide binary $program"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "newest metainfo release is '$newest', the project is $version"

gzip -t "$man" || fail "man page is not valid gzip"
gzip -dc "$man" | grep -q "^\.TH PLINVEX 1 .*\"Plinvex $version\"" ||
    fail "man page header does not carry version $version"
if command -v man >/dev/null 2>&1; then
    # The way Debian's checks render a page: any groff warning is a fault.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$man" 2>&1 >/dev/null) || fail "man cannot render the page"
    [ -z "$warnings" ] || fail "man page warnings: $warnings"
else
    echo "note: man is not installed, the page was not rendered"
fi
if command -v mandoc >/dev/null 2>&1; then
    # mandoc is stricter about the header than groff, the date above all.
    lint=$(gzip -dc "$man" | mandoc -Tlint -W warning 2>&1) || fail "mandoc -Tlint: $lint"
else
    echo "note: mandoc is not installed, the page was not linted"
fi
# The completion must load in bash and offer the commands; it runs in the
# installed tree, where no file name starts with the word completed.
if command -v bash >/dev/null 2>&1; then
    offered=$(cd "$root" && bash -c '. "$1"; COMP_WORDS=(plinvex c); COMP_CWORD=1; _plinvex; echo "${COMPREPLY[*]}"' \
        sh "$completion") || fail "the bash completion does not load"
    [ "$offered" = check ] || fail "the bash completion offers '$offered' for 'plinvex c'"
fi
echo "installed tree in $root is complete"
