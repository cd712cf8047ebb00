#!/usr/bin/env python3
"""Checks a folder of captures against a reference with orvant-export --table
--reference: the three columns read with Python's csv and json, the differences worked
out again with NumPy from the samples the captures were written with, and the table
without a reference exactly as before.

usage: check_reference_command.py ORVANT_EXPORT
"""
import csv
import io
import json
import os
import subprocess
import sys
import tempfile

import numpy as np

REFERENCE_COLUMNS = ["ref_rms_difference", "ref_max_difference", "ref_within"]
DIVISION = 25.25  # sample values a division; 131 is the centre line


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def run(program, *args):
    done = subprocess.run([program, *args], capture_output=True)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def write_capture(path, samples, volts_code=0x37):
    """A capture as the instrument writes it; 0x37 is 1 V a division, 0x3F no scale."""
    pair = lambda byte: "%02X" % byte
    settings = [0x00, volts_code, 0x00, 0x37, 0x30, 0x44, 0x32, 0x38]
    text = "".join(pair(0x10 + j) for j in range(10)) + "".join(pair(b) for b in settings)
    text += "0000" + "".join(pair(ord(c)) for c in "01") + "".join(pair(ord(c)) for c in "0400")
    text += "".join(pair(ord(c)) for s in samples for c in "%02X" % s)
    with open(path, "w") as f:
        f.write(text + "\r\n")


def within(shown, known, volts, samples):
    for k in range(len(shown)):
        window = known[max(0, k - samples):k + samples + 1]
        if not np.any(np.abs(shown[k] - window) <= volts + 1e-6):
            return False
    return True


def main():
    program = sys.argv[1]
    k = np.arange(512)
    square = np.where((k // 32) % 2 == 1, 181, 81)
    captures = {
        "a same.log": square,
        "b late.log": np.concatenate(([square[0]], square[:-1])),
        "c offset.log": square + 3,
        "d spike.log": np.where(k == 200, square + 60, square),
        "e noisy.log": np.clip(square + np.round(4 * np.sin(k * 1.7)), 0, 255).astype(int),
    }
    band_volts, band_samples = 0.15, 1
    with tempfile.TemporaryDirectory() as work:
        folder = os.path.join(work, "run")
        os.mkdir(folder)
        reference = os.path.join(work, "good.log")
        write_capture(reference, square)
        for name, samples in captures.items():
            write_capture(os.path.join(folder, name), samples)
        write_capture(os.path.join(folder, "f unscaled.log"), square, volts_code=0x3F)
        with open(os.path.join(folder, "g broken.log"), "w") as f:
            pass  # empty: past the end of the file

        code, plain, _ = run(program, "--table", folder)
        code_ref, table, err = run(program, "--table", "--reference", reference, "--band",
                                   "%g,%d" % (band_volts, band_samples), folder)
        if code != 1 or code_ref != 1 or "g broken.log" not in err:
            fail("the broken capture must fail the run: %d %d %r" % (code, code_ref, err))
        plain_rows = list(csv.reader(io.StringIO(plain, newline="")))
        rows = list(csv.reader(io.StringIO(table, newline="")))
        if any(c in plain_rows[0] for c in REFERENCE_COLUMNS):
            fail("a table without a reference has reference columns")
        if rows[0] != plain_rows[0] + REFERENCE_COLUMNS:
            fail("the reference columns must follow the others: %r" % rows[0][-5:])
        reasons = rows[0].index("reasons")
        for plain_row, row in zip(plain_rows[1:], rows[1:]):
            if row[:reasons] != plain_row[:reasons]:
                fail("a reference changed the other cells of " + row[0])
        known = (square - 131) / DIVISION
        by_file = {os.path.basename(row[0]): dict(zip(rows[0], row)) for row in rows[1:]}
        for name, samples in captures.items():
            row = by_file[name]
            shown = (samples - 131) / DIVISION
            rms = float(np.sqrt(np.mean((shown - known) ** 2)))
            largest = float(np.max(np.abs(shown - known)))
            if abs(float(row["ref_rms_difference"]) - rms) > 1e-12 or \
                    abs(float(row["ref_max_difference"]) - largest) > 1e-12:
                fail("%s: %s %s, NumPy %r %r" % (name, row["ref_rms_difference"],
                                                row["ref_max_difference"], rms, largest))
            expected = within(shown, known, band_volts, band_samples)
            if row["ref_within"] != ("true" if expected else "false"):
                fail("%s: ref_within %s, NumPy %s" % (name, row["ref_within"], expected))
        outside = sorted(n for n, r in by_file.items() if r["ref_within"] == "false")
        if outside != ["d spike.log", "e noisy.log"]:
            fail("outside the band: %r" % outside)
        unscaled = by_file["f unscaled.log"]
        if unscaled["ref_rms_difference"] or unscaled["ref_within"] or \
                "ref_rms_difference: the reference has a volts scale" not in unscaled["reasons"]:
            fail("an unscaled capture beside a scaled reference: %r" % unscaled)
        if by_file["g broken.log"]["ref_within"] != "":
            fail("a broken capture has no reference figures")

        code, text, _ = run(program, "--table", "--json", "--reference", reference, folder)
        objects = json.loads(text)
        if [o["ref_within"] for o in objects] != [True, False, False, False, False, None, None]:
            fail("exact band in JSON: %r" % [o["ref_within"] for o in objects])
        if objects[0]["ref_rms_difference"] != 0 or "ref_within" in json.loads(
                run(program, "--table", "--json", folder)[1])[0]:
            fail("JSON keys of the reference")

        code, text, err = run(program, "--table", "--reference", os.path.join(work, "none.log"),
                              folder)
        if code != 1 or text != "" or "the reference" not in err or "Error 53" not in err:
            fail("a missing reference: %d %r %r" % (code, text, err))
    print("reference columns: %d captures checked against NumPy" % len(captures))


main()
