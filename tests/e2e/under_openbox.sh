#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Runs an end-to-end script with openbox managing the windows of the X display in DISPLAY:
# starts openbox, waits until it manages windows, runs the script, stops openbox.
# Usage: with_xvfb.sh under_openbox.sh script [arguments...]
set -euo pipefail
# openbox is the X server's first client: a client that connected and left before it
# would make the server reset, and openbox, connecting in that moment, would give up.
openbox --sm-disable --config-file /dev/null >"${XDG_RUNTIME_DIR:-/tmp}/openbox.log" 2>&1 &
openbox=$!
trap 'kill $openbox 2>/dev/null || true; wait $openbox 2>/dev/null || true' EXIT
# A window manager announces itself through _NET_SUPPORTING_WM_CHECK on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 $openbox 2>/dev/null || { cat "${XDG_RUNTIME_DIR:-/tmp}/openbox.log"; exit 1; }
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "openbox did not come up"; exit 1; }
"$@"
