#!/usr/bin/env python3
"""Writes oasis/snake.svg, the Oasis snake strip (10 frames of 320 x 240 in the manifest).

The body is a chain of round-capped segments whose points ride a wave that runs from the head
to the tail (so the snake slithers forwards, to the left), thinning towards the tail; every
point needs its own frame expression, which is why this is generated. Run from
assets/scratch: python3 tools/make_snake.py
"""
import os

N = 16  # segments


def amp(i):
    return 4 + 16 * min(1, i / 4)


def wave(i, shift=0):
    extra = f" - {shift:g}" if shift else ""
    return f"{{= 200 + {amp(i):g}*sin({0.55 * i:g} - 2*pi*t){extra} =}}"


def x(i):
    return 48 + 15 * i


def width(i):
    return 26 - 16 * i / N


def main():
    parts = []
    for colour, extra in (("#2E2A40", 6), ("#5BBF4A", 0)):
        for i in range(N):
            parts.append(f'    <path d="M{x(i)} {wave(i)} L{x(i + 1)} {wave(i + 1)}" '
                         f'stroke="{colour}" stroke-width="{width(i) + extra:g}"/>')
    for i in range(2, N, 2):
        parts.append(f'    <circle cx="{x(i)}" cy="{wave(i)}" r="{width(i) / 4:g}" '
                     f'fill="#FFD84D" stroke="none"/>')
    for i in range(1, N - 1, 2):
        parts.append(f'    <path d="M{x(i)} {wave(i, width(i) / 3)} L{x(i) + 6} {wave(i, width(i) / 3)}" '
                     f'stroke="#9BE07E" stroke-width="3"/>')
    head = f"{amp(0):g}*sin(-2*pi*t)"
    tongue = "206 + 3*sin(4*pi*t)"
    tongue_up = "202 + 3*sin(4*pi*t)"
    tongue_down = "210 + 3*sin(4*pi*t)"
    svg = f'''<svg xmlns="http://www.w3.org/2000/svg" width="320" height="240" viewBox="0 0 320 240">
  <!-- A green snake slithering left: a wave runs down its body from head to tail, its tongue
       flicks. Made by tools/make_snake.py. -->
  <g fill="none" stroke-linecap="round" stroke-linejoin="round">
{chr(10).join(parts)}
  </g>
  <g stroke="#2E2A40" stroke-width="3" stroke-linejoin="round" stroke-linecap="round"
     transform="translate(0 {{= {head} =}})">
    <path d="M20 206 L6 {{= {tongue} =}} M6 {{= {tongue} =}} L0 {{= {tongue_up} =}} M6 {{= {tongue} =}} L0 {{= {tongue_down} =}}" stroke="#E8413C" stroke-width="2.5" opacity="{{= max(0, min(1, 4*sin(4*pi*t))) =}}"/>
    <path d="M18 200 C18 186 34 180 50 184 C62 188 66 198 62 208 C58 216 40 218 26 214 C20 212 18 206 18 200 Z" fill="#5BBF4A"/>
    <circle cx="38" cy="194" r="7" fill="#FFFFFF" stroke-width="2.5"/>
    <circle cx="36" cy="195" r="3.8" fill="#2E2A40" stroke="none"/>
    <circle cx="35" cy="193" r="1.3" fill="#FFFFFF" stroke="none"/>
    <path d="M22 208 Q30 212 38 208" fill="none" stroke-width="2.5"/>
  </g>
</svg>
'''
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "..", "oasis", "snake.svg"), "w") as out:
        out.write(svg)


if __name__ == "__main__":
    main()
