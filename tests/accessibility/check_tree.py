#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running game through the desktop's accessibility bus, as a screen reader does, and
checks what it says of the cards, the clock and the controls: a face-down, a face-up and a found
card, in English and then in Russian. The cards are turned through the bus itself.
With "together", it reads playing together instead: the start window's player rows, a computer's
memory box and Play, then the match's cards, the players' plates and the spoken line."""
import sys
import time

import pyatspi


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(check, what, patience=60):
    """Polls until check() gives a true value and returns it. The game answers the bus in its
    own time, slowly on a busy machine: the patience is only there to end a hung run."""
    end = time.time() + patience
    while True:
        value = check()
        if value:
            return value
        if time.time() > end:
            fail("gave up waiting for " + what)
        time.sleep(0.05)


def find_app(name, window=None):
    """The application of that name, showing a window of that title if one is given."""
    def look():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name and (
                    window is None or any(w is not None and w.name == window for w in app)):
                return app
        return None
    return wait_for(look, "an application named %r on the accessibility bus" % name)


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
    return None


def found_card(app, row, column, english=True):
    return wait_for(lambda: card(app, row, column, english), "card %d, %d" % (row, column))


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press"):
            action.doAction(i)
            return
    fail("card %r offers no press action" % node.name)


def name_of(app, row, column, english=True, containing=""):
    def read():
        node = card(app, row, column, english)
        return node.name if node is not None and containing in node.name else None
    return wait_for(read, "card %d, %d to read %r" % (row, column, containing))


def named(app, name, role=None):
    """The first object of that name (and role), once there is one."""
    def look():
        for node in nodes(app):
            if node.name == name and (role is None or node.getRoleName() == role):
                return node
        return None
    return wait_for(look, "a %s named %r" % (role or "thing", name))


def state(node, which):
    return node.getState().contains(which)


def together():
    # The choices file the script laid out: Anna, a person, and Robot, a computer that forgets
    # nothing; rows 3 and 4 greyed.
    app = find_app("Quilora", "Quilora: play together")
    for row in range(1, 5):
        box = named(app, "Name of player %d" % row, "text")
        if state(box, pyatspi.STATE_ENABLED) != (row <= 2):
            fail("name box %d is %s" % (row, "greyed" if row <= 2 else "usable"))
    for row, kind in ((1, "person"), (2, "computer")):
        box = [n for n in nodes(app) if n.getRoleName() == "combo box"
               and n.description == "Player %d: a person or the computer" % row]
        if [b.name for b in box] != [kind]:
            fail("player %d's kind reads %r" % (row, [b.name for b in box]))
    memory = [n for n in nodes(app) if n.description.startswith("How well player")
              and state(n, pyatspi.STATE_SHOWING)]
    if [(m.description, m.name, state(m, pyatspi.STATE_ENABLED)) for m in memory] != [
            ("How well player 2 remembers", "forgets nothing", True)]:
        fail("memory boxes in view read %r" % [(m.description, m.name) for m in memory])
    named(app, "Players:", "spin button")
    play = named(app, "Play", "push button")
    print("start window: 4 player rows, the computer's memory box, Play")
    press(play)

    # The match's window has the start window's title: it is there once its cards are.
    wait_for(lambda: sum(n.getRoleName() == "push button" and n.name.startswith("row ")
                         for n in nodes(app)) == 24, "the match's 24 cards")
    cards(app)
    named(app, "Anna, pairs: 0, to play now")
    named(app, "Robot, pairs: 0")
    status = named(app, "Anna's turn", "notification")
    # Anna turns two cards: a pair is spoken with its finder, else Robot's turn comes.
    press(found_card(app, 1, 1))
    name_of(app, 1, 1, containing=": ")
    press(found_card(app, 1, 2))
    said = wait_for(lambda: status.name if status.name != "Anna's turn" else None,
                    "the spoken line to move on")
    if not (said.startswith(("Anna finds a pair: ", "Robot finds a pair: "))
            or said == "Robot's turn"):
        fail("the spoken line reads %r" % said)
    print("match: 24 cards, the players' plates, the spoken line:", said)
    print("OK: %d accessible objects" % len(nodes(app)))


def main():
    if sys.argv[1:] == ["together"]:
        together()
        return
    app = find_app("Quilora")
    for expected in ("Records", "Help", "Options", "Clear", "The game's home page",
                     "The game's web site", "Russian language", "English language", "Time",
                     "Sound on, press to switch it off"):
        wait_for(lambda: any(n.startswith(expected) for n in {m.name for m in nodes(app)}),
                 "something named %r" % expected)
    cards(app)

    down = name_of(app, 1, 1)
    if down != "row 1, card 1, face down":
        fail("face-down card reads %r" % down)
    # Turn every card once and learn the pictures from what the bus says.
    pictures = {}
    for row in range(1, 5):
        for column in range(1, 7):
            press(found_card(app, row, column))
            pictures[(row, column)] = name_of(app, row, column, containing=": ").split(": ", 1)[1]
    print("face up:", name_of(app, 4, 6))
    by_picture = {}
    for where, picture in pictures.items():
        by_picture.setdefault(picture, []).append(where)
    first_pair = next(v for v in by_picture.values() if len(v) == 2)
    for where in first_pair:
        press(found_card(app, *where))
    found = name_of(app, *first_pair[0], containing=", found: ")
    print("found:", found)

    # Finish the game: the victory panel is built at the win, so its controls are read only now.
    for pair in by_picture.values():
        if len(pair) == 2 and pair != first_pair:
            for where in pair:
                press(found_card(app, *where))
    for expected in ("Your name", "Boy", "Girl", "Friend"):
        wait_for(lambda: expected in {n.name for n in nodes(app)},
                 "something named %r after the win" % expected)
    print("won: the victory panel reads its name box and icons")

    # The same through Russian captions.
    russian = [n for n in nodes(app) if n.name == "Russian language"][0]
    press(russian)
    ru = name_of(app, *first_pair[0], english=False, containing=", найдена: ")
    for expected in ("Очистить", "Рекорды", "Английский язык", "Время: "):
        wait_for(lambda: any(n.startswith(expected) for n in {m.name for m in nodes(app)}),
                 "something named %r in Russian" % expected)
    print("Russian:", ru)
    print("OK: %d accessible objects" % len(nodes(app)))


if __name__ == "__main__":
    main()
