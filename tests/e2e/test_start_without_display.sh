#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Started where no display answers (none named, an X display nobody serves, a
# Wayland socket that is not there), the program says so in one line and ends
# with status 1 instead of aborting. Usage: test_start_without_display.sh path/to/quillmark
set -uo pipefail
program=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
expected="quillmark: cannot connect to an X11 or Wayland display"

start_without_display() {
  local name=$1 status output
  shift
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
    "$@" "$program" 2>&1)
  status=$?
  [[ $status -eq 1 && $output == "$expected" ]] ||
    { echo "FAIL ($name): status $status, output: $output"; exit 1; }
}

start_without_display "no display named"
start_without_display "X display nobody serves" DISPLAY=:4321
start_without_display "Wayland socket missing" WAYLAND_DISPLAY=wayland-7
echo "PASS"
