#!/usr/bin/python3
"""Writes the program's translations for content/ to compile: every language's code, Czech first,
and each translated text and message with the Czech it was made from, which the compiler holds
against the Czech as it stands.
    make_texts.py OUT.inc PO...
"""
import sys

import catalogs

TABLES = [("kTextTranslations", "content/texts.cpp"), ("kMessageTranslations", "content/messages.cpp")]


def literal(text):
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ch == "\n":
            out.append("\\n")
        elif ord(ch) < 0x20:
            out.append(f"\\{ord(ch):03o}")
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def main():
    out, paths = sys.argv[1], sys.argv[2:]
    languages = [("cs", None)] + catalogs.read(paths)
    lines = ["// Written by tools/po/make_texts.py from po/*.po when the build runs.",
             "#pragma once", "", "#include <array>", "#include <string_view>", "",
             '#include "content/translation.h"', "", "namespace tolm::content {", "",
             f"inline constexpr std::array<std::string_view, {len(languages)}> kLanguageCodes{{"
             + ", ".join(literal(code) for code, _ in languages) + "};"]
    for name, source in TABLES:
        rows = [f"    {{{index}, {literal(key)}, {literal(czech)}, {literal(text)}}},"
                for index, (_, po) in enumerate(languages) if po
                for key, (czech, text) in catalogs.of_file(po, source).items()]
        lines += [f"inline constexpr std::array<Translation, {len(rows)}> {name}{{{{", *rows, "}};"]
    lines += ["", "}  // namespace tolm::content"]
    with open(out, "w", encoding="utf-8") as written:
        written.write("\n".join(lines) + "\n")


main()
