#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks from the #include lines that the code stands on its floors, each folder including only
those below it: the floors and their folders are the table of src/floors.md, the one list of
them, which the build reads too.

    check-floors.py [ROOT]

Fails when an include runs from a lower floor to a higher one or to a folder beside it on
its floor (so no folders can include each other in a circle), when a test includes a floor
above the one it tests (so the tests of the foundation and of the stages need no window), or
when a test other than the windows' includes the windows.
"""

import pathlib
import re
import sys

ROW = re.compile(r"^\| (\d+) \| `([a-z]+)/` \|", re.MULTILINE)


def floors(root):
    """{folder: floor}, in the order of src/floors.md."""
    table = (root / "src" / "floors.md").read_text(encoding="utf-8")
    return {folder: int(floor) for floor, folder in ROW.findall(table)}


def order(floors_of):
    """The floors as a line, lowest first: the folders of one floor side by side."""
    by_floor = {}
    for folder, floor in floors_of.items():
        by_floor.setdefault(floor, []).append(folder)
    return " < ".join(", ".join(by_floor[floor]) for floor in sorted(by_floor))
# What a stage's test may include beside its floors: the scripted prompts, stretches of a run
# the texts the tests expect and the data columns.
CORE_SUPPORT = ("support/ScriptedPrompts.h", "support/Runs.h", "support/Texts.h",
                "support/Columns.h")
INCLUDE = re.compile(r'^\s*#\s*include\s+"(([a-z]+)/[^"]+)"', re.MULTILINE)


def includes(folder):
    """(file, folder it includes) for every project include below folder."""
    for path in sorted(folder.rglob("*")):
        if path.suffix in (".h", ".cpp"):
            for match in INCLUDE.finditer(path.read_text(encoding="utf-8")):
                yield path, match.group(2), match.group(1)


def check(root):
    FLOORS = floors(root)  # pylint: disable=invalid-name
    faults = []
    for path, target, _ in includes(root / "src"):
        folder = path.relative_to(root / "src").parts[0]
        if folder not in FLOORS or target not in FLOORS:
            faults.append(f"{path.relative_to(root)}: folder {folder} or {target} has no floor")
            continue
        if FLOORS[target] > FLOORS[folder]:
            faults.append(f"{path.relative_to(root)}: {folder} includes {target}, a higher floor")
        elif FLOORS[target] == FLOORS[folder] and target != folder:
            faults.append(f"{path.relative_to(root)}: {folder} includes {target}, beside it")
    for path, target, header in includes(root / "tests"):
        folder = path.relative_to(root / "tests").parts[0]
        if target == "app" and folder != "app":
            faults.append(f"{path.relative_to(root)}: only the tests of the windows include app")
        if folder not in FLOORS:
            continue
        if FLOORS[folder] < FLOORS["controls"] and target == "support" and header not in CORE_SUPPORT:
            faults.append(f"{path.relative_to(root)}: a test of {folder} includes {header}, "
                          "which needs the window")
        if target in FLOORS and FLOORS[target] > FLOORS[folder]:
            faults.append(f"{path.relative_to(root)}: a test of {folder} includes {target}, "
                          "a higher floor")
    return faults


if __name__ == "__main__":
    if sys.argv[1:2] in (["-h"], ["--help"]):
        print(__doc__)
        print("The floors: " + order(floors(pathlib.Path(__file__).resolve().parent.parent)))
        sys.exit(0)
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = check(root)
    for fault in faults:
        print(fault)
    if not faults:
        print("floors: every include runs downward, " + order(floors(root)))
    sys.exit(1 if faults else 0)
