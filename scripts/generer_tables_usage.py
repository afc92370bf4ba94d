#!/usr/bin/python3
"""Generates the tables of the calendars in use today, computed once, here.

    /usr/bin/python3 scripts/generer_tables_usage.py HIJRI_CONVERTER_DIR

HIJRI_CONVERTER_DIR is the folder of the npm package @tabby_ai/hijri-converter
(npm install @tabby_ai/hijri-converter, outside the repository): its list of
month starts is the published Umm al-Qura table. Needs Debian's python3-ephem
(the astronomy) and python3-pymeeus (a second reckoning of the events that lie
close to a day's boundary). Writes:

    engine/iranien_table.inc       day of March of 1 Farvardin, years 1178-1580
    engine/bahaiteheran_table.inc  day of March of Naw-Ruz, years 172-358 B.E.
    engine/chinois_table.inc       new year, month lengths and leap month,
                                   Chinese years that begin in 1899-2100
    engine/ummalqura_table.inc     month lengths, 1343-1500 AH (28 to 31 days)

and prints on standard output the events that fall within a few minutes of
the boundary of their day, with the margin by each reckoning. Not run by the
tests: the tables are committed.

The rules:
- Iranian: 1 Farvardin is the day (at 52.5 degrees E, UT+3:30) in which the
  vernal equinox falls if it falls before noon, else the next day.
- Baha'i since 172 B.E.: Naw-Ruz is the day, from sunset to sunset at Tehran
  (35.6944 N, 51.4215 E), in which the vernal equinox falls. Sunset: the Sun's
  centre 50' below a sea-level horizon (34' of refraction, 16' of
  semi-diameter), as almanacs give it.
- Chinese: a month begins on the day (Beijing time, UT+8; before 1929 the
  local mean time of Beijing, 116 deg 25' E) of a new moon; the month that
  holds the winter solstice is the 11th; in a year from solstice to solstice
  with 13 months, the first month without a principal term (solar longitude
  a multiple of 30 degrees) is the leap month and takes the number of the
  month before it.

Every instant is computed by libastro (python3-ephem): apparent geocentric
longitudes of the Sun and the Moon of date, converted to UT with libastro's
Delta T.
"""

import math
import os
import re
import sys

import ephem

RACINE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
JD_EPHEM = 2415020.0  # Julian Date of ephem's day 0 (31 December 1899, 12 h UT)
MINUTE = 1.0 / 1440


def jdn_gregorien(y, m, d):
    """Julian Day Number of a Gregorian date (Fliegel and Van Flandern)."""
    a = (14 - m) // 12
    yy = y + 4800 - a
    mm = m + 12 * a - 3
    return d + (153 * mm + 2) // 5 + 365 * yy + yy // 4 - yy // 100 + yy // 400 - 32045


