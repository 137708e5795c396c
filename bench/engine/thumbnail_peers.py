#!/usr/bin/env python3
"""Times the commonest batch job, real photos to 1920 pixels on the long edge as JPEGs of
quality 85, through lumaskin-convert, vipsthumbnail, sharp and ImageMagick, and prints the
seconds, the ratios and the peak resident memory of each, then how close each one's pictures
come to libvips' Lanczos 3 resize of the whole photo.

Usage: thumbnail_peers.py [--tool PATH] [--work DIR] [--runs N] [--quality-photos N]

The photos are the photographs among the wallpapers of Debian's background packages
(mate-backgrounds, plasma-workspace-wallpapers, ukui-wallpapers; `make bench` installs them),
the largest file of each; the output names every file. They are linked under --work by names
of their own (Plasma names every file by its size), and a PNG among them is re-encoded there
to a JPEG of quality 95.

Every tool fits each photo within 1920 x 1920 and writes a JPEG of quality 85 with 4:2:0
chroma, the default of each at that quality:
  Lumaskin     lumaskin-convert --resize 1920x1920 -q 85 -f jpg, one process that spreads the
               files over the cores itself
  libvips      vipsthumbnail -s 1920 -o OUT/%s.jpg[Q=85], one process per core, each with its
               share of the photos
  sharp        the npm package with its own libvips, installed under BUILD/thumbnail-peers;
               thumbnail_sharp.js converts one photo per core at a time
  ImageMagick  convert-im6.q16 IN -resize 1920x1920 -quality 85 OUT, one process per core
Each row is the best of --runs runs; ratio = peer time / Lumaskin time (above 1: Lumaskin is
faster). Peak memory is the most that the run's processes held resident together, sampled
every 10 ms.

The quality line takes the largest --quality-photos photos and compares each tool's pictures
with libvips' Lanczos 3 resize of the whole decoded photo to the same size (`vips resize
--kernel lanczos3`, which does not shrink on load): PSNR in dB, higher is closer. Every tool's
figure includes what its JPEG encoding at quality 85 changes.
"""
import argparse
import glob
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

from compare_peers import best_of

SIDE = 1920
QUALITY = 85
SHARP_VERSION = "0.34.5"  # the last that runs on Debian 12's Node.js 18

# The photographs among the wallpapers (the others are drawings and renders), each a path or a
# pattern whose largest file is taken, by package.
PHOTOS = {
    "mate-backgrounds": [
        f"/usr/share/backgrounds/mate/nature/{name}.jpg"
        for name in ("Aqua", "Garden", "LadyBird", "TwoWings", "Wood", "YellowFlower")],
    "plasma-workspace-wallpapers": [
        f"/usr/share/wallpapers/{name}/contents/images/*"
        for name in ("BytheWater", "ColdRipple", "ColorfulCups", "DarkestHour", "EveningGlow",
                     "FallenLeaf", "Kite", "OneStandsOut", "Path", "summer_1am")],
    "ukui-wallpapers": ["/usr/share/backgrounds/Kleiber_by_Lukas_Baubkus.jpg"],
}
MINIMUM_PHOTOS = 16


def picture_size(path):
    """(width, height) as libvips reads the header."""
    out = subprocess.run(["vipsheader", "-a", path], check=True, capture_output=True,
                         text=True).stdout
    fields = dict(line.split(": ", 1) for line in out.splitlines() if ": " in line)
    return int(fields["width"]), int(fields["height"])


def gather_photos(work):
    """{photo under `work`, named after it: the file it comes from}; exits when too few are
    installed."""
    found, missing = [], set()
    for package, patterns in PHOTOS.items():
        for pattern in patterns:
            files = glob.glob(pattern)
            if not files:
                missing.add(package)
                continue
            # The most pixels; a JPEG before a PNG of as many.
            largest = os.path.realpath(
                max(files, key=lambda f: (math.prod(picture_size(f)), f.endswith(".jpg"))))
            parts = largest.split(os.sep)
            name = parts[4] if "/wallpapers/" in largest else os.path.splitext(parts[-1])[0]
            found.append((name, largest))
    if len(found) < MINIMUM_PHOTOS:
        sys.exit(f"only {len(found)} photos are installed, {MINIMUM_PHOTOS} are needed: "
                 f"apt-get install {' '.join(sorted(missing))} (or make bench)")
    photos = {}
    for name, source in found:
        photo = os.path.join(work, name + ".jpg")
        if source.endswith(".png"):
            if not os.path.exists(photo):
                subprocess.run(["convert-im6.q16", source, "-quality", "95", photo], check=True)
        elif os.path.realpath(photo) != source:
            if os.path.lexists(photo):
                os.remove(photo)
            os.symlink(source, photo)
        photos[photo] = source
    return photos


