#!/usr/bin/env python3
"""Writes the Maze side pictures (*_menu.svg, 120 x 420) from the figure and target drawings.

    python3 assets/maze/tools/compose_menus.py [NAME ...]

Each side picture is a scene (drawn here) with the scenario's target and a happy side view of
its figure copied in from their own SVGs (parametric drawings at frame 0), so the pictures
stay in step with the figures: edit a figure or a target, then run this again. With NAMEs,
only the pictures whose file name contains one of them are written.
"""
import math
import os
import re
import sys
import xml.etree.ElementTree as ET

NS = 'http://www.w3.org/2000/svg'
ET.register_namespace('', NS)
BASE = os.path.dirname(os.path.dirname(os.path.abspath(__file__))) + os.sep

# The soft dark outline every drawing uses.
OUT = 'stroke="#2E2A40" stroke-width="3" stroke-linejoin="round" stroke-linecap="round"'


def O(sw):
    """The outline with another stroke width."""
    return OUT.replace('stroke-width="3"', 'stroke-width="%g"' % sw)


def evalexpr(text, f=0, n=1):
    """Replaces every {= EXPR =} as the forge does for frame f of n."""
    env = dict(f=f, n=n, t=f / n, pi=math.pi, sin=math.sin, cos=math.cos, abs=abs, min=min, max=max,
               floor=math.floor)

    def rep(m):
        expr = m[1]
        if not re.fullmatch(r'[\s\w.+\-*/(),]*', expr):
            raise ValueError('unexpected expression: ' + expr)
        v = eval(expr, {'__builtins__': {}}, env)
        s = ('%.4f' % v).rstrip('0').rstrip('.')
        return '0' if s in ('-0', '') else s
    return re.sub(r'\{=(.*?)=\}', rep, text)


def embed(name, prefix, transform, drop=(), f=0, n=1, indent='  '):
    """The drawing NAME at frame f as a group with TRANSFORM. Elements whose id is in DROP are
    left out (e.g. the cheese the mouse carries in its ending); ids get PREFIX so that two
    drawings in one picture do not clash."""
    text = evalexpr(open(BASE + name).read(), f, n)
    root = ET.fromstring(text)
    for parent in root.iter():
        for child in list(parent):
            if child.get('id') in drop:
                parent.remove(child)
    ids = [e.get('id') for e in root.iter() if e.get('id')]
    body = ''
    for child in root:
        if child.tag is ET.Comment:
            continue
        body += ET.tostring(child, encoding='unicode')
    body = re.sub(r'<!--.*?-->', '', body, flags=re.S)
    for i in ids:
        body = body.replace('id="%s"' % i, 'id="%s-%s"' % (prefix, i))
        body = body.replace('href="#%s"' % i, 'href="#%s-%s"' % (prefix, i))
        body = body.replace('url(#%s)' % i, 'url(#%s-%s)' % (prefix, i))
    body = body.replace(' xmlns="%s"' % NS, '').replace('ns0:', '')
    wrapper = ET.fromstring('<g xmlns="%s" transform="%s">%s</g>' % (NS, transform, body))
    ET.indent(wrapper, space='  ', level=1)
    s = ET.tostring(wrapper, encoding='unicode').replace(' xmlns="%s"' % NS, '')
    return indent + s.strip() + '\n'


def page(name, comment, scene_back, parts, scene_front=''):
    s = '<svg xmlns="http://www.w3.org/2000/svg" width="120" height="420" viewBox="0 0 120 420">\n'
    s += '  <!-- %s\n       Made by tools/compose_menus.py from the figure and target drawings. -->\n' % comment
    s += scene_back
    for p in parts:
        s += p
    s += scene_front
    s += '  <rect x="1.5" y="1.5" width="117" height="417" rx="6" fill="none" stroke="#2E2A40" stroke-width="3"/>\n'
    s += '</svg>\n'
    with open(BASE + name, 'w') as out:
        out.write(s)
    print('wrote', name)


def sky(col='#bfe8ff'):
    return '  <rect width="120" height="420" fill="%s"/>\n' % col


def clouds(*pts):
    s = '  <g fill="#ffffff">\n'
    for x, y, r in pts:
        s += ('    <circle cx="%g" cy="%g" r="%g"/><circle cx="%g" cy="%g" r="%g"/>'
              '<circle cx="%g" cy="%g" r="%g"/>\n' % (x, y, r, x + r, y - r * 0.5, r * 1.1, x + 2 * r, y, r))
    return s + '  </g>\n'


