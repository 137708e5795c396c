#!/usr/bin/env python3
"""End-to-end test of every button acting, on the installed program under a private X server.

Driven from outside as a person would, with clicks, keys and screenshots: pictures added
through the file chooser and shown in the viewer; a click on a row; the zoom buttons; an effect
from each effect window, closed with Ok; conversions into several formats, checked with
independent decoders; a long conversion cancelled while its progress shows; every skin of the
context menu; the close button. Exits 77 (skipped) when the X tools or Pillow are missing.
"""

import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written beside the sources
sys.path.insert(0, str(Path(__file__).resolve().parent))

from lumaskin_program import argument_parser  # noqa: E402
from lumaskin_program import (X_PACKAGES, CheckFailed, RunningProgram, check, install,  # noqa: E402
                             run_test, say)
from skin_package import SkinPackage  # noqa: E402
from xsession import TOOLS, Window, XSession  # noqa: E402

try:
    from PIL import Image
except ImportError:
    Image = None

ROOT_COLOUR = (0x13, 0xC4, 0x9A)
SKINS = ("Orange", "Black", "Purple", "Blue", "Red", "Gray", "Pink", "Deluxe")
FORMATS = ("Bmp", "JPG", "PDF", "WBMP", "GIF", "PCX", "TGA", "ICO", "JP2", "JPC", "RAS", "PGX",
           "PNM", "PNG", "WEBP", "AVIF", "TIF")
# The drop list scrolls three rows per wheel notch.
ROWS_PER_NOTCH = 3
WHITE = (250, 250, 250)
# Each picture: its left half one colour, its right half near-white, each its own size.
PICTURES = (("red.png", (160, 120), (200, 40, 40), "PNG"),
            ("green.jpg", (200, 100), (40, 170, 60), "JPEG"),
            ("blue.bmp", (120, 160), (40, 60, 200), "BMP"))
# Focus steps from the first field of each effect window (its fields and buttons in order).
INVERT_COLOUR_TABS, EFFECT_ONE_OK_TABS = 16, 22
BLUR_TABS, EFFECT_TWO_OK_TABS = 2, 28
LONG_COPIES = 30
# The longest wait for the program to answer a click; waits end as soon as it answers.
# Sanitizer builds on a busy machine take many seconds to load even a small picture.
ANSWER = 45


# Stands for a window that has gone in the meantime.
GONE = Window(0, 0, 0, 0, 0, False)


def near(a, b, tolerance):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def inverted(colour):
    return tuple(255 - v for v in colour)


