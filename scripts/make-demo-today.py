#!/usr/bin/python3
"""Writes the demo answers of today's services (data/demo/), the ones the
default source chain asks for, so that `brisalta --demo` and `brisalta-cli
grafica|sondeo --demo` draw with no network:

    /usr/bin/python3 scripts/make-demo-today.py [demo folder]

Airports (28-29 July 2017, the same night as the classic demo answers): the
hourly values of scripts/make-demo-data.py become one METAR an hour, and the
newest one is the real report of that night (the METAR corpus), so both
chains draw nearly the same graph. Written in the shapes of the real answers
in tests/data/samples/today/:

    aviationweather.gov/api/data/metar@ids=ICAO_format=json_hours=24
    mesonet.agron.iastate.edu/cgi-bin/request/asos.py@station=ICAO_..._sts=__ets=_

LEAL, LEMD, LEBL and SAEZ answer in the data API's 2025 schema, LEST and MMMX
in its 2023 schema (MMMX without "elev": its curve stays QNH); LEST has a
SPECI. For SCEL the API answers 204 with no body and for SKBO a 503 error page:
their graphs come from the mesonet (comma-separated, with the elevation).

Soundings (the new interface, CSV, winds in m/s):

    weather.uwyo.edu/wsgi/sounding@datetime=__id=NNNNN_type=TEXT_CSV

Lisboa (08579) gives the levels of its text-list page, Murcia (08430) a level
every 75 m up to 100 hPa and beyond, both from the profiles of
scripts/make-demo-soundings.py; Tenerife (60018) answers the service's 404, so
its sounding comes from the text-list service as before. The "sts", "ets" and
"datetime" parameters are wildcards (comodines.txt).
"""
import importlib.util
import json
import math
import re
import sys
from datetime import datetime, timedelta, timezone
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def load(name, path):
    spec = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


demo = load("make_demo_data", ROOT / "scripts" / "make-demo-data.py")
soundings = load("make_demo_soundings", ROOT / "scripts" / "make-demo-soundings.py")
fx = demo.fx

AWC = "aviationweather.gov"
IEM = "mesonet.agron.iastate.edu"
WYOMING = "weather.uwyo.edu"

COMPASS = ["N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
           "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"]

# icao: (API name, latitude, longitude, sky of the hourly reports, pressure group)
PLACES = {
    "LEAL": ("Alicante/El Altet Arpt, V, ES", 38.282, -0.558, "CAVOK", "Q"),
    "LEMD": ("Madrid/Barajas Intl, M, ES", 40.472, -3.563, "CAVOK", "Q"),
    "LEST": ("Santiago/Labacolla Arpt, GA, ES", 42.896, -8.415, "9999 SCT020", "Q"),
    "LEBL": ("Barcelona/El Prat Arpt, CT, ES", 41.297, 2.078, "9999 FEW020", "Q"),
    "SAEZ": ("Buenos Aires/Ezeiza Intl, BA, AR", -34.822, -58.536, "CAVOK", "Q"),
    "SCEL": ("Santiago/Arturo Merino Benitez Intl, RM, CL", -33.393, -70.786, "9999 NSC", "Q"),
    "SKBO": ("Bogota/El Dorado Intl, DC, CO", 4.702, -74.147, "9999 FEW020 SCT070", "A"),
    "MMMX": ("Mexico City/Benito Juarez Intl, DF, MX", 19.436, -99.072, "12SM BKN080", "A"),
}
SCHEMA_2023 = {"LEST", "MMMX"}
WITHOUT_ELEVATION = {"MMMX"}
FROM_MESONET = {"SCEL": (204, b""), "SKBO": (503, None)}


def wind_group(wind):
    direction, mph = wind
    if direction == "Calm" or mph == 0:
        return "00000KT"
    knots = max(1, round(mph / 1.15078))
    if direction == "Variable":
        return "VRB%02dKT" % knots
    degrees = round(COMPASS.index(direction) * 22.5 / 10) * 10
    return "%03d%02dKT" % (degrees or 360, knots)


def temperature_group(t):
    return ("M%02d" % -t) if t < 0 else "%02d" % t


def pressure_group(qnh, unit):
    if qnh is None:
        return None
    # The program reads A3031 as 3031 x 0.3386 = 1026.3 hPa, truncated: the
    # smallest altimeter setting that reads back as the hourly QNH.
    return "A%04d" % math.ceil(qnh / 0.3386) if unit == "A" else "Q%d" % qnh


class Report:
    def __init__(self, raw, when, speci=False):
        self.raw = raw
        self.when = when
        self.speci = speci


