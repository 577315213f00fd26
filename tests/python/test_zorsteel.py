"""The Python module against the zorsteel command (the same library behind a
CSV file), and its own errors. ctest sets PYTHONPATH to the built module,
ZORSTEEL_CLI to the command (when built) and ZORSTEEL_SOURCE_DIR."""
import csv
import importlib.util
import json
import math
import os
import re
import shutil
import struct
import subprocess
import sys
from pathlib import Path

import pytest

import zorsteel

SOURCE = Path(os.environ["ZORSTEEL_SOURCE_DIR"])
CLI = os.environ.get("ZORSTEEL_CLI")
needs_cli = pytest.mark.skipif(not CLI, reason="the zorsteel command is not built")

spec = importlib.util.spec_from_file_location("check_model", SOURCE / "examples" / "check_model.py")
check_model = importlib.util.module_from_spec(spec)
spec.loader.exec_module(check_model)

CELLS = zorsteel.check("W14X90", Fy=50).as_dict()
COLUMNS = list(CELLS)
NUMBERS = [name for name, value in CELLS.items() if not isinstance(value, str)]


def same(a, b):
    """Bit for bit; any NaN equals any NaN, as the command writes each as nan; None (no value) only None."""
    if a is None or b is None:
        return a is b
    return (isinstance(a, float) and math.isnan(a) and math.isnan(b)) or struct.pack("d", a) == struct.pack("d", b)


def command_results(rows, tmp_path):
    """The command's CSV results for the rows, read back to numbers, and the limit states of its JSON."""
    model, limits = tmp_path / "model.csv", tmp_path / "limits.json"
    with open(model, "w", newline="") as file:
        writer = csv.DictWriter(file, fieldnames=list(dict.fromkeys(k for row in rows for k in row)))
        writer.writeheader()
        writer.writerows(rows)
    out = subprocess.run([CLI, "check", "--members", model, "--out", "-", "--json", limits],
                         capture_output=True, text=True).stdout
    return ([{name: (float(cell) if cell else None) if name in NUMBERS else cell for name, cell in line.items()}
             for line in csv.DictReader(out.splitlines())],
            [member["LimitStates"] for member in json.loads(limits.read_text())["members"]])


def member_rows(sections):
    """Each section in compression with bending and shear about both axes
    (direct analysis), and in tension with the effective length method and no
    B1; lengths vary so that every input reaches a setter of its own."""
    rows = []
    for i, section in enumerate(sections):
        common = {"Id": f"M{i}", "Section": section, "Fy": 50.0, "Fu": 65.0, "Cb": 1.14, "Lb": 96.0 + i, "Kx": 1.0,
                  "Ky": 0.8, "Lx": 144.0, "Ly": 120.0, "Kz": 1.2, "Lz": 108.0, "ConnectorDistance": 36.0,
                  "Cmx": 0.85, "Cmy": 0.6, "TotalDeflectionDenominator": 240.0, "LiveDeflectionDenominator": 360.0,
                  "TotalDy": 0.4, "LiveDy": 0.25, "L": 144.0, "DeflectionAdjustmentRatio": 1.1}
        rows.append(dict(common, Combo="C", Pu=25.0, Mux=12.0, Muy=3.0, Vux=6.0, Vuy=2.0))
        rows.append(dict(common, Combo="T", Pu=-40.0, Mux=-8.0, Vux=4.0, DirectAnalysis=False, ConsiderB1=0))
    return rows


@needs_cli
def test_results_are_the_commands_to_the_bit(tmp_path):
    # Every catalogue section, twice: a few thousand members through check_many.
    names = [name for code in range(14) for name in zorsteel.sections(code)]
    rows = member_rows(names)
    expected, limits = command_results(rows, tmp_path)
    results = zorsteel.check_many(iter(rows))  # any iterable of rows
    assert len(results) == len(expected) == len(limits) == 2 * len(names) > 4000
    for result, line, states in zip(results, expected, limits):
        for name in COLUMNS:
            assert same(getattr(result, name), line[name]) if name in NUMBERS else getattr(result, name) == line[name], \
                (line["Id"], line["Combo"], name)
        # Every limit state as the command's JSON lists it (a number that is not finite is a string there).
        assert len(result.limit_states) == len(states), line["Id"]
        for state, item in zip(result.limit_states, states):
            assert state.keys() == item.keys() and all(
                same(state[k], float(item[k])) if k == "Nominal" else state[k] == item[k] for k in item), item


