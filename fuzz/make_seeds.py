#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/: a few small inputs that
reach the interesting paths at once. The operation codes follow the Op enumeration of
strings_fuzz.cpp; a numeric input is x and y as doubles and n as a 32-bit integer; and
a unicode_clicks input is the two tags' lengths, the selection's anchor and cursor, then the
characters, each as kind 7 (any code point) with its value."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
I32_MIN, I32_MAX = -2**31, 2**31 - 1
(NEW, FROM_BYTES, FROM_TEXT, COPY, CONCAT, MID, RANGE, BUFFER, COMPARE, COMPARE_KEEP,
 WINDOW_TEXT, ADDRESS, ASSIGN, WRAP, FREE, FREE_UNKNOWN, FREE_AGAIN) = range(17)


def u8(*values):
    return bytes(values)


def i32(*values):
    return struct.pack("<%di" % len(values), *values)


def text(op, data):
    return u8(op, len(data)) + data


def strings_seeds():
    abc = text(FROM_BYTES, b"abcdef")
    jp = "日本語のテキスト".encode("cp932")
    cuts = [(1, 0), (2, 3), (6, 0), (5, 10), (0, 3), (-1, 3), (I32_MIN, I32_MAX),
            (I32_MAX, 1), (2, -1), (2, I32_MIN), (I32_MAX, I32_MIN)]
    bounds = [(2, 4), (3, 3), (4, 2), (0, 6), (-1, 3), (5, I32_MAX), (I32_MAX, I32_MAX),
              (I32_MIN, I32_MIN), (6, 7)]
    return {
        "creations": u8(NEW) + struct.pack("<H", 3) + abc + text(FROM_TEXT, b"ab\0cd") +
                     u8(COPY, 1, CONCAT, 0, 2, BUFFER) + i32(-1) + u8(BUFFER) + i32(5) +
                     u8(ADDRESS, 1, ASSIGN, 0, 1, FREE, 0),
        "cuts": b"".join(abc + u8(MID, 0) + i32(*c) + abc + u8(RANGE, 1) + i32(*c)
                         for c in cuts),
        "wrap": abc + text(FROM_BYTES, b"[") + text(FROM_BYTES, b"]") +
                b"".join(u8(WRAP, 0, 1, 2) + i32(*b) + u8(FREE, 3) for b in bounds) +
                u8(WRAP, 0, 0, 0) + i32(1, 5),
        "releases": u8(NEW, 0, 0, NEW, 1, 0, FREE, 0, FREE_AGAIN, 0, FREE_UNKNOWN, 0,
                       FREE_UNKNOWN, 2, FREE_UNKNOWN, 1, FREE_UNKNOWN, 3, FREE_UNKNOWN, 7,
                       CONCAT, 0, 0, FREE_AGAIN, 0),
        "window": b"".join(text(WINDOW_TEXT, b"hello") + i32(r)
                           for r in (5, 3, 60, 0, -1, I32_MIN, I32_MAX)),
        "compare": text(FROM_BYTES, jp) + text(FROM_BYTES, jp) + abc + abc +
                   u8(COMPARE, 0, 1, COMPARE_KEEP, 0, 1, COMPARE, 0, 0, COMPARE, 0, 1),
    }


def numeric_seeds():
    inf, nan = float("inf"), float("nan")
    records = {
        "ordinary": (2.0, 0.5, 10),
        "nan_inf": (nan, inf, I32_MIN),
        "negative_zero": (-0.0, -1.0, -3),
        "subnormal": (5e-324, 2147483648.0, 1024),
        "largest": (1.7976931348623157e308, -2147483647.0, -1075),
        "exp_limits": (709.44, 1.0 / 3.0, I32_MAX),
        "log_upper_end": (1.2711610061536464e308, 0.5, -1074),
        "k_out_of_range": (-1.4885e9, -2.5, 2),
    }
    return {name: struct.pack("<ddi", *r) for name, r in records.items()}


def click(text, anchor, cursor, start_tag="<", end_tag=">"):
    chars = start_tag + end_tag + text
    return (u8(len(start_tag), len(end_tag)) + struct.pack("<HH", anchor + 1, cursor + 1) +
            b"".join(u8(7) + struct.pack("<HB", ord(c) & 0xFFFF, ord(c) >> 16) for c in chars))


def unicode_clicks_seeds():
    return {
        "japanese": click("日本語のテキストです。", 3, 8, "「", "」"),
        "reversed_crlf": click("one\r\ntwo\r\nthree", 12, 2, "<p>", "</p>"),
        "one_way_outside": click("¥‖〜−選択—¢£¬\u203e😀", 11, 4),
        "one_way_inside": click("a〜b", 0, 3),
        "tricky_tags": click("abc", 1, 2, "<¥>", "\u2016"),
        "caret_past_end": click("表ソ能\\", 5, 5, "[b]", "[/b]"),
    }


for target, seeds in (("strings", strings_seeds()), ("numeric", numeric_seeds()),
                      ("unicode_clicks", unicode_clicks_seeds())):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
