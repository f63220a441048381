#!/usr/bin/python3
"""Loopback FTP server for the transport tests: anonymous, read-only, passive.

Usage: ftpfixture.py ROOT
Binds 127.0.0.1 on a free port, prints the port on one line and serves ROOT
until its standard input closes (the test process ended, however it ended).

Files whose name starts with one of these codes misbehave: station files
"XGOT.TXT"... and current-conditions pages "PGOT.html"... (an airport code
starting with X that has no page of its own gets a real page of Madrid, so the
graph goes on to ask for the station file of that airport):
  XGOT, PGOT  trickle one byte every half second
  XMED, PMED  send half of their content, then nothing more
  XGRA, PGRA  stream 1 GiB (never held in memory)
  XLEN, PLEN  a steady 400 bytes a second that never ends
Each connection has its own thread, so a slow file holds up nobody else.
"""
import logging
import os
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.log import config_logging
from pyftpdlib.servers import ThreadedFTPServer

GIB = 1 << 30
REPORT = b"2024/07/17 12:00\nLEAL 171200Z 09010KT CAVOK 30/20 Q1015\n"


class FaultFile:
    """A read-only file object whose reads misbehave as its name says."""

    def __init__(self, name, kind):
        self.name = name
        self.kind = kind
        self.sent = 0
        self.closed = False

    def read(self, size=-1):
        if self.kind == "XGOT":
            time.sleep(0.5)
            return b"x"
        if self.kind == "XMED":
            if self.sent == 0:
                self.sent = 1
                return REPORT[:len(REPORT) // 2]
            time.sleep(3600)
            return b""
        if self.kind == "XLEN":
            time.sleep(0.1)
            return b"x" * 39 + b"\n"
        if self.sent >= GIB:  # XGRA
            return b""
        chunk = b"LEAL 171200Z 09010KT CAVOK 30/20 Q1015\n" * 1600
        self.sent += len(chunk)
        return chunk

    def seek(self, *args):
        pass

    def close(self):
        self.closed = True


KINDS = ("GOT", "MED", "GRA", "LEN")
# A real page of Madrid with a full day of rows.
STAND_IN = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "data", "surface",
                        "current", "LEMD.html")


def fault_kind(path):
    """The misbehaviour of a file name, or None."""
    base = os.path.basename(path)
    if base[1:4] in KINDS and ((base[0] == "X" and base.endswith(".TXT")) or
                               (base[0] == "P" and base.endswith(".html"))):
        return "X" + base[1:4]
    return None


def stand_in_page(path):
    base = os.path.basename(path)
    return base.startswith("X") and base.endswith(".html") and not os.path.exists(path)


class FaultFS(AbstractedFS):
    def open(self, filename, mode):
        kind = fault_kind(filename)
        if kind:
            return FaultFile(filename, kind)
        if stand_in_page(filename):
            return super().open(STAND_IN, mode)
        return super().open(filename, mode)

    def isfile(self, path):
        return bool(fault_kind(path)) or stand_in_page(path) or super().isfile(path)

    def getsize(self, path):
        if fault_kind(path):
            return 0
        if stand_in_page(path):
            return super().getsize(STAND_IN)
        return super().getsize(path)


def exit_when_parent_goes():
    sys.stdin.read()
    os._exit(0)


config_logging(level=logging.WARNING)
authorizer = DummyAuthorizer()
authorizer.add_anonymous(os.path.realpath(sys.argv[1]))  # read-only: list and retrieve
handler = FTPHandler
handler.authorizer = authorizer
handler.abstracted_fs = FaultFS
handler.use_sendfile = False
server = ThreadedFTPServer(("127.0.0.1", 0), handler)
threading.Thread(target=exit_when_parent_goes, daemon=True).start()
print(server.address[1], flush=True)
server.serve_forever()
