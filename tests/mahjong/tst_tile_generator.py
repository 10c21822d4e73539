#!/usr/bin/env python3
"""Runs the tile generator into a fresh folder and checks that it gives back every committed picture byte
for byte, so the pictures never drift from their one source."""

import os
import subprocess
import sys
import tempfile


def read(folder, name):
    with open(os.path.join(folder, name), 'rb') as f:
        return f.read()


def svgs(folder):
    return sorted(n for n in os.listdir(folder) if n.endswith('.svg'))


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
