#!/usr/bin/python3
"""A screen reader's user plays the opening of a game through the AT-SPI bus alone.

Adds four teams, gives the first a system on square 5 through the pawn's accessible "Press"
action, goes two fiscal years forward and reads the year label and that pawn as a screen reader
would: by their accessible names. Then sets the round timer to 0:10 and starts it from the
board's menu, opened with the right mouse button (xdotool), puts the focus in a name box and
waits for the clock's time's up, which a screen reader speaks wherever the focus is: a
notification that shows. Exit status 0 when all is heard; 1, with the reason, otherwise. Runs
under Debian's /usr/bin/python3, which has pyatspi.
"""

import subprocess
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


def xdotool(*opdracht):
    subprocess.run(["xdotool", *map(str, opdracht)], check=True)


def pomp(tijd):
    """Lets the bus deliver events for a while."""
    einde = time.monotonic() + tijd
    while time.monotonic() < einde:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)


def kies_in_menu(bord, naam):
    """Opens the board's menu with the right mouse button over square 5's frame, then goes down
    its entries until the one in focus is this one, and chooses it. A menu is no child of the
    program on the bus: a screen reader follows it by its focus, and so does this."""
    in_focus = []

    def focus(event):
        if event.detail1 == 1:
            in_focus.append(event.source.name)

    pyatspi.Registry.registerEventListener(focus, "object:state-changed:focused")
    kader = control(bord, lambda c: c.name == "frame of square 5").queryComponent()
    x, y, breed, hoog = kader.getExtents(pyatspi.DESKTOP_COORDS)
    # The registry's own mouse and keys (Atspi.generate_mouse_event) do not reach Xvfb here.
    xdotool("mousemove", x + breed // 2, y + hoog // 2, "click", 3)
    for _ in range(12):
        xdotool("key", "Down")
        pomp(0.3)
        if in_focus and in_focus[-1] == naam:
            xdotool("key", "Return")
            pyatspi.Registry.deregisterEventListener(focus, "object:state-changed:focused")
            return
    sys.exit(f"FAIL: no menu entry {naam!r}, only {in_focus}")


def klok_gehoord(app, bord):
    """Sets the clock to 0:10 and starts it; with the focus in a name box, its time's up is
    heard all the same."""
    gehoord = []

    def getoond(event):
        try:
            if event.detail1 == 1 and event.source.getRoleName() == "notification":
                gehoord.append(event.source.name)
        except GLib.Error:
            pass

    pyatspi.Registry.registerEventListener(getoond, "object:state-changed:showing")
    kies_in_menu(bord, "round timer...")
    klok = wacht('window "round timer"', lambda: venster(app, "round timer"))
    wacht("time box", lambda: control(klok, lambda c: c.name.startswith("time for one fiscal"))
          ).queryEditableText().setTextContents("0:10")
    druk(knop(klok, "OK"))
    kies_in_menu(bord, "start timer")
    vak = control(bord, lambda c: c.name == "name of team in row 1")
    vak.queryComponent().grabFocus()
    wacht("the focus in the name box",
          lambda: True if vak.getState().contains(pyatspi.STATE_FOCUSED) else None)
    einde = time.monotonic() + 15
    while "round timer, time's up" not in gehoord:
        if time.monotonic() > einde:
            sys.exit(f"FAIL: no announcement of time's up, only {gehoord}")
        pomp(0.05)
    print(f"announced: {gehoord}")


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
    klok_gehoord(app, bord)


if __name__ == "__main__":
    main(int(sys.argv[1]))
