#!/usr/bin/python3
"""Reads workbooks for the Excel export tests with independent readers.

  xlsxcheck.py cells BOOK   every sheet: "sheet NAME", then one line per row with
                            each cell as a Python literal (None for no cell, ''
                            for an empty text), tab-separated; read by openpyxl
  xlsxcheck.py parts BOOK   one line per part of the package: name and SHA-1
  xlsxcheck.py make BOOK    writes a workbook as a user might keep one: a
                            "Graficas" sheet with a formula, a bold cell and
                            merged cells, and a second sheet "Notas"
  xlsxcheck.py csv BOOK     the first sheet through xlsx2csv, a second reader
"""
import hashlib
import subprocess
import sys
import zipfile

sys.stdout.reconfigure(encoding="utf-8")


def cells(book):
    import openpyxl
    workbook = openpyxl.load_workbook(book)
    for sheet in workbook.worksheets:
        print("sheet", sheet.title)
        for row in sheet.iter_rows():
            print("\t".join(repr(cell.value) for cell in row))


def parts(book):
    with zipfile.ZipFile(book) as package:
        for info in package.infolist():
            print(info.filename, hashlib.sha1(package.read(info)).hexdigest())


def make(book):
    import openpyxl
    from openpyxl.styles import Font
    workbook = openpyxl.Workbook()
    sheet = workbook.active
    sheet.title = "Graficas"
    sheet.append(["Fecha", "Hora", "Temperatura (°C)", "Rocío (°C)", "Humedad (%)",
                  "Presión real(mb)", "Velocidad (km/h)", "Dirección (°)", "Brújula"])
    sheet.append(["08/03/2024", 14, "19", "8", "48", "1010", "12", "248", "OSO"])
    sheet["K1"] = "=SUM(B2:B3)"
    sheet["K1"].font = Font(bold=True)
    sheet.merge_cells("M1:N2")
    notes = workbook.create_sheet("Notas")
    notes["A1"] = "Vuelo del sábado: térmicas hasta 2400 m"
    workbook.save(book)


def csv(book):
    print(subprocess.run(["xlsx2csv", book], check=True, capture_output=True,
                         text=True).stdout, end="")


{"cells": cells, "parts": parts, "make": make, "csv": csv}[sys.argv[1]](sys.argv[2])
