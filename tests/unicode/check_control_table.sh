#!/usr/bin/env bash
# Checks that src/platform/unicode_controls.h is what tools/unicode/make_control_table.py
# writes from the Unicode data of this machine, so that the table is neither edited by hand
# nor left behind by a change of the script. Skipped (77) without the data (Debian's
# package unicode-data) or when the data is of another Unicode version than the table.
# Usage: check_control_table.sh PROJECT_DIR [UNICODEDATA]
set -euo pipefail
project="${1:?usage: check_control_table.sh PROJECT_DIR [UNICODEDATA]}"
data="${2:-/usr/share/unicode/UnicodeData.txt}"
table="$project/src/platform/unicode_controls.h"
[ -r "$data" ] || { echo "no $data: skipped"; exit 77; }
command -v python3 >/dev/null || { echo "no python3: skipped"; exit 77; }

written="$(python3 "$project/tools/unicode/make_control_table.py" "$data")"
version_of() { sed -n 's/.*kUnicodeControlTableVersion = "\(.*\)";/\1/p'; }
committed_version="$(version_of < "$table")"
data_version="$(version_of <<< "$written")"
if [ "$committed_version" != "$data_version" ]; then
  echo "the table is of Unicode $committed_version, the data of $data_version: skipped"
  exit 77
fi
if ! diff -u "$table" <(printf '%s\n' "$written"); then
  echo "src/platform/unicode_controls.h differs from what the script writes (above)" >&2
  exit 1
fi
echo "the table of Unicode $committed_version is what the script writes"
