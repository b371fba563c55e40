#!/usr/bin/env bash
# The spell command of kunimor-cli: spell_command.sh CASE CLI FIXTURE_DIR
set -u
case_name=$1 cli=$2 fixture=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/harness.sh"

run 0 "$cli" dict build "$fixture" "$tmp/data"
printf 'на ўсход, дом ўсход\n^щасце тема 123 хата\n' > "$tmp/text.txt"

case $case_name in
usage)
  run 2 "$cli" spell
  expect_err "spell: which language, be or ru?"
  run 2 "$cli" spell de --dict "$tmp/data"
  expect_err 'spell: the language is be or ru, not "de"'
  run 2 "$cli" spell be "$tmp/missing.txt" --dict "$tmp/data"
  expect_err "missing.txt"
  run 2 "$cli" spell be --correct --pipe --dict "$tmp/data"
  ;;
report)
  # Errors with line, column, suggestions and explanation; the missing
  # letter statistics are reported once and the check goes on.
  run 1 "$cli" spell be "$tmp/text.txt" --dict "$tmp/data"
  expect_out "$tmp/text.txt:1:15: error: ўсход: усход (Нарушено правило написания \"ў\")
$tmp/text.txt:2:2: error: щасце: шчасце (Символ \"щ\" не входит в алфавит языка; Сочетание букв \"щ\" почти никогда не используется.)
$tmp/text.txt:2:8: error: тема: тэма, цема (Сочетание \"те\" нарушает правило написания согласного \"т\" перед гласными \"і, е, ё, ю, я\" и мягким знаком)"
  [ "$(grep -c 'не обнаружен' "$tmp/err")" = 1 ] || fail "the missing list was not reported once: $(cat "$tmp/err")"
  printf 'хата\n' | "$cli" spell be --dict "$tmp/data" >/dev/null 2>&1 || fail "a clean text does not exit 0"
  ;;
correct)
  printf 'дом сказав, щасце\n' > "$tmp/wrong.txt"
  run 1 "$cli" spell be --correct "$tmp/wrong.txt" --dict "$tmp/data"
  expect_out "дом сказаў, шчасце"
  ;;
pipe)
  # Two lines: a banner, one answer per word, an empty line after each line;
  # offsets count the "^" as ispell's do; warnings pass unless asked for.
  printf 'дом ўсход\n^молоко щасце 123\n' > "$tmp/two.txt"
  run 1 "$cli" spell be --pipe --dict "$tmp/data" < "$tmp/two.txt"
  expect_out "@(#) International Ispell Version 3.1.20 (but really kunimor-cli $(sed -n 's/^kunimor-cli //p' <("$cli" translate ru-be --version)))
*
& ўсход 1 4: усход

*
& щасце 1 8: шчасце"
  run 1 "$cli" spell be --pipe --warnings --dict "$tmp/data" < "$tmp/two.txt"
  grep -qF "& молоко 4 1: малака, малако, малока, молака" "$tmp/out" || fail "no warning in the pipe: $(cat "$tmp/out")"
  ;;
esac
[ "$failures" -eq 0 ]
