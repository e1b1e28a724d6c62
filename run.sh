#!/usr/bin/env bash
# Builds the program and starts it: the GUI when a display is available,
# otherwise the headless tool.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"

tools/ensure-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

kmvtool=build/tools/kmvtool/kmvtool

# Headless: opens "Pilot B1", prints its sensor values and detection patches,
# and writes a picture of its 3D view.
run_headless() {
  if [[ ! -x $kmvtool ]]; then
    echo "run.sh: $kmvtool was not built" >&2
    exit 1
  fi
  "$kmvtool" sensor "*Pilot B1"
  "$kmvtool" render "*Pilot B1" pilot-b1.png
  echo "run.sh: wrote the 3D view of Pilot B1 to $(pwd)/pilot-b1.png"
}

# The desktop program comes with the window issues; until then a display
# changes nothing.
start_gui() {
  echo "run.sh: display found, but there is no desktop program yet; running the headless tool"
  run_headless
}

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  start_gui
else
  run_headless
fi
