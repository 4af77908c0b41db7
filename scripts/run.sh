#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# One command from a fresh Debian 12: install what is missing, build the program alone (not the
# tests and benchmarks), start Lumora.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh lumora
exec build/lumora "$@"
