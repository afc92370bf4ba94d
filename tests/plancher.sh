#!/usr/bin/env bash
# The floor of the batch conversion (bench/plancher.c) does the work of
# `chronastre GREGORIEN JULIEN` and no more: on the dates bench/run.sh
# measures them with, their outputs are the same bytes, and chronastre says
# nothing and exits with 0. Otherwise the floor measures something else.
#   tests/plancher.sh BUILD/plancher BUILD/chronastre SOURCES
set -euo pipefail
plancher=$1
chronastre=$2
sources=$3
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
awk -v n=20000 -f "$sources/bench/dates.awk" >"$dossier/dates"
"$plancher" <"$dossier/dates" >"$dossier/plancher"
code=0
"$chronastre" GREGORIEN JULIEN <"$dossier/dates" >"$dossier/chronastre" 2>"$dossier/erreurs" || code=$?
echo "$(wc -l <"$dossier/dates") dates, code $code"
if [ "$code" -ne 0 ] || [ -s "$dossier/erreurs" ]; then
    cat "$dossier/erreurs"
    exit 1
fi
if [ "$(wc -l <"$dossier/plancher")" -ne 20000 ]; then
    echo "le plancher n'a pas écrit une ligne par date"
    exit 1
fi
cmp "$dossier/plancher" "$dossier/chronastre"
