#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora (corpus/<target>/) from the game's
shipped content and a built data root. Run it again when a format changes:

    fuzz/make_seeds.py build/debug/game

The seeds are kept small: a few of each kind, cut down where a whole file
would be large."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def out(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def stage_compact(dat):
    """The stage file target's compact form of a stage file: one edit for
    every line that is not "0"."""
    lines = dat.decode("ascii").split("\r\n")
    rec = bytearray([0])
    for i, line in enumerate(lines[:30001]):
        if line != "0":
            rec += struct.pack(">HB", i, len(line)) + line.encode("ascii")
    return bytes(rec)


def bmp(width, height, bpp, pixels, palette=None, top_down=False, core=False, masks=None):
    stride = (width * bpp + 31) // 32 * 4
    rows = []
    for y in range(height):
        row = bytearray()
        if bpp == 24:
            for x in range(width):
                r, g, b = pixels(x, y)
                row += bytes([b, g, r])
        elif bpp == 32:
            for x in range(width):
                r, g, b = pixels(x, y)
                row += bytes([b, g, r, 0])
        else:
            bits = 0
            nbits = 0
            for x in range(width):
                bits = bits << bpp | pixels(x, y)
                nbits += bpp
                if nbits == 8:
                    row.append(bits)
                    bits = nbits = 0
            if nbits:
                row.append(bits << (8 - nbits))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    if not top_down:
        rows.reverse()
    pal = b""
    if palette:
        pal = b"".join(bytes([b, g, r]) + (b"" if core else b"\0") for r, g, b in palette)
    if core:
        header = struct.pack("<IHHHH", 12, width, height, 1, bpp)
    else:
        header = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bpp,
                             3 if masks else 0, stride * height, 3780, 3780,
                             len(palette) if palette else 0, 0)
        if masks:
            header += struct.pack("<III", *masks)
    offset = 14 + len(header) + len(pal)
    body = header + pal + b"".join(rows)
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body


# The ranking line: every tagged field in the order the game writes them.
RANK_TAGS = "t c a l g p x y b d e f h i j k m o q r s u v w $ # z".split()
PAIR_TAGS = "e i m r v #"
BRACE_FIRST = "tcalgpxyz"
REFUSAL_MARK = "二重投稿は禁止しています"


def field_text(name, values):
    """The field text of a player; `values` maps a tag to its value."""
    text = "[hあ]hあ[n" + name + "]n"
    for t in RANK_TAGS:
        v = str(values.get(t, "00" if t in PAIR_TAGS else ("" if t in "clz" else "0")))
        text += "{" + t + v + ("}" + t if t in BRACE_FIRST else t + "}")
    return text


def packed(text):
    """Wrapped in full-width characters, through Shift-JIS, to UTF-7 with
    the first and last character cut off."""
    seven = ("＊　" + text + "　＊").encode("cp932").decode("cp932").encode("utf-7")
    return seven[1:-1]


def percent(data):
    return "".join("%%%02X" % b for b in data)


def ranking_seeds():
    players = [
        ("つみき", {"t": 12, "c": "よろしく", "a": 20, "l": "東京", "g": 1200, "p": 7, "x": 1, "y": 3,
                    "b": 300, "d": 2, "e": "14", "z": "2009/3/7"}),
        ("ゆき", {"t": 9999, "g": 77, "p": 1, "x": 3, "y": 8, "w": 5, "$": 1, "#": "38", "z": "2010/12/31"}),
        ("ab", {"t": 0, "c": "{}[]%+-", "l": "?", "z": "1/1"}),
    ]
    lines = [packed(field_text(n, v)) for n, v in players]
    out("ir_parse", "three", b"\r\n".join(lines) + b"\r\n")
    out("ir_parse", "duplicate_lf", b"\n".join([lines[0], lines[1], lines[0]]))
    out("ir_parse", "refused", lines[2] + b"\r\n" + packed(REFUSAL_MARK) + b"\r\n")
    for i, line in enumerate(lines):
        out("utf7", "line%d" % i, line)
        out("rankd_post", "post%d" % i, percent(line))
    out("utf7", "kana", "ゆきつみき".encode("utf-7"))
    out("utf7", "percent", percent("+MEYwTQ-".encode("ascii")))
    out("rankd_post", "bad_pair", percent(packed(field_text("x", {"e": "9"}))))
    out("rankd_post", "no_name", percent(packed("{t1}t")))


