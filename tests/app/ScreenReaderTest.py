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

import pyatspi

from realprogram import (COC_GROUPS, DIALOG, INFO, MAIN, PICK_FIRST, PICK_SECOND, Desktop,
                         Failure, Text, answer_green_run, children, run_test, tree_lists,
                         wait_until)

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
    and, where it is editable, its field's name and text."""
    role = node.getRole()
    found = (role, node.name, node.description, actions(node))
    if role != pyatspi.ROLE_COMBO_BOX:
        return found
    parts = {child.getRole(): child for child in children(node)}
    listed = parts.get(pyatspi.ROLE_LIST)
    entries = [item.name for item in children(listed)] if listed else []
    summary = (len(entries), entries[0] if entries else None, entries[-1] if entries else None)
    if node.name and node.name not in entries and pyatspi.ROLE_TEXT not in parts:
        summary += (NOT_AN_ENTRY,)
    found += (summary,)
    if pyatspi.ROLE_TEXT in parts:
        found += (parts[pyatspi.ROLE_TEXT].name, text_of(parts[pyatspi.ROLE_TEXT]))
    return found


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def focused(window):
    """The control of the window that has the keyboard, as (role, name, description)."""
    for node in children(window):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return row(node)[:3]
    return None


def button(caption, enabled):
    return (pyatspi.ROLE_PUSH_BUTTON, caption, "", PRESS if caption in enabled else ())


def form1(enabled=("Ready", "Clear all"), mode=("", NO_ENTRIES), land_use=("", NO_ENTRIES),
          coc=("", NO_ENTRIES)):
    """The main window's controls in tab order; each list is (current entry, entries)."""
    def combo(state, purpose):
        return (pyatspi.ROLE_COMBO_BOX, state[0], purpose, LIST_ACTIONS, state[1])
    return [
        button("Ready", enabled),
        combo(mode, "Selection mode"),
        button("COC or Land Use?", enabled),
        combo(land_use, "Historical land use"),
        button("Select land use", enabled),
        combo(coc, "COC group") + ("", coc[0]),  # the field unnamed, as Orca needs
        button("Select COC", enabled),
        button("Clear all", enabled),
        (pyatspi.ROLE_TEXT, "Path of the conclusions file", "", ("SetFocus",)),
        (pyatspi.ROLE_IMAGE, "Illustration", ILLUSTRATION, ()),
    ]


def expect(desktop, stage, title, expected):
    """Waits until the window's controls read as expected, then returns them."""
    def probe():
        window = desktop.window(title)
        found = [row(control) for control in children(window)]
        if found == expected:
            return True, found
        lines = [f"  expected {e}\n  found    {f}" for e, f in zip(expected, found) if e != f]
        if len(found) != len(expected):
            lines.append(f"  {len(found)} controls, expected {len(expected)}")
        return False, "\n" + "\n".join(lines)
    result = wait_until(f"{stage}, \"{title}\"", probe)
    print(f"ok: {stage}")
    return result


def expect_focus(desktop, stage, title, control):
    """Waits until the control has the keyboard, as a screen reader follows it, once the
    window is active again, as a window manager makes it when a box above it closes."""
    desktop.keys_to(title)
    wait_until(f"{stage}: the keyboard on {control}",
               lambda: (focused(desktop.window(title)) == control,
                        f"it is on {focused(desktop.window(title))}"))
    print(f"ok: {stage}: the keyboard on {control[1] or control[2]}")


def make_directories(home):
    """Directories of 0, 1 and 3 files below the dialog's start, whose names the file list
    must read, one item a file. Hidden files are not listed."""
    files = {"empty": (), "one": ("only.txt",), "three": ("data.csv", "earlier-notes.txt", "plan")}
    for name, inside in files.items():
        os.makedirs(os.path.join(home, name))
        for file in inside + (".hidden",):
            with open(os.path.join(home, name, file), "w") as made:
                made.write("earlier notes\n")
    return files


