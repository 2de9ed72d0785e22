#!/usr/bin/env python3
"""Draws the program's icon: two pulleys and the belt between them.

One drawing, written out six ways into data/:
  icons/hicolor/scalable/apps/ID.svg   the scalable version for desktops
  icons/hicolor/32x32/apps/ID.png      the window and application icon, 24-bit colour
  icons/hicolor/256x256/apps/ID.png    the same at a size for large displays
  ID.ico                               the Windows icon: 16, 24, 32, 48 and 256 px,
                                       each 32-bit colour with alpha
  web/icon-192.png, web/icon-512.png   the web site's icons, for installing it as an app

The shapes are circles and the belt's two outer tangents, so the PNGs are
rasterised here with plain supersampling (standard library only) rather than by
an SVG renderer. Run it from anywhere after changing a number below:
    python3 scripts/make-icon.py
"""
import math
import os
import struct
import zlib

APP_ID = "io.github.selbrin.Selbrin"
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")

# Geometry on a 32-unit canvas. The motor pulley is the larger one, lower left;
# the screw pulley is smaller, upper right; the belt wraps both.
MOTOR = (12.0, 19.5, 8.0)  # centre x, centre y, radius
SCREW = (23.0, 10.0, 5.0)
BELT = 2.0  # belt thickness outside the pulley rims

BACKGROUND_TOP = (0x3B, 0x7D, 0xB8)
BACKGROUND_BOTTOM = (0x1E, 0x4E, 0x7E)
BELT_COLOUR = (0x1A, 0x1A, 0x1A)
RIM = (0xD9, 0xDE, 0xE3)
RIM_EDGE = (0x8A, 0x93, 0x9C)
HUB = (0x9A, 0xA4, 0xAE)
BORE = (0x2B, 0x31, 0x38)


def tangent_points(c1, c2):
    """The outer tangent points of two circles, for the side at angle +/-."""
    (x1, y1, r1), (x2, y2, r2) = c1, c2
    dx, dy = x2 - x1, y2 - y1
    d = math.hypot(dx, dy)
    base = math.atan2(dy, dx)
    spread = math.acos((r1 - r2) / d)
    sides = []
    for sign in (1, -1):
        a = base + sign * spread
        sides.append(((x1 + r1 * math.cos(a), y1 + r1 * math.sin(a)),
                      (x2 + r2 * math.cos(a), y2 + r2 * math.sin(a))))
    return sides


def inside_hull(px, py, c1, c2, grow):
    """Whether a point lies in the convex hull of both circles grown by `grow`."""
    a = (c1[0], c1[1], c1[2] + grow)
    b = (c2[0], c2[1], c2[2] + grow)
    if math.hypot(px - a[0], py - a[1]) <= a[2] or math.hypot(px - b[0], py - b[1]) <= b[2]:
        return True
    (p1, q1), (p2, q2) = tangent_points(a, b)
    quad = [p1, q1, q2, p2]
    sign = 0
    for i in range(4):
        (ax, ay), (bx, by) = quad[i], quad[(i + 1) % 4]
        cross = (bx - ax) * (py - ay) - (by - ay) * (px - ax)
        if cross != 0:
            s = 1 if cross > 0 else -1
            if sign == 0:
                sign = s
            elif s != sign:
                return False
    return True


def pulley_colour(px, py, pulley):
    x, y, r = pulley
    d = math.hypot(px - x, py - y)
    if d > r:
        return None
    if d <= 0.18 * r:
        return BORE
    if d <= 0.45 * r:
        return HUB
    if d >= r - 0.9:
        return RIM_EDGE
    return RIM


def colour_at(px, py):
    for pulley in (MOTOR, SCREW):
        c = pulley_colour(px, py, pulley)
        if c is not None:
            return c
    if inside_hull(px, py, MOTOR, SCREW, BELT) and not inside_hull(px, py, MOTOR, SCREW, 0.0):
        return BELT_COLOUR
    t = py / 32.0
    return tuple(round(a + (b - a) * t) for a, b in zip(BACKGROUND_TOP, BACKGROUND_BOTTOM))


