#!/usr/bin/env bash
# Fails when a source file includes a header from a folder that sits above
# its own: the engine's folders depend one way, from the ground up, so it can
# be read bottom-up. Usage: check-layers.sh [SRC_DIR]
set -euo pipefail
src=${1:-$(cd "$(dirname "$0")/../src" && pwd)}

# Each folder with the folders it may include, its own among them.
declare -A allowed=(
  [ground]="ground"
  [store]="ground store"
  [morphology]="ground store morphology"
  [dictionary]="ground store morphology dictionary"
  [translator]="ground store morphology dictionary translator"
  [editing]="ground store morphology dictionary translator editing"
  [import]="ground store morphology dictionary translator editing import"
  [cli]="ground store morphology dictionary translator editing import cli"
  [app]="ground store morphology dictionary translator editing app"
)

status=0
while IFS= read -r file; do
  rel=${file#"$src"/}
  folder=${rel%%/*}
  # editing/ui is the editors' GUI: it sits with the desktop program.
  [[ $rel == editing/ui/* ]] && folder=app
  if [[ -z ${allowed[$folder]+set} ]]; then
    echo "$rel: folder '$folder' has no place in the layer order" >&2
    status=1
    continue
  fi
  while IFS= read -r line; do
    header=${line#*\"}
    header=${header%\"*}
    target=${header%%/*}
    [[ $header == editing/ui/* ]] && target=app
    [[ $header == */* ]] || continue
    if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "$rel includes $header: '$target' is above '$folder'" >&2
      status=1
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
done < <(find "$src" -name '*.cpp' -o -name '*.h' | sort)

[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
