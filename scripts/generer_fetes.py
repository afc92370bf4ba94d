#!/usr/bin/env python3
"""Writes tests/donnees/fetes_mobiles.txt: the movable feasts and Sundays of
Advent of chosen years and regions, in the lines of `chronastre FETES`, from
code independent of the engine: Easter from python3-dateutil (EASTER_JULIAN,
EASTER_WESTERN), day numbers and dates from scripts/oracle.py, the distances
from Easter as the liturgical books give them, the reform dates of
docs/reformes.md.

Run by hand when the file is to be remade, never by test.sh:
    scripts/generer_fetes.py > tests/donnees/fetes_mobiles.txt
"""

import os
import sys

from dateutil.easter import EASTER_JULIAN, EASTER_WESTERN, easter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from oracle import jdn_gregorien, jdn_julien  # noqa: E402

# Last Julian day, first Gregorian day, Church keeping the Julian Easter.
REGIONS = {
    "ROME": ((1582, 10, 4), (1582, 10, 15), False),
    "FRANCE": ((1582, 12, 9), (1582, 12, 20), False),
    "PAYS_BAS_ESPAGNOLS": ((1582, 12, 21), (1583, 1, 1), False),
    "STRASBOURG": ((1682, 2, 5), (1682, 2, 16), False),
    "ALLEMAGNE_PROTESTANTE": ((1700, 2, 18), (1700, 3, 1), False),
    "GRANDE_BRETAGNE": ((1752, 9, 2), (1752, 9, 14), False),
    "SUEDE": ((1753, 2, 17), (1753, 3, 1), False),
    "RUSSIE": ((1918, 1, 31), (1918, 2, 14), True),
}
# The Protestant Easter of the "improved calendar" where it left the
# Gregorian one (Gregorian dates).
ASTRONOMIQUES = {("ALLEMAGNE_PROTESTANTE", 1724): (4, 9), ("ALLEMAGNE_PROTESTANTE", 1744): (3, 29)}
# Sweden, 1 March 1700 to 30 February 1712: one day ahead of the Julian.
SUEDE_DEBUT = jdn_julien(1700, 2, 29)
SUEDE_FIN = jdn_julien(1712, 2, 29)

MOBILES = [
    ("Septuagésime", -63), ("Sexagésime", -56), ("Quinquagésime", -49), ("Cendres", -46),
    ("Invocavit", -42), ("Reminiscere", -35), ("Oculi", -28), ("Laetare", -21),
    ("Judica", -14), ("Rameaux", -7), ("Jeudi saint", -3), ("Vendredi saint", -2),
    ("Samedi saint", -1), ("Pâques", 0), ("Quasimodo", 7), ("Misericordia", 14),
    ("Jubilate", 21), ("Cantate", 28), ("Vocem jucunditatis", 35), ("Rogations", 36),
    ("Ascension", 39), ("Exaudi", 42), ("Pentecôte", 49), ("Trinité", 56), ("Fête-Dieu", 60),
]
AVENT = ["1er dimanche de l'Avent", "2e dimanche de l'Avent", "3e dimanche de l'Avent",
         "4e dimanche de l'Avent"]
JOURS = ["Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"]
MOIS = ["Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
        "Octobre", "Novembre", "Décembre"]


def inverse(jdn_de, j):
    """The date whose day number is j, by search."""
    annee = (j - 1721426) * 400 // 146097
    while jdn_de(annee + 1, 1, 1) <= j:
        annee += 1
    while jdn_de(annee, 1, 1) > j:
        annee -= 1
    mois = 1
    while mois < 12 and jdn_de(annee, mois + 1, 1) <= j:
        mois += 1
    return annee, mois, j - jdn_de(annee, mois, 1) + 1


def date_ecrite(region, j):
    dernier, premier, _ = REGIONS[region]
    if j >= jdn_gregorien(*premier):
        return inverse(jdn_gregorien, j), "grégorien"
    if region == "SUEDE" and SUEDE_DEBUT <= j <= SUEDE_FIN:
        if j == SUEDE_FIN:
            return (1712, 2, 30), "suédois"
        return inverse(jdn_julien, j + 1), "suédois"
    return inverse(jdn_julien, j), "julien"


def jour_ecrit(region, date):
    """The day number of a written date, None when the reform skipped it."""
    dernier, premier, _ = REGIONS[region]
    if date >= premier:
        return jdn_gregorien(*date)
    if date > dernier:
        return None
    if region == "SUEDE" and (1700, 3, 1) <= date <= (1712, 2, 30):
        return jdn_julien(*date) - 1
    return jdn_julien(*date)


def paques(region, annee):
    if (region, annee) in ASTRONOMIQUES:
        return jdn_gregorien(annee, *ASTRONOMIQUES[(region, annee)])
    dernier, premier, orthodoxe = REGIONS[region]
    if not orthodoxe and annee >= 1583:
        g = easter(annee, EASTER_WESTERN)
        if jdn_gregorien(annee, g.month, g.day) >= jdn_gregorien(*premier):
            return jdn_gregorien(annee, g.month, g.day)
    j = easter(annee, EASTER_JULIAN)
    return jdn_julien(annee, j.month, j.day)


def ligne(region, nom, j):
    (a, m, d), calendrier = date_ecrite(region, j)
    jour = "1er" if d == 1 else str(d)
    return f"{nom}\t{JOURS[(j + 1) % 7]} {jour} {MOIS[m - 1]} {a}\t{calendrier}"


CAS = [("FRANCE", 1350), ("FRANCE", 1422), ("FRANCE", 1500), ("FRANCE", 1501), ("FRANCE", 1582),
       ("FRANCE", 1583), ("ROME", 1582), ("ROME", 2024), ("PAYS_BAS_ESPAGNOLS", 1582),
       ("STRASBOURG", 1680), ("STRASBOURG", 1682), ("ALLEMAGNE_PROTESTANTE", 1700),
       ("ALLEMAGNE_PROTESTANTE", 1724), ("ALLEMAGNE_PROTESTANTE", 1744),
       ("GRANDE_BRETAGNE", 1752), ("GRANDE_BRETAGNE", 1753), ("SUEDE", 1700), ("SUEDE", 1705),
       ("SUEDE", 1712), ("SUEDE", 1753), ("RUSSIE", 1918), ("RUSSIE", 2024)]

print("# The movable feasts of chosen years, as `chronastre FETES` lists them.")
print("# Made by scripts/generer_fetes.py from python3-dateutil; do not edit.")
for region, annee in CAS:
    print(f"= {region} {annee}")
    p = paques(region, annee)
    for nom, ecart in MOBILES:
        print(ligne(region, nom, p + ecart))
    noel = jour_ecrit(region, (annee, 12, 25))
    if noel is not None:
        quatrieme = noel - 1 - (noel - 1 + 1) % 7
        for rang, nom in enumerate(AVENT):
            print(ligne(region, nom, quatrieme - 7 * (3 - rang)))
