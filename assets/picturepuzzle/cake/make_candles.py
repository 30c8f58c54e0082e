#!/usr/bin/env python3
"""Writes the Cake scene's three candle pieces (leftlights.svg, middlelight.svg,
rightlights.svg): tall striped candles with flames, each at its place in its piece."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def candle(cx, top, foot, colour, width=15):
    """One candle centred at cx: the flame's tip at `top`, the foot at `foot`."""
    x = cx - width / 2
    return f'''  <g>
    <path d="M{cx} {top} C{cx+3.5} {top+8} {cx+8.5} {top+12} {cx+8.5} {top+18} C{cx+8.5} {top+23} {cx+4.5} {top+26} {cx} {top+26} C{cx-4.5} {top+26} {cx-8.5} {top+23} {cx-8.5} {top+18} C{cx-8.5} {top+12} {cx-3.5} {top+8} {cx} {top} Z"
          fill="#FFA62B" stroke="#2E2A40" stroke-width="2" stroke-linejoin="round"/>
    <path d="M{cx} {top+10} C{cx+1.5} {top+14} {cx+3.5} {top+16} {cx+3.5} {top+19} C{cx+3.5} {top+21.5} {cx+2} {top+23} {cx} {top+23} C{cx-2} {top+23} {cx-3.5} {top+21.5} {cx-3.5} {top+19} C{cx-3.5} {top+16} {cx-1.5} {top+14} {cx} {top+10} Z" fill="#FFE27A"/>
    <path d="M{cx} {top+26} V{top+30}" stroke="#2E2A40" stroke-width="2"/>
    <rect x="{x}" y="{top+29}" width="{width}" height="{foot-top-29}" rx="3" fill="{colour}"/>
    <rect x="{x}" y="{top+29}" width="{width}" height="{foot-top-29}" rx="3" fill="url(#stripes)"/>
    <rect x="{x}" y="{top+29}" width="{width}" height="{foot-top-29}" rx="3" fill="none" stroke="#2E2A40" stroke-width="2.2"/>
  </g>
'''


HEAD = '''<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">
  <!-- {what} -->
  <!-- Written by make_candles.py; edit that script instead. -->
  <defs>
    <pattern id="stripes" patternUnits="userSpaceOnUse" width="20" height="16">
      <path d="M-2 14 L22 2" stroke="#FFFFFF" stroke-width="4.5"/>
      <path d="M-2 30 L22 18 M-2 -2 L22 -14" stroke="#FFFFFF" stroke-width="4.5"/>
    </pattern>
  </defs>
'''

# file: (width, height, description, [(centre x, flame tip y, foot y, colour)])
PIECES = {
    'leftlights.svg': (69, 215, 'Two tall striped birthday candles with their flames, blue and green.',
                       [(17, 2, 205, '#3A86FF'), (52, 30, 190, '#4CB944')]),
    'middlelight.svg': (23, 160, 'One tall striped birthday candle with its flame.',
                        [(11.5, 2, 158, '#B388FF')]),
    'rightlights.svg': (83, 209, 'Two tall striped birthday candles with their flames, yellow and red.',
                        [(20, 22, 175, '#FFC21A'), (63, 2, 195, '#E8453C')]),
}

for name, (w, h, what, candles) in PIECES.items():
    svg = HEAD.format(w=w, h=h, what=what)
    for c in candles:
        svg += candle(*c)
    svg += '</svg>\n'
    with open(os.path.join(HERE, name), 'w') as f:
        f.write(svg)
