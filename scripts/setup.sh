#!/usr/bin/env bash
# Fresh-machine set-up: installs the packages, builds the program and runs the main job.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" release
bin="$root/build/bin"
"$bin/kunimor-cli" dict build "$root/tests/fixtures/dictionary" "$bin/data"
"$bin/kunimor-cli" dict stats "$bin/data"
