#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running and testing need.
# Only what is missing is installed; sudo is used when not running as root.
#   --fuzz    adds clang and its libFuzzer runtime, for the fuzz harnesses
#   --format  adds clang-format, for make format and make format-check
#   --tidy    adds clang-tidy, for make tidy
#   --avr     adds the AVR compiler and C library, with which the tests build the arduino format
#   --package adds what building and checking the Debian packages needs
#   --docs    adds Doxygen, Qt's help generator and Python, for the library's documentation
set -euo pipefail

packages=(
  build-essential
  cmake
  pkg-config
  qt6-base-dev
  qt6-wayland
  libxkbcommon-dev
  libsqlite3-dev
  libssl-dev
  libxcb1-dev
  # toml++ reads the project files.
  libtomlplusplus-dev
  # The windows' English translation is built with Qt's translation tools; Qt's own dialogs
  # speak the window's language with Qt's translations.
  qt6-tools-dev
  qt6-l10n-tools
  qt6-translations-l10n
  # The translation check reads the .ts file with Python.
  python3
  fonts-wqy-microhei
  xvfb
  openbox
  # The tests build the formats' output with SDCC and run it on its 8051 simulator.
  sdcc
  sdcc-ucsim
)
for option in "$@"; do
  case "$option" in
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --format) packages+=(clang-format) ;;
    --tidy) packages+=(clang-tidy) ;;
    --avr) packages+=(gcc-avr avr-libc) ;;
    --package) packages+=(dpkg-dev file lintian appstream desktop-file-utils) ;;
    --docs) packages+=(doxygen qt6-documentation-tools python3) ;;
    *) echo "install-deps.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

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
  if ! command -v sudo >/dev/null 2>&1; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Installing them needs root, and sudo is not installed. Run this once as root:" >&2
    echo "  su -c ./scripts/install-deps.sh" >&2
    echo "then run make again as yourself." >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
# The variable goes through sudo as an argument: sudo does not keep the caller's environment.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
