#!/usr/bin/env bash
# Fresh-machine set-up: installs the packages, builds the program, builds the
# starter dictionary from the open data once and translates a sample both ways.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" release
bin="$root/build/bin"
data="$bin/data"
source_dir=/usr/share/apertium/apertium-bel-rus
supplement="$root/data/supplement"
prepositions="$root/data/prepositions.tsv"

# The dictionary is rebuilt only when the program, the open data or the
# supplement is newer than it.
stamp="$data/WordsR.kmr"
if [ ! -f "$stamp" ] || [ -n "$(find "$source_dir" "$supplement" "$prepositions" "$bin/kunimor-cli" -newer "$stamp" -print -quit 2>/dev/null)" ]; then
  echo "building the starter dictionary into $data (takes a few minutes)..."
  "$bin/kunimor-cli" dict import --out "$data" --source "$source_dir" --supplement "$supplement" --prepositions "$prepositions" > "$bin/dictionary-import-report.txt"
  echo "import report: $bin/dictionary-import-report.txt"
else
  echo "the starter dictionary in $data is up to date"
fi
"$bin/kunimor-cli" dict stats "$data"

echo "--- ru-be"
echo "Я читаю новую книгу. Мы живём в большом доме." | "$bin/kunimor-cli" translate ru-be --dict "$data"
echo "--- be-ru"
echo "Я чытаю новую кнігу. Мы жывём у вялікім доме." | "$bin/kunimor-cli" translate be-ru --dict "$data"
