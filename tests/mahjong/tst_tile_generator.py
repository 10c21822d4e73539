#!/usr/bin/env python3
"""Runs the tile generator into a fresh folder and checks that it gives back every committed picture byte
for byte, so the pictures never drift from their one source."""

import os
import subprocess
import sys
import tempfile


def first_difference(a, b):
    i = next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))
    return i, a[max(i - 30, 0):i + 30], b[max(i - 30, 0):i + 30]


def main():
    tiles = os.path.abspath(sys.argv[1])
    generator = os.path.join(tiles, 'draw_tiles.py')
    committed = sorted(n for n in os.listdir(tiles) if n.endswith('.svg'))
    faults = []
    with tempfile.TemporaryDirectory() as out:
        run = subprocess.run([sys.executable, generator, '--out', out], capture_output=True, text=True)
        # A missing font or fontTools is a failure, never a skip: the pictures could not be checked.
        if run.returncode != 0:
            print(f'FAIL: {generator} could not run (exit {run.returncode}):\n{run.stderr}')
            return 1
        made = sorted(n for n in os.listdir(out) if n.endswith('.svg'))
        faults += [f'{n}: committed but no longer made' for n in sorted(set(committed) - set(made))]
        faults += [f'{n}: made but not committed' for n in sorted(set(made) - set(committed))]
        for name in sorted(set(committed) & set(made)):
            with open(os.path.join(tiles, name), 'rb') as f:
                old = f.read()
            with open(os.path.join(out, name), 'rb') as f:
                new = f.read()
            if old != new:
                at, was, now = first_difference(old, new)
                faults.append(f'{name}: differs from byte {at}:\n  committed {was!r}\n  generated {now!r}')
    # Text would need a CJK font wherever the program runs; every character must be outlines.
    for name in committed:
        with open(os.path.join(tiles, name), encoding='utf-8') as f:
            if '<text' in f.read():
                faults.append(f'{name}: holds a <text> element')
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
