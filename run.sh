#!/usr/bin/env bash
# Builds Chronastre into build/ (installing missing Debian packages first) and
# runs it with the arguments given: none opens the window.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/preparer.sh

installer_paquets "${paquets_construction[@]}"
construire release build
exec build/chronastre "$@"
