#!/usr/bin/env bash
# Sets everything up, builds, and runs the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build/bin
exec ./purgewell "$@"
