#!/usr/bin/env python3
"""End-to-end test of the installed program as a desktop starts it, on a private X server.

From an install prefix and an empty home folder (its XDG folders inside it): the skinned main
window shows with no message box; the right-click menu changes the skin and an output format
is chosen; after a restart the skin and the format are back; `lumaskin a.jpg b.png` lists both
and shows the last; a picture and a skin package dragged from another program and dropped on
the window are listed and installed; Ctrl+Q ends the program. Exits 77 (skipped) when the X
tools or Pillow are missing.
"""

import select
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written beside the sources
sys.path.insert(0, str(Path(__file__).resolve().parent))

from buttons_test import (ANSWER, FORMATS, ROOT_COLOUR, Driver, change_skin,  # noqa: E402
                          choose_format, colour_box, combo_geometry, list_rows)
from lumaskin_program import argument_parser  # noqa: E402
from lumaskin_program import (RunningProgram, check, install,  # noqa: E402
                              program_env, run_test, say)
from skin_package import SkinPackage  # noqa: E402
from xsession import XSession, stop_process_group  # noqa: E402

try:
    from PIL import Image
except ImportError:
    Image = None

RED, BLUE, GREEN = (200, 40, 40), (40, 60, 200), (40, 170, 60)


def desktop_env(home):
    """The folders of a user who never ran the program, all inside `home`."""
    return {"HOME": str(home), "XDG_CONFIG_HOME": str(home / ".config"),
            "XDG_DATA_HOME": str(home / ".local/share"),
            "XDG_DATA_DIRS": str(home / ".local/no-system-data"),
            "XDG_CACHE_HOME": str(home / ".cache")}


def wearing(driver, package):
    """Waits until the window shows `package`'s background, then drives that skin."""
    background = package.background()
    spots = package.bare_background(step=11)

    def shows():
        window = driver.app.mapped_window(background.width, background.height)
        if window is None:
            return None
        others = [driver.session.window(w) for w in driver.session.mapped_ids(driver.app.pid)
                  if w != window.id]
        shot = driver.session.screenshot()
        seen = [(x, y) for x, y in spots
                if not any(o and o.contains(window.x + x, window.y + y) for o in others)]
        same = sum(1 for x, y in seen
                   if shot.pixel(window.x + x, window.y + y) == background.pixel(x, y))
        return window if seen and same >= 0.98 * len(seen) else None

    driver.session.wait_for(f"the window wearing {Path(package.path).name}", shows, ANSWER)
    driver.use_skin(package)


def format_field(driver):
    """The pixels of the format list's text field."""
    left, top, right, _, button_width, button_height, _ = combo_geometry(driver)
    shot = driver.session.screenshot()
    return [shot.pixel(*driver.at(x, y)) for y in range(top + 2, top + button_height - 2)
            for x in range(left + 2, right - button_width - 2)]


def no_message_box(driver, notifier):
    """Only the main window and the notifier are up, a while after the window showed."""
    time.sleep(2.0)
    sizes = {(driver.background.width, driver.background.height),
             (notifier.width, notifier.height)}
    others = [w for w in (driver.session.window(i) for i in driver.session.mapped_ids(
        driver.app.pid)) if w and w.height >= 60 and (w.width, w.height) not in sizes]
    check(not others, f"windows besides the skinned one and the notifier: {others}")


def viewer_shows(driver, colour):
    return lambda: colour_box(list(driver.viewer_pixels(driver.session.screenshot())),
                              colour)[0] > 500


def drag_and_drop(session, drag_source, files, target, env, what, done):
    """Starts the drag source with `files`, presses on it, moves to `target` (a screen point)
    and lets go: a real XDND drag between two programs. Waits for `done` to say that the drop
    had its effect (`what`)."""
    with subprocess.Popen([str(drag_source), *map(str, files)], env=env, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, text=True,
                          start_new_session=True) as source:
        try:
            def line(timeout):
                if select.select([source.stdout], [], [], timeout)[0]:
                    return source.stdout.readline().strip()
                return None

            check(line(ANSWER) == "ready", "the drag source did not start")
            window = session.wait_for("the drag source's window", lambda: next(
                (w for w in session.windows_of(source.pid)
                 if w.mapped and (w.width, w.height) == (100, 100)), None), ANSWER)
            start = (window.x + 50, window.y + 50)
            session.run("xdotool", "mousemove", "--sync", str(start[0]), str(start[1]),
                        "mousedown", "1")
            time.sleep(0.3)
            steps = 12
            for step in range(1, steps + 1):
                x = start[0] + (target[0] - start[0]) * step // steps
                y = start[1] + (target[1] - start[1]) * step // steps
                session.run("xdotool", "mousemove", "--sync", str(x), str(y))
                time.sleep(0.05)
            time.sleep(0.5)  # the target answers the last position before the drop
            session.run("xdotool", "mouseup", "1")
            result = line(ANSWER)
            check(result == "dropped", f"the drop was not taken: the drag source says {result}")
            # The drag ends at once for the source, but the target reads the files from it
            # afterwards: it stays until the drop has had its effect, as a file manager would.
            session.wait_for(what, done, ANSWER)
        finally:
            stop_process_group(source)


