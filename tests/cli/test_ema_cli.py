"""brisalta-cli ema, end to end on the demo answers and on saved answers: the
picture shows the graph, the JSON carries the station's values, the key's
problems come out as notices and fail the run, and the key itself is never
printed."""
import filecmp
import json
import os
import unittest

from clitools import SOURCE_DATA, TEST_DATA, Sandbox, count_pixels, png_size, read_png

EMA = os.path.join(TEST_DATA, "ema")
DEMO = os.path.join(SOURCE_DATA, "demo")
QUERY = os.path.join("opendata.aemet.es", "opendata", "api", "observacion", "convencional",
                     "datos", "estacion")
CONSULT = "No se ha podido efectuar la consulta"
NOT_DRAWN = "No se ha podido dibujar la gráfica de la estación automática %s."
EXPIRED = "Su clave API ha caducado.Obtener nueva en página de AEMET OpenData."
INVALID = "Su clave API no es válida. Obtener nueva en página de AEMET OpenData."
NO_DATA = "La estación seleccionada no posee ningún dato actualmente"


def is_red(p):
    return p[0] > 200 and p[1] < 80 and p[2] < 80


class EmaCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def json_run(self, args, code=0):
        out = self.box.run(["ema", "--json"] + args)
        self.assertEqual(out.returncode, code, out.stderr)
        lines = out.stdout.splitlines()
        self.assertEqual(len(lines), 1, out.stdout)
        return json.loads(lines[0]), out

    def test_demo_station_gives_a_picture_with_the_temperature_curve(self):
        png = self.box.path("alicante.png")
        out = self.box.run(["ema", "8019", "--demo", "--pantalla", "800x600@96", "-o", png])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertNotIn("aviso:", out.stdout)
        self.assertIn("ALICANTE-ELCHE/AEROPUERTO", out.stdout)
        width, height, pixel = read_png(png)
        self.assertEqual((width, height), (784, 592))
        self.assertGreater(count_pixels(pixel, (90, 90, 329, 243), is_red), 150)
        # Both answers were read and removed from the settings folder.
        self.assertFalse(os.path.exists(os.path.join(self.box.settings, "webAemet.tmp")))
        self.assertFalse(os.path.exists(os.path.join(self.box.settings, "webOpenData.tmp")))

    def test_json_carries_the_station_values_with_local_hours(self):
        obj, out = self.json_run(["3195", "--demo", "--desfase", "2"])
        self.assertEqual(obj["title"], "MADRID RETIRO")  # a typed identifier: no province
        self.assertEqual(obj["headerTitle"], "MADRID RETIRO")
        self.assertEqual(obj["messages"], [])
        self.assertEqual(len(obj["hour"]), 24)
        self.assertEqual(obj["hour"][23], 12)  # UTC hour of the newest record
        self.assertEqual(obj["lastTime"], 1400)  # local, two hours ahead
        self.assertEqual((obj["day"], obj["month"], obj["year"]), (17, 7, 2026))
        self.assertEqual(obj["altitudeMetres"], 667)
        self.assertTrue(obj["pressureIsStation"])
        # Madrid Retiro sends no wind: every speed is missing, every direction calm.
        self.assertEqual(obj["windSpeed"], [6666] * 24)
        self.assertEqual(obj["windDirection"], ["Calma"] * 24)
        self.assertNotIn(6666, obj["temperature"])
        self.assertNotIn(6666, obj["dewPoint"])

        obj, _ = self.json_run(["8019", "--demo"])
        self.assertEqual(obj["title"], "ALICANTE-ELCHE/AEROPUERTO")
        self.assertEqual(obj["temperature"][0], 31)  # 30.6 rounded
        self.assertEqual(obj["dewPoint"][0], 18)  # "tpr" 18.3 as delivered
        self.assertEqual(obj["windSpeed"][0], 20)  # 5.6 m/s
        self.assertEqual(obj["windDirection"][0], "SE")

    def test_refused_keys_are_told_and_fail_the_run(self):
        for key, message in (("caducada", EXPIRED), ("invalida", INVALID)):
            with self.subTest(key=key):
                png = self.box.path(key + ".png")
                out = self.box.run(["ema", "3195", "--demo", "--clave", key, "-o", png])
                self.assertEqual(out.returncode, 1, out.stderr)
                self.assertEqual(out.stdout, "aviso: %s\naviso: %s\naviso: %s\n"
                                 % (CONSULT, message, NOT_DRAWN % "3195"))
                self.assertIn("no se ha podido dibujar la gráfica de la estación 3195", out.stderr)
                self.assertFalse(os.path.exists(png))

    def test_key_comes_from_the_preferences_and_is_never_printed(self):
        self.box.write_setting("meteo.ini", "1 LEAL ESPAÑA 08001 A_Coruña invalida")
        out = self.box.run(["ema", "8019", "--demo"])
        self.assertEqual(out.returncode, 1)
        self.assertIn("aviso: " + INVALID, out.stdout)

        secret = "eyJhbGciOiJIUzI1NiJ9.secreto"
        for extra in ([], ["--json"]):
            out = self.box.run(["ema", "9999Z", "--demo", "--clave", secret] + extra)
            self.assertEqual(out.returncode, 1)
            self.assertIn(CONSULT, out.stdout + out.stderr)
            self.assertNotIn(secret, out.stdout + out.stderr)

    def test_saved_answers_replace_the_downloads(self):
        obj, _ = self.json_run(["8019", "--indice", os.path.join(EMA, "indice_8019.json"),
                                "--datos-ema", os.path.join(EMA, "datos_8019.json"),
                                "--datos", self.box.root])
        self.assertEqual(obj["title"], "ALICANTE-ELCHE/AEROPUERTO")
        # Only the data answer saved: the query itself still goes to the demo.
        obj, _ = self.json_run(["3195", "--demo", "--datos-ema",
                                os.path.join(EMA, "datos_8019.json")])
        self.assertEqual(obj["title"], "ALICANTE-ELCHE/AEROPUERTO")
        # An index answer that refuses the key: no data request, no graph.
        obj, _ = self.json_run(["8019", "--indice", os.path.join(EMA, "clave_caducada.json"),
                                "--datos", self.box.root], code=1)
        self.assertEqual(obj["messages"], [CONSULT, EXPIRED, NOT_DRAWN % "8019"])

    def test_identifier_is_sent_whole_in_capitals(self):
        replay = self.box.path("respuestas")
        query = os.path.join(replay, QUERY, "B228X", "_index@api_key=_")
        os.makedirs(os.path.dirname(query))
        with open(query, "w") as f:
            f.write('{ "descripcion" : "exito", "datos" : "https://opendata.aemet.es/opendata/sh/b" }')
        with open(os.path.join(replay, "comodines.txt"), "w") as f:
            f.write("api_key\n")
        data = os.path.join(replay, "opendata.aemet.es", "opendata", "sh", "b")
        os.makedirs(os.path.dirname(data))
        with open(os.path.join(EMA, "datos_3195.json"), "rb") as src, open(data, "wb") as dst:
            dst.write(src.read())
        obj, _ = self.json_run(["b228x", "--datos", replay])
        self.assertEqual(obj["title"], "MADRID RETIRO")

    def test_missing_data_answer_is_told_once_naming_the_station(self):
        # The index answer points at data that never arrive: the user is told
        # which station and why, once, and nothing is drawn (rather than a
        # graph of missing hours).
        obj, out = self.json_run(["8019", "--indice", os.path.join(EMA, "indice_8019.json"),
                                  "--datos", self.box.root], code=1)
        told = ("No se ha podido dibujar la gráfica de la estación automática 8019: el servidor "
                "opendata.aemet.es no tiene las observaciones pedidas.")
        self.assertEqual(obj["messages"], [told])
        self.assertNotIn(NO_DATA, out.stderr)
        self.assertEqual(out.stderr.count(told), 1, out.stderr)

    def test_demo_answers_are_the_tested_ones(self):
        pairs = [
            (os.path.join(QUERY, "8019", "_index@api_key=_"), "indice_8019.json"),
            (os.path.join(QUERY, "3195", "_index@api_key=_"), "indice_3195.json"),
            (os.path.join("opendata.aemet.es", "opendata", "sh", "5e8c1d27"), "datos_8019.json"),
            (os.path.join("opendata.aemet.es", "opendata", "sh", "a3f40b6e"), "datos_3195.json"),
        ]
        for station in ("8019", "3195"):
            pairs.append((os.path.join(QUERY, station, "_index@api_key=caducada"),
                          "clave_caducada.json"))
            pairs.append((os.path.join(QUERY, station, "_index@api_key=invalida"),
                          "clave_invalida.json"))
        for demo, tested in pairs:
            with self.subTest(demo=demo):
                self.assertTrue(filecmp.cmp(os.path.join(DEMO, demo), os.path.join(EMA, tested),
                                            shallow=False))
        # AEMET's own spacing is kept: "idema" : "8019".
        with open(os.path.join(DEMO, "opendata.aemet.es", "opendata", "sh", "5e8c1d27")) as f:
            self.assertIn('"idema" : "8019"', f.read())

    def test_help_and_bad_command_lines(self):
        out = self.box.run(["ema", "--help"])
        self.assertEqual(out.returncode, 0)
        for word in ("IDEMA", "--clave", "--indice", "--datos-ema", "--demo", "--desfase",
                     "--json", "-o FICHERO", "mayúsculas"):
            self.assertIn(word, out.stdout)
        for args in (["ema"], ["ema", "8019", "3195"], ["ema", "8019", "--desfase", "13"],
                     ["ema", "8019", "--indice", self.box.path("no-existe.json")],
                     ["ema", "8019", "-o", self.box.path("x.bmp")],
                     ["ema", "8019", "--demo", "--datos", self.box.root]):
            with self.subTest(args=args):
                out = self.box.run(args)
                self.assertEqual(out.returncode, 2, out.stderr)
                self.assertTrue(out.stderr.startswith("brisalta-cli ema: "), out.stderr)
        self.assertIn("ema", self.box.run(["--help"]).stdout)


if __name__ == "__main__":
    unittest.main()
