#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the examples against the library as it is installed, and runs them: the library's
# components lib and dev are installed from BUILD_DIR into a staging folder (DESTDIR), and each
# example is built there once with the CMake package and once with pkg-config; its output must
# be the one it expects. A project example (a folder with a .toml project) is built with its
# Makefile and its CMake rule on the program of BUILD_DIR, and built again after its project
# changes, which must make its header again.
#   scripts/check-examples.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:?the build folder}")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stage=$scratch/stage

for component in lib dev; do
  DESTDIR=$stage cmake --install "$build" --component $component >/dev/null
done
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
libdir=$(dirname "$(find "$stage$prefix" -name 'libkelvarin-workout.so.*.*' | head -n 1)")
echo "== the library installed in $stage$prefix"
(cd "$stage$prefix" && find . -type f -o -type l | sort | sed 's/^/  /')

for example in examples/*/; do
  example=${example%/}
  [ -f "$example/arguments" ] || continue
  name=$(basename "$example")
  expected=$example/expected-output.txt
  arguments=$(cat "$example/arguments")

  echo "== $name with the CMake package"
  cmake -S "$example" -B "$scratch/$name-cmake" -DCMAKE_PREFIX_PATH="$stage$prefix" >/dev/null
  cmake --build "$scratch/$name-cmake" >/dev/null
  program=$scratch/$name-cmake/$name

  echo "== $name with pkg-config"
  cp -r "$example" "$scratch/$name-pkg-config"
  PKG_CONFIG_PATH="$libdir/pkgconfig" make -s -C "$scratch/$name-pkg-config" >/dev/null

  for built in "$program" "$scratch/$name-pkg-config/$name"; do
    # The program must run with the staged library, not another one.
    LD_LIBRARY_PATH=$libdir ldd "$built" | grep -q "$libdir/libkelvarin-workout.so.1" || {
      echo "$built does not use the staged library" >&2
      exit 1
    }
    # shellcheck disable=SC2086
    (cd "$example" && LD_LIBRARY_PATH=$libdir "$built" $arguments) >"$scratch/output.txt"
    diff -u "$expected" "$scratch/output.txt"
  done
  echo "== $name: both builds print $expected"
  head -n 8 "$expected" | sed 's/^/  /'
done

kelvarin=$build/bin/kelvarin
for project in examples/*/*.toml; do
  example=$(dirname "$project")
  name=$(basename "$example")
  expected=$example/expected-output.txt
  for way in make cmake; do
    echo "== $name with its $way rule"
    copy=$scratch/$name-$way
    cp -r "$example" "$copy"
    if [ $way = make ]; then
      build_project() { make -s -C "$copy" KELVARIN="$kelvarin" >/dev/null; }
      header=$copy/clock_digits.h program=$copy/$name
    else
      build_project() {
        cmake -S "$copy" -B "$copy/build" -DKELVARIN="$kelvarin" >/dev/null
        cmake --build "$copy/build" >/dev/null
      }
      header=$copy/build/clock_digits.h program=$copy/build/$name
    fi
    build_project
    "$program" | diff -u "$expected" -
    # The project changes (the 1 drawn with its flag): the header is made again.
    sleep 1
    sed -i 's/text = "0123456789"/text = "0I23456789"/' "$copy/$(basename "$project")"
    build_project
    grep -q '0x30' "$header" || { echo "$way did not make $header again" >&2; exit 1; }
  done
  echo "== $name: both rules print $expected and follow the project"
done
