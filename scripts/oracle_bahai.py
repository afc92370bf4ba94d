#!/usr/bin/python3
"""Naw-Ruz of 172-222 B.E. by Debian's python3-convertdate (its Baha'i
calendar reckons Naw-Ruz at Tehran with python3-pymeeus), as "year
day-number", on standard output:

    /usr/bin/python3 scripts/oracle_bahai.py > tests/donnees/bahai_convertdate.txt

Checks first, day by day from Naw-Ruz 172 to the eve of Naw-Ruz 222, that
convertdate's own conversion of each date to its day (to_jd) agrees with
those lines (months of 19 days, Ayyam-i-Ha up to the 19 days of 'Ala). Its
conversion the other way (from_jd) is wrong on the days of Ayyam-i-Ha and on
some days of Naw-Ruz (it gives month 20 with a day of 0 or less, or day 20
of 'Ala): those days are counted and listed on standard error, not used. Run by scripts/generer_oracles_usage.sh, never by the tests.
"""

import sys

import convertdate
from convertdate import bahai

debuts = {a: int(bahai.to_jd(a, 1, 1) + 0.5) for a in range(172, 223)}


def attendu(j):
    a = max(x for x in debuts if debuts[x] <= j)
    r = j - debuts[a]
    longueur = debuts[a + 1] - debuts[a]
    if r < 342:
        return a, r // 19 + 1, r % 19 + 1
    if r < longueur - 19:
        return a, 19, r - 342 + 1
    return a, 20, r - (longueur - 19) + 1


jours = 0
ecarts = []
fautes = []
for j in range(debuts[172], debuts[222]):
    jours += 1
    date = attendu(j)
    if int(bahai.to_jd(*date) + 0.5) != j:
        ecarts.append((j, date))
    vu = bahai.from_jd(j - 0.5)
    if tuple(vu) != date:
        fautes.append((j, date, vu))
for e in ecarts:
    print("jour %d : convertdate.to_jd%s donne un autre jour" % e, file=sys.stderr)
for e in fautes:
    print("jour %d : %s, convertdate.from_jd donne %s" % e, file=sys.stderr)
print("# python3-convertdate %s (bahai, with python3-pymeeus): Naw-Ruz of each year,"
      " as \"year day-number\"" % convertdate.__version__)
print("# %d days converted by convertdate.to_jd, %d disagree with these lines;"
      " from_jd wrong on %d of them" % (jours, len(ecarts), len(fautes)))
for a in range(172, 223):
    print(a, debuts[a])
