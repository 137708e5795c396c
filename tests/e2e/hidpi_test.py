#!/usr/bin/env python3
"""End-to-end test of the installed program on a screen scaled 2x (QT_SCALE_FACTOR=2).

The program runs once at scale 1 and once at scale 2, each on a private X server. At scale 2
the skinned window and the notifier are twice the skin's size, and every button in view
shows its face from the skin's @2x bitmap pixel for pixel: edges and text drawn at the finer
scale, not the scale-1 screenshot with every pixel doubled. A third run at scale 2 on a
1920x1080 screen, too small for the window at twice its size, draws the skin with one device
pixel a skin pixel: the whole window on the screen, its buttons as at scale 1. Exits 77
(skipped) when the X tools are missing.
"""

import sys
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written beside the sources
sys.path.insert(0, str(Path(__file__).resolve().parent))

from lumaskin_program import argument_parser  # noqa: E402
from lumaskin_program import (CheckFailed, RunningProgram, check, install, run_test,  # noqa: E402
                             say)
from skin_package import SkinPackage  # noqa: E402
from xsession import XSession  # noqa: E402

ROOT_COLOUR = (0x13, 0xC4, 0x9A)
# Faces must match their bitmap this closely (a tooltip or the pointer may cover a corner).
SAME_SHARE = 0.98
# A face drawn a device pixel off its place (see below) matches this closely.
SHIFTED_SHARE = 0.9
# At least this share of the 2x2 pixel blocks of a face must show finer detail than one pixel.
FINE_SHARE = 0.10
# A caption the program draws on a face changes at most this share of the pixels within its
# content area (text and glyph strokes are thin), and none outside it.
CAPTION_SHARE = 0.5


def hidpi_name(name):
    stem, dot, extension = name.rpartition(".")
    return f"{stem}@2x.{extension}" if dot else f"{name}@2x"


def run_at_scale(args, work, program, skins, package, scale, size, drawn=None):
    """Starts the program at `scale` on a screen of `size`, where the skin is expected to be
    drawn `drawn` device pixels a skin pixel (the scale, unless given); returns (screenshot,
    main window, notifier window)."""
    drawn = drawn or scale
    run_name = f"{scale}-{size[0]}"
    background = package.background()
    notifier = package.bitmap("dlgTaskNotifier.bmp")
    with XSession(*size, log_path=work / f"xvfb{run_name}.log") as session:
        session.paint_root(ROOT_COLOUR)
        # The pointer rests in a corner, off every button.
        session.run("xdotool", "mousemove", "0", "0")
        log = work / f"lumaskin{run_name}.log"
        with RunningProgram(program, skins, session, work / f"run{run_name}", log,
                            {"QT_SCALE_FACTOR": str(scale)}) as app:
            try:
                main = app.wait_for_window(
                    f"a {background.width * drawn}x{background.height * drawn} window at "
                    f"scale {scale} on {size[0]}x{size[1]}", background.width * drawn,
                    background.height * drawn, args.start_timeout)
                home = (session.width - notifier.width * drawn,
                        session.height - notifier.height * drawn)

                def notifier_home():
                    window = app.mapped_window(notifier.width * drawn, notifier.height * drawn)
                    return window if window and (window.x, window.y) == home else None

                note = session.wait_for(f"the notifier fully in at scale {scale}",
                                        notifier_home, 15)
                return session.screenshot(), main, note
            except Exception:
                if args.artifacts:
                    session.save_screenshot(Path(args.artifacts) / f"e2e-hidpi-{run_name}.png")
                say("--- program output (tail) ---\n" + app.log_tail())
                raise


