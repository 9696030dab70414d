#!/usr/bin/env bash
# Builds the decoders' libFuzzer targets with clang and runs each for a
# bounded time (seconds, default 30) on a scratch copy of the checked-in
# seed corpus. Exits non-zero when any target finds a crash, a leak or a
# hang; the input that did it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-30}

scripts/ensure-packages.sh debian-packages.txt imexp/fuzz/packages.txt
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DQN_BUILD_FUZZ=ON -DQN_BUILD_TESTS=OFF >/dev/null
targets=(bmp dib jpeg png tiff gif)
cmake --build build-fuzz -j8 --target "${targets[@]/#/fuzz_}"

mkdir -p build-fuzz/findings
status=0
for name in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  cp -n imexp/fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
  echo "=== fuzz_$name for ${seconds}s"
  if ! build-fuzz/fuzz/fuzz_"$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix=build-fuzz/findings/"$name"- -print_final_stats=1 "$corpus" 2>build-fuzz/fuzz_"$name".log; then
    echo "fuzz_$name found a problem: see build-fuzz/fuzz_$name.log and build-fuzz/findings/"
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" build-fuzz/fuzz_"$name".log || true
done
exit $status
