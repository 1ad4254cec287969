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


class Manager(dbus.service.Object):
    @dbus.service.method(MANAGER, in_signature="b", sender_keyword="sender")
    def Reboot(self, interactive, sender=None):
        record("Reboot", bool(interactive), sender=sender)

    @dbus.service.method(MANAGER, in_signature="b", sender_keyword="sender")
    def PowerOff(self, interactive, sender=None):
        record("PowerOff", bool(interactive), sender=sender)

    @dbus.service.method(MANAGER, in_signature="b", sender_keyword="sender")
    def Suspend(self, interactive, sender=None):
        record("Suspend", bool(interactive), sender=sender)

    @dbus.service.method(MANAGER, in_signature="b", sender_keyword="sender")
    def Hibernate(self, interactive, sender=None):
        record("Hibernate", bool(interactive), sender=sender)

    @dbus.service.method(MANAGER, in_signature="s", sender_keyword="sender")
    def LockSession(self, session, sender=None):
        record("LockSession", session, sender=sender)

    @dbus.service.method(MANAGER, sender_keyword="sender")
    def LockSessions(self, sender=None):
        record("LockSessions", sender=sender)

    @dbus.service.method(MANAGER, out_signature="s")
    def CanReboot(self):
        return "yes"

    @dbus.service.method(MANAGER, out_signature="s")
    def CanPowerOff(self):
        return "yes"

    @dbus.service.method(MANAGER, out_signature="s")
    def CanSuspend(self):
        return "yes"

    @dbus.service.method(MANAGER, out_signature="s")
    def CanHibernate(self):
        return "no"

    @dbus.service.method(MANAGER, out_signature="s")
    def CanHybridSleep(self):
        return "no"


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.bus.BusConnection(sys.argv[2])
name = dbus.service.BusName("org.freedesktop.login1", bus)
Manager(bus, "/org/freedesktop/login1")
record("ready")
GLib.MainLoop().run()
