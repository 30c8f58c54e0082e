"""Shared helpers for the dot picture tools: frame expressions, rendering, file readers."""

import math
import os
import re
import shutil
import struct
import subprocess
import zlib
import xml.etree.ElementTree as ET

DOTS_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS_DIR = os.path.dirname(DOTS_DIR)

FIELD_W, FIELD_H = 800, 600

# ---------------------------------------------------------------------------
# Frame expressions: "{= EXPR =}" in a drawing, replaced per frame.
# Only what the forge accepts: numbers, + - * /, unary minus, parentheses,
# f n t pi, sin cos abs min max floor.

_TOKEN = re.compile(r"\s*(?:(\d+\.?\d*|\.\d+)|([A-Za-z_]+)|(.))")
_FUNCS = {"sin": math.sin, "cos": math.cos, "abs": abs, "min": min, "max": max,
          "floor": math.floor}


class ExprError(ValueError):
    pass


def _tokens(text):
    out = []
    pos = 0
    text = text.strip()
    while pos < len(text):
        m = _TOKEN.match(text, pos)
        if not m:
            break
        pos = m.end()
        num, name, sym = m.groups()
        if num is not None:
            out.append(("num", float(num)))
        elif name is not None:
            out.append(("name", name))
        elif sym is not None and not sym.isspace():
            if sym not in "+-*/(),":
                raise ExprError("unexpected character %r in %r" % (sym, text))
            out.append(("sym", sym))
    return out


def evaluate(text, variables):
    toks = _tokens(text)
    pos = [0]

    def peek():
        return toks[pos[0]] if pos[0] < len(toks) else (None, None)

    def take(kind=None, value=None):
        tok = peek()
        if tok[0] is None or (kind and tok[0] != kind) or (value and tok[1] != value):
            raise ExprError("bad expression %r" % text)
        pos[0] += 1
        return tok

    def primary():
        kind, value = peek()
        if kind == "num":
            take()
            return value
        if kind == "sym" and value == "(":
            take()
            v = expr()
            take("sym", ")")
            return v
        if kind == "sym" and value == "-":
            take()
            return -primary()
        if kind == "name":
            take()
            if value in _FUNCS:
                take("sym", "(")
                args = [expr()]
                while peek() == ("sym", ","):
                    take()
                    args.append(expr())
                take("sym", ")")
                return float(_FUNCS[value](*args))
            if value in variables:
                return float(variables[value])
            raise ExprError("unknown name %r in %r" % (value, text))
        raise ExprError("bad expression %r" % text)

    def term():
        v = primary()
        while peek() in (("sym", "*"), ("sym", "/")):
            op = take()[1]
            rhs = primary()
            v = v * rhs if op == "*" else v / rhs
        return v

    def expr():
        v = term()
        while peek() in (("sym", "+"), ("sym", "-")):
            op = take()[1]
            rhs = term()
            v = v + rhs if op == "+" else v - rhs
        return v

    value = expr()
    if pos[0] != len(toks):
        raise ExprError("trailing text in %r" % text)
    return value


def _format(value):
    text = ("%.4f" % value).rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def expand(svg_text, frame, frames):
    variables = {"f": frame, "n": frames, "t": frame / frames, "pi": math.pi}
    return re.sub(r"\{=(.*?)=\}", lambda m: _format(evaluate(m.group(1), variables)),
                  svg_text, flags=re.S)


# ---------------------------------------------------------------------------
# Rendering through rsvg-convert and a small PNG reader (8-bit RGBA only).

def have_renderer():
    return shutil.which("rsvg-convert") is not None


