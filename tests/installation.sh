#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the installed tree:
# every file in its place, the command line run from another folder, the
# window module found from the installed executable, the desktop entry, the
# AppStream metadata, the manual page and the shell completion.
#   tests/installation.sh BUILD_FOLDER
set -euo pipefail
construction=$(cd "$1" && pwd)
racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

DESTDIR="$racine" cmake --install "$construction" --prefix /usr >/dev/null
usr=$racine/usr

for fichier in \
    bin/chronastre \
    share/applications/chronastre.desktop \
    share/metainfo/fr.orvendel.Chronastre.metainfo.xml \
    share/icons/hicolor/16x16/apps/chronastre.png \
    share/icons/hicolor/48x48/apps/chronastre.png \
    share/icons/hicolor/256x256/apps/chronastre.png \
    share/icons/hicolor/scalable/apps/chronastre.svg \
    share/man/man1/chronastre.1.gz \
    share/bash-completion/completions/chronastre \
    share/doc/chronastre/copyright \
    share/doc/chronastre/changelog.gz; do
    [ -f "$usr/$fichier" ] || echec "$fichier absent"
done
module=$(find "$usr/lib" -name chronastre-fenetre.so)
[ -n "$module" ] || echec "module de la fenêtre absent"
[ -x "$usr/bin/chronastre" ] || echec "exécutable non exécutable"
if ldd "$usr/bin/chronastre" | grep -q libQt6; then echec "l'exécutable charge Qt"; fi

# The command line from another folder, exact Latin-1 bytes.
attendu=$(printf "coucou\nJour julien        : 2451545.00000\nJour de la semaine : Samedi\nJour de l'ann\351e    : 1")
obtenu=$(cd / && "$usr/bin/chronastre" JOUR 2000 1 1 12 0 0)
[ "$obtenu" = "$attendu" ] || echec "JOUR installé : $obtenu"
[ "$(cd / && "$usr/bin/chronastre" GREGORIEN JULIEN 2000 1 1)" = "1999 12 19" ] || echec "conversion"
[ "$(printf '2000 1 1\n' | "$usr/bin/chronastre" GREGORIEN JULIEN)" = "1999 12 19" ] || echec "lot"

# The window from the installed tree (offscreen): still running after two
# seconds means the module was found and the event loop runs.
configuration=$(mktemp -d)
set +e
(cd / && XDG_CONFIG_HOME=$configuration QT_QPA_PLATFORM=offscreen timeout 2 "$usr/bin/chronastre") \
    2>"$racine/fenetre.log"
code=$?
set -e
rm -rf "$configuration"
[ $code -eq 124 ] || { cat "$racine/fenetre.log" >&2; echec "fenêtre installée, code $code"; }

# A module put beside the installed executable is not loaded: the installed
# one is, from the private library folder.
if command -v c++ >/dev/null; then
    echo 'extern "C" int chronastre_lancerFenetre(int, char**) { return 42; }' |
        c++ -shared -fPIC -x c++ - -o "$usr/bin/chronastre-fenetre.so"
    configuration=$(mktemp -d)
    set +e
    XDG_CONFIG_HOME=$configuration QT_QPA_PLATFORM=offscreen timeout 2 "$usr/bin/chronastre" \
        2>"$racine/fenetre.log"
    code=$?
    set -e
    rm -rf "$configuration" "$usr/bin/chronastre-fenetre.so"
    [ $code -eq 124 ] || echec "module pris à côté de l'exécutable installé, code $code"
fi

desktop-file-validate "$usr/share/applications/chronastre.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/fr.orvendel.Chronastre.metainfo.xml" >/dev/null

manuel=$racine/chronastre.1
gzip -dc "$usr/share/man/man1/chronastre.1.gz" >"$manuel"
avertissements=$(groff -ww -man -Tutf8 -z "$manuel" 2>&1)
[ -z "$avertissements" ] || echec "groff : $avertissements"
MANWIDTH=80 man -l "$usr/share/man/man1/chronastre.1.gz" 2>/dev/null | grep -q "convertisseur de calendriers" ||
    echec "man -l"

propositions=$(bash -c '. "$1"; COMP_WORDS=(chronastre GREGORIEN IS); COMP_CWORD=2; _chronastre;
    echo "${COMPREPLY[*]}"' _ "$usr/share/bash-completion/completions/chronastre")
[ "$propositions" = "ISLAMIQUE_A ISLAMIQUE_B" ] || echec "complétion : $propositions"
propositions=$(bash -c '. "$1"; COMP_WORDS=(chronastre MAYA T); COMP_CWORD=2; _chronastre;
    echo "${COMPREPLY[*]}"' _ "$usr/share/bash-completion/completions/chronastre")
[ "$propositions" = "TOUS" ] || echec "complétion : $propositions"
propositions=$(bash -c '. "$1"; COMP_WORDS=(chronastre P); COMP_CWORD=1; _chronastre;
    echo "${COMPREPLY[*]}"' _ "$usr/share/bash-completion/completions/chronastre")
[ "$propositions" = "PERSE PAQUES" ] || echec "complétion : $propositions"
propositions=$(bash -c '. "$1"; COMP_WORDS=(chronastre CHINOIS U); COMP_CWORD=2; _chronastre;
    echo "${COMPREPLY[*]}"' _ "$usr/share/bash-completion/completions/chronastre")
[ "$propositions" = "UMM_AL_QURA" ] || echec "complétion : $propositions"
echo "Installation vérifiée."
