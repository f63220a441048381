"""brisalta-cli grafica, end to end on the demo folder and on saved pages: the
pictures (PNG, SVG, PDF) open and show the graph, the JSON carries what scripts
rely on, the messages come out once each, and bad command lines are refused."""
import json
import os
import re
import sys
import unittest

from clitools import (SANITIZED, SOURCE_DATA, SURFACE, Sandbox, count_pixels, pdf_page,
                      png_size, read_png)

GRAPH_FIELDS = {
    "day", "month", "year", "lastTime", "humidity", "title", "hour", "temperature", "dewPoint",
    "pressure", "windSpeed", "windDirection", "pressureIsStation", "altitudeKnown",
    "altitudeMetres", "skyReport", "hasTrend", "hasGust", "gustSpeed", "extremes", "headerLine1",
    "headerLine2", "headerTitle", "axisStartHour", "messages",
}
EXTREMES_FIELDS = {
    "maxTemperature", "minTemperature", "maxTemperatureHour", "minTemperatureHour",
    "maxPressure", "minPressure", "maxPressureHour", "minPressureHour", "maxWindSpeed",
    "maxWindHour", "maxWindDirectionName", "hasTemperature",
}
NO_DATA = "La estación seleccionada no posee ningún dato actualmente"
LEMD_HEADER = " Últimos datos del día 29/07/2017 a las 8.30 horas: Aeropuerto de Barajas - Madrid"
# The classic chain's pages: today's services are tested in test_fuente_cli.py.
CLASSIC = ["--fuente", "clasico"]


def is_red(p):
    return p[0] > 200 and p[1] < 80 and p[2] < 80


def is_pressure_blue(p):
    return p[0] < 110 and p[1] < 60 and p[2] > 120


class GraficaCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def json_run(self, args, code=0):
        out = self.box.run(["grafica", "--json"] + args)
        self.assertEqual(out.returncode, code, out.stderr)
        lines = out.stdout.splitlines()
        self.assertEqual(len(lines), 1, out.stdout)
        return json.loads(lines[0]), out

    # The pictures open and show the graph: size, background, the red
    # temperature curve in its panel only, the header text, a printed page.
    def test_writes_png_svg_and_pdf_that_open(self):
        png, svg, pdf = self.box.path("lemd.png"), self.box.path("lemd.svg"), self.box.path("lemd.pdf")
        out = self.box.run(["grafica", "--demo", "LEMD", "-o", png, "-o", svg, "-o", pdf])
        self.assertEqual(out.returncode, 0, out.stderr)
        # 800 x 600 design units at 2.4 x 1.8 pixels, drawn at 0.96, plus 8 pixels around.
        self.assertEqual(png_size(png), (1859, 1052))

        small = self.box.path("small.png")
        out = self.box.run(["grafica", "--demo", "LEMD", "--pantalla", "800x600@96", "-o", small])
        self.assertEqual(out.returncode, 0, out.stderr)
        width, height, pixel = read_png(small)
        self.assertEqual((width, height), (784, 592))
        for corner in ((1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)):
            self.assertEqual(pixel(*corner), (255, 255, 255), corner)
        temperature_panel = (90, 90, 329, 243)
        pressure_panel = (431, 90, 670, 243)
        self.assertGreater(count_pixels(pixel, temperature_panel, is_red), 150)
        self.assertEqual(count_pixels(pixel, pressure_panel, is_red), 0)
        self.assertGreater(count_pixels(pixel, pressure_panel, is_pressure_blue), 150)
        self.assertGreater(count_pixels(pixel, temperature_panel,
                                        lambda p: p == (204, 255, 255)), 1000)

        with open(svg, encoding="utf-8") as f:
            texts = [re.sub(r"\s+", " ", t)
                     for t in re.findall(r"<text[^>]*>(.*?)</text>", f.read(), re.S)]
        self.assertIn(LEMD_HEADER, texts)
        self.assertIn("Punto de rocío", texts)
        self.assertIn("(real)-Altitud: 582 mts.", texts)

        width, height, pixel = pdf_page(pdf)
        self.assertGreater(width, height)  # A4 landscape
        self.assertGreater(count_pixels(pixel, (0, 0, width, height), is_red), 20)

    # A picture that cannot be written fails the run; the others are still written.
    def test_unwritable_picture_fails_the_run(self):
        good = self.box.path("bien.svg")
        out = self.box.run(["grafica", "--demo", "LEAL", "-o", "/no/existe/mal.png", "-o", good])
        self.assertEqual(out.returncode, 1)
        self.assertIn("brisalta-cli grafica: No se pudo escribir el fichero /no/existe/mal.png",
                      out.stderr)
        self.assertTrue(os.path.getsize(good) > 0)

    def test_json_of_demo_airports(self):
        lemd, out = self.json_run(["--demo", "LEMD"] + CLASSIC)
        self.assertEqual(set(lemd), GRAPH_FIELDS)
        self.assertEqual(set(lemd["extremes"]), EXTREMES_FIELDS)
        # The page gives the elevation: pressures are station pressures at 582 m.
        self.assertEqual((lemd["altitudeKnown"], lemd["altitudeMetres"], lemd["pressureIsStation"]),
                         (1, 582, 1))
        self.assertEqual(lemd["pressure"][23], 949)
        self.assertEqual((lemd["day"], lemd["month"], lemd["year"], lemd["lastTime"]),
                         (29, 7, 2017, 830))
        self.assertEqual(lemd["temperature"][23], 25)
        self.assertEqual(lemd["headerLine1"], LEMD_HEADER)
        self.assertEqual(lemd["headerTitle"], "Aeropuerto de Barajas - Madrid")
        self.assertEqual(lemd["axisStartHour"], 9)
        # 36 ºC at 15 and 16 UTC: the scan runs newest first and keeps the later hour.
        self.assertEqual((lemd["extremes"]["maxTemperature"], lemd["extremes"]["maxTemperatureHour"]),
                         (36, 17))
        self.assertEqual(lemd["hasTrend"], 0)
        self.assertEqual(lemd["messages"], [lemd["skyReport"]])
        self.assertEqual(out.stderr, "")

        lest, _ = self.json_run(["--demo", "LEST"] + CLASSIC)
        self.assertEqual(lest["hasTrend"], 1)
        self.assertIn("PREVISIÓN EN LAS PRÓXIMAS 2 HORAS:\nVisibilidad: 1400 mts.", lest["skyReport"])

        # Barcelona's page has 20 rows and one row without its pressure.
        lebl, _ = self.json_run(["--demo", "LEBL"] + CLASSIC)
        self.assertEqual(lebl["temperature"][:4], [6666] * 4)
        self.assertEqual(lebl["windDirection"][:4], ["No"] * 4)
        self.assertEqual((lebl["temperature"][18], lebl["pressure"][18]), (6666, 6666))
        self.assertNotIn(6666, lebl["temperature"][4:18])

        # Mexico City's page gives no elevation: the curve stays QNH.
        mmmx, _ = self.json_run(["--demo", "MMMX"] + CLASSIC)
        self.assertEqual((mmmx["pressureIsStation"], mmmx["altitudeKnown"]), (0, 0))
        self.assertEqual(mmmx["pressure"][23], 1027)
        self.assertEqual(mmmx["title"], "Mexico City / Licenci, Mexico")

        scel, _ = self.json_run(["--demo", "SCEL", "--desfase", "-4"] + CLASSIC)
        self.assertEqual((scel["day"], scel["lastTime"], scel["hasTrend"]), (29, 400, 1))
        self.assertIn("Humo", scel["skyReport"])

        bany, _ = self.json_run(["--demo", "BANY"])
        self.assertEqual((bany["lastTime"], bany["altitudeMetres"], bany["skyReport"]), (930, 729, ""))
        self.assertEqual(bany["hour"][0], 10)
        self.assertEqual(len(bany["messages"]), 1)
        self.assertIn("Banyeres", bany["messages"][0])

    def test_text_output_is_the_report_then_the_notices(self):
        out = self.box.run(["grafica", "--demo", "LEST"])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertTrue(out.stdout.startswith("Visibilidad: 7000 mts.\n"), out.stdout)
        self.assertIn("PREVISIÓN EN LAS PRÓXIMAS 2 HORAS:\n", out.stdout)
        self.assertNotIn("aviso:", out.stdout)

        out = self.box.run(["grafica", "--demo", "bany"])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(out.stdout.splitlines(),
                         ["aviso: Datos cedidos por la estación meteorológica escolar de "
                          "Banyeres de Mariola (Alicante)."])

    # Saved documents answer their own downloads; the others fail as offline.
    def test_saved_documents(self):
        page = os.path.join(SURFACE, "current", "LEMD.html")
        query = os.path.join(SURFACE, "query", "LEMD.html")
        station = os.path.join(SURFACE, "stations", "LEST.TXT")

        only_page, out = self.json_run(["LEMD", "--pagina", page])
        self.assertEqual(only_page["skyReport"], "")
        self.assertEqual(only_page["temperature"][23], 25)
        self.assertTrue(any("--consulta" in m for m in only_page["messages"]), only_page["messages"])
        self.assertIn("No se ha encontrado fichero.", only_page["messages"])
        self.assertIn("aviso: No se ha encontrado fichero.", out.stderr)

        only_query, out = self.json_run(["LEMD", "--consulta", query], code=1)
        self.assertEqual(only_query, {"messages": [
            "No se ha podido dibujar la gráfica de 24 horas de Aeropuerto de Barajas - Madrid "
            "(LEMD): no ha llegado la página de sus observaciones recientes (puede que el "
            "servicio no tenga datos de esa estación o que no haya conexión)."]})
        self.assertIn("no se ha podido dibujar la gráfica de LEMD", out.stderr)

        # No complete report on the query page: the station file gives the report text.
        from_file, _ = self.json_run(["LEST", "--pagina", os.path.join(SURFACE, "current", "LEST.html"),
                                      "--fichero-metar", station])
        self.assertEqual(from_file["hasTrend"], 1)
        self.assertIn("Llovizna", from_file["skyReport"])

        banyeres = os.path.join(SURFACE, "banyeres", "downld02_halfhourly.txt")
        bany, _ = self.json_run(["BANY", "--banyeres", banyeres])
        self.assertEqual((bany["day"], bany["month"], bany["year"], bany["lastTime"]), (5, 9, 2014, 2230))

    def test_time_offset_comes_from_the_option_then_meteo_ini_then_one(self):
        default, _ = self.json_run(["--demo", "LEMD"])
        self.assertEqual((default["lastTime"], default["axisStartHour"]), (830, 9))
        utc, _ = self.json_run(["--demo", "LEMD", "--desfase", "0"])
        self.assertEqual((utc["lastTime"], utc["axisStartHour"]), (730, 8))
        self.assertEqual(utc["extremes"]["maxTemperatureHour"], 16)
        self.box.write_setting("meteo.ini", "-3 SAEZ ARGENTINA 87576 Ezeiza_(Argentina) clave")
        # Without ICAO the airport of meteo.ini is drawn, with its time offset.
        saez, _ = self.json_run(["--demo"] + CLASSIC)
        self.assertEqual((saez["title"], saez["lastTime"], saez["axisStartHour"]),
                         ("Ezeiza Aerodrome, Argentina", 500, 6))
        given, _ = self.json_run(["--demo", "SAEZ", "--desfase", "2"])
        self.assertEqual((given["day"], given["lastTime"]), (29, 1000))

    # One message names the airport and says why; no address, no file path.
    def test_station_without_answers_gives_one_message_and_fails(self):
        result, out = self.json_run(["--demo", "LEVC"] + CLASSIC, code=1)
        self.assertEqual(result["messages"], [
            "No se ha podido dibujar la gráfica de 24 horas de Aeropuerto de Manises - Valencia "
            "(LEVC): no ha llegado la página de sus observaciones recientes (puede que el "
            "servicio no tenga datos de esa estación o que no haya conexión)."])
        self.assertNotIn("http", out.stdout + out.stderr)
        self.assertNotIn("/", out.stdout + "".join(result["messages"]))
        text = self.box.run(["grafica", "--demo", "LEVC", "-o", self.box.path("x.png")] + CLASSIC)
        self.assertEqual(text.returncode, 1)
        self.assertEqual(len(text.stdout.splitlines()), 1)
        self.assertTrue(all(l.startswith("aviso: ") for l in text.stdout.splitlines()))
        self.assertIn("brisalta-cli grafica: no se ha podido dibujar la gráfica de LEVC", text.stderr)
        self.assertFalse(os.path.exists(self.box.path("x.png")))

    # The program says once that the station has no data, and nothing is drawn.
    def test_no_data_message_is_printed_once(self):
        with open(os.path.join(SURFACE, "current", "LEMD.html"), encoding="ascii") as f:
            page = re.sub(r"F \(-?\d+ C\)", "F (150 C)", f.read())
        hot = self.box.path("hot.html")
        with open(hot, "w", encoding="ascii") as f:
            f.write(page)
        out = self.box.run(["grafica", "LEMD", "--pagina", hot, "-o", self.box.path("hot.png"),
                            "--guardar", self.box.path("hot.brl")])
        self.assertEqual(out.returncode, 1, out.stderr)
        self.assertEqual(out.stdout.count(NO_DATA), 1, out.stdout)
        self.assertFalse(os.path.exists(self.box.path("hot.png")))
        self.assertFalse(os.path.exists(self.box.path("hot.brl")))
        result, _ = self.json_run(["LEMD", "--pagina", hot], code=1)
        self.assertEqual(result["messages"].count(NO_DATA), 1)

    # Hosts come from servicios.ini and from --servicio, which wins.
    def test_service_hosts_from_settings_file_and_option(self):
        replay = self.box.path("grabadas")
        demo_host = os.path.join(SOURCE_DATA, "demo", "tgftp.nws.noaa.gov")
        mirror = os.path.join(replay, "espejo.example.org")
        os.makedirs(replay)
        os.symlink(demo_host, mirror)
        os.symlink(os.path.join(SOURCE_DATA, "demo", "aviationweather.gov"),
                   os.path.join(replay, "aviationweather.gov"))
        self.box.write_setting("servicios.ini", "noaa = espejo.example.org\n")
        from_ini, _ = self.json_run(["--datos", replay, "LEMD"] + CLASSIC)
        self.assertEqual(from_ini["temperature"][23], 25)
        _, out = self.json_run(["--datos", replay, "LEMD", "--servicio", "noaa=otro.example.org"]
                               + CLASSIC, code=1)
        self.assertIn("no se ha podido dibujar", out.stderr)

    def test_help_is_in_spanish(self):
        out = self.box.run(["grafica", "--help"])
        self.assertEqual(out.returncode, 0)
        for option in ("--datos CARPETA", "--demo", "--pagina F", "--consulta F",
                       "--fichero-metar F", "--banyeres F", "--servicio CLAVE=VALOR",
                       "--desfase H", "-o FICHERO", "--pantalla AxL@PPP", "--guardar F.brl",
                       "--json", "diferencia horaria", "--fuente actual|clasico", "awc, iem, wyoming"):
            self.assertIn(option, out.stdout)
        general = self.box.run(["--help"])
        self.assertIn("grafica", general.stdout)
        self.assertIn("abrir", general.stdout)

    def test_bad_options_are_refused(self):
        page = os.path.join(SURFACE, "current", "LEMD.html")
        for args in (["--nada"], ["LEM"], ["LEMD", "LEBL"], ["LEMD", "-o", "x.gif"],
                     ["LEMD", "-o"], ["LEMD", "--desfase", "13"], ["LEMD", "--desfase", "x"],
                     ["LEMD", "--pantalla", "1920x1080@0"], ["LEMD", "--pantalla", "ancho"],
                     ["LEMD", "--servicio", "nada=x"], ["LEMD", "--servicio", "noaa"],
                     ["LEMD", "--fuente", "moderna"], ["LEMD", "--fuente"],
                     ["LEMD", "--fuente", "actual", "--pagina", page],
                     ["LEMD", "--servicio", "fuente_metar=clasico"],
                     ["LEMD", "--demo", "--pagina", page], ["LEMD", "--datos", "/no/existe"],
                     ["LEMD", "--pagina", "/no/existe.html"]):
            out = self.box.run(["grafica"] + args)
            self.assertEqual(out.returncode, 2, (args, out.stderr))
            self.assertTrue(out.stderr.startswith("brisalta-cli grafica: "), out.stderr)
            self.assertEqual(out.stdout, "")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
