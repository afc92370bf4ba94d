#!/usr/bin/env python3
"""Writes tests/donnees/paques.txt: Easter Sunday and the dominical letters of
every year from 326 to 2600 by the Julian computus, and from 1583 by the
Gregorian one, from independent code: python3-dateutil's easter() (methods
EASTER_JULIAN and EASTER_WESTERN) and the weekday of 1 January from
scripts/oracle.py (Julian) and Python's datetime (Gregorian).

Run by hand when the file is to be remade, never by test.sh:
    scripts/generer_paques.py > tests/donnees/paques.txt
Needs the Debian package python3-dateutil.
"""

import calendar
import datetime
import os
import sys

from dateutil.easter import EASTER_JULIAN, EASTER_WESTERN, easter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import oracle  # noqa: E402


def lettres(premier_janvier_semaine, bissextile):
    """Sunday A, Saturday B ... Monday G (weekday 0 = Sunday); a leap year
    has a second letter, the one before (G after A)."""
    lettre = "AGFEDCB"[premier_janvier_semaine]
    if not bissextile:
        return lettre
    return lettre + ("G" if lettre == "A" else chr(ord(lettre) - 1))


def semaine_jdn(jdn):
    return (jdn + 1) % 7  # JDN 0 was a Monday


print("# Easter Sunday and dominical letters, Julian computus then Gregorian one.")
print("# Made by scripts/generer_paques.py from python3-dateutil; do not edit.")
print("# year julian_month julian_day julian_letters gregorian_month gregorian_day gregorian_letters")
for annee in range(326, 2601):
    j = easter(annee, EASTER_JULIAN)
    jl = lettres(semaine_jdn(oracle.jdn_julien(annee, 1, 1)), annee % 4 == 0)
    ligne = f"{annee} {j.month} {j.day} {jl}"
    if annee >= 1583:
        g = easter(annee, EASTER_WESTERN)
        semaine = (datetime.date(annee, 1, 1).weekday() + 1) % 7  # Monday 0 -> Sunday 0
        ligne += f" {g.month} {g.day} {lettres(semaine, calendar.isleap(annee))}"
    print(ligne)
