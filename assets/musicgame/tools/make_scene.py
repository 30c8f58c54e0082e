#!/usr/bin/env python3
"""Writes ../scene.svg: the stage above, the room below with the audience at the bottom edge.

The manifest draws it twice: var.lit=0 gives the dark stage of the start, var.lit=1 the lit
stage with its coloured spotlights. Run from anywhere: python3 assets/musicgame/tools/make_scene.py
"""
import math
import os
import random

OUT = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "scene.svg")
LAMPS = [(150, "#F15BB5"), (290, "#FFD23F"), (400, "#2EC4B6"), (510, "#8ED16F"), (650, "#3A86FF")]
POOLS = [(200, 330), (330, 240), (400, 330), (480, 240), (600, 330)]


def star(x, y, outer, inner):
    points = []
    for i in range(10):
        r = outer if i % 2 == 0 else inner
        a = -math.pi / 2 + i * math.pi / 5
        points.append(f"{x + r * math.cos(a):.1f},{y + r * math.sin(a):.1f}")
    return " ".join(points)


def main():
    out = []
    A = out.append
    A('<svg xmlns="http://www.w3.org/2000/svg" width="800" height="600" viewBox="0 0 800 600">')
    A('  <!-- Written by tools/make_scene.py. The stage above, the room below with the audience at')
    A('       the bottom edge. var.lit = 0: the dark stage; var.lit = 1: lit, with spotlights. -->')
    A('  <g stroke="#2E2A40" stroke-width="4" stroke-linejoin="round">')
    A('    <rect x="0" y="0" width="800" height="430" fill="#3B2E6E" stroke="none"/>')
    for x in range(70, 740, 110):  # panels of the back wall
        A(f'    <rect x="{x}" y="60" width="90" height="125" rx="10" fill="#4A3C85" stroke-width="3"/>')
    for x, y, c in [(125, 105, "#FFD23F"), (345, 90, "#F15BB5"), (455, 140, "#2EC4B6"),
                    (675, 100, "#FFD23F")]:
        A(f'    <polygon points="{star(x, y, 18, 8)}" fill="{c}" stroke-width="3"/>')
    # the wooden floor in perspective, reaching back far enough that a player put on the
    # stage's top edge stands on it
    A('    <path d="M40 185 H760 L790 400 H10 Z" fill="#C98B4F"/>')
    for i in range(1, 8):
        y = 185 + i * 215 / 8
        xl = 40 - 30 * (y - 185) / 215
        A(f'    <path d="M{xl:.1f} {y:.1f} H{800 - xl:.1f}" fill="none" stroke="#A0652F" stroke-width="2.5"/>')
    for i in range(1, 12):
        A(f'    <path d="M{40 + i * 60} 185 L{10 + i * 65} 400" fill="none" stroke="#A0652F" stroke-width="2"/>')
    A('    <rect x="0" y="400" width="800" height="30" fill="#7A4A24"/>')
    for x in (14, 716):  # loudspeakers
        A(f'    <rect x="{x}" y="236" width="70" height="110" rx="6" fill="#2E2A40"/>')
        A(f'    <circle cx="{x + 35}" cy="270" r="18" fill="#4A4560" stroke="#1E1A2E"/>')
        A(f'    <circle cx="{x + 35}" cy="270" r="7" fill="#2E2A40" stroke="none"/>')
        A(f'    <circle cx="{x + 35}" cy="318" r="13" fill="#4A4560" stroke="#1E1A2E"/>')
    # curtains and the scalloped valance
    A('    <path d="M0 0 H70 C60 120 74 260 56 430 H0 Z" fill="#C0392B"/>')
    A('    <path d="M800 0 H730 C740 120 726 260 744 430 H800 Z" fill="#C0392B"/>')
    A('    <path d="M22 20 C18 150 28 300 16 430 M46 20 C40 150 50 300 38 430" fill="none" stroke="#8E2A20" stroke-width="3"/>')
    A('    <path d="M778 20 C782 150 772 300 784 430 M754 20 C760 150 750 300 762 430" fill="none" stroke="#8E2A20" stroke-width="3"/>')
    scallop = "M0 0 H800 V34 " + " ".join(
        f"Q{800 - 50 * i - 25} 62 {800 - 50 * (i + 1)} 34" for i in range(16)) + " Z"
    A(f'    <path d="{scallop}" fill="#C0392B"/>')
    A('    <path d="M0 10 H800" fill="none" stroke="#FFD23F" stroke-width="3"/>')
    A('  </g>')
    # darkness over the stage until the band is complete
    A('  <rect x="0" y="0" width="800" height="430" fill="#0B0820" opacity="{= 0.62*(1 - lit) =}"/>')
    # beams and pools of light
    A('  <g opacity="{= 0.38*lit =}">')
    for (lx, c), (tx, ty) in zip(LAMPS, POOLS):
        A(f'    <path d="M{lx - 10} 48 L{lx + 10} 48 L{tx + 95} {ty} L{tx - 95} {ty} Z" fill="{c}"/>')
        A(f'    <ellipse cx="{tx}" cy="{ty}" rx="95" ry="26" fill="{c}"/>')
    A('  </g>')
    # the lamps on their bar: grey when dark, coloured when lit
    A('  <g stroke="#2E2A40" stroke-width="3.5" stroke-linejoin="round">')
    A('    <rect x="90" y="22" width="620" height="10" rx="4" fill="#6E6A80"/>')
    for lx, c in LAMPS:
        A(f'    <path d="M{lx - 16} 28 H{lx + 16} L{lx + 12} 52 H{lx - 12} Z" fill="#4A4560"/>')
        A(f'    <ellipse cx="{lx}" cy="52" rx="12" ry="5" fill="#8A86A0"/>')
        A(f'    <ellipse cx="{lx}" cy="52" rx="12" ry="5" fill="{c}" opacity="{{= lit =}}"/>')
    A('  </g>')
    A('  <g fill="#FFFFFF" opacity="{= lit =}">')  # sparkles
    for x, y in [(230, 150), (560, 160), (95, 200), (705, 210), (400, 70)]:
        A(f'    <path d="M{x} {y - 10} L{x + 3} {y - 3} L{x + 10} {y} L{x + 3} {y + 3} L{x} {y + 10} '
          f'L{x - 3} {y + 3} L{x - 10} {y} L{x - 3} {y - 3} Z"/>')
    A('  </g>')
    # the room below the stage (light enough for the black frame of the keys to show), brighter
    # when the lights are on, and the audience
    A('  <rect x="0" y="430" width="800" height="170" fill="#6A5AA6"/>')
    A('  <rect x="0" y="430" width="800" height="170" fill="#8672C8" opacity="{= lit =}"/>')
    rng = random.Random(7)
    heads = []
    x = -10
    while x < 820:
        heads.append((x, 566 + rng.randint(-10, 8), rng.randint(20, 27)))
        x += rng.randint(44, 60)
    A('  <g fill="#120E26">')
    for i, (x, y, r) in enumerate(heads):
        A(f'    <path d="M{x - 2.1 * r:.0f} 600 C{x - 2 * r:.0f} {y + 1.2 * r:.0f} '
          f'{x + 2 * r:.0f} {y + 1.2 * r:.0f} {x + 2.1 * r:.0f} 600 Z"/>')
        A(f'    <circle cx="{x}" cy="{y}" r="{r}"/>')
        if i % 3 == 1:  # a waving arm
            A(f'    <path d="M{x + r} {y + 20} L{x + r + 18} {y - 40}" stroke="#120E26" '
              'stroke-width="12" stroke-linecap="round"/>')
            A(f'    <circle cx="{x + r + 19}" cy="{y - 44}" r="9"/>')
    A('  </g>')
    A('</svg>')
    with open(OUT, "w") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
