#!/usr/bin/python3
"""Reads the running game over AT-SPI as a screen reader does: every control a
player can reach by Tab must say what it is, スタート must be pressable without
a mouse, and the question and the count of correct answers must read as the
window shows them. The game plays a list of the one word ねこ. Each failure is
printed with what a listener would miss; the last act presses 終了."""
import os
import sys
import time

import pyatspi

# The shell's own limit: a busy machine starts Qt slowly.
LIMIT = float(os.environ.get("MOJIRO_WINDOW_WAIT", "60"))
SHUFFLES = ("ねこ", "こね")


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def wait_for(what, probe):
    """The first true value of probe(), asked until LIMIT seconds have gone."""
    end = time.monotonic() + LIMIT
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            fail(f"{what} within {LIMIT:.0f} s")
        time.sleep(0.05)


def children(obj):
    # An object that goes between two reads leaves a hole in the list.
    for i in range(obj.childCount):
        try:
            child = obj.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            yield i, child


def descendants(root):
    for _, child in children(root):
        yield child
        yield from descendants(child)


def has(obj, state):
    return obj.getState().contains(state)


def game_window():
    def find():
        for _, app in children(pyatspi.Registry.getDesktop(0)):
            if app.name != "mojiro":
                continue
            for _, window in children(app):
                if window.name == "モジロタイピング" and has(window, pyatspi.STATE_SHOWING):
                    return window
        return None

    return wait_for("no application mojiro with its window モジロタイピング on the AT-SPI desktop",
                    find)


def unnamed(root, path):
    """Every focusable object on show that has no name, by its path."""
    found = []
    for i, obj in children(root):
        here = f"{path} / {obj.getRoleName()}[{i}]"
        if obj.name:
            here += f"「{obj.name}」"
        elif has(obj, pyatspi.STATE_FOCUSABLE) and has(obj, pyatspi.STATE_SHOWING):
            found.append(here)
        found += unnamed(obj, here)
    return found


def all_named(window, when):
    missing = unnamed(window, f"{window.getRoleName()}「{window.name}」")
    for path in missing:
        print(f"FAIL: {when}, a focusable control has no name: {path}")
    return not missing


def one(window, role, description):
    """The object of this role whose description begins with the given words."""
    for obj in descendants(window):
        if obj.getRoleName() == role and obj.description.startswith(description):
            return obj
    fail(f"no {role} described as 「{description}…」")


def press(window, name):
    """Presses the button as Orca does, by its own action."""
    for obj in descendants(window):
        if obj.getRoleName() == "push button" and obj.name == name:
            break
    else:
        fail(f"no button named {name}")
    try:
        action = obj.queryAction()
    except NotImplementedError:
        fail(f"{name} offers no action, so a screen reader cannot press it")
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click"):
            action.doAction(i)
            return
    fail(f"{name} offers no press among its actions")


def main():
    window = game_window()
    ok = all_named(window, "before スタート")

    question = one(window, "label", "問題")
    correct = one(window, "label", "正解数")
    if question.name != "問題":
        fail(f"before スタート the empty question reads 「{question.name}」, not its tag 問題")
    press(window, "スタート")

    # Until the countdown ends the empty question reads as its tag.
    def shown():
        name = question.name
        if name not in ("問題",) + SHUFFLES:
            fail(f"the question reads 「{name}」, which is neither 問題 nor a shuffle of ねこ")
        return name in SHUFFLES and name

    print(f"the question reads 「{wait_for('no question read out after スタート', shown)}」")
    if correct.name != "正解数 0":
        print(f"FAIL: after スタート the correct answers read 「{correct.name}」, not 「正解数 0」")
        ok = False
    ok = all_named(window, "in the round") and ok

    press(window, "終了")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
