#!/usr/bin/env python3
"""The data file "Export Data" writes after a capture file was loaded as the
first capture of a fresh start, worked out here on its own from the rules of
the capture and data file formats (it shares no code with the program), so that
the program's export can be checked against it byte for byte.

    make_expected_export.py CAPTURE DATE TIME OUTPUT    write the data file
    make_expected_export.py --check CAPTURE DATE TIME EXPECTED
                                                        compare with a file

DATE is yyyy-MM-dd and TIME hh:mm:ss, as line 1 shows them.
Standard library only.
"""

import sys

TEXT_LENGTH = 2110  # characters of the prepared capture text
SAMPLE_COUNT = 512
DIGITS = b"0123456789ABCDEF"  # capture digits: upper case only
SAMPLE_DIGITS = b"0123456789ABCDEFabcdef"  # "&H" numbers take either case
CRLF = b"\r\n"


def first_field(data):
    """The first comma- or line-delimited field; None when the file has none."""
    start = 0
    while start < len(data) and data[start] in b" \t\r\n":
        start += 1
    if start == len(data):
        return None
    if data[start] == ord('"'):
        end = data.find(b'"', start + 1)
        return data[start + 1:] if end < 0 else data[start + 1:end]
    end = start
    while end < len(data) and data[end] not in b",\r\n":
        end += 1
    return data[start:end]


def prepared_text(field):
    """Blank-filled or cut to 2110 characters; moved one pair on when
    characters 11 to 14 read 4348."""
    text = field[:TEXT_LENGTH].ljust(TEXT_LENGTH, b" ")
    if text[10:14] == b"4348":
        text = (b"  " + text)[:TEXT_LENGTH]
    return text


def digit_value(c):
    """0 to 15 for a capture digit, None for any other character."""
    index = DIGITS.find(bytes([c]))
    return None if index < 0 else index


def bits(c):
    value = digit_value(c)
    return b"    " if value is None else format(value, "04b").encode()


def pair_hex(text, nr):
    pair = text[nr - 1:nr + 1]
    # The program shows a blank first pair as the byte 20 hex in every column.
    if nr == 1 and pair == b"  ":
        return b"20"
    return pair


def byte_value(pair):
    high, low = (digit_value(c) or 0 for c in pair)
    return 16 * high + low


def byte_row(text, nr):
    """Nr. in 4, 6 blanks, hex text, 5 blanks, decimal text, binary text at
    column 25, 5 blanks, the byte's character: 38 characters. The decimal text
    is left-aligned in columns 18 to 20 (three digits from 100 on)."""
    pair = pair_hex(text, nr)
    value = byte_value(pair)
    return (str(nr).rjust(4).encode() + b" " * 6 + pair + b" " * 5
            + str(value).ljust(3).encode() + b" " * 4 + bits(pair[0]) + bits(pair[1])
            + b" " * 5 + bytes([value]))


def byte_characters(text):
    """The character of every pair, by Nr."""
    return {nr: bytes([byte_value(pair_hex(text, nr))])
            for nr in range(1, TEXT_LENGTH, 2)}


def sample_rows(characters):
    """Rows of samples 1 to 512; a text that is no hex number keeps the value
    the sample had before, which after a fresh start is 0."""
    rows = []
    value = [0] * (SAMPLE_COUNT + 1)
    for k in range(1, SAMPLE_COUNT + 1):
        p = 53 + 4 * (k - 1)
        digits = characters[p] + characters[p + 2]
        if all(c in SAMPLE_DIGITS for c in digits):
            value[k] = int(digits.decode("ascii"), 16)
        rows.append(str(k).rjust(4).encode() + b" " * 5 + b"&H" + digits + b" " * 6
                    + str(value[k]).rjust(3).encode())
    return rows


def number_item(value):
    return b" " + str(value).encode() + b" "


def export_lines(text, date, time):
    length = len(text)
    lines = [
        b"C:\\ORVANT Data File " + date + b" " + time,
        b"",
        text,
        b"",
        b"Length of the HEX_Data File:" + number_item(length) + b"Bytes" + b" ="
        + number_item(length // 2) + b"HEX-Values",
        b"",
        b"  No" + b" " * 5 + b"HEX" + b" " * 4 + b"DEZ" + b" " * 7 + b"BIN" + b" " * 6 + b"SIGN",
        b"",
    ]
    lines += [byte_row(text, nr) for nr in range(1, TEXT_LENGTH, 2)]
    lines += [b"", b"", b"CURVE DATA", b"", b"  No" + b" " * 5 + b"SIGD" + b" " * 5 + b"DEZD", b""]
    lines += sample_rows(byte_characters(text))
    return lines


def export_of(capture_path, date, time):
    with open(capture_path, "rb") as capture:
        field = first_field(capture.read())
    if field is None:
        raise SystemExit(f"{capture_path}: no field to read")
    lines = export_lines(prepared_text(field), date.encode(), time.encode())
    assert len(lines) == 1581
    return b"".join(line + CRLF for line in lines)


def main(argv):
    check = len(argv) == 5 and argv[0] == "--check"
    if check:
        argv = argv[1:]
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    capture, date, time, target = argv
    content = export_of(capture, date, time)
    if not check:
        with open(target, "wb") as out:
            out.write(content)
        return 0
    with open(target, "rb") as expected_file:
        expected = expected_file.read()
    if content == expected:
        return 0
    at = next((i for i, (a, b) in enumerate(zip(content, expected)) if a != b),
              min(len(content), len(expected)))
    sys.stderr.write(f"{target} differs from the rules at byte {at} "
                     f"({len(expected)} bytes, the rules give {len(content)})\n")
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
