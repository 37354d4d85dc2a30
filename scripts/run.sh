#!/usr/bin/env bash
# Starts Horalto.exe under Wine on the current display, or on a private Xvfb
# when there is none. Its settings and data files are written beside it.
set -euo pipefail
build=${1:-build}
. "$(dirname "$0")/wine-env.sh" "$build"
# A prefix of its own, without the test fixtures.
export WINEPREFIX="$HORALTO_BUILD/wineprefix-run"
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display; starting a private Xvfb (look at it with: xwd -root -display \$DISPLAY)"
  start_xvfb
  trap 'stop_xvfb' EXIT
  echo "run: DISPLAY=$DISPLAY"
fi
ensure_prefix
exec_dir="$HORALTO_BUILD/win"
cd "$exec_dir"
wine Horalto.exe
