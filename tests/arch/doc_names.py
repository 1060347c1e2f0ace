#!/usr/bin/env python3
"""Every name docs/architecture.md gives in backticks is in the tree.

  doc_names.py [DOC [SOURCE_DIR]]

A name with a slash is a path from the top of the tree (a folder when it ends in one); a name
ending in "()" is a function, which some source file must define (a line that starts unindented
and names it before its parameters); a file name with a source extension must exist somewhere in
the tree; script_NAME is the CTest check of a tests/FOLDER/NAME.sh; any other single word (a variable, a type, a state name, a target) must appear as a
word in the sources or the build files. Names with spaces or placeholders are prose and left out.
Prints each missing name with its line and exits 1 when there is any.
"""
import os
import re
import sys

TICKED = re.compile(r"`([^`\n]+)`")
SOURCE_EXT = (".cpp", ".h", ".py", ".sh", ".md", ".cmake", ".txt", ".js", ".html")
SKIP_DIRS = {".git", "build", "build-asan", "build-web", "build-bench", "build-fuzz"}


def tree_files(root):
    for dirpath, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if d not in SKIP_DIRS and not d.startswith("build")]
        for name in files:
            yield os.path.join(dirpath, name)


def base_is_check(path):
    return os.path.basename(path) in ("doc_names.py", "doc_names.sh")


def load_sources(root, doc):
    texts = []
    names = set()
    for path in tree_files(root):
        names.add(os.path.basename(path))
        # Neither the page nor this check (whose script plants wrong names) vouches for a name.
        if os.path.abspath(path) == os.path.abspath(doc) or base_is_check(path):
            continue
        base = os.path.basename(path)
        if base.endswith(SOURCE_EXT) or base in ("Makefile", "CMakeLists.txt"):
            with open(path, encoding="utf-8", errors="replace") as f:
                texts.append((path, f.read()))
    return texts, names


def defines(texts, function):
    pattern = re.compile(r"^[A-Za-z_].*\b%s\s*\(" % re.escape(function), re.M)
    code = (".cpp", ".h", ".py")
    return any(path.endswith(code) and pattern.search(text) for path, text in texts)


def appears(texts, word):
    pattern = re.compile(r"(?<![\w-])%s(?![\w-])" % re.escape(word))
    return any(pattern.search(text) for _, text in texts)


def check(doc, root):
    texts, names = load_sources(root, doc)
    problems = []
    with open(doc, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for number, line in enumerate(lines, 1):
        for name in TICKED.findall(line):
            if " " in name or "<" in name or "*" in name or "..." in name:
                continue
            if "/" in name:
                target = os.path.join(root, name)
                ok = os.path.isdir(target) if name.endswith("/") else os.path.exists(target)
                what = "path"
            elif name.endswith("()"):
                # A member or a qualified name: the function's own name is what is defined.
                function = re.split(r"::|\.", name[:-2])[-1]
                ok = defines(texts, function)
                what = "function"
            elif name.endswith(SOURCE_EXT):
                # A file name, or the ending files of one kind share ("_web.cpp").
                ok = name in names or (name[0] in "_." and any(n.endswith(name) for n in names))
                what = "file"
            elif name.startswith("script_"):
                # CTest names each tests/FOLDER/NAME.sh script_NAME.
                ok = any(n == name[len("script_"):] + ".sh" for n in names)
                what = "check"
            else:
                word = name.rstrip(":")
                parts = [p for p in re.split(r"::|\.", word) if p]
                ok = all(appears(texts, p) for p in parts)
                what = "name"
            if not ok:
                problems.append("%s:%d: %s `%s` is not in the tree" % (doc, number, what, name))
    return problems


def main(argv):
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    doc = argv[1] if len(argv) > 1 else os.path.join(root, "docs", "architecture.md")
    if len(argv) > 2:
        root = argv[2]
    problems = check(doc, root)
    for p in problems:
        print(p)
    if problems:
        return 1
    print("every name in %s is in the tree" % os.path.basename(doc))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
