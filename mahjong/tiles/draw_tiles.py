#!/usr/bin/env python3
"""Draws the 42 mahjong tile pictures and the group-of-tiles picture as SVG files beside this script.

Needs fontTools and the typeface named below (Debian: python3-fonttools, fonts-noto-cjk)."""

import argparse
import math
import os
import re
import sys

try:
    from fontTools.pens.basePen import BasePen
    from fontTools.pens.boundsPen import BoundsPen
    from fontTools.ttLib import TTCollection
except ImportError:
    sys.exit('draw_tiles.py: needs the Python module fontTools (Debian package python3-fonttools) '
             f'for {sys.executable}')

# Everything is plain paths and shapes: the renderer is an SVG Tiny subset and fonts may be missing.

INK = '#1b2545'
RED = '#c3262c'
GREEN = '#177a45'
BLUE = '#1e4f9e'
IVORY = '#fdf9ec'
DARK_GREEN = '#0d5530'

FACE_CX, FACE_CY = 42.5, 55.5


def num(v, places=1):
    s = f'{v:.{places}f}'
    if '.' in s:
        s = s.rstrip('0').rstrip('.')
    if s == '-0':
        s = '0'
    return s


def pt(p):
    return num(p[0]) + ',' + num(p[1])


# ---------------------------------------------------------------- characters

# The characters are the outlines of a real typeface turned into paths, so the tiles need no CJK font
# where they are shown. The traditional Chinese face gives the traditional forms of 萬 and 發.
FONT_FILE = '/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc'
FONT_NAME = 'Noto Serif CJK TC Bold'
# The outlines, and so the committed pictures, belong to this version; another may draw them differently.
FONT_VERSION = 'Version 2.001'
FONT_PACKAGE = 'fonts-noto-cjk'


class PathPen(BasePen):
    """Writes an outline as SVG path data in our own number format, so the output does not hang on
    how a fontTools version writes paths."""

    def __init__(self, glyphs, transform):
        super().__init__(glyphs)
        self.transform = transform
        self.parts = []

    def _points(self, *points):
        return ' '.join(num(x, 2) + ',' + num(y, 2) for x, y in map(self.transform, points))

    def _moveTo(self, p):
        self.parts.append('M' + self._points(p))

    def _lineTo(self, p):
        self.parts.append('L' + self._points(p))

    def _curveToOne(self, p1, p2, p3):
        self.parts.append('C' + self._points(p1, p2, p3))

    def _qCurveToOne(self, p1, p2):
        self.parts.append('Q' + self._points(p1, p2))

    def _closePath(self):
        self.parts.append('Z')


class Typeface:
    def __init__(self, path):
        if not os.path.exists(path):
            sys.exit(f'draw_tiles.py: needs the typeface {FONT_NAME} in {path} (Debian package {FONT_PACKAGE})')
        faces = [f for f in TTCollection(path, lazy=True).fonts if f['name'].getDebugName(4) == FONT_NAME]
        if not faces:
            sys.exit(f'draw_tiles.py: {path} holds no face named {FONT_NAME}')
        font = faces[0]
        version = font['name'].getDebugName(5).split(';')[0]
        if version != FONT_VERSION:
            print(f'draw_tiles.py: warning: {path} holds {FONT_NAME} {version}; the committed pictures were '
                  f'drawn from {FONT_VERSION}', file=sys.stderr)
        self.cmap = font.getBestCmap()
        self.glyphs = font.getGlyphSet()
        self.em = font['head'].unitsPerEm

    def path(self, ch, cx, cy, size, colour, stretch=1.0):
        """Draws ch with its inked box centred on (cx, cy), an em of size units wide, y stretched by stretch."""
        glyph = self.glyphs[self.cmap[ord(ch)]]
        bounds = BoundsPen(self.glyphs)
        glyph.draw(bounds)
        x0, y0, x1, y1 = bounds.bounds
        mx, my = (x0 + x1) / 2, (y0 + y1) / 2
        s = size / self.em
        pen = PathPen(self.glyphs, lambda q: (cx + (q[0] - mx) * s, cy - (q[1] - my) * s * stretch))
        glyph.draw(pen)
        return f'<path fill="{colour}" d="{"".join(pen.parts)}"/>'


NUMERALS = '一二三四五六七八九'


