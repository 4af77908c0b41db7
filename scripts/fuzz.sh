#!/bin/sh
# Builds the fuzzers with libFuzzer, AddressSanitizer and UBSan into fuzz/out/ and runs each for
# a bounded time. Not part of the test suite.
#   jpeg  any bytes through the picture loader (JPEG and BMP), then the encoder and back
#   bmp   any bytes through the BMP reader and writer
#   exif  EXIF blocks through the orientation reset, the thumbnail turn and a save
#   cli   command lines through the apply and optimize parsers
#   heif, png, webp, tiff   any bytes through that reader, its colour profile, the JPEG writer
# Seeds: the test photos and damaged files, fuzz/seeds/<target>, and what earlier runs found.
# A crash input is kept in fuzz/out/artifacts_<target>/; copy it into tests/data/fuzz/<target>/
# (replayed by the tests) once it is fixed.
#   FUZZ_SECONDS   run time of each fuzzer (default 60)
#   FUZZ_TARGETS   which ones (default "jpeg bmp exif cli heif png webp tiff")
#   FUZZ_JOBS      parallel fuzzing processes per target (default 1)
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${FUZZ_SECONDS:-60}
targets=${FUZZ_TARGETS:-"jpeg bmp exif cli heif png webp tiff"}
jobs=${FUZZ_JOBS:-1}
out=$root/fuzz/out
mkdir -p "$out"

CXX=${CXX_FUZZ:-clang++}
flags="-std=c++17 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc"
image_sources=$(ls src/image/*.cpp)
# The picture loader reaches every reader and the colour conversion.
image_libs="-ljpeg -lpthread $(pkg-config --libs libheif libpng libwebp libwebpdemux libtiff-4 lcms2)"
image_flags=$(pkg-config --cflags libheif libpng libwebp libtiff-4 lcms2)
# The parser moves with the command line; take it where it is.
cli_sources=$(ls src/cli/CliArgs.cpp src/app/cli/CliArgs.cpp 2>/dev/null | head -n 1)

for t in $targets; do
  echo "== building ${t}_fuzz"
  case $t in
    cli) sources=$cli_sources; libs="" ;;
    *) sources=$image_sources; libs=$image_libs ;;
  esac
  # shellcheck disable=SC2086
  $CXX $flags $image_flags "fuzz/${t}_fuzz.cpp" $sources $libs -o "$out/${t}_fuzz"
done

status=0
for t in $targets; do
  corpus="$out/corpus_$t"
  mkdir -p "$corpus" "$out/artifacts_$t"
  case $t in
    cli) seeds="$root/fuzz/seeds/cli" ;;
    heif | png | webp | tiff) seeds="$root/fuzz/seeds/$t" ;;
    *) seeds="$root/tests/data/broken $root/tests/data/photos $root/tests/data/codec $root/tests/data/camera" ;;
  esac
  [ -d "$root/tests/data/fuzz/$t" ] && seeds="$seeds $root/tests/data/fuzz/$t"
  echo "== running ${t}_fuzz for ${seconds}s"
  # Large declared pictures are legitimately decoded, so allow a generous memory ceiling;
  # one thread keeps the results independent of the machine.
  parallel=""
  [ "$jobs" -gt 1 ] && parallel="-jobs=$jobs -workers=$jobs"
  # Run inside fuzz/out: parallel jobs write their logs to the current folder.
  # shellcheck disable=SC2086
  if ! (cd "$out" && LUMORA_THREADS=1 UBSAN_OPTIONS=print_stacktrace=1 ASAN_OPTIONS=allocator_may_return_null=1 \
      "$out/${t}_fuzz" "$corpus" $seeds \
      -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -malloc_limit_mb=2048 \
      -max_len=262144 $parallel -print_final_stats=1 \
      -artifact_prefix="$out/artifacts_$t/" 2>"$out/${t}.log"); then
    echo "!! ${t}_fuzz found a problem; see $out/${t}.log and $out/artifacts_$t/"
    tail -n 40 "$out/${t}.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb|cov:" "$out/${t}.log" | tail -n 3 || true
  fi
done
exit $status
