#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages of make package in a clean Debian 12 root and tries them there:
#   1. kelvarin: apt-get resolves its dependencies from the package alone, the program answers
#      --version, opens its window on an Xvfb display, and the package removes cleanly;
#   2. libkelvarin-workout-dev (with the library, and kelvarin-doc): a user builds the example of
#      examples/ with cmake and with pkg-config, and its output is the one it expects.
#   sudo scripts/test-deb-in-chroot.sh [BUILD_DIR] [SCREENSHOT.png]   (default build-release)
# The root comes from debootstrap (minbase), or from the tarball of one named by
# KELVARIN_BASE_TARBALL; it is made in a scratch folder and removed afterwards.
# Needs root, debootstrap, xvfb, xdotool and imagemagick on the host, and a Debian mirror.
set -euo pipefail
repo=$(realpath "$(dirname "$0")/..")
build=$(realpath "${1:-$repo/build-release}")
screenshot=${2:-}
deb=$(ls "$build"/kelvarin_*_*.deb | head -n 1)
user=developer
. "$(dirname "$0")/chroot-lib.sh"
make_root

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -q >/dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  "/tmp/$(basename "$deb")" >"$scratch/install.log" 2>&1 || { tail -30 "$scratch/install.log"; exit 1; }
grep -E "^(Setting up|Unpacking) kelvarin" "$scratch/install.log"
grep -cE "^Setting up" "$scratch/install.log" | sed 's/^/packages set up: /'

step "kelvarin --version"
in_root kelvarin --version

step "the window on Xvfb"
start_display
in_root env DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=/tmp kelvarin \
  >"$scratch/program.log" 2>&1 &
pids+=($!)
window=$(DISPLAY="$display" timeout 30 xdotool search --sync --onlyvisible --name '^Kelvarin' |
  head -n 1) || { echo "no window appeared" >&2; cat "$scratch/program.log" >&2; exit 1; }
sleep 1
DISPLAY="$display" xdotool getwindowname "$window"
DISPLAY="$display" xwininfo -id "$window" | grep -E "Width|Height"
if [ -n "$screenshot" ]; then
  DISPLAY="$display" import -window "$window" "$screenshot"
  echo "screenshot: $screenshot"
fi
if ! kill -0 "${pids[-1]}" 2>/dev/null; then
  echo "the program ended early" >&2
  cat "$scratch/program.log" >&2
  exit 1
fi
kill "${pids[-1]}"

step "dpkg -r kelvarin"
in_root dpkg -r kelvarin | tail -n 1
if [ -e "$root/usr/bin/kelvarin" ] || [ -e "$root/usr/share/applications/org.kelvarin.Kelvarin.desktop" ]; then
  echo "files left behind after removal" >&2
  exit 1
fi
echo "the package installs, runs and removes cleanly"

step "apt-get install libkelvarin-workout-dev kelvarin-doc, and the tools to build with them"
library_debs=()
for package in "$build"/libkelvarin-workout*_*.deb "$build"/kelvarin-doc_*.deb; do
  cp "$package" "$root/tmp/"
  library_debs+=("/tmp/$(basename "$package")")
done
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  "${library_debs[@]}" g++ make cmake pkg-config \
  >"$scratch/install-dev.log" 2>&1 || { tail -30 "$scratch/install-dev.log"; exit 1; }
grep -E "^Setting up (libkelvarin|kelvarin-doc)" "$scratch/install-dev.log"
in_root dpkg -L libkelvarin-workout1 libkelvarin-workout-dev kelvarin-doc |
  grep -E '\.so|\.h$|\.cmake$|\.pc$|\.qch$|index\.html$' | sed 's/^/  /'

step "the example, built by a user with cmake and with pkg-config"
in_root useradd --create-home --shell /bin/bash "$user"
for example in "$repo"/examples/*/; do
  name=$(basename "$example")
  cp -r "$example" "$root/home/$user/$name"
  chroot "$root" chown -R "$user:$user" "/home/$user/$name"
  arguments=$(cat "$example/arguments")
  as_user "cd ~/$name && cmake -S . -B build >/dev/null && cmake --build build >/dev/null && \
    build/$name $arguments" >"$scratch/cmake-output.txt"
  diff -u "$example/expected-output.txt" "$scratch/cmake-output.txt"
  as_user "cd ~/$name && make -s >/dev/null && ./$name $arguments" >"$scratch/pkg-config-output.txt"
  diff -u "$example/expected-output.txt" "$scratch/pkg-config-output.txt"
  echo "$name, built with cmake and with pkg-config, prints:"
  head -n 8 "$scratch/cmake-output.txt" | sed 's/^/  /'
done
echo "the library's packages install, and programs build and run on them"
