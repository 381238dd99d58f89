#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds terravia_1.0_amd64.deb, has lintian check it, installs it into a bare Debian 12 made
# with debootstrap and checks that the installed program shows its manual page and copyright
# file and opens its main window under Xvfb. Needs root.
#   bash tools/package-check.sh [BUILD_DIR]     (default: build-pkg, emptied first)
# TERRAVIA_DEBIAN_MIRROR overrides the mirror found in apt's sources.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-pkg}")
deb_name=terravia_1.0_amd64.deb
window_title="Terravia 1.0"
window_wait=60
chroot_dir=""
xvfb_pid=""
app_pid=""
log=""

if [ "$(id -u)" -ne 0 ]; then
    echo "package-check.sh needs root (debootstrap, chroot and mount)" >&2
    exit 1
fi

# The mirror apt already uses for bookworm, in either sources format.
debian_mirror() {
    if [ -n "${TERRAVIA_DEBIAN_MIRROR:-}" ]; then
        echo "$TERRAVIA_DEBIAN_MIRROR"
        return
    fi
    local found
    found=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        awk '$1 == "deb" {
                 i = 2
                 if ($i ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
                 if ($(i + 1) == "bookworm") { print $i; exit }
             }') || true
    if [ -z "$found" ]; then
        found=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
            awk 'BEGIN { RS = ""; FS = "\n" }
                 {
                     types = ""; uri = ""; suites = ""
                     for (n = 1; n <= NF; n++) {
                         if ($n ~ /^Types:/) types = " " substr($n, 7) " "
                         if ($n ~ /^URIs:/) { split(substr($n, 6), u, " "); uri = u[1] }
                         if ($n ~ /^Suites:/) suites = " " substr($n, 8) " "
                     }
                     if (types ~ / deb / && suites ~ / bookworm / && uri != "") { print uri; exit }
                 }') || true
    fi
    echo "${found:-http://deb.debian.org/debian}"
}

# Runs a step with its output in the log; on failure shows the end of the log.
step() {
    local name=$1
    shift
    echo "== $name"
    if ! "$@" >>"$log" 2>&1; then
        echo "---- last lines of $log"
        tail -n 40 "$log"
        echo "FAIL: $name"
        exit 1
    fi
}

in_chroot() {
    chroot "$chroot_dir" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}

# shellcheck disable=SC2317 # is_mounted and cleanup run from the EXIT trap
is_mounted() {
    awk -v dir="$1" '$5 == dir || index($5, dir "/") == 1 { found = 1 } END { exit !found }' \
        /proc/self/mountinfo
}

# shellcheck disable=SC2317
cleanup() {
    local status=$?
    set +e
    trap - EXIT
    [ -n "$chroot_dir" ] || exit "$status"
    local pid p
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    # Whatever else runs inside this chroot was started by this run.
    for signal in TERM KILL; do
        for p in /proc/[0-9]*; do
            [ "$(readlink "$p/root" 2>/dev/null)" = "$chroot_dir" ] && kill -s "$signal" "${p#/proc/}" 2>/dev/null
        done
        sleep 1
    done
    wait 2>/dev/null
    umount -R "$chroot_dir/dev" 2>/dev/null || umount -R -l "$chroot_dir/dev" 2>/dev/null
    umount "$chroot_dir/proc" 2>/dev/null || umount -l "$chroot_dir/proc" 2>/dev/null
    if is_mounted "$chroot_dir"; then
        echo "still mounted below $chroot_dir: left in place" >&2
    else
        rm -rf --one-file-system "$chroot_dir"
    fi
    exit "$status"
}

# shellcheck source=tools/deps.sh
. "$root/tools/deps.sh"
# shellcheck disable=SC2086
need_packages $build_packages dpkg-dev file debootstrap lintian

rm -rf "$build"
mkdir -p "$build"
log=$build/package-check.log
: >"$log"
echo "log: $log"

step "configure (Release)" cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
step "build" cmake --build "$build" -j "$(nproc)"
step "cpack -G DEB" sh -c "cd '$build' && cpack -G DEB"
deb=$build/$deb_name
if [ ! -f "$deb" ]; then
    echo "FAIL: cpack made no $deb_name"
    exit 1
