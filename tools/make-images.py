#!/usr/bin/env python3
"""Draws the program's pictures and writes them as Windows resource files.

    res/corvix.ico   the application icon: 16 x 16 and 32 x 32, each as a
                     256-colour image (Windows 95 to 2000) and as a 32-bit
                     image with an alpha channel (Windows XP and later)
    res/toolbar.bmp  the toolbar strip: seven 20 x 20 images side by side,
                     24-bit, on the transparent colour magenta (0xFF00FF)
    res/upclick_*.bmp  the splitter's arrows (left, right: 4 x 5; up, down:
                     5 x 4), 16 colours, black on the dialog grey (192, 192,
                     192), which loading maps to the system's colours

The pictures are made of simple shapes (rectangles, circles, polygons, thick
lines) that are sampled per pixel; an outline is drawn where a shape meets its
outside. Run it from anywhere; the generated files are committed, so the build
does not need Python:  python3 tools/make-images.py
"""
import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "res")

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
LIGHT = (224, 224, 224)
NAVY = (0, 0, 128)
BLUE = (40, 90, 200)
SKY = (170, 210, 250)
YELLOW = (255, 220, 0)
ORANGE = (245, 150, 20)
RED = (200, 30, 30)
GREEN = (30, 140, 50)
BROWN = (120, 70, 20)
CROW = (28, 30, 44)
CROW_LIGHT = (70, 78, 110)


# --- Shapes: predicates over continuous pixel coordinates (x right, y down).

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry, angle=0.0):
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def inside(x, y):
        dx, dy = x - cx, y - cy
        u, v = dx * c + dy * s, -dx * s + dy * c
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0
    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
            if (y0 > y) != (y1 > y):
                if x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                    hit = not hit
        return hit
    return inside


def stroke(x0, y0, x1, y1, width):
    """A line of the given width with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2.0) ** 2
    return inside


def gear(cx, cy, r_teeth, r_body, teeth):
    def inside(x, y):
        dx, dy = x - cx, y - cy
        r = math.hypot(dx, dy)
        if r <= r_body:
            return True
        if r > r_teeth:
            return False
        a = (math.atan2(dy, dx) / (2 * math.pi) * teeth) % 1.0
        return 0.25 <= a <= 0.75
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def pixels(rows, origin_x, origin_y, colours):
    """Layers from a small picture: one character per pixel, '.' is empty."""
    layers = []
    for ch, colour in colours.items():
        cells = {(origin_x + i, origin_y + j)
                 for j, row in enumerate(rows) for i, c in enumerate(row) if c == ch}
        layers.append((colour, lambda x, y, cells=cells: (int(math.floor(x)), int(math.floor(y))) in cells, None))
    return layers


# --- Rendering.

class Picture:
    """A list of layers (colour, shape, outline colour or None), drawn in order."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.layers = []

    def add(self, colour, shape, outline=None):
        self.layers.append((colour, shape, outline))

    def extend(self, layers):
        self.layers.extend(layers)

    def _colour_at(self, x, y, edge):
        colour = None
        for fill, shape, outline in self.layers:
            if shape(x, y):
                colour = fill
                if outline is not None and not all(
                        shape(x + dx, y + dy) for dx, dy in ((edge, 0), (-edge, 0), (0, edge), (0, -edge))):
                    colour = outline
        return colour

    def hard(self):
        """One sample at each pixel centre: crisp pixels, None where empty."""
        return [[self._colour_at(i + 0.5, j + 0.5, 1.0) for i in range(self.width)]
                for j in range(self.height)]

    def smooth(self, n=4):
        """n x n samples per pixel: (r, g, b, a) with straight alpha."""
        out = []
        for j in range(self.height):
            row = []
            for i in range(self.width):
                r = g = b = a = 0
                for sj in range(n):
                    for si in range(n):
                        c = self._colour_at(i + (si + 0.5) / n, j + (sj + 0.5) / n, 1.0)
                        if c is not None:
                            r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
                if a == 0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append((round(r / a), round(g / a), round(b / a), round(255 * a / (n * n))))
            out.append(row)
        return out


# --- File formats.

def bmp24(rows):
    """A bottom-up 24-bit Windows bitmap file of rows of (r, g, b)."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + bytes(data)


PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
             (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
             (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def bmp4(rows):
    """A bottom-up 16-colour Windows bitmap file of rows of palette indexes."""
    height, width = len(rows), len(rows[0])
    stride = ((width + 1) // 2 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for i, index in enumerate(row):
            line[i // 2] |= index << (0 if i % 2 else 4)
        data += line
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE16)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


def arrows():
    """The splitter's four arrows as rows of palette indexes (0 black, 7 grey)."""
    left = ["...X", "..XX", ".XXX", "..XX", "...X"]
    right = [row[::-1] for row in left]
    up = ["..X..", ".XXX.", "XXXXX", "....."]
    down = list(reversed(up))
    def indexes(picture):
        return [[0 if c == "X" else 7 for c in row] for row in picture]
    return {"left": indexes(left), "right": indexes(right), "up": indexes(up), "down": indexes(down)}


