"""brisalta-cli preferencias and enlaces, end to end in a private settings
folder: the settings go through meteo.ini and come back whole (blanks in the
country and the station name, a key with blanks), the file stays private,
the key is never printed whole, refused values change nothing and give the
dialog's message, and the other commands use what was saved."""
import json
import os
import stat
import unittest

from clitools import Sandbox

KEY = "eyJhbGciOiJIUzI1NiJ9 con blancos FIN7"
ICAO_MESSAGE = "Un identificador ICAO válido se compone de 4 letras"
OFFSET_MESSAGE = "Introduzca un número entero entre -12 y 12."


class PreferenciasCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)
        self.ini = os.path.join(self.box.settings, "meteo.ini")

    def run_ok(self, args):
        out = self.box.run(["preferencias"] + args)
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertNotIn(KEY, out.stdout + out.stderr)
        return out

    def settings(self):
        return json.loads(self.run_ok(["--json"]).stdout)

    def test_settings_round_trip_through_the_file(self):
        self.assertEqual(self.settings(), {
            "timeOffsetHours": 1, "icao": "LEAL", "country": "ESPAÑA",
            "soundingStationId": "", "soundingStationName": "", "apiKeySet": False})

        out = self.run_ok(["--pais", "rep. dominicana", "--aeropuerto", "mdsd",
                           "--desfase", "-4", "--clave-api", KEY])
        self.assertIn("acaba en «FIN7»", out.stdout)
        self.assertIn("REP. DOMINICANA", out.stdout)
        mode = stat.S_IMODE(os.stat(self.ini).st_mode)
        self.assertEqual(mode, 0o600)

        # A later run (a new process) reads the same values back.
        self.assertEqual(self.settings(), {
            "timeOffsetHours": -4, "icao": "MDSD", "country": "REP. DOMINICANA",
            "soundingStationId": "78486",
            "soundingStationName": "Santo Domingo - Rep. Dominicana", "apiKeySet": True})
        with open(self.ini, "rb") as f:
            raw = f.read()
        self.assertNotIn(b"\n", raw)
        self.assertIn(b"REP._DOMINICANA", raw)
        self.assertIn(b"Santo_Domingo_-_Rep._Dominicana", raw)

        # Emptying the key keeps every other field in its place.
        self.run_ok(["--clave-api", ""])
        after = self.settings()
        self.assertFalse(after["apiKeySet"])
        self.assertEqual(after["soundingStationName"], "Santo Domingo - Rep. Dominicana")
        self.assertEqual(after["timeOffsetHours"], -4)

    def test_lists_follow_the_dialog_rules(self):
        # A country whose list lacks the airport switches to its first airport
        # and its first station; an airport of the list brings the station at
        # its place; a station typed by hand is kept as typed.
        cases = [
            (["--pais", "ARGENTINA"], ("ARGENTINA", "SACO", "87344", "Córdoba - Argentina")),
            (["--pais", "España", "--aeropuerto", "LEAM"],
             ("ESPAÑA", "LEAM", "08430", "Murcia - España")),
            (["--sondeo", "08383"], ("ESPAÑA", "LEAM", "08383", "Huelva - España")),
            (["--sondeo", "12345"], ("ESPAÑA", "LEAM", "12345", "12345")),
            (["--pais", "bolivia"], ("BOLIVIA", "SLCA", "12345", "12345")),
        ]
        for args, expected in cases:
            with self.subTest(args=args):
                self.run_ok(args)
                s = self.settings()
                self.assertEqual((s["country"], s["icao"], s["soundingStationId"],
                                  s["soundingStationName"]), expected)

    def test_refused_values_change_nothing(self):
        self.run_ok(["--aeropuerto", "LEMD", "--clave-api", KEY])
        with open(self.ini, "rb") as f:
            before = f.read()
        cases = [
            (["--aeropuerto", "LEMDX"], ICAO_MESSAGE),
            (["--aeropuerto", "LEM", "--desfase", "2"], ICAO_MESSAGE),
            (["--desfase", "13"], OFFSET_MESSAGE),
            (["--desfase", "2.5", "--pais", "CHILE"], OFFSET_MESSAGE),
            (["--pais", "PORTUGAL"], "no está en la lista"),
            (["--sondeo", "123456"], "hasta 5 cifras"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                out = self.box.run(["preferencias"] + args)
                self.assertEqual(out.returncode, 1, out.stdout)
                self.assertIn(message, out.stderr)
                self.assertEqual(out.stdout, "")
                with open(self.ini, "rb") as f:
                    self.assertEqual(f.read(), before)
        out = self.box.run(["preferencias", "--color", "azul"])
        self.assertEqual(out.returncode, 2)

    def test_short_airport_in_the_file_is_refused_on_save(self):
        # As "Guardar" in the dialog: the code kept in the file is checked too.
        self.box.write_setting("meteo.ini", "2 LEM ESPAÑA 08430 Murcia_-_España clave")
        out = self.box.run(["preferencias", "--desfase", "3"])
        self.assertEqual(out.returncode, 1)
        self.assertIn(ICAO_MESSAGE, out.stderr)
        with open(self.ini, "rb") as f:
            self.assertEqual(f.read(), "2 LEM ESPAÑA 08430 Murcia_-_España clave".encode("cp1252"))

    def test_short_key_is_not_given_away(self):
        out = self.run_ok(["--clave-api", "k3y9"])
        self.assertNotIn("k3y9", out.stdout)
        self.assertIn("4 caracteres", out.stdout)

    def test_graph_command_uses_the_saved_airport_and_offset(self):
        self.run_ok(["--aeropuerto", "LEMD", "--desfase", "2"])
        out = self.box.run(["grafica", "--demo", "--json"])
        self.assertEqual(out.returncode, 0, out.stderr)
        graph = json.loads(out.stdout)
        self.assertIn("Madrid", graph["title"])


class EnlacesCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def test_lists_as_the_menus_show_them(self):
        self.box.write_setting("Brisanet.ini",
                               "AEMET\nhttps://www.aemet.es/\nTerminal\n/usr/bin/xterm\nsuelta\n")
        self.box.write_setting("GrafPref.ini", "Almería \nLEAMXX\n")
        out = self.box.run(["enlaces", "--json"])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(json.loads(out.stdout), {
            "linksFile": True, "favouritesFile": True,
            "links": [{"name": "AEMET", "address": "https://www.aemet.es/", "web": True},
                      {"name": "Terminal", "address": "/usr/bin/xterm", "web": False}],
            "favourites": [{"name": "Almería", "icao": "LEAM"}]})
        text = self.box.run(["enlaces"]).stdout
        self.assertIn("2. Terminal: /usr/bin/xterm (no es una dirección web: no se abre)", text)

    def test_missing_files_have_no_submenu(self):
        out = self.box.run(["enlaces", "--json"])
        self.assertEqual(out.returncode, 0, out.stderr)
        self.assertEqual(json.loads(out.stdout), {
            "linksFile": False, "favouritesFile": False, "links": [], "favourites": []})
        self.assertIn("el submenú no aparece", self.box.run(["enlaces"]).stdout)


if __name__ == "__main__":
    unittest.main()
