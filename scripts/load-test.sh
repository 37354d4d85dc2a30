#!/usr/bin/env bash
# Runs some Windows tests again and again on one processor core that two busy
# loops share with them (the tests, the program, Wine and Xvfb all on that
# core), without a second run of a failed test; prints the runs and failures of
# each. A test that waits for what it checks passes every run here too.
# Usage: scripts/load-test.sh <prefix dir> <core> <runs> <test>...
#   e.g. scripts/load-test.sh build/wineprefix-load 5 5 win_menus_e2e win_planner_e2e
# The output of each run goes to build/load-test/<test>-<run>.log.
set -uo pipefail
prefix=$(realpath -m "$1")
core=$2
runs=$3
shift 3
export HORALTO_WINEPREFIX="$prefix"
. "$(dirname "$0")/wine-env.sh" build
logs="$HORALTO_BUILD/load-test"
mkdir -p "$logs"

busy=()
cleanup() {
  for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null; done
  wineserver -k >/dev/null 2>&1
  stop_xvfb
}
trap cleanup EXIT

taskset -c "$core" true || exit 1
start_xvfb
taskset -pc "$core" "$XVFB_PID" >/dev/null
ensure_prefix test
taskset -c "$core" wineserver -p
taskset -c "$core" wine cmd /c exit >/dev/null 2>&1 </dev/null
for _ in 1 2; do
  taskset -c "$core" sh -c 'while :; do :; done' &
  busy+=($!)
done

table=()
for test in "$@"; do
  failures=0
  for ((run = 1; run <= runs; run++)); do
    log="$logs/$test-$run.log"
    if taskset -c "$core" ctest --test-dir "$HORALTO_BUILD/win" -R "^$test\$" --output-on-failure >"$log" 2>&1 &&
       grep -q '100% tests passed' "$log"; then
      echo "$test run $run: passed"
    else
      failures=$((failures + 1))
      echo "$test run $run: FAILED (see $log)"
    fi
  done
  table+=("$(printf '%-24s %4d %8d' "$test" "$runs" "$failures")")
done
printf '%-24s %4s %8s\n' test runs failures
printf '%s\n' "${table[@]}"
