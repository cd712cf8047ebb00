#!/usr/bin/env python3
"""Runs orvant-export --spectrum --stdout for each window over the sample captures and
compares its levels with SciPy's periodogram of the samples' volts (read from
orvant-export --csv --stdout), whose square root is each bin's RMS level; the dB columns
are worked out again with NumPy. Also checks the file a run into a folder writes.

usage: check_spectrum_command.py ORVANT_EXPORT SAMPLES_FOLDER
"""
import csv
import io
import math
import os
import subprocess
import sys
import tempfile

import numpy as np
from scipy.signal import periodogram

WINDOWS = {"rectangular": "boxcar", "hann": "hann", "flat-top": "flattop",
           "blackman-harris": "blackmanharris"}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def run(program, *args):
    done = subprocess.run([program, *args], capture_output=True)
    if done.returncode != 0:
        fail("%s exited %d: %s" % (args, done.returncode, done.stderr.decode()))
    return done.stdout.decode("utf-8")


def rows_of(text):
    if "\n" in text.replace("\r\n", ""):
        fail("lines do not end in CR LF")
    return list(csv.DictReader(io.StringIO(text, newline="")))


def close(a, b, peak):
    return math.isclose(a, b, rel_tol=1e-9, abs_tol=1e-12 * peak)


def check(program, capture, window):
    curve = rows_of(run(program, "--csv", "--stdout", capture))
    volts = np.array([float(r["volts"]) for r in curve])
    scale = rows_of(run(program, "--table", capture))[0]
    volts_per_div = float(scale["volts_per_div"])
    fs = 50 / float(scale["seconds_per_div"])  # 50 samples a division, X10 MAG counted
    spectrum = rows_of(run(program, "--spectrum", "--window", window, "--stdout", capture))
    if list(spectrum[0].keys()) != ["bin", "frequency_hz", "level_vrms", "level_dbv",
                                    "level_dbfs"]:
        fail("header %r" % list(spectrum[0].keys()))
    if [int(r["bin"]) for r in spectrum] != list(range(257)):
        fail("bins")
    f, pxx = periodogram(volts, fs, window=WINDOWS[window], scaling="spectrum", detrend=False)
    levels = np.sqrt(pxx)
    peak = levels.max()
    # Full scale: a sine over the codes 0 to 255, as RMS.
    full_scale = 127.5 / 25.25 * volts_per_div / math.sqrt(2)
    for row, freq, level in zip(spectrum, f, levels):
        where = "%s %s bin %s" % (os.path.basename(capture), window, row["bin"])
        if not math.isclose(float(row["frequency_hz"]), freq, rel_tol=1e-9):
            fail("%s: frequency %s against %r" % (where, row["frequency_hz"], freq))
        ours = float(row["level_vrms"])
        if not close(ours, level, peak):
            fail("%s: level %r against SciPy's %r" % (where, ours, level))
        if ours == 0:
            if row["level_dbv"] or row["level_dbfs"]:
                fail("%s: dB of a level of 0" % where)
            continue
        if not math.isclose(float(row["level_dbv"]), 20 * np.log10(ours), rel_tol=1e-12,
                            abs_tol=1e-12):
            fail("%s: dBV %s" % (where, row["level_dbv"]))
        if not math.isclose(float(row["level_dbfs"]), 20 * np.log10(ours / full_scale),
                            rel_tol=1e-12, abs_tol=1e-12):
            fail("%s: dBFS %s" % (where, row["level_dbfs"]))


def main():
    program, samples = sys.argv[1], sys.argv[2]
    captures = [os.path.join(samples, n) for n in sorted(os.listdir(samples))]
    checked = 0
    for capture in captures:
        curve = rows_of(run(program, "--csv", "--stdout", capture))
        if not curve[0]["volts"] or not curve[0]["time_s"]:
            continue  # the comparison needs both scales
        for window in WINDOWS:
            check(program, capture, window)
            checked += 1
    if checked < 8:
        fail("only %d spectra compared" % checked)
    with tempfile.TemporaryDirectory() as folder:
        out = run(program, "--spectrum", "--to", folder, captures[0])
        name = os.path.basename(captures[0])[:-len(".log")] + " spectrum.csv"
        if os.listdir(folder) != [name] or name not in out:
            fail("a run into a folder wrote %r, said %r" % (os.listdir(folder), out))
    print("%d spectra compared with SciPy's" % checked)


main()
