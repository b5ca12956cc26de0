#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Validates what a desktop and a distribution read: the AppStream file, the desktop entry, and the
# Debian packages built by make package (lintian; errors fail, warnings are shown).
#   scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}

echo "== appstreamcli validate"
appstreamcli validate --no-net --explain resources/org.kelvarin.Kelvarin.metainfo.xml
echo "== desktop-file-validate"
desktop-file-validate resources/org.kelvarin.Kelvarin.desktop && echo "no problems"
status=0
for deb in "$build"/kelvarin_*.deb "$build"/kelvarin-doc_*.deb "$build"/libkelvarin-workout*.deb; do
  echo "== lintian $deb"
  output=$(lintian --fail-on error --display-info --color never "$deb" 2>&1) || status=$?
  grep -v "running with root privileges is not recommended" <<<"$output" || echo "no tags"
done
exit $status
