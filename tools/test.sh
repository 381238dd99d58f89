#!/bin/sh
# Installs what is missing, builds Terravia with its tests and runs every test.
set -e
cd "$(dirname "$0")/.."
. tools/deps.sh
# shellcheck disable=SC2086
need_packages $build_packages
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build-tests -j "$(nproc)"
ctest --test-dir build-tests --output-on-failure -j "$(nproc)"