def hourly_reports(icao, rows, minute, real_report):
    """One routine report per row (oldest first), the last one the real one."""
    _, _, _, sky, unit = PLACES[icao]
    out = []
    for hour, t, td, qnh, wind, day in rows:
        when = datetime(2017, 7, day, hour, minute, tzinfo=timezone.utc)
        groups = ["%s %02d%02d%02dZ" % (icao, day, hour, minute), wind_group(wind), sky,
                  "%s/%s" % (temperature_group(t), temperature_group(td)),
                  pressure_group(qnh, unit)]
        out.append(Report(" ".join(g for g in groups if g), when))
    day, hhmm = int(real_report.split()[1][:2]), real_report.split()[1][2:6]
    out[-1] = Report(real_report, datetime(2017, 7, day, int(hhmm[:2]), int(hhmm[2:]),
                                           tzinfo=timezone.utc))
    return out


def airport_reports():
    """icao: (reports oldest first, elevation or None)."""
    airports = {}
    for icao, (_, _, elevation, _, rows, report) in fx.STATIONS.items():
        airports[icao] = (hourly_reports(icao, rows, 30, report), elevation)
    for icao, (_, _, elevation, _, rows, minute, report) in demo.LATIN_AMERICA.items():
        # The page gives no elevation for MMMX; the airport stands at 2230 m.
        airports[icao] = (hourly_reports(icao, rows, minute, report), elevation or 2230)
    # Santiago: fog thickening before dawn, told by a special report that is
    # the newest of its hour.
    reports, elevation = airports["LEST"]
    reports.append(Report("LEST 290550Z 20007KT 3000 BR BKN003 17/17 Q1018",
                          datetime(2017, 7, 29, 5, 50, tzinfo=timezone.utc), speci=True))
    reports.sort(key=lambda r: r.when)
    return airports


def iso(when, fraction=True):
    return when.strftime("%Y-%m-%dT%H:%M:%S") + (".000Z" if fraction else "Z")


def decoded_fields(raw):
    """The values the API adds beside the report text, read from its groups."""
    fields = {}
    for word in raw.split()[2:]:
        if word in ("NOSIG", "TEMPO", "BECMG", "RMK"):
            break
        wind = re.fullmatch(r"(\d{3}|VRB)(\d{2})KT", word)
        pair = re.fullmatch(r"(M?\d{2})/(M?\d{2})", word)
        if wind:
            fields["wdir"] = "VRB" if wind.group(1) == "VRB" else int(wind.group(1))
            fields["wspd"] = int(wind.group(2))
        elif pair:
            value = lambda g: -int(g[1:]) if g.startswith("M") else int(g)
            fields["temp"], fields["dewp"] = value(pair.group(1)), value(pair.group(2))
        elif re.fullmatch(r"Q\d{4}", word):
            fields["altim"] = int(word[1:])
        elif re.fullmatch(r"A\d{4}", word):
            fields["altim"] = round(int(word[1:]) / 2.953, 1)
    return fields


def api_entry(icao, report, elevation, index, schema_2023):
    name, lat, lon, _, _ = PLACES[icao]
    received = report.when + timedelta(minutes=3, seconds=17 + index % 40)
    nominal = report.when if report.when.minute < 45 else \
        report.when.replace(minute=0) + timedelta(hours=1)
    kind = "SPECI" if report.speci else "METAR"
    values = decoded_fields(report.raw)
    if schema_2023:
        entry = {
            "metar_id": 198400000 + 731 * index,
            "icaoId": icao,
            "receiptTime": received.strftime("%Y-%m-%d %H:%M:%S"),
            "obsTime": int(report.when.timestamp()),
            "reportTime": nominal.strftime("%Y-%m-%d %H:%M:%S"),
            **values,
            "wgst": None,
            "slp": None,
            "qcField": 0,
            "wxString": None,
            "metarType": kind,
            "rawOb": report.raw,
            "mostRecent": 1 if index == 0 else 0,
            "lat": lat,
            "lon": lon,
            "elev": elevation,
            "prior": 4,
            "name": name,
        }
    else:
        entry = {
            "icaoId": icao,
            "receiptTime": iso(received),
            "obsTime": int(report.when.timestamp()),
            "reportTime": iso(nominal),
            **values,
            "qcField": 0,
            "metarType": kind,
            "rawOb": kind + " " + report.raw,
            "lat": lat,
            "lon": lon,
            "elev": elevation,
            "name": name,
        }
    if elevation is None:
        del entry["elev"]
    return entry


def api_answer(icao, reports, elevation):
    schema_2023 = icao in SCHEMA_2023
    entries = [api_entry(icao, r, elevation, i, schema_2023)
               for i, r in enumerate(reversed(reports))]
    if schema_2023:
        # The 2023 service wrote compact objects and escaped the slashes.
        text = "[" + ",".join(json.dumps(e, separators=(",", ":")) for e in entries) + "]"
        return text.replace("/", "\\/") + "\n"
    return json.dumps(entries, indent=2) + "\n"


def mesonet_answer(icao, reports, elevation):
    lines = ["station,valid,elevation,metar"]
    for r in reports:
        lines.append("%s,%s,%.2f,%s" % (icao, r.when.strftime("%Y-%m-%d %H:%M"), elevation, r.raw))
    return "\n".join(lines) + "\n"


def api_file(icao):
    return "%s/api/data/metar@ids=%s_format=json_hours=24" % (AWC, icao)


