"""A screen-reader user's journeys through Tavrenne, over the accessibility bus.

usage: journeys.py --binary PATH/TO/tavrenne --work FOLDER

Expects a display, a session bus and the AT-SPI bus to be running (run.sh starts them). Every journey starts
at the launcher; one that fails is reported with its step, and the program is started afresh for the next.
"""

import argparse
import contextlib
import os
import re
import sys
import time
import traceback

from gi.repository import GLib

from atspi_driver import (ALT, CONTROL, KEY_ESCAPE, KEY_F4, KEY_RETURN, KEY_SPACE, KEY_TAB, SHIFT, WAIT, Program,
                          StepFailed, action_names, chord, description, dump, enabled, find, find_all, find_described,
                          focus, focused, has_state, key, labelled_by, menu_entry, name, pick, poll, press, pyatspi,
                          role, set_text, showing, text_of, type_into, wait_for_window_manager, wait_gone)
from keyboard_journeys import SHEET, iching_keyboard_journey, list_labelled, zodiac_keyboard_journey

LAUNCHER = "Tavrenne v1.25"
ICHING = "Qelvo I Ching Software"
FULL_READING = "Qelvo I Ching Software - Full Reading"
KEY_ESCAPE = 0xFF1B
ZODIAC = "Qelvo Chinese Zodiac Software"
FORTUNE = "Qelvo Fortune Cookie"
MAHJONG = "Qelvo Mahjong Oracle"
TOOLS = ["Chinese Zodiac Software", "IChing Software", "Fortune Cookie", "Mahjong Oracle"]

# Three coins, heads counting three and tails two, make a line of 6 to 9.
LINE_KINDS = {6: "old yin, changing", 7: "yang", 8: "yin", 9: "old yang, changing"}
CHANGED_KINDS = {6: "yang", 7: "yang", 8: "yin", 9: "yin"}


def expect(condition, message):
    if not condition:
        raise StepFailed(message)


