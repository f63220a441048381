"""brisalta-cli abrir, end to end: graph and sounding documents open as in the
program, a graph saved by "grafica --guardar" opens with the same data, damaged
files are refused with a clear message, and the sounding picture is reported
as not available yet."""
import json
import os
import shutil
import struct
import sys
import unittest

from clitools import TEST_DATA, Sandbox, png_size

DOCUMENTS = os.path.join(TEST_DATA, "document")
NO_DATA = "La estación seleccionada no posee ningún dato actualmente"


def graph_document(temperatures):
    """A version-30 graph document laid out by hand (see tests/data/document/make_golden.py)."""
    def i32(v):
        return struct.pack("<i", v)

    def string(text):
        data = text.encode("cp1252")
        return bytes([len(data)]) + data

    data = i32(29) + i32(7) + i32(2017) + i32(930) + string("Aeropuerto de Almería")
    for slot in range(24):
        data += (i32((slot + 10) % 24) + i32(temperatures[slot]) + i32(15) + i32(1015) + i32(9) +
                 b"SE\0\0\0\0\0\0")
    return data + i32(60) + i32(30) + string("") + i32(0) + i32(0) + i32(0)


class AbrirCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def json_run(self, args, code=0):
        out = self.box.run(["abrir", "--json"] + args)
        self.assertEqual(out.returncode, code, out.stderr)
        return json.loads(out.stdout), out

    # What "grafica --guardar" saved opens again with the same JSON, and saves
    # back byte for byte. (With a time offset of 0: a graph read from a file
    # shows its hours as stored.)
    def test_saved_graph_opens_with_the_same_data(self):
        for icao in ("LEST", "LEBL", "BANY"):
            saved = self.box.path(icao + ".brl")
            drawn = self.box.run(["grafica", "--demo", icao, "--desfase", "0", "--json",
                                  "--guardar", saved])
            self.assertEqual(drawn.returncode, 0, drawn.stderr)
            before = json.loads(drawn.stdout)
            opened, out = self.json_run([saved, "--guardar", self.box.path("again.brl")])
            self.assertEqual(out.stderr, "")
            self.assertEqual(opened["messages"], [])
            if icao == "BANY":
                # The Banyeres station's own humidity column is not in the document.
                for changed in ("headerLine2",):
                    before.pop(changed), opened.pop(changed)
            before.pop("messages"), opened.pop("messages")
            # Today's services answered the drawing; the document is just a file.
            if icao != "BANY":
                self.assertEqual(before.pop("source")["name"], "Aviation Weather Center")
            self.assertNotIn("source", opened)
            self.assertEqual(opened, before, icao)
            with open(saved, "rb") as a, open(self.box.path("again.brl"), "rb") as b:
                self.assertEqual(a.read(), b.read(), icao)

    def test_graph_document_prints_its_header_and_draws(self):
        png = self.box.path("almeria.png")
        out = self.box.run(["abrir", os.path.join(DOCUMENTS, "graph_v30.brl"), "-o", png,
                            "--pantalla", "1280x1024@96"])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(out.stdout.splitlines()[0],
                         "Últimos datos del día 07/03/2020 a las 17.30 horas: Aeropuerto de Almería")
        self.assertEqual(png_size(png), (int(800 * 1.6 * 0.96) + 16, int(600 * 1024 / 600 * 0.96) + 16))
        doc, _ = self.json_run([os.path.join(DOCUMENTS, "graph_v30.brl")])
        self.assertEqual((doc["title"], doc["altitudeMetres"], doc["hasTrend"]),
                         ("Aeropuerto de Almería", 21, 1))
        self.assertEqual(doc["temperature"][5], 6666)

    def test_sounding_document(self):
        sounding = os.path.join(DOCUMENTS, "sounding.brl")
        doc, _ = self.json_run([sounding])
        self.assertEqual(doc["count"], 3)
        self.assertEqual(doc["levels"][2], [850, 1520.5, 4.25, -9.75, 35, 285, 22])
        self.assertEqual((doc["soundingStationName"], doc["soundingDay"], doc["soundingMonth"],
                          doc["soundingYear"], doc["soundingHour"], doc["isForecast"], doc["title"]),
                         ("Madrid - España", "1", "2", "2021", "12", 0, "Madrid - España"))
        text = self.box.run(["abrir", sounding, "--guardar", self.box.path("copia.brl")])
        self.assertEqual(text.returncode, 0, text.stderr)
        self.assertEqual(text.stdout, "Sondeo de Madrid - España del 1/2/2021 a las 12 h: 3 niveles.\n")
        with open(sounding, "rb") as a, open(self.box.path("copia.brl"), "rb") as b:
            self.assertEqual(a.read(), b.read())
        # The diagram is drawn into the picture, and its title comes out with the data.
        doc, out = self.json_run([sounding, "-o", self.box.path("sondeo.png")])
        self.assertEqual(doc["count"], 3)
        self.assertTrue(doc["diagramTitle"].startswith("Sondeo de Madrid - España"), doc["diagramTitle"])
        self.assertEqual(png_size(self.box.path("sondeo.png")), (1859, 1052))

    def test_forecast_sounding_shows_the_notice(self):
        with open(os.path.join(DOCUMENTS, "sounding.brl"), "rb") as f:
            data = f.read()
        forecast = self.box.path("prevision.brl")
        with open(forecast, "wb") as f:
            f.write(bytes([7]) + b"sondeoP" + data[7:])
        doc, out = self.json_run([forecast])
        self.assertEqual(doc["isForecast"], 1)
        self.assertEqual(len(doc["messages"]), 1)
        self.assertTrue(doc["messages"][0].startswith("Los datos que se van a mostrar NO son reales"))
        self.assertIn("aviso: Los datos que se van a mostrar NO son reales", out.stderr)

    def test_damaged_and_missing_files_are_refused_clearly(self):
        with open(os.path.join(DOCUMENTS, "graph_v30.brl"), "rb") as f:
            data = f.read()
        cut = self.box.path("cortado.brl")
        with open(cut, "wb") as f:
            f.write(data[:150])
        out = self.box.run(["abrir", cut, "-o", self.box.path("x.png")])
        self.assertEqual(out.returncode, 1)
        self.assertEqual(out.stdout,
                         "aviso: No se ha podido abrir el documento «cortado.brl»: el fichero "
                         "está incompleto o dañado.\n")
        self.assertFalse(os.path.exists(self.box.path("x.png")))
        doc, _ = self.json_run([self.box.path("no-existe.brl")], code=1)
        # The message names the file, never its folder.
        self.assertEqual(doc, {"messages": ["No se ha podido abrir el documento «no-existe.brl»: "
                                            "el fichero no existe o no se puede leer."]})

    def test_graph_without_temperatures_says_so_once(self):
        empty = self.box.path("vacia.brl")
        with open(empty, "wb") as f:
            f.write(graph_document([6666] * 24))
        out = self.box.run(["abrir", empty, "-o", self.box.path("vacia.png")])
        self.assertEqual(out.returncode, 1)
        self.assertEqual(out.stdout, "aviso: %s\n" % NO_DATA)
        self.assertFalse(os.path.exists(self.box.path("vacia.png")))

    def test_help_and_bad_options(self):
        out = self.box.run(["abrir", "--help"])
        self.assertEqual(out.returncode, 0)
        for text in ("DOCUMENTO.brl", "-o FICHERO", "--pantalla", "--guardar", "--json",
                     "soundingStationName", "diagrama del sondeo"):
            self.assertIn(text, out.stdout)
        for args in ([], ["a.brl", "b.brl"], ["a.brl", "--nada"], ["a.brl", "-o", "a.bmp"],
                     ["a.brl", "--pantalla", "99x99"]):
            out = self.box.run(["abrir"] + args)
            self.assertEqual(out.returncode, 2, args)
            self.assertTrue(out.stderr.startswith("brisalta-cli abrir: "), out.stderr)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
