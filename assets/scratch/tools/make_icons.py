#!/usr/bin/env python3
"""Writes icons/ScenarioIcon0.svg ... ScenarioIcon11.svg, the options dialog's scene pictures.

Each icon is its scene's still picture in small: the background with every sprite that is shown
at the start, at its place and first frame, exactly as the scratch card hides it. The places
and frames come from the game's scene table (src/games/scratch/scene_table.cpp) and the
drawings from this folder's manifest, so the icons follow when either changes. Frame
expressions ({= =}) are worked out here for the sprite's first frame. Run from
assets/scratch after changing a scene: python3 tools/make_icons.py
"""
import math
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", "..", ".."))
ASSETS = os.path.join(ROOT, "assets")

# Sprites whose start places are drawn at random when a game starts get a typical place.
TYPICAL_PLACES = {
    ("Ocean", "Shark"): (420, 110), ("Ocean", "BlueFish"): (470, 250),
    ("Ocean", "YellowFish"): (60, 80), ("Ocean", "Fishes"): (640, 60),
    ("Ocean", "Superfish"): (100, 250),
}

SPRITE_RE = re.compile(r'\{"(\w+)", "(\w+)", (\d+), (\d+), (\d+), (\d+), (\d+), '
                       r'(-?[\d.]+), (-?[\d.]+), (true|false)')


def scenes():
    """(folder, [(picture, frames, first frame, x, y), ...]) per scene, in table order."""
    text = open(os.path.join(ROOT, "src", "games", "scratch", "scene_table.cpp")).read()
    out = []
    for block in re.split(r'\n      \{"', text)[1:]:
        folder = block.split('"', 1)[0]
        sprites = []
        for name, pic, frames, fw, fh, ms, first, x, y, shown in SPRITE_RE.findall(block):
            if shown == "true":
                x, y = TYPICAL_PLACES.get((folder, name), (float(x), float(y)))
                sprites.append((pic, int(frames), int(first), x, y))
        out.append((folder, sprites))
    return out


def manifest():
    """Program path -> (source svg, frame count, variables)."""
    entries = {}
    for line in open(os.path.join(ASSETS, "scratch", "manifest.txt")):
        words = line.split("#", 1)[0].split() if not line.lstrip().startswith("#") else []
        if len(words) < 4 or not words[3].endswith(".svg"):
            continue
        frames = int(words[2].split("*")[1]) if "*" in words[2] else 1
        variables = {w[4:].split("=")[0]: float(w.split("=")[1]) for w in words[4:]
                     if w.startswith("var.")}
        entries[words[0]] = (words[3], frames, variables)
    return entries


def evaluate(svg, f, n, variables):
    names = {"f": f, "n": n, "t": f / n, "pi": math.pi, "sin": math.sin, "cos": math.cos,
             "abs": abs, "floor": math.floor, "min": min, "max": max}
    names.update(variables)

    def value(m):
        v = eval(m.group(1), {"__builtins__": {}}, names)
        return f"{v:.4f}".rstrip("0").rstrip(".")
    return re.sub(r"\{=(.*?)=\}", value, svg, flags=re.S)


def nested(source, prefix, x, y, width, height, f, n, variables):
    svg = evaluate(open(os.path.join(ASSETS, source)).read(), f, n, variables)
    root = re.search(r"<svg\b[^>]*>", svg)
    view = re.search(r'viewBox="([^"]+)"', root.group(0)).group(1)
    body = svg[root.end():svg.rindex("</svg>")]
    body = re.sub(r"<!--.*?-->", "", body, flags=re.S)
    body = re.sub(r'id="([^"]+)"', rf'id="{prefix}\1"', body)
    body = re.sub(r'href="#([^"]+)"', rf'href="#{prefix}\1"', body)
    body = re.sub(r"url\(#([^)]+)\)", rf"url(#{prefix}\1)", body)
    return (f'  <svg x="{x:g}" y="{y:g}" width="{width}" height="{height}" viewBox="{view}" '
            f'preserveAspectRatio="none" overflow="hidden">{body}</svg>\n')


def main():
    files = manifest()
    for index, (folder, sprites) in enumerate(scenes()):
        base = f"Gfx/Scratch/{folder}/"
        source, _, variables = files[base + folder + ".bmp"]
        parts = [nested(source, "bg_", 0, 0, 800, 600, 0, 1, variables)]
        for k, (picture, frames, first, x, y) in enumerate(sprites):
            source, count, variables = files[base + picture + ".bmp"]
            size = re.search(r'(\d+)x(\d+)', open(os.path.join(ASSETS, "scratch", "manifest.txt"))
                             .read().split(base + picture + ".bmp", 1)[1]).groups()
            parts.append(nested(source, f"s{k}_", x, y, int(size[0]), int(size[1]), first,
                                max(count, 1), variables))
        with open(os.path.join(HERE, "..", "icons", f"ScenarioIcon{index}.svg"), "w") as out:
            out.write('<svg xmlns="http://www.w3.org/2000/svg" width="800" height="600" '
                      'viewBox="0 0 800 600">\n')
            out.write(f"  <!-- The {folder} scene's still picture, made by tools/make_icons.py. -->\n")
            out.write("".join(parts))
            out.write('  <rect x="4" y="4" width="792" height="592" fill="none" stroke="#2E2A40" '
                      'stroke-width="8"/>\n</svg>\n')


if __name__ == "__main__":
    main()
