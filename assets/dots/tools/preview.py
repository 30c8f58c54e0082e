"""Renders every frame of a dot picture side by side for review, optionally with its dots.

    python3 preview.py NAME OUT.png [--scale S] [--dots] [--bg]
"""

import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep the asset folder free of caches

import dotslib  # noqa: E402


def main():
    name, out = sys.argv[1], sys.argv[2]
    keys, dots, _ = dotslib.read_dot(os.path.join(dotslib.DOTS_DIR, name + ".dot")) \
        if os.path.exists(os.path.join(dotslib.DOTS_DIR, name + ".dot")) else ({}, [], [])
    entry = next(e for e in dotslib.read_manifest(os.path.join(dotslib.DOTS_DIR, "manifest.txt"))
                 if e["path"] == "Gfx/Dots/%s.bmp" % name)
    size, frames = entry["size"].split("*")
    w, h = map(int, size.split("x"))
    frames = int(frames)
    with open(os.path.join(dotslib.ASSETS_DIR, entry["source"]), encoding="utf-8") as fh:
        svg = fh.read()
    tmp = tempfile.mkdtemp()
    files = []
    for f in range(frames):
        path = os.path.join(tmp, "f%d.png" % f)
        with open(path, "wb") as fh:
            fh.write(dotslib.render_png(dotslib.expand(svg, f, frames), w, h))
        files.append(path)
    if "--field" in sys.argv:
        # Frame 0 on the field at its place, with the dots on top.
        ox, oy = int(float(keys["OFFSET_X"])), int(float(keys["OFFSET_Y"]))
        cmd = ["convert", "-size", "800x600", "xc:#e8f0d8", "-pointsize", "15", files[0], "-geometry",
               "+%d+%d" % (ox, oy), "-composite", "-fill", "none", "-stroke", "#2040ff",
               "-strokewidth", "2", "-draw",
               "polygon " + " ".join("%d,%d" % d for d in dots)]
        for i, (x, y) in enumerate(dots):
            cmd += ["-fill", "red" if i == 0 else "black", "-stroke", "none", "-draw",
                    "circle %d,%d %d,%d" % (x, y, x + 4, y), "-draw",
                    "text %d,%d '%d'" % (x + 3, y + 15, i + 1)]
        cmd += ["-stroke", "#888", "-fill", "none", "-draw", "rectangle 660,460 799,599", out]
        subprocess.run(cmd, check=True)
        return
    subprocess.run(["montage", *files, "-tile", "%dx" % min(frames, 4), "-geometry",
                    "+4+4", "-background", "#a0c8e0", out], check=True)


if __name__ == "__main__":
    main()
