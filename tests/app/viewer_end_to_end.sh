#!/usr/bin/env bash
# Runs the real viewer on a virtual screen with a window manager, as a user
# would, and checks what the user sees: the picture, the keys, the Esc
# exchange, closing, the start without DOOM1.WAD, and the frame rate.
# Usage: viewer_end_to_end.sh VELLUMTARN FREEDOOM_WAD
# KEEP_WORK=1 keeps the screenshots and the logs in the temporary folder.
set -euo pipefail
viewer=$(realpath "$1")
freedoom=$2
# Used only when the viewer is built with AddressSanitizer.
suppressions=$(dirname "$(realpath "$0")")/host_library_leaks.supp

work=$(mktemp -d)
background=()
cleanup() {
  local pid
  for pid in "${background[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

# A failure shows the ends of the screen's and the window manager's logs,
# since the work folder goes with the test.
fail() {
  echo "FAIL: $*" >&2
  local log
  for log in "$work"/xvfb.log "$work"/openbox.log; do
    [ -s "$log" ] && { echo "--- ${log##*/}:"; tail -n 5 "$log"; } >&2
  done
  # A first run on a fresh machine once waited 30 s for the window: these
  # tell a viewer stuck before its window from a window left unmapped.
  if [ -n "${viewer_pid:-}" ] && kill -0 "$viewer_pid" 2>/dev/null; then
    {
      echo "--- the viewer still runs: $(grep State /proc/"$viewer_pid"/status), waiting in $(cat /proc/"$viewer_pid"/wchan)"
      echo "--- windows titled Vellumtarn, mapped or not: $(xdotool search --name '^Vellumtarn$' 2>&1 | tr '\n' ' ')"
    } >&2
  fi
  exit 1
}

# wait_for WHAT SECONDS COMMAND...: retries COMMAND until it succeeds.
wait_for() {
  local what=$1 seconds=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || fail "no $what within $seconds s"
    sleep 0.1
  done
}

for tool in Xvfb openbox wmctrl xdotool xprop xwininfo import convert; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run script/setup"
done

# A screen of its own: Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
background+=($!)
wait_for "virtual screen" 20 test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"
# On a busy machine a window manager has once given up at once on a screen
# that had just written its number ("Failed to open the display"): one
# that has ended is started again until one answers.
wm_pid=""
window_manager_answers() {
  if [ -z "$wm_pid" ] || ! kill -0 "$wm_pid" 2>/dev/null; then
    openbox >>"$work/openbox.log" 2>&1 &
    wm_pid=$!
    background+=("$wm_pid")
  fi
  wmctrl -m
}
wait_for "window manager" 20 window_manager_answers

# start_viewer FOLDER [ENVIRONMENT...]: starts the viewer in FOLDER and sets
# viewer_pid and window once its window is on the screen.
start_viewer() {
  local folder=$1
  shift
  (cd "$folder" && exec env LSAN_OPTIONS="suppressions=$suppressions" "$@" "$viewer" \
    >"$folder/stdout" 2>"$folder/stderr") &
  viewer_pid=$!
  background+=("$viewer_pid")
  wait_for "window titled Vellumtarn" 30 viewer_window_found "$folder"
  window=$(find_window)
  timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
}

# viewer_window_found FOLDER: the window is there; a viewer that ended
# before showing it fails the test at once.
viewer_window_found() {
  if ! kill -0 "$viewer_pid" 2>/dev/null; then
    fail "the viewer ended before its window appeared: $(cat "$1/stderr")"
  fi
  find_window
}

find_window() {
  local found
  found=$(xdotool search --onlyvisible --name '^Vellumtarn$' 2>/dev/null | head -n 1)
  [ -n "$found" ] && echo "$found"
}

# close_viewer: closes the window as its close button would and checks
# that the process ends with exit code 0.
close_viewer() {
  wmctrl -i -c "$window"
  local deadline=$((SECONDS + 20))
  while kill -0 "$viewer_pid" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "the viewer still runs 20 s after its window was closed"
    sleep 0.1
  done
  local status=0
  wait "$viewer_pid" || status=$?
  [ "$status" -eq 0 ] || fail "closing the window ended the viewer with exit code $status"
}

# shot NAME: a screenshot of the window's client area.
shot() {
  import -window "$window" "$work/$1.png"
}

# shape NAME: the picture as drawn (black) against the white background,
# so that the random colours of the pens, new every second, do not count.
shape() {
  convert "$work/$1.png" -fill black +opaque white -depth 8 gray:- | md5sum | cut -d' ' -f1
}

# drawn_pixels NAME GEOMETRY: how many pixels of the region are not white.
drawn_pixels() {
  convert "$work/$1.png" -crop "$2" +repage -fill black +opaque white \
    -format '%[fx:round((1-mean)*w*h)]' info:
}

# frame_outlined_at SIZE: a fresh screenshot of SIZE whose right and bottom
# edges carry the frame's black outline (looked at near the top left, away
# from the walls), so the frame fills the client area.
frame_outlined_at() {
  local black_edges='%[fx:(p{w-1,100}.r+p{w-1,100}.g+p{w-1,100}.b)==0 && (p{100,h-1}.r+p{100,h-1}.g+p{100,h-1}.b)==0]'
  shot resized &&
    [ "$(convert "$work/resized.png" -format "%wx%h $black_edges" info:)" = "$1 1" ]
}

# press_and_see_a_change KEY: presses KEY and waits until the picture's shape changes.
press_and_see_a_change() {
  local key=$1 before
  wait_for "screenshot" 10 shot before
  before=$(shape before)
  xdotool key --window "$window" "$key"
  local deadline=$((SECONDS + 10))
  until shot after && [ "$(shape after)" != "$before" ]; do
    ((SECONDS < deadline)) || fail "$key did not change the picture"
    sleep 0.1
  done
  echo "ok: $key changes the picture"
}

# frame_extents: left, right, top, bottom of the frame the window manager
# draws around the window.
frame_extents() {
  xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' '
}

is_unframed() { [ "$(frame_extents)" = "0,0,0,0" ]; }
is_framed() { [ -n "$(frame_extents)" ] && ! is_unframed; }
is_on_top() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
# The window's frame (or the window itself when it has none) at (0, 0).
frame_at_corner() {
  local left top x y
  IFS=, read -r left _ top _ <<<"$(frame_extents)"
  x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
  [ "$((x - left))" -eq 0 ] && [ "$((y - top))" -eq 0 ]
}
client_size() {
  xwininfo -id "$window" | sed -n 's/.*-geometry \([0-9]*x[0-9]*\).*/\1/p'
}
has_size() { [ "$(client_size)" = "$1" ]; }

# picture_drawn NAME: a fresh screenshot that is not blank and carries the
# status line's text in its top rows.
picture_drawn() {
  shot "$1" &&
    [ "$(convert "$work/$1.png" -format '%k' info:)" -ge 3 ] &&
    [ "$(drawn_pixels "$1" 400x16+1+1)" -gt 100 ]
}

echo "== The viewer on Freedoom's E1M1"
mkdir "$work/freedoom"
ln -s "$freedoom" "$work/freedoom/DOOM1.WAD"
start_viewer "$work/freedoom"
wait_for "picture with the status line in its top rows" 10 picture_drawn first
echo "ok: the picture is drawn, with the status line on top"
# Freedoom lays its maps out away from the built-in views, which were made
# for the game's own data: the viewer brings the map into view by itself.
map_drawn=$(drawn_pixels first 10000x10000+1+17)
[ "$map_drawn" -gt 10000 ] || fail "the first picture shows only $map_drawn drawn pixels below the status line"
echo "ok: the first picture shows the map ($map_drawn drawn pixels below the status line)"

# Without a key the shape holds still, also when the pens take new colours
# at the turn of a second; so a change after a key is the key's doing.
wait_for "screenshot" 10 shot still_before
sleep 1.2
wait_for "screenshot" 10 shot still_after
[ "$(shape still_before)" = "$(shape still_after)" ] || fail "the picture changes without a key"
echo "ok: without a key the picture's shape holds still"

press_and_see_a_change F3
press_and_see_a_change Next
press_and_see_a_change Home
press_and_see_a_change space
# The other keys' way from the keyboard to the view. (Right Ctrl is left to
# the unit tests: xdotool presses Left Ctrl with it.)
for key in Control_L Up Left F1 KP_Add KP_Subtract; do
  press_and_see_a_change "$key"
done

framed_size=$(client_size)
xdotool key --window "$window" Escape
unframed_on_top_at_corner() { is_unframed && is_on_top && frame_at_corner && has_size 1920x1080; }
wait_for "unframed window on top at (0, 0) filling the screen" 10 unframed_on_top_at_corner
echo "ok: Esc leaves the window unframed, on top, at (0, 0)"
wait_for "frame drawn to the new client size" 10 frame_outlined_at 1920x1080
echo "ok: the frame after the resize has the new client size"
xdotool key --window "$window" Escape
framed_on_top_at_corner() {
  is_framed && is_on_top && frame_at_corner && has_size "$framed_size"
}
wait_for "framed window of its earlier size on top at (0, 0)" 10 framed_on_top_at_corner
echo "ok: Esc again frames the window at its earlier size, still on top at (0, 0)"

close_viewer
echo "ok: closing the window ends the viewer with exit code 0"
if grep -q 'Unable to open' "$work/freedoom/stdout"; then
  fail "the viewer could not open Freedoom's WAD"
fi

echo "== The viewer without DOOM1.WAD"
mkdir "$work/empty"
start_viewer "$work/empty"
wait_for "picture with the status line in its top rows" 10 picture_drawn empty
close_viewer
unable=$(grep -c '^Unable to open DOOM1.WAD$' "$work/empty/stdout" || true)
[ "$unable" -eq 8 ] || fail "\"Unable to open DOOM1.WAD\" written $unable times, not 8"
echo "ok: the window opens and \"Unable to open DOOM1.WAD\" is written 8 times"

echo "== Frames that reach the screen, E1M1 at 1920x1080 over 10 s"
start_viewer "$work/freedoom" VELLUMTARN_REPORT_PRESENTS=1
xdotool key --window "$window" Escape
wait_for "window filling the screen" 10 has_size 1920x1080
sleep 10  # the span measured, not a wait for anything
close_viewer
grep '^presented' "$work/freedoom/stderr" || fail "the viewer reported no frames"
