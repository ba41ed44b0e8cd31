#!/usr/bin/env python3
"""The program under a real window manager, clicked as a child clicks.

Run on a display of its own (xvfb-run); starts openbox, then the program with a pinned
zoom, and sends real pointer clicks and keys through the X server (xdotool): beside the
chooser, beside an exercise, F11 and Ctrl+minus inside the exercise, minimising. After each the free
screen must still be on top of the main window and its own buttons must still work.

    window_manager.py PROGRAM ZOOM [SHOTS_DIR]

A screenshot of the whole display is kept after each stray click when SHOTS_DIR is given.
"""

import os
import subprocess
import sys
import tempfile
import time

TWIPS_PER_PIXEL = 15
MAIN_TITLE = "Alle kinderen moeten alle kansen krijgen."
CHOOSER_WIDTH = 11880  # twips, the chooser's client area
EXERCISE_WIDTH = 11880  # "Kijk en splits"


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, check=False).stdout.strip()


def wait_for(what, probe, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = probe()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def visible_window(title):
    ids = run("xdotool", "search", "--onlyvisible", "--name", title).split()
    return ids[0] if ids else None


def geometry(window):
    """Client area (x, y, width, height) on the display."""
    values = {}
    for line in run("xwininfo", "-id", window).splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]))


def stacking():
    """Top-level client windows, bottom to top, as the window manager stacks them."""
    out = run("xprop", "-root", "-notype", "_NET_CLIENT_LIST_STACKING")
    return [int(w, 16) for w in out.split("#")[-1].replace(",", " ").split()]


def transient_for(window):
    out = run("xprop", "-id", window, "-notype", "WM_TRANSIENT_FOR")
    return int(out.split("#")[-1], 16) if "#" in out else None


def offers_minimise(window):
    """Whether the frame asks the window manager for a minimise function or button."""
    out = run("xprop", "-id", window, "-notype", "_MOTIF_WM_HINTS")
    if "=" not in out:
        return True
    flags, functions, decorations = (int(v, 16) for v in out.split("=")[1].split(",")[:3])
    all_functions, minimise_function, all_decorations, minimise_button = 0x1, 0x8, 0x1, 0x20
    return bool((flags & 1 and functions & (all_functions | minimise_function)) or
                (flags & 2 and decorations & (all_decorations | minimise_button)) or
                not flags & 3)


def click(x, y):
    run("xdotool", "mousemove", "--sync", str(int(x)), str(int(y)), "click", "1")
    time.sleep(0.4)


def key(*keys):
    run("xdotool", "key", *keys)
    time.sleep(0.6)


class Check:
    def __init__(self, shots):
        self.shots = shots
        self.failures = []
        self.step = 0

    def shot(self, name):
        if not self.shots:
            return
        self.step += 1
        os.makedirs(self.shots, exist_ok=True)
        run("import", "-window", "root", os.path.join(self.shots, f"{self.step:02d}-{name}.png"))

    def expect(self, condition, message):
        print(("ok   " if condition else "FAIL ") + message, flush=True)
        if not condition:
            self.failures.append(message)

    def on_top(self, title, main, what):
        """The screen is shown, owned by the main window and stacked above it."""
        window = wait_for(title + " visible", lambda: visible_window(title))
        order = stacking()
        above = int(window) in order and int(main) in order and \
            order.index(int(window)) > order.index(int(main))
        self.expect(above, f"{title} stays above the main window after {what}")
        return window


def control_point(window, width_twips, left, top, width, height):
    """The centre of a control of a free screen, from the screen's place and zoom."""
    x, y, w, _ = geometry(window)
    zoom = w / (width_twips / TWIPS_PER_PIXEL)
    return (x + (left + width / 2) / TWIPS_PER_PIXEL * zoom,
            y + (top + height / 2) / TWIPS_PER_PIXEL * zoom)


def beside(window, display):
    """A point on the main window, outside the screen."""
    x, y, w, h = geometry(window)
    width, height = display
    if x > 40:
        return x / 2, y + h / 2
    if y > 80:
        return x + w / 2, (y + 40) / 2
    return max(5, min(width - 5, x + w + 20)), height - 10


