#!/usr/bin/env python3
"""Writes the two Steiner systems with blocks of six that the covering tables start from, and the
coverings of nearby forecast sizes derived from them:

  S(3,6,22): the 77 octads of the extended binary Golay code through two fixed coordinates, with
             those two removed;
  S(3,6,26): the 130 images of the subline PG(1,5) in PG(1,25) under z -> (az+b)/(cz+d).

Each is checked (every triple in exactly one block) before it is written. A covering of v - 1 points
comes from one of v by moving the last point, in the blocks holding it, to a point the block lacks;
the optimiser then starts from it (--inizio) and tries to drop columns; `togli` does this for any
covering file. A covering of more points starts from the design alone: the optimiser completes it
greedily.

A lotto design with guarantee 3 on v numbers also comes from two disjoint forecasts: of any six
numbers drawn, at least three fall in the first n or at least four in the other v - n. So an
(n,6,3) covering beside a design in which every four of the other numbers meet a column in three
(the optimiser's --estratti 4) is a guarantee-3 table of v numbers.

A covering of the triples of v numbers also comes from one of v - 1 numbers: the triples holding
the new number v are covered by v beside the columns of five numbers that cover every pair of the
others. `coppie` searches such a pair covering by annealing; `estendi` adds the new number.

Coverings invariant under a permutation made of equal cycles (and fixed numbers) are searched with
far fewer unknowns: `ciclica` anneals k base columns so that their images under the cycles cover
as many orbits of t-subsets as possible, and writes all the images. Whatever orbits stay uncovered
are completed by the optimiser (--inizio), which then tries to drop columns.

Usage: designs.py <output folder>
       designs.py unisci <first covering> <n> <second covering> <output file>
       designs.py togli <covering of v numbers> <v> <output file>
       designs.py coppie <n> <columns> <seed> <output file>
       designs.py estendi <covering of v - 1 numbers> <v> <pair covering of v - 1> <output file>
       designs.py ciclica <cycles> <length> <fixed> <t> <k> <seed> <moves> <output file>
"""
import itertools
import math
import os
import random
import sys


def golay_octads():
    # Cyclic [23,12] Golay code from g(x) = x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1, extended by
    # a parity bit: the 759 words of weight 8 are the blocks of S(5,8,24).
    g = [1, 0, 1, 0, 1, 1, 1, 0, 0, 0, 1, 1]  # coefficients of x^0 .. x^11
    rows = []
    for shift in range(12):
        word = 0
        for i, c in enumerate(g):
            if c:
                word |= 1 << (i + shift)
        rows.append(word)
    octads = []
    for combo in range(1 << 12):
        word = 0
        for i in range(12):
            if combo >> i & 1:
                word ^= rows[i]
        if bin(word).count('1') % 2:
            word |= 1 << 23
        if bin(word).count('1') == 8:
            octads.append(word)
    assert len(octads) == 759, len(octads)
    return octads


def steiner_22():
    blocks = []
    fixed = (1 << 22) | (1 << 23)
    for word in golay_octads():
        if word & fixed == fixed:
            blocks.append(tuple(i + 1 for i in range(22) if word >> i & 1))
    return sorted(blocks)


class GF25:
    # a + b*s with s^2 = 2 over GF(5) (2 is not a square mod 5)
    @staticmethod
    def mul(x, y):
        a, b = x
        c, d = y
        return ((a * c + 2 * b * d) % 5, (a * d + b * c) % 5)

    @staticmethod
    def add(x, y):
        return ((x[0] + y[0]) % 5, (x[1] + y[1]) % 5)

    @staticmethod
    def inverse(x):
        for a in range(5):
            for b in range(5):
                if GF25.mul(x, (a, b)) == (1, 0):
                    return (a, b)
        raise ZeroDivisionError


