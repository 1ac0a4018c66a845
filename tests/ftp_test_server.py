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
  no-group   no MLSD, and a LIST without the group column
  retr-451, retr-425
             "xmldata.xml" is listed but its RETR is answered 451 or 425
  size-550   "xmldata.xml" is listed but its SIZE is answered 550
  endless-listing
             the listing goes on with folder entries (up to 64 MiB, as good as endless)
  endless-catalogue
             "xmldata.xml" has no SIZE and streams on (up to 32 MiB, as good as endless)
  trickle    "xmldata.xml" comes 2 bytes every half second and is cut off after 20 s
  long-name  the listing also names a 300-byte file, which is served
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


# A name of 300 bytes in UTF-8, longer than a Linux file name may be.
LONG_NAME = "ж" * 148 + ".pdf"


class LongNameFS(AbstractedFS):
    def format_mlsx(self, basedir, listing, perms, facts, ignore_err=True):
        yield from super().format_mlsx(basedir, listing, perms, facts, ignore_err)
        yield ("type=file;size=4; %s\r\n" % LONG_NAME).encode("utf8")


class NoGroupFS(AbstractedFS):
    """LIST lines as some servers send them: owner, but no group column."""

    def format_list(self, basedir, listing, ignore_err=True):
        for name in listing:
            path = os.path.join(basedir, name)
            mode = "drwxr-xr-x" if os.path.isdir(path) else "-rw-r--r--"
            yield ("%s   1 owner %8d Jan 01 10:00 %s\r\n"
                   % (mode, os.path.getsize(path), name)).encode("utf8")


class Producer:
    """Sends `chunk` over and over, `total` bytes in all, waiting `pause` seconds before each
    chunk and ending after `cut_after` seconds."""

    def __init__(self, chunk, total, pause=0.0, cut_after=None, head=b""):
        self.pending = head
        self.chunk = chunk
        self.left = total
        self.pause = pause
        self.end = time.monotonic() + cut_after if cut_after else None

    def more(self):
        if self.pending:
            data, self.pending = self.pending, b""
            return data
        if self.left <= 0 or (self.end and time.monotonic() > self.end):
            return b""
        if self.pause:
            time.sleep(self.pause)
        self.left -= len(self.chunk)
        return self.chunk


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


class RefusingHandler(Handler):
    """Lists the catalogue but answers its RETR or SIZE with an error."""
    retr_reply = None
    size_reply = None

    def ftp_RETR(self, file):
        if os.path.basename(file) == CATALOGUE and self.retr_reply:
            self.respond(self.retr_reply)
            return None
        return super().ftp_RETR(file)

    def ftp_SIZE(self, path):
        if os.path.basename(path) == CATALOGUE and self.size_reply:
            self.respond(self.size_reply)
            return None
        return super().ftp_SIZE(path)


class EndlessListingHandler(Handler):
    def ftp_MLSD(self, path):
        self.push_dtp_data(Producer(b"type=dir;perm=el; folder\r\n" * 1000, 64 << 20),
                           isproducer=True, cmd="MLSD")
        return path


class StreamingHandler(Handler):
    """Sends the catalogue through a Producer made by `producer()` and tells no size."""
    producer = None

    def ftp_SIZE(self, path):
        if os.path.basename(path) == CATALOGUE and self.producer:
            self.respond("502 Command not implemented.")
            return None
        return super().ftp_SIZE(path)

    def ftp_RETR(self, file):
        if os.path.basename(file) != CATALOGUE or not self.producer:
            return super().ftp_RETR(file)
        self.push_dtp_data(self.producer(), isproducer=True, cmd="RETR")
        return file


class LongNameHandler(Handler):
    def ftp_SIZE(self, path):
        if os.path.basename(path) != LONG_NAME:
            return super().ftp_SIZE(path)
        self.respond("213 4")
        return None

    def ftp_RETR(self, file):
        if os.path.basename(file) != LONG_NAME:
            return super().ftp_RETR(file)
        self.push_dtp_data(b"long", cmd="RETR")
        return file


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
                        choices=["normal", "traversal", "cut", "stall", "stall-data", "no-mlsd",
                                 "no-group", "retr-451", "retr-425", "size-550",
                                 "endless-listing", "endless-catalogue", "trickle",
                                 "long-name"])
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
               "no-mlsd": NoMlsdHandler, "no-group": NoMlsdHandler,
               "retr-451": RefusingHandler, "retr-425": RefusingHandler,
               "size-550": RefusingHandler, "endless-listing": EndlessListingHandler,
               "endless-catalogue": StreamingHandler, "trickle": StreamingHandler,
               "long-name": LongNameHandler}.get(args.mode, Handler)
    if args.mode == "retr-451":
        handler.retr_reply = "451 Requested action aborted: local error in processing."
    elif args.mode == "retr-425":
        handler.retr_reply = "425 Can't open data connection."
    elif args.mode == "size-550":
        handler.size_reply = "550 Could not get file size."
    elif args.mode == "endless-catalogue":
        handler.producer = staticmethod(
            lambda: Producer(b"<a/>" * 4096, 32 << 20, head=b"<xmldata>"))
    elif args.mode == "trickle":
        handler.producer = staticmethod(
            lambda: Producer(b"<a", 1 << 20, pause=0.5, cut_after=20))
    handler.authorizer = authorizer
    # Answers a refused log-in at once, so that short client time-outs do not take it for a stall.
    handler.auth_failed_timeout = 0.1
    handler.abstracted_fs = {"traversal": TraversalFS, "no-group": NoGroupFS,
                             "long-name": LongNameFS}.get(args.mode, AbstractedFS)
    server = FTPServer(("127.0.0.1", 0), handler)
    print("PORT %d" % server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
