"""Golden outputs of brisalta-cli: the README's examples and the demo data
(airport graphs, soundings, forecasts, automatic stations, documents), each
run's standard output, standard error, exit status and the files it writes.

Run with --record to write tests/data/golden/ afresh from the current build
(only after checking by eye that a change of output is wanted); without it,
every case is run again and compared. Text, JSON and documents are compared
byte for byte; pictures by what they show: a PNG by its decoded pixels, an SVG
by its bytes, a PDF by the pixels and the text of its pages."""
import gzip
import hashlib
import io
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

from PIL import Image

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CLI = os.path.abspath(os.environ.get("BRISALTA_CLI",
                                     os.path.join(SOURCE, "build", "default", "src", "cli", "brisalta-cli")))
GOLDEN = os.path.join(SOURCE, "tests", "data", "golden")
DEMO = os.path.join(SOURCE, "data", "demo")
FORECAST = os.path.join(DEMO, "previsiones", "madrid-barajas-gdas.txt")
DOCS = os.path.join(SOURCE, "tests", "data", "document")
CORPUS = os.path.join(SOURCE, "tests", "data", "samples", "metar_corpus",
                      "pymetar_subset_spain_canarias_latam.txt")

AIRPORTS = ["LEAL", "LEMD", "LEST", "LEBL", "SAEZ", "SCEL", "SKBO", "MMMX", "BANY"]

# (name, arguments, files the run writes, standard input file or None).
# "{out}" in an argument is the run's scratch folder; "{doc:NAME}" a document
# an earlier case saved.
CASES = [
    ("metar-readme", ["metar", "LEMD", "291800Z", "22010KT", "CAVOK", "35/07", "Q1012", "NOSIG"], [], None),
    ("metar-corpus-json", ["metar", "--json"], [], CORPUS),
    ("metar-corpus-text", ["metar"], [], CORPUS),
]
# The classic chain (--fuente clasico): the NOAA pages and the text-list and
# second sounding services, as they were before today's services came first.
CLASSIC = ["--fuente", "clasico"]
for icao in AIRPORTS:
    CASES.append((f"grafica-{icao}", ["grafica", "--demo", icao] + CLASSIC, [], None))
    CASES.append((f"grafica-{icao}-json",
                  ["grafica", "--demo", icao, "--json", "-o", "{out}/g.png", "-o", "{out}/g.svg",
                   "-o", "{out}/g.pdf", "--guardar", "{out}/g.brl"] + CLASSIC,
                  ["g.png", "g.svg", "g.pdf", "g.brl"], None))
CASES += [
    ("grafica-LEVC", ["grafica", "--demo", "LEVC"] + CLASSIC, [], None),
    ("grafica-SKBO-desfase", ["grafica", "--demo", "SKBO", "--desfase", "-5", "-o", "{out}/g.svg", "--json"]
     + CLASSIC, ["g.svg"], None),
    ("grafica-LEMD-small", ["grafica", "--demo", "LEMD", "--pantalla", "800x600@96", "-o", "{out}/g.png"]
     + CLASSIC, ["g.png"], None),
    ("sondeo-lisboa", ["sondeo", "--demo", "08579", "2024-07-17", "12", "--json", "-o", "{out}/s.png",
                       "-o", "{out}/s.pdf", "--guardar", "{out}/s.brl"] + CLASSIC,
     ["s.png", "s.pdf", "s.brl"], None),
    ("sondeo-tenerife", ["sondeo", "--demo", "60018", "2024-07-17", "00", "--techo", "30", "20", "--json",
                         "-o", "{out}/s.svg"] + CLASSIC, ["s.svg"], None),
    ("sondeo-murcia-36-12", ["sondeo", "--demo", "08430", "2024-07-17", "12", "--techo", "36", "12"]
     + CLASSIC, [], None),
    ("sondeo-murcia-36-18", ["sondeo", "--demo", "08430", "2024-07-17", "12", "--techo", "36", "18",
                             "--json", "-o", "{out}/s.png", "-o", "{out}/s.svg", "-o", "{out}/s.pdf",
                             "--guardar", "{out}/s.brl"] + CLASSIC, ["s.png", "s.svg", "s.pdf", "s.brl"], None),
    ("sondeo-murcia-zoom", ["sondeo", "--demo", "08430", "2024-07-17", "12", "--zoom", "--techo", "36", "12",
                            "--json", "-o", "{out}/s.svg"] + CLASSIC, ["s.svg"], None),
    ("sondeo-manual", ["sondeo", "--demo", "08221", "2024-07-17", "12", "--json"] + CLASSIC, [], None),
    ("prevision-techo", ["prevision", FORECAST, "--techo", "36", "8"], [], None),
    ("prevision-zoom", ["prevision", FORECAST, "--zoom", "--json", "-o", "{out}/p.svg", "-o", "{out}/p.png",
                        "--guardar", "{out}/p.brl"], ["p.svg", "p.png", "p.brl"], None),
    ("ema-8019", ["ema", "8019", "--demo", "--json", "-o", "{out}/e.png", "-o", "{out}/e.svg",
                  "--guardar", "{out}/e.brl"], ["e.png", "e.svg", "e.brl"], None),
    ("ema-8019-text", ["ema", "8019", "--demo"], [], None),
    ("ema-3195", ["ema", "3195", "--demo", "--json"], [], None),
    ("ema-caducada", ["ema", "3195", "--demo", "--clave", "caducada"], [], None),
    ("ema-invalida", ["ema", "3195", "--demo", "--clave", "invalida"], [], None),
    ("abrir-graph-v30", ["abrir", os.path.join(DOCS, "graph_v30.brl"), "--json", "-o", "{out}/a.svg"],
     ["a.svg"], None),
    ("abrir-sounding", ["abrir", os.path.join(DOCS, "sounding.brl"), "--json", "-o", "{out}/a.svg"],
     ["a.svg"], None),
    ("abrir-lest", ["abrir", "{golden:grafica-LEST-json/g.brl}", "-o", "{out}/a.pdf"], ["a.pdf"], None),
    ("abrir-murcia", ["abrir", "{golden:sondeo-murcia-36-18/s.brl}", "--json"], [], None),
    ("abrir-prevision", ["abrir", "{golden:prevision-zoom/p.brl}"], [], None),
    ("abrir-ema", ["abrir", "{golden:ema-8019/e.brl}", "--json"], [], None),
    ("techo-leal-tenerife", ["techo", "--demo", "--grafica-de", "LEAL", "--sondeo-de", "60018",
                             "2024-07-17", "12", "-o", "{out}/t.png"], ["t.png"], None),
    ("techo-lemd-murcia", ["techo", "--demo", "--grafica-de", "LEMD", "--sondeo-de", "08430",
                           "2024-07-17", "12", "--json", "-o", "{out}/t.svg", "-o", "{out}/t.pdf"],
     ["t.svg", "t.pdf"], None),
]

