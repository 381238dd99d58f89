# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a desktop of its own, for the tests that meet it as a user does.

Xvfb, a private D-Bus session with its AT-SPI bus, and Terravia on them; the program's windows
are read from the accessibility bus and driven with keys, as a keyboard user drives them.
"""

import ctypes
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

# Seconds for the program, a window or an expected state to show: generous, as a busy machine
# (a parallel build, strace attached) slows every step; a test that passes waits far less.
DEADLINE = 120.0
ORCA_PACE = 0.8  # seconds after each key for Orca to speak, as a listening user waits
WINE_PACE = 0.5  # seconds after each key for a program under Wine, which is not on the bus

MAIN = "Terravia 1.0"
INFO = "Information required"
DIALOG = "Conclusions file"
COC_GROUPS = (12, "Metals e.g. Zinc, Copper & Semi Metals/Non metals e.g.", "Others e.g. Asbestos")
# A pick from an open list, as a keyboard user makes it: the list opens on its current entry,
# or on its first where none is current.
PICK_FIRST = ("alt+Down", "Return")
PICK_SECOND = ("alt+Down", "Down", "Return")

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


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


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

    def start_display(self):
        # Without -noreset the server resets whenever its last client leaves, refusing
        # connections for that moment.
        os.environ["DISPLAY"] = ":" + self.start(
            ["Xvfb", "-displayfd", "FD", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             "-noreset"], True)

    def start_program(self, command, env=None):
        """Starts the program with its output in a log of its own."""
        self.log = os.path.join(self.scratch, "terravia.log")
        with open(self.log, "w") as log:
            self.app = subprocess.Popen(command, env=env, stdout=log, stderr=log)
        self.processes.append(self.app)

    def __enter__(self):
        self.start_display()
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.start(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=FD"], True)
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        if self.orca_log:
            self.start(["orca", "--replace", "--debug-file", self.orca_log])
            wait_until("Orca on the bus", lambda: (self.application("orca"), "not yet"))
        self.start_terravia()
        return self

    def start_terravia(self, **environment):
        """The program, on the accessibility bus, with these variables beside the test's."""
        self.start_program([self.program], dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                                QT_QPA_PLATFORM="xcb", **environment))

    def close(self, title):
        """Closes the window of this title as its close button does, and waits for the
        program's exit; returns its status."""
        ids = xdotool("search", "--onlyvisible", "--name", f"^{title}$")
        if not ids:
            raise Failure(f"no window \"{title}\" to close")
        ask_to_close(int(ids[0]))
        return self.app.wait(DEADLINE)

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
            # A box that is closing leaves the bus while it is read: not there yet, or gone.
            windows = [window for window in (children(app) if app else []) if window is not None]
            try:
                for window in windows:
                    if window.name == title and window.getState().contains(pyatspi.STATE_SHOWING):
                        return True, window
                return False, f"no window \"{title}\" among {[w.name for w in windows]}"
            except Exception as gone:  # noqa: BLE001 (the bus's errors have no common type)
                return False, f"a window left the bus while it was read: {gone}"
        return wait_until(f"window \"{title}\"", probe)

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
        if self.orca_log:
            time.sleep(ORCA_PACE)  # for Orca to speak the window and its focus first
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


class WineDesktop(Desktop):
    """The Windows program under Wine, on Xvfb. A program under Wine is not on the
    accessibility bus: its windows are found by their titles and driven with keys. Its home is
    drive c, where the save-location dialog opens."""

    def __init__(self, program, runner=()):
        """With a runner, such as setpriv and its arguments, Wine runs through it."""
        super().__init__(program)
        self.home = os.path.join(os.environ["WINEPREFIX"], "drive_c")
        self.drives = []
        self.runner = list(runner)

    def __enter__(self):
        self.start_display()
        self.start_program([*self.runner, "wine", self.program])
        return self

    def __exit__(self, *failure):
        super().__exit__(*failure)
        for drive in self.drives:
            os.remove(drive)

    def add_drive(self, letter):
        """A drive of the test's own: a folder in its scratch space, which it returns."""
        folder = os.path.join(self.scratch, f"drive_{letter}")
        os.makedirs(folder)
        self.drives.append(os.path.join(os.environ["WINEPREFIX"], "dosdevices", f"{letter}:"))
        if os.path.lexists(self.drives[-1]):  # left by a test that was killed
            os.remove(self.drives[-1])
        os.symlink(folder, self.drives[-1])
        return folder

    def window(self, title):
        def probe():
            ids = xdotool("search", "--onlyvisible", "--name", f"^{title}$")
            return bool(ids), ids[0] if ids else f"no window \"{title}\" on the display"
        return wait_until(f"window \"{title}\"", probe)

    def keys_to(self, title, *keys):
        self.window(title)
        def focused():
            # Wine may show more than one window of a title for a moment: the one it focuses.
            for window in xdotool("search", "--onlyvisible", "--name", f"^{title}$"):
                xdotool("windowfocus", window)
                if xdotool("getwindowfocus") == [window]:
                    return True, window
            return False, "not focused"
        window = wait_until(f"\"{title}\" focused", focused)
        for key in keys:
            xdotool("type", "--delay", "20", key) if isinstance(key, Text) else xdotool("key", key)
            # Nothing on the bus tells when the program has taken a key: a person's pace.
            time.sleep(WINE_PACE)
        return window


