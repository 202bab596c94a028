#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Runs a command as the only client of a headless Weston compositor of its own, on the
# Wayland platform and without an X display. Usage: under_weston.sh command [arguments...]
set -euo pipefail
runtime=${XDG_RUNTIME_DIR:?XDG_RUNTIME_DIR must name a private folder}
socket=quillmark-wayland-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null || true; wait $weston 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [[ -S $runtime/$socket ]] && break
  if ! kill -0 $weston 2>/dev/null; then
    cat "$runtime/weston.log"
    exit 1
  fi
  sleep 0.1
done
[[ -S $runtime/$socket ]] || { echo "weston did not come up"; exit 1; }
unset DISPLAY
# A headless Weston has no seat, and Qt 6.4's Wayland input method then dereferences the
# missing input device as soon as a text cursor is drawn; the compose input method, Qt's
# default elsewhere, needs no seat. Widgets draw into shared memory; without a buffer
# integration Qt loads no EGL driver, whose one-time allocations the leak checker would
# report at exit.
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none "$@"
