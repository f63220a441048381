#!/usr/bin/python3
"""Loopback HTTP server for the transport tests.

Usage: httpfixture.py ROOT [--tls CERT KEY] [--https-port PORT]
Binds 127.0.0.1 on a free port, prints the port on one line and serves until
its standard input closes (the test process ended, however it ended). With
--tls it speaks HTTPS with that certificate; --https-port names the HTTPS
instance the new sounding interface's redirect leads to.

Routes:
  /silencio    accepts the request and never answers (receive time-out)
  /cabeceras   200, the request headers as "Name: value" lines
  /larga       200, one line of 3000 "x" and then "fin"
  /redirige    302 to /samples/uwyo/siphon_wyoming_sounding.html
  /no-existe   404 with the body the new sounding service sends for a missing sounding
  /cgi-bin/sounding?...&STNM=72357   the recorded Norman sounding; any other
               station gets the service's error page (status 200)
  /api/data/metar?ids=ICAO...            the data API: AIRPORTS below
  /cgi-bin/request/asos.py?station=ID... the mesonet: MESONET below
  /wsgi/sounding?...&id=ID...            the new sounding interface: SOUNDINGS below
  /<path>      200 with the file ROOT/<path>, or 404 "404 Not Found" when missing

Faults, at /falla/<name> and for the sounding stations 99001... (so that the
command-line tool meets them through its own request):
  silencio   99001  accepts the request and never answers
  goteo      99002  a 200 answer that trickles one byte every half second
  cabeceras  99003  a status line, then header lines that never end, slowly
  medias     99004  half the announced body, then nothing more
  error404   99005  404 with an HTML body
  error500   99006  500 with an HTML body
  bucle      99007  302 to itself, for ever
  cortada    99008  a tenth of the announced body, then the connection closes
  gigante    99009  a 1 GiB body announced and streamed (never held in memory)
  torrente   99010  a body without a length that streams until the client goes
  html       99011  200 with an HTML error page instead of the data
  binario    99012  200 with bytes that are not UTF-8 nor text
  lento      99013  a steady 400 bytes a second that never ends
"""
import http.server
import os
import socketserver
import ssl
import sys
import threading
import time
import urllib.parse

ROOT = os.path.realpath(sys.argv[1])
OPTIONS = sys.argv[2:]
TLS = OPTIONS[OPTIONS.index("--tls") + 1:OPTIONS.index("--tls") + 3] if "--tls" in OPTIONS else None
HTTPS_PORT = OPTIONS[OPTIONS.index("--https-port") + 1] if "--https-port" in OPTIONS else None
MISSING_SOUNDING = "samples/today/uwyo_new/siphon_2026/wyoming_no_data.body.404.txt"
TODAY = "samples/today/"
OWN = "sources/"
ERROR_PAGE = b"<html><body><h1>Internal Server Error</h1></body></html>\n"

# The data API's answer per airport: (status, file under ROOT or a body, or
# None to stay silent). Airports not listed get an empty list.
AIRPORTS = {
    "LEMD": (200, OWN + "awc_lemd_2025.json"),        # 2025 schema, SPECI, gaps, calm, VRB
    "LEAL": (200, OWN + "awc_leal_2023_no_elev.json"),  # 2023 schema without elev
    "LEJR": (200, TODAY + "awc_api/briefing-app_LEJR_20231027_format-json.json"),  # one report
    "KMCI": (200, TODAY + "awc_api/FS20_HudBar_KMCI_20251113_format-json.json"),  # two reports
    "LEBL": (204, b""),
    "LEZL": (200, b""),
    "LEVC": (500, ERROR_PAGE),
    "LESO": (200, None),
}
# The mesonet's answer per station; others get 404.
MESONET = {
    "LEVC": (200, OWN + "iem_lemd_onlycomma.csv"),
    "MCI": (200, TODAY + "iem_asos/riem/measures-routine__asos.py-2d8537.txt"),
    "LEBL": (200, TODAY + "iem_asos/riem/warnings__asos.py-12a955.txt"),
    "LEZL": (200, b""),
}
# The new sounding interface per station: (status, file or body, redirect).
UWYO = TODAY + "uwyo_new/siphon_2026/"
SOUNDINGS = {
    "72355": (200, UWYO + "wyoming_sounding.body.csv", "https"),  # moved to the HTTPS host
    "82244": (200, UWYO + "wyoming_missing_station_info.body.csv", None),
    "72358": (200, UWYO + "wyoming_sounding_heights.body.csv", None),
    "66666": (302, b"Moved\n", "https://evil.example/wsgi/sounding"),
    "55555": (302, b"Moved\n", "http"),
}


