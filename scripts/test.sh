#!/usr/bin/env bash
# Sets everything up, builds, and runs every test. Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
