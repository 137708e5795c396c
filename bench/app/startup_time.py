#!/usr/bin/env python3
"""Time from starting the program to its skinned window on screen, against a 300 ms target.

Each run starts the installed program on a private X server (Xvfb) from its skins folder,
with LUMASKIN_REPORT_SHOWN set: the program then prints "shown <seconds>" when its main
window is first exposed, on the monotonic clock this script reads right before starting it.
The first run warms the disk cache and is not counted; the median of the others is printed.

    startup_time.py --build-dir build [--runs 7]
"""

import argparse
import statistics
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))

from lumaskin_program import RunningProgram, install  # noqa: E402
from xsession import XSession, missing_tools  # noqa: E402

TARGET_MS = 300


def shown_at(app, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for line in app.log_path.read_text(errors="replace").splitlines():
            if line.startswith("shown "):
                return float(line.split()[1])
        if not app.alive():
            raise RuntimeError(f"the program ended before its window was shown:\n"
                               f"{app.log_tail()}")
        time.sleep(0.01)
    raise TimeoutError("the program did not report its window shown")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--build-dir", required=True, type=Path)
    parser.add_argument("--runs", type=int, default=7)
    args = parser.parse_args()
    missing = missing_tools(("Xvfb",))
    if missing:
        sys.exit("Xvfb not found")

    times = []
    with tempfile.TemporaryDirectory(prefix="lumaskin-startup-") as temp:
        temp = Path(temp)
        program, skins = install(args.cmake, args.build_dir, temp / "prefix")
        with XSession(log_path=temp / "xvfb.log") as session:
            for run in range(args.runs + 1):
                work = temp / f"run{run}"
                # Started inside RunningProgram right after it reads the clock.
                with RunningProgram(program, skins, session, work, work / "lumaskin.log",
                                    {"LUMASKIN_REPORT_SHOWN": "1"}) as app:
                    elapsed = (shown_at(app) - app.started_at) * 1000
                if run > 0:
                    times.append(elapsed)
                    print(f"run {run}: {elapsed:.0f} ms", flush=True)
    median = statistics.median(times)
    print(f"start to skinned window shown: median {median:.0f} ms of {len(times)} runs, "
          f"target {TARGET_MS} ms, ratio {median / TARGET_MS:.2f}")


if __name__ == "__main__":
    main()
