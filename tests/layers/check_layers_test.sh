#!/usr/bin/env bash
# The layer check finds every wrong include of a small tree and passes the right ones.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
output="$("$here/check_layers.sh" "$here/fixture")"
status=$?
echo "$output"
[ $status -ne 0 ] || { echo "FAIL: the check passed a tree with wrong includes"; exit 1; }
for bad in draws/includes_app.cpp stats/includes_qt.cpp platform/includes_draws.h \
           controls/includes_stats.h evaluation/includes_qt_folder.cpp draws/includes_stats.cpp \
           evaluation/includes_stats.h cli/includes_widgets.cpp cli/includes_qt_folder.cpp \
           qt/core/includes_draws.cpp qt/core/includes_widgets_module.cpp newfolder/anything.cpp; do
  grep -q "^$bad:" <<<"$output" || { echo "FAIL: $bad not reported"; exit 1; }
done
if grep -q "allowed" <<<"$output"; then
  echo "FAIL: an allowed include was reported"
  exit 1
fi
echo "ok"
