"""Draws the application icon (a battery with a row of toggle dots) at 32x32
and 16x16 and writes it as a Windows .ico with 32-bit images.

Usage: python3 scripts/make_icon.py ui/res/quorrith.ico
"""
import struct
import sys

SAMPLES = 4  # supersampling per axis, for smooth edges


def inside_rounded(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def colour_at(u, v):
    """Colour (r, g, b, a) at a point of the unit square, top-left origin."""
    body = (0.06, 0.22, 0.86, 0.80)
    if inside_rounded(u, v, 0.86, 0.40, 0.97, 0.62, 0.03):  # terminal
        return (60, 66, 80, 255)
    if inside_rounded(u, v, *body, 0.10):
        inner = (0.13, 0.30, 0.79, 0.72)
        if not inside_rounded(u, v, *inner, 0.05):
            return (60, 66, 80, 255)  # casing
        # Three toggle dots on a green charge.
        for cx in (0.27, 0.46, 0.65):
            if (u - cx) ** 2 + (v - 0.51) ** 2 <= 0.075 ** 2:
                return (255, 255, 255, 255)
        return (46, 170, 80, 255)
    return (0, 0, 0, 0)


def render(size):
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) / size
                    v = (y + (sy + 0.5) / SAMPLES) / size
                    r, g, b, a = colour_at(u, v)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(c / acc[3]) for c in acc[:3]) + (round(alpha),))
        pixels.append(row)
    return pixels


def dib(size):
    pixels = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(
        bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def main():
    images = [(32, dib(32)), (16, dib(16))]
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 1, len(images))
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
