#!/usr/bin/env bash
# Configures and builds one tree: build.sh release|asan
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-release}" in
  release) dir=build; args=(-DCMAKE_BUILD_TYPE=Release) ;;
  asan)    dir=build-asan; args=(-DCMAKE_BUILD_TYPE=Debug -DKUNIMOR_SANITIZE=ON -DKUNIMOR_BUILD_BENCHMARKS=OFF) ;;
  *) echo "usage: $0 release|asan" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/$dir" -G Ninja "${args[@]}" >/dev/null
cmake --build "$root/$dir"
