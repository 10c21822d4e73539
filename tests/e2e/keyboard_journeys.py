"""The Chinese Zodiac and the I Ching with the keyboard alone, as a screen-reader user goes through them.

After every key the journey looks at what has the focus: that there is one, that it is on screen, and what it
offers a screen reader (its name, its text, its description).
"""

import re

import pyatspi
from gi.repository import Atspi

from atspi_driver import (ALT, KEY_DOWN, KEY_ESCAPE, KEY_RIGHT, KEY_SPACE, KEY_TAB, SHIFT, StepFailed, children,
                          description, enabled, find, find_all, focus, has_state, key, name, poll, role, showing,
                          text_of, type_keys, wait_gone)

ICHING = "Qelvo I Ching Software"
ZODIAC = "Qelvo Chinese Zodiac Software"
SHEET = re.compile(r"^Qelvo Chinese Zodiac Software - ")
TOSS = re.compile(r"^(heads|tails), (heads|tails), (heads|tails): line (\d) is (yang|yin|old yin, changing"
                  r"|old yang, changing)$")


def expect(condition, message):
    if not condition:
        raise StepFailed(message)


def chord(modifiers, keysym):
    """A key pressed with Shift or Alt held."""
    Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.LOCKMODIFIERS)
    try:
        key(keysym)
    finally:
        Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.UNLOCKMODIFIERS)


def focused_in(root):
    """The control under root that has the keyboard, if it is on screen."""
    stack = [root]
    while stack:
        accessible = stack.pop()
        for child in children(accessible):
            try:
                if not showing(child):
                    continue
                if has_state(child, pyatspi.STATE_FOCUSED) and role(child) not in {"frame", "filler", "panel"}:
                    return child
                stack.append(child)
            except Exception:  # gone while we looked
                continue
    return None


def focus_on(program, wanted_role, wanted_name, what):
    """Waits until the focus is on a control of that role and name, on screen; returns it."""

    def probe():
        app = program.app()
        app.clear_cache()
        control = focused_in(app)
        if control is None:
            return None
        if wanted_role and role(control) != wanted_role:
            return None
        if isinstance(wanted_name, re.Pattern):
            return control if wanted_name.search(name(control)) else None
        return control if wanted_name is None or name(control) == wanted_name else None

    shown = wanted_name.pattern if isinstance(wanted_name, re.Pattern) else wanted_name
    try:
        return poll(f"the focus on {wanted_role} {shown!r} {what}", probe, 5)
    except StepFailed:
        control = focused_in(program.app())
        now = f"{role(control)} {name(control)!r}" if control else "nothing on screen"
        raise StepFailed(f"{what}: the focus should be on {wanted_role} {shown!r}, it is on {now}") from None


def labelled(control):
    """What a screen reader announces a control by: its label relation's text, or its name."""
    for relation in control.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
            return name(relation.getTarget(0))
    return name(control)


def list_labelled(root, label):
    """The drop-down list a screen reader announces by that label (Qt names a list by its entry)."""
    return poll(f"the list labelled {label!r}",
                lambda: next((c for c in find_all(root, "combo box") if labelled(c) == label), None))


def list_says(program, label, entry, what):
    """The focused list is announced by its label and speaks its entry."""

    def probe():
        control = focused_in(program.app())
        return control if control and role(control) == "combo box" and labelled(control) == label else None

    control = poll(f"the {label!r} list to have the focus {what}", probe, 5)
    poll(f"the {label!r} list to say {entry!r} {what}", lambda: description(control) == entry, 5)
    return control


def told_line(casting):
    """The line the last toss was told to be, with the coins that made it, by a notification."""
    for note in find_all(casting, "notification"):
        told = TOSS.match(name(note))
        if told:
            return int(told.group(4))
    return None


def open_by_keyboard(session, tool, title, first):
    """Space on the tool's launcher button: its first window opens with the focus on the text box `first`."""
    focus(find(session.at_launcher(), "push button", tool))
    key(KEY_SPACE)
    session.window(title, ("text", first))
    return focus_on(session.program, "text", first, "as the tool opens")


