#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# NoDisplayTest.sh PROGRAM
# With no display and no platform named, Terravia says so in one sentence on standard error,
# writes nothing else and exits with status 1, before Qt would abort.
expected='Terravia needs a graphical display: run it on a desktop, or set DISPLAY to a running X server.'
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" >"$out" 2>"$err"
status=$?
fail=0
[ "$status" -eq 1 ] || { echo "exit status $status, expected 1"; fail=1; }
[ ! -s "$out" ] || { echo "standard output was not empty:"; cat "$out"; fail=1; }
printf '%s\n' "$expected" | cmp -s - "$err" || { echo "standard error was:"; cat "$err"; fail=1; }
[ "$fail" -eq 0 ] && echo "no display: the sentence, and status 1"
exit "$fail"
