#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the command line on a 12-megapixel JPEG against its targets and against vips.
#
#   bench/compare.sh [path/to/lumora]
#
# Every figure is the best of 5 runs, all taken in the same run of this script.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
lumora="${1:-${LUMORA:-$here/build-cli/lumora}}"
runs="${RUNS:-5}"
[ -x "$lumora" ] || { echo "compare.sh: no lumora binary at $lumora" >&2; exit 2; }
command -v convert >/dev/null || { echo "compare.sh: ImageMagick's convert is needed" >&2; exit 2; }
command -v vips >/dev/null || { echo "compare.sh: the vips command is needed" >&2; exit 2; }

work="$(mktemp -d "${TMPDIR:-/tmp}/lumora-compare.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# A 4000 x 3000 baseline JPEG of quality 92, with a little grain so it codes like a photo.
photo="$work/p.jpg"
convert "$here/tests/data/photos/hubble_deep_field.jpg" -resize '4000x3000!' \
    -attenuate 0.4 +noise Gaussian -quality 92 "$photo"
echo "photo: $(identify -format '%wx%h, %b' "$photo" 2>/dev/null), $(nproc) cores"

# best COMMAND...: the shortest wall time of $runs runs, in seconds.
best() {
    local bestns="" t0 t1 ns i
    for ((i = 0; i < runs; i++)); do
        t0=$(date +%s%N)
        "$@" >/dev/null 2>&1 || { echo "compare.sh: failed: $*" >&2; exit 1; }
        t1=$(date +%s%N)
        ns=$((t1 - t0))
        if [ -z "$bestns" ] || [ "$ns" -lt "$bestns" ]; then bestns=$ns; fi
    done
    awk -v ns="$bestns" 'BEGIN { printf "%.3f", ns / 1e9 }'
}

out="$work/o.jpg"
mkdir -p "$work/dir"
t_noop=$(best "$lumora" apply "$photo" "$out")
t_opt=$(best "$lumora" optimize --overwrite -o "$work/dir" "$photo")
t_blur=$(best "$lumora" apply "$photo" "$out" blur:4)
t_vips=$(best vips gaussblur "$photo" "$out[Q=90]" 4)
t_smooth=$(best "$lumora" apply "$photo" "$out" auto-smooth)

# Peak resident memory of the batch optimize, in KiB.
if /usr/bin/time -f %M true >/dev/null 2>&1; then
    rss_kb=$( { /usr/bin/time -f %M "$lumora" optimize --overwrite -o "$work/dir" "$photo" 2>&1 >/dev/null; } | tail -n 1)
else
    rss_kb=$(python3 -c '
import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$lumora" optimize --overwrite -o "$work/dir" "$photo")
fi

decoded_mb=36   # 4000 x 3000 x 3 bytes
printf '\n%-44s %8s\n' "command (best of $runs)" "seconds"
printf '%-44s %8s\n' "lumora apply p.jpg o.jpg" "$t_noop"
printf '%-44s %8s\n' "lumora optimize -o DIR p.jpg" "$t_opt"
printf '%-44s %8s\n' "lumora apply p.jpg o.jpg blur:4" "$t_blur"
printf '%-44s %8s\n' "vips gaussblur p.jpg o.jpg[Q=90] 4" "$t_vips"
printf '%-44s %8s\n' "lumora apply p.jpg o.jpg auto-smooth" "$t_smooth"
echo
awk -v noop="$t_noop" -v opt="$t_opt" -v blur="$t_blur" -v vips="$t_vips" -v smooth="$t_smooth" \
    -v rss="$rss_kb" -v dec="$decoded_mb" 'BEGIN {
    check("optimize / no-op", opt / noop, 1.3)
    check("blur:4 / vips gaussblur 4", blur / vips, 1.0)
    check("auto-smooth / vips gaussblur 4", smooth / vips, 2.0)
    mb = rss * 1024 / 1e6
    printf "%-34s %7.1f MB  target <= %d MB (5 x %d MB)  %s\n", "peak RSS of lumora optimize", mb, 5 * dec, dec,
           mb <= 5 * dec ? "met" : "MISSED"
}
function check(name, ratio, target) {
    printf "%-34s %7.2f     target <= %.1f  %s\n", name, ratio, target, ratio <= target ? "met" : "MISSED"
}'