def zodiac_keyboard_journey(session, journey):
    session.at_launcher()
    program = session.program
    with journey.step("open Chinese Zodiac with Space on its button"):
        open_by_keyboard(session, "Chinese Zodiac Software", ZODIAC, "Name")
    with journey.step("type the name; Tab, Shift+Tab and Tab over the sex"):
        type_keys("Ann")
        key(KEY_TAB)
        male = focus_on(program, "radio button", "Male", "after Tab from the name")
        chord(SHIFT, KEY_TAB)
        focus_on(program, "text", "Name", "after Shift+Tab")
        key(KEY_TAB)
        focus_on(program, "radio button", "Male", "after Tab again")
        expect(not has_state(male, pyatspi.STATE_CHECKED), "Male is chosen before the user chose")
    with journey.step("Right arrow selects Female"):
        key(KEY_RIGHT)
        female = focus_on(program, "radio button", "Female", "after Right")
        poll("Female to be chosen by the arrow key", lambda: has_state(female, pyatspi.STATE_CHECKED), 5)
    with journey.step("the birth date lists, each named and speaking its entry"):
        key(KEY_TAB)
        # 2 February 1937 still belongs to the year of the Fire Rat (24 January 1936 to 10 February 1937).
        for label, first, second in (("Birth Day", "1", "2"), ("Birth Month", "January", "February"),
                                     ("Birth Year", "1936", "1937")):
            list_says(program, label, first, "as Tab reaches it")
            key(KEY_DOWN)
            list_says(program, label, second, "after Down")
            key(KEY_TAB)
        focus_on(program, "push button", "Proceed", "after the lists")
    with journey.step("Alt+P proceeds to the reading, which is spoken"):
        chord(ALT, ord("p"))
        result = session.window(ZODIAC, ("label", "Your Chinese Sign"))
        about = focus_on(program, "text", "Your Chinese Sign Rat, Your Chinese Element Fire", "after Proceed")
        expect(text_of(about).strip(), "the element's text is empty")
    with journey.step("Tab to a short box: read whole, nothing selected"):
        planet = None
        for _ in range(30):
            key(KEY_TAB)
            control = focus_on(program, None, None, "while tabbing round the reading")
            if labelled(control) == "Ruling Planet":
                planet = control
                break
        expect(planet is not None, "Tab never reached the Ruling Planet")
        expect(text_of(planet).strip(), "the ruling planet is empty")
        expect(planet.queryText().getNSelections() == 0, "the Ruling Planet box selected its text on the way in")
    with journey.step("Alt+P prints: the sheet opens on the reading"):
        chord(ALT, ord("p"))
        sheet = session.window(SHEET, ("push button", "Save"))
        reading = focus_on(program, "text", "Your Chinese Zodiac reading", "as the sheet opens")
        expect("Name: Ann" in text_of(reading), "the sheet's reading lacks the name")
    with journey.step("Escape closes the sheet, back on Print"):
        key(KEY_ESCAPE)
        wait_gone(sheet, "the result sheet")
        focus_on(program, "push button", "Print", "after the sheet closed")
    with journey.step("Alt+X leaves the tool"):
        chord(ALT, ord("x"))
        wait_gone(result, "the result window")
        session.at_launcher()


def iching_keyboard_journey(session, journey):
    session.at_launcher()
    program = session.program
    with journey.step("open I Ching with Space on its button"):
        name_box = open_by_keyboard(session, "IChing Software", ICHING, "Name:")
    with journey.step("type the name; a digit inserted as a screen reader does is refused once"):
        type_keys("Ann")
        poll("the name to read 'Ann'", lambda: text_of(name_box) == "Ann", 5)
        name_box.queryEditableText().insertText(3, "7", 1)
        session.box_says("Please Enter Only Characters")
        session.no_box("after the one refusal")
        expect(text_of(name_box) == "Ann", f"the name box reads {text_of(name_box)!r} after the refusal")
    with journey.step("Tab to the question, type it, Alt+N"):
        focus(name_box)
        key(KEY_TAB)
        focus_on(program, "text", "Question:", "after Tab from the name")
        type_keys("Rain")
        chord(ALT, ord("n"))
        casting = session.window(ICHING, ("push button", "Toss Coins"))
        focus_on(program, "push button", "Toss Coins", "as the casting window opens")
    with journey.step("before the sixth toss, Tab stays on what shows"):
        for _ in range(6):
            key(KEY_TAB)
            control = focus_on(program, None, None, "while tabbing before the tosses")
            expect(name(control) not in {"Exit", "Start Again"} and not name(control).startswith("The Judgement"),
                   f"Tab reached the hidden {role(control)} {name(control)!r}")
        focus(find(casting, "push button", "Toss Coins"))
    for line in range(1, 6):
        with journey.step(f"toss {line} with Space: what fell is told"):
            key(KEY_SPACE)
            poll(f"toss {line} to be told", lambda: told_line(casting) == line, 5)
            focus_on(program, "push button", "Toss Coins", f"after toss {line}")
    with journey.step("the sixth toss speaks the hexagram"):
        key(KEY_SPACE)
        judgement = focus_on(program, "text", re.compile(r"^The Judgement: \d{1,2} \S"), "after the sixth toss")
        expect(text_of(judgement).strip(), "the judgement is empty")
        expect(not enabled(find(casting, "push button", "Toss Coins")), "Toss Coins still takes a seventh toss")
    with journey.step("Tab to Exit and press it with Space"):
        for _ in range(8):
            key(KEY_TAB)
            control = focus_on(program, None, None, "while tabbing round the reading")
            if role(control) == "push button" and name(control) == "Exit":
                break
        else:
            raise StepFailed("Tab never reached Exit")
        key(KEY_SPACE)
        wait_gone(casting, "the casting window")
        session.at_launcher()
