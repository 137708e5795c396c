#!/usr/bin/env python3
"""End-to-end test that a conversion loses no picture, on the installed program under a
private X server, driven from outside as a person would.

The list holds a picture whose name has no dot, two pictures of the same name from different
folders and a picture that lies in the output folder in the chosen format. Converted with an
effect, every original stays byte for byte: the window asks before replacing the picture in
the output folder (Return keeps it), and each picture gets a file of its own. A second run
into the same folder asks once about the files of the first run (Return keeps both) and again
changes no file that was there. Exits 77 (skipped) when the X tools or Pillow are missing.
"""

import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written beside the sources
sys.path.insert(0, str(Path(__file__).resolve().parent))

from buttons_test import (ANSWER, EFFECT_ONE_OK_TABS, FORMATS, INVERT_COLOUR_TABS,  # noqa: E402
                          ROOT_COLOUR, Driver, choose_format, colour_box, inverted, near,
                          use_effect)
from lumaskin_program import argument_parser  # noqa: E402
from lumaskin_program import (RunningProgram, check, install, run_test,  # noqa: E402
                             say)
from skin_package import SkinPackage  # noqa: E402
from xsession import XSession  # noqa: E402

try:
    from PIL import Image
except ImportError:
    Image = None

WHITE = (250, 250, 250)
# Where each picture lies (relative to the work folder), its size and the colour of its left
# half; the right half is near-white. The last one is shown when the effect is applied.
PICTURES = (("first/photo.png", (90, 60), (200, 40, 40)),
            ("first/snapshot", (70, 50), (40, 170, 60)),
            ("second/photo.png", (60, 90), (40, 60, 200)),
            ("out/kept.png", (80, 80), (200, 160, 30)))
# Each picture's converted file after the first run, in list order.
TARGETS = ("photo.png", "snapshot.png", "photo (2).png", "kept (2).png")


def make_pictures(work):
    for name, (width, height), colour in PICTURES:
        path = work / name
        path.parent.mkdir(exist_ok=True)
        picture = Image.new("RGB", (width, height), WHITE)
        picture.paste(colour, (0, 0, width // 2, height))
        picture.save(path, "PNG")


def snapshot(folders):
    """Every file in the folders with its bytes."""
    return {path: path.read_bytes() for folder in folders for path in sorted(folder.iterdir())}


def check_unchanged(before, what):
    for path, data in before.items():
        check(path.is_file(), f"{what}: {path.name} is gone")
        check(path.read_bytes() == data, f"{what}: {path.name} changed")


def next_box(driver, what, known, shots, shot_name, timeout=ANSWER):
    """Waits for a message box of the program that is not among `known`, saves a picture of
    it, and answers with Return (its default button)."""
    box = driver.new_window(what, known, timeout, named_as_main=True)
    if shots:
        driver.session.save_screenshot(shots / shot_name)
    driver.session.focus(box)
    driver.session.key("Return")
    driver.wait_unmapped(f"{what} closing on Return", box)


def convert(driver, out, questions, shots, run):
    # A small conversion may report before the last question is seen to close, so every box
    # is looked for among the windows that were not there before the conversion.
    known = driver.session.mapped_ids(driver.app.pid)
    driver.convert_into(out)
    for index, what in enumerate(questions):
        next_box(driver, what, known, shots, f"targets-{run}-{index + 1}.png")
    next_box(driver, f"the report of conversion {run}", known, shots,
             f"targets-{run}-report.png", 3 * ANSWER)


def check_converted(work, out):
    for (name, size, colour), target in zip(PICTURES, TARGETS):
        with Image.open(out / target) as picture:
            converted = picture.convert("RGB")
        check(converted.size == size, f"{target} is {converted.size}, not {size} of {name}")
        seen = converted.getpixel((size[0] // 4, size[1] // 2))
        check(near(seen, inverted(colour), 8),
              f"{target} shows {seen} where {name} inverted is {inverted(colour)}")


def steps(session, app, skins, work, shots):
    driver = Driver(session, app, SkinPackage(skins / "Purple.skn"))
    # The notifier rising at the bottom right takes the focus while it comes in.
    notifier = driver.package.bitmap("dlgTaskNotifier.bmp")
    home = (session.width - notifier.width, session.height - notifier.height)
    session.wait_for("the notifier fully in", lambda: (
        lambda w: w and (w.x, w.y) == home)(app.mapped_window(notifier.width, notifier.height)),
        30)

    out = work / "out"
    for folder in ("first", "second", "out"):
        names = [Path(name).name for name, *_ in PICTURES if name.startswith(folder + "/")]
        driver.add_files(work / folder, names)
    kept_colour = PICTURES[-1][2]
    session.wait_for("the viewer showing kept.png, the last added", lambda: colour_box(
        list(driver.viewer_pixels(session.screenshot())), kept_colour)[0] > 500, ANSWER)
    use_effect(driver, "BUTTON__EFFECT1", "Effect one", INVERT_COLOUR_TABS, EFFECT_ONE_OK_TABS,
               lambda: colour_box(list(driver.viewer_pixels(session.screenshot())),
                                  inverted(kept_colour))[0] > 500)
    choose_format(driver, FORMATS.index("PNG"))

    originals = snapshot([work / "first", work / "second", out])
    started = time.monotonic()
    convert(driver, out, ["the question about kept.png"], shots, 1)
    check_unchanged(originals, "the first conversion")
    written = sorted(path.name for path in out.iterdir())
    check(written == sorted(TARGETS + ("kept.png",)),
          f"the output folder holds {written}, not one file per picture beside kept.png")
    check_converted(work, out)
    say(f"first conversion in {time.monotonic() - started:.1f} s: kept.png asked about and "
        f"kept, every original the same byte for byte, {', '.join(TARGETS)} inverted")

    # Again into the same folder: the files of the first run are asked about once.
    everything = snapshot([work / "first", work / "second", out])
    convert(driver, out, ["the question about kept.png", "the question about existing files"],
            shots, 2)
    check_unchanged(everything, "the second conversion")
    new = sorted(path.name for path in out.iterdir() if path not in everything)
    check(len(new) == len(PICTURES), f"keeping both wrote {new}, not one new file per picture")
    say(f"second conversion: one question for the files already there; every file kept, "
        f"{len(new)} new: {', '.join(new)}")


def run(args, work):
    program, skins = install(args.cmake, args.build_dir, work / "prefix")
    make_pictures(work)
    shots = Path(args.shots) if args.shots else None
    if shots:
        shots.mkdir(parents=True, exist_ok=True)
    with XSession(log_path=work / "xvfb.log") as session:
        session.paint_root(ROOT_COLOUR)
        home = work / "home"  # where the choosers start: empty
        home.mkdir()
        with RunningProgram(program, skins, session, work, work / "lumaskin.log",
                            {"HOME": str(home)}) as app:
            try:
                steps(session, app, skins, work, shots)
            except Exception:
                if args.artifacts:
                    session.save_screenshot(Path(args.artifacts) / "e2e-targets-failure.png")
                say("--- program output (tail) ---\n" + app.log_tail())
                raise


def main():
    parser = argument_parser(__doc__)
    parser.add_argument("--shots", help="folder for screenshots of the questions and reports")
    args = parser.parse_args()

    return run_test(run, args, "targets", pillow=Image is not None)


if __name__ == "__main__":
    sys.exit(main())
