#!/usr/bin/env python3
"""orvant-export --json read back with Python's json and compared with what the same
program writes otherwise: the curve's CSV (read with the csv module) and the captures
table of --table --json.

usage: check_capture_json.py ORVANT_EXPORT SAMPLES_FOLDER [CAPTURE...]
(the captures beside the samples: one without a volts scale)
"""
import csv
import io
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

KEYS = ["file", "settings", "scale", "values", "volts", "seconds", "measurements"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def strict(text):
    """JSON as Python reads it, refusing NaN and Infinity, which JSON lacks."""
    def refuse(name):
        raise ValueError("not JSON: " + name)
    return json.loads(text, parse_constant=refuse)


def run(program, *args):
    return subprocess.run([program, *args], capture_output=True)


def same(ours, theirs):
    """Equal, and of the same kind (a whole number is no float)."""
    return type(ours) is type(theirs) and ours == theirs


def check_against_csv(name, capture, csv_text):
    rows = list(csv.DictReader(io.StringIO(csv_text, newline="")))
    check(len(rows) == 512, "%s: %d CSV rows" % (name, len(rows)))
    check(capture["values"] == [int(r["value"]) for r in rows], name + ": values")
    check(all(type(v) is int for v in capture["values"]), name + ": values not integers")
    for key, column in (("volts", "volts"), ("seconds", "time_s")):
        if rows[0][column] == "":
            check(capture[key] is None, "%s: %s should be null" % (name, key))
        else:
            # The shortest form that reads back exactly: the same float both ways.
            check(capture[key] == [float(r[column]) for r in rows], "%s: %s" % (name, key))


def check_against_table(name, capture, row, columns):
    check(capture["file"] == row["file"], name + ": file")
    settings = columns[columns.index("error_text") + 1:columns.index("channel")]
    check(list(capture["settings"]) == settings, name + ": the 25 settings' names")
    check(len(settings) == 25, name + ": %d settings" % len(settings))
    for key in settings:
        check(same(capture["settings"][key], row[key]), "%s: setting %s" % (name, key))
    parts = (("scale", columns[columns.index("channel"):columns.index("maximum")]),
             ("measurements", columns[columns.index("maximum"):]))
    for part, keys in parts:
        check(list(capture[part]) == keys, "%s: the keys of %s" % (name, part))
        for key in keys:
            check(same(capture[part].get(key), row[key]),
                  "%s: %s %s = %r, the table says %r" % (name, part, key,
                                                         capture[part].get(key), row[key]))


def check_samples(program, captures, out):
    done = run(program, "--json", "--csv", "--to", str(out), *map(str, captures))
    check(done.returncode == 0, "--json --csv: exit %d %r" % (done.returncode, done.stderr))
    table = run(program, "--table", "--json", *map(str, captures))
    check(table.returncode == 0, "--table --json: exit %d" % table.returncode)
    rows = strict(table.stdout.decode("utf-8"))
    check(len(rows) == len(captures), "%d table rows" % len(rows))
    columns = list(rows[0])
    unscaled = 0
    for path, row in zip(captures, rows):
        stem = path.name[:-len(".log")]
        text = (out / (stem + ".json")).read_bytes()
        capture = strict(text.decode("utf-8"))
        check(list(capture) == KEYS, "%s: keys %r" % (path.name, list(capture)))
        csv_text = (out / (stem + ".csv")).read_bytes().decode("ascii")
        check_against_csv(path.name, capture, csv_text)
        unscaled += capture["volts"] is None
        check_against_table(path.name, capture, row, columns)
        alone = run(program, "--json", "--stdout", str(path))
        check(alone.returncode == 0 and alone.stdout == text,
              path.name + ": --stdout differs from the file")
    check(unscaled > 0, "no capture without a volts scale was tried")


def check_failures(program, folder):
    """A capture that fails writes nothing, the others are written, exit 1."""
    good = folder / "good.log"
    (folder / "empty.log").write_bytes(b"")
    out = folder / "out"
    out.mkdir()
    done = run(program, "--json", "--to", str(out), str(folder / "gone.log"),
               str(folder / "empty.log"), str(good))
    check(done.returncode == 1, "failures: exit %d" % done.returncode)
    check(sorted(os.listdir(out)) == ["good.json"], "written: %r" % sorted(os.listdir(out)))
    errors = done.stderr.decode("utf-8")
    check("gone.log: Error 53 (File not found)" in errors, "no error 53: %r" % errors)
    check("empty.log: Error 62 (Input past end of file)" in errors, "no error 62: %r" % errors)
    missing = run(program, "--json", "--to", str(folder / "nowhere"), str(good))
    check(missing.returncode == 1 and b"does not exist" in missing.stderr, "missing folder")
    usage = (
        (["--json", "--stats", str(good)], "--stats needs --table"),
        (["--table", "--json", "--stats", str(good)], "--json and --stats exclude each other"),
        (["--table", "--svg", str(good)], "--table writes to standard output alone"),
        (["--json", "--csv", "--stdout", str(good)], "--stdout writes one output"),
    )
    for args, message in usage:
        wrong = run(program, *args)
        check(wrong.returncode == 2 and message in wrong.stderr.decode("utf-8"),
              "%r: exit %d, %r" % (args, wrong.returncode, wrong.stderr))


def main():
    program, samples = sys.argv[1], pathlib.Path(sys.argv[2])
    others = [pathlib.Path(p) for p in sys.argv[3:]]
    with tempfile.TemporaryDirectory() as temporary:
        folder = pathlib.Path(temporary)
        captures = sorted(samples.glob("*.log"))
        check(len(captures) >= 5, "only %d samples" % len(captures))
        captures += others
        out = folder / "samples"
        out.mkdir()
        check_samples(program, captures, out)
        shutil.copy(captures[0], folder / "good.log")
        check_failures(program, folder)
    for failure in failures:
        print("FAIL: " + failure)
    print("FAIL" if failures else "PASS")
    sys.exit(1 if failures else 0)


main()
