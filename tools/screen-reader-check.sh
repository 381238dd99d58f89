#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind user hears: runs Debian's screen reader, Orca, headless beside Terravia under
# Xvfb, drives a run with the keyboard (the screen-reader test's run, keys paced for Orca) and
# prints every line Orca speaks. Then checks that each keyboard pick from a list ends with the
# chosen entry and the list's purpose. No sound is needed: Orca's speech is read from its
# debug file.
#   bash tools/screen-reader-check.sh [PROGRAM]      (default: build/src/app/terravia, built)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. tools/deps.sh
# shellcheck disable=SC2086
need_packages $build_packages $test_packages orca
if [ $# -eq 0 ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build --target terravia -j "$(nproc)" >/dev/null
fi
program=$(realpath "${1:-build/src/app/terravia}")
debug=$(mktemp /var/tmp/terravia-orca.XXXXXX)
transcript=$debug.speech
trap 'rm -f "$debug" "$transcript"' EXIT

/usr/bin/python3 tests/app/ScreenReaderTest.py "$program" --orca "$debug"
sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' *{.*$/\1/p" "$debug" >"$transcript"
echo "---- Orca said:"
cat "$transcript"
echo "----"

# A pick ends with the entry spoken as the list's name, then the list's purpose; the drive's
# name is the machine's own. Each pick is a pattern over the lines joined by "|".
joined="|$(paste -sd '|' "$transcript")|"
status=0
for pick in 'Define historical land use combo box\.\|Selection mode\.' \
    'Dry cleaners combo box\.\|Historical land use\.' \
    'Define chemicals of concern \(COCs\) combo box\.\|Selection mode\.' \
    'TPH editable combo box\.\|TPH\.\|COC group\.' \
    '[^|]+ combo box\.\|Drive\.'; do
    if [[ "$joined" =~ \|$pick\| ]]; then
        heard=${BASH_REMATCH[0]//|/ }
        echo "heard:${heard% }"
    else
        echo "NOT HEARD: $pick"
        status=1
    fi
done
exit $status
