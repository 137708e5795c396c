#!/usr/bin/env python3
"""The batch conversion's two benchmarks.

"photos": the same 12-megapixel JPEGs (quality 90) converted to PNG with saturation 150 and
contrast 120 by
  (a) one by one: Lumaskin's engine in-process, one file after another on the main thread with
      nothing in parallel inside, as the program once converted;
  (b) parallel: the same engine in-process, one file per core, as the main window converts;
  (c) lumaskin-convert, the same engine on the command line (one file per core);
  (d) ImageMagick's mogrify over every file in one call, and the same with one mogrify per core;
  (e) libvips, two commands per file (recomb, then linear through a .v file in memory), one
      file per core with xargs -P.
The peers get the same arithmetic: saturation as the luma-keeping colour matrix
(ImageMagick -color-matrix, libvips recomb), contrast as slope 1.2 about mid-grey
(ImageMagick -brightness-contrast 0x11.54, libvips linear 1.2 -25.6). Every PNG is written
with zlib level 3 and adaptive filters, as Lumaskin writes photos.

"window": 200 conversions of the same photos (four links to each) through the main window,
headless, with the resident set after each file.

Usage: convbench.py --build-dir BUILD --skins SKINS [--part photos|window|both] [--photos N]
                    [--window-files N] [--max-load L]
"""
import argparse
import math
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

SATURATION = 150
CONTRAST = 120
PNG_LEVEL = 3
LUMA = (0.299, 0.587, 0.114)


def saturation_matrix(percent):
    """The 3x3 matrix that moves each channel away from the pixel's luma by percent / 100."""
    s = percent / 100.0
    return [[(1 - s) * LUMA[c] + (s if c == r else 0.0) for c in range(3)] for r in range(3)]


def contrast_line(percent):
    """(slope, offset) of v -> 128 + (v - 128) * percent / 100 on 0..255."""
    slope = percent / 100.0
    return slope, 128.0 - 128.0 * slope


def imagemagick_contrast(percent):
    """The contrast argument of -brightness-contrast whose slope is percent / 100: there,
    slope = tan(pi / 4 * (1 + contrast / 100)) about mid-grey."""
    return 400.0 * math.atan(percent / 100.0) / math.pi - 100.0


def imagemagick_options():
    matrix = " ".join(f"{v:.6f}" for row in saturation_matrix(SATURATION) for v in row)
    return ["-color-matrix", matrix,
            "-brightness-contrast", f"0x{imagemagick_contrast(CONTRAST):.4f}",
            "-quality", f"{PNG_LEVEL}5", "-define", "png:compression-strategy=3"]


def vips_matrix_text():
    rows = saturation_matrix(SATURATION)
    return "3 3\n" + "".join(" ".join(f"{v:.6f}" for v in row) + "\n" for row in rows)


def vips_script(matrix_file, scratch):
    """Shell script for one photo ($1) into $OUT: two vips commands through a .v file."""
    slope, offset = contrast_line(CONTRAST)
    return (f'n=$(basename "$1" .jpg)\nt={shlex.quote(scratch)}/$n.v\n'
            f'vips recomb "$1" "$t" {shlex.quote(matrix_file)} && '
            f'vips linear --uchar -- "$t" "$OUT/$n.png[compression={PNG_LEVEL},filter=all]" '
            f'{slope:g} {offset:g}\ns=$?\nrm -f "$t"\nexit $s\n')


def mogrify_script():
    """Shell script for one photo ($1) into $OUT through ImageMagick."""
    options = " ".join(shlex.quote(o) for o in imagemagick_options())
    return f'exec mogrify-im6.q16 -path "$OUT" -format png {options} "$1"\n'


def per_file_command(script_file, list_file, jobs):
    """Runs the script once per photo of the NUL-separated list, `jobs` at a time."""
    return ["xargs", "-0", "-n", "1", "-P", str(jobs), "-a", list_file, "sh", script_file]


