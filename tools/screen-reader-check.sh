#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind user hears: runs Debian's screen reader, Orca, headless beside Terravia under
# Xvfb, drives a run with the keyboard (the screen-reader test's run, keys paced for Orca) and
# prints every line Orca speaks. Then checks what a blind user must hear: each pick from a list,
# each list the wizard moves the keyboard to, and in the save-location dialog the directory,
# the picked file's name and the whole path before OK. No sound is needed: Orca's speech is
# read from its debug file.
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

# Each pattern is a stretch of speech, over the lines joined by "|": a text field is named
# when Tab reaches it empty; a pick ends with the entry spoken as the list's name, then the
# list's purpose; the list the user acts on next is spoken when a step shows it; the
# save-location dialog says where the file goes, from its opening to OK. The drive's name and
# the directories are the machine's own. Each pattern holds for Debian 12's Orca and Debian
# 13's, which puts a list's purpose or current entry beside its role, says "button" for "push
# button", and echoes keys without a trailing blank.
joined="|$(paste -sd '|' "$transcript")|"
echo "---- what a blind user must hear:"
status=0
for heard in 'tab ?\|Path of the conclusions file text\.' \
    'y ?\|Terravia 1\.0\.\|(combo box\.\|Selection mode\.|Selection mode combo box\.)' \
    'Define historical land use combo box( Define historical land use)?\.\|Selection mode\.' \
    'COC or Land Use\? (push )?button\.\|space ?\|(combo box\.\|Historical land use\.|Historical land use combo box\.)' \
    'Dry cleaners combo box( Dry cleaners)?\.\|Historical land use\.' \
    'Define chemicals of concern \(COCs\) combo box( Define chemicals of concern \(COCs\))?\.?\|Selection mode\.' \
    'TPH editable combo box(\.\|| )TPH\.\|COC group\.' \
    'Conclusions file dialog\.?\|OK (push )?button\.\|Directory: [^|]+/home\.' \
    'File name text\.\|Directory: [^|]+/home\.' \
    '[^|]+ combo box[^|]*\|Drive\.' \
    '(Directory tree\.\|)?([a-z] ?\|)+[^|]+/home/empty collapsed\.' \
    'Files(\.\|| )List with 3 items(\.| Files)\|earlier-notes\.txt\.\|return ?' \
    'OK (push )?button\.\|Directory: [^|]+/home/three\. File: [^|]+/home/three/read-aloud\.txt\.\|return ?'; do
    if [[ "$joined" =~ \|$heard\| ]]; then
        spoken=${BASH_REMATCH[0]//|/ }
        echo "heard:${spoken% }"
    else
        echo "NOT HEARD: $heard"
        status=1
    fi
done
exit $status
