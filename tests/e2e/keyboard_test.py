#!/usr/bin/env python3
"""End-to-end test of the whole task done with the keyboard alone, on the installed program
under a private X server.

A picture is added with Ctrl+O, the Colours window opened by Tab to its button and Space, an
effect applied and the window closed with Tab and Space, and the list converted by Tab to
Convert and Enter; the written file must exist. Each Tab is followed on the screen: the
button Tab lands on wears a focus mark, and the mark is not there before. Exits 77 (skipped)
when the X tools are missing.
"""

import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written beside the sources
sys.path.insert(0, str(Path(__file__).resolve().parent))

from lumaskin_program import argument_parser  # noqa: E402
from lumaskin_program import CheckFailed, RunningProgram, check, install, run_test, say  # noqa
from skin_package import SkinPackage  # noqa: E402
from xsession import XSession  # noqa: E402

ANSWER = 45
# Focus steps from the first field of the Colours window to the Change button of Invert Color,
# and on to Ok.
INVERT_COLOUR_TABS, EFFECT_ONE_OK_TABS = 16, 22
# More Tabs than any skin has stops: a control never reached is a failure.
MOST_TABS = 60


def write_picture(path, width=64, height=48):
    """A binary PPM: red on the left, white on the right."""
    row = bytes((200, 40, 40)) * (width // 2) + bytes((250, 250, 250)) * (width - width // 2)
    path.write_bytes(b"P6\n%d %d\n255\n" % (width, height) + row * height)


class Keys:
    def __init__(self, session, app, package):
        self.session = session
        self.app = app
        self.package = package
        background = package.background()
        self.main = app.wait_for_window("the main window", background.width, background.height,
                                        30)

    def ring(self, shot, name):
        """The pixels of a button's focus ring: 2 pixels wide, 1 pixel inside its edge."""
        left, top, right, bottom = self.package.control_rect("BUTTONINFO", name)
        x0, y0 = self.main.x + left, self.main.y + top
        w, h = right - left, bottom - top
        points = [(x, y) for y in range(1, h - 1) for x in range(1, w - 1)
                  if x <= 2 or y <= 2 or x >= w - 3 or y >= h - 3]
        return [shot.pixel(x0 + x, y0 + y) for x, y in points]

    def tab_to(self, name):
        """Tabs until the button named `name` wears the focus mark; fails when it never does."""
        unmarked = self.ring(self.session.screenshot(), name)
        for tabs in range(1, MOST_TABS + 1):
            self.session.key("Tab")
            time.sleep(0.15)
            now = self.ring(self.session.screenshot(), name)
            changed = sum(a != b for a, b in zip(now, unmarked))
            if changed >= 0.8 * len(now):
                return tabs
        raise CheckFailed(f"{MOST_TABS} Tabs never put a visible focus mark on {name}")

    def new_window(self, what, known):
        def appeared():
            fresh = [w for w in sorted(self.session.mapped_ids(self.app.pid) - known)
                     if (self.session.window(w) or self.main).height >= 60]
            return fresh[0] if fresh else None
        return self.session.wait_for(what, appeared, ANSWER)

    def unmapped(self, window_id):
        window = self.session.window(window_id)
        return window is None or not window.mapped

    def type_into(self, window, text):
        """Types `text` into a chooser's name field and Returns until it closes."""
        self.session.focus(window)
        time.sleep(0.5)  # the chooser lists its start folder first
        self.session.type(text)
        for attempt in range(3):
            # A first Return may only close the completion list that typing opens.
            self.session.key("Return")
            try:
                return self.session.wait_for("the chooser closing", lambda: self.unmapped(window),
                                             ANSWER if attempt == 2 else 2)
            except TimeoutError:
                if attempt == 2:
                    raise


def run(args, work):
    program, skins = install(args.cmake, args.build_dir, work / "prefix")
    pictures = work / "pictures"
    pictures.mkdir()
    write_picture(pictures / "red.ppm")
    out = work / "out"
    out.mkdir()
    with XSession(log_path=work / "xvfb.log") as session:
        home = work / "home"
        home.mkdir()
        with RunningProgram(program, skins, session, work, work / "lumaskin.log",
                            {"HOME": str(home)}) as app:
            try:
                steps(session, app, SkinPackage(skins / "Purple.skn"), pictures, out)
            except Exception:
                if args.artifacts:
                    session.save_screenshot(Path(args.artifacts) / "e2e-keyboard-failure.png")
                say("--- program output (tail) ---\n" + app.log_tail())
                raise


def steps(session, app, package, pictures, out):
    keys = Keys(session, app, package)
    # The window has the focus, as a desktop gives it to a program just started; the mouse
    # stays away from it.
    session.run("xdotool", "mousemove", "0", "0")
    session.focus(keys.main.id)

    # Add: Ctrl+O, the picture's path typed into the chooser.
    known = session.mapped_ids(app.pid)
    session.key("ctrl+o")
    chooser = keys.new_window("the file chooser after Ctrl+O", known)
    keys.type_into(chooser, str(pictures / "red.ppm"))
    say("a picture added with Ctrl+O")
    session.focus(keys.main.id)

    # Colours: Tab to its button, Space; in the window, Change of Invert Color, then Ok.
    tabs = keys.tab_to("BUTTON__EFFECT1")
    known = session.mapped_ids(app.pid)
    session.key("space")
    window = keys.new_window("the Colours window after Space", known)
    say(f"Colours reached with {tabs} Tabs and opened with Space")
    session.focus(window)
    session.key(*["Tab"] * INVERT_COLOUR_TABS, "space")
    session.key(*["Tab"] * (EFFECT_ONE_OK_TABS - INVERT_COLOUR_TABS), "space")
    session.wait_for("the Colours window closing on Ok", lambda: keys.unmapped(window), ANSWER)
    say("Invert Color applied and the window closed with Tab and Space")

    # Convert: Tab to its button, Enter; the folder typed into the chooser; the report closed
    # with Return.
    session.focus(keys.main.id)
    tabs = keys.tab_to("BUTTON_CONVERT")
    known = session.mapped_ids(app.pid)
    session.key("Return")
    chooser = keys.new_window("the folder chooser after Enter on Convert", known)
    say(f"Convert reached with {tabs} Tabs and pressed with Enter")
    keys.type_into(chooser, str(out))
    report = keys.new_window("the conversion's report", known)
    session.focus(report)
    session.key("Return")
    written = sorted(path.name for path in out.iterdir())
    check(len(written) == 1 and written[0].startswith("red."),
          f"the conversion wrote {written}, not one file of red.ppm")
    check((out / written[0]).stat().st_size > 0, f"{written[0]} is empty")
    say(f"converted with the keys alone: {written[0]}")


def main():
    parser = argument_parser(__doc__)
    args = parser.parse_args()
    return run_test(run, args, "keyboard")


if __name__ == "__main__":
    sys.exit(main())
