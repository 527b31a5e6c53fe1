#!/usr/bin/env python3
"""The documentation holds together: every link in README.md,
ARCHITECTURE.md and the pages under docs/ leads to a file of the tree (and
to a heading of it, for a link with "#"), every page under docs/ is
reachable from the README by following links, and the README stays a front
door of at most 250 lines.

    check-links.py SOURCE_DIR
"""
import os
import re
import sys
import unicodedata

README_LIMIT = 250
LINK = re.compile(r'!?\[(?:[^\]\[]|\[[^\]]*\])*\]\(\s*<?([^)\s>]+)>?(?:\s+"[^"]*")?\s*\)')
HTML_LINK = re.compile(r'<(?:a|img)\s[^>]*?(?:href|src)="([^"]+)"', re.I)
HEADING = re.compile(r'^(#{1,6})\s+(.*?)\s*#*\s*$')
HTML_ANCHOR = re.compile(r'<a\s[^>]*?(?:name|id)="([^"]+)"', re.I)


def slug(title):
    """The anchor a heading gets, as the common Markdown renderers make it."""
    text = re.sub(r'<[^>]+>', '', title)
    text = re.sub(r'\[([^\]]*)\]\([^)]*\)', r'\1', text)  # a link in a heading keeps its text
    text = text.strip().lower()
    text = ''.join(c for c in text if c in '-_ ' or unicodedata.category(c)[0] in 'LNM')
    return text.replace(' ', '-')


def prose_lines(text):
    """The lines outside fenced code, with inline code blanked out."""
    fence = None
    for number, line in enumerate(text.split('\n'), 1):
        stripped = line.lstrip()
        marker = re.match(r'(```+|~~~+)', stripped)
        if marker:
            if fence is None:
                fence = marker.group(1)
            elif stripped.startswith(fence):
                fence = None
            continue
        if fence is None:
            yield number, re.sub(r'`+[^`]*`+', '', line)


def anchors(path):
    found, seen = set(), {}
    with open(path, encoding='utf-8') as page:
        for _, line in prose_lines(page.read()):
            m = HEADING.match(line)
            if m:
                base = slug(m.group(2))
                count = seen.get(base, 0)
                seen[base] = count + 1
                found.add(base if count == 0 else f'{base}-{count}')
            found.update(HTML_ANCHOR.findall(line))
    return found


def pages(root):
    found = [p for p in ('README.md', 'ARCHITECTURE.md') if os.path.exists(os.path.join(root, p))]
    for top, dirs, files in os.walk(os.path.join(root, 'docs')):
        dirs.sort()
        found += sorted(os.path.relpath(os.path.join(top, f), root) for f in files if f.endswith('.md'))
    return found


def check(root):
    failures, links_of, count = [], {}, 0
    cache = {}
    for page in pages(root):
        links_of[page] = set()
        with open(os.path.join(root, page), encoding='utf-8') as text:
            lines = list(prose_lines(text.read()))
        for number, line in lines:
            for target in LINK.findall(line) + HTML_LINK.findall(line):
                if re.match(r'^[a-z][a-z0-9+.-]*:', target, re.I):
                    continue  # http:, https:, mailto:, man: ...
                count += 1
                file_part, _, anchor = target.partition('#')
                where = f'{page}:{number}'
                if file_part:
                    resolved = os.path.normpath(os.path.join(os.path.dirname(page), file_part))
                    if resolved.startswith('..') or not os.path.exists(os.path.join(root, resolved)):
                        failures.append(f'{where}: {target}: no such file')
                        continue
                else:
                    resolved = page
                if resolved.endswith('.md'):
                    links_of[page].add(resolved)
                    if anchor:
                        if resolved not in cache:
                            cache[resolved] = anchors(os.path.join(root, resolved))
                        if anchor not in cache[resolved]:
                            failures.append(f'{where}: {target}: {resolved} has no heading "#{anchor}"')
    if 'README.md' not in links_of:
        failures.append('README.md is missing')
    else:
        reached, todo = {'README.md'}, ['README.md']
        while todo:
            for target in links_of.get(todo.pop(), ()):
                if target not in reached:
                    reached.add(target)
                    todo.append(target)
        for page in links_of:
            if page not in reached:
                failures.append(f'{page}: no link leads here from README.md')
        with open(os.path.join(root, 'README.md'), encoding='utf-8') as text:
            length = text.read().count('\n')
        if length > README_LIMIT:
            failures.append(f'README.md: {length} lines, past {README_LIMIT}: it is the front '
                            'door; move the details into a page under docs/ and link it')
    if failures:
        print('\n'.join(failures), file=sys.stderr)
        return 1
    print(f'{len(links_of)} pages, {count} links, each page reachable from README.md')
    return 0


if __name__ == '__main__':
    if len(sys.argv) != 2:
        raise SystemExit('usage: check-links.py SOURCE_DIR')
    sys.exit(check(sys.argv[1]))
