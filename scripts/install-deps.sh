#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmarks need.
# Skips apt entirely when everything is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev
  python3 time curl
  apertium-bel-rus lttoolbox lttoolbox-dev
  hunspell hunspell-ru hunspell-be
  libcpp-httplib-dev nlohmann-json3-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=; else sudo=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
