#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# The program as a user installs it: `cmake --install` into a prefix whose path holds a
# space, started through its link in bin/. The splash window, then the composer window;
# "&Help" hands over the installed help file; an open-picture preview draws a WMF picture,
# so the installed metafile helper is found and converts; after Copy and Exit the installed
# clipboard keeper serves the copied code.
# Usage: with_xvfb.sh test_installed_program_e2e.sh path/to/quillmark build-folder
set -euo pipefail
build=$2
work=$(mktemp -d)
source "$(dirname "$0")/x11_windows.sh"
pictures=$(cd "$(dirname "$0")/../ui/preview/picture/pictures" && pwd)

fail() {
  echo "FAIL: $*"
  [[ -s "$work/stderr" ]] && sed 's/^/  program: /' "$work/stderr"
  exit 1
}

prefix="$work/installed program"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

# The desktop's opener is replaced by one that writes down what it was given.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
PATH="$work/bin:$PATH" "$prefix/bin/quillmark" 2>"$work/stderr" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT


wait_for_window $pid 383x241 10 >/dev/null || fail "no splash window"
window=$(wait_for_composer_window $pid) || fail "the composer window did not appear"
xdotool windowfocus --sync "$window"
sleep 0.5

# "&Help": the installed help file, its path's space written as %20 or as it is.
keys alt+h
help="file://$prefix/libexec/quillmark/qlm10.html"
for _ in $(seq 50); do
  [[ -f "$work/opened" ]] && [[ "$(sed 's/%20/ /g' "$work/opened")" == "$help" ]] && break
  sleep 0.1
done
[[ "$(sed 's/%20/ /g' "$work/opened" 2>/dev/null)" == "$help" ]] ||
  fail "Help opened $(cat "$work/opened" 2>/dev/null), not $help"

# The common-dialog creator, its open-picture page, "&Test"; the drawing's red rectangle
# shows in the pane once its name is typed.
red_pixels() {
  import -window "$1" "$work/dialog.png"
  convert "$work/dialog.png" -fill black +opaque red -fill white -opaque red -format '%[fx:round(mean*w*h)]' info:
}
xdotool mousemove --window "$window" 56 260 click 1
settle
keys alt+t shift+Tab Right Right
xdotool mousemove --window "$window" 404 308 click 1
for _ in $(seq 50); do
  dialog=$(xdotool getwindowfocus)
  [[ $dialog != "$window" ]] && break
  sleep 0.1
done
[[ $dialog != "$window" ]] || fail "Test showed no open-picture dialog"
sleep 0.5
[[ $(red_pixels "$dialog") -eq 0 ]] || fail "red shows before a picture is chosen"
xdotool type --delay 15 "$pictures/"
keys Return
xdotool type --delay 15 "drawing.wmf"
for _ in $(seq 50); do
  count=$(red_pixels "$dialog")
  ((count > 100)) && break
  sleep 0.1
done
((count > 100)) || fail "the pane drew no WMF picture ($count red pixels)"

# Copy, then Exit: the installed clipboard keeper keeps the code on the clipboard (it ends
# with the X server, or when another client copies).
keys Escape
[[ $(xdotool getwindowfocus) == "$window" ]] || keys Escape
xdotool mousemove --window "$window" 484 308 click 1
settle
xclip -o -selection clipboard >"$work/copied"
grep -q "^//Begin" "$work/copied" || fail "Copy put $(cat "$work/copied")"
keys alt+x
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then fail "Alt+X did not end the program"; fi
xclip -o -selection clipboard | cmp -s - "$work/copied" || fail "the copied code ended with the program"
pgrep -f "^$prefix/libexec/quillmark/quillmark-clipboard-keeper\$" >/dev/null ||
  fail "the installed clipboard keeper does not serve the clipboard"
echo "PASS"
