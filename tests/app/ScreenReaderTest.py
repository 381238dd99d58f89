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
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

DEADLINE = 30.0  # seconds for the program, a window or an expected state to show
ORCA_PACE = 0.8  # seconds after each key for Orca to speak, as a listening user waits

MODES = ("Define chemicals of concern (COCs)", "Define historical land use")
LAND_USES = (52, "Airports", "Waste recycling, treatment and disposal sites: metal recycling sites")
COC_GROUPS = (12, "Metals e.g. Zinc, Copper & Semi Metals/Non metals e.g.", "Others e.g. Asbestos")
NO_ENTRIES = (0, None, None)
PRESS = ("Press", "SetFocus")
# A pick from an open list, as a keyboard user makes it: the list opens on its current entry,
# or on its first where none is current.
PICK_FIRST = ("alt+Down", "Return")
PICK_SECOND = ("alt+Down", "Down", "Return")
LIST_ACTIONS = ("ShowMenu", "Press")
NOT_AN_ENTRY = "current entry not among the entries"
ILLUSTRATION = ("Cross-section of a contaminated site: a treatment pile, a borehole and a "
                "contaminant plume above the ground water")


class Failure(Exception):
    pass


class Text(str):
    """Keys that type this text."""


def wait_until(what, probe):
    """Polls probe() until it returns something true; fails with its last return otherwise."""
    end = time.monotonic() + DEADLINE
    while True:
        result = probe()
        if result and result[0]:
            return result[1]
        if time.monotonic() > end:
            raise Failure(f"{what}: {result[1] if result else 'nothing'}")
        time.sleep(0.05)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return ()
    return tuple(action.getName(i) for i in range(action.nActions))


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


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


class Desktop:
    """Xvfb, a private session bus with its AT-SPI bus, and the program on them."""

    def __init__(self, program, orca_log=None):
        self.program = program
        self.orca_log = orca_log
        self.processes = []
        self.scratch = tempfile.mkdtemp(prefix="terravia-a11y-")
        self.home = os.path.join(self.scratch, "home")
        os.makedirs(self.home)
        runtime = os.path.join(self.scratch, "runtime")
        os.makedirs(runtime, mode=0o700)
        os.environ.update(HOME=self.home, XDG_RUNTIME_DIR=runtime)
        os.environ.pop("QT_QPA_PLATFORM", None)

    def start(self, command, announces=False):
        """Starts a process. With announces, FD in the command stands for a pipe, and the first
        line the process writes there is returned: what it announces once it is ready."""
        fds = ()
        if announces:
            read, write = os.pipe()
            fds = (write,)
            command = [a.replace("FD", str(write)) for a in command]
        self.processes.append(subprocess.Popen(command, pass_fds=fds, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
        if not announces:
            return None
        os.close(write)
        with os.fdopen(read) as stream:
            line = stream.readline().strip()
        if not line:
            raise Failure(f"{command[0]} did not start")
        return line

    def __enter__(self):
        # Without -noreset the server resets whenever its last client leaves, refusing
        # connections for that moment.
        os.environ["DISPLAY"] = ":" + self.start(
            ["Xvfb", "-displayfd", "FD", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             "-noreset"], True)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.start(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=FD"], True)
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        if self.orca_log:
            self.start(["orca", "--replace", "--debug-file", self.orca_log])
            wait_until("Orca on the bus", lambda: (self.application("orca"), "not yet"))
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.log = os.path.join(self.scratch, "terravia.log")
        with open(self.log, "w") as log:
            self.app = subprocess.Popen([self.program], env=env, stdout=log, stderr=log)
        self.processes.append(self.app)
        return self

    def __exit__(self, *failure):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def application(self, name=None):
        """The program on the bus; with a name, the application of that name."""
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            try:
                if app is not None and (app.name == name if name else
                                        app.get_process_id() == self.app.pid):
                    return app
            except Exception:  # an application leaving the bus while it is read
                pass
        return None

    def window(self, title):
        """The program's top-level window with this title, once it is on the bus."""
        def probe():
            if self.app.poll() is not None:
                with open(self.log) as log:
                    raise Failure(f"terravia ended with {self.app.returncode}: {log.read()}")
            app = self.application()
            windows = children(app) if app else []
            for window in windows:
                if window.name == title and window.getState().contains(pyatspi.STATE_SHOWING):
                    return True, window
            return False, f"no window \"{title}\" among {[w.name for w in windows]}"
        return wait_until(f"window \"{title}\"", probe)

    def expect(self, stage, title, expected):
        """Waits until the window's controls read as expected, then returns them."""
        def probe():
            window = self.window(title)
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

    def keys_to(self, title, *keys):
        """Gives the window of this title the keyboard, as a window manager would, and once the
        program has made it the active window, presses the keys in order; a Text is typed."""
        def focused():
            ids = xdotool("search", "--onlyvisible", "--name", f"^{title}$")
            if not ids:
                return False, "not on the display"
            xdotool("windowfocus", "--sync", ids[0])
            active = self.window(title).getState().contains(pyatspi.STATE_ACTIVE)
            return active, ids[0]
        window = wait_until(f"\"{title}\" active", focused)
        for key in keys:
            if isinstance(key, Text):
                xdotool("type", "--delay", "20", key)
            else:
                xdotool("key", key)
            if self.orca_log:
                time.sleep(ORCA_PACE)
        return window

    def answer(self, title, *keys):
        """Answers a box and waits until it has gone."""
        window = self.keys_to(title, *keys)
        wait_until(f"\"{title}\" closing",
                   lambda: (window not in xdotool("search", "--onlyvisible", "--name",
                                                  f"^{title}$"), "still open"))


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.split()


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
        desktop.answer("Tonnage", Text("250"), "Return")
        desktop.answer(info, "y")  # solid
        desktop.answer("Concentration", Text("500"), "Return")
        desktop.answer(info, "n")
        desktop.answer(info, "y")  # gasoline range
        for title, reply in (("Respiration rate", "0.5"), ("Soil pH", "7"),
                             ("Bulk density", "1.2"), ("Water holding capacity", "30")):
            desktop.answer(title, Text(reply), "Return")
        desktop.answer("Ex situ is valid", "Return")
        for title, reply in (("CFU concentration", "50000"), ("CFU heterotrophs", "2000"),
                             ("Respiration rate after bioaugmentation", "0.1"),
                             ("Biodegradation rate", "150"),
                             ("C concentration associated with TPH", "123"),
                             ("Co-contaminants", "500")):
            desktop.answer(title, Text(reply), "Return")
        for yes in (True, True, False, True, False):  # assays; residual soil; targets
            desktop.answer(info, "y" if yes else "n")

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
