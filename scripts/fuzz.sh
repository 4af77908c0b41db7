#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang, libFuzzer, AddressSanitizer and UBSan (CMake, build-fuzz/) and
# runs each for a bounded time, one after the other. The test command runs it briefly (smoke).
#   jpeg  any bytes through the picture loader (JPEG and BMP), then the encoder and back
#   bmp   any bytes through the BMP reader and writer
#   exif  EXIF blocks through the orientation reset, the thumbnail turn and a save
#   cli   command lines through the apply and optimize parsers and the operation table
#   heif, png, webp, tiff   any bytes through that reader, its colour profile, the JPEG writer
# Every fuzz/NAME_fuzz.cpp is a target. Seeds: fuzz/seeds/NAME when it exists, what earlier runs
# found in tests/data/fuzz/NAME, and the test photos and damaged files for the JPEG, BMP and
# EXIF targets.
# A crash input is kept in fuzz/out/artifacts_<target>/; once it is fixed, copy it into
# tests/data/broken (JPEG and BMP files, replayed by the broken-file test),
# tests/data/fuzz/<target> (the other formats, replayed by the hostile-file test) or
# fuzz/seeds/<target>.
#   FUZZ_SECONDS   run time of each fuzzer (default 60)
#   FUZZ_TARGETS   which ones (default: all)
#   FUZZ_JOBS      parallel fuzzing processes per target (default 1)
#   FUZZ_SMOKE=1   a throwaway corpus, nothing kept in fuzz/out, and a fixed random seed so that
#                  the test command's run replays the same inputs on every machine; finding new
#                  faults is the work of the longer runs
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${FUZZ_SECONDS:-60}
targets=${FUZZ_TARGETS:-$(for f in fuzz/*_fuzz.cpp; do basename "$f" _fuzz.cpp; done)}
jobs=${FUZZ_JOBS:-1}
build=$root/build-fuzz

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_FUZZ=ON -DLUMORA_WITH_QT=OFF -DLUMORA_TESTS=OFF \
  -DLUMORA_BENCH=OFF >/dev/null
names=""
for t in $targets; do names="$names ${t}_fuzz"; done
# shellcheck disable=SC2086
cmake --build "$build" -j"$(nproc)" --target $names make_broken_corpus

seed=""
if [ "${FUZZ_SMOKE:-0}" = 1 ]; then
  seed="-seed=1"
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
else
  out=$root/fuzz/out
  mkdir -p "$out"
fi

status=0
for t in $targets; do
  corpus="$out/corpus_$t"
  mkdir -p "$corpus" "$out/artifacts_$t"
  case $t in
    jpeg | bmp | exif) seeds="$root/tests/data/broken $root/tests/data/photos $root/tests/data/codec $root/tests/data/camera" ;;
    *) seeds="" ;;
  esac
  [ -d "$root/fuzz/seeds/$t" ] && seeds="$seeds $root/fuzz/seeds/$t"
  [ -d "$root/tests/data/fuzz/$t" ] && seeds="$seeds $root/tests/data/fuzz/$t"
  echo "== running ${t}_fuzz for ${seconds}s"
  # Large declared pictures are legitimately decoded, so allow a generous memory ceiling;
  # one thread keeps the results independent of the machine.
  parallel=""
  [ "$jobs" -gt 1 ] && parallel="-jobs=$jobs -workers=$jobs"
  # Run inside the output folder: parallel jobs write their logs to the current folder.
  # shellcheck disable=SC2086
  if ! (cd "$out" && LUMORA_THREADS=1 UBSAN_OPTIONS=print_stacktrace=1 ASAN_OPTIONS=allocator_may_return_null=1 \
      "$build/fuzz/${t}_fuzz" "$corpus" $seeds \
      -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -malloc_limit_mb=2048 \
      -max_len=262144 $parallel $seed -print_final_stats=1 \
      -artifact_prefix="$out/artifacts_$t/" 2>"$out/${t}.log"); then
    echo "!! ${t}_fuzz found a problem; see $out/${t}.log and $out/artifacts_$t/"
    tail -n 40 "$out/${t}.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb|cov:" "$out/${t}.log" | tail -n 3 || true
  fi
done
exit $status
