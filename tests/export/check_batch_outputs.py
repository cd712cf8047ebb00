#!/usr/bin/env python3
"""Runs orvant-export --csv (and, when asked, --png) on a sample capture and reads the
outputs back with independent readers: Python's csv module and the PNG header.

usage: check_batch_outputs.py ORVANT_EXPORT CAPTURE VOLTS_PER_DIV SECONDS_PER_DIV [--png]
"""
import csv
import io
import math
import os
import struct
import subprocess
import sys
import tempfile


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def check_csv(text, volts_per_div, seconds_per_div):
    rows = list(csv.reader(io.StringIO(text, newline="")))
    if rows[0] != ["sample", "time_s", "value", "volts"]:
        fail("header %r" % rows[0])
    if len(rows) != 513:
        fail("%d rows" % len(rows))
    for k, row in enumerate(rows[1:], start=1):
        sample, time_s, value, volts = int(row[0]), float(row[1]), int(row[2]), float(row[3])
        # Sample k sits at x = 2k on a graticule starting at x = 18, 100 units a division;
        # volts count from the centre line at 131, 25.25 units a division.
        expected_time = (2 * k - 18) / 100 * seconds_per_div
        expected_volts = (value - 131) / 25.25 * volts_per_div
        if sample != k or not 0 <= value <= 255:
            fail("row %d: %r" % (k, row))
        if not math.isclose(time_s, expected_time, rel_tol=1e-12, abs_tol=1e-15):
            fail("row %d: time %r, expected %r" % (k, time_s, expected_time))
        if not math.isclose(volts, expected_volts, rel_tol=1e-12, abs_tol=1e-15):
            fail("row %d: volts %r, expected %r" % (k, volts, expected_volts))


def main():
    program, capture, volts_per_div, seconds_per_div = sys.argv[1:5]
    want_png = "--png" in sys.argv[5:]
    out = subprocess.run([program, "--csv", "--stdout", capture], capture_output=True, check=True)
    if b"\r\n" not in out.stdout or b"\r\r" in out.stdout:
        fail("lines must end in CR LF")
    check_csv(out.stdout.decode("ascii"), float(volts_per_div), float(seconds_per_div))

    with tempfile.TemporaryDirectory() as folder:
        options = ["--csv", "--png"] if want_png else ["--csv"]
        subprocess.run([program, *options, "--to", folder, capture], check=True,
                       capture_output=True)
        stem = os.path.basename(capture)[: -len(".log")]
        expected = sorted(stem + ext for ext in ([".csv", ".png"] if want_png else [".csv"]))
        if sorted(os.listdir(folder)) != expected:
            fail("written: %r" % sorted(os.listdir(folder)))
        with open(os.path.join(folder, stem + ".csv"), "rb") as written:
            if written.read() != out.stdout:
                fail("the CSV file differs from the one on standard output")
        if want_png:
            with open(os.path.join(folder, stem + ".png"), "rb") as picture:
                head = picture.read(24)
            if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
                fail("not a PNG")
            if struct.unpack(">II", head[16:24]) != (733, 585):
                fail("picture size %r" % (struct.unpack(">II", head[16:24]),))
    print("PASS")


main()
