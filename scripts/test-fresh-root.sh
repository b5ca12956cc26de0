#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Follows the README in a fresh Debian 12 root that has only make, git and ca-certificates:
#   1. a user without sudo runs make: the missing packages are named with what to run as root;
#   2. root clones the repository and runs make test (packages come from apt-get);
#   3. the user builds, is told how to install when /usr/local is not theirs, installs under
#      ~/.local and uninstalls;
#   4. with sudo installed, sudo make install and sudo make uninstall leave the build folder the
#      user's own.
#   sudo scripts/test-fresh-root.sh [COMMIT]   (default HEAD of this repository)
# Needs root and debootstrap on the host (or KELVARIN_BASE_TARBALL), and a Debian mirror.
set -euo pipefail
repo=$(realpath "$(dirname "$0")/..")
commit=${1:-HEAD}
user=newcomer
. "$(dirname "$0")/chroot-lib.sh"
make_root make,git,ca-certificates
in_root useradd --create-home --shell /bin/bash "$user"

clone() {  # clone FOLDER OWNER
  git clone -q --no-hardlinks "$repo" "$root$1"  # hardlinked objects would change owner here too
  git -C "$root$1" checkout -q "$commit"
  chroot "$root" chown -R "$2:$2" "$1"
}

step "1. make as a user without sudo"
clone /home/$user/kelvarin "$user"
if as_user "cd ~/kelvarin && make" >"$scratch/nosudo.log" 2>&1; then
  echo "make succeeded without the packages" >&2
  exit 1
fi
grep -E "sudo is not installed|su -c" "$scratch/nosudo.log"

step "2. make test as root"
clone /root/kelvarin root
start=$(date +%s)
if [ -n "${KELVARIN_SKIP_ROOT_TEST:-}" ]; then  # only the packages, to try steps 3 and 4 quickly
  in_root bash -c "cd /root/kelvarin && ./scripts/install-deps.sh" >"$scratch/root-test.log" 2>&1
else
  in_root bash -c "cd /root/kelvarin && make test" >"$scratch/root-test.log" 2>&1 ||
    { grep -E -B1 -A4 "FAIL!|Error|error:" "$scratch/root-test.log" | head -80; exit 1; }
  grep -E "tests passed|Total Test time" "$scratch/root-test.log"
fi
echo "took $(($(date +%s) - start)) s"

step "3. make, make install and make uninstall as the user"
as_user "cd ~/kelvarin && make CMAKE_FLAGS=-DBUILD_TESTING=OFF >/dev/null && echo built"
if as_user "cd ~/kelvarin && make install" >"$scratch/install-denied.log" 2>&1; then
  echo "make install into /usr/local succeeded for a user" >&2
  exit 1
fi
grep -A2 "Cannot install" "$scratch/install-denied.log"
as_user 'cd ~/kelvarin && make install PREFIX=$HOME/.local | tail -n 1 && ~/.local/bin/kelvarin --version'
as_user 'cd ~/kelvarin && make uninstall | tail -n 1 && test ! -e ~/.local/bin/kelvarin && echo removed'

step "4. sudo make install and sudo make uninstall"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q sudo >/dev/null
echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
as_user "cd ~/kelvarin && sudo make install | tail -n 1 && /usr/local/bin/kelvarin --version"
as_user "cd ~/kelvarin && sudo make uninstall | tail -n 1"
owned=$(chroot "$root" find "/home/$user/kelvarin" -user root)
if [ -n "$owned" ]; then
  echo "root-owned files in the user's folder:" >&2
  head -n 20 <<<"$owned" >&2
  exit 1
fi
if [ -e "$root/usr/local/bin/kelvarin" ]; then
  echo "sudo make uninstall left /usr/local/bin/kelvarin" >&2
  exit 1
fi
echo "the README's set-up works in a fresh root"
