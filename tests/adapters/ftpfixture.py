#!/usr/bin/python3
"""Loopback FTP server for the transport tests: anonymous, read-only, passive.

Usage: ftpfixture.py ROOT
Binds 127.0.0.1 on a free port, prints the port on one line and serves ROOT
until its standard input closes (the test process ended, however it ended).

Files whose name starts with one of these airport codes misbehave, wherever
they are asked for (the station file "<ICAO>.TXT", the page "<ICAO>.html"):
  XGOT  trickles one byte every half second
  XMED  sends half of its content, then nothing more
  XGRA  streams 1 GiB (never held in memory)
  XLEN  a steady 400 bytes a second that never ends
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


class FaultFS(AbstractedFS):
    def open(self, filename, mode):
        base = os.path.basename(filename)
        for kind in ("XGOT", "XMED", "XGRA", "XLEN"):
            if base.startswith(kind):
                return FaultFile(filename, kind)
        return super().open(filename, mode)

    def isfile(self, path):
        return os.path.basename(path)[:4] in ("XGOT", "XMED", "XGRA", "XLEN") or super().isfile(path)

    def getsize(self, path):
        base = os.path.basename(path)[:4]
        return 0 if base in ("XGOT", "XMED", "XGRA", "XLEN") else super().getsize(path)


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
