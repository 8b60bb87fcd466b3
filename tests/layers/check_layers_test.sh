#!/usr/bin/env bash
# The layering check on small trees: includes and library dependencies downwards pass; an
# include upwards, a library that depends on a layer above it, an include from a layer the
# library does not depend on, and a layer with no library each fail, named. Around src/:
# tools/, bench/ and tests/ using src/ and automation/ pass; a tool that includes a test, and
# automation/ that includes one, fail, named.
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
  if output=$("$check" "$tree" 2>&1); then
    echo "FAIL: passed, though: $1"
    exit 1
  fi
  grep -qF "$1" <<<"$output" || { echo "FAIL: unexpected report: $output"; exit 1; }
}

mkdir -p "$tree/src/app" "$tree/src/polygon"
printf '#include "polygon/vertex_model.h"\n#include <vector>\n' >"$tree/src/app/main.cpp"
printf '#include "runtime/canvas/colors.h"\n#include "polygon/vertex_model.h"\n' >"$tree/src/polygon/vertex_model.cpp"
declare_layers runtime/canvas
mkdir -p "$tree/automation" "$tree/tools" "$tree/bench" "$tree/tests/support" "$tree/tests/e2e"
printf '#include "polygon/vertex_model.h"\n' >"$tree/automation/program_driver.h"
printf '#include "automation/program_driver.h"\n#include "polygon/vertex_model.h"\n' \
  | tee "$tree/tools/demo_main.cpp" "$tree/bench/pointer_rate_main.cpp" >/dev/null
printf '#include "automation/program_driver.h"\n#include "support/files.h"\n' >"$tree/tests/e2e/menu_e2e_test.cpp"
printf '#pragma once\n' >"$tree/tests/support/files.h"
"$check" "$tree" || { echo "FAIL: downward includes and dependencies were refused"; exit 1; }

declare_layers "runtime/canvas app"
fails_naming "polygon depends on app, which is not a layer below it"

declare_layers ids
fails_naming "src/polygon/vertex_model.cpp includes \"runtime/canvas/colors.h\", but polygon does not depend on runtime/canvas"

printf 'poligonos_layer(polygon DEPENDS runtime/canvas)\n' >"$tree/src/CMakeLists.txt"
fails_naming "src/app/main.cpp: its layer app has no poligonos_layer"

declare_layers runtime/canvas
printf '#include "app/main_window_win.h"\n' >"$tree/src/polygon/polygon_drawing.cpp"
fails_naming "src/polygon/polygon_drawing.cpp (polygon) includes \"app/main_window_win.h\" from app, a layer above"
declare_layers runtime/canvas
rm "$tree/src/polygon/polygon_drawing.cpp"
printf '#include "e2e/menu_e2e_test.cpp"\n' >>"$tree/tools/demo_main.cpp"
fails_naming "tools/demo_main.cpp (tools/) includes \"e2e/menu_e2e_test.cpp\" from tests/, which tools/ may not use"
printf '#include "automation/program_driver.h"\n' >"$tree/tools/demo_main.cpp"
printf '#include "support/files.h"\n' >>"$tree/automation/program_driver.h"
fails_naming "automation/program_driver.h (automation/) includes \"support/files.h\" from tests/, which automation/ may not use"
printf '#include "polygon/vertex_model.h"\n' >"$tree/automation/program_driver.h"
"$check" "$tree" || { echo "FAIL: the tree was refused once the includes of tests were gone"; exit 1; }
echo "check-layers: passes downward includes and dependencies, names what points up or is missing, in src/ and around it"
