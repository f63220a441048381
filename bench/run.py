#!/usr/bin/python3
"""The table of scripts/bench: every figure is the median of several runs,
with the smallest and the largest beside it, all measured in this run.

- the micro-benchmarks (bench/, Google Benchmark): the METAR decoder over the
  real corpus, every reader, the pictures and the documents;
- whole runs of brisalta-cli (the README's examples) and of the matplotlib
  peer (bench/meteogram.py), taken in shuffled turns so that the load of the
  machine falls on all of them alike;
- the desktop program under the X server of the run (xvfb-run): the time from
  its launch to its first painted frame and its memory with a graph and a
  sounding drawn (BRISALTA_MEDIR_ARRANQUE=1, see src/ui/startmeasure.h).

    /usr/bin/python3 bench/run.py --build build/release [--veces N] [--rapido]
"""
import argparse
import json
import os
import random
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GOLDEN = os.path.join(SOURCE, "tests", "data", "golden")
CORPUS = os.path.join(SOURCE, "tests", "data", "samples", "metar_corpus")

MICRO = {
    "MetarDecoder_Corpus": ("Descodificador METAR, corpus real", "partes/s"),
    "Reader_CurrentConditionsPage": ("Página de condiciones actuales (NOAA)", "páginas/s"),
    "Reader_QueryPage": ("Página de consulta METAR", "páginas/s"),
    "Reader_StationFile": ("Fichero METAR de la estación", "páginas/s"),
    "Reader_Banyeres": ("Tabla de Banyeres", "páginas/s"),
    "Reader_TextListSounding": ("Sondeo, lista de texto", "páginas/s"),
    "Reader_SecondServiceSounding": ("Sondeo, segundo servicio", "páginas/s"),
    "Reader_ForecastListing": ("Sondeo previsto (READY)", "páginas/s"),
    "Reader_OpenDataIndex": ("AEMET OpenData, respuesta de la consulta", "páginas/s"),
    "Reader_OpenDataRecords": ("AEMET OpenData, registros horarios", "páginas/s"),
    "Reader_AwcMetarAnswer": ("API de aviationweather.gov (JSON)", "páginas/s"),
    "Reader_IemAsosAnswer": ("IEM ASOS (CSV)", "páginas/s"),
    "Reader_WyomingCsv": ("Sondeo del nuevo servicio (CSV)", "páginas/s"),
    "Graph_NullCanvas": ("prepareGraph + paintGraph, lienzo nulo", "dibujos/s"),
    "Graph_Image1920": ("prepareGraph + paintGraph, QImage 1920×1080", "dibujos/s"),
    "Sounding_NullCanvas": ("Sondeo con simulación de techo, lienzo nulo", "dibujos/s"),
    "Sounding_Image1920": ("Sondeo con simulación de techo, QImage 1920×1080", "dibujos/s"),
    "Document_GraphRoundTrip": ("Documento .brl de gráfica, escribir y leer", "documentos/s"),
    "Document_SoundingRoundTrip": ("Documento .brl de sondeo, escribir y leer", "documentos/s"),
}


def spread(values, digits=1):
    """'median (min–max)' of a list of numbers."""
    values = sorted(values)
    f = f"{{:.{digits}f}}"
    return f"{f.format(statistics.median(values))} ({f.format(values[0])}–{f.format(values[-1])})"


def rate_text(value):
    if value >= 1e6:
        return f"{value / 1e6:.2f} M"
    if value >= 1e3:
        return f"{value / 1e3:.1f} k"
    return f"{value:.0f}"


def time_text(microseconds):
    if microseconds >= 1000.0:
        return f"{microseconds / 1000.0:.2f} ms"
    return f"{microseconds:.1f} µs"


def machine():
    model = "?"
    with open("/proc/cpuinfo", encoding="utf-8") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return f"{os.cpu_count()} núcleos, {model}"


def load():
    return " / ".join(f"{x:.2f}" for x in os.getloadavg())


def micro_benchmarks(build, repetitions, min_time):
    exe = os.path.join(build, "bench", "brisalta_bench")
    out = subprocess.run([exe, "--benchmark_format=json", f"--benchmark_repetitions={repetitions}",
                          f"--benchmark_min_time={min_time}"],
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                         check=True, capture_output=True, text=True).stdout
    runs = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("run_type") != "iteration":
            continue
        name = b["run_name"]
        runs.setdefault(name, []).append(b["items_per_second"])
    rows = []
    for name, (label, unit) in MICRO.items():
        rates = runs.get(name)
        if not rates:
            continue
        times_us = [1e6 / r for r in rates]
        med = statistics.median(rates)
        rows.append((label, f"{rate_text(med)} {unit}",
                     f"{rate_text(min(rates))}–{rate_text(max(rates))}",
                     time_text(statistics.median(times_us))))
    return rows, runs