@needs_cli
def test_the_example_prints_the_members_the_command_finds_failing():
    model = SOURCE / "examples" / "model.csv"
    failing = [(line["Id"], line["Combo"]) for line in csv.DictReader(
        subprocess.run([CLI, "check", "--members", model, "--out", "-"], capture_output=True, text=True).stdout
        .splitlines()) if line["Status"] != "OK"]
    run = subprocess.run([sys.executable, SOURCE / "examples" / "check_model.py", model], capture_output=True, text=True)
    printed = [tuple(line.split()[:2]) for line in run.stdout.splitlines()[:-1]]
    assert failing and printed == failing and run.returncode == 1
    assert run.stdout.splitlines()[-1] == f"{len(failing)} of 26 member checks fail"


def test_the_example_reads_a_file_as_a_spreadsheet_saves_it(tmp_path):
    # A byte-order mark, semicolons, and a line of separators only.
    model = (SOURCE / "examples" / "model.csv").read_text()
    saved = tmp_path / "saved.csv"
    saved.write_text("\ufeff" + model.replace(",", ";").replace("\n", "\n;;;\n", 1), encoding="utf-8")
    runs = [subprocess.run([sys.executable, SOURCE / "examples" / "check_model.py", path], capture_output=True,
                           text=True) for path in (SOURCE / "examples" / "model.csv", saved)]
    assert runs[0].stdout == runs[1].stdout and runs[1].returncode == 1, runs[1].stderr


class NAType:
    """A stand-in for pandas.NA, which the module knows by its type's name."""


class FakeFrame:
    """What check_many takes of a pandas DataFrame, without pandas: to_dict("records")."""

    def __init__(self, rows):
        self.rows = rows

    def to_dict(self, orient):
        assert orient == "records"
        return [dict(row) for row in self.rows]


def test_a_frame_with_blank_cells_and_names_as_typed_checks_as_clean_rows():
    clean = [{"Id": "C1", "Combo": "D", "Section": "W14X90", "Fy": 50.0, "Pu": 400.0, "Lx": 180.0, "Ly": 180.0},
             {"Id": "B1", "Combo": "L", "Section": "W16X26", "Fy": 50, "Mux": 60.0, "Lb": 120.0}]
    # A frame's blank cells are NaN (None or pandas.NA in a column of objects); headers and sections as typed.
    frame = FakeFrame([
        {" id": "C1", "COMBO": "D", "section": " W14 X 90", "Fy ": 50.0, "Pu": 400.0, "Lx": 180.0, "Ly": 180.0,
         "Mux": math.nan, "Lb": math.nan},
        {" id": "B1", "COMBO": "L", "section": "W16x26 ", "Fy ": 50, "Pu": NAType(), "Lx": None, "Ly": math.nan,
         "Mux": 60.0, "Lb": 120.0}])
    expected, results = zorsteel.check_many(clean), zorsteel.check_many(frame)
    assert [r.Section for r in results] == ["W14X90", "W16x26"]
    for result, line in zip(results, expected):
        assert all(same(getattr(result, name), getattr(line, name)) for name in NUMBERS)
        assert (result.Id, result.Combo, result.Status, result.Message) == (line.Id, line.Combo, line.Status, line.Message)


def test_errors_result_makes_a_bad_row_an_error_result():
    rows = [{"Id": "A", "Section": "W14X90", "Fy": 50, "Mux": 100, "Lb": 0}, {"Id": "B", "Section": "W14X9O", "Fy": 50},
            {"Id": "C", "Combo": "W", "Section": "W14X90", "Fy": "fifty"}, {"Id": "D", "Section": "W14X90"}, "W14X90"]
    results = zorsteel.check_many(rows, errors="result")
    assert [r.Status for r in results] == ["OK", "ERROR", "ERROR", "ERROR", "ERROR"]
    assert results[1].Message == 'rows[1] (member B), Section: "W14X9O" is not in the catalogue; did you mean W14X90?'
    assert (results[2].Combo, results[2].Section, results[2].Message) == (
        "W", "W14X90", "rows[2] (member C), Fy: 'fifty' is not a number")
    assert results[3].Message == "rows[3] (member D), Fy: not given (there is no default)"
    assert results[4].Message == "rows[4]: a row is a dict of the member file's columns, not str"
    assert all(r.Governing == "" and r.limit_states == [] for r in results[1:])
    with pytest.raises(ValueError, match="errors: must be 'raise' or 'result', not 'ignore'"):
        zorsteel.check_many(rows, errors="ignore")


