#!/usr/bin/env python3
"""Checks every member of a model (the zorsteel command's member CSV file) and
prints those that fail.

    PYTHONPATH=build/bin python3 examples/check_model.py [model.csv]

The exit status is 1 when some member fails, as the command's.
"""
import csv
import sys
from pathlib import Path

import zorsteel

# The columns that hold names; the others hold numbers (booleans as 1 or 0).
TEXT_COLUMNS = {"id", "combo", "section", "analysissectionname", "candidates"}


def read_model(path):
    """The rows of a member CSV file as dicts for zorsteel.check_many; a blank
    cell is left out, so that the input keeps its default. A byte-order mark,
    as spreadsheets write one, is skipped (utf-8-sig); the separator is the
    header's (comma, semicolon or tab), as the command finds it."""
    with open(path, newline="", encoding="utf-8-sig") as file:
        lines = [line for line in file if line.strip(" \t\r\n,;")]
    separator = max(",;\t", key=lambda c: (lines[0].count(c), c == ",")) if lines else ","
    return [{column: text if column.strip().lower() in TEXT_COLUMNS else float(text)
             for column, text in row.items() if column and text and text.strip()}
            for row in csv.DictReader(lines, delimiter=separator)]


def main():
    model = sys.argv[1] if len(sys.argv) > 1 else Path(__file__).with_name("model.csv")
    results = zorsteel.check_many(read_model(model))
    failed = [result for result in results if result.Status != "OK"]
    for result in failed:
        print(f"{result.Id:6} {result.Combo:14} {result.Section:16} {result.CriticalRatio:8.3f}  {result.Message}")
    print(f"{len(failed)} of {len(results)} member checks fail")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
