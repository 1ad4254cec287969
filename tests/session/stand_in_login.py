#!/usr/bin/python3
"""A stand-in for the system's login manager (org.freedesktop.login1) on a private system bus: every
call is written to a log and nothing else happens, so no power or lock request reaches the machine.
Usage: stand_in_login.py LOG BUS_ADDRESS"""

import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

MANAGER = "org.freedesktop.login1.Manager"
log = open(sys.argv[1], "a", buffering=1)


def caller(sender):
    """The program name of the process that sent a call, so a test can tell who asked."""
    try:
        pid = bus.call_blocking("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                "GetConnectionUnixProcessID", "s", (sender,))
        with open(f"/proc/{pid}/comm") as f:
            return f.read().strip()
    except Exception:  # noqa: BLE001 - a caller that is gone is still recorded
        return "?"


def record(*words, sender=None):
    by = f" by {caller(sender)}" if sender else ""
    log.write(" ".join(str(w) for w in words) + by + "\n")


def recorder(name, signature):
    """A method that only records the call: its name, its argument when it takes one, and the caller."""
    if signature:
        def call(self, argument, sender=None):
            record(name, bool(argument) if signature == "b" else argument, sender=sender)
    else:
        def call(self, sender=None):
            record(name, sender=sender)
    call.__name__ = name
    return dbus.service.method(MANAGER, in_signature=signature, sender_keyword="sender")(call)


def answer(name, value):
    def call(self):
        return value
    call.__name__ = name
    return dbus.service.method(MANAGER, out_signature="s")(call)


CALLS = {"Reboot": "b", "PowerOff": "b", "Suspend": "b", "Hibernate": "b", "LockSession": "s", "LockSessions": ""}
ANSWERS = {"CanReboot": "yes", "CanPowerOff": "yes", "CanSuspend": "yes", "CanHibernate": "no", "CanHybridSleep": "no"}
Manager = type("Manager", (dbus.service.Object,), {**{n: recorder(n, s) for n, s in CALLS.items()},
                                                   **{n: answer(n, v) for n, v in ANSWERS.items()}})

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.bus.BusConnection(sys.argv[2])
name = dbus.service.BusName("org.freedesktop.login1", bus)
Manager(bus, "/org/freedesktop/login1")
record("ready")
GLib.MainLoop().run()
