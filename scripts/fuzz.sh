#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every fuzz harness for a while: scripts/fuzz.sh BUILD_DIR SECONDS [HARNESS...]
# Corpora grow in $FUZZ_CORPORA (outside the source tree; ~/.cache/kelvarin/fuzz by default),
# starting from the seeds in fuzz/seeds; a finding is kept there as crash-*, timeout-* or oom-*.
# FUZZ_RUNS stops a harness after that many inputs instead (whichever comes first).
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${2:-60}
shift 2 || true
corpora=${FUZZ_CORPORA:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvarin/fuzz}
runs=${FUZZ_RUNS:--1}
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for h in "$build"/bin/fuzz_*; do harnesses+=("$(basename "$h" | sed 's/^fuzz_//')"); done
fi
failed=()
for h in "${harnesses[@]}"; do
  mkdir -p "$corpora/$h" "$corpora/findings/$h"
  seeds=fuzz/seeds/$h
  [ -d "$seeds" ] || seeds=""
  log="$corpora/$h.log"
  echo "== $h (${seconds} s)"
  "$build/bin/fuzz_$h" -max_total_time="$seconds" -runs="$runs" -max_len=4096 -timeout=1 \
    -rss_limit_mb=2048 -dict=fuzz/kelvarin.dict -print_final_stats=1 \
    -artifact_prefix="$corpora/findings/$h/" "$corpora/$h" $seeds > "$log" 2>&1
  status=$?
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$log" | tr '\n' ' '
  echo
  if [ $status -ne 0 ]; then
    failed+=("$h")
    grep -E "ERROR|finding|error [0-9]+ not allowed|SUMMARY|runtime error" "$log" | head -5
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "findings in: ${failed[*]} (inputs in $corpora/findings)" >&2
  exit 1
fi
