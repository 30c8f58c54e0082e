#!/usr/bin/env python3
"""Writes the Collector's child (figure.svg), a parametric drawing the forge renders per frame.

The child faces left and holds the basket out in front; the forge mirrors it for the right.
Manifest variables: walk (1 walking, 0 standing), wave (1 the goodbye wave), ph0 and dir (the
walk phase of frame f is ph0 + dir * f: the right-facing strip runs backwards, so its frame f
shows phase 19 - f). The head lies at x 57-107, y 11-61 (a fruit at y 350-380 over the back half
of the 120 x 216 frame bumps it); the basket's rim is at y 96 standing and rides with the bob
table while walking (rim 96 + bob + 1, the pile's rule), so the pile always sits in it.

Run from anywhere: python3 assets/collector/tools/make_figure.py
"""
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "figure.svg")
O = "#2E2A40"
SKIN, SKIN_BACK = "#FFD9B3", "#F0C29A"
SHIRT, SHIRT_BACK = "#4AA3DF", "#3584BA"

# Named pieces of the frame expressions.
MACROS = {
    "P": "(ph0 + dir*f)",
    "PH": "(2*pi*P/20)",
    "BOB": "floor(-5 + 11*cos(2*pi*(P - 9)/10) + 0.5)",   # the bob table, one step a period
    "BDY": "(walk*3*abs(sin(PH)))",                        # the body dips as the legs part
    "RIM": "(96 + walk*(BOB + 1))",
    "LEGN": "(walk*21*sin(PH))",
    "KNEEN": "(walk*24*max(0, cos(PH)))",
    "LEGF": "(-walk*21*sin(PH))",
    "KNEEF": "(walk*24*max(0, -cos(PH)))",
}


def expand(text):
    # Longest names first, so that PH is not taken for P.
    for _ in range(4):
        for name in sorted(MACROS, key=len, reverse=True):
            text = text.replace(name, MACROS[name])
    return text


def e(expr):
    return "{= " + expand(expr) + " =}"


def thick(d, colour, width):
    return ('<path d="{0}" fill="none" stroke="{1}" stroke-width="{2}" stroke-linecap="round" '
            'stroke-linejoin="round"/><path d="{0}" fill="none" stroke="{3}" stroke-width="{4}" '
            'stroke-linecap="round" stroke-linejoin="round"/>').format(d, O, width + 4, colour, width)


def leg(hip_x, angle, knee, skin):
    return ('<g transform="translate({} {}) rotate({})">{}'
            '<g transform="translate(0 34) rotate(-{})">{}'
            '<path d="M-16 27 C-16 20 6 20 7 27 C7 33 -16 34 -16 27 Z" fill="#E8453C" '
            'stroke="{}" stroke-width="3" stroke-linejoin="round"/></g></g>').format(
                hip_x, e("140 + BDY"), e(angle), thick("M0 0 L0 34", skin, 10), e(knee),
                thick("M0 0 L0 26", skin, 9), O)


def arm(shoulder, elbow, hand, sleeve, skin):
    (sx, sy), (ex, ey), (hx, hy) = shoulder, elbow, hand
    return (thick("M{} {} L{} {}".format(sx, sy, ex, ey), sleeve, 10) +
            thick("M{} {} L{} {}".format(ex, ey, hx, hy), skin, 8) +
            '<circle cx="{}" cy="{}" r="5.5" fill="{}" stroke="{}" stroke-width="2"/>'.format(
                hx, hy, skin, O))


def main():
    far_arm = arm((e("90"), e("78 + BDY")), (e("70"), e("(80 + BDY + RIM)/2 + 12")),
                  (e("40"), e("RIM + 2")), SHIRT_BACK, SKIN_BACK)
    # Holding, the near hand is on the rim; waving, it is raised beside the face.
    near_arm = arm((e("80"), e("76 + BDY")),
                   (e("(1 - wave)*68 + wave*58"), e("(1 - wave)*((79 + BDY + RIM)/2 + 10) + wave*52")),
                   (e("(1 - wave)*48 + wave*(36 + 14*f)"), e("(1 - wave)*(RIM + 3) + wave*(18 + 4*f)")),
                   SHIRT, SKIN)
    body = """<g transform="translate(0 {bdy})">
    <path d="M67 68 C69 60 97 60 99 68 L104 128 L62 128 Z" fill="{shirt}" stroke="{o}" stroke-width="3" stroke-linejoin="round"/>
    <path d="M66 100 L100 100" stroke="#FFFFFF" stroke-width="5"/>
    <path d="M74 63 Q83 71 92 63" fill="none" stroke="{o}" stroke-width="2.5" stroke-linecap="round"/>
    <path d="M61 124 L105 124 L107 149 L87 149 L83 140 L79 149 L59 149 Z" fill="#3B4A9E" stroke="{o}" stroke-width="3" stroke-linejoin="round"/>
    <circle cx="103" cy="40" r="6.5" fill="{skin}" stroke="{o}" stroke-width="2.5"/>
    <circle cx="82" cy="36" r="25" fill="{skin}" stroke="{o}" stroke-width="3"/>
    <path d="M59 30 C57 10 76 4 92 8 C108 12 113 30 108 47 C105 40 101 34 97 32 C89 29 81 23 77 18 C72 26 65 29 59 30 Z" fill="#7A4A24" stroke="{o}" stroke-width="3" stroke-linejoin="round"/>
    <path d="M59 39 C54 41 54 46 59 47" fill="{skin}" stroke="{o}" stroke-width="2.5" stroke-linecap="round"/>
    <ellipse cx="93" cy="49" rx="5" ry="3" fill="#FF9C9C"/>
    <ellipse cx="70" cy="38" rx="6" ry="7.5" fill="#FFFFFF" stroke="{o}" stroke-width="2"/>
    <circle cx="68.5" cy="39.5" r="3.8" fill="{o}"/><circle cx="67" cy="37.5" r="1.4" fill="#FFFFFF"/>
    <ellipse cx="86" cy="38" rx="5" ry="7" fill="#FFFFFF" stroke="{o}" stroke-width="2"/>
    <circle cx="84.5" cy="39.5" r="3.4" fill="{o}"/><circle cx="83.2" cy="37.6" r="1.3" fill="#FFFFFF"/>
    <path d="M65 50 Q72 57 79 50" fill="#C8404A" stroke="{o}" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"/>
  </g>""".format(bdy=e("BDY"), shirt=SHIRT, skin=SKIN, o=O)
    basket = """<g transform="translate(0 {rim})">
    <path d="M7 0 L57 0 L51 31 L13 31 Z" fill="#E0AE52" stroke="{o}" stroke-width="3" stroke-linejoin="round"/>
    <path d="M10 12 L54 12 M12 22 L52 22 M22 2 L24 30 M32 2 L32 30 M42 2 L40 30" fill="none" stroke="#B9802F" stroke-width="2.5" stroke-linecap="round"/>
    <rect x="4" y="-4" width="56" height="8" rx="4" fill="#C98D3A" stroke="{o}" stroke-width="3"/>
  </g>""".format(rim=e("RIM"), o=O)
    parts = [
        leg(78, "LEGF", "KNEEF", SKIN_BACK),
        far_arm,
        leg(86, "LEGN", "KNEEN", SKIN),
        body,
        basket,
        near_arm,
    ]
    with open(OUT, "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="120" height="216" '
                'viewBox="0 0 120 216">\n  <!-- The child with the basket, facing left. '
                'Made by tools/make_figure.py. -->\n  ')
        f.write("\n  ".join(parts))
        f.write("\n</svg>\n")


if __name__ == "__main__":
    main()
