# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Helpers for the end-to-end scripts: the program's windows on the X server, found by the
# process that owns them and by their client size. Sourced, not run.

# Gives the program the time to answer a key or a click.
settle() { sleep 0.3; }
# Sends keys to the window that has the keyboard, then gives the program the time to answer.
keys() {
  xdotool key --clearmodifiers "$@"
  settle
}

# The ids of the visible windows of process $1.
visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }

# The client size of window $1, as WIDTHxHEIGHT.
window_size() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry:/ { print $2 }'; }

# The first visible window of process $1 with client size $2, or nothing.
window_of_size() {
  local window
  for window in $(visible_windows "$1"); do
    [[ "$(window_size "$window")" == "$2" ]] && { echo "$window"; return; }
  done
}

# Waits up to $3 seconds (default 10) for a visible window of process $1 with client
# size $2 and prints its id; fails when none comes.
wait_for_window() {
  local deadline=$((SECONDS + ${3:-10})) window
  while ((SECONDS < deadline)); do
    window=$(window_of_size "$1" "$2")
    [[ -n "$window" ]] && { echo "$window"; return 0; }
    sleep 0.05
  done
  return 1
}

# The composer window of process $1, once the splash window has gone.
wait_for_composer_window() { wait_for_window "$1" 544x383 15; }

# Waits up to five seconds for a visible window of process $1 other than window $2 (a
# dialog over the composer window) and prints its id; fails when none comes.
wait_for_dialog() {
  local window
  for _ in $(seq 100); do
    for window in $(visible_windows "$1"); do
      [[ $window != "$2" ]] && { echo "$window"; return 0; }
    done
    sleep 0.05
  done
  return 1
}

# Waits up to five seconds until process $1 shows no window but window $2.
wait_until_alone() {
  for _ in $(seq 100); do
    [[ "$(visible_windows "$1")" == "$2" ]] && return 0
    sleep 0.05
  done
  return 1
}

# The outer rectangle of window $1, frame included: "left top width height".
outer_rectangle() {
  local extents left=0 right=0 top=0 bottom=0
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  [[ -n $extents ]] && IFS=, read -r left right top bottom <<<"$extents"
  xwininfo -id "$1" | awk -v l="$left" -v r="$right" -v t="$top" -v b="$bottom" '
    /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2}
    END {print x - l, y - t, w + l + r, h + t + b}'
}

# Checks that window $2 (named $1 when it fails; `fail` is the sourcing script's) stands
# with its outer rectangle centred across the 1280 x 1024 screen and 1/divisor of the free
# height down. The window manager frames a window in its own time and the program places
# it again then, so the place is given a few seconds to settle.
expect_placed() {
  local name=$1 shown=$2 divisor=$3 left top width height
  for _ in $(seq 50); do
    read -r left top width height < <(outer_rectangle "$shown")
    [[ $left -eq $(((1280 - width) / 2)) && $top -eq $(((1024 - height) / divisor)) ]] && return
    sleep 0.1
  done
  fail "$name stands at $left, $top with the outer size $width x $height"
}

# Whether a window manager manages the windows of the display.
window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
