#!/usr/bin/env python3
# Every file, function and object docs/architecture.md names in backticks exists in the tree, and a
# function the guide places in a file ("`f()` in `a/b.cpp`", "`f()` (`a/b.h`") is in that file.
import os
import re
import sys

SOURCES = ('platform', 'res', 'video', 'text', 'fx', 'game', 'screens', 'app', 'tools', 'tests',
           'cmake', 'bench', 'fuzz')
CODE = ('.cpp', '.h', '.py', '.sh', '.cmake', '.txt')


def source_text(root):
    parts = []
    for top in SOURCES + ('.',):
        base = os.path.join(root, top)
        if top == '.':
            names = [n for n in os.listdir(root) if n.endswith(CODE) or n == 'Makefile']
            parts += [open(os.path.join(root, n), errors='replace').read() for n in names]
            continue
        for folder, _, files in os.walk(base):
            for f in files:
                if f.endswith(CODE) and not f.startswith('doc_names.'):  # its own plants
                    parts.append(open(os.path.join(folder, f), errors='replace').read())
    return '\n'.join(parts)


def missing_names(root, doc):
    text = source_text(root)
    wrong = []
    for token in sorted(set(re.findall(r'`([^`\n]+)`', open(doc).read()))):
        if ' ' in token or '<' in token or '*' in token or token.endswith('::') or token.startswith(('build', '-')):
            continue  # a command, a pattern, a namespace or something a build writes
        if '/' in token or token.endswith(CODE):
            if not os.path.exists(os.path.join(root, token)):
                wrong.append('no file ' + token)
        elif token.endswith('()'):
            name = token[:-2].split('::')[-1]
            if not re.search(r'\b%s\s*\(' % re.escape(name), text):
                wrong.append('no function ' + token)
        elif re.fullmatch(r'[A-Za-z_][\w-]*', token) and not re.fullmatch(r'[a-z]+', token):
            if not re.search(r'(?<![\w-])%s(?![\w-])' % re.escape(token), text):
                wrong.append('no name ' + token)
    for name, path in re.findall(r'`([\w:~]+)\(\)`\s*(?:in|from|\()\s*`([\w./-]+\.(?:cpp|h))`',
                                 open(doc).read()):
        full = os.path.join(root, path)
        name = name.split('::')[-1]
        if os.path.exists(full) and not re.search(r'\b%s\s*\(' % re.escape(name),
                                                  open(full, errors='replace').read()):
            wrong.append('%s() is not in %s' % (name, path))
    return wrong


def main():
    root = sys.argv[1]
    doc = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, 'docs/architecture.md')
    wrong = missing_names(root, doc)
    for w in wrong:
        print('%s: %s' % (os.path.relpath(doc, root) if doc.startswith(root) else doc, w))
    return 1 if wrong else 0


if __name__ == '__main__':
    sys.exit(main())