def mesonet_file(icao):
    return ("%s/cgi-bin/request/asos.py@station=%s_data=metar_tz=Etc_2FUTC_format=onlycomma_"
            "latlon=no_elev=yes_missing=M_trace=T_direct=no_report_type=3_report_type=4_"
            "sts=__ets=_" % (IEM, icao))


ERROR_PAGE = """<!DOCTYPE html>
<html><head><title>503 Service Unavailable</title></head>
<body><h1>Service Unavailable</h1>
<p>The server is temporarily unable to service your request. Please try again later.</p>
</body></html>
"""


# ------------------------------------------------------------------ soundings

CSV_HEADER = ("time,longitude,latitude,pressure_hPa,geopotential height_m,temperature_C,"
              "dew point temperature_C,ice point temperature_C,relative humidity_%,"
              "humidity wrt ice_%,mixing ratio_g/kg,wind direction_degree,wind speed_m/s")


def ice_point(t, td):
    """The frost point where the dew point is below freezing (Magnus over ice)."""
    if td >= 0:
        return td
    e = soundings.magnus(td)
    g = math.log(e / 6.1115)
    return 272.55 * g / (22.452 - g)


def csv_line(launch, lon, lat, p, z, t, td, direction, knots):
    rh = soundings.relative_humidity(t, td)
    tice = ice_point(t, td)
    rh_ice = rh if t >= 0 else max(1, min(100, round(rh * soundings.magnus(t) / (
        6.1115 * math.exp(22.452 * t / (t + 272.55))))))
    return "%s,%.4f,%.4f,%6.1f,%5d,%5.1f,%5.1f,%5.1f,%3d,%3d,%5.2f,%3d,%4.1f" % (
        launch, lon, lat, p, round(z), t, td, tice, rh, rh_ice, soundings.mixing_ratio(td, p),
        round(direction / 5) * 5 % 360, knots / 1.943844)


def text_list_levels(surface_pressure, elevation, keys, extra_heights):
    """The levels of the demo text-list page (make-demo-soundings.py), lowest first."""
    prof = soundings.Profile(surface_pressure, keys)
    levels = {round(surface_pressure, 1): elevation}
    for p in soundings.MANDATORY:
        if p < surface_pressure:
            levels[float(p)] = prof.height(p)
    for z in extra_heights:
        levels[round(prof.pressure(z), 1)] = z
    return prof, [(p, levels[p]) for p in sorted(levels, reverse=True)]


def lisboa_csv():
    prof, levels = text_list_levels(1016.2, 105, soundings.LISBOA,
                                    [500, 800, 1000, 1500, 2000, 3000, 4500, 7500, 9500,
                                     11800, 14000])
    lines = [CSV_HEADER]
    for p, z in levels:
        t, td, d, s = prof.at(z)
        lines.append(csv_line("2024-07-17 11:03:00", -9.1300, 38.7700, p, z, t, td, d, s))
    return "\n".join(lines) + "\n"


def murcia_csv():
    """A level every 75 m, with the mandatory levels among them as the
    service's dense soundings have them."""
    # The profile's winds are km/h; the sonde reports them in m/s like any other.
    prof = soundings.Profile(1009.5, soundings.MURCIA)
    levels = {round(prof.pressure(z), 1): z for z in [62] + list(range(125, 17000, 75))}
    for p in soundings.MANDATORY:
        if 1009.5 > p >= prof.pressure(16990):
            levels[float(p)] = prof.height(p)
    lines = [CSV_HEADER]
    for p in sorted(levels, reverse=True):
        z = levels[p]
        t, td, d, s = prof.at(z)
        lines.append(csv_line("2024-07-17 11:05:00", -1.1700, 38.0000, p, z, t, td, d,
                              s / 1.852))
    return "\n".join(lines) + "\n"


def sounding_file(station):
    return "%s/wsgi/sounding@datetime=__id=%s_type=TEXT_CSV" % (WYOMING, station)


def write(folder, relative, data):
    path = folder / relative
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data if isinstance(data, bytes) else data.encode("ascii"))
    print("escrito", relative)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "data" / "demo"
    for icao, (reports, elevation) in airport_reports().items():
        if icao in FROM_MESONET:
            status, body = FROM_MESONET[icao]
            write(folder, api_file(icao), body if body is not None else ERROR_PAGE)
            write(folder, api_file(icao) + ".status", "%d\n" % status)
            write(folder, mesonet_file(icao), mesonet_answer(icao, reports, elevation))
        else:
            shown = None if icao in WITHOUT_ELEVATION else elevation
            write(folder, api_file(icao), api_answer(icao, reports, shown))
    write(folder, sounding_file("08579"), lisboa_csv())
    write(folder, sounding_file("08430"), murcia_csv())
    write(folder, sounding_file("60018"),
          "Unable to retrieve the data for 60018 at 2024-07-17 12:00:00.\n")
    write(folder, sounding_file("60018") + ".status", "404\n")


if __name__ == "__main__":
    main()
