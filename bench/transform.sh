#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `lumora transform` on a folder of 12-megapixel JPEG photos against jpegtran turning the
# same photos one by one, in the same run, and prints the ratio.
#
#   bench/transform.sh [path/to/lumora]      # 8 photos; PHOTOS=50 for the full folder
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
lumora="${1:-${LUMORA:-$here/build/lumora}}"
count="${PHOTOS:-8}"
[ -x "$lumora" ] || { echo "transform.sh: no lumora binary at $lumora" >&2; exit 2; }
command -v convert >/dev/null || { echo "transform.sh: ImageMagick's convert is needed" >&2; exit 2; }
command -v jpegtran >/dev/null || { echo "transform.sh: jpegtran (libjpeg-turbo-progs) is needed" >&2; exit 2; }

work="$(mktemp -d "${TMPDIR:-/tmp}/lumora-transform.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/lumora" "$work/jpegtran"

# One 4000 x 3000 photo of quality 92 with a little grain, copied under count names.
convert "$here/tests/data/photos/hubble_deep_field.jpg" -resize '4000x3000!' \
    -attenuate 0.4 +noise Gaussian -quality 92 "$work/p.jpg"
for ((i = 1; i <= count; i++)); do cp "$work/p.jpg" "$(printf '%s/in/p%03d.jpg' "$work" "$i")"; done
echo "$count photos of $(identify -format '%wx%h, %b' "$work/p.jpg" 2>/dev/null), $(nproc) cores"

ns() { date +%s%N; }
mkdir -p "$work/optimized"
t0=$(ns)
"$lumora" transform --overwrite -o "$work/lumora" rotate-cw "$work/in" 2>/dev/null
t1=$(ns)
for f in "$work"/in/*.jpg; do jpegtran -copy all -rotate 90 -outfile "$work/jpegtran/${f##*/}" "$f"; done
t2=$(ns)
# The same with Huffman tables made for each photo, as Lumora writes them.
for f in "$work"/in/*.jpg; do jpegtran -copy all -optimize -rotate 90 -outfile "$work/optimized/${f##*/}" "$f"; done
t3=$(ns)
size() { du -sb "$1" | cut -f1; }
awk -v l=$((t1 - t0)) -v j=$((t2 - t1)) -v o=$((t3 - t2)) -v sl="$(size "$work/lumora")" -v sj="$(size "$work/jpegtran")" \
    -v so="$(size "$work/optimized")" 'BEGIN {
    printf "lumora transform: %.3f s (%.1f MB)\n", l / 1e9, sl / 1e6
    printf "jpegtran -rotate 90: %.3f s (%.1f MB)\n", j / 1e9, sj / 1e6
    printf "jpegtran -optimize -rotate 90: %.3f s (%.1f MB)\n", o / 1e9, so / 1e6
    printf "ratio lumora / jpegtran: %.2f\nratio lumora / jpegtran -optimize: %.2f\n", l / j, l / o }'
