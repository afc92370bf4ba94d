"""Prints the table of bench/run.sh from the measurements in a folder, and
exits with 1 when a budget is missed."""

import json
import re
import statistics
import sys
from pathlib import Path

dossier = Path(sys.argv[1])
lignes = []  # (figure, value text, budget text, held)


def mediane_benchmark(fichier, nom):
    """Median real time of a Google Benchmark, in its own unit."""
    for b in json.loads((dossier / fichier).read_text())["benchmarks"]:
        if b.get("run_name", "").split("/repeats:")[0] == nom and b.get("aggregate_name") == "median":
            return b["real_time"]
    raise SystemExit(f"benchmark {nom} absent de {fichier}")


calendriers = ["ARMENIEN", "EGYPTIEN", "KHWARIZMIEN", "PERSE", "COPTE", "ETHIOPIEN", "JULIEN",
               "MACEDONIEN", "SYRIEN", "BAHAI", "GREGORIEN", "REPUBLICAIN", "SAKA",
               "ISLAMIQUE_A", "ISLAMIQUE_B", "ROMAIN_I", "ROMAIN_II"]


def ns(figure, nom, budget=None):
    valeur = mediane_benchmark("moteur.json", nom)
    lignes.append((figure, f"{valeur:.1f} ns", f"≤ {budget} ns" if budget else "—",
                   valeur <= budget if budget else None))


for sens in ("versCalendrier", "depuisCalendrier"):
    for k, nom in enumerate(calendriers):
        ns(f"{sens} {nom}", f"{sens}/{k}", 15)
ns("versHebreu", "versHebreu", 150)
ns("depuisHebreu", "depuisHebreu", 150)
ns("versMaya", "versMaya", 20)
ns("depuisMaya", "depuisMaya", 20)
ns("Paques::calculer", "paques")
ns("Comput::calculer", "comput")
ns("nommerJourRomain", "nommerJour")
ns("chiffresRomains", "chiffres")
ns("jour julien, semaine et jour de l'année", "moment")
valeur = mediane_benchmark("moteur.json", "recalculMoteur")
lignes.append(("travail du moteur d'un recalcul", f"{valeur / 1000:.2f} µs", "≤ 2 µs",
               valeur <= 2000))
for nom, figure in (("miseAJourJour", "miseAJour (jour changé)"),
                    ("miseAJourMode", "miseAJour (mode changé)"),
                    ("miseAJourRegion", "miseAJour (région France, jour changé)")):
    valeur = mediane_benchmark("fenetre.json", nom)
    lignes.append((figure, f"{valeur:.1f} µs", "≤ 150 µs", valeur <= 150))

commandes = json.loads((dossier / "commande.json").read_text())["results"]
reference = commandes[0]["mean"]
lignes.append(("/bin/true", f"{reference * 1000:.2f} ms", "référence", None))
for r in commandes[1:]:
    rapport = r["mean"] / reference
    lignes.append((r["command"].replace("build/", ""), f"{r['mean'] * 1000:.2f} ms ({rapport:.2f} ×)",
                   "≤ 2 × /bin/true", rapport <= 2))

def lot(nom):
    """Nanoseconds per line of the fastest batch run, and the largest maximum
    resident memory (KiB) of the runs."""
    mesures = [ligne.split() for ligne in (dossier / f"lot-{nom}").read_text().splitlines()
               if ligne.strip()]
    return (min(float(s) for s, _ in mesures) * 1e9 / 1e7, max(int(m) for _, m in mesures))


memoireLots = 0
for nom, budget in (("GREGORIEN-JULIEN", 100), ("JULIEN-GREGORIEN", 100), ("GREGORIEN-HEBREU", 200),
                    ("GREGORIEN-MAYA", 120), ("GREGORIEN-TOUS", 1500)):
    valeur, memoire_lot = lot(nom)
    memoireLots = max(memoireLots, memoire_lot)
    depart, arrivee = nom.split("-")
    lignes.append((f"lot {depart} {arrivee}, par ligne", f"{valeur:.0f} ns", f"≤ {budget} ns",
                   valeur <= budget))
