"""Text glyphs as coverage masks, rendered by ImageMagick's convert."""
import os
import shutil
import subprocess

GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
PGOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"
MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
SANS_BOLD = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
NARROW_BOLD = "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf"


def _convert_program():
    # Debian's ImageMagick 6 binary; fall back to whatever convert is on PATH.
    for path in ("/usr/bin/convert-im6.q16", "/usr/bin/convert"):
        if os.path.exists(path):
            return path
    found = shutil.which("convert")
    if not found:
        raise SystemExit("artgen: ImageMagick's convert is needed (tools/setup.sh installs it)")
    return found


_CONVERT = None
_CACHE = {}


class Mask:
    """Coverage values 0..1, w x h, row-major."""

    def __init__(self, w, h, data):
        self.w, self.h, self.data = w, h, data

    def at(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.data[y * self.w + x]
        return 0.0

    def ink_box(self, threshold=0.05):
        xs = [i % self.w for i, v in enumerate(self.data) if v > threshold]
        ys = [i // self.w for i, v in enumerate(self.data) if v > threshold]
        if not xs:
            return (0, 0, 0, 0)
        return (min(xs), min(ys), max(xs) + 1, max(ys) + 1)

    def crop(self, box):
        x0, y0, x1, y1 = box
        w, h = x1 - x0, y1 - y0
        return Mask(w, h, [self.at(x0 + x, y0 + y) for y in range(h) for x in range(w)])

    def dilate(self, r=1):
        """Grey dilation with a (2r+1) square, used for outlines and emboldening."""
        w, h = self.w + 2 * r, self.h + 2 * r
        out = [0.0] * (w * h)
        for y in range(h):
            for x in range(w):
                best = 0.0
                for dy in range(-r, r + 1):
                    for dx in range(-r, r + 1):
                        if dx * dx + dy * dy > r * r + r:
                            continue
                        v = self.at(x - r + dx, y - r + dy)
                        if v > best:
                            best = v
                out[y * w + x] = best
        return Mask(w, h, out)

    def scale(self, sx, sy):
        """Box-filter downscale by integer factors."""
        w, h = self.w // sx, self.h // sy
        out = []
        n = float(sx * sy)
        for y in range(h):
            for x in range(w):
                s = 0.0
                for yy in range(sy):
                    base = (y * sy + yy) * self.w + x * sx
                    s += sum(self.data[base: base + sx])
                out.append(s / n)
        return Mask(w, h, out)

    def resample(self, w, h):
        """Area-average resample to w x h (any factors)."""
        out = []
        fx, fy = self.w / w, self.h / h
        for y in range(h):
            y0, y1 = y * fy, (y + 1) * fy
            for x in range(w):
                x0, x1 = x * fx, (x + 1) * fx
                s = 0.0
                for yy in range(int(y0), min(self.h, int(y1 + 0.999))):
                    wy = min(y1, yy + 1) - max(y0, yy)
                    for xx in range(int(x0), min(self.w, int(x1 + 0.999))):
                        wx = min(x1, xx + 1) - max(x0, xx)
                        s += self.data[yy * self.w + xx] * wx * wy
                out.append(min(1.0, s / (fx * fy)))
        return Mask(w, h, out)


def render(text, font, size, stroke=0.0):
    """Mask of text rendered at pointsize size (pixels at 72 dpi), uncropped."""
    global _CONVERT
    key = (text, font, size, stroke)
    if key in _CACHE:
        return _CACHE[key]
    if _CONVERT is None:
        _CONVERT = _convert_program()
    args = [_CONVERT, "-density", "72", "-background", "black", "-fill", "white", "-font", font,
            "-pointsize", str(size)]
    if stroke > 0:
        args += ["-stroke", "white", "-strokewidth", str(stroke)]
    args += ["label:" + text, "-depth", "8", "pgm:-"]
    data = subprocess.run(args, check=True, capture_output=True).stdout
    mask = _parse_pgm(data)
    _CACHE[key] = mask
    return mask


def _parse_pgm(data):
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    pos += 1
    w, h, maxval = int(fields[1]), int(fields[2]), int(fields[3])
    pixels = data[pos:pos + w * h]
    return Mask(w, h, [v / maxval for v in pixels])


def glyph(text, font, size, stroke=0.0, oversample=4):
    """Text rendered at oversample x and box-filtered down, cropped to its ink."""
    big = render(text, font, size * oversample, stroke * oversample)
    x0, y0, x1, y1 = big.ink_box()
    # Align the crop to the oversampling grid so the downscale stays exact.
    x0 -= x0 % oversample
    y0 -= y0 % oversample
    x1 += (-x1) % oversample
    y1 += (-y1) % oversample
    return big.crop((x0, y0, x1, y1)).scale(oversample, oversample)


def draw_text(canvas, text, font, size, x, y, colour, stroke=0.0, anchor="tl", outline=None,
              outline_r=1, alpha=1.0):
    """Draw text; anchor 'tl' puts the ink's top-left at (x, y), 'c' centres it there.
    Returns the ink size (w, h)."""
    m = glyph(text, font, size, stroke)
    ox, oy = x, y
    if anchor == "c":
        ox, oy = int(round(x - m.w / 2.0)), int(round(y - m.h / 2.0))
    elif anchor == "tc":
        ox = int(round(x - m.w / 2.0))
    if outline is not None:
        d = m.dilate(outline_r)
        canvas.mask(d.data, d.w, d.h, ox - outline_r, oy - outline_r, outline, alpha)
    canvas.mask(m.data, m.w, m.h, ox, oy, colour, alpha)
    return m.w, m.h