def test_write_report_writes_the_styled_page_with_its_pictures_and_images(tmp_path):
    rows = [{"Id": "C1", "Combo": "D", "Section": "W14X90", "Fy": 50, "Pu": 400, "Lx": 180, "Ly": 180},
            {"Id": "C1", "Combo": "W", "Section": "W14X90", "Fy": 50, "Pu": 200, "Lx": 180, "Ly": 180},
            {"Id": "B1", "Combo": "L", "Section": "W16X26", "Fy": 50, "Mux": 160, "Lb": 120}]
    page = tmp_path / "calc.html"
    zorsteel.write_report(zorsteel.check_many(rows, report=True), str(page), title="Level <2>")
    text = page.read_text()
    assert text.startswith("<!DOCTYPE html>") and "<title>Level &lt;2&gt;</title>" in text
    assert '<p class="counts">2 members: 1 OK, <strong>1 NG</strong>, 0 ERROR; highest critical ratio' in text
    assert text.count('<div class="problem-title">') == 2 and ">C1, D, W14X90 - using" in text  # the governing one
    assert text.count('<div class="member-diagram">') == 2 and text.count('<div class="zs-chart">') == 1
    assert (tmp_path / "Images" / "Eq.H1-1a.png").is_file()
    with pytest.raises(ValueError, match=re.escape("results[0] has no calculation: check with report=True")):
        zorsteel.write_report(zorsteel.check_many(rows), str(page))
    with pytest.raises(OSError):
        zorsteel.write_report([], str(tmp_path / "no" / "such.html"))
    # In a notebook a result without its calculation shows its verdict.
    shown = zorsteel.check_many(rows)[2]._repr_html_()
    assert "<td>B1</td><td>L</td><td>W16X26</td>" in shown and ">NG</td>" in shown


