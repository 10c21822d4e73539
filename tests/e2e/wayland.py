"""One short journey of Tavrenne on a Wayland compositor, so that a break of the native Wayland platform shows.

usage: wayland.py --binary PATH/TO/tavrenne --work FOLDER

Expects a Wayland compositor on $WAYLAND_DISPLAY, no X display, a session bus and the AT-SPI bus (run.sh
--wayland starts them). The program must come up on Qt's Wayland platform, open a tool and end with status 0.
"""

import argparse
import os
import sys

from gi.repository import GLib

from atspi_driver import StepFailed, find, press
from journeys import FORTUNE, Session, expect


def loaded_platforms(pid):
    """The Qt platform plugins the process has loaded, by file name."""
    with open(f"/proc/{pid}/maps", encoding="utf-8", errors="replace") as maps:
        return {os.path.basename(line.split()[-1]) for line in maps if "/platforms/" in line}


def journey(session):
    session.environment.update(QT_QPA_PLATFORM="wayland")
    session.environment.pop("DISPLAY", None)
    launcher = session.at_launcher()
    plugins = loaded_platforms(session.program.pid)
    expect(any(plugin.startswith("libqwayland") for plugin in plugins),
           f"the program runs on {sorted(plugins)}, not on Qt's Wayland platform")
    cookies = session.open_tool("Fortune Cookie", FORTUNE, ("push button", "Middle fortune cookie"))
    find(cookies, "push button", "Left fortune cookie")
    session.quit(find(launcher, "push button", "Exit"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", required=True)
    parser.add_argument("--work", required=True)
    arguments = parser.parse_args()
    session = Session(os.path.abspath(arguments.binary), arguments.work)
    try:
        journey(session)
    except (StepFailed, GLib.Error) as error:
        print(f"e2e: FAILED on Wayland: {error}", flush=True)
        with open(session.program.log_path, encoding="utf-8", errors="replace") as log:
            print(log.read()[-3000:])
        return 1
    finally:
        if session.program:
            session.program.stop()
    print("e2e: ok    on Wayland", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