ecrites, memoire_ecrites = lot("GREGORIEN-JULIEN-ECRITES")
memoireLots = max(memoireLots, memoire_ecrites)
numeriques, _ = lot("GREGORIEN-JULIEN")
lignes.append(("lot GREGORIEN JULIEN, dates écrites (« 14 juillet 1789 »), par ligne",
               f"{ecrites:.0f} ns ({ecrites / numeriques:.2f} ×)", "≤ 2 × les nombres",
               ecrites <= 2 * numeriques))
fetes, memoire_fetes = lot("CIVIL-GREGORIEN-FETES")
memoireLots = max(memoireLots, memoire_fetes)
lignes.append(("lot CIVIL GREGORIEN, fêtes (« le jeudi après la Saint-Martin d'hiver 1350 »), par ligne",
               f"{fetes:.0f} ns ({fetes / ecrites:.2f} ×)", "≤ 3 × les dates écrites",
               fetes <= 3 * ecrites))
gnu, _ = lot("date")
nous, _ = lot("GREGORIEN-JULIEN")
lignes.append(("GNU date -f +%j, par ligne", f"{gnu:.0f} ns ({gnu / nous:.0f} × le lot)",
               "≥ 20 × le lot", gnu >= 20 * nous))
boucle = int((dossier / "boucle").read_text()) / 1000  # nanoseconds per line
lignes.append(("une commande par date (boucle shell), par ligne",
               f"{boucle / 1e6:.2f} ms ({boucle / nous:.0f} × le lot)", "—", None))
lignes.append(("mémoire maximale, lot de 10 millions de lignes", f"{memoireLots / 1024:.1f} Mio",
               "≤ 4 Mio", memoireLots <= 4096))

gedcom = json.loads((dossier / "gedcom.json").read_text())["results"]
wc, listage = gedcom[0]["mean"], gedcom[1]["mean"]
lignes.append(("wc -l, fichier GEDCOM d'un million de lignes", f"{wc * 1000:.1f} ms", "référence", None))
lignes.append(("chronastre GEDCOM, le même fichier", f"{listage * 1000:.1f} ms ({listage / wc:.1f} ×)",
               "≤ 10 × wc -l", listage <= 10 * wc))
memoireGedcom = int((dossier / "memoire-gedcom").read_text().split()[-1])
lignes.append(("mémoire maximale, chronastre GEDCOM", f"{memoireGedcom / 1024:.1f} Mio", "≤ 4 Mio",
               memoireGedcom <= 4096))

chronastre = statistics.median(int(x) for x in (dossier / "ouverture-chronastre").read_text().split())
nue = statistics.median(int(x) for x in (dossier / "ouverture-nue").read_text().split())
lignes.append(("QMainWindow nue, lancement → affichée", f"{nue / 1000:.1f} ms", "référence", None))
lignes.append(("fenêtre, lancement → affichée", f"{chronastre / 1000:.1f} ms ({chronastre / nue:.2f} ×)",
               "≤ 1,5 × nue", chronastre <= 1.5 * nue))


def memoire(fichier):
    texte = (dossier / fichier).read_text()
    return int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", texte).group(1))


lignes.append(("mémoire maximale, ligne de commande", f"{memoire('memoire-commande') / 1024:.1f} Mio", "—", None))
lignes.append(("mémoire maximale, fenêtre", f"{memoire('memoire-fenetre') / 1024:.1f} Mio", "—", None))

largeurs = [max(len(l[i]) for l in lignes + [("Mesure", "Valeur", "Budget")]) for i in range(3)]
print(f"| {'Mesure':<{largeurs[0]}} | {'Valeur':>{largeurs[1]}} | {'Budget':<{largeurs[2]}} | Tenu |")
print(f"|{'-' * (largeurs[0] + 2)}|{'-' * (largeurs[1] + 2)}|{'-' * (largeurs[2] + 2)}|------|")
for figure, valeur, budget, tenu in lignes:
    marque = "" if tenu is None else ("oui" if tenu else "NON")
    print(f"| {figure:<{largeurs[0]}} | {valeur:>{largeurs[1]}} | {budget:<{largeurs[2]}} | {marque:<4} |")
sys.exit(0 if all(t is not False for *_, t in lignes) else 1)