def digit(ch, x, y, w, h, colour, sw=2.2):
    """A small Arabic numeral as an even stroke in the box (x, y, w, h)."""
    shapes = {
        '1': 'M.3,.2L.6,0L.6,1',
        '2': 'M.08,.28C.12,-.06 .9,-.08 .88,.3C.86,.56 .3,.7 .08,1L.92,1',
        '3': 'M.1,.12C.3,-.06 .88,-.02 .84,.26C.81,.46 .6,.48 .42,.48C.7,.48 .94,.58 .9,.78'
             'C.86,1.06 .28,1.06 .08,.86',
        '4': 'M.68,1L.68,0L.04,.7L.96,.7',
    }
    d = re.sub(r'(-?[\d.]+),(-?[\d.]+)',
               lambda m: pt((x + float(m.group(1)) * w, y + float(m.group(2)) * h)), shapes[ch])
    return (f'<path fill="none" stroke="{colour}" stroke-width="{num(sw)}" stroke-linecap="round" '
            f'stroke-linejoin="round" d="{d}"/>')


# ---------------------------------------------------------------- tile body

TILE_DEFS = (
    '<linearGradient id="face" x1="0" y1="0" x2="1" y2="1">'
    '<stop offset="0" stop-color="#fffdf4"/><stop offset="1" stop-color="#efe5cb"/></linearGradient>'
    '<linearGradient id="back" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#2f9a62"/><stop offset="1" stop-color="#0f5a33"/></linearGradient>'
)


def tile_body():
    # The green back and a bone layer peek out below and to the right, so the face seems to stand.
    return ('<rect x="4" y="5" width="85.5" height="114.5" rx="10" fill="url(#back)"/>'
            '<rect x="2.5" y="2.5" width="84" height="111" rx="9.5" fill="#e2d4b0"/>'
            '<rect x="1" y="1" width="83" height="109" rx="9" fill="url(#face)" stroke="#c9b98f" '
            'stroke-width="0.8"/>')


def tile_back():
    return ('<rect x="4" y="5" width="85.5" height="114.5" rx="10" fill="#e2d4b0"/>'
            '<rect x="1" y="1" width="84" height="111" rx="9" fill="url(#back)" stroke="#0b4a2a" '
            'stroke-width="0.8"/>'
            '<rect x="9" y="9" width="68" height="95" rx="5" fill="none" stroke="#7cc79c" '
            'stroke-width="1.2" stroke-opacity="0.6"/>')


def svg(width, height, defs, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">'
            f'<defs>{defs}</defs>{body}</svg>\n')


# ---------------------------------------------------------------- suits

def stick(cx, cy, h, colour, angle=0.0):
    """One bamboo stick: two waisted segments between three nodes, with a pale vein."""
    dark = {GREEN: DARK_GREEN, BLUE: '#123570', RED: '#7e1318'}[colour]
    hh = h / 2
    seg = []
    for y0, y1 in ((-hh + 1.8, -1.4), (1.4, hh - 1.8)):
        ym = (y0 + y1) / 2
        seg.append(f'M-4.8,{num(y0)}Q-2.8,{num(ym)} -4.8,{num(y1)}L4.8,{num(y1)}Q2.8,{num(ym)} 4.8,{num(y0)}Z')
    nodes = ''.join(f'<rect x="-6.2" y="{num(y - 1.8)}" width="12.4" height="3.6" rx="1.8" fill="{dark}"/>'
                    for y in (-hh + 1.8, 0, hh - 1.8))
    vein = (f'<path fill="none" stroke="#ffffff" stroke-opacity="0.5" stroke-width="1.1" stroke-linecap="round" '
            f'd="M-1,{num(-hh + 5)}L-1,-4M-1,4L-1,{num(hh - 5)}"/>')
    rot = f' rotate({num(angle)})' if angle else ''
    return (f'<g transform="translate({num(cx)},{num(cy)}){rot}"><path fill="{colour}" d="{"".join(seg)}"/>'
            f'{nodes}{vein}</g>')


