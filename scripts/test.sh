#!/usr/bin/env bash
# The whole test suite: Release build, then the sanitizer build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
for kind in release asan; do
  "$root/scripts/build.sh" "$kind"
  dir=build; [ "$kind" = asan ] && dir=build-asan
  echo "== tests ($kind) =="
  ctest --test-dir "$root/$dir" --output-on-failure -j2
done
