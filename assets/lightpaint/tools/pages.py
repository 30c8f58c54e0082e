"""The sixteen backgrounds of Light paint, 730 x 500: colouring-book pages (black outlines
around closed white areas, drawn without anti-aliasing so one fill fills one area) built from
the shape motifs, and a few calm full-colour scenes. Each page names a hero motif for its
button icon."""
from motifs import MOTIFS
from style import (O, RED, ORANGE, YELLOW, GREEN, BLUE, PINK, BROWN, GREY, WHITE, SKY, LIME,
                   line_art, st)

W, H = 730, 500


def put(name, x, y, s, flip=False, c1=RED, c2=YELLOW, rot=0):
    """A motif with its top-left corner at (x, y), scaled by s."""
    w, h, body = MOTIFS[name](c1, c2)
    mirror = f" translate({w} 0) scale(-1 1)" if flip else ""
    turn = f" rotate({rot} {w / 2} {h / 2})" if rot else ""
    return f'<g transform="translate({x} {y}) scale({s}){mirror}{turn}">{body}</g>'


def ink(d, w=4):
    return f'<path d="{d}" fill="none" stroke="#000000" stroke-width="{w}" stroke-linejoin="round" stroke-linecap="round"/>'


def area(d, w=4):
    return f'<path d="{d}" fill="#FFFFFF" stroke="#000000" stroke-width="{w}" stroke-linejoin="round"/>'


HILLS = "M-10 360 Q120 300 260 350 Q400 400 520 330 Q620 280 740 340 L740 510 L-10 510 Z"


def farm():
    fence = "".join(area(f"M{x} 372 L{x + 18} 372 L{x + 18} 440 L{x} 440 Z", 3) for x in range(450, 720, 44))
    rails = area("M440 388 L740 388 L740 402 L440 402 Z", 3) + area("M440 414 L740 414 L740 428 L440 428 Z", 3)
    return (area(HILLS) + put("sun", 20, 16, 1.1) + put("cloud", 300, 30, 1.2) +
            put("house", 40, 170, 2.1, c1=RED, c2=BROWN) + rails + fence +
            put("tree", 560, 120, 1.6) + put("pig", 270, 330, 1.6) + put("duck", 190, 400, 0.9))


def sea():
    waves = "M-10 250 Q40 230 90 250 T190 250 T290 250 T390 250 T490 250 T590 250 T690 250 T790 250 L790 510 L-10 510 Z"
    return (area(waves) + put("sun", 590, 14, 1.0) + put("cloud", 40, 30, 1.1) +
            put("sailboat", 270, 62, 1.9) + put("fish", 60, 330, 1.3) +
            put("fish", 470, 360, 1.1, flip=True) + put("fish", 560, 270, 0.8) +
            put("turtle", 240, 400, 0.9))


def castle():
    hill = "M-10 420 Q365 300 740 420 L740 510 L-10 510 Z"
    return (area(hill) + put("cloud", 30, 40, 1.2) + put("cloud", 560, 70, 1.0, flip=True) +
            put("castle", 220, 60, 2.4) + put("tree", 40, 230, 1.2) + put("tree", 590, 240, 1.1))


def street():
    road = area("M-10 400 L740 400 L740 470 L-10 470 Z") + "".join(
        area(f"M{x} 430 L{x + 40} 430 L{x + 40} 440 L{x} 440 Z", 3) for x in range(20, 730, 90))
    return (road + area("M-10 470 L740 470 L740 510 L-10 510 Z") + put("sun", 600, 10, 0.9) +
            put("house", 20, 150, 2.0, c1=RED, c2=BROWN) + put("house", 260, 180, 1.8) +
            put("tree", 480, 150, 1.9) + put("car", 400, 330, 1.7, flip=True) +
            put("bus", 40, 350, 1.3))


def space():
    planet = ('<ellipse cx="560" cy="380" rx="120" ry="26" fill="none" stroke="#000000" stroke-width="4"/>'
              '<circle cx="560" cy="380" r="70" fill="#FFFFFF" stroke="#000000" stroke-width="4"/>'
              + ink("M443 388 Q560 426 677 388"))
    stars = "".join(put("star", x, y, s, c2=None) for x, y, s in
                    [(60, 40, 0.6), (230, 300, 0.5), (420, 40, 0.7), (640, 110, 0.5), (80, 360, 0.7), (350, 410, 0.5)])
    return (stars + put("moon", 520, 20, 1.4) + planet +
            put("rocket", 210, 40, 2.0, rot=30))


