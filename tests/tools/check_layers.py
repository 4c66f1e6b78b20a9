#!/usr/bin/env python3
"""Reads every quoted #include of the engines and the program and checks that
the folders depend one way.

Every include names its folder ("base/Settings.h", "planner/AMT.h"). Each
folder has a layer; a file may include a file of its own folder or of a folder
on a lower layer, never one on its own layer (siblings stay apart) or above
it, so no two folders include each other. Qt headers appear only in app/ui.

Prints each breach as FILE:LINE: and exits 1 when there is any."""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))

# The layers, lowest first. Folders on one line are siblings: neither includes
# the other. A path is the folder as includes name it.
LAYERS = [
    ["common"],
    ["platform"],
    ["returnengine"],
    ["planner"],
    ["base"],              # app/base: identity and years, state, dialog interface, settings
    ["scenario"],          # app/scenario: the scenario files of the program
    ["reports", "input", "calc"],
    ["commands"],          # report run, silent run, command line, main
    ["ui/reports", "ui/input"],
    ["ui/shell"],          # the main window and the wiring of all windows
    ["main.cpp"],
]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
# Files of these engine folders live under a subfolder (returnengine/model,
# returnengine/law) but form one layer together.
ENGINE_TOPS = {"common", "platform", "returnengine", "planner"}
INCLUDE = re.compile(r'^\s*#\s*include\s+([<"])([^>"]+)[>"]')


def folder_of(name):
    """The layer folder of a path as includes write it (relative to the
    source root for engines, to app/ for the program)."""
    parts = name.split("/")
    if parts[0] in ENGINE_TOPS:
        return parts[0]
    if parts[0] == "ui" and len(parts) > 2:
        return "ui/" + parts[1]
    if len(parts) == 1:
        return parts[0] if parts[0] in RANK else None
    return parts[0]


def sources():
    for top in sorted(ENGINE_TOPS) + ["app"]:
        for dirpath, _, files in os.walk(os.path.join(ROOT, top)):
            for f in sorted(files):
                if f.endswith((".h", ".cpp")):
                    path = os.path.join(dirpath, f)
                    rel = os.path.relpath(path, ROOT)
                    yield path, rel, os.path.relpath(path, os.path.join(ROOT, "app")) if top == "app" else rel


def check():
    problems = []
    for path, rel, name in sources():
        here = folder_of(name)
        if here not in RANK:
            problems.append(f"{rel}:1: the folder of this file has no layer")
            continue
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                m = INCLUDE.match(line)
                if not m:
                    continue
                kind, target = m.groups()
                where = f"{rel}:{number}:"
                if kind == "<":
                    if target.startswith("Q") and not here.startswith("ui/"):
                        problems.append(f"{where} Qt header <{target}> outside app/ui")
                    continue
                if "/" not in target:
                    problems.append(f'{where} "{target}" does not name its folder')
                    continue
                there = folder_of(target)
                if there not in RANK:
                    problems.append(f'{where} "{target}" is in no layer')
                elif there != here and RANK[there] >= RANK[here]:
                    relation = "a sibling" if RANK[there] == RANK[here] else "a layer above"
                    problems.append(f'{where} "{target}" is in {relation} ({there} from {here})')
    return problems


def main():
    problems = check()
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} include(s) break the layers", file=sys.stderr)
        return 1
    print("layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
