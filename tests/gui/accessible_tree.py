#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Z408 configurator developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Walks the accessible tree of a running z408 through the desktop's accessibility bus, as a
# screen reader sees it: every page of the window (switched through the tabs' own actions), the
# function picker's four pages (opened through a button tab, closed through its own close
# button) and an information box (the support page's "restore defaults" question, answered
# Cancel). Prints each tree it walked, one object a line (role, name, states, value), and fails
# when a showing object one can press, move or type into has no name, or reads as a plain area.
#   accessible_tree.py PID [PROGRAM_DIR]
# With the program directory it also switches to German through the language menu's items and
# checks that the names follow.
# Run with Debian's /usr/bin/python3, which has the pyatspi bindings.
import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_SPIN_BUTTON,
}
GENERIC = {
    pyatspi.ROLE_FILLER,
    pyatspi.ROLE_PANEL,
    pyatspi.ROLE_UNKNOWN,
    pyatspi.ROLE_INVALID,
    pyatspi.ROLE_GROUPING,
    pyatspi.ROLE_REDUNDANT_OBJECT,
}
PRESS_ACTIONS = {"press", "toggle", "click", "activate"}
STATE_NAMES = {
    pyatspi.STATE_CHECKED: "checked",
    pyatspi.STATE_SELECTED: "selected",
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_ENABLED: "enabled",
    pyatspi.STATE_SHOWING: "showing",
    pyatspi.STATE_CHECKABLE: "checkable",
}
WINDOW_TITLE = "Tarvo Z408 Gaming Mouse Driver"
faults = []


def wait_for(what, probe, seconds=20.0):
    """Polls `probe` until it gives something true, or fails after `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = probe()
        except Exception:  # an object that went away while it was read: look again
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            print(f"FAIL: {what} did not happen within {seconds:.0f} s")
            sys.exit(1)
        time.sleep(0.1)


def children(acc):
    for i in range(acc.childCount):
        c = acc.getChildAtIndex(i)
        if c is not None:
            yield c


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def action_names(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i).lower() for i in range(action.nActions)]


def press(acc, what):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in PRESS_ACTIONS:
            action.doAction(i)
            return
    print(f"FAIL: {what} has no press action")
    sys.exit(1)


def describe(acc):
    states = acc.getState()
    flags = [n for s, n in STATE_NAMES.items() if states.contains(s)]
    line = f"{acc.getRoleName()} '{acc.name}'"
    if acc.description:
        line += f" ({acc.description})"
    line += " [" + ",".join(flags) + "]"
    try:
        value = acc.queryValue()
        line += f" value={value.currentValue:g} of {value.minimumValue:g}..{value.maximumValue:g}"
    except NotImplementedError:
        pass
    return line


def walk(acc, where, depth=0):
    """Prints the showing part of the tree under `acc` and notes what a screen reader lacks."""
    for c in children(acc):
        if not showing(c):
            continue
        print("  " * depth + describe(c))
        role = c.getRole()
        label = f"{where}: {c.getRoleName()} '{c.name}'"
        if role in INTERACTIVE and not c.name.strip():
            faults.append(f"{label} has no name")
        if role in GENERIC and PRESS_ACTIONS & set(action_names(c)):
            faults.append(f"{label} can be pressed but has a generic role")
        walk(c, where, depth + 1)


def find(acc, test):
    """The first showing object under `acc` for which `test` holds."""
    for c in children(acc):
        if not showing(c):
            continue
        if test(c):
            return c
        below = find(c, test)
        if below is not None:
            return below
    return None


def find_all(acc, test):
    found = []
    for c in children(acc):
        if test(c):
            found.append(c)
        found.extend(find_all(c, test))
    return found


def open_popup(button):
    button.clearCache()
    popup = button.getChildAtIndex(0) if button.childCount else None
    return popup if popup is not None and popup.getRole() == pyatspi.ROLE_POPUP_MENU else None


def push_button(under, name, what):
    """The showing push button called `name` under `under`, once it is there."""
    return wait_for(
        what,
        lambda: find(under, lambda c: c.getRole() == pyatspi.ROLE_PUSH_BUTTON and c.name == name),
    )


def dialog(app, what):
    """The window besides the main one that a press opened."""
    return wait_for(what, lambda: next((w for w in windows(app) if w.name != WINDOW_TITLE), None))


def german_texts(program_dir):
    """The German language file's texts, by key."""
    import xml.etree.ElementTree as ElementTree

    config = ElementTree.parse(f"{program_dir}/Language/ger.xml").getroot().find("config")
    return {e.tag: (e.text or "") for e in config}


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def windows(app):
    return [w for w in children(app) if showing(w)]