def dots_path(d, col='#2E2A40'):
    return ('  <path d="%s" fill="none" stroke="%s" stroke-width="3" stroke-linecap="round" '
            'stroke-dasharray="0.5 9"/>\n' % (d, col))


scenes = {}

# Mouse: a kitchen wall with a shelf holding the cheese; the mouse by its hole.
back = sky('#fbe7b5')
back += '  <g fill="#f6d98f">\n' + ''.join(
    '    <rect x="%d" y="0" width="8" height="300"/>\n' % x for x in range(6, 120, 22)) + '  </g>\n'
back += '  <path d="M0 300 L120 300 L120 420 L0 420 Z" fill="#d9a066"/>\n'
back += '  <path d="M0 340 L120 340 M0 380 L120 380 M40 300 L40 340 M90 340 L90 380 M24 380 L24 420 M76 380 L76 420" stroke="#b8824a" stroke-width="2"/>\n'
back += '  <rect x="-2" y="292" width="124" height="12" fill="#a8683a" %s/>\n' % OUT
back += '  <path d="M72 294 L72 272 C72 256 104 256 104 272 L104 294 Z" fill="#2E2A40" %s/>\n' % OUT
back += '  <g %s>\n    <path d="M22 112 L30 128 L38 112 M82 112 L90 128 L98 112" fill="none" stroke-width="4"/>\n' % OUT
back += '    <rect x="4" y="104" width="112" height="10" rx="2" fill="#a8683a"/>\n  </g>\n'
back += dots_path('M60 300 C70 260 20 230 40 190 C52 166 80 150 70 124')
scenes['mouse_menu.svg'] = ('The mouse smiles up at the cheese on the shelf.', back, [
    embed('mouse_target.svg', 'c', 'translate(10 34) scale(1.25)'),
    embed('mouse_ending.svg', 'm', 'translate(-6 290) scale(0.78)', drop=('cheese',)),
])

# Wasp: a sunny garden; the wasp flies down to the big flower.
back = sky()
back += '  <circle cx="100" cy="22" r="14" fill="#ffd23f" %s/>\n' % OUT
back += clouds((12, 150, 8), (70, 190, 7))
back += '  <path d="M0 330 C30 320 80 340 120 326 L120 420 L0 420 Z" fill="#7ed957" %s/>\n' % OUT
back += '  <path d="M10 360 L14 350 L18 360 M94 372 L98 362 L102 372 M40 400 L44 390 L48 400" fill="none" %s stroke="#3f9a3a"/>\n' % OUT.replace('stroke="#2E2A40" ', '')
back += dots_path('M70 120 C100 160 100 200 70 220 C40 240 50 260 60 272')
scenes['wasp_menu.svg'] = ('The wasp flies down to its flower in the garden.', back, [
    embed('wasp_target.svg', 'f', 'translate(-4 262) scale(1.6)'),
    embed('wasp_ending.svg', 'w', 'translate(-4 30) scale(0.68)', drop=('flower',)),
])


def hill_road(hill, grass_far, road):
    s = '  <path d="M0 %d C30 %d 90 %d 120 %d L120 420 L0 420 Z" fill="%s" %s/>\n' % (
        hill, hill - 14, hill + 10, hill - 4, grass_far, OUT)
    s += ('  <path d="M54 %d C60 %d 72 180 50 220 C28 260 20 300 34 420 L96 420 C74 320 86 260 '
          '94 230 C104 190 74 160 64 %d Z" fill="%s" %s/>\n' % (hill + 4, hill + 30, hill + 4, road, OUT))
    return s


# Fire: the engine rushes up the road to the burning house on the hill.
back = sky()
back += clouds((10, 150, 7), (76, 170, 6))
back += hill_road(120, '#8ed665', '#9aa0a8')
back += '  <path d="M60 160 L62 176 M72 240 L68 260 M58 330 L54 356" stroke="#ffffff" stroke-width="4" stroke-linecap="round"/>\n'
scenes['fire_menu.svg'] = ('The fire engine races up the road to the burning house.', back, [
    embed('fire_target.svg', 'h', 'translate(12 24) scale(1.2)'),
    embed('fire_ending.svg', 'e', 'translate(1 302) scale(0.7)'),
])

# Car: a road up to the petrol pump.
back = sky()
back += '  <circle cx="18" cy="20" r="12" fill="#ffd23f" %s/>\n' % OUT
back += clouds((60, 160, 7))
back += hill_road(124, '#8ed665', '#7d8390')
back += '  <path d="M60 164 L62 180 M72 244 L68 264 M58 334 L54 360" stroke="#ffffff" stroke-width="4" stroke-linecap="round"/>\n'
scenes['car_menu.svg'] = ('The little car drives up the road to the petrol pump.', back, [
    embed('car_target.svg', 'p', 'translate(22 30) scale(1.2)'),
    embed('car_ending.svg', 'c', 'translate(-2 300) scale(0.74)'),
])

