#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the AppStream screenshot of the main window: starts the program on a private Xvfb, lights
# the segments of "2." and adds three codes to the table with the keyboard, and saves the window.
#   scripts/take-screenshot.sh PROGRAM OUTPUT.png
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
program=$(realpath "${1:?program}")
output=${2:?output png}

for tool in Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "take-screenshot.sh needs $tool (Debian packages xvfb, xdotool, imagemagick)" >&2
    exit 1
  fi
done

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x640x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 number <&"$fd" || { echo "Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=:$number
# A registry of its own, so the screenshot does not touch the user's.
export KELVARIN_REGISTRY=$scratch/registry.sqlite3 XDG_STATE_HOME=$scratch QT_QPA_PLATFORM=xcb

"$program" >"$scratch/program.log" 2>&1 &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name '^Kelvarin' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 1

press() { xdotool key --window "$window" --delay 60 "$@"; }
# The focus starts on the first option button; the segments a..dp follow in the tab order.
press Tab space Tab space Tab Tab space Tab space Tab Tab space Tab space   # a b d e g dp
press Tab Tab Tab Tab Tab Tab Return Return Return                          # Command3 three times
sleep 1
import -window "$window" "$output"
echo "$output: $(identify -format '%w x %h' "$output")"
