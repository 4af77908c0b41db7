#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Peak resident memory of the command line, one operation at a time, on a 12-megapixel JPEG,
# beside vips doing comparable work on the same photo in the same run.
#
#   bench/memory.sh [path/to/lumora]
#
# Each figure is the smallest peak of $RUNS runs (default 3), from /usr/bin/time -f %M, shown in
# MB and as a multiple of the decoded photo (4000 x 3000 x 3 bytes = 36 MB).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
lumora="${1:-${LUMORA:-$here/build-cli/lumora}}"
runs="${RUNS:-3}"
[ -x "$lumora" ] || { echo "memory.sh: no lumora binary at $lumora" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "memory.sh: GNU time (/usr/bin/time) is needed" >&2; exit 2; }
command -v convert >/dev/null || { echo "memory.sh: ImageMagick's convert is needed" >&2; exit 2; }
have_vips=0
command -v vips >/dev/null && have_vips=1

work="$(mktemp -d "${TMPDIR:-/tmp}/lumora-memory.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# The photo of bench/compare.sh: 4000 x 3000, quality 92, with a little grain.
photo="$work/p.jpg"
convert "$here/tests/data/photos/hubble_deep_field.jpg" -resize '4000x3000!' \
    -attenuate 0.4 +noise Gaussian -quality 92 "$photo" 2>/dev/null
decoded=36000000
echo "photo: 4000x3000, $(stat -c %s "$photo") bytes; decoded $((decoded / 1000000)) MB"

# peak COMMAND...: the smallest peak RSS of $runs runs, in KiB.
peak() {
    local best="" kb i
    for ((i = 0; i < runs; i++)); do
        kb=$(/usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1 && cat "$work/rss") ||
            { echo "memory.sh: failed: $*" >&2; exit 1; }
        if [ -z "$best" ] || [ "$kb" -lt "$best" ]; then best=$kb; fi
    done
    echo "$best"
}

row() {  # row LABEL TARGET_RATIO COMMAND...
    local label="$1" target="$2"
    shift 2
    local kb
    kb=$(peak "$@")
    awk -v l="$label" -v kb="$kb" -v dec="$decoded" -v t="$target" 'BEGIN {
        mb = kb * 1024 / 1e6; r = mb * 1e6 / dec
        verdict = t == "" ? "" : (r <= t ? "met (<= " t ")" : "MISSED (> " t ")")
        printf "| %-40s | %6.1f | %5.2f | %s\n", l, mb, r, verdict
    }'
}

out="$work/o.jpg"
mkdir -p "$work/dir"
printf '\n| %-40s | %6s | %5s | %s\n' "command (on p.jpg, writing o.jpg)" "MB" "x" "target"
row "lumora apply (no operation)" "" "$lumora" apply "$photo" "$out"
for op in optimize optimize-compare flesh-balance landscape-balance shift:1 lighten grey sharpen sharpen-plus \
          soften; do
    row "lumora apply $op" 2.0 "$lumora" apply "$photo" "$out" "$op"
done
for op in auto-smooth blur:8 rotate-cw rotate-ccw mirror-h mirror-v rotate:30 resize:2000x1500 macro; do
    row "lumora apply $op" 2.5 "$lumora" apply "$photo" "$out" "$op"
done
row "lumora optimize -o DIR" "" "$lumora" optimize --overwrite -o "$work/dir" "$photo"
if [ "$have_vips" = 1 ]; then
    row "vips copy" "" vips copy "$photo" "$out"
    row "vips colourspace b-w (grey)" "" vips colourspace "$photo" "$out" b-w
    row "vips sharpen" "" vips sharpen "$photo" "$out"
    row "vips gaussblur 8" "" vips gaussblur "$photo" "$out" 8
    row "vips rot d90" "" vips rot "$photo" "$out" d90
    row "vips flip horizontal" "" vips flip "$photo" "$out" horizontal
fi
