#!/usr/bin/env python3
"""Draws the built-in skin pictures, the cursors, the program's icon and the
pictures of the menus of Horalto.

Usage: make_images.py OUTPUT_DIR [--preview]

Only the standard library is used: shapes are signed distance functions, each
pixel takes the shape's coverage (one pixel of anti-aliasing), and the results
are written as PNG (RGBA), BMP (24-bit, for the hands of the big face, which the
program cuts out with the colour of their bottom-left pixel) and CUR files.

Geometry of the big face ("Стандартная" and "Обратная"): the program draws the
dial and the glass at 1.5 times their size and the hands and the centre cap at
0.975 times, around the centre pixel of each image. The minute dots (radius 41)
and hour numbers (radius 34) are drawn by the program, in white, and the text
line sits on the light plate below the centre (y 74 of the window picture).
"""

import math
import os
import struct
import sys
import zlib

# --------------------------------------------------------------------------
# Canvas: straight RGBA colours in 0..1, composited "over" in premultiplied form.


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def rgb(r, g, b, a=1.0):
    return (r / 255.0, g / 255.0, b / 255.0, a)


class Canvas:
    def __init__(self, w, h, fill=(0.0, 0.0, 0.0, 0.0)):
        self.w, self.h = w, h
        r, g, b, a = fill
        self.px = [r * a, g * a, b * a, a] * (w * h)

    def paint(self, sdf, color, bbox=None, opacity=1.0, soft=1.0):
        """Paints where sdf < 0 with colour (a tuple or a function of x, y).
        soft widens the anti-aliased edge (in pixels)."""
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(math.ceil(x1)) + 1), min(self.h, int(math.ceil(y1)) + 1)
        px = self.px
        const = not callable(color)
        for y in range(y0, y1):
            for x in range(x0, x1):
                d = sdf(x, y)
                cov = clamp(0.5 - d / soft)
                if cov <= 0.0:
                    continue
                c = color if const else color(x, y)
                a = c[3] * cov * opacity
                if a <= 0.0:
                    continue
                i = (y * self.w + x) * 4
                k = 1.0 - a
                px[i] = c[0] * a + px[i] * k
                px[i + 1] = c[1] * a + px[i + 1] * k
                px[i + 2] = c[2] * a + px[i + 2] * k
                px[i + 3] = a + px[i + 3] * k

    def rgba8(self):
        """Rows of straight RGBA bytes. Fully transparent pixels take the colour
        of their visible neighbours, so that a picture scaled without
        premultiplied alpha gets no dark fringe."""
        w, h, px = self.w, self.h, self.px
        colour = [None] * (w * h)
        for i in range(w * h):
            a = px[i * 4 + 3]
            if a > 0.0:
                colour[i] = (clamp(px[i * 4] / a), clamp(px[i * 4 + 1] / a), clamp(px[i * 4 + 2] / a))
        for _ in range(3):
            grown = list(colour)
            for y in range(h):
                for x in range(w):
                    if colour[y * w + x] is not None:
                        continue
                    near = [
                        colour[j * w + i]
                        for j in range(max(0, y - 1), min(h, y + 2))
                        for i in range(max(0, x - 1), min(w, x + 2))
                        if colour[j * w + i] is not None
                    ]
                    if near:
                        grown[y * w + x] = tuple(sum(c[k] for c in near) / len(near) for k in range(3))
            colour = grown
        out = []
        for y in range(h):
            row = bytearray()
            for x in range(w):
                i = y * w + x
                c = colour[i] or (0.0, 0.0, 0.0)
                a = px[i * 4 + 3]
                row += bytes(
                    (
                        int(round(c[0] * 255)),
                        int(round(c[1] * 255)),
                        int(round(c[2] * 255)),
                        int(round(clamp(a) * 255)),
                    )
                )
            out.append(bytes(row))
        return out

    def over_background(self, bg):
        """Flattens onto an opaque colour (straight RGB in 0..1): rows of RGB bytes."""
        out = []
        px = self.px
        for y in range(self.h):
            row = bytearray()
            for x in range(self.w):
                i = (y * self.w + x) * 4
                a = px[i + 3]
                row += bytes(int(round(clamp(px[i + j] + bg[j] * (1 - a)) * 255)) for j in range(3))
            out.append(bytes(row))
        return out


# --------------------------------------------------------------------------
# Signed distance functions (negative inside), pixel centres at whole numbers.


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r_in, r_out):
    return lambda x, y: max(math.hypot(x - cx, y - cy) - r_out, r_in - math.hypot(x - cx, y - cy))


def ellipse(cx, cy, rx, ry):
    # Good enough near the edge for anti-aliasing.
    def f(x, y):
        dx, dy = (x - cx) / rx, (y - cy) / ry
        k = math.hypot(dx, dy)
        if k == 0:
            return -min(rx, ry)
        return (k - 1.0) * min(rx, ry) / max(0.5, min(k, 1.5)) if k > 1 else (k - 1.0) * min(rx, ry)

    return f


def round_box(cx, cy, hw, hh, r):
    def f(x, y):
        qx = abs(x - cx) - hw + r
        qy = abs(y - cy) - hh + r
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r

    return f


def segment(ax, ay, bx, by, r):
    def f(x, y):
        px, py = x - ax, y - ay
        vx, vy = bx - ax, by - ay
        t = clamp((px * vx + py * vy) / (vx * vx + vy * vy))
        return math.hypot(px - vx * t, py - vy * t) - r

    return f


