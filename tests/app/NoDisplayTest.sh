#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# NoDisplayTest.sh PROGRAM
# With no display and no platform named, Terravia says so in one sentence on standard error,
# writes nothing else and exits with status 1, before Qt would abort. With a display named
# that no server answers, it says which display it could not reach, the same way.
program=$1
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail=0

check() { # what, expected sentence, then the environment's changes
    what=$1
    expected=$2
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" >"$out" 2>"$err"
    status=$?
    [ "$status" -eq 1 ] || { echo "$what: exit status $status, expected 1"; fail=1; }
    [ ! -s "$out" ] || { echo "$what: standard output was not empty:"; cat "$out"; fail=1; }
    printf '%s\n' "$expected" | cmp -s - "$err" || { echo "$what: standard error was:"; cat "$err"; fail=1; }
    echo "$what: checked"
}

check "no display" \
    'Terravia needs a graphical display: run it on a desktop, or set DISPLAY to a running X server.'

# A display number that no X server on this machine holds.
number=99
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
check "DISPLAY=:$number, no server" \
    "Terravia could not reach the graphical display DISPLAY=:$number: run it on a desktop, or set DISPLAY to a running X server." \
    DISPLAY=":$number"
runtime=$(mktemp -d)
check "a dead Wayland socket" \
    "Terravia could not reach the graphical display WAYLAND_DISPLAY=$runtime/gone: run it on a desktop, or set DISPLAY to a running X server." \
    XDG_RUNTIME_DIR="$runtime" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$runtime/gone"
rmdir "$runtime"
exit "$fail"
