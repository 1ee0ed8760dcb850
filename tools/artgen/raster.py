"""A small anti-aliased rasteriser built on signed distance functions.

Shapes are signed distance fields (negative inside) with a bounding box.
A Canvas keeps premultiplied RGBA floats (0..1) and composites shapes,
gradients and coverage masks over itself.
"""
import math


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(c1, c2, t):
    """Linear blend of two RGB tuples (0..255)."""
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


class Shape:
    """A signed distance function with a bounding box (x0, y0, x1, y1)."""

    def __init__(self, sdf, bbox):
        self.sdf = sdf
        self.bbox = bbox

    def grow(self, r):
        f = self.sdf
        x0, y0, x1, y1 = self.bbox
        return Shape(lambda x, y: f(x, y) - r, (x0 - r, y0 - r, x1 + r, y1 + r))

    def stroke(self, w):
        f = self.sdf
        h = w / 2.0
        x0, y0, x1, y1 = self.bbox
        return Shape(lambda x, y: abs(f(x, y)) - h, (x0 - h, y0 - h, x1 + h, y1 + h))

    def __or__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: min(a(x, y), b(x, y)), _bbox_union(self.bbox, other.bbox))

    def __and__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: max(a(x, y), b(x, y)), _bbox_meet(self.bbox, other.bbox))

    def __sub__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.bbox)