# Police: a night street; the robber sneaks on top, the police car comes.
back = sky('#2b3a6b')
back += '  <circle cx="96" cy="24" r="12" fill="#fff3b0" %s/>\n' % OUT
back += '  <g fill="#fff3b0">\n' + ''.join(
    '    <circle cx="%d" cy="%d" r="1.8"/>\n' % p for p in [(14, 14), (40, 30), (64, 12), (22, 56), (76, 60), (108, 70)]) + '  </g>\n'
back += '  <path d="M-2 150 L-2 96 L30 96 L30 120 L52 120 L52 84 L86 84 L86 110 L122 110 L122 150 Z" fill="#4a5688" %s/>\n' % OUT
back += '  <g fill="#ffd23f" %s>\n' % O(2)
back += ''.join('    <rect x="%d" y="%d" width="8" height="9"/>\n' % p for p in [(8, 106), (60, 94), (72, 94), (96, 120), (60, 126)])
back += '  </g>\n'
back += '  <path d="M-2 150 L122 150 L122 420 L-2 420 Z" fill="#3e4760" %s/>\n' % OUT
back += '  <path d="M10 300 L30 300 M50 300 L70 300 M90 300 L110 300" stroke="#ffd23f" stroke-width="4"/>\n'
scenes['police_menu.svg'] = ('At night the police car comes for the robber with his bag.', back, [
    embed('police_target.svg', 'r', 'translate(6 142) scale(1.35)'),
    embed('police_ending.svg', 'p', 'translate(-2 300) scale(0.74)', drop=('robber',)),
])

# Knight: the castle on the hill, the knight on the path below.
back = sky()
back += clouds((64, 22, 7), (8, 140, 6))
back += hill_road(130, '#8ed665', '#e3c58f')
scenes['knight_menu.svg'] = ('The little knight walks up the path to his castle.', back, [
    embed('knight_target.svg', 'c', 'translate(4 30) scale(1.4)'),
    embed('knight_south.svg', 'k', 'translate(-4 276) scale(1.6)'),
])

# Rabbit: the carrot patch on top, the rabbit on the meadow.
back = sky()
back += '  <circle cx="20" cy="22" r="12" fill="#ffd23f" %s/>\n' % OUT
back += '  <path d="M0 96 C40 86 80 100 120 92 L120 420 L0 420 Z" fill="#8ed665" %s/>\n' % OUT
back += '  <path d="M4 118 C40 112 80 116 116 112 L116 150 C80 154 40 150 4 156 Z" fill="#a8683a" %s/>\n' % OUT
back += '  <g %s fill="#5cc64a">\n' % O(2.5)
back += ''.join('    <path d="M%d 130 C%d 118 %d 112 %d 108 C%d 114 %d 120 %d 130 Z"/>\n' % (x, x - 6, x - 4, x, x + 4, x + 6, x) for x in (16, 102))
back += '  </g>\n'
back += '  <g fill="#ff8c1a" %s>\n' % O(2.5)
back += ''.join('    <path d="M%d 130 L%d 140 L%d 130 Z"/>\n' % (x - 5, x, x + 5) for x in (16, 102))
back += '  </g>\n'
back += '  <g fill="#ffffff" stroke="#2E2A40" stroke-width="1.5">\n'
back += ''.join('    <circle cx="%d" cy="%d" r="3"/>\n' % p for p in [(14, 240), (100, 220), (30, 330), (104, 300)])
back += '  </g>\n'
back += dots_path('M60 270 C80 240 40 210 60 170')
scenes['rabbit_menu.svg'] = ('The rabbit on the meadow and a big carrot in the garden patch.', back, [
    embed('rabbit_target.svg', 'c', 'translate(12 10) scale(1.2)'),
    embed('rabbit_south.svg', 'r', 'translate(-8 280) scale(1.7)'),
])

# Plane: the plane in the sky above the airport.
back = sky()
back += clouds((10, 30, 7), (70, 150, 8), (16, 220, 6))
back += '  <path d="M0 300 C40 292 80 304 120 296 L120 420 L0 420 Z" fill="#8ed665" %s/>\n' % OUT
back += dots_path('M80 120 C110 170 90 210 70 240 C58 258 60 270 60 280')
scenes['plane_menu.svg'] = ('The little plane flies home to the airport.', back, [
    embed('plane_target.svg', 't', 'translate(0 290) scale(1.55)'),
    embed('plane_ending.svg', 'p', 'translate(-12 44) scale(0.7)'),
])

