#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Drives the real program on an X server as a user does: typing, access keys, the tab bar
# from the keyboard, mouse clicks on "&Copy", and the exact bytes that reach the
# clipboard; then previews closed from the keyboard, where they stand, and that the run
# leaves the home folder as it found it. Runs on a bare X server and under a window
# manager. Usage: with_xvfb.sh test_composer_window_e2e.sh path/to/quillmark
set -euo pipefail
program=$1
work=$(mktemp -d)
"$program" 2>"$work/stderr" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}
source "$(dirname "$0")/x11_windows.sh"

# The composer window appears once the splash window has gone.
window=$(wait_for_composer_window $pid) || fail "the composer window did not appear"
xdotool windowfocus --sync "$window"
sleep 0.5

type_text() {
  xdotool type --delay 15 "$1"
  settle
}
click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
  settle
}
# "&Copy" and "&Test" stand at 336, 240 and 256, 240 in the work space, which stands at
# 112, 56; the creator buttons at 24, 104 and 24, 184 in the menu at 8, 56.
click_copy() { click 484 308; }
click_test() { click 404 308; }
click_input_box_creator() { click 56 180; }
click_common_dialog_creator() { click 56 260; }
# Compares the clipboard with the bytes on standard input.
expect_clipboard() {
  local name=$1
  cat >"$work/$name.expected"
  xclip -o -selection clipboard >"$work/$name.actual"
  cmp -s "$work/$name.expected" "$work/$name.actual" ||
    fail "$name: clipboard holds $(od -c "$work/$name.actual" | head -20)"
}
message_block() {
  printf '%s\r\n' "//Begin MessageBox Creator Code" \
    "$1 := MessageBox(Handle, 'Save changes?' + #10#13 + 'Quit now?', 'Confirm', 64);" \
    "//End MessageBox Creator Code"
}

# Alt+C on the General page moves to the caption; Tab leaves it for the text box.
keys alt+c
type_text "Confirm"
keys Tab
type_text "Save changes?"
keys Return
type_text "Quit now?"
click_copy
message_block Result | expect_clipboard typed

# To the Variable page by the tab bar; a name with a blank, then Alt+C: Copy is pressed
# without taking the focus, so the name is copied as typed.
keys alt+c shift+Tab Right Right Right Tab ctrl+a
type_text "my var"
keys alt+c
message_block 'my var' | expect_clipboard access-key

# A mouse click on Copy takes the focus first: the name is corrected before the copy.
click_copy
message_block Result | expect_clipboard mouse

# The window that has the keyboard.
focused() { xdotool getwindowfocus; }
# Waits for a preview to take the keyboard and prints its window.
preview_window() {
  local shown
  for _ in $(seq 50); do
    shown=$(focused)
    [[ $shown != "$window" ]] && break
    sleep 0.1
  done
  [[ $shown != "$window" ]] || fail "no preview took the keyboard"
  sleep 0.5 # the window manager frames it
  echo "$shown"
}
# Checks that the keyboard came back to the composer window.
expect_composer_focused() {
  for _ in $(seq 30); do
    [[ $(focused) == "$window" ]] && return
    sleep 0.1
  done
  fail "$1: the composer window did not get the keyboard back"
}

# The composer window stands centred on the whole screen.
expect_placed "the composer window" "$window" 2

# The message box, closed by Return.
click_test
preview_window >/dev/null
keys Return
expect_composer_focused "message box"

# The input box, centred, closed by Escape.
click_input_box_creator
click_test
expect_placed "the input box" "$(preview_window)" 2
keys Escape
expect_composer_focused "input box"

# The open dialog, placed a third down, goes to another folder and is cancelled.
click_common_dialog_creator
click_test
expect_placed "the open dialog" "$(preview_window)" 3
type_text "/tmp"
keys Return
# The first Escape may close the name completion's list.
keys Escape
[[ $(focused) == "$window" ]] || keys Escape
expect_composer_focused "open dialog"

# The colour dialog (the Color tab from the tab bar), cancelled.
keys alt+t shift+Tab Right Right Right Right Right
click_test
preview_window >/dev/null
keys Escape
expect_composer_focused "colour dialog"

