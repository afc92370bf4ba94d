#!/usr/bin/env bash
# Measures Chronastre on this machine and prints one table: each figure, its
# budget and whether it holds. Optimised build (build/), Google Benchmark for
# the engine and the window's recompute, hyperfine for the command line
# against /bin/true, batch conversion of 10 million dates against GNU date,
# launch-to-mapped time of the window under Xvfb against a bare Qt main
# window, peak resident memory from /usr/bin/time.
#   bench/run.sh          (exits with 1 when a budget is missed)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/preparer.sh

installer_paquets "${paquets_construction[@]}" hyperfine xvfb xauth xdotool time python3 dbus
construire release build

resultats=$(mktemp -d)
trap 'rm -rf "$resultats"' EXIT
export XDG_CONFIG_HOME="$resultats/configuration"

echo "Moteur (Google Benchmark)..." >&2
build/bench_moteur --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2 --benchmark_format=json >"$resultats/moteur.json"
echo "Recalcul de la fenêtre (hors écran)..." >&2
QT_QPA_PLATFORM=offscreen build/bench_fenetre --benchmark_min_time=0.2 \
    --benchmark_format=json >"$resultats/fenetre.json"

echo "Ligne de commande (hyperfine)..." >&2
hyperfine -N --warmup 30 --runs 300 --export-json "$resultats/commande.json" \
    /bin/true 'build/chronastre JOUR 2000 1 1' 'build/chronastre GREGORIEN HEBREU 2024 1 1' \
    'build/chronastre COMPUT 2024' 'build/chronastre GREGORIEN TOUS 2000 1 1' >/dev/null

echo "Conversion par lots (10 millions de dates, GNU date, une commande par date)..." >&2
# Random valid dates of years 1 to 2100, in ISO form (also Julian dates: the
# Julian calendar has every day the Gregorian has).
dates=$resultats/dates.txt
awk 'BEGIN {
    srand(20261208)
    split("31 28 31 30 31 30 31 31 30 31 30 31", longueurs)
    for (i = 0; i < 10000000; i++) {
        a = 1 + int(rand() * 2100); m = 1 + int(rand() * 12); l = longueurs[m]
        if (m == 2 && a % 4 == 0 && (a % 100 != 0 || a % 400 == 0)) l = 29
        printf "%04d-%02d-%02d\n", a, m, 1 + int(rand() * l)
    }
}' >"$dates"
# Seconds and maximum resident memory (KiB) of three runs, output to a
# file; the table keeps the fastest (a busy machine only adds time).
lot() {
    local nom=$1
    shift
    for _ in 1 2 3; do
        /usr/bin/time -f "%e %M" -a -o "$resultats/lot-$nom" "$@" <"${entree:-$dates}" \
            >"$resultats/sortie-lot"
    done
}
lot GREGORIEN-JULIEN build/chronastre GREGORIEN JULIEN
lot JULIEN-GREGORIEN build/chronastre JULIEN GREGORIEN
lot GREGORIEN-HEBREU build/chronastre GREGORIEN HEBREU
lot GREGORIEN-MAYA build/chronastre GREGORIEN MAYA
lot GREGORIEN-TOUS build/chronastre GREGORIEN TOUS
# The same dates written as people write them: "14 juillet 1789".
awk -F- 'BEGIN { split("janvier février mars avril mai juin juillet août septembre octobre novembre décembre", noms, " ") }
    { printf "%d %s %d\n", $3, noms[$2 + 0], $1 }' "$dates" >"$resultats/ecrites.txt"
entree=$resultats/ecrites.txt lot GREGORIEN-JULIEN-ECRITES build/chronastre GREGORIEN JULIEN
rm -f "$resultats/ecrites.txt"
# The same years in dates written from a feast, as registers write them
# ("le jeudi après la Saint-Martin d'hiver 1350"), read in France's calendar;
# none falls in the days its reform skipped.
awk -F- 'BEGIN {
    srand(20261209)
    n = split("la Toussaint|la veille de la Toussaint|le lendemain de l'"'"'Ascension|l'"'"'octave de la Saint-Jean-Baptiste|le jeudi après la Saint-Martin d'"'"'hiver|le dimanche de Laetare|le 3e jour après la Saint-Michel|Pâques|le lundi de la Pentecôte|la Saint-Barthélemy", fetes, "|")
}
{ printf "%s %d\n", fetes[1 + int(rand() * n)], $1 }' "$dates" >"$resultats/fetes.txt"
entree=$resultats/fetes.txt lot CIVIL-GREGORIEN-FETES build/chronastre --reforme FRANCE CIVIL GREGORIEN
rm -f "$resultats/fetes.txt"
/usr/bin/time -f "%e %M" -o "$resultats/lot-date" date -f "$dates" +%j >"$resultats/sortie-lot"
# The shell loop a user writes without the batch: one process per date.
head -n 1000 "$dates" >"$resultats/mille"
debut=$(date +%s%N)
while IFS=- read -r a m j; do
    build/chronastre GREGORIEN JULIEN "$a" "$m" "$j"
done <"$resultats/mille" >/dev/null
echo $(($(date +%s%N) - debut)) >"$resultats/boucle"
rm -f "$dates" "$resultats/sortie-lot"

