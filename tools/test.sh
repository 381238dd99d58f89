#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every test suite of Terravia:
#   1. the tests;
#   2. the same tests under a comma-decimal locale (de_DE.UTF-8);
#   3. the tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. the number fuzzer, for a bounded time (TERRAVIA_FUZZ_SECONDS, 60 by default).
# Any failure stops the run with a non-zero exit.
set -e
cd "$(dirname "$0")/.."
. tools/deps.sh
# shellcheck disable=SC2086
need_packages $build_packages $test_packages
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# Every test runs here: one that lacks what it needs fails rather than skips (a chroot, which
# has no mount point at its root nor /dev/fuse, sets this to 0).
export TERRAVIA_ALL_TESTS="${TERRAVIA_ALL_TESTS:-1}"
jobs="$(nproc)"

# The build trees are CMakePresets.json's, as an IDE configures them.
echo "== 1. tests"
cmake --preset tests >/dev/null
cmake --build --preset tests -j "$jobs"
ctest --preset tests -j "$jobs"

echo "== 2. tests under a comma-decimal locale"
# A private locale directory: no root needed, and the machine's locales stay as they are.
mkdir -p build-tests/locale
[ -d build-tests/locale/de_DE.UTF-8 ] || localedef -i de_DE -f UTF-8 build-tests/locale/de_DE.UTF-8
ctest --preset comma-locale -j "$jobs"

echo "== 3. tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== 4. number fuzzer"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
rm -rf build-fuzz/corpus && cp -r tests/fuzz/corpus build-fuzz/corpus
LOCPATH="$PWD/build-tests/locale" build-fuzz/tests/fuzz/NumberFuzzer \
    -max_total_time="${TERRAVIA_FUZZ_SECONDS:-60}" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ build-fuzz/corpus

echo "suites: 4 passed, 0 failed"