def bamboo(n):
    cx, cy = FACE_CX, FACE_CY
    G, B, R = GREEN, BLUE, RED
    if n == 2:
        return stick(cx, cy - 22, 38, B) + stick(cx, cy + 22, 38, G)
    if n == 3:
        return stick(cx, cy - 22, 38, B) + stick(cx - 14, cy + 22, 38, G) + stick(cx + 14, cy + 22, 38, G)
    if n == 4:
        return (stick(cx - 15, cy - 22, 38, B) + stick(cx + 15, cy - 22, 38, G)
                + stick(cx - 15, cy + 22, 38, G) + stick(cx + 15, cy + 22, 38, B))
    if n == 5:
        return (stick(cx - 21, cy - 22, 38, G) + stick(cx + 21, cy - 22, 38, B) + stick(cx, cy, 38, R)
                + stick(cx - 21, cy + 22, 38, B) + stick(cx + 21, cy + 22, 38, G))
    if n == 6:
        return ''.join(stick(cx + dx, cy + dy, 38, G if dy < 0 else B)
                       for dy in (-22, 22) for dx in (-21, 0, 21))
    if n == 7:
        return stick(cx, cy - 32, 27, R) + ''.join(
            stick(cx + dx, cy + dy, 27, G if dy < 10 else B) for dy in (0, 32) for dx in (-21, 0, 21))
    if n == 8:
        # Each row: upright sticks outside, a leaning pair between them; the rows mirror each other.
        out = ''
        for dy, lean, colour in ((-23, 1, G), (23, -1, B)):
            out += stick(cx - 28, cy + dy, 38, colour) + stick(cx + 28, cy + dy, 38, colour)
            out += stick(cx - 10.5, cy + dy, 40, colour, -15 * lean) + stick(cx + 10.5, cy + dy, 40, colour, 15 * lean)
        return out
    if n == 9:
        return ''.join(stick(cx + dx, cy + dy, 28, (R if dx == 0 else G) if dy != 0 else (R if dx == 0 else B))
                       for dy in (-32, 0, 32) for dx in (-23, 0, 23))
    raise ValueError(n)


def peacock():
    """The one of bamboo: a peacock with its train spread behind it."""
    out = []
    # The train fans out from the middle of the face, narrow enough that its outer eyes stay on it.
    ox, oy = FACE_CX, 66
    for i in range(9):
        a = math.radians(-168 + i * 19.5)
        ex, ey = ox + math.cos(a) * 30, oy + math.sin(a) * 44
        mx, my = ox + math.cos(a) * 15, oy + math.sin(a) * 22
        out.append(f'<path fill="none" stroke="{GREEN}" stroke-width="1.2" d="M{pt((ox, oy))}Q{pt((mx + 2, my))} '
                   f'{pt((ex, ey))}"/>')
        deg = num(math.degrees(a) + 90)
        out.append(f'<g transform="translate({pt((ex, ey))}) rotate({deg})">'
                   f'<ellipse rx="6" ry="8" fill="{GREEN}"/><ellipse cy="-0.5" rx="4" ry="5.4" fill="#e2b53a"/>'
                   f'<ellipse cy="-0.8" rx="2.8" ry="3.6" fill="{BLUE}"/><ellipse cy="-1.2" rx="1.2" ry="1.6" '
                   f'fill="{INK}"/></g>')
    # Legs and feet.
    out.append(f'<path fill="none" stroke="{RED}" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round" '
               'd="M42,82L39,99M39,99L33,102M39,99L42,103M50,82L52,99M52,99L47,102M52,99L57,102"/>')
    # Body, breast and wing.
    out.append(f'<path fill="{BLUE}" d="M30,44C25,56 28,72 38,82C46,88 58,84 62,74C66,62 56,56 44,58'
               'C40,58 37,52 38,44Z"/>')
    out.append(f'<path fill="{GREEN}" d="M44,60C54,58 64,64 62,74C60,82 54,86 47,86C52,78 52,68 44,60Z"/>')
    out.append(f'<path fill="none" stroke="{RED}" stroke-width="1.4" stroke-linecap="round" '
               'd="M50,66L56,70M50,72L57,76M49,78L55,82"/>')
    # Neck and head, looking left.
    out.append(f'<path fill="{BLUE}" d="M30,46C27,38 27,30 31,26C35,22 41,24 41,30C41,36 38,40 38,46Z"/>')
    out.append('<path fill="#e2b53a" d="M29,28L21,30L29,32Z"/>')
    out.append(f'<circle cx="33.5" cy="28" r="2.2" fill="{IVORY}"/><circle cx="33" cy="28" r="1.1" fill="{INK}"/>')
    # Crest: three little fans on stalks.
    out.append(f'<path fill="none" stroke="{INK}" stroke-width="0.8" d="M35,24L31,15M36,24L36,14M37,24L41,15"/>')
    out.append(''.join(f'<circle cx="{x}" cy="{y}" r="1.7" fill="{GREEN}"/>'
                       for x, y in ((31, 15), (36, 14), (41, 15))))
    return ''.join(out)


