#!/usr/bin/env python3
"""Starts the built program on a real X server (Xvfb) with Qt's xcb platform,
answers the About window, checks the main window, closes it and expects a
clean exit. Usage: real_display_test.py PATH_TO_CORDAVO [ABOUT_TITLE]
ABOUT_TITLE is the About window's title in the language of the environment's
LANG and LANGUAGE ("About Cordavo" in English). The program starts with
settings of its own, in a temporary folder."""

import ctypes
import os
import re
import subprocess
import sys
import tempfile
import time

TIMEOUT = 30


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(condition, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    fail("timed out waiting for " + what)


def window_info(display, name):
    """Size and id of the viewable window with exactly this title, or None."""
    tree = subprocess.run(["xwininfo", "-display", display, "-root", "-tree"], capture_output=True, text=True)
    for window in re.findall(r"^\s*(0x[0-9a-f]+) \"%s\":" % re.escape(name), tree.stdout, re.M):
        run = subprocess.run(["xwininfo", "-display", display, "-id", window], capture_output=True, text=True)
        fields = dict(re.findall(r"^\s*([A-Za-z ]+):\s*(.*)$", run.stdout, re.M))
        if run.returncode == 0 and fields.get("Map State") == "IsViewable":
            return {"id": int(window, 16), "width": int(fields["Width"]), "height": int(fields["Height"])}
    return None


def close_window(display_name, window):
    """Asks a window to close as a window manager does (WM_DELETE_WINDOW)."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    display = x11.XOpenDisplay(display_name.encode())
    if not display:
        fail("cannot open display " + display_name)

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]

    event = Event()
    event.message.type = 33  # ClientMessage
    event.message.window = window
    event.message.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.message.format = 32
    event.message.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


def main():
    program = sys.argv[1]
    about_title = sys.argv[2] if len(sys.argv) > 2 else "About Cordavo"
    settings = tempfile.TemporaryDirectory()
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        number = os.read(read_end, 16).decode().strip()
        if not number:
            fail("Xvfb did not start")
        display = ":" + number
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=settings.name)
        app = subprocess.Popen([program], env=env)
        try:
            about = wait_for(lambda: window_info(display, about_title), "the About window, " + about_title)
            subprocess.run(["xdotool", "windowfocus", "--sync", str(about["id"]), "key", "Return"],
                           env=env, check=True)
            wait_for(lambda: window_info(display, about_title) is None, "the About window to close")
            main_window = wait_for(lambda: window_info(display, "Cordavo"), "the main window")
            if (main_window["width"], main_window["height"]) != (774, 574):
                fail("main window is %dx%d, not 774x574" % (main_window["width"], main_window["height"]))
            close_window(display, main_window["id"])
            try:
                code = app.wait(TIMEOUT)
            except subprocess.TimeoutExpired:
                fail("the program did not end when its main window closed")
            if code != 0:
                fail("the program ended with status %d" % code)
        finally:
            if app.poll() is None:
                app.kill()
    finally:
        xvfb.terminate()
        xvfb.wait()
        settings.cleanup()
    print("PASS: About window, then the main window at 774x574, then a clean exit")


if __name__ == "__main__":
    main()
