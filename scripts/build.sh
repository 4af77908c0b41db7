#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Lumora in build/: everything (the program, its tests and benchmarks),
# or only the targets named, e.g. `scripts/build.sh lumora`.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ "$#" -gt 0 ]; then
  for target in "$@"; do set -- "$@" --target "$target"; shift; done
fi
cmake --build build -j"$(nproc)" "$@"
