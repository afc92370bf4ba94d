#!/usr/bin/env python3
"""Writes tests/donnees/reformes_ncal.txt: for every country of Debian's ncal
(package ncal, from bsdmainutils), the last Julian day and the first
Gregorian day of its reform as ncal prints them, with their weekdays, read
from ncal's own month grids: an independent check of the region table.

Run by hand when the file is to be remade, never by test.sh:
    scripts/generer_reformes.py > tests/donnees/reformes_ncal.txt
"""

import re
import subprocess

JOURS = ["Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"]


def grille(code, annee, mois):
    """The days ncal shows for a month under a country's reform, in order,
    each with its weekday (0 = Sunday)."""
    sortie = subprocess.run(["ncal", "-s", code, str(mois), str(annee)], check=True,
                            capture_output=True, text=True,
                            env={"LC_ALL": "C", "PATH": "/usr/bin:/bin"}).stdout
    cases = []
    for ligne in sortie.splitlines()[1:]:
        if ligne[:2] not in JOURS:
            continue
        semaine = JOURS.index(ligne[:2])
        for colonne in range((len(ligne) - 2 + 2) // 3):
            texte = ligne[2 + 3 * colonne: 5 + 3 * colonne].strip()
            if texte:
                cases.append((colonne, semaine, int(texte)))
    cases.sort()
    return [(jour, semaine) for _, semaine, jour in cases]


liste = subprocess.run(["ncal", "-p"], check=True, capture_output=True, text=True,
                       env={"LC_ALL": "C", "PATH": "/usr/bin:/bin"}).stdout
print("# ncal's reform of each country: code, last Julian day and its weekday,")
print("# first Gregorian day and its weekday (0 = Sunday).")
print("# Made by scripts/generer_reformes.py from ncal's month grids; do not edit.")
for code, a, m, j in sorted(re.findall(r"\*?([A-Z]{2}) .*? (\d{4})-(\d\d)-(\d\d)", liste)):
    annee, mois, jour = int(a), int(m), int(j)
    jours = grille(code, annee, mois)
    rang = [k for k, (n, _) in enumerate(jours) if n == jour][0]
    semaine = jours[rang][1]
    if rang + 1 < len(jours):
        annee2, mois2 = annee, mois
        jour2, semaine2 = jours[rang + 1]
    else:
        annee2, mois2 = (annee + 1, 1) if mois == 12 else (annee, mois + 1)
        jour2, semaine2 = grille(code, annee2, mois2)[0]
    print(f"{code} {annee:04d}-{mois:02d}-{jour:02d} {semaine} "
          f"{annee2:04d}-{mois2:02d}-{jour2:02d} {semaine2}")
