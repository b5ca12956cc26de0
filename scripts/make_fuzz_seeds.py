#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the seed corpus of the fuzz harnesses (fuzz/seeds/<harness>/): inputs laid out as the
harnesses read them (fuzz/fuzz_input.h). The first byte chooses UTF-8 (even) or UTF-16 (odd)."""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "seeds")


def text(s, utf16=False):
    b = s.encode("utf-16-le") if utf16 else s.encode("utf-8")
    n = len(s) if utf16 else len(b)
    return bytes([min(n, 255)]) + b


def i32(v):
    return struct.pack("<i", v)


def i64(v):
    return struct.pack("<q", v)


def f32(v):
    return struct.pack("<f", v)


def f64(v):
    return struct.pack("<d", v)


U8, U16 = b"\x00", b"\x01"

SEEDS = {
    "jzToDec": [U8 + text("ff") + bytes([16]), U8 + text("11111000") + bytes([2]),
                U8 + text("FFFFFFFF") + bytes([16]), U8 + text("777") + bytes([8])],
    "XorTwice": [U8 + b"00000111", U8 + b"10x1", U16 + "0110".encode("utf-16-le")],
    "Val": [U8 + f64(1234567.5) + f32(0.5) + b"12abc", U8 + f64(1e300) + f32(1e-7) + b"&HFFFF",
            U8 + f64(-0.0) + f32(3.4e38) + b" 1 2e+3x", U8 + f64(0) + f32(0) + b"1e400"],
    "plusMinus": [U8 + b"10-2-3", U8 + b"5--2", U8 + b"-1+-1", U8 + b"1e308+1e308",
                  U8 + b"1.5+1.5+2e2"],
    "DecTrans": [U8 + i32(16) + b"ff", U8 + i32(36) + b" zz ", U8 + i32(1) + b"123",
                 U8 + i32(0) + b"98", U8 + i32(-1) + b"ZZZZZZZ"],
    "XorRunTwice": [U8 + text(" 1 ") + b"1", U8 + text("111000") + b"0101",
                    U8 + text("10") + b"12"],
    "FormatNum": [U8 + f32(2.25), U8 + f32(0), U8 + f32(-3), U8 + f32(1e30)],
    "IncStr": [U8 + text("a") + text("中") + text("c")],
    "LeftInStr": [U8 + bytes([2, 21]) + text("bc") + b"abcabc",
                  U8 + bytes([3, 22]) + text("b") + b"abcabc",
                  U8 + bytes([0, 0]) + text("a") + b"abc"],
    "RightInStr": [U8 + bytes([2, 21]) + text("bc") + b"abcabc",
                   U8 + bytes([0, 6]) + text("a") + b"abc",
                   U8 + bytes([3, 23]) + text("b") + b"abcabc"],
    "Between": [U8 + text("[") + text("]") + b"[a][b]", U8 + text("ab") + text("b") + b"abc"],
    "DelCharsBetween": [U8 + text("()") + b"ab(cd)ef", U8 + text("((") + b"(((x"],
    "GetSTRinChar": [U8 + bytes([5]) + text("|") + b"|a|b|c|", U8 + bytes([2]) + text("|") + b"|a||b|c",
                     U8 + bytes([3]) + text(",") + b"abc,"],
    "SpaceWords": [U8 + bytes([4]) + b"  one   two ", U8 + bytes([2]) + b"a b c d"],
    "CutLeftRight": [U8 + i32(2) + text(":") + b"key:value", U8 + i32(-5) + text("::") + b"abc"],
    "CountAinB": [U8 + text("aa") + b"aaaa", U8 + text("") + b"x"],
    "Del_LRChr": [U8 + text("+-") + b"--x+-", U8 + text(" ") + b"   "],
    "LUCase": [U8 + text("AbC") + "AbC".encode(), U8 + text("") + "数码AbC".encode()],
    "LenChineseEnglish": [U8 + "ab中文".encode(), U16 + "\ud800x".encode("utf-16-le", "surrogatepass")],
    "replaceFormat": [U8 + bytes([1]) + i32(5) + b"12.5", U8 + bytes([0, 13]) + b"123",
                      U8 + bytes([1]) + i32(268435457) + b"~", U8 + bytes([0, 9]) + b"1."],
    "SpaceChar": [U8 + bytes([0, 3]) + b"abc", U8 + bytes([1]) + i32(268435455) + b"a",
                  U8 + bytes([0, 0]) + b"ab"],
    "variants": [U8 + bytes([1]) + i32(3) + bytes([5]) + text("3"),
                 U8 + bytes([2]) + f64(2.5) + bytes([0]), U8 + bytes([5]) + text("x") + bytes([4, 1])],
    "dates": [U8 + i32(2024) + i32(754000) + i64(1709251200000),
              U8 + i32(-1) + i32(-61500) + i64(-62135596800000)],
    "fileNames": [U8 + bytes([0]) + b"C:\\music\\song.mp3", U8 + bytes([1]) + b"a.b\\c",
                  U8 + bytes([0]) + b"x.tar.gz"],
    "GetSubCommandMain": [U8 + bytes([4]) + b"a.txt b.txt", U8 + bytes([4]) + b'"c d" "e f"',
                          U8 + bytes([4]) + b"x  ", U8 + bytes([2]) + b'"a b'],
    "pGetCartoonNum": [U8 + b"[Group] Title 123 [720p].mkv", U8 + "Title 第12集 1080p".encode(),
                       U8 + b"Show EP.12.mkv", U8 + b"Song 128kbps 07.mp3"],
    "FormatMoney": [U8 + b"1234567.89", U8 + b"-1234", U8 + b"+123", U8 + b"1234.5.6"],
    "RowHotTime": [U8 + bytes([2, 4, 1]) + text("b") + text("a") + text("c"),
                   U8 + bytes([4, 2, 0]) + text("B") + text("b")],
    "ini": [U8 + text("k") + text("S") + bytes([5]) + text("v") + b"a=1\r\n[S]\r\nx = 2\r\nk=v\r\n[]\r\nh=1\r\n",
            U8 + text("url") + text("[1]") + bytes([1]) + i32(5) + b"url=a=b\n[a=b]\r; c\r\n",
            U8 + text(" ") + text("[[5]]") + bytes([0]) + "[歌曲]\r\n名字=月亮\r\n".encode("gbk")],
    "lyrics": [U8 + i32(7000) + i32(12000) + i32(3000) + i32(5000) +
               b"[ti:Song]\r\n[ar:Singer]\r\n[00:10.00]A\r\n[00:05.00]B\r\n",
               U8 + i32(20000) + i32(0) + i32(-1) + i32(2147483647) +
               b"[00:12.34][00:45.67]Hello\n[00:12.345]x\r[re:y]\n[length:03:20]\nplain\n",
               U8 + i32(1) + i32(2) + i32(3) + i32(4) + "[ti:月亮]\r\n[00:01.00]一\r\n".encode("gbk")],
    "SearchText": [U8 + text("mp3;128,wma") + b"song.mp3 at 128 kbps", U8 + text("MP3") + b"song.mp3"],
    "TextLine": [U8 + i32(2) + i32(2) + i32(2) + text("XY") + b"a\r\nb\r\nc",
                 U8 + i32(-1) + i32(99) + i32(-3) + text("") + b""],
    "pathMapping": [U8 + bytes([3]) + text("/media/usb") + text("/media/usb/inner") + b"D:\\dir\\f",
                    U8 + bytes([1]) + b"C:\\home\\ana\\a.txt", U8 + bytes([0]) + b"Q:x"],
    "mountTable": [U8 + bytes([255]) + b"27 1 254:0 / / rw - ext4 /dev/vda rw\n"
                   b"41 28 8:17 / /media/USB\\040STICK rw - vfat /dev/sdb1 rw\n"
                   b"42 28 11:0 / /cd ro - iso9660 /dev/sr0 ro\n26 28 0:24 / /run rw - tmpfs tmpfs rw\n"],
    "registry": [U8 + bytes([0]) + text("Software\\Kelvarin") + text("v") + bytes([1, 5]) + text("abc") + b"\x00\x01",
                 U8 + bytes([1]) + text("a\\\\b") + text("") + bytes([4, 5]) + text("") + b"\x01\x01",
                 U8 + bytes([0]) + text("K") + text("n") + bytes([4, 5]) + text("xyz")],
    "dialogText": [U8 + bytes([3]) + i32(5000000) + b"C:\\d\x00a.txt\x00b.txt",
                   U8 + bytes([0]) + i32(-1) + b"C:\\Music\\Pop\\song.mp3"],
}

for name, seeds in SEEDS.items():
    folder = os.path.join(ROOT, name)
    os.makedirs(folder, exist_ok=True)
    for k, data in enumerate(seeds):
        with open(os.path.join(folder, f"seed-{k}"), "wb") as f:
            f.write(data)
print(f"{sum(len(s) for s in SEEDS.values())} seeds for {len(SEEDS)} harnesses")
