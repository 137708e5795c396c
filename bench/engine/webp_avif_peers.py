#!/usr/bin/env python3
"""Times WebP and AVIF encoding of the same photos at the same quality through lumaskin-convert,
the formats' own encoders (cwebp, avifenc) and libvips, and prints time and size of each.

Usage: webp_avif_peers.py [--tool PATH] [--work DIR] [--photos N] [--runs N]

Every run reads the same JPEG photos and writes one file per photo, so decoding is part of
every figure. The settings are made equal: WebP at quality Q with method 4 and threads on
(cwebp -mt, libvips effort 4); AVIF with the AV1 quantizer avifenc's quality mapping gives for
Q (both min and max), speed 6 (libvips effort 3), 4:4:4 colour from quality 90 and 4:2:0
below, libaom, as many threads as cores. Peers are called by their own names. Each row is the
best of --runs runs; ratio = peer time / Lumaskin time (above 1: Lumaskin is faster), size
ratio = peer bytes / Lumaskin bytes.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

QUALITIES = (75, 90)
WIDTH, HEIGHT = 3000, 2000


def make_photos(work, count):
    """Photo-like JPEGs: smooth plasma with fine grain, made once and kept."""
    paths = []
    for i in range(count):
        path = os.path.join(work, f"photo{i}-{WIDTH}x{HEIGHT}.jpg")
        if not os.path.exists(path):
            print(f"making {path} ...", file=sys.stderr)
            subprocess.run(["convert-im6.q16", "-seed", str(11 + i), "-size",
                            f"{WIDTH}x{HEIGHT}", "plasma:fractal", "-blur", "0x1.2",
                            "-attenuate", "0.25", "+noise", "Gaussian", "-quality", "92", path],
                           check=True)
        paths.append(path)
    return paths


def timed(command):
    start = time.perf_counter()
    result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            text=True)
    if result.returncode != 0:
        raise RuntimeError(f"{' '.join(command)} failed:\n{result.stderr}")
    return time.perf_counter() - start


def quantizer(quality):
    """avifenc's and Lumaskin's mapping of quality to the AV1 quantizer (0..63)."""
    return ((100 - quality) * 63 + 50) // 100


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", default=os.path.join(here, "..", "..", "build", "tools",
                                                       "lumaskin-convert"))
    parser.add_argument("--work", default=os.path.join(tempfile.gettempdir(),
                                                       "lumaskin-bench-photos"))
    parser.add_argument("--photos", type=int, default=2)
    parser.add_argument("--runs", type=int, default=2)
    args = parser.parse_args()

    for peer in ("cwebp", "avifenc", "vips", "convert-im6.q16"):
        if not shutil.which(peer):
            sys.exit(f"{peer} is missing: apt-get install webp libavif-bin libvips-tools "
                     "imagemagick")
    os.makedirs(args.work, exist_ok=True)
    photos = make_photos(args.work, args.photos)
    tool = os.path.abspath(args.tool)
    cores = str(os.cpu_count() or 1)

    def run_and_measure(name, commands):
        """Best time of the runs, and the bytes the last run wrote."""
        out = tempfile.mkdtemp(prefix="lumaskin-bench-out-")
        try:
            best = None
            for _ in range(args.runs):
                for f in os.listdir(out):
                    os.remove(os.path.join(out, f))
                seconds = sum(timed(c) for c in commands(out))
                best = seconds if best is None else min(best, seconds)
            size = sum(os.path.getsize(os.path.join(out, f)) for f in os.listdir(out))
            if len(os.listdir(out)) != len(photos):
                raise RuntimeError(f"{name} wrote {len(os.listdir(out))} files")
            return best, size
        finally:
            shutil.rmtree(out, ignore_errors=True)

    def ours(fmt, quality):
        return lambda out: [[tool, "-f", fmt, "-q", str(quality), "-o", out, "--jobs", "1"]
                            + photos]

    def per_photo(make):
        return lambda out: [make(p, os.path.join(out, f"{i}")) for i, p in enumerate(photos)]

    rows = []
    for q in QUALITIES:
        rows.append((f"WebP q{q}", ours("webp", q), [
            ("cwebp", per_photo(lambda p, o, q=q: ["cwebp", "-quiet", "-q", str(q), "-m", "4",
                                                   "-mt", p, "-o", o + ".webp"])),
            ("libvips", per_photo(lambda p, o, q=q: ["vips", "webpsave", p, o + ".webp",
                                                     f"--Q={q}", "--effort=4"])),
        ]))
    for q in QUALITIES:
        qz = str(quantizer(q))
        layout = "444" if q >= 90 else "420"
        rows.append((f"AVIF q{q}", ours("avif", q), [
            ("avifenc", per_photo(lambda p, o, qz=qz, layout=layout: [
                "avifenc", "-c", "aom", "-s", "6", "-j", cores, "--autotiling", "-y", layout,
                "--min", qz, "--max", qz, "--minalpha", qz, "--maxalpha", qz, p, o + ".avif"])),
            ("libvips", per_photo(lambda p, o, q=q: [
                "vips", "heifsave", p, o + ".avif", f"--Q={q}", "--compression=av1",
                "--effort=3", "--encoder=aom",
                "--subsample-mode=" + ("off" if q >= 90 else "on")])),
        ]))

    print(f"{len(photos)} photos of {WIDTH}x{HEIGHT} from JPEG, {cores} cores, best of "
          f"{args.runs} runs")
    print()
    print("| work | Lumaskin s | Lumaskin MB | peer | peer s | time ratio | peer MB "
          "| size ratio |")
    print("|---|---|---|---|---|---|---|---|")
    for name, mine, peers in rows:
        lt, lb = run_and_measure("Lumaskin", mine)
        for peer_name, peer in peers:
            pt, pb = run_and_measure(peer_name, peer)
            print(f"| {name} | {lt:.2f} | {lb / 1e6:.2f} | {peer_name} | {pt:.2f} | "
                  f"{pt / lt:.2f} | {pb / 1e6:.2f} | {pb / lb:.2f} |", flush=True)


if __name__ == "__main__":
    main()
