"""Checks the dot pictures: file format, agreement with the manifest, and the dot layout.

    python3 check_dots.py [--no-render] [--self-test]

Rules for the dots: 8 to 30 of them; every dot inside the field with room for its number
(10 <= x <= 770, 10 <= y <= 560) and clear of the buttons in the bottom-right corner (not
x > 660 and y > 460); any two dots at least 60 pixels apart (twice the largest hit radius);
no line of the closed outline passing within 20 pixels of another dot, and no two lines
crossing; each dot on the outline of frame 0 of the finished picture at its place (needs
rsvg-convert; --no-render skips it). Exit status 1 when anything is wrong.
"""

import math
import os
import re
import sys

sys.dont_write_bytecode = True  # keep the asset folder free of caches

import dotslib  # noqa: E402
import make_dots
import outline

REQUIRED = ["NAME", "OFFSET_X", "OFFSET_Y", "IMAGE", "MASK", "WIDTH", "HEIGHT",
            "ANIM_NROFFRAMES", "ANIM_TICKSPERFRAME", "ANIM_LOOP", "ANIM_MOVE_X",
            "ANIM_MOVE_Y", "DOTS"]
OPTIONAL = ["ANIM_BG", "ANIM_SOUND"]
NUMBERS = ["OFFSET_X", "OFFSET_Y", "WIDTH", "HEIGHT", "ANIM_NROFFRAMES", "ANIM_TICKSPERFRAME",
           "ANIM_LOOP", "ANIM_MOVE_X", "ANIM_MOVE_Y"]
MIN_GAP = 60
LINE_CLEARANCE = 20
ON_OUTLINE = 3.0


def _mask_path(entry):
    return entry["options"].get("mask") or entry["path"][:-4] + "Mask.bmp"


def check_keys(name, keys):
    problems = []
    for key in REQUIRED:
        if key not in keys:
            problems.append("missing key " + key)
    for key in keys:
        if key not in REQUIRED + OPTIONAL:
            problems.append("unknown key " + key)
    for key in NUMBERS:
        if key in keys and not re.fullmatch(r"-?\d+", keys[key]):
            problems.append("%s=%s is not a whole number" % (key, keys[key]))
    if problems:
        return problems
    if keys["NAME"] != name:
        problems.append("NAME=%s differs from the file name" % keys["NAME"])
    if keys["ANIM_LOOP"] not in ("0", "1"):
        problems.append("ANIM_LOOP must be 0 or 1")
    if int(keys["ANIM_TICKSPERFRAME"]) <= 0:
        problems.append("ANIM_TICKSPERFRAME must be above 0")
    if not 4 <= int(keys["ANIM_NROFFRAMES"]) <= 8:
        problems.append("ANIM_NROFFRAMES should be 4 to 8")
    w, h = int(keys["WIDTH"]), int(keys["HEIGHT"])
    ox, oy = int(keys["OFFSET_X"]), int(keys["OFFSET_Y"])
    if ox < 0 or oy < 0 or ox + w > dotslib.FIELD_W or oy + h > dotslib.FIELD_H:
        problems.append("the finished picture does not start inside the field")
    return problems


def check_manifest(name, keys, entries):
    problems = []
    by_path = {e["path"]: e for e in entries}

    def need(path, kinds, what):
        entry = by_path.get(path)
        if entry is None:
            problems.append("%s %s is not in the manifest" % (what, path))
        elif entry["kind"] not in kinds:
            problems.append("%s %s is a %s, not %s" % (what, path, entry["kind"], "/".join(kinds)))
        return entry

    data = need("Data/Dots/%s.dot" % name, ["data"], "dot file")
    if data and data["source"] != "dots/%s.dot" % name:
        problems.append("Data/Dots/%s.dot comes from %s" % (name, data["source"]))
    need("Gfx/Dots/%sIcon.bmp" % name, ["picture"], "icon")
    strip = need("Gfx/Dots/" + keys["IMAGE"], ["strip"], "picture")
    if strip:
        expected = "%sx%s*%s" % (keys["WIDTH"], keys["HEIGHT"], keys["ANIM_NROFFRAMES"])
        if strip["size"] != expected:
            problems.append("picture strip is %s, the dot file says %s" % (strip["size"], expected))
        if _mask_path(strip) != "Gfx/Dots/" + keys["MASK"]:
            problems.append("MASK=%s but the forge writes %s" % (keys["MASK"], _mask_path(strip)))
    if "ANIM_BG" in keys:
        bg = need("Gfx/Dots/" + keys["ANIM_BG"], ["picture"], "background")
        if bg and bg["size"] != "800x600":
            problems.append("background is %s, not 800x600" % bg["size"])
    if "ANIM_SOUND" in keys:
        need("Sfx/Dots/" + keys["ANIM_SOUND"], ["sound", "music"], "sound")
    return problems


