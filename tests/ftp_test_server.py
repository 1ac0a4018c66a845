#!/usr/bin/python3
"""FTP server on 127.0.0.1 for the catalogue update tests.

Serves ROOT to the user "updater" with the password "secret" on a free port, prints
"PORT <n>" once it listens, and exits by itself after --lifetime seconds so that a test that
dies cannot leave it behind. --mode picks the server's behaviour:
  normal     a plain server, except that it refuses to send files named "locked*"
  traversal  the listings also name files outside the folder ("../escaped.dat" and others)
  cut        "xmldata.xml" is sent only half-way, after its full size was announced
  stall      accepts connections and never answers
  stall-data the data connection of "xmldata.xml" opens and then nothing moves
  no-mlsd    a server without MLSD, whose LIST alone tells folders from files
"""

import argparse
import logging
import os
import socket
import sys
import tempfile
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

USER = "updater"
PASSWORD = "secret"
CATALOGUE = "xmldata.xml"
# Names a server may list that must never be written outside the client's folder.
TRAVERSAL_NAMES = ["../escaped.dat", "/tmp/absolute.dat", "sub/inner.dat", "back\\slash.dat",
                   ".."]


class TraversalFS(AbstractedFS):
    def format_mlsx(self, basedir, listing, perms, facts, ignore_err=True):
        yield from super().format_mlsx(basedir, listing, perms, facts, ignore_err)
        for name in TRAVERSAL_NAMES:
            yield ("type=file;size=4; %s\r\n" % name).encode("utf8")

    def format_list(self, basedir, listing, ignore_err=True):
        yield from super().format_list(basedir, listing, ignore_err)
        for name in TRAVERSAL_NAMES:
            yield ("-rw-r--r--   1 owner    group           4 Jan 01 10:00 %s\r\n"
                   % name).encode("utf8")


class Handler(FTPHandler):
    """Refuses to send files named "locked*", as a server does with a file it may not read."""

    def ftp_RETR(self, file):
        if os.path.basename(file).startswith("locked"):
            self.respond("550 Permission denied.")
            return None
        return super().ftp_RETR(file)


class NoMlsdHandler(Handler):
    proto_cmds = {name: command for name, command in Handler.proto_cmds.items()
                  if name != "MLSD"}


class CutHandler(Handler):
    """Sends the first half of the catalogue and reports the transfer complete."""

    def ftp_RETR(self, file):
        if os.path.basename(file) != CATALOGUE:
            return super().ftp_RETR(file)
        with open(file, "rb") as whole:
            data = whole.read()
        half = tempfile.NamedTemporaryFile(delete=False)
        half.write(data[: len(data) // 2])
        half.close()
        return super().ftp_RETR(half.name)


class StallDataHandler(Handler):
    """Opens the catalogue's data connection and then sends nothing."""

    def ftp_RETR(self, file):
        if os.path.basename(file) != CATALOGUE:
            return super().ftp_RETR(file)
        self.respond("150 File status okay. About to open data connection.")


def serve_silently(listener):
    """Accepts every connection and never answers."""
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("--mode", default="normal",
                        choices=["normal", "traversal", "cut", "stall", "stall-data", "no-mlsd"])
    parser.add_argument("--lifetime", type=float, default=120)
    args = parser.parse_args()

    threading.Timer(args.lifetime, lambda: os._exit(0)).start()

    if args.mode == "stall":
        listener = socket.socket()
        listener.bind(("127.0.0.1", 0))
        listener.listen(8)
        print("PORT %d" % listener.getsockname()[1], flush=True)
        serve_silently(listener)
        return

    logging.basicConfig(level=logging.WARNING, stream=sys.stderr)
    authorizer = DummyAuthorizer()
    authorizer.add_user(USER, PASSWORD, args.root, perm="elr")
    handler = {"cut": CutHandler, "stall-data": StallDataHandler,
               "no-mlsd": NoMlsdHandler}.get(args.mode, Handler)
    handler.authorizer = authorizer
    # Answers a refused log-in at once, so that short client time-outs do not take it for a stall.
    handler.auth_failed_timeout = 0.1
    if args.mode == "traversal":
        handler.abstracted_fs = TraversalFS
    server = FTPServer(("127.0.0.1", 0), handler)
    print("PORT %d" % server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
