#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SpdxTest.sh SOURCE_DIR
# Every source, script and build file of the project names its licence in its first lines.
cd "$1" || exit 1
# Build trees (the README's build-*, dpkg-buildpackage's obj-* and debian/ staging folders) hold
# generated files, not the project's.
missing=$(find . \( -path ./.git -o -path './build*' -o -path './obj-*' -o \( -path './debian/*' -type d \) \) \
    -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name CMakeLists.txt \
    -o -name '*.desktop' -o -name '*.svg' -o -name '*.1' -o -path ./.ci/run \) -print |
    while read -r file; do
        head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
    done)
if [ -n "$missing" ]; then
    echo "no SPDX line in:"
    echo "$missing"
    exit 1
fi
echo "every source, script and build file carries its SPDX line"
