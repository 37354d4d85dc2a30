#!/usr/bin/env bash
# make bench: the clock's costs measured side by side in one run under Wine, on a
# private Xvfb and Wine prefix. Not a test: it prints figures and judges nothing.
#  1. per-tick cost of each step (horalto_bench ticks), against a bare GDI+ window;
#  2. start to an answering settings window and close of the real Horalto.exe with
#     large data files (a megabyte of format text in each format key; 200,000 tasks),
#     and with one format line of 8 MB in every format key, how soon the ticking
#     clock answers, and while it says the time;
#  3. start to first paint, resident memory and idle CPU over BENCH_IDLE_SECONDS
#     (default 30) of the real Horalto.exe with the default settings, the text-only
#     clock, and the bare window, all running at once.
# Usage: scripts/bench.sh <build dir>   (BENCH_TICKS, BENCH_IDLE_SECONDS, BENCH_KEEP, BENCH_LARGE_TIMEOUT,
#        BENCH_LINE_SIZE, BENCH_LINE_SECONDS,
#        BENCH_BEFORE=<another Horalto.exe> runs that one beside the others too, for before/after figures)
set -uo pipefail
build=$(realpath -m "${1:-build}")
idle=${BENCH_IDLE_SECONDS:-30}
export HORALTO_WINEPREFIX="$build/wineprefix-bench"
. "$(dirname "$0")/wine-env.sh" "$build"
win="$HORALTO_BUILD/win"
for f in "$win/Horalto.exe" "$win/bench/horalto_bench.exe"; do
  [ -f "$f" ] || { echo "bench: $f is missing (make win)"; exit 1; }
done

