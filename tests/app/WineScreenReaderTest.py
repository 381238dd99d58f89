#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a Windows screen reader is told of Terravia, under Wine.

A stand-in for UI Automation's core goes in the Wine prefix's system folder, where the program
loads it; asked for a window's providers as a screen reader asks (AskUia.exe), it writes what
Qt's own providers in the program tell of each element. A run from the keyboard then checks
that every list, and the COC group's field, is named by what it chooses, closed, open and after
a choice, that each list's value is the entry it shows, and that what was heard well before
keeps its names.

    WineScreenReaderTest.py PATH-TO-TERRAVIA.EXE STAND-IN.DLL ASKUIA.EXE
"""

import os
import shutil
import subprocess
import sys

from realprogram import (DIALOG, INFO, MAIN, PICK_FIRST, PICK_SECOND, WineDesktop,
                         answer_green_run, run_test, wait_until)

LIST, EDIT = "50003", "50004"


def heard(desktop, title):
    """The window's elements as (automation id, control type, name, value), in order, each child
    after its parent; an element without an id of its own takes the id of the one before it, so
    that an editable list's field carries the list's."""
    if os.path.exists(desktop.heard):
        os.remove(desktop.heard)
    subprocess.run(["wine", desktop.ask, title], check=False)
    wait_until(f"what \"{title}\" tells",
               lambda: (os.path.exists(desktop.heard), f"nothing heard of \"{title}\""))
    elements, owner = [], ""
    with open(desktop.heard, encoding="utf-8") as told:
        for line in told.read().splitlines():
            fields = line.split("\t")
            owner = fields[1] or owner
            elements.append((owner, fields[2], fields[3], fields[7]))
    return elements


def expect_named(desktop, title, ident, name, state, value):
    """The list of this automation id, and its field where it has one, are named so, and the
    list's value is one that value() takes; that value is returned."""
    shown = []
    def probe():
        found = [(kind, told, given) for owner, kind, told, given in heard(desktop, title)
                 if owner == ident and kind in (LIST, EDIT)]
        names = [(kind, told) for kind, told, _ in found]
        shown[:] = [given for kind, _, given in found if kind == LIST]
        named = names in ([(LIST, name)], [(LIST, name), (EDIT, name)])
        return named and value(shown[0]), f"{state}: {found}"
    wait_until(f"{ident} named \"{name}\" {state}", probe)
    return shown[0]


def every_state(desktop, title, ident, name, chosen=None):
    """Named closed, open, and after the second entry is chosen, which is then the list's value:
    the entry chosen, or where that is not known, another than the one shown closed. A list
    that shows no entry closed has no value."""
    before = expect_named(desktop, title, ident, name, "closed",
                          lambda given: given == "" if chosen else given != "")
    desktop.keys_to(title, PICK_SECOND[0])
    expect_named(desktop, title, ident, name, "open", lambda given: True)
    desktop.keys_to(title, *PICK_SECOND[1:])
    expect_named(desktop, title, ident, name, "after a choice",
                 lambda given: given == chosen if chosen else given not in ("", before))


def kept(desktop, title, names):
    """The elements heard well before keep their names."""
    def probe():
        told = {name for _, _, name, _ in heard(desktop, title)}
        return set(names) <= told, f"missing {set(names) - told}"
    wait_until(f"\"{title}\" heard as before", probe)


def started(program, ask):
    desktop = WineDesktop(program)
    desktop.ask = ask
    desktop.heard = os.path.join(desktop.scratch, "heard.txt")
    os.environ["TERRAVIA_UIA_HEARD"] = "Z:" + desktop.heard.replace("/", "\\")
    return desktop


def run(program, stand_in, ask):
    system = os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows", "system32")
    core = os.path.join(system, "uiautomationcore.dll")
    shutil.copy(core, core + ".wine")
    shutil.copy(stand_in, core)
    try:
        with started(program, ask) as desktop:  # the land-use road
            desktop.window(MAIN)
            kept(desktop, MAIN, ["Ready", "Path of the conclusions file", "Illustration"])
            desktop.keys_to(MAIN, "space")  # Ready
            kept(desktop, INFO, ["Has the site history been established?", "Yes", "No"])
            desktop.answer(INFO, "y")
            every_state(desktop, MAIN, "Form1.Combo1", "Selection mode",
                        "Define historical land use")
            desktop.keys_to(MAIN, "Tab", "space")  # COC or Land Use?
            every_state(desktop, MAIN, "Form1.Combo2", "Historical land use",
                        "Animal and animal products processing works")
        with started(program, ask) as desktop:  # the COC road, to the dialog
            desktop.window(MAIN)
            desktop.keys_to(MAIN, "space")
            desktop.answer(INFO, "y")
            desktop.keys_to(MAIN, *PICK_FIRST, "Tab", "space")  # COCs, COC or Land Use?
            every_state(desktop, MAIN, "Form1.Combo3", "COC group",
                        "Inorganic Complexes e.g. Cyanide, Nitrate")
            desktop.keys_to(MAIN, "Tab", "space")  # Select COC
            answer_green_run(desktop)
            desktop.window(DIALOG)
            kept(desktop, DIALOG, ["Directory", "Files", "File name"])
            desktop.keys_to(DIALOG, "Tab")  # from OK to the drive list
            every_state(desktop, DIALOG, "Form1.Dialog.Drive1", "Drive")
    finally:
        shutil.move(core + ".wine", core)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    run_test(run, *sys.argv[1:4], passed="every list heard by its purpose, under Wine")
