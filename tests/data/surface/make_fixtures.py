#!/usr/bin/python3
"""Writes the current-conditions pages, query pages, station files and the
Banyeres table of this folder. Run it from anywhere: /usr/bin/python3 make_fixtures.py
The hourly values are typed in below (a late-July day, 28-29 Jul 2017, ending
with the real 07:30 UTC reports of that morning); the Banyeres table is cut out
of a real WeatherLink export kept in ../samples/weatherlink/."""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = '<FONT FACE="Arial,Helvetica">'


def fahrenheit(c):
    return int(math.floor(c * 9 / 5 + 32 + 0.5))


def inches(hpa):
    return "%.2f" % (hpa * 0.02953)


def wind_cell(wind):
    direction, mph = wind
    if direction == "Calm":
        text = "Calm"
    else:
        text = "%s %d MPH" % (direction, mph)
    return "<TD>" + FONT + "<SMALL><B>" + text + "</B></SMALL></FONT></TD>\n"


def row(hour, t, td, qnh, wind, day):
    """One table row; a qnh of None leaves the pressure cell blank."""
    out = "<TR>\n"
    out += "<TD>%s%d Jul %02d:30 UTC (%02d)</FONT></TD>\n" % (FONT, day, hour, hour)
    out += "<TD>%s%d F (%d C)</FONT></TD>\n" % (FONT, fahrenheit(t), t)
    out += "<TD>%s%d F (%d C)</FONT></TD>\n" % (FONT, fahrenheit(td), td)
    if qnh is None:
        out += "<TD>%s&nbsp;</FONT></TD>\n" % FONT
    else:
        out += "<TD>%s%s in (%d hPa)</FONT></TD>\n" % (FONT, inches(qnh), qnh)
    out += wind_cell(wind)
    out += "</TR>\n"
    return out


def page(icao, name, position, elevation, humidity, rows):
    """rows: oldest first, (utc hour, t, td, qnh, (direction, mph), day); the page lists newest first."""
    newest = rows[-1]
    out = "<HTML>\n<HEAD>\n<TITLE>Current Weather Conditions: %s</TITLE>\n" % name
    out += '<META HTTP-EQUIV="Refresh" CONTENT="1800">\n</HEAD>\n<BODY BGCOLOR="#FFFFFF">\n'
    out += '<TABLE WIDTH="640" BORDER=0 CELLPADDING=2>\n<TR><TD>\n'
    out += FONT[:-1] + ' SIZE=+2><B>Current Weather Conditions:<BR>%s</B></FONT>\n' % name
    out += "<BR>%s<B>%s %s %dM\n" % (FONT, "(%s)" % icao, position, elevation)
    out += "</B></FONT>\n"
    out += '<FORM METHOD=GET ACTION="/cgi-bin/currwx.pl"><INPUT TYPE=HIDDEN NAME="cccc" VALUE="%s">\n' % icao
    out += ('Units: <SELECT NAME="units"><OPTION SELECTED>English<OPTION>Metric</SELECT><BR>'
            "Jul 29, 2017 - %02d:30 AM EDT / 2017.07.29 %02d30 UTC\n" % (newest[0] - 4, newest[0]))
    out += "</FORM>\n</TD></TR>\n</TABLE>\n"
    out += '<TABLE WIDTH="640" BORDER=1 CELLPADDING=2>\n'
    out += '<TR><TD ALIGN=RIGHT>%s<B>Temperature</B></FONT></TD>\n' % FONT
    out += "<TD>%s%d F (%d C)</FONT></TD></TR>\n" % (FONT, fahrenheit(newest[1]), newest[1])
    out += '<TR><TD ALIGN=RIGHT>%s<B>Dew Point</B></FONT></TD>\n' % FONT
    out += "<TD>%s%d F (%d C)</FONT></TD></TR>\n" % (FONT, fahrenheit(newest[2]), newest[2])
    out += '<TR><TD ALIGN=RIGHT>%s<B>Relative Humidity</B></FONT></TD>\n' % FONT
    out += "<TD>%s%3d%%</FONT></TD></TR>\n" % (FONT, humidity)
    out += '<TR><TD ALIGN=RIGHT>%s<B>Pressure (altimeter)</B></FONT></TD>\n' % FONT
    out += "<TD>%s%s in. Hg (%d hPa)</FONT></TD></TR>\n" % (FONT, inches(newest[3]), newest[3])
    out += "</TABLE>\n<BR>\n"
    out += '<TABLE WIDTH="640" BORDER=1 CELLPADDING=2>\n'
    out += '<TR><TH COLSPAN=5>%sLatest hourly observations, newest first</FONT></TH></TR>\n' % FONT
    out += "<TR><TH>Time</TH><TH>Temperature</TH><TH>Dew Point</TH><TH>Pressure</TH><TH>Wind</TH></TR>\n"
    for r in reversed(rows):
        out += row(*r)
    out += "</TABLE>\n</BODY>\n</HTML>\n"
    return out


