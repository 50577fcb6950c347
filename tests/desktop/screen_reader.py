#!/usr/bin/python3
# What a screen reader learns of the running game over AT-SPI (Debian's python3-pyatspi, on
# the session bus the caller set up):
#   screen_reader.py find NAME        the first object of the game named NAME...: "name | state"
#   screen_reader.py listen SECONDS   every announcement, state change and focus of the game's
#                                     objects for that long, one line each, flushed as it comes
import sys

import pyatspi
from gi.repository import GLib


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.startswith("Tarrock Junction"):
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def find(prefix):
    app = game()
    if app is None:
        print("no game on the accessibility bus")
        return 1
    for node in walk(app):
        if node.name and node.name.startswith(prefix):
            print(f"{node.name} | {node.description}")
            return 0
    print(f"nothing named {prefix}")
    return 1


def game_source(event):
    """The name of the game's object an event comes from, else None (another program's, or
    an object gone before it could be asked)."""
    source = event.source
    if source is None:
        return None
    try:
        app = source.getApplication()
        if app is None or not app.name.startswith("Tarrock Junction"):
            return None
        return source.name
    except Exception:
        return None


def listen(seconds):
    def report(event):
        name = game_source(event)
        if name is None:
            return
        source = event.source
        if event.type.startswith("object:text-changed:insert"):
            print(f"announce | {name} | {event.any_data}", flush=True)
        elif event.type.startswith("object:property-change:accessible-description"):
            print(f"state | {name} | {source.description}", flush=True)
        elif event.type.startswith("object:state-changed:focused") and event.detail1 == 1:
            print(f"focus | {name} | {source.description}", flush=True)

    for kind in ("object:text-changed:insert", "object:property-change:accessible-description",
                 "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(report, kind)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "find":
        sys.exit(find(sys.argv[2]))
    if len(sys.argv) == 3 and sys.argv[1] == "listen":
        sys.exit(listen(float(sys.argv[2])))
    print(__doc__ or "usage: find NAME | listen SECONDS")
    sys.exit(2)
