#!/usr/bin/python3
"""Writes tests/donnees/dates_ecrites.txt: dates written as French documents,
registers, genealogy files and English records write them, each with the
civil day it names (Julian up to 4 October 1582, Gregorian from 15 October
1582), computed by python3-convertdate (Debian), an implementation of the
calendars independent of Chronastre's. The spellings, abbreviations, number
words and Roman numerals are this script's own, written from French usage,
not taken from the program's tables.

  /usr/bin/python3 scripts/generer_dates_ecrites.py > tests/donnees/dates_ecrites.txt

Each line: KEYWORD <TAB> written date <TAB> Y-M-D. Not run by ./test.sh; the
test reads the file.
"""
import random

from convertdate import (armenian, coptic, french_republican, gregorian,
                         hebrew, indian_civil, islamic, julian)

alea = random.Random(1789)

# French numbers in words, as the rules of 1990 or before write them (the
# hyphens of the older usage; "et" in 21, 31 ... 71; "quatre-vingts").
UNITES = ["zéro", "un", "deux", "trois", "quatre", "cinq", "six", "sept", "huit",
          "neuf", "dix", "onze", "douze", "treize", "quatorze", "quinze", "seize",
          "dix-sept", "dix-huit", "dix-neuf"]
DIZAINES = {2: "vingt", 3: "trente", 4: "quarante", 5: "cinquante", 6: "soixante"}


def moins_de_cent(n, final=True):
    if n < 20:
        return UNITES[n]
    d, u = divmod(n, 10)
    if d in (7, 9):
        base = "soixante" if d == 7 else "quatre-vingt"
        reste = 10 + u
        if d == 7 and u == 1:
            return "soixante et onze"
        return base + "-" + UNITES[reste]
    if d == 8:
        return "quatre-vingts" if u == 0 and final else "quatre-vingt" + ("-" + UNITES[u] if u else "")
    mot = DIZAINES[d]
    if u == 0:
        return mot
    if u == 1:
        return mot + " et un"
    return mot + "-" + UNITES[u]


def moins_de_mille(n, final=True):
    c, r = divmod(n, 100)
    if c == 0:
        return moins_de_cent(r, final)
    tete = "cent" if c == 1 else UNITES[c] + (" cents" if r == 0 and final else " cent")
    return tete if r == 0 else tete + " " + moins_de_cent(r, final)


def en_mots(n, mil=False):
    """n (1 to 9999) in words; years of the first millennium after 1000 as
    "mil" when mil is set ("mil sept cent quatre-vingt-neuf")."""
    m, r = divmod(n, 1000)
    if m == 0:
        return moins_de_mille(r)
    tete = ("mil" if mil else "mille") if m == 1 else UNITES[m] + " mille"
    return tete if r == 0 else tete + " " + moins_de_mille(r)


def romain(n):
    resultat = ""
    for valeur, symbole in ((1000, "M"), (900, "CM"), (500, "D"), (400, "CD"), (100, "C"),
                            (90, "XC"), (50, "L"), (40, "XL"), (10, "X"), (9, "IX"),
                            (5, "V"), (4, "IV"), (1, "I")):
        while n >= valeur:
            resultat += symbole
            n -= valeur
    return resultat


def civile(jd):
    """The civil date of a Julian Day (convertdate's, whole at noon)."""
    if jd + 0.5 >= 2299160.5 + 0.5:
        y, m, d = gregorian.from_jd(jd)
    else:
        y, m, d = julian.from_jd(jd)
    return f"{y}-{m}-{d}"


lignes = []


def ajouter(mot, texte, jd):
    lignes.append(f"{mot}\t{texte}\t{civile(jd)}")


# Civil months: the full names, the abbreviations of print and of registers,
# English and Latin.
MOIS = {
    1: ["janvier", "janv.", "Janvier", "JANVIER", "January", "Jan.", "Januarii"],
    2: ["février", "févr.", "fév.", "fevrier", "February", "Feb.", "Februarii"],
    3: ["mars", "Mars", "March", "Mar.", "Martii"],
    4: ["avril", "avr.", "April", "Apr.", "Aprilis"],
    5: ["mai", "May", "Maii"],
    6: ["juin", "June", "Jun.", "Junii"],
    7: ["juillet", "juil.", "July", "Jul.", "Julii"],
    8: ["août", "aout", "August", "Aug.", "Augusti"],
    9: ["septembre", "sept.", "7bre", "7ᵇʳᵉ", "September", "Sep.", "Septembris"],
    10: ["octobre", "oct.", "8bre", "October", "Oct.", "Octobris"],
    11: ["novembre", "nov.", "9bre", "November", "Nov.", "Novembris"],
    12: ["décembre", "déc.", "Xbre", "10bre", "December", "Dec.", "Decembris"],
}
JOURS = ["lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"]