def steiner_26():
    elements = [(a, b) for a in range(5) for b in range(5)]
    infinity = 'inf'
    points = elements + [infinity]
    index = {p: i + 1 for i, p in enumerate(points)}
    base = [(a, 0) for a in range(5)] + [infinity]
    zero = (0, 0)

    def image(m, z):
        a, b, c, d = m
        if z == infinity:
            return infinity if c == zero else GF25.mul(a, GF25.inverse(c))
        num = GF25.add(GF25.mul(a, z), b)
        den = GF25.add(GF25.mul(c, z), d)
        if den == zero:
            return infinity
        return GF25.mul(num, GF25.inverse(den))

    blocks = set()
    for a, b, c, d in itertools.product(elements, repeat=4):
        det = GF25.add(GF25.mul(a, d), GF25.mul((4 * b[0] % 5, 4 * b[1] % 5), c))
        if det == zero:
            continue
        blocks.add(tuple(sorted(index[image((a, b, c, d), z)] for z in base)))
    return sorted(blocks)


def check_steiner(blocks, v):
    seen = set()
    for block in blocks:
        assert len(set(block)) == 6 and all(1 <= n <= v for n in block), block
        for triple in itertools.combinations(block, 3):
            assert triple not in seen, triple
            seen.add(triple)
    assert len(seen) == v * (v - 1) * (v - 2) // 6


def drop_last_point(blocks, v):
    # The blocks holding v get, instead, a point they lack: chosen to spread the replacements.
    use = {n: 0 for n in range(1, v)}
    result = set()
    for block in blocks:
        if v in block:
            rest = [n for n in block if n != v]
            free = [n for n in range(1, v) if n not in rest]
            n = min(free, key=lambda x: (use[x], x))
            use[n] += 1
            block = tuple(sorted(rest + [n]))
        result.add(block)
    return sorted(result)


def write(folder, name, blocks):
    with open(os.path.join(folder, name), 'w') as out:
        for block in blocks:
            out.write(' '.join(str(n) for n in block) + '\n')


def pair_covering(n, b, seed, moves=3000000):
    # Annealing on b five-number columns of 0..n-1; the cost is the number of uncovered pairs and a
    # move replaces one number of one column. None when the moves run out first.
    rng = random.Random(seed)
    blocks = [rng.sample(range(n), 5) for _ in range(b)]
    count = [[0] * n for _ in range(n)]
    for block in blocks:
        for a, c in itertools.combinations(block, 2):
            count[a][c] += 1
            count[c][a] += 1
    uncovered = sum(1 for a in range(n) for c in range(a + 1, n) if count[a][c] == 0)
    temperature = 1.0
    for move in range(moves):
        if uncovered == 0:
            return sorted(tuple(sorted(x + 1 for x in block)) for block in blocks)
        block = blocks[rng.randrange(b)]
        k = rng.randrange(5)
        x, y = block[k], rng.randrange(n)
        if y in block:
            continue
        delta = sum((count[x][z] == 1) - (count[y][z] == 0) for z in block if z != x)
        if delta <= 0 or rng.random() < math.exp(-delta / temperature):
            for z in block:
                if z != x:
                    count[x][z] -= 1
                    count[z][x] -= 1
                    count[y][z] += 1
                    count[z][y] += 1
            block[k] = y
            uncovered += delta
        if move % 20000 == 0:
            temperature = max(0.05, temperature * 0.97)
    return None


