#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Saving the conclusions when the disk is full or fails, as the user meets it.

The real program under Xvfb, driven from the keyboard, saves into a small tmpfs filled to its
last byte, and then, with strace attached to it, meets a failure injected at each system call
of the save. After every failure the program must name the system's reason, the earlier file
must keep its bytes, no temporary file may be left, and the conclusions must still reach a
second location. A trace of the save that succeeds shows the file's bytes, then its name,
reaching the disk before the run's last message.

    SaveFaultTest.py PATH-TO-TERRAVIA GOLDEN-FILE

Needs root (a private mount namespace and ptrace); exits 77 without it, except under the
README's test command (TERRAVIA_ALL_TESTS=1), where it fails.
"""

import errno
import locale
import os
import re
import shutil
import stat
import subprocess
import sys
import time

from realprogram import (DIALOG, INFO, MAIN, Desktop, Failure, Text, Tracer, answer_green_run,
                         green_coc_run, labels, read, run_with_golden, to_land_use_stage,
                         tree_lists, write)

EARLIER = b"Earlier report, kept as it was\n"  # 31 bytes
NOT_SAVED = "Conclusions file not saved"
NOT_ORDINARY = "The name is not that of an ordinary file."
NOBODY = 65534
FULL_SIZE = 64 * 1024  # smaller than a land-use run's conclusions with no COC group


def skip(reason):
    """Skipped, as in a package build; the README's test command must run it, and fails."""
    if os.environ.get("TERRAVIA_ALL_TESTS") == "1":
        print(f"FAIL: {reason}")
        sys.exit(1)
    print(f"SKIP: {reason}")
    sys.exit(77)


def fill(directory):
    """Writes a filler file until the file system has not one byte left."""
    with open(os.path.join(directory, "filler"), "wb", buffering=0) as filler:
        for chunk in (b"\0" * 4096, b"\0"):
            try:
                while True:
                    filler.write(chunk)
            except OSError as error:
                if error.errno != errno.ENOSPC:
                    raise


def listing(directory):
    return sorted(os.listdir(directory))


def state(kept):
    """What a failed save must leave as it was: the kept file's directory and bytes."""
    return listing(os.path.dirname(kept)), read(kept)


class Saves:
    def __init__(self, desktop):
        self.desktop = desktop
        self.home = desktop.home
        self.pid = desktop.app.pid

    def save(self, *keys):
        """Names the file in the dialog and presses Return there, which presses OK."""
        self.desktop.keys_to(DIALOG, *keys, "Return")

    def expect_failure(self, case, path, reason, kept, before):
        """The message names the path and the reason; the kept file and its directory are as
        they were (before, from state()); then the offer of another location is taken."""
        box = self.desktop.window(NOT_SAVED)
        expected = f"The conclusions could not be saved to {path}: {reason}"
        if labels(box) != [expected]:
            raise Failure(f"{case}: the message reads {labels(box)}, expected {expected!r}")
        if state(kept) != before:
            raise Failure(f"{case}: the earlier file and its directory were {before}, now "
                          f"{state(kept)}")
        self.desktop.answer(NOT_SAVED, "Return")
        question = self.desktop.window(INFO)
        if labels(question) != ["Do you want to choose another location for the conclusions "
                                "file?"]:
            raise Failure(f"{case}: after the message came {labels(question)}")
        self.desktop.answer(INFO, "y")
        print(f"ok: {case}: \"{reason}\" named, the earlier file and the directory as they were")

    def complete(self):
        """Waits for the run's last message; returns when it was first seen."""
        self.desktop.window("Process complete")
        seen = time.time()
        self.desktop.answer("Process complete", "Return")
        return seen


# (case, system calls injected, errno, its reason, limited to the temporary file)
INJECTED = (
    ("open", "open,openat", errno.EDQUOT, True),
    ("write", "write", errno.EDQUOT, True),
    ("file sync", "fdatasync,fsync", errno.EIO, False),
    ("close", "close", errno.EIO, True),
    ("link of the earlier file", "link,linkat", errno.EIO, False),
    ("rename", "rename,renameat,renameat2", errno.EIO, False),
    ("directory sync", "fsync", errno.EIO, False),
)
ORDER = ("fdatasync", "link", "rename", "fsync", "unlink")


