#!/usr/bin/env bash
# Builds the program and starts it with "Pilot B1" open: the desktop program
# when a display is available, otherwise the headless tool.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"

tools/ensure-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Only what is started here; ./test.sh builds the tests and benchmarks.
cmake --build build -j"$(nproc)" --target velmar-cad kmvtool

program=build/src/ui/velmar-cad
kmvtool=build/tools/kmvtool/kmvtool

# Headless: opens "Pilot B1", prints its sensor values and detection patches,
# and writes a picture of its 3D view.
run_headless() {
  "$kmvtool" sensor "*Pilot B1"
  "$kmvtool" render "*Pilot B1" pilot-b1.png
  echo "run.sh: wrote the 3D view of Pilot B1 to $(pwd)/pilot-b1.png"
  echo "run.sh: no display found; on a desktop, start the planner with: $program \"*Pilot B1\""
}

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  exec "$program" "*Pilot B1"
else
  run_headless
fi