def jour_ecrit(j):
    choix = alea.random()
    if j == 1:
        return alea.choice(["1er", "1ᵉʳ", "premier", "1"])
    if choix < 0.15:
        return en_mots(j)
    return str(j)


for _ in range(500):
    calendrier = alea.choice(["JULIEN", "GREGORIEN"])
    module = julian if calendrier == "JULIEN" else gregorian
    y = alea.randint(1, 2100)
    m = alea.randint(1, 12)
    d = alea.randint(1, module.month_length(y, m))
    jd = module.to_jd(y, m, d)
    nom = alea.choice(MOIS[m])
    forme = alea.random()
    if nom[0].isupper() and nom.isascii() and alea.random() < 0.5 and nom not in ("Mars", "Janvier", "JANVIER"):
        # English usage: "March 15, 1744" or "15 March 1744".
        texte = f"{nom} {d}, {y}" if alea.random() < 0.5 else f"{d} {nom} {y}"
    elif forme < 0.12 and y >= 1000:
        texte = f"le {jour_ecrit(d)} {nom} {en_mots(y, mil=alea.random() < 0.5)}"
    elif forme < 0.2:
        semaine = JOURS[int(jd + 0.5) % 7]
        texte = f"{semaine} {jour_ecrit(d)} {nom} {y}"
    elif forme < 0.3:
        texte = f"le {jour_ecrit(d)} {nom} de l'an {y}"
    else:
        texte = f"{jour_ecrit(d)} {nom} {y}"
    ajouter(calendrier, texte, jd)

# Years before our era, in both civil calendars, and after it said so.
for _ in range(80):
    calendrier = alea.choice(["JULIEN", "GREGORIEN"])
    module = julian if calendrier == "JULIEN" else gregorian
    avant = alea.randint(1, 4000)
    y = 1 - avant
    m = alea.randint(1, 12)
    d = alea.randint(1, module.month_length(y, m))
    ere = alea.choice(["av. J.-C.", "avant J.-C.", "av. J.-C", "avant Jésus-Christ",
                       "av. notre ère", "avant notre ère", "BC", "B.C.", "BCE", "AEC"])
    ajouter(calendrier, f"{d} {alea.choice(MOIS[m])} {avant} {ere}", module.to_jd(y, m, d))
for _ in range(20):
    y = alea.randint(1, 1500)
    m = alea.randint(1, 12)
    d = alea.randint(1, julian.month_length(y, m))
    ere = alea.choice(["ap. J.-C.", "apr. J.-C.", "après Jésus-Christ", "de notre ère", "AD", "CE"])
    ajouter("JULIEN", f"{d} {MOIS[m][0]} {y} {ere}", julian.to_jd(y, m, d))

# Republican dates of the years the calendar was in use (I to XIV), where
# every reckoning of its leap years agrees.
REPUBLICAINS = {
    1: ["vendémiaire", "Vendémiaire", "VENDEMIAIRE", "vendém.", "vend."],
    2: ["brumaire", "Brumaire", "brum."],
    3: ["frimaire", "frim."],
    4: ["nivôse", "nivose", "Nivôse", "niv."],
    5: ["pluviôse", "pluviose", "pluv."],
    6: ["ventôse", "ventose", "vent."],
    7: ["germinal", "germ."],
    8: ["floréal", "floreal", "flor."],
    9: ["prairial", "prair."],
    10: ["messidor", "mess."],
    11: ["thermidor", "therm."],
    12: ["fructidor", "fruct."],
}
COMPLEMENTAIRES = ["jour de la Vertu", "jour du Génie", "jour du Travail",
                   "jour de l'Opinion", "jour des Récompenses", "jour de la Révolution"]
for _ in range(220):
    y = alea.randint(1, 14)
    if alea.random() < 0.12:
        jours = 6 if french_republican.leap(y) else 5
        d = alea.randint(1, jours)
        jd = french_republican.to_jd(y, 13, d)
        forme = alea.random()
        an = alea.choice([f"an {romain(y)}", f"an {en_mots(y)}", f"l'an {romain(y)}", f"an {y}"])
        if forme < 0.4:
            texte = f"{COMPLEMENTAIRES[d - 1]} {an}"
        elif forme < 0.7:
            texte = f"{d}e jour complémentaire {an}"
        else:
            texte = f"{d} {alea.choice(['sansculottides', 'sans-culottides', 'jours complémentaires'])} {an}"
        ajouter("REPUBLICAIN", texte, jd)
        continue
    m = alea.randint(1, 12)
    d = alea.randint(1, 30)
    jd = french_republican.to_jd(y, m, d)
    nom = alea.choice(REPUBLICAINS[m])
    an = alea.choice([f"an {romain(y)}", f"an {en_mots(y)}", f"an {y}", f"de l'an {romain(y)}",
                      f"an {romain(y)} de la République", f"l'an {en_mots(y)} de la République française"])
    ajouter("REPUBLICAIN", f"{alea.choice(['', 'le '])}{jour_ecrit(d)} {nom} {an}", jd)

