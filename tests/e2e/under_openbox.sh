#!/usr/bin/env bash
# Runs a command with the openbox window manager managing the windows of the current X
# server: starts openbox, waits until it manages windows, runs the command, stops openbox.
# Usage: under_openbox.sh command [arguments...]
set -euo pipefail
home=$(mktemp -d)
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
trap 'kill $openbox 2>/dev/null || true; wait $openbox 2>/dev/null || true; rm -rf "$home"' EXIT
# A window manager that manages windows announces itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 $openbox 2>/dev/null || { echo "openbox did not start"; exit 1; }
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "openbox does not manage windows"; exit 1; }
"$@"
