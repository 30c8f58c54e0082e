"""The shapes of Light paint, drawn by hand in SVG: each motif is a function of two colours
giving (width, height, body) in its own pixel box."""
from style import (O, RED, ORANGE, YELLOW, GREEN, BLUE, PINK, BROWN, GREY, WHITE, SKY,
                   DARKGREEN, LIME, CREAM, light, dark, st, eye, smile, hl, hl_ellipse)


# ---- animals ----

def cat(c1, c2):
    b = (f'<path d="M72 86 C96 86 98 56 86 50" fill="none" {st(10)}/>'
         f'<path d="M72 86 C96 86 98 56 86 50" fill="none" stroke="{c1}" stroke-width="5" stroke-linecap="round"/>'
         f'<ellipse cx="50" cy="76" rx="25" ry="21" fill="{c1}" {st()}/>'
         f'<ellipse cx="50" cy="80" rx="13" ry="13" fill="{light(c1, .6)}"/>'
         f'<path d="M29 36 L30 8 L50 24 L70 8 L71 36 Z" fill="{c1}" {st()}/>'
         f'<path d="M34 24 L34 15 L42 22 Z M66 24 L66 15 L58 22 Z" fill="{PINK}"/>'
         f'<circle cx="50" cy="38" r="23" fill="{c1}" {st()}/>'
         + eye(41, 35, 5.5) + eye(59, 35, 5.5) +
         f'<path d="M47 44 L53 44 L50 48 Z" fill="{PINK}" {st(1.5)}/>'
         f'<path d="M44 51 Q47 54 50 50 Q53 54 56 51" fill="none" {st(1.8)}/>'
         f'<path d="M36 45 L22 42 M36 48 L23 50 M64 45 L78 42 M64 48 L77 50" {st(1.5)}/>'
         f'<ellipse cx="40" cy="95" rx="8" ry="4" fill="{c1}" {st(2.5)}/>'
         f'<ellipse cx="60" cy="95" rx="8" ry="4" fill="{c1}" {st(2.5)}/>'
         + hl_ellipse(40, 24, 7, 4, -30))
    return 100, 102, b


def dog(c1, c2):
    b = (f'<path d="M76 78 C90 74 92 62 88 56" fill="none" {st(9)}/>'
         f'<path d="M76 78 C90 74 92 62 88 56" fill="none" stroke="{c1}" stroke-width="4.5" stroke-linecap="round"/>'
         f'<ellipse cx="54" cy="78" rx="26" ry="20" fill="{c1}" {st()}/>'
         f'<rect x="34" y="84" width="11" height="16" rx="5" fill="{c1}" {st(2.5)}/>'
         f'<rect x="60" y="84" width="11" height="16" rx="5" fill="{c1}" {st(2.5)}/>'
         f'<circle cx="44" cy="38" r="25" fill="{c1}" {st()}/>'
         f'<ellipse cx="20" cy="42" rx="9" ry="18" fill="{c2}" transform="rotate(18 20 42)" {st()}/>'
         f'<ellipse cx="68" cy="42" rx="9" ry="18" fill="{c2}" transform="rotate(-18 68 42)" {st()}/>'
         f'<ellipse cx="44" cy="52" rx="14" ry="10" fill="{light(c1, .6)}" {st(2)}/>'
         + eye(35, 34, 5.5) + eye(53, 34, 5.5) +
         f'<ellipse cx="44" cy="47" rx="5" ry="3.5" fill="{O}"/>'
         f'<path d="M38 55 Q44 60 50 55" fill="none" {st(1.8)}/>'
         f'<path d="M44 58 Q44 66 48 64" fill="{PINK}" {st(1.5)}/>'
         + hl_ellipse(36, 22, 8, 4, -20))
    return 100, 104, b


def fish(c1, c2):
    b = (f'<path d="M92 40 L120 18 L116 40 L120 62 Z" fill="{c2}" {st()}/>'
         f'<path d="M44 14 Q62 2 74 16 Z" fill="{c2}" {st()}/>'
         f'<ellipse cx="56" cy="40" rx="46" ry="28" fill="{c1}" {st()}/>'
         f'<path d="M60 14 Q70 40 60 66" fill="none" stroke="{c2}" stroke-width="7"/>'
         f'<path d="M78 20 Q86 40 78 60" fill="none" stroke="{c2}" stroke-width="6"/>'
         f'<ellipse cx="56" cy="40" rx="46" ry="28" fill="none" {st()}/>'
         + eye(28, 34, 7) +
         f'<path d="M12 46 Q18 50 22 46" fill="none" {st(2)}/>'
         f'<path d="M48 48 Q56 58 64 48 Z" fill="{c2}" {st(2)}/>'
         + hl_ellipse(44, 22, 12, 4, -8))
    return 124, 76, b


def bird(c1, c2):
    b = (f'<path d="M20 52 L2 40 L6 58 Z" fill="{c2}" {st()}/>'
         f'<path d="M44 84 L40 96 M56 84 L58 96 M36 96 L44 96 M52 96 L62 96" {st(5)}/>'
         f'<path d="M44 84 L40 96 M56 84 L58 96" fill="none" stroke="{ORANGE}" stroke-width="2.5" stroke-linecap="round"/>'
         f'<ellipse cx="48" cy="58" rx="32" ry="28" fill="{c1}" {st()}/>'
         f'<circle cx="64" cy="30" r="20" fill="{c1}" {st()}/>'
         f'<path d="M82 28 L98 34 L82 40 Z" fill="{ORANGE}" {st(2.5)}/>'
         f'<path d="M26 58 Q44 44 60 60 Q44 78 26 58 Z" fill="{c2}" {st(2.5)}/>'
         f'<ellipse cx="50" cy="72" rx="16" ry="9" fill="{light(c1, .55)}"/>'
         + eye(68, 26, 6) +
         f'<path d="M58 10 Q62 2 66 10" fill="none" {st(2.5)}/>'
         + hl_ellipse(56, 18, 6, 3, -30))
    return 100, 100, b


