#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Plinvex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# One whole submission with the real program on a virtual X server, driven
# with xdotool the way a person does it: choose the package and the logo in
# the file choosers, drag two screenshots in from another program, type the
# details, pack, compress, start another one and give up.
#
# Usage: submission.sh <plinvex> <dragsource>
# Exit status: 0 passed, 1 failed, 77 skipped (no X server can be started).
#
# Every wait is on something that can be seen from outside (a window, a line
# from the drag source, a file); the short pauses in between only let the
# windows settle. A failed run keeps its directory with a screenshot and the
# programs' logs; PLINVEX_E2E_KEEP=1 keeps it after a pass as well.

set -euo pipefail

readonly plinvex_bin=$1
readonly dragsource_bin=$2
readonly SKIP=77
readonly started=$SECONDS

# Where the windows go, in screen pixels; form coordinates below are relative
# to the top-left corner of the 944x640 main window.
readonly WX=20 WY=40
readonly SX=1080 SY=100

# The one package the test submits.
readonly pkg=e2e-hello
readonly version=1.2.3-1
readonly deb_name="e2e hello_${version%-*}_all.deb"
# The typed texts: Chinese goes through the keyboard like everything else.
readonly app_name="测试应用 E2E"
readonly contributor="打包者小王"
readonly info_line1="第一行介绍，"
readonly info_line2="second line"

xvfb_pid='' app_pid='' ds_pid='' work=''

say() { printf '[%3ds] %s\n' $((SECONDS - started)) "$*"; }
fail() {
    say "FAIL: $*"
    exit 1
}

list_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        printf '  %s "%s" %s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)" \
            "$(xdotool getwindowgeometry "$id" 2>/dev/null | tr -s '\n ' ' ')"
    done
}

diagnose() {
    [ -n "${DISPLAY:-}" ] || return 0
    say "visible windows:"
    list_windows
    if command -v import >/dev/null; then
        import -window root "$work/failure.png" 2>/dev/null &&
            say "screenshot: $work/failure.png"
    fi
    local log
    for log in plinvex.log dragsource.log; do
        [ -f "$work/$log" ] || continue
        say "last lines of $log:"
        grep -v -E 'XdndPosition|XdndStatus|XdndAware' "$work/$log" | tail -n 15 || true
    done
}

stop() {
    local pid=$1
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 0
    kill "$pid" 2>/dev/null || true
    local i
    for i in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    local status=$?
    trap - EXIT
    set +e
    if [ "$status" -ne 0 ] && [ "$status" -ne "$SKIP" ]; then
        diagnose
    fi
    stop "$ds_pid"
    stop "$app_pid"
    stop "$xvfb_pid"
    if [ -n "$work" ]; then
        if [ "$status" -eq "$SKIP" ] ||
            { [ "$status" -eq 0 ] && [ -z "${PLINVEX_E2E_KEEP:-}" ]; }; then
            rm -rf "$work"
        else
            say "kept $work for inspection"
        fi
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# ------------------------------------------------------------------ helpers

# wait_until <seconds> <what> <command...>: polls the command; stops early
# when the program shows a message box, which on this road means a failure.
wait_until() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    while ! "$@"; do
        local box
        box=$(message_box_shown) && fail "message box \"$box\" while waiting for $what"
        [ "$SECONDS" -lt "$deadline" ] || fail "no $what after ${limit}s"
        sleep 0.2
    done
}

message_box_shown() {
    local id name
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        case "$name" in 呐！ | 诶？ | 错误)
            echo "$name"
            return 0
            ;;
        esac
    done
    return 1
}

# The window id of the visible window whose whole title is $1.
window_named() {
    timeout "${2:-20}" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

no_window_named() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

move_window() {
    local id=$1 x=$2 y=$3
    timeout 10 xdotool windowmove --sync "$id" "$x" "$y" >/dev/null || true
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9]+$')"
    if [ "$X" -ne "$x" ] || [ "$Y" -ne "$y" ]; then
        fail "window $id is at $X,$Y, not at $x,$y"
    fi
    echo "${WIDTH}x$HEIGHT"
}

