#!/usr/bin/env python3
"""Every example class exported to CSV and read back by Python's csv module
gives every figure of quorle show: same rows, same cells, without padding."""
import csv
import io
import pathlib
import subprocess
import sys
import tempfile

quorle, examples = sys.argv[1], pathlib.Path(sys.argv[2])
failures = 0
with tempfile.TemporaryDirectory() as tmp:
    for example in sorted(examples.glob("*.gdr")):
        for flags in ([], ["--all"], ["--all", "--rank"]):
            shown = subprocess.run([quorle, "show", *flags, str(example)], check=True,
                                   capture_output=True, text=True, encoding="utf-8").stdout
            expected = [[cell.strip(" ") for cell in line.split("\t")] if line else []
                        for line in shown.split("\n")[:-1]]
            out = pathlib.Path(tmp) / "out.csv"
            subprocess.run([quorle, "export", *flags, str(example), "-o", str(out)], check=True)
            raw = out.read_bytes()
            rows = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline="")))
            if rows != expected or not raw.endswith(b"\r\n"):
                failures += 1
                print(f"{example.name} {flags}: the CSV differs from quorle show", file=sys.stderr)
                for got, want in zip(rows, expected):
                    if got != want:
                        print(f"  got  {got}\n  want {want}", file=sys.stderr)
                        break
            # Figures are numbers a spreadsheet can read.
            for row in rows[1:]:
                for cell in row[3:]:
                    if cell and cell not in ("N/A",) and not cell.replace(".", "", 1).lstrip("-").isdigit() \
                            and not cell[0].isalpha():
                        failures += 1
                        print(f"{example.name}: odd cell {cell!r}", file=sys.stderr)
sys.exit(1 if failures else 0)
