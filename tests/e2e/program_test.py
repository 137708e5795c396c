#!/usr/bin/env python3
"""End-to-end test of the installed program on a private X server, driven from outside.

Installs the build tree into a temporary prefix, starts Lumaskin from the installed skins
folder and checks what a user sees and does: the skinned, shaped main window; the notifier
that rises at the bottom right, stays while the mouse is over it, leaves at once on its close
button and, after a skin change brings it back, leaves by itself after a few seconds; no
working folder left behind; Escape and Enter that do not close the window; the close button
that ends the program cleanly. Exits 77 (skipped) when the X tools are missing.
"""

import os
import signal
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written beside the sources
sys.path.insert(0, str(Path(__file__).resolve().parent))

from lumaskin_program import argument_parser  # noqa: E402
from lumaskin_program import (CheckFailed, RunningProgram, check, install, run_test,  # noqa: E402
                             say)
from skin_package import SkinPackage  # noqa: E402
from xsession import XSession  # noqa: E402

# A colour no bundled skin paints, so that cut-away pixels are told apart from the skin.
ROOT_COLOUR = (0x13, 0xC4, 0x9A)
NOTIFIER_BITMAP = "dlgTaskNotifier.bmp"
# The notifier stays at least this long untouched, leaves by itself within LEFT_SECONDS of
# coming in, and this soon after its close button (its slide out takes 0.3 s; sanitizer
# builds on a busy machine take longer).
STAY_SECONDS = 3.0
LEFT_SECONDS = 12.0
LEAVE_SECONDS = 2.0
# The "Purple" entry of the skin menu.
PURPLE_ENTRY = 2


def centre(rect, origin):
    left, top, right, bottom = rect
    return origin.x + (left + right) // 2, origin.y + (top + bottom) // 2