# Today's services (--fuente actual, the default): the data API, the mesonet
# for SCEL and SKBO (the API gives nothing or fails), the new sounding
# interface, and the classic services behind it (Tenerife).
ACTUAL = ["--fuente", "actual"]
for icao in AIRPORTS[:-1]:
    CASES.append((f"actual-grafica-{icao}",
                  ["grafica", "--demo", icao, "--json", "-o", "{out}/g.png", "-o", "{out}/g.svg",
                   "--guardar", "{out}/g.brl"] + ACTUAL, ["g.png", "g.svg", "g.brl"], None))
CASES += [
    ("actual-grafica-LEST-text", ["grafica", "--demo", "LEST"], [], None),
    ("actual-grafica-LEVC", ["grafica", "--demo", "LEVC"], [], None),
    ("actual-grafica-SKBO-desfase", ["grafica", "--demo", "SKBO", "--desfase", "-5", "--json"] + ACTUAL,
     [], None),
    ("actual-sondeo-lisboa", ["sondeo", "--demo", "08579", "2024-07-17", "12", "--json", "-o", "{out}/s.png",
                              "--guardar", "{out}/s.brl"] + ACTUAL, ["s.png", "s.brl"], None),
    ("actual-sondeo-murcia", ["sondeo", "--demo", "08430", "2024-07-17", "12", "--techo", "36", "12",
                              "--json", "-o", "{out}/s.png", "-o", "{out}/s.svg", "--guardar", "{out}/s.brl"]
     + ACTUAL, ["s.png", "s.svg", "s.brl"], None),
    ("actual-sondeo-murcia-text", ["sondeo", "--demo", "08430", "2024-07-17", "12", "--techo", "36", "12"],
     [], None),
    ("actual-sondeo-tenerife", ["sondeo", "--demo", "60018", "2024-07-17", "00", "--json", "-o", "{out}/s.png"]
     + ACTUAL, ["s.png"], None),
    ("actual-sondeo-manual", ["sondeo", "--demo", "08221", "2024-07-17", "12", "--json"] + ACTUAL, [], None),
    ("actual-abrir-lemd", ["abrir", "{golden:actual-grafica-LEMD/g.brl}", "--json"], [], None),
    ("actual-abrir-murcia", ["abrir", "{golden:actual-sondeo-murcia/s.brl}", "--json"], [], None),
]


