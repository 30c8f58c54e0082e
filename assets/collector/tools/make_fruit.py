#!/usr/bin/env python3
"""Writes the Collector's fruit drawings: for each of the ten kinds the coloured fruit
(fruitK.svg), its greyed twin for the empty places of the status row (fruitK_gray.svg: the same
shapes, so the same mask) and a small heap of that fruit for the basket (pileK.svg).

Run from anywhere: python3 assets/collector/tools/make_fruit.py
"""
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
OUTLINE = "#2E2A40"
STEM = "#6B3E1E"
LEAF = "#5CB83C"


def grey(colour):
    """A pale grey of the colour's lightness: the fruit still to be found."""
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    light = 0.299 * r + 0.587 * g + 0.114 * b
    v = round(165 + (light - 128) * 0.3)
    return "#{0:02X}{0:02X}{0:02X}".format(max(0, min(255, v)))


class Pen:
    """Draws shapes in the fruit's 70 x 70 box, in colour or in grey."""

    def __init__(self, gray, width):
        self.gray = gray
        self.width = width
        self.parts = []

    def c(self, colour):
        return grey(colour) if self.gray else colour

    def outline(self):
        return "#7C7A8C" if self.gray else OUTLINE

    def shape(self, tag, fill, stroke=True, extra=""):
        s = ' stroke="{}" stroke-width="{:g}" stroke-linejoin="round"'.format(
            self.outline(), self.width) if stroke else ""
        self.parts.append('<{} fill="{}"{} {}/>'.format(tag, self.c(fill), s, extra).replace(" />", "/>"))

    def path(self, d, fill, stroke=True):
        self.shape("path", fill, stroke, 'd="{}"'.format(d))

    def circle(self, x, y, r, fill, stroke=True):
        self.shape("circle", fill, stroke, 'cx="{:g}" cy="{:g}" r="{:g}"'.format(x, y, r))

    def ellipse(self, x, y, rx, ry, fill, angle=0, stroke=True):
        rot = ' transform="rotate({:g} {:g} {:g})"'.format(angle, x, y) if angle else ""
        self.shape("ellipse", fill, stroke,
                   'cx="{:g}" cy="{:g}" rx="{:g}" ry="{:g}"{}'.format(x, y, rx, ry, rot))

    def line(self, d, colour, width):
        """A line with the outline round it."""
        self.parts.append('<path d="{}" fill="none" stroke="{}" stroke-width="{:g}" '
                          'stroke-linecap="round"/>'.format(d, self.outline(), width + self.width))
        self.parts.append('<path d="{}" fill="none" stroke="{}" stroke-width="{:g}" '
                          'stroke-linecap="round"/>'.format(d, self.c(colour), width))

    def mark(self, d, colour, width):
        """A thin line drawn on a shape (a crease, a ridge)."""
        self.parts.append('<path d="{}" fill="none" stroke="{}" stroke-width="{:g}" '
                          'stroke-linecap="round"/>'.format(d, self.c(colour), width))


def leaf(p, d):
    p.path(d, LEAF)


def apple(p):
    p.line("M35 22 C35 15 37 10 40 7", STEM, 3.5)
    leaf(p, "M39 13 C44 4 56 4 60 8 C54 15 45 17 39 13 Z")
    p.path("M35 21 C26 13 8 15 8 37 C8 55 21 66 29 65 C32 64 38 64 41 65 "
           "C49 66 62 55 62 37 C62 15 44 13 35 21 Z", "#E8453C")
    p.ellipse(20, 34, 4, 9, "#FF9C8F", 18, stroke=False)


def pear(p):
    p.line("M35 13 C35 8 37 5 41 3", STEM, 3.5)
    p.path("M35 11 C27 11 25 19 25 25 C25 33 11 38 11 51 C11 62 23 67 35 67 "
           "C47 67 59 62 59 51 C59 38 45 33 45 25 C45 19 43 11 35 11 Z", "#CDE05A")
    p.ellipse(22, 50, 4, 8, "#EEF8B0", 10, stroke=False)
    p.circle(44, 56, 1.6, "#8FA33A", stroke=False)
    p.circle(48, 48, 1.6, "#8FA33A", stroke=False)


def cherry(p):
    p.line("M21 42 C25 27 32 16 40 9", "#5E8C2A", 3.5)
    p.line("M49 38 C48 26 45 16 40 9", "#5E8C2A", 3.5)
    leaf(p, "M40 9 C48 2 59 3 63 8 C57 15 47 15 40 9 Z")
    p.circle(21, 52, 14, "#D11F3F")
    p.circle(49, 48, 14, "#D11F3F")
    p.circle(16, 47, 3.5, "#FF8FA0", stroke=False)
    p.circle(44, 43, 3.5, "#FF8FA0", stroke=False)


def plum(p):
    p.line("M37 14 C37 9 39 6 42 4", STEM, 3.5)
    p.ellipse(35, 40, 22, 26, "#5B4FC7", -12)
    p.mark("M31 17 C24 30 25 50 33 64", "#3F3496", 2.5)
    p.ellipse(24, 33, 4, 9, "#A49CF2", -12, stroke=False)


