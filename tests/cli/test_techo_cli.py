"""brisalta-cli techo, end to end on the demo data: the hours as JSON (their
fields, the graph's hours, gaps for missing hours, the dialog's result for the
same surface values), the text table with the method, the picture as PNG and
as a landscape PDF page, and command lines that are refused."""
import json
import os
import unittest

from clitools import SOURCE_DATA, Sandbox, count_pixels, pdf_page, png_size, read_png

DEMO = os.path.join(SOURCE_DATA, "demo")
FIELDS = ["hour", "temperature", "dewPoint", "thermalTop", "cloudBase", "topWindSpeed",
          "topWindDirection", "lowerBand", "upperBand"]
LEMD_MURCIA = ["techo", "--demo", "--grafica-de", "LEMD", "--sondeo-de", "08430", "2024-07-17", "12"]


def is_blue(p):
    return p[0] < 40 and 70 < p[1] < 120 and p[2] > 170


class TechoCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def json_run(self, args, code=0):
        out = self.box.run(args + ["--json"])
        self.assertEqual(out.returncode, code, out.stderr)
        lines = out.stdout.splitlines()
        self.assertEqual(len(lines), 1, out.stdout)
        return json.loads(lines[0]), out

    # Madrid's afternoon on Murcia's sounding: 24 objects with exactly the
    # fields, the hours of the graph's axis, and the hour at 36 ºC / 5 ºC
    # gives what "sondeo --techo 36 5" gives on the same sounding.
    def test_hours_as_json(self):
        hours, out = self.json_run(LEMD_MURCIA)
        self.assertNotIn("aviso:", out.stderr)
        self.assertEqual(len(hours), 24)
        for h in hours:
            self.assertEqual(list(h), FIELDS)
        graph = json.loads(self.box.run(["grafica", "--demo", "LEMD", "--json"]).stdout)
        start = graph["axisStartHour"]
        self.assertEqual([h["hour"] for h in hours], [(start + i) % 24 for i in range(24)])
        self.assertEqual([h["temperature"] for h in hours], graph["temperature"])
        self.assertEqual([h["dewPoint"] for h in hours], graph["dewPoint"])

        hot = next(h for h in hours if h["temperature"] == 36)
        sounding = json.loads(self.box.run(["sondeo", "--demo", "08430", "2024-07-17", "12",
                                            "--techo", "36", str(hot["dewPoint"]),
                                            "--json"]).stdout)["ceiling"]
        self.assertEqual(hot["thermalTop"], sounding["thermalTopHeight"])
        self.assertEqual(hot["topWindSpeed"], sounding["ceilingWindSpeed"])
        self.assertEqual(hot["topWindDirection"], sounding["ceilingWindDirection"])
        self.assertIsNone(hot["cloudBase"])
        # At night the airport is colder than Murcia's lowest level: no thermal,
        # the top stays on the sounding's ground (62 m), no wind.
        night = hours[-3]
        self.assertLess(night["temperature"], 30)
        self.assertEqual((night["thermalTop"], night["topWindSpeed"], night["cloudBase"]),
                         (62, None, None))

    # Barcelona's reports leave some hours without an observation: gaps
    # (null), never zeros.
    def test_missing_hours_are_null(self):
        hours, _ = self.json_run(["techo", "--demo", "--grafica-de", "LEBL", "--sondeo-de",
                                  "08579", "2024-07-17", "12"])
        missing = [h for h in hours if h["temperature"] is None]
        self.assertGreater(len(missing), 0)
        for h in missing:
            self.assertEqual([h[f] for f in FIELDS[1:]], [None] * 8)
        present = [h for h in hours if h["temperature"] is not None]
        self.assertTrue(all(h["thermalTop"] is not None for h in present))

    def test_table_and_method(self):
        out = self.box.run(LEMD_MURCIA)
        self.assertEqual(out.returncode, 0, out.stderr)
        lines = out.stdout.splitlines()
        start = next(i for i, line in enumerate(lines) if line.startswith("Techo por horas: "))
        self.assertIn("Aeropuerto de Barajas - Madrid", lines[start])
        self.assertEqual(lines[start + 1],
                         "Sondeo de Murcia (España) a las 12 horas UTC del día 17 de Julio de 2024")
        self.assertTrue(lines[start + 2].startswith("Hora  Temp.  Rocío  Techo m"))
        table = lines[start + 3:start + 27]
        self.assertEqual(len(table), 24)
        self.assertIn("Primera hora con térmicas de más de 1000 m sobre el suelo (582 m)",
                      out.stdout)
        for words in ("se supone que la masa de aire no cambia", "el de la mañana",
                      "simulación de techo propia de Brisalta",
                      "El aeropuerto (582 m) está por encima del primer nivel del sondeo (62 m)",
                      "Atención: las observaciones son del 29/07/2017"):
            self.assertIn(words, out.stdout)

    # The picture: the blue step inside the panel on the PNG, one landscape
    # page in the PDF with the same step.
    def test_png_and_pdf(self):
        png, pdf = self.box.path("t.png"), self.box.path("t.pdf")
        out = self.box.run(LEMD_MURCIA + ["-o", png, "-o", pdf])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(png_size(png), (1859, 1052))
        width, height, pixel = read_png(png)
        self.assertGreater(count_pixels(pixel, (200, 100, 1700, 880), is_blue), 1000)
        width, height, pixel = pdf_page(pdf)
        self.assertGreater(width, height)
        self.assertGreater(count_pixels(pixel, (0, 0, width, height), is_blue), 50)

    # No graph for an airport without recorded answers: the notices, no JSON,
    # and exit 1.
    def test_without_a_graph(self):
        out = self.box.run(["techo", "--demo", "--grafica-de", "LEVC", "--sondeo-de", "08430",
                            "2024-07-17", "12", "--json"])
        self.assertEqual(out.returncode, 1)
        self.assertEqual(out.stdout, "")
        self.assertIn("se necesita disponer de una gráfica y un sondeo", out.stderr)
        self.assertIn("no se ha podido dibujar el techo por horas", out.stderr)

    def test_help_fits_80_columns(self):
        out = self.box.run(["techo", "--help"])
        self.assertEqual(out.returncode, 0)
        for option in ("--grafica-de ICAO", "--sondeo-de ESTACION FECHA HORA", "--demo",
                       "--datos CARPETA", "--servicio CLAVE=VALOR", "--desfase H", "-o FICHERO",
                       "--json", "thermalTop", "lowerBand"):
            self.assertIn(option, out.stdout)
        general = self.box.run(["--help"])
        self.assertIn("techo", general.stdout)
        for text in (out.stdout, general.stdout):
            for line in text.splitlines():
                self.assertLessEqual(len(line), 80, line)

    def test_bad_command_lines_are_refused(self):
        good = ["--grafica-de", "LEMD", "--sondeo-de", "08430", "2024-07-17", "12"]
        for args in ([], ["--grafica-de", "LEMD"], ["--sondeo-de", "08430", "2024-07-17", "12"],
                     ["--grafica-de", "LEM", "--sondeo-de", "08430", "2024-07-17", "12"],
                     ["--grafica-de", "LEMD", "--sondeo-de", "8430", "2024-07-17", "12"],
                     ["--grafica-de", "LEMD", "--sondeo-de", "08430", "2024-02-30", "12"],
                     ["--grafica-de", "LEMD", "--sondeo-de", "08430", "2024-07-17", "06"],
                     ["--grafica-de", "LEMD", "--sondeo-de", "08430", "2024-07-17"],
                     good + ["LEBL"], good + ["-o", "t.gif"], good + ["--desfase", "20"],
                     good + ["--guardar", "t.brl"], good + ["--demo", "--datos", DEMO]):
            out = self.box.run(["techo"] + args)
            self.assertEqual(out.returncode, 2, (args, out.stdout, out.stderr))
            self.assertTrue(out.stderr.startswith("brisalta-cli techo: "), out.stderr)
            self.assertEqual(out.stdout, "")


if __name__ == "__main__":
    unittest.main()
