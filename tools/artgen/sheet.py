"""Contact sheets: lays out images (RGB rows) with captions and saves a PNG."""
import fileio
import raster as R
import text

SHEET_BG = (236, 236, 232)


def scaled(rows, k):
    return [[px for px in row for _ in range(k)] for row in rows for _ in range(k)]


class Sheet:
    def __init__(self, width, margin=12):
        self.width = width
        self.margin = margin
        self.items = []          # (x, y, rows, caption)
        self.x = margin
        self.y = margin
        self.line_h = 0

    def add(self, rows, caption="", k=3):
        img = scaled(rows, k)
        w, h = len(img[0]), len(img) + (16 if caption else 0)
        if self.x + w > self.width - self.margin and self.x > self.margin:
            self.newline()
        self.items.append((self.x, self.y, img, caption))
        self.x += w + self.margin
        self.line_h = max(self.line_h, h)

    def newline(self):
        self.x = self.margin
        self.y += self.line_h + self.margin
        self.line_h = 0

    def save(self, path):
        height = self.y + self.line_h + self.margin
        cv = R.Canvas(self.width, height, SHEET_BG)
        out = cv.rgb_rows()
        for x, y, img, caption in self.items:
            for j, row in enumerate(img):
                out[y + j][x:x + len(row)] = row
        cap = R.Canvas(self.width, height)
        for x, y, img, caption in self.items:
            if caption:
                text.draw_text(cap, caption, text.PGOTHIC, 11, x, y + len(img) + 3, (40, 40, 40))
        for yy in range(height):
            for xx in range(self.width):
                i = yy * self.width + xx
                a = cap.a[i]
                if a > 0:
                    r, g, b = out[yy][xx]
                    k = 1 - a
                    out[yy][xx] = (int(cap.r[i] * 255 + r * k), int(cap.g[i] * 255 + g * k),
                                   int(cap.b[i] * 255 + b * k))
        with open(path, "wb") as f:
            f.write(fileio.png(out))
