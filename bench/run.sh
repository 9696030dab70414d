#!/usr/bin/env bash
# Installs the outside reference tools, builds the benchmarks and runs them
# all. Each benchmark prints its figures beside the reference it measures in
# the same run. Arguments are passed to every benchmark program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh debian-packages.txt bench/packages.txt
cmake --preset bench >/dev/null
cmake --build --preset bench

# The programs share their folder with CMake's own files and folders (the
# CMakeFiles folder is "executable" too): run regular executable files only.
status=0
for program in build-bench/bench/*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  echo "=== $(basename "$program")"
  "$program" "$@" || status=1
done
exit $status