def garden():
    ground = area("M-10 400 Q365 380 740 400 L740 510 L-10 510 Z")
    return (ground + put("sun", 30, 16, 1.0) + put("cloud", 420, 20, 1.0) +
            put("flower", 90, 210, 1.9) + put("tulip", 280, 240, 1.7) +
            put("flower", 560, 220, 1.7) + put("butterfly", 340, 70, 1.4) +
            put("snail", 420, 380, 1.0) + put("tulip", 480, 290, 1.1))


def forest():
    ground = area("M-10 410 Q200 380 365 410 Q530 440 740 400 L740 510 L-10 510 Z")
    return (ground + put("cloud", 290, 20, 1.0) + put("tree", 10, 90, 2.4) +
            put("tree", 520, 80, 2.5) + put("rabbit", 300, 240, 1.5) +
            put("mushroom", 200, 380, 0.9) + put("mushroom", 440, 390, 0.7))


def pond():
    ground = area("M-10 300 Q365 270 740 300 L740 510 L-10 510 Z")
    water = area("M130 380 Q130 320 365 320 Q600 320 600 390 Q600 460 365 460 Q130 460 130 380 Z")
    reeds = "".join(ink(f"M{x} 400 Q{x - 6} 330 {x + 4} 300", 4) +
                    f'<ellipse cx="{x + 3}" cy="312" rx="7" ry="18" fill="#FFFFFF" stroke="#000000" stroke-width="4"/>'
                    for x in (640, 670, 700))
    return (ground + water + put("sun", 40, 20, 1.0) + put("cloud", 440, 30, 1.1) +
            put("frog", 170, 330, 1.2) + put("duck", 380, 310, 1.3, flip=True) + reeds +
            put("flower", 40, 330, 1.1))


def train():
    track = area("M-10 400 L740 400 L740 416 L-10 416 Z") + "".join(
        area(f"M{x} 416 L{x + 24} 416 L{x + 24} 440 L{x} 440 Z", 3) for x in range(10, 730, 60))
    hills = area("M-10 300 Q150 200 300 300 Q450 180 600 300 Q680 250 740 280 L740 400 L-10 400 Z")
    return (hills + track + area("M-10 440 L740 440 L740 510 L-10 510 Z") + put("sun", 600, 10, 0.9) +
            put("cloud", 40, 30, 1.0) + put("train", 170, 170, 2.4))


def toys():
    floor = area("M-10 420 L740 420 L740 510 L-10 510 Z")
    return (floor + put("kite", 60, 20, 1.4) + put("balloon", 560, 20, 1.3) +
            put("balloon", 640, 60, 1.1) + put("teddy", 280, 190, 1.9) +
            put("ball", 90, 330, 1.2) + put("ball", 520, 360, 0.8) + put("star", 200, 60, 0.7, c2=None))


def party():
    table = area("M90 380 L640 380 L640 404 L90 404 Z") + area("M130 404 L150 404 L150 500 L130 500 Z") + \
        area("M580 404 L600 404 L600 500 L580 500 Z")
    return (table + put("cake", 230, 130, 2.3) + put("balloon", 30, 30, 1.5) +
            put("balloon", 130, 60, 1.3) + put("balloon", 600, 30, 1.5) +
            put("star", 520, 140, 0.8, c2="face") + put("heart", 70, 280, 0.8))


def weather():
    return (area(HILLS) + put("rainbow", 170, 120, 2.8) + put("sun", 20, 20, 1.0) +
            put("cloud", 520, 30, 1.2) + put("raincloud", 500, 200, 1.0) +
            put("bird", 50, 190, 1.0) + put("flower", 100, 360, 0.9))


COLOURING = [
    ("farm", farm, "pig"), ("sea", sea, "sailboat"), ("castle", castle, "castle"),
    ("street", street, "car"), ("space", space, "rocket"), ("garden", garden, "flower"),
    ("forest", forest, "tree"), ("pond", pond, "frog"), ("train", train, "train"),
    ("toys", toys, "teddy"), ("party", party, "cake"), ("weather", weather, "rainbow"),
]


