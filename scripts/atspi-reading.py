#!/usr/bin/python3
"""Drives a reading in a running Quillmoor by key presses alone and reads the
table back through AT-SPI, as a screen reader would: the accessible tree of the
table, the dialogs on the way, and every position with its card at the end.

Run by scripts/atspi-reading, which starts the program on a virtual screen with
an accessibility bus; the argument is the program's process id. Exits 0 when
every position names its card, 1 otherwise."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PID = int(sys.argv[1])
# The table texts announced as they changed, as a screen reader hears them.
HEARD = []


def on_name_changed(event):
    try:
        source = event.source
        # The table's texts lie on the deck's surface: the prompt and the spread's name.
        parent = source.parent
        if (source.getRoleName() == "label" and source.get_process_id() == PID
                and parent is not None and parent.name.startswith(("The deck", "Fan of"))):
            text = " ".join(source.name.split())
            if text and (not HEARD or HEARD[-1] != text):
                HEARD.append(text)
    except Exception:
        pass


def pump():
    """Hands the events that arrived over the bus to their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == PID:
                return app
        except Exception:
            pass
    return None


def walk(node, depth=0):
    yield depth, node
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def wait_for(what, find, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        try:
            found = find()
        except Exception:
            found = None
        if found:
            return found
        pump()
        time.sleep(0.2)
    app = application()
    for child in app if app else []:
        if child is not None:
            print_tree(child, "a window at the failure")
    sys.exit(f"atspi-reading: no {what} after {timeout:.0f} s")


def key(*keys):
    """Presses keys in the window that has the keyboard. What they did is
    waited for by the caller: a key reaches the program only once its window
    is the active one, and the program answers in its own time."""
    subprocess.run(["xdotool", "key", "--delay", "120", *keys], check=True)
    pump()


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
    pump()


def shot(name):
    """A picture of the screen, when QUILLMOOR_SHOTS names a folder for them."""
    folder = os.environ.get("QUILLMOOR_SHOTS")
    if folder:
        time.sleep(0.5)
        subprocess.run(["import", "-window", "root", os.path.join(folder, name + ".png")],
                       check=True)


def role(node):
    return node.getRoleName()


def states(node):
    return node.getState()


def showing(node):
    return states(node).contains(pyatspi.STATE_SHOWING)


def focused(node):
    return states(node).contains(pyatspi.STATE_FOCUSED)


def active(node):
    return states(node).contains(pyatspi.STATE_ACTIVE)


def with_keys(what, find):
    """Waits for the window `find` returns to be the program's active one.
    A window is on the bus as soon as the program makes it, before the window
    manager maps it and gives it the keyboard; keys pressed before then go
    to the window that had the keyboard, or nowhere."""
    return wait_for(f"{what} with the keyboard", lambda: (w := find()) and active(w) and w)


def activate_table(frame):
    """Has the window manager give the table the keyboard, until the program
    itself reports the table active; that is when its shortcuts take keys.
    The request is repeated while the window is not yet shown (xdotool finds
    no window to ask for then), and nothing waits on xdotool's own --sync,
    which waits on the window manager's report without end."""
    ask = ["xdotool", "search", "--onlyvisible", "--pid", str(PID), "--name", "^Quillmoor$",
           "windowactivate"]
    asked = 0.0

    def table_active():
        nonlocal asked
        if active(frame):
            return frame
        if time.time() - asked > 2.0:
            subprocess.run(ask, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           timeout=20)
            asked = time.time()
        return None

    wait_for("table window with the keyboard", table_active)


def focused_position():
    return next((p for p in positions() if focused(p)), None)


def count_named(ending):
    return sum(1 for p in positions() if p.name.endswith(ending))


def dialog(title_part):
    app = application()
    for child in app:
        if child is not None and role(child) == "dialog" and title_part in child.name:
            return child
    return None


def deck():
    for _, node in walk(application()):
        if node.name.startswith(("The deck", "Fan of")):
            return node
    return None


def positions():
    """The position pictures: the focusable parts of the spread area."""
    for _, node in walk(application()):
        if node.name.startswith("Spread: "):
            return [n for _, n in walk(node)
                    if n is not node and states(n).contains(pyatspi.STATE_FOCUSABLE)]
    return []


def print_tree(node, title):
    print(f"--- {title}")
    for depth, part in walk(node):
        if role(part) in ("menu item", "menu", "separator") and depth > 2:
            continue
        if not showing(part) and depth > 0:
            continue
        text = f"{'  ' * depth}[{role(part)}] {part.name!r}"
        if part.description:
            text += f" -- {part.description!r}"
        if focused(part):
            text += "  (focus)"
        print(text)


def main():
    app = wait_for("Quillmoor on the accessibility bus", application)
    frame = wait_for("table window", lambda: next(
        (c for c in application() if c is not None and role(c) == "frame"), None))
    print_tree(frame, "the table at start")
    # Listened for once the program is on the bus, so that it learns of the listener.
    pyatspi.Registry.registerEventListener(on_name_changed,
                                           "object:property-change:accessible-name")
    # The keys go to the window that has the keyboard: the table's.
    activate_table(frame)

    key("F9")
    chooser = with_keys("spread chooser", lambda: dialog("Select spread") or dialog("spread"))
    print_tree(chooser, "the spread chooser")
    type_text("Question")
    key("Return")

    chooser = with_keys("significator dialog", lambda: dialog("significator"))
    print_tree(chooser, "the significator dialog")
    key("Down")
    key("Return")

    wait_for("deck with the focus", lambda: (d := deck()) and focused(d) and d)
    with_keys("table window", lambda: frame)
    before = deck().description
    print(f"deck: {deck().name!r} -- {before!r}")
    key("Return")
    wait_for("shuffle", lambda: deck().description != before)
    key("Return")
    wait_for("deck waiting for its cut", lambda: "cut" in deck().name and deck())
    before = deck().name
    key("Right", "Right")
    wait_for("cut moved", lambda: deck().name != before)
    print(f"deck: {deck().name!r} -- {deck().description!r}")
    shot("keyboard-cut")
    key("Return")
    # The cut is shown until Esc ends it.
    wait_for("cut made", lambda: "cut" not in deck().name)
    key("Escape")
    wait_for("fan", lambda: deck().name.startswith("Fan of") and deck())
    print(f"deck: {deck().name!r} -- {deck().description!r}")
    before = deck().name
    key("Right", "Right", "Right", "Right", "Right")
    wait_for("fan focus moved", lambda: deck().name != before)

    for _ in range(80):
        empty = count_named(" empty")
        if not empty:
            break
        key("Return")
        wait_for("card drawn", lambda: count_named(" empty") < empty)
        if count_named(" face down") == 3:
            shot("keyboard-fan")
    print(f"deck: {deck().name!r} -- {deck().description!r}")

    key("Tab")
    wait_for("position with the focus", focused_position)
    places = positions()
    for _ in range(len(places)):
        current = focused_position()
        if current is None:
            sys.exit("atspi-reading: no position has the focus")
        name = current.name
        if name.endswith("face down"):
            key("Return")
            wait_for("card turned", lambda: not current.name.endswith("face down"))
            name = current.name
        key("Tab")
        wait_for("focus moved on", lambda: (p := focused_position()) is None or p.name != name)

    # The card that has the focus opens its detail window on Enter.
    key("shift+Tab")
    wait_for("last position with the focus", focused_position)
    shot("keyboard-spread")
    key("Return")
    detail = with_keys("card detail window", lambda: next(
        (c for c in application()
         if c is not None and role(c) == "dialog" and showing(c)), None))
    print_tree(detail, "the card detail window")
    key("Escape")
    with_keys("table window", lambda: frame)

    pump()
    print("--- the table's texts announced on the way")
    for text in HEARD:
        print(text)
    print_tree(frame, "the table after the reading")
    print("--- positions after the reading")
    missing = 0
    for place in positions():
        print(f"{place.name}  |  {place.description}")
        if place.name.endswith((" empty", " face down")):
            missing += 1
    if not HEARD:
        print("atspi-reading: no prompt was announced")
        return 1
    if missing or not places:
        print(f"atspi-reading: {missing} of {len(places)} positions name no card")
        return 1
    print(f"atspi-reading: all {len(places)} positions name their cards")
    return 0


if __name__ == "__main__":
    sys.exit(main())
