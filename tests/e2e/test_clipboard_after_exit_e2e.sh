#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Copy, then Exit: the copied block stays on the clipboard after the program has ended.
# With no clipboard manager the clipboard keeper serves it, byte for byte under every text
# target, and ends as soon as another client copies; where a clipboard manager runs, the
# program hands the block over to it and starts no keeper.
# Usage: with_xvfb.sh test_clipboard_after_exit_e2e.sh path/to/quillmark build-folder
set -euo pipefail
program=$1
build=$2
work=$(mktemp -d)
pid=
manager=
trap 'kill $pid $manager 2>/dev/null || true; rm -rf "$work"' EXIT
source "$(dirname "$0")/x11_windows.sh"

fail() {
  echo "FAIL: $*"
  exit 1
}

# The clipboard keepers serving this display. The tests of the other variants run at the
# same time with keepers of their own, on other displays: those are skipped, and skipping
# one must not make the function fail.
keepers() {
  local keeper
  for keeper in $(pgrep -f "^$(dirname "$program")/quillmark-clipboard-keeper\$" || true); do
    if tr '\0' '\n' <"/proc/$keeper/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY"; then
      echo "$keeper"
    fi
  done
}
# Whether process $1 has ended (a zombie has ended too: reaping it is its new parent's task).
ended() { [[ $(ps -o stat= -p "$1" || true) =~ ^(Z|$) ]]; }

# Starts the program, has it copy the message box's code with the caption $1 (typed) and
# the first line of $2 (pasted, from another client's clipboard) into $work/expected, and
# ends it with Alt+X.
copy_and_exit() {
  local window first=${2%%[$'\r\n']*}
  printf '%s' "$2" | xclip -i -selection clipboard
  "$program" 2>"$work/stderr" &
  pid=$!
  window=$(wait_for_composer_window $pid) || fail "the composer window did not appear"
  xdotool windowfocus --sync "$window"
  sleep 0.5
  keys alt+c
  xdotool type --delay 15 "$1"
  keys ctrl+v
  # "&Copy" stands at 484, 308 in the window.
  xdotool mousemove --window "$window" 484 308 click 1
  settle
  printf '%s\r\n' "//Begin MessageBox Creator Code" "Result := MessageBox(Handle, '', '$1$first', 64);" \
    "//End MessageBox Creator Code" >"$work/expected"
  xclip -o -selection clipboard | cmp -s - "$work/expected" || fail "Copy put $(xclip -o -selection clipboard)"
  keys alt+x
  for _ in $(seq 50); do
    ended $pid && break
    sleep 0.1
  done
  ended $pid || fail "Alt+X did not end the program"
  wait $pid || fail "the program ended with status $?: $(cat "$work/stderr")"
}

# --- No clipboard manager: the keeper serves the block ---
[[ -z $(keepers) ]] || fail "a keeper runs before the program"
copy_and_exit "Kept " $'Grüße\r\nzweite Zeile\r\n'
keeper=$(keepers)
[[ $keeper =~ ^[0-9]+$ ]] || fail "not one keeper process but: $keeper"
for target in UTF8_STRING STRING TEXT 'text/plain;charset=utf-8'; do
  xclip -o -selection clipboard -t "$target" | cmp -s - "$work/expected" ||
    fail "the clipboard's $target holds: $(xclip -o -selection clipboard -t "$target" | od -c | head -5)"
done
[[ $(xclip -o -selection clipboard -t TARGETS | sort | tr '\n' ' ') == \
  "STRING TARGETS TEXT TIMESTAMP UTF8_STRING text/plain;charset=utf-8 " ]] ||
  fail "the keeper offers $(xclip -o -selection clipboard -t TARGETS | tr '\n' ' ')"
[[ $(ls -l "/proc/$keeper/fd" | grep -c -- "->") -eq 2 ]] ||
  fail "the keeper holds more than its display connection and /dev/null: $(ls -l "/proc/$keeper/fd")"
[[ $(readlink "/proc/$keeper/cwd") == / ]] || fail "the keeper works in $(readlink "/proc/$keeper/cwd")"

# Another client copies: the keeper ends, and the other client's text is on the clipboard.
printf 'copied elsewhere' | xclip -i -selection clipboard -loops 1
for _ in $(seq 50); do
  ended "$keeper" && break
  sleep 0.1
done
ended "$keeper" || fail "the keeper still runs after another client copied"
[[ $(xclip -o -selection clipboard) == "copied elsewhere" ]] || fail "the other client's copy was lost"
[[ -z $(keepers) ]] || fail "a keeper is left: $(keepers)"

# --- A clipboard manager runs: the program hands the block over, no keeper starts ---
"$build/tests/e2e/e2e_clipboard_manager" >"$work/manager" &
manager=$!
for _ in $(seq 50); do
  grep -q ready "$work/manager" && break
  sleep 0.1
done
grep -q ready "$work/manager" || fail "the clipboard manager did not start"
copy_and_exit "Handed over " $'to the manager\nnot this'
grep -q saved "$work/manager" || fail "the clipboard manager was handed nothing"
[[ -z $(keepers) ]] || fail "a keeper started though a clipboard manager runs"
xclip -o -selection clipboard | cmp -s - "$work/expected" ||
  fail "the manager holds $(xclip -o -selection clipboard | od -c | head -5)"
echo "PASS"
