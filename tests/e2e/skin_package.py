"""Reads what a driver of the running program needs to know about a skin package: the
values of its Skin.ini, the rectangles of its controls and the pixels of its bitmaps.

The reader follows the program's own rules: section and key names match without regard to
letter case, the first occurrence wins, values are trimmed and lose one pair of enclosing
quotes, and entry fields are separated by commas.
"""

import struct
import zipfile


class Bitmap:
    """An uncompressed 24- or 32-bit BMP file, as the skins carry them."""

    def __init__(self, data, name="bitmap"):
        if data[:2] != b"BM" or len(data) < 54:
            raise ValueError(f"{name} is not a BMP file")
        (offset,) = struct.unpack_from("<I", data, 10)
        _, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
        if bits not in (24, 32) or compression not in (0, 3):
            raise ValueError(f"{name}: a {bits}-bit BMP with compression {compression} "
                             "is not read here")
        self.width = width
        self.height = abs(height)
        self._bottom_up = height > 0
        self._bytes_per_pixel = bits // 8
        self._stride = (width * self._bytes_per_pixel + 3) & ~3
        self._data = data
        self._offset = offset
        if offset + self._stride * self.height > len(data):
            raise ValueError(f"{name} is truncated")

    def pixel(self, x, y):
        """(red, green, blue) at x, y counted from the top-left corner."""
        row = self.height - 1 - y if self._bottom_up else y
        at = self._offset + row * self._stride + x * self._bytes_per_pixel
        blue, green, red = self._data[at : at + 3]
        return (red, green, blue)


def parse_number(text):
    """Decimal or 0x hexadecimal, with optional blanks and sign; anything else reads as 0."""
    text = text.strip()
    try:
        return int(text, 16) if text.lower().startswith(("0x", "-0x", "+0x")) else int(text)
    except ValueError:
        return 0


class SkinPackage:
    """One skin package (a ZIP file) opened for reading."""

    def __init__(self, path):
        self.path = str(path)
        with zipfile.ZipFile(self.path) as archive:
            self._files = {info.filename.lower(): archive.read(info) for info in archive.infolist()}
        ini = self._files.get("skin.ini")
        if ini is None:
            raise ValueError(f"{self.path} holds no Skin.ini")
        self._sections = self._parse_ini(ini.decode("latin-1"))

    @staticmethod
    def _parse_ini(text):
        sections = {}
        current = None
        for line in text.splitlines():
            line = line.strip()
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1].strip().lower(), {})
            elif current is not None and "=" in line:
                key, value = (part.strip() for part in line.split("=", 1))
                if len(value) >= 2 and value[0] == value[-1] == '"':
                    value = value[1:-1]
                current.setdefault(key.lower(), value)
        return sections

    def value(self, section, key, default=""):
        return self._sections.get(section.lower(), {}).get(key.lower(), default)

    def entries(self, section):
        """The field lists of a list section's entries "1" .. "N", empty ones left out."""
        keys = self._sections.get(section.lower(), {})
        found = []
        for number in range(1, len(keys) + 1):
            value = keys.get(str(number), "")
            if value:
                found.append([field.strip() for field in value.split(",")])
        return found

    def control_rect(self, section, name):
        """(left, top, right, bottom) of the first button-like entry named `name`; the name,
        the bitmap and the four edges are the first six fields of such entries."""
        for fields in self.entries(section):
            if fields[0] == name and len(fields) >= 6:
                return tuple(parse_number(field) for field in fields[2:6])
        return None

    def last_rect(self, section):
        """The rectangle of the last entry, the one that counts in single-control sections."""
        found = self.entries(section)
        if not found or len(found[-1]) < 6:
            return None
        return tuple(parse_number(field) for field in found[-1][2:6])

    def all_rects(self):
        """The rectangle of every entry of every section: its first four numeric fields in a
        row (the skin places each control, label, icon and caption that way)."""
        found = []
        for keys in self._sections.values():
            for value in keys.values():
                fields = [field.strip() for field in value.split(",")]
                for at in range(len(fields) - 3):
                    if all(field.lstrip("-").isdigit() for field in fields[at : at + 4]):
                        found.append(tuple(int(field) for field in fields[at : at + 4]))
                        break
        return found

    def bare_background(self, step=7, margin=3):
        """Points of the background that no control, label or caption covers and that the
        shape keeps, `margin` pixels clear of both."""
        background = self.background()
        key = self.transparent_colour()
        rects = [(l - margin, t - margin, r + margin, b + margin)
                 for l, t, r, b in self.all_rects()]
        points = []
        for y in range(margin, background.height - margin, step):
            for x in range(margin, background.width - margin, step):
                if any(l <= x < r and t <= y < b for l, t, r, b in rects):
                    continue
                if all(background.pixel(x + dx, y + dy) != key
                       for dx in (-margin, 0, margin) for dy in (-margin, 0, margin)):
                    points.append((x, y))
        return points

    def bitmap(self, name):
        data = self._files.get(name.lower())
        if data is None:
            raise ValueError(f"{self.path} holds no {name}")
        return Bitmap(data, name)

    def background(self):
        return self.bitmap(self.value("Screen", "Main"))

    def transparent_colour(self):
        """The key colour as (red, green, blue); written 0xRRGGBB."""
        value = parse_number(self.value("COLOR", "TRANSPARENT", "0xFF00FF"))
        return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)
