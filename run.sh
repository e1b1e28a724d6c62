#!/usr/bin/env bash
# Builds the program and starts it: the GUI when a display is available,
# otherwise the headless tool.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"

tools/ensure-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

kmvtool=build/tools/kmvtool/kmvtool

# Headless: shows the structure of the example project.
run_headless() {
  if [[ ! -x $kmvtool ]]; then
    echo "run.sh: $kmvtool was not built; nothing to run yet" >&2
    exit 1
  fi
  "$kmvtool" tree examples/office.txt
}

# The GUI (opening "Pilot B1") does not exist yet, so a display changes nothing.
start_gui() {
  echo "run.sh: display found, but there is no GUI yet; running the headless tool"
  run_headless
}

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  start_gui
else
  run_headless
fi
