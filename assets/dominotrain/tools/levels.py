#!/usr/bin/env python3
"""Writes the three level pictures of the options dialog: rows of 3, 3 + 2 and 4 + 3 small
wagons, one picture per number of wagons a train gets. Run from assets/dominotrain/:
    python3 tools/levels.py
"""

COLOURS = ["#E8453C", "#FFD23F", "#3A86FF", "#7ED957", "#9B5DE5", "#FF8C1A", "#16B3A6"]
LEVELS = {"easy": [3], "medium": [3, 2], "hard": [4, 3]}
SIZE = 88
WAGON_W, WAGON_H, GAP, ROW_H = 20, 16, 1.5, 32


def wagon(x, y, colour):
    return (
        f'  <g stroke="#2E2A40" stroke-width="2" stroke-linejoin="round">\n'
        f'    <rect x="{x:.1f}" y="{y:.1f}" width="{WAGON_W}" height="{WAGON_H}" rx="3" fill="{colour}"/>\n'
        f'    <rect x="{x + 4:.1f}" y="{y + 3:.1f}" width="{WAGON_W - 8}" height="5" rx="1.5" fill="#FFFBEA" stroke-width="1.2"/>\n'
        f'    <circle cx="{x + 5:.1f}" cy="{y + WAGON_H + 2:.1f}" r="3.2" fill="#4A4560"/>\n'
        f'    <circle cx="{x + WAGON_W - 5:.1f}" cy="{y + WAGON_H + 2:.1f}" r="3.2" fill="#4A4560"/>\n'
        f'  </g>\n'
    )


def picture(rows):
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
        f'viewBox="0 0 {SIZE} {SIZE}">\n',
        f'  <!-- {sum(rows)} wagons in rows of {" + ".join(map(str, rows))}. '
        f'Made by tools/levels.py. -->\n',
    ]
    top = (SIZE - len(rows) * ROW_H) / 2 + 5
    n = 0
    for r, count in enumerate(rows):
        width = count * WAGON_W + (count - 1) * GAP
        left = (SIZE - width) / 2
        y = top + r * ROW_H
        # the rail under the row
        parts.append(
            f'  <path d="M{left - 3:.1f} {y + WAGON_H + 5.5:.1f} H{left + width + 3:.1f}" '
            f'stroke="#8E93A8" stroke-width="2.5" stroke-linecap="round"/>\n'
        )
        for i in range(count):
            parts.append(wagon(left + i * (WAGON_W + GAP), y, COLOURS[n % len(COLOURS)]))
            n += 1
    parts.append("</svg>\n")
    return "".join(parts)


for name, rows in LEVELS.items():
    with open(f"level_{name}.svg", "w") as out:
        out.write(picture(rows))