def injected_failures(saves):
    """One failing save per injected system call, into a directory with an earlier report."""
    home = saves.home
    report = os.path.join(home, "report.txt")
    temporary = os.path.join(home, f".terravia-new-{saves.pid}")
    for case, calls, error, on_temporary in INJECTED:
        before = state(report)
        # Attached only while the save runs: strace slows every call of the thread.
        tracer = Tracer(saves.pid, ["-e", f"trace={calls}",
                                    "-e", f"inject={calls}:error={errno.errorcode[error]}:when=1",
                                    *(["-P", temporary] if on_temporary else [])])
        saves.save("shift+Tab", Text("report"))
        saves.desktop.window(NOT_SAVED)
        tracer.stop()
        saves.expect_failure(case, report, os.strerror(error), report, before)


# (case, the name typed, what stands there and must stay so)
SPECIAL = (("a FIFO", "pipe", stat.S_ISFIFO), ("a link to a FIFO", "to-pipe", stat.S_ISFIFO),
           ("a device node", "device", stat.S_ISCHR),
           ("a link to a device node", "to-device", stat.S_ISCHR))


def special_files(saves):
    """A name that stands for anything but an ordinary file is refused, and nothing there is
    opened, which for a FIFO would never return."""
    home = saves.home
    os.mkfifo(os.path.join(home, "pipe.txt"))
    os.mknod(os.path.join(home, "device.txt"), 0o600 | stat.S_IFCHR, os.makedev(1, 3))
    for special in ("pipe", "device"):
        os.symlink(f"{special}.txt", os.path.join(home, f"to-{special}.txt"))
    report = os.path.join(home, "report.txt")
    for case, name, kind in SPECIAL:
        before = state(report)
        saves.save("shift+Tab", Text(name))
        path = os.path.join(home, name + ".txt")
        saves.expect_failure(case, path, NOT_ORDINARY, report, before)
        if not kind(os.stat(path).st_mode):
            raise Failure(f"{case}: it is no longer what it was")


def removed_directory(saves):
    """The directory chosen in the tree is removed by another program before OK: the save
    goes there, and fails, and never to the neighbour that the tree then makes current."""
    r1 = os.path.join(saves.home, "r1")
    neighbour = os.path.join(r1, "archive", "report.txt")
    os.makedirs(os.path.join(r1, "work"))
    os.makedirs(os.path.dirname(neighbour))
    write(neighbour, EARLIER)
    before = state(neighbour)
    saves.desktop.keys_to(DIALOG, "Tab", "Tab", Text("r1"), "Right")
    tree_lists(saves.desktop, os.path.join(r1, "work"))
    saves.desktop.keys_to(DIALOG, "Down", "Down", "Tab", "Tab", Text("report"))
    shutil.rmtree(os.path.join(r1, "work"))
    tree_lists(saves.desktop, os.path.join(r1, "work"), listed=False)
    saves.save()
    saves.expect_failure("the chosen directory removed", os.path.join(r1, "work", "report.txt"),
                         os.strerror(errno.ENOENT), neighbour, before)


def no_modes_no_directory_sync(saves):
    """A file system that keeps no modes (as FUSE ones) and cannot sync a directory (EINVAL)
    still takes the report."""
    report = os.path.join(saves.home, "report.txt")
    before = state(report)
    tracer = Tracer(saves.pid, ["-e", "trace=fsync,fchmod", "-e",
                                "inject=fsync:error=EINVAL:when=1", "-e",
                                "inject=fchmod:error=EOPNOTSUPP"])
    saves.save("shift+Tab", Text("report"))
    saves.complete()
    tracer.stop()
    if state(report) == before or listing(saves.home) != before[0]:
        raise Failure("with no modes and no directory sync, the report was not replaced, or a "
                      "file was left")
    print("ok: a file system without modes or directory sync takes the report")


