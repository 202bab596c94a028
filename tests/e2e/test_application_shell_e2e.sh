#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# The application shell as a user meets it: the splash window first and alone, gone after
# about three seconds, then the composer window, of the window class that the desktop
# entry names and titled with the version; "&Test" shows a message box titled
# exactly with the typed caption, or with none; "&About" and its links; "&Help" hands the
# help file beside the executable to the desktop; "E&xit" ends the program with status 0.
# It runs in a locale without UTF-8 and with a home folder the program cannot write to.
# Usage: with_xvfb.sh test_application_shell_e2e.sh path/to/quillmark
set -euo pipefail
program=$1
work=$(mktemp -d)
source "$(dirname "$0")/x11_windows.sh"

fail() {
  echo "FAIL: $*"
  [[ -s "$work/stderr" ]] && sed 's/^/  program: /' "$work/stderr"
  exit 1
}

# The desktop's opener is replaced by one that writes down what it was given.
mkdir -p "$work/bin" "$work/home"
cat >"$work/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$1" >>"$work/opened"
OPENER
chmod +x "$work/bin/xdg-open"
chmod 500 "$work/home"

started=$SECONDS
PATH="$work/bin:$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" LANG=C LC_ALL=C \
  "$program" 2>"$work/stderr" &
pid=$!
trap 'kill $pid 2>/dev/null || true; chmod 700 "$work/home"; rm -rf "$work"' EXIT

# Both titles of window $1, as xprop shows them; an empty title shows no quotes.
titles_of() { xprop -id "$1" WM_NAME _NET_WM_NAME; }
titles() {
  local quoted=${1:+\"$1\"}
  printf 'WM_NAME(STRING) = %s\n_NET_WM_NAME(UTF8_STRING) = %s' "$quoted" "$quoted"
}
# Waits until the opener was given $1.
expect_opened() {
  for _ in $(seq 50); do
    grep -qxF "$1" "$work/opened" 2>/dev/null && return
    sleep 0.1
  done
  fail "the desktop was not asked to open $1 (asked: $(cat "$work/opened" 2>/dev/null))"
}

# The splash window first, alone; it stays about three seconds and is gone before the
# composer window appears.
splash=$(wait_for_window $pid 383x241 10) || fail "no splash window"
splash_seen=$SECONDS
[[ $(visible_windows $pid | wc -l) -eq 1 ]] || fail "the splash window is not alone"
# The composer window may be seen beside the splash window only once that is destroyed.
while [[ -n "$(window_of_size $pid 383x241)" ]]; do
  if [[ -n "$(window_of_size $pid 544x383)" ]] && xwininfo -id "$splash" >/dev/null 2>&1; then
    fail "the composer window appeared beside the splash window"
  fi
  ((SECONDS - started < 10)) || fail "the splash window stays"
  sleep 0.05
done
((SECONDS - splash_seen >= 2)) || fail "the splash window went after $((SECONDS - splash_seen)) s"
window=$(wait_for_composer_window $pid) || fail "the composer window did not appear"
xdotool windowfocus --sync "$window"
sleep 0.5

# The window class is the one the desktop entry names, so that docks find the entry; the
# title is the program's with its version.
entry_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../packaging/org.example.quillmark.desktop")
[[ $entry_class == Quillmark && "$(xprop -id "$window" WM_CLASS)" == "WM_CLASS(STRING) = \"quillmark\", \"$entry_class\"" ]] ||
  fail "window class $(xprop -id "$window" WM_CLASS), desktop entry's $entry_class"
[[ "$(titles_of "$window")" == "$(titles "Quillmark 1.0")" ]] || fail "composer window title: $(titles_of "$window")"

# "&Test" with a caption, then with none: the message box's title is exactly that.
keys alt+c
xdotool type --delay 15 "Save it?"
# Alt+T on the General page is the access key of "&Text:", so "&Test" is clicked: it stands
# at 256, 240 in the work space, which stands at 112, 56.
for caption in "Save it?" ""; do
  xdotool mousemove --window "$window" 404 308 click 1
  settle
  box=$(wait_for_dialog $pid "$window") || fail "Test showed no message box"
  [[ "$(titles_of "$box")" == "$(titles "$caption")" ]] ||
    fail "the message box for \"$caption\" is titled: $(titles_of "$box")"
  keys Return
  wait_until_alone $pid "$window" || fail "Enter did not close the message box"
  keys alt+c ctrl+a BackSpace
done

# --- The About box and its frame ----------------------------------------------------------
# The About box stands centred by its outer rectangle. Under a window manager, whatever its
# frame offers: a close request (the close button, Alt+F4) leaves it open, and minimised it
# comes straight back, so the composer window is never left disabled with nothing to close.
check_about_box_frame() {
  local about
  keys alt+a
  about=$(wait_for_dialog $pid "$window") || fail "About showed nothing"
  expect_placed "the About box" "$about" 2
  if window_manager_running; then
    wmctrl -i -c "$about"
    keys alt+F4
    [[ -n "$(window_of_size $pid 456x248)" ]] || fail "a close request through the window manager closed the About box"
    xdotool windowminimize "$about"
    sleep 0.5
    wait_for_window $pid 456x248 5 >/dev/null || fail "the minimised About box did not come back"
    [[ -n "$(window_of_size $pid 544x383)" ]] || fail "the composer window is not shown beside the About box"
  fi
  keys Escape
  wait_until_alone $pid "$window" || fail "Escape did not close the About box"
}
check_about_box_frame

# "&About" shows the About box; a click on the web link opens it; Escape closes the box,
# and the box shows again for the next "&About", closed then by Enter.
keys alt+a
about=$(wait_for_dialog $pid "$window") || fail "About showed nothing"
[[ "$(titles_of "$about")" == "$(titles "About Quillmark")" ]] || fail "About box title: $(titles_of "$about")"
[[ "$(window_size "$about")" == 456x248 ]] || fail "About box size: $(window_size "$about")"
xdotool mousemove --window "$about" 20 196 click 1
settle
expect_opened "https://www.example.org/"
keys Escape
wait_until_alone $pid "$window" || fail "Escape did not close the About box"
keys alt+a
about=$(wait_for_dialog $pid "$window") || fail "the second About showed nothing"
keys Return
wait_until_alone $pid "$window" || fail "Enter did not close the About box"

# "&Help" hands the help file beside the executable to the desktop.
keys alt+h
expect_opened "file://$(dirname "$(readlink -f "$program")")/qlm10.html"

# "E&xit" ends the program with status 0.
keys alt+x
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "Alt+X did not end the program"
status=0
wait $pid || status=$?
((status == 0)) || fail "the program ended with status $status"
echo "PASS"
