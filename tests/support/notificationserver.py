#!/usr/bin/python3
"""A desktop notification service for tests, on a session bus of its own.

Starts a private dbus-daemon, owns org.freedesktop.Notifications on it with the markup
capability, prints the bus address on the first line of stdout, then one line per
notification, "summary|body" (new lines in the body as "\\n"). It ends, with its bus, when
stdin closes (the test ended or died).
"""
import subprocess
import sys
import threading

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


class Notifications(dbus.service.Object):
    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["body", "body-markup"]

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        print(f"{summary}|{body}".replace("\n", "\\n"), flush=True)
        return 1


def main():
    daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                              stdout=subprocess.PIPE, text=True)
    address = daemon.stdout.readline().strip()
    DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(address)
    name = dbus.service.BusName(NAME, bus)
    Notifications(bus, "/org/freedesktop/Notifications")
    loop = GLib.MainLoop()
    threading.Thread(target=lambda: (sys.stdin.read(), loop.quit()), daemon=True).start()
    print(address, flush=True)
    try:
        loop.run()
    finally:
        del name
        daemon.terminate()


if __name__ == "__main__":
    main()