def banana(p):
    p.path("M13 16 C3 48 34 72 64 52 C66 48 64 44 60 44 C40 50 28 38 27 17 Z", "#FFC928")
    p.mark("M19 26 C20 46 38 57 56 51", "#E09A00", 2.5)
    p.ellipse(17, 38, 2.5, 7, "#FFE89A", -20, stroke=False)
    p.path("M13 18 L11 7 L21 6 L26 17 Z", "#8A6A2A")
    p.circle(62, 48, 3, "#5A3A18", stroke=False)


def orange(p):
    p.circle(35, 39, 26, "#FF9A1F")
    for x, y in ((22, 46), (30, 55), (44, 52), (50, 40), (38, 44), (27, 38), (46, 28)):
        p.circle(x, y, 1.5, "#E07800", stroke=False)
    p.ellipse(24, 29, 5, 8, "#FFC770", 35, stroke=False)
    leaf(p, "M36 15 C41 6 51 6 55 9 C49 16 41 17 36 15 Z")
    p.circle(35, 14, 3, "#5E8C2A")


def lemon(p):
    p.path("M5 41 C9 36 13 23 35 21 C57 21 61 34 65 37 C61 43 56 57 34 57 "
           "C13 57 9 45 5 41 Z", "#FFF04D")
    p.ellipse(26, 32, 9, 3.5, "#FFFBC2", -12, stroke=False)
    p.circle(48, 47, 1.3, "#D8C400", stroke=False)
    p.circle(20, 47, 1.3, "#D8C400", stroke=False)


def strawberry(p):
    p.path("M35 65 C20 59 8 41 12 27 C16 17 28 17 35 21 C42 17 54 17 58 27 "
           "C62 41 50 59 35 65 Z", "#F0384F")
    for x, y in ((24, 32), (35, 34), (46, 32), (20, 43), (30, 45), (41, 45), (51, 42),
                 (27, 55), (37, 56), (45, 52)):
        p.ellipse(x, y, 1.6, 2.4, "#FFE066", stroke=False)
    p.path("M35 24 L21 16 L30 21 L25 9 L35 17 L45 9 L40 21 L49 16 Z", "#4CB944")
    p.line("M35 16 L36 6", "#4C8C2A", 3)


def grapes(p):
    p.line("M35 16 L36 5", STEM, 3.5)
    leaf(p, "M36 10 C44 2 56 3 61 7 C55 14 45 15 36 10 Z")
    rows = ((22, (17, 29, 41, 53)), (33, (23, 35, 47)), (44, (29, 41)), (55, (35,)))
    for y, xs in rows:
        for x in xs:
            p.circle(x, y, 7.5, "#9C4DCC")
            p.circle(x - 2.5, y - 2.5, 2, "#D2A6F5", stroke=False)


def peach(p):
    p.path("M35 19 C22 13 8 25 9 41 C10 57 24 65 35 65 C46 65 60 57 61 41 "
           "C62 25 48 13 35 19 Z", "#FFB38A")
    p.ellipse(46, 42, 10, 13, "#FF8A70", stroke=False)
    p.mark("M34 21 C28 31 29 49 34 63", "#E0705A", 2.5)
    p.ellipse(21, 34, 4, 7, "#FFD9C2", 20, stroke=False)
    leaf(p, "M36 18 C40 8 50 6 56 8 C52 16 44 20 36 18 Z")


FRUITS = [apple, pear, cherry, plum, banana, orange, lemon, strawberry, grapes, peach]
NAMES = ["apple", "pear", "cherry", "plum", "banana", "orange", "lemon", "strawberry",
         "grapes", "peach"]


def drawing(kind, gray, width):
    pen = Pen(gray, width)
    FRUITS[kind](pen)
    return "\n  ".join(pen.parts)


def fruit_svg(kind, gray):
    what = "greyed, for a place still empty" if gray else "in colour"
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="70" height="70" viewBox="0 0 70 70">\n'
            '  <!-- {} ({}). Made by tools/make_fruit.py. -->\n  {}\n</svg>\n').format(
                NAMES[kind].capitalize(), what, drawing(kind, gray, 3.5))


# Five fruit heaped in the basket: two behind, three in front. Only the top of the heap shows
# over the basket's rim, so the heap sits low in its 80 x 80 box.
PILE = ((9, 27), (37, 25), (-3, 44), (23, 46), (49, 44))
PILE_SCALE = 0.46


def pile_svg(kind):
    body = drawing(kind, False, 3.5 / PILE_SCALE * 0.75)
    parts = []
    for x, y in PILE:
        parts.append('<g transform="translate({} {}) scale({})">\n    {}\n  </g>'.format(
            x, y, PILE_SCALE, body.replace("\n  ", "\n    ")))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="80" height="80" viewBox="0 0 80 80">\n'
            '  <!-- A heap of {} for the basket. Made by tools/make_fruit.py. -->\n  {}\n</svg>\n'
            ).format(NAMES[kind], "\n  ".join(parts))


def main():
    for k in range(len(FRUITS)):
        for name, text in (("fruit{}.svg".format(k), fruit_svg(k, False)),
                           ("fruit{}_gray.svg".format(k), fruit_svg(k, True)),
                           ("pile{}.svg".format(k), pile_svg(k))):
            with open(os.path.join(OUT, name), "w") as f:
                f.write(text)


if __name__ == "__main__":
    main()
