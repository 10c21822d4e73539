"""What the Orca screen reader says on the way to a fortune, keyboard only.

usage: orca_journey.py --binary PATH/TO/tavrenne --work FOLDER

Expects what run.sh brings up (display, window manager, session and AT-SPI buses); starts a private
speech-dispatcher that speaks to nowhere and Orca with its debug log, and reads each utterance from that log.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

from atspi_driver import (KEY_RETURN, KEY_SPACE, KEY_TAB, WAIT, ALT, Program, StepFailed, chord, key, labelled_by,
                          poll, text_of, wait_for_window_manager)
from journeys import FORTUNE, Session

ORCA = "/usr/bin/orca"
PYTHON = "/usr/bin/python3"

# Orca unchanged but for its debug log, written line by line, and a look for other Orcas that would make it
# leave when another desktop on the machine runs one.
ORCA_WRAPPER = """
import builtins, runpy, sys
main = runpy.run_path("/usr/bin/orca", run_name="orca_wrapped")["main"]
main.__globals__["otherOrcas"] = lambda: []
main.__globals__["setProcessName"] = lambda name: False
def _open(file, mode="r", *args, **kwargs):
    if "w" in mode and "b" not in mode:
        kwargs["buffering"] = 1
    return builtins.open(file, mode, *args, **kwargs)
main.__globals__["open"] = _open
sys.exit(main())
"""


class Speech:
    """Orca and its speech-dispatcher, and what Orca has said since a mark."""

    def __init__(self, work):
        self.work = work
        self.processes = []
        self.log = os.path.join(work, "orca-debug.out")
        self.mark = 0

    def start(self):
        conf = os.path.join(self.work, "speechd-conf")
        shutil.copytree("/etc/speech-dispatcher", conf)
        with open(os.path.join(conf, "speechd.conf"), "a") as extra:
            extra.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n')
        with open(os.path.join(os.environ["HOME"], ".libao"), "w") as ao:
            ao.write("default_driver=null\nquiet\n")
        socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        os.makedirs(os.path.dirname(socket), exist_ok=True)
        os.environ["SPEECHD_ADDRESS"] = f"unix_socket:{socket}"
        logs = os.path.join(self.work, "speechd-log")
        os.makedirs(logs, exist_ok=True)
        self.spawn(["speech-dispatcher", "-s", "-t", "0", "-C", conf, "-c", "unix_socket", "-S", socket, "-L", logs,
                    "-P", os.path.join(self.work, "speechd.pid")], "speechd.out")
        poll("speech-dispatcher", lambda: os.path.exists(socket), 10)

        wrapper = os.path.join(self.work, "orca-run.py")
        with open(wrapper, "w") as out:
            out.write(ORCA_WRAPPER)
        prefs = os.path.join(self.work, "orca-prefs")
        os.makedirs(prefs, exist_ok=True)
        self.spawn([PYTHON, wrapper, "-u", prefs, f"--debug-file={self.log}"], "orca.out")
        poll("Orca to start", lambda: "Startup complete notification made" in self.read(0), 40)
        if "speechdispatcherfactory" not in self.read(0):
            raise StepFailed("Orca did not reach speech-dispatcher")

    def spawn(self, command, log):
        with open(os.path.join(self.work, log), "ab") as out:
            self.processes.append(subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT))

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()

    def read(self, offset):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                log.seek(offset)
                return log.read()
        except FileNotFoundError:
            return ""

    def said(self):
        """The utterances since the mark, key echo left out."""
        utterances = []
        for line in self.read(self.mark).split("\n"):
            found = re.match(r"^\d\d:\d\d:\d\d\.\d+ - SPEECH OUTPUT: (.*)$", line)
            if not found or re.match(r"^'(.*) ' \{", found.group(1)):  # the echo of a key: "'tab ' {...}"
                continue
            said = re.match(r"^'(.*)'(?:\{.*|None| voice=.*)?$", found.group(1))
            utterances.append(said.group(1) if said else found.group(1))
        return utterances

    def after(self, what, action, *wanted, unwanted=()):
        """Does the action and waits until Orca has said every wanted text; fails on an unwanted one."""
        self.mark = os.path.getsize(self.log)
        action()

        def heard():
            spoken = " | ".join(self.said())
            return all(text in spoken for text in wanted) and spoken

        try:
            spoken = poll(f"Orca to say {wanted!r}", heard, 8)
        except StepFailed:
            spoken = " | ".join(self.said())
            raise StepFailed(f"{what}: Orca said «{spoken}», not {wanted!r}") from None
        time.sleep(0.8)  # what follows at once belongs to this step too
        spoken = " | ".join(self.said())
        for text in unwanted:
            if text in spoken:
                raise StepFailed(f"{what}: Orca said «{spoken}», with {text!r}")
        print(f"orca: {what:<34} → «{spoken}»", flush=True)
        return spoken


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", required=True)
    parser.add_argument("--work", required=True)
    arguments = parser.parse_args()
    for tool in (ORCA, shutil.which("speech-dispatcher")):
        if not tool or not os.path.exists(tool):
            print("orca: missing orca or speech-dispatcher; install them (./build-and-test.sh does)", flush=True)
            return 1

    wait_for_window_manager()
    speech = Speech(arguments.work)
    session = Session(os.path.abspath(arguments.binary), arguments.work)
    try:
        speech.start()
        speech.after("the program starts", session.start, "Chinese Zodiac Software push button")
        speech.after("Tab", lambda: key(KEY_TAB), "IChing Software push button")
        speech.after("Tab", lambda: key(KEY_TAB), "Fortune Cookie push button")
        speech.after("Return opens the Fortune Cookie", lambda: key(KEY_RETURN), "Left fortune cookie push button",
                     unwanted=("layered pane",))
        spoken = speech.after("Space opens a cookie", lambda: key(KEY_SPACE), "Your Fortune For Today")
        result = session.window(FORTUNE, ("label", "Your Fortune For Today"))
        fortune = text_of(labelled_by(result, "Your Fortune For Today")).strip()
        if not fortune or fortune not in spoken:
            raise StepFailed(f"the fortune {fortune!r} was not read out: «{spoken}»")
        speech.after("Tab", lambda: key(KEY_TAB), "Back push button")
        speech.after("Alt+E back to the launcher", lambda: chord(ALT, ord("e")), "Fortune Cookie push button")
        print("orca: every step was spoken", flush=True)
        return 0
    except StepFailed as error:
        print(f"orca: FAILED: {error}", flush=True)
        return 1
    finally:
        if session.program:
            session.program.stop()
        speech.stop()


if __name__ == "__main__":
    sys.exit(main())
