#!/usr/bin/env bash
# Measures Chronastre on this machine and prints one table: each figure, its
# budget and whether it holds. Optimised build (build/), Google Benchmark for
# the engine and the window's recompute (against a reference of plain
# arithmetic, bench/reference.h), hyperfine for the command line
# against /bin/true, batch conversion of 10 million dates against the floor
# program bench/plancher.c and GNU date, a GEDCOM file of a million lines in
# three character sets against wc -l, launch-to-mapped time of the window
# under Xvfb against a bare Qt main window, peak resident memory from
# /usr/bin/time.
# A time on a machine shared with other work is noise: every time is a ratio
# to a reference measured in the same run, and the instructions each line
# costs, counted by callgrind on fixed inputs (the process's start-up taken
# away), are budgeted too.
#   bench/run.sh          (exits with 1 when a budget is missed)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/preparer.sh

installer_paquets "${paquets_construction[@]}" hyperfine xvfb xauth xdotool time python3 dbus \
    valgrind
construire release build

resultats=$(mktemp -d)
trap 'rm -rf "$resultats"' EXIT
export XDG_CONFIG_HOME="$resultats/configuration"

echo "Moteur (Google Benchmark)..." >&2
# Each program's repetitions in a random order, its reference's among them
# (bench/reference.h): a busy moment weighs on the reference as on the rest.
# Each program run three times: where a process's memory falls moves some
# conversions by a third from one run to the next.
for passage in 1 2 3; do
    build/bench_moteur --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
        --benchmark_min_time=0.1 --benchmark_format=json >"$resultats/moteur-$passage.json"
    build/bench_usage --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
        --benchmark_min_time=0.1 --benchmark_format=json >"$resultats/usage-$passage.json"
done
echo "Recalcul de la fenêtre (hors écran)..." >&2
QT_QPA_PLATFORM=offscreen build/bench_fenetre --benchmark_enable_random_interleaving=true \
    --benchmark_min_time=0.2 --benchmark_format=json >"$resultats/fenetre-1.json"

