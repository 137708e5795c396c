#!/usr/bin/env python3
"""Screenshots of the program running with each bundled skin, for a person to look at.

Each package is copied as Purple.skn into a folder of its own, the program is started there
on a private X server, and the screen is taken once the notifier is fully in and its page
has had time to draw. Writes <out>/<Skin>.png, or <out>/<Skin>@2x.png with --scale 2 (a
screen twice as large, the program run with QT_SCALE_FACTOR=2).

    skin_shots.py --build-dir build --out shots [--scale 2] [--skins Orange Deluxe ...]
"""

import argparse
import shutil
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

from lumaskin_program import RunningProgram, install  # noqa: E402
from skin_package import SkinPackage  # noqa: E402
from xsession import XSession, missing_tools  # noqa: E402

SKINS = ("Orange", "Black", "Purple", "Blue", "Red", "Gray", "Pink", "Deluxe")
ROOT_COLOUR = (0x13, 0xC4, 0x9A)


def shoot(session, program, package_path, work, out, settle, scale):
    package = SkinPackage(package_path)
    background = package.background()
    notifier = package.bitmap("dlgTaskNotifier.bmp")
    folder = work / "start"
    folder.mkdir()
    shutil.copy(package_path, folder / "Purple.skn")
    with RunningProgram(program, folder, session, work, work / "lumaskin.log",
                        {"QT_SCALE_FACTOR": str(scale)}) as app:
        app.wait_for_window("the skinned window", background.width * scale,
                            background.height * scale, 30)
        width, height = notifier.width * scale, notifier.height * scale
        home = (session.width - width, session.height - height)

        def notifier_in():
            window = app.mapped_window(width, height)
            return window if window and (window.x, window.y) == home else None

        session.wait_for("the notifier fully in", notifier_in, 15)
        time.sleep(settle)  # the page draws after the window is in
        session.save_screenshot(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--build-dir", required=True, type=Path)
    parser.add_argument("--out", required=True, type=Path)
    parser.add_argument("--skins", nargs="*", default=SKINS)
    parser.add_argument("--settle", type=float, default=2.0)
    parser.add_argument("--scale", type=int, choices=(1, 2), default=1)
    args = parser.parse_args()
    missing = missing_tools()
    if missing:
        sys.exit(f"missing: {', '.join(missing)}")
    args.out.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="lumaskin-shots-") as temp:
        temp = Path(temp)
        program, skins = install(args.cmake, args.build_dir, temp / "prefix")
        with XSession(1280 * args.scale, 1024 * args.scale,
                      log_path=temp / "xvfb.log") as session:
            session.paint_root(ROOT_COLOUR)
            for skin in args.skins:
                work = temp / skin
                work.mkdir()
                out = args.out / (f"{skin}.png" if args.scale == 1 else f"{skin}@2x.png")
                shoot(session, program, skins / f"{skin}.zip", work, out, args.settle,
                      args.scale)
                print(out, flush=True)


if __name__ == "__main__":
    main()
