"""The fault matrix: brisalta-cli against servers that refuse, keep silent,
trickle, never end their headers, stall half-way, answer 404 or 500, redirect
for ever, cut the body, send a gigabyte, send an HTML page or bytes that are
not text, or speak plain HTTP to a TLS request; by HTTP (the text-list
sounding), by FTP (the NOAA page and station file) and on the automatic-station
path. Every case ends (within a generous bound, not a timing), says what
happened in Spanish, exits 1 and leaves the earlier picture and document as
they were. Then Ctrl+C and SIGTERM, the private temporary folder, standard
output that cannot be written and endless report lines."""
import os
import re
import signal
import subprocess
import sys
import time
import unittest

from clitools import CLI, TEST_DATA, Sandbox
from faults import SHORT_LIMITS, Fixture, SilentPort, closed_port, run_cli

# Far above what any case takes with the short limits: a hang fails the test.
ENDS_WITHIN = 60
OLD_PICTURE = b"\x89PNG la imagen de antes"
OLD_DOCUMENT = b"el documento de antes"
NO_ANSWER = "El servidor 127.0.0.1 no contesta."
REFUSED = "El servidor 127.0.0.1 rechaza la conexión."
QUIET = "El servidor 127.0.0.1 ha dejado de enviar datos o los envía demasiado despacio."
TOO_LARGE = ("La respuesta del servidor 127.0.0.1 es demasiado grande (más de 4 MiB): "
             "no se ha leído.")
TIMED_OUT = re.compile(r"(El servidor 127\.0\.0\.1 (no contesta|ha dejado de enviar datos)|"
                       r"La descarga desde 127\.0\.0\.1 no ha terminado en el tiempo máximo)")
NOT_VALID = "El sondeo elegido no contiene datos válidos."


def setUpModule():
    global HTTP, FTP, SILENT
    HTTP = Fixture("httpfixture.py", TEST_DATA)
    FTP = Fixture("ftpfixture.py", os.path.join(TEST_DATA, "net", "ftp"))
    SILENT = SilentPort()


def tearDownModule():
    HTTP.close()
    FTP.close()
    SILENT.close()


