#!/usr/bin/env python3
"""Writes the seed corpus: a handful of real-looking captures per fuzz target.

Run it again after changing it; the files it writes are kept in the repository.
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"


def pair(byte):
    return "%02X" % byte


def capture(settings=(0x00, 0x37, 0x00, 0x37, 0x30, 0x44, 0x32, 0x38),
            lead=(0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19),
            frame="01", count="0400", samples=None):
    """The 2100 hex digits the instrument writes: frame number, byte count and
    samples are bytes that hold hex digit characters."""
    if samples is None:
        samples = [(k * 7) % 256 for k in range(512)]
    text = "".join(pair(b) for b in lead)
    text += "".join(pair(b) for b in settings)
    text += "0000"
    text += "".join(pair(ord(c)) for c in frame + count)
    for s in samples:
        text += "".join(pair(ord(c)) for c in pair(s))
    return text


VALID = capture()
# Bytes 6 and 7 are "C" and "H": characters 11 to 14 read 4348.
SHIFTED = capture(lead=(0x10, 0x11, 0x12, 0x13, 0x14, 0x43, 0x48, 0x17, 0x18, 0x19))
# Flags 0F, 50 V, range 1 with 20 S, trigger 33/38 (EXT), frame 1A, count 7FFF.
SETTINGS = capture(settings=(0x0F, 0x43, 0x02, 0x44, 0x31, 0x41, 0x33, 0x38),
                   frame="1A", count="7FFF")
OVERFLOW = capture(count="8000", frame="FF")
LOWER = VALID.lower()

READER_SEEDS = {
    "valid": VALID + "\r\n",
    "shifted": SHIFTED + "\r\n",
    "short": VALID[:100] + "\r\n",
    "quoted": '"' + VALID[:300] + ",\r\n" + VALID[300:400] + '",3031\r\n',
    "comma": "3031,3233\r\n4041\r\n",
    "lowercase": LOWER + "\n",
    "blank_lines": "\r\n\n  \t\r\n" + VALID[:200] + "\r\n",
    "long_line": (VALID + VALID)[:4200] + "\r\n",
    "blanks_only": " \t\r\n\r\n",
    "byte_order_mark": "\ufeff" + VALID[:120] + "\r\n",
}

# Two captures, one after the other: the second load meets what the first left.
LOAD_SEEDS = {
    "valid_then_shifted": VALID + "\r\n" + SHIFTED + "\r\n",
    "settings_then_short": SETTINGS + "," + VALID[:100] + "\r\n",
    "valid_then_lowercase": VALID + "\n" + LOWER + "\n",
    "overflow_then_quoted": OVERFLOW + '\r\n"' + VALID[:400] + '"\r\n',
    "blank_pairs_then_valid": "  " * 40 + "\r\n" + VALID + "\r\n",
}

TARGETS = {
    "fuzz_first_field": READER_SEEDS,
    "fuzz_capture_file": READER_SEEDS,
    "fuzz_capture_load": LOAD_SEEDS,
    "fuzz_export_lines": LOAD_SEEDS,
}


def main():
    for target, seeds in TARGETS.items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, text in seeds.items():
            (folder / (name + ".log")).write_bytes(text.encode("utf-8"))


if __name__ == "__main__":
    main()
