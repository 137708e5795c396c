#!/usr/bin/env python3
"""Resident memory of the idle program across all its processes, against an 80 MB target.

The installed program is started on a private X server (Xvfb) from its skins folder, once on
a plain screen and once scaled 2x (QT_SCALE_FACTOR=2, where it holds the skin's @2x bitmaps).
Once its window is up and the notifier has come in and gone again, the program sits idle; the
resident set (VmRSS) and the proportional set (Pss, shared pages divided among their users)
of the program and of every process it started are read from /proc and summed. The median of
several runs is printed with its ratio to the target.

    idle_memory.py --build-dir build [--runs 3] [--settle 2]
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
from skin_package import SkinPackage  # noqa: E402
from xsession import XSession, missing_tools  # noqa: E402

TARGET_MB = 80
# The notifier stays a few seconds after start-up; the program is idle once it has gone.
NOTIFIER_GONE_SECONDS = 20


def children_of(pid):
    """Every process descended from `pid`, read from the parent links in /proc."""
    parents = {}
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            # The command name may hold blanks and parentheses; the fields follow the last ')'.
            fields = (entry / "stat").read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        parents.setdefault(int(fields[1]), []).append(int(entry.name))
    found, todo = [], [pid]
    while todo:
        for child in parents.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def kilobytes(path, field):
    for line in path.read_text().splitlines():
        if line.startswith(field + ":"):
            return int(line.split()[1])
    return 0


def memory_of(pid):
    """(rss, pss, processes) in kilobytes over `pid` and everything it started."""
    rss = pss = 0
    processes = [pid] + children_of(pid)
    for each in processes:
        proc = Path("/proc") / str(each)
        try:
            rss += kilobytes(proc / "status", "VmRSS")
            pss += kilobytes(proc / "smaps_rollup", "Pss")
        except OSError:
            pass  # gone meanwhile
    return rss, pss, len(processes)


def measure(program, skins, session, work, scale, notifier, settle):
    with RunningProgram(program, skins, session, work, work / "lumaskin.log",
                        {"QT_SCALE_FACTOR": str(scale)}) as app:
        size = (notifier.width * scale, notifier.height * scale)
        session.wait_for("the notifier", lambda: app.mapped_window(*size), 30)
        session.wait_for("the notifier gone", lambda: app.mapped_window(*size) is None,
                         NOTIFIER_GONE_SECONDS)
        time.sleep(settle)
        if not app.alive():
            raise RuntimeError(f"the program ended:\n{app.log_tail()}")
        return memory_of(app.pid)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--build-dir", required=True, type=Path)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--settle", type=float, default=2.0)
    args = parser.parse_args()
    if missing_tools(("Xvfb", "xdotool", "xwininfo")):
        sys.exit("Xvfb, xdotool or xwininfo not found")

    with tempfile.TemporaryDirectory(prefix="lumaskin-memory-") as temp:
        temp = Path(temp)
        program, skins = install(args.cmake, args.build_dir, temp / "prefix")
        notifier = SkinPackage(skins / "Purple.skn").bitmap("dlgTaskNotifier.bmp")
        for scale, screen in ((1, (1600, 1000)), (2, (3000, 2000))):
            rss_runs, pss_runs = [], []
            with XSession(*screen, log_path=temp / f"xvfb{scale}.log") as session:
                for run in range(args.runs):
                    rss, pss, count = measure(program, skins, session,
                                              temp / f"scale{scale}-run{run}", scale, notifier,
                                              args.settle)
                    rss_runs.append(rss / 1024)
                    pss_runs.append(pss / 1024)
                    print(f"scale {scale}, run {run + 1}: {count} process(es), "
                          f"resident {rss / 1024:.1f} MB, proportional {pss / 1024:.1f} MB",
                          flush=True)
            rss, pss = statistics.median(rss_runs), statistics.median(pss_runs)
            print(f"idle at scale {scale}: resident {rss:.1f} MB (proportional {pss:.1f} MB) "
                  f"across all processes, target {TARGET_MB} MB, ratio {rss / TARGET_MB:.2f}",
                  flush=True)


if __name__ == "__main__":
    main()
