#!/usr/bin/python3
"""Reads the running game through the desktop's accessibility bus, as a screen reader does, and
checks what it says of the cards, the clock and the controls: a face-down, a face-up and a found
card, in English and then in Russian. The cards are turned through the bus itself."""
import sys
import time

import pyatspi


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def find_app(name, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    fail("no application named %r on the accessibility bus" % name)


def walk(node, found):
    try:
        found.append(node)
        for child in node:
            if child is not None:
                walk(child, found)
    except Exception:
        pass
    return found


def nodes(app):
    return walk(app, [])


def cards(app):
    found = [n for n in nodes(app) if n.getRoleName() == "push button"
             and (n.name.startswith("row ") or n.name.startswith("ряд "))]
    if len(found) != 24:
        fail("expected 24 cards, found %d: %s" % (len(found), [n.name for n in found][:5]))
    return sorted(found, key=lambda n: n.name)


def card(app, row, column, english=True):
    prefix = ("row %d, card %d" if english else "ряд %d, карточка %d") % (row, column)
    for node in nodes(app):
        if node.name.startswith(prefix + ",") or node.name.startswith(prefix + ":"):
            return node
    fail("no card named %r..." % prefix)


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press"):
            action.doAction(i)
            time.sleep(0.15)
            return
    fail("card %r offers no press action" % node.name)


def name_of(app, row, column, english=True):
    return card(app, row, column, english).name


def main():
    app = find_app("Quilora")
    names = {n.name for n in nodes(app)}
    for expected in ("Records", "Help", "Options", "Clear", "The game's home page",
                     "The game's web site", "Russian language", "English language", "Time: ",
                     "Sound on, press to switch it off"):
        if expected not in names and not any(n.startswith(expected) for n in names):
            fail("nothing named %r; names: %s" % (expected, sorted(names)[:40]))
    cards(app)

    down = name_of(app, 1, 1)
    if down != "row 1, card 1, face down":
        fail("face-down card reads %r" % down)
    # Turn every card once and learn the pictures from what the bus says.
    pictures = {}
    for row in range(1, 5):
        for column in range(1, 7):
            press(card(app, row, column))
            pictures[(row, column)] = name_of(app, row, column).split(": ", 1)[1]
    print("face up:", name_of(app, 4, 6))
    by_picture = {}
    for where, picture in pictures.items():
        by_picture.setdefault(picture, []).append(where)
    first_pair = next(v for v in by_picture.values() if len(v) == 2)
    for where in first_pair:
        press(card(app, *where))
    found = name_of(app, *first_pair[0])
    if ", found: " not in found:
        fail("found card reads %r" % found)
    print("found:", found)

    # Finish the game: the victory panel is built at the win, so its controls are read only now.
    for pair in by_picture.values():
        if len(pair) == 2 and pair != first_pair:
            for where in pair:
                press(card(app, *where))
    time.sleep(0.3)
    won = {n.name for n in nodes(app)}
    for expected in ("Your name", "Boy", "Girl", "Friend"):
        if expected not in won:
            fail("after the win, nothing named %r" % expected)
    print("won: the victory panel reads its name box and icons")

    # The same through Russian captions.
    russian = [n for n in nodes(app) if n.name == "Russian language"][0]
    press(russian)
    time.sleep(0.3)
    ru = name_of(app, *first_pair[0], english=False)
    if ", найдена: " not in ru:
        fail("found card in Russian reads %r" % ru)
    ru_names = {n.name for n in nodes(app)}
    for expected in ("Очистить", "Рекорды", "Английский язык", "Время: "):
        if not any(n.startswith(expected) for n in ru_names):
            fail("nothing named %r in Russian" % expected)
    print("Russian:", ru)
    print("OK: %d accessible objects" % len(nodes(app)))


if __name__ == "__main__":
    main()
