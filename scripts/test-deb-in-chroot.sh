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
mirror=${KELVARIN_MIRROR:-http://deb.debian.org/debian}

if [ "$(id -u)" -ne 0 ]; then
  echo "test-deb-in-chroot.sh makes a chroot: run it as root (sudo)" >&2
  exit 1
fi

scratch=$(mktemp -d /var/tmp/kelvarin-chroot.XXXXXX)
root=$scratch/root
mounts=()
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  sleep 0.5
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -l "${mounts[i]}" 2>/dev/null || true; done
  rm -rf --one-file-system "$scratch"
}
trap cleanup EXIT
step() { echo "== $*"; }

mkdir -p "$root"
if [ -n "${KELVARIN_BASE_TARBALL:-}" ]; then
  step "unpacking $KELVARIN_BASE_TARBALL"
  tar -C "$root" -xzf "$KELVARIN_BASE_TARBALL"
else
  step "debootstrap bookworm (minbase)"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$scratch/debootstrap.log"
fi

bind() {
  mkdir -p "$root$2"
  mount "${@:3}" "$1" "$root$2"
  mounts+=("$root$2")
}
bind proc /proc -t proc
bind /dev /dev --bind
bind devpts /dev/pts -t devpts
bind tmpfs /dev/shm -t tmpfs
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

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
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x640x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 number <&"$fd"
bind /tmp/.X11-unix /tmp/.X11-unix --bind
in_root env DISPLAY=":$number" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=/tmp kelvarin \
  >"$scratch/program.log" 2>&1 &
pids+=($!)
window=$(DISPLAY=":$number" timeout 30 xdotool search --sync --onlyvisible --name '^Kelvarin' |
  head -n 1) || { echo "no window appeared" >&2; cat "$scratch/program.log" >&2; exit 1; }
sleep 1
DISPLAY=":$number" xdotool getwindowname "$window"
DISPLAY=":$number" xwininfo -id "$window" | grep -E "Width|Height"
if [ -n "$screenshot" ]; then
  DISPLAY=":$number" import -window "$window" "$screenshot"
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
