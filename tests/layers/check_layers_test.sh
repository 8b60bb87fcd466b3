#!/usr/bin/env bash
# The layering check on two small trees: an include downwards passes, one upwards fails and
# names the file and the include.
set -u
check=$(dirname "${BASH_SOURCE[0]}")/../../scripts/check-layers
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

mkdir -p "$tree/src/app" "$tree/src/polygon"
printf '#include "polygon/vertex_model.h"\n#include <vector>\n' >"$tree/src/app/main.cpp"
printf '#include "runtime/canvas/colors.h"\n#include "polygon/vertex_model.h"\n' >"$tree/src/polygon/vertex_model.cpp"
"$check" "$tree/src" || { echo "FAIL: downward includes were refused"; exit 1; }

printf '#include "app/main_window_win.h"\n' >"$tree/src/polygon/polygon_drawing.cpp"
if output=$("$check" "$tree/src" 2>&1); then
  echo "FAIL: an include from a higher layer passed"
  exit 1
fi
expected="$tree/src/polygon/polygon_drawing.cpp (polygon) includes \"app/main_window_win.h\" from app, a layer above"
grep -qF "$expected" <<<"$output" || { echo "FAIL: unexpected report: $output"; exit 1; }
echo "check-layers: passes downward includes, names an upward one"