def dialog_view(dialog):
    """What a screen reader reads of the dialog: OK with where the file goes; the tree's
    columns and its current directory; the file list's entries with their roles; the name
    field with its name, description and text."""
    ok, _, tree, files, name = children(dialog)
    current = [cell.name for cell in children(tree)
               if cell.getState().contains(pyatspi.STATE_SELECTED)]
    return {
        "OK": (ok.name, ok.description),
        "tree": (tree.name, tree.queryTable().nColumns, current),
        "files": (files.name, [(item.getRole(), item.name) for item in children(files)]),
        "name": (name.getRole(), name.name, name.description, text_of(name)),
    }


def expected_view(directory, listed, typed=""):
    where = f"Directory: {directory}"
    if typed:
        where += f". File: {directory}/{typed}" + ("" if typed.endswith(".txt") else ".txt")
    return {
        "OK": ("OK", where),
        "tree": ("Directory", 1, [directory]),
        "files": ("Files", [(pyatspi.ROLE_LIST_ITEM, file) for file in listed]),
        "name": (pyatspi.ROLE_TEXT, "File name", where, typed),
    }


def expect_dialog(desktop, stage, expected):
    def probe():
        found = dialog_view(desktop.window(DIALOG))
        return found == expected, f"\n  expected {expected}\n  found    {found}"
    wait_until(stage, probe)
    print(f"ok: {stage}")


def save_location(desktop):
    """The dialog read and driven from the keyboard: the drive picked again, a directory of
    each size opened in the tree, a file picked from the list with Return,
    which must not press OK, and a typed name; the file is saved where it was announced."""
    home = desktop.home
    dialog = desktop.window(DIALOG)
    # The drive's name is the machine's own: it must be there, and among the entries.
    drive = row(dialog.getChildAtIndex(1))
    if not drive[1] or drive[4][0] < 1 or NOT_AN_ENTRY in drive[4]:
        raise Failure(f"the drive list names no current drive: {drive}")
    expect(desktop, "save-location dialog", DIALOG, [
        (pyatspi.ROLE_PUSH_BUTTON, "OK", f"Directory: {home}", PRESS),
        (pyatspi.ROLE_COMBO_BOX, drive[1], "Drive", LIST_ACTIONS, drive[4]),
        (pyatspi.ROLE_TREE, "Directory", "", ()),
        (pyatspi.ROLE_LIST, "Files", "", ()),
        (pyatspi.ROLE_TEXT, "File name", f"Directory: {home}", ("SetFocus",)),
    ])
    expect_focus(desktop, "dialog opened", DIALOG,
                 (pyatspi.ROLE_PUSH_BUTTON, "OK", f"Directory: {home}"))
    # The empty name field, one step back, and OK again.
    desktop.keys_to(DIALOG, "shift+Tab")
    expect_focus(desktop, "the empty name field", DIALOG,
                 (pyatspi.ROLE_TEXT, "File name", f"Directory: {home}"))
    desktop.keys_to(DIALOG, "Tab", "Tab", "alt+Down", "Return")
    expect_dialog(desktop, "drive picked with the keyboard", expected_view(home, []))

    files = make_directories(home)
    for directory in files:
        tree_lists(desktop, os.path.join(home, directory))
    # The first directory typed ahead in the tree, the next ones its siblings below it.
    for keys, directory in ((("Tab", Text("empty")), "empty"), (("Down",), "one"),
                            (("Down",), "three")):
        desktop.keys_to(DIALOG, *keys)
        expect_dialog(desktop, f"directory of {len(files[directory])} files",
                      expected_view(os.path.join(home, directory), files[directory]))
    three = os.path.join(home, "three")
    # The file list opens on its first file; the arrow moves to the second.
    desktop.keys_to(DIALOG, "Tab", "Down", "Return")
    expect_dialog(desktop, "a file picked with Return, the dialog still open",
                  expected_view(three, files["three"], typed="earlier-notes.txt"))
    desktop.keys_to(DIALOG, "Tab", Text("read-aloud"))  # the name field, its text replaced
    expect_dialog(desktop, "a typed name", expected_view(three, files["three"],
                                                          typed="read-aloud"))
    desktop.answer(DIALOG, "Tab", "Return")  # to OK, heard with the path, and pressed
    # The dialog closes before the file is written; the closing box comes after it.
    desktop.window("Process complete")
    if not os.path.isfile(os.path.join(three, "read-aloud.txt")):
        raise Failure("the run wrote no conclusions file where the dialog said")
    with open(os.path.join(three, "earlier-notes.txt")) as picked:
        if picked.read() != "earlier notes\n":
            raise Failure("the file picked with Return was overwritten")


