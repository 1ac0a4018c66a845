#!/usr/bin/python3
"""A catalogue update server on this computer, to try "selvio-cli update" or the window's
"Проверить обновление" without a server of one's own.

Serves, over FTP on 127.0.0.1, a temporary folder "pub" that holds a copy of the bundled
catalogue (data/xmldata.xml) with a later date in its element "обновление": one day after the
later of the bundled catalogue's date and that of WORKDIR's, or --date. Writes WORKDIR/update.dat
(server, login, password, folder; readable by its owner only) so that an update of WORKDIR
reaches this server. Runs until Ctrl+C, or for --lifetime seconds, then removes the folder it
served; update.dat stays.

    scripts/local_update_server.py ~/selvio-work
    build/app/selvio-cli update --dir ~/selvio-work     (in another terminal)

Needs python3-pyftpdlib (scripts/ensure_tools.sh installs it).
"""

import argparse
import datetime
import logging
import os
import re
import shutil
import signal
import sys
import tempfile
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

LOGIN = "selvio"
PASSWORD = "update"
FOLDER = "pub"
CATALOGUE = "xmldata.xml"
BUNDLED = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "data", CATALOGUE)
DATE = re.compile(r"<обновление>\s*(\d{2})\.(\d{2})\.(\d{4})\s*</обновление>")


def catalogue_date(path):
    """The date in the catalogue's element "обновление", or None."""
    try:
        with open(path, encoding="utf-8", errors="replace") as catalogue:
            match = DATE.search(catalogue.read())
    except OSError:
        return None
    if not match:
        return None
    day, month, year = (int(part) for part in match.groups())
    try:
        return datetime.date(year, month, day)
    except ValueError:
        return None


def parse_date(text):
    try:
        return datetime.datetime.strptime(text, "%d.%m.%Y").date()
    except ValueError:
        raise argparse.ArgumentTypeError("a date as DD.MM.YYYY, not %r" % text)


def newer_catalogue(date):
    """The bundled catalogue's text with `date` in its element "обновление"."""
    with open(BUNDLED, encoding="utf-8") as catalogue:
        text = catalogue.read()
    stamp = "<обновление>%s</обновление>" % date.strftime("%d.%m.%Y")
    return DATE.sub(stamp, text, count=1)


def foreign_settings(path):
    """Whether `path` holds update settings that name a server other than this computer."""
    try:
        with open(path, encoding="utf-8", errors="replace") as settings:
            words = settings.read().split()
    except FileNotFoundError:
        return False
    return not words or not words[0].startswith("127.0.0.1:")


def stop(*_):
    raise KeyboardInterrupt


def write_settings(workdir, port):
    """WORKDIR/update.dat as the update dialog writes it: four fields, each ended by CR LF."""
    path = os.path.join(workdir, "update.dat")
    fields = ["127.0.0.1:%d" % port, LOGIN, PASSWORD, FOLDER]
    descriptor = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600)
    os.fchmod(descriptor, 0o600)
    with os.fdopen(descriptor, "w", encoding="utf-8", newline="") as settings:
        settings.write("".join(field + "\r\n" for field in fields))
    return path


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("workdir", help="the working folder that gets update.dat")
    parser.add_argument("--port", type=int, default=2121, help="FTP port (2121; 0 for any free one)")
    parser.add_argument("--date", type=parse_date, help="the served catalogue's date, DD.MM.YYYY")
    parser.add_argument("--lifetime", type=float, help="stop after this many seconds")
    parser.add_argument("--replace", action="store_true",
                        help="replace an update.dat that names another server")
    args = parser.parse_args()

    workdir = os.path.abspath(os.path.expanduser(args.workdir))
    if not os.path.isdir(workdir):
        sys.exit("No working folder %s" % workdir)
    if not args.replace and foreign_settings(os.path.join(workdir, "update.dat")):
        sys.exit("%s/update.dat names another server; --replace replaces it" % workdir)
    date = args.date
    if date is None:
        known = [d for d in (catalogue_date(BUNDLED),
                             catalogue_date(os.path.join(workdir, CATALOGUE))) if d]
        date = max(known, default=datetime.date.today()) + datetime.timedelta(days=1)

    root = tempfile.mkdtemp(prefix="selvio-update-")
    try:
        os.mkdir(os.path.join(root, FOLDER))
        with open(os.path.join(root, FOLDER, CATALOGUE), "w", encoding="utf-8") as catalogue:
            catalogue.write(newer_catalogue(date))

        authorizer = DummyAuthorizer()
        authorizer.add_user(LOGIN, PASSWORD, root, perm="elr")
        handler = FTPHandler
        handler.authorizer = authorizer
        logging.basicConfig(level=logging.WARNING, stream=sys.stderr)
        server = FTPServer(("127.0.0.1", args.port), handler)
        port = server.socket.getsockname()[1]
        settings = write_settings(workdir, port)
        print("Serving a catalogue of %s at ftp://127.0.0.1:%d/%s" %
              (date.strftime("%d.%m.%Y"), port, FOLDER), flush=True)
        print("Wrote %s; Ctrl+C stops the server" % settings, flush=True)

        for number in (signal.SIGINT, signal.SIGTERM):
            signal.signal(number, stop)
        deadline = time.monotonic() + args.lifetime if args.lifetime else None
        try:
            while deadline is None or time.monotonic() < deadline:
                server.serve_forever(timeout=0.5, blocking=False, handle_exit=False)
        except KeyboardInterrupt:
            pass
        server.close_all()
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