def dot(cx, cy, r, colour):
    """One circle of the circles suit: rings round a small rosette."""
    out = [f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}" fill="{colour}"/>',
           f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r * 0.8)}" fill="{IVORY}"/>',
           f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r * 0.64)}" fill="{colour}"/>']
    petals = []
    for i in range(8):
        a = math.radians(i * 45)
        petals.append(f'<circle cx="{num(cx + math.cos(a) * r * 0.4)}" cy="{num(cy + math.sin(a) * r * 0.4)}" '
                      f'r="{num(r * 0.1)}" fill="{IVORY}"/>')
    out += petals
    out.append(f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r * 0.16)}" fill="{IVORY}"/>')
    return ''.join(out)


def circles(n):
    cx, cy = FACE_CX, FACE_CY
    G, B, R = GREEN, BLUE, RED
    if n == 2:
        return dot(cx, cy - 24, 17, G) + dot(cx, cy + 24, 17, B)
    if n == 3:
        return dot(cx - 19, cy - 31, 12.5, B) + dot(cx, cy, 12.5, R) + dot(cx + 19, cy + 31, 12.5, G)
    if n == 4:
        return (dot(cx - 18, cy - 22, 15, B) + dot(cx + 18, cy - 22, 15, G)
                + dot(cx - 18, cy + 22, 15, G) + dot(cx + 18, cy + 22, 15, B))
    if n == 5:
        return (dot(cx - 20, cy - 28, 13, B) + dot(cx + 20, cy - 28, 13, G) + dot(cx, cy, 13, R)
                + dot(cx - 20, cy + 28, 13, G) + dot(cx + 20, cy + 28, 13, B))
    if n == 6:
        return (dot(cx - 17, cy - 32, 12, G) + dot(cx + 17, cy - 32, 12, G)
                + ''.join(dot(cx + dx, cy + dy, 12, R) for dy in (3, 33) for dx in (-17, 17)))
    if n == 7:
        return (dot(cx - 24, cy - 38, 10, G) + dot(cx, cy - 29, 10, G) + dot(cx + 24, cy - 20, 10, G)
                + ''.join(dot(cx + dx, cy + dy, 11, R) for dy in (7, 32) for dx in (-15, 15)))
    if n == 8:
        return ''.join(dot(cx + dx, cy + dy, 10.5, B) for dy in (-36, -12, 12, 36) for dx in (-15.5, 15.5))
    if n == 9:
        return ''.join(dot(cx + dx, cy + dy, 10.8, colour) for dy, colour in ((-32, B), (0, R), (32, G))
                       for dx in (-23, 0, 23))
    raise ValueError(n)


def pearl():
    """The one of circles: a large disk ringed with beads and petals."""
    cx, cy = FACE_CX, FACE_CY
    out = [f'<circle cx="{cx}" cy="{cy}" r="35" fill="{GREEN}"/>',
           f'<circle cx="{cx}" cy="{cy}" r="31" fill="{IVORY}"/>']
    for i in range(20):
        a = math.radians(i * 18)
        out.append(f'<circle cx="{num(cx + math.cos(a) * 33)}" cy="{num(cy + math.sin(a) * 33)}" r="0.9" '
                   f'fill="{IVORY}"/>')
    for i in range(12):
        a = i * 30
        out.append(f'<path transform="translate({cx},{cy}) rotate({a})" fill="{RED}" '
                   'd="M0,-17C5,-21 5,-27 0,-29.5C-5,-27 -5,-21 0,-17Z"/>')
        out.append(f'<circle transform="translate({cx},{cy}) rotate({a + 15})" cy="-25" r="1.6" fill="{BLUE}"/>')
    out.append(f'<circle cx="{cx}" cy="{cy}" r="16.5" fill="{BLUE}"/><circle cx="{cx}" cy="{cy}" r="13.5" '
               f'fill="{IVORY}"/><circle cx="{cx}" cy="{cy}" r="11.5" fill="{RED}"/>')
    for i in range(8):
        out.append(f'<ellipse transform="translate({cx},{cy}) rotate({i * 45})" cy="-6.5" rx="2" ry="3.6" '
                   f'fill="{IVORY}"/>')
    out.append(f'<circle cx="{cx}" cy="{cy}" r="3" fill="{GREEN}"/>')
    return ''.join(out)


