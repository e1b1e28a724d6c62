#!/usr/bin/env bash
# Starts the real program on a virtual X display with "Pilot B1", checks that
# its 3D view shows detection patches, then presses Ctrl+N and waits for the
# "Neues Dokument" dialog, closes it with Escape, and opens and closes the
# number dialog of "Montagehöhe" from the tree. Usage: smoke_test.sh PROGRAM [SCREENSHOT.png]
set -euo pipefail

if [[ ${1:-} != --on-display ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --on-display "$@"
fi
program=$2
screenshot=${3:-}

work=$(mktemp -d)
export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config
"$program" "*Pilot B1" >"$work/program.log" 2>&1 &
pid=$!
cleanup() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "smoke test: $*" >&2
  cat "$work/program.log" >&2
  exit 1
}

wait_for_window() {
  local pattern=$1
  for _ in $(seq 150); do
    if xdotool search --name "$pattern" >/dev/null 2>&1; then
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    sleep 0.2
  done
  return 1
}

wait_for_window '^Velmar CAD-Planungssoftware' || fail "no main window"
# Time to paint the full picture after the quick preview.
sleep 3
import -window root "$work/screen.png"
if [[ -n $screenshot ]]; then
  cp "$work/screen.png" "$screenshot"
fi

# The patches are orange, lit or shaded; the rest of the window is grey,
# white and black. Lines read "X,Y: (R,G,B) ...".
patch_pixels=$(convert "$work/screen.png" -depth 8 txt:- |
  awk -F'[(,)]' 'NR > 1 && $3 > 60 && 4 * $5 < $3 && 10 * $4 > 3 * $3 && 10 * $4 < 7 * $3 { n++ } END { print n + 0 }')
echo "smoke test: $patch_pixels pixels in the patch colour"
((patch_pixels > 5000)) || fail "the 3D view shows no patches"

# Without a window manager nobody gives the window the keyboard.
window=$(xdotool search --onlyvisible --name '^Velmar CAD-Planungssoftware' | head -1)
xdotool windowfocus --sync "$window"
# The first key press only closes the start-up picture, if it is still up.
xdotool key shift
sleep 0.5
xdotool key ctrl+n
wait_for_window '^Neues Dokument$' || fail "Ctrl+N did not open \"Neues Dokument\""
xdotool key Escape

# The number dialog has no caption: count the program's visible windows.
count_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
wait_for_count() {
  for _ in $(seq 50); do
    (($(count_windows) == $1)) && return 0
    sleep 0.2
  done
  return 1
}
wait_for_count 1 || fail "Escape did not close \"Neues Dokument\""
# "Montagehöhe" is the second entry of the open group "Einstellungen".
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 100)) $((Y + 121)) click --repeat 2 --delay 80 1
wait_for_count 2 || fail "a double click on \"Montagehöhe\" opened no dialog"
xdotool key Escape
wait_for_count 1 || fail "Escape did not close the number dialog"
echo "smoke test: passed"
