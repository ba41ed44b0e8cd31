#!/usr/bin/python3
"""Splitsen as a screen reader or switch-access tool sees it, over AT-SPI.

Starts the real program (argument 1) on the accessibility bus of the session, walks the
tree of every screen and fails on a push button without a name, on a text that cannot be
read (a painted text that shows up as an empty filler, a label or text box that gives no
text), and goes through the program with AT-SPI actions alone: welcome -> chooser ->
split machine -> one right answer -> stop, then every other exercise once in and out,
and the chooser's stop to the closing screen, which ends the program by itself.

Run it under a display and a session bus of its own:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 atspi_walk.py build/default/app/splitsen
"""

import os
import re
import socket
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

TIMEOUT = 10.0
failures = []
announced = []  # the new names of "accessible-name" changes, as a screen reader hears them


def on_name_change(event):
    try:
        announced.append(event.source.name)
    except Exception:  # gone before it could be read
        pass


def fail(message):
    failures.append(message)
    print("FAIL: " + message, flush=True)


def wait_for(what, probe, timeout=TIMEOUT):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):  # deliver the events
            pass
        try:
            found = probe()
        except Exception:  # the tree changes under us while a screen opens or closes
            found = None
        if found:
            return found
        time.sleep(0.05)
    raise TimeoutError("waited %.0f s for %s" % (timeout, what))


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def descendants(obj):
    for child in obj:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "splitsen":
            # Read every name and state afresh from the program, as it is now: a tool
            # that keeps a copy learns of changes only through events it listens to.
            Atspi.Accessible.set_cache_mask(app, Atspi.Cache.NONE)
            return app
    return None


def screen(app, name):
    """The showing window or pane of a screen, by its name."""
    for obj in descendants(app):
        if obj.name == name and obj.getRoleName() in ("frame", "panel", "window") and showing(obj):
            return obj
    return None


def showing_with(root, role, name=None, pattern=None):
    result = []
    for obj in descendants(root):
        if obj.getRoleName() != role or not showing(obj):
            continue
        if name is not None and obj.name != name:
            continue
        if pattern is not None and not re.search(pattern, obj.name):
            continue
        result.append(obj)
    return result


def press(root, name):
    buttons = wait_for("a button '%s'" % name, lambda: showing_with(root, "push button", name))
    action = buttons[0].queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise AssertionError("button '%s' has no Press action: %s" % (name, names))
    action.doAction(names.index("Press"))


def check_screen(title, root):
    """Everything showing on a screen can be read and every push button has a name."""
    counts = {"push button": 0, "label": 0, "text": 0}
    for obj in descendants(root):
        if not showing(obj):
            continue
        role = obj.getRoleName()
        if role == "push button":
            counts[role] += 1
            if not obj.name.strip():
                fail("%s: a push button without a name" % title)
        elif role in ("filler", "unknown") and obj.childCount == 0:
            fail("%s: an empty %s where something is painted" % (title, role))
        elif role == "label":
            counts[role] += 1
        elif role in ("text", "entry"):
            counts["text"] += 1
            if not obj.name.strip():
                fail("%s: a text box without a name" % title)
            try:
                obj.queryText().getText(0, -1)
            except NotImplementedError:
                fail("%s: text box '%s' gives no text" % (title, obj.name))
    print("%s: %d push buttons, %d labels, %d text boxes" %
          (title, counts["push button"], counts["label"], counts["text"]), flush=True)
    return counts


def labels(root):
    return [obj.name for obj in showing_with(root, "label")]