def butterfly(c1, c2):
    b = (f'<path d="M58 24 Q52 8 42 6 M62 24 Q68 8 78 6" fill="none" {st(2.5)}/>'
         f'<circle cx="42" cy="6" r="3" fill="{O}"/><circle cx="78" cy="6" r="3" fill="{O}"/>'
         f'<path d="M58 36 C40 4 6 10 10 34 C12 52 36 54 58 46 Z" fill="{c1}" {st()}/>'
         f'<path d="M62 36 C80 4 114 10 110 34 C108 52 84 54 62 46 Z" fill="{c1}" {st()}/>'
         f'<path d="M58 50 C36 50 18 68 28 82 C38 94 54 78 58 62 Z" fill="{c2}" {st()}/>'
         f'<path d="M62 50 C84 50 102 68 92 82 C82 94 66 78 62 62 Z" fill="{c2}" {st()}/>'
         f'<circle cx="32" cy="30" r="8" fill="{light(c2, .3)}" {st(2)}/>'
         f'<circle cx="88" cy="30" r="8" fill="{light(c2, .3)}" {st(2)}/>'
         f'<circle cx="38" cy="72" r="5" fill="{light(c1, .4)}" {st(2)}/>'
         f'<circle cx="82" cy="72" r="5" fill="{light(c1, .4)}" {st(2)}/>'
         f'<ellipse cx="60" cy="52" rx="7" ry="30" fill="{dark(c1, .5)}" {st()}/>'
         f'<circle cx="60" cy="24" r="9" fill="{dark(c1, .5)}" {st()}/>'
         + eye(56, 22, 3) + eye(64, 22, 3))
    return 120, 96, b


def snail(c1, c2):
    b = (f'<path d="M6 74 Q4 62 18 60 L30 58 L96 58 Q116 60 118 76 Q100 84 60 84 L16 84 Q6 82 6 74 Z" fill="{c2}" {st()}/>'
         f'<path d="M18 60 L12 30 M28 58 L28 30" {st(2.5)}/>'
         f'<circle cx="12" cy="28" r="5" fill="{c2}" {st(2)}/><circle cx="28" cy="28" r="5" fill="{c2}" {st(2)}/>'
         f'<circle cx="13" cy="28" r="2" fill="{O}"/><circle cx="29" cy="28" r="2" fill="{O}"/>'
         f'<circle cx="70" cy="42" r="34" fill="{c1}" {st()}/>'
         f'<path d="M70 42 m0 -4 a4 4 0 1 1 -4 4 a9 9 0 1 1 9 9 a15 15 0 1 1 -15 -15 a22 22 0 1 1 22 22" fill="none" stroke="{dark(c1, .35)}" stroke-width="4" stroke-linecap="round"/>'
         f'<path d="M12 72 Q18 78 24 72" fill="none" {st(2)}/>'
         + hl_ellipse(58, 20, 10, 5, -30))
    return 122, 90, b


def ladybug(c1, c2):
    b = (f'<path d="M22 40 L6 32 M20 58 L4 60 M24 74 L10 86 M78 40 L94 32 M80 58 L96 60 M76 74 L90 86" {st(3)}/>'
         f'<circle cx="50" cy="22" r="16" fill="{O}"/>'
         f'<path d="M42 10 Q36 0 30 2 M58 10 Q64 0 70 2" fill="none" {st(2.5)}/>'
         f'<ellipse cx="50" cy="58" rx="36" ry="32" fill="{c1}" {st()}/>'
         f'<path d="M50 28 L50 90" {st(3)}/>'
         f'<circle cx="34" cy="48" r="7" fill="{O}"/><circle cx="66" cy="48" r="7" fill="{O}"/>'
         f'<circle cx="30" cy="70" r="6" fill="{O}"/><circle cx="70" cy="70" r="6" fill="{O}"/>'
         f'<circle cx="50" cy="80" r="4" fill="{O}"/>'
         + eye(43, 20, 4.5) + eye(57, 20, 4.5) + hl_ellipse(30, 38, 7, 4, -40))
    return 100, 94, b


def duck(c1, c2):
    b = (f'<path d="M14 56 Q8 40 22 42 L30 50 Z" fill="{c1}" {st()}/>'
         f'<path d="M16 56 Q16 92 58 92 Q96 92 98 64 Q98 50 84 50 L56 54 Q30 56 16 56 Z" fill="{c1}" {st()}/>'
         f'<circle cx="74" cy="32" r="22" fill="{c1}" {st()}/>'
         f'<path d="M94 30 Q112 30 110 38 Q106 46 92 42 Z" fill="{c2}" {st(2.5)}/>'
         f'<path d="M36 66 Q56 56 72 70 Q56 84 36 66 Z" fill="{dark(c1, .12)}" {st(2.5)}/>'
         + eye(78, 26, 6) + hl_ellipse(66, 18, 7, 3, -30))
    return 114, 96, b


def rabbit(c1, c2):
    b = (f'<ellipse cx="34" cy="30" rx="10" ry="26" fill="{c1}" transform="rotate(-10 34 30)" {st()}/>'
         f'<ellipse cx="62" cy="30" rx="10" ry="26" fill="{c1}" transform="rotate(10 62 30)" {st()}/>'
         f'<ellipse cx="34" cy="30" rx="4.5" ry="18" fill="{PINK}" transform="rotate(-10 34 30)"/>'
         f'<ellipse cx="62" cy="30" rx="4.5" ry="18" fill="{PINK}" transform="rotate(10 62 30)"/>'
         f'<circle cx="78" cy="104" r="9" fill="{WHITE}" {st(2.5)}/>'
         f'<ellipse cx="48" cy="98" rx="28" ry="24" fill="{c1}" {st()}/>'
         f'<ellipse cx="48" cy="102" rx="15" ry="15" fill="{light(c1, .6)}"/>'
         f'<circle cx="48" cy="64" r="22" fill="{c1}" {st()}/>'
         + eye(40, 60, 5) + eye(56, 60, 5) +
         f'<ellipse cx="48" cy="70" rx="3.5" ry="2.5" fill="{PINK}" {st(1.5)}/>'
         f'<path d="M43 75 Q48 79 53 75" fill="none" {st(1.8)}/>'
         f'<ellipse cx="36" cy="120" rx="9" ry="4" fill="{c1}" {st(2.5)}/>'
         f'<ellipse cx="60" cy="120" rx="9" ry="4" fill="{c1}" {st(2.5)}/>'
         + hl_ellipse(40, 50, 6, 3, -30))
    return 96, 128, b