def main():
    pid = int(sys.argv[1])
    app = wait_for("the program on the accessibility bus", lambda: application(pid), 30)
    window = wait_for(
        "the main window",
        lambda: next((w for w in windows(app) if w.name == WINDOW_TITLE), None),
    )

    # The window's pages, through the tabs' own actions.
    tabs = wait_for(
        "the window's five tabs",
        lambda: (lambda t: t if len(t) == 5 else None)(
            [c for c in find_all(window, lambda c: c.getRole() == pyatspi.ROLE_PAGE_TAB)]
        ),
    )
    for n, tab in enumerate(tabs, 1):
        press(tab, f"tab {n}")
        wait_for(f"tab {n} selected", lambda: tab.getState().contains(pyatspi.STATE_SELECTED))
        print(f"== page {n}: {tab.name}")
        walk(window, f"page {n}")

    # The function picker, from the settings page's button tab of the forward button.
    press(tabs[0], "tab 1")
    wait_for("tab 1 selected", lambda: tabs[0].getState().contains(pyatspi.STATE_SELECTED))
    button_tab = wait_for(
        "a button tab on the settings page",
        lambda: find(
            window,
            lambda c: c.getRole() == pyatspi.ROLE_PUSH_BUTTON and ": " in c.name,
        ),
    )
    print(f"== opening the picker through '{button_tab.name}'")
    press(button_tab, "the button tab")
    picker = dialog(app, "the picker")
    picker_tabs = wait_for(
        "the picker's four tabs",
        lambda: (lambda t: t if len(t) == 4 else None)(
            find_all(picker, lambda c: c.getRole() == pyatspi.ROLE_PAGE_TAB)
        ),
    )
    for n, tab in enumerate(picker_tabs, 1):
        press(tab, f"picker tab {n}")
        wait_for(
            f"picker tab {n} selected", lambda: tab.getState().contains(pyatspi.STATE_SELECTED)
        )
        print(f"== picker page {n}: {tab.name}")
        walk(picker, f"picker page {n}")
    close = push_button(picker, "Close", "the picker's close button")
    press(close, "the picker's close button")
    wait_for("the picker to close", lambda: len(windows(app)) == 1)

    # An information box: the support page asks before it restores the defaults.
    press(tabs[4], "tab 5")
    wait_for("tab 5 selected", lambda: tabs[4].getState().contains(pyatspi.STATE_SELECTED))
    restore = wait_for(
        "the restore button",
        lambda: find(window, lambda c: c.name == "Restore"),
    )
    press(restore, "the restore button")
    box = dialog(app, "the information box")
    print(f"== information box: {describe(box)}")
    walk(box, "information box")
    cancel = push_button(box, "Cancel", "the box's Cancel button")
    press(cancel, "Cancel")
    wait_for("the information box to close", lambda: len(windows(app)) == 1)

    # The language menu, through its own items: the names follow the language at once.
    german = german_texts(sys.argv[2]) if len(sys.argv) > 2 else None
    if german:
        apply_button = push_button(window, "Apply", "the Apply button")
        language = push_button(window, "Language", "the language button")
        press(language, "the language button")
        # A popup is no child of the application: the button that opened it holds it.
        menu = wait_for("the language menu", lambda: open_popup(language))
        print(f"== language menu: {describe(menu)}")
        walk(menu, "language menu")
        item = wait_for(
            "the German item",
            lambda: find(
                menu, lambda c: c.getRole() == pyatspi.ROLE_MENU_ITEM and c.name == "German"
            ),
        )
        press(item, "the German item")
        wait_for("the language menu to close", lambda: open_popup(language) is None)
        wait_for(
            "tab 1 described in German",
            lambda: tabs[0].description == german["str_main"]
            and tabs[0].name not in ("", "Settings"),
        )
        wait_for("Apply named anew", lambda: apply_button.name not in ("", "Apply"))
        print(f"== in German: tab 1 '{tabs[0].name}', Apply '{apply_button.name}'")
        press(tabs[0], "tab 1")
        wait_for("tab 1 selected", lambda: tabs[0].getState().contains(pyatspi.STATE_SELECTED))
        walk(window, "page 1 in German")

    if faults:
        print("FAIL: what a screen reader cannot use:")
        for f in faults:
            print("  " + f)
        sys.exit(1)
    print("ok: every showing control of the pages, the picker and the box has a name and a role")


if __name__ == "__main__":
    main()