def cycle_shift(cycles, length):
    # The permutation's d-th power: each cycle of `length` numbers turns by d, the rest stay.
    def shift(numbers, d):
        return tuple(sorted(x if x >= cycles * length else (x // length) * length + (x % length + d) % length
                            for x in numbers))
    return shift


def cyclic_covering(cycles, length, fixed, t, k, seed, moves):
    # Annealing on k base columns of 0..v-1; the cost is the number of orbits of t-subsets that no
    # image of a base column covers. Returns that number and every image of the best base columns.
    v = cycles * length + fixed
    shift = cycle_shift(cycles, length)
    orbit = {}
    orbits = 0
    for subset in itertools.combinations(range(v), t):
        if subset not in orbit:
            for d in range(length):
                orbit[shift(subset, d)] = orbits
            orbits += 1
    rng = random.Random(seed)
    blocks = [sorted(rng.sample(range(v), 6)) for _ in range(k)]
    count = [0] * orbits
    for block in blocks:
        for subset in itertools.combinations(block, t):
            count[orbit[subset]] += 1
    uncovered = sum(1 for c in count if c == 0)
    best, best_blocks = uncovered, [list(b) for b in blocks]
    temperature = 1.0
    for move in range(moves):
        if uncovered == 0:
            break
        block = blocks[rng.randrange(k)]
        j = rng.randrange(6)
        x, y = block[j], rng.randrange(v)
        if y in block:
            continue
        rest = [z for z in block if z != x]
        lost = [orbit[tuple(sorted(c + (x,)))] for c in itertools.combinations(rest, t - 1)]
        gained = [orbit[tuple(sorted(c + (y,)))] for c in itertools.combinations(rest, t - 1)]
        touched = set(lost) | set(gained)
        before = {o: count[o] > 0 for o in touched}
        for o in lost:
            count[o] -= 1
        for o in gained:
            count[o] += 1
        delta = sum(1 for o in touched if before[o] and count[o] == 0) - \
            sum(1 for o in touched if not before[o] and count[o] > 0)
        if delta <= 0 or rng.random() < math.exp(-delta / temperature):
            block[j] = y
            block.sort()
            uncovered += delta
            if uncovered < best:
                best, best_blocks = uncovered, [list(b) for b in blocks]
        else:
            for o in gained:
                count[o] -= 1
            for o in lost:
                count[o] += 1
        if move % 5000 == 0:
            temperature = max(0.02, temperature * 0.98)
    images = {shift(block, d) for block in best_blocks for d in range(length)}
    return best, sorted(tuple(x + 1 for x in block) for block in images)


def read(path):
    with open(path) as f:
        return [tuple(int(x) for x in line.split()) for line in f if line.strip() and not line.startswith('#')]


def join(first, n, second):
    # The second covering's numbers move past the first n.
    return sorted(set(first) | {tuple(x + n for x in block) for block in second})


def main():
    if len(sys.argv) == 10 and sys.argv[1] == 'ciclica':
        cycles, length, fixed, t, k, seed, moves = (int(x) for x in sys.argv[2:9])
        left, blocks = cyclic_covering(cycles, length, fixed, t, k, seed, moves)
        write('.', sys.argv[9], blocks)
        print('orbite scoperte', left, 'colonne', len(blocks))
        return
    if len(sys.argv) == 6 and sys.argv[1] == 'coppie':
        blocks = pair_covering(int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]))
        if blocks is None:
            sys.exit('nessuna copertura trovata con questo seme')
        write('.', sys.argv[5], blocks)
        return
    if len(sys.argv) == 6 and sys.argv[1] == 'estendi':
        v = int(sys.argv[3])
        columns = read(sys.argv[2]) + [tuple(sorted(block + (v,))) for block in read(sys.argv[4])]
        write('.', sys.argv[5], sorted(set(columns)))
        return
    if len(sys.argv) == 5 and sys.argv[1] == 'togli':
        write('.', sys.argv[4], drop_last_point(read(sys.argv[2]), int(sys.argv[3])))
        return
    if len(sys.argv) == 6 and sys.argv[1] == 'unisci':
        write('.', sys.argv[5], join(read(sys.argv[2]), int(sys.argv[3]), read(sys.argv[4])))
        return
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for v, blocks in ((22, steiner_22()), (26, steiner_26())):
        check_steiner(blocks, v)
        write(folder, 'steiner_v%d.txt' % v, blocks)
        smaller = blocks
        for w in range(v - 1, v - 4, -1):
            smaller = drop_last_point(smaller, w + 1)
            write(folder, 'steiner_v%d_from_v%d.txt' % (w, v), smaller)


if __name__ == '__main__':
    main()
