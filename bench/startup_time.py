#!/usr/bin/python3
"""Time from starting a program to its first window on screen, for whole processes.

Runs each program in turn (a, b, a, b, ...) on the X display $DISPLAY and takes the time from
the start of the process until its first top-level window is mapped (popups and tooltips, which
bypass the window manager, do not count) and painted: a window is mapped with no background of
its own, so it shows the black root window until the program draws into it, and the pixel at
(4, 4) of the window is polled until it is no longer black. The process is then terminated.
Prints each program's median and the ratio of each median to the first program's (run it on an
X server whose root window is black, such as Xvfb).

    startup_time.py [--rounds N] [--warmup N] [--cwd DIR] NAME=COMMAND [NAME=COMMAND ...]

The display is watched through libxcb (ctypes), so nothing but Python and the X libraries that
Qt already needs is required.
"""

import argparse
import ctypes
import os
import select
import shlex
import signal
import statistics
import subprocess
import sys
import time

XCB_CW_EVENT_MASK = 2048
XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY = 1 << 19
XCB_MAP_NOTIFY = 19
XCB_IMAGE_FORMAT_Z_PIXMAP = 2


class ScreenIterator(ctypes.Structure):
    _fields_ = [("data", ctypes.c_void_p), ("rem", ctypes.c_int), ("index", ctypes.c_int)]


class Cookie(ctypes.Structure):
    _fields_ = [("sequence", ctypes.c_uint)]


class MapNotify(ctypes.Structure):
    _fields_ = [
        ("response_type", ctypes.c_uint8),
        ("pad0", ctypes.c_uint8),
        ("sequence", ctypes.c_uint16),
        ("event", ctypes.c_uint32),
        ("window", ctypes.c_uint32),
        ("override_redirect", ctypes.c_uint8),
    ]


class MapWatcher:
    """Reports top-level windows mapped on the display's first screen."""

    def __init__(self):
        self.xcb = ctypes.CDLL("libxcb.so.1")
        self.libc = ctypes.CDLL(None)
        self.xcb.xcb_connect.restype = ctypes.c_void_p
        self.xcb.xcb_connect.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_int)]
        self.xcb.xcb_connection_has_error.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_get_setup.restype = ctypes.c_void_p
        self.xcb.xcb_get_setup.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_setup_roots_iterator.restype = ScreenIterator
        self.xcb.xcb_setup_roots_iterator.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_change_window_attributes.argtypes = [
            ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint32, ctypes.POINTER(ctypes.c_uint32)]
        self.xcb.xcb_flush.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_get_file_descriptor.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_poll_for_event.restype = ctypes.c_void_p
        self.xcb.xcb_poll_for_event.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_get_image.restype = Cookie
        self.xcb.xcb_get_image.argtypes = [
            ctypes.c_void_p, ctypes.c_uint8, ctypes.c_uint32, ctypes.c_int16, ctypes.c_int16,
            ctypes.c_uint16, ctypes.c_uint16, ctypes.c_uint32]
        self.xcb.xcb_get_image_reply.restype = ctypes.c_void_p
        self.xcb.xcb_get_image_reply.argtypes = [ctypes.c_void_p, Cookie, ctypes.c_void_p]
        self.xcb.xcb_get_image_data.restype = ctypes.POINTER(ctypes.c_uint8)
        self.xcb.xcb_get_image_data.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_get_image_data_length.argtypes = [ctypes.c_void_p]
        self.libc.free.argtypes = [ctypes.c_void_p]

        self.connection = self.xcb.xcb_connect(None, None)
        if not self.connection or self.xcb.xcb_connection_has_error(self.connection):
            sys.exit("startup_time.py: cannot open the display " + os.environ.get("DISPLAY", ""))
        screen = self.xcb.xcb_setup_roots_iterator(self.xcb.xcb_get_setup(self.connection))
        root = ctypes.c_uint32.from_address(screen.data).value  # xcb_screen_t begins with root
        mask = ctypes.c_uint32(XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY)
        self.xcb.xcb_change_window_attributes(self.connection, root, XCB_CW_EVENT_MASK,
                                              ctypes.byref(mask))
        self.xcb.xcb_flush(self.connection)
        self.fd = self.xcb.xcb_get_file_descriptor(self.connection)

    def drain(self):
        while self.next_event():
            pass

    def next_event(self):
        """The window an event reports mapped, True for another event, False for none."""
        pointer = self.xcb.xcb_poll_for_event(self.connection)
        if not pointer:
            return False
        event = MapNotify.from_address(pointer)
        mapped = (event.response_type & 0x7F) == XCB_MAP_NOTIFY and not event.override_redirect
        window = event.window
        self.libc.free(ctypes.c_void_p(pointer))
        return window if mapped else True

    def wait_for_map(self, deadline):
        while True:
            result = self.next_event()
            if result is not True and result is not False:
                return result
            if result:
                continue
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], left)

    def is_painted(self, window):
        cookie = self.xcb.xcb_get_image(self.connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 4, 4,
                                        1, 1, 0xFFFFFFFF)
        reply = self.xcb.xcb_get_image_reply(self.connection, cookie, None)
        if not reply:
            return False  # the window went away
        data = self.xcb.xcb_get_image_data(reply)
        painted = any(data[i] for i in range(min(3, self.xcb.xcb_get_image_data_length(reply))))
        self.libc.free(ctypes.c_void_p(reply))
        return painted

    def wait_for_paint(self, window, deadline):
        while not self.is_painted(window):
            if time.monotonic() > deadline:
                return False
            time.sleep(0.0005)
        return True


def time_one(watcher, command, cwd, timeout, until):
    watcher.drain()
    start = time.monotonic()
    process = subprocess.Popen(command, cwd=cwd, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    window = watcher.wait_for_map(start + timeout)
    shown = window is not None and (until == "map" or watcher.wait_for_paint(window, start + timeout))
    elapsed = time.monotonic() - start
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    return elapsed if shown else None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rounds", type=int, default=15)
    parser.add_argument("--warmup", type=int, default=2, help="rounds run first and not counted")
    parser.add_argument("--timeout", type=float, default=20.0, help="seconds to wait for a window")
    parser.add_argument("--cwd", default=None, help="folder the programs start in")
    parser.add_argument("--until", choices=["paint", "map"], default="paint",
                        help="stop the clock when the window is painted (default) or mapped")
    parser.add_argument("programs", nargs="+", metavar="NAME=COMMAND")
    args = parser.parse_args()

    programs = []
    for argument in args.programs:
        name, _, command = argument.partition("=")
        programs.append((name, shlex.split(command)))
    watcher = MapWatcher()
    times = {name: [] for name, _ in programs}
    for round_number in range(args.warmup + args.rounds):
        for name, command in programs:
            elapsed = time_one(watcher, command, args.cwd, args.timeout, args.until)
            if elapsed is None:
                sys.exit(f"startup_time.py: {name} showed no window in {args.timeout} s")
            if round_number >= args.warmup:
                times[name].append(elapsed)

    base = statistics.median(times[programs[0][0]])
    for name, _ in programs:
        median = statistics.median(times[name])
        print(f"{name:>10}: median {median * 1000:7.1f} ms  "
              f"(min {min(times[name]) * 1000:.1f}, max {max(times[name]) * 1000:.1f}, "
              f"{len(times[name])} runs)  {median / base:.2f}x {programs[0][0]}")


if __name__ == "__main__":
    main()
