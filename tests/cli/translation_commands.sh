#!/usr/bin/env bash
# The translations command of kunimor-cli: translation_commands.sh CASE CLI FIXTURE_DIR
set -u
case_name=$1 cli=$2 fixture=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

source "$(dirname "$0")/harness.sh"

# The test dictionary with two more links: дом to the collocation "дом
# кнігі", and новый to чытаць as a negated participle of slot 1 (Tag 0x9A).
cp -r "$fixture" "$tmp/src"
printf '28\t5000001\t10\t1\n31\t34\t154\t1\n' >>"$tmp/src/Trans.tsv"
run 0 "$cli" dict build "$tmp/src" "$tmp/data"

case $case_name in
usage)
  run 2 "$cli" translations
  expect_err "translations: too few arguments"
  run 2 "$cli" translations ru
  run 2 "$cli" translations ru дом кніга
  expect_err "translations: too many arguments"
  run 2 "$cli" translations de Haus --dict "$tmp/data"
  expect_err 'the language is ru or be, not "de"'
  run 2 "$cli" translations ru $'\xff' --dict "$tmp/data"
  run 2 "$cli" translations ru дом --verbose
  expect_err "unknown option --verbose"
  run 0 "$cli" --help
  grep -qF "translations ru|be LEMMA" "$tmp/out" || fail "--help does not show the translations command"
  ;;
links)
  run 0 "$cli" translations ru дом --dict "$tmp/data"
  expect_out 'дом #28
  #30 "дом"  priority 2  flags 1>1,2>2
  #37 "хата"  priority 2  flags 1>1,2>2
  #5000001 "дом кнігі"  priority 2  flags none'
  run 0 "$cli" translations be кніга --dict "$tmp/data"
  expect_out 'кніга #31
  #29 "книга"  priority 2  flags 1>1,2>2'
  run 0 "$cli" translations ru новый --dict "$tmp/data"
  expect_out 'новый #31
  #33 "новы"  priority 2  flags none
  #34 "чытаць"  priority 2  participle slot 1 (form 6), negated'
  # Tag 9: priority 2 into Belarusian, 1 into Russian.
  run 0 "$cli" translations ru который --dict "$tmp/data"
  expect_out 'который #21
  #22 "які"  priority 2  flags none'
  run 0 env KUNIMOR_DATA="$tmp/data" "$cli" translations be які
  # In the order the dictionary gives the links of які.
  expect_out 'які #22
  #21 "который"  priority 1  flags none
  #20 "какой"  priority 2  flags none'
  # Only the word whose dictionary form it is: в, not the stem of ты.
  run 0 "$cli" translations ru в --dict "$tmp/data"
  expect_out 'в #3
  #16 "у"  priority 2  flags none'
  ;;
missing)
  run 1 "$cli" translations ru как --dict "$tmp/data"
  expect_err 'no Russian word has the dictionary form "как"'
  run 1 "$cli" translations be дом --dict "$tmp/nowhere"
  expect_err "Не обнаружен файл словаря"
  printf 'RusNo\tBelNo\tTag\t#IndBelNo\n28\t4999\t10\t0\n' >"$tmp/src/Trans.tsv"
  run 0 "$cli" dict build "$tmp/src" "$tmp/dead"
  run 0 "$cli" translations ru дом --dict "$tmp/dead"
  expect_out 'дом #28
  #4999 dead link'
  run 0 "$cli" translations ru или --dict "$tmp/dead"
  expect_out 'или #9
  no translations'
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
exit $((failures > 0))
