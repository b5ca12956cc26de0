#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The ABI check of the shared library: the symbols it exports are listed in the repository, with
# the soname they belong to. A listed symbol that the library no longer exports fails the check
# unless the soname's major version changed (then the list is out of date: write a new one).
# Symbols that are new are shown; the list takes them with --update.
#   scripts/check-abi.sh LIBRARY SYMBOLS_FILE [--update]
set -euo pipefail
library=${1:?the shared library}
list=${2:?the symbols file}
update=${3:-}

soname=$(readelf -d "$library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
exported=$(nm -D --defined-only "$library" | awk '$2 != "A" { sub(/@.*/, "", $3); print $3 }' |
  LC_ALL=C sort -u)

if [ "$update" = "--update" ]; then
  {
    echo "# The symbols $soname exports (mangled; c++filt shows them). Kept by"
    echo "# scripts/check-abi.sh LIBRARY abi/$(basename "$list") --update"
    echo "soname $soname"
    echo "$exported"
  } >"$list"
  echo "$list: $(wc -l <<<"$exported") symbols of $soname"
  exit 0
fi

listed_soname=$(sed -n 's/^soname //p' "$list")
listed=$(grep -vE '^(#|soname )' "$list" | LC_ALL=C sort -u)
missing=$(LC_ALL=C comm -23 <(echo "$listed") <(echo "$exported"))
added=$(LC_ALL=C comm -13 <(echo "$listed") <(echo "$exported"))

if [ -n "$added" ]; then
  echo "new symbols (not yet in $list; add them with --update):"
  c++filt <<<"$added" | sed 's/^/  /'
fi
if [ -n "$missing" ]; then
  if [ "$listed_soname" = "$soname" ]; then
    echo "symbols of $soname that the library no longer exports:" >&2
    c++filt <<<"$missing" | sed 's/^/  /' >&2
    echo "Removing a symbol breaks the programs built on $soname: keep it, or raise the" >&2
    echo "major version (the soname) and write the list anew with --update." >&2
    exit 1
  fi
  echo "the soname changed ($listed_soname -> $soname): the list is out of date; write it anew" \
    "with --update"
  exit 0
fi
echo "$soname exports all $(wc -l <<<"$listed") listed symbols"
