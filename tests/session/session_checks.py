"""What the desktop session tests share: typing into the panel, the folder a terminal opened in, and
what reached the desktop's stand-in services and the login manager."""

import os
import re
import shutil
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
from desktop import (SANDBOX, WM, check, hide_panel, key, panel, panel_shot, read, run, shot,  # noqa: E402
                     type_into_panel, wait_until, windows)


def choose(text, happened, timeout=20):
    """Types `text` and presses Return until `happened`: the first search after the start may still show
    no rows (the sources load in the background), so a second try is allowed and said."""
    for attempt in range(2):
        type_into_panel(text)
        shot(f"{WM}-session-{text}-typed")
        key("Return")
        if wait_until(happened, timeout=timeout):
            if attempt:
                print(f"note {WM}-session: “{text}” needed a second Return", flush=True)
            return True
        if panel():
            hide_panel(timeout=2)
    return False


def ours(pid):
    """Whether a process was started inside this test's sandbox (other tests may run the same programs)."""
    try:
        with open(f"/proc/{pid}/environ", "rb") as f:
            return f"ZARVO_SANDBOX={SANDBOX}".encode() in f.read().split(b"\0")
    except OSError:
        return False


def processes(program, match="-x"):
    """Our processes of that program (`match` "-f": whose command line holds it)."""
    return [pid for pid in run("pgrep", match, program).stdout.split() if ours(pid)]


def comm(pid):
    return read(f"/proc/{pid}/comm").strip()


def terminals_in(folder):
    """pid → program of each terminal of ours that has a child (its shell) working in `folder`."""
    found = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            if os.readlink(f"/proc/{pid}/cwd") != folder or not ours(pid):
                continue
            with open(f"/proc/{pid}/stat") as f:
                parent = f.read().rsplit(")", 1)[1].split()[1]
        except (OSError, IndexError):
            continue
        if parent != "1" and comm(parent) != "zarvo":
            found[parent] = comm(parent)
    return found


def terminal_opens_in_folder(*terminals):
    """Alt+Return on a folder opens the first installed of `terminals`, each (name, program[, the shell's
    parent where the terminal hands the window to a server]), else any terminal, with its shell there."""
    name, program, *shell_parent = next((t for t in terminals if shutil.which(t[1])), ("a terminal", None))
    if program is None:
        print(f"note {WM}-session: {', '.join(t[0] for t in terminals)} not installed: Open in Terminal checked "
              "with the terminal found", flush=True)
    folder = os.path.join(os.environ["HOME"], "Projects", "two words")
    os.makedirs(folder, exist_ok=True)
    type_into_panel("~/Projects/two words")
    key("alt+Return")
    parent = (shell_parent or [program or ""])[0][:15]  # a program's name as the kernel keeps it
    opened = wait_until(lambda: any(parent in ("", p) for p in terminals_in(folder).values()), timeout=20)
    check(f"Alt+Return opens {name} in the folder", opened, str(terminals_in(folder)))
    if program is None:
        print(f"note {WM}-session: the terminal started: {sorted(set(terminals_in(folder).values()))}", flush=True)
    time.sleep(0.5)
    shot(f"{WM}-session-terminal")
    for pid in terminals_in(folder):
        run("kill", pid)
    if program:
        for pid in processes(program):
            run("kill", pid)


def calls():
    return read(os.path.join(SANDBOX, "session-calls.log"))


def login_calls():
    return read(os.path.join(SANDBOX, "login1.log")).split("\n", 1)[-1]


def lock_fails_aloud(lockers=()):
    """Each locker on the list (a session bus service) is asked and refuses; the panel stays up to say so."""
    def failure_said():
        return "no screen locker answered" in read(os.path.join(SANDBOX, "zarvo.log"))
    choose("lock", lambda: f"{lockers[0]} Lock" in calls() if lockers else failure_said())
    for locker in lockers:
        check(f"lock asks {locker}", wait_until(lambda: f"{locker} Lock" in calls(), timeout=30), calls())
    # Each locker may take its time to answer (a password prompt, a loaded machine).
    said = wait_until(failure_said, timeout=60)
    check("a lock that fails is said, and the panel stays up", said and panel() != 0)
    if panel():
        panel_shot(f"{WM}-session-lock-failed")
    hide_panel()


def asked(interface, member, argument=""):
    """Whether `member` of `interface` was called (with `argument` first, when given), as a stand-in
    records it ("interface member argument") or as dbus-monitor prints a call to the real service."""
    log = calls()
    standin = f"{interface} {member}" + (f" {argument}" if argument else "")
    monitored = rf"interface={re.escape(interface)}; member={member}\n" + (rf"   \w+ {argument}\n" if argument else "")
    return standin in log or re.search(monitored, log) is not None


def endings_go_to_the_session(expected, dismiss=None):
    """Each of (command, interface, member, argument) reaches the desktop's session manager as that call;
    `dismiss(command)`, where the real one shows its dialog, checks that it shows and cancels it. The
    login manager hears nothing."""
    for command, interface, member, argument in expected:
        check(f"“{command}” goes to {interface}.{member}",
              choose(command, lambda: asked(interface, member, argument)), calls()[-600:])
        wait_until(lambda: not panel(), timeout=3)
        if dismiss:
            dismiss(command)
        elif panel():
            key("Escape")
    time.sleep(1)
    check("the login manager heard nothing", login_calls().strip() == "", login_calls())
    # A dialog the user cancelled is an answer, not a failure to report.
    log = read(os.path.join(SANDBOX, "zarvo.log"))
    check("no ending is reported as failed", not any(f"Zarvo: {c[0]} failed" in log for c in expected), log[-600:])


def first_start_names_the_holder(holder):
    """The first start says who holds Super+R instead of showing the panel; returns the notice."""
    notice = wait_until(lambda: windows("^Zarvo Shortcut$"), timeout=30)
    check(f"the first start says that {holder} holds Super+R", bool(notice))
    text = f"Super+R is used by {holder}"
    check(f"the log says “{text}”", wait_until(lambda: text in read(os.path.join(SANDBOX, "zarvo.log"))),
          read(os.path.join(SANDBOX, "zarvo.log"))[-500:])
    shot(f"{WM}-session-key-taken")
    return notice[0] if notice else 0


def notice_opens_the_panel(notice):
    """The notice's default button, "Open Zarvo", shows the panel."""
    if notice:
        key("Return")
    check("the panel shows after it", bool(wait_until(panel, timeout=15)))
    shot(f"{WM}-session-launch")
    hide_panel()