fi
dpkg-deb --field "$deb" Package Version Architecture Depends

echo "== lintian"
# Errors and warnings fail the check; lintian says nothing at all of a clean package.
lintian_out=$build/lintian.txt
if ! lintian --fail-on error,warning --display-info "$deb" >"$lintian_out" 2>&1; then
    cat "$lintian_out"
    echo "FAIL: lintian"
    exit 1
fi
grep -v '^running with root privileges' "$lintian_out" || echo "lintian: nothing to report"

trap cleanup EXIT
trap 'exit 130' INT TERM HUP
chroot_dir=$(mktemp -d /var/tmp/terravia-package-check.XXXXXX)
chmod 755 "$chroot_dir"
mirror=$(debian_mirror)
step "debootstrap bookworm from $mirror" debootstrap --variant=minbase bookworm "$chroot_dir" "$mirror"

mount -t proc proc "$chroot_dir/proc"
mount --rbind /dev "$chroot_dir/dev"
mount --make-rslave "$chroot_dir/dev"
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
# Nothing installed into the chroot may start a service on the host.
printf '#!/bin/sh\nexit 101\n' >"$chroot_dir/usr/sbin/policy-rc.d"
chmod +x "$chroot_dir/usr/sbin/policy-rc.d"
cp "$deb" "$chroot_dir/root/$deb_name"

step "apt-get update" in_chroot apt-get update
# Without recommends, so the package's own Depends must be enough.
step "apt-get install $deb_name xvfb x11-utils man-db" in_chroot sh -c \
    "cd /root && apt-get install -y --no-install-recommends ./$deb_name xvfb x11-utils man-db"
for installed in /usr/bin/terravia /usr/share/applications/org.terravia.Terravia.desktop \
    /usr/share/metainfo/org.terravia.Terravia.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.terravia.Terravia.svg \
    /usr/share/icons/hicolor/48x48/apps/org.terravia.Terravia.png \
    /usr/share/doc/terravia/copyright /usr/share/doc/terravia/changelog.gz \
    /usr/share/man/man1/terravia.1.gz; do
    if [ ! -f "$chroot_dir$installed" ]; then
        echo "FAIL: the package did not install $installed"
        exit 1
    fi
done

echo "== man terravia"
manual=$(in_chroot MANWIDTH=80 man -P cat terravia 2>&1) || true
printf '%s\n' "$manual" | head -n 8
if ! printf '%s\n' "$manual" | grep -q 'terravia - decision support for the remediation of contaminated land'; then
    echo "FAIL: man terravia does not show the manual page"
    exit 1
fi
echo "== /usr/share/doc/terravia/copyright"
head -n 8 "$chroot_dir/usr/share/doc/terravia/copyright"
if ! grep -q '^License: GPL-3.0-or-later$' "$chroot_dir/usr/share/doc/terravia/copyright"; then
    echo "FAIL: the copyright file names no licence"
    exit 1
fi

echo "== start Xvfb and /usr/bin/terravia"
# -displayfd picks a free display, so a server already running on the host is no obstacle.
in_chroot /usr/bin/Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$chroot_dir/tmp/display" >>"$log" 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 30); do
    display=$(head -n 1 "$chroot_dir/tmp/display" 2>/dev/null || true)
    [ -n "$display" ] && break
    sleep 1
done
if [ -z "$display" ]; then
    tail -n 20 "$log"
    echo "FAIL: Xvfb did not start"
    exit 1
fi
in_chroot DISPLAY=":$display" /usr/bin/terravia >"$chroot_dir/tmp/terravia.log" 2>&1 &
app_pid=$!

for ((waited = 0; waited < window_wait; waited++)); do
    if in_chroot DISPLAY=":$display" xwininfo -root -tree 2>/dev/null | grep -qF "\"$window_title\""; then
        echo "PASS: the installed terravia opened \"$window_title\" after ${waited}s"
        exit 0
    fi
    if ! kill -0 "$app_pid" 2>/dev/null; then
        break
    fi
    sleep 1
done
echo "---- terravia's output"
cat "$chroot_dir/tmp/terravia.log"
echo "FAIL: no window \"$window_title\" within ${window_wait}s"
exit 1