def resident_kib(pid):
    """Resident memory of `pid` and every process below it, in KiB."""
    total, todo = 0, [pid]
    while todo:
        each = todo.pop()
        try:
            with open(f"/proc/{each}/status") as status:
                total += next(int(line.split()[1]) for line in status
                              if line.startswith("VmRSS:"))
            for task in os.listdir(f"/proc/{each}/task"):
                with open(f"/proc/{each}/task/{task}/children") as children:
                    todo += [int(child) for child in children.read().split()]
        except (OSError, StopIteration):
            pass  # gone meanwhile, or a kernel thread
    return total


def timed_together(command):
    """Runs command; returns (seconds, peak KiB of all its processes together)."""
    with tempfile.TemporaryFile(mode="w+") as errors:
        start = time.perf_counter()
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=errors)
        peak = 0
        while process.poll() is None:
            peak = max(peak, resident_kib(process.pid))
            time.sleep(0.01)
        seconds = time.perf_counter() - start
        if process.returncode != 0:
            errors.seek(0)
            raise RuntimeError(f"{' '.join(command)} failed:\n{errors.read()}")
    return seconds, peak


def install_sharp(folder):
    """sharp under `folder`, installed by npm on first use; None, with the reason printed, when
    it cannot be."""
    if os.path.isdir(os.path.join(folder, "node_modules", "sharp")):
        return folder
    if not shutil.which("node") or not shutil.which("npm"):
        print("sharp: left out, node and npm are missing (apt-get install nodejs npm)")
        return None
    os.makedirs(folder, exist_ok=True)
    result = subprocess.run(["npm", "install", "--prefix", folder, "--no-save", "--no-audit",
                             "--no-fund", "--ignore-scripts", f"sharp@{SHARP_VERSION}"],
                            capture_output=True, text=True)
    if result.returncode != 0:
        print(f"sharp: left out, npm could not install it:\n{result.stderr.strip()}")
        return None
    return folder


def resize_refused(tool, photo):
    """The reason when this lumaskin-convert has no --resize, else None."""
    with tempfile.TemporaryDirectory() as out:
        result = subprocess.run([tool, "--resize", f"{SIDE}x{SIDE}", "-q", str(QUALITY), "-f",
                                 "jpg", "-o", out, photo], capture_output=True, text=True)
    if result.returncode != 0 and "--resize" in result.stderr:
        return result.stderr.strip()
    return None


def psnr(picture, reference):
    """PSNR in dB of `picture` against `reference`, as ImageMagick's compare measures it."""
    result = subprocess.run(["compare-im6.q16", "-metric", "PSNR", picture, reference, "null:"],
                            capture_output=True, text=True)
    value = result.stderr.strip().split()[0] if result.stderr.strip() else ""
    if value == "inf":
        return float("inf")
    try:
        return float(value)
    except ValueError:
        raise RuntimeError(f"compare {picture} {reference} failed: {result.stderr}") from None


