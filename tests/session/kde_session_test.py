#!/usr/bin/python3
"""Zarvo in the KDE Plasma session run-kde-session.sh sets up, with Plasma's services or its stand-ins."""

import os
import sys
import time

import dbus

from session_checks import (asked, choose, endings_go_to_the_session, first_start_names_the_holder, key,
                            lock_fails_aloud, notice_opens_the_panel, processes, read, run, shot,
                            terminal_opens_in_folder, wait_until)
from desktop import SANDBOX, check, quit_zarvo, summary, zarvo_running

REAL = bool(os.environ.get("ZARVO_REAL_SESSION"))
ENDINGS = [("logout", "promptLogout"), ("shutdown", "promptShutDown"), ("restart", "promptReboot")]


def prompt_is_cancelled(command):
    """Plasma's prompt covers the screen with the ending asked for chosen; Escape cancels it."""
    shown = wait_until(lambda: processes("ksmserver-logout-greeter", "-f") and
                       run("xdotool", "search", "--onlyvisible", "--class", "ksmserver-logout-greeter").stdout,
                       timeout=20)
    check(f"Plasma's logout prompt shows for “{command}”", bool(shown))
    time.sleep(1)  # its fade-in
    shot(f"kde-session-prompt-{command}")
    key("Escape")
    check("Escape cancels it", wait_until(lambda: not processes("ksmserver-logout-greeter", "-f"), timeout=10))


def lock_locks():
    """ksmserver's locker takes the screen: its greeter runs and the screen saver says it is active."""
    choose("lock", lambda: asked("org.freedesktop.ScreenSaver", "Lock"))
    check("Plasma's screen locker shows", bool(wait_until(lambda: processes("kscreenlocker_greet", "-f"), timeout=20)))
    active = wait_until(lambda: "true" in run("dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.ScreenSaver",
                                              "/ScreenSaver", "org.freedesktop.ScreenSaver.GetActive").stdout, timeout=10)
    check("the screen is locked, and nothing says otherwise",
          active and "no screen locker answered" not in read(os.path.join(SANDBOX, "zarvo.log")))
    time.sleep(1)
    shot("kde-session-locked")


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
    if REAL:
        check("ksmserver runs", wait_until(lambda: dbus.SessionBus().name_has_owner("org.kde.ksmserver"), timeout=30))
    kglobalaccel_takes_meta_r()
    with zarvo_running(panel_at_launch=False) as app:
        notice_opens_the_panel(first_start_names_the_holder("KDE Plasma"))
        terminal_opens_in_folder(("Konsole", "konsole"))
        endings_go_to_the_session([(c, "org.kde.LogoutPrompt", m, "") for c, m in ENDINGS],
                                  prompt_is_cancelled if REAL else None)
        check("the logout prompt is gone after it",
              wait_until(lambda: not dbus.SessionBus().name_has_owner("org.kde.LogoutPrompt"), timeout=5))
        # Last where the locker is real: the screen stays locked.
        if REAL:
            lock_locks()
        else:
            lock_fails_aloud(["org.freedesktop.ScreenSaver", "org.kde.screensaver"])
        check("zarvo --quit ends the application", quit_zarvo(app) or app.poll() is not None)
    return summary()


if __name__ == "__main__":
    sys.exit(main())
