#!/usr/bin/env bash
# The windows' memory benchmark on a 100-megapixel photo (10000 x 10000) under a memory limit
# of 4 GiB (MEMORY_MAX to change it), as on a small laptop: every step must complete, or say in
# a message that it cannot get its memory, never be stopped by the system.
#
#   bench/memory_limit.sh [path/to/lumora_memory_bench] [width height]
#
# The limit is a transient systemd scope (systemd-run --user, or as root the system manager).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$here/build/bench/lumora_memory_bench}"
w="${2:-10000}" h="${3:-10000}"
limit="${MEMORY_MAX:-4G}"
[ -x "$bench" ] || { echo "memory_limit.sh: no benchmark at $bench" >&2; exit 2; }
command -v systemd-run >/dev/null || { echo "memory_limit.sh: systemd-run is needed" >&2; exit 2; }

scope=(systemd-run --scope --quiet -p MemoryMax="$limit" -p MemorySwapMax=0)
[ "$(id -u)" -eq 0 ] || scope=(systemd-run --user --scope --quiet -p MemoryMax="$limit" -p MemorySwapMax=0)

set +e
"${scope[@]}" "$bench" "$w" "$h"
status=$?
set -e
case $status in
  0) echo "every step completed within $limit" ;;
  1) echo "every step completed within $limit; a target above was missed" ;;
  137) echo "the system stopped the benchmark: a step went beyond $limit" ;;
  *) echo "the benchmark ended with status $status" ;;
esac
exit $status
