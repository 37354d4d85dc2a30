# Sourced by the run and test scripts: the project's own Wine prefix, a fixed
# Russian locale and time zone, and a private X display when needed.
# Usage: . scripts/wine-env.sh <build dir>
HORALTO_BUILD=$(realpath -m "${1:-build}")
HORALTO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${HORALTO_WINEPREFIX:-$HORALTO_BUILD/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
{ export LC_ALL=ru_RU.UTF-8; } 2>/dev/null
export TZ=${HORALTO_TZ:-Europe/Moscow}

XVFB_PID=""

# Starts a private Xvfb and points DISPLAY at it.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local n
  read -r n <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$n"
}

stop_xvfb() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}

# Makes the prefix once: fonts that GDI+ can find, Arial mapped to Liberation Sans.
# `ensure_prefix test` also installs the test fixtures that live in the prefix.
ensure_prefix() {
  [ -f "$WINEPREFIX/.horalto-ready-3" ] && return 0
  echo "wine: preparing the prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
  cp -n /usr/share/fonts/truetype/liberation/*.ttf "$fonts/" 2>/dev/null || true
  local key='HKCU\Software\Wine\Fonts\Replacements'
  for f in "Arial" "Arial Narrow" "Tahoma" "MS Sans Serif" "Microsoft Sans Serif" "Verdana" "Segoe UI"; do
    wine reg add "$key" /v "$f" /t REG_SZ /d "Liberation Sans" /f >/dev/null 2>&1 </dev/null
  done
  wine reg add "$key" /v "Times New Roman" /t REG_SZ /d "Liberation Serif" /f >/dev/null 2>&1 </dev/null
  wine reg add "$key" /v "Courier New" /t REG_SZ /d "Liberation Mono" /f >/dev/null 2>&1 </dev/null
  # One Wine virtual desktop with a taskbar: the notification area and its
  # balloons exist, and hiding a window does not wait for a window manager.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d shell /f >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /t REG_SZ /d 1024x768 /f >/dev/null 2>&1 </dev/null
  # Hooks for test fixtures that must live in the prefix (e.g. a stand-in voice).
  [ "${1:-}" = test ] && for hook in "$HORALTO_ROOT"/tests/fixtures/prefix.d/*.sh; do
    [ -f "$hook" ] && . "$hook"
  done
  wineserver -w
  touch "$WINEPREFIX/.horalto-ready-3"
}
