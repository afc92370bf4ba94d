#!/usr/bin/python3
"""Writes tests/gedcom/jeux/: one small genealogy file in every character set
a GEDCOM file may declare or have, encoded by Python's codecs (and, for
ANSEL, by the encoder below, written from the ANSI/NISO Z39.47 and MARC-8
tables: a letter's marks, from its Unicode decomposition, written before
it), and the files whose bytes contradict their declaration.

  /usr/bin/python3 scripts/generer_gedcom_jeux.py

Not run by ./test.sh; the test reads the files.
"""
import os
import unicodedata

DOSSIER = os.path.join(os.path.dirname(__file__), "..", "tests", "gedcom", "jeux")

MODELE = """0 HEAD
1 SOUR Chronastre
1 CHAR {jeu}
0 @I1@ INDI
1 NAME Françoise /Lévêque/
1 BIRT
2 DATE @#DFRENCH R@ 18 BRUM 8
2 PLAC Besançon
1 DEAT
2 DATE @#DJULIAN@ 1 JAN 1700
0 @I2@ INDI
1 NAME Anaïs /Müller/
1 BIRT
2 DATE @#DHEBREW@ 15 NSN 5786
0 TRLR
"""

# ANSEL (MARC-8): spacing characters, and the marks written before their
# letter.
ANSEL_ESPACEMENT = {"Ł": 0xA1, "Ø": 0xA2, "Đ": 0xA3, "Þ": 0xA4, "Æ": 0xA5, "Œ": 0xA6,
                    "ł": 0xB1, "ø": 0xB2, "đ": 0xB3, "þ": 0xB4, "æ": 0xB5, "œ": 0xB6,
                    "ı": 0xB8, "£": 0xB9, "ð": 0xBA, "°": 0xC0, "©": 0xC3, "¿": 0xC5,
                    "¡": 0xC6, "ß": 0xCF}
ANSEL_MARQUES = {"\u0309": 0xE0, "\u0300": 0xE1, "\u0301": 0xE2, "\u0302": 0xE3,
                 "\u0303": 0xE4, "\u0304": 0xE5, "\u0306": 0xE6, "\u0307": 0xE7,
                 "\u0308": 0xE8, "\u030C": 0xE9, "\u030A": 0xEA, "\u030B": 0xEE,
                 "\u0327": 0xF0, "\u0328": 0xF1, "\u0323": 0xF2}


def ansel(texte):
    octets = bytearray()
    for c in texte:
        if ord(c) < 0x80:
            octets.append(ord(c))
        elif c in ANSEL_ESPACEMENT:
            octets.append(ANSEL_ESPACEMENT[c])
        else:
            d = unicodedata.normalize("NFD", c)
            base, marques = d[0], d[1:]
            for m in marques:
                octets.append(ANSEL_MARQUES[m])
            octets.extend(ansel(base))
    return bytes(octets)


def ecrire(nom, octets):
    with open(os.path.join(DOSSIER, nom), "wb") as f:
        f.write(octets)


def modele(jeu, fin="\n"):
    return MODELE.format(jeu=jeu).replace("\n", fin)


ecrire("utf8.ged", modele("UTF-8").encode("utf-8"))
ecrire("utf8-bom-crlf.ged", b"\xef\xbb\xbf" + modele("UTF-8", "\r\n").encode("utf-8"))
ecrire("utf16le-bom.ged", b"\xff\xfe" + modele("UNICODE", "\r\n").encode("utf-16-le"))
ecrire("utf16le.ged", modele("UNICODE").encode("utf-16-le"))
ecrire("utf16be-bom.ged", b"\xfe\xff" + modele("UNICODE").encode("utf-16-be"))
ecrire("utf16be.ged", modele("UNICODE", "\r\n").encode("utf-16-be"))
ecrire("ansel.ged", ansel(modele("ANSEL")))
ecrire("ansi.ged", modele("ANSI").encode("cp1252"))
ecrire("ibmpc.ged", modele("IBMPC", "\r\n").encode("cp437"))
ecrire("macintosh.ged", modele("MACINTOSH", "\r").encode("mac_roman"))
ecrire("ascii.ged", modele("ASCII").replace("ç", "c").replace("é", "e").replace("ê", "e")
       .replace("ï", "i").replace("ü", "u").encode("ascii"))
# Bytes that contradict the declaration: the bytes win, with one warning.
ecrire("utf8-dit-ansel.ged", modele("ANSEL").encode("utf-8"))
ecrire("ansi-dit-utf8.ged", modele("UTF-8").encode("cp1252"))
ecrire("utf8-dit-unicode.ged", modele("UNICODE").encode("utf-8"))
ecrire("utf16-dit-ansel.ged", b"\xff\xfe" + modele("ANSEL").encode("utf-16-le"))
# A letter ANSEL writes with two marks, and the spacing letters.
ecrire("ansel-lettres.ged", ansel("""0 HEAD
1 CHAR ANSEL
0 @I1@ INDI
1 NAME Józef /Łódź/
1 BIRT
2 DATE @#DJULIAN@ 1 JAN 1700
0 @I2@ INDI
1 NAME Ǖlle /Øster-Æbeltoft/
1 BIRT
2 DATE @#DJULIAN@ 2 JAN 1700
0 @I3@ INDI
1 NAME Antonín /Dvořák/ Ångström
1 BIRT
2 DATE @#DJULIAN@ 3 JAN 1700
0 TRLR
"""))
# Not text at all.
ecrire("binaire.ged", b"PK\x03\x04\x14\x00\x00\x00\x08\x00" + bytes(range(256)))
