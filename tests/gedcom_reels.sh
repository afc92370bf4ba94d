#!/usr/bin/env bash
# Real genealogy files, as Debian ships them: the example of gramps and the
# royal family of libgedcom-perl's test suite (PAF's export, declared ANSEL,
# blanks after the level, English weekdays). Listed with every date
# (--modifications) into the Republican calendar, each DATE line of the file
# gives one line of the listing, none is refused or lost, the exit code is 0.
# The packages are fetched from Debian's archive once (apt-get download) into
# the build folder; without the archive the test is skipped (exit 77).
#   tests/gedcom_reels.sh BUILD/chronastre BUILD
set -euo pipefail
programme=$1
dossier=$2/echantillons
mkdir -p "$dossier"
cd "$dossier"
for paquet in gramps libgedcom-perl; do
    if ! ls "$paquet"_*.deb >/dev/null 2>&1; then
        apt-get download "$paquet" >/dev/null 2>&1 || { echo "archive Debian injoignable : $paquet"; exit 77; }
    fi
    dpkg-deb -x "$paquet"_*.deb arbre
done
echec=0
for fichier in arbre/usr/share/doc/gramps/example/gedcom/sample.ged \
    arbre/usr/share/doc/libgedcom-perl/examples/royal.ged; do
    attendues=$(grep -c -i -E '^[[:space:]]*[0-9]+[[:space:]]+S?DATE([[:space:]]|$)' "$fichier")
    code=0
    "$programme" --modifications GEDCOM REPUBLICAIN <"$fichier" >liste.txt 2>erreurs.txt || code=$?
    listees=$(wc -l <liste.txt)
    echo "$fichier : $attendues dates, $listees listées, code $code"
    if [ "$listees" -ne "$attendues" ] || [ "$code" -ne 0 ] || [ -s erreurs.txt ]; then
        cat erreurs.txt
        echec=1
    fi
done
exit $echec
