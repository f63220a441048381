#!/usr/bin/python3
"""Writes the sounding answers of the demo folder (data/demo/).

Run by hand from the repository root: /usr/bin/python3 scripts/make-demo-soundings.py

Three observed soundings and one forecast listing, built from a few key
levels of each profile (temperature, dew point, wind against height) that are
typical of the place and season: the pressure of every level comes from the
hypsometric equation, the humidity from the Magnus formula, so the columns
agree with each other the way a real report's do.

- Lisboa (08579) and Tenerife (60018): pages of the text-list service, laid out
  like its real TEXT:LIST answers (tests/data/samples/uwyo/): the heading lines,
  eleven fixed-width columns, the levels up to 20 hPa (those above 100 hPa
  without humidity, as the service prints them) and the station block.
- Murcia (08430): a page of the second service, laid out like the fixture
  tests/data/sounding/second_service_murcia.html: every level in one line of
  table cells after "<center><table>", highest first, wind in km/h.
- Madrid-Barajas: a forecast listing of the NOAA READY tool (GDAS model
  levels, CR LF line ends) like tests/data/sounding/ready_gdas_station.txt,
  with a surface row of pressure and height only and the humidity list.

The query parameters YEAR, MONTH, FROM, TO and date are wildcards
(comodines.txt), so each answer serves every date and both hours.
"""
import math
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "data", "demo")

RD = 287.05  # J/(kg K)
G = 9.80665  # m/s2


def magnus(t):
    """Saturation vapour pressure (hPa) over water at t (°C)."""
    return 6.1078 * math.exp(17.2693882 * t / (t + 237.3))


def relative_humidity(t, td):
    return max(1, min(100, round(100.0 * magnus(td) / magnus(t))))


def mixing_ratio(td, p):
    e = magnus(td)
    return 621.97 * e / (p - e)  # g/kg


class Profile:
    """Temperature, dew point and wind interpolated in height between key
    levels, with the pressure integrated upwards from the surface."""

    def __init__(self, surface_pressure, keys):
        self.keys = keys  # (height m, T °C, Td °C, direction deg, speed)
        z0 = keys[0][0]
        top = keys[-1][0]
        self.table = [(z0, surface_pressure)]
        z, p = z0, surface_pressure
        while z < top:
            t, td, _, _ = self.at(z + 5)
            tv = (t + 273.15) * (1 + 0.61 * mixing_ratio(td, p) / 1000.0)
            p *= math.exp(-G * 10 / (RD * tv))
            z += 10
            self.table.append((z, p))

    def at(self, z):
        keys = self.keys
        if z <= keys[0][0]:
            k = keys[0]
            return k[1], k[2], k[3], k[4]
        for a, b in zip(keys, keys[1:]):
            if a[0] <= z <= b[0]:
                f = (z - a[0]) / (b[0] - a[0])
                d0, d1 = a[3], b[3]
                if abs(d1 - d0) > 180:  # turn the short way round
                    d1 += 360 if d1 < d0 else -360
                direction = (d0 + f * (d1 - d0)) % 360
                return (a[1] + f * (b[1] - a[1]), a[2] + f * (b[2] - a[2]), direction,
                        a[4] + f * (b[4] - a[4]))
        k = keys[-1]
        return k[1], k[2], k[3], k[4]

    def pressure(self, z):
        for (z0, p0), (z1, p1) in zip(self.table, self.table[1:]):
            if z0 <= z <= z1:
                return math.exp(math.log(p0) + (z - z0) / (z1 - z0) * (math.log(p1) - math.log(p0)))
        return self.table[-1][1]

    def height(self, p):
        for (z0, p0), (z1, p1) in zip(self.table, self.table[1:]):
            if p1 <= p <= p0:
                return z0 + (math.log(p) - math.log(p0)) / (math.log(p1) - math.log(p0)) * (z1 - z0)
        raise ValueError("pressure %.1f outside the profile" % p)


