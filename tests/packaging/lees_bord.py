#!/usr/bin/python3
"""A screen reader's user plays the opening of a game through the AT-SPI bus alone.

Adds four teams, gives the first a system on square 5 through the pawn's accessible "Press"
action, goes two fiscal years forward and reads the year label and that pawn as a screen reader
would: by their accessible names. Exit status 0 when they read "fiscal year 3" and the team's
name; 1, with the reason, otherwise. Runs under Debian's /usr/bin/python3, which has pyatspi.
"""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

TEAMS = ["Alfa", "Bravo", "Charlie", "Delta"]


def wacht(wat, zoek, tijd=5.0):
    """Looks every 50 ms until zoek() finds something; objects vanish as windows close."""
    einde = time.monotonic() + tijd
    while time.monotonic() < einde:
        try:
            gevonden = zoek()
        except (GLib.Error, RuntimeError, LookupError, NotImplementedError):
            gevonden = None
        if gevonden is not None:
            return gevonden
        time.sleep(0.05)
    sys.exit(f"FAIL: no {wat} after {tijd:.0f} s")


def kinderen(obj):
    return [k for k in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if k is not None]


def alle(obj):
    for kind in kinderen(obj):
        yield kind
        yield from alle(kind)


def getoond(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def kan_drukken(obj):
    try:
        acties = obj.queryAction()
    except NotImplementedError:
        return False
    return any(acties.getName(i) == "Press" for i in range(acties.nActions))


def venster(app, titel):
    return next((v for v in kinderen(app) if v.name == titel and getoond(v)), None)


def control(venster, past):
    return next((c for c in alle(venster) if getoond(c) and past(c)), None)


def druk(obj):
    """Presses through the Press action, and waits for the click: Qt presses a button down at
    once and clicks it 100 ms later, so a second press in between would be lost."""
    acties = obj.queryAction()
    acties.doAction(next(i for i in range(acties.nActions) if acties.getName(i) == "Press"))

    def los():
        try:
            return None if obj.getState().contains(pyatspi.STATE_PRESSED) else True
        except GLib.Error:  # its dialog closed and took it along
            return True

    wacht(f"release of {obj.name!r}", los)


def knop(venster, naam):
    return wacht(f"button {naam!r} to press",
                 lambda: control(venster, lambda c: c.name == naam and kan_drukken(c)))


def main(pid):
    bureau = pyatspi.Registry.getDesktop(0)
    app = wacht("program on the bus",
                lambda: next((a for a in kinderen(bureau) if a.get_process_id() == pid), None))
    app.set_cache_mask(Atspi.Cache.NONE)  # names read after an action must be fresh

    teams = wacht('window "teams"', lambda: venster(app, "teams"))
    for i, naam in enumerate(TEAMS, start=1):
        vak = wacht(f"name box {i}", lambda i=i: control(teams, lambda c: c.name == f"name of team {i}"))
        vak.queryEditableText().setTextContents(naam)
    druk(knop(teams, "add teams"))

    bord = wacht('the board', lambda: venster(app, "Corvanta 5"))
    druk(knop(bord, "add systems to square 5"))
    systemen = wacht('window "systems"', lambda: venster(app, "systems"))
    druk(wacht(f"pawn of {TEAMS[0]} to press", lambda: control(
        systemen, lambda c: c.name.startswith(TEAMS[0]) and kan_drukken(c))))
    druk(knop(systemen, "add systems"))
    wacht('the dialog to close', lambda: True if venster(app, "systems") is None else None)
    for _ in range(2):
        druk(knop(bord, "forward"))

    jaar = control(bord, lambda c: c.name.startswith("fiscal year") and "heading" not in c.name)
    kader = control(bord, lambda c: c.name == "frame of square 5").queryComponent()
    pion = control(bord, lambda c: c.getRoleName() == "image" and c.name and kader.contains(
        *c.queryComponent().getPosition(pyatspi.WINDOW_COORDS), pyatspi.WINDOW_COORDS))
    print(f'heard: "{jaar.name}"; on square 5: "{pion.name if pion else ""}"')
    if jaar.name != "fiscal year 3" or pion is None or TEAMS[0] not in pion.name:
        sys.exit("FAIL: expected \"fiscal year 3\" and the pawn of " + TEAMS[0])


if __name__ == "__main__":
    main(int(sys.argv[1]))
