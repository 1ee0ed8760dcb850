"""ぽこみ, the mascot: a round little tanuki with a clock on her tummy.

Drawn in mascot units (about 110 units from leaf to feet, origin at the
middle of the body), scaled by s pixels per unit and placed at (ox, oy).
px is the size of a picture pixel in image pixels (2 for the pictures drawn
twice as large); it scales the thinnest line a small mascot keeps.
"""
import math

import raster as R
from palette import (FUR, FUR_DARK, FUR_LIGHT, MASK, BROWN_INK, BROWN_DARK, BLUSH, LEAF,
                     LEAF_DARK, ORANGE, CREAM)

EYE_WHITE = (252, 252, 250)
MOUTH_RED = (214, 88, 80)

# Arm poses: (shoulder, paw) for the viewer's left and right arm.
POSES = {
    "wave": (((-21, 10), (-29, 30)), ((21, 6), (39, -16))),
    "cheer": (((-21, 6), (-38, -14)), ((21, 6), (38, -14))),
    "hold": (((-21, 9), (-13, 25)), ((21, 9), (13, 25))),
    "point": (((-21, 10), (-29, 30)), ((21, 8), (43, 2))),
    "rest": (((-21, 10), (-27, 31)), ((21, 10), (27, 31))),
    "hold_up": (((-21, 8), (-16, -2)), ((21, 8), (16, -2))),
}


class Pen:
    """Maps mascot units to pixels."""

    def __init__(self, ox, oy, s, px=1):
        self.ox, self.oy, self.s = ox, oy, s
        self.px = px

    def p(self, u, v):
        return (self.ox + u * self.s, self.oy + v * self.s)

    def circle(self, u, v, r):
        x, y = self.p(u, v)
        return R.circle(x, y, r * self.s)

    def ellipse(self, u, v, ru, rv, angle=0.0):
        x, y = self.p(u, v)
        return R.ellipse(x, y, ru * self.s, rv * self.s, angle)

    def seg(self, a, b, r):
        return R.segment(*self.p(*a), *self.p(*b), r * self.s)

    def poly(self, pts):
        return R.polygon([self.p(*q) for q in pts])

    def arc(self, u, v, r, a0, a1, w):
        x, y = self.p(u, v)
        return R.arc(x, y, r * self.s, a0, a1, w * self.s)


def line_width(s, px=1):
    return max(1.0 * px, 1.7 * s)


def draw(canvas, ox, oy, s, pose="wave", eyes="open", mouth="smile", held=None, tail=True, px=1):
    """Draws the mascot. held(canvas, pen) draws something between the body
    and the paws (so the paws hold it)."""
    pen = Pen(ox, oy, s, px)
    lw = line_width(s, px)
    ink = BROWN_DARK
    if tail:
        _tail(canvas, pen, lw)
    # feet
    for side in (-1, 1):
        canvas.draw(pen.ellipse(13 * side, 50, 11, 6.5), FUR_DARK, ink, lw)
    # body and tummy clock
    canvas.draw(pen.ellipse(0, 23, 29, 28), FUR, ink, lw)
    _tummy_clock(canvas, pen, lw)
    arms = POSES[pose]
    for shoulder, paw in arms:
        canvas.draw(pen.seg(shoulder, paw, 5.2), FUR_DARK, ink, lw)
    if held:
        held(canvas, pen)
    for shoulder, paw in arms:
        canvas.draw(pen.circle(paw[0], paw[1], 6.2), FUR_DARK, ink, lw)
        canvas.fill(pen.circle(paw[0], paw[1] + 1.2, 2.6), FUR_LIGHT, 0.55)
    _head(canvas, pen, lw, eyes, mouth)
    return pen


def _tail(canvas, pen, lw):
    base, tip = (22.0, 42.0), (41.0, 14.0)
    dx, dy = tip[0] - base[0], tip[1] - base[1]
    length = math.hypot(dx, dy)
    angle = math.degrees(math.atan2(dy, dx))
    mid = ((base[0] + tip[0]) / 2, (base[1] + tip[1]) / 2)
    tail = pen.ellipse(mid[0], mid[1], length / 2 + 4, 9.5, angle)
    canvas.draw(tail, FUR, BROWN_DARK, lw)
    for t in (0.42, 0.66):
        u, v = base[0] + dx * t, base[1] + dy * t
        canvas.fill(tail & pen.ellipse(u, v, 2.6, 14, angle), FUR_DARK)
    u, v = base[0] + dx * 0.95, base[1] + dy * 0.95
    canvas.fill(tail & pen.ellipse(u, v, 6, 14, angle), FUR_LIGHT)


def _tummy_clock(canvas, pen, lw):
    cx, cy = 0, 26
    canvas.fill(pen.circle(cx, cy, 17.5), FUR_LIGHT)
    canvas.fill(pen.circle(cx, cy, 13.5).stroke(max(0.8 * pen.px, 1.5 * pen.s)), ORANGE, 0.9)
    for k in range(12):
        a = k * 30
        r = 10.8
        u, v = cx + r * math.sin(math.radians(a)), cy - r * math.cos(math.radians(a))
        size = 1.5 if k % 3 == 0 else 0.8
        canvas.fill(pen.circle(u, v, size), BROWN_DARK, 0.85)
    canvas.fill(pen.seg((cx, cy), (cx - 5.2, cy - 3.3), 1.2), BROWN_DARK)
    canvas.fill(pen.seg((cx, cy), (cx + 6.8, cy - 5.6), 0.9), BROWN_DARK)
    canvas.fill(pen.circle(cx, cy, 1.6), ORANGE)