def write(path, text, crlf=False):
    path = os.path.join(ROOT, path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if crlf:
        text = text.replace("\n", "\r\n")
    with open(path, "w", encoding="ascii", newline="") as f:
        f.write(text)
    print("escrito", os.path.relpath(path, ROOT))


# ---------------------------------------------------------------- text list

MANDATORY = [1000, 925, 850, 700, 500, 400, 300, 250, 200, 150, 100, 70, 50, 30, 20]


def text_list_page(number, name, region_note, elevation, surface_pressure, keys, extra_heights):
    prof = Profile(surface_pressure, keys)
    levels = {round(surface_pressure, 1): elevation}
    for p in MANDATORY:
        if p < surface_pressure:
            levels[float(p)] = prof.height(p)
    for z in extra_heights:
        levels[round(prof.pressure(z), 1)] = z
    rows = []
    for p in sorted(levels, reverse=True):
        z = levels[p]
        t, td, d, s = prof.at(z)
        theta = (t + 273.15) * (1000.0 / p) ** 0.2857
        if p >= 100:
            w = mixing_ratio(td, p)
            thte = theta * math.exp(2501.0 * w / 1000.0 / (1.005 * (t + 273.15)))
            thtv = theta * (1 + 0.61 * w / 1000.0)
            rows.append("%7.1f%7d%7.1f%7.1f%7d%7.2f%7d%7d%7.1f%7.1f%7.1f" % (
                p, round(z), t, td, relative_humidity(t, td), w, round(d / 5) * 5, round(s),
                theta, thte, thtv))
        else:
            # Above 100 hPa the service gives no humidity.
            rows.append("%7.1f%7d%7.1f%21s%7d%7d%7.1f%7s%7.1f" % (
                p, round(z), t, "", round(d / 5) * 5, round(s), theta, "", theta))
    header = [
        "<HTML>",
        "<TITLE>University of Wyoming - Radiosonde Data</TITLE>",
        '<LINK REL="StyleSheet" HREF="/resources/select.css" TYPE="text/css">',
        '<BODY BGCOLOR="white">',
        "<H2>%s %s Observations at 12Z 17 Jul 2024</H2>" % (number, name),
        "<PRE>",
        "-" * 77,
        "   PRES   HGHT   TEMP   DWPT   RELH   MIXR   DRCT   SKNT   THTA   THTE   THTV",
        "    hPa     m      C      C      %    g/kg    deg   knot     K      K      K ",
        "-" * 77,
    ]
    lat, lon = region_note
    footer = [
        "</PRE><H3>Station information and sounding indices</H3><PRE>",
        "                             Station number: %s" % number,
        "                           Observation time: 240717/1200",
        "                           Station latitude: %.2f" % lat,
        "                          Station longitude: %.2f" % lon,
        "                          Station elevation: %.1f" % elevation,
        "</PRE>",
        "<P>Description of the ",
        '<A HREF="/upperair/columns.html">data columns</A>',
        "</BODY>",
        "</HTML>",
    ]
    return "\n".join(header + rows + footer) + "\n"


def text_list_answer(region, station):
    return ("weather.uwyo.edu/cgi-bin/sounding@region=%s_TYPE=TEXT_LIST_YEAR=__MONTH=__FROM=__TO=_"
            "_STNM=%s" % (region, station))


# Lisboa, a summer day of northerly wind ("nortada"): a cool marine layer
# under the subsidence inversion, warm and dry above it.
LISBOA = [
    (105, 26.4, 15.4, 340, 12), (500, 23.0, 14.0, 345, 18), (800, 20.6, 12.8, 350, 20),
    (1000, 22.8, 4.0, 355, 16), (1500, 23.6, -2.0, 10, 10), (2000, 20.0, -4.0, 30, 8),
    (3000, 12.4, -8.0, 60, 6), (4500, 1.8, -14.0, 250, 8), (5800, -8.6, -24.0, 260, 14),
    (7500, -21.0, -35.0, 265, 22), (9500, -37.5, -48.0, 270, 30), (11800, -55.0, -66.0, 270, 38),
    (14000, -58.0, -75.0, 265, 25), (16500, -62.0, -80.0, 260, 15), (20000, -58.0, -82.0, 90, 10),
    (24000, -54.0, -84.0, 100, 12), (27500, -50.0, -85.0, 95, 14),
]

# Tenerife, under the trade wind: a moist north-easterly layer capped by the
# trade-wind inversion at about 1300 m, very dry air above.
TENERIFE = [
    (105, 24.2, 18.0, 20, 14), (500, 21.0, 17.0, 25, 18), (1000, 17.0, 14.0, 30, 18),
    (1200, 15.8, 13.6, 35, 16), (1400, 21.2, -6.0, 40, 10), (1800, 22.0, -12.0, 60, 8),
    (2500, 17.0, -14.0, 220, 6), (3500, 9.0, -18.0, 250, 12), (5850, -9.5, -30.0, 260, 22),
    (7500, -21.5, -38.0, 265, 30), (9700, -38.0, -50.0, 270, 40), (12500, -58.0, -68.0, 270, 45),
    (15000, -66.0, -78.0, 270, 30), (16600, -68.0, -80.0, 265, 15), (20000, -60.0, -84.0, 90, 12),
    (27500, -50.0, -86.0, 90, 18),
]


# ----------------------------------------------------------- second service

# Murcia on a summer afternoon (12Z is two in the afternoon there, before
# the day's highest temperature): a deep dry convective layer up to about
# 2600 m under a slightly stable layer, a south-easterly sea breeze near the
# ground, westerlies aloft (km/h).
MURCIA = [
    (62, 33.0, 11.5, 110, 14), (200, 31.8, 11.2, 110, 16), (1000, 24.8, 9.5, 130, 12),
    (2000, 15.6, 7.5, 180, 10), (2600, 10.4, 5.5, 220, 12), (3000, 9.6, -2.0, 240, 18),
    (4000, 4.0, -8.0, 250, 22), (5900, -8.2, -20.0, 255, 30), (7500, -18.8, -32.0, 260, 40),
    (9500, -33.5, -45.0, 265, 55), (11500, -50.0, -60.0, 265, 65), (12500, -55.0, -68.0, 265, 60),
    (17000, -60.0, -78.0, 260, 30),
]


def second_service_page():
    prof = Profile(1009.5, MURCIA)
    heights = [62, 70] + list(range(125, 16600, 75))
    cells = []
    for z in reversed(heights):
        p = prof.pressure(z)
        t, td, d, s = prof.at(z)
        tv = (t + 273.15) * (1 + 0.61 * mixing_ratio(td, p) / 1000.0) - 273.15
        cells.append("<tr><td>%d</td><td>%.1f</td><td>%.1f</td><td>%.1f</td><td>%.1f</td>"
                     "<td>%d</td><td>%d</td><td>%d</td></tr>" % (
                         z, p, t, tv, td, relative_humidity(t, td), round(d), round(s)))
    headings = ["Altitude (m)", "Pression (hPa)", "Temp&eacute;rature (&deg;C)",
                "Temp. virtuelle (&deg;C)", "Point de ros&eacute;e (&deg;C)", "Humidit&eacute; (%)",
                "Direction du vent (&deg;)", "Vitesse du vent (km/h)"]
    heading_row = '<tr class="entete">' + "".join(
        '<th class="entete" align="center" valign="middle">%s</th>' % h for h in headings) + "</tr>"
    lines = [
        '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">',
        "<html>",
        "<head>",
        "<title>Sondage - Murcia</title>",
        '<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">',
        '<link rel="stylesheet" href="/style.css" type="text/css">',
        "</head>",
        "<body>",
        '<div class="titre">Sondage observ&eacute; de Murcia (Espagne)</div>',
        '<div class="texte">Donn&eacute;es issues du radiosondage, du niveau le plus haut au '
        "niveau le plus bas.</div>",
        "<center><table>",
        heading_row + "".join(cells),
        "</table></center>",
        '<div class="texte">Source : radiosondages</div>',
        "</body>",
        "</html>",
    ]
    return "\n".join(lines) + "\n"


# ------------------------------------------------------------------ forecast

# Madrid-Barajas, a July afternoon forecast: hot and dry, with thermals
# reaching far up before the air turns stable (wind in m/s).
MADRID = [
    (609, 34.0, 8.0, 200, 3.5), (800, 32.2, 7.6, 210, 4.0), (1500, 25.6, 6.0, 225, 5.0),
    (2500, 16.3, 4.0, 235, 6.0), (3500, 7.0, 1.0, 240, 7.0), (4300, 0.6, -1.5, 240, 8.0),
    (5000, -4.0, -14.0, 245, 9.0), (5900, -9.6, -24.0, 250, 11.0), (7500, -20.5, -34.0, 255, 14.0),
    (9500, -36.0, -46.0, 260, 19.0), (11800, -53.0, -62.0, 260, 24.0),
    (13000, -57.0, -70.0, 255, 20.0), (16500, -62.0, -80.0, 250, 10.0),
    (20000, -58.0, -85.0, 90, 6.0), (25000, -52.0, -88.0, 95, 9.0), (31000, -45.0, -90.0, 100, 12.0),
]

GDAS_LEVELS = [939, 935, 929, 922, 914, 905, 895, 883, 870, 856, 840, 823, 804, 784, 762, 739,
               714, 688, 661, 633, 604, 574, 544, 514, 484, 454, 424, 395, 366, 338, 311, 285,
               260, 236, 214, 193, 174, 156, 140, 125, 111, 98, 87, 77, 68, 61, 55, 48, 42, 36,
               31, 27, 23, 19, 16, 14, 12]


def forecast_listing():
    prof = Profile(942.0, MADRID)
    rows = ["  942.   609.E"]
    humidity = []
    for p in GDAS_LEVELS:
        z = prof.height(p)
        t, td, d, s = prof.at(z)
        rows.append("%5d.%6d.E%6.1f%7.1f%8.1f%8.1f" % (p, round(z), t, td, d, s))
        humidity.append("%6d.%6d." % (p, relative_humidity(t, td)))
    lines = [
        " NOAA Air Resources Laboratory - READY Sounding",
        " Meteorological model: GDAS 0.5 degree, 3 hourly, Global",
        "",
        "  Sounding for    rLEMD*Madrid*Barajas",
        "",
        " YEAR: 2024  MONTH:  7  DAY: 15  HOUR: 15",
        "",
        "PRESS HGT(MSL) TEMP DEW PT  WND DIR  WND SPD",
        "HPA       M      C     C       DEG     M/S  ",
        "E = Estimated Surface Height",
        "",
    ] + rows + ["", " Relative Humidity", " PRESS    RH(%)"] + humidity
    return "\n".join(lines) + "\n"


def main():
    write(text_list_answer("europe", "08579"),
          text_list_page("08579", "Lisboa", (38.77, -9.13), 105, 1016.2, LISBOA,
                         [500, 800, 1000, 1500, 2000, 3000, 4500, 7500, 9500, 11800, 14000]))
    write(text_list_answer("africa", "60018"),
          text_list_page("60018", "Guimar-Tenerife", (28.32, -16.38), 105, 1014.8, TENERIFE,
                         [500, 1000, 1200, 1400, 1800, 2500, 3500, 7500, 12500, 15000]))
    write("www.meteociel.fr/cartes_obs/sondage_display.php@id=08430_map=4_date=__map2=4",
          second_service_page())
    write("previsiones/madrid-barajas-gdas.txt", forecast_listing(), crlf=True)


if __name__ == "__main__":
    main()
