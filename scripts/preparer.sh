# Shared by run.sh and test.sh: installs the Debian packages the build needs
# (when missing, as root), then configures and builds incrementally.
# Sourced, not run: it expects "set -euo pipefail" and the project root as
# the current directory.

# Debian 12 packages for building and testing.
paquets_construction=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-private-dev libfontconfig-dev qt6-translations-l10n
    fonts-dejavu-core fonts-dejavu-extra
)

# For the check of the installed tree.
paquets_tests=(desktop-file-utils appstream man-db groff-base locales)

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
    local werror=${CHRONASTRE_WERROR:-OFF}
    mkdir -p "$dossier"
    # Configured once, and again when the warnings setting asked differs
    # from the one the folder was configured with.
    if [ ! -f "$dossier/build.ninja" ] ||
        ! grep -qx "CHRONASTRE_WERROR:BOOL=$werror" "$dossier/CMakeCache.txt" 2>/dev/null; then
        cmake --preset "$preset" -DCHRONASTRE_WERROR="$werror" \
            >"$dossier/configuration.log" 2>&1 ||
            { cat "$dossier/configuration.log" >&2; exit 1; }
    fi
    cmake --build "$dossier" >"$dossier/construction.log" 2>&1 ||
        { cat "$dossier/construction.log" >&2; exit 1; }
}

# Makes the French locale of our users (fr_FR.UTF-8, a comma for the decimal
# point) available, generating it as root when it is missing; fails when it
# cannot be set, so that a run never skips it silently.
preparer_locale_francaise() {
    if ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf-\?8'; then
        if [ "$(id -u)" -ne 0 ]; then
            echo "La locale fr_FR.UTF-8 manque : ajoutez-la (sudo dpkg-reconfigure locales) puis relancez." >&2
            exit 1
        fi
        echo "Génération de la locale fr_FR.UTF-8" >&2
        if grep -q '^# *fr_FR.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
            sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
        elif ! grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
            echo 'fr_FR.UTF-8 UTF-8' >>/etc/locale.gen
        fi
        locale-gen >&2
    fi
    if [ "$(LC_ALL=fr_FR.UTF-8 locale decimal_point 2>/dev/null)" != "," ]; then
        echo "La locale fr_FR.UTF-8 ne peut pas être utilisée." >&2
        exit 1
    fi
}

# Runs a command under the locale given alone: every LC_ variable of the
# environment removed, LANG set.
sous_locale() {
    local locale=$1
    shift
    local retirer=()
    local variable
    for variable in $(env | grep -o '^LC_[A-Z_]*=' | tr -d =); do
        retirer+=(-u "$variable")
    done
    env "${retirer[@]}" LANG="$locale" LANGUAGE= "$@"
}
