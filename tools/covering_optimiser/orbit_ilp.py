#!/usr/bin/env python3
"""Finds the smallest (v,6,t) covering that a small group maps onto itself, by integer programming.

The group acts on 1..v as a union of coset actions: `A5 Z2,Z2 0` is the alternating group on five
letters acting on the 30 cosets of a subgroup of order 2 twice over (60 numbers), with no number
left fixed. Numbers are laid out orbit after orbit, the fixed ones last. Under the group the
t-subsets and the columns fall into orbits; the program asks for the set of column orbits that
covers every t-subset orbit with the fewest columns, a set-cover problem small enough for the
integer-programming solver `cbc` (Debian package coinor-cbc), which the build never needs.

Usage: orbit_ilp.py <v> <t> <seconds> <group> <subgroups> <fixed> <output file>
       group: A5 or S5; subgroups: comma-separated names from GROUPS below.
The covering is checked exhaustively before it is written; the last line printed says its size and
whether the solver proved it the smallest under that group.
"""
import itertools
import math
import os
import re
import subprocess
import sys
import tempfile

# Each group: its letters, its generators and named subgroups (generators), all as cycles.
GROUPS = {
    'A5': (5, ['(1 2 3)', '(1 2 3 4 5)'], {
        'A4': ['(1 2 3)', '(1 2)(3 4)'], 'D5': ['(1 2 3 4 5)', '(2 5)(3 4)'],
        'S3': ['(1 2 3)', '(1 2)(4 5)'], 'Z5': ['(1 2 3 4 5)'], 'V4': ['(1 2)(3 4)', '(1 3)(2 4)'],
        'Z3': ['(1 2 3)'], 'Z2': ['(1 2)(3 4)'], '1': []}),
    'S5': (5, ['(1 2)', '(1 2 3 4 5)'], {
        'A5': ['(1 2 3)', '(1 2 3 4 5)'], 'S4': ['(1 2 3 4)', '(1 2)'],
        'F20': ['(1 2 3 4 5)', '(2 3 5 4)'], 'A4': ['(1 2 3)', '(1 2)(3 4)'],
        'D5': ['(1 2 3 4 5)', '(2 5)(3 4)'], 'S3xS2': ['(1 2 3)', '(1 2)', '(4 5)'],
        'S3': ['(1 2 3)', '(1 2)'], 'S3b': ['(1 2 3)', '(1 2)(4 5)'], 'Z6': ['(1 2 3)(4 5)'],
        'D4': ['(1 2 3 4)', '(1 3)'], 'Z5': ['(1 2 3 4 5)'], 'Z4': ['(1 2 3 4)'],
        'V4': ['(1 2)(3 4)', '(1 3)(2 4)'], 'V4b': ['(1 2)', '(3 4)'], 'Z3': ['(1 2 3)'],
        'Z2': ['(1 2)'], 'Z2b': ['(1 2)(3 4)'], '1': []}),
}


def parse_cycles(text, n):
    perm = list(range(n))
    for cycle in re.findall(r'\(([^)]*)\)', text):
        points = [int(x) - 1 for x in cycle.split()]
        for i, x in enumerate(points):
            perm[x] = points[(i + 1) % len(points)]
    return tuple(perm)


def then(x, g):
    """x followed by g."""
    return tuple(g[i] for i in x)


def reach(start, generators, apply):
    """Everything that the generators carry start to, start included."""
    seen, stack = {start}, [start]
    while stack:
        x = stack.pop()
        for g in generators:
            y = apply(x, g)
            if y not in seen:
                seen.add(y)
                stack.append(y)
    return seen


def closure(generators, n):
    return reach(tuple(range(n)), generators, then)


