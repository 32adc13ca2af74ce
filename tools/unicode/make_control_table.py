#!/usr/bin/env python3
"""Writes src/platform/unicode_controls.h, the code points an address shown or opened by the
program must not hold, from the Unicode Character Database.

    tools/unicode/make_control_table.py UNICODEDATA [--version X.Y.Z] [--output FILE]

UNICODEDATA is a UnicodeData.txt (Debian's package unicode-data installs it as
/usr/share/unicode/UnicodeData.txt). The version goes into the header; without --version it
is read from the first line of DerivedAge.txt beside UNICODEDATA ("# DerivedAge-15.0.0.txt").
The script is run by hand when the table is to follow a newer Unicode version; the build
only reads the header it wrote.

A code point is in the table when its general category is Cc (controls), Cf (format
characters: zero-width characters, the byte-order mark, the bidirectional controls, tags),
Zl (line separator) or Zp (paragraph separator), or when its bidirectional class is one of
the embeddings, overrides and isolates (LRE, RLE, LRO, RLO, PDF, LRI, RLI, FSI, PDI), so
that these stay in even if a later version gives them another category.
"""

import argparse
import pathlib
import re
import sys

CATEGORIES = {"Cc", "Cf", "Zl", "Zp"}
BIDI_CONTROLS = {"LRE", "RLE", "LRO", "RLO", "PDF", "LRI", "RLI", "FSI", "PDI"}


def read_code_points(path):
    """The code points of UnicodeData.txt that go into the table."""
    chosen = []
    range_start = None
    with open(path, encoding="utf-8") as data:
        for number, line in enumerate(data, 1):
            line = line.strip()
            if not line:
                continue
            fields = line.split(";")
            if len(fields) != 15:
                sys.exit(f"{path}:{number}: expected 15 fields, found {len(fields)}")
            code = int(fields[0], 16)
            name, category, bidi = fields[1], fields[2], fields[4]
            wanted = category in CATEGORIES or bidi in BIDI_CONTROLS
            # Large blocks are given as a pair of lines "<..., First>" and "<..., Last>".
            if name.endswith(", First>"):
                range_start = code
                continue
            if name.endswith(", Last>"):
                if range_start is None:
                    sys.exit(f"{path}:{number}: a range's last line without its first")
                if wanted:
                    chosen.extend(range(range_start, code + 1))
                range_start = None
                continue
            if wanted:
                chosen.append(code)
    return sorted(set(chosen))


def as_ranges(code_points):
    ranges = []
    for code in code_points:
        if ranges and ranges[-1][1] + 1 == code:
            ranges[-1][1] = code
        else:
            ranges.append([code, code])
    return ranges


def version_beside(path):
    age = pathlib.Path(path).with_name("DerivedAge.txt")
    try:
        first = age.read_text(encoding="utf-8").splitlines()[0]
    except (OSError, IndexError):
        return None
    found = re.match(r"#\s*DerivedAge-(\d+\.\d+\.\d+)\.txt", first)
    return found.group(1) if found else None


def header(ranges, version):
    lines = [
        "#pragma once",
        "// The code points that no address the program opens or requests may hold: the general",
        "// categories Cc, Cf, Zl and Zp and the bidirectional embeddings, overrides and isolates,",
        f"// from the Unicode Character Database, version {version}.",
        "//",
        "// Written by tools/unicode/make_control_table.py; run it again (on a newer",
        "// UnicodeData.txt) rather than editing this file.",
        "",
        "namespace lotto {",
        "",
        f'inline constexpr const char* kUnicodeControlTableVersion = "{version}";',
        "",
        "struct CodePointRange {",
        "  char32_t first;",
        "  char32_t last;  // included",
        "};",
        "",
        "// Sorted and disjoint, so that a binary search finds a code point. One range a line, as",
        "// the script writes it.",
        "// clang-format off",
        "inline constexpr CodePointRange kControlAndFormatRanges[] = {",
    ]
    for first, last in ranges:
        lines.append(f"    {{0x{first:04X}, 0x{last:04X}}},")
    lines += ["};", "// clang-format on", "", "}  // namespace lotto", ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("unicode_data", help="the path of a UnicodeData.txt")
    parser.add_argument("--version", help="the Unicode version of that file")
    parser.add_argument("--output", help="the header to write (default: standard output)")
    arguments = parser.parse_args()

    version = arguments.version or version_beside(arguments.unicode_data)
    if not version:
        sys.exit("the Unicode version is not known: pass --version")
    ranges = as_ranges(read_code_points(arguments.unicode_data))
    text = header(ranges, version)
    if arguments.output:
        pathlib.Path(arguments.output).write_text(text, encoding="utf-8")
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main()
