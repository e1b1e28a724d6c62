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
    if xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; then
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    sleep 0.2
  done
  return 1
}

wait_for_window '^Velmar CAD-Planungssoftware' || fail "no main window"
window=$(xdotool search --onlyvisible --name '^Velmar CAD-Planungssoftware' | head -1)

# Pixels in the patch colour (orange, lit or shaded; the rest of the window
# is grey, white and black), with the bounds of tests/tools/KmvtoolOutput.h.
# Lines read "X,Y: (R,G,B) ...".
count_patch_pixels() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -depth 8 txt:- |
    awk -F'[(,)]' 'NR > 1 && $3 > 60 && 4 * $5 < $3 && 10 * $4 > 3 * $3 && 10 * $4 < 7 * $3 { n++ } END { print n + 0 }'
}
# The full picture follows a quick preview.
for _ in $(seq 60); do
  patch_pixels=$(count_patch_pixels)
  ((patch_pixels > 5000)) && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended early"
  sleep 0.5
done
echo "smoke test: $patch_pixels pixels in the patch colour"
if [[ -n $screenshot ]]; then
  cp "$work/screen.png" "$screenshot"
fi
((patch_pixels > 5000)) || fail "the 3D view shows no patches"

# The number dialog has no caption: count the program's visible windows.
count_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
wait_for_count() {
  for _ in $(seq 50); do
    (($(count_windows) == $1)) && return 0
    sleep 0.2
  done
  return 1
}

# Without a window manager nobody gives the window the keyboard.
xdotool windowfocus --sync "$window"
# The first key press only closes the start-up picture, if it is still up.
xdotool key shift
wait_for_count 1 || fail "the start-up picture stays up"
xdotool key ctrl+n
wait_for_window '^Neues Dokument$' || fail "Ctrl+N did not open \"Neues Dokument\""
xdotool key Escape
wait_for_count 1 || fail "Escape did not close \"Neues Dokument\""

# F6 hands the keyboard to the tree, typing selects "Montagehöhe"; its row
# is then the one in the selection colour, wherever the layout puts it.
xdotool windowfocus --sync "$window"
xdotool key F6
xdotool type --delay 50 Montageh
row=()
for _ in $(seq 25); do
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$work/window.png"
  # Width, height and place of the box around the pixels in that colour.
  read -r -a row < <(convert "$work/window.png" +repage -fill black +opaque 'rgb(48,140,198)' -trim \
    -format '%w %h %X %Y\n' info: 2>/dev/null) || true
  ((${#row[@]} == 4 && row[0] > 20)) && break
  row=()
  sleep 0.2
done
((${#row[@]} == 4)) || fail "typing did not select \"Montagehöhe\" in the tree"
xdotool mousemove $((X + row[2] + row[0] / 2)) $((Y + row[3] + row[1] / 2)) click --repeat 2 --delay 80 1
wait_for_count 2 || fail "a double click on \"Montagehöhe\" opened no dialog"
xdotool key Escape
wait_for_count 1 || fail "Escape did not close the number dialog"
echo "smoke test: passed"
