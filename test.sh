#!/usr/bin/env bash
# Builds Chronastre and runs its whole test suite (installing missing Debian
# packages first), in three stages:
#   1. optimised, hardened build (build/), every test, the installed tree
#      included, in the C locale and in the French one of our users; then the
#      Debian package, checked by lintian;
#   2. AddressSanitizer + UndefinedBehaviorSanitizer build (build-asan/), every
#      test again: any report fails the run;
#   3. a short fuzzing run of each libFuzzer target (build-fuzz/), when clang's
#      fuzzer runtime is available.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/preparer.sh

installer_paquets "${paquets_construction[@]}" "${paquets_tests[@]}"
preparer_locale_francaise
( installer_paquets "${paquets_fuzz[@]}" ) || echo "clang indisponible : pas de fuzzing." >&2
coeurs=$(nproc)

echo "== 1/3 Construction optimisée et tests (build/)"
construire release build
sous_locale C ctest --test-dir build --output-on-failure --no-tests=error -j "$coeurs"
echo "== Les mêmes tests sous LANG=fr_FR.UTF-8 (build/)"
sous_locale fr_FR.UTF-8 ctest --test-dir build --output-on-failure --no-tests=error -j "$coeurs"

echo "== Paquet Debian et lintian (build/)"
scripts/paquet.sh

echo "== 2/3 Sanitizers ASan + UBSan (build-asan/)"
construire asan build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$coeurs"

echo "== 3/3 Fuzzing (build-fuzz/)"
if echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -fsanitize=fuzzer -x c++ - -o /dev/null >/dev/null 2>&1; then
    fuzz/run.sh 30
else
    echo "Runtime libFuzzer de clang absent : étape sautée."
fi
echo "== Tous les tests sont passés."