scratch=$(mktemp -d)
started=()
cleanup() {
  # BENCH_KEEP=<folder> keeps the pictures of the first paints for looking at.
  [ -n "${BENCH_KEEP:-}" ] && mkdir -p "$BENCH_KEEP" && cp "$scratch"/*.png "$BENCH_KEEP"/ 2>/dev/null
  # The programs end first, the last started first (the taskbar clock before
  # the stand-in taskbar that holds its window), each waited for; only then is
  # the prefix's server ended. Told to end while programs still run, the server
  # tears down all their windows at once, and Wine's server sometimes crashes
  # doing so ("wineserver crashed").
  for ((i = ${#started[@]} - 1; i >= 0; --i)); do
    kill "${started[$i]}" 2>/dev/null && wait "${started[$i]}" 2>/dev/null
  done
  wineserver -k >/dev/null 2>&1
  stop_xvfb
  rm -rf "$scratch"
}
trap cleanup EXIT
start_xvfb
ensure_prefix
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null
# The stand-in voice of the tests (it writes what it is asked to say into a
# log) is the prefix's voice, so that the clock speaks in section 2b.
[ -f "$win/tests/horalto_test_voice.dll" ] && . "$HORALTO_ROOT/tests/fixtures/prefix.d/test_voice.sh"

echo "== Horalto bench, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores"
ls -l "$win/Horalto.exe" | LC_ALL=C awk '{printf "Horalto.exe: %.2f MB (%d bytes)\n", $5/1048576, $5}'

# ---- 1. Per-tick cost, in one process.
mkdir -p "$scratch/ticks"
cp "$win/bench/horalto_bench.exe" "$scratch/ticks/"
(cd "$scratch/ticks" && wine horalto_bench.exe ticks "${BENCH_TICKS:-300}" </dev/null 2>/dev/null)

# ---- 2. Large data files: a format text of about a megabyte in every format
# key of Horalto.ini, and a task file of 200,000 tasks, beside the default
# settings. Start = launch until the settings window is made and the clock
# answers from its message loop; close = WM_CLOSE until the process has ended;
# "kept" when the files it wrote hold what it read. A step that does not end
# within BENCH_LARGE_TIMEOUT ms (default 120000) is shown as longer than that,
# and the program is ended.
large_timeout=${BENCH_LARGE_TIMEOUT:-120000}
large_exes=("$win/Horalto.exe")
large_names=("Horalto.exe")
if [ -n "${BENCH_BEFORE:-}" ] && [ -f "$BENCH_BEFORE" ]; then
  large_exes=("$BENCH_BEFORE" "${large_exes[@]}")
  large_names=("Horalto.exe before" "${large_names[@]}")
fi
echo
echo "Large data files (start = launch to an answering settings window; close = WM_CLOSE to the end)"
printf '  %-52s %10s %10s  %s\n' "program and data" "start ms" "close ms" "files"
for kind in plain formats tasks; do
  case $kind in
    plain) size=0 label="default settings" ;;
    formats) size=1000000 label="1 MB format text in each format key" ;;
    tasks) size=200000 label="200,000 tasks" ;;
  esac
  for i in "${!large_exes[@]}"; do
    dir="$scratch/large-$kind-$i"
    mkdir -p "$dir"
    line=$(cd "$scratch/ticks" && wine horalto_bench.exe startclose "$kind" "Z:${large_exes[$i]//\//\\}" \
      "Z:${dir//\//\\}" "$size" "$large_timeout" </dev/null 2>/dev/null | tr -d '\r' | tail -1)
    start=$(awk '{print $2}' <<<"$line")
    close=$(awk '{print $4}' <<<"$line")
    files=$(cut -d' ' -f5- <<<"$line")
    [ "$start" = "-" ] && start="> $large_timeout" && close="-" && files="(ended)"
    [ "$close" = "-" ] && [ "$start" != "> $large_timeout" ] && close="> $large_timeout" && files="(ended)"
    printf '  %-52s %10s %10s  %s\n' "${large_names[$i]}, $label" "$start" "$close" "$files"
    rm -rf "$dir"
  done
done

# ---- 2b. One template line of BENCH_LINE_SIZE characters (8 MB) in every
# format key: after the start, the ticking clock is sent a message every 100 ms
# for BENCH_LINE_SECONDS (20) s; how long it took to answer (median, most, and
# how many answers took longer than 250 ms or did not come), then the close
# and whether the files it wrote hold what it read. Meanwhile the time is said
# every 2 s by its hot key Ctrl+Alt+T (from its 8 MB format): the answers of
# the second after each press are shown apart ("speaking"), with how many
# texts the voice was handed ("said", texts/presses).
line_size=${BENCH_LINE_SIZE:-8000000}
line_seconds=${BENCH_LINE_SECONDS:-20}
echo
echo "One format line of $line_size characters in every format key (a message to the ticking clock every 100 ms for $line_seconds s;"
echo "the time said by Ctrl+Alt+T every 2 s: the answers of the second after each press are those while speaking)"
printf '  %-30s %10s %8s %10s %10s %8s %7s %10s  %s\n' "program" "start ms" "answers" "median ms" "max ms" \
  ">250 ms" "said" "close ms" "files"
for i in "${!large_exes[@]}"; do
  dir="$scratch/line-$i"
  mkdir -p "$dir"
  line=$(cd "$scratch/ticks" && wine horalto_bench.exe startclose oneline "Z:${large_exes[$i]//\//\\}" \
    "Z:${dir//\//\\}" "$line_size" "$large_timeout" "$line_seconds" speak </dev/null 2>/dev/null |
    tr -d '\r' | tail -1)
  field() { awk -v k="$1" '{for (i = 1; i < NF; ++i) if ($i == k) {print $(i + 1); exit}}' <<<"$line"; }
  val() { local v; v=$(field "$1"); printf '%s' "${v:--}"; }
  start=$(field start) close=$(field close)
  files=$(sed -E 's/.*close [^ ]+ //' <<<"$line")
  if [ "$start" = "-" ] || [ -z "$start" ]; then
    start="> $large_timeout" close="-" files="(ended)"
  elif [ "$close" = "-" ]; then
    close="> $large_timeout" files="(ended)"
  fi
  printf '  %-30s %10s %8s %10s %10s %8s %7s %10s  %s\n' "${large_names[$i]}, ticking" "$start" \
    "$(val answers)" "$(val median)" "$(val max)" "$(val over250)" "" "$close" "$files"
  printf '  %-30s %10s %8s %10s %10s %8s %7s\n' "${large_names[$i]}, speaking" "" "$(val sanswers)" \
    "$(val smedian)" "$(val smax)" "$(val sover250)" "$(val said)"
  rm -rf "$dir"
done

# ---- 3. The running programs, side by side.
# Starts a program in the background and waits for its first paint; sets
# LAST_PID and prints the start-up time.
run_watched() {  # name class folder command...
  local name=$1 class=$2 dir=$3
  shift 3
  local ready="$scratch/$name.ready" out="$scratch/$name.watch"
  (cd "$scratch/ticks" && wine horalto_bench.exe watch "$class" "Z:${ready//\//\\}" \
     "Z:${scratch//\//\\}\\$name.png" >"$out" </dev/null 2>/dev/null) &
  local watcher=$!
  for _ in $(seq 1 500); do [ -f "$ready" ] && break; sleep 0.02; done
  local t0
  t0=$(date +%s%N)
  (cd "$dir" && exec "$@" >/dev/null 2>&1 </dev/null) &
  LAST_PID=$!
  started+=("$LAST_PID")
  wait "$watcher"
  local painted
  painted=$(tr -d '\r' <"$out" | awk '/^painted/ {print $2}')
  if [ -n "$painted" ]; then
    STARTUP_MS=$(( (painted - t0) / 1000000 ))
  else
    STARTUP_MS="?"
  fi
}

mkdir -p "$scratch/main" "$scratch/text" "$scratch/tray" "$scratch/bare"
for k in main text tray; do cp "$win/Horalto.exe" "$scratch/$k/"; done
printf '[Window]\r\nMainSkinIndex=0\r\nLeft=40\r\nTop=600\r\n' >"$scratch/text/Horalto.ini"
# The taskbar clock alone: the window starts minimised into the clock of a
# stand-in taskbar (the test fixture; Wine's own taskbar has no clock).
printf '[Window]\r\nWindowState=0\r\n[Main]\r\nShowInTray=1\r\nInSystemClock=1\r\n' >"$scratch/tray/Horalto.ini"
cp "$win/bench/horalto_bare.exe" "$scratch/bare/"

declare -A pid startup
programs="main text bare"
if [ -n "${BENCH_BEFORE:-}" ] && [ -f "$BENCH_BEFORE" ]; then
  mkdir -p "$scratch/before"
  cp "$BENCH_BEFORE" "$scratch/before/Horalto.exe"
  printf '[Window]\r\nLeft=296\r\nTop=420\r\n' >"$scratch/before/Horalto.ini"
  run_watched before TfrmHoralto "$scratch/before" wine Horalto.exe
  pid[before]=$LAST_PID startup[before]=$STARTUP_MS
  programs="before $programs"
fi
run_watched main TfrmHoralto "$scratch/main" wine Horalto.exe
pid[main]=$LAST_PID startup[main]=$STARTUP_MS
run_watched bare HoraltoBenchBareClock "$scratch/bare" wine horalto_bare.exe 700 20
pid[bare]=$LAST_PID startup[bare]=$STARTUP_MS
# The text-only clock: its window class is the main window's too, so it starts
# once the others are up.
(cd "$scratch/text" && exec wine Horalto.exe >/dev/null 2>&1 </dev/null) &
pid[text]=$!
started+=("${pid[text]}")
startup[text]="-"
if [ -f "$win/tests/fake_taskbar.exe" ]; then
  (cd "$win/tests" && exec wine fake_taskbar.exe >/dev/null 2>&1 </dev/null) &
  started+=("$!")
  sleep 2
  (cd "$scratch/tray" && exec wine Horalto.exe >/dev/null 2>&1 </dev/null) &
  pid[tray]=$!
  started+=("${pid[tray]}")
  startup[tray]="-"
  programs="${programs% bare} tray bare"
fi
sleep 5

cpu_ns() {  # time on the CPU of every thread of the process, in nanoseconds
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | LC_ALL=C awk '{s += $1} END {printf "%d", s}'
}
rss_mb() {
  LC_ALL=C awk '/^VmRSS/ {printf "%.1f", $2/1024}' "/proc/$1/status" 2>/dev/null || echo "?"
}
declare -A before after
for k in $programs; do before[$k]=$(cpu_ns "${pid[$k]}"); done
sleep "$idle"
for k in $programs; do after[$k]=$(cpu_ns "${pid[$k]}"); done
# A look at the screen at the end, kept with BENCH_KEEP.
import -window root -display "$DISPLAY" "$scratch/screen.png" 2>/dev/null

echo
echo "Running programs side by side (idle CPU over ${idle} s; start = launch to first paint)"
printf '  %-36s %10s %10s %12s %8s\n' "program" "start ms" "RSS MB" "CPU ms/${idle}s" "% core"
for k in $programs; do
  case $k in
    before) label="Horalto.exe before, default settings" ;;
    main) label="Horalto.exe, default settings" ;;
    text) label="Horalto.exe, text-only clock" ;;
    tray) label="Horalto.exe, taskbar clock only" ;;
    bare) label="bare GDI+ window" ;;
  esac
  ms=$(( (after[$k] - before[$k]) / 1000000 ))
  printf '  %-36s %10s %10s %12s %8s\n' "$label" "${startup[$k]}" "$(rss_mb "${pid[$k]}")" "$ms" \
    "$(LC_ALL=C awk -v m="$ms" -v s="$idle" 'BEGIN {printf "%.2f", m / (s * 10)}')"
done