def gregorien(jdn):
    """Gregorian date of a Julian Day Number."""
    a = jdn + 32044
    b = (4 * a + 3) // 146097
    c = a - 146097 * b // 4
    d = (4 * c + 3) // 1461
    e = c - 1461 * d // 4
    m = (5 * e + 2) // 153
    return (100 * b + d - 4800 + m // 10, m + 3 - 12 * (m // 10), e - (153 * m + 2) // 5 + 1)


def jour_local(instant, heures):
    """(day number, fraction of the day) of an instant (ephem date, UT) on a
    clock heures ahead of UT."""
    t = float(instant) + JD_EPHEM + 0.5 + heures / 24
    return math.floor(t), t - math.floor(t)


def texte(instant):
    return str(ephem.Date(instant))


# --- The Sun and the Moon ----------------------------------------------------

_soleil = ephem.Sun()
_lune = ephem.Moon()


def longitude_soleil(d):
    """Apparent geocentric longitude of the Sun, of date, in radians."""
    _soleil.compute(d)
    return ephem._libastro.eq_ecl(d, _soleil.g_ra, _soleil.g_dec)[0]


def terme(cible, apres):
    """First instant after apres at which the Sun's longitude is cible (deg)."""
    c = math.radians(cible)
    d = float(apres) + ((c - longitude_soleil(apres)) % (2 * math.pi)) / (2 * math.pi) * 365.2422
    for _ in range(30):
        e = (c - longitude_soleil(d) + math.pi) % (2 * math.pi) - math.pi
        d += e / (2 * math.pi) * 365.2422
        if abs(e) < 1e-9:
            break
    return ephem.Date(d)


def nouvelles_lunes(debut, fin):
    lunes = []
    fin = ephem.Date(fin)
    d = ephem.next_new_moon(debut)
    while d < fin:
        lunes.append(d)
        d = ephem.next_new_moon(d + 1)
    return lunes


def coucher_teheran(y, m, d):
    """Sunset at Tehran on a Gregorian date (ephem date, UT)."""
    o = ephem.Observer()
    o.lat, o.lon, o.elevation = "35.6944", "51.4215", 0
    o.pressure = 0
    o.horizon = "-0:50"
    o.date = ephem.Date((y, m, d, 6, 0, 0))  # 9:30 at Tehran
    return o.next_setting(_soleil, use_center=True)


# --- A second reckoning (pymeeus: Meeus, Astronomical Algorithms) ------------

def meeus():
    try:
        from pymeeus.Epoch import Epoch
        from pymeeus.Moon import Moon
        from pymeeus.Sun import Sun
    except ImportError:
        return None

    def en_ut(epoque_tt):
        y, m, d = epoque_tt.get_date()
        jde = epoque_tt.jde()
        return jde - Epoch.tt2ut(y, m) / 86400 - JD_EPHEM

    def lune(instant):
        y, m, d = gregorien(math.floor(float(instant) + JD_EPHEM + 0.5))
        return en_ut(Moon.moon_phase(Epoch(y, m, d), "new"))

    def soleil(instant, cible):
        # Newton steps on the apparent longitude, from the libastro instant.
        jde = float(instant) + JD_EPHEM + 70 / 86400
        for _ in range(6):
            lon = float(Sun.apparent_geocentric_position(Epoch(jde))[0])
            e = (cible - lon + 180) % 360 - 180
            jde += e / 360 * 365.2422
        y, m, d = gregorien(math.floor(jde + 0.5))
        return jde - Epoch.tt2ut(y, m) / 86400 - JD_EPHEM

    return lune, soleil


PROCHES = []  # (what, instant, boundary, margin in minutes, second margin)


def noter(quoi, instant, limite, second=None):
    marge = (float(instant) - float(limite)) / MINUTE
    if abs(marge) < 15:
        autre = None if second is None else (second - float(limite)) / MINUTE
        PROCHES.append((quoi, texte(instant), texte(limite), marge, autre))


def au_fil_du_rasoir(prefixe):
    """The events of one calendar within 5 minutes of their day's boundary,
    as comment lines of its table."""
    lignes = ""
    for quoi, instant, limite, marge, autre in PROCHES:
        if quoi.startswith(prefixe) and abs(marge) < 5:
            nom = quoi.split(" : ")[1]
            nom = ("new moon" if "lune" in nom else
                   "principal term %s deg" % nom.split()[-1].rstrip("°") if "terme" in nom else
                   "equinox, sunset" if "coucher" in nom else "equinox, noon")
            lignes += "//   %s %s UT, boundary %s UT: %+.2f min (%s)\n" % (
                nom, instant, limite, marge, "-" if autre is None else "%+.2f" % autre)
    return ("// Events within 5 minutes of their day's boundary (libastro; the margin\n"
            "// by pymeeus in parentheses):\n" + lignes) if lignes else ""


# --- Iranian -----------------------------------------------------------------

def iranien(premiere, derniere, seconde):
    jours = []
    for annee in range(premiere, derniere + 1):
        g = annee + 621
        eq = ephem.next_vernal_equinox("%d/3/1" % g)
        jour, fraction = jour_local(eq, 3.5)
        midi = jour - JD_EPHEM - 3.5 / 24  # noon at UT+3:30 (the day number is noon UT)
        noter("Iranien %d : équinoxe et midi à 52,5° E" % annee, eq, midi,
              seconde and seconde(eq, 0.0))
        if fraction >= 0.5:
            jour += 1
        y, m, d = gregorien(jour)
        assert y == g and m == 3
        jours.append(d)
    return jours


# --- Baha'i ------------------------------------------------------------------

def bahai(premiere, derniere, seconde):
    jours = []
    for annee in range(premiere, derniere + 1):
        g = annee + 1843
        eq = ephem.next_vernal_equinox("%d/3/1" % g)
        jour = None
        for d in range(18, 24):
            coucher = coucher_teheran(g, 3, d)
            if abs(float(coucher) - float(eq)) < 1:
                noter("Bahá'í %d : équinoxe et coucher du %d mars %d" % (annee, d, g), eq,
                      coucher, seconde and seconde(eq, 0.0))
            if jour is None and eq <= coucher:
                jour = d
        jours.append(jour)
    return jours


# --- Chinese -----------------------------------------------------------------

def fuseau(instant):
    """Hours of the Chinese clock ahead of UT at an instant."""
    return 8.0 if ephem.Date(instant).tuple()[0] >= 1929 else (116 + 25 / 60) / 15


def chinois(premiere, derniere, lune2, soleil2):
    lunes = nouvelles_lunes("%d/10/1" % (premiere - 2), "%d/6/1" % (derniere + 2))
    debuts = []
    for nl in lunes:
        jour, fraction = jour_local(nl, fuseau(nl))
        minuit = float(nl) - fraction
        if min(fraction, 1 - fraction) < 15 * MINUTE:
            limite = minuit if fraction < 0.5 else minuit + 1
            noter("Chinois : nouvelle lune", nl, limite, lune2 and lune2(nl))
        debuts.append(jour)
    # Principal terms: the day of each, and the winter solstices.
    termes = set()
    solstices = []
    d = ephem.Date("%d/10/1" % (premiere - 2))
    fin = ephem.Date("%d/6/1" % (derniere + 2))
    k = math.ceil(math.degrees(longitude_soleil(d) % (2 * math.pi)) / 30)
    while d < fin:
        cible = (30 * k) % 360
        d = terme(cible, d)
        jour, fraction = jour_local(d, fuseau(d))
        if min(fraction, 1 - fraction) < 15 * MINUTE:
            limite = float(d) - fraction + (0 if fraction < 0.5 else 1)
            noter("Chinois : terme principal %d°" % cible, d, limite, soleil2 and soleil2(d, cible))
        termes.add(jour)
        if cible == 270:
            solstices.append(jour)
        d = ephem.Date(d + 20)
        k += 1

    def mois_onze(solstice):
        return max(i for i, j in enumerate(debuts) if j <= solstice)

    # Number every month from the 11th month of each solstice year.
    numeros = {}
    for s, s2 in zip(solstices, solstices[1:]):
        a, b = mois_onze(s), mois_onze(s2)
        bissextile = b - a == 13
        numero, intercalaire_vu = 11, False
        for i in range(a, b):
            sans_terme = not any(debuts[i] <= t < debuts[i + 1] for t in termes)
            if bissextile and not intercalaire_vu and i > a and sans_terme:
                intercalaire_vu = True
                numeros[i] = (numeros[i - 1][0], True)
                continue
            numeros[i] = (numero, False)
            numero = numero % 12 + 1
        assert not bissextile or intercalaire_vu
    annees = []
    for annee in range(premiere, derniere + 2):
        premier = next(i for i in sorted(numeros) if numeros[i] == (1, False)
                       and gregorien(debuts[i])[0] == annee)
        annees.append(premier)
    lignes = []
    for annee, (a, b) in zip(range(premiere, derniere + 1), zip(annees, annees[1:])):
        longueurs = [debuts[i + 1] - debuts[i] for i in range(a, b)]
        intercalaire = 0
        for rang, i in enumerate(range(a, b)):
            if numeros[i][1]:
                intercalaire = numeros[i][0]
        assert len(longueurs) == (13 if intercalaire else 12)
        y, m, d = gregorien(debuts[a])
        lignes.append((annee, m, d, longueurs, intercalaire))
    return lignes


# --- Umm al-Qura -------------------------------------------------------------

def umm_al_qura(dossier):
    source = open(os.path.join(dossier, "dist", "_lib", "ummalqura.js"), encoding="utf-8").read()
    liste = re.search(r"MONTH_STARTS\s*=\s*\[([^\]]*)\]", source).group(1)
    debuts = [int(n) + 2400000 for n in re.findall(r"\d+", liste)]
    assert len(debuts) == 158 * 12 + 1, len(debuts)
    return debuts


# --- Output ------------------------------------------------------------------

ENTETE = """// Generated by scripts/generer_tables_usage.py: do not edit by hand.
"""


def ecrire(nom, texte_):
    with open(os.path.join(RACINE, "engine", nom), "w", encoding="utf-8") as f:
        f.write(ENTETE + texte_)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    seconde = meeus()
    lune2, soleil2 = seconde if seconde else (None, None)

    jours = iranien(1178, 1580, soleil2)
    corps = "// The day of March of 1 Farvardin, one row per Iranian year from 1178.\n"
    corps += au_fil_du_rasoir("Iranien")
    for i in range(0, len(jours), 20):
        corps += "    %s // %d\n" % (" ".join("%d," % j for j in jours[i:i + 20]), 1178 + i)
    ecrire("iranien_table.inc", corps)

    jours = bahai(172, 358, soleil2)
    corps = "// The day of March of Naw-Ruz, from 172 B.E. (2015).\n"
    corps += au_fil_du_rasoir("Bahá'í")
    for i in range(0, len(jours), 20):
        corps += "    %s // %d\n" % (" ".join("%d," % j for j in jours[i:i + 20]), 172 + i)
    ecrire("bahaiteheran_table.inc", corps)

    corps = ("// One Chinese year a row: the year of our era in which it begins, the day\n"
             "// and month of its 1st month, the lengths of its months as bits (bit i\n"
             "// set: the month of rank i + 1 has 30 days), the number of its leap month\n"
             "// (0: none).\n")
    lignes = chinois(1899, 2100, lune2, soleil2)
    corps += au_fil_du_rasoir("Chinois")
    for annee, m, d, longueurs, intercalaire in lignes:
        bits = sum(1 << i for i, n in enumerate(longueurs) if n == 30)
        assert all(n in (29, 30) for n in longueurs)
        corps += "    {%d, %d, %d, 0x%04x, %d}, // %s\n" % (
            annee, m, d, bits, intercalaire,
            " ".join(str(n) for n in longueurs))
    ecrire("chinois_table.inc", corps)

    debuts = umm_al_qura(sys.argv[1])
    corps = ("// One Hijri year a row from 1343: the lengths of its months, two bits a\n"
             "// month (bits 2i and 2i + 1: the length of month i + 1 less 28). The table\n"
             "// has months of 28 and 31 days in 1343-1364. 1 Muharram 1343 is day number\n"
             "// %d.\n" % debuts[0])
    for k in range(158):
        longueurs = [debuts[12 * k + i + 1] - debuts[12 * k + i] for i in range(12)]
        assert all(28 <= n <= 31 for n in longueurs)
        bits = sum((n - 28) << (2 * i) for i, n in enumerate(longueurs))
        y, m, d = gregorien(debuts[12 * k])
        corps += "    0x%06x, // %d (%04d-%02d-%02d)%s\n" % (
            bits, 1343 + k, y, m, d,
            "".join(" %d: %d days" % (i + 1, n) for i, n in enumerate(longueurs)
                    if n not in (29, 30)))
    ecrire("ummalqura_table.inc", corps)

    print("Événements à moins de 15 minutes de la limite de leur jour "
          "(marge en minutes : libastro, Meeus)")
    for quoi, instant, limite, marge, autre in PROCHES:
        print("%-55s %s UT / limite %s : %+.2f, %s" % (
            quoi, instant, limite, marge, "-" if autre is None else "%+.2f" % autre))


if __name__ == "__main__":
    main()
