#!/usr/bin/env python3
"""The application on a real X server, driven as a user drives it: keys through xdotool, copies
through xclip, commands from a shell. Prints one line per check and a closing count."""

import datetime
import json
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
from desktop import (CLI, HOME, MODE, SANDBOX, SHOTS, TAG, ZARVO, active_window, check, counts,  # noqa: E402
                     first_window, focus, folder_opener, geometry, hide_panel, key, log_is_clean, panel,
                     panel_has_keyboard, panel_shot, quit_zarvo, read, run, shot, start_zarvo, summary,
                     type_into_panel, type_text, wait_until, windows, write, zarvo_running)


def quick_look(term_window):
    """Quick Look over the always-on-top panel: one level above it, the picture at its own size."""
    photo = os.path.join(HOME, "quicklook.png")
    run("convert", "-size", "640x480", "gradient:navy-orange", photo, check_status=True)
    panel_over(term_window, photo, settle=0.8)
    key("ctrl+y")
    check("Ctrl+Y shows Quick Look", wait_until(lambda: windows("^quicklook.png$")))
    time.sleep(0.6)
    preview = first_window("^quicklook.png$")
    stacking = run("xprop", "-root", "_NET_CLIENT_LIST_STACKING").stdout
    order = [int(w, 16) for w in re.findall(r"0x[0-9a-fA-F]+", stacking)]  # bottom to top
    check("Quick Look is stacked above the panel",
          panel() in order and preview in order and order.index(preview) > order.index(panel()),
          f"stacking={[hex(w) for w in order]} panel={panel():#x} preview={preview:#x} "
          + run("xprop", "-id", str(preview), "WM_TRANSIENT_FOR", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE").stdout)
    shot("quicklook")
    key("Escape")
    check("Esc closes Quick Look", wait_until(lambda: not windows("^quicklook.png$")))
    check("the panel has the keyboard back", wait_until(panel_has_keyboard),
          f"active={active_window():#x} panel={panel():#x}")
    key("Escape", settle=0.4)  # clears the path
    check("the next Esc hides the panel", hide_panel())
    # Qt may no longer count the panel as active after the preview: the window manager's word counts.
    run(ZARVO, "--toggle", check_status=True)
    wait_until(panel_has_keyboard)
    run(ZARVO, "--toggle", check_status=True)
    check("after Quick Look a second --toggle hides the panel", wait_until(lambda: not panel(), timeout=5))


def panel_over(window, text, settle=0.6):
    """Super+R over `window`, and `text` typed over the panel's last one."""
    focus(window)
    key("super+r")
    wait_until(panel_has_keyboard)
    key("ctrl+a")
    type_text(text, settle)


def set_up_sandbox():
    apps = folder_opener()
    # An installed application with its own icon, which records that it was started.
    launcher = write(os.path.join(SANDBOX, "probe-pad.sh"), '#!/bin/sh\necho "started $*" >> "$HOME/probe-pad.txt"\n',
                     executable=True)
    icon = write(os.path.join(SANDBOX, "probe-pad.svg"),
                 '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64">'
                 '<rect x="4" y="4" width="56" height="56" rx="12" fill="#d9480f"/>'
                 '<circle cx="32" cy="32" r="14" fill="#fff"/></svg>')
    write(os.path.join(apps, "org.example.ProbePad.desktop"),
          "[Desktop Entry]\nType=Application\nName=Probe Pad\nGenericName=Note Taker\n"
          f"Keywords=scribble;jot;\nExec={launcher} %U\nIcon={icon}\n")


def two_monitors():
    """With the pointer on the right monitor the panel is centred on it (how high: PanelWindow's unit test)."""
    set_up_sandbox()
    run("xdotool", "mousemove", "2880", "500")
    with zarvo_running():
        x, y, w, h = geometry(wait_until(panel, timeout=10))
        check("the panel opens centred on the monitor under the pointer", abs(x + w / 2 - 2880) <= 2, f"x={x}")
        shot("two-monitors")
        hide_panel()
        run("xdotool", "mousemove", "400", "500")
        key("super+r")
        x, y, w, h = geometry(wait_until(panel, timeout=10))
        check("moving the pointer to the left monitor moves the panel there", x + w <= 1920, f"x={x}")
    return summary()


LANGUAGES = {"de": "de_DE.UTF-8", "fr": "fr_FR.UTF-8"}
# The looks with the settings window's pages, by title as an xdotool pattern ("è" may be seen in Latin-1).
SETTINGS_TITLES = {"dark-x1": "Zarvo Settings", "de": "Zarvo-Einstellungen", "fr": "Param.+tres de Zarvo"}


def looks():
    """Screenshots of every mode, light and dark, at scale 1 and 2, and in German and French, with every
    page of the settings window in dark, German and French, for a person to look at."""
    set_up_sandbox()
    for name in ("report.pdf", "notes.txt", "archive.tar.gz"):
        write(os.path.join(HOME, "Downloads", name), "sample\n")
    png = os.path.join(SANDBOX, "picture.png")
    run("convert", "-size", "64x40", "xc:#c85028", png)
    # Pictures the desktop's thumbnailer (tumbler) draws for the files view.
    run("convert", "-size", "320x200", "gradient:navy-orange", os.path.join(HOME, "Downloads", "sunset.png"))
    run("convert", "-seed", "7", "-size", "200x300", "plasma:fractal", os.path.join(HOME, "Downloads", "photo.jpg"))
    dark = {"GTK_THEME": "Adwaita:dark"}
    variants = [(f"{theme}-x{scale}", dict(dark if theme == "dark" else {}, QT_SCALE_FACTOR=scale))
                for theme in ("light", "dark") for scale in ("1", "2")]
    variants += [(language, dict(LANGUAGE=language, LC_ALL=locale)) for language, locale in LANGUAGES.items()]
    for look, env in variants:
        with zarvo_running(False, dict(os.environ, **env), f"zarvo-{look}.log"):
            check(f"{look}: the panel shows", bool(wait_until(panel_has_keyboard, timeout=30)))
            time.sleep(0.5)
            panel_shot(f"look-{look}-empty")
            type_text("dl", delay=20)
            panel_shot(f"look-{look}-search")
            key("ctrl+k", settle=0.4)
            panel_shot(f"look-{look}-actions")
            key("Escape")
            # The first look waits for the thumbnailer to start and draw; later ones read its cache.
            type_into_panel("~/Downloads/", 3.0 if look == "light-x1" else 0.8)
            panel_shot(f"look-{look}-files")
            type_into_panel("~/Downloads/report.pdf")
            key("ctrl+k", settle=0.3)
            type_text("rename", 0.3, delay=20)
            key("Return", settle=0.4)
            panel_shot(f"look-{look}-rename")
            key("Escape", settle=0.3)
            key("ctrl+y", settle=0.8)
            shot(f"look-{look}-preview")
            key("Escape", settle=0.3)
            type_into_panel("?", 0.5)
            panel_shot(f"look-{look}-help")
            run("xdotool", "key", "ctrl+a", "BackSpace")
            # A text and a picture copied, for the clipboard tab through its hot key (pressed again if the
            # first press only hid the panel).
            subprocess.run(["xclip", "-selection", "clipboard", "-i"], input="A copied line\nand a second one",
                           text=True, timeout=10)
            time.sleep(1.2)
            subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-i", png], timeout=10)
            time.sleep(1.2)
            key("shift+super+v", settle=0.2)
            if not panel():
                key("shift+super+v")
            wait_until(panel_has_keyboard)
            time.sleep(0.6)
            panel_shot(f"look-{look}-clips")
            if look in SETTINGS_TITLES:
                hide_panel(timeout=2)
                run(ZARVO, "--settings", check_status=True)
                window = wait_until(lambda: first_window(f"^{SETTINGS_TITLES[look]}$"), timeout=10)
                if check(f"{look}: the settings window shows, titled in its language", bool(window)):
                    settings_shots(window, look)
    return summary()


def taken_hot_key():
    """Another client holds Super+R: the log says so, the other key and the commands still work."""
    set_up_sandbox()
    grab = subprocess.Popen([os.environ["ZARVO_HELPER"], "grab-key", "r", "64"], stdout=subprocess.PIPE, text=True)
    grab.stdout.readline()
    with zarvo_running(panel_at_launch=False):
        # The first start says once, instead of the panel, why Super+R does not open Zarvo.
        check("the first start says the key is taken", wait_until(lambda: windows("^Zarvo Shortcut$"), timeout=30))
        check("not the panel, which would lose the keyboard to it", not panel())
        key("Return")
        check("its default button opens the panel", wait_until(panel_has_keyboard, timeout=5))
        hide_panel()
        key("shift+super+v")
        check("the clipboard key still opens the panel", wait_until(panel_has_keyboard))
        hide_panel()
        run(ZARVO, "--toggle", check_status=True)
        check("zarvo --toggle still opens it", wait_until(panel_has_keyboard))
        hide_panel()
    # Said once: the next start shows the panel; once the other client lets go, a retry takes the key.
    with zarvo_running():
        check("the second start shows the panel, not the notice", wait_until(panel_has_keyboard, timeout=5))
        hide_panel()
        grab.kill()
        grab.wait()
        time.sleep(6)
        key("super+r")
        check("Super+R, freed, opens the panel after a retry", wait_until(panel_has_keyboard, timeout=5))
    return summary()


def settings_window():
    return first_window("^Zarvo Settings$")


def window_shot(window, name):
    run("import", "-window", str(window), os.path.join(SHOTS, f"{name}.png"))


def settings_shots(window, look):
    """The whole form, page by page, scrolled with the wheel as a person would."""
    x, y, w, h = geometry(window)
    run("xdotool", "mousemove", str(x + w // 2), str(y + h // 2))
    for page in range(4):
        time.sleep(0.3)
        window_shot(window, f"settings-{look}-{page}")
        for _ in range(6):
            run("xdotool", "click", "5")


def open_settings():
    start = time.monotonic()
    run(ZARVO, "--settings", check_status=True)
    window = wait_until(lambda: settings_window() if active_window() == settings_window() else 0, timeout=10)
    return window, 1000 * (time.monotonic() - start)


def seed_old_clip(text, days):
    """A clip in the store, dated `days` ago (filed while no Zarvo runs)."""
    subprocess.run([CLI, "clips", "add"], input=text.encode(), check=True, capture_output=True)
    path = os.path.join(HOME, ".local/share/Zarvo/Clipboard/clips.json")
    clips = json.loads(read(path))
    then = datetime.datetime.now(datetime.timezone.utc) - datetime.timedelta(days=days)
    for clip in clips:
        if clip["text"].strip() == text:
            clip["date"] = then.strftime("%Y-%m-%dT%H:%M:%SZ")
    write(path, json.dumps(clips))


def settings():
    """The settings window from a shell: recording a new hot key by keyboard alone, and how it looks."""
    set_up_sandbox()
    seed_old_clip("three days old", 3)
    with zarvo_running():
        check("a 3-day-old clip is kept under the 30-day default",
              "three days old" in run(CLI, "clips", "list").stdout)
        run(CLI, "settings", "set", "clipRetentionDays", "1", check_status=True)
        check("a shorter retention set from the command line drops it at once",
              wait_until(lambda: "three days old" not in run(CLI, "clips", "list").stdout, timeout=3))
        wait_until(panel_has_keyboard, timeout=5)
        hide_panel()
        window, first = open_settings()
        check("zarvo --settings shows the window with the keyboard", bool(window))
        print(f"info {TAG}: --settings to window with keyboard in {first:.0f} ms (first time)")
        settings_shots(window, "light")
        key("Escape")
        check("Esc closes the window", wait_until(lambda: not settings_window()))
        window, again = open_settings()
        check("it opens again", bool(window))
        print(f"info {TAG}: --settings to window with keyboard in {again:.0f} ms (again)")

        # Keyboard only: the window opens on Search Access's first button (Add Folder…); after the
        # home folder's Remove and Leave Out Folder… comes the main hot key's.
        key("Tab", "Tab", "Tab")
        key("space", settle=0.3)
        window_shot(window, "settings-recording")
        # The keys are let go while recording: Super+R is recorded (as the same key), not acted on.
        key("super+r")
        check("while recording, Super+R does not open the panel", not wait_until(panel, timeout=0.6))
        key("space", settle=0.2)
        key("ctrl+alt+k", settle=0.3)
        window_shot(window, "settings-recorded")
        key("Escape")
        check("Esc after recording closes the window", wait_until(lambda: not settings_window()))
        key("ctrl+alt+k")
        check("the recorded Ctrl+Alt+K opens the panel", wait_until(panel_has_keyboard))
        hide_panel()
        key("super+r")
        check("Super+R no longer does", not wait_until(panel, timeout=0.8))
    log_is_clean()
    return summary()


def main():
    if MODE == "settings":
        return settings()
    if MODE == "taken":
        return taken_hot_key()
    if MODE == "dual":
        return two_monitors()
    if MODE == "looks":
        return looks()
    if MODE == "live":
        import live_looks
        return live_looks.run(sys.modules[__name__])
    set_up_sandbox()
    typed = os.path.join(HOME, "typed.txt")
    term = subprocess.Popen(["xterm", "-T", "Terminal Under Test", "-geometry", "100x20+40+600",
                             "-e", "sh", "-c", f"cat > '{typed}'"])
    term_window = wait_until(lambda: first_window("^Terminal Under Test$"), timeout=15)
    check("a terminal window is shown", bool(term_window))
    try:
        with zarvo_running() as app:
            wait_until(panel_has_keyboard, timeout=5)
            check("Esc hides the panel", hide_panel())
            check("the terminal has the keyboard", focus(term_window))

            key("super+r")
            check("Super+R shows the panel with the keyboard", wait_until(panel_has_keyboard),
                  f"active={active_window():#x} panel={panel():#x}")
            type_text("dl", 0.4)
            shot("panel-dl")
            key("Return")
            opened = os.path.join(HOME, "opened.txt")
            check("↩ on dl opens Downloads in the file manager",
                  wait_until(lambda: os.path.join(HOME, "Downloads") in read(opened), timeout=10), read(opened))
            check("opening hides the panel", wait_until(lambda: not panel()))

            # Installed applications: found by a keyword (ranked in ApplicationRowsTest), ↩ starts them.
            panel_over(term_window, "scribble")
            panel_shot("panel-application")
            key("Return")
            check("↩ starts the installed application",
                  wait_until(lambda: "started" in read(os.path.join(HOME, "probe-pad.txt")), timeout=10),
                  read(os.path.join(SANDBOX, "zarvo.log"))[-1500:])
            check("starting it hides the panel", wait_until(lambda: not panel()))
            if os.path.exists("/usr/share/applications/debian-xterm.desktop"):
                panel_over(term_window, "xterm")
                panel_shot("panel-application-xterm")
                key("super+r")  # hides it and keeps the text, as the next step expects
                wait_until(lambda: not panel())

            focus(term_window)
            key("super+r")
            wait_until(panel_has_keyboard)
            # The last text is still there: the first Esc clears it (PanelKeysTest), the second hides the panel.
            key("Escape", settle=0.4)
            check("the second Esc hides the panel", hide_panel())
            check("the terminal has the keyboard back", wait_until(lambda: active_window() == term_window),
                  f"active={active_window():#x} terminal={term_window:#x}")
            type_text("back in the terminal\n", 0, delay=20)
            check("typing reaches the terminal", wait_until(lambda: "back in the terminal" in read(typed)))

            subprocess.run(["xclip", "-selection", "clipboard", "-i"], input="copied by xclip", text=True,
                           timeout=10)
            check("the copy is captured (and listed through the running application)",
                  wait_until(lambda: "copied by xclip" in run(CLI, "clips", "list").stdout, timeout=10))
            key("shift+super+v")
            check("Shift+Super+V shows the clipboard tab", wait_until(panel_has_keyboard))
            time.sleep(0.4)
            shot("panel-clips")
            key("shift+super+v")
            check("the second press hides it", wait_until(lambda: not panel()))

            key("super+r")
            wait_until(panel_has_keyboard)
            run("xdotool", "mousemove", "--window", str(term_window), "60", "60", "click", "1")
            check("clicking another window hides the panel", wait_until(lambda: not panel(), timeout=5))

            start = time.monotonic()
            run(ZARVO, "--toggle", check_status=True)
            check("zarvo --toggle shows the panel", wait_until(panel_has_keyboard))
            print(f"info {TAG}: --toggle to panel with keyboard in {1000 * (time.monotonic() - start):.0f} ms")
            run(ZARVO, "--toggle", check_status=True)
            check("zarvo --toggle hides it again", wait_until(lambda: not panel()))
            # Quick Look last: after it, a second --toggle shows the panel again instead of hiding it (not
            # fixed yet: Qt takes no window for active then).
            quick_look(term_window)
            check("zarvo --quit ends the application", quit_zarvo(app))
        log_is_clean()
    finally:
        term.kill()
        if counts["failed"]:
            print(read(os.path.join(SANDBOX, "zarvo.log"))[-3000:])
    return summary()


if __name__ == "__main__":
    sys.exit(main())
