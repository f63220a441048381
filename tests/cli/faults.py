"""The misbehaving servers of the fault tests: the loopback HTTP and FTP
fixtures of the transport tests (started as child processes that end when the
test ends), a port where nothing listens and one that accepts and never
speaks; and a run of brisalta-cli that reports its exit status, how long it
took and its largest resident memory."""
import os
import resource
import socket
import subprocess
import sys
import threading
import time

from clitools import CLI, TEST_DATA

FIXTURES = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "adapters")

# Short limits (connection, slowest speed, a page, a station file, in seconds):
# the real ones (20, 20, 60, 120) are too long for a test to wait for.
SHORT_LIMITS = "conexion=3,lento=2,pagina=6,fichero=8"


class Fixture:
    """A fixture script serving `root` on 127.0.0.1; port is its port."""

    def __init__(self, script, root):
        self.process = subprocess.Popen(["/usr/bin/python3", os.path.join(FIXTURES, script), root],
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.port = int(self.process.stdout.readline())

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=10)


def closed_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class SilentPort:
    """Connections are accepted (by the kernel) and never answered."""

    def __init__(self):
        self.socket = socket.socket()
        self.socket.bind(("127.0.0.1", 0))
        self.socket.listen(16)
        self.port = self.socket.getsockname()[1]

    def close(self):
        self.socket.close()


class Run:
    def __init__(self, code, stdout, stderr, seconds, max_rss_mb):
        self.code, self.stdout, self.stderr = code, stdout, stderr
        self.seconds, self.max_rss_mb = seconds, max_rss_mb


def run_cli(box, args, stdin=None, env=None, feed=None, timeout=120):
    """Runs brisalta-cli in the sandbox; `feed(pipe)` may write its standard
    input as it goes. The child's own peak memory comes from wait4."""
    start = time.monotonic()
    process = subprocess.Popen([CLI] + args, cwd=box.root, env=env or box.env,
                               stdin=subprocess.PIPE if feed else stdin,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    errors = []
    reader = threading.Thread(target=lambda: errors.append(process.stderr.read()))
    reader.start()
    if feed:
        try:
            feed(process.stdin)
            process.stdin.close()
        except BrokenPipeError:
            pass
    out = process.stdout.read()
    reader.join()
    err = errors[0]
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    return Run(process.returncode, out.decode("utf-8", "replace"), err.decode("utf-8", "replace"),
               time.monotonic() - start, usage.ru_maxrss / 1024)
