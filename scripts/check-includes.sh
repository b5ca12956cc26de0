#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The include rules of HACKING.md's layering table, checked per folder: every "folder/..." a
# source includes must be a folder its own folder may include. Prints each include that breaks
# the rule and exits 1; run by CI and by ctest (include_rules).
set -euo pipefail
cd "$(dirname "$0")/.."

# folder: the folders it may include (its own first).
declare -A allowed=(
  [runtime]="runtime"
  [services]="services runtime"
  [system]="system services runtime"
  [workout]="workout services runtime"
  [segment_codes]="segment_codes"
  [build_info]="build_info"
  [raster]="raster"
  [gui]="gui raster workout services runtime"
  [about_window]="about_window gui build_info workout services runtime"
  [segment_window]="segment_window about_window gui segment_codes build_info workout services runtime"
)
folders="app about_window bench build_info fuzz gui raster runtime segment_codes segment_window services system tests workout"

status=0
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  while IFS=: read -r file line include; do
    top=${include%%/*}
    # Only the project's own folders are checked; "file.h" beside the source is its own.
    case " $folders " in *" $top "*) ;; *) continue ;; esac
    case " ${allowed[$folder]} " in
      *" $top "*) ;;
      *)
        echo "$file:$line: $folder/ may not include $include (it may include: ${allowed[$folder]})"
        status=1
        ;;
    esac
  done < <(grep -rnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' "$folder" \
             --include='*.h' --include='*.cpp' --include='*.in' |
           sed -E 's/^([^:]+):([0-9]+):.*"([^"]+)"/\1:\2:\3/')
done
exit $status