def turtle(c1, c2):
    b = (f'<path d="M100 50 Q126 40 126 56 Q126 68 104 64 Z" fill="{c2}" {st()}/>'
         f'<ellipse cx="36" cy="72" rx="10" ry="8" fill="{c2}" {st()}/>'
         f'<ellipse cx="88" cy="72" rx="10" ry="8" fill="{c2}" {st()}/>'
         f'<path d="M10 62 L2 58 L8 66 Z" fill="{c2}" {st(2)}/>'
         f'<path d="M12 66 Q12 12 62 12 Q112 12 112 66 Z" fill="{c1}" {st()}/>'
         f'<path d="M62 24 L78 36 L74 54 L50 54 L46 36 Z" fill="{light(c1, .35)}" {st(2.5)}/>'
         f'<path d="M46 36 L24 44 M78 36 L100 44 M50 54 L40 66 M74 54 L84 66 M62 24 L62 12" {st(2.5)}/>'
         f'<rect x="8" y="60" width="108" height="9" rx="4.5" fill="{dark(c1, .15)}" {st(2.5)}/>'
         + eye(112, 52, 4.5) + smile(118, 60, 6, 2, 1.8) + hl_ellipse(40, 26, 10, 4, -30))
    return 130, 84, b


def pig(c1, c2):
    b = (f'<path d="M14 48 q-10 -4 -8 -12 q2 -6 8 -2" fill="none" {st(2.5)}/>'
         f'<rect x="28" y="66" width="12" height="22" rx="5" fill="{c1}" {st(2.5)}/>'
         f'<rect x="62" y="66" width="12" height="22" rx="5" fill="{c1}" {st(2.5)}/>'
         f'<ellipse cx="52" cy="56" rx="42" ry="28" fill="{c1}" {st()}/>'
         f'<circle cx="84" cy="42" r="22" fill="{c1}" {st()}/>'
         f'<path d="M72 24 L70 6 L84 20 Z M94 24 L100 6 L104 26 Z" fill="{c1}" {st(2.5)}/>'
         f'<ellipse cx="100" cy="48" rx="9" ry="11" fill="{dark(c1, .1)}" {st(2.5)}/>'
         f'<ellipse cx="98" cy="44" rx="2" ry="3" fill="{O}"/><ellipse cx="103" cy="51" rx="2" ry="3" fill="{O}"/>'
         + eye(80, 36, 5) + smile(82, 54, 10, 4, 1.8) + hl_ellipse(40, 38, 12, 5, -15))
    return 112, 92, b


def frog(c1, c2):
    b = (f'<path d="M14 80 Q4 90 16 94 L40 92 Z M96 80 Q106 90 94 94 L70 92 Z" fill="{c1}" {st()}/>'
         f'<ellipse cx="55" cy="62" rx="44" ry="32" fill="{c1}" {st()}/>'
         f'<ellipse cx="55" cy="70" rx="26" ry="18" fill="{light(c1, .55)}"/>'
         f'<circle cx="32" cy="30" r="15" fill="{c1}" {st()}/>'
         f'<circle cx="78" cy="30" r="15" fill="{c1}" {st()}/>'
         + eye(32, 29, 9) + eye(78, 29, 9) +
         f'<path d="M30 58 Q55 76 80 58" fill="none" {st(2.5)}/>'
         f'<ellipse cx="36" cy="60" rx="5" ry="3" fill="{PINK}" opacity="0.6"/>'
         f'<ellipse cx="74" cy="60" rx="5" ry="3" fill="{PINK}" opacity="0.6"/>'
         + hl_ellipse(26, 20, 5, 3, -30))
    return 110, 98, b


# ---- vehicles ----

def wheel(x, y, r=12):
    return (f'<circle cx="{x}" cy="{y}" r="{r}" fill="{O}"/>'
            f'<circle cx="{x}" cy="{y}" r="{r * .45:.1f}" fill="{GREY}" stroke="#FFFFFF" stroke-width="1.5"/>')


def car(c1, c2):
    b = (f'<path d="M8 60 Q6 44 20 42 L36 40 L48 18 Q52 14 60 14 L92 14 Q100 14 104 22 L114 40 Q128 42 128 56 L128 62 Q128 66 122 66 L12 66 Q8 66 8 60 Z" fill="{c1}" {st()}/>'
         f'<path d="M54 22 L62 20 L76 20 L76 40 L44 40 Z" fill="{SKY}" {st(2.5)}/>'
         f'<path d="M84 20 L96 20 Q100 22 104 40 L84 40 Z" fill="{SKY}" {st(2.5)}/>'
         f'<path d="M78 44 L78 62" {st(2)}/><path d="M84 48 L92 48" {st(2.5)}/>'
         f'<circle cx="122" cy="50" r="4" fill="{YELLOW}" {st(1.5)}/>'
         f'<rect x="4" y="54" width="10" height="6" rx="2" fill="{c2}" {st(1.5)}/>'
         + wheel(34, 66, 13) + wheel(102, 66, 13) + hl("M24 46 L104 46 L104 50 L22 50 Z"))
    return 132, 82, b


def bus(c1, c2):
    b = (f'<rect x="4" y="8" width="132" height="58" rx="10" fill="{c1}" {st()}/>'
         + "".join(f'<rect x="{12 + 24 * i}" y="16" width="18" height="18" rx="3" fill="{SKY}" {st(2.5)}/>' for i in range(4)) +
         f'<rect x="110" y="16" width="18" height="40" rx="3" fill="{SKY}" {st(2.5)}/>'
         f'<path d="M119 16 L119 56" {st(2)}/>'
         f'<rect x="4" y="42" width="106" height="8" fill="{c2}" {st(2)}/>'
         f'<circle cx="130" cy="60" r="3.5" fill="{YELLOW}" {st(1.5)}/>'
         + wheel(30, 66, 12) + wheel(100, 66, 12) + hl("M12 10 L126 10 L126 13 L12 13 Z"))
    return 140, 82, b


