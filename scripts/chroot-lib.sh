# SPDX-License-Identifier: MIT
# Shared by the scripts that try the project in a clean Debian 12 root (sourced, not run).
# make_root makes $root in a scratch folder (from KELVARIN_BASE_TARBALL, or debootstrap minbase
# with the packages named in $1, comma-separated), mounts what programs need, and arranges for
# everything to be unmounted and removed on exit. in_root runs a command there as root, as_user
# as the user named in $user.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "$(basename "$0") makes a chroot: run it as root (sudo)" >&2
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

bind() {
  mkdir -p "$root$2"
  mount "${@:3}" "$1" "$root$2"
  mounts+=("$root$2")
}

make_root() {
  mkdir -p "$root"
  if [ -n "${KELVARIN_BASE_TARBALL:-}" ]; then
    step "unpacking $KELVARIN_BASE_TARBALL"
    tar -C "$root" -xzf "$KELVARIN_BASE_TARBALL"
  else
    step "debootstrap bookworm (minbase${1:+ with $1})"
    debootstrap --variant=minbase ${1:+--include="$1"} bookworm "$root" \
      "${KELVARIN_MIRROR:-http://deb.debian.org/debian}" >"$scratch/debootstrap.log"
  fi
  bind proc /proc -t proc
  bind /dev /dev --bind
  bind devpts /dev/pts -t devpts
  bind tmpfs /dev/shm -t tmpfs
  cp /etc/resolv.conf "$root/etc/resolv.conf"
}

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
as_user() {
  chroot --userspec="$user:$user" "$root" env -i PATH=/usr/bin:/bin HOME="/home/$user" \
    USER="$user" LANG=C.UTF-8 bash -c "$1"
}

# Starts Xvfb on the host with its socket shared into the root; sets $display.
start_display() {
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 1024x640x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
  pids+=($!)
  read -r -t 10 number <&"$fd"
  display=:$number
  bind /tmp/.X11-unix /tmp/.X11-unix --bind
}
