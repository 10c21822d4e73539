#!/usr/bin/env python3
"""Runs the tile generator into a fresh folder and checks that it gives back every committed picture byte
for byte, so the pictures never drift from their one source; and that every tile's drawing stays on its face."""

import math
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SVG = '{http://www.w3.org/2000/svg}'
# Far below what the eye sees at 2x, yet above the rounding of the committed coordinates.
SLACK = 0.05


def read(folder, name):
    with open(os.path.join(folder, name), 'rb') as f:
        return f.read()


def svgs(folder):
    return sorted(n for n in os.listdir(folder) if n.endswith('.svg'))


def multiply(m, n):
    a, b, c, d, e, f = m
    p, q, r, s, t, u = n
    return (a * p + c * q, b * p + d * q, a * r + c * s, b * r + d * s, a * t + c * u + e, b * t + d * u + f)


def parse_transform(text):
    m = (1, 0, 0, 1, 0, 0)
    for name, args in re.findall(r'(\w+)\s*\(([^)]*)\)', text or ''):
        v = [float(x) for x in re.split(r'[\s,]+', args.strip())]
        if name == 'translate':
            n = (1, 0, 0, 1, v[0], v[1] if len(v) > 1 else 0)
        elif name == 'scale':
            n = (v[0], 0, 0, v[1] if len(v) > 1 else v[0], 0, 0)
        elif name == 'rotate':
            a = math.radians(v[0])
            n = (math.cos(a), math.sin(a), -math.sin(a), math.cos(a), 0, 0)
            if len(v) == 3:
                n = multiply(multiply((1, 0, 0, 1, v[1], v[2]), n), (1, 0, 0, 1, -v[1], -v[2]))
        elif name == 'matrix':
            n = tuple(v)
        else:
            raise ValueError(f'cannot measure transform {name}')
        m = multiply(m, n)
    return m


def bezier(points, steps=16):
    """Points along a quadratic or cubic curve given its control points."""
    out = []
    for i in range(1, steps + 1):
        t = i / steps
        ps = list(points)
        while len(ps) > 1:
            ps = [(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t) for (x0, y0), (x1, y1) in zip(ps, ps[1:])]
        out.append(ps[0])
    return out


def path_points(d):
    """Points along path data: every segment end, and curves sampled along their length."""
    tokens = re.findall(r'[A-Za-z]|[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?', d)
    counts = {'M': 2, 'L': 2, 'H': 1, 'V': 1, 'C': 6, 'S': 4, 'Q': 4, 'T': 2, 'Z': 0}
    points, cur, start, last_ctrl, cmd, i = [], (0.0, 0.0), (0.0, 0.0), None, None, 0
    while i < len(tokens):
        if tokens[i].isalpha():
            cmd = tokens[i]
            i += 1
        up = cmd.upper()
        if up not in counts:
            raise ValueError(f'cannot measure path command {cmd}')
        v = [float(x) for x in tokens[i:i + counts[up]]]
        i += counts[up]
        rel = cmd.islower() and up not in 'HVZ'
        pts = [(cur[0] + v[k], cur[1] + v[k + 1]) if rel else (v[k], v[k + 1]) for k in range(0, len(v) - 1, 2)]
        ctrl = None
        if up == 'Z':
            cur = start
        elif up in 'ML':
            cur = pts[0]
            if up == 'M':
                start = cur
                cmd = 'l' if cmd == 'm' else 'L'
        elif up == 'H':
            cur = (v[0] + (cur[0] if cmd == 'h' else 0), cur[1])
        elif up == 'V':
            cur = (cur[0], v[0] + (cur[1] if cmd == 'v' else 0))
        else:
            if up in 'ST':
                mirror = (2 * cur[0] - last_ctrl[0], 2 * cur[1] - last_ctrl[1]) if last_ctrl else cur
                pts = [mirror] + pts
            points += bezier([cur] + pts)
            ctrl, cur = pts[-2], pts[-1]
        last_ctrl = ctrl
        points.append(cur)
    return points


def outline(element):
    """Points on the outline of one shape, in its own coordinates."""
    tag = element.tag[len(SVG):]
    get = lambda name, default=0.0: float(element.get(name, default))
    if tag == 'path':
        return path_points(element.get('d'))
    if tag in ('circle', 'ellipse'):
        rx, ry = (get('r'), get('r')) if tag == 'circle' else (get('rx'), get('ry'))
        return [(get('cx') + rx * math.cos(math.radians(a)), get('cy') + ry * math.sin(math.radians(a)))
                for a in range(0, 360, 2)]
    if tag == 'rect':
        x, y, w, h = get('x'), get('y'), get('width'), get('height')
        return [(x, y), (x + w, y), (x, y + h), (x + w, y + h)]
    raise ValueError(f'cannot measure <{tag}>')