class Session:
    """The program under test, run with folders of its own so nothing of the user's is read or touched."""

    def __init__(self, binary, work):
        self.binary = binary
        self.work = work
        self.runs = 0
        self.program = None
        home = os.path.join(work, "home")
        folders = {"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                   "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
                   "XDG_CACHE_HOME": os.path.join(home, ".cache"), "XDG_RUNTIME_DIR": os.path.join(work, "runtime")}
        for folder in folders.values():
            os.makedirs(folder, exist_ok=True)
        os.chmod(folders["XDG_RUNTIME_DIR"], 0o700)
        self.environment = dict(
            os.environ, **folders, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb",
            LC_ALL="C.UTF-8", LANG="C.UTF-8",
            # Qt's own file dialogs, whatever desktop the machine has: those are what the journeys read.
            QT_QPA_PLATFORMTHEME="",
            # Leaks are the unit tests' business; here a sanitizer only stops the program at a real fault.
            ASAN_OPTIONS="detect_leaks=0:abort_on_error=1")
        for variable in ("XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "SESSION_MANAGER"):
            self.environment.pop(variable, None)

    def launch(self):
        self.runs += 1
        return Program(self.binary, self.environment, os.path.join(self.work, f"program-{self.runs}.log"))

    def start(self):
        self.program = self.launch()
        self.launcher()

    def restart(self):
        if self.program:
            self.program.stop()
        self.start()

    def launcher(self):
        return self.program.window("frame", LAUNCHER, ("push button", TOOLS[0]))

    def window(self, title, containing, role_name="frame", timeout=None):
        return self.program.window(role_name, title, containing, timeout)

    def at_launcher(self):
        """The launcher with its panel of tools on screen, starting the program if need be."""
        if not self.program or not self.program.running():
            self.start()
        launcher = self.launcher()
        find(launcher, "link", TOOLS[0])
        return launcher

    def open_tool(self, caption, title, containing, control="push button"):
        """Opens a tool from the launcher by its button or by its caption link."""
        press(find(self.at_launcher(), control, caption))
        return self.window(title, containing)

    def close(self, window, what, button="Exit", back_to=None):
        """Closes a window by its button (or by a menu entry, given as the control) and is back at the launcher,
        or at the window `back_to` (title, containing)."""
        press(find(window, "push button", button) if isinstance(button, str) else button)
        wait_gone(window, what)
        return self.window(*back_to) if back_to else self.at_launcher()

    def box_says(self, text, program=None):
        """Reads the message box that shows `text` and closes it with OK."""
        box = (program or self.program).window("alert", re.compile(""), ("label", text))
        press(find(box, "push button", "OK"))
        wait_gone(box, f"the box {text!r}")

    def no_box(self, when):
        alerts = find_all(self.program.app(), "alert", into_windows=True)
        expect(not alerts, f"a message box stands over the launcher {when}")

    def file_dialog(self, title, button, path):
        """Names the file in Qt's file dialog and takes it with the dialog's button."""
        dialog = self.window(title, ("text", "File name:"), "dialog")
        set_text(find(dialog, "text", "File name:"), path)
        press(find(dialog, "push button", button))
        wait_gone(dialog, f"the {button.lower()} dialog")

    def quit(self, control):
        press(control, blocks=True)
        status = self.program.wait_exit()
        expect(status == 0, f"the program ended with status {status}")


class Journey:
    def __init__(self, title, run):
        self.title = title
        self.run = run
        self.current = "start"

    @contextlib.contextmanager
    def step(self, what):
        self.current = what
        yield


# The journeys, in the order they run; each begins and ends at the launcher.


def launcher_journey(session, journey):
    with journey.step("read the launcher"):
        launcher = session.at_launcher()
        for tool in TOOLS:
            expect(enabled(find(launcher, "push button", tool)), f"the {tool!r} button is disabled")
            expect("Press" in action_names(find(launcher, "link", tool)), f"the link {tool!r} can't be pressed")
        for picture in ("Chinese Zodiac", "I Ching", "Fortune Cookie", "Mahjong Oracle"):
            find(launcher, "image", picture)
        find(launcher, "link", re.compile("home page"))
        find(launcher, "push button", "Exit")
    with journey.step("no question at start"):
        session.no_box("at start")


def about_journey(session, journey):
    with journey.step("Help, About Software"):
        press(menu_entry(session.at_launcher(), "Help", "About Software"), blocks=True)
        about = session.window(LAUNCHER, ("push button", "OK"), role_name="dialog")
    with journey.step("read the About box"):
        find(about, "label", LAUNCHER)
        find(about, "label", re.compile("thought provoking program"))
        find(about, "link", "Visit us at www.tavrenne.com")
        find(about, "link", "Ask about our branding offer")
        find(about, "image", "Tavrenne")
    with journey.step("OK"):
        session.close(about, "the About box", "OK")


def iching_journey(session, journey):
    with journey.step("open I Ching"):
        question = session.open_tool("IChing Software", ICHING, ("text", "Name:"))
    with journey.step("type the name and the question"):
        type_into(find(question, "text", "Name:"), "Ada Lovelace")
        set_text(find(question, "text", "Question:"), "Will the harvest be good this year?")
    with journey.step("Next"):
        press(find(question, "push button", "Next"))
        casting = session.window(ICHING, ("push button", "Toss Coins"))
        asked = text_of(find(casting, "text", "Your name and question"))
        expect("Name: Ada Lovelace" in asked and "Question: Will the harvest be good this year?" in asked,
               f"the casting window shows {asked!r}")

    cast = find(casting, "frame", "Cast hexagram")
    changed = find(casting, "frame", "Changed hexagram")
    values = []
    for line in range(1, 7):
        with journey.step(f"toss {line}"):
            press(find(casting, "push button", "Toss Coins"))
            drawn = find(cast, "label", re.compile(rf"^Line {line}: "))
            faces = [name(find(casting, "image", re.compile(rf"^Coin {coin}: (heads|tails)$"))).split(": ")[1]
                     for coin in (1, 2, 3)]
            value = sum(3 if face == "heads" else 2 for face in faces)
            values.append(value)
            expect(name(drawn) == f"Line {line}: {LINE_KINDS[value]}",
                   f"coins {faces} make a {LINE_KINDS[value]} line, but the figure reads {name(drawn)!r}")
            after = name(find(changed, "label", re.compile(rf"^Line {line}: ")))
            expect(after == f"Line {line}: {CHANGED_KINDS[value]}",
                   f"a {value} line should change to {CHANGED_KINDS[value]}, the second figure reads {after!r}")

    with journey.step("read the reading"):
        toss = find(casting, "push button", "Toss Coins")
        poll("the coins to be done with", lambda: not enabled(toss), 5)
        captions = find_all(casting, "label", re.compile(r"^\d{1,2} \S"))
        expect(len(captions) == 1, f"expected one hexagram caption, found {[name(c) for c in captions]}")
        number = int(name(captions[0]).split()[0])
        expect(1 <= number <= 64, f"hexagram number {number}")
        judgement = find(casting, "text", re.compile(r"^The Judgement: "))
        expect(name(judgement) == f"The Judgement: {name(captions[0])}",
               f"the judgement is named {name(judgement)!r}, the hexagram is {name(captions[0])!r}")
        for box in (judgement, find(casting, "text", "The Image")):
            expect(text_of(box).strip(), f"{name(box)} is empty")
        changing = [f"Line {n} Changed" for n, value in enumerate(values, 1) if value in (6, 9)]
        shown = [line for line in text_of(find(casting, "text", "Changing Lines")).splitlines() if line.strip()]
        expect(shown == changing, f"changing lines read {shown}, the tosses make {changing}")
    with journey.step("read where the changes lead"):
        leads = find_all(casting, "label", re.compile(r"^Changes into: \d{1,2} \S"))
        expect(len(leads) == (1 if changing else 0),
               f"with {len(changing)} changing lines the window names {[name(c) for c in leads]} as their hexagram")
    with journey.step("open the full reading from the keyboard"):
        focus(find(casting, "push button", "Full Reading"))
        key(KEY_SPACE)
        reading = session.window(FULL_READING, ("push button", "Save as PDF"))
        # Qt names a read-only rich text a label, where a plain text box is a text.
        text = find(reading, None, "Your I Ching reading")
        poll("the keyboard in the reading", lambda: has_state(text, pyatspi.STATE_FOCUSED), 5)
    with journey.step("read the full reading"):
        read = text_of(text)
        for part in ["Name: Ada Lovelace", "Question: Will the harvest be good this year?",
                     f"The hexagram cast: {chr(0x4DC0 + number - 1)} {name(captions[0])}", "The Judgement", "The Image"]:
            expect(part in read, f"the reading lacks {part!r}: {read[:300]!r}")
        moving = ["It changes into: ", *(f" at the {'beginning' if n == 1 else 'top'}\n" if n in (1, 6)
                                         else f" in the {['second', 'third', 'fourth', 'fifth'][n - 2]} place\n"
                                         for n, value in enumerate(values, 1) if value in (6, 9))]
        for part in (moving if changing else ["No changing lines"]):
            expect(part in read, f"the reading lacks {part!r}")
    with journey.step("Escape closes the reading"):
        key(KEY_ESCAPE)
        wait_gone(reading, "the full reading")
        find(casting, "push button", "Full Reading")
    with journey.step("Exit"):
        session.close(casting, "the casting window")


def fill_zodiac_entry(entry, person, female, day, month, year):
    set_text(find(entry, "text", "Name"), person)
    option = find(entry, "radio button", "Female" if female else "Male")
    press(option, "Toggle")
    poll("the sex to be chosen", lambda: has_state(option, pyatspi.STATE_CHECKED), 5)
    pick(labelled_by(entry, "Birth Day"), day)
    pick(list_labelled(entry, "Birth Month"), month)
    pick(list_labelled(entry, "Birth Year"), year)


def read_zodiac_result(result, person, sign, element):
    """The reading the result window shows, checked against the person and the sign and element of their year."""
    find(result, "label", re.compile(person))
    reading = {
        "sign": text_of(labelled_by(result, "Your Chinese Sign")),
        "element": text_of(labelled_by(result, "Your Chinese Element")),
    }
    expect((reading["sign"], reading["element"]) == (sign, element), f"the reading is {reading}")
    for field in ("Ruling Planet", "GemStone", "Lucky Color", "Most Compatible Sign", "Positive Traits"):
        reading[field] = text_of(find(result, "text", field))
        expect(reading[field].strip(), f"{field} is empty")
    return reading


def zodiac_journey(session, journey):
    with journey.step("open Chinese Zodiac by its caption link"):
        entry = session.open_tool(TOOLS[0], ZODIAC, ("text", "Name"), control="link")
    with journey.step("Proceed without a name"):
        press(find(entry, "push button", "Proceed"))
        session.box_says("Please Enter Your Name")
    with journey.step("name, sex and date of birth"):
        fill_zodiac_entry(entry, "Ada Lovelace", True, "17", "December", "1990")
    with journey.step("Proceed"):
        press(find(entry, "push button", "Proceed"))
        result = session.window(ZODIAC, ("label", "Your Chinese Sign"))
    with journey.step("read the sign"):
        # 17 December 1990 falls in the year of the Metal Horse (27 January 1990 to 14 February 1991).
        read_zodiac_result(result, "Ada Lovelace", "Horse", "Metal")
        calendar = find(result, "table", "Your Date of Birth")
        find(calendar, "push button", "December")
        find(calendar, "push button", "1990")
    with journey.step("Exit"):
        session.close(result, "the result window")


def fortune_journey(session, journey):
    with journey.step("open Fortune Cookie"):
        cookies = session.open_tool("Fortune Cookie", FORTUNE, ("push button", "Middle fortune cookie"))
        for cookie in ("Left", "Right"):
            find(cookies, "push button", f"{cookie} fortune cookie")
    for cookie, by_keyboard in (("Middle", False), ("Right", True)):
        with journey.step(f"open the {cookie.lower()} cookie" + (" with the keyboard" if by_keyboard else "")):
            button = find(cookies, "push button", f"{cookie} fortune cookie")
            if by_keyboard:
                focus(button)
                key(KEY_SPACE)
            else:
                press(button)
            result = session.window(FORTUNE, ("label", "Your Fortune For Today"))
            find(result, "image", "Opened fortune cookie")
            expect(text_of(labelled_by(result, "Your Fortune For Today")).strip(), "the fortune is empty")
        if cookie == "Middle":
            with journey.step("Back"):
                cookies = session.close(result, "the fortune", "Back", (FORTUNE, ("push button", "Right fortune cookie")))
    with journey.step("Exit"):
        session.close(result, "the fortune")


def mahjong_journey(session, journey):
    with journey.step("open Mahjong Oracle"):
        draw = session.open_tool("Mahjong Oracle", MAHJONG, ("push button", "Mahjong tiles"))
    with journey.step("click the tiles and wait"):
        tiles = find(draw, "push button", "Mahjong tiles")
        started = time.monotonic()
        press(tiles)
        find(draw, "label", "Please Wait", timeout=3)
        result = session.window(MAHJONG, ("push button", "Back"), timeout=WAIT + 3)
        waited = time.monotonic() - started
        expect(waited >= 2.5, f"the tile came after {waited:.1f} s, not after the three-second wait")
    with journey.step("read the tile"):
        english = text_of(labelled_by(result, "English Name")).strip()
        expect(english, "the English name is empty")
        for heading in ("Name", "Chinese Character", "About Your Mahjong"):
            expect(text_of(labelled_by(result, heading)).strip(), f"{heading} is empty")
        picture = find(result, "image", "The drawn tile")
        expect(description(picture).startswith(f"English Name: {english}"),
               f"the tile's picture says {description(picture)!r}, its name is {english!r}")
    with journey.step("Back"):
        draw = session.close(result, "the tile", "Back", (MAHJONG, ("push button", "Mahjong tiles")))
    with journey.step("File, Exit"):
        session.close(draw, "the tiles", menu_entry(draw, "File", "Exit"))


def focus_on(session, wanted_role, wanted_name, timeout=5):
    """Waits until the focus is on that control, on screen, and returns it; fails saying where the focus is."""
    app = session.program.app()
    last = [None]

    def probe():
        now = focused(app)
        last[0] = now
        if now is None or role(now) != wanted_role or not showing(now):
            return None
        if isinstance(wanted_name, re.Pattern):
            return now if wanted_name.search(name(now)) else None
        return now if wanted_name is None or name(now) == wanted_name else None

    try:
        return poll(f"the focus on {wanted_role} {wanted_name!r}", probe, timeout)
    except StepFailed as error:
        now = last[0]
        where = f"{role(now)} {name(now)!r}" if now is not None else "nothing on screen"
        raise StepFailed(f"{error}; it is on {where}") from None


def keyboard_journey(session, journey):
    """Launcher, Fortune Cookie and Mahjong Oracle with the keyboard alone, as a blind user goes."""
    with journey.step("the first tool button has the focus at start"):
        session.restart()
        focus_on(session, "push button", TOOLS[0])
    with journey.step("Tab, Shift+Tab and Tab again to Fortune Cookie"):
        key(KEY_TAB)
        focus_on(session, "push button", TOOLS[1])
        key(KEY_TAB)
        focus_on(session, "push button", TOOLS[2])
        chord(SHIFT, KEY_TAB)
        focus_on(session, "push button", TOOLS[1])
        key(KEY_TAB)
        focus_on(session, "push button", TOOLS[2])
    with journey.step("Return opens the Fortune Cookie on its first cookie"):
        key(KEY_RETURN)
        focus_on(session, "push button", "Left fortune cookie")
    with journey.step("Shift+Tab wraps to the last link, Tab back to the first cookie"):
        chord(SHIFT, KEY_TAB)
        focus_on(session, "link", "Co-brand with us")
        key(KEY_TAB)
        focus_on(session, "push button", "Left fortune cookie")
    with journey.step("Alt+E on the cookies, which have no Exit, does nothing"):
        chord(ALT, ord("e"))
        time.sleep(0.5)
        expect(session.program.running(), "Alt+E on the cookies ended the program")
        focus_on(session, "push button", "Left fortune cookie")
    with journey.step("Space on a cookie puts the focus on the fortune"):
        key(KEY_SPACE)
        fortune = focus_on(session, "label", re.compile(r"\w"))
        result = session.window(FORTUNE, ("label", "Your Fortune For Today"))
        expect(text_of(labelled_by(result, "Your Fortune For Today")) == name(fortune),
               f"the focus is on {name(fortune)!r}, not on the fortune")
    with journey.step("Tab to Back, Return back to the cookies"):
        key(KEY_TAB)
        focus_on(session, "push button", "Back")
        key(KEY_RETURN)
        focus_on(session, "push button", "Left fortune cookie")
    with journey.step("a fortune again, then Alt+E leaves for the launcher's Fortune Cookie button"):
        key(KEY_RETURN)
        focus_on(session, "label", re.compile(r"\w"))
        chord(ALT, ord("e"))
        focus_on(session, "push button", TOOLS[2])
    with journey.step("Tab to Mahjong Oracle, Space opens it on the tiles"):
        key(KEY_TAB)
        focus_on(session, "push button", TOOLS[3])
        key(KEY_SPACE)
        focus_on(session, "push button", "Mahjong tiles")
    with journey.step("Space on the tiles: the focus waits on Please Wait, then lands on the tile"):
        key(KEY_SPACE)
        focus_on(session, "label", "Please Wait", timeout=2)
        tile = focus_on(session, "image", "The drawn tile", timeout=WAIT)
        result = session.window(MAHJONG, ("push button", "Back"))
        said = description(tile)
        at = 0
        for heading in ("English Name", "Name", "Chinese Character", "About Your Mahjong"):
            value = text_of(labelled_by(result, heading)).strip()
            heard = f"{heading}: {value}"
            found = said.find(heard, at)
            expect(found >= 0, f"the tile says {said!r}, not {heard!r} after what came before")
            at = found + len(heard)
    with journey.step("Alt+F opens the File menu, Escape closes it back onto the tile"):
        chord(ALT, ord("f"))
        focus_on(session, "menu item", "File")
        # Escape closes the menu, then leaves the menu bar; on a loaded machine the first may come before the menu
        # is open, so press it until the focus is home, as a user would, and never once more.
        for presses in range(3):
            key(KEY_ESCAPE)
            try:
                focus_on(session, "image", "The drawn tile", timeout=2 if presses < 2 else 5)
                break
            except StepFailed:
                if presses == 2:
                    raise
    with journey.step("Ctrl+F4 closes the tile back to the launcher's Mahjong Oracle button"):
        chord(CONTROL, KEY_F4)
        wait_gone(result, "the tile")
        focus_on(session, "push button", TOOLS[3])


def second_copy_journey(session, journey):
    session.at_launcher()
    with journey.step("start a second copy"):
        second = session.launch()
    try:
        with journey.step("read the second copy's message"):
            session.box_says("Application is already running", program=second)
        with journey.step("the second copy ends"):
            status = second.wait_exit()
            expect(status == 0, f"the second copy ended with status {status}")
    finally:
        second.stop()
    with journey.step("the first copy runs on"):
        expect(session.program.running(), "the first copy ended too")
        session.at_launcher()


def round_trip_journey(session, journey):
    saved = os.path.join(session.work, "saved", "lin-mei.str")
    os.makedirs(os.path.dirname(saved), exist_ok=True)
    # 5 March 1976 falls in the year of the Fire Dragon (31 January 1976 to 17 February 1977).
    person, sign, element = "Lin Mei", "Dragon", "Fire"
    with journey.step("a reading to keep"):
        entry = session.open_tool(TOOLS[0], ZODIAC, ("text", "Name"))
        fill_zodiac_entry(entry, person, True, "5", "March", "1976")
        press(find(entry, "push button", "Proceed"))
        result = session.window(ZODIAC, ("label", "Your Chinese Sign"))
        kept = read_zodiac_result(result, person, sign, element)
    with journey.step("Print"):
        press(find(result, "push button", "Print"))
        sheet = session.window(SHEET, ("push button", "Save"))
        text = text_of(find(sheet, None, "Your Chinese Zodiac reading"))
        expect(person in text and sign in text, "the result sheet lacks the name or the sign")
    with journey.step("Save through the file dialog"):
        press(find(sheet, "push button", "Save"))
        session.file_dialog(re.compile("^Save Your Chinese Zodiac Result"), "Save", saved)
        poll(f"{saved} to be written", lambda: os.path.isfile(saved) and os.path.getsize(saved) > 0)
    with journey.step("quit with File, Exit"):
        session.quit(menu_entry(session.launcher(), "File", "Exit"))
    with journey.step("start again"):
        session.start()
        session.at_launcher()
        session.no_box("at the second start")
    with journey.step("Open Previously Saved Record through the file dialog"):
        entry = session.open_tool(TOOLS[0], ZODIAC, ("text", "Name"))
        press(find(entry, "push button", "Open Previously Saved Record"))
        session.file_dialog("Select the source file", "Open", saved)
        result = session.window(ZODIAC, ("label", "Your Chinese Sign"))
    with journey.step("read the same reading"):
        again = read_zodiac_result(result, person, sign, element)
        expect(again == kept, f"the reopened reading differs: {again} instead of {kept}")
    with journey.step("Exit, and the launcher's Exit"):
        launcher = session.close(result, "the result window")
        session.quit(find(launcher, "push button", "Exit"))


JOURNEYS = [
    Journey("the launcher", launcher_journey),
    Journey("About box", about_journey),
    Journey("I Ching", iching_journey),
    Journey("Chinese Zodiac", zodiac_journey),
    Journey("Fortune Cookie", fortune_journey),
    Journey("Mahjong Oracle", mahjong_journey),
    Journey("keyboard alone: launcher, Fortune Cookie, Mahjong Oracle", keyboard_journey),
    Journey("second copy", second_copy_journey),
    Journey("Chinese Zodiac save, quit, start, open", round_trip_journey),
    Journey("Chinese Zodiac by keyboard", zodiac_keyboard_journey),
    Journey("I Ching by keyboard", iching_keyboard_journey),
]


def report_failure(session, journey, error):
    print(f"e2e: FAILED journey {journey.title!r} at step {journey.current!r}: {error}", flush=True)
    try:
        if session.program and session.program.running():
            print("  what the program shows:", flush=True)
            for line in dump(session.program.app(timeout=2), limit=16):
                print(f"    {line}")
    except (StepFailed, GLib.Error):
        pass
    try:
        with open(session.program.log_path, encoding="utf-8", errors="replace") as log:
            tail = log.read().splitlines()[-20:]
    except (AttributeError, OSError):  # no program yet, or no output
        return
    if tail:
        print("  the program's last output:\n" + "".join(f"    {line}\n" for line in tail))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--only", help="run only the journeys whose title contains this")
    arguments = parser.parse_args()

    wait_for_window_manager()
    session = Session(os.path.abspath(arguments.binary), arguments.work)
    failed = []
    began = time.monotonic()
    try:
        for journey in JOURNEYS:
            if arguments.only and arguments.only.lower() not in journey.title.lower():
                continue
            started = time.monotonic()
            try:
                journey.run(session, journey)
                print(f"e2e: ok    {journey.title} ({time.monotonic() - started:.1f} s)", flush=True)
            except (StepFailed, GLib.Error, AssertionError) as error:
                failed.append(journey.title)
                report_failure(session, journey, error)
                if not isinstance(error, StepFailed):
                    traceback.print_exc()
                # The next journey starts from a fresh program, whatever this one left behind.
                try:
                    session.restart()
                except StepFailed as restart_error:
                    print(f"e2e: the program does not start again: {restart_error}", flush=True)
    finally:
        if session.program:
            session.program.stop()
    total = time.monotonic() - began
    if failed:
        print(f"e2e: {len(failed)} journey(s) failed in {total:.1f} s: {', '.join(failed)}", flush=True)
        return 1
    print(f"e2e: every journey passed in {total:.1f} s", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
