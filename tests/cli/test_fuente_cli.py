"""brisalta-cli grafica and sondeo with today's services, the default chain:
the README's --demo examples draw offline and the JSON says where the data
came from; servicios.ini and --fuente choose the chain, --servicio moves the
new services. (The demo's outputs themselves are golden cases, actual-*.)"""
import json
import os
import unittest

from clitools import SOURCE_DATA, Sandbox

DEMO = os.path.join(SOURCE_DATA, "demo")
AWC = "Aviation Weather Center"
IEM = "Iowa Environmental Mesonet"


class FuenteCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def json_run(self, args, code=0):
        out = self.box.run(args + ["--json"])
        self.assertEqual(out.returncode, code, out.stderr)
        return json.loads(out.stdout)

    # With no --fuente: the data API, or the mesonet where the API answers
    # 204 (SCEL) or fails (SKBO); the new sounding interface, or the text-list
    # service behind it (Tenerife).
    def test_readme_examples_use_todays_services(self):
        for icao, source in (("LEMD", AWC), ("LEST", AWC), ("MMMX", AWC), ("SCEL", IEM),
                             ("SKBO", IEM)):
            graph = self.json_run(["grafica", "--demo", icao])
            self.assertEqual(graph["source"]["name"], source, icao)
            self.assertEqual(graph["messages"], [graph["skyReport"]], icao)
        self.assertEqual(graph["source"]["address"].split("&")[0],
                         "https://mesonet.agron.iastate.edu/cgi-bin/request/asos.py?station=SKBO")
        for station, source, count in (("08579", "Universidad de Wyoming", 23),
                                       ("60018", "Universidad de Wyoming, listas de texto", 22)):
            sounding = self.json_run(["sondeo", "--demo", station, "2024-07-17", "12"])
            self.assertEqual((sounding["source"]["name"], sounding["count"]), (source, count))
            self.assertEqual(sounding["source"]["reports"], count)
            self.assertEqual(sounding["messages"], [])
        for args in (["grafica", "--demo", "LEST", "-o", self.box.path("g.png")],
                     ["sondeo", "--demo", "08430", "2024-07-17", "12", "--techo", "30", "12", "-o",
                      self.box.path("s.png")]):
            out = self.box.run(args)
            self.assertEqual(out.returncode, 0, out.stderr)
            self.assertNotIn("aviso:", out.stdout)
            self.assertGreater(os.path.getsize(args[-1]), 10000)

    # Neither service has the airport: one message names both.
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
        self.assertEqual(today["source"]["name"], AWC)
        self.assertEqual((today["temperature"][18], today["pressure"][18]), (24, 6666))
        sounding = self.json_run(["sondeo", "--demo", "08430", "2024-07-17", "12"])
        self.assertEqual((sounding["fromSecondService"], sounding["count"]), (1, 102))
        self.assertNotIn("source", sounding)

    # --servicio moves the data API: its recording is found under the other host.
    def test_new_service_keys(self):
        replay = self.box.path("grabadas")
        os.makedirs(replay)
        os.symlink(os.path.join(DEMO, "aviationweather.gov"), os.path.join(replay, "espejo.example"))
        graph = self.json_run(["grafica", "--datos", replay, "LEMD", "--servicio",
                               "awc=https://espejo.example"])
        self.assertEqual(graph["source"]["address"],
                         "https://espejo.example/api/data/metar?ids=LEMD&format=json&hours=24")
        self.json_run(["grafica", "--datos", replay, "LEMD", "--servicio", "awc=https://otro.example"],
                      code=1)

    def test_bad_chain_is_refused(self):
        for args in (["sondeo", "08430", "2024-07-17", "12", "--fuente", "nueva"],
                     ["sondeo", "08430", "2024-07-17", "12", "--fuente", "actual", "--archivo",
                      os.path.join(DEMO, "comodines.txt")]):
            out = self.box.run(args)
            self.assertEqual(out.returncode, 2, out.stderr)
            self.assertIn("--", out.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=2)
