#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole run of the real program from the keyboard, down to the bytes of the file it saves.

    KeyboardSaveTest.py PATH-TO-TERRAVIA GOLDEN-FILE

Runs the program under Xvfb with a private accessibility bus, answers a green run for
"Others e.g. Asbestos" with keys, saves it in the home directory and compares the file with
the golden one. The Debian package's autopkgtest points it at the installed /usr/bin/terravia.

tools/windows-build.sh points it at the Windows program (an .exe), which runs under Wine. There
the run picks a drive d: of its own from the drive list, tries a read-only file first, which
must fail with Windows' reason and keep its bytes, then names that Windows keeps for devices
and streams, which the program refuses with its own rule, leaving nothing on the drive, and
then saves through a link, whose target takes the golden bytes while the link stays.
"""

import contextlib
import os
import subprocess

from realprogram import (DIALOG, INFO, MAIN, Failure, Text, WineDesktop, desktop_for,
                         green_coc_run, labels, read, run_with_golden, wait_until, write, xdotool)

EARLIER = b"an earlier report\r\n"
# Names that Windows keeps for devices or streams, each refused with the program's own rule.
COLON = ("A file name on Windows may not hold a colon, which would name a hidden stream of "
         "another file.")
DEVICE = ("Windows keeps the names CON, PRN, AUX, NUL, COM0 to COM9 and LPT0 to LPT9 for "
          "devices, with any extension.")
FORBIDDEN = 'A file name on Windows may not hold < > " | ? * or a control character.'
REFUSED_NAMES = (("a:b", "a:b.txt", COLON), ("CON", "CON.txt", DEVICE),
                 ("nul.txt", "nul.txt", DEVICE), ("x|y", "x|y.txt", FORBIDDEN))


def refusal(name, reason):
    """What Ctrl+C copies from the refusal on Windows. A drive's root keeps its backslash
    before the name."""
    return "\n".join(["-" * 27, "Conclusions file not saved", "-" * 27,
                      f"The conclusions could not be saved to D:\\\\{name}: {reason}", "-" * 27,
                      "OK   ", "-" * 27, ""])


def clipboard():
    # The owner of the clipboard may not answer while it is busy: asked again, then.
    try:
        copied = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                                timeout=5)
    except subprocess.TimeoutExpired:
        return ""
    return copied.stdout.decode(errors="replace").replace("\r\n", "\n")


NO_FURTHER = "No further action"
THIRD_QUESTION = "Has an exposure risk been identified during the generic risk assessment?"


def question_asked(desktop):
    """The question on screen: read from the accessibility bus, or under Wine from what Ctrl+C
    copies from a message box."""
    if isinstance(desktop, WineDesktop):
        desktop.keys_to(INFO, "ctrl+c")
        return wait_until("the question on the clipboard", lambda: (
            THIRD_QUESTION in clipboard(), clipboard())) and THIRD_QUESTION
    return wait_until("the third question", lambda: (
        labels(desktop.window(INFO)) == [THIRD_QUESTION], labels(desktop.window(INFO))))


class BusyMachine:
    """Two busy loops a core, for as long as it is entered."""

    def __enter__(self):
        self.loops = [subprocess.Popen(["sh", "-c", "while :; do :; done"])
                      for _ in range(2 * os.cpu_count())]
        return self

    def __exit__(self, *failure):
        for loop in self.loops:
            loop.kill()
            loop.wait()


def letters_typed_fast(desktop):
    """Letters typed 30 ms apart each answer a question of their own, on a machine so busy that
    the next box may stand only after the next key: after Ready, N and N end the screening, and
    N and Y reach its third question. Under Wine the machine stays idle: there the keys pass
    through Wine's own driver and server, whose pace under load is not the program's."""
    desktop.window(MAIN)
    busy = contextlib.nullcontext if isinstance(desktop, WineDesktop) else BusyMachine
    for second in ("n", "y"):
        desktop.keys_to(MAIN, "space")  # Ready
        desktop.keys_to(INFO)
        with busy():
            xdotool("key", "--delay", "30", "n", second)
            if second == "y":
                question_asked(desktop)
        if second == "y":
            desktop.answer(INFO, "n")
        desktop.answer(NO_FURTHER, "Return")
    print("ok: N and N, and N and Y, typed 30 ms apart, each answered their own question")


def save_at_home(desktop):
    desktop.answer(DIALOG, "shift+Tab", Text("keyboard-run"), "Return")
    desktop.answer("Process complete", "Return")
    return read(os.path.join(desktop.home, "keyboard-run.txt"))


def save_on_drive_d(desktop, name):
    # The dialog opens on c:\ with OK focused: the drive list is next, the name field before.
    desktop.answer(DIALOG, "Tab", "d", "shift+Tab", "shift+Tab", Text(name), "Return")


def drive_d(desktop):
    """A drive of the test's own, with a read-only file and a link to another file."""
    drive = desktop.add_drive("d")
    os.makedirs(os.path.join(drive, "reports"))
    for name in ("locked.txt", "reports/linked.txt"):
        write(os.path.join(drive, name), EARLIER)
    os.symlink("reports/linked.txt", os.path.join(drive, "keyboard-run.txt"))
    subprocess.run(["wine", "attrib", "+R", "d:\\locked.txt"], check=True)
    return drive


def refused_on_drive_d(desktop, name, expected):
    """A save refused with the expected refusal, and another location taken."""
    save_on_drive_d(desktop, name)
    desktop.keys_to("Conclusions file not saved", "ctrl+c")
    wait_until(f"the refusal of {name} on the clipboard",
               lambda: (clipboard() == expected, repr(clipboard())))
    desktop.answer("Conclusions file not saved", "Return")
    desktop.answer(INFO, "y")  # another location


def save_under_wine(desktop, drive):
    """The read-only file refused with Windows' reason (Wine's words for ERROR_ACCESS_DENIED;
    Windows itself says "Access is denied."), names Windows keeps refused with the program's
    own, then the save through the link."""
    before = sorted(os.listdir(drive))
    refused_on_drive_d(desktop, "locked", refusal("locked.txt", "Access denied."))
    for name, path, reason in REFUSED_NAMES:
        refused_on_drive_d(desktop, name, refusal(path, reason))
    if sorted(os.listdir(drive)) != before:
        raise Failure(f"a refused save left {sorted(os.listdir(drive))}, before {before}")
    save_on_drive_d(desktop, "keyboard-run")
    desktop.answer("Process complete", "Return")
    if read(os.path.join(drive, "locked.txt")) != EARLIER:
        raise Failure("the read-only file lost its earlier bytes")
    if not os.path.islink(os.path.join(drive, "keyboard-run.txt")):
        raise Failure("the link at the chosen name was replaced")
    return read(os.path.join(drive, "reports/linked.txt"))


def run(program, golden):
    with desktop_for(program) as desktop:
        drive = drive_d(desktop) if isinstance(desktop, WineDesktop) else None
        letters_typed_fast(desktop)
        green_coc_run(desktop)
        saved = save_under_wine(desktop, drive) if drive else save_at_home(desktop)
        if saved != golden:
            raise Failure("the saved file differs from the golden one")


if __name__ == "__main__":
    run_with_golden(run, "a whole run from the keyboard: the saved file holds the golden bytes")
