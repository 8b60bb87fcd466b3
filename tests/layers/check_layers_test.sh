#!/usr/bin/env bash
# The layering check on small trees: includes and library dependencies downwards pass; an
# include upwards, a library that depends on a layer above it, an include from a layer the
# library does not depend on, and a layer with no library each fail, named.
set -u
check=$(dirname "${BASH_SOURCE[0]}")/../../scripts/check-layers
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

declare_layers() {  # $1: the DEPENDS of polygon
  printf 'poligonos_layer(polygon\n  SOURCES vertex_model.cpp\n  DEPENDS %s)\n' "$1" >"$tree/src/CMakeLists.txt"
  printf 'poligonos_layer(app SOURCES main.cpp DEPENDS polygon)\n' >>"$tree/src/CMakeLists.txt"
}
fails_naming() {  # the check fails and its report holds $1
  local output
  if output=$("$check" "$tree/src" 2>&1); then
    echo "FAIL: passed, though: $1"
    exit 1
  fi
  grep -qF "$1" <<<"$output" || { echo "FAIL: unexpected report: $output"; exit 1; }
}

mkdir -p "$tree/src/app" "$tree/src/polygon"
printf '#include "polygon/vertex_model.h"\n#include <vector>\n' >"$tree/src/app/main.cpp"
printf '#include "runtime/canvas/colors.h"\n#include "polygon/vertex_model.h"\n' >"$tree/src/polygon/vertex_model.cpp"
declare_layers runtime/canvas
"$check" "$tree/src" || { echo "FAIL: downward includes and dependencies were refused"; exit 1; }

declare_layers "runtime/canvas app"
fails_naming "polygon depends on app, which is not a layer below it"

declare_layers ids
fails_naming "$tree/src/polygon/vertex_model.cpp includes \"runtime/canvas/colors.h\", but polygon does not depend on runtime/canvas"

printf 'poligonos_layer(polygon DEPENDS runtime/canvas)\n' >"$tree/src/CMakeLists.txt"
fails_naming "$tree/src/app/main.cpp: its layer app has no poligonos_layer"

declare_layers runtime/canvas
printf '#include "app/main_window_win.h"\n' >"$tree/src/polygon/polygon_drawing.cpp"
fails_naming "$tree/src/polygon/polygon_drawing.cpp (polygon) includes \"app/main_window_win.h\" from app, a layer above"
echo "check-layers: passes downward includes and dependencies, names what points up or is missing"
