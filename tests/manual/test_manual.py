"""The manual the build makes: an A4 PDF whose contents list every chapter of
the source with the page it really starts on, with the program's pictures in
it, and installed by cmake --install where the help command looks for it."""
import os
import re
import subprocess
import tempfile
import unittest

PDF = os.environ["BRISALTA_MANUAL"]
SOURCE = os.environ["BRISALTA_MANUAL_SOURCE"]
BUILD = os.environ["BRISALTA_BUILD"]


def run(args):
    return subprocess.run(args, capture_output=True, text=True, check=True, timeout=120).stdout


def pages():
    text = run(["pdftotext", "-layout", PDF, "-"])
    return text.split("\f")


class Manual(unittest.TestCase):
    def test_is_an_a4_document_of_the_program(self):
        info = run(["pdfinfo", PDF])
        self.assertRegex(info, r"Page size:\s+595(\.\d+)? x 842(\.\d+)? pts \(A4\)")
        count = int(re.search(r"Pages:\s+(\d+)", info).group(1))
        self.assertTrue(10 <= count <= 60, count)
        self.assertIn("Manual de Brisalta", info)

    def test_contents_name_each_chapter_with_its_page(self):
        with open(SOURCE, encoding="utf-8") as f:
            chapters = [line[3:].strip() for line in f if line.startswith("## ")]
        chapters.remove("Contenido")
        text = pages()
        contents = "\n".join(text[1:3])
        for chapter in chapters:
            with self.subTest(chapter=chapter):
                found = re.search(re.escape(chapter) + r"\s+(\d+)\s*$", contents, re.M)
                self.assertIsNotNone(found, chapter)
                page = int(found.group(1))
                self.assertIn(chapter, text[page - 1])
                self.assertIn("Página %d de" % page, text[page - 1])

    def test_holds_the_pictures_the_program_drew(self):
        listing = run(["pdfimages", "-list", PDF]).splitlines()[2:]
        # Distinct pictures (a picture at a page's foot is listed on both pages):
        # the graph, the automatic station, two soundings, two window
        # screenshots and four dialogs.
        objects = {line.split()[10] for line in listing if int(line.split()[3]) >= 90}
        self.assertGreaterEqual(len(objects), 10, listing)
        text = " ".join(pages())
        self.assertIn("Introduzca un número entero entre -12 y 12.", text)
        self.assertIn("brisalta-cli preferencias", text)

    def test_is_installed_in_the_data_folder(self):
        with tempfile.TemporaryDirectory() as prefix:
            subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix],
                           capture_output=True, check=True, timeout=300)
            installed = os.path.join(prefix, "share", "brisalta", "Brisalta.pdf")
            with open(installed, "rb") as a, open(PDF, "rb") as b:
                self.assertEqual(a.read(), b.read())


if __name__ == "__main__":
    unittest.main()