def colouring_page(fn):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}" '
            f'shape-rendering="crispEdges">\n<rect width="{W}" height="{H}" fill="#FFFFFF"/>\n'
            f'{line_art(fn())}\n</svg>\n')


# ---- full-colour scenes: flat colours, still without anti-aliasing so fills work on them ----

def meadow():
    flowers = "".join(f'<circle cx="{x}" cy="{y}" r="7" fill="{c}"/><circle cx="{x}" cy="{y}" r="3" fill="{YELLOW}"/>'
                      for x, y, c in [(80, 440, WHITE), (200, 470, PINK), (330, 430, WHITE), (470, 460, PINK),
                                      (600, 440, WHITE), (680, 480, PINK)])
    return ('<rect width="730" height="500" fill="#CFF0FF"/>'
            '<circle cx="620" cy="90" r="50" fill="#FFD23F"/>'
            '<path d="M80 110 Q80 80 110 84 Q120 60 150 70 Q180 60 190 90 Q215 92 210 112 Z" fill="#FFFFFF"/>'
            '<path d="M-10 330 Q150 230 330 320 Q500 250 740 320 L740 510 L-10 510 Z" fill="#B5E08F"/>'
            '<path d="M-10 390 Q200 330 420 390 Q600 350 740 390 L740 510 L-10 510 Z" fill="#8ED16F"/>' + flowers)


def beach():
    return ('<rect width="730" height="500" fill="#CFF0FF"/>'
            '<circle cx="120" cy="90" r="50" fill="#FFD23F"/>'
            '<path d="M420 90 Q420 66 446 70 Q456 50 480 58 Q506 52 512 76 Q532 78 528 94 Z" fill="#FFFFFF"/>'
            '<rect y="240" width="730" height="140" fill="#3A86FF"/>'
            '<path d="M0 270 Q40 258 80 270 T160 270 T240 270 T320 270 T400 270 T480 270 T560 270 T640 270 T720 270" '
            'fill="none" stroke="#A9DEF9" stroke-width="6"/>'
            '<path d="M-10 360 Q365 320 740 370 L740 510 L-10 510 Z" fill="#F4D58D"/>'
            '<circle cx="560" cy="440" r="16" fill="#F15BB5"/><circle cx="180" cy="460" r="12" fill="#FF9F1C"/>')


def night():
    stars = "".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="#FFF3B0"/>' for x, y, r in
                    [(60, 60, 4), (160, 140, 3), (260, 50, 5), (360, 120, 3), (440, 40, 4), (300, 220, 3),
                     (80, 250, 4), (660, 220, 3), (540, 170, 4), (700, 60, 3)])
    return ('<rect width="730" height="500" fill="#1D2B64"/>' + stars +
            '<circle cx="600" cy="100" r="56" fill="#FFF3B0"/><circle cx="625" cy="85" r="50" fill="#1D2B64"/>'
            '<path d="M-10 380 Q180 300 380 370 Q560 320 740 360 L740 510 L-10 510 Z" fill="#2E7D32"/>'
            '<path d="M-10 430 Q300 390 740 440 L740 510 L-10 510 Z" fill="#1B5E20"/>')


def underwater():
    weed = "".join(f'<path d="M{x} 500 Q{x - 20} 420 {x} 360 Q{x + 20} 300 {x} 250" fill="none" stroke="#4CB944" stroke-width="14" stroke-linecap="round"/>'
                   for x in (80, 130, 610, 660))
    bubbles = "".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="#CFF0FF"/>' for x, y, r in
                      [(300, 120, 10), (320, 80, 7), (310, 40, 5), (480, 200, 9), (470, 150, 6)])
    return ('<rect width="730" height="500" fill="#3A86FF"/>'
            '<rect width="730" height="120" fill="#5FA8FF"/>' + bubbles + weed +
            '<path d="M-10 440 Q365 400 740 440 L740 510 L-10 510 Z" fill="#F4D58D"/>'
            '<path d="M340 450 L360 420 L380 450 Z" fill="#FF9F1C"/>')


SCENES = [("meadow", meadow), ("beach", beach), ("night", night), ("underwater", underwater)]


def scene_page(fn):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}" '
            f'shape-rendering="crispEdges">\n{fn()}\n</svg>\n')
