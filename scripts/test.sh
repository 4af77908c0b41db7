#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# One command from a fresh Debian 12: install what is missing, build, run every test,
# then build the toolkit-free libraries again with ASan/UBSan and run their tests, and last
# build every fuzz target with clang and run each a few seconds on its seeds.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DLUMORA_WITH_QT=OFF -DLUMORA_SANITIZE=ON \
  -DLUMORA_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j"$(nproc)")
# A rename in the code the fuzzers call must not break them unnoticed.
FUZZ_SMOKE=1 FUZZ_SECONDS=${FUZZ_SECONDS:-5} scripts/fuzz.sh
echo "All tests passed."