def and_mask(opaque):
    """The 1-bit mask of an icon image: set bits are transparent."""
    width = len(opaque[0])
    stride = ((width + 31) // 32) * 4
    data = bytearray()
    for row in reversed(opaque):
        line = bytearray(stride)
        for i, solid in enumerate(row):
            if not solid:
                line[i // 8] |= 0x80 >> (i % 8)
        data += line
    return bytes(data)


def icon_image_8bit(rows):
    """A 256-colour icon image (rows of (r, g, b) or None) as stored in an .ico."""
    height, width = len(rows), len(rows[0])
    palette = [(0, 0, 0)]
    index = {}
    for row in rows:
        for c in row:
            if c is not None and c not in index:
                index[c] = len(palette)
                palette.append(c)
    assert len(palette) <= 256, "too many colours for a 256-colour icon"
    stride = (width + 3) & ~3
    pixels_ = bytearray()
    for row in reversed(rows):
        line = bytearray(index.get(c, 0) if c is not None else 0 for c in row)
        line += b"\0" * (stride - width)
        pixels_ += line
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) + b"\0" * 4 * (256 - len(palette))
    mask = and_mask([[c is not None for c in row] for row in rows])
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 8, 0, len(pixels_) + len(mask), 0, 0, 256, 0)
    return info + pal + bytes(pixels_) + mask


def icon_image_32bit(rows):
    """A 32-bit icon image with alpha (rows of (r, g, b, a)) as stored in an .ico."""
    height, width = len(rows), len(rows[0])
    data = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            data += bytes((b, g, r, a))
    mask = and_mask([[px[3] >= 128 for px in row] for row in rows])
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(data) + len(mask), 0, 0, 0, 0)
    return info + bytes(data) + mask


