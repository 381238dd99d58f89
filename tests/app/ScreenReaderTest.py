#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader reads of Terravia.

Starts the real program under Xvfb with a private D-Bus session and AT-SPI bus, drives a run
from the keyboard as a user would, and at each stage that matters reads both windows from the
accessibility bus: every control's role, name, description, actions and, for the lists, their
entries and text field.

    ScreenReaderTest.py PATH-TO-TERRAVIA [--orca DEBUG-FILE]

With --orca, Debian's screen reader runs beside it and writes what it says to DEBUG-FILE.
"""

import os
import sys

from realprogram import (COC_GROUPS, PICK_FIRST, PICK_SECOND, Desktop, Failure, Text,
                         answer_green_run, children)

MODES = ("Define chemicals of concern (COCs)", "Define historical land use")
LAND_USES = (52, "Airports", "Waste recycling, treatment and disposal sites: metal recycling sites")
NO_ENTRIES = (0, None, None)
PRESS = ("Press", "SetFocus")
LIST_ACTIONS = ("ShowMenu", "Press")
NOT_AN_ENTRY = "current entry not among the entries"
ILLUSTRATION = ("Cross-section of a contaminated site: a treatment pile, a borehole and a "
                "contaminant plume above the ground water")


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return ()
    return tuple(action.getName(i) for i in range(action.nActions))


def row(node):
    """One control as a screen reader sees it. A list adds its entries (count, first, last)
    and, where it is editable, the text in its field."""
    role = node.getRoleName()
    found = (role, node.name, node.description, actions(node))
    if role != "combo box":
        return found
    parts = {child.getRoleName(): child for child in children(node)}
    entries = [item.name for item in children(parts["list"])] if "list" in parts else []
    summary = (len(entries), entries[0] if entries else None, entries[-1] if entries else None)
    if node.name and node.name not in entries and "text" not in parts:
        summary += (NOT_AN_ENTRY,)
    found += (summary,)
    if "text" in parts:
        text = parts["text"].queryText()
        found += (text.getText(0, text.characterCount),)
    return found


def button(caption, enabled):
    return ("push button", caption, "", PRESS if caption in enabled else ())


def form1(enabled=("Ready", "Clear all"), mode=("", NO_ENTRIES), land_use=("", NO_ENTRIES),
          coc=("", NO_ENTRIES)):
    """The main window's controls in tab order; each list is (current entry, entries)."""
    def combo(state, purpose):
        return ("combo box", state[0], purpose, LIST_ACTIONS, state[1])
    return [
        button("Ready", enabled),
        combo(mode, "Selection mode"),
        button("COC or Land Use?", enabled),
        combo(land_use, "Historical land use"),
        button("Select land use", enabled),
        combo(coc, "COC group") + (coc[0],),
        button("Select COC", enabled),
        button("Clear all", enabled),
        ("text", "Path of the conclusions file", "", ("SetFocus",)),
        ("image", "Illustration", ILLUSTRATION, ()),
    ]


def run(program, orca_log=None):
    info = "Information required"
    main = "Terravia 1.0"
    with Desktop(program, orca_log) as desktop:
        desktop.expect("start", main, form1())

        desktop.keys_to(main, "space")  # Ready
        desktop.answer(info, "y")  # the site history is established
        both = ("Ready", "COC or Land Use?", "Clear all")
        desktop.expect("mode choice", main, form1(both, mode=("", (2, *MODES))))
        desktop.keys_to(main, "Tab", *PICK_SECOND)
        desktop.expect("land use picked with the keyboard", main,
                       form1(both, mode=(MODES[1], (2, *MODES))))
        desktop.keys_to(main, "Tab", "space")  # COC or Land Use?
        land = ("Ready", "COC or Land Use?", "Select land use", "Clear all")
        desktop.expect("land-use list", main, form1(land, land_use=("", LAND_USES)))
        desktop.keys_to(main, "Tab", "alt+Down", Text("Dry"), "Return")
        desktop.expect("land use typed ahead in the open list", main,
                       form1(land, land_use=("Dry cleaners", LAND_USES)))
        desktop.keys_to(main, "Tab", "Tab", "space")  # Clear all
        desktop.expect("after Clear all", main, form1())

        desktop.keys_to(main, "shift+Tab", "space")  # Ready
        desktop.answer(info, "y")
        desktop.keys_to(main, "Tab", *PICK_FIRST, "Tab", "space")  # COCs, COC or Land Use?
        coc = ("Ready", "COC or Land Use?", "Select COC", "Clear all")
        desktop.expect("COC list", main, form1(coc, coc=("", COC_GROUPS)))
        typed = "Diesel range organics"
        desktop.keys_to(main, "Tab", Text(typed))
        desktop.expect("COC typed", main, form1(coc, coc=(typed, COC_GROUPS)))

        desktop.keys_to(main, "Tab", "space")  # Select COC: the run
        answer_green_run(desktop)

        dialog = desktop.window("Conclusions file")
        # The drive's name is the machine's own: it must be there, and among the entries.
        drive = row(dialog.getChildAtIndex(1))
        if not drive[1] or drive[4][0] < 1 or NOT_AN_ENTRY in drive[4]:
            raise Failure(f"the drive list names no current drive: {drive}")
        found = desktop.expect("save-location dialog", "Conclusions file", [
            ("push button", "OK", "", PRESS),
            ("combo box", drive[1], "Drive", LIST_ACTIONS, drive[4]),
            ("tree", "Directory", "", ()),
            ("list", "Files", "", ()),
            ("text", "File name", "", ("SetFocus",)),
        ])
        # The drive list is picked from too (its current drive again); the name field is then
        # two steps back.
        desktop.keys_to("Conclusions file", "Tab", "alt+Down", "Return")
        desktop.expect("drive picked with the keyboard", "Conclusions file", found)
        desktop.answer("Conclusions file", "shift+Tab", "shift+Tab", Text("read-aloud"),
                       "Return")
        desktop.answer("Process complete", "Return")
        desktop.expect("after the run", main, form1(coc, coc=(typed, COC_GROUPS)))
        desktop.keys_to(main, "Tab", "space")  # from Select COC to Clear all
        desktop.expect("after Clear all, the typed COC gone", main, form1())
        if not os.path.isfile(os.path.join(desktop.home, "read-aloud.txt")):
            raise Failure("the run wrote no conclusions file")

        desktop.keys_to(main, "shift+Tab", "space")  # Ready
        desktop.answer(info, "y")
        desktop.keys_to(main, "Tab", *PICK_FIRST, "Tab", "space")
        desktop.keys_to(main, "Tab", "alt+Down", Text("TPH"), "Return")
        desktop.expect("COC group picked in the open list", main,
                       form1(coc, coc=("TPH", COC_GROUPS)))


if __name__ == "__main__":
    try:
        run(sys.argv[1], sys.argv[3] if sys.argv[2:3] == ["--orca"] else None)
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    print("screen reader view: all stages as expected")
