#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Only what is missing is installed; sudo is used when not running as root.
# --fuzz adds clang and its libFuzzer runtime, for the fuzz harnesses.
set -euo pipefail

packages=(
  build-essential
  cmake
  qt6-base-dev
  qt6-base-dev-tools
  libgl-dev
  libsqlite3-dev
  libssl-dev
  libxcb1-dev
  pkg-config
  xvfb
  openbox
  fonts-wqy-microhei
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
