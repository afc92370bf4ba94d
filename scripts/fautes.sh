#!/usr/bin/env bash
# Measures what the test suite catches: plants each fault of scripts/fautes.txt
# (a plausible one-line slip) one at a time in a copy of the working tree,
# rebuilds, runs the CTest suite of the optimised build and says whether a
# test failed. Run by hand, never by test.sh; the working tree is not touched.
#   scripts/fautes.sh [FAULT_LIST] [FILTER]
# FILTER keeps the faults whose file or description contains it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/preparer.sh
installer_paquets "${paquets_construction[@]}" rsync python3
liste=$(realpath "${1:-scripts/fautes.txt}")
filtre=${2:-}

travail=${FAUTES_DOSSIER:-/tmp/chronastre-fautes}
mkdir -p "$travail/src"
# The working tree as it stands, uncommitted changes included, and the list
# as it stands (it may be edited while the faults run). A file whose content
# changed since the last run gets the time of the copy, not its own: kept,
# an edit older than the last build would leave that build's object as it
# was.
rsync -a --no-times --checksum --delete --exclude '/build*' --exclude '/.git' ./ "$travail/src/"
cp "$liste" "$travail/liste.txt"
liste=$travail/liste.txt
cd "$travail"
if [ ! -f build/build.ninja ]; then
    cmake -S src -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHRONASTRE_BENCH=OFF \
        >configuration.log 2>&1 || { cat configuration.log >&2; exit 1; }
fi
cmake --build build >construction.log 2>&1 || { cat construction.log >&2; exit 1; }
ctest --test-dir build -j "$(nproc)" --no-tests=error >reference.log 2>&1 ||
    { echo "La suite échoue sans faute plantée : voir $travail/reference.log" >&2; exit 1; }

# Replaces the one occurrence of AVANT in FICHIER by APRES (or restores it);
# a fault whose text is missing or ambiguous is reported, not planted.
planter() {
    python3 - "$@" <<'FIN'
import sys
fichier, avant, apres = sys.argv[1:4]
texte = open(fichier, encoding="utf-8").read()
n = texte.count(avant)
if n != 1:
    print(f"{n} occurrences", file=sys.stderr)
    sys.exit(2)
open(fichier, "w", encoding="utf-8").write(texte.replace(avant, apres))
FIN
}

total=0
detectees=0
absentes=()
while IFS= read -r ligne; do
    case "$ligne" in '#'* | '') continue ;; esac
    fichier=${ligne%% :: *}; reste=${ligne#* :: }
    avant=${reste%% :: *}; reste=${reste#* :: }
    apres=${reste%% :: *}; description=${reste#* :: }
    [ -n "$filtre" ] && [[ "$fichier $description" != *"$filtre"* ]] && continue
    cp "src/$fichier" original
    if ! planter "src/$fichier" "$avant" "$apres" 2>erreur; then
        printf 'NON PLANTÉE  %-28s %s (%s)\n' "$fichier" "$description" "$(cat erreur)"
        continue
    fi
    if ! cmake --build build >faute.log 2>&1; then
        printf 'NE COMPILE PAS %-26s %s\n' "$fichier" "$description"
        cp original "src/$fichier"
        continue
    fi
    total=$((total + 1))
    if ctest --test-dir build -j "$(nproc)" --no-tests=error --timeout 300 >faute.log 2>&1; then
        absentes+=("$fichier : $description")
        printf 'PASSE        %-28s %s\n' "$fichier" "$description"
    else
        detectees=$((detectees + 1))
        echouent=$(sed -nE 's/^[[:space:]]*[0-9]+ - ([^ ]+) .*/\1/p' faute.log | head -n 3 | paste -sd ' ')
        printf 'détectée     %-28s %s [%s]\n' "$fichier" "$description" "$echouent"
    fi
    cp original "src/$fichier"
done <"$liste"
cmake --build build >/dev/null 2>&1 || true

echo
echo "$detectees fautes détectées sur $total ($((total ? 100 * detectees / total : 0)) %)."
if [ ${#absentes[@]} -gt 0 ]; then
    echo "Passées inaperçues :"
    printf '  %s\n' "${absentes[@]}"
fi