class FaultMatrix(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)
        self.box.env["BRISALTA_PLAZOS"] = SHORT_LIMITS
        self.picture = self.box.path("antes.png")
        self.document = self.box.path("antes.brl")

    def run_failing(self, args, expected):
        """Runs a command that must fail with `expected` (a sentence or a
        pattern) among its notices, and checks that everything else held."""
        for path, data in ((self.picture, OLD_PICTURE), (self.document, OLD_DOCUMENT)):
            with open(path, "wb") as f:
                f.write(data)
        run = self.run_telling(args, expected, code=1)
        for path, data in ((self.picture, OLD_PICTURE), (self.document, OLD_DOCUMENT)):
            with open(path, "rb") as f:
                self.assertEqual(f.read(), data, path + " changed")
        return run

    def run_telling(self, args, expected, code):
        """Runs a command that ends with `code` and says `expected`."""
        run = run_cli(self.box, args + ["-o", self.picture, "--guardar", self.document])
        self.assertEqual(run.code, code, run.stdout + run.stderr)
        self.assertLess(run.seconds, ENDS_WITHIN)
        notices = [line[len("aviso: "):] for line in run.stdout.splitlines()
                   if line.startswith("aviso: ")]
        if isinstance(expected, str):
            self.assertIn(expected, notices, run.stdout)
        else:
            self.assertTrue(any(expected.search(n) for n in notices), run.stdout)
        # No internal text reaches the user.
        for word in ("curl", "HTTP/0.9", "Out of memory", "número", "errno"):
            self.assertNotIn(word, run.stdout + run.stderr)
        # The private temporary folder went with the run.
        self.assertEqual(os.listdir(os.path.join(self.box.root, "runtime")), [])
        return run

    def sounding(self, station, host=None):
        host = host or "127.0.0.1:%d" % HTTP.port
        key = "sondeos_segundo" if station == "08430" else "sondeos_lista"
        # The classic chain alone: its own sentence is the whole notice.
        return ["sondeo", "--fuente", "clasico", "--servicio", "%s=%s" % (key, host), station,
                "2024-07-17", "12"]

    def test_http_faults_of_the_sounding_service(self):
        cases = [
            ("refused", self.sounding("72357", "127.0.0.1:%d" % closed_port()), REFUSED),
            ("accept and silence", self.sounding("72357", "127.0.0.1:%d" % SILENT.port),
             NO_ANSWER),
            ("server that never answers the request", self.sounding("99001"), NO_ANSWER),
            ("trickle", self.sounding("99002"), QUIET),
            ("headers that never end", self.sounding("99003"), TIMED_OUT),
            ("stall half-way", self.sounding("99004"), TIMED_OUT),
            ("404", self.sounding("99005"),
             "No se puede encontrar dicha estación o no es válida la fecha o la hora."),
            ("500", self.sounding("99006"),
             "El servidor 127.0.0.1 ha contestado con el error HTTP 500 en lugar del documento."),
            ("redirect loop", self.sounding("99007"),
             "El servidor 127.0.0.1 ha contestado con una redirección (HTTP 302) en lugar del "
             "documento."),
            ("truncated body", self.sounding("99008"),
             "Se ha cortado la conexión con el servidor 127.0.0.1 antes de terminar la descarga."),
            ("HTML error page instead of data", self.sounding("99011"), NOT_VALID),
            ("bytes that are not UTF-8 nor text", self.sounding("99012"), NOT_VALID),
            ("steady but never done", self.sounding("99013"),
             "La descarga desde 127.0.0.1 no ha terminado en el tiempo máximo de 6 segundos."),
            ("TLS to a plain port", self.sounding("08430"),
             "No se ha podido establecer una conexión segura con el servidor 127.0.0.1."),
        ]
        for name, args, expected in cases:
            with self.subTest(name):
                self.run_failing(args, expected)

    def test_a_gigabyte_ends_soon_in_little_memory(self):
        for name, station in (("announced", "99009"), ("streamed without a length", "99010")):
            with self.subTest(name):
                run = self.run_failing(self.sounding(station), TOO_LARGE)
                self.assertLess(run.seconds, 30)
                self.assertLess(run.max_rss_mb, 200)
        run = self.run_telling(self.graph("XGRA"), TOO_LARGE, code=0)
        self.assertLess(run.seconds, 30)
        self.assertLess(run.max_rss_mb, 200)

    def graph(self, icao, noaa=None):
        # The query page is HTTPS to a port where nothing listens: refused, so
        # the station file is asked for by FTP.
        return ["grafica", "--fuente", "clasico", "--servicio", "noaa=%s" % (noaa or "127.0.0.1:%d" % FTP.port),
                "--servicio", "aviacion=127.0.0.1:%d" % closed_port(), icao]

    def test_ftp_faults_of_the_noaa_page_and_station_file(self):
        # Without the page there is no graph: exit 1 and everything as it was.
        cases = [
            ("page: refused", self.graph("LEMD", "127.0.0.1:%d" % closed_port()), REFUSED),
            ("page: accept and silence", self.graph("LEMD", "127.0.0.1:%d" % SILENT.port),
             NO_ANSWER),
            ("page: trickle", self.graph("PGOT"), QUIET),
            ("page: 1 GiB", self.graph("PGRA"), TOO_LARGE),
        ]
        for name, args, expected in cases:
            with self.subTest(name):
                self.run_failing(args, expected)
        # The page gave the graph; only the latest report is missing, and why.
        cases = [
            ("station file: trickle", self.graph("XGOT"), QUIET),
            ("station file: stall half-way", self.graph("XMED"), TIMED_OUT),
            ("station file: steady but never done", self.graph("XLEN"),
             "La descarga desde 127.0.0.1 no ha terminado en el tiempo máximo de 8 segundos."),
            ("station file: missing", self.graph("XNOF"), "No se ha encontrado fichero."),
        ]
        for name, args, expected in cases:
            with self.subTest(name):
                run = self.run_telling(args, expected, code=0)
                self.assertIn("aviso: No se ha podido obtener el último parte METAR de la "
                              "estación.", run.stdout)

    def test_automatic_station_path_tells_what_happened(self):
        # The two lines of the message come out as one notice.
        consult = "No se ha podido efectuar la consulta. "
        cases = [
            ("refused", closed_port(), REFUSED),
            ("accept and silence", SILENT.port, NO_ANSWER),
            ("TLS to a plain port", HTTP.port,
             "No se ha podido establecer una conexión segura con el servidor 127.0.0.1."),
        ]
        for name, port, reason in cases:
            with self.subTest(name):
                run = self.run_failing(["ema", "--clave", "clave-secreta", "--servicio",
                                        "aemet=127.0.0.1:%d" % port, "3195"], consult + reason)
                self.assertNotIn("clave-secreta", run.stdout + run.stderr)

    def test_files_given_for_downloads_have_the_same_limits(self):
        big = self.box.path("grande.json")
        with open(big, "wb") as f:
            f.truncate(100 * 1024 * 1024)
        run = self.run_failing(["ema", "3195", "--demo", "--indice", big],
                               "No se ha podido efectuar la consulta. El fichero «%s» (--indice) "
                               "es demasiado grande (más de 4 MiB): no se ha leído." % big)
        self.assertLess(run.seconds, 30)
        self.assertLess(run.max_rss_mb, 200)
        run = self.run_failing(["grafica", "LEMD", "--pagina", big],
                               "El fichero «%s» (--pagina) es demasiado grande (más de 4 MiB): "
                               "no se ha leído." % big)
        run = self.run_failing(["sondeo", "72357", "2024-07-17", "12", "--archivo", big],
                               "El fichero «%s» (--archivo) es demasiado grande (más de 4 MiB): "
                               "no se ha leído." % big)