def render_png(svg_text, width, height):
    return subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png"],
                          input=svg_text.encode(), stdout=subprocess.PIPE, check=True).stdout


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode_png(data):
    """Returns (width, height, rows) with rows as bytearrays of RGBA."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos = 8
    idat = b""
    width = height = 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour != 6 or interlace:
                raise ValueError("only 8-bit RGBA PNGs are read here")
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    raw = zlib.decompress(idat)
    stride = width * 4
    rows = []
    prev = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        ftype = raw[start]
        line = bytearray(raw[start + 1:start + 1 + stride])
        if ftype == 1:
            for i in range(4, stride):
                line[i] = (line[i] + line[i - 4]) & 255
        elif ftype == 2:
            for i in range(stride):
                line[i] = (line[i] + prev[i]) & 255
        elif ftype == 3:
            for i in range(stride):
                left = line[i - 4] if i >= 4 else 0
                line[i] = (line[i] + ((left + prev[i]) >> 1)) & 255
        elif ftype == 4:
            for i in range(stride):
                left = line[i - 4] if i >= 4 else 0
                upleft = prev[i - 4] if i >= 4 else 0
                line[i] = (line[i] + _paeth(left, prev[i], upleft)) & 255
        rows.append(line)
        prev = line
    return width, height, rows


def outline_only(svg_text):
    """The drawing without its parts marked class="extra" (details outside the dot outline:
    smoke, bubbles, whiskers, flames)."""
    ET.register_namespace("", "http://www.w3.org/2000/svg")
    ET.register_namespace("xlink", "http://www.w3.org/1999/xlink")
    root = ET.fromstring(svg_text)
    for parent in list(root.iter()):
        for child in list(parent):
            if "extra" in child.get("class", "").split():
                parent.remove(child)
    return ET.tostring(root, encoding="unicode")


def opaque_mask(svg_text, width, height):
    """The drawing's mask as the forge derives it: alpha >= 128 counts as opaque."""
    w, h, rows = decode_png(render_png(svg_text, width, height))
    return [[row[x * 4 + 3] >= 128 for x in range(w)] for row in rows]


# ---------------------------------------------------------------------------
# Readers for the manifest and the dot files.

def read_manifest(path):
    """Entries of a manifest part: dicts with path, kind, size, source, options, line."""
    entries = []
    with open(path, encoding="utf-8") as fh:
        for number, line in enumerate(fh, 1):
            # A "#" that begins a word starts a comment ("bg=#FFFFFF" keeps its colour).
            text = re.sub(r"(^|\s)#.*", "", line).strip()
            if not text or text.startswith("include "):
                continue
            fields = text.split()
            if len(fields) < 4:
                raise ValueError("%s:%d: too few fields" % (path, number))
            options = {}
            for opt in fields[4:]:
                key, _, value = opt.partition("=")
                options[key] = value
            entries.append({"path": fields[0], "kind": fields[1], "size": fields[2],
                            "source": fields[3], "options": options, "line": number})
    return entries


def read_dot(path):
    """Parses a dot file strictly. Returns (keys dict, dots list, problems list)."""
    problems = []
    with open(path, "rb") as fh:
        data = fh.read()
    if b"\r\n" not in data or data.replace(b"\r\n", b"").count(b"\n") or \
            data.replace(b"\r\n", b"").count(b"\r"):
        problems.append("lines must end with CR LF only")
    if not data.endswith(b"\r\n"):
        problems.append("the last line must end with CR LF")
    lines = data.decode("ascii").split("\r\n")
    keys = {}
    dots = []
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line:
            continue
        if "=" not in line:
            problems.append("line %d has no '='" % i)
            continue
        key, value = line.split("=", 1)
        if key in keys:
            problems.append("key %s given twice" % key)
        keys[key] = value
        if key == "DOTS":
            if not value.isdigit():
                problems.append("DOTS needs a whole number")
                continue
            count = int(value)
            for _ in range(count):
                if i >= len(lines) or "," not in lines[i]:
                    problems.append("line %d should be a dot 'x,y'" % (i + 1))
                    break
                xs, ys = lines[i].split(",", 1)
                i += 1
                if not (re.fullmatch(r"\d+", xs) and re.fullmatch(r"\d+", ys)):
                    problems.append("dot line %d is not two whole numbers" % i)
                    continue
                dots.append((int(xs), int(ys)))
    return keys, dots, problems
