#!/usr/bin/env python3
"""Runs Orca against the panel and prints what it spoke for each step of a typical request (Super+R,
typing dl, Down, Ctrl+K, Return), then for a message, the clipboard tab and typing over a query. Run by hand through run-a11y-desktop.sh:
    tests/a11y/run-a11y-desktop.sh build/test/zarvo /tmp/shots tests/a11y/orca_speech.py
Speech goes to speech-dispatcher's dummy module; Orca's debug file records each utterance."""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
from desktop import (HOME, SANDBOX, folder_opener, key, quit_zarvo, read, shot, start_zarvo,  # noqa: E402
                     type_text, write)

DEBUG = os.path.join(SANDBOX, "orca-debug.out")


def spoken_since(offset):
    with open(DEBUG, encoding="utf-8", errors="replace") as f:
        f.seek(offset)
        text = f.read()
        end = f.tell()
    said = re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", text)
    return said, end


def set_up():
    folder_opener()
    os.makedirs(os.path.join(HOME, "Documents"), exist_ok=True)
    write(os.path.join(HOME, ".config/speech-dispatcher/speechd.conf"),
          'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n')


def main():
    set_up()
    orca = subprocess.Popen(["orca", "--replace", "--debug-file", DEBUG],
                            stdout=open(os.path.join(SANDBOX, "orca.log"), "w"), stderr=subprocess.STDOUT)
    time.sleep(6)
    app = start_zarvo(panel_at_launch=False)
    try:
        time.sleep(8)
        key("Escape", settle=2)  # the panel shows once at launch
        _, offset = spoken_since(0)
        steps = [("Super+R", lambda: key("super+r")),
                 ("typing dl", lambda: type_text("dl", 0, delay=150)),
                 ("Down", lambda: key("Down")),
                 ("Ctrl+K", lambda: key("ctrl+k")),
                 ("Return", lambda: key("Return")),
                 ("Super+R again", lambda: key("super+r")),
                 ("Ctrl+Shift+C (copy the path)", lambda: key("ctrl+shift+c")),
                 ("Ctrl+. (clipboard tab)", lambda: key("ctrl+period")),
                 ("Ctrl+. (back)", lambda: key("ctrl+period")),
                 ("Ctrl+A, typing doc", lambda: (key("ctrl+a"), type_text("doc", 0, delay=150))),
                 ("Ctrl+., typing qqzx (no clip matches)",
                  lambda: (key("ctrl+period"), type_text("qqzx", 0, delay=150)))]
        for name, action in steps:
            action()
            time.sleep(3.5)
            said, offset = spoken_since(offset)
            print(f"{name}: " + " | ".join(said), flush=True)
            shot("orca-" + name.replace(" ", "-"))
        time.sleep(4)
        said, offset = spoken_since(offset)
        print("(spoken after the last step): " + " | ".join(said), flush=True)
        print("opened:", read(os.path.join(HOME, "opened.txt")).strip())
    finally:
        quit_zarvo(app)
        orca.terminate()
        try:
            orca.wait(timeout=10)
        except subprocess.TimeoutExpired:
            orca.kill()
        if os.environ.get("ORCA_DEBUG_COPY"):
            subprocess.run(["cp", DEBUG, os.environ["ORCA_DEBUG_COPY"]])


if __name__ == "__main__":
    sys.exit(main())