def characters(font, n):
    return font.path(NUMERALS[n - 1], FACE_CX, 28, 45, INK) + font.path('萬', FACE_CX, 78, 54, RED)


def big(font, ch, colour):
    return font.path(ch, FACE_CX, FACE_CY, 62, colour, 1.2)


def white_dragon():
    return (f'<rect x="13" y="14" width="59" height="83" rx="3" fill="none" stroke="{BLUE}" stroke-width="4.5"/>'
            f'<rect x="20" y="21" width="45" height="69" rx="1.5" fill="none" stroke="{BLUE}" stroke-width="1.6"/>'
            + ''.join(f'<rect x="{x}" y="{y}" width="5" height="5" fill="{BLUE}"/>'
                      for x, y in ((15, 16), (65, 16), (15, 90), (65, 90))))


# ---------------------------------------------------------------- flowers and seasons

def leaf(x0, y0, x1, y1, bulge, colour):
    """A pointed leaf from (x0, y0) to (x1, y1), swelling by bulge on either side."""
    mx, my = (x0 + x1) / 2, (y0 + y1) / 2
    dx, dy = x1 - x0, y1 - y0
    d = math.hypot(dx, dy) or 1
    nx, ny = -dy / d * bulge, dx / d * bulge
    return (f'<path fill="{colour}" d="M{pt((x0, y0))}Q{pt((mx + nx, my + ny))} {pt((x1, y1))}'
            f'Q{pt((mx - nx, my - ny))} {pt((x0, y0))}Z"/>')


def blossom(cx, cy, r, petal, heart='#f2c230', turn=0):
    out = []
    for i in range(5):
        a = math.radians(turn + i * 72 - 90)
        out.append(f'<circle cx="{num(cx + math.cos(a) * r * 0.55)}" cy="{num(cy + math.sin(a) * r * 0.55)}" '
                   f'r="{num(r * 0.5)}" fill="{petal}"/>')
    out.append(f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r * 0.3)}" fill="{heart}"/>')
    for i in range(5):
        a = math.radians(turn + i * 72 - 54)
        out.append(f'<circle cx="{num(cx + math.cos(a) * r * 0.42)}" cy="{num(cy + math.sin(a) * r * 0.42)}" '
                   f'r="{num(r * 0.08)}" fill="{RED}"/>')
    return ''.join(out)


BRANCH = '#5a3a24'


def plum():
    out = [f'<path fill="none" stroke="{BRANCH}" stroke-linecap="round" stroke-linejoin="round" '
           'stroke-width="3.2" d="M14,104C24,88 30,72 44,60C54,51 62,38 66,22"/>',
           f'<path fill="none" stroke="{BRANCH}" stroke-linecap="round" stroke-width="2" '
           'd="M36,68C28,60 22,54 18,40M52,52C60,52 66,56 72,62M60,38C56,32 54,28 56,20"/>']
    out += [blossom(x, y, r, '#e4607a', turn=t) for x, y, r, t in
            ((18, 40, 11, 10), (66, 22, 10, -8), (72, 62, 10, 20), (44, 60, 9, 0), (26, 84, 8, 30))]
    out += [f'<circle cx="{x}" cy="{y}" r="2.6" fill="{RED}"/>' for x, y in ((56, 19), (31, 54), (64, 45))]
    return ''.join(out)


def orchid():
    out = []
    leaves = ('M40,104C30,80 16,62 8,44', 'M42,104C40,78 46,56 64,40', 'M44,104C52,86 66,76 82,76',
              'M38,104C36,88 28,78 20,74')
    for d in leaves:
        out.append(f'<path fill="none" stroke="{GREEN}" stroke-width="2.6" stroke-linecap="round" d="{d}"/>')
    out.append(f'<path fill="none" stroke="#6f8f3a" stroke-width="1.3" d="M42,104C44,80 40,56 36,34"/>')

    def flower(x, y, s, turn):
        parts = []
        for i, (a, ln) in enumerate(((-90, 11), (-20, 10), (200, 10), (30, 7), (150, 7))):
            ang = math.radians(a + turn)
            parts.append(leaf(x, y, x + math.cos(ang) * ln * s, y + math.sin(ang) * ln * s, 2.6 * s,
                              '#9b4fb5' if i < 3 else '#c98ad8'))
        parts.append(f'<circle cx="{num(x)}" cy="{num(y)}" r="{num(1.8 * s)}" fill="#f2c230"/>')
        parts.append(f'<circle cx="{num(x + 0.8 * s)}" cy="{num(y + 0.6 * s)}" r="{num(0.8 * s)}" fill="{RED}"/>')
        return ''.join(parts)

    out += [flower(36, 34, 1.1, 0), flower(24, 56, 0.9, -20), flower(52, 48, 0.85, 25)]
    return ''.join(out)


