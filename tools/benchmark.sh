#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmark in release mode and runs it offscreen; extra arguments go to it
# (for example --benchmark_repetitions=5).
set -e
cd "$(dirname "$0")/.."
. tools/deps.sh
# shellcheck disable=SC2086
need_packages $build_packages libbenchmark-dev
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build build-bench --target terravia_benchmark -j "$(nproc)"
QT_QPA_PLATFORM=offscreen build-bench/bench/terravia_benchmark --benchmark_color=false "$@"