def _head(canvas, pen, lw, eyes, mouth):
    ink = BROWN_DARK
    for side in (-1, 1):
        canvas.draw(pen.circle(23 * side, -41, 10.5), FUR, ink, lw)
        canvas.fill(pen.circle(23 * side, -40, 5.6), MASK)
    # leaf on the head
    leaf = pen.ellipse(7, -53, 5.8, 11, 38)
    canvas.draw(pen.seg((2, -45), (5, -49), 1.1), LEAF_DARK, ink, lw * 0.7)
    canvas.draw(leaf, LEAF, ink, lw)
    canvas.fill(pen.seg((3.5, -46), (11, -60), 0.55), LEAF_DARK)
    head = pen.ellipse(0, -19, 34, 27.5)
    canvas.draw(head, FUR, ink, lw)
    canvas.fill(pen.ellipse(0, -6, 21, 13.5) & head, FUR_LIGHT)
    for side in (-1, 1):
        canvas.fill(pen.ellipse(13 * side, -18, 10.5, 7.8, 18 * side), MASK)
        canvas.fill(pen.ellipse(23 * side, -6, 5.2, 3.2), BLUSH, 0.65)
        _eye(canvas, pen, 12.5 * side, -19, eyes, side)
    canvas.fill(pen.ellipse(0, -10.5, 4.2, 3.1), BROWN_INK)
    canvas.fill(pen.circle(-1.1, -11.4, 1.0), EYE_WHITE, 0.8)
    _mouth(canvas, pen, mouth)


def _eye(canvas, pen, u, v, kind, side):
    if kind == "happy":
        canvas.fill(pen.arc(u, v + 2, 4.2, 200, 340, 2.0), BROWN_INK)
    elif kind == "closed":
        canvas.fill(pen.arc(u, v - 1.5, 4.2, 25, 155, 1.9), BROWN_INK)
    elif kind == "wink" and side < 0:
        canvas.fill(pen.arc(u, v + 2, 4.2, 200, 340, 2.0), BROWN_INK)
    else:
        canvas.fill(pen.ellipse(u, v, 4.3, 5.0), BROWN_INK)
        canvas.fill(pen.circle(u + 1.4, v - 1.8, 1.7), EYE_WHITE)
        canvas.fill(pen.circle(u - 1.5, v + 2.0, 0.8), EYE_WHITE, 0.85)


def _mouth(canvas, pen, kind):
    if kind == "open":
        shape = pen.ellipse(0, -4.6, 4.2, 3.6) & pen.poly([(-6, -5.2), (6, -5.2), (6, 0), (-6, 0)])
        canvas.draw(shape, MOUTH_RED, BROWN_INK, max(0.8 * pen.px, 0.9 * pen.s))
    else:
        for side in (-1, 1):
            canvas.fill(pen.arc(2.3 * side, -8.0, 2.4, 20, 160, 1.1), BROWN_INK)


# -- props ---------------------------------------------------------------------

def envelope(canvas, pen, u, v, w, h, angle_tilt=0):
    """A cream letter with an orange heart seal, centred at (u, v)."""
    lw = line_width(pen.s, pen.px) * 0.8
    body = pen.poly([(u - w / 2, v - h / 2), (u + w / 2, v - h / 2), (u + w / 2, v + h / 2),
                     (u - w / 2, v + h / 2)])
    canvas.draw(body, CREAM, BROWN_DARK, lw)
    canvas.fill(pen.seg((u - w / 2, v - h / 2), (u, v + h * 0.08), 0.6), BROWN_DARK, 0.8)
    canvas.fill(pen.seg((u + w / 2, v - h / 2), (u, v + h * 0.08), 0.6), BROWN_DARK, 0.8)
    heart(canvas, pen, u, v + h * 0.1, h * 0.22, ORANGE)


def heart(canvas, pen, u, v, r, colour):
    shape = (pen.circle(u - r * 0.5, v - r * 0.2, r * 0.55) | pen.circle(u + r * 0.5, v - r * 0.2, r * 0.55)
             | pen.poly([(u - r * 1.02, v - r * 0.05), (u + r * 1.02, v - r * 0.05), (u, v + r * 0.95)]))
    canvas.fill(shape, colour)


def note(canvas, pen, u, v, size, colour):
    """An eighth note whose head is at (u, v)."""
    canvas.fill(pen.ellipse(u, v, size * 0.55, size * 0.4, -20), colour)
    canvas.fill(pen.seg((u + size * 0.48, v - size * 0.1), (u + size * 0.48, v - size * 1.6),
                        size * 0.1), colour)
    canvas.fill(pen.seg((u + size * 0.48, v - size * 1.6), (u + size * 1.0, v - size * 1.05),
                        size * 0.13), colour)


def sparkle(canvas, x, y, r, colour, alpha=1.0):
    shape = R.star(x, y, r, r * 0.28, 4, -90)
    canvas.fill(shape, colour, alpha)
