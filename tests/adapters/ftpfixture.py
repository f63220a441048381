#!/usr/bin/python3
"""Loopback FTP server for the transport tests: anonymous, read-only, passive.

Usage: ftpfixture.py ROOT
Binds 127.0.0.1 on a free port, prints the port on one line and serves ROOT
until its standard input closes (the test process ended, however it ended).
"""
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.log import config_logging
from pyftpdlib.servers import FTPServer


def exit_when_parent_goes():
    sys.stdin.read()
    os._exit(0)


config_logging(level=logging.WARNING)
authorizer = DummyAuthorizer()
authorizer.add_anonymous(os.path.realpath(sys.argv[1]))  # read-only: list and retrieve
handler = FTPHandler
handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), handler)
threading.Thread(target=exit_when_parent_goes, daemon=True).start()
print(server.address[1], flush=True)
server.serve_forever()
