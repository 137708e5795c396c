#!/usr/bin/env python3
"""Installs the build tree into a temporary prefix and checks what a desktop and a user get:
the desktop entry and AppStream metainfo pass their validators, the icon is in the hicolor
theme at every size, the man pages format without warnings, bash completes lumaskin-convert's
formats, effects and options, and both programs answer --help and --version on standard
output without a display.
"""

import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
# A few of the types the desktop entry must offer, one per family of formats.
MIME_TYPES = ("image/jpeg", "image/png", "image/bmp", "image/gif", "image/tiff",
              "application/pdf", "image/webp", "image/avif", "image/heif", "image/jxl",
              "image/svg+xml", "image/x-portable-pixmap")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print(f"FAILED: {message}", flush=True)
    return condition


def run(args, env=None, **kwargs):
    return subprocess.run([str(a) for a in args], capture_output=True, text=True, timeout=120,
                          env=env, **kwargs)


def no_display_env(home):
    """An environment as bare as a fresh login without a desktop."""
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(home), "LANG": "C.UTF-8"}
    for name in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS", "LD_PRELOAD"):
        if name in os.environ:
            env[name] = os.environ[name]
    return env


def png_size(path):
    data = path.read_bytes()[:24]
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", data[16:24])


def check_desktop_entry(share, app_id):
    entry = share / "applications" / f"{app_id}.desktop"
    if not check(entry.is_file(), f"no desktop entry {entry}"):
        return
    done = run(["desktop-file-validate", entry])
    check(done.returncode == 0 and not done.stdout.strip(),
          f"desktop-file-validate: {done.stdout}{done.stderr}")
    keys = dict(line.split("=", 1) for line in entry.read_text().splitlines() if "=" in line)
    check(keys.get("Exec") == "lumaskin %F", f"Exec is {keys.get('Exec')!r}")
    check(keys.get("Icon") == app_id, f"Icon is {keys.get('Icon')!r}")
    # The class of the program's windows, so that docks match them to the entry.
    check(keys.get("StartupWMClass") == "Lumaskin",
          f"StartupWMClass is {keys.get('StartupWMClass')!r}")
    offered = keys.get("MimeType", "").split(";")
    check(all(t in offered for t in MIME_TYPES),
          f"MimeType lacks {[t for t in MIME_TYPES if t not in offered]}")


def check_metainfo(share, app_id):
    metainfo = share / "metainfo" / f"{app_id}.metainfo.xml"
    if not check(metainfo.is_file(), f"no AppStream metainfo {metainfo}"):
        return
    done = run(["appstreamcli", "validate", "--no-net", metainfo])
    check(done.returncode == 0, f"appstreamcli validate: {done.stdout}{done.stderr}")
    root = ElementTree.parse(metainfo).getroot()
    check(root.findtext("id") == app_id, f"the component id is {root.findtext('id')!r}")
    check(root.findtext("launchable") == f"{app_id}.desktop", "the launchable is not the entry")
    pictures = [Path(image.text).name for image in root.iter("image")]
    docs = Path(__file__).resolve().parents[2] / "docs" / "skins"
    check(len(pictures) == 8 and all((docs / name).is_file() for name in pictures),
          f"the screenshots {pictures} are not the eight pictures of docs/skins")


def check_icons(share, app_id):
    hicolor = share / "icons" / "hicolor"
    svg = hicolor / "scalable" / "apps" / f"{app_id}.svg"
    if check(svg.is_file(), f"no scalable icon {svg}"):
        root = ElementTree.parse(svg).getroot()
        check(root.tag.endswith("svg"), "the scalable icon is not an SVG")
    for size in ICON_SIZES:
        png = hicolor / f"{size}x{size}" / "apps" / f"{app_id}.png"
        check(png.is_file() and png_size(png) == (size, size),
              f"{png}: {png_size(png) if png.is_file() else 'missing'}, not {size}x{size}")


