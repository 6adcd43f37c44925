#!/usr/bin/python3
"""Reads Pendrel's accessible tree through AT-SPI, as a screen reader does.

Starts pendrel with a demo reminder, so the manager window and a pop-up are
open, then checks that every control a user can operate has a role and a
spoken name, that the day buttons tell whether they are on, that the pop-up
is an alert, and that its Done button can be pressed through the
accessibility interface. Run inside x11_session --bus. Usage: atspi_check.py PENDREL
"""
import os
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:
    print("SKIP: python3-pyatspi is not installed")
    sys.exit(77)

OPERABLE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SLIDER,
}
DAYS = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def wait_for(what, process, deadline=45):
    """Polls what() until it holds; gives up early once pendrel has quit."""
    end = time.monotonic() + deadline
    while process.poll() is None and time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(0.3)
    return None


def pendrel_windows():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "pendrel":
            windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
            manager = [w for w in windows if w.getRole() != pyatspi.ROLE_ALERT]
            alerts = [w for w in windows if w.getRole() == pyatspi.ROLE_ALERT]
            if manager and alerts:
                return manager[0], alerts[0]
    return None


def describe(node):
    return f"{node.getRoleName()} '{node.name}'"


def check_tree(manager, alert, process):
    controls = [n for n in walk(manager) if n.getRole() in OPERABLE]
    check(len(controls) >= 15, f"only {len(controls)} controls in the manager")
    for node in controls:
        check(node.name.strip() != "", f"manager: nameless {describe(node)}")
    names = {node.name: node for node in controls}
    for name in ["Add reminder", "Remove reminder"]:
        check(name in names, f"manager: no button named '{name}'")
    for index, day in enumerate(DAYS):
        badge = names.get(day)
        if badge is None:
            check(False, f"manager: no day button '{day}'")
            continue
        states = badge.getState()
        check(badge.getRole() in (pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX) or
              states.contains(pyatspi.STATE_CHECKABLE), f"'{day}' is {describe(badge)}")
        weekday = 1 <= index <= 5
        check(states.contains(pyatspi.STATE_CHECKED) == weekday,
              f"'{day}' says {'not ' if weekday else ''}chosen")

    check(alert.name == "Take attendance", f"alert named '{alert.name}'")
    buttons = [n for n in walk(alert) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    check(sorted(b.name for b in buttons) == ["Done", "Open website", "Snooze"],
          f"alert buttons {[b.name for b in buttons]}")
    done = next((b for b in buttons if b.name == "Done"), None)
    if done is not None:
        action = done.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        check("Press" in names, f"Done offers {names}")
        if "Press" in names:
            action.doAction(names.index("Press"))
            gone = wait_for(lambda: not any(
                w.getRole() == pyatspi.ROLE_ALERT for w in manager.parent), process)
            check(gone, "pressing Done left the pop-up open")
    return f"{len(controls)} manager controls and {len(buttons)} pop-up buttons named"


def main():
    pendrel = sys.argv[1]
    # A file, not a pipe: a pipe nobody reads stalls pendrel once it is full.
    err = tempfile.TemporaryFile()
    # No --snapshot: it quits after a set time, which could cut a slow run
    # short, and pendrel ends with the session's display anyway.
    process = subprocess.Popen([pendrel, "--demo"], stderr=err)
    summary = None
    try:
        found = wait_for(pendrel_windows, process)
        if found:
            summary = check_tree(*found, process)
        elif process.poll() is not None:
            failures.append(f"pendrel quit with status {process.returncode} before its windows "
                            "were in the accessible tree")
        else:
            failures.append("no manager window and alert in the accessible tree")
    finally:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    for failure in failures:
        print("FAIL:", failure, flush=True)
    if failures:
        err.seek(0)
        sys.stderr.write(err.read().decode(errors="replace"))
        return 1
    print("PASS:", summary)
    return 0


if __name__ == "__main__":
    sys.exit(main())
