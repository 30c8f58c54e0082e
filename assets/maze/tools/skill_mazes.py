#!/usr/bin/env python3
"""Writes the three skill pictures of the Maze options dialog (skill_*.svg, 80 x 80).

    python3 assets/maze/tools/skill_mazes.py

Each is a little maze carved by a depth-first walk from a fixed seed, so the pictures are the
same every time: a few big cells for easy, more for medium, many small ones for hard. The
blue dot stands where the figure starts (bottom right) and the star where the target waits
(top left), as in the game.
"""
import math
import os
import random

BASE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def carve(n, seed):
    """The set of open passages (pairs of neighbouring cells) of an n x n maze."""
    rnd = random.Random(seed)
    opened = set()
    seen = {(0, 0)}
    stack = [(0, 0)]
    while stack:
        x, y = stack[-1]
        ahead = [(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                 if 0 <= x + dx < n and 0 <= y + dy < n and (x + dx, y + dy) not in seen]
        if not ahead:
            stack.pop()
            continue
        cell = rnd.choice(ahead)
        opened.add(frozenset([(x, y), cell]))
        seen.add(cell)
        stack.append(cell)
    return opened


def star(cx, cy, r):
    points = []
    for i in range(10):
        k = r * 1.25 if i % 2 == 0 else r * 0.55
        points.append('%.2f %.2f' % (cx + k * math.sin(i * math.pi / 5), cy - k * math.cos(i * math.pi / 5)))
    return 'M' + ' L'.join(points) + ' Z'


def write(name, comment, n, seed, wall, frame):
    opened = carve(n, seed)
    x0, size = 10, 60
    c = size / n
    walls = []
    for y in range(n):
        for x in range(n):
            if x < n - 1 and frozenset([(x, y), (x + 1, y)]) not in opened:
                walls.append('M%g %gV%g' % (x0 + (x + 1) * c, x0 + y * c, x0 + (y + 1) * c))
            if y < n - 1 and frozenset([(x, y), (x, y + 1)]) not in opened:
                walls.append('M%g %gH%g' % (x0 + x * c, x0 + (y + 1) * c, x0 + (x + 1) * c))
    r = c * 0.3
    thin = max(1, wall / 2)
    svg = f'''<svg xmlns="http://www.w3.org/2000/svg" width="80" height="80" viewBox="0 0 80 80">
  <!-- {comment}
       Made by tools/skill_mazes.py. -->
  <rect x="3" y="3" width="74" height="74" rx="9" fill="{frame}" stroke="#2E2A40" stroke-width="2.5"/>
  <rect x="10" y="10" width="60" height="60" fill="#fff3c4"/>
  <path d="{' '.join(walls)}" fill="none" stroke="#2E2A40" stroke-width="{wall}" stroke-linecap="round"/>
  <rect x="10" y="10" width="60" height="60" fill="none" stroke="#2E2A40" stroke-width="{wall}" stroke-linejoin="round"/>
  <circle cx="{x0 + (n - 0.5) * c:g}" cy="{x0 + (n - 0.5) * c:g}" r="{r:.2f}" fill="#3d8fe0" stroke="#2E2A40" stroke-width="{thin:g}"/>
  <path d="{star(x0 + 0.5 * c, x0 + 0.5 * c, r)}" fill="#ffd23f" stroke="#2E2A40" stroke-width="{thin:g}" stroke-linejoin="round"/>
</svg>
'''
    with open(os.path.join(BASE, name), 'w') as out:
        out.write(svg)
    print('wrote', name)


write('skill_easy.svg', 'Easy: a small maze of a few big cells.', 3, 4, 4, '#5cc64a')
write('skill_medium.svg', 'Medium: a maze of middling cells.', 5, 7, 3, '#ffb020')
write('skill_hard.svg', 'Hard: a dense maze of many small cells.', 8, 11, 2, '#e8413c')
