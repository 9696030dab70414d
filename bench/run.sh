#!/usr/bin/env bash
# Installs the outside reference tools, builds the benchmarks and runs them
# all. Each benchmark prints its figures beside the reference it measures in
# the same run, and one RESULT line for each figure that goes into the table
# printed at the end (bench/BenchResult.h). Arguments are passed to every
# benchmark program. Exits non-zero only when a benchmark failed to run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh debian-packages.txt bench/packages.txt
cmake --preset bench >/dev/null
# The machine is shared: at most four jobs unless the caller asks otherwise.
CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-4} cmake --build --preset bench

# What the figures were measured on: a busy machine slows every figure.
machine() {
  local cpu mem
  cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
  mem=$(awk '/^MemTotal:/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo)
  echo "machine: ${cpu:-unknown CPU}, $(nproc) cores, $mem memory"
  echo "load average at start: $(cut -d ' ' -f 1-3 /proc/loadavg)"
}
machine_info=$(machine)
started=$(date -u '+%Y-%m-%d %H:%M UTC')
echo "$machine_info"

results=$(mktemp)
output=$(mktemp)
trap 'rm -f "$results" "$output"' EXIT

# The programs share their folder with CMake's own files and folders (the
# CMakeFiles folder is "executable" too): run regular executable files only.
status=0
failed=()
for program in build-bench/bench/*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  echo "=== $(basename "$program")"
  # The output as it comes, and its result lines kept for the table.
  if ! "$program" "$@" | tee "$output"; then
    status=1
    failed+=("$(basename "$program")")
  fi
  grep -ao 'RESULT	.*' "$output" >>"$results" || true
done

echo
echo "=== Results, started $started"
echo "$machine_info"
awk -F '\t' '
  { rows[NR] = $0; for (i = 2; i <= 6; ++i) if (length($i) > w[i]) w[i] = length($i) }
  END {
    split("benchmark|what|ratio or figure|target|met/missed", head, "|")
    for (i = 2; i <= 6; ++i) if (length(head[i - 1]) > w[i]) w[i] = length(head[i - 1])
    fmt = "| %-" w[2] "s | %-" w[3] "s | %" w[4] "s | %" w[5] "s | %-" w[6] "s |\n"
    printf fmt, head[1], head[2], head[3], head[4], head[5]
    line = "|"
    for (i = 2; i <= 6; ++i) { dashes = ""; for (k = 0; k < w[i] + 2; ++k) dashes = dashes "-"; line = line dashes "|" }
    print line
    for (r = 1; r <= NR; ++r) { split(rows[r], f, "\t"); printf fmt, f[2], f[3], f[4], f[5], f[6] }
  }' "$results"
met=$(awk -F '\t' '$6 == "met"' "$results" | wc -l)
missed=$(awk -F '\t' '$6 == "missed"' "$results" | wc -l)
echo "goals met: $met, missed: $missed"
if [ "$status" -ne 0 ]; then
  echo "benchmarks that failed to run: ${failed[*]}"
fi
exit $status
