"""brisalta-cli's data out, end to end on the demo data: the table as the
dialog shows it (--tabla, and "table" in --json), the CSV and Excel exports
(--exportar, --combinar) checked against what the file format says, not
against the program's own code, and the printed page (--imprimir) read back
with pdftotext and pdftoppm."""
import json
import os
import subprocess
import unittest

import openpyxl

from clitools import SOURCE_DATA, TEST_DATA, Sandbox, pdf_page

DEMO = os.path.join(SOURCE_DATA, "demo")
FORECAST = os.path.join(DEMO, "previsiones", "madrid-barajas-gdas.txt")
DOCUMENTS = os.path.join(TEST_DATA, "document")
MISSING = 6666

COMPASS = {  # slot text: (Brújula, degrees)
    "N": ("N", 0), "NNE": ("NNE", 22), "NE": ("NE", 45), "ENE": ("ENE", 68), "E": ("E", 90),
    "ESE": ("ESE", 112), "SE": ("SE", 135), "SSE": ("SSE", 158), "S": ("S", 180),
    "SSW": ("SSO", 202), "SW": ("SO", 225), "WSW": ("OSO", 248), "W": ("O", 270),
    "WNW": ("ONO", 292), "NW": ("NO", 315), "NNW": ("NNO", 338), "Calm": ("Calma", 0),
    "---": ("Calma", 0), "Variable": ("Variable", 0),
}
GRAPH_COLUMNS = ["Fecha", "Hora", "Temperatura (°C)", "Rocío (°C)", "Humedad (%)",
                 "Presión real(mb)", "Velocidad (km/h)", "Dirección (°)", "Brújula"]


def humidity(t, td):
    return int(100 * ((112 - 0.1 * t + td) / (112 + 0.9 * t)) ** 8)


def expected_graph_lines(graph, offset):
    """The 24 data lines of a graph's CSV, worked out from its JSON series the
    way the export file is described: hours advanced by the offset, the day
    before on the first line (none on the 1st), the graph's date at hour 0."""
    n = offset + 24 if offset < 0 else offset
    lines = []
    for slot in range(24):
        h = graph["hour"][slot]
        for _ in range(n if n > 0 else 0):
            h = h + 1 if h + 1 < 24 else h - 23
        date = ""
        if slot == 0 and graph["day"] != 1:
            date = "%02d/%02d/%d" % (graph["day"] - 1, graph["month"], graph["year"])
        if h == 0:
            date = "%02d/%02d/%d" % (graph["day"], graph["month"], graph["year"])

        def value(v):
            return "" if v == MISSING else str(v)
        t, td = graph["temperature"][slot], graph["dewPoint"][slot]
        hum = "" if MISSING in (t, td) else str(humidity(t, td))
        speed = graph["windSpeed"][slot]
        compass, degrees = COMPASS.get(graph["windDirection"][slot], ("", 0))
        lines.append("%s,%d,%s,%s,%s,%s,%s,%s,%s" % (
            date, h, value(t), value(td), hum, value(graph["pressure"][slot]), value(speed),
            "" if speed == MISSING else str(degrees), compass))
    return lines


