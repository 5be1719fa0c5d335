#!/usr/bin/python3
"""Takes the README's screenshot and the user guide's pictures from the running window.

Run by scripts/screenshot.sh inside a virtual X display with the accessibility bus (AT-SPI):
    guide_shots.py OUT_FOLDER
The window (English, against the simulated receiver) must be starting. Menus are found by their
keys, buttons and menu items by their names, so new menu items do not move the pictures.
"""
import os
import subprocess
import sys
import time

import pyatspi

out = sys.argv[1]
images = os.path.join(out, "images")
os.makedirs(images, exist_ok=True)


def wait_for(what, condition, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = condition()
        except Exception:  # the accessibility tree changes under us while the window builds
            found = None
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"guide_shots: no {what} after {seconds} s")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        child = desktop.getChildAtIndex(i)
        if child is not None and child.name == "qbr36":
            return child
    return None


def find(node, role, name, depth=0):
    """The first node of that role and name under node, outside the memory table."""
    if node is None or depth > 16:
        return None
    if node.getRoleName() == role and node.name == name:
        return node
    if node.getRoleName() == "table":
        return None
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), role, name, depth + 1)
        if found is not None:
            return found
    return None


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    try:
        actions.doAction(names.index("Press") if "Press" in names else 0)
    except Exception:  # a modal dialog it opened keeps the reply until it closes
        pass


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.3)


def window_id(title):
    """The X window whose title is exactly `title`, waiting for it to show."""
    def search():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                               capture_output=True, text=True).stdout.split()
        return found[0] if found else None
    return wait_for(f"window '{title}'", search)


def gone(title):
    wait_for(f"'{title}' to close", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
        capture_output=True).returncode != 0)
    time.sleep(0.5)  # the window behind repaints


def save(raw, name):
    """A small picture for the repository: no metadata, 256 colours."""
    path = os.path.join(out, name)
    if subprocess.run(["which", "pngquant"], capture_output=True).returncode == 0:
        subprocess.run(["pngquant", "--force", "--strip", "--output", path, "256", raw], check=True)
    else:
        subprocess.run(["convert", raw, "-strip", path], check=True)
    print("Wrote", path)


def shoot_window(title, name):
    time.sleep(0.5)  # painted
    raw = "/tmp/guide-shot-%d.png" % os.getpid()
    subprocess.run(["import", "-window", window_id(title), raw], check=True)
    save(raw, name)


def shoot_screen(name):
    """Everything on the (black) screen, cut to the windows and menus on it."""
    time.sleep(0.5)
    raw = "/tmp/guide-shot-%d.png" % os.getpid()
    subprocess.run(["import", "-window", "root", raw], check=True)
    subprocess.run(["convert", raw, "-trim", "+repage", raw], check=True)
    save(raw, name)


app = wait_for("qbr36 on the accessibility bus", application)
main_title = wait_for("main window", lambda: next(
    (app.getChildAtIndex(i).name for i in range(app.childCount)
     if app.getChildAtIndex(i).name.startswith("QB-R36 Clone Utility v")), None))
main = window_id(main_title)
# No window manager runs here: focus the window directly.
subprocess.run(["xdotool", "windowfocus", "--sync", main], check=True)

# Connecting: the Port menu names the device behind each COM port.
keys("alt+p")
shoot_screen("images/port-menu.png")
keys("Escape")

# Reading: Comm > Read all, and what the "Complete" box says.
keys("alt+c", "r")
shoot_window("Complete", "images/read-complete.png")
keys("Return")
gone("Complete")
shoot_window(main_title, "screenshot.png")

# The detail editor of the first memory (the grid has the focus on it).
keys("Return")
shoot_window("Memory Setting", "images/detail-editor.png")
keys("Escape")
gone("Memory Setting")

# Banks and links: the bank-link groups.
frame = wait_for("main frame", lambda: find(app, "frame", main_title))
press(wait_for("Bank-Link button", lambda: find(frame, "push button", "Bank-Link")))
shoot_window("BANK-LINK Setting", "images/bank-links.png")
keys("Escape")
gone("BANK-LINK Setting")

# The Settings page, then back to the memories.
subprocess.run(["xdotool", "windowfocus", "--sync", main], check=True)
keys("ctrl+Tab")
shoot_window(main_title, "images/settings.png")
keys("ctrl+shift+Tab")

# Writing safely: clear the first memory, then Write all shows what it would change.
keys("Delete", "alt+c", "w")
shoot_window("Write all", "images/difference.png")
keys("Escape")
gone("Write all")

# Backups: File > Backups… lists the one the Read all left.
keys("alt+f")
press(wait_for("Backups… item", lambda: find(app, "menu item", "Backups…")))
shoot_window("Backups", "images/backups.png")
keys("Escape")
gone("Backups")

# The guide itself, as Help > User guide… shows it.
keys("alt+h")
press(wait_for("User guide… item", lambda: find(app, "menu item", "User guide…")))
shoot_window("User guide", "images/user-guide.png")