def train(c1, c2):
    b = (f'<rect x="80" y="18" width="44" height="56" rx="4" fill="{c1}" {st()}/>'
         f'<rect x="88" y="26" width="28" height="20" rx="3" fill="{SKY}" {st(2.5)}/>'
         f'<path d="M74 10 L130 10 L130 20 L74 20 Z" fill="{c2}" {st()}/>'
         f'<rect x="18" y="40" width="64" height="34" rx="14" fill="{c1}" {st()}/>'
         f'<path d="M30 40 L26 14 L46 14 L42 40 Z" fill="{dark(c1, .35)}" {st()}/>'
         f'<rect x="22" y="8" width="28" height="8" rx="3" fill="{dark(c1, .35)}" {st(2.5)}/>'
         f'<circle cx="56" cy="36" r="6" fill="{c2}" {st(2.5)}/>'
         f'<path d="M18 62 L4 82 L22 82 Z" fill="{GREY}" {st(2.5)}/>'
         f'<circle cx="12" cy="54" r="5" fill="{YELLOW}" {st(2)}/>'
         f'<path d="M30 82 L110 82" {st(3)}/>'
         + wheel(38, 80, 11) + wheel(66, 80, 11) + wheel(104, 78, 14) + hl("M26 44 L76 44 L76 48 L26 48 Z"))
    return 134, 96, b


def sailboat(c1, c2):
    b = (f'<path d="M54 6 L54 80" {st(4)}/>'
         f'<path d="M58 10 L58 76 L100 76 Z" fill="{c1}" {st()}/>'
         f'<path d="M50 18 L50 76 L16 76 Z" fill="{c2}" {st()}/>'
         f'<path d="M54 6 L72 10 L54 16 Z" fill="{RED}" {st(2)}/>'
         f'<path d="M6 82 L104 82 L90 104 L20 104 Z" fill="{BROWN}" {st()}/>'
         f'<circle cx="40" cy="92" r="4" fill="{SKY}" {st(2)}/><circle cx="56" cy="92" r="4" fill="{SKY}" {st(2)}/>'
         f'<circle cx="72" cy="92" r="4" fill="{SKY}" {st(2)}/>'
         + hl("M62 20 L66 20 L66 64 L62 64 Z"))
    return 110, 108, b


def plane(c1, c2):
    b = (f'<path d="M60 40 L44 4 L58 4 L84 40 Z" fill="{c2}" {st()}/>'
         f'<path d="M10 30 L4 10 L16 10 L28 30 Z" fill="{c2}" {st()}/>'
         f'<path d="M6 34 Q6 28 20 28 L112 28 Q136 30 136 40 Q136 52 112 52 L20 52 Q6 50 6 34 Z" fill="{c1}" {st()}/>'
         + "".join(f'<circle cx="{44 + 14 * i}" cy="38" r="4.5" fill="{SKY}" {st(2)}/>' for i in range(4)) +
         f'<path d="M112 30 Q128 32 130 38 L112 38 Z" fill="{SKY}" {st(2)}/>'
         f'<path d="M60 46 L44 80 L58 80 L84 46 Z" fill="{c2}" {st()}/>'
         + hl("M24 31 L110 31 L110 34 L24 34 Z"))
    return 140, 84, b


def rocket(c1, c2):
    b = (f'<path d="M28 104 Q36 130 44 104 Z" fill="{ORANGE}" {st(2.5)}/>'
         f'<path d="M32 104 Q36 120 40 104 Z" fill="{YELLOW}"/>'
         f'<path d="M20 76 L4 100 L22 96 Z M52 76 L68 100 L50 96 Z" fill="{c2}" {st()}/>'
         f'<path d="M36 4 Q60 26 58 70 L54 104 L18 104 L14 70 Q12 26 36 4 Z" fill="{c1}" {st()}/>'
         f'<path d="M36 4 Q48 14 54 28 L18 28 Q24 14 36 4 Z" fill="{c2}" {st()}/>'
         f'<circle cx="36" cy="52" r="11" fill="{SKY}" stroke="{GREY}" stroke-width="4"/>'
         f'<circle cx="36" cy="52" r="13" fill="none" {st(2)}/>'
         f'<path d="M36 80 L36 102" {st(3)}/>'
         + hl("M22 34 L26 34 L24 90 L20 90 Z"))
    return 72, 124, b


# ---- plants ----

def flower(c1, c2):
    petals = "".join(
        f'<ellipse cx="40" cy="20" rx="12" ry="17" fill="{c1}" transform="rotate({a} 40 40)" {st(2.5)}/>'
        for a in range(0, 360, 60))
    b = (f'<path d="M40 56 Q36 90 40 118" fill="none" {st(7)}/>'
         f'<path d="M40 56 Q36 90 40 118" fill="none" stroke="{GREEN}" stroke-width="3"/>'
         f'<path d="M38 92 Q16 70 8 86 Q20 100 38 96 Z" fill="{GREEN}" {st(2.5)}/>'
         f'<path d="M40 84 Q62 66 72 80 Q60 94 40 88 Z" fill="{GREEN}" {st(2.5)}/>'
         f'<g transform="translate(0 4)">{petals}'
         f'<circle cx="40" cy="40" r="12" fill="{c2}" {st(2.5)}/>'
         + eye(35, 38, 3) + eye(45, 38, 3) + smile(40, 44, 8, 3, 1.5) + '</g>')
    return 80, 120, b


def tree(c1, c2):
    b = (f'<path d="M46 126 L50 74 L62 74 L66 126 Z" fill="{BROWN}" {st()}/>'
         f'<path d="M56 96 L74 82" {st(5)}/><path d="M56 96 L74 82" stroke="{BROWN}" stroke-width="2"/>'
         f'<circle cx="30" cy="60" r="24" fill="{c1}" {st()}/>'
         f'<circle cx="82" cy="60" r="24" fill="{c1}" {st()}/>'
         f'<circle cx="56" cy="36" r="32" fill="{c1}" {st()}/>'
         f'<path d="M24 72 Q56 92 88 72 L80 60 L32 60 Z" fill="{c1}"/>'
         f'<circle cx="36" cy="46" r="5" fill="{c2}" {st(2)}/><circle cx="70" cy="30" r="5" fill="{c2}" {st(2)}/>'
         f'<circle cx="78" cy="64" r="5" fill="{c2}" {st(2)}/><circle cx="50" cy="62" r="5" fill="{c2}" {st(2)}/>'
         + hl_ellipse(44, 18, 10, 5, -25))
    return 112, 130, b


