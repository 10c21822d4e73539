"""The X display of the journeys: whether a window manager runs on it. No AT-SPI here, so that run.sh can ask
before the accessibility bus is up. Run as a program, it exits 0 when one does."""
import ctypes
import ctypes.util
import os
import sys


def window_manager_running():
    """Whether a window manager has announced itself on the display (_NET_SUPPORTING_WM_CHECK on the root)."""
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.restype = x11.XInternAtom.restype = ctypes.c_ulong
    # Wrapped, so that ctypes passes the pointer whole rather than as a C int.
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    if not display:
        raise RuntimeError(f"cannot open the display {os.environ.get('DISPLAY')!r}")
    try:
        atom = x11.XInternAtom(display, b"_NET_SUPPORTING_WM_CHECK", 1)
        if not atom:
            return False
        kind, size, items, left = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.c_void_p()
        found = x11.XGetWindowProperty(display, ctypes.c_ulong(x11.XDefaultRootWindow(display)), ctypes.c_ulong(atom),
                                       ctypes.c_long(0), ctypes.c_long(1), 0, ctypes.c_ulong(0), ctypes.byref(kind),
                                       ctypes.byref(size), ctypes.byref(items), ctypes.byref(left), ctypes.byref(data))
        if data:
            x11.XFree(data)
        return found == 0 and items.value > 0
    finally:
        x11.XCloseDisplay(display)


if __name__ == "__main__":
    try:
        sys.exit(0 if window_manager_running() else 1)
    except RuntimeError:
        sys.exit(1)
