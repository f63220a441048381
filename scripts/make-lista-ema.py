#!/usr/bin/python3
"""Builds data/lista.ema, the default automatic-station list, from AEMET's
station inventory.

Source: tests/data/samples/aemet_stations/climaemet_aemet_stations_2026-07-17.json,
AEMET OpenData's inventory of all stations ("inventarioestaciones/todasestaciones")
as published by rOpenSpain/climaemet on 2026-07-17 (920 stations; province
names there are in title case). Run by hand when the inventory is refreshed:

    /usr/bin/python3 scripts/make-lista-ema.py [inventory.json] [output]

Each station becomes three pairs, one per line, Windows-1252:

    ID = 8019X;
    NOMBRE = ALICANTE-ELCHE AEROPUERTO;
    PROVINCIA = Alicante;

The program sends the ID without its last character to AEMET, so every
identifier ("indicativo") gets one check character appended: always the letter
X. Names and provinces are kept as the inventory writes them. Stations are
sorted by province, then by name, ignoring accents and case.
"""

import json
import sys
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
INVENTORY = ROOT / "tests/data/samples/aemet_stations/climaemet_aemet_stations_2026-07-17.json"
OUTPUT = ROOT / "data/lista.ema"
CHECK_CHARACTER = "X"
KEYS = ("ID = ", "NOMBRE = ", "PROVINCIA = ")

HEADER = (
    "Estaciones automáticas de AEMET (inventario de AEMET OpenData, 2026-07-17).\n"
    "Generado con scripts/make-lista-ema.py, tres líneas por estación.\n\n"
)


def sort_key(text):
    plain = unicodedata.normalize("NFD", text)
    plain = "".join(c for c in plain if not unicodedata.combining(c))
    return plain.casefold()


def checked(value, what):
    # A value ends at the first ';', and a key inside a value would start a new pair.
    if ";" in value or any(key in value for key in KEYS):
        sys.exit(f"{what} {value!r} cannot be written to the list")
    value.encode("cp1252")  # every character must exist in the code page
    return value


def main():
    inventory = Path(sys.argv[1]) if len(sys.argv) > 1 else INVENTORY
    output = Path(sys.argv[2]) if len(sys.argv) > 2 else OUTPUT
    stations = json.loads(inventory.read_text(encoding="utf-8"))
    stations.sort(key=lambda s: (sort_key(s["provincia"]), sort_key(s["nombre"]), s["indicativo"]))
    lines = [HEADER]
    for s in stations:
        lines.append(f"ID = {checked(s['indicativo'], 'identifier')}{CHECK_CHARACTER};\n")
        lines.append(f"NOMBRE = {checked(s['nombre'], 'name')};\n")
        lines.append(f"PROVINCIA = {checked(s['provincia'], 'province')};\n\n")
    output.write_bytes("".join(lines).encode("cp1252"))
    print(f"{output}: {len(stations)} stations")


if __name__ == "__main__":
    main()