@pytest.mark.parametrize("call, error, message", [
    (lambda: zorsteel.check("W14X91", Fy=50), ValueError,
     'member W14X91, Section: "W14X91" is not in the catalogue; did you mean W14X61, W14X90 or W14X99?'),
    (lambda: zorsteel.check("W14X90", Fy="50"), TypeError, "member W14X90, Fy: '50' is not a number"),
    (lambda: zorsteel.check("W14X90", Id="C1", Fy=50, Pu=-math.inf), ValueError, 'member C1, Pu: "-inf" is not a finite'),
    (lambda: zorsteel.check("W14X90", Id="C1", Fy=math.nan), ValueError, "member C1, Fy: not given"),  # NaN is blank
    (lambda: zorsteel.check("W14X90", Cb=-1.0), ValueError, "Cb: must be above 0, not -1.0"),
    (lambda: zorsteel.check("W14X90", Lb=-12), ValueError, "Lb: must not be negative, not -12"),
    (lambda: zorsteel.check("W14X90", DirectAnalysis="no"), TypeError, "DirectAnalysis: 'no' is not a bool"),
    (lambda: zorsteel.check("W14X90", ConsiderB1=2), ValueError, "ConsiderB1: 2 is not True, False, 1 or 0"),
    (lambda: zorsteel.check("W14X90", Fyy=50), TypeError, "unexpected keyword argument 'Fyy'"),
    (lambda: zorsteel.check_many([{"Section": "W14X90", "Fy": 50, "Lb (in)": 120}]), TypeError,
     'rows[0]: "Lb (in)" has a unit in its name: name the column Lb alone'),
    (lambda: zorsteel.check("W14X90", Pu=10), ValueError, "member W14X90, Fy: not given (there is no default)"),
    (lambda: zorsteel.check("W14X90", Fy=50, length_unit="m"), ValueError, "length_unit: must be 'in' or 'ft', not 'm'"),
    (lambda: zorsteel.check_many([], compression_sign="+"), ValueError, "compression_sign: must be 'positive' or"),
    (lambda: zorsteel.check_many([{"Id": "B1", "Section": "W18X35", "Fy": 50}, {"Id": "B1", "Section": "W24X68", "Fy": 50}]),
     ValueError, "rows[0] (member B1), Section: member B1 is given the sections W18X35 and W24X68"),
    (lambda: zorsteel.check_many([{"Section": "W14X90", "Fy": 50}, {"Id": "B2", "Section": "W14X90", "Mux": "12"}]),
     TypeError, "rows[1] (member B2), Mux: '12' is not a number"),
    (lambda: zorsteel.check_many([{"Section": "W14X90", "Fy": 50}, {"Section": "Pipe99", "Fy": 50}]),
     ValueError, 'rows[1], Section: "Pipe99" is not in the catalogue'),
    (lambda: zorsteel.check_many([{"Section": "W14X90", "Sect": "W14X90"}]), TypeError, "rows[0]: unexpected key 'Sect'"),
    (lambda: zorsteel.check_many(["W14X90"]), TypeError, "rows[0]: a row is a dict of the member file's columns, not str"),
    (lambda: zorsteel.section("W14X91"), ValueError, '"W14X91" is not in the catalogue; did you mean'),
    (lambda: zorsteel.sections("Q"), ValueError, '"Q" names no shape family'),
    (lambda: zorsteel.check("W14X90", Fy=50, rules="strict"), ValueError, "rules: must be 'full' or 'classic', not"),
    (lambda: zorsteel.check("W14X90", Fy=50, edition="2022"), ValueError,
     "edition: must be '360-10' or '360-22', not '2022'"),
    (lambda: zorsteel.check_many([], rules="classic", edition="360-22"), ValueError,
     "rules: 'classic' does not go with edition '360-22', which runs the full check"),
    (lambda: zorsteel.check("L4X4X1/4", Fy=36, AngleConnectedLeg="left"), ValueError,
     'member L4X4X1/4, AngleConnectedLeg: must be long or short, not "left"'),
    (lambda: zorsteel.check("W14X90", Fy=50, NetAreaRatio=1.5), ValueError,
     "NetAreaRatio: must be above 0 and at most 1, not 1.5"),
    (lambda: zorsteel.check("W14X90", Fy=55, Pu=-10), ValueError, "member W14X90, Fu: not given, and no usual grade"),
])
def test_bad_input_raises_naming_the_member_and_the_field(call, error, message):
    with pytest.raises(error, match=re.escape(message)):
        call()


def test_a_missing_catalogue_raises_file_not_found_with_its_path(tmp_path):
    shutil.copy(zorsteel.__file__, tmp_path)
    run = subprocess.run([sys.executable, "-c", "import zorsteel; zorsteel.check('W14X90')"],
                         env=dict(os.environ, PYTHONPATH=str(tmp_path)), capture_output=True, text=True)
    assert "FileNotFoundError: [Errno 2] zorsteel cannot read its catalogue" in run.stderr
    assert f"'{tmp_path / 'aisc14u.tbl'}'" in run.stderr


def test_report_is_the_members_framed_calculation(tmp_path):
    result = zorsteel.check("w14x90", Id="C1", Combo="1.4D", Fy=50, Pu=400, Lx=0, Ly=0, report=True)
    assert result.report_html.startswith('<div class="clear"></div>\n<hr/>\n'
                                         '<div class="problem-title">C1, 1.4D, w14x90 - using AISC 360-10 LRFD Method'
                                         '</div>\n<hr/>\n<div class="problemArea">\n')
    assert result.report_html.endswith('</div>\n<div class="page-break"></div>\n')
    assert "Section W14X90<br/>" in result.report_html and result._repr_html_() == result.report_html
    assert zorsteel.check("W14X90", Fy=50).report_html is None
    assert zorsteel.place_report_images(str(tmp_path / "calc.ipynb")) and (tmp_path / "Images" / "Eq.H1-1a.png").is_file()
    assert repr(result) == ("zorsteel.Result(Id='C1', Combo='1.4D', Section='w14x90', "
                            f"CriticalRatio={result.CriticalRatio!r}, ErrorCode=0, Status='OK')")


