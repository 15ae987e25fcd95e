#!/usr/bin/env python3
"""Generates vellum/layout/line_break_table.cpp: the line-break class of every UTF-16 code unit.

Run once by hand when the class assignment changes; the output is committed, so builds never
need the Unicode data:

    apt-get install unicode-data
    scripts/gen_linebreak.py [/usr/share/unicode/LineBreak.txt] > vellum/layout/line_break_table.cpp

The breaker knows twenty classes. Characters are first classed from the Unicode line-breaking
data; classes that later Unicode versions split off one of the twenty go back to it (CP to CL,
CJ to NS, WJ to GL, ZWJ to CM, the Hangul and emoji classes to ID), every other class is AL.
Then the fixed assignments below, which the stored documents were laid out with, override the
data: they decide how Chinese punctuation, brackets, digits and quotes break.
"""
import sys

CLASSES = ["OP", "CL", "QU", "GL", "NS", "EX", "SY", "IS", "PR", "PO",
           "NU", "AL", "ID", "IN", "HY", "BA", "BB", "B2", "ZW", "CM"]
FOLDED = {"CP": "CL", "CJ": "NS", "WJ": "GL", "ZWJ": "CM", "H2": "ID", "H3": "ID",
          "JL": "ID", "JV": "ID", "JT": "ID", "EB": "ID", "EM": "ID"}

# (first, last, class), applied in order: later entries win.
FIXED = [
    # ASCII and Latin-1
    (0x0000, 0x00FF, "AL"),
    (0x0000, 0x0008, "CM"), (0x000B, 0x000B, "CM"), (0x000E, 0x001F, "CM"),
    (0x007F, 0x009F, "CM"), (0x0009, 0x0009, "BA"),
    (0x0021, 0x0021, "EX"), (0x003F, 0x003F, "EX"), (0x0022, 0x0022, "QU"),
    (0x0027, 0x0027, "QU"), (0x0024, 0x0024, "GL"), (0x0025, 0x0025, "PO"),
    (0x0028, 0x0028, "OP"), (0x005B, 0x005B, "OP"), (0x007B, 0x007B, "OP"),
    (0x0029, 0x0029, "CL"), (0x005D, 0x005D, "CL"), (0x007D, 0x007D, "CL"),
    (0x002B, 0x002B, "PR"), (0x005C, 0x005C, "PR"), (0x002C, 0x002C, "IS"),
    (0x002E, 0x002E, "IS"), (0x003A, 0x003B, "IS"), (0x002D, 0x002D, "HY"),
    (0x002F, 0x002F, "SY"), (0x0030, 0x0039, "NU"), (0x007C, 0x007C, "BA"),
    (0x00A0, 0x00A0, "GL"), (0x00A2, 0x00A2, "PO"), (0x00B0, 0x00B0, "PO"),
    (0x00A3, 0x00A5, "PR"), (0x00B1, 0x00B1, "PR"), (0x00AB, 0x00AB, "QU"),
    (0x00BB, 0x00BB, "QU"), (0x00AD, 0x00AD, "BA"), (0x00B4, 0x00B4, "BB"),
    # General punctuation
    (0x2000, 0x2006, "BA"), (0x2008, 0x200A, "BA"), (0x2010, 0x2010, "BA"),
    (0x2012, 0x2013, "BA"), (0x2027, 0x2027, "BA"), (0x205F, 0x205F, "BA"),
    (0x2007, 0x2007, "GL"), (0x2011, 0x2011, "GL"), (0x202F, 0x202F, "GL"),
    (0x2060, 0x2060, "GL"), (0xFEFF, 0xFEFF, "GL"), (0x200B, 0x200B, "ZW"),
    (0x200C, 0x200F, "CM"), (0x202A, 0x202E, "CM"), (0x206A, 0x206F, "CM"),
    (0x2014, 0x2014, "B2"), (0x2018, 0x2019, "QU"), (0x201B, 0x201D, "QU"),
    (0x201F, 0x201F, "QU"), (0x2039, 0x203A, "QU"), (0x201A, 0x201A, "OP"),
    (0x201E, 0x201E, "OP"), (0x2045, 0x2045, "OP"), (0x207D, 0x207D, "OP"),
    (0x208D, 0x208D, "OP"), (0x2046, 0x2046, "CL"), (0x207E, 0x207E, "CL"),
    (0x208E, 0x208E, "CL"), (0x2024, 0x2026, "IN"), (0x2030, 0x2037, "PO"),
    (0x203C, 0x203C, "NS"), (0x2044, 0x2044, "NS"), (0x20A0, 0x20A6, "PR"),
    (0x20A8, 0x20B1, "PR"), (0x20A7, 0x20A7, "PO"), (0x20D0, 0x20EA, "CM"),
    # CJK symbols and punctuation
    (0x3000, 0x3000, "ID"), (0x3003, 0x3004, "ID"), (0x3006, 0x3007, "ID"),
    (0x3012, 0x3013, "ID"), (0x3020, 0x3029, "ID"), (0x3030, 0x303A, "ID"),
    (0x303D, 0x303F, "ID"), (0x3001, 0x3002, "CL"), (0x3005, 0x3005, "NS"),
    (0x301C, 0x301C, "NS"), (0x303B, 0x303C, "NS"),
] + [(c, c, "OP" if c % 2 == 0 else "CL") for c in list(range(0x3008, 0x3012)) + list(range(0x3014, 0x301C))] + [
    (0x301D, 0x301D, "OP"), (0x301E, 0x301F, "CL"), (0x302A, 0x302F, "CM"),
    ("kana", 0x3041, 0x3096), ("kana", 0x30A0, 0x30FF),
    (0x309B, 0x309E, "NS"), (0x30A0, 0x30A0, "NS"), (0x30FB, 0x30FB, "NS"),
    (0x30FD, 0x30FD, "NS"), (0x3099, 0x309A, "CM"),
    (0x3105, 0x312C, "ID"), (0x3131, 0x318E, "ID"), (0x3190, 0x31B7, "ID"),
    (0x3200, 0x321C, "ID"), (0x3220, 0x3243, "ID"), (0x3251, 0x327B, "ID"),
    (0x327F, 0x32CB, "ID"), (0x32D0, 0x32FE, "ID"), (0x3300, 0x3376, "ID"),
    (0x337B, 0x33DD, "ID"), (0x33E0, 0x33FE, "ID"), (0x3400, 0x4DB5, "ID"),
    (0x4E00, 0x9FA5, "ID"), (0xA000, 0xA48C, "ID"), (0xA490, 0xA4C6, "ID"),
    (0xAC00, 0xD7A3, "ID"), (0xF900, 0xFA2D, "ID"), (0xFA30, 0xFA6A, "ID"),
    (0x31F0, 0x31FF, "NS"),
    # Full-width and compatibility forms
    (0xFF02, 0xFF5E, "ID"),
    (0xFF01, 0xFF01, "EX"), (0xFF1F, 0xFF1F, "EX"),
    (0xFF08, 0xFF08, "OP"), (0xFF3B, 0xFF3B, "OP"), (0xFF5B, 0xFF5B, "OP"),
    (0xFF5F, 0xFF5F, "OP"), (0xFF62, 0xFF62, "OP"),
    (0xFF09, 0xFF09, "CL"), (0xFF0C, 0xFF0C, "CL"), (0xFF0E, 0xFF0E, "CL"),
    (0xFF3D, 0xFF3D, "CL"), (0xFF5D, 0xFF5D, "CL"), (0xFF60, 0xFF61, "CL"),
    (0xFF63, 0xFF64, "CL"),
    (0xFF1A, 0xFF1B, "NS"), (0xFF65, 0xFF65, "NS"), (0xFF67, 0xFF70, "NS"),
    (0xFF9E, 0xFF9F, "NS"),
    (0xFF04, 0xFF04, "PR"), (0xFFE1, 0xFFE1, "PR"), (0xFFE5, 0xFFE6, "PR"),
    (0xFF05, 0xFF05, "PO"), (0xFFE0, 0xFFE0, "PO"), (0xFF71, 0xFF9D, "AL"),
] + [(c, c, "OP" if (c - 0xFE35) % 2 == 0 else "CL") for c in range(0xFE35, 0xFE45)] + [
    (0xFE50, 0xFE50, "CL"), (0xFE52, 0xFE52, "CL"), (0xFE54, 0xFE55, "NS"),
    (0xFE56, 0xFE57, "EX"), (0xFE59, 0xFE59, "OP"), (0xFE5B, 0xFE5B, "OP"),
    (0xFE5D, 0xFE5D, "OP"), (0xFE5A, 0xFE5A, "CL"), (0xFE5C, 0xFE5C, "CL"),
    (0xFE5E, 0xFE5E, "CL"),
]


