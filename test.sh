#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the suite and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh debian-packages.txt
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release -j "$(nproc)" "$@"