def ico(images):
    """An .ico file of (width, height, bit count, image bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for width, height, bits, data in images:
        colours = 0  # 0 stands for 256 or more colours
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
        body += data
    return out + body


# --- The application icon: a crow perched on a document with an extension tag.

def crow_on_document():
    p = Picture(32, 32)
    p.add(WHITE, polygon([(3, 2), (18, 2), (24, 8), (24, 30), (3, 30)]), outline=GREY)
    p.add(LIGHT, polygon([(18, 2), (18, 8), (24, 8)]), outline=GREY)
    for y in (12, 16, 20):
        p.add(SILVER, rect(7, y, 16, y + 1))
    p.add(ORANGE, rect(3, 23, 17, 29), outline=(170, 90, 0))
    # The crow, facing left, standing on the page's right edge.
    body = ellipse(22.5, 16.5, 7.5, 5.0, angle=30)
    head = circle(15.5, 9.5, 4.3)
    tail = polygon([(25, 19), (32, 27), (31.5, 30), (22, 22)])
    neck = polygon([(13, 11), (18, 6), (24, 12), (18, 17)])
    p.add(CROW, union(body, head, tail, neck), outline=BLACK)
    p.add(CROW_LIGHT, ellipse(23.5, 16, 4.5, 2.2, angle=35))
    p.add(YELLOW, polygon([(12, 8), (5, 11.5), (12, 12.5)]), outline=(150, 110, 0))
    p.add(WHITE, circle(15.0, 8.5, 1.2))
    p.add(BLACK, circle(14.8, 8.6, 0.6))
    p.add(BROWN, union(stroke(20, 21, 19, 27, 1.9), stroke(23, 21.5, 23, 27, 1.9)))
    return p


# At 16 x 16 the shapes blur into each other, so the small icon is drawn pixel
# by pixel: the same page, tag and crow.
SMALL_CROW = [
    "ggggggggg.......",
    "gwwwwwwwgg......",
    "gwwwwwwkkkg.....",
    "gwwwwwkkkkkg....",
    "gwwwwkekkkkg....",
    "gwyyyykkkkkg....",
    "gwwwwwwkkkkkk...",
    "gwwwwwwkkbbbkk..",
    "gwwwwwwwkkbbbkk.",
    "gwwwwwwwkkkbbkkk",
    "gwwwwwwwwkkkkkkk",
    "gOOOOOOOOgnwnkkk",
    "gOoooooooOnwn.kk",
    "gOoooooooOnwn..k",
    "gOOOOOOOOOgggg..",
    "................",
]


def small_crow():
    p = Picture(16, 16)
    p.extend(pixels(SMALL_CROW, 0, 0, {
        "g": GREY, "w": WHITE, "k": CROW, "b": CROW_LIGHT, "e": WHITE, "y": YELLOW,
        "O": (170, 90, 0), "o": ORANGE, "n": BROWN}))
    return p


# --- The toolbar images, 20 x 20 each.

def document(p, x0, y0, x1, y1, fold=4):
    p.add(WHITE, polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]), outline=BLACK)
    p.add(LIGHT, polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), outline=BLACK)


def tool_scan():
    p = Picture(20, 20)
    document(p, 1, 1, 13, 18)
    for y in (5, 8, 11, 14):
        p.add(GREY, rect(3, y, 10, y + 1))
    p.add(SKY, circle(11.5, 9.5, 4.8))
    p.add(BLACK, minus(circle(11.5, 9.5, 5.6), circle(11.5, 9.5, 4.4)))
    p.add(WHITE, rect(9, 7, 11, 8))
    p.add(BROWN, stroke(15.2, 13.2, 18.3, 17.8, 2.6), outline=BLACK)
    return p


def tool_folder():
    p = Picture(20, 20)
    p.add(YELLOW, polygon([(1, 4), (7, 4), (9, 6), (18, 6), (18, 17), (1, 17)]), outline=BROWN)
    p.add((255, 240, 150), rect(2, 8, 17, 9))
    return p


def tool_new():
    p = Picture(20, 20)
    document(p, 4, 1, 17, 19)
    for y in (9, 12, 15):
        p.add(SILVER, rect(7, y, 14, y + 1))
    star = []
    for k in range(16):
        r = 5.0 if k % 2 == 0 else 2.2
        a = math.pi * k / 8
        star.append((5.5 + r * math.cos(a), 5.5 + r * math.sin(a)))
    p.add(YELLOW, polygon(star), outline=ORANGE)
    return p


def tool_open_with_lists():
    p = Picture(20, 20)
    p.add(WHITE, rect(1, 2, 19, 18), outline=GREY)
    for y, colour in ((4, RED), (8, GREEN), (12, BLUE)):
        p.add(colour, rect(3, y, 6, y + 3), outline=BLACK)
        p.add(BLACK, rect(8, y + 1, 17, y + 2))
    p.add(NAVY, rect(2, 11, 18, 16))
    p.add(BLUE, rect(3, 12, 6, 15), outline=WHITE)
    p.add(WHITE, rect(8, 13, 17, 14))
    return p


def tool_select_program():
    p = Picture(20, 20)
    p.add(SILVER, rect(1, 2, 17, 15), outline=BLACK)
    p.add(NAVY, rect(2, 3, 16, 6))
    p.add(WHITE, rect(3, 7, 15, 14), outline=GREY)
    p.add(WHITE, rect(13, 4, 15, 5))
    arrow = polygon([(10, 8), (10, 19), (12.6, 16.4), (14.6, 20.2), (16.4, 19.4), (14.4, 15.6), (18, 15.6)])
    p.add(WHITE, arrow, outline=BLACK)
    return p


def tool_configuration():
    p = Picture(20, 20)
    p.add(SILVER, minus(gear(10, 10, 8.6, 6.2, 8), circle(10, 10, 2.6)), outline=BLACK)
    p.add(LIGHT, minus(circle(10, 10, 4.6), circle(10, 10, 2.6)))
    return p


def tool_help():
    p = Picture(20, 20)
    p.add(BLUE, circle(10, 10, 9.0), outline=NAVY)
    question = [
        "..###..",
        ".##.##.",
        ".##.##.",
        "....##.",
        "...##..",
        "..##...",
        "..##...",
        ".......",
        "..##...",
        "..##...",
    ]
    p.extend(pixels(question, 7, 5, {"#": WHITE}))
    return p


TOOLBAR = [tool_scan, tool_folder, tool_new, tool_open_with_lists, tool_select_program,
           tool_configuration, tool_help]


def main():
    strip = [[MAGENTA] * (20 * len(TOOLBAR)) for _ in range(20)]
    for k, make in enumerate(TOOLBAR):
        for j, row in enumerate(make().hard()):
            for i, c in enumerate(row):
                if c is not None:
                    assert c != MAGENTA
                    strip[j][20 * k + i] = c
    with open(os.path.join(RES, "toolbar.bmp"), "wb") as f:
        f.write(bmp24(strip))
    for name, rows in arrows().items():
        with open(os.path.join(RES, "upclick_%s.bmp" % name), "wb") as f:
            f.write(bmp4(rows))

    small, large = small_crow(), crow_on_document()
    images = [
        (16, 16, 8, icon_image_8bit(small.hard())),
        (32, 32, 8, icon_image_8bit(large.hard())),
        (16, 16, 32, icon_image_32bit(small.smooth(1))),
        (32, 32, 32, icon_image_32bit(large.smooth())),
    ]
    with open(os.path.join(RES, "corvix.ico"), "wb") as f:
        f.write(ico(images))


if __name__ == "__main__":
    main()
