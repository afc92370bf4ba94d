#!/usr/bin/env python3
"""An independent reckoning of Chronastre's calendars, for reviewing test data.

Each calendar is written from its published rules (epoch, month lengths, leap
rule), day by day, not from the parametric formulas of the engine, so that a
row of a test table or a line of a golden report can be checked against
something other than the code under test. Day numbers are Julian Day Numbers.

    scripts/oracle.py JDN [JDN ...]          every calendar's date of each day
    scripts/oracle.py -c CALENDAR Y M D      the day number of a date
    scripts/oracle.py --saisies              the rows of tests/saisies.txt

Years are astronomical (1 BC is 0). The Maya correlation is 584285, the one
the program uses (the "GMT" correlation 584283 puts every Maya date two days
later in the civil calendar).
"""

import sys


def fdiv(a, b):
    return a // b  # Python's // is the floor division


# Julian Day Number of a civil date, from the day count of each calendar's
# months (no closed formula shared with the engine).
def jdn_julien(y, m, d):
    if not 1 <= m <= 12:
        raise IndexError
    jours = [31, 29 if y % 4 == 0 else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
    # 1 January of astronomical year -4712 is day 0; 1461 days every 4 years.
    annees = y + 4712
    return 1461 * fdiv(annees, 4) + 365 * (annees % 4) + (1 if annees % 4 else 0) + \
        sum(jours[: m - 1]) + d - 1


def bissextile_gregorien(y):
    return y % 4 == 0 and (y % 100 != 0 or y % 400 == 0)


def jdn_gregorien(y, m, d):
    if not 1 <= m <= 12:
        raise IndexError
    jours = [31, 29 if bissextile_gregorien(y) else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
    # 1 January of year 1 is day 1721426; 146097 days every 400 years.
    a = y - 1
    return 1721426 + 365 * a + fdiv(a, 4) - fdiv(a, 100) + fdiv(a, 400) + sum(jours[: m - 1]) + d - 1


def date_depuis(jdn_de, premier, j):
    """Inverts jdn_de by search: year from a first guess, then month, then day."""
    y = premier(j)
    while jdn_de(y + 1, 1, 1) <= j:
        y += 1
    while jdn_de(y, 1, 1) > j:
        y -= 1
    m = 1
    while m < 20 and jdn_de_existe(jdn_de, y, m + 1) and jdn_de(y, m + 1, 1) <= j:
        m += 1
    return y, m, j - jdn_de(y, m, 1) + 1


def jdn_de_existe(jdn_de, y, m):
    try:
        jdn_de(y, m, 1)
        return True
    except IndexError:
        return False


# The 365-day calendars: twelve months of 30 days and five epagomenal days,
# month 13, from an epoch.
def calendrier_365(epoque):
    def jdn(y, m, d):
        if not 1 <= m <= 13:
            raise IndexError
        return epoque + 365 * (y - 1) + 30 * (m - 1) + d - 1
    return jdn


# Coptic and Ethiopian: the same, a sixth epagomenal day every fourth year
# (the year before the Julian leap year).
def calendrier_alexandrin(epoque):
    def jdn(y, m, d):
        if not 1 <= m <= 13:
            raise IndexError
        return epoque - 1 + 365 * (y - 1) + fdiv(y, 4) + 30 * (m - 1) + d
    return jdn


# Tabular Islamic calendar: months of 30 and 29 days alternately, the twelfth
# 30 days in the years 2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29 of 30.
def calendrier_islamique(epoque):
    def jdn(y, m, d):
        if not 1 <= m <= 12:
            raise IndexError
        return epoque - 1 + 354 * (y - 1) + fdiv(3 + 11 * y, 30) + 29 * (m - 1) + fdiv(m, 2) + d
    return jdn


# A Julian calendar whose year begins with another month: month 1 is Julian
# month `debut`, and the era counts `decalage` years more than the Julian year
# in which the era year begins.
def calendrier_julien_decale(debut, decalage):
    def jdn(y, m, d):
        if not 1 <= m <= 12:
            raise IndexError
        mj = (m - 1 + debut - 1) % 12 + 1
        yj = y - decalage + (1 if mj < debut else 0)
        return jdn_julien(yj, mj, d)
    return jdn


# Roman years from the foundation of Rome, Julian months. Roman I has a leap
# day every third year counted from 709 (45 BC); Roman II none at all, its
# 761 beginning on 1 January of AD 8.
def calendrier_romain(annee_depart, jdn_depart, cycle):
    def jdn(y, m, d):
        if not 1 <= m <= 12:
            raise IndexError
        def bissextile(a):
            return cycle and (a - 1) % 3 == 0
        debut = jdn_depart + 365 * (y - annee_depart)
        if cycle:  # leap years in [annee_depart, y)
            debut += fdiv(y + 1, 3) - fdiv(annee_depart + 1, 3)
        jours = [31, 29 if bissextile(y) else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
        return debut + sum(jours[: m - 1]) + d - 1
    return jdn


# Bahá'í (arithmetic): Naw-Rúz on 21 March, eighteen months of 19 days, the
# intercalary days Ayyám-i-Há (month 19 here, 4 or 5 days) and the month of
# 'Alá (month 20) from 2 March.
def jdn_bahai(y, m, d):
    if not 1 <= m <= 20:
        raise IndexError
    if m == 20:
        return jdn_gregorien(y + 1844, 3, 2) + d - 1
    return jdn_gregorien(y + 1843, 3, 21) + 19 * (m - 1) + d - 1


# Republican: twelve months of 30 days and the complementary days (month 13),
# a year beginning on 1 Vendémiaire; 1 Vendémiaire I is 22 September 1792.
# The sextile years are III, VII, XI (history), then every fourth year with
# the Gregorian exceptions on year + 1 (years 99, 199, 299 common, 399 sextile).
def bissextile_republicain(y):
    return bissextile_gregorien(y + 1)


def jdn_republicain(y, m, d):
    if not 1 <= m <= 13:
        raise IndexError
    debut = 2375840
    a = y - 1
    if a >= 0:
        debut += 365 * a + sum(1 for k in range(1, y) if bissextile_republicain(k))
    else:
        debut -= 365 * (-a) + sum(1 for k in range(y, 1) if bissextile_republicain(k))
    return debut + 30 * (m - 1) + d - 1


# Saka (Indian national calendar): 1 Chaitra on 22 March, 21 March when the
# Gregorian year is leap; Chaitra 30 days (31 in a leap year), Vaisakha to
# Bhadrapada 31, Asvina to Phalguna 30.
def jdn_saka(y, m, d):
    if not 1 <= m <= 12:
        raise IndexError
    g = y + 78
    bissextile = bissextile_gregorien(g)
    debut = jdn_gregorien(g, 3, 21 if bissextile else 22)
    longueurs = [31 if bissextile else 30, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 30]
    return debut + sum(longueurs[: m - 1]) + d - 1


# Hebrew, from the elapsed days of the molad count and the four
# postponements, in the form of Reingold and Dershowitz.
def hebreu_embolismique(y):
    return (7 * y + 1) % 19 < 7


def hebreu_jours_ecoules(y):
    mois = fdiv(235 * y - 234, 19)
    parts = 12084 + 13753 * mois
    jour = 29 * mois + fdiv(parts, 25920)
    return jour + 1 if (3 * (jour + 1)) % 7 < 3 else jour


def hebreu_nouvel_an(y):
    e0, e1, e2 = hebreu_jours_ecoules(y - 1), hebreu_jours_ecoules(y), hebreu_jours_ecoules(y + 1)
    correction = 2 if e2 - e1 == 356 else (1 if e1 - e0 == 382 else 0)
    return 347998 + e1 + correction


def hebreu_longueurs(y):
    longueur = hebreu_nouvel_an(y + 1) - hebreu_nouvel_an(y)
    heshvan = 30 if longueur in (355, 385) else 29
    kislev = 29 if longueur in (353, 383) else 30
    if hebreu_embolismique(y):  # Adar I 30, Veadar 29
        return [30, heshvan, kislev, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29]
    return [30, heshvan, kislev, 29, 30, 29, 30, 29, 30, 29, 30, 29]


def jdn_hebreu(y, m, d):
    longueurs = hebreu_longueurs(y)
    if not 1 <= m <= len(longueurs):
        raise IndexError
    return hebreu_nouvel_an(y) + sum(longueurs[: m - 1]) + d - 1


CALENDRIERS = {
    "ARMENIEN": calendrier_365(1922868),      # 11 July 552 Julian
    "EGYPTIEN": calendrier_365(1448638),      # 26 February 747 BC, era of Nabonassar
    "KHWARIZMIEN": calendrier_365(1952068),
    "PERSE": calendrier_365(1952308),
    "COPTE": calendrier_alexandrin(1825030),  # 29 August 284 Julian, era of the Martyrs
    "ETHIOPIEN": calendrier_alexandrin(1724221),  # 29 August 8 Julian
    "JULIEN": jdn_julien,
    "MACEDONIEN": calendrier_julien_decale(9, 312),  # Seleucid era, year from 1 September
    "SYRIEN": calendrier_julien_decale(10, 312),     # Seleucid era, year from 1 October
    "BAHAI": jdn_bahai,
    "GREGORIEN": jdn_gregorien,
    "REPUBLICAIN": jdn_republicain,
    "SAKA": jdn_saka,
    "ISLAMIQUE_A": calendrier_islamique(1948439),  # 15 July 622 Julian
    "ISLAMIQUE_B": calendrier_islamique(1948440),  # 16 July 622 Julian
    "ROMAIN_I": calendrier_romain(709, jdn_julien(-44, 1, 1), True),
    "ROMAIN_II": calendrier_romain(761, jdn_julien(8, 1, 1), False),
    "HEBREU": jdn_hebreu,
}

# A first guess of the year, close enough for the search to finish at once.
PREMIERS = {
    "HEBREU": lambda j: int((j - 347998) / 365.2468) + 1,
    "ISLAMIQUE_A": lambda j: int((j - 1948439) / 354.367) + 1,
    "ISLAMIQUE_B": lambda j: int((j - 1948440) / 354.367) + 1,
}


def date(calendrier, j):
    jdn = CALENDRIERS[calendrier]
    premier = PREMIERS.get(calendrier)
    if premier is None:
        origine = jdn(1, 1, 1)
        premier = lambda jour: fdiv(jour - origine, 366) + 1  # noqa: E731
    return date_depuis(jdn, premier, j)


def maya(j, correlation=584285):
    d = j - correlation
    places, q = [], d
    for v in (20, 18, 20, 20, 20, 20):
        places.append(q % v)
        q //= v
    kin, uinal, tun, katun, baktun, pictun = places
    nombre = (4 + d - 1) % 13 + 1   # 4 Ahau at the epoch
    nom = (20 + d - 1) % 20 + 1     # Ahau is the 20th day name
    haab = (8 + 17 * 20 + d) % 365  # 8 Cumku, Cumku is month 17 from 0
    return (f"{pictun}.{baktun}.{katun}.{tun}.{uinal}.{kin}, {nombre} {nom} "
            f"{haab % 20} {haab // 20}")


def civile(j):
    """The civil date of the window: Julian before 15 October 1582."""
    return date("GREGORIEN" if j >= 2299161 else "JULIEN", j)


# Two years of each calendar, one of them leap, embolismic or with the longer
# last month where the calendar has one; three for the Hebrew calendar (its
# 353-, 383- and 355-day years give Heshvan and Kislev every length).
ANNEES_SAISIES = {
    "ARMENIEN": (1449, 1450), "EGYPTIEN": (2748, 2749), "KHWARIZMIEN": (1369, 1370),
    "PERSE": (1368, 1369), "COPTE": (1739, 1740), "ETHIOPIEN": (2015, 2016),
    "JULIEN": (1700, 1701), "MACEDONIEN": (2311, 2312), "SYRIEN": (2311, 2312),
    "BAHAI": (168, 171), "GREGORIEN": (1900, 2000), "REPUBLICAIN": (3, 4),
    "SAKA": (1946, 1947), "ISLAMIQUE_A": (1444, 1445), "ISLAMIQUE_B": (1444, 1445),
    "ROMAIN_I": (709, 710), "ROMAIN_II": (764, 765), "HEBREU": (5781, 5784, 5785),
}


def saisies():
    """The rows of tests/saisies.txt: dates of each calendar as the entry
    dialog takes them, with the civil date they fall on ("hors" when the
    window cannot show it); "fin" marks the last day of its month."""
    premier, dernier = 0, 5373484

    def ligne(cal, champs, j, fin=False):
        # The window shows no Hebrew date before its year 1, no Maya date
        # before 0.0.0.0.0.0.
        montre = premier <= j <= dernier and not (cal == "HEBREU" and champs[0] < 1) and \
            not (cal == "MAYA" and j < 584285)
        cible = " ".join(map(str, civile(j))) if montre else "hors"
        print(f"{cal} {' '.join(map(str, champs))}{' fin' if fin else ''} = {cible}")

    for cal, annees in ANNEES_SAISIES.items():
        jdn = CALENDRIERS[cal]
        for y in annees:
            m = 1
            while jdn_de_existe(jdn, y, m) and m <= 20:
                debut = jdn(y, m, 1)
                fin = (jdn(y, m + 1, 1) if jdn_de_existe(jdn, y, m + 1) else jdn(y + 1, 1, 1)) - 1
                ligne(cal, (y, m, 1), debut)
                ligne(cal, (y, m, fin - debut + 1), fin, True)
                m += 1
        # The first days of the years around the ends of the window (of the
        # Hebrew count, which starts later).
        for limite in (347998 if cal == "HEBREU" else premier, dernier):
            y = date(cal, limite)[0]
            for annee in (y - 1, y) if cal == "HEBREU" and limite != dernier else (y, y + 1):
                ligne(cal, (annee, 1, 1), jdn(annee, 1, 1))
    # Either side of the reform: the window reads Julian up to 4 October 1582.
    for cal, champs in (("JULIEN", (1582, 10, 4)), ("JULIEN", (1582, 10, 5)),
                        ("GREGORIEN", (1582, 10, 14)), ("GREGORIEN", (1582, 10, 15))):
        ligne(cal, champs, CALENDRIERS[cal](*champs))
    for j in (584285, 2456285, 603265, 3464284, 3464285, 5373484):
        compte = maya(j).split(",")[0].split(".")
        ligne("MAYA", [int(c) for c in compte], j)
    ligne("MAYA", (-1, 19, 19, 19, 17, 19), 584284)


def main(arguments):
    if arguments[:1] == ["--saisies"]:
        saisies()
        return
    if arguments[:1] == ["-c"]:
        calendrier, y, m, d = arguments[1], *map(int, arguments[2:5])
        print(CALENDRIERS[calendrier](y, m, d))
        return
    for texte in arguments:
        j = int(texte)
        print(f"JDN {j}")
        for nom in CALENDRIERS:
            y, m, d = date(nom, j)
            print(f"  {nom:12} {y} {m} {d}")
        print(f"  {'MAYA':12} {maya(j) if j >= 584285 else 'avant l époque'}")


if __name__ == "__main__":
    main(sys.argv[1:])
