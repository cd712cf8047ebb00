#!/usr/bin/env python3
"""Writes N capture files "capture 00000.log" ... into FOLDER, as the instrument writes
them (1 V and 1 mS a division): squares shifted by one sample each, or with --curves
sines of many periods and amplitudes with a little noise, as captured.

usage: make_captures.py FOLDER N [--curves]
"""
import math
import os
import sys


def pair(byte):
    return "%02X" % byte


def samples_of(i, curves):
    if curves:
        return [max(0, min(255, round(131 + (30 + i % 90) * math.sin(k / (3 + i % 40))
                                      + 3 * math.sin(k * 12.9898 + i)))) for k in range(512)]
    return [131 + (50 if ((k + i) // 25) % 2 else -50) for k in range(512)]


def main():
    folder, count, curves = sys.argv[1], int(sys.argv[2]), "--curves" in sys.argv[3:]
    os.makedirs(folder, exist_ok=True)
    settings = [0x00, 0x37, 0x00, 0x37, 0x30, 0x44, 0x32, 0x38]
    lead = "".join(pair(0x10 + j) for j in range(10)) + "".join(pair(b) for b in settings)
    lead += "0000" + "".join(pair(ord(c)) for c in "01") + "".join(pair(ord(c)) for c in "0400")
    for i in range(count):
        text = lead + "".join(pair(ord(c)) for s in samples_of(i, curves) for c in "%02X" % s)
        with open(os.path.join(folder, "capture %05d.log" % i), "w") as f:
            f.write(text + "\r\n")


main()
