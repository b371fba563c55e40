#!/usr/bin/env bash
# The analyze and forms commands of kunimor-cli: analyze_commands.sh CASE CLI FIXTURE_DIR
set -u
case_name=$1 cli=$2 fixture=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/harness.sh"

run 0 "$cli" dict build "$fixture" "$tmp/data"

case $case_name in
usage)
  run 2 "$cli" analyze ru
  expect_err "analyze: too few arguments"
  run 2 "$cli" analyze de Haus --dict "$tmp/data"
  expect_err 'analyze: the language is ru or be, not "de"'
  run 2 "$cli" analyze ru $'\xff' --dict "$tmp/data"
  expect_err "is not Russian or Belarusian text"
  run 2 "$cli" analyze ru дом --verbose
  expect_err "unknown option --verbose"
  run 2 "$cli" forms be
  run 2 "$cli" forms be дом кніга --dict "$tmp/data"
  expect_err "forms: too many arguments"
  run 0 "$cli" --help
  grep -qF "analyze ru|be WORD..." "$tmp/out" || fail "--help does not show analyze"
  grep -qF "forms ru|be LEMMA" "$tmp/out" || fail "--help does not show forms"
  ;;
analyze)
  # A form on a changed stem, an alternative form, capitals, two words with one stem.
  run 0 "$cli" analyze be дамы Мною --dict "$tmp/data"
  expect_out "дамы: word 30 дом, noun, form 7
дамы: word 30 дом, noun, form 10
Мною: word 28 я, noun, form 5, alternative"
  run 0 env KUNIMOR_DATA="$tmp/data" "$cli" analyze ru двух
  expect_out "двух: word 22 два, adjective, form 8
двух: word 22 два, adjective, form 16, alternative
двух: word 22 два, adjective, form 24
двух: word 23 две, adjective, form 8
двух: word 23 две, adjective, form 16, alternative
двух: word 23 две, adjective, form 24"
  # Typed with ё, found as the dictionary spells it.
  run 0 "$cli" analyze ru вернёшь --dict "$tmp/data"
  expect_out "вернёшь: word 33 вернуть, perfective verb, form 4"
  ;;
not_found)
  # Every word is answered; one unknown word fails the command.
  run 1 "$cli" analyze ru кот в --dict "$tmp/data"
  expect_out "кот: not found
в: word 3 в, unchangeable, form 1"
  run 1 "$cli" forms ru двух --dict "$tmp/data"
  expect_out "двух: not found"
  run 1 "$cli" analyze ru дом --dict "$tmp/nowhere"
  expect_err "Не обнаружен файл словаря"
  ;;
forms)
  run 0 "$cli" forms be Я --dict "$tmp/data"
  expect_out "word 28 я, noun
  1	я	-
  2	мяне	-
  3	мне	-
  4	мяне	-
  5	мной	мною
  6	мне	-
  7	мы	-
  8	нас	-
  9	нам	-
  10	нас	-
  11	намі	-
  12	нас	-
  13	-	-"
  run 0 "$cli" forms ru или --dict "$tmp/data"
  expect_out "word 9 или, unchangeable
  1	или	-"
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
exit $((failures > 0))
