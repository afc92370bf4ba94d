#!/usr/bin/env bash
# Builds the Debian package build/chronastre_<version>_amd64.deb (installing
# the missing build packages and dpkg-dev first).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/preparer.sh

installer_paquets "${paquets_construction[@]}" dpkg-dev
construire release build
(cd build && cpack -G DEB >cpack.log 2>&1) || { cat build/cpack.log >&2; exit 1; }
ls build/chronastre_*.deb
