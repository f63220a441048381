#!/usr/bin/env bash
# The CSV golden files were written by hand in UTF-8 with LF line ends (utf8/),
# from the export rules and the test sessions in tests/tables/tablefixture.h;
# the humidity figures were worked out with the formula on a calculator. This
# converts them to what the program writes: Windows-1252 with CR LF line ends.
# Run it after editing a file in utf8/; the tests only read the results.
set -eu
cd "$(dirname "$0")"
for f in utf8/*.csv; do
    iconv -f UTF-8 -t WINDOWS-1252 "$f" | sed 's/$/\r/' > "$(basename "$f")"
done
