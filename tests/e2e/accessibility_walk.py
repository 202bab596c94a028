#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

"""What a screen reader meets in the running program, read over AT-SPI.

Walks the composer window on each creator and each of its pages, the About box and one
message-box preview, and fails on an interactive control that is not focusable, has no
name or shares its name with a sibling of the same role, and on a picture without a name.
Creators, pages and the Warning icon are chosen through their AT-SPI press actions, as a
screen reader's user does; modal windows are opened and closed with keys (xdotool).
Usage: accessibility_walk.py PID
"""

import subprocess
import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_LINK,
    pyatspi.ROLE_TABLE,
}
# The tab bar's scroll arrows: the arrow keys on the tab bar do what they do.
NOT_FOR_THE_KEYBOARD = {"Scroll Left", "Scroll Right"}
failures = []


def wait_for(find, what, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear on the accessibility bus")


def application(pid):
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    return wait_for(find, "the program")


def window(app, name):
    def find():
        for child in app:
            if child is not None and child.name == name and child.getState().contains(pyatspi.STATE_SHOWING):
                return child
        return None

    return wait_for(find, f'the window "{name}"')


def showing_children(node):
    return [c for c in node if c is not None and c.getState().contains(pyatspi.STATE_SHOWING)]


def check(node, where):
    """Checks the showing controls under node; returns how many it checked."""
    checked = 0
    children = showing_children(node)
    seen = {}
    for child in children:
        role, name, state = child.getRole(), child.name, child.getState()
        interactive = role in INTERACTIVE or state.contains(pyatspi.STATE_EDITABLE)
        label = f"{where}: {child.getRoleName()} {name!r}"
        if interactive and name not in NOT_FOR_THE_KEYBOARD:
            checked += 1
            if not name.strip():
                failures.append(f"{label} has no name")
            if not state.contains(pyatspi.STATE_FOCUSABLE):
                failures.append(f"{label} is not focusable")
            if (role, name) in seen:
                failures.append(f"{label} shares its name with a sibling")
            seen[(role, name)] = child
        if role == pyatspi.ROLE_IMAGE and not name.strip():
            failures.append(f"{where}: a picture has no name")
        if role not in (pyatspi.ROLE_TABLE, pyatspi.ROLE_COMBO_BOX):
            checked += check(child, where)
    return checked


def find_control(node, role, name):
    for child in showing_children(node):
        if child.getRole() == role and child.name == name:
            return child
        found = find_control(child, role, name)
        if found is not None:
            return found
    return None


def press(node, role, name):
    control = wait_for(lambda: find_control(node, role, name), f'"{name}"')
    action = control.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    if "press" not in names:
        failures.append(f'"{name}" has no press action (it has {names})')
        return control
    action.doAction(names.index("press"))
    time.sleep(0.3)
    return control


def keys(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)
    time.sleep(0.5)


def checked(control):
    return control.getState().contains(pyatspi.STATE_CHECKED)


PAGES = {
    "MessageBox Creator": ["General", "Icon", "Buttons", "Variable"],
    "InputBox Creator": ["General", "Variable"],
    "Common Dialog Creator": ["Open Dialog", "Save Dialog", "Open-Picture Dialog", "Save-Picture Dialog",
                              "Font Dialog", "Color Dialog", "Print Dialog"],
}


def main():
    pid = int(sys.argv[1])
    app = application(pid)
    composer = window(app, "Quillmark 1.0")
    for creator, pages in PAGES.items():
        button = press(composer, pyatspi.ROLE_RADIO_BUTTON, creator)
        if not checked(button):
            failures.append(f'pressing "{creator}" did not check it')
        for page in pages:
            press(composer, pyatspi.ROLE_PAGE_TAB, page)
            if check(composer, f"{creator}, {page}") < 10:
                failures.append(f"{creator}, {page}: fewer controls than the page and the buttons hold")

    # One preview: a message box with the Warning icon, from the Icon page.
    press(composer, pyatspi.ROLE_RADIO_BUTTON, "MessageBox Creator")
    press(composer, pyatspi.ROLE_PAGE_TAB, "Icon")
    press(composer, pyatspi.ROLE_RADIO_BUTTON, "Warning")
    keys("alt+t")
    preview = window(app, "")
    check(preview, "message box")
    if find_control(preview, pyatspi.ROLE_IMAGE, "Warning") is None:
        failures.append('the message box\'s icon is not named "Warning"')
    keys("Return")

    keys("alt+a")
    about = window(app, "About Quillmark")
    check(about, "About box")
    press(about, pyatspi.ROLE_LINK, "https://www.example.org/")
    keys("Escape")

    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