def render(size, samples):
    scale = 32.0 / size
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            acc = [0, 0, 0]
            for sj in range(samples):
                for si in range(samples):
                    c = colour_at((i + (si + 0.5) / samples) * scale,
                                  (j + (sj + 0.5) / samples) * scale)
                    for k in range(3):
                        acc[k] += c[k]
            n = samples * samples
            row.append(tuple(round(v / n) for v in acc))
        rows.append(row)
    return rows


def png(rows):
    """An 8-bit RGB PNG (colour type 2: 24-bit colour, no alpha)."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def bmp_image(rows):
    """An icon's bitmap: 32-bit BGRA rows bottom-up, and an AND mask of none."""
    size = len(rows)
    pixels = b"".join(bytes(v for px in row for v in (px[2], px[1], px[0], 255))
                      for row in reversed(rows))
    mask = bytes(((size + 31) // 32) * 4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask),
                         0, 0, 0, 0)
    return header + pixels + mask


def rgba_png(rows):
    """An 8-bit RGBA PNG (colour type 6), as an icon's largest image is kept."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for px in row for v in (*px, 255)) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(renders):
    """An ICO of every rendering, smallest first; 256 px as PNG, the rest as bitmaps."""
    images = [rgba_png(rows) if len(rows) >= 256 else bmp_image(rows) for rows in renders]
    offset = 6 + 16 * len(images)
    entries = b""
    for rows, image in zip(renders, images):
        side = len(rows) % 256  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return struct.pack("<HHH", 0, 1, len(images)) + entries + b"".join(images)


def svg():
    def hexc(c):
        return "#%02x%02x%02x" % c

    def hull_path(grow):
        a = (MOTOR[0], MOTOR[1], MOTOR[2] + grow)
        b = (SCREW[0], SCREW[1], SCREW[2] + grow)
        (p1, q1), (p2, q2) = tangent_points(a, b)
        f = lambda p: "%.3f %.3f" % p
        # From the motor side along one tangent, round the screw pulley, back along
        # the other tangent, round the motor pulley (the long way).
        return ("M %s L %s A %.3f %.3f 0 0 0 %s L %s A %.3f %.3f 0 1 0 %s Z"
                % (f(p1), f(q1), b[2], b[2], f(q2), f(p2), a[2], a[2], f(p1)))

    def pulley(p):
        x, y, r = p
        return ('  <circle cx="%g" cy="%g" r="%g" fill="%s"/>\n'
                '  <circle cx="%g" cy="%g" r="%g" fill="%s"/>\n'
                '  <circle cx="%g" cy="%g" r="%g" fill="%s"/>\n'
                '  <circle cx="%g" cy="%g" r="%g" fill="%s"/>\n'
                % (x, y, r, hexc(RIM_EDGE), x, y, r - 0.9, hexc(RIM), x, y, 0.45 * r, hexc(HUB),
                   x, y, 0.18 * r, hexc(BORE)))

    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
            '  <title>Selbrin: two pulleys and a V-belt</title>\n'
            '  <defs>\n'
            '    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">\n'
            '      <stop offset="0" stop-color="%s"/>\n'
            '      <stop offset="1" stop-color="%s"/>\n'
            '    </linearGradient>\n'
            '  </defs>\n'
            '  <rect width="32" height="32" fill="url(#sky)"/>\n'
            '  <!-- the belt: a band around both pulleys, outside their rims -->\n'
            '  <path d="%s" fill="none" stroke="%s" stroke-width="%g"/>\n'
            '%s%s'
            '</svg>\n') % (hexc(BACKGROUND_TOP), hexc(BACKGROUND_BOTTOM), hull_path(BELT / 2),
                           hexc(BELT_COLOUR), BELT, pulley(MOTOR), pulley(SCREW))


def write(path, data):
    path = os.path.join(ROOT, path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    small = render(32, 8)
    large = render(256, 3)
    write("icons/hicolor/32x32/apps/%s.png" % APP_ID, png(small))
    write("icons/hicolor/256x256/apps/%s.png" % APP_ID, png(large))
    write("icons/hicolor/scalable/apps/%s.svg" % APP_ID, svg().encode())
    write("%s.ico" % APP_ID, ico([render(16, 8), render(24, 8), small, render(48, 6), large]))
    write("web/icon-192.png", png(render(192, 3)))
    write("web/icon-512.png", png(render(512, 2)))


if __name__ == "__main__":
    main()
