#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that no text of the windows is left untranslated: the sources' texts are gathered anew
# (lupdate) into a copy of translations/kelvarin_en.ts, and every message of the copy must be
# Chinese with a finished English translation (scripts/translate-ts.py). A text added to the
# windows without its translation, or one left in the file that the windows no longer have,
# fails.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp translations/kelvarin_en.ts "$copy"
"$lupdate" -silent -I . -source-language zh_CN -target-language en -locations none \
  segment_window about_window gui segment_codes -ts "$copy"
python3 scripts/translate-ts.py "$copy"
