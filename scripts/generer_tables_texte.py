#!/usr/bin/env python3
"""Writes texte/tables_unicode.inc: the tables the readers of written dates
and of GEDCOM files take from Unicode and from the code pages, made once from
Python's unicodedata and codecs (an outside source), kept with the code.

  python3 scripts/generer_tables_texte.py > texte/tables_unicode.inc

- sansAccentEtendu: the Latin letters U+0100..U+024F and U+1E00..U+1EFF as
  the plain ASCII letters a reader compares (NFKD without its marks; the few
  letters that have no decomposition by hand);
- versUnicode1252, versUnicode437, versUnicodeMac: the upper half of
  Windows-1252 (ANSI), code page 437 (IBMPC) and Mac OS Roman (MACINTOSH);
- compositions: a letter and one combining mark as the precomposed letter
  Unicode has for them (for the marks ANSEL writes before their letter).
"""
import codecs
import unicodedata

SANS_DECOMPOSITION = {
    "Đ": "d", "đ": "d", "Ħ": "h", "ħ": "h", "ı": "i", "Ĳ": "ij", "ĳ": "ij",
    "ĸ": "k", "Ŀ": "l", "ŀ": "l", "Ł": "l", "ł": "l", "Ŋ": "n", "ŋ": "n",
    "Œ": "oe", "œ": "oe", "Ŧ": "t", "ŧ": "t", "ſ": "s", "ƀ": "b", "Ɓ": "b",
    "Ƈ": "c", "ƈ": "c", "Ɗ": "d", "Ƒ": "f", "ƒ": "f", "Ɠ": "g", "Ɨ": "i",
    "Ƙ": "k", "ƙ": "k", "ƚ": "l", "Ɲ": "n", "ƞ": "n", "Ƥ": "p", "ƥ": "p",
    "ƫ": "t", "Ƭ": "t", "ƭ": "t", "Ʈ": "t", "Ʋ": "v", "Ƴ": "y", "ƴ": "y",
    "Ƶ": "z", "ƶ": "z", "Ǥ": "g", "ǥ": "g", "Ȼ": "c", "ȼ": "c", "Ƚ": "l",
    "Ⱦ": "t", "Ɂ": "?", "ɂ": "?", "Ƀ": "b", "Ʉ": "u", "Ɇ": "e", "ɇ": "e",
    "Ɉ": "j", "ɉ": "j", "Ɋ": "q", "ɋ": "q", "Ɍ": "r", "ɍ": "r", "Ɏ": "y",
    "ɏ": "y", "Ǆ": "dz", "ǅ": "dz", "ǆ": "dz", "Ǉ": "lj", "ǈ": "lj",
    "ǉ": "lj", "Ǌ": "nj", "ǋ": "nj", "ǌ": "nj", "Ǳ": "dz", "ǲ": "dz",
    "ǳ": "dz", "Ǣ": "ae", "ǣ": "ae", "Ǽ": "ae", "ǽ": "ae", "Ǿ": "o",
    "ǿ": "o", "ẞ": "ss",
}


def ascii_de(c):
    if c in SANS_DECOMPOSITION:
        return SANS_DECOMPOSITION[c]
    base = "".join(x for x in unicodedata.normalize("NFKD", c)
                   if x.isascii() and x.isalpha()).lower()
    return base if base else "?"


def echapper(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def plage(nom, debut, fin):
    valeurs = [ascii_de(chr(p)) for p in range(debut, fin)]
    print(f"// U+{debut:04X}..U+{fin - 1:04X}")
    print(f"constexpr std::array<std::string_view, {fin - debut}> {nom} = {{")
    for k in range(0, len(valeurs), 16):
        print("    " + ", ".join(echapper(v) for v in valeurs[k:k + 16]) + ",")
    print("};")


def page(nom, codec):
    points = []
    for octet in range(0x80, 0x100):
        try:
            points.append(ord(bytes([octet]).decode(codec)))
        except UnicodeDecodeError:
            points.append(0xFFFD)  # a byte the code page leaves undefined
    print(f"// {codec}: bytes 0x80..0xFF")
    print(f"constexpr std::array<char16_t, 128> {nom} = {{")
    for k in range(0, 128, 8):
        print("    " + ", ".join(f"0x{p:04X}" for p in points[k:k + 8]) + ",")
    print("};")


def compositions():
    paires = []
    for plagep in (range(0xC0, 0x250), range(0x1E00, 0x1F00)):
        for p in plagep:
            c = chr(p)
            d = unicodedata.normalize("NFD", c)
            if len(d) == 2 and d[0].isascii() and unicodedata.combining(d[1]):
                paires.append((ord(d[0]), ord(d[1]), p))
            elif len(d) == 3 and d[0].isascii() and all(unicodedata.combining(x) for x in d[1:]):
                # Two marks: the letter with the first, then the second.
                premier = unicodedata.normalize("NFC", d[:2])
                if len(premier) == 1:
                    paires.append((ord(premier), ord(d[2]), p))
    paires.sort()
    print("// A letter and a combining mark, and the letter that has both.")
    print("struct Composition\n{\n    char32_t lettre;\n    char32_t marque;\n    char32_t compose;\n};")
    print(f"constexpr std::array<Composition, {len(paires)}> compositions = {{{{")
    for a, b, c in paires:
        print(f"    {{0x{a:04X}, 0x{b:04X}, 0x{c:04X}}},")
    print("}};")


print("// Made by scripts/generer_tables_texte.py from Python's unicodedata")
print(f"// (Unicode {unicodedata.unidata_version}) and codecs; do not edit.")
print("// clang-format off")
plage("sansAccentLatinEtendu", 0x100, 0x250)
plage("sansAccentLatinAdditionnel", 0x1E00, 0x1F00)
page("versUnicode1252", "cp1252")
page("versUnicode437", "cp437")
page("versUnicodeMac", "mac_roman")
compositions()
print("// clang-format on")