def tulip(c1, c2):
    b = (f'<path d="M36 60 L36 122" {st(7)}/><path d="M36 60 L36 122" stroke="{GREEN}" stroke-width="3"/>'
         f'<path d="M36 118 Q10 104 12 72 Q30 84 36 110 Z" fill="{GREEN}" {st(2.5)}/>'
         f'<path d="M12 18 L24 32 L36 10 L48 32 L60 18 Q66 62 36 64 Q6 62 12 18 Z" fill="{c1}" {st()}/>'
         f'<path d="M24 32 Q30 50 36 52 Q42 50 48 32" fill="none" stroke="{dark(c1, .2)}" stroke-width="2.5"/>'
         + hl("M18 28 Q16 44 24 54 L26 50 Q20 40 22 30 Z"))
    return 72, 124, b


def mushroom(c1, c2):
    b = (f'<path d="M34 56 Q30 92 38 96 L62 96 Q70 92 66 56 Z" fill="{CREAM}" {st()}/>'
         f'<path d="M6 58 Q4 8 50 6 Q96 8 94 58 Q50 68 6 58 Z" fill="{c1}" {st()}/>'
         f'<circle cx="30" cy="30" r="8" fill="{WHITE}" {st(2)}/><circle cx="58" cy="20" r="6" fill="{WHITE}" {st(2)}/>'
         f'<circle cx="74" cy="40" r="7" fill="{WHITE}" {st(2)}/><circle cx="46" cy="46" r="5" fill="{WHITE}" {st(2)}/>'
         + eye(43, 76, 3.5) + eye(57, 76, 3.5) + smile(50, 84, 8, 3, 1.5))
    return 100, 100, b


def cactus(c1, c2):
    b = (f'<path d="M22 100 L78 100 L72 126 L28 126 Z" fill="{ORANGE}" {st()}/>'
         f'<rect x="18" y="94" width="64" height="10" rx="3" fill="{dark(ORANGE, .15)}" {st(2.5)}/>'
         f'<path d="M36 94 L36 24 Q36 10 50 10 Q64 10 64 24 L64 94 Z" fill="{c1}" {st()}/>'
         f'<path d="M36 66 L22 66 Q12 66 12 54 L12 38 Q12 30 19 30 Q26 30 26 38 L26 52 L36 52" fill="{c1}" {st()}/>'
         f'<path d="M64 58 L78 58 Q88 58 88 46 L88 30 Q88 22 81 22 Q74 22 74 30 L74 44 L64 44" fill="{c1}" {st()}/>'
         f'<path d="M50 24 L50 86" stroke="{dark(c1, .2)}" stroke-width="2.5"/>'
         f'<circle cx="50" cy="8" r="7" fill="{c2}" {st(2)}/>'
         + eye(44, 42, 3.5) + eye(56, 42, 3.5) + smile(50, 50, 8, 3, 1.5))
    return 100, 128, b


# ---- food ----

def apple(c1, c2):
    b = (f'<path d="M46 24 Q44 12 50 4" fill="none" {st(4)}/>'
         f'<path d="M46 24 Q44 12 50 4" fill="none" stroke="{BROWN}" stroke-width="1.5" stroke-linecap="round"/>'
         f'<path d="M50 14 Q66 0 78 10 Q66 24 50 14 Z" fill="{c2}" {st(2.5)}/>'
         f'<path d="M46 26 Q28 14 14 28 Q0 46 10 70 Q22 98 46 90 Q70 98 82 70 Q92 46 78 28 Q64 14 46 26 Z" fill="{c1}" {st()}/>'
         + hl("M20 38 Q26 28 34 30 Q26 38 24 52 Q18 48 20 38 Z"))
    return 92, 96, b


def banana(c1, c2):
    b = (f'<path d="M10 20 L6 8 L16 10 Z" fill="{BROWN}" {st(2)}/>'
         f'<path d="M12 16 Q14 66 66 72 Q104 72 118 48 Q100 56 70 54 Q28 50 20 14 Z" fill="{c1}" {st()}/>'
         f'<path d="M20 28 Q34 58 74 62 Q98 62 110 54" fill="none" stroke="{dark(c1, .15)}" stroke-width="2.5"/>'
         f'<path d="M114 48 L122 46 L118 52 Z" fill="{BROWN}" {st(2)}/>'
         + hl("M18 22 Q22 44 40 54 L38 56 Q20 46 16 24 Z"))
    return 126, 78, b


def cherries(c1, c2):
    b = (f'<path d="M28 66 Q36 30 58 10 Q60 40 66 70" fill="none" {st(5)}/>'
         f'<path d="M28 66 Q36 30 58 10 Q60 40 66 70" fill="none" stroke="{GREEN}" stroke-width="2"/>'
         f'<path d="M58 10 Q76 0 88 10 Q74 22 58 10 Z" fill="{c2}" {st(2.5)}/>'
         f'<circle cx="26" cy="78" r="20" fill="{c1}" {st()}/>'
         f'<circle cx="68" cy="80" r="20" fill="{c1}" {st()}/>'
         + hl_ellipse(18, 70, 5, 3, -40) + hl_ellipse(60, 72, 5, 3, -40))
    return 92, 102, b


def strawberry(c1, c2):
    seeds = "".join(f'<ellipse cx="{x}" cy="{y}" rx="1.8" ry="2.8" fill="{YELLOW}" {st(0.8)}/>'
                    for x, y in [(30, 40), (48, 36), (66, 40), (38, 56), (58, 56), (46, 74), (28, 62), (68, 60)])
    b = (f'<path d="M48 22 Q80 12 88 36 Q92 64 48 98 Q4 64 8 36 Q16 12 48 22 Z" fill="{c1}" {st()}/>'
         + seeds +
         f'<path d="M48 24 L36 10 L44 18 L48 4 L52 18 L62 8 L58 22 L72 20 L56 28 Q48 32 40 28 L24 20 L38 22 Z" fill="{c2}" {st(2.5)}/>'
         + hl("M18 36 Q22 28 30 28 Q22 36 22 48 Z"))
    return 96, 102, b


