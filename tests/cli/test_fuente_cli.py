"""brisalta-cli grafica and sondeo with today's services, the default chain:
the README's --demo examples draw offline, the JSON says where the data came
from, servicios.ini and --fuente choose the chain, and --servicio points the
new keys elsewhere."""
import json
import os
import unittest

from clitools import SOURCE_DATA, Sandbox

DEMO = os.path.join(SOURCE_DATA, "demo")
API = "https://aviationweather.gov/api/data/metar?ids=%s&format=json&hours=24"


class FuenteCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def json_run(self, args, code=0):
        out = self.box.run(args + ["--json"])
        self.assertEqual(out.returncode, code, out.stderr)
        return json.loads(out.stdout)

    # The README's graph examples, with no --fuente: the data API for most
    # airports, the mesonet where the API answers 204 (SCEL) or fails (SKBO).
    def test_readme_graph_examples_use_todays_services(self):
        for icao, source, station_pressure in (
                ("LEMD", "Aviation Weather Center", 1), ("LEAL", "Aviation Weather Center", 1),
                ("LEST", "Aviation Weather Center", 1), ("LEBL", "Aviation Weather Center", 1),
                ("SAEZ", "Aviation Weather Center", 1), ("MMMX", "Aviation Weather Center", 0),
                ("SCEL", "Iowa Environmental Mesonet", 1),
                ("SKBO", "Iowa Environmental Mesonet", 1)):
            graph = self.json_run(["grafica", "--demo", icao])
            self.assertEqual(graph["source"]["name"], source, icao)
            self.assertEqual(graph["pressureIsStation"], station_pressure, icao)
            self.assertEqual((graph["day"], graph["month"], graph["year"]), (29, 7, 2017), icao)
            self.assertEqual(graph["messages"], [graph["skyReport"]], icao)
        lemd = self.json_run(["grafica", "--demo", "LEMD"])
        self.assertEqual(lemd["source"], {"name": "Aviation Weather Center",
                                          "address": API % "LEMD", "reports": 24})
        self.assertEqual((lemd["lastTime"], lemd["altitudeMetres"], lemd["pressure"][23]),
                         (830, 582, 949))
        self.assertEqual(lemd["headerTitle"], "Aeropuerto de Barajas - Madrid")
        # Santiago's fog came with a SPECI at 05:50: its hour shows the special.
        lest = self.json_run(["grafica", "--demo", "LEST", "--desfase", "0"])
        self.assertEqual(lest["source"]["reports"], 25)
        self.assertEqual(lest["hour"][21:], [5, 6, 7])
        self.assertEqual(lest["windDirection"][21], "SSW")
        # Barcelona's answer lacks the oldest four hours: gaps, not a shorter graph.
        lebl = self.json_run(["grafica", "--demo", "LEBL"])
        self.assertEqual(lebl["temperature"][:4], [6666] * 4)
        self.assertEqual(lebl["pressure"][18], 6666)
        scel = self.json_run(["grafica", "--demo", "SCEL", "--desfase", "-4"])
        self.assertTrue(scel["source"]["address"].startswith(
            "https://mesonet.agron.iastate.edu/cgi-bin/request/asos.py?station=SCEL&data=metar"))
        self.assertEqual((scel["lastTime"], scel["altitudeMetres"]), (400, 476))

        out = self.box.run(["grafica", "--demo", "LEST", "-o", self.box.path("lest.png")])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertTrue(out.stdout.startswith("Visibilidad: 7000 mts.\n"), out.stdout)
        self.assertGreater(os.path.getsize(self.box.path("lest.png")), 10000)

    # Neither service has the airport: one message names both, nothing drawn.
    def test_airport_nobody_has(self):
        result = self.json_run(["grafica", "--demo", "LEVC"], code=1)
        self.assertNotIn("source", result)
        [message] = result["messages"]
        lines = message.splitlines()
        self.assertEqual(lines[0], "No se han podido obtener los partes de LEVC:")
        self.assertTrue(lines[1].startswith("- Aviation Weather Center (aviationweather.gov): "))
        self.assertTrue(lines[2].startswith(
            "- Iowa Environmental Mesonet (mesonet.agron.iastate.edu): "))

    # The chain comes from servicios.ini, and --fuente wins over it.
    def test_chain_from_settings_file_and_option(self):
        self.box.write_setting("servicios.ini", "fuente_metar = clasico\nfuente_sondeos=clasico\n")
        # The NOAA page's row without a pressure loses the whole hour; the
        # 02:30 report only lacks its pressure group.
        classic = self.json_run(["grafica", "--demo", "LEBL"])
        self.assertNotIn("source", classic)
        self.assertEqual((classic["temperature"][18], classic["pressure"][18]), (6666, 6666))
        today = self.json_run(["grafica", "--demo", "LEBL", "--fuente", "actual"])
        self.assertEqual(today["source"]["name"], "Aviation Weather Center")
        self.assertEqual((today["temperature"][18], today["pressure"][18]), (24, 6666))
        sounding = self.json_run(["sondeo", "--demo", "08430", "2024-07-17", "12"])
        self.assertEqual((sounding["fromSecondService"], sounding["count"]), (1, 102))
        self.assertNotIn("source", sounding)

    # --servicio moves the new keys: the API's recording is found under the
    # other host's folder.
    def test_new_service_keys(self):
        replay = self.box.path("grabadas")
        os.makedirs(replay)
        os.symlink(os.path.join(DEMO, "aviationweather.gov"), os.path.join(replay, "espejo.example"))
        graph = self.json_run(["grafica", "--datos", replay, "LEMD", "--servicio",
                               "awc=https://espejo.example"])
        self.assertEqual(graph["source"]["address"],
                         "https://espejo.example/api/data/metar?ids=LEMD&format=json&hours=24")
        # With the API gone elsewhere, only the mesonet is left to ask, and it has nothing.
        self.json_run(["grafica", "--datos", replay, "LEMD", "--servicio", "awc=https://otro.example"],
                      code=1)

    # The README's sounding examples: the new interface for Lisboa and
    # Murcia, the text-list service behind it for Tenerife.
    def test_readme_sounding_examples_use_todays_services(self):
        lisboa = self.json_run(["sondeo", "--demo", "08579", "2024-07-17", "12", "--zoom"])
        self.assertEqual(lisboa["source"]["name"], "Universidad de Wyoming")
        self.assertEqual(lisboa["source"]["reports"], lisboa["count"])
        self.assertEqual(lisboa["count"], 23)
        self.assertEqual(lisboa["levels"][0][:6], [1016.2, 105, 26.4, 15.4, 51, 340])
        self.assertAlmostEqual(lisboa["levels"][0][6], 12, delta=0.2)  # 6.2 m/s in knots
        self.assertEqual(lisboa["levels"][-1][0], 100)
        self.assertEqual((lisboa["fromSecondService"], lisboa["partialFirstRow"]), (0, 0))
        self.assertEqual(lisboa["forecastTitle"], "08579 Lisboa ")

        murcia = self.json_run(["sondeo", "--demo", "08430", "2024-07-17", "12", "--techo", "36",
                                "12"])
        self.assertEqual(murcia["source"]["name"], "Universidad de Wyoming")
        self.assertEqual(murcia["fromSecondService"], 0)
        self.assertGreater(murcia["count"], 200)
        self.assertTrue(murcia["ceiling"]["sentence"].startswith("Simulación de techo para 36ºC"))

        tenerife = self.json_run(["sondeo", "--demo", "60018", "2024-07-17", "00"])
        self.assertEqual(tenerife["source"]["name"], "Universidad de Wyoming, listas de texto")
        self.assertEqual(tenerife["messages"], [])
        self.assertEqual(tenerife["count"], 22)

        out = self.box.run(["sondeo", "--demo", "08430", "2024-07-17", "12", "-o",
                            self.box.path("murcia.png")])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertTrue(out.stdout.startswith("Sondeo de Murcia (España) del 17/7/2024 a las 12 h"))

    # A station nobody has: both services named in one message.
    def test_sounding_nobody_has(self):
        result = self.json_run(["sondeo", "--demo", "08221", "2024-07-17", "12"], code=1)
        [message] = result["messages"]
        lines = message.splitlines()
        self.assertEqual(lines[0], "No se ha podido obtener el sondeo de la estación 08221 del "
                                   "17/7/2024 a las 12Z:")
        self.assertTrue(lines[1].startswith("- Universidad de Wyoming (weather.uwyo.edu): "))
        self.assertTrue(lines[2].startswith("- Meteociel (www.meteociel.fr): "))

    def test_bad_chain_is_refused(self):
        for args in (["sondeo", "08430", "2024-07-17", "12", "--fuente", "nueva"],
                     ["sondeo", "08430", "2024-07-17", "12", "--fuente", "actual", "--archivo",
                      os.path.join(DEMO, "comodines.txt")]):
            out = self.box.run(args)
            self.assertEqual(out.returncode, 2, out.stderr)
            self.assertIn("--", out.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=2)