def action(group, subgroups, fixed):
    """The generators of the group as permutations of 0..v-1."""
    n, generators, table = GROUPS[group]
    gens = [parse_cycles(s, n) for s in generators]
    elements = sorted(closure(gens, n))
    images = [[] for _ in gens]
    offset = 0
    for name in subgroups:
        h = closure([parse_cycles(s, n) for s in table[name]], n)
        cosets, where = [], {}
        for g in elements:
            if g in where:
                continue
            coset = [then(x, g) for x in h]
            for y in coset:
                where[y] = len(cosets)
            cosets.append(coset[0])
        for k, s in enumerate(gens):
            images[k] += [offset + where[then(r, s)] for r in cosets]
        offset += len(cosets)
    return [p + list(range(offset, offset + fixed)) for p in images], offset + fixed


def mask_image(mask, perm):
    image = 0
    while mask:
        low = mask & -mask
        image |= 1 << perm[low.bit_length() - 1]
        mask ^= low
    return image


def orbits(v, k, perms):
    """Orbit number of every k-subset (as a bit mask), a representative and the size of each orbit."""
    number, representatives, sizes = {}, [], []
    for subset in itertools.combinations(range(v), k):
        mask = sum(1 << x for x in subset)
        if mask in number:
            continue
        members = reach(mask, perms, mask_image)
        for m in members:
            number[m] = len(representatives)
        representatives.append(subset)
        sizes.append(len(members))
    return number, representatives, sizes


def orbit_of(subset, perms):
    return sorted(reach(sum(1 << x for x in subset), perms, mask_image))


def solve(v, t, seconds, perms):
    item_number, items, _ = orbits(v, t, perms)
    _, columns, sizes = orbits(v, 6, perms)
    rows = [[] for _ in items]
    for j, column in enumerate(columns):
        covered = {item_number[sum(1 << x for x in u)] for u in itertools.combinations(column, t)}
        for i in covered:
            rows[i].append(j)
    with tempfile.TemporaryDirectory() as folder:
        model = os.path.join(folder, 'model.lp')
        solution = os.path.join(folder, 'model.sol')
        with open(model, 'w') as f:
            f.write('Minimize\n obj: ' + ' + '.join('%d x%d' % (s, j) for j, s in enumerate(sizes)))
            f.write('\nSubject To\n')
            for i, row in enumerate(rows):
                f.write(' r%d: %s >= 1\n' % (i, ' + '.join('x%d' % j for j in row)))
            f.write('Binary\n' + '\n'.join(' x%d' % j for j in range(len(columns))) + '\nEnd\n')
        subprocess.run(['cbc', model, 'sec', str(seconds), 'threads', '1', 'solve', 'solu', solution],
                       stdout=subprocess.DEVNULL, check=True)
        with open(solution) as f:
            status = f.readline().strip()
            chosen = [int(fields[1][1:]) for fields in (line.split() for line in f)
                      if len(fields) >= 3 and fields[1].startswith('x') and float(fields[2]) > 0.5]
    blocks = []
    for j in chosen:
        blocks += orbit_of(columns[j], perms)
    return [tuple(x + 1 for x in range(v) if m >> x & 1) for m in blocks], status.startswith('Optimal')


def covers(blocks, v, t):
    covered = set()
    for b in blocks:
        covered.update(itertools.combinations(b, t))
    return len(covered) == math.comb(v, t)


def main():
    if len(sys.argv) != 8 or sys.argv[4] not in GROUPS:
        sys.exit(__doc__)
    v, t, seconds = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
    group, fixed, output = sys.argv[4], int(sys.argv[6]), sys.argv[7]
    subgroups = [s for s in sys.argv[5].split(',') if s]
    if any(s not in GROUPS[group][2] for s in subgroups):
        sys.exit('sottogruppo sconosciuto: ' + sys.argv[5])
    perms, degree = action(group, subgroups, fixed)
    if degree != v:
        sys.exit('il gruppo agisce su %d numeri, non su %d' % (degree, v))
    blocks, optimal = solve(v, t, seconds, perms)
    if not covers(blocks, v, t):
        sys.exit('la soluzione non copre tutti i %d-insiemi' % t)
    with open(output, 'w') as f:
        f.write(''.join(' '.join(map(str, b)) + '\n' for b in blocks))
    print('orto v=%d t=%d size %d %s' % (v, t, len(blocks), 'optimal' if optimal else 'stopped'))


if __name__ == '__main__':
    main()