def main():
    data_root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "debug", "game")
    dat = os.path.join(data_root, "dat")

    # Stage files: a few shipped stages in compact form, an empty stage, and
    # two raw damaged files.
    for n in (1, 4, 37):
        with open(os.path.join(dat, "map%d.dat" % n), "rb") as f:
            out("stage_file", "map%d" % n, stage_compact(f.read()))
    out("stage_file", "empty", b"\0")
    out("stage_file", "raw_short", b"\x80" + b"1\r\n2\r\n-3\r\n")
    out("stage_file", "weather_lf", bytes([0x01]) + struct.pack(">HB", 30000, 1) + b"4")

    with open(os.path.join(dat, "chip.dat"), "rb") as f:
        out("chip_file", "chip.dat", f.read())
    out("chip_file", "short", b"1\r\n0\r\n")

    # Stage sources: a small test stage and one shipped stage.
    for path in ("tests/scenarios/stages/clamps.stage", "content/stages/map1.stage"):
        with open(os.path.join(ROOT, path), "rb") as f:
            out("stage_source", os.path.basename(path), f.read())
    with open(os.path.join(ROOT, "content/chips.txt"), "rb") as f:
        out("chip_source", "chips.txt", f.read())

    # The save file: a fresh one and one with records, texts in Shift-JIS.
    def save(values):
        return b"".join(v.encode("cp932") + b"\r\n" for v in values)
    fresh = ["0", "0", "0", "0", "", "0", "", "20", "東京", "0", "0", "0"] + ["0"] * 16 + \
        ["0", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0", "1"]
    out("save_file", "fresh", save(fresh))
    played = list(fresh)
    played[0], played[3], played[4], played[6], played[8] = "1200", "7", "忍", "〜よろしく〜", "大阪"
    played[9] = str((7 + 1200 * 1200) & 0xFFFFFFFF)
    played[13], played[17] = "30", "33"
    played[28] = str(63 // 3)
    out("save_file", "played", save(played))

    out("input_script", "keys", "# a run\n0 key Enter down\n1 key Enter up\n5 key Right down\n"
        "9 key Z down\n10 key Z up\n40 key Right up\n41 key Shift down\n42 key Shift up\n")
    out("input_script", "panels", "0 key M down\n1 key M up\n2 click name\n3 text 忍者\n"
        "4 focus next\n5 press\n6 mouse left down 100 120\n7 mouse left up 100 120\n"
        "8 move 30 40\n9 answer no\n10 music done\n11 mouse right down 5 5\n")

    # Pictures: small shipped sprites and every BMP kind the loader reads.
    for name in ("bom.bmp", "dia.bmp"):
        with open(os.path.join(data_root, "cg", name), "rb") as f:
            out("bmp", name, f.read())
    grad = lambda x, y: (x * 40 % 256, y * 50 % 256, (x + y) * 20 % 256)
    pal16 = [(i * 16, 255 - i * 16, i * 8) for i in range(16)]
    out("bmp", "pal8.bmp", bmp(5, 3, 8, lambda x, y: (x + y) % 16, pal16))
    out("bmp", "pal4_topdown.bmp", bmp(7, 3, 4, lambda x, y: (x * y) % 16, pal16, top_down=True))
    out("bmp", "pal1_core.bmp", bmp(9, 2, 1, lambda x, y: (x + y) % 2, pal16[:2], core=True))
    out("bmp", "rgb32_fields.bmp", bmp(3, 2, 32, grad, masks=(0xF800, 0x07E0, 0x001F)))
    out("bmp", "rgb32.bmp", bmp(3, 3, 32, grad))
    out("bmp", "rgb24.bmp", bmp(4, 2, 24, grad))
    ranking_seeds()
    jpegs = os.path.join(HERE, "corpus", "jpeg")
    if not os.path.isdir(jpegs) or not os.listdir(jpegs):
        print("corpus/jpeg: cut small pictures from cg/*.jpg with the game's JPEG writer")


if __name__ == "__main__":
    main()