click_at() { xdotool mousemove --sync "$1" "$2" click 1; }
click_form() { click_at $((WX + $1)) $((WY + $2)); }

type_text() { xdotool type --delay 25 "$1"; }

# Answers the open-file dialog titled $1 by typing a whole path into its file
# name field, which has the focus when the dialog opens.
answer_file_dialog() {
    local title=$1 path=$2 dialog
    dialog=$(window_named "$title") || true
    [ -n "$dialog" ] || fail "the file chooser \"$title\" did not open"
    timeout 10 xdotool windowfocus --sync "$dialog" || fail "cannot focus \"$title\""
    wait_until 20 "the focus on \"$title\"" has_focus "$dialog"
    type_text "$path"
    xdotool key Return
    wait_until 20 "closing of \"$title\"" no_window_named "$title"
}

# The program takes no input while its tools work, as a person sees by the
# busy cursor; the script sees it by the tools it has running.
tools_idle() { [ -z "$(cat /proc/"$app_pid"/task/*/children 2>/dev/null | tr -d ' ')" ]; }

# The program's package reader runs through a stand-in that notes each end of it.
reader_runs_ended() { [ "$(grep -c . "$work/reader.log" 2>/dev/null)" -ge "$1" ]; }

ds_said() { grep -q -x -- "$1" "$work/dragsource.log"; }
ds_said_prefix() { grep -q -- "^$1" "$work/dragsource.log"; }
# The last drop action the target offered for drag $1 is a real one.
drag_taken() {
    local last
    last=$(grep -- "^drag $1 action " "$work/dragsource.log" | tail -n 1)
    [ -n "$last" ] && [ "${last##* }" != 0 ]
}

# One drag gesture from the drag source to the form's background, in steps,
# the way a hand moves the mouse.
drag_next_file() {
    local n=$1
    local x0=$((SX + 80)) y0=$((SY + 60)) x1=$((WX + 600)) y1=$((WY + 400)) steps=24 i
    xdotool mousemove --sync "$x0" "$y0"
    xdotool mousedown 1
    # The hand's pace, not a wait: each step is one motion event.
    local moves=()
    for i in $(seq 1 "$steps"); do
        moves+=(mousemove $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps)))
        moves+=(sleep 0.04)
    done
    xdotool "${moves[@]}"
    # A little hovering, as a hand does, until the window has taken the drag on.
    xdotool mousemove $((x1 + 1)) "$y1"
    wait_until 20 "window taking drag $n on" drag_taken "$n"
    xdotool mousemove "$x1" "$y1"
    xdotool mouseup 1
    wait_until 20 "end of drag $n" ds_said_prefix "drag $n done "
    wait_until 20 "file list of drag $n fetched by the window" ds_said_prefix "drag $n delivered "
}

image_size() { identify -format '%wx%h %m' "$1"; }