echo "Instructions par ligne (callgrind)..." >&2
# The instructions a command executes reading file $1, as callgrind counts
# them.
instructions() {
    local entree=$1
    shift
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" <"$entree" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
# Instructions per line: those of file $2 less those of file $1 (the same
# process with fewer lines, so that its start-up and its end cancel out),
# divided by the lines file $2 has more; written as "$3 value" into the file
# "instructions" of the results.
parLigne() {
    local moins=$1 plus=$2 nom=$3
    shift 3
    local a b
    a=$(instructions "$moins" "$@")
    b=$(instructions "$plus" "$@")
    echo "$nom $(((b - a) / ($(wc -l <"$plus") - $(wc -l <"$moins"))))" >>"$resultats/instructions"
}
# The same dates written as people write them: "14 juillet 1789".
en_lettres() {
    awk -F- 'BEGIN { split("janvier février mars avril mai juin juillet août septembre octobre novembre décembre", noms, " ") }
        { printf "%d %s %d\n", $3, noms[$2 + 0], $1 }' "$1"
}
mesure=$resultats/mesure
mkdir -p "$mesure"
: >"$mesure/vide"
awk -v n=20000 -f bench/dates.awk >"$mesure/dates"
# The floor does the batch's work: the same bytes out (tests/plancher.sh
# checks it too).
build/plancher <"$mesure/dates" >"$mesure/plancher"
build/chronastre GREGORIEN JULIEN <"$mesure/dates" >"$mesure/chronastre"
cmp -s "$mesure/plancher" "$mesure/chronastre" ||
    { echo "bench/plancher.c n'écrit pas ce qu'écrit chronastre GREGORIEN JULIEN." >&2; exit 1; }
parLigne "$mesure/vide" "$mesure/dates" plancher build/plancher
for paire in GREGORIEN-JULIEN JULIEN-GREGORIEN GREGORIEN-HEBREU GREGORIEN-MAYA GREGORIEN-TOUS; do
    parLigne "$mesure/vide" "$mesure/dates" "$paire" build/chronastre "${paire%-*}" "${paire#*-}"
done
en_lettres "$mesure/dates" >"$mesure/ecrites"
# The reader's vocabulary is built once, at the first written date: the file
# of one date pays it too, so that it cancels out.
head -n 1 "$mesure/ecrites" >"$mesure/ecrite"
parLigne "$mesure/ecrite" "$mesure/ecrites" GREGORIEN-JULIEN-ECRITES build/chronastre GREGORIEN JULIEN
# GEDCOM: a line that is not a date, from the lines four of them after each
# place add; a date line, from the lines the dates add to the same file
# without them; a Gregorian date, read and not listed, likewise.
LC_ALL=C awk -v lignes=20000 -f bench/gedcom.awk >"$mesure/arbre.ged"
LC_ALL=C awk -v lignes=20000 -v extra=1 -f bench/gedcom.awk >"$mesure/arbre-plus.ged"
LC_ALL=C awk -v lignes=20000 -v gregorien=1 -f bench/gedcom.awk >"$mesure/arbre-gregorien.ged"
# The files without their dates keep the first, for the vocabulary.
for nom in arbre arbre-gregorien; do
    awk '!/^2 DATE / || !n++' "$mesure/$nom.ged" >"$mesure/$nom-sans-dates.ged"
done
parLigne "$mesure/arbre.ged" "$mesure/arbre-plus.ged" GEDCOM-SANS-DATE build/chronastre GEDCOM
parLigne "$mesure/arbre-sans-dates.ged" "$mesure/arbre.ged" GEDCOM-DATE build/chronastre GEDCOM
parLigne "$mesure/arbre-gregorien-sans-dates.ged" "$mesure/arbre-gregorien.ged" \
    GEDCOM-DATE-GREGORIENNE build/chronastre GEDCOM
rm -rf "$mesure"

echo "Ligne de commande (hyperfine)..." >&2
hyperfine -N --warmup 30 --runs 300 --export-json "$resultats/commande.json" \
    /bin/true 'build/chronastre JOUR 2000 1 1' 'build/chronastre GREGORIEN HEBREU 2024 1 1' \
    'build/chronastre COMPUT 2024' 'build/chronastre GREGORIEN TOUS 2000 1 1' >/dev/null

echo "Conversion par lots (10 millions de dates, le plancher, GNU date, une commande par date)..." >&2
# Random valid dates of years 1 to 2100, in ISO form.
dates=$resultats/dates.txt
awk -v n=10000000 -f bench/dates.awk >"$dates"
en_lettres "$dates" >"$resultats/ecrites.txt"
# Seconds and maximum resident memory (KiB) of a run, added to a file. Three
# runs of each, the floor and the batches in turn so that a busy moment
# weighs on all of them; the table keeps the fastest of each (a busy
# machine only adds time).
lot() {
    local nom=$1
    shift
    /usr/bin/time -f "%e %M" -a -o "$resultats/lot-$nom" "$@" <"${entree:-$dates}" \
        >"$resultats/sortie-lot"
}
for _ in 1 2 3; do
    lot plancher build/plancher
    lot GREGORIEN-JULIEN build/chronastre GREGORIEN JULIEN
    lot JULIEN-GREGORIEN build/chronastre JULIEN GREGORIEN
    lot GREGORIEN-HEBREU build/chronastre GREGORIEN HEBREU
    lot GREGORIEN-MAYA build/chronastre GREGORIEN MAYA
    lot GREGORIEN-TOUS build/chronastre GREGORIEN TOUS
    entree=$resultats/ecrites.txt lot GREGORIEN-JULIEN-ECRITES build/chronastre GREGORIEN JULIEN
done
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

echo "Fichier GEDCOM d'un million de lignes, en UTF-8, en ANSEL et en UTF-16..." >&2
# Individuals with two events each, their dates in the four calendars of
# GEDCOM (a fifth of the lines are dates), as genealogy programs write them;
# the same file declared ANSEL with its accents in ANSEL's bytes, and in
# UTF-16 (with its byte-order mark, declared UNICODE).
LC_ALL=C awk -v lignes=1000000 -f bench/gedcom.awk >"$resultats/arbre-utf8.ged"
LC_ALL=C awk -v lignes=1000000 -v jeu=ANSEL -f bench/gedcom.awk >"$resultats/arbre-ansel.ged"
LC_ALL=C awk -v lignes=1000000 -v jeu=UNICODE -f bench/gedcom.awk |
    iconv -f UTF-8 -t UTF-16 >"$resultats/arbre-utf16.ged"
# Each read from standard input through a shell, as a user runs it, by
# wc -l and by chronastre GEDCOM, their passages alternated (3 to warm the
# caches, 20 timed, in microseconds) so that a busy moment weighs on both:
# the reference takes a few milliseconds, and a busy stretch over the runs of
# one of them alone moved the ratio from 17 to 10.
for jeu in utf8 ansel utf16; do
    gedcom=$resultats/arbre-$jeu.ged
    for passage in $(seq 23); do
        for programme in wc chronastre; do
            case $programme in
            wc) commande="wc -l < $gedcom" ;;
            chronastre) commande="build/chronastre GEDCOM < $gedcom > /dev/null" ;;
            esac
            debut=$EPOCHREALTIME
            sh -c "$commande" >/dev/null
            fin=$EPOCHREALTIME
            if [ "$passage" -gt 3 ]; then
                echo $((${fin/[.,]/} - ${debut/[.,]/})) >>"$resultats/gedcom-$jeu-$programme"
            fi
        done
    done
done
/usr/bin/time -f "%M" -o "$resultats/memoire-gedcom" build/chronastre GEDCOM \
    <"$resultats/arbre-utf8.ged" >/dev/null
rm -f "$resultats"/arbre-*.ged

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

echo "Instructions jusqu'à la première peinture (callgrind)..." >&2
# Callgrind writes what the program has executed when Qt's first paint of
# its window returns (a first dump, NAME.PID.1); the program is then
# stopped.
premierePeinture() {
    local nom=$1
    shift
    valgrind --tool=callgrind --dump-after='QWidgetRepaintManager::paintAndFlush*' \
        --callgrind-out-file="$resultats/peinture-$nom.%p" "$@" >/dev/null 2>"$resultats/erreurs" &
    local programme=$!
    until grep -qs '^totals:' "$resultats/peinture-$nom.$programme.1"; do
        kill -0 "$programme" 2>/dev/null || { echo "$* s'est arrêté avant sa première peinture :" >&2; cat "$resultats/erreurs" >&2; exit 1; }
        sleep 0.2
    done
    kill "$programme"
    wait "$programme" 2>/dev/null || true
    echo "$nom $(sed -n 's/^totals: *//p' "$resultats/peinture-$nom.$programme.1")" \
        >>"$resultats/instructions"
    rm -f "$resultats/peinture-$nom".*
}
premierePeinture FENETRE build/chronastre
premierePeinture FENETRE-NUE build/fenetre_nue

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
