#!/usr/bin/python3
"""Writes the demo answers of AEMET OpenData used by the automatic-station demo
and tests: an index answer and a data answer of 24 hourly records for 8019
(Alicante-Elche airport, with dew point "tpr") and for 3195 (Madrid Retiro,
without "tpr" and without wind, as the real station), plus an expired-key and
an invalid-key answer. The layout and spacing copy the real answers quoted in
tests/data/samples/aemet/ (quoted_*.json); the values are invented but
plausible for a summer day (2026-07-16 13 UTC to 2026-07-17 12 UTC).

    /usr/bin/python3 tests/data/ema/make_demo_answers.py
"""

import math
from datetime import datetime, timedelta
from pathlib import Path

HERE = Path(__file__).resolve().parent
FIRST_HOUR = datetime(2026, 7, 16, 13)
METADATA = "https://opendata.aemet.es/opendata/sh/55c2971b"


def number(x, decimals=1):
    return round(float(x), decimals)


def record(fields):
    # Texts in quotes, numbers as AEMET writes them (one decimal at least: 0.0, 667.0).
    lines = [f'  "{k}" : "{v}"' if isinstance(v, str) else f'  "{k}" : {float(v)!r}'
             for k, v in fields]
    return "{\n" + ",\n".join(lines) + "\n}"


def answer(records):
    return "[ " + ", ".join(records) + " ]\n"


def index(data_url):
    return ('{\n  "descripcion" : "exito",\n  "estado" : 200,\n'
            f'  "datos" : "{data_url}",\n  "metadatos" : "{METADATA}"\n}}\n')


def daily(h, low, high, warmest):
    """A smooth day: `low` twelve hours away from the warmest UTC hour."""
    return (low + high) / 2 + (high - low) / 2 * math.cos(2 * math.pi * (h - warmest) / 24)


def dew_point(t, rh):
    a, b = 17.27, 237.7
    g = a * t / (b + t) + math.log(rh / 100)
    return b * g / (a - g)


def alicante(i, when):
    h = when.hour
    ta = daily(h, 23.4, 30.6, 13)
    hr = daily(h, 48, 79, 1)
    breeze = 9 <= h <= 18  # sea breeze from the south-east by day, land breeze at night
    vv = 4.2 + 1.4 * math.sin(math.pi * (h - 9) / 9) if breeze else 1.2 + 0.3 * (i % 3)
    dv = 125 + 3 * (i % 5) if breeze else 285 + 5 * (i % 4)
    pres = 1011.2 + 0.8 * math.cos(2 * math.pi * (h - 10) / 12)
    return [
        ("idema", "8019"), ("lon", -0.570833), ("fint", when.strftime("%Y-%m-%dT%H:%M:%S")),
        ("prec", 0.0), ("alt", 43.0), ("vmax", number(vv * 1.6)), ("vv", number(vv)),
        ("dv", number(dv, 0)), ("lat", 38.282778), ("dmax", number(dv + 10, 0)),
        ("ubi", "ALICANTE-ELCHE/AEROPUERTO"), ("pres", number(pres)), ("hr", number(hr, 0)),
        ("stdvv", 0.8), ("ts", number(ta + (6 if 7 <= h <= 17 else -2))),
        ("pres_nmar", number(pres + 5.0)), ("tamin", number(ta - 0.3)), ("ta", number(ta)),
        ("tamax", number(ta + 0.3)), ("tpr", number(dew_point(ta, hr))), ("stddv", 12.0),
        ("inso", 60.0 if 6 <= h <= 17 else 0.0),
    ]


def retiro(i, when):
    h = when.hour
    ta = daily(h, 21.2, 35.4, 15)
    hr = daily(h, 19, 47, 3)
    pres = 938.1 + 0.9 * math.cos(2 * math.pi * (h - 10) / 12)
    return [
        ("idema", "3195"), ("lon", -3.678095), ("fint", when.strftime("%Y-%m-%dT%H:%M:%S")),
        ("prec", 0.0), ("alt", 667.0), ("lat", 40.411804), ("ubi", "MADRID RETIRO"),
        ("pres", number(pres)), ("hr", number(hr, 0)), ("pres_nmar", number(pres + 76.4)),
        ("tamin", number(ta - 0.4)), ("ta", number(ta)), ("tamax", number(ta + 0.4)),
        ("rviento", number(40 + 35 * (1 + math.sin(math.pi * (h - 8) / 12)), 0)),
    ]


def write(name, text):
    (HERE / name).write_bytes(text.encode("ascii"))


def main():
    hours = [FIRST_HOUR + timedelta(hours=i) for i in range(24)]
    write("indice_8019.json", index("https://opendata.aemet.es/opendata/sh/5e8c1d27"))
    write("datos_8019.json", answer([record(alicante(i, w)) for i, w in enumerate(hours)]))
    write("indice_3195.json", index("https://opendata.aemet.es/opendata/sh/a3f40b6e"))
    write("datos_3195.json", answer([record(retiro(i, w)) for i, w in enumerate(hours)]))
    # AEMET's own answer to an expired key is not on record; this one carries the
    # word the program looks for.
    write("clave_caducada.json", '{\n  "descripcion" : "API key caducada",\n  "estado" : 401\n}\n')
    write("clave_invalida.json", '{\n  "descripcion" : "API key invalido",\n  "estado" : 401\n}\n')


if __name__ == "__main__":
    main()