def chrysanthemum():
    cx, cy = 44, 42
    out = [f'<path fill="none" stroke="{DARK_GREEN}" stroke-width="2.4" stroke-linecap="round" '
           f'd="M{cx},{cy}C46,64 40,84 44,104"/>',
           leaf(44, 74, 18, 66, 7, GREEN), leaf(43, 88, 70, 80, 7, GREEN), leaf(44, 62, 64, 58, 5, GREEN)]
    rings = ((0, 20, 25, '#e39a1e', 0), (1, 16, 18, '#f2c230', 9), (2, 10, 10, '#f7dc6a', 0))
    for ring, count, ln, colour, turn in rings:
        for i in range(count):
            a = math.radians(turn + i * 360 / count)
            out.append(leaf(cx, cy, cx + math.cos(a) * ln, cy + math.sin(a) * ln, 2.4 - ring * 0.4, colour))
    out.append(f'<circle cx="{cx}" cy="{cy}" r="3.5" fill="#c0621a"/>')
    return ''.join(out)


def bamboo_plant():
    out = []
    for x0, x1, w in ((30, 34, 4.2), (52, 50, 3.6)):
        out.append(f'<path fill="none" stroke="{GREEN}" stroke-width="{w}" d="M{x0},106L{x1},12"/>')
        for y in (84, 60, 36):
            x = x0 + (x1 - x0) * (106 - y) / 94
            out.append(f'<path stroke="{DARK_GREEN}" stroke-width="1.4" stroke-linecap="round" '
                       f'd="M{num(x - w / 2 - 0.6)},{y}L{num(x + w / 2 + 0.6)},{y}"/>')
    sprays = ((33, 36, 12, 28), (33, 36, 16, 44), (51, 44, 76, 34), (51, 44, 74, 50), (51, 44, 70, 22),
              (32, 60, 12, 70), (51, 70, 78, 74), (34, 14, 48, 4))
    for i, (x0, y0, x1, y1) in enumerate(sprays):
        out.append(leaf(x0, y0, x1, y1, 3.2, GREEN if i % 2 else DARK_GREEN))
    return ''.join(out)


def spring():
    # A swallow over a blossoming peach twig with young leaves.
    out = [f'<path fill="none" stroke="{BRANCH}" stroke-width="2.8" stroke-linecap="round" '
           'd="M80,104C64,90 52,82 40,78C30,75 20,70 12,62M56,86C60,76 58,68 62,60"/>',
           leaf(40, 78, 36, 92, 3, GREEN), leaf(62, 60, 72, 54, 3, GREEN), leaf(26, 72, 22, 84, 2.6, GREEN),
           blossom(62, 60, 9, '#f08aa0'), blossom(40, 78, 8, '#f08aa0', turn=20),
           blossom(14, 62, 7, '#f08aa0', turn=40),
           f'<path fill="{INK}" d="M52,30C44,20 34,18 24,22C34,24 40,28 44,34C36,38 30,44 26,52C36,46 44,42 50,40'
           'C56,44 62,46 70,44L80,50L76,40C72,36 66,34 60,34C58,30 56,28 52,30Z"/>',
           f'<path fill="{RED}" d="M60,34C62,36 64,38 66,38C62,40 60,38 60,34Z"/>']
    return ''.join(out)