def test_sections_in_the_three_forms_and_one_sections_properties():
    # W14X90 of the AISC shapes database: A = 26.5 in2, d = 14.0 in, bf = 14.5 in.
    w14x90 = zorsteel.section("w14x90")
    assert (w14x90["Name"], w14x90["A"], w14x90["d"], w14x90["bf"]) == ("W14X90", 26.5, 14.0, 14.5)

    def areas(names):
        return [zorsteel.section(name)["A"] for name in names]

    bounded = zorsteel.sections("W", min_width=14.5, max_width=14.5, min_height=12, max_height=14)
    assert "W14X90" in bounded and areas(bounded) == sorted(areas(bounded))
    assert all(zorsteel.section(name)["bf"] == 14.5 and 12 <= zorsteel.section(name)["d"] <= 14 for name in bounded)
    assert zorsteel.sections(0, max_height=14, min_height=12) == zorsteel.sections("W", min_height=12, max_height=14)
    prefixed = zorsteel.sections("W", prefixes="W14, w12")
    assert prefixed and all(re.match("W1[24]X", name) for name in prefixed)
    assert zorsteel.sections(names="Pipe4STD, W14X90") == ["Pipe4STD", "W14X90"]  # A 2.96 and 26.5 in2


def test_conventions_notes_and_deflections_as_the_command_gives_them():
    # Feet and compression negative give the numbers of inches and compression positive to the bit.
    feet = zorsteel.check("W12X26", Fy=50, Pu=-200, Lx=14, Ly=14, length_unit="ft", compression_sign="negative")
    inches = zorsteel.check("W12X26", Fy=50, Pu=200, Lx=168, Ly=168)
    assert all(same(getattr(feet, name), getattr(inches, name)) for name in NUMBERS) and feet.Status == "NG"
    assert zorsteel.check("W12X26", Fy=50, Pu=200, Lx=14, Ly=14).Message == \
        "Lx = 14 in and Ly = 14 in are short for W12X26: lengths are in inches"
    # A failed deflection check is NG, with its ratios (3.0 / (360 / 240) and 2.0 / (360 / 360)); no check, None.
    beam = zorsteel.check("W21X44", Fy=50, Mux=200, Lx=360, L=360, LiveDy=2.0, TotalDy=3.0,
                          LiveDeflectionDenominator=360, TotalDeflectionDenominator=240)
    assert (beam.Status, beam.TotalDeflectionRatio, beam.LiveDeflectionRatio) == ("NG", 2.0, 2.0)
    assert beam.Message.startswith("total-load deflection ratio above 1.0; live-load deflection ratio above 1.0")
    assert inches.TotalDeflectionRatio is None and inches.as_dict()["LiveDeflectionRatio"] is None


def test_rules_full_by_default_classic_when_asked():
    # docs/aisc-departures.md, entry 1: a bolted L4X4X1/4 tie, 62.5 kips classic, 47.6 by rupture.
    tie = dict(Fy=36, Pu=-10, NetAreaRatio=1.711 / 1.93, ShearLagU=0.64)
    full, classic = zorsteel.check("L4X4X1/4", **tie), zorsteel.check("L4X4X1/4", rules="classic", **tie)
    assert (full.Rules, round(full.PhiPn, 1), full.PnLimitState) == ("full", 47.6, "Tensile rupture (D2-2)")
    assert (classic.Rules, round(classic.PhiPn, 1)) == ("classic", 62.5)


def test_edition_360_10_by_default_360_22_when_asked(tmp_path):
    # The labels of the edition; its numbers are the design classes' (their own tests).
    aisc10 = zorsteel.check("W14X90", Fy=50, Pu=-10)
    aisc22 = zorsteel.check("W14X90", Fy=50, Pu=-10, edition="360-22", report=True)
    many = zorsteel.check_many([{"Id": "T", "Section": "W14X90", "Fy": 50, "Pu": -10}], edition="360-22", report=True)
    assert (aisc10.Edition, aisc10.Rules, aisc22.Edition, aisc22.Rules) == ("360-10", "full", "360-22", "full")
    assert [result.as_dict()["Edition"] for result in many] == ["360-22"]
    assert "W14X90 - using AISC 360-22 LRFD Method" in aisc22.report_html
    zorsteel.write_report(many, str(tmp_path / "r.html"))
    assert "Member checks by AISC 360-22 (LRFD), full rules &middot;" in (tmp_path / "r.html").read_text()
