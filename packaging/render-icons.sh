#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the committed PNG icons from the hand-drawn SVG, and the Windows icon from them,
# so that building never needs an SVG renderer. Needs rsvg-convert (Debian: librsvg2-bin).
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

# The Windows icon holds the PNGs as they are, as Windows reads them since Vista.
python3 - "$name" <<'PYTHON'
import struct, sys
sizes = (16, 32, 48, 64, 128, 256)
images = [open(f"{size}x{size}/{sys.argv[1]}.png", "rb").read() for size in sizes]
offset = 6 + 16 * len(images)
header = struct.pack("<HHH", 0, 1, len(images))
for size, image in zip(sizes, images):
    header += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
with open("../windows/terravia.ico", "wb") as icon:
    icon.write(header + b"".join(images))
PYTHON