def icecream(c1, c2):
    b = (f'<path d="M14 62 L36 126 L58 62 Z" fill="#E0A458" {st()}/>'
         f'<path d="M20 72 L48 100 M26 90 L44 108 M30 64 L54 86 M52 72 L24 100 M46 90 L30 110 M42 64 L18 86" {st(1.8)}/>'
         f'<circle cx="24" cy="54" r="16" fill="{c2}" {st()}/>'
         f'<circle cx="48" cy="54" r="16" fill="{c2}" {st()}/>'
         f'<circle cx="36" cy="34" r="20" fill="{c1}" {st()}/>'
         f'<path d="M50 14 Q58 2 62 8" fill="none" {st(2)}/>'
         f'<circle cx="48" cy="16" r="7" fill="{RED}" {st(2)}/>'
         + hl_ellipse(28, 26, 6, 3, -30))
    return 72, 128, b


def cake(c1, c2):
    b = (f'<path d="M56 18 L56 34" {st(6)}/><path d="M56 18 L56 34" stroke="{BLUE}" stroke-width="3"/>'
         f'<path d="M56 2 Q64 10 56 16 Q48 10 56 2 Z" fill="{ORANGE}" {st(2)}/>'
         f'<rect x="8" y="64" width="96" height="40" rx="6" fill="{c1}" {st()}/>'
         f'<rect x="24" y="34" width="64" height="32" rx="6" fill="{c1}" {st()}/>'
         f'<path d="M24 42 Q24 34 32 34 L80 34 Q88 34 88 42 Q82 50 76 44 Q70 52 62 44 Q56 52 48 44 Q42 52 36 44 Q30 52 24 42 Z" fill="{c2}" {st(2.5)}/>'
         f'<path d="M8 72 Q8 64 16 64 L96 64 Q104 64 104 72 Q96 82 88 72 Q80 82 72 72 Q64 82 56 72 Q48 82 40 72 Q32 82 24 72 Q16 82 8 72 Z" fill="{c2}" {st(2.5)}/>'
         f'<circle cx="30" cy="92" r="4" fill="{RED}" {st(1.5)}/><circle cx="56" cy="92" r="4" fill="{BLUE}" {st(1.5)}/>'
         f'<circle cx="82" cy="92" r="4" fill="{GREEN}" {st(1.5)}/>')
    return 112, 108, b


# ---- toys ----

def ball(c1, c2):
    b = (f'<circle cx="50" cy="50" r="44" fill="{WHITE}" {st()}/>'
         f'<path d="M50 6 Q22 30 22 50 Q22 70 50 94 Q34 70 34 50 Q34 30 50 6 Z" fill="{c1}" {st(2.5)}/>'
         f'<path d="M50 6 Q78 30 78 50 Q78 70 50 94 Q66 70 66 50 Q66 30 50 6 Z" fill="{c2}" {st(2.5)}/>'
         f'<path d="M50 6 Q20 12 10 34 Q16 58 22 50 Q22 30 50 6 Z" fill="{YELLOW}" {st(2.5)}/>'
         f'<path d="M50 94 Q80 88 90 66 Q84 42 78 50 Q78 70 50 94 Z" fill="{YELLOW}" {st(2.5)}/>'
         f'<circle cx="50" cy="50" r="44" fill="none" {st()}/>'
         + hl_ellipse(32, 24, 10, 5, -40))
    return 100, 100, b


def teddy(c1, c2):
    b = (f'<circle cx="24" cy="22" r="13" fill="{c1}" {st()}/><circle cx="76" cy="22" r="13" fill="{c1}" {st()}/>'
         f'<circle cx="24" cy="22" r="6" fill="{light(c1, .5)}"/><circle cx="76" cy="22" r="6" fill="{light(c1, .5)}"/>'
         f'<ellipse cx="22" cy="82" rx="10" ry="16" fill="{c1}" transform="rotate(30 22 82)" {st()}/>'
         f'<ellipse cx="78" cy="82" rx="10" ry="16" fill="{c1}" transform="rotate(-30 78 82)" {st()}/>'
         f'<ellipse cx="34" cy="112" rx="13" ry="10" fill="{c1}" {st()}/><ellipse cx="66" cy="112" rx="13" ry="10" fill="{c1}" {st()}/>'
         f'<ellipse cx="50" cy="88" rx="26" ry="28" fill="{c1}" {st()}/>'
         f'<ellipse cx="50" cy="92" rx="14" ry="16" fill="{light(c1, .5)}"/>'
         f'<circle cx="50" cy="40" r="28" fill="{c1}" {st()}/>'
         f'<ellipse cx="50" cy="50" rx="12" ry="9" fill="{light(c1, .5)}" {st(2)}/>'
         f'<ellipse cx="50" cy="46" rx="4.5" ry="3" fill="{O}"/>'
         f'<path d="M45 53 Q50 57 55 53" fill="none" {st(1.8)}/>'
         + eye(40, 34, 4.5) + eye(60, 34, 4.5) +
         f'<path d="M38 62 L50 68 L62 62 L62 74 L50 68 L38 74 Z" fill="{c2}" {st(2)}/>')
    return 100, 124, b


def kite(c1, c2):
    b = (f'<path d="M46 96 Q30 106 44 114 Q58 122 42 130" fill="none" {st(2)}/>'
         f'<path d="M38 104 L50 100 L46 110 Z M36 120 L48 120 L42 128 Z" fill="{c2}" {st(1.5)}/>'
         f'<path d="M46 4 L84 48 L46 98 L8 48 Z" fill="{c1}" {st()}/>'
         f'<path d="M46 4 L84 48 L46 48 Z M46 48 L46 98 L8 48 Z" fill="{c2}" {st(2.5)}/>'
         f'<path d="M46 4 L46 98 M8 48 L84 48" {st(2.5)}/>'
         + eye(38, 40, 4) + eye(54, 40, 4) + smile(46, 56, 12, 4, 2))
    return 92, 132, b


