#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole run of the real program from the keyboard, down to the bytes of the file it saves.

    KeyboardSaveTest.py PATH-TO-TERRAVIA GOLDEN-FILE

Runs the program under Xvfb with a private accessibility bus, answers a green run for
"Others e.g. Asbestos" with keys, saves it in the home directory and compares the file with
the golden one. The Debian package's autopkgtest points it at the installed /usr/bin/terravia;
tools/windows-build.sh points it at the Windows program (an .exe), which runs under Wine and
saves on Wine's drive c.
"""

import os

from realprogram import (DIALOG, MAIN, Failure, Text, answer_green_run, desktop_for,
                         run_with_golden, to_coc_stage)


def run(program, golden):
    with desktop_for(program) as desktop:
        desktop.window(MAIN)
        to_coc_stage(desktop, "Others e.g. Asbestos")
        desktop.keys_to(MAIN, "Tab", "space")  # Select COC
        answer_green_run(desktop)
        desktop.answer(DIALOG, "shift+Tab", Text("keyboard-run"), "Return")
        desktop.answer("Process complete", "Return")
        with open(os.path.join(desktop.home, "keyboard-run.txt"), "rb") as written:
            if written.read() != golden:
                raise Failure("the saved file differs from the golden one")


if __name__ == "__main__":
    run_with_golden(run, "a whole run from the keyboard: the saved file holds the golden bytes")