echo "Fichier GEDCOM d'un million de lignes..." >&2
# Individuals with two events each, their dates in the four calendars of
# GEDCOM (a fifth of the lines are dates), as genealogy programs write them.
gedcom=$resultats/arbre.ged
awk 'BEGIN {
    srand(20261208)
    split("JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC", m)
    split("VEND BRUM FRIM NIVO PLUV VENT GERM FLOR PRAI MESS THER FRUC", r)
    split("TSH CSH KSL TVT SHV ADR NSN IYR SVN TMZ AAV ELL", h)
    split("BIRT DEAT MARR BURI CHR", ev)
    print "0 HEAD"; print "1 GEDC"; print "2 VERS 5.5.1"; print "1 CHAR UTF-8"; n = 4
    while (n < 1000000) {
        i++; print "0 @I" i "@ INDI"; print "1 NAME Jean /Dupont" i "/"; n += 2
        for (k = 1; k <= 2 && n < 1000000; k++) {
            print "1 " ev[1 + int(rand() * 5)]; n++
            t = rand(); j = 1 + int(rand() * 28)
            if (t < 0.4) d = j " " m[1 + int(rand() * 12)] " " (1600 + int(rand() * 400))
            else if (t < 0.6) d = "@#DJULIAN@ " j " " m[1 + int(rand() * 12)] " " (1200 + int(rand() * 500))
            else if (t < 0.75) d = "@#DFRENCH R@ " j " " r[1 + int(rand() * 12)] " " (1 + int(rand() * 14))
            else if (t < 0.9) d = "@#DHEBREW@ " j " " h[1 + int(rand() * 12)] " " (5500 + int(rand() * 300))
            else d = "ABT " (1700 + int(rand() * 300))
            print "2 DATE " d; n++
            print "2 PLAC Paris"; n++
        }
        print "1 SEX M"; n++
    }
}' >"$gedcom"
# Both read the file from standard input through a shell, as a user runs them.
hyperfine -N --warmup 3 --runs 30 --export-json "$resultats/gedcom.json" \
    "sh -c 'wc -l < $gedcom'" "sh -c 'build/chronastre GEDCOM < $gedcom > /dev/null'" >/dev/null
/usr/bin/time -f "%M" -o "$resultats/memoire-gedcom" build/chronastre GEDCOM <"$gedcom" >/dev/null
rm -f "$gedcom"

echo "Ouverture de la fenêtre (Xvfb)..." >&2
# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$resultats/ecran" >/dev/null 2>&1 &
xvfb=$!
until [ -s "$resultats/ecran" ]; do sleep 0.05; done
ecran=:$(cat "$resultats/ecran")
trap 'kill $xvfb 2>/dev/null; rm -rf "$resultats"' EXIT
export DISPLAY=$ecran
# A desktop session has a D-Bus session bus, which Qt's accessibility bridge
# connects to as soon as a widget changes; without one, libdbus tries to
# launch a bus on each start. Measure as on a desktop.
if command -v dbus-daemon >/dev/null; then
    bus=$(mktemp)
    dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$bus" 2>/dev/null
    export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$bus")
    bus_pid=$(sed -n 2p "$bus")
    trap 'kill $xvfb $bus_pid 2>/dev/null; rm -rf "$resultats" "$bus"' EXIT
fi
sleep 1

# Milliseconds from launch until the window is mapped and visible.
ouverture() {
    local titre=$1
    shift
    local debut fin
    debut=$(date +%s%N)
    "$@" >/dev/null 2>"$resultats/erreurs" &
    local programme=$!
    # xdotool's own --sync polls every half second: poll it every 2 ms.
    until xdotool search --onlyvisible --name "^$titre\$" >/dev/null 2>&1; do
        kill -0 "$programme" 2>/dev/null || { echo "$* s'est arrêté avant d'afficher sa fenêtre :" >&2; cat "$resultats/erreurs" >&2; exit 1; }
        sleep 0.002
    done
    fin=$(date +%s%N)
    kill "$programme"
    wait "$programme" 2>/dev/null || true
    echo $(((fin - debut) / 1000))
}
ouverture "Chronastre 2.0" build/chronastre >/dev/null # warm the caches
ouverture "Fenetre nue" build/fenetre_nue >/dev/null
for _ in $(seq 25); do
    ouverture "Chronastre 2.0" build/chronastre >>"$resultats/ouverture-chronastre"
    ouverture "Fenetre nue" build/fenetre_nue >>"$resultats/ouverture-nue"
done

echo "Mémoire (/usr/bin/time -v)..." >&2
/usr/bin/time -v build/chronastre JOUR 2000 1 1 2>"$resultats/memoire-commande" >/dev/null
/usr/bin/time -v build/chronastre 2>"$resultats/memoire-fenetre" >/dev/null &
temps=$!
fenetre=$(xdotool search --sync --onlyvisible --name "^Chronastre 2.0\$" | head -n 1)
sleep 1
# Closed by its own shortcut (no window manager runs here to give it focus).
xdotool windowfocus "$fenetre" key --clearmodifiers alt+q
wait "$temps" || true

python3 bench/tableau.py "$resultats"
