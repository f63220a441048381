#!/usr/bin/python3
"""The peer of the benchmark: the 24-hour meteogram a user would otherwise
script with matplotlib, from the series `brisalta-cli grafica --json` writes.

Four panels as in Brisalta's graph (temperature with dew point and relative
humidity, pressure, wind speed, wind direction), the header lines as title,
written as a PNG of the same pixel size. Run as a whole process, like the
program it is compared with:

    /usr/bin/python3 bench/meteogram.py serie.json salida.png 1859 1052
"""
import json
import math
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

MISSING = 6666
COMPASS = ["N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
           "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"]


def values(series, key):
    return [math.nan if v == MISSING else v for v in series[key]]


def humidity(t, td):
    if math.isnan(t) or math.isnan(td):
        return math.nan
    e = lambda c: math.exp(17.27 * c / (c + 237.3))  # noqa: E731
    return 100.0 * e(td) / e(t)


def main():
    source, target, width, height = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    with open(source, encoding="utf-8") as f:
        series = json.load(f)
    hours = [f"{h:02d}" if h != MISSING else "" for h in series["hour"]]
    x = list(range(len(hours)))
    temperature = values(series, "temperature")
    dew_point = values(series, "dewPoint")
    pressure = values(series, "pressure")
    wind = values(series, "windSpeed")
    direction = [COMPASS.index(d) * 22.5 if d in COMPASS else math.nan for d in series["windDirection"]]
    rh = [humidity(t, td) for t, td in zip(temperature, dew_point)]

    dpi = 100
    fig, axes = plt.subplots(2, 2, figsize=(width / dpi, height / dpi), dpi=dpi)
    fig.suptitle(series["headerLine1"].strip() + "\n" + series["headerLine2"].strip(), fontsize=11)

    ax = axes[0][0]
    ax.fill_between(x, 0, rh, color="#ccffff", label="Humedad relativa (%)")
    ax.set_ylim(0, 100)
    ax.set_ylabel("%")
    twin = ax.twinx()
    twin.plot(x, temperature, color="red", linewidth=2, marker="o", label="Temperatura")
    twin.plot(x, dew_point, color="green", linewidth=2, marker="o", label="Punto de rocío")
    twin.set_ylabel("ºC")
    ax.set_title("Temperatura, punto de rocío y humedad")

    axes[0][1].plot(x, pressure, color="#3200a4", linewidth=2, marker="o")
    axes[0][1].set_title("Presión (hPa)")
    axes[1][0].bar(x, wind, color="#4060c0")
    axes[1][0].set_title("Velocidad del viento (km/h)")
    axes[1][1].scatter(x, direction, color="black")
    axes[1][1].set_ylim(0, 360)
    axes[1][1].set_yticks(range(0, 361, 90), ["N", "E", "S", "O", "N"])
    axes[1][1].set_title("Dirección del viento")
    for row in axes:
        for a in row:
            a.set_xticks(x, hours, fontsize=8)
            a.grid(True, linestyle=":")
    fig.savefig(target, dpi=dpi)


if __name__ == "__main__":
    main()