def run(args, work):
    program, skins = install(args.cmake, args.build_dir, work / "prefix")
    home = work / "home"
    home.mkdir()
    env = desktop_env(home)
    pictures = home / "Pictures"
    pictures.mkdir()
    for name, colour in (("a.jpg", RED), ("b.png", BLUE), ("c.png", GREEN)):
        Image.new("RGB", (160, 120), colour).save(pictures / name)
    shutil.copy(skins / "Red.zip", pictures / "Mine.zip")
    purple, black = SkinPackage(skins / "Purple.skn"), SkinPackage(skins / "Black.zip")
    red = SkinPackage(skins / "Red.zip")
    notifier = purple.bitmap("dlgTaskNotifier.bmp")

    with XSession(log_path=work / "xvfb.log") as session:
        session.paint_root(ROOT_COLOUR)

        # 1. The first start, from the empty home folder.
        with RunningProgram(program, home, session, work, work / "run1.log", env) as app:
            try:
                driver = Driver(session, app, purple)
                wearing(driver, purple)
                no_message_box(driver, notifier)
                say("first start from an empty home: the Purple skin, no message box")
                change_skin(driver, 1, black, None)
                bmp_field = format_field(driver)
                choose_format(driver, FORMATS.index("PNG"))
                png_field = session.wait_for(
                    "the format field showing the chosen format",
                    lambda: (lambda f: f if f != bmp_field else None)(format_field(driver)),
                    ANSWER)
                say("Black chosen from the skin menu, PNG as the output format")
                driver.click_control("BUTTON_CLOSE")
                check(app.process.wait(args.exit_timeout) == 0, "the close button's status")
            except Exception:
                failed(args, session, app, "desktop-run1")
                raise

        # 2. Started again, with two pictures named on the command line.
        with RunningProgram(program, home, session, work, work / "run2.log", env,
                            args=[pictures / "a.jpg", pictures / "b.png"]) as app:
            try:
                driver = Driver(session, app, black)
                wearing(driver, black)
                session.wait_for("the format field showing PNG again",
                                 lambda: format_field(driver) == png_field, ANSWER)
                say("after a restart: the Black skin and PNG are back")

                session.wait_for("the viewer showing b.png, the last named",
                                 viewer_shows(driver, BLUE), ANSWER)
                row_top, row_height = list_rows(driver, session.screenshot())
                list_left = int(driver.package.entries("LISTBOXINFO")[0][1])
                session.click(driver.main.x + list_left + 40, row_top - row_height // 2)
                session.wait_for("the viewer showing a.jpg after a click on the first row",
                                 viewer_shows(driver, RED), ANSWER)
                say("lumaskin a.jpg b.png: both listed, b.png shown, a.jpg on the first row")

                left, top, right, bottom = driver.viewer_rect()
                drop_at = ((left + right) // 2, (top + bottom) // 2)
                drag_env = program_env(args.drag_source, session, app.tmpdir,
                                       work / "runtime", env)
                drag_and_drop(session, args.drag_source, [pictures / "c.png"], drop_at, drag_env,
                              "the viewer showing c.png, dropped on it",
                              viewer_shows(driver, GREEN))
                third_top, _ = list_rows(driver, session.screenshot())
                check(third_top == row_top + row_height,
                      f"the dropped picture is not the third row ({third_top}, {row_top})")
                say("c.png dragged from another program and dropped: listed third and shown")

                installed = home / ".local/share/lumaskin/skins/Mine.zip"
                drag_and_drop(session, args.drag_source, [pictures / "Mine.zip"], drop_at,
                              drag_env, "Mine.zip installed", installed.is_file)
                wearing(driver, red)
                check(installed.is_file(), f"{installed} was not installed")
                say("Mine.zip dropped: installed into the user's skin folder and worn")

                session.focus(driver.main.id)
                session.key("ctrl+q")
                check(app.process.wait(args.exit_timeout) == 0, "Ctrl+Q's status")
                say("Ctrl+Q ended the program with status 0")
            except Exception:
                failed(args, session, app, "desktop-run2")
                raise
    config = home / ".config/lumaskin/lumaskin.conf"
    check(config.is_file() and "Mine.zip" in config.read_text(),
          f"{config} does not remember the installed skin")


def failed(args, session, app, name):
    if args.artifacts:
        session.save_screenshot(Path(args.artifacts) / f"e2e-{name}-failure.png")
    say("--- program output (tail) ---\n" + app.log_tail())


def main():
    parser = argument_parser(__doc__)
    parser.add_argument("--drag-source", required=True, type=Path)
    parser.add_argument("--exit-timeout", type=float, default=60)
    args = parser.parse_args()

    return run_test(run, args, "desktop", pillow=Image is not None)


if __name__ == "__main__":
    sys.exit(main())
