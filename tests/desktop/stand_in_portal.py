#!/usr/bin/env python3
"""A stand-in for the desktop portal's Settings interface on the test's private session bus: answers
Read for org.freedesktop.appearance color-scheme, and emits SettingChanged when the test
calls Set (as a desktop does when its user switches between light and dark). Usage:
    stand_in_portal.py SCHEME   (0 no preference, 1 dark, 2 light)"""

import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"


class Settings(dbus.service.Object):
    def __init__(self, bus, scheme):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.scheme = dbus.UInt32(scheme)

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def Read(self, namespace, key):
        if (namespace, key) != ("org.freedesktop.appearance", "color-scheme"):
            raise dbus.exceptions.DBusException("org.freedesktop.portal.Error.NotFound", "no such setting")
        # Version 1 of the interface wraps the value in a second variant.
        return dbus.UInt32(self.scheme, variant_level=1)

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, namespace, key, value):
        pass

    @dbus.service.method("org.zarvo.StandIn", in_signature="u", out_signature="")
    def Set(self, scheme):
        self.scheme = dbus.UInt32(scheme)
        self.SettingChanged("org.freedesktop.appearance", "color-scheme", self.scheme)


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Settings(bus, int(sys.argv[1]) if len(sys.argv) > 1 else 0)
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus, do_not_queue=True)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del portal, name


if __name__ == "__main__":
    main()
