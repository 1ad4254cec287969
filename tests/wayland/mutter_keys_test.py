#!/usr/bin/python3
"""Zarvo under mutter (Wayland) as a user meets it at first start: the one question about Super+R, the
binding written through GSettings, and the command stored there toggling the running instance."""

import os
import shlex
import subprocess
import sys
import time

ZARVO = os.environ["ZARVO"]
SANDBOX = os.environ["ZARVO_SANDBOX"]
LIST_SCHEMA = "org.gnome.settings-daemon.plugins.media-keys"
ENTRY_SCHEMA = "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding"
failed = 0


def check(name, condition, detail=""):
    global failed
    print(("ok   " if condition else "FAIL ") + f"mutter: {name} {'' if condition else detail}", flush=True)
    failed += 0 if condition else 1
    return condition


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=20)


def wait_until(condition, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    return condition()


def windows(name):
    return [int(w) for w in run("xdotool", "search", "--onlyvisible", "--name", name).stdout.split()]


def key(*keys):
    run("xdotool", "key", "--clearmodifiers", *keys)


def gsetting(schema, key_name):
    return run("gsettings", "get", schema, key_name).stdout.strip()


def unquote(value):
    return value[1:-1] if len(value) >= 2 and value[0] == value[-1] == "'" else value


def main():
    log = open(os.path.join(SANDBOX, "zarvo.log"), "w")
    app = subprocess.Popen([ZARVO], stdout=log, stderr=subprocess.STDOUT)
    try:
        # mutter's overlay key holds Super, so the X grab of Super+R never fires: one question, not the panel.
        notice = wait_until(lambda: windows("^Zarvo Shortcut$"), timeout=30)
        if not check("the first start asks about Super+R instead of showing the panel", bool(notice)):
            return
        run("xdotool", "windowactivate", "--sync", str(notice[0]))
        # GNOME's button order: Choose Another Key…, Let GNOME Open Zarvo with Super+R…, Open Zarvo (focused).
        key("shift+Tab")
        key("space")
        question = wait_until(lambda: windows("^Change GNOME's Shortcuts\\?$"), timeout=10)
        if not check("its GNOME button asks before changing GNOME's settings", bool(question)):
            return
        run("xdotool", "windowactivate", "--sync", str(question[0]))
        key("alt+y")

        paths = wait_until(lambda: "custom" in gsetting(LIST_SCHEMA, "custom-keybindings") and
                           gsetting(LIST_SCHEMA, "custom-keybindings"))
        check("a custom keybinding is listed in GSettings", bool(paths), paths)
        path = unquote(paths.strip("[]").split(",")[0].strip()) if paths else ""
        entry = f"{ENTRY_SCHEMA}:{path}"
        binding = unquote(gsetting(entry, "binding"))
        command = unquote(gsetting(entry, "command"))
        check("it binds Super+R", binding == "<Super>r", binding)
        check("to Zarvo's toggle", command.endswith(" --toggle") and "zarvo" in command, command)
        check("named Zarvo", unquote(gsetting(entry, "name")) == "Zarvo")
        check("then the panel opens", bool(wait_until(lambda: windows("^Zarvo$"))))

        # What GNOME runs on the key: the stored command, as its shell would.
        argv = shlex.split(command)
        subprocess.run(argv, timeout=10)
        check("the stored command hides the panel", wait_until(lambda: not windows("^Zarvo$")))
        subprocess.run(argv, timeout=10)
        check("and shows it again", bool(wait_until(lambda: windows("^Zarvo$"))))
        out = open(os.path.join(SANDBOX, "zarvo.log")).read()
        check("no warning that the key is refused after the binding", "could not be bound" not in out, out[-400:])
    finally:
        subprocess.run([ZARVO, "--quit"], timeout=10)
        try:
            app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            app.kill()
    print(f"{'FAILED' if failed else 'passed'}")


main()
sys.exit(1 if failed else 0)
