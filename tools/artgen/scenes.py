"""The five sample illustrations of the data folder and the built-in fallback
picture, all 165 x 422 like the clock window."""
import math
import random

import mascot
import raster as R
import scenery as S
import text
from palette import (WINDOW_W, WINDOW_H, CLOCK_X, CLOCK_Y, DIAL_R, CREAM, CREAM_DEEP, ORANGE, BROWN,
                     BROWN_DARK, WHITE, RED)

W, H = WINDOW_W, WINDOW_H


def _outside_dial(x, y, margin=4):
    return math.hypot(x - CLOCK_X, y - CLOCK_Y) > DIAL_R + margin


def _swim_ring(c, p):
    ring = p.ellipse(0, 25, 31, 9)
    lw = mascot.line_width(p.s)
    c.draw(ring, (255, 112, 100), BROWN_DARK, lw)
    for u in (-20, 0, 20):
        c.fill(ring & p.ellipse(u, 25, 4.5, 12), WHITE)
    c.draw(p.ellipse(0, 23.5, 16, 3.6), (120, 70, 60), BROWN_DARK, lw * 0.6)


def _snowy_branch(cv, points, twigs):
    bark = (104, 78, 64)
    cv.fill(R.polyline(points, 2.0), bark)
    for a, b in twigs:
        cv.fill(R.segment(*a, *b, 1.2), bark)
    lifted = [(x, y - 2.0) for x, y in points]
    cv.fill(R.polyline(lifted, 1.7), WHITE)
    for a, b in twigs:
        cv.fill(R.segment(a[0], a[1] - 1.4, b[0], b[1] - 1.4, 1.0), WHITE)


def _bird(cv, x, y):
    """A round red bullfinch sitting on a branch at (x, y)."""
    cv.fill(R.polygon([(x + 5, y - 4), (x + 11, y - 1), (x + 10, y + 1)]), (70, 70, 84))
    cv.fill(R.ellipse(x, y - 5, 6.5, 5), (96, 100, 120))
    cv.fill(R.ellipse(x - 1.5, y - 3.5, 4.5, 3.5), (232, 110, 96))
    cv.fill(R.circle(x - 4.5, y - 8.5, 3.6), (40, 40, 52))
    cv.fill(R.circle(x - 5.5, y - 9, 0.8), WHITE)
    cv.fill(R.polygon([(x - 8, y - 9), (x - 10.2, y - 8), (x - 8, y - 7.2)]), (60, 50, 50))


def spring():
    cv = R.Canvas(W, H)
    cv.gradient((0, 0, W, H), [(0.0, (150, 204, 240)), (0.55, (214, 236, 250)), (0.8, (252, 232, 238)),
                               (1.0, (252, 226, 232))])
    rnd = random.Random(11)
    S.cloud(cv, 128, 118, 44, alpha=0.9)
    S.fill_below(cv, S.waves(318, (9, 0.035, 0.4), (4, 0.09, 1.0)), (186, 218, 196))
    S.fill_below(cv, S.waves(338, (7, 0.05, 2.2), (3, 0.11, 0.3)), (156, 206, 132))
    S.fill_below(cv, S.waves(362, (4, 0.04, 1.0)), lambda x, y: R.mix((150, 206, 112), (120, 184, 92), (y - 360) / 60))
    for _ in range(26):
        x, y = rnd.uniform(4, 160), rnd.uniform(368, 418)
        colour = rnd.choice([(255, 226, 90), WHITE, (250, 190, 210)])
        cv.fill(R.circle(x, y, rnd.uniform(0.9, 1.6)), colour, 0.95)
    # cherry trees leaning in from both sides
    trunk = (126, 84, 66)
    cv.fill(R.polyline([(-6, 168), (14, 120), (22, 80), (40, 46)], 4.2), trunk)
    cv.fill(R.polyline([(16, 110), (50, 92), (70, 84)], 2.2), trunk)
    cv.fill(R.polyline([(171, 150), (150, 112), (140, 70), (122, 48)], 4.0), trunk)
    cv.fill(R.polyline([(146, 96), (118, 86), (100, 86)], 2.0), trunk)
    clusters = [(10, 60, 26), (38, 40, 20), (66, 78, 14), (4, 118, 16), (156, 58, 26), (126, 40, 18),
                (104, 80, 13), (162, 108, 16), (80, 30, 12)]
    for cx, cy, r in clusters:
        cv.fill(R.circle(cx, cy, r * 0.85), (250, 200, 216), 0.55, soft=6.0)
        for _ in range(int(r * 1.4)):
            a, d = rnd.uniform(0, 2 * math.pi), rnd.uniform(0, r)
            x, y = cx + d * math.cos(a), cy + d * math.sin(a)
            shade = rnd.choice([(255, 226, 234), (248, 180, 200), (255, 240, 244), (244, 160, 186)])
            S.blossom(cv, x, y, rnd.uniform(3.0, 5.0), shade, rot=rnd.uniform(0, 72))
    S.dial(cv, (255, 246, 248), 0.62, ring=WHITE, tick=(200, 110, 140))
    for _ in range(40):
        x, y = rnd.uniform(0, W), rnd.uniform(130, 380)
        inner = not _outside_dial(x, y)
        S.petal(cv, x, y, rnd.uniform(1.6, 2.8), rnd.uniform(0, 180), (246, 160, 186),
                0.35 if inner else 0.9)
    mascot.draw(cv, 27, 345, 0.36, "wave", eyes="happy", mouth="open")
    S.blossom(cv, 137, 366, 6, (250, 180, 200))
    S.blossom(cv, 149, 372, 4.5, (255, 220, 230))
    S.frame(cv)
    return cv


