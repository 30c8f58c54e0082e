"""Shared drawing helpers for the Light paint art: the house outline, eyes, colour mixing and
the line-art conversion that turns a coloured drawing into a colouring-book outline."""
import re

O = "#2E2A40"  # the house outline colour

RED, ORANGE, YELLOW, GREEN = "#E8453C", "#FF9F1C", "#FFD23F", "#4CB944"
TEAL, BLUE, PURPLE, PINK = "#2EC4B6", "#3A86FF", "#9B5DE5", "#F15BB5"
BROWN, GREY, WHITE, SKY = "#A0652F", "#A9ADB8", "#FFFFFF", "#A9DEF9"
DARKGREEN, LIME, CREAM, BLACK = "#2E7D32", "#A7D948", "#FFF3D6", "#000000"


def mix(c, other, k):
    a = [int(c[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(other[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02X%02X%02X" % tuple(round(x + (y - x) * k) for x, y in zip(a, b))


def light(c, k=0.45):
    return mix(c, "#FFFFFF", k)


def dark(c, k=0.3):
    return mix(c, "#000000", k)


def st(w=3, c=O):
    return f'stroke="{c}" stroke-width="{w}" stroke-linejoin="round" stroke-linecap="round"'


def eye(x, y, r=5):
    return (f'<circle cx="{x}" cy="{y}" r="{r}" fill="#FFFFFF" {st(1.5)}/>'
            f'<circle cx="{x + r * 0.12:.2f}" cy="{y + r * 0.12:.2f}" r="{r * 0.6:.2f}" fill="{O}"/>'
            f'<circle class="hl" cx="{x + r * 0.32:.2f}" cy="{y - r * 0.18:.2f}" r="{r * 0.22:.2f}" '
            f'fill="#FFFFFF"/>')


def smile(x, y, w, h=None, sw=2):
    h = w * 0.45 if h is None else h
    return (f'<path d="M{x - w / 2} {y} Q{x} {y + h} {x + w / 2} {y}" fill="none" {st(sw)}/>')


def hl(d, extra=""):
    """A soft white highlight shape (left out of colouring pages)."""
    return f'<path class="hl" d="{d}" fill="#FFFFFF" opacity="0.4" {extra}/>'


def hl_ellipse(cx, cy, rx, ry, rot=0):
    return (f'<ellipse class="hl" cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="#FFFFFF" '
            f'opacity="0.4" transform="rotate({rot} {cx} {cy})"/>')


def svg(w, h, body, extra=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}"{extra}>\n{body}\n</svg>\n')


def line_art(body):
    """Black outlines around white areas: highlights dropped; fills and strokes of the outline
    colour turn black, every other fill and stroke white (a coloured stroke inside an outline
    stroke becomes the white inside of a double line)."""
    body = re.sub(r'<[^<>]*class="hl"[^<>]*/>', "", body)
    body = body.replace(f'fill="{O}"', 'fill="#000000"')
    body = re.sub(r'fill="#(?!000000)[0-9A-Fa-f]{6}"', 'fill="#FFFFFF"', body)
    body = body.replace(f'stroke="{O}"', 'stroke="#000000"')
    body = re.sub(r'stroke="#(?!000000)[0-9A-Fa-f]{6}"', 'stroke="#FFFFFF"', body)
    body = re.sub(r' opacity="[0-9.]+"', "", body)
    return body
