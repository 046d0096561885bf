#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tarrowind team
# SPDX-License-Identifier: GPL-3.0-or-later
"""The planner as a screen reader meets it over AT-SPI.

Starts the planner given as the first argument (on the accessibility bus of on-a11y-bus.sh),
walks the keyboard path a screen-reader user takes (race, a row, a goal, Enter, undo and redo,
a refused "abc", "Compare Races", "Optimise Goals") and checks names, roles, states, what is announced and when, as an AT-SPI client receives them.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 5.0  # seconds to wait for anything the planner should do

announced = []
focused = []
failures = []


def on_showing(event):
    # A notification shown is what a screen reader speaks at once.
    try:
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            announced.append(event.source.name)
    except Exception as error:  # the source may be gone already
        print("could not read a shown object:", error)


def on_focused(event):
    try:
        if event.detail1 == 1:
            focused.append(event.source.name)
    except Exception as error:
        print("could not read a focused object:", error)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_for(condition, what):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        pump(0.05)
        value = condition()
        if value:
            return value
    # The rest of the walk builds on this step: stop here.
    failures.append("gave up waiting for " + what)
    raise SystemExit(report())


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def walk(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from walk(child)


def find(root, role, name=None):
    for accessible in walk(root):
        if accessible.getRole() == role and (name is None or accessible.name == name):
            return accessible
    failures.append("no %s named %r" % (pyatspi.Role(role).value_nick, name))
    raise SystemExit(report())


def window_named(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        for window in app or []:
            if window is not None and window.name == name:
                return window
    return None


def key(keysym, times=1):
    for _ in range(times):
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        pump(0.05)


def key_with_control(keysym):
    # Control held through the key, as a user holds it.
    control = 1 << 2  # the X server's Control modifier
    pyatspi.Registry.generateKeyboardEvent(control, None, pyatspi.KEY_LOCKMODIFIERS)
    try:
        key(keysym)
    finally:
        pyatspi.Registry.generateKeyboardEvent(control, None, pyatspi.KEY_UNLOCKMODIFIERS)
        pump(0.05)


def type_text(text):
    for c in text:
        key(ord(c))


def announced_after(count, what):
    return wait_for(lambda: announced[count:], what)


def report():
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


KEY_TAB, KEY_DOWN, KEY_END, KEY_BACKSPACE, KEY_RETURN = 0xFF09, 0xFF54, 0xFF57, 0xFF08, 0xFF0D


def main():
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(on_focused, "object:state-changed:focused")
    planner = subprocess.Popen([sys.argv[1]])
    try:
        window = wait_for(lambda: window_named("Tarrowind Character Planner"),
                          "the planner window on the accessibility bus")

        race = find(window, pyatspi.ROLE_COMBO_BOX)
        check(race.name == "Race: ArchTemplar", "race box named %r" % race.name)
        update = find(window, pyatspi.ROLE_PUSH_BUTTON, "Update")
        check(update.getState().contains(pyatspi.STATE_IS_DEFAULT), "Update is the default button")
        find(window, pyatspi.ROLE_SEPARATOR)
        find(window, pyatspi.ROLE_LIST, "Skills")
        goal = find(window, pyatspi.ROLE_TEXT, "Goal Skill Level")
        check("Braveness" in goal.description, "goal box described as %r" % goal.description)

        # There is no window manager to give the window the keyboard: a click on the author
        # credit, which does nothing else, makes Qt take it.
        credit = find(window, pyatspi.ROLE_LABEL, "Planner by the Tarrowind team")
        x, y, width, height = credit.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2, pyatspi.MOUSE_B1C)
        wait_for(lambda: window.getState().contains(pyatspi.STATE_ACTIVE), "the window active")

        # The race: the new race and the new total are said.
        race.queryComponent().grabFocus()
        wait_for(lambda: race.getState().contains(pyatspi.STATE_FOCUSED), "the race box focused")
        start = len(announced)
        key(KEY_DOWN)
        said = announced_after(start, "the race change to be announced")
        check(said[-1:] == ["Race: Seyan'Du. Braveness: base 10, equipment 0, modded 10, "
                            "goal 10, cost 0. Goal Cost Total: 0"], "race change said as %r" % said)
        check(race.name == "Race: Seyan'Du", "race box named %r" % race.name)

        # Tab to the list: its current row is read after the list. Down to a row: read with the
        # meaning of its numbers.
        key(KEY_TAB)
        wait_for(lambda: "Skills" in focused, "the list focused")
        braveness = "Braveness: base 10, equipment 0, modded 10, goal 10, cost 0"
        wait_for(lambda: focused[-1:] == [braveness], "the current row read on entering the list")
        check(focused[-2:] == ["Skills", braveness], "entering the list read %r" % focused[-2:])
        key(KEY_DOWN, 10)
        sword = "Sword: base 4, equipment 0, modded 10, goal 4, cost 0"
        wait_for(lambda: focused[-1:] == [sword], "Sword's row focused")
        check(focused[-1:] == [sword], "row read as %r" % focused[-1:])

        # Past the cost box to the goal; a goal and Enter: the changed row and the new total are
        # said.
        key(KEY_TAB, 2)
        wait_for(lambda: goal.getState().contains(pyatspi.STATE_FOCUSED), "the goal box focused")
        check("Sword" in goal.description, "goal box described as %r" % goal.description)
        key(KEY_END)
        key(KEY_BACKSPACE, 4)
        type_text("50")
        start = len(announced)
        key(KEY_RETURN)
        said = announced_after(start, "the update to be announced")
        check(said[-1:] == ["Sword: base 4, equipment 0, modded 10, goal 50, cost 225,067. "
                            "Goal Cost Total: 225,067"], "update said as %r" % said)

        # Undo says which step it takes back, then what it changed; the focus stays.
        start = len(announced)
        key_with_control(ord("z"))
        said = announced_after(start, "the undo to be announced")
        check(said[-1:] == ["Undone: Update Sword. Sword: base 4, equipment 0, modded 10, goal 4, "
                            "cost 0. Goal Cost Total: 0"], "undo said as %r" % said)
        check(goal.getState().contains(pyatspi.STATE_FOCUSED), "the goal box keeps the focus")

        # A refused "abc": the reason is said at once, and the focus stays in the box.
        key(KEY_BACKSPACE, 2)
        type_text("abc")
        start = len(announced)
        key(KEY_RETURN)
        said = announced_after(start, "the refusal to be announced")
        reason = 'Goal level: "abc" is not a whole number from -32768 to 32767.'
        check(said[-1:] == [reason], "refusal said as %r" % said)
        check(goal.getState().contains(pyatspi.STATE_FOCUSED), "the goal box keeps the focus")
        check(goal.description == reason, "goal box described as %r" % goal.description)

        # "Compare Races" opens on the plan's race, and reads that cell.
        key_with_control(ord("r"))
        wait_for(lambda: focused[-1:] == ["Seyan'Du (current)"], "the comparison's current cell")
        check(focused[-1:] == ["Seyan'Du (current)"], "Compare Races read %r" % focused[-1:])
        # Tab leaves the table for the explanation under it.
        key(KEY_TAB)
        wait_for(lambda: focused[-1].startswith("Each race"), "Tab to the note under the races")

        # "Optimise Goals": the skill box says its skill; Tab goes from control to control, and
        # entering a table reads its current cell.
        key_with_control(ord("t"))
        optimise = wait_for(lambda: window_named("Optimise Goals"), "the Optimise Goals window")
        skill = find(optimise, pyatspi.ROLE_COMBO_BOX)
        check(skill.name == "Skill: Sword", "skill box named %r" % skill.name)
        for cell in ["Sword", "Mercenary", "Apply the suggested goals"]:
            key(KEY_TAB, 2 if cell == "Sword" else 1)
            wait_for(lambda: focused[-1] == cell, "Tab on to %r" % cell)

        # Apply is said with the step and what it changed, and the focus stays near. The refused
        # "abc" stays in the planner's goal box, whose status bar says so first.
        start = len(announced)
        key(0x20)  # space
        said = announced_after(start, "Apply to be announced")
        check(said[-1].startswith("Reach Sword ") and " changed, total " in said[-1],
              "Apply said as %r" % said)
        find(window, pyatspi.ROLE_LABEL, "The goal box still holds abc, not stored")
        target = find(optimise, pyatspi.ROLE_SPIN_BUTTON, "Target modded value at goal")
        check(target.getState().contains(pyatspi.STATE_FOCUSED), "the target box has the focus")
    finally:
        planner.terminate()
        try:
            planner.wait(5)
        except subprocess.TimeoutExpired:
            planner.kill()
            planner.wait()
    return report()


if __name__ == "__main__":
    sys.exit(main())