class Interrupts(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)
        self.runtime = os.path.join(self.box.root, "runtime")

    def start_silent_sounding(self):
        picture = self.box.path("antes.png")
        with open(picture, "wb") as f:
            f.write(OLD_PICTURE)
        process = subprocess.Popen(
            [CLI, "sondeo", "--fuente", "clasico", "--servicio",
             "sondeos_lista=127.0.0.1:%d" % HTTP.port, "99001",
             "2024-07-17", "12", "-o", picture], cwd=self.box.root, env=self.box.env,
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        # Wait until the transfer is under way: its private folder exists.
        deadline = time.monotonic() + 20
        while not os.listdir(self.runtime) and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(0.5)
        return process, picture

    def test_ctrl_c_and_sigterm_stop_the_transfer_and_clean_up(self):
        for sig, code in ((signal.SIGINT, 130), (signal.SIGTERM, 143)):
            with self.subTest(signal=sig):
                process, picture = self.start_silent_sounding()
                start = time.monotonic()
                process.send_signal(sig)
                out, err = process.communicate(timeout=30)
                self.assertEqual(process.returncode, code, out + err)
                self.assertLess(time.monotonic() - start, 10)
                self.assertIn("interrumpido", err)
                self.assertEqual(os.listdir(self.runtime), [])
                with open(picture, "rb") as f:
                    self.assertEqual(f.read(), OLD_PICTURE)

    def test_folders_left_by_processes_now_gone_are_swept(self):
        gone = subprocess.Popen(["true"])
        gone.wait()
        stale = os.path.join(self.runtime, "brisalta-%d-abcdef" % gone.pid)
        alive = os.path.join(self.runtime, "brisalta-%d-ghijkl" % os.getpid())
        other = os.path.join(self.runtime, "otra-cosa")
        for folder in (stale, alive, other):
            os.makedirs(folder)
            with open(os.path.join(folder, "sondeo.tmp"), "w") as f:
                f.write("x")
        run = run_cli(self.box, ["grafica", "--demo", "LEAL"])
        self.assertEqual(run.code, 0, run.stderr)
        self.assertEqual(sorted(os.listdir(self.runtime)),
                         sorted([os.path.basename(alive), "otra-cosa"]))

    @unittest.skipUnless(os.environ.get("BRISALTA_GUI"), "the window program is not built")
    def test_the_window_removes_its_folder_on_sigterm(self):
        env = dict(self.box.env)
        process = subprocess.Popen([os.environ["BRISALTA_GUI"], "--demo", "--sin-imagen"],
                                   cwd=self.box.root, env=env, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE)
        deadline = time.monotonic() + 30
        while not os.listdir(self.runtime) and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertNotEqual(os.listdir(self.runtime), [], "the window did not start")
        process.send_signal(signal.SIGTERM)
        process.communicate(timeout=30)
        self.assertEqual(process.returncode, -signal.SIGTERM)
        self.assertEqual(os.listdir(self.runtime), [])


class Outputs(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def test_standard_output_that_cannot_be_written_fails_the_run(self):
        with open("/dev/full", "wb") as full:
            for args in (["grafica", "--demo", "LEAL", "--json"], ["grafica", "--demo", "LEAL"],
                         ["metar", "LEMD", "291800Z", "22010KT", "CAVOK", "35/07", "Q1012"]):
                with self.subTest(args=args):
                    process = subprocess.run([CLI] + args, stdout=full, stderr=subprocess.PIPE,
                                             cwd=self.box.root, env=self.box.env, text=True,
                                             timeout=120)
                    self.assertEqual(process.returncode, 1, process.stderr)
                    self.assertIn("no se ha podido escribir la salida estándar", process.stderr)

    def test_metar_skips_lines_too_long_to_be_reports_in_flat_memory(self):
        good = b"LEMD 291800Z 22010KT CAVOK 35/07 Q1012 NOSIG\n"

        def feed(pipe):
            pipe.write(good)
            chunk = b"BKN020 " * 150000  # about 1 MB, a hundred times over
            for _ in range(100):
                pipe.write(chunk)
            pipe.write(b"\n" + good)

        run = run_cli(self.box, ["metar", "--json"], feed=feed)
        self.assertEqual(run.code, 1, run.stderr)
        self.assertEqual(len(run.stdout.splitlines()), 2)
        self.assertIn("la línea 2 tiene más de 4096 bytes y no es un parte; se omite", run.stderr)
        self.assertLess(run.seconds, 30)
        self.assertLess(run.max_rss_mb, 200)


FULL_DISK_SCRIPT = r"""
set -u
mount -t tmpfs -o size=512k tmpfs "$1" || exit 97
cd "$1"
for ext in png svg pdf csv xlsx; do printf 'el fichero de antes' > "g.$ext"; done
dd if=/dev/zero of=relleno bs=4k count=1000 2>/dev/null
for ext in png svg pdf csv xlsx; do
    case $ext in
        csv|xlsx) out="--exportar" ;;
        *) out="-o" ;;
    esac
    "$2" grafica --demo LEAL $out "$1/g.$ext" > /dev/null 2> "$3/err.$ext"
    echo "$ext $? $(cat g.$ext)"
    sed "s/^/$ext: /" "$3/err.$ext"
done
echo "LISTA: $(ls -A "$1" | tr '\n' ' ')"
"""


def private_mount_namespace():
    """The unshare arguments that give a private mount namespace here, or None."""
    for args in (["unshare", "-m"], ["unshare", "-rm"]):
        try:
            probe = subprocess.run(args + ["true"], capture_output=True, timeout=30)
        except (OSError, subprocess.TimeoutExpired):
            continue
        if probe.returncode == 0:
            return args
    return None


class FullDisk(unittest.TestCase):
    """Pictures and tables written to a full file system (a small tmpfs in a
    private mount namespace): exit 1, the reason in Spanish, the earlier file
    as it was and no temporary file left behind."""

    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    EXTENSIONS = ("png", "svg", "pdf", "csv", "xlsx")

    def check(self, lines, listing, others):
        for ext in self.EXTENSIONS:
            with self.subTest(ext):
                result = [l for l in lines if l.startswith(ext + " ")]
                self.assertEqual(result, ["%s 1 el fichero de antes" % ext], lines)
                errors = [l for l in lines if l.startswith(ext + ": ")]
                self.assertTrue(any("no queda espacio en el disco" in e for e in errors), errors)
                self.assertFalse(any("ERROR" in e or "error del sistema" in e for e in errors),
                                 errors)
        # No temporary file is left beside the outputs.
        self.assertEqual(sorted(listing), sorted(["g." + e for e in self.EXTENSIONS] + others))

    def test_pictures_and_tables_to_a_full_disk_keep_the_old_file(self):
        unshare = private_mount_namespace()
        folder = self.box.path("disco")
        os.makedirs(folder)
        if unshare:
            run = subprocess.run(unshare + ["sh", "-c", FULL_DISK_SCRIPT, "sh", folder, CLI,
                                            self.box.root],
                                 capture_output=True, text=True, env=self.box.env,
                                 cwd=self.box.root, timeout=300)
            lines = run.stdout.splitlines()
            if run.returncode != 97 and lines and lines[-1].startswith("LISTA: "):
                self.check(lines, lines[-1].split()[1:], ["relleno"])
                return
        self.skipTest("no private mount namespace for a small tmpfs here")


if __name__ == "__main__":
    unittest.main()
