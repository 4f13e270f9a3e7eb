# SPDX-FileCopyrightText: 2026 The Plinvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads back the Debian package script/package made: its control fields, its
# file list, and an install into a throw-away root whose files must be exactly
# what `cmake --install` puts in place plus the package's documentation.
# Usage: package.sh DEB BUILD_DIR        (BUILD_DIR: a configured and built tree)
set -eu
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"

deb=$1 build=$2
[ -f "$deb" ] || fail "$deb does not exist"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "plinvex_${version}_$arch.deb" ] ||
    fail "$(basename "$deb") is not plinvex_${version}_$arch.deb: debian/changelog and project() disagree?"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

field() {
    dpkg-deb -f "$deb" "$1"
}

[ "$(field Package)" = plinvex ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
# Names in Depends, one a line, without versions; alternatives' bars split too.
field Depends | tr ',|' '\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | sed '/^$/d' >"$work/depends"
grep -qx imagemagick "$work/depends" || fail "Depends lacks imagemagick: $(field Depends)"
# dpkg-shlibdeps found the Qt the program was built against, whichever it was.
grep -qE '^libqt[56]widgets' "$work/depends" || fail "Depends names no Qt Widgets library: $(field Depends)"

dpkg-deb -c "$deb" >"$work/contents" || fail "dpkg-deb -c cannot list the package"
# dpkg-deb -c prints "mode owner/group size date time ./path".
not_root=$(awk '$2 != "root/root" { print $6 }' "$work/contents")
[ -z "$not_root" ] || fail "entries not owned by root: $not_root"
outside=$(awk '{ print $6 }' "$work/contents" | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "package installs outside /usr: $outside"
local_paths=$(awk '{ print $6 }' "$work/contents" | grep '^\./usr/local/' || true)
[ -z "$local_paths" ] || fail "package installs into /usr/local: $local_paths"
awk '{ print $1, $6 }' "$work/contents" | grep -qxF -- "-rwxr-xr-x ./usr/bin/plinvex" ||
    fail "package lacks an executable ./usr/bin/plinvex"

# dpkg itself, not just dpkg-deb -x: it reads the control data, unpacks and
# registers the package. Dependencies are not there, and nothing is run as root.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/log"
: >"$root/var/lib/dpkg/status"
dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless \
    -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i into $root failed"; }
status=$(dpkg --root="$root" -s plinvex | sed -n 's/^Status: //p')
[ "$status" = "install ok installed" ] || fail "dpkg status is '$status'"

dpkg --root="$root" -L plinvex | while IFS= read -r path; do
    if [ -f "$root$path" ] && [ ! -L "$root$path" ]; then echo "$path"; fi
done | sort >"$work/installed"
"$(sed -n 's/^CMAKE_COMMAND:INTERNAL=//p' "$build/CMakeCache.txt")" --install "$build" \
    --prefix "$work/expected/usr" >/dev/null || fail "cmake --install $build failed"
{
    (cd "$work/expected" && find . -type f | sed 's/^\.//')
    echo /usr/share/doc/plinvex/changelog.gz
    echo /usr/share/doc/plinvex/copyright
} | sort >"$work/wanted"
if ! diff -u "$work/wanted" "$work/installed" >"$work/diff"; then
    cat "$work/diff" >&2
    fail "installed files differ from cmake --install (-) plus the documentation"
fi

binary=$root/usr/bin/plinvex
[ "$(od -An -c -N4 "$binary" | tr -d ' ')" = '177ELF' ] || fail "usr/bin/plinvex is not an ELF program"
missing=$(ldd "$binary" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries of usr/bin/plinvex not found: $missing"

echo "$(basename "$deb") installs $(wc -l <"$work/installed") files into $root; Depends: $(field Depends)"