def polygon(points):
    n = len(points)

    def f(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            vx, vy = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = clamp((wx * vx + wy * vy) / (vx * vx + vy * vy))
            best = min(best, math.hypot(wx - vx * t, wy - vy * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -best if inside else best

    return f


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def intersect(*fs):
    return lambda x, y: max(f(x, y) for f in fs)


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def grow(f, by):
    return lambda x, y: f(x, y) - by


def half_plane_below(y0):
    """Inside where y > y0."""
    return lambda x, y: y0 - y


# --------------------------------------------------------------------------
# File writers.


def png_bytes(w, h, rows):
    """A PNG file (RGBA, 8 bits a channel) of rows of straight RGBA bytes."""
    raw = b"".join(b"\0" + r for r in rows)

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(raw, 9))
    data += chunk(b"IEND", b"")
    return data


def write_png(path, w, h, rows):
    with open(path, "wb") as f:
        f.write(png_bytes(w, h, rows))


def write_bmp24(path, w, h, rows):
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for r in reversed(rows):
        line = bytearray()
        for x in range(w):
            line += bytes((r[x * 3 + 2], r[x * 3 + 1], r[x * 3]))
        line += b"\0" * (stride - len(line))
        pixels += line
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    filehead = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(filehead + header + pixels)


def write_cur(path, w, h, rows, hotspot):
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for r in reversed(rows):
        for x in range(w):
            cr, cg, cb, ca = r[x * 4 : x * 4 + 4]
            xor += bytes((cb, cg, cr, ca))
        bits = bytearray(mask_stride)
        for x in range(w):
            if r[x * 4 + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    icondir = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(icondir + entry + image)


# --------------------------------------------------------------------------
# The big face.

BG_SIZE = 105  # window picture: the case
DIAL_SIZE = 95  # dial, drawn at 1.5x around its centre pixel
HAND_BIG = 135  # minute and second hands (pivot 67)
HAND_HOUR = 91  # hour hand (pivot 45)
CAP_SIZE = 15
# Colour cut out of the hand bitmaps: the dial's own navy, so that whatever of
# it shows at the anti-aliased edges blends into the dial.
HAND_KEY = (14, 20, 34)

NAVY_CENTRE = rgb(44, 62, 92)
NAVY_EDGE = rgb(12, 18, 32)


def metal(cx, cy, base, spread, phase=-math.pi / 4):
    """Brushed-metal colour of a ring: bright where the light falls."""

    def f(x, y):
        t = math.atan2(y - cy, x - cx)
        v = base + spread * (0.6 * math.cos(t - phase) + 0.4 * math.cos(2 * (t - phase)))
        v += 0.02 * math.sin(t * 90)
        v = clamp(v)
        return (v * 0.97, v * 0.985, v, 1.0)

    return f


def draw_case():
    c = Canvas(BG_SIZE, BG_SIZE)
    m = (BG_SIZE - 1) / 2.0
    # Outer case: a dark edge, then a polished bezel lit from the top left.
    c.paint(circle(m, m, 52.0), rgb(40, 44, 52))
    c.paint(circle(m, m, 51.0), metal(m, m, 0.70, 0.26))
    # A bevel: lighter outer half, darker inner lip.
    c.paint(ring(m, m, 48.6, 49.6), metal(m, m, 0.45, 0.25, phase=3 * math.pi / 4))
    c.paint(circle(m, m, 48.4), rgb(20, 26, 40))
    return c


def draw_dial():
    c = Canvas(DIAL_SIZE, DIAL_SIZE)
    m = (DIAL_SIZE - 1) / 2.0
    R = 47.0

    def face(x, y):
        d = math.hypot(x - m, y - m) / R
        t = math.atan2(y - m, x - m)
        base = mix(NAVY_CENTRE, NAVY_EDGE, clamp(d * d))
        # Sunburst: fine rays that catch the light from the top left.
        ray = 0.045 * math.sin(t * 120) + 0.05 * math.cos(t + math.pi * 0.75)
        k = 1.0 + ray * (0.3 + d)
        return (clamp(base[0] * k), clamp(base[1] * k), clamp(base[2] * k), 1.0)

    c.paint(circle(m, m, R), face)
    # Inner shadow at the rim.
    c.paint(ring(m, m, 44.0, R), lambda x, y: (0, 0, 0, 0.35 * clamp((math.hypot(x - m, y - m) - 44.0) / 3.0)))
    # The minute track framing the dots the program draws at radius 41.
    c.paint(ring(m, m, 38.2, 38.8), rgb(190, 205, 230, 0.45))
    c.paint(ring(m, m, 43.2, 43.8), rgb(190, 205, 230, 0.45))
    # Plate for the text line (the program writes at y 74 of the case, which is
    # y 68.3 of the dial).
    py = 68.3
    plate = round_box(m, py, 24.5, 5.6, 2.6)
    c.paint(grow(plate, 0.9), rgb(8, 10, 16, 0.8))
    c.paint(plate, lambda x, y: mix(rgb(246, 242, 230), rgb(214, 208, 190), clamp((y - (py - 5.6)) / 11.2)))
    # Its upper inner edge, in shadow.
    c.paint(subtract(plate, round_box(m, py + 0.8, 24.5, 5.6, 2.6)), rgb(60, 50, 30, 0.35))
    return c


def draw_glass():
    c = Canvas(DIAL_SIZE, DIAL_SIZE)
    m = (DIAL_SIZE - 1) / 2.0
    inside = circle(m, m, 46.0)
    shine = intersect(inside, ellipse(m - 4, m - 24, 38.0, 22.0))
    c.paint(shine, lambda x, y: (1, 1, 1, 0.20 * clamp(1.0 - (y - (m - 46)) / 44.0) ** 1.2), soft=2.0)
    # A faint reflection low on the right.
    low = intersect(inside, subtract(circle(m, m, 44.5), circle(m - 5, m - 6, 44.5)))
    c.paint(low, (1, 1, 1, 0.10), soft=1.5)
    return c


def dauphine(piv, length, tail, width, light, dark):
    """A leaf-shaped hand pointing right from the pivot, with a lit and a
    shaded facet."""
    upper = polygon([(piv - tail, piv), (piv + 3, piv - width), (piv + length, piv)])
    lower = polygon([(piv - tail, piv), (piv + length, piv), (piv + 3, piv + width)])
    return upper, lower


def draw_hand_bmp(size, parts):
    c = Canvas(size, size, fill=rgb(*HAND_KEY))
    for sdf, color in parts:
        c.paint(sdf, color)
    rows = c.over_background(rgb(*HAND_KEY))
    # The bottom-left pixel is the key; keep it exact.
    last = bytearray(rows[-1])
    last[0:3] = bytes(HAND_KEY)
    rows[-1] = bytes(last)
    return rows


def hour_hand():
    p = (HAND_HOUR - 1) / 2.0
    up, lo = dauphine(p, 40.0, 9.0, 4.6, None, None)
    outline = grow(union(up, lo), 0.6)
    return draw_hand_bmp(
        HAND_HOUR,
        [
            (outline, rgb(6, 8, 14)),
            (up, rgb(250, 248, 240)),
            (lo, rgb(190, 198, 212)),
            (segment(p + 6, p, p + 30, p, 0.55), rgb(120, 130, 150, 0.55)),
        ],
    )


def minute_hand():
    p = (HAND_BIG - 1) / 2.0
    up, lo = dauphine(p, 60.0, 11.0, 4.0, None, None)
    outline = grow(union(up, lo), 0.6)
    return draw_hand_bmp(
        HAND_BIG,
        [
            (outline, rgb(6, 8, 14)),
            (up, rgb(250, 248, 240)),
            (lo, rgb(190, 198, 212)),
            (segment(p + 7, p, p + 48, p, 0.5), rgb(120, 130, 150, 0.55)),
        ],
    )


SECOND_RED = rgb(232, 58, 40)


def second_hand():
    p = (HAND_BIG - 1) / 2.0
    shape = union(
        segment(p - 17, p, p + 63, p, 0.75),
        circle(p - 13, p, 3.0),
        circle(p, p, 2.6),
    )
    return draw_hand_bmp(HAND_BIG, [(grow(shape, 0.5), rgb(70, 10, 8)), (shape, SECOND_RED)])


def centre_cap():
    p = (CAP_SIZE - 1) / 2.0
    return draw_hand_bmp(
        CAP_SIZE,
        [
            (circle(p, p, 5.6), rgb(30, 30, 36)),
            (circle(p, p, 4.8), lambda x, y: mix(rgb(250, 250, 252), rgb(150, 156, 170), clamp((x + y - 2 * p + 5) / 10))),
            (circle(p, p, 1.9), SECOND_RED),
        ],
    )


# --------------------------------------------------------------------------
# The taskbar face ("Трей"): small, drawn at the taskbar's height.

TRAY_SIZE = 69


def tray_dial():
    c = Canvas(TRAY_SIZE, TRAY_SIZE)
    m = (TRAY_SIZE - 1) / 2.0
    c.paint(circle(m, m, 34.0), rgb(40, 44, 52))
    c.paint(circle(m, m, 33.2), metal(m, m, 0.62, 0.3))

    def face(x, y):
        d = math.hypot(x - m, y - m) / 32.5
        return mix(NAVY_CENTRE, NAVY_EDGE, clamp(d * d))

    c.paint(circle(m, m, 31.0), face)
    return c


def tray_hand(length, tail, width, color):
    c = Canvas(TRAY_SIZE, TRAY_SIZE)
    p = (TRAY_SIZE - 1) / 2.0
    shape = segment(p - tail, p, p + length, p, width)
    c.paint(grow(shape, 1.0), rgb(0, 0, 0, 0.75))
    c.paint(shape, color)
    return c


# --------------------------------------------------------------------------
# Background of the text-only clock: a light plate, stretched to the window.


def text_background():
    w, h = 96, 32
    c = Canvas(w, h)
    box = round_box((w - 1) / 2.0, (h - 1) / 2.0, w / 2.0 - 0.5, h / 2.0 - 0.5, 5.0)
    c.paint(box, rgb(165, 176, 194))
    inner = round_box((w - 1) / 2.0, (h - 1) / 2.0, w / 2.0 - 1.5, h / 2.0 - 1.5, 4.0)
    c.paint(inner, lambda x, y: mix(rgb(252, 252, 254), rgb(222, 228, 238), clamp(y / (h - 1))))
    c.paint(intersect(inner, lambda x, y: y - 11.0), rgb(255, 255, 255, 0.35))
    return c


# --------------------------------------------------------------------------
# Cursors (32 x 32).


def outlined(c, shape, fill, edge=rgb(0, 0, 0), width=1.0):
    c.paint(grow(shape, width), edge)
    c.paint(shape, fill)


def cursor_arrow_clock():
    c = Canvas(32, 32)
    arrow = polygon([(1, 1), (1, 18), (5.2, 14.2), (8.2, 21), (10.6, 20), (7.6, 13.4), (13, 13.2)])
    outlined(c, arrow, rgb(255, 255, 255))
    # A small clock beside the arrow.
    cx, cy = 22.5, 22.5
    outlined(c, circle(cx, cy, 7.0), rgb(250, 250, 250))
    c.paint(ring(cx, cy, 5.6, 6.4), rgb(40, 60, 100))
    c.paint(segment(cx, cy, cx, cy - 4.6, 0.7), rgb(20, 20, 30))
    c.paint(segment(cx, cy, cx + 3.3, cy + 1.0, 0.7), rgb(20, 20, 30))
    c.paint(circle(cx, cy, 1.0), SECOND_RED)
    return c, (1, 1)


def hand_shape(ox, oy):
    """A pointing hand, index finger up, its tip at (ox, oy)."""
    return union(
        segment(ox, oy + 1.5, ox, oy + 12, 2.1),  # index finger
        segment(ox + 4.2, oy + 9, ox + 4.2, oy + 14, 2.0),
        segment(ox + 8.2, oy + 10, ox + 8.2, oy + 15, 2.0),
        segment(ox + 12, oy + 11.5, ox + 12, oy + 16, 1.9),
        segment(ox - 4.6, oy + 13, ox - 1.2, oy + 17.5, 1.9),  # thumb
        round_box(ox + 6, oy + 18.5, 7.8, 5.5, 3.2),  # palm
    )


def cursor_hand():
    c = Canvas(32, 32)
    shape = hand_shape(11, 1)
    outlined(c, shape, rgb(255, 255, 255))
    return c, (11, 1)


def cursor_hand_we():
    c = Canvas(32, 32)
    shape = hand_shape(15, 7)
    outlined(c, shape, rgb(255, 255, 255))
    for sign in (-1, 1):
        tip = 15 + sign * 14.5
        arrow = polygon([(tip, 4), (tip - sign * 5, 0.5), (tip - sign * 5, 7.5)])
        outlined(c, union(arrow, segment(15 + sign * 3, 4, tip - sign * 4, 4, 1.0)), rgb(255, 255, 255))
    return c, (15, 4)


def cursor_color():
    c = Canvas(32, 32)
    # A pipette from the top right down to the tip at the bottom left.
    tube = segment(3, 28, 18, 13, 2.2)
    bulb = segment(20, 11, 26.5, 4.5, 3.6)
    collar = segment(16.5, 14.5, 21.5, 9.5, 3.0)
    outlined(c, union(tube, bulb, collar), rgb(255, 255, 255))
    c.paint(bulb, rgb(60, 70, 90))
    c.paint(collar, rgb(150, 155, 165))
    c.paint(segment(4.5, 26.5, 12, 19, 1.2), rgb(30, 120, 230))
    return c, (1, 30)


# --------------------------------------------------------------------------
# The program's icon: a navy dial in a polished case, hands at ten past ten.


def app_icon(size):
    s = size / 32.0  # designed on a 32-pixel grid
    c = Canvas(size, size)
    m = (size - 1) / 2.0
    r_case = 15.4 * s
    c.paint(circle(m, m, r_case), rgb(30, 34, 44))
    c.paint(circle(m, m, r_case - max(0.8, 0.9 * s)), metal(m, m, 0.72, 0.26))
    r_dial = r_case - max(1.8, 2.6 * s)

    def face(x, y):
        d = math.hypot(x - m, y - m) / r_dial
        return mix(rgb(56, 80, 124), NAVY_EDGE, clamp(d * d))

    c.paint(circle(m, m, r_dial), face)
    if size < 24:
        # Four marks, and the hands at three o'clock: an unmistakable clock
        # at the size of a title bar.
        for k in range(4):
            a = k * math.pi / 2
            c.paint(circle(m + r_dial * 0.78 * math.sin(a), m - r_dial * 0.78 * math.cos(a), 0.75), rgb(225, 232, 245))
    if size >= 24:
        # The twelve hour marks.
        for k in range(12):
            a = k * math.pi / 6
            r0, r1 = r_dial * (0.78 if k % 3 else 0.68), r_dial * 0.9
            w = max(0.45, (0.9 if k % 3 == 0 else 0.55) * s)
            c.paint(
                segment(m + r0 * math.sin(a), m - r0 * math.cos(a), m + r1 * math.sin(a), m - r1 * math.cos(a), w),
                rgb(225, 232, 245),
            )
    white = rgb(250, 248, 240)

    def hand(angle_deg, length, width, colour, tail=0.0):
        a = math.radians(angle_deg)
        dx, dy = math.sin(a), -math.cos(a)
        return segment(m - dx * tail, m - dy * tail, m + dx * length, m + dy * length, width), colour

    if size < 24:
        hands = [hand(90, r_dial * 0.55, 0.85, white), hand(0, r_dial * 0.75, 0.75, white)]
    else:
        hands = [
            hand(305, r_dial * 0.55, max(0.8, 1.5 * s), white),  # hour: ten
            hand(60, r_dial * 0.82, max(0.65, 1.1 * s), white),  # minute: ten past
        ]
    if size >= 24:
        hands.append(hand(170, r_dial * 0.86, max(0.4, 0.45 * s), SECOND_RED, tail=r_dial * 0.2))
    for shape, colour in hands:
        c.paint(grow(shape, max(0.5, 0.5 * s)), rgb(6, 8, 14, 0.7))
    for shape, colour in hands:
        c.paint(shape, colour)
    c.paint(circle(m, m, max(0.9, 1.6 * s)), SECOND_RED if size >= 24 else white)
    if size >= 48:
        # The glass catches the light at the top left.
        shine = intersect(circle(m, m, r_dial), ellipse(m - 3 * s, m - 7 * s, 11 * s, 6.5 * s))
        c.paint(shine, (1, 1, 1, 0.13), soft=2.0)
    return c


def write_ico(path, canvases):
    """An icon file: the 256-pixel image as PNG, the smaller ones as 32-bit
    bitmaps with their AND masks."""
    images = []
    for canvas in canvases:
        w, h = canvas.w, canvas.h
        rows = canvas.rgba8()
        if w >= 256:
            data = png_bytes(w, h, rows)
        else:
            xor = bytearray()
            mask = bytearray()
            mask_stride = ((w + 31) // 32) * 4
            for r in reversed(rows):
                bits = bytearray(mask_stride)
                for x in range(w):
                    cr, cg, cb, ca = r[x * 4 : x * 4 + 4]
                    xor += bytes((cb, cg, cr, ca))
                    if ca == 0:
                        bits[x // 8] |= 0x80 >> (x % 8)
                mask += bits
            header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
            data = header + xor + mask
        images.append((w, h, data))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for w, h, data in images:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(d for _, _, d in images))


# --------------------------------------------------------------------------
# The pictures of the menus, tabs and choosers: 16 x 16 each, one strip in the
# order of their image indices. Pixels that are (nearly) transparent take the
# key colour magenta; the others are flattened onto the light grey of a menu's
# icon column. The bottom-left pixel of every picture stays transparent (the
# menu painter takes its colour as the key).

GLYPH = 16
KEY = (255, 0, 255)
GLYPH_BACK = rgb(236, 236, 236)

INK = rgb(30, 36, 50)
BLUE = rgb(40, 100, 200)
LIGHT_BLUE = rgb(120, 170, 235)
GREEN = rgb(40, 150, 60)
RED = rgb(215, 45, 35)
YELLOW = rgb(245, 200, 40)
ORANGE = rgb(245, 140, 30)
PAPER = rgb(252, 252, 248)
GREY = rgb(150, 156, 168)


def g_cross(c, cx, cy, r, colour, width=1.1):
    c.paint(segment(cx - r, cy - r, cx + r, cy + r, width), colour)
    c.paint(segment(cx - r, cy + r, cx + r, cy - r, width), colour)


def g_disc(c, cx, cy, r, colour):
    outlined(c, circle(cx, cy, r), colour, edge=INK, width=0.8)


def glyph_exit(c):
    g_disc(c, 7.5, 7.5, 6.6, RED)
    g_cross(c, 7.5, 7.5, 3.0, PAPER, 1.2)


def glyph_about(c):
    g_disc(c, 7.5, 7.5, 6.6, BLUE)
    c.paint(circle(7.5, 4.3, 1.25), PAPER)
    c.paint(segment(7.5, 7.0, 7.5, 11.2, 1.1), PAPER)


def g_window(c, x0=1.5, y0=1.5, x1=13.5, y1=11.5):
    outlined(c, round_box((x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2, 0.8), PAPER, edge=INK, width=0.8)
    c.paint(round_box((x0 + x1) / 2, y0 + 1.2, (x1 - x0) / 2, 1.5, 0.6), BLUE)


def g_arrow(c, cx, tip_y, down, colour=GREEN):
    d = 1 if down else -1
    head = polygon([(cx, tip_y), (cx - 3.4, tip_y - d * 3.4), (cx + 3.4, tip_y - d * 3.4)])
    stem = segment(cx, tip_y - d * 3, cx, tip_y - d * 6.5, 1.1)
    outlined(c, union(head, stem), colour, edge=INK, width=0.7)


def glyph_minimise(c):
    g_window(c)
    g_arrow(c, 10.5, 14.3, True)


def glyph_restore(c):
    g_window(c)
    g_arrow(c, 10.5, 7.8, False)


def glyph_gear(c, cx=7.5, cy=7.5, r=6.6, colour=GREY):
    def gear(x, y):
        d = math.hypot(x - cx, y - cy)
        t = math.atan2(y - cy, x - cx)
        teeth = r - 1.7 + 1.7 * clamp(math.cos(8 * t) * 1.6 + 0.5)
        return max(d - teeth, 1.9 - d)

    outlined(c, gear, colour, edge=INK, width=0.8)


def glyph_misc(c):
    outlined(c, circle(4.5, 4.5, 3.2), RED, edge=INK, width=0.7)
    outlined(c, round_box(11.0, 5.0, 3.0, 3.0, 0.5), GREEN, edge=INK, width=0.7)
    outlined(c, polygon([(7.5, 7.8), (12.4, 14.0), (2.6, 14.0)]), BLUE, edge=INK, width=0.7)


def g_page(c, x0=2.5, y0=1.0, x1=12.5, y1=14.5):
    outlined(c, round_box((x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2, 0.6), PAPER, edge=INK, width=0.8)


def glyph_main(c):
    g_page(c)
    for y in (4.5, 8.0, 11.5):
        c.paint(segment(8.0, y, 11.0, y, 0.55), GREY)
        c.paint(union(segment(4.2, y, 5.2, y + 1.0, 0.6), segment(5.2, y + 1.0, 7.0, y - 1.4, 0.6)), GREEN)


def g_clock(c, cx, cy, r, dial=PAPER, hands=INK):
    outlined(c, circle(cx, cy, r), dial, edge=INK, width=0.9)
    c.paint(segment(cx, cy, cx, cy - r * 0.65, 0.6), hands)
    c.paint(segment(cx, cy, cx + r * 0.5, cy + r * 0.15, 0.6), hands)
    c.paint(circle(cx, cy, 0.8), RED)


def glyph_clock(c):
    g_clock(c, 7.5, 7.5, 6.5)


def glyph_bell(c):
    body = union(
        intersect(circle(7.5, 7.0, 4.6), lambda x, y: y - 12.0),
        round_box(7.5, 10.5, 5.8, 1.6, 0.8),
        segment(7.5, 7.0, 7.5, 11.0, 4.6),
    )
    outlined(c, body, YELLOW, edge=INK, width=0.8)
    outlined(c, circle(7.5, 13.3, 1.3), ORANGE, edge=INK, width=0.6)
    c.paint(circle(7.5, 1.8, 0.9), INK)


def g_speaker(c):
    shape = union(round_box(3.2, 7.5, 1.8, 2.4, 0.4), polygon([(4.0, 5.3), (8.6, 1.8), (8.6, 13.2), (4.0, 9.7)]))
    outlined(c, shape, GREY, edge=INK, width=0.8)


def glyph_sound(c):
    g_speaker(c)
    for r in (2.6, 5.0):
        c.paint(intersect(ring(8.6, 7.5, r - 0.55, r + 0.55), lambda x, y: 9.9 - x), BLUE)


def glyph_speech(c):
    bubble = union(
        round_box(7.5, 6.5, 6.3, 4.6, 2.6),
        polygon([(3.8, 9.5), (7.0, 10.5), (2.8, 14.0)]),
    )
    outlined(c, bubble, PAPER, edge=BLUE, width=1.0)
    for x in (4.7, 7.5, 10.3):
        c.paint(circle(x, 6.5, 1.0), BLUE)


def glyph_hourglass(c):
    frame = union(round_box(7.5, 1.6, 5.0, 1.0, 0.4), round_box(7.5, 13.4, 5.0, 1.0, 0.4))
    glass = polygon([(3.6, 2.5), (11.4, 2.5), (8.1, 7.5), (11.4, 12.5), (3.6, 12.5), (6.9, 7.5)])
    outlined(c, glass, rgb(225, 238, 250), edge=INK, width=0.7)
    c.paint(polygon([(5.3, 4.0), (9.7, 4.0), (7.5, 6.8)]), YELLOW)
    c.paint(polygon([(7.5, 9.6), (10.4, 12.0), (4.6, 12.0)]), YELLOW)
    outlined(c, frame, rgb(150, 95, 45), edge=INK, width=0.6)


def glyph_mouse(c):
    body = round_box(8.0, 9.2, 4.3, 5.4, 4.0)
    outlined(c, body, PAPER, edge=INK, width=0.8)
    c.paint(segment(4.2, 7.6, 11.8, 7.6, 0.45), INK)
    c.paint(segment(8.0, 4.2, 8.0, 7.6, 0.45), INK)
    c.paint(round_box(6.0, 5.7, 1.6, 1.5, 0.8), LIGHT_BLUE)
    c.paint(union(segment(8.0, 3.8, 8.0, 2.2, 0.45), segment(8.0, 2.2, 11.0, 1.0, 0.45)), INK)


def g_clipboard(c, paper=PAPER, ticks=GREEN):
    outlined(c, round_box(7.5, 8.0, 5.5, 6.8, 1.0), rgb(170, 110, 55), edge=INK, width=0.7)
    c.paint(round_box(7.5, 8.7, 4.0, 5.3, 0.3), paper)
    outlined(c, round_box(7.5, 1.8, 2.4, 1.2, 0.5), GREY, edge=INK, width=0.6)
    for y in (6.0, 9.0, 12.0):
        c.paint(union(segment(4.6, y, 5.4, y + 0.8, 0.5), segment(5.4, y + 0.8, 6.8, y - 1.0, 0.5)), ticks)
        c.paint(segment(8.0, y, 10.6, y, 0.5), GREY)


def glyph_planner(c):
    g_clipboard(c)


def glyph_sync(c):
    for start, colour in ((0.0, GREEN), (math.pi, BLUE)):
        def arc(x, y, s=start):
            d = math.hypot(x - 7.5, y - 7.5)
            t = (math.atan2(y - 7.5, x - 7.5) - s) % (2 * math.pi)
            if t > math.pi * 0.78:
                return 1.0
            return abs(d - 5.0) - 1.0

        c.paint(grow(arc, 0.6), INK)
        c.paint(arc, colour)
        ex, ey = 7.5 + 5.0 * math.cos(start + math.pi * 0.78), 7.5 + 5.0 * math.sin(start + math.pi * 0.78)
        nx, ny = -math.sin(start + math.pi * 0.78), math.cos(start + math.pi * 0.78)
        px, py = math.cos(start + math.pi * 0.78), math.sin(start + math.pi * 0.78)
        head = polygon([(ex + nx * 2.6, ey + ny * 2.6), (ex + px * 2.6, ey + py * 2.6), (ex - px * 2.6, ey - py * 2.6)])
        outlined(c, head, colour, edge=INK, width=0.6)


def glyph_hotkeys(c):
    outlined(c, round_box(7.5, 8.5, 7.0, 5.0, 1.2), rgb(215, 218, 226), edge=INK, width=0.8)
    for row, y in enumerate((6.0, 8.6)):
        for k in range(5):
            c.paint(round_box(2.9 + k * 2.3 + row * 0.8, y, 0.75, 0.8, 0.2), INK)
    c.paint(round_box(7.5, 11.2, 3.6, 0.7, 0.3), INK)


def g_calendar(c, x0=1.5, y0=1.5, x1=13.5, y1=13.5):
    cx, cy, hw, hh = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2
    outlined(c, round_box(cx, cy, hw, hh, 0.8), PAPER, edge=INK, width=0.8)
    c.paint(round_box(cx, y0 + 1.5, hw, 1.6, 0.6), RED)
    for j in range(3):
        for i in range(4):
            c.paint(round_box(x0 + 2.2 + i * (hw * 2 - 3.4) / 3, y0 + 5.4 + j * 2.5, 0.6, 0.6, 0.1), GREY)


def glyph_calendar(c):
    g_calendar(c)


def glyph_date_time(c):
    g_calendar(c, 0.8, 0.8, 10.8, 10.8)
    g_clock(c, 10.4, 10.4, 4.2)


def glyph_globe(c):
    outlined(c, circle(7.5, 7.5, 6.4), LIGHT_BLUE, edge=INK, width=0.8)
    c.paint(intersect(circle(7.5, 7.5, 6.2), union(ellipse(5.2, 5.5, 2.8, 2.2), ellipse(10.0, 10.0, 2.4, 2.6))), GREEN)
    c.paint(ring(7.5, 7.5, 6.0, 6.4), INK)


def g_red_cross(c):
    g_cross(c, 11.5, 11.0, 2.6, rgb(255, 255, 255), 1.8)
    g_cross(c, 11.5, 11.0, 2.6, RED, 1.0)


def glyph_sound_off(c):
    g_speaker(c)
    g_red_cross(c)


def glyph_mute(c):
    # A speaker that has fallen silent: no waves, a cross where they were.
    g_speaker(c)
    g_cross(c, 12.1, 7.5, 1.9, INK, 1.0)


def glyph_planner_off(c):
    g_clipboard(c, paper=rgb(225, 225, 222), ticks=GREY)
    g_red_cross(c)


def glyph_clock_window(c):
    outlined(c, circle(7.5, 7.5, 6.8), metal(7.5, 7.5, 0.72, 0.26), edge=INK, width=0.7)

    def face(x, y):
        return mix(rgb(56, 80, 124), NAVY_EDGE, clamp(((x - 7.5) ** 2 + (y - 7.5) ** 2) / 30.0))

    c.paint(circle(7.5, 7.5, 5.3), face)
    c.paint(segment(7.5, 7.5, 4.6, 5.3, 0.8), PAPER)
    c.paint(segment(7.5, 7.5, 10.6, 3.8, 0.65), PAPER)
    c.paint(circle(7.5, 7.5, 0.9), RED)


def glyph_skins(c):
    palette = subtract(ellipse(7.5, 7.8, 6.8, 5.8), circle(9.6, 11.0, 1.6))
    outlined(c, palette, rgb(226, 196, 150), edge=INK, width=0.8)
    for (x, y), colour in zip(((4.3, 6.6), (7.2, 4.2), (10.6, 5.0), (11.6, 8.3)), (RED, YELLOW, GREEN, BLUE)):
        c.paint(circle(x, y, 1.25), colour)


def glyph_taskbar_clock(c):
    outlined(c, round_box(7.5, 10.5, 7.0, 3.0, 0.6), rgb(50, 90, 170), edge=INK, width=0.7)
    c.paint(round_box(3.5, 10.5, 2.0, 1.6, 0.4), rgb(120, 200, 120))
    g_clock(c, 10.5, 6.4, 4.4)


def glyph_sun(c):
    cx, cy = 7.5, 10.5
    for k in range(7):
        a = math.pi + k * math.pi / 6
        c.paint(segment(cx + 5.0 * math.cos(a), cy + 5.0 * math.sin(a), cx + 6.9 * math.cos(a), cy + 6.9 * math.sin(a), 0.55), ORANGE)
    outlined(c, intersect(circle(cx, cy, 3.8), lambda x, y: y - cy), YELLOW, edge=ORANGE, width=0.7)
    c.paint(segment(0.5, 11.4, 14.5, 11.4, 0.6), INK)
    c.paint(segment(3.0, 13.6, 12.0, 13.6, 0.5), LIGHT_BLUE)


def g_monitor(c, screen):
    outlined(c, round_box(7.5, 6.5, 7.0, 5.5, 0.8), GREY, edge=INK, width=0.7)
    c.paint(round_box(7.5, 6.5, 5.6, 4.2, 0.3), screen)
    outlined(c, union(segment(7.5, 12.0, 7.5, 13.2, 0.8), round_box(7.5, 14.0, 3.5, 0.7, 0.3)), GREY, edge=INK, width=0.5)


def glyph_screen_saver(c):
    g_monitor(c, LIGHT_BLUE)
    c.paint(polygon([(7.5, 3.4), (8.5, 5.8), (11.0, 6.0), (9.1, 7.6), (9.7, 10.0), (7.5, 8.7), (5.3, 10.0), (5.9, 7.6), (4.0, 6.0), (6.5, 5.8)]), YELLOW)


def glyph_monitor_off(c):
    g_monitor(c, rgb(24, 28, 40))
    c.paint(circle(12.0, 9.8, 0.9), rgb(230, 150, 40))


def glyph_log_off(c):
    outlined(c, round_box(5.0, 7.5, 3.8, 6.5, 0.5), rgb(170, 110, 55), edge=INK, width=0.7)
    c.paint(circle(7.2, 8.0, 0.7), YELLOW)
    head = polygon([(14.6, 7.5), (11.0, 4.2), (11.0, 10.8)])
    outlined(c, union(head, segment(7.5, 7.5, 11.5, 7.5, 1.2)), GREEN, edge=INK, width=0.6)


def glyph_power(c):
    g_disc(c, 7.5, 7.5, 6.6, rgb(60, 70, 95))
    c.paint(subtract(ring(7.5, 8.0, 2.9, 4.0), round_box(7.5, 3.8, 1.8, 3.2, 0.2)), PAPER)
    c.paint(segment(7.5, 3.0, 7.5, 7.4, 0.75), PAPER)


def glyph_moon(c):
    moon = subtract(circle(7.0, 8.0, 6.0), circle(10.0, 5.6, 4.8))
    outlined(c, moon, YELLOW, edge=INK, width=0.7)
    c.paint(circle(12.0, 11.5, 0.9), YELLOW)
    c.paint(circle(13.2, 3.5, 0.7), YELLOW)


# Image index -> picture (the indices the menus, actions, tabs and choosers use).
GLYPHS = [
    glyph_exit,  # 0 "Выход"
    glyph_about,  # 1 "О программе..."
    glyph_minimise,  # 2 "Свернуть окно"
    glyph_restore,  # 3 "Показать окно"
    glyph_gear,  # 4 "Настройки"
    glyph_misc,  # 5 "Разное"
    glyph_main,  # 6 "Основные"
    glyph_clock,  # 7 the clock
    glyph_bell,  # 8 a signal
    glyph_sound,  # 9 "Сигналы", "Включить звук" (turns the sounds on)
    glyph_speech,  # 10 "Сказать время", "Речь"
    glyph_hourglass,  # 11 "Время работы Windows"
    glyph_mouse,  # 12 "Мышь"
    glyph_planner,  # 13 "Планировщик", planner on
    glyph_sync,  # 14 "Синхронизация времени"
    glyph_hotkeys,  # 15 "Горячие клавиши"
    glyph_calendar,  # 16 "Календарь"
    glyph_date_time,  # 17 "Дата/время"
    glyph_globe,  # 18 the world (time zones)
    glyph_sound_off,  # 19 the signals page while the sounds are off
    glyph_planner_off,  # 20 "Включить планировщик" (the planner is off)
    glyph_clock_window,  # 21 "Главное окно", the main window's skin
    glyph_skins,  # 22 "Шкура"
    glyph_taskbar_clock,  # 23 "Системные часы", the taskbar clock's skin
    glyph_sun,  # 24 "Восход / заход солнца"
    glyph_screen_saver,  # 25 "Компьютер->Запустить скринсейвер"
    glyph_monitor_off,  # 26 "Компьютер->Выключить монитор"
    glyph_log_off,  # 27 "Компьютер->Завершить сеанс пользователя"
    glyph_power,  # 28 reboot, shut down, power off
    glyph_moon,  # 29 hibernate, stand by
    glyph_mute,  # 30 "Выключить звук" (turns the sounds off)
]


def glyph_strip():
    """Rows of RGB bytes of all pictures side by side."""
    w = GLYPH * len(GLYPHS)
    rows = [bytearray(w * 3) for _ in range(GLYPH)]
    for n, draw in enumerate(GLYPHS):
        c = Canvas(GLYPH, GLYPH)
        draw(c)
        for y in range(GLYPH):
            for x in range(GLYPH):
                i = (y * GLYPH + x) * 4
                a = c.px[i + 3]
                if a < 0.3 or (x == 0 and y == GLYPH - 1):
                    px = KEY
                else:
                    px = tuple(int(round(clamp(c.px[i + j] + GLYPH_BACK[j] * (1 - a)) * 255)) for j in range(3))
                    if px == KEY:
                        px = (254, 0, 255)
                o = (n * GLYPH + x) * 3
                rows[y][o : o + 3] = bytes(px)
    return [bytes(r) for r in rows]


# --------------------------------------------------------------------------


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)

    def png(name, canvas):
        write_png(os.path.join(out, name), canvas.w, canvas.h, canvas.rgba8())

    def bmp(name, size, rows):
        write_bmp24(os.path.join(out, name), size, size, rows)

    def cur(name, made):
        canvas, hot = made
        write_cur(os.path.join(out, name), canvas.w, canvas.h, canvas.rgba8(), hot)

    png("imgbackgr.png", draw_case())
    png("imgback.png", draw_dial())
    png("imgglass.png", draw_glass())
    bmp("imghour.bmp", HAND_HOUR, hour_hand())
    bmp("imgmin.bmp", HAND_BIG, minute_hand())
    bmp("imgsec.bmp", HAND_BIG, second_hand())
    bmp("imgcentr.bmp", CAP_SIZE, centre_cap())
    png("imgback_tray.png", tray_dial())
    png("imghour_tray.png", tray_hand(19.0, 4.0, 2.4, rgb(250, 250, 245)))
    png("imgmin_tray.png", tray_hand(28.0, 5.0, 1.9, rgb(250, 250, 245)))
    png("imgsec_tray.png", tray_hand(30.0, 7.0, 0.9, SECOND_RED))
    png("cbackground.png", text_background())
    cur("cursor_def.cur", cursor_arrow_clock())
    cur("cursor_hand.cur", cursor_hand())
    cur("cursor_handwe.cur", cursor_hand_we())
    cur("cursor_color.cur", cursor_color())
    write_ico(os.path.join(out, "horalto.ico"), [app_icon(size) for size in (16, 24, 32, 48, 256)])
    write_bmp24(os.path.join(out, "img_main.bmp"), GLYPH * len(GLYPHS), GLYPH, glyph_strip())


if __name__ == "__main__":
    main()