# Puts every non-ASCII character of $1 on a spare key of the X keymap, before
# the program starts. Otherwise xdotool borrows one scratch key and rebinds it
# for each such character, and a program that is busy for a moment reads the
# key after the next rebinding and gets another character or none.
bind_typed_characters() {
    local text=$1 i c cp syms=()
    local -A seen=()
    for ((i = 0; i < ${#text}; i++)); do
        c=${text:i:1}
        cp=$(printf '%d' "'$c")
        if [ "$cp" -le 127 ] || [ -n "${seen[$c]:-}" ]; then
            continue
        fi
        seen[$c]=1
        syms+=("$(printf 'U%04X' "$cp")")
    done
    xkbcomp -xkb "$DISPLAY" "$work/keymap.xkb" 2>/dev/null || fail "cannot read the X keymap"
    # A spare key has a keycode but appears nowhere in the symbols, not even
    # in a modifier map (which would add a modifier to the character).
    awk -v syms="${syms[*]}" '
        /^xkb_keycodes/ { section = "codes" }
        /^xkb_symbols/ { section = "symbols" }
        section == "codes" && match($0, /<[A-Za-z0-9+-]+> *= *[0-9]+;/) {
            split(substr($0, RSTART, RLENGTH), part, /[<> =;]+/)
            if (part[3] + 0 >= 8 && part[3] + 0 <= 255) code[part[2]] = part[3] + 0
        }
        section == "symbols" {
            line = $0
            while (match(line, /<[A-Za-z0-9+-]+>/)) {
                used[substr(line, RSTART + 1, RLENGTH - 2)] = 1
                line = substr(line, RSTART + RLENGTH)
            }
        }
        section == "symbols" && /^};/ {
            n = split(syms, want, " ")
            for (c = 255; c >= 8 && n > 0; c--)
                for (name in code)
                    if (code[name] == c && !(name in used)) {
                        printf "    key <%s> { [ %s ] };\n", name, want[n--]
                        break
                    }
            if (n > 0) failed = 1
        }
        /^};/ { section = "" }
        { print }
        END { exit failed }' "$work/keymap.xkb" >"$work/keymap-typed.xkb" ||
        fail "not enough spare keys for ${#syms[@]} characters"
    xkbcomp -w 0 "$work/keymap-typed.xkb" "$DISPLAY" 2>/dev/null || fail "cannot load the X keymap"
}

# ------------------------------------------------------------------ set-up

for tool in Xvfb xdotool xdpyinfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed, so no X server can be started here" \
            "(packages xvfb, xdotool, x11-utils)"
        exit "$SKIP"
    fi
done
for tool in xkbcomp dpkg-deb convert identify tar cmp timeout; do
    command -v "$tool" >/dev/null || fail "$tool is missing"
done
[ -x "$plinvex_bin" ] || fail "no program at $plinvex_bin"
[ -x "$dragsource_bin" ] || fail "no drag source at $dragsource_bin"

work=$(mktemp -d "${TMPDIR:-/tmp}/plinvex-e2e.XXXXXX")

# Xvfb picks a free display itself and names it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -q '^[0-9]' "$work/display" 2>/dev/null && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if ! grep -q '^[0-9]' "$work/display" 2>/dev/null; then
    echo "SKIP: Xvfb could not be started:"
    cat "$work/xvfb.log"
    exit "$SKIP"
fi
display=$(head -n 1 "$work/display")
export DISPLAY=":$display"
if ! timeout 10 xdpyinfo >/dev/null 2>&1; then
    echo "SKIP: the X server on $DISPLAY does not answer"
    exit "$SKIP"
fi
say "X server on $DISPLAY"

# A clean desktop session of our own: temporary home with a Desktop folder,
# UTF-8 for the typed Chinese, Qt's own widgets on X (no platform theme, so the
# file choosers are Qt's dialogs) at scale 1, and no session bus to start.
export HOME="$work/home"
mkdir -p "$HOME/Desktop"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8 LANG=C.UTF-8
export QT_QPA_PLATFORM=xcb
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
export QT_LOGGING_RULES='qt.qpa.xdnd=true'
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
    QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_IM_MODULE \
    XMODIFIERS XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION \
    GNOME_DESKTOP_SESSION_ID XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME

# The packager's files, with a blank in the folder and in two file names.
files="$HOME/my files"
mkdir -p "$files" "$work/pkgroot/DEBIAN" "$work/pkgroot/usr/share/$pkg"
printf 'Package: %s\nVersion: %s\nArchitecture: all\nMaintainer: E2E <e2e@example.org>\nDescription: end-to-end test package\n' \
    "$pkg" "$version" >"$work/pkgroot/DEBIAN/control"
head -c 6000 /dev/urandom >"$work/pkgroot/usr/share/$pkg/data.bin"
dpkg-deb --root-owner-group --build "$work/pkgroot" "$files/$deb_name" >/dev/null
convert -size 300x200 gradient:red-blue "$files/logo.png"
convert -size 800x600 gradient:white-green "$files/shot1.png"
convert -size 1000x500 gradient:yellow-purple "$files/shot two.png"

bind_typed_characters "$app_name$contributor$info_line1$info_line2"

# A reader in place of the program's that runs the real one and notes each
# end, so the script can wait for the package's reading instead of a time.
real_reader=${PLINVEX_READER:?PLINVEX_READER names the reader of this build}
mkdir -p "$work/bin"
cat >"$work/bin/plinvex-reader" <<EOF
#!/bin/sh
'$real_reader' "\$@"
status=\$?
echo "\$status" >>'$work/reader.log'
exit \$status
EOF
chmod +x "$work/bin/plinvex-reader"

# ------------------------------------------------------------------ the road

PLINVEX_READER="$work/bin/plinvex-reader" "$plinvex_bin" >"$work/plinvex.log" 2>&1 &
app_pid=$!
win=$(window_named Plinvex) || true
[ -n "$win" ] || fail "the Plinvex window did not appear"
size=$(move_window "$win" "$WX" "$WY")
[ "$size" = 944x640 ] || fail "the main window is $size, not 944x640"
say "main window $win at $WX,$WY"

"$dragsource_bin" "$files/shot1.png" "$files/shot two.png" >"$work/dragsource.log" 2>&1 &
ds_pid=$!
source_win=$(window_named plinvex-e2e-dragsource) || true
[ -n "$source_win" ] || fail "the drag source window did not appear"
move_window "$source_win" "$SX" "$SY" >/dev/null
wait_until 20 "drag source ready" ds_said ready

say "open file: choosing the package"
click_form $((460 + 45)) $((70 + 16))
answer_file_dialog 选择安装包 "$files/$deb_name"
wait_until 20 "the end of the package's reading" reader_runs_ended 1
wait_until 20 "the reader gone" tools_idle

say "logo area: choosing the logo"
click_form $((670 + 90)) $((20 + 90))
answer_file_dialog 选择图标 "$files/logo.png"

say "dragging two screenshots onto the window"
drag_next_file 1
drag_next_file 2

say "typing name, packager and description"
timeout 10 xdotool windowfocus --sync "$win" || true
click_form $((120 + 200)) $((20 + 16))
type_text "$app_name"
click_form $((120 + 150)) $((320 + 15))
type_text "$contributor"
click_form $((120 + 150)) $((450 + 50))
# The package's own description fills the empty field once it is read;
# the packager types their own over it.
xdotool key ctrl+a Delete
type_text "$info_line1"
xdotool key Return
type_text "$info_line2"

say "打包咯！"
before_pack=$(date '+%Y-%m-%d %H:%M')
click_form $((320 + 45)) $((580 + 20))
bundle="$HOME/Desktop/$pkg"
wait_until 90 "$bundle/app.json" test -f "$bundle/app.json"
after_pack=$(date '+%Y-%m-%d %H:%M')
# The bundle is put in place after its last tool; the result view follows
# at once, before any click is read.
wait_until 20 "the pack's tools gone" tools_idle

# ------------------------------------------------------------------ the bundle

say "checking the bundle"
listing=$(find "$bundle" -mindepth 1 -printf '%f\n' | LC_ALL=C sort | tr '\n' '|')
expected_listing=$(printf '%s\n' app.json "$deb_name" icon.png screen_1.png screen_2.png |
    LC_ALL=C sort | tr '\n' '|')
[ "$listing" = "$expected_listing" ] || fail "bundle holds |$listing, expected |$expected_listing"
cmp -s "$files/$deb_name" "$bundle/$deb_name" || fail "the package copy differs from the package"
[ "$(image_size "$bundle/icon.png")" = "128x85 PNG" ] ||
    fail "icon.png is $(image_size "$bundle/icon.png"), expected the 300x200 logo scaled to 128x85"
[ "$(image_size "$bundle/screen_1.png")" = "400x300 PNG" ] ||
    fail "screen_1.png is $(image_size "$bundle/screen_1.png"), expected the first drop at 400x300"
[ "$(image_size "$bundle/screen_2.png")" = "400x200 PNG" ] ||
    fail "screen_2.png is $(image_size "$bundle/screen_2.png"), expected the second drop at 400x200"

json="$bundle/app.json"
update=$(sed -n 's/^   "Update":"\(.*\)",$/\1/p' "$json")
size_text=$(sed -n 's/^   "Size":"\(.*\)",$/\1/p' "$json")
[ "$update" = "$before_pack" ] || [ "$update" = "$after_pack" ] ||
    fail "Update is \"$update\", the pack ran at $before_pack"
deb_bytes=$(stat -c %s "$files/$deb_name")
awk -v text="$size_text" -v bytes="$deb_bytes" 'BEGIN {
        if (text !~ /^[0-9]+\.[0-9][0-9]KB$/) exit 1
        d = substr(text, 1, length(text) - 2) - bytes / 1024
        exit (d < -0.0051 || d > 0.0051) }' ||
    fail "Size is \"$size_text\" for a package of $deb_bytes bytes"