# --- Modal windows under a window manager, and the picture pane's Preview window ---------
# The input box, minimised through the window manager, comes straight back. The Preview
# window that a double click on the open picture dialog's paint box opens stands centred
# by its outer rectangle, not where the file dialog's own placement would put it.
check_input_box_stays_in_view() {
  local box
  click_input_box_creator
  click_test
  box=$(preview_window)
  if window_manager_running; then
    xdotool windowminimize "$box"
    sleep 0.5
    for _ in $(seq 50); do
      xwininfo -id "$box" | grep -q IsViewable && break
      sleep 0.1
    done
    xwininfo -id "$box" | grep -q IsViewable || fail "the minimised input box did not come back"
  fi
  keys Escape
  expect_composer_focused "input box, minimised"
}
check_preview_window_centred() {
  local dialog size preview
  click_common_dialog_creator
  keys alt+t shift+Tab Right Right
  click_test
  dialog=$(preview_window)
  size=$(window_size "$dialog")
  # The paint box fills the lower part of the pane along the dialog's right edge.
  xdotool mousemove --window "$dialog" $((${size%x*} - 60)) $((${size#*x} / 2)) click --repeat 2 --delay 100 1
  preview=$(wait_for_window $pid 300x250) || fail "a double click on the paint box opened no Preview window"
  expect_placed "the Preview window" "$preview" 2
  keys Escape
  keys Escape
  [[ $(focused) == "$window" ]] || keys Escape
  expect_composer_focused "open picture dialog"
}
check_input_box_stays_in_view
check_preview_window_centred

# --- Inside a session bus the program is on it, where screen readers reach it ---
check_on_session_bus() {
  local bus=(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus) name
  for name in $("${bus[@]}" org.freedesktop.DBus.ListNames | awk -F'"' '/string ":/ {print $2}'); do
    "${bus[@]}" org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null | grep -qw "uint32 $pid" &&
      return
  done
  fail "the program is not connected to the session bus"
}
[[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]] || check_on_session_bus
# --- end of the session bus check ---

# --- The picture pane follows a name typed into "File name" ---
# The count of pure red pixels in window $1: the all-red 40 x 30 test bitmap shows as 1200.
red_pixels() {
  import -window "$1" "$work/pane.png"
  convert "$work/pane.png" -fill black +opaque red -fill white -opaque red -format '%[fx:round(mean*w*h)]' info:
}
expect_red_pixels() {
  local count
  for _ in $(seq 30); do
    count=$(red_pixels "$2")
    [[ $count -eq $3 ]] && return
    sleep 0.1
  done
  fail "$1: the open-picture dialog shows $count red pixels, not $3"
}
check_picture_pane_follows_typed_name() {
  local dialog
  mkdir "$work/pictures"
  cp "$(dirname "$0")/../ui/preview/picture/pictures/bitmap.bmp" "$work/pictures/a1.bmp"
  # A fresh common-dialog creator; from its Title field to the tab bar, then the
  # "Open-Picture Dialog" tab.
  click_common_dialog_creator
  keys alt+t shift+Tab Right Right
  click_test
  dialog=$(preview_window)
  type_text "$work/pictures/"
  keys Return
  type_text "a1.bmp"
  expect_red_pixels "typed a1.bmp" "$dialog" 1200
  # "a1.b" names no file: the selection and the picture go.
  keys BackSpace BackSpace
  expect_red_pixels "typed a1.b" "$dialog" 0
  keys Escape
  [[ $(focused) == "$window" ]] || keys Escape
  expect_composer_focused "open-picture dialog"
}
check_picture_pane_follows_typed_name
# --- end of the picture pane's check ---

# Alt+X ends the program.
keys alt+x
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then fail "Alt+X did not end the program"; fi
wait $pid || fail "the program ended with status $?"

# Nothing was written into the home or configuration folder.
for folder in "$HOME" "${XDG_CONFIG_HOME:-$HOME/.config}"; do
  [[ -z $(ls -A "$folder") ]] || fail "the run wrote into $folder: $(ls -AR "$folder")"
done
echo "PASS"
