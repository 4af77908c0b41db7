#!/bin/sh
# One command from a fresh Debian 12: install what is missing, build, start Lumora.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
exec build/lumora "$@"
