#!/usr/bin/env python3
"""orvant-export --pdf and --report read back with poppler's tools: pages, paper, the
text (pdftotext) against the captures table's JSON, Python's hashlib and statistics,
and no bitmap anywhere (pdfimages -list).

usage: check_pdf_report.py ORVANT_EXPORT SAMPLES_FOLDER [CAPTURE...]
"""
import datetime
import hashlib
import json
import os
import pathlib
import re
import statistics
import subprocess
import sys
import tempfile
import zlib

failures = []
# Paper in points: A4 is 210 x 297 mm, Letter 8.5 x 11 in.
PAPER = {"de_DE.UTF-8": (595, 842), "en_US.UTF-8": (612, 792)}


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*args, lang="de_DE.UTF-8"):
    environment = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    environment["LANG"] = lang
    return subprocess.run([str(a) for a in args], capture_output=True, env=environment)


def info(pdf):
    text = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, check=True).stdout.decode()
    pages = int(re.search(r"Pages:\s+(\d+)", text).group(1))
    width, height = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", text).groups()
    return pages, (round(float(width)), round(float(height)))


def page_text(pdf, page):
    done = subprocess.run(["pdftotext", "-f", str(page), "-l", str(page), str(pdf), "-"],
                          capture_output=True, check=True)
    return " ".join(done.stdout.decode("utf-8").split())


def no_images(pdf, name):
    listed = subprocess.run(["pdfimages", "-list", str(pdf)], capture_output=True, check=True)
    lines = listed.stdout.decode().splitlines()
    check(len(lines) == 2, "%s: images listed: %r" % (name, lines[2:]))


def stroke_widths_mm(pdf):
    """The width of every stroked path of the page streams, in millimetres on paper:
    each "w" through the scales of the "cm" operators around it (q/Q keep them)."""
    data = pathlib.Path(pdf).read_bytes()
    widths = []
    for stream in re.finditer(rb"stream\r?\n(.*?)endstream", data, re.S):
        try:
            content = zlib.decompress(stream.group(1)).decode("latin-1")
        except zlib.error:
            continue  # a font
        scale, width, stack, operands = 1.0, 1.0, [], []
        for token in content.split():
            if re.fullmatch(r"-?(\d+\.?\d*|\.\d+)", token):
                operands.append(float(token))
                continue
            if token == "q":
                stack.append((scale, width))
            elif token == "Q" and stack:
                scale, width = stack.pop()
            elif token == "cm" and len(operands) >= 6:
                scale *= abs(operands[-6])
            elif token == "w" and operands:
                width = operands[-1]
            elif token in ("S", "s"):
                widths.append(width * scale * 25.4 / 72)
            operands = []
    return widths


def check_capture_page(text, path, row, version):
    name = path.name
    check(name in text, name + ": no file name")
    digest = hashlib.sha256(path.read_bytes()).hexdigest()
    check("SHA-256: " + digest in text, name + ": no SHA-256 " + digest)
    moment = datetime.datetime.fromtimestamp(path.stat().st_mtime).astimezone()
    check("Modified: " + moment.isoformat(timespec="seconds") in text, name + ": no time")
    check("Written by " + version in text, name + ": no version")
    columns = list(row)
    for key in columns[columns.index("error_text") + 1:columns.index("channel")]:
        expected = "%s: %s" % (key, row[key] if row[key] is not None else "")
        check(expected.strip() in text, "%s: no setting %r" % (name, expected))
    for key in columns[columns.index("maximum"):]:
        value = row[key]
        if isinstance(value, bool):
            expected = "%s = %s" % (key, "true" if value else "false")
        elif value is None:
            expected = key + " = (none)"
        elif isinstance(value, str):
            expected = "%s = %s" % (key, value)
        else:
            # The number as written, read back: the same float.
            found = re.search(r"(?<![a-z_])%s = (\S+)" % re.escape(key), text)
            check(found is not None and float(found.group(1)) == value,
                  "%s: %s = %r, the table says %r" % (name, key, found and found.group(1), value))
            continue
        check(expected in text, "%s: no measurement %r" % (name, expected))


def main():
    program, samples = sys.argv[1], pathlib.Path(sys.argv[2])
    captures = sorted(samples.glob("*.log")) + [pathlib.Path(p) for p in sys.argv[3:]]
    version = run(program, "--version").stdout.decode().strip()
    rows = json.loads(run(program, "--table", "--json", *captures).stdout)
    with tempfile.TemporaryDirectory() as temporary:
        out = pathlib.Path(temporary)
        for lang, paper in PAPER.items():
            done = run(program, "--pdf", "--to", out, captures[0], lang=lang)
            check(done.returncode == 0 and done.stderr == b"", "--pdf %s: %r" % (lang, done))
            pdf = out / (captures[0].name[:-len(".log")] + ".pdf")
            check(info(pdf) == (1, paper), "%s: pages and paper %r" % (lang, info(pdf)))
        done = run(program, "--pdf", "--to", out, *captures)
        check(done.returncode == 0, "--pdf: exit %d %r" % (done.returncode, done.stderr))
        for path, row in zip(captures, rows):
            pdf = out / (path.name[:-len(".log")] + ".pdf")
            check(info(pdf) == (1, PAPER["de_DE.UTF-8"]), path.name + ": one A4 page")
            check_capture_page(page_text(pdf, 1), path, row, version)
            no_images(pdf, path.name)
            widths = stroke_widths_mm(pdf)
            check(len(widths) > 500, "%s: %d lines drawn" % (path.name, len(widths)))
            check(min(widths, default=0) >= 0.25 - 1e-6,
                  "%s: a line %.3f mm wide" % (path.name, min(widths, default=0)))

        # The report: statistics first, then the captures in the order given, a failed
        # one with its error; exit 1 for it, the document written all the same.
        order = [captures[2], out / "gone.log", captures[0], captures[1]]
        report = out / "report.pdf"
        done = run(program, "--report", report, *order)
        check(done.returncode == 1, "--report: exit %d" % done.returncode)
        check(b"gone.log: Error 53 (File not found)" in done.stderr, "--report: %r" % done.stderr)
        check(info(report) == (5, PAPER["de_DE.UTF-8"]), "report pages %r" % (info(report),))
        no_images(report, "report")
        first = page_text(report, 1)
        check("4 captures, 1 failed" in first, "report: no count")
        loaded = [r for r in rows if pathlib.Path(r["file"]) in order]
        rms = [r["rms"] for r in loaded]
        check(len(rms) == 3, "rows of the report's captures: %d" % len(rms))
        for figure in (statistics.mean(rms), statistics.stdev(rms), min(rms), max(rms)):
            check("%.6g" % figure in first, "report: no rms statistic %.6g" % figure)
        for page, path in enumerate(order, start=2):
            text = page_text(report, page)
            check(path.name in text, "report page %d: not %s" % (page, path.name))
        check("Error 53 (File not found)" in page_text(report, 3), "report: no error page")
        wrong = run(program, "--report", report, "--csv", captures[0])
        check(wrong.returncode == 2 and b"--report writes one document alone" in wrong.stderr,
              "--report --csv: %r" % wrong.stderr)
    for failure in failures:
        print("FAIL: " + failure)
    print("FAIL" if failures else "PASS")
    sys.exit(1 if failures else 0)


main()