class Driver:
    """The running program seen from outside: its main window in the current skin."""

    def __init__(self, session, app, package):
        self.session = session
        self.app = app
        self.format_rows = None  # (middle of the first row, row pitch) of the format list
        self.use_skin(package)

    def use_skin(self, package, timeout=30):
        self.package = package
        self.background = package.background()
        self.main = self.app.wait_for_window(
            f"the {package.path} window", self.background.width, self.background.height, timeout)

    def at(self, x, y):
        """Screen position of a point of the window."""
        return self.main.x + x, self.main.y + y

    def click_control(self, name, button=1):
        rect = self.package.control_rect("BUTTONINFO", name)
        check(rect is not None, f"{self.package.path} has no {name}")
        left, top, right, bottom = rect
        self.session.click(*self.at((left + right) // 2, (top + bottom) // 2), button=button)

    def viewer_rect(self):
        fields = self.package.value("CONTROL", "CONTROL").split(",")
        left, top, right, bottom = (int(v) for v in fields)
        return (self.main.x + left, self.main.y + top, self.main.x + right, self.main.y + bottom)

    def viewer_pixels(self, shot, step=2):
        left, top, right, bottom = self.viewer_rect()
        for y in range(top, bottom, step):
            for x in range(left, right, step):
                yield x, y, shot.pixel(x, y)

    def window_name(self, window_id):
        return session_window_name(self.session, window_id)

    def new_window(self, what, known, timeout=ANSWER, named_as_main=False):
        """A window of the program mapped since `known` was taken; with `named_as_main`, one
        with the main window's title (the program's message boxes)."""
        main_name = self.window_name(self.main.id)

        def appeared():
            # Tooltips, a line high, come and go as the mouse rests on a button.
            fresh = [w for w in sorted(self.session.mapped_ids(self.app.pid) - known)
                     if (self.session.window(w) or GONE).height >= 60]
            if named_as_main:
                fresh = [w for w in fresh if self.window_name(w) == main_name]
            return fresh[0] if fresh else None
        check(self.app.alive(), f"the program ended before {what}")
        return self.session.wait_for(what, appeared, timeout)

    def wait_unmapped(self, what, window_id, timeout=ANSWER):
        self.session.wait_for(what, lambda: self.unmapped(window_id), timeout)

    def open_chooser(self, opener, title):
        known = self.session.mapped_ids(self.app.pid)
        opener()
        dialog = self.new_window(title, known)
        self.session.focus(dialog)
        # The chooser lists its start folder first; keys typed before that may be lost.
        time.sleep(0.5)
        return dialog

    def press_return_until(self, done, timeout):
        # A first Return may only close the completion list that typing a path opens.
        for attempt in range(3):
            self.session.key("Return")
            try:
                return self.session.wait_for("the chooser taking what was typed", done,
                                             timeout if attempt == 2 else 2)
            except TimeoutError:
                if attempt == 2:
                    raise

    def choose_folder(self, opener, folder, title):
        dialog = self.open_chooser(opener, title)
        self.session.focus(dialog)
        self.session.type(str(folder))
        self.press_return_until(lambda: self.unmapped(dialog), ANSWER)

    def unmapped(self, window_id):
        window = self.session.window(window_id)
        return window is None or not window.mapped

    def add_files(self, folder, names):
        """Add: the folder typed into the chooser's name field and entered, then the names,
        quoted, all at once."""
        dialog = self.open_chooser(lambda: self.click_control("BUTTON_ADD"), "the file chooser")
        window = self.session.window(dialog)

        def look_in():
            # The strip with the chooser's folder; it changes as the folder is entered.
            shot = self.session.screenshot()
            return [shot.pixel(x, y) for y in range(window.y, window.y + 40, 2)
                    for x in range(window.x, window.x + window.width, 2)]

        # Once it has drawn its start folder; the strip may still change before that.
        previous = [look_in()]

        def settled():
            time.sleep(0.2)
            now = look_in()
            same = now == previous[0]
            previous[0] = now
            return same

        self.session.wait_for("the file chooser drawn", settled, ANSWER)
        before = previous[0]
        self.session.focus(dialog)
        self.session.type(str(folder))
        self.press_return_until(lambda: look_in() != before, ANSWER)
        time.sleep(0.5)  # the folder's listing, which the names are looked up in
        self.session.focus(dialog)
        self.session.type(" ".join(f'"{name}"' for name in names))
        self.press_return_until(lambda: self.unmapped(dialog), ANSWER)

    def convert_into(self, folder):
        self.choose_folder(lambda: self.click_control("BUTTON_CONVERT"), folder,
                           "the output folder chooser")

    def close_message(self, what, known, timeout):
        """Waits for the message box that ends a conversion, closes it with Return and returns
        its width (the texts differ in length)."""
        box = self.new_window(what, known, timeout, named_as_main=True)
        width = self.session.window(box).width
        self.session.focus(box)
        self.session.key("Return")
        self.again_if_not(f"{what} closing on Return", lambda: self.unmapped(box),
                          lambda: (self.session.focus(box), self.session.key("Return")))
        return width

    def again_if_not(self, what, done, repeat):
        """Waits for `done`; if it has not come within a third of the time, says what the
        session looked like and does the thing once more (as a user would), then waits the
        rest. Twice without effect fails."""
        try:
            return self.session.wait_for(what, done, ANSWER / 3)
        except TimeoutError:
            names = {w: self.window_name(w) for w in self.session.mapped_ids(self.app.pid)}
            say(f"not yet: {what}; mapped {names}, focus on "
                f"{self.session.focused_window()}; once more")
        repeat()
        return self.session.wait_for(what, done, 2 * ANSWER / 3)


def colour_box(pixels, colour, tolerance=24):
    """(count, left, right) of the pixels near `colour`."""
    xs = [x for x, _, seen in pixels if near(seen, colour, tolerance)]
    return (len(xs), min(xs), max(xs)) if xs else (0, None, None)


def make_pictures(folder):
    for name, (width, height), colour, kind in PICTURES:
        picture = Image.new("RGB", (width, height), WHITE)
        picture.paste(colour, (0, 0, width // 2, height))
        picture.save(folder / name, kind)


def list_rows(driver, shot):
    """(top, height) of the highlighted row of the image list, in screen pixels."""
    fields = driver.package.entries("LISTBOXINFO")[0]
    left, top, right, bottom = (int(v) for v in fields[1:5])
    selected = tuple(int(fields[7], 16).to_bytes(3, "big"))
    x = driver.main.x + left + 8
    ys = [y for y in range(driver.main.y + top, driver.main.y + bottom)
          if near(shot.pixel(x, y), selected, 8)]
    check(ys, "no highlighted row in the image list")
    return ys[0], ys[-1] - ys[0] + 1


def combo_geometry(driver):
    fields = driver.package.entries("COMBOBOXINFO")[0]
    left, top, right, bottom = (int(v) for v in fields[1:5])
    drop = driver.package.bitmap(fields[5])
    text = tuple(int(fields[10], 16).to_bytes(3, "big"))
    return left, top, right, bottom, drop.width // 4, drop.height, text


def choose_format(driver, index):
    """Opens the format list with its drop button, scrolls it with the wheel and clicks the
    row of `FORMATS[index]`."""
    left, top, right, bottom, button_width, button_height, text = combo_geometry(driver)
    session = driver.session
    session.click(*driver.at(right - button_width // 2, top + button_height // 2))
    list_top = top + button_height + 2
    list_bottom = max(bottom, list_top + 50)
    inside = driver.at(left + (right - left) // 3, (list_top + list_bottom) // 2)

    def rows():
        # Rows of text: runs of screen lines with pixels of the list's text colour. The first
        # time, no row is highlighted and the list shows its first row at the top.
        shot = session.screenshot()
        tops, start = [], None
        for y in range(list_top + 1, list_bottom - 1):
            lit = any(near(shot.pixel(*driver.at(x, y)), text, 40)
                      for x in range(left + 2, left + (right - left) // 2))
            if lit and start is None:
                start = y
            elif not lit and start is not None:
                tops.append((start, y))
                start = None
        if len(tops) < 3:
            return None
        pitch = sorted(b[0] - a[0] for a, b in zip(tops, tops[1:]))[(len(tops) - 1) // 2]
        return (tops[0][0] + tops[0][1]) // 2 - list_top, pitch

    measured = session.wait_for("the open format list showing rows", rows, ANSWER)
    if driver.format_rows is None:
        driver.format_rows = measured
    first, pitch = driver.format_rows
    session.click(*inside, button=4, repeat=6)  # back to the first row
    visible = (list_bottom - list_top) // pitch
    shown_from = 0
    if index >= visible:
        notches = -(-(index - visible + 1) // ROWS_PER_NOTCH)
        shown_from = min(notches * ROWS_PER_NOTCH, len(FORMATS) - visible)
        session.click(*inside, button=5, repeat=notches)
    session.click(*driver.at(left + 20, list_top + first + (index - shown_from) * pitch))


def decode(path):
    """The picture in `path` as RGB, read by Pillow or, for PDF, rendered by poppler."""
    if path.suffix == ".pdf":
        info = subprocess.run(["pdfinfo", str(path)], capture_output=True, text=True, check=True)
        pages = [line for line in info.stdout.splitlines() if line.startswith("Pages:")]
        check(pages and pages[0].split()[1] == "1", f"{path.name}: not one page: {info.stdout}")
        png = path.with_suffix(".render")
        subprocess.run(["pdftoppm", "-r", "72", "-singlefile", "-png", str(path), str(png)],
                       check=True, capture_output=True)
        rendered = png.with_suffix(".render.png")
        try:
            with Image.open(rendered) as picture:
                return picture.convert("RGB")
        finally:
            rendered.unlink()
    with Image.open(path) as picture:
        return picture.convert("RGB")


def check_converted(folder, extension, sources, lossy):
    """One file per source, of its size, inverted and blurred."""
    written = sorted(path.name for path in folder.iterdir())
    expected = sorted(f"{Path(name).stem}.{extension}" for name, *_ in PICTURES)
    check(written == expected, f"{folder.name}: wrote {written}, expected {expected}")
    tolerance = 24 if lossy else 8
    for name, (width, height), _, _ in PICTURES:
        out = decode(folder / f"{Path(name).stem}.{extension}")
        source = sources[name]
        check(out.size == (width, height), f"{extension}: {name} became {out.size}")
        for x in (width // 4, 3 * width // 4):
            for y in (height // 4, height // 2, 3 * height // 4):
                want = inverted(source.getpixel((x, y)))
                seen = out.getpixel((x, y))
                check(near(seen, want, tolerance),
                      f"{extension}: {name} at ({x},{y}) is {seen}, the inverted source {want}")
        if lossy or name.endswith(".jpg"):
            continue
        # Blurred: the columns beside the edge between the halves lie between their colours.
        edge, y = width // 2, height // 2
        a, b = inverted(source.getpixel((edge - 3, y))), inverted(source.getpixel((edge + 3, y)))
        for x in (edge - 1, edge):
            seen = out.getpixel((x, y))
            for channel, low, high in zip(seen, a, b):
                low, high = min(low, high), max(low, high)
                margin = (high - low) // 10
                if high - low > 40:
                    check(low + margin < channel < high - margin,
                          f"{extension}: {name} at ({x},{y}) is {seen}: not blurred between "
                          f"{a} and {b}")


def convert(driver, work, index, extension, sources, lossy):
    started = time.monotonic()
    choose_format(driver, index)
    out = work / f"out-{extension}"
    out.mkdir()
    known = driver.session.mapped_ids(driver.app.pid)
    chosen = time.monotonic()
    driver.convert_into(out)
    asked = time.monotonic()
    width = driver.close_message(f"the report of the {extension} conversion", known, 3 * ANSWER)
    check_converted(out, extension, sources, lossy)
    say(f"{extension}: 3 files of the right size, inverted and blurred (format chosen in "
        f"{chosen - started:.1f} s, folder in {asked - chosen:.1f} s, converted and reported "
        f"in {time.monotonic() - asked:.1f} s)")
    return width


def run(args, work):
    program, skins = install(args.cmake, args.build_dir, work / "prefix")
    pictures = work / "pictures"
    pictures.mkdir()
    make_pictures(pictures)
    sources = {}
    for name, *_ in PICTURES:
        with Image.open(pictures / name) as picture:
            sources[name] = picture.convert("RGB")

    with XSession(log_path=work / "xvfb.log") as session:
        session.paint_root(ROOT_COLOUR)
        home = work / "home"  # where the choosers start: empty
        home.mkdir()
        with RunningProgram(program, skins, session, work, work / "lumaskin.log",
                            {"HOME": str(home)}) as app:
            try:
                steps(args, session, app, skins, work, pictures, sources)
            except Exception:
                for window in session.windows_of(app.pid):
                    if window.mapped:
                        say(f"mapped: {window.id} {window.width}x{window.height} "
                            f"\"{session_window_name(session, window.id)}\"")
                say(f"focus on {session.focused_window()}")
                if args.artifacts:
                    session.save_screenshot(Path(args.artifacts) / "e2e-buttons-failure.png")
                    save_stacks(app, Path(args.artifacts) / "e2e-buttons-failure-stacks.txt")
                say("--- program output (tail) ---\n" + app.log_tail())
                raise


def session_window_name(session, window_id):
    try:
        return session.run("xdotool", "getwindowname", str(window_id)).strip()
    except RuntimeError:
        return None


def save_stacks(app, path):
    """Every thread's stack of the program, when gdb is at hand: where it hangs, if it does."""
    if not app.alive() or shutil.which("gdb") is None:
        return
    done = subprocess.run(["gdb", "-p", str(app.pid), "-batch", "-ex", "thread apply all bt"],
                          capture_output=True, text=True, timeout=120)
    path.write_text(done.stdout + done.stderr)
    say(f"the program's stacks: {path}")
    # The user-interface thread's innermost frames, for a log that is all one has.
    main = done.stdout.split("\nThread 1 ")[-1].splitlines()
    say("user-interface thread:\n" + "\n".join(line for line in main if line.startswith("#"))[:3000])


def steps(args, session, app, skins, work, pictures, sources):
    driver = Driver(session, app, SkinPackage(skins / "Purple.skn"))
    say(f"main window at {driver.main.x},{driver.main.y}")
    # The notifier rising at the bottom right takes the focus while it comes in.
    notifier = driver.package.bitmap("dlgTaskNotifier.bmp")
    home = (session.width - notifier.width, session.height - notifier.height)

    def notifier_in():
        window = app.mapped_window(notifier.width, notifier.height)
        return window if window and (window.x, window.y) == home else None

    session.wait_for("the notifier fully in", notifier_in, 30)

    # 1. Three pictures through the file chooser; the last one shows.
    driver.add_files(pictures, [name for name, *_ in PICTURES])
    red, green, blue = (colour for _, _, colour, _ in PICTURES)
    session.wait_for("the viewer showing blue.bmp, the last added",
                     lambda: colour_box(list(driver.viewer_pixels(session.screenshot())), blue)[0]
                     > 500, ANSWER)
    shot = session.screenshot()
    row_top, row_height = list_rows(driver, shot)
    check(6 < row_height < 60, f"a list row {row_height} pixels high")
    say(f"3 pictures added; the third row is highlighted, {row_height} pixels high")

    # 2. A click on the first row shows red.png.
    list_left = int(driver.package.entries("LISTBOXINFO")[0][1])
    first_row = (driver.main.x + list_left + 40, row_top - 2 * row_height + row_height // 2)
    session.click(*first_row)
    driver.again_if_not("the viewer showing red.png after a click on its row",
                        lambda: colour_box(list(driver.viewer_pixels(session.screenshot())),
                                           red)[0] > 500,
                        lambda: session.click(*first_row))
    say("a click on the first row shows red.png")

    # 3. Zoom: 200 % shows the picture twice as wide as 100 %.
    def red_width(after):
        def measured():
            count, left, right = colour_box(list(driver.viewer_pixels(session.screenshot(), 1)),
                                            red)
            return right - left + 1 if count and abs(right - left + 1 - after) <= 3 else None
        return measured

    driver.click_control("BUTTON_ZOOM100")
    session.wait_for("the red half 80 pixels wide at 100 %", red_width(80), ANSWER)
    driver.click_control("BUTTON_ZOOM200")
    session.wait_for("the red half 160 pixels wide at 200 %", red_width(160), ANSWER)
    say("100 % and 200 % show the red half 80 and 160 pixels wide")

    # 4. Invert colour from "Colours", blur from "Filters", each window closed with Ok.
    def middle_lines():
        # The viewer's middle lines, across the edge between the picture's halves.
        shot = session.screenshot()
        left, top, right, bottom = driver.viewer_rect()
        middle = (top + bottom) // 2
        return [shot.pixel(x, y) for y in range(middle - 20, middle + 20, 4)
                for x in range(left, right)]

    use_effect(driver, "BUTTON__EFFECT1", "Effect one", INVERT_COLOUR_TABS, EFFECT_ONE_OK_TABS,
               lambda: colour_box(list(driver.viewer_pixels(session.screenshot())),
                                  inverted(red))[0] > 500)
    sharp = middle_lines()
    use_effect(driver, "BUTTON__EFFECT2", "Effect two", BLUR_TABS, EFFECT_TWO_OK_TABS,
               lambda: middle_lines() != sharp)
    say("Invert Color and Blur applied in the viewer, both windows closed with Ok")

    # 5. Conversions, each into a new folder.
    widths = []
    # JPG last: the long conversion below keeps the format chosen.
    for extension, lossy in (("png", False), ("bmp", False), ("tga", False), ("gif", False),
                             ("pdf", False), ("webp", True), ("tif", False), ("jpg", True)):
        index = FORMATS.index({"bmp": "Bmp"}.get(extension, extension.upper()))
        widths.append(convert(driver, work, index, extension, sources, lossy))

    # 6. A long conversion, cancelled while its progress shows.
    long_conversion(driver, work, max(widths))

    # 7. Every skin of the context menu.
    for index, skin in enumerate(SKINS):
        change_skin(driver, index, SkinPackage(skins / f"{skin}.zip"), args.shots)

    # 8. The close button (the exit button in skins that have no close button).
    name = "BUTTON_CLOSE" if driver.package.control_rect("BUTTONINFO", "BUTTON_CLOSE") \
        else "BUTTON_EXIT"
    driver.click_control(name)
    try:
        status = app.process.wait(args.exit_timeout)
    except subprocess.TimeoutExpired:
        raise CheckFailed(f"the program still runs {args.exit_timeout:g} s after {name}")
    check(status == 0, f"the program ended with status {status}")
    left = [str(path) for folder in (skins, app.tmpdir) for path in folder.rglob("*")
            if path.name.lower() == "skin.ini" or path.name == "Test"]
    check(not left, f"skin working folders left: {left}")
    say(f"{name} ended the program with status 0, no working folder left")


def use_effect(driver, button, title, change_tabs, ok_tabs, applied):
    session = driver.session
    driver.click_control(button)
    window = session.wait_for(f'the "{title}" window', lambda: [
        int(line) for line in session.run("xdotool", "search", "--onlyvisible", "--name",
                                          f"^{title}$").split()], ANSWER)[0]
    session.focus(window)
    session.key(*["Tab"] * change_tabs, "space")
    # Ok lies the rest of the way along the focus chain.
    session.key(*["Tab"] * (ok_tabs - change_tabs), "space")
    driver.wait_unmapped(f'"{title}" closing on Ok', window)
    session.wait_for(f"the viewer changing after the Change button of {title}", applied, ANSWER)


def long_conversion(driver, work, completed_width):
    session = driver.session
    source = work / "long"
    source.mkdir()
    # A 12-megapixel photo-like picture, copied: large enough that converting 30 takes a while.
    Image.radial_gradient("L").resize((4000, 3000)).convert("RGB").save(source / "c00.jpg",
                                                                         quality=92)
    names = [f"c{i:02}.jpg" for i in range(LONG_COPIES)]
    for name in names[1:]:
        shutil.copy(source / names[0], source / name)
    driver.click_control("BUTTON_DELALL")
    driver.add_files(source, names)
    out = work / "out-long"
    out.mkdir()
    known = session.mapped_ids(driver.app.pid)
    driver.convert_into(out)
    colours = [int(v, 16) for v in driver.package.entries("LISTBOXINFO")[0][5:7]]
    panel = tuple(colours[0].to_bytes(3, "big"))
    left, top, right, bottom = driver.viewer_rect()
    centre = ((left + right) // 2, (top + bottom) // 2)

    def panel_shown():
        shot = session.screenshot()
        # The panel's plain fill around the middle of the viewer; its text and bar vary.
        spots = [(centre[0] + dx, centre[1] + dy) for dx in (-170, 170) for dy in (-60, 60)]
        return shot if all(near(shot.pixel(x, y), panel, 6) for x, y in spots) else None

    first = session.wait_for("the progress panel over the viewer", panel_shown, ANSWER)

    def advanced():
        shot = panel_shown()
        return shot is not None and any(
            shot.pixel(x, y) != first.pixel(x, y)
            for y in range(centre[1] - 60, centre[1] + 60, 2)
            for x in range(centre[0] - 170, centre[0] + 170, 2))

    session.wait_for("the progress panel repainting as files are written", advanced, 3 * ANSWER)
    session.focus(driver.main.id)
    session.key("Escape")
    width = driver.close_message("the report of the cancelled conversion", known, 3 * ANSWER)
    written = sorted(out.iterdir())
    check(0 < len(written) < LONG_COPIES,
          f"cancelling left {len(written)} of {LONG_COPIES} files, not some but fewer")
    for path in written:
        check(path.suffix == ".jpg", f"a stray file after cancelling: {path.name}")
        with Image.open(path) as picture:
            picture.load()
            check(picture.size == (4000, 3000), f"{path.name} is {picture.size}")
    check(width > completed_width,
          f"the report after cancelling is {width} pixels wide, no wider than the "
          f"{completed_width} of \"Convert Completed!\": it does not say it was cancelled")
    say(f"long conversion: progress shown and repainted; Escape cancelled it with "
        f"{len(written)} of {LONG_COPIES} whole files written")


def change_skin(driver, index, package, shots):
    session = driver.session
    # A right click on bare background, near the middle of the window's left side.
    spots = driver.package.bare_background()
    x, y = min(spots, key=lambda p: abs(p[0] - 10) + abs(p[1] - driver.background.height // 2))
    known = session.mapped_ids(driver.app.pid)
    session.click(*driver.at(x, y), button=3)
    driver.new_window("the skin menu", known)
    # The skins are the menu's first entries, in order.
    session.key(*["Down"] * (index + 1), "Return")
    background = package.background()
    spots = package.bare_background(step=11)
    check(len(spots) > 100, f"{package.path}: too little bare background to compare")

    def showing_new_skin():
        window = driver.app.mapped_window(background.width, background.height)
        if window is None:
            return None
        notifier = [session.window(w) for w in session.mapped_ids(driver.app.pid)
                    if w != window.id]
        shot = session.screenshot()
        seen = [(x, y) for x, y in spots
                if not any(other and other.contains(window.x + x, window.y + y)
                           for other in notifier)]
        same = sum(1 for x, y in seen if shot.pixel(window.x + x, window.y + y) ==
                   background.pixel(x, y))
        return window if seen and same >= 0.98 * len(seen) else None

    driver.main = session.wait_for(f"the window showing the {SKINS[index]} skin",
                                   showing_new_skin, ANSWER)
    driver.use_skin(package)
    if shots:
        shots.mkdir(parents=True, exist_ok=True)
        session.save_screenshot(shots / f"{SKINS[index]}.png")
    say(f"{SKINS[index]}: the window shows its background "
        f"({background.width}x{background.height})")


def main():
    parser = argument_parser(__doc__)
    parser.add_argument("--shots", type=Path, help="folder for a screenshot of each skin")
    parser.add_argument("--exit-timeout", type=float, default=60)
    args = parser.parse_args()

    return run_test(run, args, "buttons", tools=TOOLS + ("pdfinfo", "pdftoppm"),
                    packages=X_PACKAGES + ", poppler-utils", pillow=Image is not None)


if __name__ == "__main__":
    sys.exit(main())