def quality_line(photos, outputs, work):
    """PSNR of each tool's pictures against libvips' Lanczos 3 of the whole photo."""
    figures = {}
    for photo in photos:
        width, height = picture_size(photo)
        stem = os.path.splitext(os.path.basename(photo))[0]
        for tool, folder in outputs.items():
            picture = os.path.join(folder, stem + ".jpg")
            w, h = picture_size(picture)
            reference = os.path.join(work, f"{stem}-lanczos3-{w}x{h}.png")
            if not os.path.exists(reference):
                subprocess.run(["vips", "resize", photo, reference, str(w / width), "--vscale",
                                str(h / height), "--kernel", "lanczos3"], check=True)
            if picture_size(reference) != (w, h):
                raise RuntimeError(f"vips resize made {reference} another size than {w}x{h}")
            figures.setdefault(tool, []).append(psnr(picture, reference))
    names = ", ".join(os.path.splitext(os.path.basename(p))[0] for p in photos)
    print(f"quality against libvips' Lanczos 3 of the whole photo, PSNR in dB (mean, lowest) "
          f"on {len(photos)} photos ({names}):")
    print("  " + "; ".join(f"{tool} {sum(v) / len(v):.1f}, {min(v):.1f}"
                           for tool, v in figures.items()))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    build = os.path.normpath(os.path.join(here, "..", "..", "build"))
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", default=os.path.join(build, "tools", "lumaskin-convert"))
    parser.add_argument("--work", default=os.path.join(tempfile.gettempdir(),
                                                       "lumaskin-bench-thumbnails"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--quality-photos", type=int, default=4)
    args = parser.parse_args()

    for peer in ("vipsthumbnail", "vips", "vipsheader", "convert-im6.q16", "compare-im6.q16"):
        if not shutil.which(peer):
            sys.exit(f"{peer} is missing: apt-get install libvips-tools imagemagick")
    tool = os.path.abspath(args.tool)
    os.makedirs(args.work, exist_ok=True)
    sources = gather_photos(args.work)
    photos = sorted(sources)
    sizes = {photo: picture_size(photo) for photo in photos}
    megapixels = sum(w * h for w, h in sizes.values()) / 1e6
    cores = os.cpu_count() or 1
    print(f"{len(photos)} photos, {megapixels:.0f} megapixels in all, to {SIDE} pixels on the "
          f"long edge as JPEG quality {QUALITY}; best of {args.runs} runs, {cores} cores:")
    for photo in photos:
        encoded = " re-encoded to JPEG" if sources[photo].endswith(".png") else ""
        print(f"  {sources[photo]} ({sizes[photo][0]}x{sizes[photo][1]}){encoded}")
    print()

    out = tempfile.mkdtemp(prefix="lumaskin-bench-thumbnails-")
    outputs = {}

    def folder(name):
        path = os.path.join(out, name)
        os.makedirs(path, exist_ok=True)
        outputs[name] = path
        return path

    def per_core(command, files_per_process):
        # xargs hands every process its share and runs one per core.
        return lambda: ["sh", "-c", f"printf '%s\\0' \"$@\" | xargs -0 -P {cores} "
                        f"-n {files_per_process} {command}", "sh"] + photos

    rows = []
    refused = resize_refused(tool, photos[0])
    if refused:
        print(f"Lumaskin: left out, this lumaskin-convert has no resize step yet ({refused})")
    else:
        mine = folder("Lumaskin")
        rows.append(("Lumaskin", lambda: [tool, "--resize", f"{SIDE}x{SIDE}", "-q", str(QUALITY),
                                          "-f", "jpg", "-o", mine, "--if-exists=overwrite"]
                     + photos))
    share = -(-len(photos) // cores)
    rows.append(("vipsthumbnail", per_core(
        f"vipsthumbnail -s {SIDE} -o '{folder('vipsthumbnail')}/%s.jpg[Q={QUALITY}]'", share)))
    sharp = install_sharp(os.path.join(build, "thumbnail-peers"))
    if sharp:
        theirs = folder("sharp")
        rows.append(("sharp", lambda: ["node", os.path.join(here, "thumbnail_sharp.js"), sharp,
                                       theirs] + photos))
    magick = folder("ImageMagick")
    rows.append(("ImageMagick", per_core(
        f"sh -c 'convert-im6.q16 \"$1\" -resize {SIDE}x{SIDE} -quality {QUALITY} "
        f"\"$0/$(basename \"${{1%.*}}\").jpg\"' '{magick}'", 1)))

    print("| tool | seconds | ratio | peak MiB |")
    print("|---|---|---|---|")
    ours = None
    try:
        for name, command in rows:
            seconds, peak = best_of(args.runs, command, timed_together)
            if name == "Lumaskin":
                ours = seconds
            ratio = f"{seconds / ours:.2f}" if ours else "-"
            print(f"| {name} | {seconds:.2f} | {ratio} | {peak / 1024:.0f} |", flush=True)
        print()
        largest = sorted(photos, key=lambda p: -sizes[p][0] * sizes[p][1])
        quality_line(largest[:args.quality_photos], outputs, args.work)
    finally:
        shutil.rmtree(out, ignore_errors=True)


if __name__ == "__main__":
    main()
