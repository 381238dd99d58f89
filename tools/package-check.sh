#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks Terravia on a bare Debian release, as a new user and as Debian would take it, in a
# chroot made by debootstrap --variant=minbase:
#   1. both README commands from a copy of the committed tree (HEAD): run.sh (no display there, so it must end
#      with the no-display sentence) and test.sh (every suite);
#   2. what Orca says on a keyboard run (tools/screen-reader-check.sh);
#   3. the source package: build dependencies from debian/control, dpkg-buildpackage -us -uc
#      with a changelog entry of this release (1.0+deb12, 1.0+deb13), lintian on the .changes
#      file (source and binary, --pedantic, any error or warning fails), autopkgtest (null);
#   4. reproducible: a second build in another directory, a day later, with another umask and
#      locale, gives the same .deb, byte for byte (diffoscope says where not);
#   5. the package installed with what it needs: its manual page and copyright file, and its
#      main window opening under Xvfb.
#   bash tools/package-check.sh [RELEASE] [WORK_DIR]   (bookworm or trixie; default bookworm,
#                                                         build-pkg-RELEASE; needs root)
# TERRAVIA_DEBIAN_MIRROR overrides the mirror (deb.debian.org by default).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
release=${1:-bookworm}
case $release in
bookworm) series=12 ;;
trixie) series=13 ;;
*)
    echo "package-check.sh: RELEASE is bookworm or trixie" >&2
    exit 2
    ;;
esac
version=1.0+deb$series
work=$(realpath -m "${2:-$root/build-pkg-$release}")
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
    umount "$chroot_dir/sys" 2>/dev/null || umount -l "$chroot_dir/sys" 2>/dev/null
    umount "$chroot_dir" 2>/dev/null || umount -l "$chroot_dir" 2>/dev/null
    if is_mounted "$chroot_dir"; then
        echo "still mounted below $chroot_dir: left in place" >&2
    else
        rm -rf --one-file-system "$chroot_dir"
    fi
    exit "$status"
}

# A copy of the committed tree, as it was when the check started, into the chroot.
copy_tree() {
    mkdir -p "$chroot_dir$1"
    tar -xf "$work/source.tar" -C "$chroot_dir$1"
}

# shellcheck source=tools/deps.sh
. "$root/tools/deps.sh"
need_packages debootstrap git

rm -rf "$work"
mkdir -p "$work"
log=$work/package-check.log
: >"$log"
echo "log: $log"
git -C "$root" archive --format=tar HEAD >"$work/source.tar"
echo "source: $(git -C "$root" log -1 --format='%h %s' HEAD)"

