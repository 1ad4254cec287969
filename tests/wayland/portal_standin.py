#!/usr/bin/python3
"""A stand-in for the XDG desktop portal's GlobalShortcuts interface on a private session bus.

Usage: portal_standin.py LOG MODE
MODE plasma527: BindShortcuts is refused; the shortcuts given to CreateSession are the ones held, each
                with its preferred trigger (what Plasma 5.27 does).
MODE chosen:    BindShortcuts answers with the person's choice from the consent dialog: "toggle" on
                Meta+Space, "clipboard" left without a key.
Each call is appended to LOG. org.zarvo.test.Portal.Activate(id, own) emits Activated for our session
(or, own false, for another one)."""

import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

LOG, MODE = sys.argv[1], sys.argv[2]
PATH = "/org/freedesktop/portal/desktop"
IFACE = "org.freedesktop.portal.GlobalShortcuts"


def log(line):
    with open(LOG, "a") as f:
        f.write(line + "\n")


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, code, results):
        pass


def kde_name(trigger):
    words = {"LOGO": "Meta", "SHIFT": "Shift", "CTRL": "Ctrl", "ALT": "Alt"}
    parts = str(trigger).split("+")
    return "+".join([words.get(p, p) for p in parts[:-1]] + [parts[-1].upper()])


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.held = {}
        self.requests = []

    def respond(self, sender, options, code, results):
        token = str(options.get("handle_token", "t"))
        path = f"{PATH}/request/{sender[1:].replace('.', '_')}/{token}"
        request = Request(self.bus, path)
        self.requests.append(request)
        # After the method's reply, as the real portal answers.
        GLib.timeout_add(20, lambda: (request.Response(dbus.UInt32(code), results), False)[1])
        return dbus.ObjectPath(path)

    def listed(self):
        return dbus.Array([dbus.Struct((i, dbus.Dictionary(p, signature="sv"))) for i, p in self.held.items()],
                          signature="(sa{sv})")

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == IFACE and name == "version":
            return dbus.UInt32(1)
        raise dbus.exceptions.DBusException("no such property", name="org.freedesktop.DBus.Error.UnknownProperty")

    @dbus.service.method(IFACE, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        given = options.get("shortcuts", [])
        log("CreateSession " + " ".join(f"{i}={p.get('preferred_trigger', '')}" for i, p in given))
        self.session = f"{PATH}/session/{sender[1:].replace('.', '_')}/{options['session_handle_token']}"
        self.held = {str(i): {"description": p.get("description", ""),
                              "trigger_description": kde_name(p.get("preferred_trigger", ""))} for i, p in given}
        return self.respond(sender, options, 0, {"session_handle": self.session})

    @dbus.service.method(IFACE, in_signature="oa(sa{sv})sa{sv}", out_signature="o", sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender=None):
        log("BindShortcuts " + " ".join(str(i) for i, _ in shortcuts))
        if MODE == "plasma527":
            raise dbus.exceptions.DBusException("not supported", name="org.freedesktop.DBus.Error.NotSupported")
        self.held = {"toggle": {"description": "Show Zarvo", "trigger_description": "Meta+Space"},
                     "clipboard": {"description": "Show clipboard history", "trigger_description": ""}}
        return self.respond(sender, options, 0, {"shortcuts": self.listed()})

    @dbus.service.method(IFACE, in_signature="oa{sv}", out_signature="o", sender_keyword="sender")
    def ListShortcuts(self, session, options, sender=None):
        log("ListShortcuts")
        return self.respond(sender, options, 0, {"shortcuts": self.listed()})

    @dbus.service.signal(IFACE, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.method("org.zarvo.test.Portal", in_signature="sb")
    def Activate(self, shortcut_id, own_session):
        session = self.session if own_session else PATH + "/session/someone/else"
        self.Activated(dbus.ObjectPath(session), shortcut_id, dbus.UInt64(1), dbus.Dictionary({}, signature="sv"))


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
portal = Portal(bus)
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
log("ready")
GLib.MainLoop().run()
