#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# make install / make uninstall:
#   scripts/install.sh install BUILD_DIR [PREFIX]
#   scripts/install.sh uninstall BUILD_DIR
# Installing builds first, as the user who called sudo when run through sudo (so the build folder
# keeps its owner), then checks that the destination is writable before copying anything, and
# says what to do instead when it is not. DESTDIR is honoured by both.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
action=${1:?install or uninstall}
build=${2:-build}
prefix=${3:-}
make_cmd=${MAKE:-make}

# The nearest folder that exists on the way to $1.
existing_ancestor() {
  local d=$1
  while [ ! -e "$d" ]; do d=$(dirname "$d"); done
  printf '%s\n' "$d"
}

# Stops with advice when a folder that must be written to is not writable.
require_writable() {
  local where=$1 verb=$2 folder
  folder=$(existing_ancestor "$where")
  if [ ! -w "$folder" ]; then
    echo "Cannot $verb: $folder is not writable by $(id -un)." >&2
    if [ "$verb" = install ]; then
      echo "Either install for everyone with   sudo make install" >&2
      echo "or install for yourself with       make install PREFIX=\$HOME/.local" >&2
    else
      echo "Run it as the user who installed, for example   sudo make uninstall" >&2
    fi
    exit 1
  fi
}

# Gives a file in the build folder back to the user who called sudo.
give_back() {
  if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_UID:-}" ] && [ -e "$1" ]; then
    chown "$SUDO_UID:${SUDO_GID:-$SUDO_UID}" "$1"
  fi
}

case "$action" in
  install)
    if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_UID:-}" ]; then
      setpriv --reuid="$SUDO_UID" --regid="${SUDO_GID:-$SUDO_UID}" --init-groups \
        env HOME="$(getent passwd "$SUDO_UID" | cut -d: -f6)" "$make_cmd" build BUILD_DIR="$build"
    else
      "$make_cmd" build BUILD_DIR="$build"
    fi
    if [ -z "$prefix" ]; then
      prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
    fi
    prefix=$(realpath -m "$prefix")
    for sub in bin share; do require_writable "${DESTDIR:-}$prefix/$sub" install; done
    status=0
    cmake --install "$build" --prefix "$prefix" || status=$?
    give_back "$build/install_manifest.txt"
    exit $status
    ;;
  uninstall)
    manifest=$build/install_manifest.txt
    if [ ! -f "$manifest" ]; then
      echo "Nothing to uninstall: $manifest is missing (it is written by make install)." >&2
      exit 1
    fi
    while IFS= read -r file; do
      if [ -e "${DESTDIR:-}$file" ]; then require_writable "$(dirname "${DESTDIR:-}$file")" uninstall; fi
    done < "$manifest"
    (cd "$build" && cmake -P "$root/cmake/uninstall.cmake")
    ;;
  *)
    echo "usage: $0 install|uninstall BUILD_DIR [PREFIX]" >&2
    exit 2
    ;;
esac
