#!/usr/bin/env bash
# Runs one Windows test program under Wine. When CTest hands the test one of
# the desktops of scripts/test.sh (each a Wine prefix with an X display of its
# own, so tests side by side never share a foreground window, a hot key or a
# mouse), Wine runs there; otherwise in the prefix and display of the caller.
if [[ ${CTEST_RESOURCE_GROUP_0_DESKTOPS:-} =~ id:([0-9]+) ]]; then
  prefix="HORALTO_DESKTOP_${BASH_REMATCH[1]}_PREFIX"
  display="HORALTO_DESKTOP_${BASH_REMATCH[1]}_DISPLAY"
  export WINEPREFIX="${!prefix:?no prefix for this desktop}" DISPLAY="${!display:?no display for this desktop}"
fi
exec wine "$@"