def environment(root):
    runtime = os.path.join(root, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env = dict(os.environ)
    env.update({
        "XDG_CONFIG_HOME": os.path.join(root, "config"),
        "XDG_RUNTIME_DIR": runtime,
        "HOME": root,
        "BRISALTA_DATOS": os.path.join(SOURCE, "data"),
        "QT_QPA_PLATFORM": "offscreen",
        "LANG": "es_ES.UTF-8",
        "TZ": "UTC",
    })
    return env


def run_case(case, root):
    name, args, files, stdin = case
    out = os.path.join(root, name)
    os.makedirs(out)
    args = [a.replace("{out}", out) for a in args]
    args = [os.path.join(root, a[8:-1]) if a.startswith("{golden:") else a for a in args]
    with open(stdin, "rb") if stdin else open(os.devnull, "rb") as f:
        proc = subprocess.run([CLI] + args, stdin=f, capture_output=True, env=environment(root),
                              cwd=root, timeout=300)
    # The scratch folder and the checkout are the only parts of a run that
    # change from one run (or one clone) to the next.
    # The mesonet is asked for the 24 hours before the run: its window changes too.
    window = re.compile(rb"\b(sts|ets)=\d{4}-\d\d-\d\dT\d\d[:_]\d\dZ")
    clean = lambda b: window.sub(rb"\1={hora}",
                                 b.replace(out.encode(), b"{out}").replace(SOURCE.encode(), b"{src}"))
    result = {"stdout": clean(proc.stdout), "stderr": clean(proc.stderr),
              "status": str(proc.returncode).encode() + b"\n"}
    for f in files:
        path = os.path.join(out, f)
        result[f] = open(path, "rb").read() if os.path.exists(path) else b"(no file)\n"
    return result


def fingerprint(name, data):
    """What a picture shows, as a comparable text: the pixels of a PNG; the
    pixels of each page of a PDF at 60 dpi and its text (the order of the
    objects inside a PDF changes from run to run)."""
    if name.endswith(".png") and data.startswith(b"\x89PNG"):
        image = Image.open(io.BytesIO(data)).convert("RGB")
        digest = hashlib.sha256(image.tobytes()).hexdigest()
        return f"PNG {image.width}x{image.height} pixels sha256 {digest}\n".encode()
    if name.endswith(".pdf") and data.startswith(b"%PDF"):
        with tempfile.TemporaryDirectory() as scratch:
            pdf = os.path.join(scratch, "f.pdf")
            with open(pdf, "wb") as f:
                f.write(data)
            subprocess.run(["pdftoppm", "-r", "60", "-png", pdf, os.path.join(scratch, "p")],
                           check=True, timeout=120)
            lines = []
            for page in sorted(p for p in os.listdir(scratch) if p.startswith("p")):
                image = Image.open(os.path.join(scratch, page)).convert("RGB")
                digest = hashlib.sha256(image.tobytes()).hexdigest()
                lines.append(f"PDF page {image.width}x{image.height} pixels sha256 {digest}\n")
            text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                                  check=True, timeout=120).stdout
        return "".join(lines).encode() + text
    return data


# Pictures are kept as their fingerprint; SVGs and long outputs compressed.
LONG = 64 * 1024


def kept(part, data):
    """(file name, bytes) of one output as the golden folder keeps it."""
    if part.endswith((".png", ".pdf")):
        return part + ".txt", fingerprint(part, data)
    if part.endswith(".svg") or len(data) > LONG:
        return part + ".gz", gzip.compress(data, mtime=0)
    return part, data


def expected(folder, part):
    """The recorded output, uncompressed, or None when there is none."""
    for suffix, read in ((".gz", gzip.decompress), (".txt", None), ("", None)):
        path = os.path.join(folder, part + suffix)
        if os.path.exists(path) and (suffix != ".txt" or part.endswith((".png", ".pdf"))):
            data = open(path, "rb").read()
            return read(data) if read else data
    return None


def main():
    record = "--record" in sys.argv
    only = [a for a in sys.argv[1:] if not a.startswith("--")]
    failures = []
    with tempfile.TemporaryDirectory(prefix="brisalta-golden-") as root:
        for case in CASES:
            name = case[0]
            if only and name not in only:
                continue
            result = run_case(case, root)
            folder = os.path.join(GOLDEN, name)
            if record:
                shutil.rmtree(folder, ignore_errors=True)
                os.makedirs(folder)
                for part, data in result.items():
                    file_name, data = kept(part, data)
                    with open(os.path.join(folder, file_name), "wb") as f:
                        f.write(data)
                continue
            for part, data in result.items():
                want = expected(folder, part)
                got = fingerprint(part, data) if part.endswith((".png", ".pdf")) else data
                if want is None:
                    failures.append(f"{name}/{part}: no golden file")
                elif got != want:
                    failures.append(f"{name}/{part}: differs from the golden file in {folder}")
    for f in failures:
        print(f)
    print(f"{len(CASES)} casos, {len(failures)} diferencias" + (" (grabados)" if record else ""))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
