#!/usr/bin/python3
"""Zarvo in the whole XFCE session run-xfce-session.sh sets up, driven as a new user would."""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
from desktop import (CLI, ZARVO, check, hide_panel, log_is_clean, panel_has_keyboard, panel_shot,  # noqa: E402
                     quit_zarvo, run, shot, summary, type_text, wait_until, wm_is_up, zarvo_running)
from session_checks import (asked, calls, choose, first_start_names_the_holder, lock_fails_aloud,  # noqa: E402
                            login_calls, notice_opens_the_panel, terminal_opens_in_folder)


def session_is_up():
    """xfwm4 manages the screen and the panel is mapped."""
    return wm_is_up() and bool(run("xdotool", "search", "--class", "xfce4-panel").stdout.split())


def restart_asks_the_session():
    # Last: the session manager ends the session, then asks the login manager to restart.
    check("Restart goes to the XFCE session manager, letting the applications save",
          choose("restart", lambda: asked("org.xfce.Session.Manager", "Restart", "true"), timeout=10), calls()[-800:])
    time.sleep(1)
    shot("xfce-session-restart")
    time.sleep(1)
    check("the login manager heard nothing from Zarvo itself", "by zarvo" not in login_calls(), login_calls())
    print(f"note xfce-session: after Restart the login manager heard: {login_calls().split()}", flush=True)


def main():
    check("the XFCE session comes up (xfwm4 and the panel)", wait_until(session_is_up, timeout=60))
    time.sleep(1)
    with zarvo_running(panel_at_launch=False) as app:
        # XFCE holds Super+R for its app finder: the first start says so, once, before the panel.
        notice_opens_the_panel(first_start_names_the_holder("Xfce"))

        run(ZARVO, "--toggle", check_status=True)
        check("zarvo --toggle shows the panel with the keyboard", wait_until(panel_has_keyboard, timeout=10))
        type_text("thunar", 0.8)
        panel_shot("xfce-session-thunar")
        row = (run(CLI, "query", "thunar").stdout.splitlines() or [""])[0]
        check("“thunar” lists the file manager first, not Bulk Rename", row.startswith("Thunar File Manager"), row)
        hide_panel()

        terminal_opens_in_folder(("xfce4-terminal", "xfce4-terminal"))
        lock_fails_aloud()  # no screen locker is installed in this session: xflock4 finds none
        check("nothing reached the login manager", not login_calls().strip(), login_calls())
        restart_asks_the_session()
        check("zarvo --quit ends the application", quit_zarvo(app) or app.poll() is not None)
        log_is_clean()
    return summary()


if __name__ == "__main__":
    sys.exit(main())