def read_data(path):
    classes = ["AL"] * 0x10000
    with open(path, encoding="utf-8") as data:
        for line in data:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            codes, cls = (part.strip() for part in line.split(";"))
            first, _, last = codes.partition("..")
            first = int(first, 16)
            last = int(last, 16) if last else first
            if first > 0xFFFF:
                continue
            cls = FOLDED.get(cls, cls)
            for c in range(first, min(last, 0xFFFF) + 1):
                classes[c] = cls if cls in CLASSES else "AL"
    return classes


def apply_fixed(classes, raw):
    for entry in FIXED:
        if entry[0] == "kana":
            # Kana are ideographic, except the small kana the data marks as non-starters.
            for c in range(entry[1], entry[2] + 1):
                classes[c] = "NS" if raw[c] == "NS" else "ID"
            continue
        first, last, cls = entry
        for c in range(first, last + 1):
            classes[c] = cls


def emit(classes):
    blocks, index = [], []
    for hi in range(256):
        block = tuple(CLASSES.index(c) for c in classes[hi * 256:(hi + 1) * 256])
        if block not in blocks:
            blocks.append(block)
        index.append(blocks.index(block))
    out = ["// Generated by scripts/gen_linebreak.py from the Unicode line-breaking data and the",
           "// fixed assignments in that script. Do not edit by hand.",
           '#include "vellum/layout/line_break.h"', "", "#include <cstdint>", "",
           "namespace vellum {", "namespace {", "",
           "// Class numbers of 256-unit blocks, and which block every high byte uses.",
           f"const uint8_t kBlocks[{len(blocks)}][256] = {{"]
    for block in blocks:
        out.append("    {")
        for row in range(0, 256, 32):
            out.append("        " + ",".join(str(v) for v in block[row:row + 32]) + ",")
        out.append("    },")
    out.append("};")
    out.append("")
    out.append("const uint8_t kBlockOf[256] = {")
    for row in range(0, 256, 32):
        out.append("    " + ",".join(str(v) for v in index[row:row + 32]) + ",")
    out += ["};", "", "} // namespace", "",
            "LineBreakClass LineBreakClassOf(char16_t c)",
            "{",
            "    return static_cast<LineBreakClass>(kBlocks[kBlockOf[c >> 8]][c & 0xFF]);",
            "}", "", "} // namespace vellum", ""]
    return "\n".join(out)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode/LineBreak.txt"
    raw = read_data(path)
    classes = list(raw)
    apply_fixed(classes, raw)
    sys.stdout.write(emit(classes))


if __name__ == "__main__":
    main()
