// The GEDCOM listing fed any bytes as a file, in pieces of varying size: the
// first byte picks the arrival calendar. Each output line has five
// tab-separated fields, its line number first, growing; every message names
// a line that exists or the whole file; the exit code says whether one was
// given.

#include "fuzz/canaux.h"
#include "main/gedcom.h"
#include "main/lignecommande.h"
#include "main/sortie.h"
#include "texte/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (taille < 1)
        return 0;
    const auto arrivee = static_cast<chronastre::TypeCalendrier>(donnees[0] % 19);
    const std::string_view fichier(reinterpret_cast<const char*>(donnees) + 1, taille - 1);

    CanauxEssai essai(fichier);
    const chronastre::Canaux& canaux = essai.canaux;
    const std::string& sortie = essai.sortie;
    const std::vector<std::string>& messages = essai.messages;
    const int code = chronastre::listerGedcom(arrivee, canaux);

    const auto lignesFichier =
        static_cast<long>(std::count(fichier.begin(), fichier.end(), '\n') +
                          std::count(fichier.begin(), fichier.end(), '\r') + 1);
    long precedente = 0;
    std::size_t debut = 0;
    while (debut < sortie.size()) {
        const std::size_t fin = sortie.find('\n', debut);
        if (fin == std::string::npos)
            std::abort(); // every line ends
        const std::string_view ligne(sortie.data() + debut, fin - debut);
        // Four tabs between the fields, and nothing else a terminal acts on.
        std::string sansTabulations(ligne);
        std::replace(sansTabulations.begin(), sansTabulations.end(), '\t', ' ');
        if (std::count(ligne.begin(), ligne.end(), '\t') != 4 ||
            chronastre::texte::montrer(sansTabulations) != sansTabulations)
            std::abort();
        const long numero = std::strtol(ligne.data(), nullptr, 10);
        if (numero <= precedente || numero > lignesFichier)
            std::abort();
        precedente = numero;
        debut = fin + 1;
    }
    for (const std::string& m : messages) {
        if (!m.starts_with("chronastre : ") || chronastre::texte::montrer(m) != m)
            std::abort();
    }
    if (code != (messages.empty() ? 0 : 1))
        std::abort();
    return 0;
}
