"""Installs the program from a build tree and runs it on an X session the way a user starts
it: from a folder of skin packages, with nothing of the test's own environment leaking in
that would change how it draws.
"""

import argparse
import functools
import glob
import subprocess
import tempfile
import time
import traceback
from pathlib import Path

from xsession import TOOLS, missing_tools, stop_process_group


class CheckFailed(Exception):
    """A check of what the program shows or does came out wrong."""


SKIP = 77
X_PACKAGES = "xvfb, xdotool, x11-utils, x11-xserver-utils, imagemagick"


def argument_parser(doc):
    """The arguments every end-to-end test takes, to which a test adds its own."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--build-dir", required=True, type=Path)
    parser.add_argument("--artifacts", help="folder for screenshots when a check fails")
    return parser


def run_test(run, args, name, tools=TOOLS, packages=X_PACKAGES, pillow=None):
    """Runs an end-to-end test's `run(args, work)` in a temporary folder of its own and
    returns the exit status for ctest: 0 passed, 1 failed, SKIP when a tool is missing
    (`pillow`: the PIL module the test needs, or None when it needs none)."""
    missing = missing_tools(tools)
    if pillow is False:
        missing.append("Pillow")
        packages += ", python3-pil"
    if missing:
        print(f"SKIPPED: {', '.join(missing)} not found; install {packages} to run this test")
        return SKIP
    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix=f"lumaskin-e2e-{name}-") as work:
        try:
            run(args, Path(work))
        except (CheckFailed, TimeoutError) as failure:
            traceback.print_exc()
            print(f"FAILED: {failure}")
            return 1
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


def check(condition, message):
    if not condition:
        raise CheckFailed(message)


def say(text):
    print(text, flush=True)


def install(cmake, build_dir, prefix):
    """`cmake --install` of the build tree; returns (program, skins folder)."""
    done = subprocess.run([cmake, "--install", str(build_dir), "--prefix", str(prefix)],
                          capture_output=True, text=True, timeout=300)
    if done.returncode != 0:
        raise RuntimeError(f"installing {build_dir} failed:\n{done.stdout}{done.stderr}")
    program = Path(prefix) / "bin" / "lumaskin"
    skins = Path(prefix) / "share" / "lumaskin" / "skins"
    if not program.is_file() or not (skins / "Purple.skn").is_file():
        raise RuntimeError(f"the installation in {prefix} lacks bin/lumaskin or its skins")
    return program, skins


@functools.lru_cache
def is_sanitized(program):
    with open(program, "rb") as binary:
        return b"__asan_init" in binary.read()


def program_env(program, session, tmpdir, runtime_dir, extra=None):
    env = session.env()
    env["QT_QPA_PLATFORM"] = "xcb"
    env["TMPDIR"] = str(tmpdir)
    # Qt puts its runtime folder under TMPDIR when none is set; keep TMPDIR for the program.
    env["XDG_RUNTIME_DIR"] = str(runtime_dir)
    # ASAN_OPTIONS (and LSAN_OPTIONS with its suppressions) are kept.
    asan = [env["ASAN_OPTIONS"]] if env.get("ASAN_OPTIONS") else []
    # The leak check runs after Mesa's software GL driver (which an X server without a GPU
    # gives every GL client) has been unloaded, so what the driver's globals still hold
    # looks leaked. Loaded up front, the driver stays until the check has run.
    drivers = sorted(glob.glob("/usr/lib/*/dri/swrast_dri.so"))
    if drivers and is_sanitized(str(program)):
        env["LD_PRELOAD"] = drivers[0]
        asan.append("verify_asan_link_order=0")
    env["ASAN_OPTIONS"] = ":".join(asan)
    # The program remembers its skin and format: each run keeps that in its own folders, never
    # the user's, unless the test names others.
    home = Path(tmpdir).parent / "home"
    home.mkdir(exist_ok=True)
    env["HOME"] = str(home)
    for name, below in (("XDG_CONFIG_HOME", ".config"), ("XDG_DATA_HOME", ".local/share"),
                        ("XDG_CACHE_HOME", ".cache")):
        env[name] = str(home / below)
    env.update(extra or {})
    return env


class RunningProgram:
    """The program started in `folder`; its standard error goes to `log_path`."""

    def __init__(self, program, folder, session, work_dir, log_path, extra_env=None, args=()):
        self.session = session
        self.tmpdir = Path(work_dir) / "tmp"
        runtime = Path(work_dir) / "runtime"
        self.tmpdir.mkdir(parents=True, exist_ok=True)
        runtime.mkdir(mode=0o700, parents=True, exist_ok=True)
        self.log_path = Path(log_path)
        self.started_at = time.monotonic()
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen(
                [str(program), *map(str, args)], cwd=str(folder), stdin=subprocess.DEVNULL, stdout=log,
                stderr=subprocess.STDOUT, start_new_session=True,
                env=program_env(program, session, self.tmpdir, runtime, extra_env))

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    @property
    def pid(self):
        return self.process.pid

    def alive(self):
        return self.process.poll() is None

    def stop(self):
        stop_process_group(self.process)

    def log_tail(self, lines=40):
        try:
            text = self.log_path.read_text(errors="replace")
        except OSError:
            return ""
        return "\n".join(text.splitlines()[-lines:])

    def mapped_window(self, width, height):
        """The program's mapped window of exactly that size, or None."""
        if not self.alive():
            raise RuntimeError(f"the program ended early with status {self.process.returncode}:"
                               f"\n{self.log_tail()}")
        for window in self.session.windows_of(self.pid):
            if window.mapped and (window.width, window.height) == (width, height):
                return window
        return None

    def wait_for_window(self, what, width, height, timeout):
        return self.session.wait_for(what, lambda: self.mapped_window(width, height), timeout)