def run_once(cmd, env, stdin_path=None):
    """Wall time, CPU time (ms) and peak resident memory (MiB) of one whole run."""
    stdin = open(stdin_path, "rb") if stdin_path else subprocess.DEVNULL
    try:
        start = time.perf_counter()
        p = subprocess.Popen(cmd, env=env, stdin=stdin, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(p.pid, 0)
        wall = (time.perf_counter() - start) * 1000.0
    finally:
        if stdin_path:
            stdin.close()
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"bench: falló {' '.join(cmd)}")
    return wall, (usage.ru_utime + usage.ru_stime) * 1000.0, usage.ru_maxrss / 1024.0


def whole_runs(build, times, scratch):
    cli = os.path.join(build, "src", "cli", "brisalta-cli")
    corpus = os.path.join(scratch, "corpus.txt")
    with open(corpus, "wb") as out:
        for name in sorted(os.listdir(CORPUS)):
            with open(os.path.join(CORPUS, name), "rb") as f:
                out.write(f.read())
    reports = sum(1 for line in open(corpus, "rb") if line.strip())
    series = os.path.join(scratch, "serie.json")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=os.path.join(scratch, "config"))
    with open(series, "wb") as out:
        subprocess.run([cli, "grafica", "--demo", "LEAL", "--json"], env=env, stdout=out,
                       stderr=subprocess.DEVNULL, check=True)
    o = lambda name: os.path.join(scratch, name)  # noqa: E731
    cases = [
        ("grafica --demo LEAL -o x.png", [cli, "grafica", "--demo", "LEAL", "-o", o("x.png")], None),
        ("grafica --demo LEAL -o x.svg", [cli, "grafica", "--demo", "LEAL", "-o", o("x.svg")], None),
        ("grafica --demo LEAL -o x.pdf", [cli, "grafica", "--demo", "LEAL", "-o", o("x.pdf")], None),
        ("grafica --demo LEAL --json", [cli, "grafica", "--demo", "LEAL", "--json"], None),
        ("sondeo --demo 08430 2024-07-17 12 --techo 36 18 -o s.png",
         [cli, "sondeo", "--demo", "08430", "2024-07-17", "12", "--techo", "36", "18", "-o", o("s.png")], None),
        ("ema 8019 --demo -o e.png", [cli, "ema", "8019", "--demo", "-o", o("e.png")], None),
        (f"metar < corpus ({reports} partes)", [cli, "metar"], corpus),
        ("matplotlib: el mismo meteograma en PNG",
         ["/usr/bin/python3", os.path.join(SOURCE, "bench", "meteogram.py"), series, o("m.png"), "1859", "1052"],
         None),
    ]
    results = {name: [] for name, _, _ in cases}
    # Every round runs each command once, in a shuffled order and with a short
    # pause between runs, so that no command always follows the heavy peer.
    order = random.Random(13)
    for _ in range(times):
        for name, cmd, stdin in order.sample(cases, len(cases)):
            time.sleep(0.05)
            results[name].append(run_once(cmd, env, stdin))
    sizes = {n: os.path.getsize(o(n)) for n in ("x.png", "s.png", "m.png")}
    return cases, results, reports, sizes


