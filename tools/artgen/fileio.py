"""Writers for BMP, ICO and PNG files, and a median-cut colour quantiser."""
import struct
import zlib


def _info_header(w, h, bits, image_size, colours):
    # BITMAPINFOHEADER; a positive height means rows are stored bottom-up.
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, image_size, 2835, 2835, colours, colours)


def _file(info, palette_bytes, pixels):
    offset = 14 + len(info) + len(palette_bytes)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + palette_bytes + pixels


def bmp24(rows):
    """rows: top-down list of rows of (r, g, b). Returns the bytes of a 24-bit BMP."""
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        out += line
    return _file(_info_header(w, h, 24, len(out), 0), b"", bytes(out))


def bmp_indexed(indices, palette, bits):
    """indices: top-down rows of palette indices; palette: list of (r, g, b).
    bits is 4 or 8."""
    h, w = len(indices), len(indices[0])
    assert len(palette) <= (1 << bits)
    stride = ((w * bits + 31) // 32) * 4
    out = bytearray()
    for row in reversed(indices):
        line = bytearray()
        if bits == 8:
            line += bytes(row)
        else:
            for x in range(0, w, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < w else 0
                line.append((hi << 4) | lo)
        line += b"\0" * (stride - len(line))
        out += line
    # A full colour table: every loader reads it the same way.
    palette = list(palette) + [palette[0]] * ((1 << bits) - len(palette))
    pal = bytearray()
    for r, g, b in palette:
        pal += bytes((b, g, r, 0))
    return _file(_info_header(w, h, bits, len(out), len(palette)), bytes(pal), bytes(out))


def ico(images):
    """images: list of (size, rgba rows top-down). Each image is stored as a
    32-bit BGRA DIB with an AND mask that marks the transparent pixels."""
    entries = []
    blobs = []
    for size, rows in images:
        xor = bytearray()
        mask = bytearray()
        mask_stride = ((size + 31) // 32) * 4
        for row in reversed(rows):
            bits = bytearray(mask_stride)
            for x, (r, g, b, a) in enumerate(row):
                if a < 128:
                    bits[x >> 3] |= 0x80 >> (x & 7)
                if a == 0:
                    r = g = b = 0
                xor += bytes((b, g, r, a))
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blobs.append(header + bytes(xor) + bytes(mask))
        entries.append(size)
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, blob in zip(entries, blobs):
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def png(rows):
    """rows: top-down rows of (r, g, b). Returns PNG bytes (8-bit RGB)."""
    h, w = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for px in row:
            raw += bytes(px[:3])

    def chunk(tag, data):
        c = struct.pack(">I", len(data)) + tag + data
        return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def read_bmp(data):
    """Reads back a BMP written by this module: returns top-down rows of (r, g, b)."""
    offset = struct.unpack_from("<I", data, 10)[0]
    w, h, _, bits = struct.unpack_from("<iiHH", data, 18)
    colours = struct.unpack_from("<I", data, 46)[0]
    palette = []
    if bits <= 8:
        n = colours or (1 << bits)
        for i in range(n):
            b, g, r, _ = data[54 + 4 * i: 58 + 4 * i]
            palette.append((r, g, b))
    stride = ((w * bits + 31) // 32) * 4
    rows = []
    for y in range(h):
        base = offset + (h - 1 - y) * stride
        row = []
        for x in range(w):
            if bits == 24:
                b, g, r = data[base + 3 * x: base + 3 * x + 3]
                row.append((r, g, b))
            elif bits == 8:
                row.append(palette[data[base + x]])
            else:
                v = data[base + x // 2]
                row.append(palette[(v >> 4) if x % 2 == 0 else (v & 15)])
        rows.append(row)
    return rows


# -- quantisation -------------------------------------------------------------

def median_cut(counts, n):
    """counts: {(r, g, b): pixel count}. Returns up to n representative colours."""
    boxes = [list(counts.items())]
    while len(boxes) < n:
        best, best_score, best_axis = None, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for axis in range(3):
                vals = [c[axis] for c, _ in box]
                spread = max(vals) - min(vals)
                weight = sum(k for _, k in box)
                score = spread * spread * weight ** 0.5
                if score > best_score:
                    best, best_score, best_axis = i, score, axis
        if best is None or best_score <= 0:
            break
        box = sorted(boxes.pop(best), key=lambda item: item[0][best_axis])
        total = sum(k for _, k in box)
        acc, cut = 0, 1
        for j, (_, k) in enumerate(box):
            acc += k
            if acc >= total / 2:
                cut = max(1, min(len(box) - 1, j + 1))
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(k for _, k in box)
        palette.append(tuple(int(round(sum(c[a] * k for c, k in box) / total)) for a in range(3)))
    return palette


def nearest_indexer(palette):
    cache = {}

    def index(c):
        i = cache.get(c)
        if i is None:
            best = None
            for j, p in enumerate(palette):
                d = (p[0] - c[0]) ** 2 * 3 + (p[1] - c[1]) ** 2 * 4 + (p[2] - c[2]) ** 2 * 2
                if best is None or d < best:
                    best, i = d, j
            cache[c] = i
        return i

    return index


def quantise(rows, n, fixed=(), avoid=()):
    """Reduce rows of RGB to a palette of at most n colours.
    fixed: colours that must appear at the start of the palette (exact).
    avoid: exact colours that must not be produced for pixels not equal
    to a fixed colour (each is nudged by one step)."""
    fixed = list(fixed)
    counts = {}
    for row in rows:
        for c in row:
            if c not in fixed:
                counts[c] = counts.get(c, 0) + 1
    palette = fixed + median_cut(counts, n - len(fixed)) if counts else fixed
    palette = fixed + [_nudge(c, avoid) for c in palette[len(fixed):]]
    index = nearest_indexer(palette[len(fixed):])
    out = []
    for row in rows:
        line = []
        for c in row:
            if c in fixed:
                line.append(fixed.index(c))
            else:
                line.append(index(c) + len(fixed))
        out.append(line)
    return out, palette


def _nudge(c, avoid):
    while c in avoid:
        c = tuple(v + 1 if v < 128 else v - 1 for v in c)
    return c
