#!/usr/bin/env bash
# Drives the real program on an X server as a user does: typing, access keys, the tab bar
# from the keyboard, mouse clicks on "&Copy", and the exact bytes that reach the
# clipboard. Usage: xvfb-run -a test_composer_window_e2e.sh path/to/quillmark
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

settle() { sleep 0.3; }
keys() {
  xdotool key --clearmodifiers "$@"
  settle
}
type_text() {
  xdotool type --delay 15 "$1"
  settle
}
click_copy() {
  # "&Copy" stands at 336, 240 in the work space, which stands at 112, 56.
  xdotool mousemove --window "$window" 484 308 click 1
  settle
}
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

# Alt+X ends the program.
keys alt+x
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then fail "Alt+X did not end the program"; fi
wait $pid || fail "the program ended with status $?"
echo "PASS"
