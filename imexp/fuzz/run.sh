#!/usr/bin/env bash
# Builds every libFuzzer target of the suite's file readers with clang and
# runs each for a bounded time on a scratch copy of its checked-in seed
# corpus. Usage: run.sh [seconds per target, default 30] [target names...]
# Exits non-zero when any target finds a crash, a leak or a hang; the input
# that did it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-30}
shift || true
only=("$@")

scripts/ensure-packages.sh debian-packages.txt imexp/fuzz/packages.txt
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DQN_BUILD_FUZZ=ON -DQN_BUILD_TESTS=OFF -DQN_WERROR=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_all

mkdir -p build-fuzz/findings
status=0
while read -r name seeds; do
  [ -n "$name" ] || continue
  if [ ${#only[@]} -gt 0 ] && [[ ! " ${only[*]} " == *" $name "* ]]; then
    continue
  fi
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
  echo "=== fuzz_$name for ${seconds}s"
  if ! build-fuzz/fuzz/fuzz_"$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix=build-fuzz/findings/"$name"- -print_final_stats=1 "$corpus" 2>build-fuzz/fuzz_"$name".log; then
    echo "fuzz_$name found a problem: see build-fuzz/fuzz_$name.log and build-fuzz/findings/"
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" build-fuzz/fuzz_"$name".log || true
done < build-fuzz/fuzz/targets.txt
exit $status
