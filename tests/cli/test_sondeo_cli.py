"""brisalta-cli sondeo and prevision, end to end on the demo soundings and on
saved pages: the levels and titles in the JSON, the ceiling simulation's
sentence and results, the pictures, the saved document, and command lines
that are refused."""
import json
import os
import unittest

from clitools import SOURCE_DATA, TEST_DATA, Sandbox, pdf_page, png_size, read_png, count_pixels

DEMO = os.path.join(SOURCE_DATA, "demo")
FORECAST = os.path.join(DEMO, "previsiones", "madrid-barajas-gdas.txt")
SOUNDING_FIELDS = {
    "count", "levels", "partialFirstRow", "isForecast", "fromSecondService", "forecastTitle",
    "title", "diagramTitle", "ceiling", "messages",
}
CEILING_FIELDS = {
    "thermalTopFound", "thermalTopHeight", "thermalTopText", "cloudBaseFound", "cloudBaseHeight",
    "cloudBaseText", "ceilingHeight", "ceilingWindSpeed", "ceilingWindDirection",
    "ceilingWindDirectionName",
}
NOTICE = ("Los datos que se van a mostrar NO son reales sino sacados de una PREVISIÓN, por lo que "
          "su validez es relativa\nDatos extraidos del 'Air Resources Laboratory - NOAA'")


def is_red(p):
    return p[0] > 200 and p[1] < 80 and p[2] < 80


# The classic chain's services: today's sounding interface is tested in
# test_fuente_cli.py.
CLASSIC = ["--fuente", "clasico"]


class SondeoCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def json_run(self, args, code=0):
        out = self.box.run(args + ["--json"])
        self.assertEqual(out.returncode, code, out.stderr)
        lines = out.stdout.splitlines()
        self.assertEqual(len(lines), 1, out.stdout)
        return json.loads(lines[0])

    # A text-list sounding: the table up to its 100 hPa row, seven columns in
    # the order pressure, height, temperature, dew point, humidity, direction,
    # speed (knots), and the titles of the station and the date asked for.
    def test_text_list_sounding_as_json(self):
        obj = self.json_run(["sondeo", "--datos", DEMO, "08579", "2024-07-17", "12"] + CLASSIC)
        self.assertTrue(SOUNDING_FIELDS <= set(obj), sorted(SOUNDING_FIELDS - set(obj)))
        self.assertTrue(CEILING_FIELDS <= set(obj["ceiling"]))
        self.assertEqual(obj["count"], len(obj["levels"]))
        self.assertEqual(obj["count"], 23)
        self.assertEqual(obj["levels"][0], [1016.2, 105, 26.4, 15.4, 51, 340, 12])
        self.assertEqual(obj["levels"][-1][0], 100)
        self.assertTrue(all(len(row) == 7 for row in obj["levels"]))
        self.assertEqual((obj["partialFirstRow"], obj["isForecast"], obj["fromSecondService"]),
                         (0, 0, 0))
        self.assertEqual(obj["forecastTitle"], "08579 Lisboa ")
        self.assertEqual(obj["diagramTitle"],
                         "Sondeo de Lisboa a las 12 horas UTC del día 17 de Julio de 2024")
        self.assertEqual(obj["messages"], [])
        self.assertEqual(obj["ceiling"]["thermalTopFound"], 0)

    # Murcia comes from the second service: 102 levels, speeds in km/h; the
    # same sounding answers any date of the demo.
    def test_second_service_sounding_for_any_date(self):
        for date, hour in (("2024-07-17", "12"), ("2021-01-03", "00")):
            obj = self.json_run(["sondeo", "--datos", DEMO, "08430", date, hour] + CLASSIC)
            self.assertEqual(obj["fromSecondService"], 1)
            self.assertEqual(obj["count"], 102)
            self.assertEqual(obj["levels"][0], [1008.6, 70, 32.9, 11.5, 27, 110, 14])
        self.assertEqual(obj["diagramTitle"],
                         "Sondeo de Murcia (España) a las 00 horas UTC del día 3 de Enero de 2021")

    # A dry afternoon gives a blue thermal, a moist one a cumulus base: the
    # sentence (with and without the full stop after km/h) and the results.
    def test_ceiling_simulation(self):
        out = self.box.run(["sondeo", "--demo", "08430", "2024-07-17", "12", "--techo", "36", "12"]
                           + CLASSIC)
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(out.stdout.splitlines(), [
            "Sondeo de Murcia (España) del 17/7/2024 a las 12 h: 102 niveles.",
            "Simulación de techo para 36ºC y 12ºC de punto de rocío. Térmica azul: 2446 mts. "
            "12ºC. Viento: 11 km/h. de SurSuroeste",
        ])
        obj = self.json_run(["sondeo", "--demo", "08430", "2024-07-17", "12", "--techo", "36",
                             "18"] + CLASSIC)
        c = obj["ceiling"]
        self.assertEqual((c["cloudBaseFound"], c["cloudBaseText"]), (1, "2230 mts. 14ºC"))
        self.assertEqual(c["ceilingHeight"], c["cloudBaseHeight"])
        self.assertEqual((c["ceilingWindSpeed"], c["ceilingWindDirectionName"]), (10, "SurSuroeste"))
        self.assertEqual(c["sentence"],
                         "Simulación de techo para 36ºC y 18ºC de punto de rocío. Base de los "
                         "cúmulos: 2230 mts. 14ºC. Viento: 10 km/h de SurSuroeste")

    # The pictures open: the diagram on screen size, the red sentence at the
    # top only with --techo, the zoomed diagram different, a printed page.
    # The ceiling does not depend on the screen: zoomed or not, for any
    # picture size, Murcia 36/12 gives the thermal of the full diagram.
    def test_ceiling_is_the_same_at_any_zoom_and_screen(self):
        expected = ("Simulación de techo para 36ºC y 12ºC de punto de rocío. Térmica azul: "
                    "2446 mts. 12ºC. Viento: 11 km/h. de SurSuroeste")
        for zoom in ([], ["--zoom"]):
            for screen in ("1920x1080@96", "1280x720@96", "800x600@120"):
                out = self.box.run(["sondeo", "--demo", "--fuente", "clasico", "08430",
                                    "2024-07-17", "12", "--techo", "36", "12", "--pantalla",
                                    screen] + zoom)
                self.assertEqual(out.returncode, 0, out.stderr)
                self.assertEqual(out.stdout.splitlines()[-1], expected, (zoom, screen))

    def test_pictures(self):
        plain, ceiling, zoom = (self.box.path(n) for n in ("plain.png", "techo.png", "zoom.png"))
        pdf = self.box.path("sondeo.pdf")
        base = ["sondeo", "--demo", "08430", "2024-07-17", "12"]
        for args in ([ "-o", plain, "-o", pdf], ["--techo", "36", "12", "-o", ceiling],
                     ["--zoom", "--techo", "36", "12", "-o", zoom]):
            out = self.box.run(base + args)
            self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(png_size(plain), (1859, 1052))
        sentence_strip = (100, 15, 1100, 45)  # design (50, 10) onwards, at 2.4 x 1.8 x 0.96
        _, _, plain_pixel = read_png(plain)
        _, _, ceiling_pixel = read_png(ceiling)
        self.assertEqual(count_pixels(plain_pixel, sentence_strip, is_red), 0)
        self.assertGreater(count_pixels(ceiling_pixel, sentence_strip, is_red), 200)
        with open(ceiling, "rb") as a, open(zoom, "rb") as b:
            self.assertNotEqual(a.read(), b.read())
        width, height, _ = pdf_page(pdf)
        self.assertGreater(width, height)  # landscape

    # A saved page is read instead of downloading: the text-list page of a
    # station typed by number, with its first row below ground skipped, and
    # the second service's page for one of its six stations.
    def test_saved_pages(self):
        page = os.path.join(TEST_DATA, "samples", "uwyo", "siphon_wyoming_sounding.html")
        obj = self.json_run(["sondeo", "72357", "1999-05-04", "00", "--archivo", page])
        self.assertEqual((obj["partialFirstRow"], obj["fromSecondService"]), (1, 0))
        self.assertEqual(obj["levels"][0][:2], [959, 345])
        self.assertEqual(obj["forecastTitle"], "72357 OUN Norman ")

        page = os.path.join(TEST_DATA, "sounding", "second_service_murcia.html")
        obj = self.json_run(["sondeo", "08430", "2020-12-07", "12", "--archivo", page])
        self.assertEqual((obj["fromSecondService"], obj["count"]), (1, 102))

    def test_saved_document_opens_again(self):
        doc = self.box.path("murcia.brl")
        out = self.box.run(["sondeo", "--demo", "08430", "2024-07-17", "12", "--guardar", doc]
                           + CLASSIC)
        self.assertEqual(out.returncode, 0, out.stderr)
        obj = self.json_run(["abrir", doc])
        self.assertEqual(obj["count"], 102)
        self.assertEqual(obj["levels"][0], [1008.6, 70, 32.9, 11.5, 27, 110, 14])

    # No answer for the station: nothing drawn, the download's message, exit 1.
    def test_station_without_answer_fails(self):
        out = self.box.run(["sondeo", "--demo", "12345", "2024-07-17", "12", "-o",
                            self.box.path("x.png")] + CLASSIC)
        self.assertEqual(out.returncode, 1)
        self.assertIn("No hay ninguna respuesta grabada para esta consulta.", out.stdout)
        self.assertIn("No se ha podido dibujar el sondeo de la estación 12345 del 17/7/2024 a "
                      "las 12 UTC.", out.stdout)
        self.assertNotIn("http", out.stdout + out.stderr)
        self.assertIn("no se ha podido dibujar el sondeo de la estación 12345", out.stderr)
        self.assertFalse(os.path.exists(self.box.path("x.png")))

    def test_bad_command_lines_are_refused(self):
        cases = [
            ["08430", "2024-13-01", "12"], ["08430", "2023-02-29", "12"],
            ["08430", "17-07-2024", "12"], ["08430", "2024-7-17", "12"],
            ["08430", "2024-07-17", "06"], ["08430", "2024-07-17", "12Z"],
            ["0843", "2024-07-17", "12"], ["ABCDE", "2024-07-17", "12"],
            ["08430", "2024-07-17"], ["08430", "2024-07-17", "12", "--techo", "61", "10"],
            ["08430", "2024-07-17", "12", "--techo", "20", "x"],
            ["08430", "2024-07-17", "12", "--demo", "--archivo", FORECAST],
        ]
        for words in cases:
            out = self.box.run(["sondeo", "--demo"] + words)
            self.assertEqual(out.returncode, 2, words)
            self.assertTrue(out.stderr.startswith("brisalta-cli sondeo: "), out.stderr)
        self.assertEqual(self.box.run(["sondeo", "--demo", "08430", "2024-02-29", "12"]).returncode,
                         0)

    def test_help_is_spanish_and_names_the_options(self):
        out = self.box.run(["sondeo", "--help"])
        self.assertEqual(out.returncode, 0)
        for word in ("Uso: brisalta-cli sondeo", "AAAA-MM-DD", "--archivo", "--datos", "--demo",
                     "--zoom", "--techo", "-o FICHERO", "--guardar", "--json", "--pantalla"):
            self.assertIn(word, out.stdout)
        self.assertTrue(all(len(line) <= 80 for line in out.stdout.splitlines()))


class PrevisionCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def test_demo_forecast_as_json(self):
        out = self.box.run(["prevision", FORECAST, "--json"])
        self.assertEqual(out.returncode, 0, out.stderr)
        obj = json.loads(out.stdout)
        self.assertEqual((obj["isForecast"], obj["partialFirstRow"], obj["fromSecondService"]),
                         (1, 1, 0))
        self.assertEqual(obj["title"], "Sondeo previsto para las 15 hrs UTC del dia 15 del 7 de "
                                       "2024. Estación: LEMD Madrid Barajas")
        self.assertEqual(obj["forecastTitle"], "Sondeo previsto 15hrs_Dia15-7-2024_LEMD Madrid Barajas")
        self.assertEqual(obj["diagramTitle"], obj["title"])
        # The table ends at its 55 hPa row; speeds are m/s times 3.6.
        self.assertEqual(obj["levels"][-1][0], 55)
        self.assertEqual(obj["levels"][0][6], 12.96)
        self.assertEqual(obj["messages"], [NOTICE])

    def test_forecast_with_ceiling_and_picture(self):
        png = self.box.path("madrid.png")
        out = self.box.run(["prevision", FORECAST, "--techo", "36", "8", "-o", png])
        self.assertEqual(out.returncode, 0, out.stderr)
        lines = out.stdout.splitlines()
        self.assertEqual(lines[0], "aviso: " + NOTICE.replace("\n", " "))
        self.assertTrue(lines[-1].startswith("Simulación de techo para 36ºC y 8ºC de punto de "
                                             "rocío. Térmica azul: "), lines[-1])
        self.assertEqual(png_size(png), (1859, 1052))

    def test_file_that_is_not_a_forecast_draws_nothing(self):
        page = os.path.join(TEST_DATA, "sounding", "second_service_murcia.html")
        out = self.box.run(["prevision", page])
        self.assertEqual(out.returncode, 1)
        self.assertIn("aviso: El sondeo elegido no contiene datos válidos.", out.stdout)

    def test_missing_file_is_refused(self):
        out = self.box.run(["prevision", self.box.path("no-existe.txt")])
        self.assertEqual(out.returncode, 2)
        self.assertIn("no se puede leer el fichero", out.stderr)


if __name__ == "__main__":
    unittest.main()
