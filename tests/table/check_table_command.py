#!/usr/bin/env python3
"""Runs orvant-export --table, --table --json and --table --stats over a folder of
captures (with a file that fails to load) and a capture given by name, and reads the
outputs with Python's own csv and json modules; the statistics are worked out again
with Python's statistics module.

usage: check_table_command.py ORVANT_EXPORT SAMPLES_FOLDER
"""
import csv
import io
import json
import math
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

MEASUREMENTS = ["maximum", "minimum", "peak_to_peak", "mean", "rms", "frequency_hz",
                "period", "duty_cycle_percent", "fundamental_hz", "fundamental_level_vrms",
                "thd_db", "thd_n_db", "snr_db", "sinad_db", "sfdr_db", "enob_bits", "top", "base",
                "amplitude", "rise_time", "fall_time", "rise_edges", "fall_edges",
                "overshoot_percent", "preshoot_percent", "positive_width", "negative_width",
                "slew_rate"]
LEVELS = {"maximum", "minimum", "peak_to_peak", "mean", "rms", "top", "base", "amplitude",
          "fundamental_level_vrms"}
TIMES = {"period", "rise_time", "fall_time", "positive_width", "negative_width"}
PERCENTS = {"duty_cycle_percent", "overshoot_percent", "preshoot_percent"}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def run(program, *args):
    done = subprocess.run([program, *args], capture_output=True)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def unit_of(row, column):
    if column in ("frequency_hz", "fundamental_hz"):
        return "Hz"
    if column.endswith("_db"):
        return "dB"
    if column == "enob_bits":
        return "bits"
    if column in PERCENTS:
        return "%"
    if column in LEVELS:
        return row["voltage_unit"]
    if column in TIMES:
        return row["time_unit"]
    if column == "slew_rate":
        return row["voltage_unit"] + "/" + row["time_unit"]
    return ""  # a count


def main():
    program, samples = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        folder = os.path.join(work, "run, one")  # a comma: the file cells need quotes
        os.mkdir(folder)
        for name in sorted(os.listdir(samples)):
            shutil.copy(os.path.join(samples, name), folder)
        open(os.path.join(folder, "empty.log"), "w").close()
        open(os.path.join(folder, ".hidden.log"), "w").close()
        os.mkdir(os.path.join(folder, "sub"))
        single = os.path.join(samples, sorted(os.listdir(samples))[0])
        args = [folder, single]

        code, out, err = run(program, "--table", *args)
        if code != 1 or "empty.log: Error 62 (Input past end of file)" not in err:
            fail("exit %d, stderr %r" % (code, err))
        if "\r\n" not in out or "\n" in out.replace("\r\n", ""):
            fail("lines do not end in CR LF")
        rows = list(csv.DictReader(io.StringIO(out, newline="")))
        names = sorted(os.listdir(samples)) + ["empty.log"]
        names.sort(key=lambda n: (n.lower(), n))
        expected_files = [os.path.join(folder, n) for n in names] + [single]
        header = list(rows[0].keys())
        if header[-22:] != MEASUREMENTS[8:16] + ["limits"] + MEASUREMENTS[16:] + ["reasons"]:
            fail("distortion and pulse columns %r" % header[-22:])
        for row in rows:
            bounds = row["limits"].split(";") if row["limits"] else []
            if any(name not in MEASUREMENTS[8:] or row[name] == "" for name in bounds):
                fail("limits %r name a column without its bound" % row["limits"])
            # Each pulse column blank or a bound has its reason; the distortion's bounds none.
            pulse = MEASUREMENTS[16:]
            blank = [c for c in pulse if row[c] == ""]
            named = [r.split(": ")[0] for r in row["reasons"].split(";")] if row["reasons"] else []
            if not row["error"] and set(blank + [b for b in bounds if b in pulse]) != set(named):
                fail("reasons %r for the blanks %r and bounds %r" % (row["reasons"], blank, bounds))
        if [r["file"] for r in rows] != expected_files:
            fail("files %r" % [r["file"] for r in rows])
        failed = [r for r in rows if r["error"]]
        if len(failed) != 1 or failed[0]["error_text"] != "Input past end of file":
            fail("failed rows %r" % failed)
        if any(failed[0][c] for c in ["CH 1 VOLTS/DIV", "channel", "maximum", "clipped", "top",
                                      "limits", "reasons"]):
            fail("a failed row holds measurements")
        if failed[0]["size_bytes"] != "0" or not failed[0]["modified"]:
            fail("a failed row lost its file's facts")

        code, out, _ = run(program, "--table", "--json", *args)
        objects = json.loads(out)
        if code != 1 or len(objects) != len(rows):
            fail("json: exit %d, %d objects" % (code, len(objects)))
        for row, obj in zip(rows, objects):
            if list(obj.keys()) != list(row.keys()):
                fail("json keys differ from the csv header")
            for key, cell in row.items():
                value = obj[key]
                if cell == "":
                    if value is not None:
                        fail("%s: %r for an empty cell" % (key, value))
                elif isinstance(value, bool):
                    if cell != ("true" if value else "false"):
                        fail("%s: %r against %r" % (key, value, cell))
                elif isinstance(value, (int, float)):
                    if float(cell) != value:  # shortest forms read back exactly
                        fail("%s: %r against %r" % (key, value, cell))
                elif value != cell:
                    fail("%s: %r against %r" % (key, value, cell))

        code, out, _ = run(program, "--table", "--stats", *args)
        stats = list(csv.DictReader(io.StringIO(out, newline="")))
        if code != 1 or list(stats[0].keys()) != ["column", "unit", "n", "mean", "sd", "min", "max"]:
            fail("stats header %r" % list(stats[0].keys()))
        expected = {}
        for row in rows:
            if row["error"]:
                continue
            for column in MEASUREMENTS:
                if row[column] != "":
                    expected.setdefault((column, unit_of(row, column)), []).append(float(row[column]))
        if {(s["column"], s["unit"]) for s in stats} != set(expected):
            fail("stats rows %r" % [(s["column"], s["unit"]) for s in stats])
        for s in stats:
            values = expected[(s["column"], s["unit"])]
            if int(s["n"]) != len(values):
                fail("%s n" % s["column"])
            checks = [("mean", statistics.fmean(values)), ("min", min(values)), ("max", max(values))]
            if len(values) >= 2:
                checks.append(("sd", statistics.stdev(values)))
            elif s["sd"] != "":
                fail("%s: sd of one value" % s["column"])
            for name, value in checks:
                if not math.isclose(float(s[name]), value, rel_tol=1e-12, abs_tol=1e-15):
                    fail("%s %s %s: %s against %r" % (s["column"], s["unit"], name, s[name], value))
        print("table of %d captures, %d statistics rows checked" % (len(rows), len(stats)))


main()
