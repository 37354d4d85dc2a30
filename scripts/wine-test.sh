#!/usr/bin/env bash
# Runs some of the Windows tests under Wine on a private Xvfb, in a Wine prefix of
# its own, so several developers can run tests side by side.
# Usage: scripts/wine-test.sh <prefix dir> [ctest arguments, e.g. -R win_planner]
set -uo pipefail
prefix=$(realpath -m "$1")
shift
export HORALTO_WINEPREFIX="$prefix"
. "$(dirname "$0")/wine-env.sh" build
start_xvfb
trap 'wineserver -k >/dev/null 2>&1; stop_xvfb' EXIT
ensure_prefix test
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null
ctest --test-dir "$HORALTO_BUILD/win" --output-on-failure "$@"
