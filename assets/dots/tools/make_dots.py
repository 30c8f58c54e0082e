"""Writes the dot picture files and the option icons from the drawings.

    python3 make_dots.py [NAME ...]

For each picture the outline of frame 0 (as placed on the field) is traced and the dots are
chosen along it; the result is written to NAME.dot with CR LF line ends. The icon drawing
NAMEIcon.svg is frame 0 of the picture, fitted into an 80 x 80 tile. Review the result with
preview.py --field and check_dots.py.
"""

import math
import os
import re
import sys

sys.dont_write_bytecode = True  # keep the asset folder free of caches

import dotslib  # noqa: E402
import outline
from pictures import PICTURES


def frame_layout(name):
    entries = dotslib.read_manifest(os.path.join(dotslib.DOTS_DIR, "manifest.txt"))
    entry = next(e for e in entries if e["path"] == "Gfx/Dots/%s.bmp" % name)
    size, frames = entry["size"].split("*")
    w, h = map(int, size.split("x"))
    return w, h, int(frames), os.path.join(dotslib.ASSETS_DIR, entry["source"])


def offset_of(pic, w, h):
    if "offset" in pic:
        return pic["offset"]
    return (dotslib.FIELD_W - w) // 2, (dotslib.FIELD_H - h) // 2


def drawing_scale(svg, w):
    """Frame pixels per drawing unit (the forge stretches the drawing's view box to the frame)."""
    box = re.search(r'viewBox="([^"]+)"', svg).group(1).split()
    return w / float(box[2])


def outlines(svg, w, h, frames, close):
    """Frame 0's outline as drawn, and the outline with narrow gaps closed, both as pixel
    chains. Parts marked class="extra" are left out."""
    mask = dotslib.opaque_mask(dotslib.outline_only(dotslib.expand(svg, 0, frames)), w, h)
    area = outline.largest_component(mask)
    true_chain = outline.trace(area)
    closed = outline.largest_component_of(outline.close_gaps(area, w, h, close), w, h)
    return true_chain, outline.trace(closed)


def snap_points(pic, svg, w, h, frames):
    """Dots given by hand in drawing units, each moved onto the nearest point of the outline."""
    scale = drawing_scale(svg, w)
    true_chain, _ = outlines(svg, w, h, frames, 0)
    return [min(true_chain, key=lambda c: (c[0] - x * scale) ** 2 + (c[1] - y * scale) ** 2)
            for x, y in pic["points"]]


def choose_dots(pic, svg, w, h, frames):
    if "points" in pic:
        return snap_points(pic, svg, w, h, frames)
    scale = drawing_scale(svg, w)
    true_chain, chain = outlines(svg, w, h, frames, pic.get("close", 8))
    step = 3.0
    samples = outline.resample(chain, step)
    # Dots sit on the drawn outline, not on a bridge across a closed gap.
    edge = set(true_chain)
    allowed = [any((int(round(x)) + dx, int(round(y)) + dy) in edge
                   for dx in (-2, -1, 0, 1, 2) for dy in (-2, -1, 0, 1, 2)) for x, y in samples]
    # ... and where a dot may lie on the field: room for its number, clear of the buttons.
    ox, oy = offset_of(pic, w, h)
    for k, (x, y) in enumerate(samples):
        fx, fy = x + ox, y + oy
        if not (12 <= fx <= 768 and 12 <= fy <= 558) or (fx > 655 and fy > 455):
            allowed[k] = False
    hx, hy = pic["start"][0] * scale, pic["start"][1] * scale
    start = min((k for k in range(len(samples)) if allowed[k]),
                key=lambda k: (samples[k][0] - hx) ** 2 + (samples[k][1] - hy) ** 2)
    order, steps = outline.candidate_steps(samples, step, start, 64, pic.get("max_gap", 150),
                                           allowed)
    lo, hi = pic.get("dots", (12, 24))
    count = max(lo, min(hi, int(round(len(samples) * step / pic.get("spacing", 85)))))
    picked = None
    while picked is None and count >= 8:
        picked = outline.pick_dots(order, steps, count)
        count -= 1
    if picked is None:
        raise SystemExit("%s: no dot layout" % pic["name"])
    picked = outline.spread_out(order, picked, 62, 22)
    dots = [(int(round(order[k][0])), int(round(order[k][1]))) for k in picked]
    if not lo <= len(dots) <= hi:
        print("%s: %d dots, outside %d..%d" % (pic["name"], len(dots), lo, hi))
    return dots