def _segment_distance(p, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = ((p[0] - ax) * dx + (p[1] - ay) * dy) / float(dx * dx + dy * dy or 1)
    t = max(0.0, min(1.0, t))
    return math.hypot(p[0] - ax - t * dx, p[1] - ay - t * dy)


def _cross(o, a, b):
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])


def _segments_cross(a, b, c, d):
    d1, d2 = _cross(c, d, a), _cross(c, d, b)
    d3, d4 = _cross(a, b, c), _cross(a, b, d)
    return ((d1 > 0) != (d2 > 0)) and ((d3 > 0) != (d4 > 0)) and 0 not in (d1, d2, d3, d4)


def check_layout(keys, dots):
    problems = []
    if int(keys.get("DOTS", -1)) != len(dots):
        problems.append("DOTS=%s but %d dot lines" % (keys.get("DOTS"), len(dots)))
    n = len(dots)
    if not 8 <= n <= 30:
        problems.append("%d dots; 8 to 30 are wanted" % n)
    for i, (x, y) in enumerate(dots):
        if not (10 <= x <= 770 and 10 <= y <= 560):
            problems.append("dot %d (%d,%d) leaves no room for its number" % (i + 1, x, y))
        if x > 660 and y > 460:
            problems.append("dot %d (%d,%d) lies under the buttons" % (i + 1, x, y))
    for i in range(n):
        for j in range(i + 1, n):
            gap = math.dist(dots[i], dots[j])
            if gap < MIN_GAP:
                problems.append("dots %d and %d are only %.0f pixels apart" % (i + 1, j + 1, gap))
    lines = [(i, (i + 1) % n) for i in range(n)]
    for a, b in lines:
        for k in range(n):
            if k in (a, b):
                continue
            if _segment_distance(dots[k], dots[a], dots[b]) < LINE_CLEARANCE:
                problems.append("the line %d-%d passes over dot %d" % (a + 1, b + 1, k + 1))
    for x in range(len(lines)):
        for y in range(x + 1, len(lines)):
            a, b = lines[x]
            c, d = lines[y]
            if len({a, b, c, d}) == 4 and _segments_cross(dots[a], dots[b], dots[c], dots[d]):
                problems.append("the lines %d-%d and %d-%d cross" % (a + 1, b + 1, c + 1, d + 1))
    return problems


def check_on_outline(name, keys, dots):
    """Every dot must lie on the outline of frame 0 of the finished picture at its place."""
    w, h, frames, source = make_dots.frame_layout(name)
    with open(source, encoding="utf-8") as fh:
        svg = fh.read()
    chain, _ = make_dots.outlines(svg, w, h, frames, 0)
    ox, oy = int(keys["OFFSET_X"]), int(keys["OFFSET_Y"])
    problems = []
    for i, (x, y) in enumerate(dots):
        gap = min(math.hypot(x - ox - cx, y - oy - cy) for cx, cy in chain)
        if gap > ON_OUTLINE:
            problems.append("dot %d (%d,%d) is %.0f pixels off the picture's outline"
                            % (i + 1, x, y, gap))
    return problems


def check_icon(name):
    pic = next((p for p in make_dots.PICTURES if p["name"] == name), None)
    if pic is None:
        return ["%s has no entry in pictures.py" % name]
    w, h, _, source = make_dots.frame_layout(name)
    with open(source, encoding="utf-8") as fh:
        wanted = make_dots.icon_svg(pic, fh.read())
    path = os.path.join(dotslib.DOTS_DIR, name + "Icon.svg")
    if not os.path.exists(path) or open(path, encoding="utf-8").read() != wanted:
        return ["%sIcon.svg is not up to date with %s.svg (run make_dots.py)" % (name, name)]
    return []


def read_scenarios():
    with open(os.path.join(dotslib.DOTS_DIR, "scenarios.txt"), encoding="ascii") as fh:
        return [line.strip() for line in fh if line.strip()]


def check_scenarios(names, entries):
    problems = []
    if not names or names[0] != "fish":
        problems.append("scenarios.txt must begin with fish")
    if len(set(names)) != len(names):
        problems.append("scenarios.txt names a picture twice")
    for name in names:
        if not re.fullmatch(r"[a-z]+", name):
            problems.append("scenario name %r: lower-case letters only" % name)
    paths = {e["path"] for e in entries}
    for sound in ("rubduck1.wav", "rubduck3.wav"):
        if "Sfx/Dots/" + sound not in paths:
            problems.append("Sfx/Dots/%s is not in the manifest" % sound)
    for path in sorted(paths):
        m = re.fullmatch(r"Data/Dots/(\w+)\.dot", path)
        if m and m.group(1) not in names:
            problems.append("%s is not in scenarios.txt" % path)
    return problems


