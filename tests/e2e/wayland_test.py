#!/usr/bin/env python3
"""End-to-end test of the installed program on Wayland: a Weston compositor nested in a
private X server, the program started with Qt's Wayland platform in every bundled skin. Wayland
has no window shapes, so each skinned window must be drawn with its cut-away pixels
transparent: the screen may show no pixel of the skins' key colour, neither in the main window
nor in the notifier that comes up in its corner. Exits 77 (skipped) when Weston or the X tools
are missing.
"""

import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written beside the sources
sys.path.insert(0, str(Path(__file__).resolve().parent))

from lumaskin_program import argument_parser  # noqa: E402
from lumaskin_program import RunningProgram, check, install, run_test, say  # noqa: E402
from xsession import XSession, stop_process_group  # noqa: E402

KEY_COLOUR = (255, 0, 255)
SOCKET = "wayland-lumaskin"
# The note stays six seconds; the screenshot is taken while both windows are up.
SETTLE_SECONDS = 3.0


def key_pixels(shot):
    pixels = shot._pixels
    return sum(1 for r, g, b in zip(pixels[0::3], pixels[1::3], pixels[2::3])
               if (r, g, b) == KEY_COLOUR)


def start_weston(session, runtime, log):
    env = session.env()
    env["XDG_RUNTIME_DIR"] = str(runtime)
    weston = subprocess.Popen(
        ["weston", "--backend=x11-backend.so", f"--width={session.width}",
         f"--height={session.height}", f"--socket={SOCKET}", "--idle-time=0"],
        env=env, stdout=log, stderr=log, stdin=subprocess.DEVNULL, start_new_session=True)
    session.wait_for("Weston's socket", lambda: (runtime / SOCKET).exists(), 30)
    return weston


def run(args, work):
    program, skins = install(args.cmake, args.build_dir, work / "prefix")
    packages = ["Purple.skn"] + sorted(p.name for p in skins.glob("*.zip"))
    check(len(packages) == 9, f"the installation holds {packages}")
    runtime = work / "weston-runtime"
    runtime.mkdir(mode=0o700)
    with XSession(log_path=work / "xvfb.log") as session, \
            open(work / "weston.log", "wb") as weston_log:
        weston = start_weston(session, runtime, weston_log)
        try:
            empty = session.screenshot()
            for package in packages:
                say(f"{package} on Wayland")
                config = work / "home" / ".config" / "lumaskin"
                config.mkdir(parents=True, exist_ok=True)
                (config / "lumaskin.conf").write_text(f"[skin]\npackage={package}\n")
                with RunningProgram(program, skins, session, work, work / f"{package}.log",
                                    extra_env={"QT_QPA_PLATFORM": "wayland",
                                               "WAYLAND_DISPLAY": str(runtime / SOCKET)}) as run:
                    time.sleep(SETTLE_SECONDS)
                    check(run.alive(), f"{package}: the program ended\n{run.log_tail()}")
                    shot = session.screenshot()
                    if args.artifacts:
                        session.save_screenshot(Path(args.artifacts) / f"wayland-{package}.png")
                    changed = sum(1 for y in range(0, session.height, 8)
                                  for x in range(0, session.width, 8)
                                  if shot.pixel(x, y) != empty.pixel(x, y))
                    check(changed > 2000, f"{package}: no window came up on Wayland")
                    check(key_pixels(shot) == 0,
                          f"{package}: {key_pixels(shot)} pixels of the key colour show")
        finally:
            stop_process_group(weston)


def main():
    args = argument_parser(__doc__).parse_args()
    if not shutil.which("weston") or not list(Path("/usr/lib").glob(
            "*/qt6/plugins/platforms/libqwayland-generic.so")):
        print("SKIPPED: weston or Qt's Wayland platform not found; install weston and qt6-wayland")
        return 77
    return run_test(run, args, "wayland")


if __name__ == "__main__":
    sys.exit(main())