def face_checks(name, rect, package, fine_shot, fine_main, coarse_shot, coarse_main):
    """The button's face at scale 2 against its @2x bitmap and against the scale-1 screen.

    A button whose words the program draws (a FACETEXT entry) matches its bitmap pixel for
    pixel outside its content area (2 skin pixels in from the sides, 1 from the top and 2 from
    the bottom, where a caption is set), and inside it where the caption leaves the face bare.
    """
    left, top, right, bottom = rect
    width, height = right - left, bottom - top
    strip = package.bitmap(hidpi_name(bitmap_of(package, name)))
    face_width = strip.width // 4
    check(face_width == 2 * width and strip.height == 2 * height,
          f"{name}: the @2x strip's face is {face_width}x{strip.height}, not twice {width}x{height}")
    captioned = bool(package.value("FACETEXT", name))

    def in_content(x, y):
        return captioned and 4 <= x < 2 * (width - 2) and 2 <= y < 2 * (height - 2)

    same = fine = total = 0
    inside = inside_changed = 0
    for y in range(0, 2 * height, 2):
        for x in range(0, 2 * width, 2):
            block = [fine_shot.pixel(fine_main.x + 2 * left + x + dx,
                                     fine_main.y + 2 * top + y + dy)
                     for dy in (0, 1) for dx in (0, 1)]
            for (dx, dy), seen in zip(((0, 0), (1, 0), (0, 1), (1, 1)), block):
                if seen == strip.pixel(x + dx, y + dy):
                    same += 1
                elif in_content(x + dx, y + dy):
                    same += 1  # a stroke of the caption, counted below
                    inside_changed += 1
                inside += in_content(x + dx, y + dy)
            fine += any(pixel != block[0] for pixel in block)
            total += 1
    check(same >= SAME_SHARE * 4 * total,
          f"{name}: only {same} of {4 * total} pixels show the @2x face as it is")
    if captioned:
        check(0 < inside_changed <= CAPTION_SHARE * inside,
              f"{name}: its caption changes {inside_changed} of the {inside} pixels it is set in")
    check(fine >= FINE_SHARE * total,
          f"{name}: {fine} of {total} pixel blocks are finer than one pixel; the face looks "
          "like the scale-1 picture doubled")
    # And it is not what scale 1 shows, doubled.
    doubled_differs = sum(
        1 for y in range(2 * height) for x in range(2 * width)
        if fine_shot.pixel(fine_main.x + 2 * left + x, fine_main.y + 2 * top + y)
        != coarse_shot.pixel(coarse_main.x + left + x // 2, coarse_main.y + top + y // 2))
    check(doubled_differs >= FINE_SHARE * 4 * total,
          f"{name}: only {doubled_differs} pixels differ from the scale-1 screen doubled")
    return fine / total


def bitmap_of(package, name):
    for fields in package.entries("BUTTONINFO"):
        if fields[0] == name:
            return fields[1]
    raise CheckFailed(f"no button {name}")


def run(args, work):
    program, skins = install(args.cmake, args.build_dir, work / "prefix")
    package = SkinPackage(skins / "Purple.skn")
    background = package.background()

    coarse_shot, coarse_main, _ = run_at_scale(args, work, program, skins, package, 1,
                                               (1600, 1000))
    say(f"scale 1: window {coarse_main.width}x{coarse_main.height}")
    fine_shot, fine_main, fine_note = run_at_scale(args, work, program, skins, package, 2,
                                                   (3000, 2000))
    check((fine_main.width, fine_main.height) == (2 * background.width, 2 * background.height),
          f"scale 2: the window is {fine_main.width}x{fine_main.height}")
    say(f"scale 2: window {fine_main.width}x{fine_main.height}, notifier "
        f"{fine_note.width}x{fine_note.height}, both twice the skin's size")

    # The window keeps its shape: its cut-away top-left corner shows the desktop.
    key = package.transparent_colour()
    if background.pixel(0, 0) == key:
        check(fine_shot.pixel(fine_main.x, fine_main.y) == ROOT_COLOUR,
              "scale 2: the cut-away corner does not show the desktop")

    checked = 0
    for fields in package.entries("BUTTONINFO"):
        name = fields[0]
        rect = package.control_rect("BUTTONINFO", name)
        if name == "BUTTON_PAUSE" or rect is None:  # hidden once the skin is loaded
            continue
        left, top, right, bottom = rect
        screen_rect = (fine_main.x + 2 * left, fine_main.y + 2 * top,
                       fine_main.x + 2 * right, fine_main.y + 2 * bottom)
        if fine_note.contains(screen_rect[2] - 1, screen_rect[3] - 1):
            continue  # under the notifier
        share = face_checks(name, rect, package, fine_shot, fine_main, coarse_shot, coarse_main)
        say(f"{name}: the @2x face pixel for pixel, {share:.0%} of its blocks finer than 2x2")
        checked += 1
    check(checked >= 5, f"only {checked} buttons could be checked")

    # Too small a screen for the window at twice its size: one device pixel a skin pixel.
    small = (1920, 1080)
    check(2 * background.width > small[0] or 2 * background.height > small[1],
          f"a {background.width}x{background.height} skin fits {small} at scale 2 anyway")
    small_shot, small_main, small_note = run_at_scale(args, work, program, skins, package, 2,
                                                      small, drawn=1)
    check(small_main.x >= 0 and small_main.y >= 0 and
          small_main.x + small_main.width <= small[0] and
          small_main.y + small_main.height <= small[1],
          f"on {small}: the window at {small_main.x},{small_main.y} runs off the screen")
    same = total = 0
    for fields in package.entries("BUTTONINFO"):
        rect = package.control_rect("BUTTONINFO", fields[0])
        if fields[0] == "BUTTON_PAUSE" or rect is None:
            continue
        left, top, right, bottom = rect
        if small_note.contains(small_main.x + right - 1, small_main.y + bottom - 1):
            continue
        # A control at an odd skin coordinate sits a device pixel off: half a logical pixel.
        best = max(
            sum(small_shot.pixel(small_main.x + x + dx, small_main.y + y + dy)
                == coarse_shot.pixel(coarse_main.x + x, coarse_main.y + y)
                for y in range(top, bottom) for x in range(left, right))
            for dx in (-1, 0, 1) for dy in (-1, 0, 1))
        area = (right - left) * (bottom - top)
        # Where the skin shows through a face's cut corners, it shows unshifted.
        check(best >= SHIFTED_SHARE * area,
              f"on {small}: {fields[0]} has {best} of {area} pixels as at scale 1")
        same += best
        total += area
    check(total > 0, f"on {small}: no button could be checked")
    say(f"scale 2 on {small[0]}x{small[1]}: window {small_main.width}x{small_main.height} on "
        f"the screen, buttons as at scale 1 ({same} of {total} pixels)")


def main():
    parser = argument_parser(__doc__)
    parser.add_argument("--start-timeout", type=float, default=30)
    args = parser.parse_args()

    return run_test(run, args, "hidpi")


if __name__ == "__main__":
    sys.exit(main())
