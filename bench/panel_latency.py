#!/usr/bin/python3
"""Times how long a request takes to put a window on the screen with the keyboard, from the X
server's events: a key press sent through XTEST or a command started from a shell, until the window
manager names the new window active (or, for a client that grabs the keyboard instead, until its
window is mapped). Prints the median of the runs in milliseconds.

usage: panel_latency.py MODE RUNS [COMMAND...]
  MODE key:CHORD    press CHORD (xdotool names, e.g. super+r), wait for activation, press it again
  MODE cmd-active   run COMMAND, wait for a window to become active; then Escape hides it
  MODE cmd-map      run COMMAND, wait for a new window to be mapped; then Escape closes it
"""
import statistics
import subprocess
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import xtest


def keycodes(d, chord):
    codes = []
    for name in chord.split("+"):
        name = {"super": "Super_L", "shift": "Shift_L", "ctrl": "Control_L", "alt": "Alt_L"}.get(name, name)
        codes.append(d.keysym_to_keycode(XK.string_to_keysym(name)))
    return codes


def press(d, codes):
    for c in codes:
        xtest.fake_input(d, X.KeyPress, c)
    for c in reversed(codes):
        xtest.fake_input(d, X.KeyRelease, c)
    d.flush()


def active(d, root, atom):
    prop = root.get_full_property(atom, X.AnyPropertyType)
    return prop.value[0] if prop and len(prop.value) else 0


def wait_for(d, root, atom, mode, before, timeout=5.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        while d.pending_events():
            e = d.next_event()
            if mode == "map" and e.type == X.MapNotify:
                return time.monotonic()
            if mode == "active" and e.type == X.PropertyNotify and e.atom == atom:
                now = active(d, root, atom)
                if now and now != before:
                    return time.monotonic()
        time.sleep(0.0005)
    return None


def main():
    mode, runs, command = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    d = display.Display()
    root = d.screen().root
    atom = d.intern_atom("_NET_ACTIVE_WINDOW")
    root.change_attributes(event_mask=X.PropertyChangeMask | X.SubstructureNotifyMask)
    escape = keycodes(d, "Escape")
    times = []
    for _ in range(runs):
        while d.pending_events():
            d.next_event()
        before = active(d, root, atom)
        start = time.monotonic()
        if mode.startswith("key:"):
            chord = keycodes(d, mode[4:])
            press(d, chord)
            end = wait_for(d, root, atom, "active", before)
        else:
            subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            end = wait_for(d, root, atom, "map" if mode == "cmd-map" else "active", before)
        if end is None:
            print("timeout", file=sys.stderr)
            sys.exit(1)
        times.append((end - start) * 1000)
        time.sleep(0.3)
        press(d, escape)
        time.sleep(0.4)
    print(f"{statistics.median(times):.1f}")


if __name__ == "__main__":
    main()