FAULT_STATIONS = {
    "99001": "silencio", "99002": "goteo", "99003": "cabeceras", "99004": "medias",
    "99005": "error404", "99006": "error500", "99007": "bucle", "99008": "cortada",
    "99009": "gigante", "99010": "torrente", "99011": "html", "99012": "binario",
    "99013": "lento",
}
GIB = 1 << 30


def sample_page():
    with open(os.path.join(ROOT, "samples/uwyo", "siphon_wyoming_sounding.html"), "rb") as f:
        return f.read()


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

    def body_of(self, source):
        if isinstance(source, bytes):
            return source
        with open(os.path.join(ROOT, source), "rb") as f:
            return f.read()

    def todays_service(self, path, query):
        """True when the path is one of today's services (the answer is sent)."""
        if path == "/api/data/metar":
            status, source = AIRPORTS.get(query.get("ids", [""])[0], (200, b"[]"))
            if source is None:
                time.sleep(3600)
                return True
            self.answer(status, self.body_of(source))
            return True
        if path == "/cgi-bin/request/asos.py":
            status, source = MESONET.get(query.get("station", [""])[0], (404, b"Not Found\n"))
            self.answer(status, self.body_of(source))
            return True
        if path == "/wsgi/sounding":
            station = query.get("id", [""])[0]
            status, source, moved = SOUNDINGS.get(station, (404, MISSING_SOUNDING, None))
            if moved == "https" and HTTPS_PORT:
                target = "https://127.0.0.1:%s%s" % (HTTPS_PORT, self.path)
                return self.answer(302, b"Moved\n", [("Location", target)]) or True
            if moved == "http":
                target = "http://127.0.0.1:%d%s" % (self.server.server_address[1], self.path)
                return self.answer(302, b"Moved\n", [("Location", target)]) or True
            if moved and moved.startswith("https://"):
                return self.answer(status, self.body_of(source), [("Location", moved)]) or True
            self.answer(status, self.body_of(source))
            return True
        return False

    def raw(self, data):
        self.wfile.write(data)
        self.wfile.flush()

    def fault(self, name):
        """Plays one misbehaving server; a client that gives up ends it."""
        try:
            if name == "silencio":
                time.sleep(3600)
            elif name == "goteo":
                self.raw(b"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n")
                while True:
                    self.raw(b"x")
                    time.sleep(0.5)
            elif name == "cabeceras":
                self.raw(b"HTTP/1.0 200 OK\r\n")
                while True:
                    self.raw(b"X-Relleno: a\r\n")
                    time.sleep(0.5)
            elif name in ("medias", "cortada"):
                body = sample_page()
                part = len(body) // (2 if name == "medias" else 10)
                self.raw(b"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: %d\r\n\r\n"
                         % len(body) + body[:part])
                if name == "medias":
                    time.sleep(3600)
            elif name in ("error404", "error500"):
                code = 404 if name == "error404" else 500
                self.answer(code, b"<html><body><h1>Error %d</h1></body></html>\n" % code)
            elif name == "bucle":
                self.answer(302, b"Moved\n", [("Location", self.path)])
            elif name in ("gigante", "torrente"):
                head = b"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n"
                if name == "gigante":
                    head += b"Content-Length: %d\r\n" % GIB
                self.raw(head + b"\r\n")
                line = b"1000.0 110 25.0 20.0 70 15.0 180 10 300.0 320.0 302.0\n" * 1000
                for _ in range(GIB // len(line) + 1):
                    self.wfile.write(line)
            elif name == "html":
                self.answer(200, b"<html><head><title>Servicio no disponible</title></head>"
                                 b"<body><h1>El servicio no est\xe1 disponible</h1></body></html>\n")
            elif name == "binario":
                body = bytes((i * 37 + 128) % 256 for i in range(20000))
                self.answer(200, body)
            elif name == "lento":
                self.raw(b"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n")
                while True:
                    self.raw(b"x" * 39 + b"\n")
                    time.sleep(0.1)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def do_GET(self):
        path = self.path.split("?", 1)[0]
        query = urllib.parse.parse_qs(self.path.split("?", 1)[1] if "?" in self.path else "")
        if path.startswith("/falla/"):
            return self.fault(path[len("/falla/"):])
        if path == "/cgi-bin/sounding":
            station = self.path.rsplit("&STNM=", 1)[-1]
            if station in FAULT_STATIONS:
                return self.fault(FAULT_STATIONS[station])
        if self.todays_service(path, query):
            return
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
if TLS:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(TLS[0], TLS[1])
    server.socket = context.wrap_socket(server.socket, server_side=True)
threading.Thread(target=exit_when_parent_goes, daemon=True).start()
print(server.server_address[1], flush=True)
server.serve_forever()
