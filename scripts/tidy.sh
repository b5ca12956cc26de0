#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs clang-tidy with the checks of .clang-tidy on every C++ source of the project that the
# build compiles: scripts/tidy.sh BUILD_DIR [JOBS]. Any warning fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${2:-$(nproc)}
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json" >&2; exit 2; }
# The project's own sources (not Qt's generated moc and resource files).
mapfile -t sources < <(git ls-files '*.cpp' | grep -v '^fuzz/' | grep -v '^examples/')
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run-clang-tidy -quiet -p "$build" -j "$jobs" "${sources[@]/#/$PWD/}" > "$log" 2>&1 || true
if grep -E "(warning|error): " "$log" | grep -v "warnings generated" | sort -u | grep -q .; then
  grep -E "(warning|error): " "$log" | sort -u >&2
  echo "tidy: clang-tidy found the above" >&2
  exit 1
fi
echo "tidy: clean ($(printf '%s\n' "${sources[@]}" | wc -l) sources)"