def summer():
    cv = R.Canvas(W, H)
    horizon = 268
    cv.gradient((0, 0, W, horizon), [(0.0, (66, 156, 226)), (0.6, (140, 204, 244)), (1.0, (206, 236, 252))])
    cv.gradient((0, horizon, W, H), [(0.0, (64, 150, 214)), (0.6, (84, 190, 214)), (1.0, (120, 214, 216))])
    rnd = random.Random(22)
    # sun with a soft glow
    cv.fill(R.circle(138, 56, 30), (255, 250, 210), 0.35, soft=16)
    cv.fill(R.circle(138, 56, 13), (255, 236, 150))
    cv.fill(R.circle(138, 56, 10), (255, 250, 214))
    S.cloud(cv, 36, 84, 62)
    S.cloud(cv, 92, 60, 34, alpha=0.95)
    S.cloud(cv, 20, 262, 50, alpha=0.9)
    for x, y in ((58, 118), (72, 110), (110, 128)):
        cv.fill(R.arc(x - 3, y, 3.2, 200, 330, 1.2) | R.arc(x + 3, y, 3.2, 210, 340, 1.2), (70, 80, 110))
    for _ in range(34):
        x, y = rnd.uniform(0, W), rnd.uniform(horizon + 6, 340)
        w = rnd.uniform(4, 10)
        cv.fill(R.segment(x - w, y, x + w, y, 0.6), WHITE, 0.55)
    # sailboat on the sea
    bx, by = 92, 326
    cv.fill(R.polygon([(bx - 11, by), (bx + 11, by), (bx + 7, by + 6), (bx - 7, by + 6)]), (236, 98, 70))
    cv.fill(R.polygon([(bx + 1, by - 24), (bx + 1, by - 2), (bx + 12, by - 2)]), WHITE)
    cv.fill(R.polygon([(bx - 1, by - 19), (bx - 1, by - 2), (bx - 9, by - 2)]), (255, 226, 180))
    cv.fill(R.rect(bx - 0.5, by - 25, bx + 0.6, by + 1), BROWN_DARK)
    # beach
    sand = S.waves(352, (3.5, 0.06, 0.5), (2, 0.15, 1.2))
    S.fill_below(cv, lambda x: sand(x) - 3, (240, 252, 252), alpha=0.9)
    S.fill_below(cv, sand, lambda x, y: R.mix((248, 228, 178), (236, 206, 150), (y - 350) / 70))
    for x, y, c in ((18, 404, (250, 170, 150)), (140, 398, (255, 214, 170)), (130, 412, (250, 190, 160))):
        cv.fill(R.star(x, y, 4.2, 1.8), c)
    cv.fill(R.ellipse(26, 386, 3.6, 2.8), (255, 236, 220))
    # parasol in the brand orange
    cv.fill(R.segment(139, 336, 131, 382, 1.1), (120, 90, 70))
    for i in range(5):
        a0, a1 = 190 + i * 32, 222 + i * 32
        wedge = R.polygon([(140, 337)] + [(140 + 24 * math.cos(math.radians(a)), 337 + 12 * math.sin(math.radians(a)))
                                          for a in range(a0, a1 + 1, 4)])
        cv.fill(wedge, ORANGE if i % 2 == 0 else WHITE)
    S.dial(cv, (246, 252, 255), 0.6, ring=WHITE, tick=(60, 120, 170))
    mascot.draw(cv, 25, 348, 0.36, "cheer", eyes="happy", mouth="open",
                held=_swim_ring)
    S.frame(cv)
    return cv


