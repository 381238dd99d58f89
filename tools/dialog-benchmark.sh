#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The save-location dialog on a directory of 100,000 files and on one of 20,000 directories,
# under Xvfb with the X11 platform: when the window is on screen with the directory current,
# when every entry shows, the window's longest pause, and the memory the open dialog adds to
# the program's peak (against a run on an empty directory). Each case runs with the machine's
# icon themes and with a private theme whose cache is older than its folders. As root, with
# bindfs and /dev/fuse, then: the dialog started on a share whose server is stopped, and the
# share opened in the tree from the directory above it, on an idle machine and with two busy
# loops per core.
#   bash tools/dialog-benchmark.sh [BENCHMARK-PROGRAM...]
# The programs default to the one tools/test.sh builds; name an older build's to compare.
set -e
cd "$(dirname "$0")/.."
. tools/deps.sh
# shellcheck disable=SC2086
need_packages $build_packages xvfb python3
[ $# -gt 0 ] || set -- build-tests/bench/terravia_dialog_benchmark
scratch=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
mkdir -p "$scratch/empty" "$scratch/files" "$scratch/directories" "$scratch/theme/icons"
python3 - "$scratch" <<'PYTHON'
import os, sys
for i in range(100000):
    open(os.path.join(sys.argv[1], "files", f"f{i:06d}.txt"), "w").close()
for i in range(20000):
    os.mkdir(os.path.join(sys.argv[1], "directories", f"d{i:05d}"))
PYTHON
# A theme whose cache the icon loader must distrust: its folders are newer than the cache.
cp -r /usr/share/icons/hicolor "$scratch/theme/icons/"
find "$scratch/theme/icons" -name icon-theme.cache -exec touch -d '2000-01-01' {} +
Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:97 QT_QPA_PLATFORM=xcb
peak() { # program, then its arguments: its output and the program's peak memory in MB
    python3 -c 'import resource, subprocess, sys
out = subprocess.run(sys.argv[1:], capture_output=True, text=True).stdout.strip()
print(out, "|", resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss // 1024, "MB peak")' "$@"
}
for program in "$@"; do
    for themes in own stale; do
        [ $themes = own ] && data="${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" ||
            data="$scratch/theme"
        echo "== $program, $themes icon themes"
        XDG_DATA_DIRS="$data" peak "$program" "$scratch/empty" 0 files
        XDG_DATA_DIRS="$data" peak "$program" "$scratch/files" 100000 files
        XDG_DATA_DIRS="$data" peak "$program" "$scratch/directories" 20000 directories
    done
done

# The stopped share, mounted where only this script sees it.
if [ "$(id -u)" != 0 ] || ! command -v bindfs >/dev/null || [ ! -e /dev/fuse ]; then
    echo "the stopped share needs root, bindfs and /dev/fuse: not measured" >&2
    exit 0
fi
mkdir -p "$scratch/mirrored" "$scratch/above/share"
for program in "$@"; do
    for machine in idle busy; do
        echo "== $program, a stopped share, $machine machine"
        unshare --mount --propagation private sh -s "$program" "$scratch" "$machine" <<'SHELL'
program=$1 scratch=$2
bindfs -f "$scratch/mirrored" "$scratch/above/share" &
server=$!
until mountpoint -q "$scratch/above/share"; do sleep 0.1; done
loops=
if [ "$3" = busy ]; then
    for _ in $(seq $(($(nproc) * 2))); do
        sh -c 'while :; do :; done' &
        loops="$loops $!"
    done
fi
kill -STOP $server
echo "started on it: $("$program" "$scratch/above/share" 0 files 2>/dev/null)"
echo "opened in the tree: $("$program" "$scratch/above" 1 directories share 2>/dev/null)"
kill -CONT $server
[ -z "$loops" ] || kill $loops
umount "$scratch/above/share"
wait $server
SHELL
    done
done