def run_timed(command, env=None):
    """Runs command under /usr/bin/time; returns (seconds, peak RSS in KiB, CPU %)."""
    start = time.perf_counter()
    result = subprocess.run(["/usr/bin/time", "-f", "peak-kib %M cpu %P"] + command, env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    seconds = time.perf_counter() - start
    if result.returncode != 0:
        raise RuntimeError(f"{' '.join(command[:6])} ... failed ({result.returncode}):\n"
                           f"{result.stderr[-2000:]}")
    peak, cpu = parse_time_line(result.stderr)
    return seconds, peak, cpu


def parse_time_line(stderr_text):
    """(peak KiB, CPU %) from the line /usr/bin/time printed last; raise when it is missing."""
    found = re.findall(r"^peak-kib (\d+) cpu (\d+)%$", stderr_text, re.MULTILINE)
    if not found:
        raise RuntimeError("no peak memory reported")
    return int(found[-1][0]), int(found[-1][1])


def ratio_table(results, ours, peers):
    """Rows of `ours` x columns of `peers`: peer seconds / our seconds (above 1: ours faster)."""
    lines = ["| Lumaskin variant | " + " | ".join(f"vs {p}" for p in peers) + " |",
             "|---|" + "---|" * len(peers)]
    for name in ours:
        cells = [f"{results[p]['seconds'] / results[name]['seconds']:.2f}x" for p in peers]
        lines.append(f"| {name} | " + " | ".join(cells) + " |")
    return lines


def main_table(results, order, baseline):
    lines = ["| variant | how | wall s | speed vs one-by-one | CPU % | peak RSS MiB | PNG MB (all) |",
             "|---|---|---|---|---|---|---|"]
    for name in order:
        r = results[name]
        lines.append(f"| {name} | {r['how']} | {r['seconds']:.1f} | "
                     f"{results[baseline]['seconds'] / r['seconds']:.2f}x | {r['cpu']} | "
                     f"{r['peak_kib'] / 1024:.0f} | {r['bytes'] / 1e6:.0f} |")
    return lines


def folder_bytes(folder, suffix=".png"):
    return sum(os.path.getsize(os.path.join(folder, f)) for f in os.listdir(folder)
               if f.endswith(suffix))


def wait_for_quiet(max_load, patience_s):
    """Waits (up to patience_s) for the one-minute load to drop to max_load; returns it."""
    deadline = time.monotonic() + patience_s
    while True:
        load = os.getloadavg()[0]
        if load <= max_load or time.monotonic() >= deadline:
            return load
        print(f"load {load:.2f} above {max_load}: waiting ...", file=sys.stderr, flush=True)
        time.sleep(30)


def load_line():
    with open("/proc/loadavg") as f:
        return "load average " + " ".join(f.read().split()[:3])


def mean_abs_difference(a, b):
    """ImageMagick's mean absolute error of two pictures, on 0..255."""
    result = subprocess.run(["compare-im6.q16", "-metric", "MAE", a, b, "null:"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    match = re.search(r"\(([0-9.e+-]+)\)", result.stderr)
    return float(match.group(1)) * 255 if match else float("nan")


def photos_part(args, photos, scratch_root):
    jobs = os.cpu_count() or 1
    effects = [f"saturation={SATURATION}", f"contrast={CONTRAST}"]
    effect_args = [a for e in effects for a in ("--effect", e)]
    matrix_file = os.path.join(scratch_root, "saturation.mat")
    with open(matrix_file, "w") as f:
        f.write(vips_matrix_text())
    vips_scratch = tempfile.mkdtemp(prefix="vips-", dir="/dev/shm" if os.path.isdir("/dev/shm")
                                    else scratch_root)

    list_file = os.path.join(scratch_root, "photos.list")
    with open(list_file, "w") as f:
        f.write("".join(p + "\0" for p in photos))
    scripts = {}
    for name, text in (("mogrify", mogrify_script()),
                       ("vips", vips_script(matrix_file, vips_scratch))):
        scripts[name] = os.path.join(scratch_root, name + ".sh")
        with open(scripts[name], "w") as f:
            f.write(text)

    def per_file(script):
        return lambda out: per_file_command(scripts[script], list_file, jobs)

    variants = [
        ("one-by-one", "engine in-process, main thread, jobs 1, no threads inside",
         lambda out: [args.convbench, "engine", "one-by-one", out] + effect_args + photos),
        ("parallel", f"engine in-process, jobs 0 ({jobs} files at once)",
         lambda out: [args.convbench, "engine", "parallel", out] + effect_args + photos),
        ("lumaskin-convert", "command line, default jobs (one file per core)",
         lambda out: [args.convert, "-f", "png", "-o", out] + effect_args + photos),
        ("ImageMagick", "one mogrify-im6.q16 -path OUT -format png over all files",
         lambda out: ["mogrify-im6.q16", "-path", out, "-format", "png"] +
                     imagemagick_options() + photos),
        ("ImageMagick x" + str(jobs), f"one mogrify per file, xargs -P {jobs}",
         per_file("mogrify")),
        ("libvips x" + str(jobs), f"vips recomb + vips linear per file, xargs -P {jobs}",
         per_file("vips")),
    ]
    results = {}
    first_outputs = {}
    for name, how, make in variants:
        out = tempfile.mkdtemp(prefix="out-", dir=scratch_root)
        print(f"running {name} ...", file=sys.stderr, flush=True)
        seconds, peak, cpu = run_timed(make(out), env=dict(os.environ, OUT=out))
        written = [f for f in os.listdir(out) if f.endswith(".png")]
        if len(written) != len(photos):
            raise RuntimeError(f"{name} wrote {len(written)} of {len(photos)} files")
        results[name] = {"how": how, "seconds": seconds, "peak_kib": peak, "cpu": cpu,
                         "bytes": folder_bytes(out)}
        # Keep the first photo's output to compare the pictures, and nothing else.
        first = os.path.splitext(os.path.basename(photos[0]))[0] + ".png"
        kept = os.path.join(scratch_root, f"first-{len(first_outputs)}.png")
        shutil.move(os.path.join(out, first), kept)
        first_outputs[name] = kept
        shutil.rmtree(out, ignore_errors=True)
    shutil.rmtree(vips_scratch, ignore_errors=True)

    order = [v[0] for v in variants]
    ours = order[:3]
    peers = order[3:]
    print(f"\n{len(photos)} photos of 4000x3000 (JPEG q90), to PNG with saturation "
          f"{SATURATION} and contrast {CONTRAST}; one run each; {load_line()} at the end\n")
    print("\n".join(main_table(results, order, "one-by-one")))
    print("\nPeer time / Lumaskin time (above 1: Lumaskin is faster):\n")
    print("\n".join(ratio_table(results, ours, peers)))
    print("\nMean absolute difference of the first photo's output from one-by-one's (0..255):")
    for name in order[1:]:
        print(f"  {name}: {mean_abs_difference(first_outputs['one-by-one'], first_outputs[name]):.2f}")
    speedup = results["one-by-one"]["seconds"] / results["parallel"]["seconds"]
    beaten = [p for p in peers if results[p]["seconds"] <= results["parallel"]["seconds"]]
    print(f"\nparallel vs one-by-one: {speedup:.2f}x (target 1.8x): "
          f"{'met' if speedup >= 1.8 else 'NOT met'}; ahead of every peer: "
          f"{'yes' if not beaten else 'NO, behind ' + ', '.join(beaten)}")
    return speedup >= 1.8 and not beaten


def window_part(args, photos, scratch_root):
    links = os.path.join(scratch_root, "window-sources")
    os.makedirs(links, exist_ok=True)
    sources = []
    for copy in range(math.ceil(args.window_files / len(photos))):
        for photo in photos:
            if len(sources) == args.window_files:
                break
            link = os.path.join(links, f"copy{copy}-{os.path.basename(photo)}")
            if not os.path.lexists(link):
                os.symlink(photo, link)
            sources.append(link)
    out = tempfile.mkdtemp(prefix="window-out-", dir=scratch_root)
    print(f"\n{len(sources)} photos of 4000x3000 through the main window (headless, Purple "
          f"skin), PNG with saturation {SATURATION} and contrast {CONTRAST}, the window's own "
          f"jobs (one file per core); {load_line()} at the start\n", flush=True)
    result = subprocess.run([args.convbench, "window", args.skins, out, "--saturation",
                             str(SATURATION), "--contrast", str(CONTRAST)] + sources)
    print(f"({load_line()} at the end)")
    shutil.rmtree(out, ignore_errors=True)
    return result.returncode == 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--skins", help="folder with Purple.skn (default BUILD/skins)")
    parser.add_argument("--cache", help="where the photos are kept (default BUILD/bench-photos)")
    parser.add_argument("--part", choices=("photos", "window", "both"), default="both")
    parser.add_argument("--photos", type=int, default=50)
    parser.add_argument("--window-files", type=int, default=200)
    parser.add_argument("--max-load", type=float, default=1.0,
                        help="wait (up to --patience seconds) until the load is this low")
    parser.add_argument("--patience", type=float, default=600)
    args = parser.parse_args()

    build = os.path.abspath(args.build_dir)
    args.convbench = os.path.join(build, "bench", "tools", "lumaskin_convbench")
    args.convert = os.path.join(build, "tools", "lumaskin-convert")
    args.skins = os.path.abspath(args.skins or os.path.join(build, "skins"))
    cache = os.path.abspath(args.cache or os.path.join(build, "bench-photos"))
    for peer in ("mogrify-im6.q16", "compare-im6.q16", "vips", "xargs", "/usr/bin/time"):
        if not shutil.which(peer):
            sys.exit(f"{peer} is missing: apt-get install imagemagick libvips-tools time")
    for tool in (args.convbench, args.convert):
        if not os.access(tool, os.X_OK):
            sys.exit(f"{tool} is missing: build lumaskin_convbench and lumaskin-convert")

    listed = subprocess.run([args.convbench, "photos", cache, str(args.photos)], check=True,
                            stdout=subprocess.PIPE, text=True).stdout
    photos = listed.split()
    scratch_root = tempfile.mkdtemp(prefix="lumaskin-convbench-", dir=build)
    ok = True
    try:
        if args.part in ("photos", "both"):
            load = wait_for_quiet(args.max_load, args.patience)
            print(f"(load {load:.2f} at the start)")
            ok = photos_part(args, photos, scratch_root) and ok
        if args.part in ("window", "both"):
            wait_for_quiet(args.max_load, args.patience)
            ok = window_part(args, photos, scratch_root) and ok
    finally:
        shutil.rmtree(scratch_root, ignore_errors=True)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