def check_shape(shot, window, bitmap, key, label, others=()):
    """Each corner the skin cuts away shows the root; the first skin pixel inward from it
    shows the skin's own colour. Corners over `others` (windows below) are left out; at least
    one corner must be cut and in view."""
    corners = [(0, 0, 1, 1), (bitmap.width - 1, 0, -1, 1), (0, bitmap.height - 1, 1, -1),
               (bitmap.width - 1, bitmap.height - 1, -1, -1)]
    cut = 0
    for x, y, dx, dy in corners:
        if bitmap.pixel(x, y) != key or any(
                other.contains(window.x + x, window.y + y) for other in others):
            continue
        cut += 1
        seen = shot.pixel(window.x + x, window.y + y)
        check(seen == ROOT_COLOUR,
              f"{label}: corner ({x},{y}) is cut from the skin but shows {seen}, not the root")
        # Two pixels past the edge of the shape: inside, and still on the window's rim.
        step = next((i for i in range(min(bitmap.width, bitmap.height) // 2)
                     if bitmap.pixel(x + dx * i, y + dy * i) != key), None)
        check(step is not None, f"{label}: no skin pixel on the diagonal from ({x},{y})")
        ix, iy = x + dx * (step + 2), y + dy * (step + 2)
        seen = shot.pixel(window.x + ix, window.y + iy)
        check(seen == bitmap.pixel(ix, iy),
              f"{label}: ({ix},{iy}) shows {seen}, the skin has {bitmap.pixel(ix, iy)}")
    check(cut > 0, f"{label}: no corner cut from the skin is in view, so its shape cannot be seen")
    return cut


def choose_skin(session, app, main, package, entry):
    """Picks entry `entry` of the skin menu that a right click on bare background opens."""
    x, y = package.bare_background()[0]
    known = session.mapped_ids(app.pid)
    session.click(main.x + x, main.y + y, button=3)

    def menu():
        fresh = [session.window(w) for w in session.mapped_ids(app.pid) - known]
        fresh = [w for w in fresh if w and w.height >= 60]
        return fresh[0] if fresh else None

    session.wait_for("the skin menu", menu, 15)
    # The skins are the menu's first entries, in order.
    session.key(*["Down"] * (entry + 1), "Return")


def find_skin_folders(tmpdir):
    return [str(path.parent) for path in Path(tmpdir).rglob("*") if path.name.lower() == "skin.ini"]


def run(args, work):
    program, skins = install(args.cmake, args.build_dir, work / "prefix")
    package = SkinPackage(skins / "Purple.skn")
    background = package.background()
    key = package.transparent_colour()
    notifier_bitmap = package.bitmap(NOTIFIER_BITMAP)
    close_rect = package.control_rect("BUTTONINFO", "BUTTON_CLOSE")
    notifier_close = package.control_rect("TASKBARBUTTON", "TASKBUTTON_EXIT")
    check(close_rect and notifier_close, "Purple.skn lacks BUTTON_CLOSE or TASKBUTTON_EXIT")

    with XSession(log_path=work / "xvfb.log") as session:
        session.paint_root(ROOT_COLOUR)
        check(session.screenshot().pixel(0, 0) == ROOT_COLOUR, "the root colour did not take")
        say(f"X server {session.display}, {session.width}x{session.height}")

        with RunningProgram(program, skins, session, work, work / "lumaskin.log") as app:
            try:
                steps(args, session, app, package, background, key, notifier_bitmap,
                      close_rect, notifier_close)
            except Exception:
                if args.artifacts:
                    session.save_screenshot(Path(args.artifacts) / "e2e-failure.png")
                say("--- program output (tail) ---\n" + app.log_tail())
                raise

        # Ended by SIGTERM, as a desktop session that logs out ends it: closed as if asked,
        # with nothing of its skins left behind.
        again_work = work / "sigterm"
        with RunningProgram(program, skins, session, again_work,
                            again_work / "lumaskin.log") as again:
            again.wait_for_window("the main window, started again", background.width,
                                  background.height, 30)
            os.kill(again.pid, signal.SIGTERM)
            try:
                status = again.process.wait(args.exit_timeout)
            except Exception:
                raise CheckFailed(f"the program still runs {args.exit_timeout:g} s after SIGTERM")
            check(status == 0, f"after SIGTERM the program ended with status {status}")
            left = find_skin_folders(again.tmpdir)
            check(not left, f"skin working folders left in TMPDIR after SIGTERM: {left}")
            say("SIGTERM closes the window as its close button does")


def steps(args, session, app, package, background, key, notifier_bitmap, close_rect,
          notifier_close):
    main = app.wait_for_window(
        f"a mapped {background.width}x{background.height} window (the skin's background)",
        background.width, background.height, args.start_timeout)
    say(f"main window {main.width}x{main.height}+{main.x}+{main.y} after "
        f"{time.monotonic() - app.started_at:.2f} s")

    # The notifier rises at the bottom right (no window manager: the work area is the whole
    # screen) and stays there.
    home = (session.width - notifier_bitmap.width, session.height - notifier_bitmap.height)

    def notifier_home():
        window = app.mapped_window(notifier_bitmap.width, notifier_bitmap.height)
        return window if window and (window.x, window.y) == home else None

    notifier = session.wait_for(f"the notifier fully in at {home}", notifier_home, 15)
    say(f"notifier in at {home}")
    # Desktops list the main window as the program (a normal window of the desktop entry's
    # class); the note takes no entry of its own and is never under it.
    main_props = session.run("xprop", "-id", str(main.id), "WM_CLASS", "_NET_WM_WINDOW_TYPE")
    types = main_props.split("_NET_WM_WINDOW_TYPE(ATOM) =")[-1]
    check('"Lumaskin"' in main_props and "_NET_WM_WINDOW_TYPE_NORMAL" in types and
          "DIALOG" not in types, f"the main window is {main_props!r}")
    note_props = session.run("xwininfo", "-id", str(notifier.id))
    check("Override Redirect State: yes" in note_props, "the notifier is managed like a window")
    shot = session.screenshot()
    check_shape(shot, notifier, notifier_bitmap, key, "notifier", others=[main])
    # Under the mouse it stays past the time it would leave by itself.
    session.run("xdotool", "mousemove", str(notifier.x + notifier.width // 2),
                str(notifier.y + notifier.height - 20))
    time.sleep(LEFT_SECONDS)
    check(notifier_home(), f"the notifier left within {LEFT_SECONDS} s with the mouse over it")
    say(f"notifier still in after {LEFT_SECONDS:g} s under the mouse")

    def notifier_gone():
        window = session.window(notifier.id)
        return window is None or not window.mapped or window.y >= session.height

    clicked = time.monotonic()
    session.click(*centre(notifier_close, notifier))
    session.wait_for("the notifier leaving after its close button", notifier_gone,
                     LEAVE_SECONDS)
    say(f"notifier gone {time.monotonic() - clicked:.2f} s after its close button")

    # A skin change brings it back; left alone it stays a few seconds, then leaves by itself.
    choose_skin(session, app, main, package, PURPLE_ENTRY)
    notifier = session.wait_for("the notifier in again after a skin change", notifier_home, 30)
    came_in = time.monotonic()
    session.run("xdotool", "mousemove", "0", "0")
    time.sleep(STAY_SECONDS)
    check(notifier_home(), f"the notifier left within {STAY_SECONDS} s of coming in")
    session.wait_for("the notifier leaving by itself", notifier_gone,
                     LEFT_SECONDS - STAY_SECONDS)
    say(f"notifier left by itself {time.monotonic() - came_in:.1f} s after coming in")
    main = app.wait_for_window("the main window after the skin change", background.width,
                               background.height, 30)

    # With the notifier gone every corner of the main window is in view.
    shot = session.screenshot()
    cut = check_shape(shot, main, background, key, "main window")
    say(f"main window shaped: {cut} cut corners show the root, the skin inside them")

    left = find_skin_folders(app.tmpdir)
    check(not left, f"skin working folders left in TMPDIR: {left}")

    session.focus(main.id)
    check(session.focused_window() == main.id, "the main window did not take the focus")
    session.key("Escape")
    session.key("Return")
    time.sleep(1.0)
    check(app.alive(), "Escape or Enter ended the program")
    check(session.window(main.id) and session.window(main.id).mapped,
          "Escape or Enter closed the main window")
    say("Escape and Enter leave the window open")

    clicked = time.monotonic()
    session.click(*centre(close_rect, main))
    try:
        status = app.process.wait(args.exit_timeout)
    except Exception:
        raise CheckFailed(f"the program still runs {args.exit_timeout:g} s after its close button")
    say(f"ended with status {status} {time.monotonic() - clicked:.2f} s after its close button")
    check(status == 0, f"the program ended with status {status}")


def main():
    parser = argument_parser(__doc__)
    parser.add_argument("--start-timeout", type=float, default=30)
    parser.add_argument("--exit-timeout", type=float, default=10)
    args = parser.parse_args()

    return run_test(run, args, "program")


if __name__ == "__main__":
    sys.exit(main())
