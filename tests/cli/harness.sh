# Shared by the command-line test scripts: source it after setting $tmp.
# fail MESSAGE counts a failure; run STATUS COMMAND... runs the command,
# keeping its output in $tmp/out and $tmp/err, and checks its exit status.
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
run() {
  local expected=$1
  shift
  "$@" >"$tmp/out" 2>"$tmp/err"
  local status=$?
  [ "$status" -eq "$expected" ] || fail "'$*' exited $status instead of $expected; stderr: $(cat "$tmp/err")"
}
expect_out() { [ "$(cat "$tmp/out")" = "$1" ] || fail "stdout was: $(cat "$tmp/out"), not: $1"; }
expect_err() { grep -qF -- "$1" "$tmp/err" || fail "stderr lacks '$1': $(cat "$tmp/err")"; }
