#!/usr/bin/python3
"""Checks the source tree's modules: no include cycle, and the library's layers.

A module is a .h/.cpp pair (or either alone), named by its path without the
extension; module A uses module B when A's header or source file has
#include "B.h". Every top-level folder with C++ sources is checked, the tests and
build folders aside. The toolkit-free library (core/, graphs/, data/, workbench/)
includes no Qt header and nothing of the front ends (ui/, cli/, tools/, web/); core/
includes neither graphs/ nor data/, and none of the three includes the workbench.

Usage: check_modules.py SOURCE_ROOT   (exit status 1 and the faults on stderr)
       check_modules.py --self-test   (the checker finds a planted cycle and layer fault)
"""

import os
import re
import sys
import tempfile

SOURCE_EXTENSIONS = (".h", ".cpp")
NOT_SOURCE_FOLDERS = {"tests", "docs", "packaging", "scripts", "tables"}
LIBRARY = {"core", "graphs", "data", "workbench"}
FRONT_ENDS = {"ui", "cli", "tools", "web"}
BELOW_CORE = {"graphs", "data"}
QUOTED_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
ANGLED_INCLUDE = re.compile(r"^\s*#\s*include\s+<([^>]+)>", re.MULTILINE)


def source_folders(root):
    for name in sorted(os.listdir(root)):
        folder = os.path.join(root, name)
        if name.startswith(".") or name in NOT_SOURCE_FOLDERS or not os.path.isdir(folder):
            continue
        if os.path.exists(os.path.join(folder, "CMakeCache.txt")):
            continue  # a build folder
        yield name


def source_files(root):
    """Paths relative to root, with '/' between folders."""
    for top in source_folders(root):
        for folder, subfolders, files in os.walk(os.path.join(root, top)):
            subfolders[:] = [s for s in subfolders if not os.path.exists(os.path.join(folder, s, "CMakeCache.txt"))]
            for name in files:
                if name.endswith(SOURCE_EXTENSIONS):
                    yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def module_of(path):
    return os.path.splitext(path)[0]


def read_includes(root, files):
    """{file: (quoted includes, angled includes)}"""
    includes = {}
    for path in files:
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
            text = f.read()
        includes[path] = (QUOTED_INCLUDE.findall(text), ANGLED_INCLUDE.findall(text))
    return includes


def module_graph(includes):
    modules = {module_of(path) for path in includes}
    graph = {m: set() for m in modules}
    for path, (quoted, _) in includes.items():
        for included in quoted:
            target = module_of(included)
            if target in modules and target != module_of(path):
                graph[module_of(path)].add(target)
    return graph


def strong_components(graph):
    """Tarjan's algorithm, iteratively; components in a stable order."""
    index, low, on_stack, stack, components = {}, {}, set(), [], []
    counter = 0
    for start in sorted(graph):
        if start in index:
            continue
        work = [(start, iter(sorted(graph[start])))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, successors = work[-1]
            advanced = False
            for nxt in successors:
                if nxt not in index:
                    index[nxt] = low[nxt] = counter
                    counter += 1
                    stack.append(nxt)
                    on_stack.add(nxt)
                    work.append((nxt, iter(sorted(graph[nxt]))))
                    advanced = True
                    break
                if nxt in on_stack:
                    low[node] = min(low[node], index[nxt])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                components.append(sorted(component))
    return components


def cycle_path(graph, component):
    """One cycle through the component's first module: 'a -> b -> a'."""
    members, start = set(component), component[0]
    previous, frontier = {start: None}, [start]
    while frontier:
        following = []
        for node in frontier:
            for nxt in sorted(graph[node]):
                if nxt == start:
                    path = [node]
                    while previous[path[-1]] is not None:
                        path.append(previous[path[-1]])
                    return " -> ".join(list(reversed(path)) + [start])
                if nxt in members and nxt not in previous:
                    previous[nxt] = node
                    following.append(nxt)
        frontier = following
    return " -> ".join(component)


def cycle_faults(graph):
    return ["include cycle: " + cycle_path(graph, c) for c in strong_components(graph) if len(c) > 1]


def layer_faults(includes):
    faults = []
    for path, (quoted, angled) in sorted(includes.items()):
        layer = path.split("/")[0]
        if layer not in LIBRARY:
            continue
        for header in angled:
            if header.startswith("Q"):
                faults.append(f"{path} includes the Qt header <{header}>")
        for header in quoted:
            top = header.split("/")[0]
            if top in FRONT_ENDS:
                faults.append(f'{path} includes the front end\'s "{header}"')
            if layer == "core" and top in BELOW_CORE:
                faults.append(f'{path} includes "{header}": core/ uses neither graphs/ nor data/')
            if layer != "workbench" and top == "workbench":
                faults.append(f'{path} includes "{header}": the library below the workbench does not use it')
    return faults


def faults_of(root):
    includes = read_includes(root, list(source_files(root)))
    return cycle_faults(module_graph(includes)) + layer_faults(includes)


def self_test():
    planted = {
        "ui/a.h": '#include "ui/b.h"\n',
        "ui/b.cpp": '#include "ui/b.h"\n#include "ui/c.h"\n',
        "ui/b.h": "",
        "ui/c.h": '#include "ui/a.h"\n',
        "core/d.cpp": '#include <QString>\n#include "graphs/e.h"\n',
        "graphs/e.h": '#include "ui/a.h"\n#include "workbench/f.h"\n',
        "tests/f.h": '#include "tests/f.h"\n',
    }
    with tempfile.TemporaryDirectory() as root:
        for path, text in planted.items():
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                f.write(text)
        found = faults_of(root)
    expected = [
        "include cycle: ui/a -> ui/b -> ui/c -> ui/a",
        "core/d.cpp includes the Qt header <QString>",
        'core/d.cpp includes "graphs/e.h": core/ uses neither graphs/ nor data/',
        'graphs/e.h includes the front end\'s "ui/a.h"',
        'graphs/e.h includes "workbench/f.h": the library below the workbench does not use it',
    ]
    if found != expected:
        print("the checker found:\n  " + "\n  ".join(found), file=sys.stderr)
        return 1
    return 0


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    if argv[1] == "--self-test":
        return self_test()
    faults = faults_of(argv[1])
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
