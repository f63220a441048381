#!/usr/bin/python3
"""Loopback HTTP server for the transport tests.

Usage: httpfixture.py ROOT
Binds 127.0.0.1 on a free port, prints the port on one line and serves until
its standard input closes (the test process ended, however it ended).

Routes:
  /silencio    accepts the request and never answers (receive time-out)
  /cabeceras   200, the request headers as "Name: value" lines
  /larga       200, one line of 3000 "x" and then "fin"
  /redirige    302 to /samples/uwyo/siphon_wyoming_sounding.html
  /no-existe   404 with the body the new sounding service sends for a missing sounding
  /cgi-bin/sounding?...&STNM=72357   the recorded Norman sounding; any other
               station gets the service's error page (status 200)
  /<path>      200 with the file ROOT/<path>, or 404 "404 Not Found" when missing
"""
import http.server
import os
import socketserver
import sys
import threading
import time

ROOT = os.path.realpath(sys.argv[1])
MISSING_SOUNDING = "samples/today/uwyo_new/siphon_2026/wyoming_no_data.body.404.txt"


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def answer(self, status, body, headers=()):
        self.send_response(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        path = self.path.split("?", 1)[0]
        if path == "/silencio":
            time.sleep(3600)
            return
        if path == "/cabeceras":
            lines = "".join("%s: %s\n" % (k, v) for k, v in self.headers.items())
            return self.answer(200, lines.encode("latin-1"))
        if path == "/larga":
            return self.answer(200, b"x" * 3000 + b"\nfin\n")
        if path == "/redirige":
            return self.answer(302, b"Moved\n",
                               [("Location", "/samples/uwyo/siphon_wyoming_sounding.html")])
        if path == "/cgi-bin/sounding":
            name = ("siphon_wyoming_sounding.html" if self.path.endswith("&STNM=72357")
                    else "siphon_wyoming_no_data.html")
            with open(os.path.join(ROOT, "samples/uwyo", name), "rb") as f:
                return self.answer(200, f.read())
        if path == "/no-existe":
            with open(os.path.join(ROOT, MISSING_SOUNDING), "rb") as f:
                return self.answer(404, f.read())
        full = os.path.realpath(os.path.join(ROOT, path.lstrip("/")))
        if full.startswith(ROOT + os.sep) and os.path.isfile(full):
            with open(full, "rb") as f:
                return self.answer(200, f.read())
        return self.answer(404, b"<HTML><TITLE>404 Not Found</TITLE></HTML>\n")


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


def exit_when_parent_goes():
    sys.stdin.read()
    os._exit(0)


server = Server(("127.0.0.1", 0), Handler)
threading.Thread(target=exit_when_parent_goes, daemon=True).start()
print(server.server_address[1], flush=True)
server.serve_forever()
