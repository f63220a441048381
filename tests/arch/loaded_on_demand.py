"""The libraries only an export needs are not linked into the programs: they
come with the modules, loaded when an Excel workbook or an SVG file is
written. A direct use of one of them in the program would bring back their
cost to every start, so it fails here."""
import os
import subprocess
import sys
import unittest

ON_DEMAND = ("libxlsxwriter", "libzip", "libpugixml", "libQt6Svg", "libcrypto", "libcurl")


def needed(path):
    out = subprocess.run(["readelf", "-d", path], capture_output=True, text=True, check=True).stdout
    return [line.split("[", 1)[1].rstrip("]") for line in out.splitlines() if "(NEEDED)" in line]


class LoadedOnDemand(unittest.TestCase):
    def test_programs_do_not_link_the_export_libraries(self):
        for variable in ("BRISALTA_CLI", "BRISALTA_GUI"):
            program = os.environ[variable]
            libraries = needed(program)
            self.assertIn("libc.so.6", libraries, program)
            for library in libraries:
                self.assertFalse(library.startswith(ON_DEMAND), f"{os.path.basename(program)}: {library}")

    def test_modules_are_built_beside_each_other(self):
        folder = os.environ["BRISALTA_MODULE_FOLDER"]
        for module, library in (("brisalta-libro.so", "libxlsxwriter"), ("brisalta-svg.so", "libQt6Svg")):
            path = os.path.join(folder, module)
            self.assertTrue(any(n.startswith(library) for n in needed(path)), module)


if __name__ == "__main__":
    sys.exit(unittest.main())
