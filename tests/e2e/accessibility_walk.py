"""Drives the running editor over the desktop's accessibility bus alone, as a
screen reader's user would: walks every page, names every focusable control
that a screen reader could not announce, then types a unit's attack and saves
through accessibility actions only.

Usage: accessibility_walk.py <rules file being edited>
Exits 1 with the list of faults, 0 when every control was named and the
saved file holds the typed value."""
import os
import subprocess
import sys
import time

import pyatspi

PAGES = ["Cosmic", "Units", "Advances", "About", "Check", "Tree", "Table", "Source"]


def wait_for(what, find, seconds=10.0):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear on the accessibility bus")


def editor_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").startswith("Ovantra"):
            return app
    return None


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def descendants(acc):
    """Every showing descendant, depth first. Children of hidden ones are
    skipped: a page behind another is not what a user can reach."""
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None or not showing(child):
            continue
        yield child
        yield from descendants(child)


def find(root, role, name):
    for acc in descendants(root):
        if acc.getRole() == role and acc.name == name:
            return acc
    return None


def unnamed_controls(root):
    found = []
    for acc in descendants(root):
        state = acc.getState()
        if not state.contains(pyatspi.STATE_FOCUSABLE):
            continue
        # A page's pane is a container the keyboard passes through.
        if acc.getRole() in (pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL):
            continue
        if not (acc.name or "").strip():
            found.append(f"{acc.getRoleName()} (parent: {acc.parent.getRoleName()} "
                         f"{acc.parent.name!r})")
    return found


def show_page(app, tabs, name):
    for i in range(tabs.childCount):
        tab = tabs.getChildAtIndex(i)
        if tab.name == name:
            break
    else:
        sys.exit(f"FAIL: no page tab named {name!r}")
    tab.queryAction().doAction(0)
    # The tab takes the focus once its page is in front; a page is built the
    # first time it is shown.
    wait_for(f"the {name} page", lambda: tab if
             tab.getState().contains(pyatspi.STATE_FOCUSED) else None)
    time.sleep(0.5)


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)
            if app.getChildAtIndex(i) is not None and showing(app.getChildAtIndex(i))]


def walk_dialog(app, what, keys, close=("Escape",), focus=None):
    """Opens a window with the keyboard, as its user would, and lists its
    unnamed controls; then closes it again."""
    before = {w.name for w in windows(app)}
    count = len(windows(app))
    # With no window manager, a closed window hands the focus back to no one.
    subprocess.run(["xdotool", "windowfocus", "--sync", os.environ["EDITOR_WINDOW"]], check=True)
    if focus is not None:
        # Focus over the bus does not take on every control; a click, as a
        # user would, does: on the list's first entry.
        box = focus.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + 30), str(box.y + 8),
                        "click", "1"], check=True)
        wait_for(f"the focus on {focus.name}", lambda: True if
                 focus.getState().contains(pyatspi.STATE_FOCUSED) else None)
    subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True)
    def opened():
        now = windows(app)
        if len(now) > count:
            return now[-1]
        return next((w for w in now if w.name not in before), None)
    window = wait_for(what, opened)
    time.sleep(0.5)
    faults = [f"{what}: unnamed {c}" for c in unnamed_controls(window)]
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{window.name}$"],
                           capture_output=True, text=True).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], check=True)
    subprocess.run(["xdotool", "key", "--delay", "150", *close], check=True)
    wait_for(f"{what} closing", lambda: True if len(windows(app)) <= count else None)
    return faults


def main():
    rules_file = sys.argv[1]
    app = wait_for("the editor", editor_app, 20.0)
    tabs = wait_for("the page tabs", lambda: next(
        (a for a in descendants(app) if a.getRole() == pyatspi.ROLE_PAGE_TAB_LIST), None))
    faults = []
    for page in PAGES:
        show_page(app, tabs, page)
        faults += [f"{page}: unnamed {what}" for what in unnamed_controls(app)]

    show_page(app, tabs, "Units")
    attack = find(app, pyatspi.ROLE_TEXT, "Attack")
    if attack is None:
        faults.append("Units: no text field named 'Attack'")
    else:
        attack.queryEditableText().setTextContents("7")
        save = find(app, pyatspi.ROLE_PUSH_BUTTON, "Save Changes")
        save.queryAction().doAction(0)
        time.sleep(1.0)
        with open(rules_file, "rb") as f:
            lines = f.read().split(b"\r\n")
        unit = lines[lines.index(b"@UNITS") + 1]
        attack_field = unit.split(b",")[5].strip()
        if attack_field != b"7a":
            faults.append(f"Units: the saved attack is {attack_field!r}, not b'7a'")

    # The windows and questions the keyboard opens from the main window.
    faults += walk_dialog(app, "Earlier Versions", ["alt+f", "e"])
    faults += walk_dialog(app, "Keyboard Shortcuts", ["alt+h", "k"])
    faults += walk_dialog(app, "the manual", ["F1"], close=("Escape",))
    faults += walk_dialog(app, "the rename form", ["Return"],
                          focus=find(app, pyatspi.ROLE_LIST, "Units"))
    faults += walk_dialog(app, "the quit question", ["ctrl+q"])

    for fault in faults:
        print("FAIL:", fault)
    if faults:
        sys.exit(1)
    print("every control has a name; an attack typed and saved over the bus was written")


main()
