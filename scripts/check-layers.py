#!/usr/bin/env python3
"""Keeps the folders of src/ in layers.

Follows the '#include "folder/..."' lines of every source file under src/ and fails (status 1)
when the folders include each other in a circle, or when document/ includes anything but
resources/. Prints the offending includes so that the fix is plain.
"""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z0-9_]+)/[^"]+"', re.MULTILINE)
# What each folder may include besides itself, where the rule is fixed whatever else changes.
ONLY = {"document": {"resources"}}


def folder_includes(root):
    """{folder: {included folder: [(file, line text)]}} for the folders of src/."""
    folders = sorted(d for d in os.listdir(root) if os.path.isdir(os.path.join(root, d)))
    edges = {f: {} for f in folders}
    for folder in folders:
        for where, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(where, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for m in INCLUDE.finditer(text):
                    target = m.group(1)
                    if target != folder and target in edges:
                        line = m.group(0).strip()
                        edges[folder].setdefault(target, []).append((os.path.relpath(path, root), line))
    return edges


def find_circle(edges):
    """One circle of folders as a list (first == last), or None."""
    state = {}  # 1: on the current path, 2: done
    path = []

    def visit(node):
        state[node] = 1
        path.append(node)
        for nxt in sorted(edges[node]):
            if state.get(nxt) == 1:
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        path.pop()
        state[node] = 2
        return None

    for node in sorted(edges):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def main():
    edges = folder_includes(os.path.normpath(ROOT))
    failures = []
    for folder, allowed in ONLY.items():
        for target, places in sorted(edges.get(folder, {}).items()):
            if target not in allowed:
                failures.append(f"{folder}/ may include only {', '.join(sorted(allowed))}/, not {target}/:")
                failures += [f"  src/{file}: {line}" for file, line in places]
    circle = find_circle(edges)
    if circle:
        failures.append("the folders include each other in a circle: " + " -> ".join(circle))
        for a, b in zip(circle, circle[1:]):
            failures += [f"  src/{file}: {line}" for file, line in edges[a][b]]
    if failures:
        print("check-layers: the folders of src/ are not in layers", file=sys.stderr)
        for line in failures:
            print(line, file=sys.stderr)
        return 1
    print(f"check-layers: {len(edges)} folders in layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
