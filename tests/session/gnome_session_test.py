#!/usr/bin/python3
"""Zarvo in the GNOME session run-gnome-session.sh sets up, with GNOME's services or its stand-ins."""

import os
import re
import sys
import time

import dbus

from session_checks import (asked, calls, endings_go_to_the_session, first_start_names_the_holder, key,
                            notice_opens_the_panel, run, shot, terminal_opens_in_folder, wait_until)
from desktop import check, focus, quit_zarvo, summary, windows, wm_is_up, zarvo_running

MEDIA_KEYS = "org.gnome.settings-daemon.plugins.media-keys"
REAL_SESSION = bool(os.environ.get("ZARVO_REAL_SESSION"))
SHELL = "GNOME Shell" if os.environ.get("ZARVO_REAL_WM") else "mutter"
DIALOG = "org.gnome.SessionManager.EndSessionDialog"


def dialog_is_cancelled(command):
    """The session manager has GNOME Shell show its dialog for the ending asked for; Escape cancels it."""
    kind = {"logout": 0, "shutdown": 1, "restart": 2}[command]
    cancelled = calls().count("member=Canceled")
    check(f"GNOME Shell shows its dialog for “{command}”", wait_until(lambda: asked(DIALOG, "Open", kind), timeout=20))
    time.sleep(1)  # its fade-in
    shot(f"gnome-session-dialog-{command}")
    key("Escape")
    check("Escape cancels it", wait_until(lambda: calls().count("member=Canceled") > cancelled, timeout=10))
    time.sleep(1)  # the shell gives the keyboard back once the dialog has faded out


def overview_active(value=None):
    """Whether GNOME Shell shows its overview; with `value`, shows or leaves it first."""
    try:
        shell = dbus.Interface(dbus.SessionBus().get_object("org.gnome.Shell", "/org/gnome/Shell"),
                               dbus.PROPERTIES_IFACE)
        if value is not None:
            shell.Set("org.gnome.Shell", "OverviewActive", dbus.Boolean(value))
        return bool(shell.Get("org.gnome.Shell", "OverviewActive"))
    except dbus.DBusException:
        return False


def custom_bindings():
    """name, command and binding of each custom keybinding in GNOME's keyboard settings."""
    paths = run("gsettings", "get", MEDIA_KEYS, "custom-keybindings").stdout
    out = []
    for path in re.findall(r"'([^']+)'", paths):
        schema = f"{MEDIA_KEYS}.custom-keybinding:{path}"
        out.append(tuple(run("gsettings", "get", schema, k).stdout.strip().strip("'")
                         for k in ("name", "command", "binding")))
    return out


def bind_through_gnome(notice):
    """The notice's "Let GNOME Open Zarvo with Super+R…", then Yes: a custom keybinding runs the command."""
    focus(notice)
    key("shift+Tab", "space")
    question = wait_until(lambda: windows("^Change GNOME's Shortcuts\\?$"), timeout=10)
    check("binding through GNOME asks first", bool(question))
    shot("gnome-session-bind-question")
    if question:
        focus(question[0])
        key("alt+y")
    bound = wait_until(lambda: [b for b in custom_bindings() if b[1].endswith("zarvo --toggle")], timeout=10)
    check("a custom keybinding in GNOME's settings runs zarvo --toggle on Super+R",
          bound and bound[0][2] == "<Super>r", str(custom_bindings()))


def main():
    check(f"{SHELL} manages the screen", wait_until(wm_is_up, timeout=60))
    if SHELL == "GNOME Shell":
        # The shell starts a session in its overview, which holds the keyboard; a user leaves it first.
        wait_until(overview_active, timeout=20)
        check("GNOME Shell's overview is closed", wait_until(lambda: not overview_active(False), timeout=10))
    overlay = run("gsettings", "get", "org.gnome.mutter", "overlay-key").stdout.strip()
    check("mutter's overlay key is Super", overlay == "'Super_L'", overlay)
    with zarvo_running(panel_at_launch=False) as app:
        notice = first_start_names_the_holder("GNOME")
        time.sleep(1)
        shot("gnome-session-notice")
        # Without a status area the background notice goes to the notification server, naming the way in.
        check("a notification says how to bind the command in GNOME's Settings",
              wait_until(lambda: "Notify" in calls() and "Settings › Keyboard" in calls(), timeout=10), calls())
        if notice:
            bind_through_gnome(notice)
        check("the notice closes", wait_until(lambda: not windows("^Zarvo Shortcut$"), timeout=10))
        notice_opens_the_panel(0)
        terminal_opens_in_folder(("GNOME Console", "kgx"),
                                 ("GNOME Terminal", "gnome-terminal", "gnome-terminal-server"))
        endings_go_to_the_session([("logout", "org.gnome.SessionManager", "Logout", "0"),
                                   ("shutdown", "org.gnome.SessionManager", "Shutdown", ""),
                                   ("restart", "org.gnome.SessionManager", "Reboot", "")],
                                  dialog_is_cancelled if REAL_SESSION else None)
        check("zarvo --quit ends the application", quit_zarvo(app) or app.poll() is not None)
    return summary()


if __name__ == "__main__":
    sys.exit(main())
