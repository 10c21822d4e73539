"""Drives a running program through the AT-SPI accessibility bus, as a screen reader does.

Controls are found by role and name, never by position; every wait polls with a deadline.
"""

import os
import re
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402
from x11_desktop import window_manager_running  # noqa: E402

# Every wait stretches alike on slow builds (the sanitizer build runs the same journeys).
SLOWDOWN = float(os.environ.get("TAVRENNE_E2E_SLOWDOWN", "1"))
WAIT = 15.0
POLL = 0.05

CALL_TIMEOUT_MS = int(5000 * SLOWDOWN)
# A call the program answers only once a modal box closes must not hold the journey up.
BLOCKING_CALL_TIMEOUT_MS = 700
Atspi.set_timeout(CALL_TIMEOUT_MS, CALL_TIMEOUT_MS)

DIALOG_ROLES = {"dialog", "alert", "file chooser"}

KEY_RETURN = 0xFF0D
KEY_SPACE = 0x20
KEY_TAB = 0xFF09
KEY_ESCAPE = 0xFF1B
KEY_F4 = 0xFFC1
KEY_RIGHT = 0xFF53
KEY_DOWN = 0xFF54
# X modifier masks, held down around a key by chord().
SHIFT = 1 << 0
CONTROL = 1 << 2
ALT = 1 << 3


class StepFailed(Exception):
    """A journey step that did not happen as a user would see it."""


def poll(what, probe, timeout=None):
    """Calls probe until it gives something true and returns that; fails naming `what` at the deadline."""
    deadline = time.monotonic() + (WAIT if timeout is None else timeout) * SLOWDOWN
    last_error = None
    while True:
        try:
            found = probe()
            if found:
                return found
        except GLib.Error as error:  # the object went away under us: look again
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error.message})" if last_error else ""
            raise StepFailed(f"timed out waiting for {what}{detail}")
        time.sleep(POLL)


def role(accessible):
    return accessible.getRoleName()


def name(accessible):
    return accessible.name or ""


def has_state(accessible, state):
    return accessible.getState().contains(state)


def showing(accessible):
    return has_state(accessible, pyatspi.STATE_SHOWING)


def enabled(accessible):
    return has_state(accessible, pyatspi.STATE_ENABLED) and has_state(accessible, pyatspi.STATE_SENSITIVE)


def is_window(accessible, parent_role):
    """A window of its own: a dialog or box, the launcher, or a tool window in the launcher's area, which can be
    resized. (A framed group of controls reads as a frame too, but stands inside a window.)"""
    kind = role(accessible)
    if kind in DIALOG_ROLES:
        return True
    return kind == "frame" and (parent_role == "application" or has_state(accessible, pyatspi.STATE_RESIZABLE))


def children(accessible):
    try:
        return [child for child in accessible if child is not None]
    except GLib.Error:
        return []


def descendants(root, into_windows=False):
    """Every descendant of root on screen, depth first; by default not those inside other windows."""
    parent_role = role(root)
    for child in children(root):
        try:
            if not showing(child):
                continue
            yield child
            if into_windows or not is_window(child, parent_role):
                yield from descendants(child, into_windows)
        except GLib.Error:
            continue


def matches(accessible, wanted_role, wanted_name):
    if wanted_role and role(accessible) != wanted_role:
        return False
    if isinstance(wanted_name, re.Pattern):
        return bool(wanted_name.search(name(accessible)))
    return wanted_name is None or name(accessible) == wanted_name


def find_all(root, wanted_role=None, wanted_name=None, into_windows=False):
    return [a for a in descendants(root, into_windows) if matches(a, wanted_role, wanted_name)]


def find(root, wanted_role, wanted_name=None, timeout=None):
    """The first control of that role and name under root, waiting for it to appear."""
    shown = wanted_name.pattern if isinstance(wanted_name, re.Pattern) else wanted_name

    def probe():
        root.clear_cache()
        return next(iter(find_all(root, wanted_role, wanted_name)), None)

    return poll(f"{wanted_role} {shown!r}" if shown is not None else wanted_role, probe, timeout)


def find_described(root, wanted_role, wanted_description, timeout=None):
    """For lists, whose name is their current entry."""

    def probe():
        return next((found for found in find_all(root, wanted_role) if description(found) == wanted_description), None)

    return poll(f"{wanted_role} described as {wanted_description!r}", probe, timeout)


def wait_gone(accessible, what, timeout=None):
    def probe():
        try:
            accessible.clear_cache()
            return not showing(accessible)
        except GLib.Error:
            return True

    poll(f"{what} to go away", probe, timeout)


def action_names(accessible):
    actions = accessible.queryAction()
    return [actions.getName(i) for i in range(actions.nActions)]


def press(accessible, action="Press", blocks=False):
    """Does the control's action, as a screen reader's "activate" does.

    `blocks`: the program runs a modal box or ends inside this action and may answer only later, or never.
    """
    names = action_names(accessible)
    if action not in names:
        raise StepFailed(f"{role(accessible)} {name(accessible)!r} offers no {action!r} action, only {names}")
    if blocks:
        # The same short wait for a program that has just started: libatspi would otherwise allow it much longer.
        Atspi.set_timeout(BLOCKING_CALL_TIMEOUT_MS, BLOCKING_CALL_TIMEOUT_MS)
    try:
        accessible.queryAction().doAction(names.index(action))
    except GLib.Error:
        if not blocks:  # a blocking one may not answer yet: the box it opened is what the next step looks for
            raise
    finally:
        Atspi.set_timeout(CALL_TIMEOUT_MS, CALL_TIMEOUT_MS)


def text_of(accessible):
    """What a screen reader reads of a control: its text when it has some, its name otherwise."""
    accessible.clear_cache()
    if "Text" in pyatspi.listInterfaces(accessible):
        return accessible.queryText().getText(0, -1)
    return name(accessible)


