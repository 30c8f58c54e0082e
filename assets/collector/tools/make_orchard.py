#!/usr/bin/env python3
"""Writes the Collector's orchard (orchard.svg, 800 x 600): sky, hills, a meadow, the ground strip
from y = 550 where smashed fruit lies, and three apple trees whose crowns hold the places where
fruit hangs: x 5-180 / y 205-290, x 320-535 / y 145-270 and x 580-805 / y 130-265.

Run from anywhere: python3 assets/collector/tools/make_orchard.py
"""
import math
import os
import random

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "orchard.svg")
OUTLINE = "#2E2A40"

# Each crown is a cloud of round leaf clumps (x, y, r), drawn as one outlined shape.
CROWNS = [
    [(20, 250, 55), (75, 205, 58), (140, 215, 55), (185, 262, 48), (150, 295, 45),
     (80, 298, 52), (10, 300, 40), (100, 250, 60)],
    [(320, 200, 55), (375, 140, 60), (450, 120, 62), (520, 150, 58), (555, 220, 50),
     (515, 282, 48), (430, 290, 55), (345, 270, 50), (440, 210, 80)],
    [(590, 175, 52), (640, 115, 58), (720, 95, 60), (790, 125, 58), (815, 200, 55),
     (780, 272, 50), (700, 285, 52), (615, 255, 50), (705, 195, 80)],
]
TRUNKS = [(98, 285, 26), (435, 290, 32), (715, 285, 32)]  # (middle x, top y, width at top)


def crown(clumps, rng):
    out = []
    # The outline: every clump a little larger in the outline colour, then the clumps on top,
    # so only the outer edge of the cloud shows.
    for x, y, r in clumps:
        out.append('<circle cx="{}" cy="{}" r="{}" fill="{}"/>'.format(x, y, r + 3, OUTLINE))
    for x, y, r in clumps:
        out.append('<circle cx="{}" cy="{}" r="{}" fill="#4CB944"/>'.format(x, y, r))
    # Light on the upper left of each clump.
    for x, y, r in clumps:
        out.append('<ellipse cx="{:.0f}" cy="{:.0f}" rx="{:.0f}" ry="{:.0f}" fill="#6CCB55" '
                   'transform="rotate(-30 {:.0f} {:.0f})"/>'.format(
                       x - r * 0.3, y - r * 0.35, r * 0.45, r * 0.28, x - r * 0.3, y - r * 0.35))
    # A scatter of small darker leaves.
    for x, y, r in clumps:
        for _ in range(3):
            a = rng.uniform(0, 2 * math.pi)
            d = rng.uniform(0.2, 0.75) * r
            lx, ly = x + d * math.cos(a), y + d * math.sin(a)
            out.append('<path d="M{0:.0f} {1:.0f} q6 -8 12 0 q-6 8 -12 0 Z" fill="#3E9E3A" '
                       'transform="rotate({2:.0f} {0:.0f} {1:.0f})"/>'.format(
                           lx, ly, rng.uniform(-40, 40)))
    return "\n  ".join(out)


def trunk(x, top, w):
    b = 546
    d = ("M{l:.0f} {top} C{l2:.0f} {m:.0f} {l3:.0f} {b2:.0f} {l4:.0f} {b} L{r4:.0f} {b} "
         "C{r3:.0f} {b2:.0f} {r2:.0f} {m:.0f} {r:.0f} {top} Z").format(
             l=x - w / 2, r=x + w / 2, l2=x - w / 2 + 2, r2=x + w / 2 - 2, l3=x - w / 2 - 2,
             r3=x + w / 2 + 2, l4=x - w / 2 - 10, r4=x + w / 2 + 10, top=top, m=(top + b) / 2,
             b2=b - 20, b=b)
    lines = ('<path d="M{0:.0f} {1} v70 M{2:.0f} {3} v60" stroke="#7A4A24" stroke-width="3" '
             'stroke-linecap="round"/>').format(x - 4, top + 60, x + 6, top + 150)
    return ('<path d="{}" fill="#A0652F" stroke="{}" stroke-width="4" '
            'stroke-linejoin="round"/>\n  {}').format(d, OUTLINE, lines)


