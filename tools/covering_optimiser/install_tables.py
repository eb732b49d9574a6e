#!/usr/bin/env python3
"""Keeps the smallest covering of each table: reads the result lines of run_jobs.sh (kind v t size
seed seconds file greedy) from one or more scratch folders, compares them with the tables already
listed in the manifest, copies each better file into the coverings folder and rewrites the manifest.

Usage: install_tables.py <coverings folder> <scratch folder>...
"""
import os
import sys
import tempfile


def read_manifest(path):
    rows = {}
    if not os.path.exists(path):
        return rows
    with open(path) as f:
        for line in f:
            fields = line.split()
            if not fields or fields[0].startswith('#') or len(fields) != 7:
                continue
            kind, v, t, size, seed, seconds, name = fields
            rows[(kind, int(v), int(t))] = (int(size), int(seed), int(seconds), name)
    return rows


def count_columns(path):
    with open(path) as f:
        return sum(1 for line in f if line.strip() and not line.startswith('#'))


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    target = sys.argv[1]
    manifest = os.path.join(target, 'manifest.txt')
    rows = read_manifest(manifest)
    for scratch in sys.argv[2:]:
        results = os.path.join(scratch, 'results.txt')
        if not os.path.exists(results):
            continue
        with open(results) as f:
            for line in f:
                fields = line.split()
                if len(fields) < 7:
                    continue
                kind, v, t, size, seed, seconds, name = fields[:7]
                key = (kind, int(v), int(t))
                source = os.path.join(scratch, name)
                if not os.path.exists(source) or count_columns(source) != int(size):
                    continue
                if key in rows and rows[key][0] <= int(size):
                    continue
                final = '%s_v%d_t%d.txt' % key
                with open(source) as src:
                    text = src.read()
                fd, temporary = tempfile.mkstemp(dir=target)
                with os.fdopen(fd, 'w') as out:
                    out.write(text)
                os.chmod(temporary, 0o644)
                os.replace(temporary, os.path.join(target, final))
                rows[key] = (int(size), int(seed), int(float(seconds)), final)
    lines = ['# kind v t size seed seconds file',
             '# seed 0 and 0 seconds: built by designs.py (a Steiner system, or a split lotto design: parts/README.md)']
    for key in sorted(rows, key=lambda k: (k[0] != 'orto', k[2], k[1])):
        size, seed, seconds, name = rows[key]
        lines.append('%s %d %d %d %d %d %s' % (key + (size, seed, seconds, name)))
    fd, temporary = tempfile.mkstemp(dir=target)
    with os.fdopen(fd, 'w') as out:
        out.write('\n'.join(lines) + '\n')
    os.chmod(temporary, 0o644)
    os.replace(temporary, manifest)


if __name__ == '__main__':
    main()
