#!/usr/bin/env python3
"""The game's layers and the one direction they may include each other in.

Each runtime folder may include its own headers and those of the folders below it, never those
above. SDL's headers stay out of every header outside platform/ (the layers above name SDL's types
through forward declarations at most), and out of every file of res/, text/, game/ and screens/,
which reach SDL only through the platform, video and effects layers. No file (a header and its
.cpp count as one) includes itself back, whether through one other file or round a longer loop.

  layers.py [--counts] [SOURCE_DIR]

Prints each broken rule as file:line and exits 1 when there is any; --counts also prints how many
#include lines each folder has of every other folder.
"""
import os
import re
import sys

# Bottom first: a folder may include itself and anything to its left.
LAYERS = ["platform", "res", "video", "text", "fx", "game", "screens", "app"]
RANK = {name: i for i, name in enumerate(LAYERS)}

# Folders whose sources must not include SDL at all: the resource formats, text layout, the rules
# and the screens are plain code over the layers that draw and play.
SDL_FREE_FOLDERS = ["res", "text", "game", "screens"]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def is_sdl(header):
    base = os.path.basename(header)
    return base.startswith("SDL") or header.startswith("SDL/")


def scan(root):
    """Yields (file relative to root, line number, header, quoted) for every #include line."""
    for layer in LAYERS:
        folder = os.path.join(root, layer)
        if not os.path.isdir(folder):
            continue
        for dirpath, _, files in os.walk(folder):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp", ".c", ".hpp")):
                    continue
                path = os.path.join(dirpath, name)
                rel = os.path.relpath(path, root).replace(os.sep, "/")
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if m:
                            yield rel, number, m.group(2), m.group(1) == '"'


def unit(path):
    return os.path.splitext(path)[0]


def way_back(edges, start, goal):
    """The files from start to goal along includes, or None when goal is not reached."""
    came_from = {start: None}
    queue = [start]
    for here in queue:
        if here == goal:
            path = []
            while here is not None:
                path.append(here)
                here = came_from[here]
            return path[::-1]
        for there in sorted(edges.get(here, {})):
            if there not in came_from:
                came_from[there] = here
                queue.append(there)
    return None


def cycles(edges):
    """Each include that closes a loop of files, as file:line and the loop."""
    problems = []
    for source in sorted(edges):
        for target, (rel, number) in sorted(edges[source].items()):
            back = way_back(edges, target, source)
            if back:
                problems.append("%s:%d: an include cycle: %s" %
                                (rel, number, " -> ".join([source] + back)))
    return problems


def check(root):
    problems = []
    counts = {}
    edges = {}  # file -> {file it includes: the first line that does}
    for rel, number, header, quoted in scan(root):
        layer = rel.split("/")[0]
        target = header.split("/")[0] if "/" in header else None
        if quoted and target in RANK:
            counts[(layer, target)] = counts.get((layer, target), 0) + 1
            if unit(header) != unit(rel) and os.path.isfile(os.path.join(root, header)):
                edges.setdefault(unit(rel), {}).setdefault(unit(header), (rel, number))
            if RANK[target] > RANK[layer]:
                problems.append("%s:%d: %s (%s) includes %s, a higher layer" %
                                (rel, number, layer, header, target))
        if is_sdl(header):
            if rel.endswith(".h") and layer != "platform":
                problems.append("%s:%d: SDL header %s in a header outside platform/" %
                                (rel, number, header))
            elif layer in SDL_FREE_FOLDERS:
                problems.append("%s:%d: SDL header %s where the code must not need SDL" %
                                (rel, number, header))
    return problems + cycles(edges), counts


def main(argv):
    show_counts = "--counts" in argv
    args = [a for a in argv[1:] if a != "--counts"]
    root = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    if not all(os.path.isdir(os.path.join(root, layer)) for layer in ("game", "app")):
        print("layers.py: %s holds no game sources" % root, file=sys.stderr)
        return 2
    problems, counts = check(root)
    if show_counts:
        for layer in LAYERS:
            row = ["%s %d" % (t, counts[(layer, t)]) for t in LAYERS if (layer, t) in counts]
            print("%-8s includes: %s" % (layer, ", ".join(row)))
    for p in problems:
        print(p)
    if problems:
        print("%d include(s) against the layers %s or closing a cycle" %
              (len(problems), " <- ".join(LAYERS)))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