def series(hours, temps, dews, qnhs, winds):
    """Rows oldest first; the hours before midnight UTC belong to 28 July."""
    rows = []
    day = 28
    for h, t, td, q, w in zip(hours, temps, dews, qnhs, winds):
        if rows and h < rows[-1][0]:
            day = 29
        rows.append((h, t, td, q, w, day))
    return rows


DAY = list(range(8, 24)) + list(range(0, 8))  # UTC hours of a day ending at 07:30

LEMD = series(
    DAY,
    [24, 27, 29, 31, 33, 34, 35, 36, 36, 35, 34, 32, 30, 28, 27, 26, 25, 24, 23, 22, 21, 21, 22, 25],
    [9, 8, 8, 7, 6, 6, 5, 5, 6, 6, 7, 8, 8, 9, 9, 9, 8, 8, 8, 8, 8, 8, 8, 8],
    [1017, 1017, 1017, 1016, 1016, 1015, 1015, 1014, 1014, 1014, 1015, 1015,
     1016, 1016, 1017, 1017, 1017, 1017, 1017, 1017, 1018, 1018, 1018, 1018],
    [("Variable", 3), ("E", 5), ("SE", 6), ("S", 7), ("SW", 9), ("SW", 12), ("SW", 14),
     ("WSW", 15), ("SW", 16), ("SW", 13), ("SW", 10), ("S", 7), ("SSE", 5), ("Calm", 0),
     ("Calm", 0), ("NE", 3), ("NE", 5), ("NNE", 6), ("NE", 5), ("Calm", 0), ("Variable", 2),
     ("Calm", 0), ("Variable", 2), ("Variable", 2)])

LEAL = series(
    DAY,
    [29, 30, 31, 31, 32, 32, 31, 31, 30, 29, 28, 27, 27, 26, 26, 25, 25, 25, 24, 24, 24, 25, 27, 29],
    [20, 20, 19, 19, 18, 18, 19, 20, 21, 21, 21, 21, 21, 21, 21, 21, 20, 20, 20, 20, 20, 20, 21, 21],
    [1016, 1016, 1016, 1015, 1015, 1015, 1014, 1014, 1014, 1014, 1015, 1015,
     1015, 1015, 1015, 1015, 1015, 1015, 1015, 1015, 1016, 1016, 1016, 1016],
    [("E", 7), ("E", 10), ("ESE", 12), ("ESE", 13), ("SE", 14), ("SE", 15), ("SE", 15),
     ("ESE", 13), ("E", 12), ("E", 10), ("ENE", 8), ("NE", 6), ("Calm", 0), ("W", 5),
     ("WNW", 6), ("W", 5), ("Calm", 0), ("WSW", 3), ("Calm", 0), ("W", 4), ("Calm", 0),
     ("Variable", 2), ("E", 3), ("Variable", 1)])

# Barcelona: only the last 20 hours are on the page, and the 02:30 row lost its
# pressure reading.
LEBL = series(
    list(range(12, 24)) + list(range(0, 8)),
    [29, 29, 29, 28, 28, 27, 27, 26, 26, 25, 25, 25, 24, 24, 24, 24, 24, 24, 25, 26],
    [21, 21, 22, 22, 22, 22, 22, 22, 22, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21],
    [1016, 1016, 1015, 1015, 1015, 1015, 1015, 1016, 1016, 1016, 1016, 1016,
     1016, 1016, None, 1016, 1017, 1017, 1017, 1017],
    [("S", 10), ("S", 12), ("SSW", 12), ("SSW", 12), ("S", 10), ("S", 9), ("SSE", 7),
     ("SE", 5), ("Calm", 0), ("WNW", 5), ("NW", 6), ("NW", 5), ("NNW", 5), ("N", 4),
     ("N", 3), ("Calm", 0), ("NNE", 3), ("N", 3), ("N", 3), ("N", 3)])

