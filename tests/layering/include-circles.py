#!/usr/bin/env python3
"""Looks for circles in what the sources include.

A unit is a header with its source file (tpaidtablesdoc.h and .cpp); a
folder is the folder a unit lies in (poslib/report, views, web ...).
Fails when

- two folders include each other, directly or round a longer circle
  (a program's main.cpp stands above every folder and is left out), or
- units include each other in a circle that the list of known circles
  does not hold (a known circle that shrank is fine).

    include-circles.py SOURCE_DIR KNOWN_CIRCLES_FILE

The known circles file holds one circle a line, its units separated by
blanks, then " # " and the reason it stays for now.
"""
import os
import re
import sys

FOLDERS = ['libs', 'poslib', 'buildinfo', 'demo', 'chain', 'charts', 'export', 'mail', 'views',
           'module', 'widgets', 'host', 'app', 'web']
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def sources(root):
    found = []
    for top in FOLDERS:
        for path, dirs, files in os.walk(os.path.join(root, top)):
            dirs[:] = sorted(d for d in dirs if d != 'node_modules')
            for name in sorted(files):
                if name.endswith(('.h', '.cpp')):
                    found.append(os.path.relpath(os.path.join(path, name), root))
    return found


def unit_of(path):
    return os.path.splitext(path)[0]


def include_edges(root, files):
    """unit -> set of units it includes; an include is looked up beside the
    file first, then by its name anywhere when that name is unique."""
    known = set(files)
    by_name = {}
    for f in files:
        by_name.setdefault(os.path.basename(f), []).append(f)
    edges = {}
    for f in files:
        with open(os.path.join(root, f), encoding='utf-8', errors='replace') as text:
            for line in text:
                m = INCLUDE.match(line)
                if not m:
                    continue
                beside = os.path.normpath(os.path.join(os.path.dirname(f), m.group(1)))
                if beside in known:
                    target = beside
                elif len(by_name.get(os.path.basename(m.group(1)), [])) == 1:
                    target = by_name[os.path.basename(m.group(1))][0]
                else:
                    continue  # generated or outside headers
                a, b = unit_of(f), unit_of(target)
                if a != b:
                    edges.setdefault(a, set()).add(b)
    return edges


def circles(edges):
    """The strongly connected parts of more than one node (Tarjan, iterative)."""
    nodes = sorted(set(edges) | {b for bs in edges.values() for b in bs})
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = 0
    for start in nodes:
        if start in index:
            continue
        work = [(start, iter(sorted(edges.get(start, ()))))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, children = work[-1]
            advanced = False
            for child in children:
                if child not in index:
                    index[child] = low[child] = counter
                    counter += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(edges.get(child, ())))))
                    advanced = True
                    break
                if child in on_stack:
                    low[node] = min(low[node], index[child])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                part = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    part.append(member)
                    if member == node:
                        break
                if len(part) > 1:
                    found.append(sorted(part))
    return sorted(found)


def read_known(path):
    known = []
    with open(path, encoding='utf-8') as text:
        for number, line in enumerate(text, 1):
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            units, sep, reason = line.partition(' # ')
            if not sep or not reason.strip() or len(units.split()) < 2:
                raise SystemExit(f'{path}:{number}: a circle needs two units or more, " # " and its reason')
            known.append(set(units.split()))
    return known


def check(root, known_path):
    files = sources(root)
    if not files:
        print(f'include-circles: no sources found under {root}', file=sys.stderr)
        return 1
    edges = include_edges(root, files)
    known = read_known(known_path)
    failures = []

    folder_edges = {}
    for a, bs in edges.items():
        if os.path.basename(a) == 'main':
            continue
        for b in bs:
            fa, fb = os.path.dirname(a), os.path.dirname(b)
            if fa != fb:
                folder_edges.setdefault(fa, set()).add(fb)
    for part in circles(folder_edges):
        through = []
        for a in part:
            for b in sorted(folder_edges.get(a, ())):
                if b in part:
                    pairs = sorted(f'{u} -> {t}' for u in edges if os.path.dirname(u) == a
                                   for t in edges[u] if os.path.dirname(t) == b)
                    through.append(pairs[0] + (f' (and {len(pairs) - 1} more)' if len(pairs) > 1 else ''))
        failures.append('folders include each other: ' + ', '.join(part) + '\n    ' +
                        '\n    '.join(through))

    unit_circles = circles(edges)
    for part in unit_circles:
        if not any(set(part) <= circle for circle in known):
            failures.append('units include each other in a new circle: ' + ' '.join(part))
    for circle in known:
        if not any(set(part) & circle for part in unit_circles):
            print('note: a known circle is gone, take it out of the list: ' + ' '.join(sorted(circle)))

    if failures:
        print('\n'.join(failures), file=sys.stderr)
        print('Break a circle with a small interface the one side implements and the other '
              'uses, or move what both need into a unit of its own.', file=sys.stderr)
        return 1
    print(f'{len(files)} sources in {len(set(os.path.dirname(f) for f in files))} folders: '
          f'no circle between folders, {len(unit_circles)} known circles between units')
    return 0


if __name__ == '__main__':
    if len(sys.argv) != 3:
        raise SystemExit('usage: include-circles.py SOURCE_DIR KNOWN_CIRCLES_FILE')
    sys.exit(check(sys.argv[1], sys.argv[2]))
