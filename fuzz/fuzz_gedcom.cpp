// The GEDCOM listing fed any bytes as a file (any character set), in pieces
// of varying size: the first byte picks the arrival calendar and the
// options. Each output line is UTF-8 of six tab-separated fields, its line
// number first, growing; every message is safe to show; the exit code says
// whether a date was refused or the file is no text.

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
    const auto arrivee =
        static_cast<chronastre::TypeCalendrier>(donnees[0] % chronastre::nombreCalendriers);
    chronastre::OptionsListe options;
    options.modifications = (donnees[0] & 0x40) != 0;
    options.lecture.doublesJuliennes = (donnees[0] & 0x80) != 0;
    const std::string_view fichier(reinterpret_cast<const char*>(donnees) + 1, taille - 1);

    CanauxEssai essai(fichier);
    const chronastre::Canaux& canaux = essai.canaux;
    const std::string& sortie = essai.sortie;
    const std::vector<std::string>& messages = essai.messages;
    const int code = chronastre::listerGedcom(arrivee, canaux, options);

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
        // Five tabs between the fields, well-formed UTF-8, and nothing else a
        // terminal acts on.
        std::string sansTabulations(ligne);
        std::replace(sansTabulations.begin(), sansTabulations.end(), '\t', ' ');
        if (std::count(ligne.begin(), ligne.end(), '\t') != 5 ||
            chronastre::texte::montrer(sansTabulations) != sansTabulations)
            std::abort();
        const long numero = std::strtol(ligne.data(), nullptr, 10);
        if (numero <= precedente || numero > lignesFichier)
            std::abort();
        precedente = numero;
        debut = fin + 1;
    }
    // Warnings (a set the bytes contradict) leave the exit code at 0; a
    // refusal, counted on the last line, or a file that is no text, set it.
    bool refus = false;
    for (const std::string& m : messages) {
        if (!m.starts_with("chronastre : ") || chronastre::texte::montrer(m) != m)
            std::abort();
        refus = refus || m.ends_with("refusée") || m.ends_with("refusées") ||
                m.starts_with("chronastre : ce fichier n'est pas du texte");
    }
    if (code != (refus ? 1 : 0))
        std::abort();
    return 0;
}