def tufts(rng):
    out = []
    for _ in range(26):
        x = rng.uniform(10, 790)
        y = rng.uniform(470, 540)
        out.append('<path d="M{0:.0f} {1:.0f} l-5 -10 M{0:.0f} {1:.0f} l0 -13 M{0:.0f} {1:.0f} '
                   'l5 -10" stroke="#5FAF4A" stroke-width="2.5" stroke-linecap="round"/>'.format(x, y))
    flowers = [(60, 505, "#FFFFFF"), (250, 520, "#FFD23F"), (330, 488, "#FF8FB1"),
               (560, 512, "#FFFFFF"), (630, 490, "#FFD23F"), (770, 520, "#FF8FB1"),
               (190, 478, "#FF8FB1"), (505, 470, "#FFFFFF")]
    for x, y, c in flowers:
        for k in range(5):
            a = 2 * math.pi * k / 5
            out.append('<circle cx="{:.1f}" cy="{:.1f}" r="3.4" fill="{}" stroke="{}" '
                       'stroke-width="1"/>'.format(x + 4 * math.cos(a), y + 4 * math.sin(a), c, OUTLINE))
        out.append('<circle cx="{}" cy="{}" r="2.6" fill="#F5A623"/>'.format(x, y))
    return "\n  ".join(out)


def ground(rng):
    out = ['<path d="M0 548 C120 544 250 552 400 548 C560 544 680 553 800 548 V600 H0 Z" '
           'fill="#D9B07A" stroke="{}" stroke-width="3"/>'.format(OUTLINE)]
    for _ in range(34):
        x = rng.uniform(10, 790)
        y = rng.uniform(562, 596)
        out.append('<ellipse cx="{:.0f}" cy="{:.0f}" rx="{:.1f}" ry="{:.1f}" fill="#B88C5A"/>'.format(
            x, y, rng.uniform(3, 6), rng.uniform(1.5, 3)))
    return "\n  ".join(out)


def sun():
    rays = []
    for k in range(10):
        a = 2 * math.pi * k / 10
        rays.append("M{:.1f} {:.1f} L{:.1f} {:.1f}".format(
            215 + 44 * math.cos(a), 72 + 44 * math.sin(a), 215 + 58 * math.cos(a),
            72 + 58 * math.sin(a)))
    return ('<path d="{}" stroke="#FFB020" stroke-width="6" stroke-linecap="round"/>\n  '
            '<circle cx="215" cy="72" r="34" fill="#FFD23F" stroke="{}" stroke-width="3"/>\n  '
            '<circle cx="204" cy="62" r="10" fill="#FFE88A"/>').format(" ".join(rays), OUTLINE)


def cloud(x, y, s):
    parts = [(0, 0, 22), (24, -10, 26), (50, 0, 20), (24, 8, 20)]
    a = "".join('<circle cx="{:.0f}" cy="{:.0f}" r="{:.0f}" fill="{}"/>'.format(
        x + s * dx, y + s * dy, s * r + 2.5, OUTLINE) for dx, dy, r in parts)
    b = "".join('<circle cx="{:.0f}" cy="{:.0f}" r="{:.0f}" fill="#FFFFFF"/>'.format(
        x + s * dx, y + s * dy, s * r) for dx, dy, r in parts)
    return a + "\n  " + b


def main():
    rng = random.Random(7)
    body = [
        '<rect width="800" height="600" fill="#CFF0FF"/>',
        sun(),
        cloud(40, 115, 0.8),
        cloud(520, 50, 0.7),
        '<path d="M0 430 C140 370 260 380 380 420 C500 375 660 360 800 410 V600 H0 Z" '
        'fill="#B5E3A0" stroke="{}" stroke-width="3"/>'.format(OUTLINE),
        '<path d="M0 462 C200 445 420 470 800 452 V600 H0 Z" fill="#8ED16F" stroke="{}" '
        'stroke-width="3"/>'.format(OUTLINE),
    ]
    body += [trunk(*t) for t in TRUNKS]
    body += [crown(c, rng) for c in CROWNS]
    body += [tufts(rng), ground(rng)]
    with open(OUT, "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="800" height="600" '
                'viewBox="0 0 800 600">\n  <!-- The orchard. Made by tools/make_orchard.py. -->\n  ')
        f.write("\n  ".join(body))
        f.write("\n</svg>\n")


if __name__ == "__main__":
    main()