def _bbox_union(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _bbox_meet(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry, angle=0.0):
    """Ellipse, optionally rotated by angle degrees (clockwise on screen)."""
    ca, sa = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def f(x, y):
        dx, dy = x - cx, y - cy
        u, v = dx * ca + dy * sa, -dx * sa + dy * ca
        k0 = math.hypot(u / rx, v / ry)
        if k0 < 1e-9:
            return -min(rx, ry)
        k1 = math.hypot(u / (rx * rx), v / (ry * ry))
        return k0 * (k0 - 1.0) / k1

    m = max(rx, ry)
    return Shape(f, (cx - m, cy - m, cx + m, cy + m))


def rect(x0, y0, x1, y1, r=0.0):
    """Box from (x0, y0) to (x1, y1) in continuous coordinates, corner radius r."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hw, hh = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        out = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return out + min(max(qx, qy), 0.0) - r

    return Shape(f, (x0, y0, x1, y1))


def segment(ax, ay, bx, by, r):
    """Capsule of radius r around the segment a-b."""
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy or 1e-9

    def f(x, y):
        px, py = x - ax, y - ay
        h = clamp((px * dx + py * dy) / ll)
        return math.hypot(px - dx * h, py - dy * h) - r

    return Shape(f, (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r))


def polyline(points, r):
    shape = segment(*points[0], *points[1], r)
    for a, b in zip(points[1:], points[2:]):
        shape = shape | segment(*a, *b, r)
    return shape


def polygon(points):
    """Exact distance to a simple polygon (even-odd inside test)."""
    pts = list(points)
    n = len(pts)

    def f(x, y):
        d = float("inf")
        inside = False
        j = n - 1
        for i in range(n):
            xi, yi = pts[i]
            xj, yj = pts[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            ll = ex * ex + ey * ey or 1e-9
            h = clamp((wx * ex + wy * ey) / ll)
            bx, by = wx - ex * h, wy - ey * h
            d = min(d, bx * bx + by * by)
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        d = math.sqrt(d)
        return -d if inside else d

    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(f, (min(xs), min(ys), max(xs), max(ys)))


def arc(cx, cy, r, a0, a1, w):
    """Stroke of width w along a circle arc from angle a0 to a1 (degrees,
    0 = +x, clockwise on screen since y grows downward)."""
    pts = []
    steps = max(6, int(abs(a1 - a0) / 6))
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polyline(pts, w / 2.0)


def star(cx, cy, r_out, r_in, n=5, rot=-90.0):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(pts)


def transform(shape, fn, bbox):
    """Shape evaluated at fn(x, y); bbox is the caller's bound of the result."""
    f = shape.sdf
    return Shape(lambda x, y: f(*fn(x, y)), bbox)


class Canvas:
    def __init__(self, w, h, colour=None):
        self.w, self.h = w, h
        n = w * h
        if colour is None:
            self.r = [0.0] * n
            self.g = [0.0] * n
            self.b = [0.0] * n
            self.a = [0.0] * n
        else:
            self.r = [colour[0] / 255.0] * n
            self.g = [colour[1] / 255.0] * n
            self.b = [colour[2] / 255.0] * n
            self.a = [1.0] * n

    # -- compositing ------------------------------------------------------
    def blend(self, i, colour, alpha):
        """Composite a straight colour (0..255) with coverage alpha over pixel i."""
        if alpha <= 0.0:
            return
        k = 1.0 - alpha
        self.r[i] = colour[0] / 255.0 * alpha + self.r[i] * k
        self.g[i] = colour[1] / 255.0 * alpha + self.g[i] * k
        self.b[i] = colour[2] / 255.0 * alpha + self.b[i] * k
        self.a[i] = alpha + self.a[i] * k

    def _range(self, bbox, pad=1.0):
        x0 = max(0, int(math.floor(bbox[0] - pad)))
        y0 = max(0, int(math.floor(bbox[1] - pad)))
        x1 = min(self.w, int(math.ceil(bbox[2] + pad)) + 1)
        y1 = min(self.h, int(math.ceil(bbox[3] + pad)) + 1)
        return x0, y0, x1, y1

    def fill(self, shape, colour, alpha=1.0, soft=1.0):
        """Fill a shape. colour is an RGB tuple or a function (x, y) -> RGB.
        soft widens the anti-aliased edge (1 = one pixel)."""
        x0, y0, x1, y1 = self._range(shape.bbox, soft)
        f = shape.sdf
        fn = colour if callable(colour) else None
        inv = 1.0 / soft
        for y in range(y0, y1):
            py = y + 0.5
            row = y * self.w
            for x in range(x0, x1):
                d = f(x + 0.5, py)
                cov = 0.5 - d * inv
                if cov <= 0.0:
                    continue
                if cov > 1.0:
                    cov = 1.0
                c = fn(x + 0.5, py) if fn else colour
                self.blend(row + x, c, cov * alpha)

    def draw(self, shape, fill=None, line=None, width=1.0, alpha=1.0):
        """Cartoon style: an outline of the given width outside the shape, then the fill."""
        if line is not None:
            self.fill(shape.grow(width), line, alpha)
        if fill is not None:
            self.fill(shape, fill, alpha)

    def gradient(self, box, stops, vertical=True, alpha=1.0):
        """Fill box (x0, y0, x1, y1 in pixels, end exclusive) with a linear
        gradient through stops [(t, RGB), ...]."""
        x0, y0, x1, y1 = box
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                if vertical:
                    t = (y - y0) / max(1, (y1 - y0 - 1))
                else:
                    t = (x - x0) / max(1, (x1 - x0 - 1))
                self.blend(y * self.w + x, ramp(stops, t), alpha)

    def mask(self, m, mw, mh, ox, oy, colour, alpha=1.0):
        """Composite a coverage mask (list of floats, mw x mh) at (ox, oy)."""
        for y in range(mh):
            ty = oy + y
            if ty < 0 or ty >= self.h:
                continue
            for x in range(mw):
                tx = ox + x
                if tx < 0 or tx >= self.w:
                    continue
                v = m[y * mw + x]
                if v > 0.0:
                    c = colour(tx + 0.5, ty + 0.5) if callable(colour) else colour
                    self.blend(ty * self.w + tx, c, v * alpha)

    def paste(self, other, ox, oy):
        """Composite another canvas over this one at (ox, oy)."""
        for y in range(other.h):
            ty = oy + y
            if ty < 0 or ty >= self.h:
                continue
            for x in range(other.w):
                tx = ox + x
                if tx < 0 or tx >= self.w:
                    continue
                j = y * other.w + x
                a = other.a[j]
                if a <= 0.0:
                    continue
                i = ty * self.w + tx
                k = 1.0 - a
                self.r[i] = other.r[j] + self.r[i] * k
                self.g[i] = other.g[j] + self.g[i] * k
                self.b[i] = other.b[j] + self.b[i] * k
                self.a[i] = a + self.a[i] * k

    # -- access -----------------------------------------------------------
    def rgba(self, i):
        """Straight (not premultiplied) RGBA bytes of pixel i."""
        a = self.a[i]
        if a <= 1e-6:
            return (0, 0, 0, 0)
        return (_byte(self.r[i] / a), _byte(self.g[i] / a), _byte(self.b[i] / a), _byte(a))

    def rgb_rows(self, background=(255, 255, 255)):
        """Rows of RGB byte tuples, flattened over a background colour."""
        rows = []
        bg = [c / 255.0 for c in background]
        for y in range(self.h):
            row = []
            for x in range(self.w):
                i = y * self.w + x
                k = 1.0 - self.a[i]
                row.append((_byte(self.r[i] + bg[0] * k), _byte(self.g[i] + bg[1] * k),
                            _byte(self.b[i] + bg[2] * k)))
            rows.append(row)
        return rows

    def get(self, x, y):
        return self.rgba(y * self.w + x)


def _byte(v):
    v = int(v * 255.0 + 0.5)
    return 0 if v < 0 else 255 if v > 255 else v


def ramp(stops, t):
    """Colour at t along [(t, RGB), ...] sorted by t."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / ((t1 - t0) or 1.0))
    return stops[-1][1]
