"""What the brisalta-cli picture tests share: running the tool in a private
settings folder, and reading the pictures it writes with the standard library
only (PNG through zlib, PDF pages through pdftoppm's PPM output)."""
import os
import struct
import subprocess
import tempfile
import zlib

CLI = os.environ["BRISALTA_CLI"]
TEST_DATA = os.environ["BRISALTA_TEST_DATA"]
SANITIZED = os.environ.get("BRISALTA_SANITIZED") == "1"
SOURCE_DATA = os.path.join(os.path.dirname(os.path.dirname(TEST_DATA)), "data")
SURFACE = os.path.join(TEST_DATA, "surface")


class Sandbox:
    """A scratch folder standing in for the user's home: an empty settings
    folder (no meteo.ini unless a test writes one), a private runtime folder,
    and the source tree's data folder as the installed one."""

    def __init__(self):
        self._dir = tempfile.TemporaryDirectory(prefix="brisalta-cli-")
        self.root = self._dir.name
        self.settings = os.path.join(self.root, "config", "Brisalta")
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env = dict(os.environ)
        self.env.update({
            "XDG_CONFIG_HOME": os.path.join(self.root, "config"),
            "XDG_RUNTIME_DIR": runtime,
            "HOME": self.root,
            "BRISALTA_DATOS": SOURCE_DATA,
            "QT_QPA_PLATFORM": "offscreen",
        })

    def path(self, name):
        return os.path.join(self.root, name)

    def write_setting(self, name, data):
        os.makedirs(self.settings, exist_ok=True)
        with open(os.path.join(self.settings, name), "wb") as f:
            f.write(data.encode("cp1252") if isinstance(data, str) else data)

    def run(self, args):
        return subprocess.run([CLI] + args, capture_output=True, text=True, encoding="utf-8",
                              env=self.env, cwd=self.root, timeout=120)

    def close(self):
        self._dir.cleanup()


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    return struct.unpack(">II", head[16:24])


def read_png(path):
    """(width, height, pixel(x, y) -> (r, g, b)) of an 8-bit RGB or RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, (depth, colour, interlace)
        elif kind == b"IDAT":
            idat.append(body)
        pos += 12 + length
    bpp = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(idat))
    stride = width * bpp
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind = raw[start]
        line = bytearray(raw[start + 1:start + 1 + stride])
        if kind == 1:
            for i in range(bpp, stride):
                line[i] = (line[i] + line[i - bpp]) & 0xFF
        elif kind == 2:
            line = bytearray((a + b) & 0xFF for a, b in zip(line, previous))
        elif kind == 3:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + ((left + previous[i]) >> 1)) & 0xFF
        elif kind == 4:
            for i in range(stride):
                a = line[i - bpp] if i >= bpp else 0
                b = previous[i]
                c = previous[i - bpp] if i >= bpp else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                predictor = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + predictor) & 0xFF
        rows.append(line)
        previous = line

    def pixel(x, y):
        row = rows[y]
        return tuple(row[x * bpp:x * bpp + 3])

    return width, height, pixel


def pdf_page(path, dpi=30):
    """The first page of a PDF as (width, height, pixel(x, y))."""
    out = subprocess.run(["pdftoppm", "-r", str(dpi), "-f", "1", "-l", "1", path],
                         capture_output=True, timeout=60, check=True).stdout
    assert out[:2] == b"P6", "pdftoppm gave no PPM page"
    fields, pos = [], 2
    while len(fields) < 3:
        while out[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not out[end:end + 1].isspace():
            end += 1
        fields.append(int(out[pos:end]))
        pos = end
    pos += 1
    width, height, _ = fields
    pixels = out[pos:]

    def pixel(x, y):
        i = (y * width + x) * 3
        return tuple(pixels[i:i + 3])

    return width, height, pixel


def count_pixels(pixel, box, test):
    left, top, right, bottom = box
    return sum(1 for y in range(top, bottom) for x in range(left, right) if test(pixel(x, y)))