def main():
    program, zoom = sys.argv[1], sys.argv[2]
    shots = sys.argv[3] if len(sys.argv) > 3 else os.environ.get("SPLITSEN_SHOTS")
    check = Check(shots)
    home = tempfile.mkdtemp(prefix="splitsen-wm-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"), QT_QPA_PLATFORM="xcb")
    env.pop("SESSION_MANAGER", None)
    wm = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = None
    try:
        wait_for("the window manager",
                 lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        display = tuple(int(v) for v in run("xdotool", "getdisplaygeometry").split())
        app = subprocess.Popen([program, "--zoom=" + zoom], env=env)
        main_window = wait_for("the main window", lambda: visible_window(MAIN_TITLE))
        time.sleep(1.0)

        # The welcome button opens the chooser (a child screen, centred on the display).
        z = float(zoom)
        mx, my, _, _ = geometry(main_window)
        welcome_left = max(0, (display[0] * TWIPS_PER_PIXEL / z - 11160) / 2)
        welcome_top = max(0, (display[1] * TWIPS_PER_PIXEL / z - 6720) / 2)
        click(mx + (welcome_left + 3600 + 3855 / 2) / TWIPS_PER_PIXEL * z,
              my + 24 * z + (welcome_top + 1080 + 3495 / 2) / TWIPS_PER_PIXEL * z)
        chooser = wait_for("the chooser", lambda: visible_window("KEUZEBORD"))
        time.sleep(0.5)
        cx, cy, _, _ = geometry(chooser)
        check.expect(cx >= 0 and cy >= 0, f"the chooser's top-left corner is on the display "
                     f"({cx}, {cy})")
        check.expect(transient_for(chooser) == int(main_window),
                     "the chooser is transient for the main window")
        check.expect(not offers_minimise(chooser), "the chooser has no minimise button")

        # A stray click beside the chooser: it stays on top and its buttons work.
        click(*beside(chooser, display))
        check.shot("beside-chooser")
        chooser = check.on_top("KEUZEBORD", main_window, "a click beside it")
        # Minimised through the window manager, the chooser and then the main window under
        # it: the chooser comes back.
        for window, name in ((chooser, "the chooser"), (main_window, "the main window")):
            run("xdotool", "windowminimize", window)
            time.sleep(1.0)
            check.shot("minimised-" + name.split()[-1].replace(" ", "-"))
            chooser = check.on_top("KEUZEBORD", main_window, "minimising " + name)
        click(*control_point(chooser, CHOOSER_WIDTH, 7920, 4440, 975, 645))  # the heart
        exercise = wait_for("look and split", lambda: visible_window("Kijk en splits"))
        check.expect(transient_for(exercise) == int(main_window),
                     "the exercise is transient for the main window")

        # Beside the exercise, then F11 and Ctrl+minus inside it.
        click(*beside(exercise, display))
        check.shot("beside-exercise")
        exercise = check.on_top("Kijk en splits", main_window, "a click beside it")
        click(*control_point(exercise, EXERCISE_WIDTH, 480, 120, 405, 495))  # the picture 3
        key("F11")
        check.shot("full-screen")
        exercise = check.on_top("Kijk en splits", main_window, "F11")
        key("ctrl+minus")
        click(*beside(exercise, display))
        check.shot("smaller-and-beside")
        exercise = check.on_top("Kijk en splits", main_window, "Ctrl+minus and a click beside")
        key("F11")

        # The exercise's own buttons still work: the number 3 that the picture brought,
        # then, after another number is chosen, the stop button back to the chooser.
        click(*control_point(exercise, EXERCISE_WIDTH, 480, 1320, 1215, 855))  # "3"
        click(*control_point(exercise, EXERCISE_WIDTH, 120, 5640, 495, 495))  # left 0
        click(*control_point(exercise, EXERCISE_WIDTH, 3480 + 480 * 3, 6240, 495, 495))
        click(*control_point(exercise, EXERCISE_WIDTH, 2400, 6960, 1215, 735))  # another
        click(*control_point(exercise, EXERCISE_WIDTH, 840, 6960, 1215, 735))  # stop
        back = wait_for("the chooser again", lambda: visible_window("KEUZEBORD"), 5)
        check.expect(bool(back) and not visible_window("Kijk en splits"),
                     "the exercise's stop button leads back to the chooser")
        check.shot("back-at-the-chooser")
        check.expect(app.poll() is None, "the program is still running")
    finally:
        if app and app.poll() is None:
            app.terminate()
            try:
                app.wait(10)
            except subprocess.TimeoutExpired:
                app.kill()
        wm.terminate()
        wm.wait(5)
    if check.failures:
        print(f"{len(check.failures)} failed", flush=True)
        return 1
    print("all passed", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