def autumn():
    cv = R.Canvas(W, H)
    cv.gradient((0, 0, W, H), [(0.0, (244, 186, 128)), (0.45, (252, 222, 170)), (0.75, (252, 236, 206)),
                               (1.0, (250, 230, 200))])
    rnd = random.Random(33)
    S.fill_below(cv, S.waves(300, (16, 0.03, 0.2), (6, 0.08, 1.3)), (214, 152, 132))
    S.fill_below(cv, S.waves(322, (10, 0.045, 2.0), (4, 0.13, 0.4)), (204, 96, 68))
    S.fill_below(cv, S.waves(340, (6, 0.05, 0.9), (3, 0.17, 2.1)), (232, 150, 60))
    S.fill_below(cv, S.waves(366, (3, 0.06, 0.4)), lambda x, y: R.mix((196, 140, 84), (170, 112, 66), (y - 366) / 50))
    for _ in range(40):
        x, y = rnd.uniform(0, W), rnd.uniform(370, 420)
        S.maple_leaf(cv, x, y, rnd.uniform(2.5, 4.0), rnd.uniform(0, 360),
                     rnd.choice([(224, 70, 44), (240, 140, 40), (246, 196, 60)]), 0.9)
    # maple trees in the upper corners
    trunk = (110, 70, 48)
    cv.fill(R.polyline([(-4, 150), (16, 104), (30, 60)], 4.0), trunk)
    cv.fill(R.polyline([(170, 140), (148, 96), (136, 56)], 3.6), trunk)
    for cx, cy, r in ((12, 62, 28), (44, 38, 18), (152, 56, 26), (122, 36, 16), (168, 104, 14), (2, 112, 14)):
        for _ in range(int(r * 2.2)):
            a, d = rnd.uniform(0, 2 * math.pi), rnd.uniform(0, r)
            colour = rnd.choice([(214, 52, 38), (232, 92, 40), (244, 150, 48), (196, 40, 36)])
            S.maple_leaf(cv, cx + d * math.cos(a), cy + d * math.sin(a), rnd.uniform(4, 6.5),
                         rnd.uniform(0, 360), colour)
    # red dragonflies
    for x, y, a in ((92, 108, -10), (70, 124, 15)):
        cv.fill(R.ellipse(x, y, 6, 1.1, a), (200, 50, 40))
        for s in (-1, 1):
            cv.fill(R.ellipse(x - 1.5, y + 3.2 * s, 1.6, 3.4, a + 20 * s), WHITE, 0.6)
            cv.fill(R.ellipse(x + 1.5, y + 3.2 * s, 1.4, 3.0, a - 20 * s), WHITE, 0.6)
    S.dial(cv, (255, 248, 236), 0.62, ring=WHITE, tick=(190, 90, 50))
    for _ in range(22):
        x, y = rnd.uniform(0, W), rnd.uniform(120, 370)
        inner = not _outside_dial(x, y)
        S.maple_leaf(cv, x, y, rnd.uniform(3.0, 5.0), rnd.uniform(0, 360),
                     rnd.choice([(224, 70, 44), (240, 140, 40), (246, 196, 60)]), 0.3 if inner else 0.95)
    mascot.draw(cv, 140, 346, 0.36, "hold", eyes="open", mouth="open",
                held=lambda c, p: S.maple_leaf(c, *p.p(0, 19), 24 * p.s, 8, (222, 62, 40)))
    S.frame(cv)
    return cv