# Space: the rocket takes off towards the ringed planet.
back = sky('#1b1f4a')
back += '  <g fill="#ffe9a0">\n' + ''.join(
    '    <circle cx="%d" cy="%d" r="%g"/>\n' % p for p in [
        (10, 16, 1.8), (100, 130, 1.5), (30, 150, 2), (84, 190, 1.6), (14, 250, 1.8), (104, 240, 2),
        (50, 200, 1.4), (20, 110, 1.4), (110, 20, 1.6), (70, 270, 1.5)]) + '  </g>\n'
back += '  <path d="M-2 390 C30 380 90 384 122 378 L122 422 L-2 422 Z" fill="#8a8fa8" %s/>\n' % OUT
back += '  <g fill="#6d7290"><ellipse cx="20" cy="404" rx="8" ry="3"/><ellipse cx="96" cy="398" rx="10" ry="3.5"/></g>\n'
back += dots_path('M60 270 C70 230 40 190 60 150', '#ffe9a0')
scenes['space_menu.svg'] = ('The rocket lifts off towards the ringed planet.', back, [
    embed('space_target.svg', 'p', 'translate(2 14) scale(1.45)'),
    embed('space.svg', 'r', 'translate(4 270) scale(1.4)'),
])

# Snail: the lettuce in the vegetable bed, the snail on the garden path.
back = sky()
back += '  <path d="M0 80 C40 72 80 84 120 78 L120 420 L0 420 Z" fill="#8ed665" %s/>\n' % OUT
back += '  <path d="M2 100 L118 100 L118 170 L2 170 Z" fill="#a8683a" %s/>\n' % OUT
back += '  <g fill="#c9c3b8" %s>\n' % O(2.5)
back += ''.join('    <ellipse cx="%d" cy="%d" rx="16" ry="9"/>\n' % p for p in [(60, 200), (46, 236), (70, 270), (50, 306), (64, 342), (48, 382)])
back += '  </g>\n'
back += '  <g fill="#ff7eb6" %s>\n' % O(2)
back += ''.join('    <circle cx="%d" cy="%d" r="5"/>\n' % p for p in [(12, 220), (104, 250), (14, 300), (106, 330)])
back += '  </g>\n'
back += '  <g fill="#ffd23f">' + ''.join('<circle cx="%d" cy="%d" r="2"/>' % p for p in [(12, 220), (104, 250), (14, 300), (106, 330)]) + '</g>\n'
scenes['snail_menu.svg'] = ('The snail creeps up the garden path to the lettuce.', back, [
    embed('snail_target.svg', 'l', 'translate(4 70) scale(1.4)'),
    embed('snail_ending.svg', 's', 'translate(-10 300) scale(0.76)', drop=('leaf',)),
])

# Frog: the pond with the lily pad and its fly, the frog on the bank.
back = sky()
back += '  <path d="M0 60 C40 54 80 62 120 58 L120 420 L0 420 Z" fill="#6ec6f0" %s/>\n' % OUT
back += '  <g fill="none" stroke="#ffffff" stroke-width="2.5" stroke-linecap="round">\n'
back += ''.join('    <path d="M%d %d q8 -5 16 0"/>\n' % p for p in [(10, 190), (80, 220), (30, 260), (86, 150), (14, 110)])
back += '  </g>\n'
back += '  <path d="M0 330 C30 318 90 322 120 330 L120 420 L0 420 Z" fill="#8ed665" %s/>\n' % OUT
back += '  <g %s>\n' % OUT
back += '    <path d="M8 330 L10 270 M16 330 L20 280 M108 330 L106 260" fill="none" stroke="#2e9a3f" stroke-width="4"/>\n'
back += '    <rect x="6" y="258" width="8" height="18" rx="4" fill="#8b5a2b" stroke-width="2"/>\n'
back += '    <rect x="102" y="248" width="8" height="18" rx="4" fill="#8b5a2b" stroke-width="2"/>\n'
back += '  </g>\n'
back += dots_path('M60 300 C80 270 40 240 60 210 C70 196 66 186 60 176')
scenes['frog_menu.svg'] = ('The frog on the bank looks at the lily pad with the fly.', back, [
    embed('frog_target.svg', 'p', 'translate(-2 70) scale(1.55)'),
    embed('frog_ending.svg', 'g', 'translate(-24 282) scale(1.25)', n=10),
])

only = sys.argv[1:]
for name, (comment, back, parts) in scenes.items():
    if only and not any(o in name for o in only):
        continue
    page(name, comment, back, parts)
