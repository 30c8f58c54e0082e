#!/usr/bin/env python3
"""Writes the four splash silhouettes ui/splash0..3.svg (white where the colour goes): a
wobbly blob of rounded lobes and a few drops, different for each splash."""
import math
import os
import random

UI = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "ui")


def blob(seed, lobes, drops):
    rnd = random.Random(seed)
    n = lobes * 2
    pts = []
    for i in range(n):
        a = 2 * math.pi * i / n
        r = (15 if i % 2 == 0 else 9.5) + rnd.uniform(-1.5, 1.5)
        pts.append((20 + r * math.cos(a), 20 + r * math.sin(a)))
    d = f"M{(pts[0][0] + pts[1][0]) / 2:.1f} {(pts[0][1] + pts[1][1]) / 2:.1f} "
    for i in range(n):
        p, q = pts[(i + 1) % n], pts[(i + 2) % n]
        d += f"Q{p[0]:.1f} {p[1]:.1f} {(p[0] + q[0]) / 2:.1f} {(p[1] + q[1]) / 2:.1f} "
    body = f'<path d="{d}Z" fill="#FFFFFF"/>'
    for x, y, r in drops:
        body += f'<circle cx="{x}" cy="{y}" r="{r}" fill="#FFFFFF"/>'
    return body


SPECS = [(1, 7, [(4, 6, 2.2), (35, 34, 2.5)]), (2, 6, [(35, 6, 2.5), (5, 33, 2)]),
         (3, 8, [(36, 20, 1.8), (20, 37, 2)]), (4, 5, [(4, 20, 2.4), (33, 35, 2.2), (33, 5, 1.6)])]

for k, (seed, lobes, drops) in enumerate(SPECS):
    with open(os.path.join(UI, f"splash{k}.svg"), "w") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40" viewBox="0 0 40 40">\n'
                f'  <!-- Splash {k}: a white silhouette; the game colours it with the chosen colour. -->\n'
                f'  {blob(seed, lobes, drops)}\n</svg>\n')