# Santiago de Compostela: fog and drizzle in the morning.
LEST = series(
    DAY,
    [19, 21, 22, 23, 24, 24, 23, 23, 22, 21, 20, 19, 18, 18, 17, 17, 17, 17, 17, 17, 17, 17, 17, 18],
    [15, 15, 15, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 17, 17, 17, 17, 17, 17, 17, 18],
    [1019, 1019, 1019, 1018, 1018, 1018, 1017, 1017, 1017, 1017, 1017, 1018,
     1018, 1018, 1018, 1018, 1018, 1018, 1018, 1018, 1018, 1018, 1018, 1018],
    [("WSW", 9), ("WSW", 10), ("W", 12), ("W", 13), ("W", 14), ("WSW", 14), ("WSW", 12),
     ("SW", 10), ("SW", 9), ("SW", 7), ("SSW", 6), ("SSW", 5), ("Calm", 0), ("S", 3),
     ("SSW", 5), ("SSW", 6), ("SSW", 7), ("SSW", 7), ("SSW", 8), ("SSW", 8), ("SSW", 7),
     ("SSW", 8), ("SSW", 8), ("SSW", 8)])

STATIONS = {
    # icao: (name, position, elevation, humidity, rows, report)
    "LEMD": ("Madrid / Barajas, Spain", "40-27N 003-33W", 582, 33, LEMD,
             "LEMD 290730Z VRB02KT CAVOK 25/08 Q1018 NOSIG"),
    "LEAL": ("Alicante / El Altet, Spain", "38-17N 000-33W", 43, 62, LEAL,
             "LEAL 290730Z VRB01KT CAVOK 29/21 Q1016 NOSIG"),
    "LEBL": ("Barcelona / Aeropuerto, Spain", "41-17N 002-04E", 6, 73, LEBL,
             "LEBL 290730Z 35003KT 9999 FEW015 26/21 Q1017 NOSIG"),
    "LEST": ("Santiago / Labacolla, Spain", "42-54N 008-25W", 370, 100, LEST,
             "LEST 290730Z 21007KT 170V240 7000 BCFG -DZ BKN002 18/18 Q1018 TEMPO 1400 DZ"),
}


def query_page(report):
    """The aviation weather "METARs form" answer, laid out like the real 2009 page
    in ../samples/adds_metars/."""
    return """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd">
<HTML>
<HEAD>
<TITLE>ADDS - METARs form results</TITLE>
<LINK REL="StyleSheet" type="text/css" HREF="/layout/ops/mystyle.css">
</HEAD>
<BODY BGCOLOR="#FFFFFF">
  <TABLE SUMMARY="This table is used for formatting purposes only" BORDER=0 CELLPADDING=3 CELLSPACING=0>
    <TR VALIGN="top">
      <TD ALIGN="left" COLSPAN="2">
        <H2>Aviation Digital Data Service (ADDS)</H2>

        Output produced by METARs form (0745&#160;UTC&nbsp;29 July 2017)<BR>
        found at <A HREF="/metars/index.php"> http://adds.aviationweather.gov/metars/index.php</A><BR>&#160;<BR>
      </TD>
    </TR>
    <TR VALIGN="top">
      <TD ALIGN="left" COLSPAN="2">

<FONT FACE="Monospace,Courier">%s</FONT><BR>
      </TD>
    </TR>
  </TABLE>
</BODY>
</HTML>
""" % report


def banyeres():
    """The half-hour lines of the real WeatherLink export (36 columns), with two
    more columns ("---", no reading) so that every line has the 38 words of the
    Banyeres table; the columns the reader uses (1-17) are untouched."""
    source = os.path.join(HERE, "..", "samples", "weatherlink", "yebeere_cuentagotas_downld02.txt")
    with open(source, "rb") as f:
        lines = f.read().split(b"\r\n")
    out = lines[:3]
    for line in lines[3:]:
        words = line.split()
        if len(words) < 2 or not (words[1].endswith(b":00") or words[1].endswith(b":30")):
            continue
        out.append(line.rstrip() + b"    ---    ---")
    return b"\r\n".join(out) + b"\r\n"


def write(relative, data):
    path = os.path.join(HERE, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("ascii"))


def main():
    for icao, (name, position, elevation, humidity, rows, report) in STATIONS.items():
        write("current/%s.html" % icao, page(icao, name, position, elevation, humidity, rows))
        write("query/%s.html" % icao, query_page(report))
        write("stations/%s.TXT" % icao, "2017/07/29 07:30\n%s\n" % report)
    write("banyeres/downld02_halfhourly.txt", banyeres())


if __name__ == "__main__":
    main()
