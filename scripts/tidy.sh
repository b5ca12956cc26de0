#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs clang-tidy with the checks of .clang-tidy on every C++ source of the project that a build
# compiles: scripts/tidy.sh BUILD_DIR [JOBS]. The fuzz harnesses are checked against the fuzzing
# build's compile commands (configured in FUZZ_BUILD_DIR, build-fuzz by default, when missing).
# Any warning fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${2:-$(nproc)}
fuzz_build=${FUZZ_BUILD_DIR:-build-fuzz}
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json" >&2; exit 2; }
if [ ! -f "$fuzz_build/compile_commands.json" ]; then
  cmake --preset fuzz -B "$fuzz_build" > /dev/null
fi
# The project's own sources (not Qt's generated moc and resource files).
mapfile -t sources < <(git ls-files '*.cpp' | grep -v '^fuzz/' | grep -v '^examples/')
mapfile -t harnesses < <(git ls-files 'fuzz/*.cpp')
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run-clang-tidy -quiet -p "$build" -j "$jobs" "${sources[@]/#/$PWD/}" > "$log" 2>&1 || true
run-clang-tidy -quiet -p "$fuzz_build" -j "$jobs" "${harnesses[@]/#/$PWD/}" >> "$log" 2>&1 || true
# Without the terminal's colours, so that the findings can be read and matched.
sed -i 's/\x1b\[[0-9;]*m//g' "$log"
if grep -E "(warning|error): " "$log" | grep -v "warnings generated" | sort -u | grep -q .; then
  grep -E "(warning|error): " "$log" | sort -u >&2
  echo "tidy: clang-tidy found the above" >&2
  exit 1
fi
echo "tidy: clean ($(( ${#sources[@]} + ${#harnesses[@]} )) sources)"