def summer():
    out = [f'<circle cx="66" cy="24" r="10" fill="#e7902a"/>']
    for i in range(12):
        a = math.radians(i * 30)
        out.append(f'<path stroke="#e7902a" stroke-width="1.6" stroke-linecap="round" '
                   f'd="M{pt((66 + math.cos(a) * 13, 24 + math.sin(a) * 13))}L'
                   f'{pt((66 + math.cos(a) * 17, 24 + math.sin(a) * 17))}"/>')
    out.append(f'<path fill="none" stroke="{BLUE}" stroke-width="1.4" stroke-linecap="round" '
               'd="M8,96Q16,92 24,96T40,96T56,96T72,96M14,104Q22,100 30,104T46,104T62,104T78,104"/>')
    out.append(f'<ellipse cx="56" cy="88" rx="20" ry="6" fill="{GREEN}"/><path stroke="{DARK_GREEN}" '
               'stroke-width="1" d="M56,88L40,86M56,88L70,84M56,88L62,93"/>')
    out.append(f'<path fill="none" stroke="{DARK_GREEN}" stroke-width="2" d="M34,90C34,80 32,72 32,64"/>')
    for a, ln, colour in ((-60, 22, '#f19db0'), (-120, 22, '#f19db0'), (-75, 24, '#e4607a'), (-105, 24, '#e4607a'),
                          (-90, 26, '#d94868')):
        ang = math.radians(a)
        out.append(leaf(32, 66, 32 + math.cos(ang) * ln, 66 + math.sin(ang) * ln, 6, colour))
    out.append(f'<path fill="#f2c230" d="M26,64Q32,58 38,64Q32,68 26,64Z"/>')
    return ''.join(out)


def maple(cx, cy, s, colour, turn):
    # Half the outline as (angle, radius) pairs: lobe tips alternate with notches; the other half mirrors it.
    pts = [(-90, 10), (-60, 4), (-35, 9), (-10, 4), (20, 8), (50, 4), (80, 2.4)]
    full = pts + [(180 - a, r) for a, r in reversed(pts[:-1])]
    d = ''
    for i, (a, r) in enumerate(full):
        ang = math.radians(a + turn)
        p = (cx + math.cos(ang) * r * s, cy + math.sin(ang) * r * s)
        d += ('M' if i == 0 else 'L') + pt(p)
    stalk_a = math.radians(90 + turn)
    stalk = f'M{pt((cx, cy))}L{pt((cx + math.cos(stalk_a) * 8 * s, cy + math.sin(stalk_a) * 8 * s))}'
    return (f'<path fill="{colour}" stroke="{colour}" stroke-width="0.8" stroke-linejoin="round" d="{d}Z"/>'
            f'<path fill="none" stroke="{BRANCH}" stroke-width="1" d="{stalk}"/>')


def autumn():
    out = [f'<circle cx="58" cy="30" r="15" fill="#f2d36a"/><circle cx="53" cy="26" r="3" fill="#e6c152"/>'
           f'<circle cx="62" cy="36" r="2" fill="#e6c152"/>',
           f'<path fill="none" stroke="{BRANCH}" stroke-width="2.6" stroke-linecap="round" '
           'd="M8,58C26,62 40,70 50,84C56,92 66,98 80,100M30,64C32,72 30,80 24,86"/>',
           maple(22, 48, 1.1, RED, 0), maple(46, 66, 1.2, '#e06a1e', 25), maple(24, 90, 0.95, '#d89a1e', -20),
           maple(70, 84, 1.15, RED, 40), maple(62, 60, 0.8, '#d89a1e', -35)]
    return ''.join(out)


def snowflake(cx, cy, r, colour):
    d = ''
    for i in range(6):
        a = math.radians(i * 60 - 90)
        c, s = math.cos(a), math.sin(a)
        d += f'M{pt((cx, cy))}L{pt((cx + c * r, cy + s * r))}'
        bx, by = cx + c * r * 0.58, cy + s * r * 0.58
        for sign in (-1, 1):
            b = a + sign * math.radians(45)
            d += f'M{pt((bx, by))}L{pt((bx + math.cos(b) * r * 0.34, by + math.sin(b) * r * 0.34))}'
    return (f'<path fill="none" stroke="{colour}" stroke-width="{num(max(r / 7, 1))}" stroke-linecap="round" '
            f'd="{d}"/>')


