#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS seconds, starting from
# the committed seed corpus. Prints the executions done and any finding; exits
# with 1 when a target found a fault. New inputs go to build-fuzz/, never into
# the committed corpus.
#   fuzz/run.sh [SECONDS]      (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/preparer.sh
secondes=${1:-60}

construire fuzz build-fuzz

trouve=0
for cible in fuzz_lignecommande fuzz_moteur fuzz_lot fuzz_lecture fuzz_gedcom fuzz_jeux; do
    travail=build-fuzz/corpus-$cible
    artefacts=build-fuzz/artefacts-$cible
    mkdir -p "$travail" "$artefacts"
    options=(-max_total_time="$secondes" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048
             -artifact_prefix="$artefacts/")
    [ -f "fuzz/${cible#fuzz_}.dict" ] && options+=(-dict="fuzz/${cible#fuzz_}.dict")
    journal=build-fuzz/$cible.log
    if build-fuzz/$cible "${options[@]}" "$travail" "fuzz/corpus/$cible" >"$journal" 2>&1; then
        etat="aucune anomalie"
    else
        etat="ANOMALIE (voir $journal et $artefacts/)"
        trouve=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal" | tail -n 1)
    printf '%-20s %12s exécutions en %ss, %s\n' "$cible" "${executions:-?}" "$secondes" "$etat"
    [ "$trouve" -eq 1 ] && tail -n 30 "$journal" >&2
done
exit "$trouve"
