#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# ValidateMetadata.sh PACKAGING_DIR VERSION
# Exit 0 when every check passed, 1 on a fault, 77 when neither validator is installed.
dir=$1
version=$2
id=org.terravia.Terravia
desktop=$dir/$id.desktop
metainfo=$dir/$id.metainfo.xml
status=0
validated=0

fail() {
    echo "FAIL: $*"
    status=1
}

if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
    validated=1
else
    echo "SKIP: desktop-file-validate not installed (Debian package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
    validated=1
else
    echo "SKIP: appstreamcli not installed (Debian package appstream)"
fi

# What neither validator looks at: the names that tie the three files together.
grep -qx "Icon=$id" "$desktop" || fail "Icon= of $desktop is not $id"
[ -f "$dir/icons/$id.svg" ] || fail "no scalable icon $id.svg"
for size in 16 32 48 64 128 256; do
    [ -f "$dir/icons/${size}x$size/$id.png" ] || fail "no ${size}x$size icon"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"

[ "$status" -ne 0 ] && exit "$status"
[ "$validated" -eq 0 ] && exit 77
echo "PASS: desktop entry and metainfo"
exit 0