# Hebrew months by their French and usual spellings (convertdate counts
# them from Nisan).
HEBREUX = {
    7: ["tichri", "tishri", "Tishrei", "Tisri"],
    8: ["hechvan", "heshvan", "Cheshvan", "Marheshvan"],
    9: ["kislev", "Kislev"],
    10: ["tevet", "Tébeth", "Teveth"],
    11: ["chevat", "Shevat", "Shebat"],
    12: ["adar"],
    1: ["nissan", "Nisan"],
    2: ["iyar", "Iyyar"],
    3: ["sivan"],
    4: ["tamouz", "Tammuz"],
    5: ["av", "Ab"],
    6: ["eloul", "Elul", "Ellul"],
}
for _ in range(220):
    y = alea.randint(5000, 5900)
    m = alea.choice(list(HEBREUX) + [13])
    if m == 13 and not hebrew.leap(y):
        m = 12
    if m == 12 and hebrew.leap(y):
        nom = alea.choice(["adar I", "Adar Rishon"]) if alea.random() < 0.5 else "adar"
    elif m == 13:
        nom = alea.choice(["adar II", "Adar Sheni", "Veadar"])
    else:
        nom = alea.choice(HEBREUX[m])
    d = alea.randint(1, hebrew.month_days(y, m))
    ajouter("HEBREU", f"{jour_ecrit(d)} {nom} {y}", hebrew.to_jd(y, m, d))

# Islamic months, arithmetic reckoning of the Hegira of Friday 16 July 622.
ISLAMIQUES = {
    1: ["mouharram", "Muharram", "Moharram"],
    2: ["safar", "Safar"],
    3: ["rabia al awal", "Rabi' al-awwal", "Rabi' I"],
    4: ["rabia ath-thani", "Rabi' al-thani", "Rabi' al-akhir", "Rabi' II"],
    5: ["joumada al oula", "Jumada al-awwal", "Jumada I"],
    6: ["joumada ath-thania", "Jumada al-thani", "Jumada II"],
    7: ["rajab", "Radjab"],
    8: ["chaabane", "Sha'ban", "Chaabane"],
    9: ["ramadan", "Ramadan", "Ramadhan"],
    10: ["chawwal", "Chaoual", "Shawwal"],
    11: ["dhou al qi'da", "Dhu al-Qi'dah", "Dhul-Qi'dah"],
    12: ["dhou al-hijja", "Dhu al-Hijjah", "Dhul-Hijjah"],
}
for _ in range(200):
    y = alea.randint(1, 1500)
    m = alea.randint(1, 12)
    d = alea.randint(1, islamic.month_length(y, m))
    suite = alea.choice(["", "", " de l'Hégire", " AH", " H"])
    ajouter("ISLAMIQUE_B", f"{jour_ecrit(d)} {alea.choice(ISLAMIQUES[m])} {y}{suite}",
            islamic.to_jd(y, m, d))

# Coptic, Saka and Armenian months by convertdate's own names.
for _ in range(60):
    y = alea.randint(1, 1800)
    m = alea.randint(1, 12)
    d = alea.randint(1, 30)
    ajouter("COPTE", f"{d} {coptic.MONTHS[m - 1]} {y}", coptic.to_jd(y, m, d))
for _ in range(60):
    y = alea.randint(1, 2000)
    m = alea.randint(1, 12)
    d = alea.randint(1, indian_civil.month_length(y, m))
    ajouter("SAKA", f"{d} {indian_civil.MONTHS[m - 1]} {y}", indian_civil.to_jd(y, m, d))
for _ in range(60):
    y = alea.randint(1, 1500)
    m = alea.randint(1, 12)
    d = alea.randint(1, 30)
    ajouter("ARMENIEN", f"{d} {armenian.MONTHS[m - 1]} {y}", armenian.to_jd(y, m, d))
# (No Bahá'í dates: convertdate puts every Naw-Rúz on the day of the
# equinox at Tehran, also before 172 B.E., when it was 21 March.)

print("# Made by scripts/generer_dates_ecrites.py with python3-convertdate; do not edit.")
print("\n".join(lignes))