def description(accessible):
    accessible.clear_cache()
    return accessible.description or ""


def set_text(accessible, text):
    """Puts text into an editable control through the editable-text interface."""
    accessible.queryEditableText().setTextContents(text)
    poll(f"{name(accessible)!r} to read {text!r}", lambda: text_of(accessible) == text)


def focus(accessible):
    """Moves the keyboard focus to the control, as Tab would."""
    if "SetFocus" in action_names(accessible):
        press(accessible, "SetFocus")
    else:
        accessible.queryComponent().grabFocus()
    what = f"the focus in {role(accessible)} {name(accessible)!r}"
    poll(what, lambda: has_state(accessible, pyatspi.STATE_FOCUSED), 5)


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def chord(modifiers, keysym):
    """Presses a key with modifiers held, as Shift+Tab or Alt+E."""
    pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_LOCKMODIFIERS)
    try:
        key(keysym)
    finally:
        pyatspi.Registry.generateKeyboardEvent(modifiers, None, pyatspi.KEY_UNLOCKMODIFIERS)


def focused(root):
    """The control that holds the keyboard focus under root, inside whichever window; None if none does. A
    window holding a focused control counts as focused too: the innermost is the one."""
    found = None
    for accessible in descendants(root, into_windows=True):
        try:
            if has_state(accessible, pyatspi.STATE_FOCUSED):
                found = accessible
        except GLib.Error:
            continue
    return found


def type_keys(text):
    """Types text as key presses into whatever holds the keyboard (an open list holds it alone)."""
    for character in text:
        key(ord(character))


def type_into(accessible, text):
    """Types text into the control key by key, as a person at the keyboard does."""
    focus(accessible)
    before = text_of(accessible)
    type_keys(text)
    poll(f"{name(accessible)!r} to read {before + text!r}", lambda: text_of(accessible) == before + text, 5)


def pick(combo, item):
    """Picks an entry of a drop-down list: opens it, types the entry's text and takes it with Enter."""
    for _ in range(2):
        press(combo, "Press")
        poll(f"the list of {name(combo)!r} to open", lambda: any(showing(c) for c in children(combo)), 5)
        time.sleep(0.1)  # the popup takes the keyboard once it is up
        type_keys(item)
        key(KEY_RETURN)
        try:
            poll(f"the list to show {item!r}", lambda: name(combo) == item, 3)
            return
        except StepFailed:
            continue
    raise StepFailed(f"could not pick {item!r} in a list that shows {name(combo)!r}")


def labelled_by(root, label_text, timeout=None):
    """The control a label names (its buddy): what a screen reader reads as that label's value."""

    def probe():
        root.clear_cache()
        for label in find_all(root, "label", label_text):
            for relation in label.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR and relation.getNTargets():
                    return relation.getTarget(0)
        return None

    return poll(f"the control labelled {label_text!r}", probe, timeout)


def menu_entry(window, menu, entry):
    """The entry of one of the window's own menus (menus stay off screen until opened)."""
    heading = find(find(window, "menu bar"), "menu item", menu)
    for popup in children(heading):
        for item in children(popup):
            if role(item) == "menu item" and name(item) == entry:
                return item
    raise StepFailed(f"no entry {entry!r} in the {menu!r} menu of {name(window)!r}")


def dump(accessible, depth=0, limit=14, out=None):
    """The tree on screen under a control, as text for a failure report."""
    lines = [] if out is None else out
    if depth > limit:
        return lines
    try:
        lines.append(f"{'  ' * depth}[{role(accessible)}] {name(accessible)!r}")
        for child in children(accessible):
            if showing(child):
                dump(child, depth + 1, limit, lines)
    except GLib.Error as error:
        lines.append(f"{'  ' * depth}(gone: {error.message})")
    return lines


def wait_for_window_manager():
    # A window shown before the manager runs is never maximized, and the tool windows would stand half
    # outside the launcher, where a screen reader does not count them as on screen.
    poll("the window manager", window_manager_running)


class Program:
    """One run of the program under test, with its own settings and runtime folders."""

    def __init__(self, binary, environment, log_path):
        self.log_path = log_path
        with open(log_path, "ab") as log:
            self.process = subprocess.Popen([binary], env=environment, stdout=log, stderr=subprocess.STDOUT)
        self.pid = self.process.pid

    def running(self):
        return self.process.poll() is None

    def app(self, timeout=None):
        """The program's root on the accessibility bus."""

        def probe():
            if not self.running():
                raise StepFailed(f"the program ended with status {self.process.returncode} before it showed up")
            for app in children(pyatspi.Registry.getDesktop(0)):
                try:
                    if app.get_process_id() == self.pid:
                        # Read afresh every time: a cached tree can miss a window that just opened.
                        app.set_cache_mask(Atspi.Cache.NONE)
                        return app
                except GLib.Error:
                    continue
            return None

        return poll(f"the program (pid {self.pid}) on the accessibility bus", probe, timeout)

    def window(self, role_name, title, containing=None, timeout=None):
        """A window on screen with that title; `containing` (role, name) tells apart windows of one title."""
        app = self.app()

        def probe():
            app.clear_cache()
            for window in find_all(app, role_name, title, into_windows=True):
                if containing is None or find_all(window, *containing):
                    return window
            return None

        what = f"{role_name} {title!r}" + (f" with {containing[0]} {containing[1]!r}" if containing else "")
        return poll(what, probe, timeout)

    def wait_exit(self, timeout=None):
        poll(f"the program (pid {self.pid}) to end", lambda: not self.running(), timeout)
        return self.process.returncode

    def stop(self):
        if self.running():
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(5)
