#!/usr/bin/env bash
# Runs one fuzz target over its seeds: fuzz.sh <target> <seed folder> <work folder>.
# Without FUZZ_SECONDS a short run of a fixed number of inputs (what `make test`
# does); with FUZZ_SECONDS=N it fuzzes for N seconds. New inputs and any crash
# go to the work folder, never to the seeds in the repository.
set -euo pipefail
target=$1 seeds=$2 work=$3
mkdir -p "$work/corpus"
args=(-max_len=4096 -timeout=20 -rss_limit_mb=2048 -print_final_stats=1
      -artifact_prefix="$work/")
if [ -n "${FUZZ_SECONDS:-}" ]; then
  args+=(-max_total_time="$FUZZ_SECONDS")
else
  args+=(-seed=1 -runs="${FUZZ_RUNS:-20000}")
fi
exec "$target" "${args[@]}" "$work/corpus" "$seeds"
