#!/usr/bin/env python3
"""The layers' direction in the built objects: no layer uses a function or global defined above it.

  calls.py OBJECT_DIR [SOURCE_DIR]

OBJECT_DIR holds the game library's objects by folder (platform/*.o, res/*.o, ...). Every symbol
an object of one layer needs is looked up among the symbols the objects define; one defined in a
higher layer is a use upwards, which the include check cannot see when a file declares the
function or the global itself. A global belongs to the layer that defines it, except the global
objects of app/globals.cpp (defined together for their construction order), which belong to the
layer whose header declares them (SOURCE_DIR, by default the tree this script is in).
"""
import os
import re
import subprocess
import sys

LAYERS = ["platform", "res", "video", "text", "fx", "game", "screens", "app"]
RANK = {name: i for i, name in enumerate(LAYERS)}
GLOBALS_OBJECT = "app/globals.cpp.o"


def symbols(path, undefined):
    args = ["nm", "-u" if undefined else "--defined-only", path]
    out = subprocess.run(args, capture_output=True, text=True, check=True).stdout
    names = set()
    for line in out.splitlines():
        parts = line.split()
        if not parts:
            continue
        kind = parts[-2] if len(parts) >= 2 else "U"
        # Strong global definitions only: inline functions, templates and inline constants are
        # defined weakly (W, V, u) in every object that uses them and say nothing of where they
        # live.
        if undefined or kind in "TDBRGS":
            names.add(parts[-1])
    return names


def declaring_layers(source_dir):
    """The layer of the header that declares each extern global."""
    owner = {}
    pattern = re.compile(r"^\s*extern\s+[^;()]*?\b(\w+)\s*(?:\[[^\]]*\])?\s*;", re.M)
    for layer in LAYERS:
        folder = os.path.join(source_dir, layer)
        for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
            if name.endswith(".h"):
                text = open(os.path.join(folder, name), errors="replace").read()
                for m in pattern.finditer(text):
                    owner.setdefault(m.group(1), layer)
    return owner


def demangle(name):
    try:
        return subprocess.run(["c++filt", name], capture_output=True, text=True).stdout.strip()
    except OSError:
        return name


def main(argv):
    if len(argv) not in (2, 3) or not os.path.isdir(argv[1]):
        print("usage: calls.py OBJECT_DIR [SOURCE_DIR]", file=sys.stderr)
        return 2
    root = argv[1]
    here = os.path.dirname(os.path.abspath(__file__))
    owner = declaring_layers(argv[2] if len(argv) == 3 else os.path.join(here, "..", ".."))
    objects = []
    for layer in LAYERS:
        folder = os.path.join(root, layer)
        if os.path.isdir(folder):
            for name in sorted(os.listdir(folder)):
                if name.endswith(".o"):
                    objects.append((layer, layer + "/" + name))
    if not objects:
        print("calls.py: no objects under %s" % root, file=sys.stderr)
        return 2
    defined_in = {}
    for layer, rel in objects:
        for s in symbols(os.path.join(root, rel), False):
            defined_in.setdefault(s, (layer, rel))
    problems = []
    for layer, rel in objects:
        for s in sorted(symbols(os.path.join(root, rel), True)):
            if s not in defined_in:
                continue
            target, where = defined_in[s]
            if where == GLOBALS_OBJECT:
                target = owner.get(demangle(s).split("[")[0], "app")
                where = "%s/ (defined in %s)" % (target, GLOBALS_OBJECT)
            if RANK[target] <= RANK[layer]:
                continue
            problems.append("%s uses %s, defined above it in %s" % (rel, demangle(s), where))
    for p in problems:
        print(p)
    if problems:
        print("%d use(s) against the layers %s" % (len(problems), " <- ".join(LAYERS)))
        return 1
    print("%d objects: no layer uses a function or global defined above it" % len(objects))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
