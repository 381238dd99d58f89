#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the committed PNG icons from the hand-drawn SVG, so that building the
# package never needs an SVG renderer. Needs rsvg-convert (Debian: librsvg2-bin).
set -e
cd "$(dirname "$0")/icons"
name=org.terravia.Terravia
if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render-icons.sh needs rsvg-convert (apt-get install librsvg2-bin)" >&2
    exit 1
fi
for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$name.svg" -o "${size}x${size}/$name.png"
done
