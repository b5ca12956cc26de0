#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian package in a clean Debian 12 root and starts the program there: apt-get
# resolves its dependencies from the package alone, the program answers --version, opens its
# window on an Xvfb display, and the package removes cleanly.
#   sudo scripts/test-deb-in-chroot.sh PACKAGE.deb [SCREENSHOT.png]
# The root comes from debootstrap (minbase), or from the tarball of one named by
# KELVARIN_BASE_TARBALL; it is made in a scratch folder and removed afterwards.
# Needs root, debootstrap, xvfb, xdotool and imagemagick on the host, and a Debian mirror.
set -euo pipefail
deb=$(realpath "${1:?package .deb}")
screenshot=${2:-}
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
