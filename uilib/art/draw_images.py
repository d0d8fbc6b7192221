#!/usr/bin/env python3
"""Draws every bitmap and the icon of the two dialog programs.

    python3 uilib/art/draw_images.py

writes settings/res/* and info/res/* (the .bmp and .ico files and each
program's images.rc) from the drawings below. The output is byte-for-byte the
same on every run, so regenerated files only show up in a diff when a drawing
changed. Standard library only: this runs on the build machine, which has no
imaging packages.

Look: everything sits on the header colour RGB(233,234,227) or the white body.
Slate RGB(61,61,92) (the body label colour) is the ink and the accent, the
gauge green RGB(101,189,101) means charge, amber marks power.

Marker masks (1 bit per pixel, palette entry 0 black, entry 1 white):
    bit 1 (white) = marker pixel, drawn;
    bit 0 (black) = transparent, the gauge behind stays.
That is the polarity MaskBlt expects with
    MaskBlt(dst, x, 0, 7, 22, markerDC, 0, 0, hMask, 0, 0,
            MAKEROP4(SRCCOPY, 0x00AA0029 /* D: keep destination */))
since a 1 in the mask selects the foreground operation. The palette is
black-then-white so a monochrome bitmap loaded from the resource has the same
bits as the file.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

# ---------------------------------------------------------------- palette

HEADER = (233, 234, 227)   # header area and band background
THIRD = (222, 223, 213)    # third area, light separator line
LINE = (156, 156, 156)     # dark separator line
WHITE = (255, 255, 255)    # body
INK = (61, 61, 92)         # slate: outlines, pressed face, accents
INK_DEEP = (44, 44, 70)
INK_SOFT = (112, 113, 148)
NIGHT_TOP = (58, 60, 96)
NIGHT_BOTTOM = (92, 96, 140)
GREEN = (101, 189, 101)    # gauge level fill
GREEN_DARK = (58, 138, 64)
RED = (198, 101, 101)      # gauge fill below the limit
RED_DARK = (160, 58, 58)
FRAME = (160, 160, 160)    # gauge frame
AMBER = (242, 176, 48)
AMBER_DARK = (196, 128, 20)
MOON = (250, 228, 160)
CAVITY = (38, 38, 56)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def vgrad(y0, c0, y1, c1):
    """Paint varying from c0 at y0 to c1 at y1."""
    def paint(x, y):
        t = 0.0 if y1 == y0 else min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return mix(c0, c1, t)
    return paint


# ---------------------------------------------------------------- shapes
# Each shape answers "is this point inside" and its bounding box; the canvas
# supersamples them, which gives clean anti-aliased edges without a rasteriser.

class Shape:
    def __or__(self, other):
        return Union(self, other)

    def __sub__(self, other):
        return Minus(self, other)



class Rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.box = (x0, y0, x1, y1)

    def inside(self, x, y):
        x0, y0, x1, y1 = self.box
        return x0 <= x < x1 and y0 <= y < y1


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r):
        self.box = (x0, y0, x1, y1)
        self.r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)

    def inside(self, x, y):
        x0, y0, x1, y1 = self.box
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        r = self.r
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry=None):
        ry = rx if ry is None else ry
        self.c = (cx, cy, rx, ry)
        self.box = (cx - rx, cy - ry, cx + rx, cy + ry)

    def inside(self, x, y):
        cx, cy, rx, ry = self.c
        return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


class Poly(Shape):
    def __init__(self, pts):
        self.pts = pts
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    def inside(self, x, y):
        pts = self.pts
        n = len(pts)
        hit = False
        j = n - 1
        for i in range(n):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit


class Stroke(Shape):
    """A polyline of the given width with round ends and joins."""

    def __init__(self, pts, width):
        self.pts = pts
        self.h = width / 2.0
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.box = (min(xs) - self.h, min(ys) - self.h,
                    max(xs) + self.h, max(ys) + self.h)

    def inside(self, x, y):
        h2 = self.h * self.h
        pts = self.pts
        for i in range(len(pts) - 1):
            ax, ay = pts[i]
            bx, by = pts[i + 1]
            dx, dy = bx - ax, by - ay
            ll = dx * dx + dy * dy
            t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
            px, py = ax + t * dx - x, ay + t * dy - y
            if px * px + py * py <= h2:
                return True
        return False


class Arc(Shape):
    """Part of a ring: radius r, width w, angles in degrees (0 = right, 90 = down)."""

    def __init__(self, cx, cy, r, w, a0, a1):
        self.c = (cx, cy, r, w / 2.0, a0, a1)
        self.box = (cx - r - w, cy - r - w, cx + r + w, cy + r + w)

    def inside(self, x, y):
        cx, cy, r, h, a0, a1 = self.c
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > h:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx))
        return a0 <= a <= a1 or a0 <= a + 360 <= a1


class Union(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.box = (min(a.box[0], b.box[0]), min(a.box[1], b.box[1]),
                    max(a.box[2], b.box[2]), max(a.box[3], b.box[3]))

    def inside(self, x, y):
        return self.a.inside(x, y) or self.b.inside(x, y)


class Minus(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.box = a.box

    def inside(self, x, y):
        return self.a.inside(x, y) and not self.b.inside(x, y)


def bezier(p0, p1, p2, p3, steps=24):
    out = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        out.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                    u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return out


# ---------------------------------------------------------------- canvas

class Canvas:
    """Straight-alpha RGBA in floats; bg None means fully transparent."""

    SS = 6  # samples per pixel along each axis

    def __init__(self, w, h, bg=None):
        self.w, self.h = w, h
        if bg is None:
            self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        else:
            self.px = [[float(bg[0]), float(bg[1]), float(bg[2]), 1.0] for _ in range(w * h)]

    def put(self, x, y, rgb, a=1.0):
        if not (0 <= x < self.w and 0 <= y < self.h) or a <= 0:
            return
        p = self.px[y * self.w + x]
        da = p[3]
        oa = a + da * (1 - a)
        for i in range(3):
            p[i] = (rgb[i] * a + p[i] * da * (1 - a)) / oa
        p[3] = oa

    def fill(self, shape, paint, alpha=1.0):
        x0, y0, x1, y1 = shape.box
        n = self.SS
        offs = [(k + 0.5) / n for k in range(n)]
        for y in range(max(0, int(math.floor(y0))), min(self.h, int(math.ceil(y1)))):
            for x in range(max(0, int(math.floor(x0))), min(self.w, int(math.ceil(x1)))):
                hits = 0
                for oy in offs:
                    for ox in offs:
                        if shape.inside(x + ox, y + oy):
                            hits += 1
                if hits:
                    rgb = paint(x + 0.5, y + 0.5) if callable(paint) else paint
                    self.put(x, y, rgb, alpha * hits / (n * n))

    def paste(self, other, dx, dy):
        for y in range(other.h):
            for x in range(other.w):
                r, g, b, a = other.px[y * other.w + x]
                self.put(x + dx, y + dy, (r, g, b), a)

    def rgb_rows(self):
        """Rows of 8-bit (r, g, b), top first; the canvas must be opaque."""
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                assert a > 0.999, "opaque bitmap with a hole at %d,%d" % (x, y)
                row.append((q(r), q(g), q(b)))
            rows.append(row)
        return rows

    def rgba_rows(self):
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                qa = q(a * 255)
                row.append((q(r), q(g), q(b), qa) if qa else (0, 0, 0, 0))
            rows.append(row)
        return rows


def q(v):
    return max(0, min(255, int(math.floor(v + 0.5))))


# ---------------------------------------------------------------- file formats

def _info_header(w, h, bpp, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, image_size,
                       3780, 3780, colours, 0)  # 3780 px/m = 96 dpi


def bmp_bytes(rows, bpp):
    """rows: top-first lists of (r,g,b); 24, 8 (palette of used colours) or 1 bit."""
    h, w = len(rows), len(rows[0])
    stride = ((w * bpp + 31) // 32) * 4
    palette = b""
    if bpp == 24:
        def encode(row):
            return b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
    else:
        if bpp == 8:
            colours = sorted({px for row in rows for px in row})
            assert len(colours) <= 256, "too many colours for 8 bits"
        else:
            colours = [(0, 0, 0), (255, 255, 255)]
        index = {c: i for i, c in enumerate(colours)}
        palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in colours)
        if bpp == 8:
            def encode(row):
                return bytes(index[p] for p in row)
        else:
            def encode(row):
                out = bytearray((w + 7) // 8)
                for x, p in enumerate(row):
                    if index[p]:
                        out[x >> 3] |= 0x80 >> (x & 7)
                return bytes(out)
    body = b"".join(encode(row).ljust(stride, b"\0") for row in reversed(rows))
    colours_used = len(palette) // 4
    offset = 14 + 40 + len(palette)
    return (b"BM" + struct.pack("<IHHI", offset + len(body), 0, 0, offset)
            + _info_header(w, h, bpp, len(body), colours_used) + palette + body)


def ico_bytes(images):
    """images: rgba rows (top first) per size; 32-bit entries with AND masks."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for rows in images:
        h, w = len(rows), len(rows[0])
        xor = b"".join(struct.pack("BBBB", b, g, r, a)
                       for row in reversed(rows) for r, g, b, a in row)
        mstride = ((w + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(rows):
            line = bytearray(mstride)
            for x, (_, _, _, a) in enumerate(row):
                if a < 128:  # transparent for renderers that ignore alpha
                    line[x >> 3] |= 0x80 >> (x & 7)
            mask += line
        blob = _info_header(w, 2 * h, 32, len(xor) + len(mask), 0) + xor + bytes(mask)
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def check_bmp(data, w, h, bpp):
    bw, bh, planes, bits = struct.unpack_from("<iiHH", data, 18)
    assert data[:2] == b"BM" and (bw, bh, planes, bits) == (w, h, 1, bpp), (bw, bh, bits)


def check_ico(data, sizes):
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    assert kind == 1 and count == len(sizes)
    for i, s in enumerate(sizes):
        w, h, _, _, _, bits, _, off = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        assert (w, h, bits) == (s, s, 32)
        assert struct.unpack_from("<iiHH", data, off + 4) == (s, 2 * s, 1, 32)


# ---------------------------------------------------------------- footer button faces
# The footer lays the faces edge to edge along the window bottom and stretches
# the inner columns, so only the first and last columns may differ from the
# rest: they carry the etched divider between neighbouring buttons. Black
# text must read on normal and hot faces, RGB(134,137,103) on the normal face
# (disabled), white on the pressed face.

BUTTON_W, BUTTON_H = 67, 21


def button_face(kind):
    w, h = BUTTON_W, BUTTON_H
    if kind == "normal":
        top_line, body0, body1 = (190, 191, 180), (248, 248, 244), (228, 229, 220)
        left, right = WHITE, (188, 189, 178)
    elif kind == "hot":
        top_line, body0, body1 = (88, 90, 128), (255, 255, 255), (236, 237, 236)
        left, right = WHITE, (176, 177, 190)
    else:
        top_line, body0, body1 = INK_DEEP, (82, 82, 118), (58, 58, 88)
        left, right = (50, 50, 78), (50, 50, 78)
    rows = []
    for y in range(h):
        if y == 0:
            c = top_line
        elif kind == "hot" and y == 1:
            c = mix(INK_SOFT, body0, 0.35)
        elif kind == "pressed" and y == 1:
            c = (48, 48, 74)  # inner shadow: the face looks pushed in
        else:
            c = mix(body0, body1, (y - 1) / (h - 2))
        c = tuple(q(v) for v in c)
        row = [c] * w
        if y > 0:
            row[0] = tuple(q(v) for v in (mix(c, left, 0.8)))
            row[-1] = tuple(q(v) for v in (mix(c, right, 0.8)))
        rows.append(row)
    return rows


# ---------------------------------------------------------------- header banner
# A 19-pixel band under the caption: the fill column is stretched across, the
# end picture sits at the right. Every row of the end picture starts with the
# fill's colour, so the join cannot be seen.

BAND_H = 19


def band_colour(y):
    if y == BAND_H - 1:
        return LINE
    if y == BAND_H - 2:
        return THIRD
    return mix((244, 245, 240), (224, 226, 214), y / (BAND_H - 3))


def banner_fill():
    return [[tuple(q(v) for v in band_colour(y))] for y in range(BAND_H)]


def banner_end():
    w = 65
    c = Canvas(w, BAND_H)
    for y in range(BAND_H):
        for x in range(w):
            c.put(x, y, band_colour(y))
    # Slanted slate tab holding a moon and stars: the suite works while the
    # computer sleeps.
    tab = Poly([(14.0, 0.0), (w + 1.0, 0.0), (w + 1.0, BAND_H - 2.0), (6.0, BAND_H - 2.0)])
    c.fill(tab, vgrad(0, (72, 74, 110), BAND_H - 2, INK))
    c.fill(Stroke([(14.0, 0.0), (6.0, BAND_H - 2.0)], 1.0), (128, 130, 166), 0.7)
    moon = Ellipse(45.5, 8.5, 5.6) - Ellipse(48.3, 6.6, 5.0)
    c.fill(moon, MOON)
    for sx, sy, r in ((32.0, 5.0, 1.0), (27.0, 11.0, 0.8), (56.5, 13.0, 0.9), (37.5, 13.5, 0.6)):
        c.fill(Ellipse(sx, sy, r), (236, 238, 250))
    return c.rgb_rows()


# ---------------------------------------------------------------- battery gauge
# The frame is one rounded outline cut into left cap, middle column and right
# cap; the fill tiles sit inside it with three light pixels of air on each
# side. The outline is the grey RGB(160,160,160).

GAUGE_FRAME_H = 20
CAP_W = 5


def gauge_frame():
    w = 2 * CAP_W + 1
    c = Canvas(w, GAUGE_FRAME_H, WHITE)
    outer = RoundRect(0, 0, w, GAUGE_FRAME_H, 5)
    inner = RoundRect(1, 1, w - 1, GAUGE_FRAME_H - 1, 4)
    c.fill(outer, FRAME)
    c.fill(inner, (246, 246, 242))
    rows = c.rgb_rows()
    left = [row[:CAP_W] for row in rows]
    middle = [row[CAP_W:CAP_W + 1] for row in rows]
    right = [row[CAP_W + 1:] for row in rows]
    return left, middle, right


def gauge_fill(colour, light, dark):
    rows = [[colour] for _ in range(12)]
    rows[0] = [light]
    rows[-1] = [dark]
    return rows


# Markers are pixel art, 7 x 22: '#' body, 'o' white rim that separates the
# marker from green, red and the frame alike, '.' outside the mask.
MARKER = [
    "ooooooo",
    "o#####o",
    "oo###oo",
    ".oo#oo.",
] + [
    "..o#o..",
] * 14 + [
    ".oo#oo.",
    "oo###oo",
    "o#####o",
    "ooooooo",
]


def marker(colour):
    art = {"#": colour, "o": WHITE, ".": WHITE}
    img = [[art[ch] for ch in line] for line in MARKER]
    mask = [[WHITE if ch != "." else (0, 0, 0) for ch in line] for line in MARKER]
    return img, mask


# ---------------------------------------------------------------- pictures

def bolt(c, x, y, s, colour=AMBER, edge=AMBER_DARK):
    """Lightning bolt in a box of s wide, 1.6 s high, top-left at x, y."""
    pts = [(0.62, 0.0), (0.08, 0.9), (0.46, 0.9), (0.30, 1.6), (0.92, 0.62), (0.52, 0.62), (0.78, 0.0)]
    pts = [(x + px * s, y + py * s) for px, py in pts]
    c.fill(Stroke(pts + [pts[0]], max(0.9, s * 0.12)), edge)
    c.fill(Poly(pts), colour)


def usb_port(c, x, y, w, h):
    """Front view of a type-A socket: shell, dark cavity, tongue in the upper half."""
    c.fill(RoundRect(x, y, x + w, y + h, h * 0.18), vgrad(y, (150, 152, 162), y + h, (112, 114, 126)))
    t = max(1.2, h * 0.14)
    c.fill(RoundRect(x + t, y + t, x + w - t, y + h - t, h * 0.08), CAVITY)
    c.fill(Rect(x + t + w * 0.07, y + t + h * 0.12, x + w - t - w * 0.07, y + h * 0.5),
           vgrad(y, WHITE, y + h * 0.5, (214, 216, 224)))


def note(c, x, y, s, colour):
    """Two beamed eighth notes; x, y is the top-left of the beam, s its length."""
    stem = max(1.0, s * 0.12)
    c.fill(Poly([(x, y), (x + s, y - s * 0.2), (x + s, y + s * 0.12), (x, y + s * 0.32)]), colour)
    for nx, top in ((x, y), (x + s, y - s * 0.2)):
        c.fill(Rect(nx - stem, top, nx, top + s * 1.05), colour)
        c.fill(Ellipse(nx - s * 0.26, top + s * 1.1, s * 0.28, s * 0.2), colour)


def laptop(c, s, ox=0.0, oy=0.0):
    """The suite's emblem in a square of side s: a notebook asleep (moon on
    the screen) with a green charge badge."""
    k = s / 48.0

    def P(v):
        return v * k

    small = s <= 20
    oy += P(2.5)  # centre the notebook; the badge keeps its corner
    c.fill(RoundRect(ox + P(4), oy + P(7), ox + P(40), oy + P(32), P(3.2)), INK)
    c.fill(Rect(ox + P(7), oy + P(10), ox + P(37), oy + P(29.5)),
           vgrad(oy + P(10), NIGHT_TOP, oy + P(30), NIGHT_BOTTOM))
    moon = Ellipse(ox + P(17), oy + P(19), P(6.5)) - Ellipse(ox + P(20.5), oy + P(16.5), P(5.8))
    c.fill(moon, MOON)
    if not small:
        for sx, sy, r in ((27, 14, 1.1), (32, 19.5, 0.9), (25.5, 24, 0.7)):
            c.fill(Ellipse(ox + P(sx), oy + P(sy), P(r)), (226, 228, 246))
    base = Poly([(ox + P(0.8), oy + P(33)), (ox + P(43.2), oy + P(33)),
                 (ox + P(41), oy + P(38.5)), (ox + P(3), oy + P(38.5))])
    c.fill(base, vgrad(oy + P(33), (226, 228, 230), oy + P(38.5), (160, 162, 174)))
    c.fill(Rect(ox + P(17), oy + P(33), ox + P(27), oy + P(34.5)), (150, 152, 164))
    # The badge keeps a readable size in the small icons, where the bolt
    # would otherwise shrink to a smudge.
    r = max(P(8.8), 3.6)
    ring = max(1.0, P(1.5))
    cx = ox + s - r - ring - max(0.3, P(0.6))
    cy = oy - P(2.5) + s - r - ring - max(0.3, P(0.6))
    c.fill(Ellipse(cx, cy, r + ring), WHITE)
    c.fill(Ellipse(cx, cy, r), vgrad(cy - r, (120, 204, 120), cy + r, GREEN_DARK))
    pts = [(0.14, -0.80), (-0.44, 0.12), (-0.02, 0.12), (-0.16, 0.82), (0.44, -0.12), (0.02, -0.12), (0.20, -0.80)]
    c.fill(Poly([(cx + px * r, cy + py * r) for px, py in pts]), WHITE)


def laptop16(c):
    """The emblem redrawn on the 16-pixel grid: scaled down, the screen edges
    blur, so here every edge sits on a pixel boundary."""
    c.fill(RoundRect(0, 1, 13, 11, 1.2), INK)
    c.fill(Rect(1, 2, 12, 10), vgrad(2, NIGHT_TOP, 10, NIGHT_BOTTOM))
    c.fill(Ellipse(5.0, 6.0, 2.9) - Ellipse(6.3, 5.0, 2.6), MOON)
    c.fill(Poly([(0, 11), (14, 11), (13.2, 13), (0.8, 13)]), vgrad(11, (226, 228, 230), 13, (160, 162, 174)))
    # No bolt fits in six pixels: the badge stays a plain green light.
    c.fill(Ellipse(12, 12, 3.9), WHITE)
    c.fill(Ellipse(12, 12, 2.9), vgrad(9, (120, 204, 120), 15, GREEN_DARK))


def icon_image(s):
    c = Canvas(s, s)
    if s == 16:
        laptop16(c)
    else:
        laptop(c, s)
    return c.rgba_rows()


def header_picture():
    c = Canvas(48, 48, HEADER)
    art = Canvas(48, 48)
    laptop(art, 48)
    c.paste(art, 0, 0)
    return c.rgb_rows()


def phone(c, x, y, w, h):
    c.fill(RoundRect(x, y, x + w, y + h, 3.0), INK)
    c.fill(RoundRect(x + 1.6, y + 3.2, x + w - 1.6, y + h - 3.6, 0.8), (244, 245, 240))
    c.fill(RoundRect(x + w / 2 - 2.5, y + 1.1, x + w / 2 + 2.5, y + 2.0, 0.45), INK_SOFT)
    # Battery on the screen, two thirds charged.
    bx0, bx1 = x + w * 0.28, x + w * 0.72
    by0, by1 = y + h * 0.30, y + h * 0.80
    c.fill(Rect(x + w / 2 - 1.6, by0 - 1.4, x + w / 2 + 1.6, by0 + 0.2), INK)
    c.fill(RoundRect(bx0, by0, bx1, by1, 1.2) - RoundRect(bx0 + 1.1, by0 + 1.1, bx1 - 1.1, by1 - 1.1, 0.6), INK)
    c.fill(Rect(bx0 + 2.0, by0 + (by1 - by0) * 0.40, bx1 - 2.0, by1 - 2.0), GREEN)


def flow_arrow(c, x0, x1, y, colour):
    """Dotted line with a head: power or sound flowing to the right."""
    x = x0
    while x < x1 - 6:
        c.fill(Ellipse(x, y, 1.25), colour)
        x += 4.5
    c.fill(Poly([(x1 - 5, y - 3.6), (x1, y), (x1 - 5, y + 3.6)]), colour)


def charge_picture():
    """Settings group picture: a charging port feeding a phone, 83 x 34."""
    c = Canvas(83, 34, WHITE)
    usb_port(c, 3, 13, 27, 11)
    bolt(c, 9.5, 1.0, 7.2)
    flow_arrow(c, 36, 58, 18.5, GREEN)
    phone(c, 62, 2, 18, 30)
    return c.rgb_rows()


def player(c, x, y, w, h):
    """Pocket audio player: screen with a note, three keys below."""
    c.fill(RoundRect(x, y, x + w, y + h, 3.0), INK)
    sy1 = y + h * 0.58
    c.fill(RoundRect(x + 2, y + 2.2, x + w - 2, sy1, 0.8), vgrad(y, (150, 156, 200), sy1, NIGHT_BOTTOM))
    nx, top, foot = x + w * 0.42, y + h * 0.17, y + h * 0.42  # single eighth note
    head = Ellipse(nx, foot, 1.9, 1.4)
    stem = Rect(nx + 1.2, top, nx + 2.2, foot)
    flag = Poly([(nx + 1.2, top), (nx + 5.0, y + h * 0.25), (nx + 5.0, y + h * 0.31), (nx + 2.2, y + h * 0.25)])
    c.fill(head | stem | flag, (236, 238, 250))
    ky = y + h * 0.78
    for i in (-1, 0, 1):
        c.fill(Ellipse(x + w / 2 + i * w * 0.29, ky, 1.6 if i else 2.2), (220, 222, 232))


def speaker(c, x, y, h):
    """Speaker facing right, box top-left x, y and height h, with sound arcs."""
    m = h * 0.36
    body = Rect(x, y + (h - m) / 2, x + h * 0.28, y + (h + m) / 2)
    cone = Poly([(x + h * 0.26, y + (h - m) / 2), (x + h * 0.62, y), (x + h * 0.62, y + h),
                 (x + h * 0.26, y + (h + m) / 2)])
    c.fill(body | cone, vgrad(y, INK_SOFT, y + h, INK))
    cx, cy = x + h * 0.62, y + h / 2
    for i, r in enumerate((h * 0.28, h * 0.50)):
        c.fill(Arc(cx, cy, r, max(1.5, h * 0.075), -50, 50), INK_SOFT if i else INK)


def music_picture():
    """Settings group picture: a portable player playing through the
    computer's speaker, 83 x 43."""
    c = Canvas(83, 43, WHITE)
    player(c, 3, 9, 19, 30)
    cable = bezier((12.5, 39.0), (14.0, 44.0), (30.0, 42.0), (36.0, 28.0))
    c.fill(Stroke(cable, 1.6), INK_SOFT)
    flow_arrow(c, 30, 47, 24.0, GREEN)
    speaker(c, 50, 12, 24)
    note(c, 58.5, 5.0, 8.0, GREEN_DARK)
    return c.rgb_rows()


def port_picture():
    """Picture on the help pages: the charging port with its bolt, 44 x 21."""
    c = Canvas(44, 21, WHITE)
    usb_port(c, 1, 5, 28, 11.5)
    bolt(c, 32.0, 2.5, 10.0)
    return c.rgb_rows()


def line_in_picture():
    """Picture on the help pages: the audio input socket with a note, 32 x 21."""
    c = Canvas(32, 21, WHITE)
    cx, cy = 10.0, 11.0
    c.fill(Ellipse(cx, cy, 8.5), vgrad(cy - 8.5, (160, 162, 172), cy + 8.5, (110, 112, 126)))
    c.fill(Ellipse(cx, cy, 6.4), (232, 233, 236))
    c.fill(Ellipse(cx, cy, 3.4), CAVITY)
    note(c, 22.0, 4.5, 7.0, GREEN_DARK)
    return c.rgb_rows()


# ---------------------------------------------------------------- the two programs

ICON_SIZES = (16, 20, 24, 32, 40, 48, 64)

# (id, file, size, bpp, role, drawing); the ids are the ones each program
# registers or loads.
def settings_set(shared):
    left, middle, right = shared["frame"]
    return [
        (131, "banner_fill.bmp", (1, 19), 24, "header banner, fill column", shared["band_fill"]),
        (132, "banner_end.bmp", (65, 19), 24, "header banner, end picture", shared["band_end"]),
        (134, "button_normal.bmp", (67, 21), 8, "footer button face, normal", shared["normal"]),
        (130, "button_hot.bmp", (67, 21), 8, "footer button face, mouse over", shared["hot"]),
        (133, "button_pressed.bmp", (67, 21), 8, "footer button face, pressed", shared["pressed"]),
        (138, "charge.bmp", (83, 34), 24, "charge group picture", charge_picture()),
        (141, "gauge_cap_left.bmp", (5, 20), 24, "battery gauge frame, left cap", left),
        (142, "gauge_cap_right.bmp", (5, 20), 24, "battery gauge frame, right cap", right),
        (143, "gauge_middle.bmp", (1, 20), 24, "battery gauge frame, middle column", middle),
        (144, "gauge_level.bmp", (1, 12), 24, "battery gauge fill, current level (green)",
         gauge_fill(GREEN, (134, 206, 134), (86, 170, 86))),
        (145, "gauge_limit.bmp", (1, 12), 24, "battery gauge fill, below the lower limit (red)",
         gauge_fill(RED, (214, 134, 134), (178, 86, 86))),
        (148, "marker_limit.bmp", (7, 22), 24, "battery gauge, lower-limit marker", shared["limit"][0]),
        (149, "marker_limit_mask.bmp", (7, 22), 1, "battery gauge, lower-limit marker mask", shared["limit"][1]),
        (150, "marker_level.bmp", (7, 22), 24, "battery gauge, level marker", shared["level"][0]),
        (151, "marker_level_mask.bmp", (7, 22), 1, "battery gauge, level marker mask", shared["level"][1]),
        (152, "music.bmp", (83, 43), 24, "music group picture", music_picture()),
        (153, "header.bmp", (48, 48), 24, "header picture", shared["header"]),
    ]


def info_set(shared):
    return [
        (129, "button_hot.bmp", (67, 21), 8, "footer button face, mouse over", shared["hot"]),
        (130, "banner_fill.bmp", (1, 19), 24, "header banner, fill column", shared["band_fill"]),
        (131, "banner_end.bmp", (65, 19), 24, "header banner, end picture", shared["band_end"]),
        (132, "button_pressed.bmp", (67, 21), 8, "footer button face, pressed", shared["pressed"]),
        (133, "button_normal.bmp", (67, 21), 8, "footer button face, normal", shared["normal"]),
        (138, "port.bmp", (44, 21), 24, "help page picture, charging port", port_picture()),
        (141, "header.bmp", (48, 48), 24, "header picture", shared["header"]),
        (148, "line_in.bmp", (32, 21), 24, "help page picture, audio input", line_in_picture()),
    ]


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def emit(folder, title, items, icon):
    os.makedirs(folder, exist_ok=True)
    lines = ["// " + title,
             "// Generated by uilib/art/draw_images.py; edit the drawings there, not this file."]
    if any(bpp == 1 for _, _, _, bpp, _, _ in items):
        lines.append("// Marker masks: bit 1 = marker pixel (MaskBlt foreground), bit 0 = keep the gauge.")
    lines += ["",
             '128 ICON "app.ico" // window, taskbar and header icon (%s px, 32-bit)'
             % ", ".join(str(s) for s in ICON_SIZES)]
    write(os.path.join(folder, "app.ico"), icon)
    for rid, name, (w, h), bpp, role, rows in items:
        assert (len(rows[0]), len(rows)) == (w, h), name
        data = bmp_bytes(rows, bpp)
        check_bmp(data, w, h, bpp)
        write(os.path.join(folder, name), data)
        lines.append('%d BITMAP "%s" // %s' % (rid, name, role))
    write(os.path.join(folder, "images.rc"), ("\n".join(lines) + "\n").encode("ascii"))


def main():
    left, middle, right = gauge_frame()
    shared = {
        "band_fill": banner_fill(),
        "band_end": banner_end(),
        "normal": button_face("normal"),
        "hot": button_face("hot"),
        "pressed": button_face("pressed"),
        "frame": (left, middle, right),
        "limit": marker(RED_DARK),
        "level": marker(INK),
        "header": header_picture(),
    }
    icon = ico_bytes([icon_image(s) for s in ICON_SIZES])
    check_ico(icon, ICON_SIZES)
    emit(os.path.join(ROOT, "settings", "res"), "Bitmaps and icon of the settings program.",
         settings_set(shared), icon)
    emit(os.path.join(ROOT, "info", "res"), "Bitmaps and icon of the information program.",
         info_set(shared), icon)


if __name__ == "__main__":
    main()
