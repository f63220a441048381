#!/usr/bin/python3
"""Draws nube.png, the 38 x 28 picture the sounding diagram puts beside a
cumulus base: a white cloud with a grey-blue outline in front of an orange
sun, on a transparent background. Only the standard library (zlib, struct).

Run from this folder to regenerate it: /usr/bin/python3 makecloud.py
"""
import math
import struct
import zlib

WIDTH, HEIGHT = 38, 28
SAMPLES = 4  # sub-samples per pixel side, for smooth edges

SUN = (255, 150, 0)
RAY = (255, 185, 40)
CLOUD = (255, 255, 255)
OUTLINE = (110, 125, 150)

SUN_CENTRE, SUN_RADIUS = (26.0, 9.5), 6.0
RAYS = 8
CLOUD_CIRCLES = [(11.5, 18.5, 5.5), (18.5, 14.0, 7.0), (26.5, 17.5, 5.5), (31.0, 21.0, 4.0)]
CLOUD_BODY = (7.0, 16.5, 34.0, 25.5)  # left, top, right, bottom
EDGE = 1.1  # outline width in pixels


def in_cloud(x, y, shrink=0.0):
    for cx, cy, r in CLOUD_CIRCLES:
        if (x - cx) ** 2 + (y - cy) ** 2 <= (r - shrink) ** 2:
            return True
    left, top, right, bottom = CLOUD_BODY
    # The body's bottom corners are rounded with a radius of 3.
    if left + shrink <= x <= right - shrink and top + shrink <= y <= bottom - shrink:
        radius = 3.0 - shrink
        for cx in (left + 3.0, right - 3.0):
            cy = bottom - 3.0
            beyond_x = x < cx if cx < (left + right) / 2 else x > cx
            if beyond_x and y > cy and (x - cx) ** 2 + (y - cy) ** 2 > radius ** 2:
                return False
        return True
    return False


def on_ray(x, y):
    cx, cy = SUN_CENTRE
    dx, dy = x - cx, y - cy
    distance = math.hypot(dx, dy)
    if not SUN_RADIUS + 1.5 <= distance <= SUN_RADIUS + 5.0:
        return False
    angle = math.atan2(dy, dx)
    for k in range(RAYS):
        a = 2 * math.pi * k / RAYS + math.pi / RAYS
        gap = abs((angle - a + math.pi) % (2 * math.pi) - math.pi)
        if gap * distance <= 0.9:
            return True
    return False


def colour_at(x, y):
    """Colour and opacity of one sub-sample, front to back."""
    if in_cloud(x, y):
        return (CLOUD if in_cloud(x, y, EDGE) else OUTLINE), 1.0
    cx, cy = SUN_CENTRE
    if (x - cx) ** 2 + (y - cy) ** 2 <= SUN_RADIUS ** 2:
        return SUN, 1.0
    if on_ray(x, y):
        return RAY, 1.0
    return (0, 0, 0), 0.0


def pixel(px, py):
    red = green = blue = alpha = 0.0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            (r, g, b), a = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            red, green, blue, alpha = red + r * a, green + g * a, blue + b * a, alpha + a
    if alpha == 0:
        return (0, 0, 0, 0)
    n = SAMPLES * SAMPLES
    return (round(red / alpha), round(green / alpha), round(blue / alpha), round(255 * alpha / n))


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png():
    raw = bytearray()
    for py in range(HEIGHT):
        raw.append(0)  # no filter
        for px in range(WIDTH):
            raw.extend(pixel(px, py))
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    with open("nube.png", "wb") as out:
        out.write(png())