def write_dot(pic, w, h, frames, dots):
    name = pic["name"]
    ox, oy = offset_of(pic, w, h)
    move_x, move_y = pic.get("move", (0, 0))
    lines = ["NAME=" + name,
             "OFFSET_X=%d" % ox,
             "OFFSET_Y=%d" % oy,
             "IMAGE=%s.bmp" % name,
             "MASK=%sMask.bmp" % name,
             "WIDTH=%d" % w,
             "HEIGHT=%d" % h,
             "ANIM_NROFFRAMES=%d" % frames,
             "ANIM_TICKSPERFRAME=%d" % pic["ticks"],
             "ANIM_LOOP=%d" % pic.get("loop", 1)]
    if pic.get("bg", True):
        lines.append("ANIM_BG=%sBg.bmp" % name)
    lines += ["ANIM_MOVE_X=%d" % move_x, "ANIM_MOVE_Y=%d" % move_y]
    if pic.get("sound", True):
        lines.append("ANIM_SOUND=%s.wav" % name)
    lines.append("DOTS=%d" % len(dots))
    lines += ["%d,%d" % (x + ox, y + oy) for x, y in dots]
    with open(os.path.join(dotslib.DOTS_DIR, name + ".dot"), "wb") as fh:
        fh.write(("\r\n".join(lines) + "\r\n").encode("ascii"))


def icon_svg(pic, svg):
    """Frame 0 of the picture on a rounded tile of the scene's colour, fitted into 80 x 80."""
    inner = re.search(r"<svg[^>]*>(.*)</svg>", svg, re.S).group(1)
    box = re.search(r'viewBox="([^"]+)"', svg).group(1).split()
    x0, y0, x1, y1 = pic.get("icon_crop", (0, 0, float(box[2]), float(box[3])))
    scale = min(72.0 / (x1 - x0), 72.0 / (y1 - y0))
    tx = 40 - scale * (x0 + x1) / 2
    ty = 40 - scale * (y0 + y1) / 2
    # Ids inside the copy are kept: an icon file holds one picture only.
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="80" height="80" '
            'viewBox="0 0 80 80">\n'
            '  <!-- Made by tools/make_dots.py from %s.svg; edit that drawing instead. -->\n'
            '  <defs><clipPath id="icon-tile"><rect x="3" y="3" width="74" height="74" rx="12"/>'
            '</clipPath></defs>\n'
            '  <rect width="80" height="80" fill="#fffdf4"/>\n'
            '  <g clip-path="url(#icon-tile)">\n'
            '    <rect width="80" height="80" fill="%s"/>\n'
            '    <g transform="translate(%.3f %.3f) scale(%.5f)">%s</g>\n'
            '  </g>\n'
            '  <rect x="3" y="3" width="74" height="74" rx="12" fill="none" stroke="#2E2A40" '
            'stroke-width="2.5"/>\n'
            '</svg>\n') % (pic["name"], pic["icon_bg"], tx, ty, scale, inner)


def main():
    names = sys.argv[1:] or [p["name"] for p in PICTURES]
    for pic in PICTURES:
        if pic["name"] not in names:
            continue
        w, h, frames, source = frame_layout(pic["name"])
        with open(source, encoding="utf-8") as fh:
            svg = fh.read()
        dots = choose_dots(pic, svg, w, h, frames)
        write_dot(pic, w, h, frames, dots)
        with open(os.path.join(dotslib.DOTS_DIR, pic["name"] + "Icon.svg"), "w",
                  encoding="utf-8") as fh:
            fh.write(icon_svg(pic, svg))
        print("%s: %d dots" % (pic["name"], len(dots)))


if __name__ == "__main__":
    main()