def check_man_pages(share):
    for name in ("lumaskin", "lumaskin-convert"):
        page = share / "man" / "man1" / f"{name}.1"
        if not check(page.is_file(), f"no man page {page}"):
            continue
        done = run(["man", "--warnings", "-l", page],
                   env=dict(os.environ, MANWIDTH="80", MAN_DISABLE_SECCOMP="1"))
        check(done.returncode == 0 and not done.stderr.strip(),
              f"{name}.1 formats with: {done.stderr}")
        check(f"{name} " in done.stdout and "SYNOPSIS" in done.stdout,
              f"{name}.1 shows no name and synopsis")


def check_completion(share, prefix):
    script = share / "bash-completion" / "completions" / "lumaskin-convert"
    if not check(script.is_file(), f"no bash completion {script}"):
        return
    probe = r"""
source "$1"
complete_line() {
    COMP_WORDS=("${@:2}"); COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 )); COMPREPLY=()
    _lumaskin_convert
    echo "$1: ${COMPREPLY[*]}"
}
complete_line format lumaskin-convert -f p
complete_line formats lumaskin-convert -f ""
lumaskin-convert --help | sed -n 's/^Formats written: /written: /p'
complete_line effect lumaskin-convert --effect co
complete_line option lumaskin-convert --v
complete -p lumaskin-convert
"""
    env = dict(os.environ, PATH=f"{prefix / 'bin'}:{os.environ.get('PATH', '')}",
               QT_QPA_PLATFORM="offscreen")
    done = run(["bash", "-c", probe, "probe", script], env=env)
    lines = dict(line.split(": ", 1) for line in done.stdout.splitlines() if ": " in line)
    check(set(lines.get("format", "").split()) >= {"pcx", "pdf", "pgx", "png", "pnm"},
          f"-f p completes to {lines.get('format')!r}")
    check(lines.get("formats", "").split() == lines.get("written", "-").split(),
          f"-f completes to {lines.get('formats')!r}, not the formats --help lists")
    check(lines.get("effect", "").split() == ["contrast"],
          f"--effect co completes to {lines.get('effect')!r}")
    check(lines.get("option", "").split() == ["--version"],
          f"--v completes to {lines.get('option')!r}")
    check("-F _lumaskin_convert lumaskin-convert" in done.stdout,
          f"the completion is not registered: {done.stdout}{done.stderr}")


def check_programs(prefix, home):
    env = no_display_env(home)
    for program, option, expect in (("lumaskin", "--help", "Usage: lumaskin"),
                                    ("lumaskin", "--version", "lumaskin "),
                                    ("lumaskin-convert", "--version", "lumaskin-convert "),
                                    ("lumaskin-convert", "--help", "Usage: lumaskin-convert")):
        done = run([prefix / "bin" / program, option], env=env, cwd=home)
        check(done.returncode == 0 and done.stdout.startswith(expect),
              f"{program} {option}: status {done.returncode}, {done.stdout[:80]!r} "
              f"{done.stderr[:200]!r}")
    # Without a display: one line saying so, no abort.
    done = run([prefix / "bin" / "lumaskin"], env=env, cwd=home)
    check(done.returncode == 1 and done.stderr.count("\n") == 1 and "display" in done.stderr,
          f"lumaskin without a display: status {done.returncode}, {done.stderr!r}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--build-dir", required=True, type=Path)
    parser.add_argument("--app-id", required=True)
    args = parser.parse_args()

    missing = [tool for tool in ("desktop-file-validate", "appstreamcli", "man", "bash")
               if shutil.which(tool) is None]
    if missing:
        # `make test` and CI install them: a missing one is a failure, not a skip.
        print(f"FAILED: {', '.join(missing)} not found; install desktop-file-utils, appstream "
              "and man-db (`make test` does)")
        return 1
    with tempfile.TemporaryDirectory(prefix="lumaskin-install-") as work:
        prefix = Path(work) / "prefix"
        home = Path(work) / "home"
        home.mkdir()
        done = run([args.cmake, "--install", args.build_dir, "--prefix", prefix])
        if done.returncode != 0:
            print(f"FAILED: cmake --install: {done.stdout}{done.stderr}")
            return 1
        share = prefix / "share"
        check_desktop_entry(share, args.app_id)
        check_metainfo(share, args.app_id)
        check_icons(share, args.app_id)
        check_man_pages(share)
        check_completion(share, prefix)
        check_programs(prefix, home)
    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
