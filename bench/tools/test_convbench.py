"""Checks the benchmark driver's arithmetic and that each peer is asked for the same work as
Lumaskin does: the pixels a peer writes are compared with the engine's formulas."""
import math
import os
import shutil
import subprocess
import tempfile
import unittest

import convbench


def engine_saturation(rgb, percent):
    r, g, b = rgb
    y = 0.299 * r + 0.587 * g + 0.114 * b
    return tuple(min(255, max(0, int(y + (c - y) * percent / 100 + 0.5))) for c in rgb)


def engine_contrast(rgb, percent):
    return tuple(min(255, max(0, math.floor(128 + (c - 128) * percent / 100 + 0.5))) for c in rgb)


SAMPLES = [(200, 100, 50), (12, 240, 130), (128, 128, 128), (250, 250, 5), (30, 60, 90)]


def expected(rgb):
    return engine_contrast(engine_saturation(rgb, convbench.SATURATION), convbench.CONTRAST)


class ArithmeticTest(unittest.TestCase):
    def test_saturation_matrix_is_the_engines_saturation(self):
        for percent in (0, 100, 150, 300):
            m = convbench.saturation_matrix(percent)
            for row in m:  # grey stays grey
                self.assertAlmostEqual(sum(row), 1.0)
            for rgb in SAMPLES:
                got = tuple(sum(m[r][c] * rgb[c] for c in range(3)) for r in range(3))
                want = engine_saturation(rgb, percent)
                for g, w in zip(got, want):
                    if 0 <= g <= 255:
                        self.assertAlmostEqual(g, w, delta=0.51)

    def test_contrast_settings_give_the_engines_slope(self):
        slope, offset = convbench.contrast_line(120)
        self.assertEqual((slope, offset), (1.2, 128 - 128 * 1.2))
        for percent in (80, 100, 120, 200):
            c = convbench.imagemagick_contrast(percent)
            self.assertAlmostEqual(math.tan(math.pi / 4 * (1 + c / 100)), percent / 100)

    def test_peak_and_cpu_are_from_the_last_line_time_printed(self):
        text = "noise\npeak-kib 12 cpu 99%\nmore\npeak-kib 3456 cpu 187%\n"
        self.assertEqual(convbench.parse_time_line(text), (3456, 187))
        with self.assertRaises(RuntimeError):
            convbench.parse_time_line("Command exited with non-zero status 1\n")

    def test_tables_divide_the_right_way(self):
        results = {
            "one-by-one": {"how": "a", "seconds": 40.0, "peak_kib": 204800, "cpu": 99, "bytes": 2e9},
            "parallel": {"how": "b", "seconds": 20.0, "peak_kib": 409600, "cpu": 190, "bytes": 2e9},
            "peer": {"how": "c", "seconds": 60.0, "peak_kib": 102400, "cpu": 100, "bytes": 3e9},
        }
        table = convbench.main_table(results, ["one-by-one", "parallel", "peer"], "one-by-one")
        self.assertEqual(table[3], "| parallel | b | 20.0 | 2.00x | 190 | 400 | 2000 |")
        self.assertEqual(table[4], "| peer | c | 60.0 | 0.67x | 100 | 100 | 3000 |")
        ratios = convbench.ratio_table(results, ["one-by-one", "parallel"], ["peer"])
        self.assertEqual(ratios[2:], ["| one-by-one | 1.50x |", "| parallel | 3.00x |"])


def write_ppm(path, pixels):
    with open(path, "wb") as f:
        f.write(f"P6\n{len(pixels)} 1\n255\n".encode())
        f.write(bytes(v for rgb in pixels for v in rgb))


def read_ppm_pixels(path):
    with open(path, "rb") as f:
        data = f.read()
    # Header of three lines as ImageMagick writes it: P6, size, maximum.
    body = data.split(b"\n", 3)[3]
    return [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]


@unittest.skipUnless(shutil.which("mogrify-im6.q16") and shutil.which("vips")
                     and shutil.which("convert-im6.q16"), "peers not installed")
class PeersDoTheSameWorkTest(unittest.TestCase):
    """Runs the very scripts the benchmark runs on a few pixels."""

    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.out = os.path.join(self.dir, "out")
        os.mkdir(self.out)
        # The scripts take JPEG names; the peers read the file by its content.
        self.source = os.path.join(self.dir, "p.jpg")
        write_ppm(os.path.join(self.dir, "p.ppm"), SAMPLES)
        os.rename(os.path.join(self.dir, "p.ppm"), self.source)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def run_script(self, text):
        script = os.path.join(self.dir, "s.sh")
        with open(script, "w") as f:
            f.write(text)
        subprocess.run(["sh", script, self.source], check=True,
                       env=dict(os.environ, OUT=self.out))
        png = os.path.join(self.out, "p.png")
        self.assertTrue(os.path.exists(png))
        ppm = os.path.join(self.dir, "back.ppm")
        subprocess.run(["convert-im6.q16", png, "-depth", "8", ppm], check=True)
        return read_ppm_pixels(ppm)

    def assert_close(self, got):
        for rgb, pixel in zip(SAMPLES, got):
            for g, w in zip(pixel, expected(rgb)):
                self.assertLessEqual(abs(g - w), 2, f"{rgb}: {pixel} vs {expected(rgb)}")

    def test_imagemagick(self):
        self.assert_close(self.run_script(convbench.mogrify_script()))

    def test_libvips(self):
        matrix = os.path.join(self.dir, "m.mat")
        with open(matrix, "w") as f:
            f.write(convbench.vips_matrix_text())
        self.assert_close(self.run_script(convbench.vips_script(matrix, self.dir)))
        self.assertEqual([f for f in os.listdir(self.dir) if f.endswith(".v")], [])


if __name__ == "__main__":
    unittest.main()
