#!/usr/bin/env python3
"""No source file past 800 lines, no header past 400, but for the files the
list of long files names with their reason.

    file-sizes.py SOURCE_DIR LONG_FILES_LIST

The list holds one file a line: its path, then " # " and why it is long.
A listed file that has come under its limit is only noted.
"""
import os
import sys

LIMITS = {'.cpp': 800, '.h': 400}
SKIP = {'node_modules', '.git'}
# reference files and golden texts, pages and catalogues: no sources
SKIP_PATHS = {'tests/data', 'docs', 'translations'}


def main(root, listed_path):
    listed = {}
    with open(listed_path, encoding='utf-8') as text:
        for number, line in enumerate(text, 1):
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            path, sep, reason = line.partition(' # ')
            if not sep or not reason.strip():
                raise SystemExit(f'{listed_path}:{number}: "PATH # reason" expected')
            listed[path.strip()] = reason.strip()
    failures, seen, counted = [], set(), 0
    for top, dirs, files in os.walk(root):
        rel = os.path.relpath(top, root)
        dirs[:] = sorted(d for d in dirs if d not in SKIP and not d.startswith('build')
                         and os.path.normpath(os.path.join(rel, d)) not in SKIP_PATHS)
        for name in sorted(files):
            limit = LIMITS.get(os.path.splitext(name)[1])
            if limit is None:
                continue
            path = os.path.normpath(os.path.join(rel, name))
            with open(os.path.join(top, name), 'rb') as source:
                lines = source.read().count(b'\n')
            counted += 1
            if lines > limit:
                if path in listed:
                    seen.add(path)
                else:
                    failures.append(f'{path}: {lines} lines, over {limit}: split it along its seams '
                                    f'(or, for one table of data, list it in {listed_path} with the reason)')
    for path in sorted(set(listed) - seen):
        print(f'note: {path} is no longer over its limit (or gone): take it out of the list')
    if counted == 0:
        print(f'file-sizes: no sources under {root}', file=sys.stderr)
        return 1
    if failures:
        print('\n'.join(failures), file=sys.stderr)
        return 1
    print(f'{counted} sources, none over its limit but the {len(seen)} listed')
    return 0


if __name__ == '__main__':
    if len(sys.argv) != 3:
        raise SystemExit('usage: file-sizes.py SOURCE_DIR LONG_FILES_LIST')
    sys.exit(main(sys.argv[1], sys.argv[2]))
