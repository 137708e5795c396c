#!/usr/bin/env python3
"""A batch shared out by GNU parallel, as the README shows it, run on this machine with
three jobs: the output tree must be byte for byte that of one `lumaskin-convert -r` run, and
the same command run again must write nothing."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
FORMAT_ARGS = "-f png -e contrast=150"


def write_ppm(path, width, height, seed):
    pixels = bytes((x * 7 + y * 13 + seed * 31 + c * 50) % 256
                   for y in range(height) for x in range(width) for c in range(3))
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height) + pixels)


def make_tree(src, tool):
    folders = ["", "a", "a/b", "c d", "e"]
    seed = 0
    for folder in folders:
        os.makedirs(os.path.join(src, folder), exist_ok=True)
        for i in range(4):
            seed += 1
            write_ppm(os.path.join(src, folder, "pic%d.ppm" % i), 9 + seed, 6 + i, seed)
    write_ppm(os.path.join(src, "a", "with space.ppm"), 12, 9, 99)
    # Two pictures of one folder that give the same name, whichever part of a split gets them.
    write_ppm(os.path.join(src, "e", "x.ppm"), 8, 8, 5)
    subprocess.run([tool, "-f", "jpg", "-o", os.path.join(src, "e"),
                    os.path.join(src, "a", "pic1.ppm")], check=True)
    os.rename(os.path.join(src, "e", "pic1.jpg"), os.path.join(src, "e", "x.jpg"))
    with open(os.path.join(src, "notes.txt"), "w") as f:
        f.write("not a picture\n")


def snapshot(root):
    """Every file and folder under root: its kind, bytes and identity."""
    found = {}
    for folder, dirs, files in os.walk(root):
        for name in dirs + files:
            path = os.path.join(folder, name)
            info = os.lstat(path)
            rel = os.path.relpath(path, root)
            if os.path.islink(path):
                found[rel] = ("link", None, None)
            elif os.path.isdir(path):
                found[rel] = ("folder", None, None)
            else:
                with open(path, "rb") as f:
                    found[rel] = ("file", f.read(), (info.st_ino, info.st_mtime_ns))
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    args = parser.parse_args()
    if not shutil.which("parallel"):
        print("GNU parallel is not installed")
        return SKIP

    with tempfile.TemporaryDirectory() as work:
        src, single, shared = (os.path.join(work, n) for n in ("src", "single", "shared"))
        make_tree(src, args.tool)
        os.mkdir(single)
        os.mkdir(shared)
        env = dict(os.environ, PATH=os.path.dirname(args.tool) + os.pathsep + os.environ["PATH"])
        subprocess.run("lumaskin-convert -r %s -o '%s' '%s'" % (FORMAT_ARGS, single, src),
                       shell=True, check=True, env=env)

        joblog = os.path.join(work, "jobs")
        recipe = ("set -o pipefail; cd '%s' && lumaskin-convert --list -r -0 . | "
                  "parallel --will-cite -0 -X -S 3/: --joblog '%s' --workdir . "
                  "lumaskin-convert --jobs 1 --parents --if-exists=skip %s -o '%s'"
                  % (src, joblog, FORMAT_ARGS, shared))
        subprocess.run(["bash", "-c", recipe], check=True, env=env)
        with open(joblog) as f:
            jobs = len(f.readlines()) - 1
        if jobs < 2:
            print("parallel ran the whole batch as one job; nothing was split")
            return 1

        expected, got = snapshot(single), snapshot(shared)
        pictures = [k for k, v in expected.items() if v[0] == "file"]
        if len(pictures) != 23 or "e/x (2).png" not in expected:
            print("the single run converted an unexpected set:", sorted(pictures))
            return 1
        strip = lambda tree: {k: v[:2] for k, v in tree.items()}
        if strip(expected) != strip(got):
            print("the split batch differs from the single run:")
            for key in sorted(set(expected) | set(got)):
                if strip(expected).get(key) != strip(got).get(key):
                    print("  ", key, expected.get(key, ("missing",))[0],
                          got.get(key, ("missing",))[0])
            return 1

        # Run again, as after a stop: everything is there, so nothing is written.
        subprocess.run(["bash", "-c", recipe], check=True, env=env)
        if snapshot(shared) != got:
            print("the rerun wrote or changed files")
            return 1
    print("split batch matches the single run: %d pictures, %d jobs" % (len(pictures), jobs))
    return 0


if __name__ == "__main__":
    sys.exit(main())