class Tracer:
    """strace attached to the program for the time of one save, following the thread of its
    own that each save runs on."""

    def __init__(self, pid, arguments, log="/dev/null"):
        self.process = subprocess.Popen(["strace", "-f", "-p", str(pid), "-o", log, *arguments],
                                        stderr=subprocess.PIPE, text=True)
        said = []
        while not said or "attached" not in said[-1]:
            said.append(self.process.stderr.readline())
            if not said[-1]:
                raise Failure(f"strace did not attach: {said}")

    def stop(self):
        self.process.terminate()
        self.process.wait(DEADLINE)


def desktop_for(program):
    """The desktop the program runs on: Wine's for a Windows program."""
    return WineDesktop(program) if program.endswith(".exe") else Desktop(program)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


def ask_to_close(window):
    """What a window manager sends when the user clicks a window's close button: the
    WM_DELETE_WINDOW message, which the program answers as a close."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = (ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int)
    x11.XSendEvent.argtypes = (ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p)
    x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = (ctypes.c_void_p,)
    display = x11.XOpenDisplay(None)
    event = _Event()
    event.client.type = 33  # ClientMessage
    event.client.window = window
    event.client.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.client.format = 32
    event.client.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.split()


def labels(window):
    """The texts a box shows, in the order they stand."""
    found = []
    for node in children(window):
        if node.getRoleName() == "label" and node.name:
            found.append(node.name)
        found.extend(labels(node))
    return found


def tree_lists(desktop, path, listed=True):
    """Waits until the dialog's directory tree, which fills in the background, shows the
    directory, so that typing its name can reach it; or, with listed false, no longer shows it."""
    def probe():
        # Rows come and go while the tree is read over the bus: read it again.
        try:
            tree = children(desktop.window(DIALOG))[2]
            shown = any(cell is not None and cell.name == path for cell in children(tree))
        except Exception as gone:  # noqa: BLE001 (the bus's errors have no common type)
            return False, f"the tree changed while it was read: {gone}"
        return shown == listed, f"{path} {'not yet' if listed else 'still'} in the tree"
    wait_until(f"the tree {'listing' if listed else 'dropping'} {path}", probe)


def to_coc_stage(desktop, coc):
    """From the start stage, through a positive screening, to a typed COC group."""
    desktop.keys_to(MAIN, "space")  # Ready
    desktop.answer(INFO, "y")
    desktop.keys_to(MAIN, *PICK_FIRST, "Tab", "space")  # COCs, COC or Land Use?
    desktop.keys_to(MAIN, Text(coc))


def to_land_use_stage(desktop):
    """From the start stage, through a positive screening, to the first land use."""
    desktop.keys_to(MAIN, "space")  # Ready
    desktop.answer(INFO, "y")
    desktop.keys_to(MAIN, *PICK_SECOND, "Tab", "space")  # land use, COC or Land Use?
    desktop.keys_to(MAIN, *PICK_FIRST)


def answer_green_run(desktop, before_dialog=lambda: None):
    """Answers a run from the tonnage to the save-location dialog: a green verdict, a plain
    biological assessment and off-site targets, as the tests' golden file was written.
    before_dialog runs before the answer that brings the dialog."""
    desktop.answer("Tonnage", Text("250"), "Return")
    desktop.answer(INFO, "y")  # solid
    desktop.answer("Concentration", Text("500"), "Return")
    desktop.answer(INFO, "n")
    desktop.answer(INFO, "y")  # gasoline range
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
    for yes in (True, True, False, True):  # assays; residual soil; targets
        desktop.answer(INFO, "y" if yes else "n")
    before_dialog()
    desktop.answer(INFO, "n")


def run_test(run, *arguments, passed):
    """Runs a test's body; a Failure is printed and ends the test with status 1."""
    try:
        run(*arguments)
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    print(passed)


def run_with_golden(run, passed):
    """Runs run(PROGRAM, golden bytes) with the program and golden file of the command line."""
    with open(sys.argv[2], "rb") as golden_file:
        golden = golden_file.read()
    run_test(run, sys.argv[1], golden, passed=passed)


def green_coc_run(desktop, before_dialog=lambda: None):
    """From the program's start, a green run for "Others e.g. Asbestos" up to its dialog."""
    desktop.window(MAIN)
    to_coc_stage(desktop, "Others e.g. Asbestos")
    desktop.keys_to(MAIN, "Tab", "space")  # Select COC
    answer_green_run(desktop, before_dialog)


def read(path):
    return pathlib.Path(path).read_bytes()


def write(path, data):
    pathlib.Path(path).write_bytes(data)