def display_ready():
    """xvfb-run may start us before its server takes connections."""
    number = os.environ.get("DISPLAY", ":0").lstrip(":").split(".")[0]
    with socket.socket(socket.AF_UNIX) as connection:
        try:
            connection.connect("/tmp/.X11-unix/X" + number)
            return True
        except OSError:
            return False


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb")
    wait_for("the X server", display_ready)
    pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
    child = subprocess.Popen([program], env=env)
    try:
        app = wait_for("the program on the accessibility bus", find_app)

        # Welcome screen, inside the main window.
        main_window = wait_for("the main window", lambda: screen(
            app, "Alle kinderen moeten alle kansen krijgen."))
        wait_for("the welcome button", lambda: showing_with(main_window, "push button"))
        check_screen("welcome", main_window)
        if "Gratis te verspreiden software" not in labels(main_window):
            fail("welcome: the slogan cannot be read")
        press(main_window, "Klik hier en start !")

        # The chooser: ten exercises, the stop button and the picture that changes on a
        # click, each by its name.
        chooser = wait_for("the chooser", lambda: screen(app, "KEUZEBORD"))
        counts = check_screen("chooser", chooser)
        if counts["push button"] != 12:
            fail("chooser: %d push buttons instead of 12" % counts["push button"])
        for name in ("splitsing", "kijk en splits", "splitsmachine", "oefenen op maat", "stop",
                     "meisje met een kroon"):
            if not showing_with(chooser, "push button", name):
                fail("chooser: no button '%s'" % name)

        # The split machine: choose 7, read the split on the board, type the hidden part.
        press(chooser, "splitsmachine")
        machine = wait_for("the split machine", lambda: screen(app, "SPLITSMACHINE"))
        check_screen("split machine", machine)
        if "kies een cijfer" not in labels(machine):
            fail("split machine: the instruction cannot be read")
        press(machine, "7")
        board = wait_for("the board with the open bin", lambda: [
            n for n in labels(machine) if re.match(r"7 = \d+ \+ \.", n)])
        part = int(re.match(r"7 = (\d+)", board[0]).group(1))
        wait_for("the board's new text announced", lambda: [
            n for n in announced if n.startswith("7 = %d + ." % part)])
        answer = wait_for("the answer box", lambda: showing_with(machine, "text", "het verborgen aantal"))
        answer[0].queryEditableText().setTextContents(str(7 - part))
        press(machine, "CONTROLE")
        wait_for("the written split", lambda: [
            n for n in labels(machine) if n.startswith("7 = %d + %d" % (part, 7 - part))])
        wait_for("the START button", lambda: showing_with(machine, "push button", "START"))
        check_screen("split machine after a right answer", machine)
        press(machine, "stop")  # ends the number
        wait_for("the choice of a number again", lambda: [
            n for n in labels(machine) if n.startswith("kies een cijfer")])
        press(machine, "stop")  # back to the chooser
        chooser = wait_for("the chooser again", lambda: screen(app, "KEUZEBORD"))

        # Every other exercise once: in, read it, out through its stop button.
        exercises = [("splitsing", "Splits"), ("kijk en splits", "Kijk en splits"),
                     ("splitsingen van getalbeelden", "SPLITSEN VAN GETALBEELDEN"),
                     ("splitsingen automatiseren", "splitsing memoriseren"),
                     ("splitsen", "splitsing memoriseren"), ("klik en splits", "Klik en splits"),
                     ("ontbrekend deel", "Klik en splits"),
                     ("ontbrekend deel met score", "Klik en splits")]
        for button, title in exercises:
            press(chooser, button)
            exercise = wait_for("the screen of '%s'" % button, lambda: screen(app, title))
            check_screen(button, exercise)
            press(exercise, "stop")
            chooser = wait_for("the chooser after '%s'" % button, lambda: screen(app, "KEUZEBORD"))

        # The closing screen counts down and ends the program.
        press(chooser, "stop")
        main_window = wait_for("the main window again", lambda: screen(
            app, "Alle kinderen moeten alle kansen krijgen."))
        wait_for("the closing credits", lambda: [n for n in labels(main_window) if "Gratis" in n or n])
        check_screen("closing screen", main_window)
        child.wait(timeout=30)
        if child.returncode != 0:
            fail("the program ended with %d" % child.returncode)
    except Exception as error:  # a step that could not be done is a failure too
        fail("%s: %s" % (type(error).__name__, error))
    finally:
        if child.poll() is None:
            child.terminate()
            child.wait()
    print("%d failures" % len(failures), flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