def balloon(c1, c2):
    b = (f'<path d="M36 94 Q26 108 38 116 Q48 124 36 132" fill="none" {st(2)}/>'
         f'<path d="M36 86 L28 96 L44 96 Z" fill="{c1}" {st(2.5)}/>'
         f'<path d="M36 4 Q70 4 68 42 Q64 76 36 88 Q8 76 4 42 Q2 4 36 4 Z" fill="{c1}" {st()}/>'
         + hl("M16 22 Q22 12 32 12 Q22 20 20 36 Z"))
    return 72, 134, b


# ---- weather ----

def sun(c1, c2):
    rays = "".join(
        f'<path d="M60 4 L68 24 L52 24 Z" fill="{c2}" transform="rotate({a} 60 60)" {st(2.5)}/>'
        for a in range(0, 360, 45))
    b = (rays + f'<circle cx="60" cy="60" r="34" fill="{c1}" {st()}/>'
         + eye(49, 54, 5) + eye(71, 54, 5) + smile(60, 68, 22, 9, 2.5)
         + f'<ellipse cx="42" cy="68" rx="5" ry="3" fill="{PINK}" opacity="0.6"/>'
         f'<ellipse cx="78" cy="68" rx="5" ry="3" fill="{PINK}" opacity="0.6"/>'
         + hl_ellipse(46, 38, 8, 4, -30))
    return 120, 120, b


CLOUD = ("M24 70 Q4 70 6 52 Q8 36 28 38 Q32 14 58 14 Q80 14 86 32 Q104 26 112 42 "
         "Q128 46 124 60 Q122 72 104 70 Z")


def cloud(c1, c2):
    b = (f'<path d="{CLOUD}" fill="{c1}" {st()}/>'
         + eye(52, 44, 4.5) + eye(74, 44, 4.5) + smile(63, 54, 14, 5, 2)
         + hl_ellipse(44, 28, 10, 4, -15))
    return 130, 76, b


def raincloud(c1, c2):
    drops = "".join(f'<path d="M{x} {y} Q{x + 7} {y + 12} {x} {y + 16} Q{x - 7} {y + 12} {x} {y} Z" fill="{c2}" {st(2)}/>'
                    for x, y in [(30, 78), (58, 86), (86, 78), (44, 100), (72, 100)])
    b = (drops + f'<path d="{CLOUD}" fill="{c1}" {st()}/>'
         + eye(52, 46, 4.5) + eye(74, 46, 4.5)
         + f'<path d="M56 60 Q63 54 70 60" fill="none" {st(2)}/>')
    return 130, 120, b


def rainbow(c1, c2):
    bands = [RED, ORANGE, YELLOW, GREEN, BLUE, "#9B5DE5"]
    arcs = "".join(f'<path d="M{10 + 8 * i} 74 A{60 - 8 * i} {60 - 8 * i} 0 0 1 {130 - 8 * i} 74" fill="none" stroke="{O}" stroke-width="8.5"/>'
                   f'<path d="M{10 + 8 * i} 74 A{60 - 8 * i} {60 - 8 * i} 0 0 1 {130 - 8 * i} 74" fill="none" stroke="{c}" stroke-width="6"/>'
                   for i, c in enumerate(bands))
    b = (f'<path d="M6 74 A64 64 0 0 1 134 74 L86 74 A16 16 0 0 0 54 74 Z" fill="{WHITE}" {st()}/>'
         + arcs +
         f'<path d="M6 74 A64 64 0 0 1 134 74 L86 74 A16 16 0 0 0 54 74 Z" fill="none" {st()}/>'
         f'<path d="M2 74 Q2 62 14 64 Q18 54 28 60 Q40 60 38 74 Z" fill="{c1}" {st(2.5)}/>'
         f'<path d="M102 74 Q100 60 112 62 Q118 52 128 60 Q140 62 138 74 Z" fill="{c1}" {st(2.5)}/>')
    return 140, 78, b


def snowflake(c1, c2):
    arm = (f'<path d="M55 55 L55 8 M55 22 L44 12 M55 22 L66 12 M55 36 L42 28 M55 36 L68 28" '
           f'fill="none" stroke="{O}" stroke-width="9" stroke-linecap="round" stroke-linejoin="round"/>')
    inner = (f'<path d="M55 55 L55 8 M55 22 L44 12 M55 22 L66 12 M55 36 L42 28 M55 36 L68 28" '
             f'fill="none" stroke="{c1}" stroke-width="4" stroke-linecap="round" stroke-linejoin="round"/>')
    arms = "".join(f'<g transform="rotate({a} 55 55)">{arm}</g>' for a in range(0, 360, 60))
    inners = "".join(f'<g transform="rotate({a} 55 55)">{inner}</g>' for a in range(0, 360, 60))
    b = arms + inners + f'<circle cx="55" cy="55" r="10" fill="{c2}" {st(2.5)}/>'
    return 110, 110, b


def moon(c1, c2):
    b = (f'<path d="M62 6 Q18 14 18 56 Q18 98 62 104 Q34 84 34 56 Q34 26 62 6 Z" fill="{c1}" {st()}/>'
         f'<path d="M28 58 Q30 62 34 60" fill="none" {st(2)}/>'
         f'<circle cx="30" cy="48" r="2.5" fill="{O}"/>'
         f'<path d="M76 30 L79 38 L88 38 L81 43 L84 52 L76 47 L68 52 L71 43 L64 38 L73 38 Z" fill="{c2}" {st(2)}/>'
         f'<path d="M78 70 L80 75 L85 75 L81 78 L83 83 L78 80 L73 83 L75 78 L71 75 L76 75 Z" fill="{c2}" {st(1.5)}/>')
    return 92, 110, b


# ---- buildings ----

def house(c1, c2):
    b = (f'<rect x="78" y="14" width="14" height="30" fill="{BROWN}" {st()}/>'
         f'<rect x="16" y="56" width="82" height="62" fill="{c1}" {st()}/>'
         f'<path d="M6 60 L57 10 L108 60 Z" fill="{c2}" {st()}/>'
         f'<rect x="46" y="84" width="22" height="34" rx="3" fill="{BROWN}" {st(2.5)}/>'
         f'<circle cx="63" cy="102" r="2" fill="{O}"/>'
         f'<rect x="24" y="68" width="16" height="16" fill="{SKY}" {st(2.5)}/><path d="M32 68 L32 84 M24 76 L40 76" {st(2)}/>'
         f'<rect x="74" y="68" width="16" height="16" fill="{SKY}" {st(2.5)}/><path d="M82 68 L82 84 M74 76 L90 76" {st(2)}/>'
         f'<circle cx="57" cy="40" r="7" fill="{SKY}" {st(2.5)}/>')
    return 114, 122, b


