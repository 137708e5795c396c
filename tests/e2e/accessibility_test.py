#!/usr/bin/env python3
"""End-to-end test of the window as a screen reader sees it, on the installed program under a
private X server with its own session and accessibility buses.

Walks the tree the program gives the accessibility bus (AT-SPI) for the window of every
bundled skin, changed through the skin menu opened with F10: no part that shows may be an
unnamed "filler", every control that shows has a name, and the buttons can be pressed through
their action. Exits 77 (skipped) when the X tools, D-Bus or pyatspi are missing.
"""

import json
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written beside the sources
sys.path.insert(0, str(Path(__file__).resolve().parent))

from lumaskin_program import argument_parser  # noqa: E402
from lumaskin_program import (CheckFailed, RunningProgram, check, install, run_test,  # noqa: E402
                             say)
from skin_package import SkinPackage  # noqa: E402
from xsession import TOOLS, XSession, stop_process_group  # noqa: E402

# pyatspi comes with the system's Python, whatever Python runs this script.
SYSTEM_PYTHON = "/usr/bin/python3"
SKINS = ("Orange", "Black", "Purple", "Blue", "Red", "Gray", "Pink", "Deluxe")
# Parts that only hold others, and need no name of their own.
CONTAINERS = {"frame", "dialog", "window", "panel", "image", "scroll pane", "viewport",
              "application", "filler"}

# Prints, as one JSON list, every part of the program's window that shows: its role, name,
# states and actions, with its path of child positions.
WALKER = r"""
import json, sys, pyatspi
pid = int(sys.argv[1])
desktop = pyatspi.Registry.getDesktop(0)
app = next((a for a in desktop if a is not None and a.get_process_id() == pid), None)
found = []
def walk(node, path):
    states = node.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    actions = []
    try:
        action = node.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        pass
    found.append({"path": path, "role": node.getRoleName(), "name": node.name or "",
                  "focusable": states.contains(pyatspi.STATE_FOCUSABLE), "actions": actions})
    for i in range(min(node.childCount, 400)):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, path + [i])
if app is not None:
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.getRoleName() in ("frame", "dialog", "window"):
            walk(window, [i])
print(json.dumps(found))
"""


class Buses:
    """A session bus of its own; the accessibility bus is started on it when first asked for."""

    def __init__(self, work):
        self.work = work
        self.daemon = None
        self.address = None

    def __enter__(self):
        self.daemon = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, start_new_session=True)
        self.address = self.daemon.stdout.readline().strip()
        if not self.address:
            raise RuntimeError("dbus-daemon gave no address")
        return self

    def __exit__(self, *exc):
        stop_process_group(self.daemon)

    def env(self):
        return {"DBUS_SESSION_BUS_ADDRESS": self.address, "QT_ACCESSIBILITY": "1",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "NO_AT_BRIDGE": "0"}


def walk(session, buses, pid):
    env = session.env()
    env.update(buses.env())
    done = subprocess.run([SYSTEM_PYTHON, "-c", WALKER, str(pid)], env=env,
                          capture_output=True, text=True, timeout=60)
    if done.returncode != 0:
        raise RuntimeError(f"walking the accessibility tree failed:\n{done.stderr}")
    return json.loads(done.stdout)


def check_tree(parts, skin):
    label = f"{skin}: "
    check(parts, label + "the window is not on the accessibility bus")
    fillers = [p for p in parts if p["role"] == "filler"]
    check(not fillers, label + f"{len(fillers)} unnamed fillers, such as {fillers[:3]}")
    unnamed = [p for p in parts if p["role"] not in CONTAINERS and not p["name"].strip()]
    check(not unnamed, label + f"controls without a name: {unnamed[:5]}")
    buttons = [p for p in parts if p["role"] == "push button" and p["name"] != "Cancel"]
    check(len(buttons) >= 5, label + f"only {len(buttons)} push buttons: {parts[:10]}")
    unpressable = [b for b in buttons if "press" not in (a.lower() for a in b["actions"])]
    check(not unpressable, label + f"buttons without a press action: {unpressable[:3]}")
    # A combo box's drop button is part of the box, which holds the focus for it.
    focusable = [b for b in buttons if b["focusable"]]
    check(len(focusable) >= len(buttons) - 1, label + "buttons Tab cannot reach: "
          f"{[b for b in buttons if not b['focusable']][:3]}")
    roles = {p["role"] for p in parts}
    for role in ("combo box", "label"):
        check(role in roles, label + f"no {role} in {sorted(roles)}")
    return len(parts), len(buttons)


def wait_tree(session, buses, app, skin, timeout=20):
    """The tree once the new skin's controls are on the bus (a skin change rebuilds them)."""
    deadline = time.monotonic() + timeout
    while True:
        parts = walk(session, buses, app.pid)
        try:
            return check_tree(parts, skin)
        except CheckFailed:
            if time.monotonic() > deadline:
                raise
            time.sleep(0.5)


def run(args, work):
    program, skins = install(args.cmake, args.build_dir, work / "prefix")
    with XSession(log_path=work / "xvfb.log") as session, Buses(work) as buses:
        with RunningProgram(program, skins, session, work, work / "lumaskin.log",
                            buses.env()) as app:
            try:
                steps(session, buses, app, skins)
            except Exception:
                if args.artifacts:
                    session.save_screenshot(Path(args.artifacts) / "e2e-accessibility-failure.png")
                say("--- program output (tail) ---\n" + app.log_tail())
                raise


def steps(session, buses, app, skins):
    package = SkinPackage(skins / "Purple.skn")
    background = package.background()
    main = app.wait_for_window("the Purple window", background.width, background.height, 30)
    parts, buttons = wait_tree(session, buses, app, "Purple.skn")
    say(f"Purple.skn: {parts} parts show, {buttons} push buttons, none unnamed or a filler")
    for index, skin in enumerate(SKINS):
        if skin == "Purple":
            continue
        package = SkinPackage(skins / f"{skin}.zip")
        session.focus(main.id)
        # The skin menu from the keyboard; the skins are its first entries.
        session.key("F10")
        time.sleep(0.5)
        session.key(*["Down"] * (index + 1), "Return")
        background = package.background()
        main = app.wait_for_window(f"the {skin} window", background.width, background.height, 30)
        parts, buttons = wait_tree(session, buses, app, skin)
        say(f"{skin}: {parts} parts show, {buttons} push buttons, none unnamed or a filler")


def main():
    parser = argument_parser(__doc__)
    args = parser.parse_args()
    missing_python = subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"],
                                    capture_output=True).returncode != 0 \
        if os.path.exists(SYSTEM_PYTHON) else True
    tools = TOOLS + ("dbus-daemon",)
    if missing_python or shutil.which("dbus-daemon") is None:
        print("SKIPPED: dbus-daemon or pyatspi not found; install at-spi2-core and "
              "python3-pyatspi to run this test")
        return 77
    return run_test(run, args, "accessibility", tools=tools)


if __name__ == "__main__":
    sys.exit(main())