def winter():
    cv = R.Canvas(W, H)
    cv.gradient((0, 0, W, H), [(0.0, (140, 172, 214)), (0.5, (200, 220, 240)), (1.0, (226, 236, 248))])
    rnd = random.Random(44)
    S.fill_below(cv, S.waves(312, (12, 0.03, 0.9), (5, 0.09, 0.2)), (214, 226, 242))
    for x, base, h in ((12, 318, 46), (30, 322, 34), (150, 312, 50), (134, 320, 32)):
        S.pine(cv, x, base, h, (58, 110, 96), snow=WHITE)
    S.fill_below(cv, S.waves(344, (6, 0.05, 1.6), (3, 0.12, 0.6)), lambda x, y: R.mix((248, 250, 255), (226, 236, 250), (y - 340) / 80))
    S.fill_below(cv, S.waves(372, (3, 0.07, 2.5)), lambda x, y: R.mix((252, 253, 255), (232, 240, 250), (y - 370) / 50))
    # snowman
    sx = 142
    cv.fill(R.ellipse(sx, 380, 15, 4), (200, 214, 236))
    cv.fill(R.circle(sx, 366, 13), WHITE)
    cv.fill(R.circle(sx, 343, 9.5), WHITE)
    cv.fill(R.circle(sx, 366, 13).stroke(1.0) | R.circle(sx, 343, 9.5).stroke(1.0), (176, 196, 222))
    cv.fill(R.rect(sx - 8, 330, sx + 8, 333, 1) | R.rect(sx - 5, 320, sx + 5, 331, 1), (70, 70, 90))
    cv.fill(R.circle(sx - 3, 341, 1.1) | R.circle(sx + 3, 341, 1.1), (50, 40, 40))
    cv.fill(R.polygon([(sx, 344), (sx + 7, 346), (sx, 347)]), ORANGE)
    cv.fill(R.rect(sx - 9, 351, sx + 9, 355, 2) | R.rect(sx + 3, 351, sx + 7, 362, 1.5), RED)
    # snowy branches above
    _snowy_branch(cv, [(-6, 74), (22, 60), (48, 56), (62, 50)], [((22, 60), (30, 44)), ((40, 57), (52, 66))])
    _snowy_branch(cv, [(171, 104), (146, 88), (124, 84), (110, 76)], [((146, 88), (140, 72)), ((128, 85), (116, 94))])
    _bird(cv, 40, 52)
    S.dial(cv, (250, 252, 255), 0.62, ring=WHITE, tick=(90, 120, 170))
    for _ in range(90):
        x, y = rnd.uniform(0, W), rnd.uniform(22, 380)
        inner = not _outside_dial(x, y)
        r = rnd.uniform(0.8, 2.0)
        cv.fill(R.circle(x, y, r), WHITE, 0.45 if inner else 0.95)
    for _ in range(12):
        x, y = rnd.uniform(4, 160), rnd.uniform(40, 370)
        if _outside_dial(x, y, 8):
            S.snowflake(cv, x, y, rnd.uniform(3.0, 4.5), WHITE, 0.95)
    red_scarf = lambda c, p: (c.draw(p.ellipse(0, 2, 24, 5), (220, 64, 56), BROWN_DARK, mascot.line_width(p.s)),
                              c.draw(p.poly([(8, 2), (15, 3), (17, 22), (10, 22)]), (220, 64, 56), BROWN_DARK,
                                     mascot.line_width(p.s)))
    mascot.draw(cv, 28, 347, 0.36, "rest", eyes="happy", mouth="smile", held=red_scarf)
    S.frame(cv)
    return cv