def run(program, orca_log=None):
    mode_list = (pyatspi.ROLE_COMBO_BOX, "", "Selection mode")
    with Desktop(program, orca_log) as desktop:
        expect(desktop, "start", MAIN, form1())
        # The empty path field, past Clear all, and back to Ready.
        desktop.keys_to(MAIN, "Tab", "Tab")
        expect_focus(desktop, "the empty path field", MAIN,
                     (pyatspi.ROLE_TEXT, "Path of the conclusions file", ""))
        desktop.keys_to(MAIN, "shift+Tab", "shift+Tab")
        expect_focus(desktop, "back at the start", MAIN, (pyatspi.ROLE_PUSH_BUTTON, "Ready", ""))

        desktop.keys_to(MAIN, "space")  # Ready
        desktop.answer(INFO, "y")  # the site history is established
        both = ("Ready", "COC or Land Use?", "Clear all")
        expect(desktop, "mode choice", MAIN, form1(both, mode=("", (2, *MODES))))
        expect_focus(desktop, "after Ready", MAIN, mode_list)
        desktop.keys_to(MAIN, *PICK_SECOND)
        expect(desktop, "land use picked with the keyboard", MAIN,
                       form1(both, mode=(MODES[1], (2, *MODES))))
        desktop.keys_to(MAIN, "Tab", "space")  # COC or Land Use?
        land = ("Ready", "COC or Land Use?", "Select land use", "Clear all")
        expect(desktop, "land-use list", MAIN, form1(land, land_use=("", LAND_USES)))
        expect_focus(desktop, "after COC or Land Use?", MAIN,
                     (pyatspi.ROLE_COMBO_BOX, "", "Historical land use"))
        desktop.keys_to(MAIN, "alt+Down", Text("Dry"), "Return")
        expect(desktop, "land use typed ahead in the open list", MAIN,
                       form1(land, land_use=("Dry cleaners", LAND_USES)))
        desktop.keys_to(MAIN, "Tab", "Tab", "space")  # Clear all
        expect(desktop, "after Clear all", MAIN, form1())

        desktop.keys_to(MAIN, "shift+Tab", "space")  # Ready
        desktop.answer(INFO, "y")
        expect_focus(desktop, "after Ready again", MAIN, mode_list)
        desktop.keys_to(MAIN, *PICK_FIRST, "Tab", "space")  # COCs, COC or Land Use?
        coc = ("Ready", "COC or Land Use?", "Select COC", "Clear all")
        expect(desktop, "COC list", MAIN, form1(coc, coc=("", COC_GROUPS)))
        expect_focus(desktop, "after COC or Land Use? for COCs", MAIN,
                     (pyatspi.ROLE_COMBO_BOX, "", "COC group"))
        typed = "Diesel range organics"
        desktop.keys_to(MAIN, Text(typed))
        expect(desktop, "COC typed", MAIN, form1(coc, coc=(typed, COC_GROUPS)))

        desktop.keys_to(MAIN, "Tab", "space")  # Select COC: the run
        answer_green_run(desktop)
        save_location(desktop)
        desktop.answer("Process complete", "Return")
        expect(desktop, "after the run", MAIN, form1(coc, coc=(typed, COC_GROUPS)))
        desktop.keys_to(MAIN, "Tab", "space")  # from Select COC to Clear all
        expect(desktop, "after Clear all, the typed COC gone", MAIN, form1())

        desktop.keys_to(MAIN, "shift+Tab", "space")  # Ready
        desktop.answer(INFO, "y")
        desktop.keys_to(MAIN, *PICK_FIRST, "Tab", "space")
        desktop.keys_to(MAIN, "alt+Down", Text("TPH"), "Return")
        expect(desktop, "COC group picked in the open list", MAIN,
                       form1(coc, coc=("TPH", COC_GROUPS)))


if __name__ == "__main__":
    run_test(run, sys.argv[1], sys.argv[3] if sys.argv[2:3] == ["--orca"] else None,
             passed="screen reader view: all stages as expected")
