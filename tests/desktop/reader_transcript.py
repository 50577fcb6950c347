#!/usr/bin/python3
# What a screen reader is told of a game while it is played, written as a transcript, each line
# stamped with the game's clock as the status reads it:
#   reader_transcript.py MINUTES SECONDS
# listens until the clock has run MINUTES game minutes from the first time it hears, or SECONDS
# real seconds have passed: every message line announcement, every change of a lever's, a box's
# or the track circuits' state, every focus, and the points or the signalman's state as the
# status changes; the boxes and track circuits read in full at the start and the end.
import re
import sys

import pyatspi
from gi.repository import GLib

from screen_reader import game, game_source, walk


def main(minutes, seconds):
    clock = {"shown": "", "now": None, "start": None, "rest": None, "done": False}

    def say(kind, name, text):
        print(f"[{clock['shown']:>5}] {kind} | {name} | {text}", flush=True)

    def read_all(why):
        app = game()
        if app is None:
            return
        for node in walk(app):
            if node.name.startswith("Box ") or node.name == "Track circuits":
                say(why, node.name, node.description)

    def finish():
        if not clock["done"]:
            clock["done"] = True
            read_all("at the end")
            pyatspi.Registry.stop()
        return False

    def status(text):
        found = re.match(r"time (\d+)\D(\d+)(.*)", text)
        if not found:
            return
        clock["shown"] = f"{found.group(1)}.{found.group(2)}"
        now = int(found.group(1)) * 60 + int(found.group(2))
        if clock["start"] is None:
            clock["start"] = now
            read_all("at the start")
        # The speed, the points and the signalman; not the time, which changes with every step.
        rest = re.sub(r"^, speed [^,]*", "", found.group(3))
        if rest != clock["rest"]:
            clock["rest"] = rest
            say("status", "Status", text)
        if now - clock["start"] >= minutes:
            GLib.idle_add(finish)

    def report(event):
        name = None if clock["done"] else game_source(event)
        if name is None:
            return
        source = event.source
        if event.type.startswith("object:text-changed:insert"):
            say("announce", name, event.any_data)
        elif event.type.startswith("object:property-change:accessible-description"):
            if name == "Status":
                status(source.description)
            elif name != "Message line":  # its text is announced already
                say("state", name, source.description)
        elif event.type.startswith("object:state-changed:focused") and event.detail1 == 1:
            say("focus", name, source.description)

    for kind in ("object:text-changed:insert", "object:property-change:accessible-description",
                 "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(report, kind)
    GLib.timeout_add(int(seconds * 1000), finish)
    app = game()
    for node in walk(app) if app is not None else []:
        if node.name == "Status":
            status(node.description)
    print("listening", file=sys.stderr, flush=True)
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print("usage: reader_transcript.py MINUTES SECONDS")
        sys.exit(2)
    sys.exit(main(int(sys.argv[1]), float(sys.argv[2])))
