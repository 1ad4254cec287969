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


def record(*words):
    log.write(" ".join(str(w) for w in words) + "\n")


class Manager(dbus.service.Object):
    @dbus.service.method(MANAGER, in_signature="b")
    def Reboot(self, interactive):
        record("Reboot", bool(interactive))

    @dbus.service.method(MANAGER, in_signature="b")
    def PowerOff(self, interactive):
        record("PowerOff", bool(interactive))

    @dbus.service.method(MANAGER, in_signature="b")
    def Suspend(self, interactive):
        record("Suspend", bool(interactive))

    @dbus.service.method(MANAGER, in_signature="b")
    def Hibernate(self, interactive):
        record("Hibernate", bool(interactive))

    @dbus.service.method(MANAGER, in_signature="s")
    def LockSession(self, session):
        record("LockSession", session)

    @dbus.service.method(MANAGER)
    def LockSessions(self):
        record("LockSessions")

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