def window_runs(build, times, scratch):
    exe = os.path.join(build, "src", "ui", "brisalta")
    documents = [os.path.join(GOLDEN, "grafica-LEAL-json", "g.brl"),
                 os.path.join(GOLDEN, "sondeo-murcia-36-18", "s.brl")]
    env = dict(os.environ, BRISALTA_MEDIR_ARRANQUE="1", BRISALTA_MEDIR_DOCUMENTOS=":".join(documents),
               XDG_CONFIG_HOME=os.path.join(scratch, "config-ventana"))
    env.pop("QT_QPA_PLATFORM", None)
    launch, from_main, memory = [], [], []
    # The first run makes the settings folder, as the first start on a machine does; it is not counted.
    for run in range(times + 1):
        start = time.monotonic()
        p = subprocess.Popen([exe, "--demo"], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        ready, _, _ = select.select([p.stdout], [], [], 60)
        if not ready or "documentos dibujados" not in p.stdout.readline():
            p.kill()
            sys.exit("bench: la ventana no dibujó los documentos a tiempo")
        p.send_signal(signal.SIGTERM)
        _, err = p.communicate(timeout=60)
        figures = {}
        for line in err.splitlines():
            if "reloj monotónico del primer dibujo" in line:
                figures["frame"] = float(line.split(":")[1].split()[0])
            elif "ms desde main" in line:
                figures["main"] = float(line.split(":")[1].split()[0])
            elif "memoria residente al salir" in line:
                figures["rss"] = float(line.split(":")[1].split()[0])
        if len(figures) != 3:
            sys.exit("bench: la ventana no dio sus cifras:\n" + err)
        if run > 0:
            launch.append((figures["frame"] - start) * 1000.0)
            from_main.append(figures["main"])
            memory.append(figures["rss"])
    return launch, from_main, memory


def table(rows, header):
    lines = ["| " + " | ".join(header) + " |", "|" + "|".join("---" for _ in header) + "|"]
    lines += ["| " + " | ".join(r) + " |" for r in rows]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(SOURCE, "build", "release"))
    parser.add_argument("--veces", type=int, default=11, help="ejecuciones de cada orden (11)")
    parser.add_argument("--rapido", action="store_true", help="pocas ejecuciones, para comprobar que todo funciona")
    args = parser.parse_args()
    times = 3 if args.rapido else args.veces
    repetitions, min_time = (2, 0.01) if args.rapido else (7, 0.2)
    build = os.path.abspath(args.build)

    print(f"# Brisalta: rendimiento ({time.strftime('%Y-%m-%d %H:%M')})\n")
    print(f"Máquina: {machine()}. Carga media al empezar: {load()}.\n")
    with tempfile.TemporaryDirectory(prefix="brisalta-bench-") as scratch:
        micro, _ = micro_benchmarks(build, repetitions, min_time)
        print(f"## Micro-pruebas (Google Benchmark, mediana de {repetitions} repeticiones)\n")
        print(table(micro, ["Medida", "Mediana", "Mín–máx", "Tiempo por unidad"]))

        cases, results, reports, sizes = whole_runs(build, times, scratch)
        print(f"\n## Procesos completos (mediana de {times} ejecuciones en rondas barajadas; entre paréntesis mín–máx)\n")
        rows = []
        for name, _, _ in cases:
            r = results[name]
            rows.append((f"`{name}`", spread([x[0] for x in r]) + " ms", spread([x[1] for x in r]) + " ms",
                         spread([x[2] for x in r]) + " MiB"))
        print(table(rows, ["Orden", "Tiempo real", "Tiempo de CPU", "Memoria máxima"]))
        wall = lambda name: statistics.median(x[0] for x in results[name])  # noqa: E731
        cpu = lambda name: statistics.median(x[1] for x in results[name])  # noqa: E731
        peer = "matplotlib: el mismo meteograma en PNG"
        png = "grafica --demo LEAL -o x.png"
        sounding = "sondeo --demo 08430 2024-07-17 12 --techo 36 18 -o s.png"
        metar = next(n for n, _, _ in cases if n.startswith("metar"))
        print()
        print(f"- La gráfica en PNG es {wall(peer) / wall(png):.1f} veces más rápida que matplotlib en tiempo real "
              f"({cpu(peer) / cpu(png):.1f} veces en CPU); el sondeo con su simulación, "
              f"{wall(peer) / wall(sounding):.1f} veces ({cpu(peer) / cpu(sounding):.1f} en CPU).")
        print(f"- PNG: gráfica {sizes['x.png'] / 1024:.0f} KiB, sondeo {sizes['s.png'] / 1024:.0f} KiB, "
              f"matplotlib {sizes['m.png'] / 1024:.0f} KiB.")
        print(f"- `brisalta-cli metar` con el corpus entero: {reports / (wall(metar) / 1000.0):,.0f} partes/s "
              f"contando el arranque del proceso.".replace(",", " "))

        if os.environ.get("DISPLAY"):
            launch, from_main, memory = window_runs(build, times, scratch)
            print(f"\n## Programa de escritorio (Xvfb, mediana de {times} arranques; entre paréntesis mín–máx)\n")
            print(table([
                ("Primer dibujo de la ventana desde el lanzamiento", spread(launch) + " ms"),
                ("Primer dibujo de la ventana desde main()", spread(from_main) + " ms"),
                ("Memoria residente con una gráfica y un sondeo dibujados", spread(memory) + " MiB"),
            ], ["Medida", "Valor"]))
        else:
            print("\n(Sin DISPLAY no se mide el programa de escritorio: scripts/bench lo ejecuta bajo xvfb-run.)")
    print(f"\nCarga media al terminar: {load()}.")


if __name__ == "__main__":
    main()