class DataOutCli(unittest.TestCase):
    def setUp(self):
        self.box = Sandbox()
        self.addCleanup(self.box.close)

    def run_ok(self, args, code=0):
        out = self.box.run(args)
        self.assertEqual(out.returncode, code, out.stderr)
        return out

    def json_of(self, args, code=0):
        out = self.run_ok(args + ["--json"], code)
        return json.loads(out.stdout), out

    def read(self, name):
        with open(self.box.path(name), "rb") as f:
            return f.read()

    # --- the table -------------------------------------------------------

    # The table as the dialog shows it: the two header lines, the column names,
    # then the 24 hours, the latest on top, cells separated by tabs.
    def test_hourly_table_as_text(self):
        out = self.run_ok(["grafica", "--demo", "LEMD", "--tabla"])
        graph, _ = self.json_of(["grafica", "--demo", "LEMD"])
        lines = out.stdout.splitlines()
        start = lines.index("Hora\tTemperatura ºC\tPunto Rocío ºC\tHumedad %\tPresión mb\t"
                            "Viento km/h\tDir. viento")
        self.assertEqual(lines[start - 2], graph["headerLine1"])
        self.assertEqual(lines[start - 1], graph["headerLine2"])
        rows = [line.split("\t") for line in lines[start + 1:]]
        self.assertEqual(len(rows), 24)
        self.assertTrue(all(len(r) == 7 for r in rows))
        # Row 0 is slot 23, an hour later in local time (offset 1).
        self.assertEqual(rows[0][0], str((graph["hour"][23] + 1) % 24))
        self.assertEqual(rows[0][1], str(graph["temperature"][23]))
        self.assertEqual(rows[23][0], str((graph["hour"][0] + 1) % 24))

    # In JSON: title, header lines, columns, rows, and every cell equal to a
    # daily extreme highlighted in its colour.
    def test_table_json_highlights_every_extreme(self):
        obj, _ = self.json_of(["grafica", "--demo", "LEMD", "--tabla"])
        table = obj["table"]
        self.assertEqual(set(table), {"title", "headerLine1", "headerLine2", "columns", "rows",
                                      "highlights"})
        self.assertEqual(table["headerLine1"], obj["headerLine1"])
        self.assertEqual(len(table["columns"]), 7)
        self.assertEqual(len(table["rows"]), 24)
        e = obj["extremes"]
        colours = {(h["row"], h["column"]): h["colour"] for h in table["highlights"]}
        for r, row in enumerate(table["rows"]):
            expected = {}
            if row[1] == str(e["maxTemperature"]):
                expected[1] = "#FF6666"
            if row[1] == str(e["minTemperature"]):
                expected[1] = "#99FFFF"
            if row[4] == str(e["maxPressure"]):
                expected[4] = "#FF6666"
            if row[4] == str(e["minPressure"]):
                expected[4] = "#99FFFF"
            if row[5] == str(e["maxWindSpeed"]):
                expected[5] = "#FF6666"
            for column in range(7):
                self.assertEqual(colours.get((r, column)), expected.get(column), (r, column))
        self.assertGreaterEqual(sum(1 for c in colours.values() if c == "#FF6666"), 3)

    # A sounding's table: the title line, one row per level, the freezing
    # level highlighted (Murcia's levels at 0.5 and -0.5 °C are not, the
    # forecast's at 0 °C is); a forecast's speeds are written as they are.
    def test_sounding_tables(self):
        obj, _ = self.json_of(["sondeo", "--demo", "--fuente", "clasico", "08430", "2024-07-17", "12",
                                 "--tabla"])
        table = obj["table"]
        self.assertEqual(table["title"], "Sondeo de la estación Murcia (España) a las 12 horas "
                                         "UTC del día 17 de Julio de 2024")
        self.assertEqual(len(table["rows"]), obj["count"])
        self.assertIn(0.5, [level[2] for level in obj["levels"]])
        self.assertIn(-0.5, [level[2] for level in obj["levels"]])
        self.assertEqual(table["highlights"], [])
        forecast, _ = self.json_of(["prevision", FORECAST, "--tabla"])
        freezing = [r for r, level in enumerate(forecast["levels"]) if abs(level[2]) < 0.5]
        self.assertEqual(forecast["table"]["highlights"],
                         [{"row": r, "column": 2, "colour": "#99FFFF"} for r in freezing])
        self.assertTrue(freezing)
        self.assertEqual(forecast["table"]["rows"][0][5], "%.0f" % forecast["levels"][0][6])

    # sondeo and prevision give the sounding's date and station as abrir does.
    def test_sounding_json_carries_its_date(self):
        obj, _ = self.json_of(["sondeo", "--demo", "08430", "2024-07-17", "12"])
        self.assertEqual((obj["soundingDay"], obj["soundingMonth"], obj["soundingYear"],
                          obj["soundingHour"]), ("17", "7", "2024", "12"))
        forecast, _ = self.json_of(["prevision", FORECAST])
        self.assertTrue({"soundingDay", "soundingMonth", "soundingYear", "soundingHour"}
                        <= set(forecast))

    # A graph read from a document shows its hours as they were stored.
    def test_document_table_keeps_stored_hours(self):
        doc = os.path.join(DOCUMENTS, "graph_v30.brl")
        obj, _ = self.json_of(["abrir", doc, "--tabla"])
        hours = [row[0] for row in obj["table"]["rows"]]
        self.assertEqual(hours, [str(h) for h in reversed(obj["hour"])])

    # --- CSV ---------------------------------------------------------------

    # Byte for byte: Windows-1252, CR LF, no quoting, the header of the
    # station pressure, 24 lines slot 0 first.
    def test_csv_export_bytes(self):
        for icao in ("LEMD", "SAEZ"):
            name = icao + ".csv"
            obj, out = self.json_of(["grafica", "--demo", icao, "--exportar", self.box.path(name)])
            pressure = "Presión Real(mb)" if obj["pressureIsStation"] else "Presión QNH(mb)"
            header = ("Fecha,Hora,Temperatura (ºC),Rocío (ºC),Humedad(%%),%s,Velocidad (km/h),"
                      "Dirección (º),Brújula" % pressure)
            expected = "\r\n".join([header] + expected_graph_lines(obj, 1)) + "\r\n"
            self.assertEqual(self.read(name), expected.encode("cp1252"), icao)
            self.assertEqual(obj["messages"][-1], "Fichero delimitado CSV grabado con el "
                                                  "nombre:\n" + name)
            self.assertIn("aviso: Fichero delimitado CSV grabado", out.stderr)

    # A folder takes the program's default name; appending twice adds a line
    # of 8 commas and 24 lines each time, the first block untouched.
    def test_csv_folder_name_and_combined_exports(self):
        folder = self.box.path("datos")
        os.mkdir(folder)
        obj, _ = self.json_of(["grafica", "--demo", "LEMD", "--exportar", folder])
        name = "Gráfica %s %.2fh %d-%d-%d.csv" % (obj["title"], obj["lastTime"] / 100, obj["day"],
                                                  obj["month"], obj["year"])
        self.assertEqual(os.listdir(folder), [name])
        path = os.path.join(folder, name)
        with open(path, "rb") as f:
            first = f.read()
        for _ in range(2):
            self.run_ok(["grafica", "--demo", "LEMD", "--exportar", path, "--combinar"])
        with open(path, "rb") as f:
            data = f.read()
        self.assertTrue(data.startswith(first))
        lines = data.split(b"\r\n")
        self.assertEqual(lines[-1], b"")
        self.assertEqual(len(lines) - 1, 1 + 24 + 1 + 24 + 1 + 24)
        self.assertEqual(lines[25], b",,,,,,,,")
        self.assertEqual(lines[50], b",,,,,,,,")
        self.assertEqual(lines[26:50], lines[1:25])

    # Appending needs a file written before; a folder that does not exist is
    # told in Spanish. Both end with status 1 and write nothing.
    def test_exports_that_write_nothing_fail(self):
        cases = [
            (["--exportar", self.box.path("nuevo.csv"), "--combinar"],
             "Es necesario grabar primero un fichero individual para poder combinarlo luego.",
             "nuevo.csv"),
            (["--exportar", self.box.path("no/existe.xlsx")],
             "No se ha podido grabar el fichero «existe.xlsx»: la carpeta no existe.", "no"),
        ]
        for options, message, left in cases:
            obj, out = self.json_of(["grafica", "--demo", "LEMD"] + options, code=1)
            self.assertEqual(obj["messages"][-1], message)
            self.assertFalse(os.path.exists(self.box.path(left)), left)
            text = self.box.run(["grafica", "--demo", "LEMD"] + options)
            self.assertEqual(text.returncode, 1)
            self.assertIn("aviso: " + message.replace("\n", " "), text.stderr)
            self.assertNotIn(message, text.stdout)

    # --- Excel -------------------------------------------------------------

    # The workbook opens in openpyxl: sheet "Graficas", the column names with
    # the degree sign, "Hora" a number and the rest text; appending twice gives
    # 1 + 24 + 1 + 24 + 1 + 24 rows with the earlier rows intact.
    def test_excel_export_and_append(self):
        book = self.box.path("dias.xlsx")
        obj, _ = self.json_of(["grafica", "--demo", "LEMD", "--exportar", book])
        self.assertEqual(obj["messages"][-1],
                         "Fichero para Microsoft Excel grabado con el nombre:\n" +
                         os.path.basename(book))
        rows = list(openpyxl.load_workbook(book)["Graficas"].iter_rows(values_only=True))
        self.assertEqual(list(rows[0]), GRAPH_COLUMNS)
        self.assertEqual(len(rows), 25)
        csv_lines = expected_graph_lines(obj, 1)
        for row, line in zip(rows[1:], csv_lines):
            fields = line.split(",")
            self.assertEqual(row[1], int(fields[1]))
            self.assertEqual([row[0] or ""] + [c or "" for c in row[2:]],
                             [fields[0]] + fields[2:])
        for _ in range(2):
            self.run_ok(["grafica", "--demo", "LEMD", "--exportar", book, "--combinar"])
        again = list(openpyxl.load_workbook(book)["Graficas"].iter_rows(values_only=True))
        self.assertEqual(len(again), 25 + 25 + 25)
        self.assertEqual(again[:25], rows)
        self.assertEqual(again[25], ("",) + (None,) * 7 + ("",))
        self.assertEqual(again[26:50], rows[1:25])

    # Appending a sounding to a graph workbook, or anything to a file that is
    # no workbook, is refused and leaves the file byte for byte as it was.
    def test_excel_append_refusals_leave_the_file_alone(self):
        book = self.box.path("graficas.xlsx")
        self.run_ok(["grafica", "--demo", "LEMD", "--exportar", book])
        text = self.box.path("notas.xlsx")
        with open(text, "wb") as f:
            f.write(b"no soy un libro\r\n")
        cases = [
            (book, "El libro «%s» no tiene la hoja «Sondeos» de los datos de sondeos: no se le "
                   "pueden añadir los de este sondeo. No se ha modificado." % os.path.basename(book)),
            (text, "El fichero «%s» no es un libro de Excel (.xlsx): no se le pueden añadir "
                   "datos. No se ha modificado." % os.path.basename(text)),
        ]
        for path, message in cases:
            with open(path, "rb") as f:
                before = f.read()
            obj, _ = self.json_of(["sondeo", "--demo", "08430", "2024-07-17", "12",
                                   "--exportar", path, "--combinar"], code=1)
            self.assertEqual(obj["messages"][-1], message)
            with open(path, "rb") as f:
                self.assertEqual(f.read(), before)

    # The Excel and SVG writers are modules loaded on demand; where one is
    # missing (a broken installation), that output fails with its reason and
    # touches nothing, while the other outputs still work.
    def test_a_missing_writer_module_fails_only_its_own_output(self):
        self.box.env["BRISALTA_MODULOS"] = self.box.path("sin-modulos")
        book = self.box.path("previo.xlsx")
        with open(book, "wb") as f:
            f.write(b"lo de antes")
        cases = [
            (["--exportar", self.box.path("nuevo.xlsx")], "nuevo.xlsx", False),
            (["--exportar", book, "--combinar"], "previo.xlsx", True),
        ]
        for options, name, existed in cases:
            obj, _ = self.json_of(["grafica", "--demo", "LEMD"] + options, code=1)
            self.assertEqual(obj["messages"][-1],
                             "No se ha podido grabar el fichero «%s»: falta la parte del programa "
                             "que escribe los libros de Excel (brisalta-libro.so). Vuelva a "
                             "instalar Brisalta; la exportación a CSV sí funciona." % name)
            self.assertEqual(os.path.exists(self.box.path(name)), existed, name)
        self.assertEqual(self.read("previo.xlsx"), b"lo de antes")

        svg = self.box.run(["grafica", "--demo", "LEMD", "-o", self.box.path("g.svg")])
        self.assertEqual(svg.returncode, 1)
        self.assertIn("falta la parte del programa que escribe SVG (brisalta-svg.so)", svg.stderr)
        self.assertFalse(os.path.exists(self.box.path("g.svg")))
        self.run_ok(["grafica", "--demo", "LEMD", "-o", self.box.path("g.png"),
                     "--exportar", self.box.path("g.csv")])
        self.assertTrue(os.path.getsize(self.box.path("g.png")) > 0)
        self.assertTrue(os.path.getsize(self.box.path("g.csv")) > 0)

    # --- printing ----------------------------------------------------------

    def page_text(self, pdf):
        return subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True,
                              check=True, timeout=60).stdout

    # The graph's page: landscape, the title, the statistics, the sky report
    # and the footer.
    def test_printed_graph_page(self):
        pdf = self.box.path("g.pdf")
        obj, _ = self.json_of(["grafica", "--demo", "LEMD", "--imprimir", pdf])
        text = self.page_text(pdf)
        self.assertIn("Brisalta - " + obj["title"], " ".join(text.split()))
        for line in ("ESTADÍSTICAS:", "OTROS DATOS:",
                     "Temperatura máxima: %dºC a las %d horas." % (
                         obj["extremes"]["maxTemperature"], obj["extremes"]["maxTemperatureHour"]),
                     obj["skyReport"].splitlines()[0].strip(), "Impreso con Brisalta"):
            self.assertIn(line, text)
        self.assertIn(obj["headerLine1"].strip(), text)  # the graph's own header line
        self.assertNotIn("TemperaturaºC", text)
        width, height, _ = pdf_page(pdf)
        self.assertGreater(width, height)

    # With --tabla: the hourly table in place of the graph, the header lines
    # in the side block; a sounding's table on a portrait page.
    def test_printed_table_pages(self):
        pdf = self.box.path("t.pdf")
        obj, _ = self.json_of(["grafica", "--demo", "LEMD", "--tabla", "--imprimir", pdf])
        text = self.page_text(pdf)
        self.assertIn("Hora   TemperaturaºC   RocíoºC", text)
        self.assertIn("ESTADÍSTICAS:", text)
        first_row = obj["table"]["rows"][0]
        self.assertRegex(text, r"\n%s\s+%s\s+%s\s" % tuple(first_row[:3]))
        width, height, _ = pdf_page(pdf)
        self.assertGreater(width, height)

        pdf = self.box.path("s.pdf")
        self.run_ok(["sondeo", "--demo", "08430", "2024-07-17", "12", "--tabla", "--imprimir", pdf])
        text = self.page_text(pdf)
        self.assertIn("Brisalta - Sondeo de Murcia", " ".join(text.split()))
        self.assertIn("Altura(mts)", text)
        self.assertIn("Impreso con Brisalta", text)
        width, height, _ = pdf_page(pdf)
        self.assertGreater(height, width)

    # Command lines that cannot work are refused before anything is done.
    def test_bad_options(self):
        cases = [
            (["--exportar", "datos.txt"], "use la extensión .csv o .xlsx"),
            (["--combinar"], "--combinar"),
            (["--imprimir", "pagina.png"], ".pdf"),
        ]
        for options, part in cases:
            out = self.box.run(["grafica", "--demo", "LEMD"] + options)
            self.assertEqual(out.returncode, 2, options)
            self.assertIn(part, out.stderr)
        helps = self.box.run(["grafica", "--help"]).stdout
        self.assertIn("--exportar F", helps)
        self.assertTrue(all(len(line) <= 80 for line in helps.splitlines()))


if __name__ == "__main__":
    unittest.main()
