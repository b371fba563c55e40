#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-fuzz/), then fuzzes each for SECONDS
# (default 60), one after another, starting from its seed corpus. Prints per
# harness the executions, the coverage (edges) and every fault with the path
# of its reproducer. New inputs go to build-fuzz/corpus/<harness>/, never to
# the tree; a reproducer worth keeping is copied to fuzz/regressions/<harness>/.
# Usage: fuzz.sh [SECONDS [HARNESS...]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
dir="$root/build-fuzz"

# Debian's clang 14 cannot build the project; 16 and 19 can. Only fuzzing
# needs clang, so it is installed here and not by install-deps.sh.
clang=
for version in 19 16; do
  if command -v "clang++-$version" >/dev/null &&
     [ -e "/usr/lib/llvm-$version/lib/clang/$version/lib/linux/libclang_rt.fuzzer-x86_64.a" ]; then
    clang=$version
    break
  fi
done
if [ -z "$clang" ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=; else sudo=sudo; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends clang-19 libclang-rt-19-dev
  clang=19
fi

"$root/scripts/install-deps.sh"
# -O1 with line tables only: the usual for fuzzing, and it builds in half the time.
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 \
  -DCMAKE_C_COMPILER="clang-$clang" -DCMAKE_CXX_COMPILER="clang++-$clang" \
  -DKUNIMOR_FUZZ=ON -DKUNIMOR_BUILD_TESTS=OFF -DKUNIMOR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$dir" --target fuzz_harnesses

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for corpus in "$root"/fuzz/corpus/*/; do harnesses+=("$(basename "$corpus")"); done
fi

faults=0
printf '\n%-14s %12s %10s %8s  %s\n' harness executions exec/s edges faults
for name in "${harnesses[@]}"; do
  work="$dir/corpus/$name" artifacts="$dir/artifacts/$name"
  mkdir -p "$work" "$artifacts"
  log="$dir/$name.log"
  # A fault ends the run; -fork would go on past it but doubles the load on
  # a shared machine, so the run is simply the time given.
  "$dir/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "$root/fuzz/corpus/$name" >"$log" 2>&1 || true
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  edges=$(grep -o ' cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo 0)
  found=$(grep -o "Test unit written to .*" "$log" | sed 's/Test unit written to //' || true)
  count=$(printf '%s' "$found" | grep -c . || true)
  printf '%-14s %12s %10s %8s  %s\n' "$name" "${execs:-0}" "${rate:-0}" "${edges:-0}" "$count"
  if [ -n "$found" ]; then
    faults=$((faults + count))
    grep -m1 -E 'ERROR: |property failed|runtime error' "$log" | sed 's/^/    /' || true
    for file in $found; do printf '    reproducer: %s (log %s)\n' "$file" "$log"; done
  fi
done
[ "$faults" -eq 0 ]