expected_json="$work/expected-app.json"
cat >"$expected_json" <<EOF
{
   "Name":"$app_name",
   "Version":"$version",
   "Filename":"$deb_name",
   "Pkgname":"$pkg",
   "Author":" ",
   "Contributor":"$contributor",
   "Website":" ",
   "Update":"$update",
   "Size":"$size_text",
   "More":"$info_line1$info_line2"
}
EOF
diff -u "$expected_json" "$json" || fail "app.json differs from what was typed and chosen"
if command -v python3 >/dev/null; then
    python3 -m json.tool "$json" >/dev/null || fail "app.json is not valid JSON"
fi

# ------------------------------------------------------------------ compression

say "要不要压缩一下？"
click_form $((160 + 75)) $((130 + 37))
archive="$HOME/Desktop/$pkg.tar.gz"
archive_complete() {
    tar -tzf "$archive" 2>/dev/null >"$work/archive-listing" &&
        grep -q -x "./$pkg/app.json" "$work/archive-listing" &&
        grep -q -x "./$pkg/screen_2.png" "$work/archive-listing"
}
wait_until 90 "complete $archive" archive_complete
for entry in "./$pkg/" "./$pkg/app.json" "./$pkg/icon.png" "./$pkg/screen_1.png" \
    "./$pkg/screen_2.png" "./$pkg/$deb_name"; do
    grep -q -x -F -- "$entry" "$work/archive-listing" || fail "the archive lacks $entry"
done
tar -xzOf "$archive" "./$pkg/app.json" | cmp -s - "$json" ||
    fail "app.json in the archive differs from the bundle's"

# ------------------------------------------------------------------ another one, then give up

say "再来一份？ then 算了算了......"
# The archive takes its name after tar has ended; clicks queue behind that.
wait_until 20 "the compression's tools gone" tools_idle
click_form $((160 + 75)) $((420 + 37))
# The give-up button exists only in the form view, so the program ending
# also shows that another one went back there.
click_form $((170 + 45)) $((580 + 20))
app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_until 20 "end of the program" app_ended
exit_code=0
wait "$app_pid" || exit_code=$?
app_pid=
[ "$exit_code" -eq 0 ] || fail "the program exited with $exit_code"
if [ ! -f "$archive" ] || [ ! -f "$json" ]; then
    fail "the bundle or the archive went away"
fi

say "PASS: a whole submission went through ($((SECONDS - started))s)"