def night():
    cv = R.Canvas(W, H)
    cv.gradient((0, 0, W, H), [(0.0, (20, 28, 70)), (0.45, (40, 48, 106)), (0.8, (82, 72, 138)),
                               (1.0, (104, 86, 150))])
    rnd = random.Random(55)
    for _ in range(150):
        x, y = rnd.uniform(0, W), rnd.uniform(20, 360)
        if not _outside_dial(x, y, 10):
            continue
        cv.fill(R.circle(x, y, rnd.uniform(0.4, 1.0)), (255, 250, 230), rnd.uniform(0.4, 1.0))
    for _ in range(9):
        x, y = rnd.uniform(6, 158), rnd.uniform(30, 340)
        if _outside_dial(x, y, 12):
            S.twinkle(cv, x, y, rnd.uniform(2.6, 4.0), (255, 236, 150))
    # shooting star
    cv.fill(R.segment(20, 40, 60, 62, 0.8), (255, 250, 220), 0.5)
    cv.fill(R.segment(44, 53, 60, 62, 1.0), (255, 250, 220), 0.8)
    S.twinkle(cv, 61, 62, 3.5, (255, 240, 170))
    # the moon is the dial
    cx, cy = CLOCK_X + 0.5, CLOCK_Y + 0.5
    cv.fill(R.circle(cx, cy, DIAL_R + 6), (255, 240, 190), 0.18, soft=14)
    cv.fill(R.circle(cx, cy, DIAL_R), lambda x, y: R.mix((255, 250, 222), (252, 236, 180),
                                                         R.clamp((y - cy + DIAL_R) / (2 * DIAL_R))))
    for x, y, r in ((48, 186, 11), (120, 262, 14), (112, 170, 6), (60, 262, 7), (136, 206, 5)):
        cv.fill(R.circle(x, y, r), (236, 214, 160), 0.16, soft=2.0)
    S.dial(cv, (255, 250, 222), 0.0, ring=(255, 252, 236), tick=(176, 146, 90), tick_alpha=0.6)
    # hills and a little town
    S.fill_below(cv, S.waves(336, (10, 0.035, 0.5), (4, 0.1, 1.4)), (54, 50, 104))
    houses = [(8, 350, 16, 14), (26, 344, 14, 20), (118, 346, 16, 16), (136, 338, 14, 24), (152, 348, 16, 14)]
    for x, y, w, h in houses:
        cv.fill(R.rect(x, y, x + w, y + h + 40), (40, 38, 84))
        cv.fill(R.polygon([(x - 2, y), (x + w / 2, y - 8), (x + w + 2, y)]), (40, 38, 84))
        cv.fill(R.rect(x + w / 2 - 2, y + 4, x + w / 2 + 2, y + 8), (255, 214, 110))
    S.fill_below(cv, S.waves(362, (5, 0.05, 2.0)), (34, 34, 76))
    cv.fill(R.ellipse(30, 366, 17, 3.5), (24, 24, 60), 0.6)
    mascot.draw(cv, 30, 348, 0.34, "rest", eyes="closed", mouth="smile")
    text.draw_text(cv, "z", text.SANS_BOLD, 9, 44, 318, (255, 240, 190))
    text.draw_text(cv, "z", text.SANS_BOLD, 7, 51, 310, (255, 240, 190), alpha=0.8)
    S.frame(cv)
    return cv


def fallback():
    cv = R.Canvas(W, H, CREAM)
    for k in range(-H, W + H, 14):
        cv.fill(R.segment(k, 0, k + H, H, 2.5), CREAM_DEEP, 0.7)
    border = R.rect(7, 27, W - 7, H - 5, 10).stroke(1.6)
    cv.fill(border, BROWN, 0.35)
    for y in range(36, H - 14, 10):
        cv.fill(R.circle(12.5, y, 1.1) | R.circle(W - 12.5, y, 1.1), ORANGE, 0.6)
    S.dial(cv, (255, 252, 244), 0.9, ring=(240, 200, 160), tick=BROWN)
    # an empty picture with a question mark
    x0, y0 = 66, 306
    cv.fill(R.rect(x0 - 1.5, y0 - 1.5, x0 + 34.5, y0 + 25.5, 3), BROWN, 0.8)
    cv.fill(R.rect(x0, y0, x0 + 33, y0 + 24, 2), (210, 236, 250))
    cv.fill(R.polygon([(x0, y0 + 24), (x0 + 11, y0 + 12), (x0 + 20, y0 + 24)]), (150, 200, 120))
    cv.fill(R.polygon([(x0 + 12, y0 + 24), (x0 + 23, y0 + 10), (x0 + 33, y0 + 24)]), (120, 180, 100))
    cv.fill(R.circle(x0 + 25, y0 + 7, 3.2), (255, 210, 90))
    text.draw_text(cv, "イラストが ありません", text.PGOTHIC, 12, W // 2, 342, BROWN_DARK, stroke=0.3,
                   anchor="tc")
    S.frame(cv)
    return cv


SCENES = [("春の桜", spring), ("夏の海", summer), ("秋の紅葉", autumn), ("冬の雪", winter),
          ("星の夜", night)]