trap cleanup EXIT
trap 'exit 130' INT TERM HUP
chroot_dir=$(mktemp -d "/var/tmp/terravia-$release.XXXXXX")
chmod 755 "$chroot_dir"
mirror=${TERRAVIA_DEBIAN_MIRROR:-http://deb.debian.org/debian}
step "debootstrap --variant=minbase $release from $mirror" \
    debootstrap --variant=minbase "$release" "$chroot_dir" "$mirror"
# The chroot's root a mount point of its own, private, as on a machine: a test may then take a
# private mount namespace of its own inside it.
mount --bind "$chroot_dir" "$chroot_dir"
mount --make-private "$chroot_dir"
mount -t proc proc "$chroot_dir/proc"
mount -t sysfs sysfs "$chroot_dir/sys"
mount --rbind /dev "$chroot_dir/dev"
mount --make-rslave "$chroot_dir/dev"
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
# Nothing installed into the chroot may start a service on the host.
printf '#!/bin/sh\nexit 101\n' >"$chroot_dir/usr/sbin/policy-rc.d"
chmod +x "$chroot_dir/usr/sbin/policy-rc.d"

# 1. The README's two commands, as a new user runs them. TERRAVIA_CHECK_FROM=orca starts at the
# screen reader (2.), =package at the source package (3.), for a check of those alone.
from=${TERRAVIA_CHECK_FROM:-readme}
copy_tree /root/terravia
if [ "$from" = readme ]; then
    echo "== bash tools/run.sh (no display: the sentence, status 1)"
    if in_chroot sh -c 'cd /root/terravia && bash tools/run.sh' >>"$log" 2>&1; then
        echo "FAIL: tools/run.sh started with no display"
        exit 1
    fi
    tail -n 1 "$log"
    grep -q "there is no display to show it on" "$log" || { echo "FAIL: no no-display sentence"; exit 1; }
    # A chroot is no machine of its own (no mount point at its root, no /dev/fuse): the tests
    # that need a private mount namespace skip there.
    step "bash tools/test.sh" in_chroot sh -c 'cd /root/terravia && TERRAVIA_ALL_TESTS=0 bash tools/test.sh'
    grep -E '^(100% tests passed|suites:)' "$log" | tail -n 3
fi

# 2. What Orca says (of the program tools/test.sh built, or of one it builds itself).
if [ "$from" = readme ] || [ "$from" = orca ]; then
    program=""
    [ "$from" = readme ] && program=build-tests/src/app/terravia
    step "bash tools/screen-reader-check.sh" \
        in_chroot sh -c "cd /root/terravia && bash tools/screen-reader-check.sh $program"
    sed -n '/^---- what a blind user must hear:$/,$p' "$log"
fi

# 3. The source package, with a changelog entry of this release, dated a minute after the
# release it rebuilds: the newest entry, and still in the past, so that dpkg-deb clamps every
# file's time to it in any build, whatever the build's own date.
tar -xOf "$work/source.tar" debian/changelog >"$work/changelog.released"
released=$(sed -n 's/^ -- .*>  //p' "$work/changelog.released" | head -n 1)
{
    cat <<ENTRY
terravia ($version) $release; urgency=medium

  * Built for Debian $series ($release).

 -- Terravia developers <dev@terravia.example>  $(date -R -d @"$(($(date -d "$released" +%s) + 60))")

ENTRY
    cat "$work/changelog.released"
} >"$work/changelog"
# The committed tree at this directory of the chroot, with the release's changelog.
release_tree() {
    copy_tree "$1"
    cp "$work/changelog" "$chroot_dir$1/debian/changelog"
}
release_tree /root/a/terravia-$version
step "apt-get build-dep, lintian, autopkgtest" in_chroot sh -c \
    "apt-get update && apt-get install -y --no-install-recommends build-essential lintian autopkgtest faketime \
         diffoscope-minimal locales &&
     apt-get build-dep -y /root/a/terravia-$version"
step "dpkg-buildpackage -us -uc" in_chroot sh -c \
    "cd /root/a/terravia-$version && dpkg-buildpackage -us -uc"
changes=terravia_${version}_amd64.changes
echo "== lintian --pedantic --info $changes"
if ! in_chroot sh -c "cd /root/a && lintian --pedantic --info --fail-on error,warning $changes" \
    >"$work/lintian.txt" 2>&1; then
    cat "$work/lintian.txt"
    echo "FAIL: lintian"
    exit 1
fi
grep -v '^running with root privileges' "$work/lintian.txt" || echo "lintian: nothing to report"
echo "== autopkgtest (null)"
if ! in_chroot sh -c "cd /root/a && autopkgtest terravia_$version.dsc terravia_${version}_amd64.deb -- null" \
    >"$work/autopkgtest.txt" 2>&1; then
    tail -n 30 "$work/autopkgtest.txt"
    echo "FAIL: autopkgtest"
    exit 1
fi
sed -n '/@@@@@@ summary/,$p' "$work/autopkgtest.txt"

# 4. Reproducible: another directory, a day later, another umask and locale.
release_tree /root/b/elsewhere/terravia-$version
echo 'de_DE.UTF-8 UTF-8' >"$chroot_dir/etc/locale.gen"
step "locale-gen de_DE.UTF-8" in_chroot locale-gen
step "the second build, a day later" in_chroot sh -c \
    "cd /root/b/elsewhere/terravia-$version && umask 0002 &&
     LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 faketime -f '+1d' dpkg-buildpackage -us -uc"
deb=terravia_${version}_amd64.deb
echo "== reproducible"
(cd "$chroot_dir/root" && sha256sum "a/$deb" "b/elsewhere/$deb")
if ! cmp -s "$chroot_dir/root/a/$deb" "$chroot_dir/root/b/elsewhere/$deb"; then
    in_chroot diffoscope "/root/a/$deb" "/root/b/elsewhere/$deb" | head -n 60 || true
    echo "FAIL: the two builds differ"
    exit 1
fi
in_chroot diffoscope "/root/a/$deb" "/root/b/elsewhere/$deb" && echo "diffoscope: no differences"
cp "$chroot_dir/root/a/terravia_$version"* "$work/"

# 5. Installed, without recommends: the package's own Depends must be enough.
step "apt-get install ./$deb xvfb x11-utils man-db" in_chroot sh -c \
    "cd /root/a && apt-get install -y --no-install-recommends ./$deb xvfb x11-utils man-db"
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
        echo "PASS: on Debian $series ($release), the installed terravia opened \"$window_title\" after ${waited}s"
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
