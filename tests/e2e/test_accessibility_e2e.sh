#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# The program as a screen reader reads it: accessibility switched on over the session bus,
# as a screen reader does, then accessibility_walk.py reads and drives the windows over
# AT-SPI. A link pressed there reaches the desktop's opener. Runs inside a session bus.
# Usage: with_xvfb.sh dbus-run-session -- under_openbox.sh test_accessibility_e2e.sh path/to/quillmark
set -euo pipefail
program=$1
work=$(mktemp -d)
source "$(dirname "$0")/x11_windows.sh"

fail() {
  echo "FAIL: $*"
  [[ -s "$work/stderr" ]] && sed 's/^/  program: /' "$work/stderr"
  exit 1
}

dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null

# The desktop's opener is replaced by one that writes down what it was given.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

PATH="$work/bin:$PATH" "$program" 2>"$work/stderr" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
window=$(wait_for_composer_window $pid) || fail "the composer window did not appear"
xdotool windowfocus --sync "$window"

# Debian's own Python, which python3-pyatspi serves.
/usr/bin/python3 "$(dirname "$0")/accessibility_walk.py" $pid || fail "the accessibility walk found faults"
for _ in $(seq 30); do
  [[ -s $work/opened ]] && break
  sleep 0.1
done
[[ $(cat "$work/opened" 2>/dev/null) == https://www.example.org/ ]] || fail "the web link's press action opened nothing"
echo "PASS"
