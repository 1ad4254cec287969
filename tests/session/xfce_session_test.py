#!/usr/bin/python3
"""Zarvo in a whole XFCE session, driven as a new user would: the desktop's own panel, shortcuts and
session manager are there, and a stand-in login manager on a private system bus records what reaches
it. Prints one line per check and a closing count."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
from desktop import (CLI, SANDBOX, ZARVO, check, key, panel, panel_has_keyboard, panel_shot,  # noqa: E402
                     quit_zarvo, read, run, shot, summary, wait_until, windows)


def session_is_up():
    """xfwm4 manages the screen and the panel is mapped."""
    wm = "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout
    return wm and bool(run("xdotool", "search", "--class", "xfce4-panel").stdout.split())


def first_row(text):
    out = run(CLI, "query", text).stdout.splitlines()
    return out[0] if out else ""


def type_into_panel(text):
    if not panel():
        run(ZARVO, "--toggle", check_status=True)
    check(f"the panel takes the keyboard for “{text}”", wait_until(panel_has_keyboard, timeout=10))
    run("xdotool", "key", "ctrl+a", "BackSpace")
    run("xdotool", "type", "--delay", "30", text)
    time.sleep(0.6)


def shells_of(program):
    """The working folders of the processes whose parent is `program`."""
    found = []
    for pid in run("pgrep", "-x", program).stdout.split():
        for child in run("pgrep", "-P", pid).stdout.split():
            try:
                found.append(os.readlink(f"/proc/{child}/cwd"))
            except OSError:
                pass
    return found


def open_in_terminal():
    folder = os.path.join(os.environ["HOME"], "Projects", "two words")
    os.makedirs(folder, exist_ok=True)
    type_into_panel("~/Projects/two words")
    key("alt+Return")
    opened = wait_until(lambda: folder in shells_of("xfce4-terminal"), timeout=15)
    check("Alt+Return opens xfce4-terminal in the folder", opened, str(shells_of("xfce4-terminal")))
    time.sleep(0.5)
    shot("xfce-session-terminal")
    run("pkill", "-x", "xfce4-terminal")


def lock_fails_aloud():
    # No screen locker is installed in this session: xflock4 finds none and fails.
    type_into_panel("lock")
    key("Return")
    time.sleep(3)
    check("a lock that fails keeps the panel up to say so", panel() != 0)
    panel_shot("xfce-session-lock-failed")
    key("Escape")
    wait_until(lambda: not panel())


def restart_asks_the_session():
    # Last: the session manager ends the session, then asks the login manager to restart.
    type_into_panel("restart")
    key("Return")
    asked = wait_until(lambda: "Restart" in read(os.path.join(SANDBOX, "session-calls.log")), timeout=10)
    check("Restart goes to the XFCE session manager", asked, read(os.path.join(SANDBOX, "session-calls.log"))[-800:])
    time.sleep(2)
    calls = read(os.path.join(SANDBOX, "login1.log"))
    check("the login manager heard nothing from Zarvo itself", "by zarvo" not in calls, calls)


def main():
    check("the XFCE session comes up (xfwm4 and the panel)", wait_until(session_is_up, timeout=60))
    time.sleep(1)
    log = open(os.path.join(SANDBOX, "zarvo.log"), "w")
    app = subprocess.Popen([ZARVO], stdout=log, stderr=subprocess.STDOUT)
    try:
        # XFCE holds Super+R for its app finder: the first start says so, once, before the panel.
        notice = wait_until(lambda: windows("^Zarvo Shortcut$"), timeout=30)
        check("the first start says that Xfce holds Super+R", bool(notice))
        shot("xfce-session-key-taken")
        if notice:
            key("Return")  # "Open Zarvo"
        check("the panel shows after it", bool(wait_until(panel, timeout=15)))
        shot("xfce-session-launch")
        log_text = read(os.path.join(SANDBOX, "zarvo.log"))
        check("the log names the holder", "Super+R is used by Xfce" in log_text, log_text[-500:])
        key("Escape")
        wait_until(lambda: not panel())

        run(ZARVO, "--toggle", check_status=True)
        check("zarvo --toggle shows the panel with the keyboard", wait_until(panel_has_keyboard, timeout=10))
        run("xdotool", "type", "--delay", "30", "thunar")
        time.sleep(0.8)
        panel_shot("xfce-session-thunar")
        row = first_row("thunar")
        check("“thunar” lists the file manager first, not Bulk Rename", row.startswith("Thunar File Manager"), row)
        key("Escape")
        wait_until(lambda: not panel())

        open_in_terminal()
        lock_fails_aloud()
        check("nothing reached the login manager", read(os.path.join(SANDBOX, "login1.log")).split() == ["ready"],
              read(os.path.join(SANDBOX, "login1.log")))
        restart_asks_the_session()
        check("zarvo --quit ends the application", quit_zarvo(app) or app.poll() is not None)
        text = read(os.path.join(SANDBOX, "zarvo.log"))
        check("nothing went wrong in the application's log", "runtime error" not in text and "ERROR:" not in text,
              text[-2000:])
    finally:
        if app.poll() is None:
            app.kill()
    return summary()


if __name__ == "__main__":
    sys.exit(main())
