#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# The program started where no display answers (none named, an X display nobody serves, a
# Wayland socket that is not there): it says so in one line and ends with status 1 instead
# of aborting, also when a platform chosen by the user cannot start. Its command line is
# answered without a display: --help and --version on standard output with status 0, a
# command line it does not understand on standard error with status 2; Qt's own options
# are taken. Usage: test_start_without_display.sh path/to/quillmark
set -uo pipefail
program=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
no_display="quillmark: cannot connect to an X11 or Wayland display"
cannot_start="its plugin is missing or its display does not answer"
# The usage's first line, as a pattern.
usage='Usage: quillmark \[options\]'$'\n'

# expect NAME STATUS STDOUT STDERR [VAR=value ...] [-- arguments]: starts the program
# without a display; its status must be STATUS and its output match the two patterns.
expect() {
  local name=$1 status=$2 out=$3 err=$4 variables=()
  shift 4
  while [[ $# -gt 0 && $1 != -- ]]; do variables+=("$1"); shift; done
  [[ $# -gt 0 ]] && shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
    "${variables[@]}" "$program" "$@" >"$runtime/out" 2>"$runtime/err"
  local got=$?
  [[ $got -eq $status && "$(<"$runtime/out")" == $out && "$(<"$runtime/err")" == $err ]] ||
    { echo "FAIL ($name): status $got, standard output: $(<"$runtime/out"), standard error: $(<"$runtime/err")"; exit 1; }
}

expect "no display named" 1 "" "$no_display"
expect "X display nobody serves" 1 "" "$no_display" DISPLAY=:4321
expect "Wayland socket missing" 1 "" "$no_display" WAYLAND_DISPLAY=wayland-7
expect "Qt's options taken" 1 "" "$no_display" -- -style=Fusion -reverse --display :4321 -name q
# A platform the user chose that cannot start: Qt's reasons, then the program's last word.
expect "Wayland without compositor" 1 "" "*quillmark: cannot start the Qt platform \"wayland\": $cannot_start" \
  QT_QPA_PLATFORM=wayland
expect "-platform without display" 1 "" "*quillmark: cannot start the Qt platform \"xcb\": $cannot_start" -- -platform xcb
expect "plugin missing" 1 "" "*quillmark: cannot start the Qt platform \"nonesuch\": $cannot_start" \
  QT_QPA_PLATFORM=nonesuch
expect "--version" 0 "quillmark 1.0" "" -- --version
expect "--help" 0 "$usage*-v, --version*" "" -- --help
expect "unknown option" 2 "" "quillmark: Unknown option 'frobnicate'."$'\n'"$usage*" -- --frobnicate
expect "argument" 2 "" "quillmark: Unexpected argument 'notes.txt'."$'\n'"$usage*" -- -v notes.txt
echo "PASS"
