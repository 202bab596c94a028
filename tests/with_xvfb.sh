#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Runs a command on a virtual X server of its own, 1280 x 1024 at 24 bits. Xvfb picks a
# free display number itself and reports it once it accepts clients (-displayfd):
# `xvfb-run -a` guesses a number from the lock files instead, and two tests that start at
# the same moment can guess the same one, so that one of them talks to the other's server.
# -noreset: by default the server resets whenever its last client leaves and refuses
# connections for that moment; the tests' own xdotool and xprop calls come and go before
# and between the program's connections.
# Usage: with_xvfb.sh command [arguments...]
set -euo pipefail
dir=$(mktemp -d)
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -rf "$dir"' EXIT
read -r number <"$dir/display" || true
[[ -n ${number:-} ]] || { echo "Xvfb did not start:"; cat "$dir/xvfb.log"; exit 1; }
status=0
DISPLAY=:$number "$@" || status=$?
exit $status
