#!/usr/bin/env bash
# Builds Chronastre and runs its whole test suite (installing missing Debian
# packages first).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/preparer.sh

installer_paquets "${paquets_construction[@]}"
coeurs=$(nproc)

echo "== Construction et tests (build/)"
construire release build
ctest --test-dir build --output-on-failure --no-tests=error -j "$coeurs"
echo "== Tous les tests sont passés."
