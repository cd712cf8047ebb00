"""The orvant module against orvant-export: the same captures read both ways.

ORVANT_EXPORT names the program, ORVANT_SAMPLES the folder of sample captures; the
module is found on PYTHONPATH.
"""
import csv
import io
import json
import os
import pathlib
import shutil
import struct
import subprocess
import threading

import numpy
import pytest

import orvant

PROGRAM = os.environ["ORVANT_EXPORT"]
SAMPLES = pathlib.Path(os.environ["ORVANT_SAMPLES"])
CAPTURES = sorted(SAMPLES.iterdir())


def run(*args):
    done = subprocess.run([PROGRAM, *map(os.fsdecode, args)], capture_output=True)
    return done.returncode, done.stdout.decode("utf-8")


@pytest.fixture
def folder(tmp_path):
    """The samples, an empty capture and a folder that is no capture."""
    for capture in CAPTURES:
        shutil.copy(capture, tmp_path)
    (tmp_path / "empty.log").write_bytes(b"")
    (tmp_path / "folder.log").mkdir()
    return tmp_path


def same_value(ours, theirs):
    """Equal, floats bit for bit, and of the kind JSON reads."""
    if isinstance(theirs, float):
        return isinstance(ours, float) and struct.pack("<d", ours) == struct.pack("<d", theirs)
    return type(ours) is type(theirs) and ours == theirs


@pytest.mark.parametrize("capture", CAPTURES, ids=lambda p: p.name)
def test_samples_through_the_unit_rule_of_the_csv(capture):
    loaded = orvant.load(capture)
    assert loaded.file == str(capture)
    assert loaded.values.dtype == numpy.uint8 and loaded.values.shape == (512,)
    _, text = run("--csv", "--stdout", capture)
    rows = list(csv.DictReader(io.StringIO(text, newline="")))
    assert [int(r["value"]) for r in rows] == loaded.values.tolist()
    for array, column in ((loaded.volts, "volts"), (loaded.seconds, "time_s")):
        if rows[0][column] == "":
            assert array is None
        else:
            assert array.dtype == numpy.float64
            assert array.tolist() == [float(r[column]) for r in rows]
    assert set(loaded.settings) == set(orvant.columns()[5:30])
    columns = orvant.columns()
    assert list(loaded.measurements) == columns[columns.index("maximum"):]
    assert list(loaded.scale) == columns[columns.index("channel"):columns.index("maximum")]


def test_arrays_are_read_only_and_paths_of_every_kind():
    capture = CAPTURES[0]
    for given in (str(capture), os.fsencode(capture), capture):
        loaded = orvant.load(given)
        assert loaded.file == str(capture)
        for array in (loaded.values, loaded.volts, loaded.spectrum()["level"]):
            with pytest.raises(ValueError):
                array[0] = 1
    with pytest.raises(TypeError):
        orvant.load(3)


@pytest.mark.parametrize("name, number, text", [
    ("gone.log", 53, "File not found"),
    ("nul\0.log", 53, "File not found"),
    ("empty.log", 62, "Input past end of file"),
    ("folder.log", 75, "Path/File access error"),
])
def test_every_error_number(folder, name, number, text):
    with pytest.raises(orvant.LoadError) as raised:
        orvant.load(os.path.join(folder, name))
    assert (raised.value.number, raised.value.text) == (number, text)
    assert str(raised.value) == "Error %d (%s)" % (number, text)


def test_the_table_is_the_json_of_the_command_line(folder):
    arguments = [folder, CAPTURES[2]]
    code, text = run("--table", "--json", *arguments)
    assert code == 1  # the failing files
    theirs = json.loads(text)
    ours = orvant.table(arguments)
    # A folder's files, not its folders: the samples, the empty one, the capture given.
    assert len(ours) == len(theirs) == len(CAPTURES) + 2
    for mine, row in zip(ours, theirs):
        assert list(mine) == list(row) == orvant.columns()
        for key in row:
            assert same_value(mine[key], row[key]), (row["file"], key, mine[key], row[key])
    errors = [r["error"] for r in ours if r["error"] is not None]
    assert errors == [62]
    assert orvant.table(folder, threads=1) == ours[:-1]
    assert orvant.table(CAPTURES[0]) == orvant.table([CAPTURES[0]])


def test_wrong_arguments_of_the_table():
    with pytest.raises(ValueError):
        orvant.table(SAMPLES, threads=0)
    with pytest.raises(TypeError):
        orvant.table([SAMPLES, 5])


def test_the_frame_and_its_types(folder):
    frame = orvant.table_frame(folder)
    assert list(frame.columns) == orvant.columns()
    assert len(frame) == len(CAPTURES) + 1
    for column in ("maximum", "rms", "frequency_hz", "thd_db", "enob_bits"):
        assert frame[column].dtype == numpy.float64, column
    assert frame["size_bytes"].dtype == numpy.int64
    assert frame["file"].dtype == object


def test_spectrum_and_export_text():
    capture = orvant.load(next(c for c in CAPTURES if c.name.startswith("Sine")))
    for window in ("rectangular", "hann", "flat-top", "blackman-harris"):
        s = capture.spectrum(window)
        assert s["level"].shape == s["frequency"].shape == (257,)
        _, text = run("--spectrum", "--window", window, "--stdout", capture.file)
        rows = list(csv.DictReader(io.StringIO(text, newline="")))
        assert s["level"].tolist() == [float(r["level_vrms"]) for r in rows]
        assert s["frequency"].tolist() == [float(r["frequency_hz"]) for r in rows]
        assert s["frequency_unit"] == "Hz" and s["level_unit"] == "V"
    with pytest.raises(ValueError):
        capture.spectrum("flattop")
    _, text = run("--stdout", capture.file)
    # Line 1 names the moment of writing; the other 1580 lines are the same.
    assert capture.export_text().split("\r\n")[1:] == text.split("\r\n")[1:]


def test_tables_of_two_threads_run_beside_each_other(folder):
    results = {}

    def read(name):
        results[name] = orvant.table(folder)

    threads = [threading.Thread(target=read, args=(n,)) for n in ("a", "b")]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert results["a"] == results["b"] == orvant.table(folder)
