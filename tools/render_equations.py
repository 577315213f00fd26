#!/usr/bin/python3
"""Renders the equation images of the calculation report.

    tools/render_equations.py [name.png ...]

Reads tools/equations.tsv (name, formula, reference) and writes one PNG per
row into images/, then removes any PNG there that the table does not name.
Given names, renders only those rows. Needs Debian's python3-matplotlib (its
mathtext, no LaTeX); the PNGs are committed, so building and testing the
library never runs this.

Every image has the same height and the same baseline, so that the report's
lines align: the style sheet of the report page (src/report/ReportPage.cpp)
shows them at IMAGE_HEIGHT_IN inches and lowers them by BASELINE_IN, which
puts the formula's baseline on the baseline of the value printed after it.
"""

import math
import pathlib
import sys

import matplotlib

matplotlib.use("Agg")
from matplotlib.backends.backend_agg import FigureCanvasAgg  # noqa: E402
from matplotlib.figure import Figure  # noqa: E402

DPI = 200              # print resolution
FONT_SIZE_PT = 11      # the report's body text size
IMAGE_HEIGHT_IN = 0.35
BASELINE_IN = 0.08     # from the bottom of the image to the formula's baseline
PAD_PX = 2             # left and right of the formula
REFERENCE_GAP = "    "  # between the formula and its reference

ROOT = pathlib.Path(__file__).resolve().parent.parent
TABLE = ROOT / "tools" / "equations.tsv"
IMAGES = ROOT / "images"

matplotlib.rcParams["mathtext.fontset"] = "dejavusans"
matplotlib.rcParams["font.family"] = "DejaVu Sans"
matplotlib.rcParams["text.color"] = "black"


def read_table():
    """The table's rows as (name, formula, reference) in file order."""
    rows = []
    for number, line in enumerate(TABLE.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) not in (2, 3) or not fields[0].endswith(".png"):
            sys.exit(f"{TABLE}:{number}: expected name.png, formula and an optional reference")
        rows.append((fields[0], fields[1], fields[2] if len(fields) == 3 else ""))
    names = [row[0] for row in rows]
    duplicates = sorted({name for name in names if names.count(name) > 1})
    if duplicates:
        sys.exit(f"{TABLE}: names given twice: {', '.join(duplicates)}")
    return rows


def text_of(formula, reference):
    """The formula in math mode; the reference in the text font, so that its
    hyphens stay hyphens."""
    text = f"${formula}$"
    return f"{text}{REFERENCE_GAP}({reference})" if reference else text


def render(name, formula, reference):
    height_px = round(IMAGE_HEIGHT_IN * DPI)
    baseline_px = round(BASELINE_IN * DPI)
    figure = Figure(figsize=(10, IMAGE_HEIGHT_IN), dpi=DPI)
    canvas = FigureCanvasAgg(figure)
    text = figure.text(0, baseline_px / height_px, text_of(formula, reference),
                       fontsize=FONT_SIZE_PT, va="baseline", ha="left")
    extent = text.get_window_extent(canvas.get_renderer())
    if extent.y0 < 0 or extent.y1 > height_px:
        sys.exit(f"{name}: the formula is taller than the image height; shorten it or raise IMAGE_HEIGHT_IN")
    width_px = math.ceil(extent.width) + 2 * PAD_PX
    figure.set_size_inches(width_px / DPI, IMAGE_HEIGHT_IN)
    text.set_x(PAD_PX / width_px)
    figure.savefig(IMAGES / name, dpi=DPI, transparent=True, metadata={"Software": None})


def main(selected):
    rows = read_table()
    known = {row[0] for row in rows}
    unknown = [name for name in selected if name not in known]
    if unknown:
        sys.exit(f"not in {TABLE.name}: {', '.join(unknown)}")
    for name, formula, reference in rows:
        if not selected or name in selected:
            render(name, formula, reference)
    if not selected:
        for stale in sorted(set(path.name for path in IMAGES.glob("*.png")) - known):
            (IMAGES / stale).unlink()
            print(f"removed {stale}: not in {TABLE.name}")
    print(f"{len(selected) or len(rows)} images in {IMAGES}")


if __name__ == "__main__":
    main(sys.argv[1:])