def winter():
    out = [f'<path fill="{DARK_GREEN}" d="M30,44L12,76H22L8,96H52L38,76H48Z"/>',
           f'<rect x="27" y="96" width="6" height="9" fill="{BRANCH}"/>',
           f'<path fill="#ffffff" stroke="#b6c8de" stroke-width="0.8" '
           'd="M30,44L24,55C28,53 32,56 36,54ZM17,69C24,66 30,71 42,68L45,73C34,76 26,72 14,74Z'
           'M12,91C24,86 34,92 49,89L52,96H8Z"/>',
           '<path fill="#ffffff" stroke="#b6c8de" stroke-width="0.8" d="M8,104C22,99 50,101 79,103L77,107H10Z"/>',
           snowflake(64, 30, 12, BLUE), snowflake(72, 64, 8, BLUE), snowflake(46, 18, 6, '#5d83c4'),
           snowflake(60, 86, 5, '#5d83c4')]
    return ''.join(out)


def corner_number(n, colour):
    return digit(str(n), 8.5, 7, 8, 12, colour)


# ---------------------------------------------------------------- the table of pictures

def faces(font):
    b = {1: peacock(), **{n: bamboo(n) for n in range(2, 10)}}
    c = {1: pearl(), **{n: circles(n) for n in range(2, 10)}}
    k = {n: characters(font, n) for n in range(1, 10)}
    return {
        'bamboo-carp': b[4], 'bamboo-duck': b[2], 'bamboo-fungus': b[8], 'bamboo-lotus': b[5],
        'bamboo-peacock': b[1], 'bamboo-toad': b[3], 'bamboo-tortoise': b[7], 'bamboo-water': b[6],
        'bamboo-willow': b[9],
        'character-earth': k[3], 'character-fire': k[6], 'character-heaven': k[9], 'character-house': k[5],
        'character-knot': k[8], 'character-lute': k[4], 'character-opendoor': k[1], 'character-sword': k[2],
        'character-thesevenstar': k[7],
        'circle-dragon': c[5], 'circle-insect': c[7], 'circle-jade': c[4], 'circle-peach': c[6],
        'circle-pearl': c[1], 'circle-phoenix': c[3], 'circle-pin': c[2], 'circle-tiger': c[8],
        'circle-unicorn': c[9],
        'dragon-greendragon': big(font, '發', GREEN), 'dragon-reddragon': big(font, '中', RED),
        'dragon-whitedragon': white_dragon(),
        'flower-bamboo': bamboo_plant() + corner_number(4, RED),
        'flower-chrys': chrysanthemum() + corner_number(3, RED),
        'flower-orchid': orchid() + corner_number(2, RED),
        'flower-plum': plum() + corner_number(1, RED),
        'season-autumn': autumn() + corner_number(3, BLUE),
        'season-spring': spring() + corner_number(1, BLUE),
        'season-summer': summer() + corner_number(2, BLUE),
        'season-winter': winter() + corner_number(4, BLUE),
        'wind-east': big(font, '東', INK), 'wind-north': big(font, '北', INK),
        'wind-south': big(font, '南', INK), 'wind-west': big(font, '西', INK),
    }


def group(face):
    """A little wall of face-down tiles with four tiles standing face up in front of it."""
    body = []
    for i in range(5):
        body.append(f'<g transform="translate({num(22 + i * 51)},10) scale(0.6)">{tile_back()}</g>')
    body.append('<ellipse cx="150" cy="190" rx="136" ry="8" fill="#000000" fill-opacity="0.2"/>')
    for i, stem in enumerate(('wind-east', 'dragon-reddragon', 'circle-pearl', 'bamboo-lotus')):
        # The front row leans out a little from its middle, like tiles held in a hand.
        angle = (i - 1.5) * 5
        transform = f'translate({num(48 + i * 68)},{num(140 + abs(i - 1.5) * 3)}) rotate({num(angle)}) ' \
                    'scale(0.86) translate(-45,-60)'
        body.append(f'<g transform="{transform}">{tile_body()}{face[stem]}</g>')
    return svg(300, 200, TILE_DEFS, ''.join(body))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--out', default=here, help='folder to write the pictures to (default: beside this script)')
    parser.add_argument('--font', default=FONT_FILE, help=f'font collection holding {FONT_NAME}')
    args = parser.parse_args()
    face = faces(Typeface(args.font))
    for stem, art in face.items():
        with open(os.path.join(args.out, stem + '.svg'), 'w', encoding='utf-8', newline='\n') as f:
            f.write(svg(90, 120, TILE_DEFS, tile_body() + art))
    with open(os.path.join(args.out, 'group.svg'), 'w', encoding='utf-8', newline='\n') as f:
        f.write(group(face))


if __name__ == '__main__':
    main()
