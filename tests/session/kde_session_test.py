#!/usr/bin/python3
"""Zarvo among KDE Plasma's pieces that run here: the real kglobalaccel holding a key, Plasma's logout
prompt started on demand and its screen locker as stand-ins on the session bus, the stand-in login
manager on the system bus. Prints one line per check and a closing count."""

import os
import shutil
import subprocess
import sys
import time

import dbus

from session_checks import (endings_go_to_the_session, first_start_names_the_holder, key, lock_fails_aloud,
                            panel, read, terminal_opens_in_folder, wait_until)
from desktop import SANDBOX, ZARVO, check, quit_zarvo, summary


def kglobalaccel_takes_meta_r():
    """An application registers Meta+R with kglobalaccel, which grabs it on the X server."""
    bus = dbus.SessionBus()
    accel = dbus.Interface(bus.get_object("org.kde.kglobalaccel", "/kglobalaccel"), "org.kde.KGlobalAccel")
    action = ["org.example.Notes", "new-note", "Notes", "New Note"]
    accel.doRegister(action)
    meta_r = 0x10000000 | 0x52  # Qt::META | Qt::Key_R
    keys = accel.setShortcut(action, dbus.Array([meta_r], signature="i"), dbus.UInt32(2 | 4))  # present, forced
    check("kglobalaccel holds Meta+R", list(keys) == [meta_r], str(keys))
    written = os.path.join(os.environ["XDG_CONFIG_HOME"], "kglobalshortcutsrc")
    check("kglobalaccel wrote its file", wait_until(lambda: "Meta+R" in read(written), timeout=10), read(written))


def main():
    kglobalaccel_takes_meta_r()
    log = open(os.path.join(SANDBOX, "zarvo.log"), "w")
    app = subprocess.Popen([ZARVO], stdout=log, stderr=subprocess.STDOUT)
    try:
        if first_start_names_the_holder("KDE Plasma"):
            key("Return")  # "Open Zarvo"
        check("the panel shows after it", bool(wait_until(panel, timeout=15)))
        key("Escape")
        wait_until(lambda: not panel())
        if shutil.which("konsole"):
            terminal_opens_in_folder("Konsole", "konsole")
        else:
            print("note kde-session: Konsole is not installed: Open in Terminal checked with the terminal found", flush=True)
            terminal_opens_in_folder("an installed terminal", None)
        lock_fails_aloud(["org.freedesktop.ScreenSaver", "org.kde.screensaver"])
        endings_go_to_the_session([("logout", "org.kde.LogoutPrompt promptLogout"),
                                   ("shutdown", "org.kde.LogoutPrompt promptShutDown"),
                                   ("restart", "org.kde.LogoutPrompt promptReboot")])
        prompts = read(os.path.join(SANDBOX, "session-calls.log")).count("org.kde.LogoutPrompt")
        time.sleep(0.5)
        running = dbus.SessionBus().name_has_owner("org.kde.LogoutPrompt")
        check("the prompt was started for each and is gone after it", prompts == 3 and not running,
              f"{prompts} calls, running={running}")
        check("zarvo --quit ends the application", quit_zarvo(app) or app.poll() is not None)
    finally:
        if app.poll() is None:
            app.kill()
    return summary()


if __name__ == "__main__":
    sys.exit(main())
