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
jobs="$(nproc)"

echo "== 1. tests"
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build-tests -j "$jobs"
ctest --test-dir build-tests --output-on-failure -j "$jobs"

echo "== 2. tests under a comma-decimal locale"
# A private locale directory: no root needed, and the machine's locales stay as they are.
mkdir -p build-tests/locale
[ -d build-tests/locale/de_DE.UTF-8 ] || localedef -i de_DE -f UTF-8 build-tests/locale/de_DE.UTF-8
LOCPATH="$PWD/build-tests/locale" LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 \
    ctest --test-dir build-tests --output-on-failure -j "$jobs"

echo "== 3. tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTERRAVIA_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:suppressions=$PWD/tests/sanitizer/asan.supp" \
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== 4. number fuzzer"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTERRAVIA_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --target NumberFuzzer -j "$jobs"
rm -rf build-fuzz/corpus && cp -r tests/fuzz/corpus build-fuzz/corpus
LOCPATH="$PWD/build-tests/locale" build-fuzz/tests/fuzz/NumberFuzzer \
    -max_total_time="${TERRAVIA_FUZZ_SECONDS:-60}" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ build-fuzz/corpus

echo "suites: 4 passed, 0 failed"
