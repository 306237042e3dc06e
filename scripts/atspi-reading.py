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
            print(f"window: [{role(child)}] {child.name!r}")
    sys.exit(f"atspi-reading: no {what} after {timeout:.0f} s")


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "120", *keys], check=True)
    time.sleep(0.4)
    pump()


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
    time.sleep(0.3)


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
    # The keys go to the window that has the focus: the table's.
    activate = ["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(PID),
                "--name", "^Quillmoor", "windowactivate"]
    try:
        subprocess.run(activate + ["--sync"], check=True, stdout=subprocess.DEVNULL, timeout=20)
    except subprocess.TimeoutExpired:
        # The window manager does not always report the activation; ask once
        # more without waiting for the report (the dialogs' waits tell a failure).
        subprocess.run(activate, check=True, stdout=subprocess.DEVNULL, timeout=20)
    time.sleep(0.5)

    key("F9")
    chooser = wait_for("spread chooser", lambda: dialog("Select spread") or dialog("spread"))
    print_tree(chooser, "the spread chooser")
    type_text("Question")
    key("Return")

    chooser = wait_for("significator dialog", lambda: dialog("significator"))
    print_tree(chooser, "the significator dialog")
    key("Down")
    key("Return")

    wait_for("deck with the focus", lambda: (d := deck()) and focused(d) and d)
    print(f"deck: {deck().name!r} -- {deck().description!r}")
    key("Return")
    time.sleep(1.0)
    key("Return")
    wait_for("deck waiting for its cut", lambda: "cut" in deck().name and deck())
    key("Right", "Right")
    print(f"deck: {deck().name!r} -- {deck().description!r}")
    shot("keyboard-cut")
    key("Return")
    time.sleep(0.5)
    key("Escape")
    wait_for("fan", lambda: deck().name.startswith("Fan of") and deck())
    print(f"deck: {deck().name!r} -- {deck().description!r}")
    key("Right", "Right", "Right", "Right", "Right")

    for _ in range(80):
        if not any(p.name.endswith(" empty") for p in positions()):
            break
        key("Return")
        if sum(1 for p in positions() if p.name.endswith(" face down")) == 3:
            shot("keyboard-fan")
    print(f"deck: {deck().name!r} -- {deck().description!r}")

    key("Tab")
    places = positions()
    for _ in range(len(places)):
        current = next((p for p in positions() if focused(p)), None)
        if current is None:
            sys.exit("atspi-reading: no position has the focus")
        if current.name.endswith("face down"):
            key("Return")
        key("Tab")

    # The card that has the focus opens its detail window on Enter.
    key("shift+Tab")
    shot("keyboard-spread")
    key("Return")
    detail = wait_for("card detail window", lambda: next(
        (c for c in application()
         if c is not None and role(c) == "dialog" and showing(c)), None))
    print_tree(detail, "the card detail window")
    key("Escape")

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
