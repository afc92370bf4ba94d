# Shared by run.sh and test.sh: installs the Debian packages the build needs
# (when missing, as root), then configures and builds incrementally.
# Sourced, not run: it expects "set -euo pipefail" and the project root as
# the current directory.

# Debian 12 packages for building and testing.
paquets_construction=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libfontconfig-dev qt6-translations-l10n
    fonts-dejavu-core fonts-dejavu-extra
)

# For the check of the installed tree.
paquets_tests=(desktop-file-utils appstream man-db groff-base)

# For the sanitizer and fuzzing stages of the tests: clang and its fuzzer
# runtime. The tests go on without them when they cannot be installed.
paquets_fuzz=(clang libclang-rt-14-dev)

# Installs whichever of the given packages is missing.
installer_paquets() {
    local manquants=()
    local paquet
    for paquet in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed"; then
            manquants+=("$paquet")
        fi
    done
    [ ${#manquants[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Paquets manquants : ${manquants[*]}" >&2
        echo "Installez-les (sudo apt-get install -y ${manquants[*]}) puis relancez." >&2
        exit 1
    fi
    echo "Installation de : ${manquants[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -q "${manquants[@]}" >&2 ||
        { apt-get update -q >&2 && apt-get install -y -q "${manquants[@]}" >&2; }
}

# Configures (once) and builds the preset given, quietly unless it fails.
# CHRONASTRE_WERROR=ON in the environment turns warnings into errors (CI).
construire() {
    local preset=$1
    local dossier=$2
    mkdir -p "$dossier"
    if [ ! -f "$dossier/build.ninja" ]; then
        cmake --preset "$preset" -DCHRONASTRE_WERROR="${CHRONASTRE_WERROR:-OFF}" \
            >"$dossier/configuration.log" 2>&1 ||
            { cat "$dossier/configuration.log" >&2; exit 1; }
    fi
    cmake --build "$dossier" >"$dossier/construction.log" 2>&1 ||
        { cat "$dossier/construction.log" >&2; exit 1; }
}
