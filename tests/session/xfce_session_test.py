#!/usr/bin/python3
"""Zarvo in a whole XFCE session, driven as a new user would: the desktop's own panel, shortcuts and
session manager are there, and a stand-in login manager on a private system bus records what reaches
it. Prints one line per check and a closing count."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
from app_desktop_test import (CLI, SANDBOX, ZARVO, check, key, panel, panel_has_keyboard, panel_shot,  # noqa: E402
                              quit_zarvo, read, run, shot, summary, wait_until, windows)


def session_is_up():
    """xfwm4 manages the screen and the panel is mapped."""
    wm = "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout
    return wm and bool(run("xdotool", "search", "--class", "xfce4-panel").stdout.split())


def first_row(text):
    out = run(CLI, "query", text).stdout.splitlines()
    return out[0] if out else ""


def main():
    check("the XFCE session comes up (xfwm4 and the panel)", wait_until(session_is_up, timeout=60))
    time.sleep(1)
    log = open(os.path.join(SANDBOX, "zarvo.log"), "w")
    app = subprocess.Popen([ZARVO], stdout=log, stderr=subprocess.STDOUT)
    try:
        check("the panel shows at launch in the session", bool(wait_until(panel, timeout=30)))
        shot("xfce-session-launch")
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

        check("nothing reached the login manager", read(os.path.join(SANDBOX, "login1.log")).split() == ["ready"],
              read(os.path.join(SANDBOX, "login1.log")))
        check("zarvo --quit ends the application", quit_zarvo(app))
        text = read(os.path.join(SANDBOX, "zarvo.log"))
        check("nothing went wrong in the application's log", "runtime error" not in text and "ERROR:" not in text,
              text[-2000:])
    finally:
        if app.poll() is None:
            app.kill()
    return summary()


if __name__ == "__main__":
    sys.exit(main())
