# Builds Plinvex's Debian package from the build tree with cpack, then reads it
# back with dpkg-deb: control fields, file list and an unpacked copy.
# Usage: package.sh CPACK CPACK_CONFIG VERSION APP_ID "ICON_SIZES"
set -eu
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"

cpack=$1 config=$2 version=$3 id=$4 sizes=$5

# cpack needs both to work out the library dependencies.
command -v dpkg-shlibdeps >/dev/null 2>&1 || skip "dpkg-shlibdeps is not installed (apt package dpkg-dev)"
command -v file >/dev/null 2>&1 || skip "file is not installed (apt package file)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$cpack" -G DEB --config "$config" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack -G DEB failed"
fi
set -- "$work"/*.deb
{ [ $# -eq 1 ] && [ -f "$1" ]; } || fail "cpack made no single .deb: $*"
deb=$1
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "plinvex_${version}_$arch.deb" ] || fail "unexpected file name $(basename "$deb")"

field() {
    dpkg-deb -f "$deb" "$1"
}

expect_field() {
    [ "$(field "$1")" = "$2" ] || fail "$1 is '$(field "$1")', expected '$2'"
}

# Names in a relationship field, one a line, without versions or alternatives' bars.
relation_names() {
    field "$1" | tr ',|' '\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | sed '/^$/d'
}

expect_relation() {
    relation_names "$1" | grep -qx "$2" || fail "$1 lacks $2: $(field "$1")"
}

expect_field Package plinvex
expect_field Version "$version"
expect_field Architecture "$arch"
expect_field Section utils
expect_field Recommends "fonts-noto-cjk | fonts-wqy-microhei"
for name in Maintainer Homepage Description; do
    [ -n "$(field "$name")" ] || fail "$name field is empty"
done
long_lines=$(field Description | awk 'length > 79' || true)
[ -z "$long_lines" ] || fail "Description lines longer than 79 characters: $long_lines"
# The tools run by name and the libraries dpkg-shlibdeps found.
for dependency in dpkg coreutils imagemagick tar gzip libqt5widgets5 libqt5gui5 libqt5core5a libc6; do
    expect_relation Depends "$dependency"
done

dpkg-deb -c "$deb" >"$work/contents" || fail "dpkg-deb -c cannot list the package"
listed() {
    # dpkg-deb -c prints "mode owner/group size date time ./path".
    awk '{ print $1, $2, $6 }' "$work/contents" | grep -qxF -- "$1" || fail "package lacks '$1'"
}
listed "-rwxr-xr-x root/root ./usr/bin/plinvex"
listed "-rw-r--r-- root/root ./usr/share/applications/$id.desktop"
listed "-rw-r--r-- root/root ./usr/share/metainfo/$id.metainfo.xml"
listed "-rw-r--r-- root/root ./usr/share/man/man1/plinvex.1.gz"
for size in $sizes; do
    listed "-rw-r--r-- root/root ./usr/share/icons/hicolor/${size}x$size/apps/$id.png"
done
outside=$(awk '{ print $6 }' "$work/contents" | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "package installs outside /usr: $outside"
local_paths=$(awk '{ print $6 }' "$work/contents" | grep '^\./usr/local/' || true)
[ -z "$local_paths" ] || fail "package installs into /usr/local: $local_paths"

dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x cannot unpack the package"
binary=$work/root/usr/bin/plinvex
[ -f "$binary" ] || fail "unpacked package has no usr/bin/plinvex"
[ -x "$binary" ] || fail "unpacked usr/bin/plinvex is not executable"
[ "$(od -An -c -N4 "$binary" | tr -d ' ')" = '177ELF' ] || fail "usr/bin/plinvex is not an ELF program"

echo "$(basename "$deb"): $(field Depends)"
