#!/usr/bin/env bash
# Runs every test: the native suite, then the Windows tests under Wine on a
# private Xvfb. Ends with CTest's summary line.
set -uo pipefail
build=${1:-build}
. "$(dirname "$0")/wine-env.sh" "$build"

status=0
ctest --test-dir "$HORALTO_BUILD/native" --output-on-failure -j"$(nproc)" || status=1
# Each fuzz target, briefly, over its seeds.
ctest --test-dir "$HORALTO_BUILD/fuzz" --output-on-failure -j"$(nproc)" --timeout 300 || status=1

start_xvfb
trap 'wineserver -k >/dev/null 2>&1; stop_xvfb' EXIT
ensure_prefix test
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null
# A window test that fails is run once more: under Wine on a bare X server the
# timing of other processes' windows (the desktop, the stand-in taskbar) can
# differ from run to run. A test that fails twice fails the run.
ctest --test-dir "$HORALTO_BUILD/win" --output-on-failure --repeat until-pass:2 || status=1
exit $status