def past_face(root):
    """How far the tile's drawing reaches past the edge of its face, and where; None when it stays on it."""
    shapes = [e for e in root if e.tag != SVG + 'defs']
    if len(shapes) < 3 or shapes[2].get('fill') != 'url(#face)':
        raise ValueError('the face is not the third shape')
    face = shapes[2]
    x0, y0 = float(face.get('x')), float(face.get('y'))
    x1, y1 = x0 + float(face.get('width')), y0 + float(face.get('height'))
    corner = float(face.get('rx', 0))
    worst = None

    def reach(p, margin):
        # Distance from the face's rounded outline, inflated by the stroke, to the point; positive is outside.
        qx = max(x0 + corner - p[0], 0, p[0] - x1 + corner)
        qy = max(y0 + corner - p[1], 0, p[1] - y1 + corner)
        if qx > 0 and qy > 0:
            return math.hypot(qx, qy) - corner + margin
        return max(x0 - p[0], p[0] - x1, y0 - p[1], p[1] - y1) + margin

    def walk(element, m, stroke, width):
        nonlocal worst
        m = multiply(m, parse_transform(element.get('transform')))
        stroke = element.get('stroke', stroke)
        width = float(element.get('stroke-width', width))
        if element.tag == SVG + 'g':
            for child in element:
                walk(child, m, stroke, width)
            return
        a, b, c, d, e, f = m
        margin = width / 2 * math.sqrt(max(a * a + b * b, c * c + d * d)) if stroke not in (None, 'none') else 0
        for x, y in outline(element):
            p = (a * x + c * y + e, b * x + d * y + f)
            over = reach(p, margin)
            if worst is None or over > worst[0]:
                worst = (over, p)

    for shape in shapes[3:]:
        walk(shape, (1, 0, 0, 1, 0, 0), None, 1.0)
    return worst if worst and worst[0] > SLACK else None


def main():
    tiles = os.path.abspath(sys.argv[1])
    generator = os.path.join(tiles, 'draw_tiles.py')
    committed = svgs(tiles)
    faults = []
    with tempfile.TemporaryDirectory() as out:
        run = subprocess.run([sys.executable, generator, '--out', out], capture_output=True, text=True)
        # A missing font or fontTools is a failure, never a skip: the pictures could not be checked.
        if run.returncode != 0:
            print(f'FAIL: {generator} could not run (exit {run.returncode}):\n{run.stderr}')
            return 1
        made = svgs(out)
        faults += [f'{n}: committed but no longer made' for n in sorted(set(committed) - set(made))]
        faults += [f'{n}: made but not committed' for n in sorted(set(made) - set(committed))]
        for name in sorted(set(committed) & set(made)):
            old, new = read(tiles, name), read(out, name)
            if old != new:
                at = next((i for i, (x, y) in enumerate(zip(old, new)) if x != y), min(len(old), len(new)))
                was, now = old[max(at - 30, 0):at + 30], new[max(at - 30, 0):at + 30]
                faults.append(f'{name}: differs from byte {at}:\n  committed {was!r}\n  generated {now!r}')
    # Text would need a CJK font wherever the program runs; every character must be outlines.
    faults += [f'{n}: holds a <text> element' for n in committed if '<text' in read(tiles, n).decode('utf-8')]
    # A drawing that spills past the face lands on the tile's side, where it looks like a misprint.
    for name in committed:
        if name == 'group.svg':
            continue
        try:
            over = past_face(ET.fromstring(read(tiles, name)))
        except ValueError as error:
            faults.append(f'{name}: {error}')
            continue
        if over:
            faults.append(f'{name}: the drawing reaches {over[0]:.1f} units past the face, '
                          f'at ({over[1][0]:.1f}, {over[1][1]:.1f})')
    if run.stderr:
        print(run.stderr, end='')
    for fault in faults:
        print('FAIL:', fault)
    if faults:
        print(f'Run {generator} and commit its pictures, or fix it until it makes them again.')
        return 1
    print(f'{len(committed)} pictures made again, all identical')
    return 0


if __name__ == '__main__':
    sys.exit(main())
