#!/usr/bin/env python3
"""Times the same work on the same 12-megapixel photos through lumaskin-convert, ImageMagick,
GraphicsMagick and libvips, and prints the ratios and the peak memory of each run.

Usage: compare_peers.py [--tool PATH] [--work DIR] [--photos N] [--runs N]
       compare_peers.py --one [--photo FILE] [--peers im,gm,vips] [--tool PATH] [--work DIR]
                        [--runs N]
       compare_peers.py --one --kinds [--kind NAME]... [--photo FILE] [--peers ...] [--runs N]

--one times a single 18-megapixel photo (5640x3172; --photo to take a real one), where the
idle cores can only help inside the picture: JPEG to JPEG, blur 3x3, grey, sharpen and median
3 against the same peers and against libjpeg-turbo's own `djpeg | cjpeg` pipeline pinned to
one core, and says whether each row meets its goal: 1.5 times libvips' speed, and JPEG to JPEG
within 1.5 times the pipeline's one-core time divided by the cores used. Sharpen is the same
3x3 kernel (5 in the middle, -1 at the four sides) everywhere.

--kinds makes every kind of JPEG people have from one real photo (a Debian wallpaper, installed
by `sh .ci/install-deps bench`, or --photo) with libjpeg-turbo's cjpeg and jpegtran: baseline
4:2:0, 4:2:2 and 4:4:4, grey, restart markers, progressive, an odd size, and the photo as
shipped; and prints the --one table for each against libvips (by default), with libvips' peak
memory beside ours: the goals are 1.5 times libvips' speed and no more memory than it.

Every peer is called by its own name (convert-im6.q16, gm, vips), since a plain `convert`
may be a stand-in. JPEG output uses quality 90 and 4:2:0 chroma everywhere, as Lumaskin
writes it: at quality 90 the peers would switch to full-resolution chroma on their own, which
is more work and larger files. Each row reports the best of --runs runs; memory is the peak
resident set size of that run. The size lines compare the PNG and JPEG files with
ImageMagick's.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

QUALITY = 90


def make_photos(work, count, size="4000x3000"):
    """Photo-like JPEGs: smooth plasma with fine grain, made once and kept."""
    paths = []
    for i in range(count):
        name = f"photo{i}.jpg" if size == "4000x3000" else f"photo{i}-{size}.jpg"
        path = os.path.join(work, name)
        if not os.path.exists(path):
            print(f"making {path} ...", file=sys.stderr)
            subprocess.run(["convert-im6.q16", "-seed", str(7 + i), "-size", size,
                            "plasma:fractal", "-blur", "0x1.2", "-attenuate", "0.25",
                            "+noise", "Gaussian", "-quality", "92", path], check=True)
        paths.append(path)
    return paths


def timed(command):
    """Runs command under /usr/bin/time; returns (seconds, peak KiB)."""
    start = time.perf_counter()
    result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    seconds = time.perf_counter() - start
    if result.returncode != 0:
        raise RuntimeError(f"{' '.join(command)} failed:\n{result.stderr}")
    peak = int(result.stderr.strip().splitlines()[-1])
    return seconds, peak


def best_of(runs, make_command, timer=timed):
    """The fastest of `runs` runs, timed by `timer`: (seconds, peak KiB)."""
    best = None
    for _ in range(runs):
        seconds, peak = timer(make_command())
        if best is None or seconds < best[0]:
            best = (seconds, peak)
    return best


SHARPEN = [[0, -1, 0], [-1, 5, -1], [0, -1, 0]]


# The real photo the kinds are made from: a 5640x3172 wallpaper from Debian's mate-backgrounds
# (progressive, 4:2:2, quality 100, as shipped); others in case it is missing.
REAL_PHOTOS = [
    "/usr/share/backgrounds/mate/abstract/Elephants_5640x3172.jpg",
    "/usr/share/wallpapers/Volna/contents/images/5120x2880.jpg",
    "/usr/share/wallpapers/SafeLanding/contents/images/5120x2880.jpg",
]

# Each kind of JPEG people have, made from the real photo's pixels with libjpeg-turbo's own
# tools: (name, how). "cjpeg ARGS" encodes the pixels, "jpegtran ARGS" rewrites the named
# kind losslessly, "as shipped" is the photo itself.
KINDS = [
    ("baseline 4:2:0 q90", "cjpeg -quality 90 -sample 2x2"),
    ("baseline 4:2:2 q90", "cjpeg -quality 90 -sample 2x1"),
    ("baseline 4:4:4 q95", "cjpeg -quality 95 -sample 1x1"),
    ("grey q90", "cjpeg -quality 90 -grayscale"),
    ("baseline 4:2:0 q90, restart every MCU row", "cjpeg -quality 90 -sample 2x2 -restart 1"),
    ("progressive 4:2:0 q90", "cjpeg -quality 90 -sample 2x2 -progressive"),
    ("progressive 4:2:0 q90, odd size 5637x3169",
     "jpegtran baseline 4:2:0 q90 -crop 5637x3169+0+0 -progressive"),
    ("as shipped", "as shipped"),
]


def make_kinds(work, source):
    """The KINDS made from `source`, kept in `work`: [(name, path)]."""
    for tool in ("djpeg", "cjpeg", "jpegtran"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing: apt-get install libjpeg-turbo-progs")
    stem = os.path.splitext(os.path.basename(source))[0]
    pixels = os.path.join(work, f"{stem}.ppm")
    made = {}
    for name, how in KINDS:
        if how == "as shipped":
            made[name] = source
            continue
        path = os.path.join(work, f"{stem}-" + "".join(
            c if c.isalnum() else "-" for c in name) + ".jpg")
        if not os.path.exists(path):
            print(f"making {path} ...", file=sys.stderr)
            tool, *options = how.split(" ")
            if tool == "cjpeg":
                if not os.path.exists(pixels):
                    with open(pixels, "wb") as f:
                        subprocess.run(["djpeg", "-ppm", source], stdout=f, check=True)
                command = ["cjpeg"] + options + [pixels]
            else:
                # "jpegtran <kind name> <options>": the kind's name runs up to the first option.
                first = next(i for i, o in enumerate(options) if o.startswith("-"))
                command = ["jpegtran"] + options[first:] + [made[" ".join(options[:first])]]
            with open(path + ".part", "wb") as f:
                subprocess.run(command, stdout=f, check=True)
            os.replace(path + ".part", path)
        made[name] = path
    if os.path.exists(pixels):
        os.remove(pixels)
    return [(name, made[name]) for name, _ in KINDS]


PEERS = ("im", "gm", "vips")


def one_photo(args, tool, out, photo, peers, title=None):
    """The single-photo table: every core is free for the one picture."""
    for peer in ("djpeg", "cjpeg", "taskset"):
        if not shutil.which(peer):
            sys.exit(f"{peer} is missing: apt-get install libjpeg-turbo-progs util-linux")
    matrix = os.path.join(out, "sharpen.mat")
    with open(matrix, "w") as f:
        f.write("3 3 1 0\n" + "".join(" ".join(map(str, r)) + "\n" for r in SHARPEN))
    flat = ",".join(str(v) for r in SHARPEN for v in r)
    cores = os.cpu_count() or 1
    q = f"-quality {QUALITY} -sampling-factor 2x2"
    vq = f"[Q={QUALITY},subsample-mode=on]"
    o = os.path.join(out, "o")

    def ours(*effects):
        command = [tool, "-f", "jpg", "-o", out, "--if-exists=overwrite"]
        for effect in effects:
            command += ["--effect", effect]
        return lambda: command + [photo]

    def sh(script):
        return lambda: ["sh", "-c", script]

    rows = [
        ("JPEG to JPEG", ours(), f"{q}", "", f"copy {photo} {o}.jpg{vq}"),
        ("blur 3x3", ours("blur"), f"-blur 1x0.85 {q}", f"-blur 1x0.85 {q}",
         f"gaussblur {photo} {o}.jpg{vq} 0.85"),
        ("grey", ours("desaturate"), f"-colorspace Gray {q}", f"-colorspace GRAY {q}",
         f"colourspace {photo} {o}.jpg{vq} b-w"),
        ("sharpen", ours("sharpen"), f"-morphology Convolve '3x3:{flat}' {q}",
         f"-convolve '{flat}' {q}", f"conv {photo} {o}.jpg{vq} {matrix}"),
        ("median 3", ours("median=3"), f"-statistic Median 3x3 {q}", f"-median 1 {q}",
         f"rank {photo} {o}.jpg{vq} 3 3 4"),
    ]
    names = {"im": "ImageMagick", "gm": "GraphicsMagick", "vips": "libvips"}
    if title:
        print(f"### {title}")
        print()
    print(f"one photo ({photo}), best of {args.runs} runs, {cores} cores; ratio = peer time / "
          f"Lumaskin time (above 1: Lumaskin is faster)")
    print()
    header = ["work", "Lumaskin s", "peak MiB"]
    for peer in peers:
        header += [f"{names[peer]} s", "ratio"] + (["peak MiB"] if peer == "vips" else [])
    header.append("goal")
    print("| " + " | ".join(header) + " |")
    print("|" + "---|" * len(header))
    for name, mine, im, gm, vips in rows:
        lt, lm = best_of(args.runs, mine)
        cells = [name, f"{lt:.2f}", f"{lm / 1024:.0f}"]
        verdict = ""
        commands = {"im": f"convert-im6.q16 {photo} {im} {o}.jpg",
                    "gm": f"gm convert {photo} {gm or q} {o}.jpg", "vips": f"vips {vips}"}
        for peer in peers:
            pt, pm = best_of(args.runs, sh(commands[peer]))
            cells += [f"{pt:.2f}", f"{pt / lt:.2f}"]
            if peer == "vips":
                cells.append(f"{pm / 1024:.0f}")
                speed = pt / lt >= 1.5
                memory = lm <= pm
                verdict = (f"1.5x libvips: {'met' if speed else 'not met'}; memory at most "
                           f"libvips': {'met' if memory else 'not met'}")
        cells.append(verdict)
        print("| " + " | ".join(cells) + " |", flush=True)
        if name == "JPEG to JPEG" and not title:
            jt, _ = best_of(args.runs, sh(f"taskset -c 0 sh -c 'djpeg {photo} | cjpeg -quality "
                                          f"{QUALITY} -sample 2x2 > {o}.jpg'"))
            goal = 1.5 * jt / cores
            print(f"| djpeg \\| cjpeg, one core | {jt:.2f} | " + "| " * (len(header) - 4) +
                  f"| Lumaskin within {goal:.2f} s: {'met' if lt <= goal else 'not met'} |",
                  flush=True)
    print()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", default=os.path.join(here, "..", "..", "build", "tools",
                                                       "lumaskin-convert"))
    parser.add_argument("--work", default=os.path.join(tempfile.gettempdir(),
                                                       "lumaskin-bench-photos"))
    parser.add_argument("--photos", type=int, default=3)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--one", action="store_true",
                        help="one 18-megapixel photo instead of several 12-megapixel ones")
    parser.add_argument("--photo", help="with --one: the photo to use")
    parser.add_argument("--kinds", action="store_true",
                        help="with --one: a table for each kind of JPEG made from a real photo")
    parser.add_argument("--kind", action="append", default=[],
                        help="with --kinds: only the kinds whose names contain this")
    parser.add_argument("--peers", help="comma-separated peers of im, gm, vips (default: all, "
                        "or vips alone with --kinds)")
    args = parser.parse_args()

    peers = args.peers.split(",") if args.peers else \
        (["vips"] if args.kinds else list(PEERS))
    if any(p not in PEERS for p in peers):
        sys.exit(f"--peers takes {', '.join(PEERS)}")
    binaries = {"im": "convert-im6.q16", "gm": "gm", "vips": "vips"}
    for peer in ("convert-im6.q16", "gm", "vips"):
        if not shutil.which(peer) and (not args.one or
                                       peer in (binaries[p] for p in peers)):
            sys.exit(f"{peer} is missing: apt-get install imagemagick graphicsmagick libvips-tools")
    os.makedirs(args.work, exist_ok=True)
    out = tempfile.mkdtemp(prefix="lumaskin-bench-out-")
    tool = os.path.abspath(args.tool)
    if args.one:
        try:
            if args.kinds:
                source = os.path.abspath(args.photo) if args.photo else \
                    next((p for p in REAL_PHOTOS if os.path.exists(p)), None)
                if not source:
                    sys.exit("no real photo: sh .ci/install-deps bench, or give --photo")
                for name, path in make_kinds(args.work, source):
                    if args.kind and not any(k in name for k in args.kind):
                        continue
                    one_photo(args, tool, out, path, peers, title=name)
            else:
                photo = os.path.abspath(args.photo) if args.photo else \
                    make_photos(args.work, 1, "5640x3172")[0]
                one_photo(args, tool, out, photo, peers)
        finally:
            shutil.rmtree(out, ignore_errors=True)
        return
    photos = make_photos(args.work, args.photos)

    def ours(fmt, *effects):
        def build():
            command = [tool, "-f", fmt, "-o", out, "--jobs", "1"]
            for effect in effects:
                command += ["--effect", effect]
            return command + photos
        return build

    def per_photo(make):
        # Peers take one file a call; run them over every photo in one shell.
        def build():
            script = " && ".join(make(p, os.path.join(out, f"{i}")) for i, p in
                                 enumerate(photos))
            return ["sh", "-c", script]
        return build

    q = f"-quality {QUALITY} -sampling-factor 2x2"
    vq = f"[Q={QUALITY},subsample-mode=on]"
    rows = [
        ("JPEG to PNG", ours("png"),
         per_photo(lambda p, o: f"convert-im6.q16 {p} {o}.png"),
         per_photo(lambda p, o: f"gm convert {p} {o}.png"),
         per_photo(lambda p, o: f"vips copy {p} {o}.png")),
        ("JPEG to JPEG", ours("jpg"),
         per_photo(lambda p, o: f"convert-im6.q16 {p} {q} {o}.jpg"),
         per_photo(lambda p, o: f"gm convert {p} {q} {o}.jpg"),
         per_photo(lambda p, o: f"vips copy {p} {o}.jpg{vq}")),
        ("blur 3x3", ours("jpg", "blur"),
         per_photo(lambda p, o: f"convert-im6.q16 {p} -blur 1x0.85 {q} {o}.jpg"),
         per_photo(lambda p, o: f"gm convert {p} -blur 1x0.85 {q} {o}.jpg"),
         per_photo(lambda p, o: f"vips gaussblur {p} {o}.jpg{vq} 0.85")),
        ("median 3", ours("jpg", "median=3"),
         per_photo(lambda p, o: f"convert-im6.q16 {p} -statistic Median 3x3 {q} {o}.jpg"),
         per_photo(lambda p, o: f"gm convert {p} -median 1 {q} {o}.jpg"),
         per_photo(lambda p, o: f"vips rank {p} {o}.jpg{vq} 3 3 4")),
        ("twirl / swirl 90", ours("jpg", "twirl=90"),
         per_photo(lambda p, o: f"convert-im6.q16 {p} -swirl 90 {q} {o}.jpg"),
         per_photo(lambda p, o: f"gm convert {p} -swirl 90 {q} {o}.jpg"),
         None),
        ("brightness + saturation", ours("jpg", "adjustrgb=25,25,25", "saturation=150"),
         per_photo(lambda p, o: f"convert-im6.q16 {p} -modulate 110,150 {q} {o}.jpg"),
         per_photo(lambda p, o: f"gm convert {p} -modulate 110,150 {q} {o}.jpg"),
         None),
        ("grey", ours("jpg", "desaturate"),
         per_photo(lambda p, o: f"convert-im6.q16 {p} -colorspace Gray {q} {o}.jpg"),
         per_photo(lambda p, o: f"gm convert {p} -colorspace GRAY {q} {o}.jpg"),
         per_photo(lambda p, o: f"vips colourspace {p} {o}.jpg{vq} b-w")),
    ]

    print(f"{len(photos)} photos of 4000x3000, best of {args.runs} runs; "
          f"ratio = peer time / Lumaskin time (above 1: Lumaskin is faster)")
    print()
    print("| work | Lumaskin s | peak MiB | ImageMagick s | ratio | GraphicsMagick s | ratio "
          "| libvips s | ratio |")
    print("|---|---|---|---|---|---|---|---|---|")
    for name, mine, im, gm, vips in rows:
        lt, lm = best_of(args.runs, mine)
        cells = [name, f"{lt:.2f}", f"{lm / 1024:.0f}"]
        for peer in (im, gm, vips):
            if peer is None:
                cells += ["-", "-"]
                continue
            pt, _ = best_of(args.runs, peer)
            cells += [f"{pt:.2f}", f"{pt / lt:.2f}"]
        print("| " + " | ".join(cells) + " |", flush=True)

    def total_bytes(suffix):
        return sum(os.path.getsize(os.path.join(out, f)) for f in os.listdir(out)
                   if f.endswith(suffix))

    print()
    for fmt, im_options in (("png", ""), ("jpg", f" {q}")):
        for f in os.listdir(out):
            os.remove(os.path.join(out, f))
        subprocess.run(ours(fmt)(), check=True, stdout=subprocess.DEVNULL)
        subprocess.run(per_photo(lambda p, o: f"convert-im6.q16 {p}{im_options} {o}.im.{fmt}")(),
                       check=True, stdout=subprocess.DEVNULL)
        im_bytes = total_bytes(f".im.{fmt}")
        ours_bytes = total_bytes(f".{fmt}") - im_bytes
        print(f"{fmt.upper()} size: Lumaskin {ours_bytes / 1e6:.1f} MB, ImageMagick "
              f"{im_bytes / 1e6:.1f} MB ({100.0 * (ours_bytes / im_bytes - 1):+.1f} %)")
    # The process without a picture, to set the peak memory figures against.
    _, idle = timed([tool, "--help"])
    print(f"Lumaskin peak without a picture: {idle / 1024:.0f} MiB; one decoded photo: "
          f"{4000 * 3000 * 4 / 2**20:.0f} MiB")
    shutil.rmtree(out, ignore_errors=True)


if __name__ == "__main__":
    main()
