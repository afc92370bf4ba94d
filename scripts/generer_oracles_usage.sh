#!/usr/bin/env bash
# Makes the golden files of the calendars in use today (tests/donnees/) from
# independent implementations, installed outside the repository, and the
# tables of the engine (scripts/generer_tables_usage.py). Run by hand, once;
# never by test.sh: the files it writes are committed.
#   scripts/generer_oracles_usage.sh [ORACLES_DIR]   (default /tmp/chronastre-oracles)
set -euo pipefail
cd "$(dirname "$0")/.."
oracles=${1:-/tmp/chronastre-oracles}

apt-get install -y python3-ephem python3-pymeeus python3-convertdate emacs-nox nodejs npm >/dev/null
mkdir -p "$oracles"
(cd "$oracles" && [ -f package.json ] || npm init -y >/dev/null)
(cd "$oracles" && npm install jalaali-js@2.0.1 @tabby_ai/hijri-converter@1.0.5 lunar-javascript@1.7.7 >/dev/null)

/usr/bin/python3 scripts/generer_tables_usage.py "$oracles/node_modules/@tabby_ai/hijri-converter"
node scripts/oracles_usage.js "$oracles/node_modules" tests/donnees
emacs --batch -l scripts/oracle_chinois.el >tests/donnees/chinois_emacs.txt
/usr/bin/python3 scripts/oracle_bahai.py >tests/donnees/bahai_convertdate.txt
