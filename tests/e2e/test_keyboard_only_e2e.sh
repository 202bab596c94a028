#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Every choice from the keyboard alone, from the program's start: the creators are one Tab
# stop after the last of the window's stops (Shift+Tab from the tab bar reaches them) and
# the arrow keys switch creator; the icons and the button choices are one stop each on
# their page, the arrows choose. Each creator is copied to prove the switch; then a
# system-modal message box with the Warning icon and Yes/No/Cancel defaulting to Cancel.
# Usage: with_xvfb.sh test_keyboard_only_e2e.sh path/to/quillmark
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

window=$(wait_for_composer_window $pid) || fail "the composer window did not appear"
xdotool windowfocus --sync "$window"
sleep 0.5

# Checks that the clipboard's first line is $2 (named $1 when it fails).
expect_copied() {
  local first
  first=$(xclip -o -selection clipboard | head -1 | tr -d '\r')
  [[ $first == "$2" ]] || fail "$1: the clipboard begins with '$first'"
}

# The input-box creator, from its Variable page, where Alt+C copies.
keys shift+Tab Down Tab Right alt+c
expect_copied "input-box creator" "//Begin InputBox Creator Code"
# The common-dialog creator: no field of its first page takes Alt+C.
keys shift+Tab Down alt+c
expect_copied "common-dialog creator" "//Begin Common Dialog Creator Code"
# Back to the message-box creator; System-Modal by its access key, then from the
# caption back to the tab bar.
keys Up Up Tab alt+s shift+Tab shift+Tab shift+Tab
# The Icon page: Information, Question, Error, Warning.
keys Right Tab Right Right Right
# The Buttons page: down from OK to Yes/No/Cancel, then right to its Cancel.
keys shift+Tab Right Tab Down Down Down Right Right
keys alt+c
printf '%s\r\n' "//Begin MessageBox Creator Code" "Result := MessageBox(Handle, '', '', 4659);" \
  "if Result = IDYES then" "  {User has selected Yes};" "if Result = IDNO then" "  {User has selected No};" \
  "if Result = IDCANCEL then" "  {User has selected Cancel};" "//End MessageBox Creator Code" >"$work/expected"
xclip -o -selection clipboard >"$work/actual"
cmp -s "$work/expected" "$work/actual" || fail "the message box copied as $(od -c "$work/actual" | head -20)"

keys alt+x
wait $pid || fail "the program ended with status $?"
echo "PASS"
