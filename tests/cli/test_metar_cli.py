"""brisalta-cli metar, end to end: the report text, the JSON fields scripts rely
on, standard-input mode, errors, and the speed of a large batch."""
import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

CLI = os.environ["BRISALTA_CLI"]
DATA = os.environ["BRISALTA_TEST_DATA"]
SANITIZED = os.environ.get("BRISALTA_SANITIZED") == "1"

JSON_FIELDS = [
    "visibilityText", "variableWindText", "skyText", "weatherText", "trendVisibilityText",
    "trendText", "trendWindText", "hasTrend", "hasWind", "windDirectionCode", "windSpeedKmh",
    "hasGust", "gustKmh", "hasTrendWind", "trendWindSpeedKmh", "trendHasGust", "trendGustKmh",
    "hasTemperature", "temperature", "dewPoint", "hasPressure", "qnhHpa", "report",
]


def run(args, stdin=None):
    return subprocess.run([CLI] + args, input=stdin, capture_output=True, text=True,
                          encoding="utf-8", timeout=120)


class MetarCli(unittest.TestCase):
    def test_prints_the_report_and_the_latest_values(self):
        out = run(["metar", "LEMD", "291800Z", "22010KT", "CAVOK", "35/07", "Q1012", "NOSIG"])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(
            out.stdout,
            "No hay presencia de nubes significativas. \n"
            "No hay nubes por debajo de 1500 mts, la visibilidad es mayor de 10 km. y no hay "
            "precipitaciones.\n"
            "No se esperan cambios importantes en las próximas 2 horas. \n"
            "Viento: SW 18 km/h. Temperatura: 35 ºC. Punto de rocío: 7 ºC. QNH: 1012 hPa.\n")

    def test_json_has_exactly_the_result_fields(self):
        out = run(["metar", "--json", "LEMD", "011200Z", "27015G25KT", "9999", "FEW020", "20/10",
                   "Q1015", "TEMPO", "25020G35KT"])
        self.assertEqual(out.returncode, 0, out.stderr)
        lines = out.stdout.splitlines()
        self.assertEqual(len(lines), 1)
        obj = json.loads(lines[0])
        self.assertEqual(sorted(obj), sorted(JSON_FIELDS))
        self.assertIs(obj["hasTrend"], True)
        self.assertIs(obj["hasGust"], True)
        self.assertEqual(obj["gustKmh"], 46)
        self.assertEqual(obj["windDirectionCode"], "W")
        self.assertEqual(obj["trendWindText"],
                         "Viento: 37 km/h Oeste-Suroeste con posibles ráfagas de 64 km/h.")
        self.assertIn("PREVISIÓN EN LAS PRÓXIMAS 2 HORAS:\n", obj["report"])

    def test_desde_moves_the_first_decoded_word(self):
        out = run(["metar", "--json", "--desde", "4", "2018/08/31", "09:30", "RJAA", "310930Z",
                   "07006KT", "24/22", "Q1008"])
        obj = json.loads(out.stdout)
        self.assertEqual((obj["windSpeedKmh"], obj["temperature"], obj["qnhHpa"]), (11, 24, 1008))

    def test_reads_one_report_per_line_from_standard_input(self):
        stdin = "GCFV 141530Z 02012KT 9999 FEW025 29/17 Q1014\n\nLEMD 141530Z VRB03KT 9999 22/04 Q1018\n"
        out = run(["metar", "--json"], stdin=stdin)
        objs = [json.loads(l) for l in out.stdout.splitlines()]
        self.assertEqual([o["windDirectionCode"] for o in objs], ["NNE", "Variable"])

    # From the station on every word is the report's: intensities written with
    # '-' or '+' are weather groups, not options; "--" before the report too.
    def test_words_starting_with_a_sign_belong_to_the_report(self):
        cases = [
            (["-TSRA"], "Lluvia"),
            (["+SHRA"], "Lluvia"),
            (["-DZ"], "Llovizna"),
            (["-TSRA", "+SHRA", "-DZ"], "Llovizna"),
        ]
        for words, expected in cases:
            for lead in ([], ["--"]):
                args = (["metar", "--json"] + lead + ["LEMD", "291800Z", "27010KT", "6000"] + words
                        + ["FEW030CB", "30/18", "Q1010"])
                out = run(args)
                self.assertEqual(out.returncode, 0, out.stderr)
                obj = json.loads(out.stdout)
                self.assertIn(expected, obj["weatherText"], args)
                self.assertEqual((obj["temperature"], obj["qnhHpa"]), (30, 1010), args)
        text = run(["metar", "LEMD", "291800Z", "27010KT", "-TSRA", "30/18", "Q1010"])
        self.assertEqual(text.returncode, 0, text.stderr)
        self.assertIn("Lluvia", text.stdout)

    # Under cron or ssh there is no runtime folder; the tool says nothing about it.
    def test_no_warning_without_a_runtime_folder(self):
        env = {k: v for k, v in os.environ.items() if k != "XDG_RUNTIME_DIR"}
        env["QT_QPA_PLATFORM"] = "offscreen"
        with tempfile.TemporaryDirectory() as folder:
            out = subprocess.run([CLI, "sondeo", "--demo", "08430", "2024-07-17", "12", "-o",
                                  os.path.join(folder, "s.png")], capture_output=True, text=True,
                                 encoding="utf-8", env=env, timeout=120)
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(out.stderr, "")

    def test_bad_options_are_refused_in_spanish(self):
        for args in (["metar", "--desde"], ["metar", "--desde", "x"], ["metar", "--nada"],
                     ["nada"]):
            out = run(args)
            self.assertEqual(out.returncode, 2, args)
            self.assertTrue(out.stderr.startswith("brisalta-cli"), out.stderr)

    def test_help_is_in_spanish(self):
        general = run(["--help"])
        self.assertEqual(general.returncode, 0)
        self.assertIn("Órdenes:", general.stdout)
        self.assertIn("metar", general.stdout)
        sub = run(["metar", "--help"])
        self.assertIn("--desde N", sub.stdout)
        self.assertIn("entrada estándar", sub.stdout)

    def test_decodes_ten_thousand_reports_quickly(self):
        path = os.path.join(DATA, "samples", "metar_corpus", "pymetar_decoded_ob_2017-07-29.txt")
        with open(path, encoding="latin-1") as f:
            lines = [l for l in f.read().splitlines() if l.strip()]
        batch = "\n".join((lines * 2)[:10000]) + "\n"
        start = time.monotonic()
        out = run(["metar", "--json"], stdin=batch)
        elapsed = time.monotonic() - start
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(len(out.stdout.splitlines()), 10000)
        if not SANITIZED:
            self.assertLess(elapsed, 1.0, "10,000 reports took %.2f s" % elapsed)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