def castle(c1, c2):
    def tower(x, w, top):
        cren = "".join(f'<rect x="{x + i * w / 3 - 0.01:.1f}" y="{top - 8}" width="{w / 6:.1f}" height="8" fill="{c1}" {st(2)}/>' for i in range(3))
        return cren + f'<rect x="{x}" y="{top}" width="{w}" height="{120 - top}" fill="{c1}" {st()}/>'
    b = (f'<path d="M20 10 L20 -2 M110 10 L110 -2" {st(2)}/>'
         f'<path d="M20 -2 L32 2 L20 6 Z M110 -2 L122 2 L110 6 Z" fill="{c2}" {st(1.5)}/>'
         + tower(34, 62, 44) + tower(6, 28, 20) + tower(96, 28, 20) +
         f'<path d="M8 20 L20 8 L32 20 Z M98 20 L110 8 L122 20 Z" fill="{c2}" {st(2.5)}/>'
         f'<path d="M52 120 L52 92 Q65 76 78 92 L78 120 Z" fill="{BROWN}" {st(2.5)}/>'
         f'<path d="M58 120 L58 94 M65 120 L65 88 M72 120 L72 94" {st(1.5)}/>'
         f'<rect x="14" y="40" width="12" height="16" rx="6" fill="{SKY}" {st(2)}/>'
         f'<rect x="104" y="40" width="12" height="16" rx="6" fill="{SKY}" {st(2)}/>'
         f'<rect x="59" y="54" width="12" height="14" rx="6" fill="{SKY}" {st(2)}/>')
    return 130, 122, b


def tent(c1, c2):
    b = (f'<path d="M64 8 L64 -4" {st(2.5)}/><path d="M64 -4 L78 0 L64 4 Z" fill="{RED}" {st(1.5)}/>'
         f'<path d="M64 8 L124 96 L4 96 Z" fill="{c1}" {st()}/>'
         f'<path d="M64 8 L44 96 M64 8 L84 96" {st(2.5)}/>'
         f'<path d="M64 40 L50 96 L78 96 Z" fill="{dark(c1, .45)}" {st(2.5)}/>'
         f'<path d="M64 40 L44 96 L54 96 Z" fill="{c2}" {st(2.5)}/>'
         f'<path d="M4 96 L124 96" {st(3)}/>')
    return 128, 100, b


# ---- geometric shapes ----

def star(c1, c2):
    b = (f'<path d="M55 4 L68 38 L105 39 L76 61 L87 97 L55 76 L23 97 L34 61 L5 39 L42 38 Z" fill="{c1}" {st()}/>'
         + (eye(46, 48, 4.5) + eye(64, 48, 4.5) + smile(55, 60, 14, 5, 2) if c2 else "")
         + hl("M52 14 L58 30 L52 30 Z"))
    return 110, 102, b


def heart(c1, c2):
    b = (f'<path d="M55 96 Q10 66 6 38 Q4 8 30 6 Q48 6 55 26 Q62 6 80 6 Q106 8 104 38 Q100 66 55 96 Z" fill="{c1}" {st()}/>'
         + (eye(42, 40, 5) + eye(68, 40, 5) + smile(55, 54, 16, 6, 2.2) if c2 else "")
         + hl("M18 26 Q22 14 32 14 Q24 22 22 36 Z"))
    return 110, 100, b


def square(c1, c2):
    b = (f'<rect x="6" y="6" width="84" height="84" rx="10" fill="{c1}" {st()}/>'
         f'<rect x="18" y="18" width="60" height="60" rx="6" fill="{c2}" {st(2.5)}/>'
         + hl("M14 14 L40 14 L14 40 Z"))
    return 96, 96, b


def triangle(c1, c2):
    b = (f'<path d="M56 6 L106 94 L6 94 Z" fill="{c1}" {st()}/>'
         f'<path d="M56 38 L82 82 L30 82 Z" fill="{c2}" {st(2.5)}/>'
         + hl("M52 20 L56 20 L30 70 L24 70 Z"))
    return 112, 100, b


def circle(c1, c2):
    b = (f'<circle cx="48" cy="48" r="42" fill="{c1}" {st()}/>'
         f'<circle cx="48" cy="48" r="24" fill="{c2}" {st(2.5)}/>'
         + hl_ellipse(30, 28, 10, 5, -40))
    return 96, 96, b


def diamond(c1, c2):
    b = (f'<path d="M46 4 L88 56 L46 108 L4 56 Z" fill="{c1}" {st()}/>'
         f'<path d="M46 26 L70 56 L46 86 L22 56 Z" fill="{c2}" {st(2.5)}/>'
         + hl("M42 16 L46 16 L18 52 L14 52 Z"))
    return 92, 112, b


MOTIFS = {
    "cat": cat, "dog": dog, "fish": fish, "bird": bird, "butterfly": butterfly, "snail": snail,
    "ladybug": ladybug, "duck": duck, "rabbit": rabbit, "turtle": turtle, "pig": pig,
    "frog": frog, "car": car, "bus": bus, "train": train, "sailboat": sailboat, "plane": plane,
    "rocket": rocket, "flower": flower, "tree": tree, "tulip": tulip, "mushroom": mushroom,
    "cactus": cactus, "apple": apple, "banana": banana, "cherries": cherries,
    "strawberry": strawberry, "icecream": icecream, "cake": cake, "ball": ball, "teddy": teddy,
    "kite": kite, "balloon": balloon, "sun": sun, "cloud": cloud, "raincloud": raincloud,
    "rainbow": rainbow, "snowflake": snowflake, "moon": moon, "house": house, "castle": castle,
    "tent": tent, "star": star, "heart": heart, "square": square, "triangle": triangle,
    "circle": circle, "diamond": diamond,
}
