#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The windows' memory benchmark on a 100-megapixel photo (10000 x 10000) under a memory limit
# of 4 GiB (MEMORY_MAX to change it), as on a small laptop: every step must complete, or say in
# a message that it cannot get its memory, never be stopped by the system.
#
#   bench/memory_limit.sh [path/to/lumora_memory_bench] [width height]
#
# The limit is a transient systemd scope (systemd-run --user, or as root the system manager);
# without a systemd manager to ask (a container), root gets a cgroup v1 memory group of its own.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$here/build/bench/lumora_memory_bench}"
w="${2:-10000}" h="${3:-10000}"
limit="${MEMORY_MAX:-4G}"
[ -x "$bench" ] || { echo "memory_limit.sh: no benchmark at $bench" >&2; exit 2; }
v1=/sys/fs/cgroup/memory
if command -v systemd-run >/dev/null && systemd-run --scope --quiet true 2>/dev/null; then
  scope=(systemd-run --scope --quiet -p MemoryMax="$limit" -p MemorySwapMax=0)
elif command -v systemd-run >/dev/null && [ "$(id -u)" -ne 0 ]; then
  scope=(systemd-run --user --scope --quiet -p MemoryMax="$limit" -p MemorySwapMax=0)
elif [ "$(id -u)" -eq 0 ] && [ -w "$v1" ]; then
  group="$v1/lumora-limit-$$"
  mkdir "$group"
  trap 'rmdir "$group" 2>/dev/null || true' EXIT
  bytes=$(numfmt --from=iec "$limit")
  echo "$bytes" >"$group/memory.limit_in_bytes"
  echo 0 >"$group/memory.swappiness" 2>/dev/null || true
  # The shell joins the group, then becomes the benchmark.
  scope=(sh -c 'echo $$ >"$0/cgroup.procs"; shift; exec "$@"' "$group" _)
else
  echo "memory_limit.sh: needs systemd-run, or root and a cgroup v1 memory hierarchy" >&2
  exit 2
fi

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
