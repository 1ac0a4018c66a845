#!/usr/bin/env python3
"""Draws the form's pictures into resources/: the four header check-box states, the logo and
the banner. Plain Python (zlib only), 4x4 supersampling for smooth edges. Run once after a change:
  /usr/bin/python3 scripts/make_pictures.py"""
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
SS = 4  # samples per pixel along each axis


def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def render(width, height, shade):
    """shade(x, y) -> (r, g, b, a) or None for transparent, at a sample point in pixel units."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SS):
                for sx in range(SS):
                    c = shade(px + (sx + 0.5) / SS, py + (sy + 0.5) / SS)
                    if c is None:
                        continue
                    a = c[3] / 255.0
                    for i in range(3):
                        acc[i] += c[i] * a
                    acc[3] += a
            n = SS * SS
            alpha = acc[3] / n
            if acc[3] > 0:
                row.append(tuple(int(round(acc[i] / acc[3])) for i in range(3)) +
                           (int(round(alpha * 255)),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def near_segment(x, y, ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    ex, ey = ax + t * dx - x, ay + t * dy - y
    return ex * ex + ey * ey <= half_width * half_width


def check_box(ticked, greyed):
    border = (150, 150, 150, 255) if greyed else (40, 60, 90, 255)
    fill = (225, 225, 225, 255) if greyed else (255, 255, 255, 255)
    tick = (150, 150, 150, 255) if greyed else (20, 130, 40, 255)

    def shade(x, y):
        if ticked and (near_segment(x, y, 3.5, 8.5, 6.5, 11.5, 1.2) or
                       near_segment(x, y, 6.5, 11.5, 12.5, 4.0, 1.2)):
            return tick
        if 1.0 <= x <= 15.0 and 1.0 <= y <= 15.0:
            return border if (x < 2.2 or x > 13.8 or y < 2.2 or y > 13.8) else fill
        return None

    return render(16, 16, shade)


def inside_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def logo():
    """A control valve: two triangles tip to tip on a pipe, a stem and an actuator dome."""
    blue, dark, orange = (30, 90, 170, 255), (20, 40, 70, 255), (230, 120, 30, 255)

    def shade(x, y):
        if inside_triangle(x, y, (14, 38), (14, 62), (40, 50)) or \
           inside_triangle(x, y, (66, 38), (66, 62), (40, 50)):
            return blue
        if (4 <= x <= 14 or 66 <= x <= 76) and 45 <= y <= 55:
            return dark
        if 38.5 <= x <= 41.5 and 22 <= y <= 50:
            return dark
        if 26 <= x <= 54 and 16 <= y <= 24:
            return orange
        dx, dy = x - 40, y - 16
        if dy <= 0 and dx * dx / 196.0 + dy * dy / 100.0 <= 1.0:
            return orange
        return None

    return render(80, 68, shade)


def banner():
    """A soft band from deep blue to white with a thin orange line on top."""
    width, height = 640, 20

    def shade(x, y):
        if y < 2.0:
            return (230, 120, 30, 255)
        t = x / width
        return (int(30 + t * 225), int(90 + t * 165), int(170 + t * 85), 255)

    return render(width, height, shade), width, height


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, ticked, greyed in (("ticked", True, False), ("empty", False, False),
                                 ("greyed_ticked", True, True), ("greyed_empty", False, True)):
        write_png(os.path.join(OUT, f"header_{name}.png"), 16, 16, check_box(ticked, greyed))
    write_png(os.path.join(OUT, "logo.png"), 80, 68, logo())
    pixels, width, height = banner()
    write_png(os.path.join(OUT, "banner.png"), width, height, pixels)


if __name__ == "__main__":
    main()
