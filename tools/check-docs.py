#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the README and the guides lead somewhere: every link in README.md, docs/*.md and
src/floors.md resolves to a file or folder of the tree, and a link to a heading to a heading
that exists; every test they name, as `NameTest` or `NameTest::function`, exists under tests/,
with that function.

    check-docs.py [ROOT]
"""

import pathlib
import re
import sys

LINK = re.compile(r"\]\(([^)\s]+)\)")
HEADING = re.compile(r"^#{1,6}\s+(.+?)\s*$", re.MULTILINE)
TEST = re.compile(r"`(?!QTest\b)([A-Z][A-Za-z0-9]*Test)(?:::([a-z][A-Za-z0-9_]*))?`")
FENCE = re.compile(r"^```.*?^```", re.MULTILINE | re.DOTALL)


def prose(path):
    """The text of a Markdown file outside its fenced blocks."""
    return FENCE.sub("", path.read_text(encoding="utf-8"))


def anchors(path):
    """The anchors a Markdown renderer gives the headings of the file."""
    found = set()
    for heading in HEADING.findall(prose(path)):
        slug = re.sub(r"[^\w\- ]", "", heading.lower().replace("`", "")).replace(" ", "-")
        found.add(slug)
    return found


def known_tests(root):
    """{test name: its source text}, for every test source under tests/, and every test the
    build registers by a name of its own (with no source text)."""
    tests = {path.stem: path.read_text(encoding="utf-8")
             for path in (root / "tests").rglob("*Test.*") if path.suffix in (".cpp", ".py", ".sh")}
    for build in (root / "tests").rglob("CMakeLists.txt"):
        for name in re.findall(r"add_test\(NAME (\w+)", build.read_text(encoding="utf-8")):
            tests.setdefault(name, "")
    return tests


def check(root):
    faults = []
    tests = known_tests(root)
    pages = [root / "README.md", root / "src" / "floors.md", *sorted((root / "docs").glob("*.md"))]
    for page in pages:
        text = prose(page)
        where = page.relative_to(root)
        for target in LINK.findall(text):
            if re.match(r"[a-z]+:", target):
                continue
            name, _, anchor = target.partition("#")
            linked = (page.parent / name).resolve() if name else page
            if not linked.exists():
                faults.append(f"{where}: the link {target} leads to no file")
            elif anchor and (linked.suffix != ".md" or anchor not in anchors(linked)):
                faults.append(f"{where}: the link {target} leads to no heading")
        for test, function in TEST.findall(text):
            if test not in tests:
                faults.append(f"{where}: names {test}, which is no test")
            elif function and not re.search(rf"\b(void|def) {function}\(", tests[test]):
                faults.append(f"{where}: names {test}::{function}, which {test} does not have")
    return faults


if __name__ == "__main__":
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = check(root)
    for fault in faults:
        print(fault)
    if not faults:
        print("docs: every link leads somewhere, and every test named exists")
    sys.exit(1 if faults else 0)