def check_all(render):
    entries = dotslib.read_manifest(os.path.join(dotslib.DOTS_DIR, "manifest.txt"))
    names = read_scenarios()
    failures = 0
    problems = check_scenarios(names, entries)
    for p in problems:
        print("scenarios: " + p)
    failures += bool(problems)
    for name in names:
        path = os.path.join(dotslib.DOTS_DIR, name + ".dot")
        if not os.path.exists(path):
            print("%s: no dot file" % name)
            failures += 1
            continue
        keys, dots, problems = dotslib.read_dot(path)
        problems += check_keys(name, keys)
        if not problems:
            problems += check_manifest(name, keys, entries)
            problems += check_layout(keys, dots)
            problems += check_icon(name)
            if render and not problems:
                problems += check_on_outline(name, keys, dots)
        for p in problems:
            print("%s: %s" % (name, p))
        if problems:
            failures += 1
        else:
            print("%s: ok, %d dots" % (name, len(dots)))
    print("%d passed, %d failed" % (len(names) + 1 - failures, failures))
    return failures == 0


def self_test():
    """Each rule must catch the fault it is there for."""
    good = [(100 + 80 * k, 100) for k in range(6)] + [(500, 250), (100, 250)]
    keys = {"DOTS": str(len(good))}
    assert check_layout(keys, good) == [], check_layout(keys, good)
    cases = {
        "apart": good[:3] + [(263, 130)] + good[4:],
        "room for its number": good[:-1] + [(5, 250)],
        "under the buttons": good[:6] + [(700, 500), (100, 250)],
        "passes over dot": good[:6] + [(500, 250), (300, 115), (100, 250)],
        "cross": good[:6] + [(100, 250), (500, 250)],
        "8 to 30": good[:7],
    }
    for expected, dots in cases.items():
        found = check_layout({"DOTS": str(len(dots))}, dots)
        assert any(expected in p for p in found), (expected, found)
    assert any("DOTS=" in p for p in check_layout({"DOTS": "9"}, good))
    base = {"NAME": "fish", "OFFSET_X": "10", "OFFSET_Y": "10", "IMAGE": "fish.bmp",
            "MASK": "fishMask.bmp", "WIDTH": "100", "HEIGHT": "100", "ANIM_NROFFRAMES": "6",
            "ANIM_TICKSPERFRAME": "100", "ANIM_LOOP": "1", "ANIM_MOVE_X": "0",
            "ANIM_MOVE_Y": "0", "DOTS": "8"}
    assert check_keys("fish", base) == []
    for key, value, expected in [("ANIM_LOOP", "2", "0 or 1"), ("OFFSET_X", "1.5", "whole"),
                                 ("NAME", "cat", "differs"), ("OFFSET_X", "750", "inside"),
                                 ("ANIM_NROFFRAMES", "1", "4 to 8"), ("BOGUS", "1", "unknown")]:
        found = check_keys("fish", dict(base, **{key: value}))
        assert any(expected in p for p in found), (key, found)
    entries = [{"path": "Data/Dots/fish.dot", "kind": "data", "size": "-",
                "source": "dots/fish.dot", "options": {}},
               {"path": "Gfx/Dots/fishIcon.bmp", "kind": "picture", "size": "80x80",
                "source": "x", "options": {}},
               {"path": "Gfx/Dots/fish.bmp", "kind": "strip", "size": "100x100*6",
                "source": "x", "options": {}}]
    assert check_manifest("fish", base, entries) == []
    assert check_manifest("fish", dict(base, WIDTH="90"), entries)
    assert check_manifest("fish", dict(base, MASK="fishmask.bmp"), entries)
    assert check_manifest("fish", dict(base, ANIM_SOUND="fish.wav"), entries)
    assert check_scenarios(["cat", "fish"], entries)
    if dotslib.have_renderer():
        keys, dots, _ = dotslib.read_dot(os.path.join(dotslib.DOTS_DIR, "fish.dot"))
        assert check_on_outline("fish", keys, dots) == []
        dots[3] = (dots[3][0] + 8, dots[3][1] - 8)
        assert any("dot 4" in p for p in check_on_outline("fish", keys, dots))
    print("self-test passed")


if __name__ == "__main__":
    if "--self-test" in sys.argv:
        self_test()
        sys.exit(0)
    render = "--no-render" not in sys.argv and dotslib.have_renderer()
    if not render:
        print("outline check skipped (no rsvg-convert or --no-render)")
    sys.exit(0 if check_all(render) else 1)
