#!/usr/bin/env bash
# The dict commands of kunimor-cli: dict_commands.sh CASE CLI FIXTURE_DIR
set -u
case_name=$1 cli=$2 fixture=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

source "$(dirname "$0")/harness.sh"

fixture_counts="WForms 26
EtalonB 15
EtalonR 16
Trans 45
WordsB 40
WordsR 39
StemB 9
StemR 4
CollocB 1
CollocR 1
Abbr 1
Glossary 1
Theme 1"

case $case_name in
usage)
  run 2 "$cli"
  expect_err "usage: kunimor-cli"
  run 2 "$cli" frobnicate
  expect_err 'unknown command "frobnicate"'
  run 2 "$cli" dict
  run 2 "$cli" dict dump only-one
  run 2 "$cli" dict stats one two
  run 2 "$cli" dict stats --verbose
  expect_err "unknown option --verbose"
  run 2 "$cli" dict build --dict elsewhere src data
  run 0 "$cli" dict --help
  grep -qF "dict build SRC_DIR DATA_DIR" "$tmp/out" || fail "--help does not show the dict commands"
  ;;
stats)
  run 0 "$cli" dict build "$fixture" "$tmp/data"
  run 0 "$cli" dict stats "$tmp/data"
  expect_out "$fixture_counts"
  run 1 "$cli" dict stats "$tmp/nowhere"
  expect_err "Не обнаружен файл словаря"
  expect_err "$tmp/nowhere/WForms.kmr"
  ;;
data_folder)
  run 0 "$cli" dict build "$fixture" "$tmp/data"
  run 0 env KUNIMOR_DATA="$tmp/nowhere" "$cli" dict stats --dict "$tmp/data"
  expect_out "$fixture_counts"
  run 0 env KUNIMOR_DATA="$tmp/data" "$cli" dict stats
  expect_out "$fixture_counts"
  # Without either, the dictionary is data/ beside the program.
  mkdir "$tmp/program" && cp "$cli" "$tmp/program/" && mv "$tmp/data" "$tmp/program/data"
  run 0 env -u KUNIMOR_DATA "$tmp/program/$(basename "$cli")" dict stats
  expect_out "$fixture_counts"
  ;;
build_failure)
  cp -r "$fixture" "$tmp/src"
  printf 'RusNo\tBelNo\tTag\n1\tx\t10\n' >"$tmp/src/Trans.tsv"
  run 1 "$cli" dict build "$tmp/src" "$tmp/data"
  expect_err "$tmp/src/Trans.tsv:2: column 2, field BelNo: \"x\" is not a number"
  [ ! -e "$tmp/data" ] || fail "a failed build left $tmp/data"
  ;;
dump)
  run 0 "$cli" dict build "$fixture" "$tmp/data"
  run 0 "$cli" dict dump "$tmp/data" "$tmp/text"
  diff -r "$fixture" "$tmp/text" >&2 || fail "the dump differs from the fixture it was built from"
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
exit $((failures > 0))