def traced_save(saves, golden):
    """A save that succeeds, traced: the file's sync, the link of the earlier file, the rename
    and the directory's sync, in that order, all before the last message. Another user's
    report, kept from others, stays theirs, and is never readable by others: the new file is
    made for its owner alone."""
    home = saves.home
    trace = os.path.join(os.path.dirname(home), "save.trace")
    second = os.path.join(home, "second.txt")
    write(second, EARLIER)
    os.chmod(second, 0o600)
    os.chown(second, NOBODY, NOBODY)
    tracer = Tracer(saves.pid, ["-ttt", "-e", "trace=" + ",".join(
        ("openat", "fdatasync", "fsync", "link", "linkat", "rename", "renameat", "renameat2",
         "unlink", "unlinkat"))], trace)
    saves.save("shift+Tab", Text("second"))
    seen = saves.complete()
    tracer.stop()
    calls = []
    with open(trace) as lines:
        for line in lines:
            if ".terravia-new-" in line and "O_CREAT" in line and ", 0600)" not in line:
                raise Failure(f"the new file was made readable by others: {line}")
            # "PID STAMP name(...) = 0", or a call that another thread's interrupted, resumed
            call = re.match(r"\d+ +([\d.]+) +(?:<\.\.\. )?(\w+)[( ]", line)
            name = call[2].removesuffix("2").removesuffix("at") if call else None
            if name in ORDER and line.rstrip().endswith("= 0"):
                calls.append((name, float(call[1])))
    if [name for name, _ in calls] != list(ORDER):
        raise Failure(f"the save's calls came as {calls}, expected {ORDER}")
    if calls[3][1] >= seen:
        raise Failure("the directory was synced after the last message was shown")
    kept = os.stat(second)
    if read(second) != golden or (kept.st_mode & 0o777, kept.st_uid, kept.st_gid) != (
            0o600, NOBODY, NOBODY):
        raise Failure("the second location does not hold the whole conclusions at its mode, "
                      "with its owner and group")
    print("ok: the file synced, the earlier one linked, renamed, the directory synced, "
          "then the last message; every conclusion in the file")


def full_disk(saves, full, case, second):
    """A save into the full file system fails with its reason; the next one, elsewhere,
    succeeds. Returns the bytes written there."""
    report = os.path.join(full, "report.txt")
    before = state(report)
    tree_lists(saves.desktop, full)
    saves.save("Tab", "Tab", Text("full"), "Tab", "Tab", Text("report"))
    saves.expect_failure(case, report, os.strerror(errno.ENOSPC), report, before)
    saves.save("shift+Tab", Text(second))
    saves.complete()
    return read(os.path.join(saves.home, second + ".txt"))


def run(program, golden):
    with Desktop(program) as desktop:
        full = os.path.join(desktop.home, "full")
        os.makedirs(full)
        subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={FULL_SIZE},mode=0755", "tmpfs",
                        full], check=True)
        write(os.path.join(full, "report.txt"), EARLIER)
        fill(full)
        write(os.path.join(desktop.home, "report.txt"), EARLIER)
        saves = Saves(desktop)

        green_coc_run(desktop)
        small = full_disk(saves, full, "a full disk, conclusions under 16 KB", "small")
        if small != golden:
            raise Failure("after the full disk, the second location misses conclusions")

        desktop.keys_to(MAIN, "space")  # Select COC again: the same run once more
        answer_green_run(desktop)
        removed_directory(saves)
        injected_failures(saves)
        special_files(saves)
        traced_save(saves, golden * 2)
        desktop.keys_to(MAIN, "space")
        answer_green_run(desktop)
        no_modes_no_directory_sync(saves)

        desktop.keys_to(MAIN, "Tab", "space")  # Clear all
        desktop.keys_to(MAIN, "shift+Tab")
        to_land_use_stage(desktop)
        desktop.keys_to(MAIN, "Tab", "space")  # Select land use
        answer_green_run(desktop)
        large = full_disk(saves, full, "a full disk, conclusions larger than the file system",
                          "large")
        if len(large) <= FULL_SIZE or not large.endswith(b"\r\n"):
            raise Failure(f"the land-use run's file holds {len(large)} bytes")
        subprocess.run(["umount", full], check=True)


if __name__ == "__main__":
    if os.geteuid() != 0:
        skip("needs root, for a private mount namespace with a full tmpfs and for strace")
    for tool in ("strace", "unshare", "xdotool"):
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed")
    with open("/proc/self/mountinfo") as mounts:
        if not any(line.split()[4] == "/" for line in mounts):
            skip("the root directory is not a mount point here (a chroot?), so no private mount "
                 "namespace can be made")
    if os.environ.get("TERRAVIA_PRIVATE_MOUNTS") != "1":
        # The full file system is mounted where only this test sees it.
        os.environ["TERRAVIA_PRIVATE_MOUNTS"] = "1"
        os.execvp("unshare", ["unshare", "--mount", "--propagation", "private",
                              sys.executable, *sys.argv])
    # The reasons are the system's words in the user's language, as the program gives them.
    locale.setlocale(locale.LC_ALL, "")
    run_with_golden(run, "saving under faults: every failure named, no report lost")
