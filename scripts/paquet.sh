#!/usr/bin/env bash
# Builds the Debian package build/chronastre_<version>_amd64.deb (installing
# the missing build packages, dpkg-dev and lintian first) and checks it with
# lintian: any finding, pedantic and informational ones included, fails,
# unless data/debian/lintian-overrides gives the reason it does not apply.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/preparer.sh

installer_paquets "${paquets_construction[@]}" dpkg-dev lintian
construire release build
rm -f build/chronastre_*.deb
(cd build && cpack -G DEB >cpack.log 2>&1) || { cat build/cpack.log >&2; exit 1; }
paquet=$(ls build/chronastre_*.deb)
if ! lintian --pedantic --info --display-experimental --fail-on error,warning,info,pedantic,experimental \
    "$paquet" 2> >(grep -v "running with root privileges" >&2); then
    echo "lintian : le paquet $paquet a des remarques (voir ci-dessus)." >&2
    exit 1
fi
echo "$paquet : lintian n'a rien à redire."
